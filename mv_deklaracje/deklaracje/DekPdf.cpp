#include "mv_deklaracje/deklaracje/DekPdf.h"

#include <dlfcn.h>

#include <filesystem>

#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/core/RecordColumns.h"
#include "platform/text/CodePage.h"

namespace {
// The column prefix the sibling library stores the file under, without its underscore.
constexpr char16_t kImagePrefix[] = u"RPO2";
// Store the whole file.
constexpr LONG kWholeFile = -1;
// The system's codes for a library or an entry point that cannot be found.
constexpr HRESULT kModuleNotFound = static_cast<HRESULT>(0x8007007E);
constexpr HRESULT kProcedureNotFound = static_cast<HRESULT>(0x8007007F);

std::u16string Widen(const char* text) { return std::u16string(text, text + std::char_traits<char>::length(text)); }

// The sibling library is installed beside this library; one already loaded in the process, or found
// on the system's search path, serves as well.
void* LoadSysLibrary() {
    std::filesystem::path beside =
        std::filesystem::path(tlx::Utf16ToUtf8(ModuleFilePath())).parent_path() / kSysLibraryName;
    if (void* library = ::dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL)) return library;
    return ::dlopen(kSysLibraryName, RTLD_NOW | RTLD_LOCAL);
}
}  // namespace

void CDekPdf::LibraryCloser::operator()(void* library) const { ::dlclose(library); }

HRESULT CDekPdf::get_ZrodloID(LONG* value) { return GetLongColumn(*this, u"ZrodloID", value); }
HRESULT CDekPdf::put_ZrodloID(LONG value) { return PutLongColumn(*this, u"ZrodloID", value); }
HRESULT CDekPdf::get_RpWID(LONG* value) { return GetLongColumn(*this, u"RpWID", value); }
HRESULT CDekPdf::put_RpWID(LONG value) { return PutLongColumn(*this, u"RpWID", value); }
HRESULT CDekPdf::get_RpFID(LONG* value) { return GetLongColumn(*this, u"RpFID", value); }
HRESULT CDekPdf::put_RpFID(LONG value) { return PutLongColumn(*this, u"RpFID", value); }
HRESULT CDekPdf::get_Rozmiar(LONG* value) { return GetLongColumn(*this, u"Rozmiar", value); }
HRESULT CDekPdf::put_Rozmiar(LONG value) { return PutLongColumn(*this, u"Rozmiar", value); }
HRESULT CDekPdf::get_DokumentTyp(LONG* value) { return GetLongColumn(*this, u"DokumentTyp", value); }
HRESULT CDekPdf::put_DokumentTyp(LONG value) { return PutLongColumn(*this, u"DokumentTyp", value); }
HRESULT CDekPdf::get_DokumentID(LONG* value) { return GetLongColumn(*this, u"DokumentID", value); }
HRESULT CDekPdf::put_DokumentID(LONG value) { return PutLongColumn(*this, u"DokumentID", value); }

// The library is looked up on every call; a missing library or entry point is reported, never called.
// The callee takes over one reference to the recordset and the copy of the path, and its answer is the
// answer of this call.
HRESULT CDekPdf::DodajPlik(BSTR _Plik) {
    return ComBoundary([&] {
        saveImageFromFile_ = nullptr;
        library_.reset();
        std::unique_ptr<void, LibraryCloser> library(LoadSysLibrary());
        if (!library)
            RaiseComError(kModuleNotFound, FormatString(u"Nie można załadować biblioteki %s.", Widen(kSysLibraryName).c_str()));
        auto entry = reinterpret_cast<SaveImageFromFileFn>(::dlsym(library.get(), kSaveImageFromFileExport));
        if (!entry)
            RaiseComError(kProcedureNotFound, FormatString(u"Biblioteka %s nie ma funkcji %s.", Widen(kSysLibraryName).c_str(),
                                       Widen(kSaveImageFromFileExport).c_str()));
        library_ = std::move(library);
        saveImageFromFile_ = entry;

        tlx::Bstr prefix(kImagePrefix);
        tlx::Bstr path(TextArgument(_Plik).View());
        tlx::ComPtr<Recordset> rows = BoundRecordset();
        CheckHost(saveImageFromFile_(rows.Detach(), prefix.Get(), kWholeFile, path.Detach()));
    });
}
