#include "mv_deklaracje/pfron/SodExport.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostCollection.h"
#include "mv_deklaracje/core/RecordsetValues.h"
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

constexpr std::u16string_view kIdColumn = u"Dkn_DknId";

// The identifiers of the declaration's children in the order of its children collection, read from the
// rows of that collection's query without asking it for any child.
std::vector<LONG> ChildIdentifiers(IDeklaracja2* declaration) {
    tlx::ComPtr<IDispatch> object;
    CheckHost(declaration->get_Deklaracje(object.Out()));
    tlx::ComPtr<IAdoCollection> children = Require(object).As<IAdoCollection>();
    tlx::ComPtr<ICollection> counted = object.As<ICollection>();
    LONG count = 0;
    CheckHost(Require(counted)->get_Count(&count));
    std::vector<LONG> ids;
    if (count == 0) return ids;
    tlx::ComPtr<Recordset> rows;
    CheckHost(Require(children)->get_Recordset(rows.Out()));
    tlx::ComPtr<Field> id = RecordsetField(Require(rows).Get(), kIdColumn);
    CheckHost(rows->MoveFirst());
    for (VARIANT_BOOL eof = VARIANT_FALSE; CheckHost(rows->get_EOF(&eof)), !eof; CheckHost(rows->MoveNext())) {
        tlx::Variant value;
        CheckHost(id->get_Value(value.Out()));
        ids.push_back(VariantToLong(value));
    }
    return ids;
}

// A read-only collection of the declarations whose parent is `parent`, in `session`.
tlx::ComPtr<ICollection> RowsOfChildren(ISession* session, LONG parent) {
    auto setup = CreateHostCollection<ICollectionSetup>(CLSID_CChildCollection, session);
    CheckHost(setup->put_IdColumn(tlx::Bstr(kIdColumn).Get()));
    CheckHost(setup->put_SQL(tlx::Bstr(u"select * from TLX.DeklNag where dkn_parentid=" + LongToString(parent).Str()).Get()));
    CheckHost(setup->put_ItemClass(tlx::Bstr(tlx::GuidToText(CLSID_Deklaracja)).Get()));
    CheckHost(setup->put_ReadOnly(VARIANT_TRUE));
    tlx::ComPtr<ICollection> collection = setup.As<ICollection>();
    return Require(collection);
}

// The declaration's attachments, by their number (children of one number in the children collection's
// order). They are taken from one collection over the children's rows: the children collection answers
// each child by asking a collection of every declaration for its identifier, a walk over all of them.
std::vector<tlx::ComPtr<IDeklaracja2>> Attachments(ISession* session, IDeklaracja2* declaration) {
    const std::vector<LONG> ids = ChildIdentifiers(declaration);
    if (ids.empty()) return {};
    std::unordered_map<LONG, std::size_t> place;
    for (std::size_t i = 0; i < ids.size(); ++i) place.emplace(ids[i], i);
    LONG parent = 0;
    CheckHost(declaration->get_ID(&parent));
    std::vector<tlx::ComPtr<IDeklaracja2>> inOrder(ids.size());
    tlx::ComPtr<ICollection> rows = RowsOfChildren(session, parent);
    for (CCollectionEnumerator<IDeklaracja2> each(rows.Get()); auto child = each.Current(); each.MoveNext()) {
        LONG id = 0;
        CheckHost(child->get_ID(&id));
        if (auto found = place.find(id); found != place.end()) inOrder[found->second] = child;
    }
    std::vector<std::pair<LONG, tlx::ComPtr<IDeklaracja2>>> numbered;
    for (tlx::ComPtr<IDeklaracja2>& child : inOrder) {
        if (!child) RaiseHResult(E_POINTER);  // a child the collection of rows did not answer
        numbered.emplace_back(AttachmentNumber(child.Get()), std::move(child));
    }
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
    for (const tlx::ComPtr<IDeklaracja2>& attachment : Attachments(session, declaration.Get())) {
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
