#include "mv_deklaracje/kedu/KeduExport.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/export/ExportDelivery.h"

namespace {

constexpr std::u16string_view kSeparators = u"/\\";
constexpr std::u16string_view kBareFolder = u".";

ExportDelivery Delivery(const CBstr& document, const CBstr& fileName) {
    auto [folder, name] = SplitTarget(fileName);
    return ExportDelivery(folder, {{name, document}});
}

}  // namespace

std::pair<CBstr, CBstr> SplitTarget(const CBstr& fileName) {
    const std::u16string_view path = fileName.View();
    const std::size_t last = path.find_last_of(kSeparators);
    const std::u16string_view name = last == std::u16string_view::npos ? path : path.substr(last + 1);
    if (name.empty() || name == u"." || name == u"..")
        RaiseComError(E_INVALIDARG, u"Niedozwolona nazwa pliku eksportu \"" + fileName.Str() + u"\".");
    const std::u16string_view folder = last == std::u16string_view::npos ? kBareFolder : path.substr(0, last + 1);
    return {CBstr(folder), CBstr(name)};
}

void ExportKeduDocument(const CBstr& document, const CBstr& fileName, tlx::ComPtr<IRemoteFileCopy>& copy) {
    const ExportDelivery delivery = Delivery(document, fileName);
    if (IsRemoteOperator()) delivery.SendFiles(copy);
    else delivery.WriteFiles();
}

void SendKeduDocument(const CBstr& document, const CBstr& fileName, const CBstr& appPath,
                      tlx::ComPtr<IRemoteFileCopy>& copy, HRESULT missingTransfer) {
    // The application path and the target travel to the user's machine together, one line of its list
    // of programs to start: a line break in either would add lines to that list.
    RefuseControlCharacters(appPath, u"Ścieżka programu, którym ma być otwarty plik,");
    RefuseControlCharacters(fileName, u"Ścieżka pliku na komputerze użytkownika");
    ExportDelivery delivery = Delivery(document, fileName);
    if (missingTransfer != S_OK) delivery.SetMissingTransferError(missingTransfer);
    delivery.SendFiles(copy, appPath);
}
