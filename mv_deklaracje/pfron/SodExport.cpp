#include "mv_deklaracje/pfron/SodExport.h"

#include <algorithm>
#include <set>

#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "mv_deklaracje/pfron/PfronFields.h"
#include "platform/ado/Ado.h"
#include "platform/com/Bstr.h"

namespace {
constexpr std::u16string_view kExtension = u".xml";

LONG AttachmentNumber(IDeklaracja2* attachment) {
    tlx::Variant value;
    CheckHost(attachment->get_Wartosc(tlx::Bstr(u"NRKOLEJNY").Get(), value.Out()));
    return value.vt == VT_EMPTY || value.vt == VT_NULL ? 0 : VariantToLong(value);
}

// The declaration's attachments, by their number (children of one number in the children collection's
// order).
std::vector<tlx::ComPtr<IDeklaracja2>> Attachments(IDeklaracja2* declaration) {
    tlx::ComPtr<IDispatch> children;
    CheckHost(declaration->get_Deklaracje(children.Out()));
    std::vector<std::pair<LONG, tlx::ComPtr<IDeklaracja2>>> numbered;
    for (CCollectionEnumerator<IDeklaracja2> each(Require(children).Get()); auto child = each.Current(); each.MoveNext())
        numbered.emplace_back(AttachmentNumber(child.Get()), child);
    std::stable_sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<tlx::ComPtr<IDeklaracja2>> list;
    for (auto& [number, child] : numbered) list.push_back(std::move(child));
    return list;
}
}  // namespace

SodExport::SodExport(ISession* session, LONG id, const CBstr& folder, SodDocumentSet& documents) {
    if (folder.View().empty()) RaiseComError(E_INVALIDARG, u"Nie podano folderu eksportu.");
    std::vector<ExportDelivery::File> files;
    tlx::ComPtr<IDeklaracja2> declaration = OpenDeclaration(session, id);
    if (!declaration) RaiseHResult(E_POINTER);
    CBstr main = documents.BuildMain(declaration.Get());
    const CBstr period = SafeFileNamePart(documents.ReportingPeriod());
    files.emplace_back(CBstr(documents.MainFilePrefix().Str() + u"_" + period.Str() + std::u16string(kExtension)), main);
    documents.StartAttachments();
    std::set<std::u16string> used;
    for (const tlx::ComPtr<IDeklaracja2>& attachment : Attachments(declaration.Get())) {
        CBstr text = documents.BuildAttachment(attachment.Get());
        std::u16string key = SafeFileNamePart(documents.FileKey()).Str();
        if (!used.insert(key).second) {
            key += u"_" + LongToString(AttachmentNumber(attachment.Get())).Str();
            used.insert(key);
        }
        files.emplace_back(CBstr(documents.AttachmentFilePrefix().Str() + u"_" + period.Str() + u"_" + key +
                                 std::u16string(kExtension)),
                           text);
    }
    delivery_.emplace(folder, std::move(files));
}
