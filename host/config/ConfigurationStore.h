// Where the configuration lives: TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) holds one text per key;
// TLX.KonfiguracjaParametry (Kfp_Klucz, Kfp_DataOd, Kfp_Wartosc) one row per key and starting date.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ado/Ado.h"

namespace tlx::host {

// The plain setting of a key, or nothing when the key has no row.
std::optional<std::u16string> ReadSetting(Connection* connection, std::u16string_view key);

struct DatedValue {
    DATE from = 0;
    std::u16string value;
};
// The dated value of a key valid at `date` (the latest starting date not after the day), or nothing.
std::optional<DatedValue> ReadDatedSetting(Connection* connection, std::u16string_view key, DATE date);

// Writers for the host's set-up (tlxhost init-db, tests): replace a key's text; add a dated value.
void WriteSetting(Connection* connection, std::u16string_view key, std::u16string_view value);
void WriteDatedSetting(Connection* connection, std::u16string_view key, DATE from, std::u16string_view value);

}  // namespace tlx::host
