// The configuration values a session has read: each key's text, and each key's dated value per day,
// read from the company database once for the life of the session. A change stored since is seen by
// the next session.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "host/config/ConfigurationStore.h"

namespace tlx::host {

class SessionSettings {
public:
    std::optional<std::u16string> Setting(Connection* connection, std::u16string_view key);
    // The time of day does not count: values are kept by day.
    std::optional<DatedValue> DatedSetting(Connection* connection, std::u16string_view key, DATE date);

private:
    std::map<std::u16string, std::optional<std::u16string>, std::less<>> plain_;
    std::map<std::pair<std::u16string, long>, std::optional<DatedValue>> dated_;
};

}  // namespace tlx::host
