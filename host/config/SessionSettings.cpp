#include "host/config/SessionSettings.h"

#include <cmath>
#include <memory>

#include "platform/ado/RecordsetState.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/com/ComPtr.h"

namespace tlx::host {

void SessionSettings::ForgetIfChanged(Connection* connection) {
    ComPtr<ado::IDatabaseProvider> provider;
    std::shared_ptr<ado::SqliteDatabase> database;
    if (connection && SUCCEEDED(connection->QueryInterface(IidOf<ado::IDatabaseProvider>(), provider.OutVoid())))
        database = provider->Database();
    std::uint64_t stamp = database ? database->ChangeStamp() : 0;
    if (database && stamp == stamp_) return;
    plain_.clear();
    dated_.clear();
    stamp_ = stamp;
}

std::optional<std::u16string> SessionSettings::Setting(Connection* connection, std::u16string_view key) {
    ForgetIfChanged(connection);
    if (auto known = plain_.find(key); known != plain_.end()) return known->second;
    std::optional<std::u16string> value = ReadSetting(connection, key);
    plain_.emplace(std::u16string(key), value);
    return value;
}

std::optional<DatedValue> SessionSettings::DatedSetting(Connection* connection, std::u16string_view key, DATE date) {
    ForgetIfChanged(connection);
    std::pair<std::u16string, long> day{std::u16string(key), static_cast<long>(std::floor(date))};
    if (auto known = dated_.find(day); known != dated_.end()) return known->second;
    std::optional<DatedValue> value = ReadDatedSetting(connection, key, date);
    dated_.emplace(std::move(day), value);
    return value;
}

}  // namespace tlx::host
