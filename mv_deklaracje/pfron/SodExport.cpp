#include "mv_deklaracje/pfron/SodExport.h"

#include <algorithm>
#include <set>

#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "mv_deklaracje/pfron/PfronFields.h"
#include "hostapi/Errors.h"
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
// The declaration to export; E_POINTER when the identifier names none (the host's "no such row"), as
// when the object found is no declaration. Any other failure of the lookup keeps its code.
tlx::ComPtr<IDeklaracja2> OpenExported(ISession* session, LONG id) {
    tlx::ComPtr<IDeklaracja2> declaration;
    try {
        declaration = OpenDeclaration(session, id);
    } catch (const ComError& e) {
        if (e.Code() != HOST_E_NOROW) throw;
    }
    if (!declaration) RaiseHResult(E_POINTER);
    return declaration;
}

// "w wersji 1", "w wersjach 1-3", "w wersjach 1, 3-6": runs of consecutive versions as ranges.
std::u16string VersionsText(std::span<const LONG> versions) {
    std::u16string runs;
    for (std::size_t first = 0; first < versions.size();) {
        std::size_t last = first;
        while (last + 1 < versions.size() && versions[last + 1] == versions[last] + 1) ++last;
        if (!runs.empty()) runs += u", ";
        runs += LongToString(versions[first]).Str();
        if (last > first) runs += u"-" + LongToString(versions[last]).Str();
        first = last + 1;
    }
    return (versions.size() == 1 ? u"w wersji " : u"w wersjach ") + runs;
}

// An export writes the form versions its format carries only: a form of another type or version is
// refused, naming it, before any document is built.
void RefuseForeignForm(IDeklaracja2* declaration, const SodDocumentSet::Forms& forms) {
    LONG type = 0;
    LONG version = 0;
    CheckHost(declaration->get_TypDeklar(&type));
    CheckHost(declaration->get_Wersja(&version));
    if (type == forms.type && std::ranges::find(forms.versions, version) != forms.versions.end()) return;
    RaiseComErrorFormat(E_INVALIDARG, u"Deklaracji typu %ld w wersji %ld nie eksportuje %s: eksportuje on deklaracje typu %ld %s.",
                        static_cast<long>(type), static_cast<long>(version), std::u16string(forms.service).c_str(),
                        static_cast<long>(forms.type), VersionsText(forms.versions).c_str());
}
}  // namespace

SodExport::SodExport(ISession* session, LONG id, const CBstr& folder, SodDocumentSet& documents) {
    if (folder.View().empty()) RaiseComError(E_INVALIDARG, u"Nie podano folderu eksportu.");
    std::vector<ExportDelivery::File> files;
    tlx::ComPtr<IDeklaracja2> declaration = OpenExported(session, id);
    RefuseForeignForm(declaration.Get(), documents.MainForms());
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
