#include "mv_deklaracje/export/ExportDelivery.h"

#include <filesystem>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/export/ExportFile.h"
#include "platform/com/Bstr.h"
#include "platform/com/ClassRegistry.h"
#include "platform/text/CodePage.h"

namespace {
constexpr std::u16string_view kParentFolder = u"..";

bool IsSeparator(char16_t c) { return c == u'/' || c == u'\\'; }
bool IsControl(char16_t c) { return c < 0x20 || c == 0x7F; }

void CheckName(const CBstr& name) {
    const std::u16string_view text = name.View();
    bool bad = text.empty() || text.find(kParentFolder) != std::u16string_view::npos;
    for (char16_t c : text) bad = bad || IsSeparator(c) || IsControl(c);
    if (bad) RaiseComError(E_INVALIDARG, u"Niedozwolona nazwa pliku eksportu \"" + name.Str() + u"\".");
}

// A file of the temporary folder removed when the delivery is done, whatever its outcome.
class LocalCopy {
public:
    explicit LocalCopy(const CBstr& name)
        : path_(CBstr(tlx::Utf8ToUtf16(
              (std::filesystem::temp_directory_path() / tlx::Utf16ToUtf8(name.View())).string()))) {}
    ~LocalCopy() { DeleteExistingFile(path_); }
    LocalCopy(const LocalCopy&) = delete;
    LocalCopy& operator=(const LocalCopy&) = delete;
    const CBstr& Path() const { return path_; }

private:
    CBstr path_;
};
}  // namespace

void RefuseControlCharacters(const CBstr& text, std::u16string_view what) {
    for (char16_t c : text.View()) {
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            RaiseComError(E_INVALIDARG, std::u16string(what) + u" zawiera znak sterujący.");
    }
}

bool IsRemoteOperator() {
    LONG remote = 0;
    CheckHost(GetHostOperator()->IsRemoteSession(&remote));
    return remote != 0;
}

CBstr SafeFileNamePart(const CBstr& text) {
    std::u16string safe = text.Str();
    const std::size_t size = safe.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char16_t c = safe[i];
        if (IsSeparator(c) || IsControl(c)) safe[i] = u'_';
    }
    // Decided on the text as given: every dot of a run of dots goes, and a dot at either end.
    const std::u16string_view given = text.View();
    for (std::size_t i = 0; i < size; ++i) {
        if (given[i] != u'.') continue;
        const bool besideDot = (i > 0 && given[i - 1] == u'.') || (i + 1 < size && given[i + 1] == u'.');
        if (i == 0 || i + 1 == size || besideDot) safe[i] = u'_';
    }
    return CBstr(safe);
}

ExportDelivery::ExportDelivery(const CBstr& folder, std::vector<File> files)
    : folder_(folder), files_(std::move(files)) {
    if (folder.View().empty()) RaiseComError(E_INVALIDARG, u"Nie podano folderu eksportu.");
    for (const File& file : files_) CheckName(file.first);
}

CBstr ExportDelivery::Join(const CBstr& folder, const CBstr& name, char16_t separator) {
    std::u16string f = folder.Str();
    if (!f.empty() && IsSeparator(f.back())) {
        if (separator == u'/') f.back() = u'/';
        return CBstr(f) + name;
    }
    return CBstr(f + separator) + name;
}

void ExportDelivery::WriteFiles() const {
    for (const auto& [name, text] : files_) {
        ExportFile file(Join(folder_, name, u'/'));
        file.WriteLine(text);
        file.Commit();
    }
}

void ExportDelivery::CheckFolderForUser() const {
    RefuseControlCharacters(folder_, u"Folder na komputerze użytkownika");
    if (folder_.View().find(kParentFolder) != std::u16string_view::npos) {
        RaiseComError(E_ACCESSDENIED, u"Folder \"" + folder_.Str() +
                                          u"\" na komputerze użytkownika wychodzi poza jego folder (\"..\").");
    }
}

void ExportDelivery::SendFiles(tlx::ComPtr<IRemoteFileCopy>& copy, const CBstr& appPath) const {
    CheckFolderForUser();
    if (IsRemoteOperator()) Copy(copy);
    else Transfer(appPath);
}

void ExportDelivery::TransferFiles() const {
    CheckFolderForUser();
    Transfer(CBstr());
}

void ExportDelivery::Transfer(const CBstr& appPath) const {
    tlx::ComPtr<IRemoteFileTransfer> transfer;
    const HRESULT created = CoCreateInstance(CLSID_CRemoteFileTransfer, nullptr, CLSCTX_ALL, IID_IRemoteFileTransfer,
                                             transfer.OutVoid());
    const bool missing = created == REGDB_E_CLASSNOTREG || created == E_NOINTERFACE || (SUCCEEDED(created) && !transfer);
    if (missing && missingTransfer_ != S_OK) {
        RaiseComError(missingTransfer_, u"Nie można utworzyć komponentu przesyłania plików na komputer użytkownika.");
    }
    CheckHost(created);
    if (!transfer) RaiseHResult(E_POINTER);
    CheckHost(transfer->Reset(tlx::Bstr(appPath.View()).Get()));
    const tlx::Bstr kind(appPath.IsEmpty() ? u"file" : u"app");
    for (const auto& [name, text] : files_) {
        CheckHost(transfer->SetFileName(tlx::Bstr(Join(folder_, name, u'\\').View()).Get()));
        CheckHost(transfer->SetKind(kind.Get()));
        // The file on the user's machine is the same line, CR LF included, as one written here.
        CheckHost(transfer->SetContent(tlx::Bstr(text.Str() + u"\r\n").Get()));
        CheckHost(transfer->Transfer());
    }
}

void ExportDelivery::Copy(tlx::ComPtr<IRemoteFileCopy>& copy) const {
    if (!copy) {
        CheckHost(CoCreateInstance(CLSID_CRemoteFileCopy, nullptr, CLSCTX_ALL, IID_IRemoteFileCopy, copy.OutVoid()));
        if (!copy) RaiseHResult(E_POINTER);
    }
    for (const auto& [name, text] : files_) {
        LocalCopy local(name);
        ExportFile file(local.Path());
        file.WriteLine(text);
        file.Commit();
        CheckHost(copy->Copy(tlx::Bstr(Join(folder_, name, u'\\').View()).Get(), tlx::Bstr(local.Path().View()).Get()));
    }
}
