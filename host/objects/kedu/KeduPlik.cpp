#include "host/objects/kedu/KeduPlik.h"

#include "host/objects/files/ReplaceFile.h"
#include "host/objects/kedu/KeduError.h"
#include "host/objects/kedu/KeduTextReader.h"
#include "platform/file/DrivePath.h"
#include "platform/text/CodePage.h"

namespace tlx::host {
namespace {

// The version the file's own layout has (BeginText's argument when Save writes it).
constexpr LONG kFileVersion = 2;

std::u16string Number(LONG value) {
    std::string text = std::to_string(value);
    return std::u16string(text.begin(), text.end());
}

}  // namespace

std::u16string CKeduPlik::Header(LONG version) { return u"<TLXKEDU wersja=\"" + Number(version) + u"\">\r\n"; }

std::u16string CKeduPlik::Footer() { return u"</TLXKEDU>\r\n"; }

HRESULT CKeduPlik::FinalConstruct() {
    documents_ = CKeduDokumenty::Make();
    return documents_ ? S_OK : E_OUTOFMEMORY;
}

HRESULT CKeduPlik::get_Dokumenty(IKeduDokumenty** documents) {
    return KeduBoundary(IID_IKeduPlik, [&] { *Require(documents) = ComPtr<CKeduDokumenty>(documents_).Detach(); });
}

HRESULT CKeduPlik::Save(BSTR file, BSTR text, LONG type, LONG version) {
    return KeduBoundary(IID_IKeduPlik, [&] {
        std::u16string_view name(file ? file : u"", SysStringLen(file));
        if (name.empty()) RefuseKedu(u"Nie podano nazwy pliku KEDU.");
        std::u16string_view body(text ? text : u"", SysStringLen(text));
        for (KeduTextReader reader(body); !reader.AtEnd();) reader.ReadDocument();
        std::u16string header = Header(kFileVersion);
        header.insert(header.size() - 3, u" typ=\"" + Number(type) + u"\" wersjaDeklaracji=\"" + Number(version) + u"\"");
        std::string bytes = Utf16ToUtf8(header) + Utf16ToUtf8(body) + Utf16ToUtf8(Footer());
        const std::optional<std::string> target = NativePath(name);
        if (!target) {
            throw KeduError{E_UNEXPECTED, u"Nie można zapisać pliku " + std::u16string(name) + u": zmienna " +
                                              Utf8ToUtf16(*DriveVariableOf(name)) + u" nie wskazuje folderu dysku."};
        }
        ReplaceFile(std::filesystem::path(*target), bytes, IID_IKeduPlik);
    });
}

HRESULT CKeduPlik::BeginText(LONG version, BSTR* text) {
    return KeduBoundary(IID_IKeduPlik, [&] { *Require(text) = Bstr(Header(version)).Detach(); });
}

HRESULT CKeduPlik::EndText(BSTR* text) {
    return KeduBoundary(IID_IKeduPlik, [&] { *Require(text) = Bstr(Footer()).Detach(); });
}

}  // namespace tlx::host
