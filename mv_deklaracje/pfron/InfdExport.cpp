#include "mv_deklaracje/pfron/InfdExport.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "hostapi/Login.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/export/ExportFile.h"
#include "mv_deklaracje/pfron/InfdDocuments.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "platform/com/Bstr.h"
#include "platform/com/ClassRegistry.h"
#include "platform/text/CodePage.h"

namespace {
bool EndsFolder(char16_t c) { return c == u'/' || c == u'\\'; }

LONG AttachmentNumber(IDeklaracja2* attachment) {
    tlx::Variant value;
    CheckHost(attachment->get_Wartosc(tlx::Bstr(u"NRKOLEJNY").Get(), value.Out()));
    return value.vt == VT_EMPTY || value.vt == VT_NULL ? 0 : VariantToLong(value);
}

// The INF-D's attachments, by their number.
std::vector<tlx::ComPtr<IDeklaracja2>> Attachments(IDeklaracja2* declaration) {
    tlx::ComPtr<IDispatch> children;
    CheckHost(declaration->get_Deklaracje(children.Out()));
    std::vector<std::pair<LONG, tlx::ComPtr<IDeklaracja2>>> numbered;
    for (CCollectionEnumerator<IDeklaracja2> each(children.Get()); auto child = each.Current(); each.MoveNext())
        numbered.emplace_back(AttachmentNumber(child.Get()), child);
    std::stable_sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<tlx::ComPtr<IDeklaracja2>> list;
    for (auto& [number, child] : numbered) list.push_back(child);
    return list;
}

// A file of the temporary folder removed when the delivery is done, whatever its outcome.
class LocalCopy {
public:
    explicit LocalCopy(const CBstr& name)
        : path_(CBstr(tlx::Utf8ToUtf16((std::filesystem::temp_directory_path() / tlx::Utf16ToUtf8(name.View())).string()))) {}
    ~LocalCopy() { DeleteExistingFile(path_); }
    LocalCopy(const LocalCopy&) = delete;
    LocalCopy& operator=(const LocalCopy&) = delete;
    const CBstr& Path() const { return path_; }

private:
    CBstr path_;
};
}  // namespace

CBstr SafeFileNamePart(const CBstr& text) {
    std::u16string safe = text.Str();
    for (char16_t& c : safe)
        if (c < 0x20 || c == 0x7F || EndsFolder(c)) c = u'_';
    return CBstr(safe);
}

InfdExport::InfdExport(ISession* session, LONG id, const CBstr& folder) : folder_(folder) {
    if (folder.View().empty()) RaiseComError(E_INVALIDARG, u"Nie podano folderu eksportu.");
    tlx::ComPtr<IDeklaracja2> declaration = OpenDeclaration(session, id);
    if (!declaration) RaiseHResult(E_POINTER);
    InfdDocuments documents;
    CBstr main = documents.BuildInfdDocument(declaration.Get());
    const CBstr period = SafeFileNamePart(documents.ReportingPeriod());
    files_.emplace_back(CBstr(u"infd_") + period.View() + std::u16string_view(u".xml"), main);
    std::set<std::u16string> used;
    for (const tlx::ComPtr<IDeklaracja2>& attachment : Attachments(declaration.Get())) {
        CBstr text = documents.BuildInfdpDocument(attachment.Get());
        std::u16string key = SafeFileNamePart(documents.FileKey()).Str();
        // Two attachments of one key (a PESEL given twice) keep both files.
        if (!used.insert(key).second) {
            key += u"_" + LongToString(AttachmentNumber(attachment.Get())).Str();
            used.insert(key);
        }
        files_.emplace_back(CBstr(u"infdp_") + period.View() + std::u16string_view(u"_") + std::u16string_view(key) +
                                std::u16string_view(u".xml"),
                            text);
    }
}

// A folder that ends in either separator takes the name after it; on this machine a closing backslash
// is the separator of this system.
CBstr InfdExport::Join(const CBstr& folder, const CBstr& name, char16_t separator) {
    std::u16string f = folder.Str();
    if (!f.empty() && EndsFolder(f.back())) {
        if (separator == u'/') f.back() = u'/';
        return CBstr(f) + name;
    }
    return CBstr(f + separator) + name;
}

void InfdExport::WriteFiles() {
    for (const auto& [name, text] : files_) {
        ExportFile file(Join(folder_, name, u'/'));
        file.WriteLine(text);
        file.Commit();
    }
}

void InfdExport::SendFiles(tlx::ComPtr<IRemoteFileCopy>& copy) {
    tlx::ComPtr<ILogin> login;
    CheckHost(CreateHostApplication()->GetLogin(login.Out()));
    if (!login) RaiseHResult(E_POINTER);
    tlx::ComPtr<IOperatorObject> op;
    CheckHost(login->GetOperatorObject(op.Out()));
    if (!op) RaiseHResult(E_POINTER);
    LONG remote = 0;
    CheckHost(op->IsRemoteSession(&remote));

    if (remote == 0) {
        tlx::ComPtr<IRemoteFileTransfer> transfer;
        CheckHost(CoCreateInstance(CLSID_CRemoteFileTransfer, nullptr, CLSCTX_ALL, IID_IRemoteFileTransfer,
                                   transfer.OutVoid()));
        if (!transfer) RaiseHResult(E_POINTER);
        CheckHost(transfer->Reset(tlx::Bstr(u"").Get()));
        for (const auto& [name, text] : files_) {
            CheckHost(transfer->SetFileName(tlx::Bstr(Join(folder_, name, u'\\').View()).Get()));
            CheckHost(transfer->SetKind(tlx::Bstr(u"file").Get()));
            // The file on the user's machine is the same line, CR LF included, as one written here.
            CheckHost(transfer->SetContent(tlx::Bstr(text.Str() + u"\r\n").Get()));
            CheckHost(transfer->Transfer());
        }
        return;
    }
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
