#include "host/config/SessionSettings.h"

#include <cmath>

namespace tlx::host {

std::optional<std::u16string> SessionSettings::Setting(Connection* connection, std::u16string_view key) {
    if (auto known = plain_.find(key); known != plain_.end()) return known->second;
    std::optional<std::u16string> value = ReadSetting(connection, key);
    plain_.emplace(std::u16string(key), value);
    return value;
}

std::optional<DatedValue> SessionSettings::DatedSetting(Connection* connection, std::u16string_view key, DATE date) {
    std::pair<std::u16string, long> day{std::u16string(key), static_cast<long>(std::floor(date))};
    if (auto known = dated_.find(day); known != dated_.end()) return known->second;
    std::optional<DatedValue> value = ReadDatedSetting(connection, key, date);
    dated_.emplace(std::move(day), value);
    return value;
}

}  // namespace tlx::host
