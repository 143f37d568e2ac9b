// The host's sibling library: stores a file in the current row of a record's recordset. Exported as
// SaveImageFromFile (hostapi/Accounting.h); the caller hands over its recordset reference and the path
// string, and keeps the prefix.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/Database.h"
#include "host/HostError.h"
#include "hostapi/Subjects.h"
#include "platform/text/CodePage.h"

namespace {

std::u16string Base64(const std::vector<unsigned char>& bytes) {
    static const char16_t kAlphabet[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::u16string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        unsigned value = bytes[i] << 16;
        if (i + 1 < bytes.size()) value |= bytes[i + 1] << 8;
        if (i + 2 < bytes.size()) value |= bytes[i + 2];
        text.push_back(kAlphabet[(value >> 18) & 63]);
        text.push_back(kAlphabet[(value >> 12) & 63]);
        text.push_back(i + 1 < bytes.size() ? kAlphabet[(value >> 6) & 63] : u'=');
        text.push_back(i + 2 < bytes.size() ? kAlphabet[value & 63] : u'=');
    }
    return text;
}

}  // namespace

// Reads the whole file (mode -1) and writes prefix + "_Rozmiar" (its size in bytes), prefix + "_Nazwa"
// (its file name) and, when the table has it, prefix + "_Obraz" (its bytes in base64).
extern "C" __attribute__((visibility("default"))) HRESULT SaveImageFromFile(Recordset* recordset, BSTR prefix,
                                                                            LONG mode, BSTR path) {
    tlx::ComPtr<Recordset> rows = tlx::ComPtr<Recordset>::Attach(recordset);
    tlx::Bstr file = tlx::Bstr::Attach(path);
    return tlx::host::Boundary([&] {
        using tlx::host::Fail;
        if (!rows) Fail(E_POINTER, u"Brak rekordu, w którym można zapisać plik");
        if (mode != -1) Fail(E_INVALIDARG, u"Nieobsługiwany tryb zapisu pliku");
        std::filesystem::path source(tlx::Utf16ToUtf8(file.View()));
        std::ifstream in(source, std::ios::binary);
        if (!in) Fail(HRESULT_FROM_WIN32(2), u"Nie można odczytać pliku " + file.Str());
        std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::u16string base = std::u16string(prefix ? prefix : u"", SysStringLen(prefix)) + u"_";
        tlx::host::WriteField(rows.Get(), base + u"Rozmiar", tlx::Variant::FromLong(static_cast<LONG>(bytes.size())));
        if (tlx::host::FindField(rows.Get(), base + u"Nazwa"))
            tlx::host::WriteField(rows.Get(), base + u"Nazwa",
                                  tlx::Variant::FromString(tlx::Utf8ToUtf16(source.filename().string())));
        if (tlx::host::FindField(rows.Get(), base + u"Obraz"))
            tlx::host::WriteField(rows.Get(), base + u"Obraz", tlx::Variant::FromString(Base64(bytes)));
    });
}
