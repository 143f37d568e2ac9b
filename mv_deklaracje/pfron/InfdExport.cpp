#include "mv_deklaracje/pfron/InfdExport.h"

#include <algorithm>
#include <set>

#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/pfron/InfdDocuments.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "platform/com/Bstr.h"

namespace {
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
}  // namespace

InfdExport::InfdExport(ISession* session, LONG id, const CBstr& folder) {
    if (folder.View().empty()) RaiseComError(E_INVALIDARG, u"Nie podano folderu eksportu.");
    std::vector<ExportDelivery::File> files;
    tlx::ComPtr<IDeklaracja2> declaration = OpenDeclaration(session, id);
    if (!declaration) RaiseHResult(E_POINTER);
    InfdDocuments documents;
    CBstr main = documents.BuildInfdDocument(declaration.Get());
    const CBstr period = SafeFileNamePart(documents.ReportingPeriod());
    files.emplace_back(CBstr(u"infd_") + period.View() + std::u16string_view(u".xml"), main);
    std::set<std::u16string> used;
    for (const tlx::ComPtr<IDeklaracja2>& attachment : Attachments(declaration.Get())) {
        CBstr text = documents.BuildInfdpDocument(attachment.Get());
        std::u16string key = SafeFileNamePart(documents.FileKey()).Str();
        // Two attachments of one key (a PESEL given twice) keep both files.
        if (!used.insert(key).second) {
            key += u"_" + LongToString(AttachmentNumber(attachment.Get())).Str();
            used.insert(key);
        }
        files.emplace_back(CBstr(u"infdp_") + period.View() + std::u16string_view(u"_") + std::u16string_view(key) +
                               std::u16string_view(u".xml"),
                           text);
    }
    delivery_.emplace(folder, std::move(files));
}
