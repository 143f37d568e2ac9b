// The configuration values a session has read: each key's text, and each key's dated value per day,
// read from the company database once and kept while the database does not change. Any change of the
// file (a statement of the session, or another connection's commit) drops them, so a changed setting is
// seen at once.
#pragma once

#include <cstdint>
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
    // Drops the values read when the database changed since they were read.
    void ForgetIfChanged(Connection* connection);

    std::uint64_t stamp_ = 0;
    std::map<std::u16string, std::optional<std::u16string>, std::less<>> plain_;
    std::map<std::pair<std::u16string, long>, std::optional<DatedValue>> dated_;
};

}  // namespace tlx::host
