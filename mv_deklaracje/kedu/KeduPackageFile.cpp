#include "mv_deklaracje/kedu/KeduPackageFile.h"

#include <algorithm>
#include <string>

#include "hostapi/Collections.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/kedu/KeduBody.h"
#include "mv_deklaracje/kedu/KeduDeclaration.h"
#include "mv_deklaracje_tlb.h"
#include "platform/ado/Ado.h"
#include "platform/com/ClassRegistry.h"

namespace {

constexpr UINT kMsgMixedPackage = 520;
constexpr UINT kMsgEmptyPackage = 521;
constexpr UINT kMsgTwoGenerations = 522;
constexpr UINT kMsgParentCycle = 523;

constexpr std::u16string_view kPackageSql =
    u"select dkn_dknid, dkn_parentid, dkn_typdeklar, dkn_wersja from tlx.deklnag where dkn_dkkid=";
constexpr std::u16string_view kChildrenSql = u"select dkn_dknid from tlx.deklnag where dkn_parentid=";
constexpr std::u16string_view kByIdentifier = u" order by dkn_dknid";
constexpr std::u16string_view kRootEnd = u"</KEDU>";
constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr long kKeduFileVersion = 2;

[[noreturn]] void Refuse(UINT message) { RaiseResourceError(message, CLSID_Kedu, ModuleResources()); }

tlx::ComPtr<Connection> ConnectionOf(ISession* session) {
    tlx::ComPtr<ISession2> access = tlx::ComPtr<ISession>(session).As<ISession2>();
    if (!access) RaiseHResult(E_POINTER);
    tlx::ComPtr<Connection> connection;
    CheckHost(access->get_Connection(connection.Out()));
    if (!connection) RaiseHResult(E_POINTER);
    return connection;
}

// The rows of a read-only, forward-only query; each row's columns read as longs (NULL as 0).
std::vector<std::vector<long>> QueryLongs(Connection* connection, const std::u16string& sql, std::size_t columns) {
    const tlx::ComPtr<Recordset> rows = OpenRows(connection, sql);
    tlx::ComPtr<Fields> fields;
    CheckHost(rows->get_Fields(fields.Out()));
    std::vector<std::vector<long>> result;
    for (;;) {
        VARIANT_BOOL eof = VARIANT_TRUE;
        CheckHost(rows->get_EOF(&eof));
        if (eof) break;
        std::vector<long>& row = result.emplace_back();
        for (std::size_t i = 0; i < columns; ++i) {
            tlx::ComPtr<Field> field;
            CheckHost(fields->get_Item(tlx::Variant::FromLong(static_cast<LONG>(i)), field.Out()));
            tlx::Variant value;
            CheckHost(field->get_Value(value.Out()));
            row.push_back(VariantToLong(value));
        }
        CheckHost(rows->MoveNext());
    }
    CheckHost(rows->Close());
    return result;
}

std::u16string Decimal(long value) { return LongToString(value).Str(); }

// The declaration's own KEDU document, as its form keeps it.
CBstr DocumentTextOf(ICollection* declarations, long id) {
    tlx::ComPtr<IDispatch> item;
    CheckHost(declarations->Item(tlx::Variant::FromString(Decimal(id)), item.Out()));
    tlx::ComPtr<IDeklaracja2> declaration = item.As<IDeklaracja2>();
    if (!declaration) RaiseHResult(E_POINTER);
    tlx::Variant document;
    CheckHost(declaration->get_Wartosc(tlx::Bstr(u"Dokument").Get(), document.Out()));
    const tlx::Variant object = ConvertVariant(document, VT_DISPATCH);
    tlx::ComPtr<IKeduDokument> kedu = tlx::ComPtr<IDispatch>(object.pdispVal).As<IKeduDokument>();
    if (!kedu) RaiseHResult(E_POINTER);
    tlx::Bstr text;
    CheckHost(kedu->ToString(text.Out()));
    return CBstr(text.View());
}

}  // namespace

KeduPackageFile::KeduPackageFile(long packageId) { ReadPackage(packageId); }

void KeduPackageFile::ReadPackage(long packageId) {
    const tlx::ComPtr<ISession> session = CreateNewHostSession();
    const tlx::ComPtr<Connection> connection = ConnectionOf(session.Get());
    const auto rows = QueryLongs(connection.Get(), std::u16string(kPackageSql) + Decimal(packageId) +
                                                       std::u16string(kByIdentifier), 4);
    std::vector<long> members;
    for (const auto& row : rows) members.push_back(row[0]);
    auto inPackage = [&](long id) { return std::find(members.begin(), members.end(), id) != members.end(); };

    for (const auto& row : rows) {
        Declaration declaration{row[0], row[1], row[2], row[3]};
        // A declaration under a parent of the package is written with that parent; one reached already
        // as the child of an earlier declaration is not written again.
        if (inPackage(declaration.parent)) continue;
        if (std::find(fileOrder_.begin(), fileOrder_.end(), declaration.id) != fileOrder_.end()) continue;
        declaration.route = ExportRouteOfStored(declaration.id, declaration.type, declaration.version);
        tops_.push_back(declaration);
        std::vector<long> path;
        WalkChildren(connection.Get(), declaration.id, path);
    }
    // A declaration never reached sits on a ring of parent links inside the package.
    for (long id : members) {
        if (std::find(fileOrder_.begin(), fileOrder_.end(), id) == fileOrder_.end()) Refuse(kMsgParentCycle);
    }
}

void KeduPackageFile::WalkChildren(Connection* connection, long id, std::vector<long>& path) {
    if (std::find(path.begin(), path.end(), id) != path.end()) Refuse(kMsgParentCycle);
    if (std::find(fileOrder_.begin(), fileOrder_.end(), id) != fileOrder_.end()) return;
    fileOrder_.push_back(id);
    path.push_back(id);
    const auto children =
        QueryLongs(connection, std::u16string(kChildrenSql) + Decimal(id) + std::u16string(kByIdentifier), 1);
    for (const auto& child : children) WalkChildren(connection, child[0], path);
    path.pop_back();
}

FormatEksportuZUSEnum KeduPackageFile::Route() const {
    bool kedu = false, xml = false;
    for (const Declaration& top : tops_) {
        if (top.route == expXML) xml = true;
        else kedu = true;
    }
    if (kedu && xml) return expMieszany;
    return xml ? expXML : expKEDU;
}

KeduGeneration KeduPackageFile::Generation() const {
    bool kedu3 = false, kedu43 = false;
    for (const Declaration& top : tops_) {
        // Only the XML documents have a generation; the host component's file carries either.
        if (top.type != dekZUS_DRA || top.route != expXML) continue;
        if (KeduGenerationOf(top.version) == KeduGeneration::Kedu3) kedu3 = true;
        else kedu43 = true;
    }
    if (kedu3 && kedu43) Refuse(kMsgTwoGenerations);
    return kedu3 ? KeduGeneration::Kedu3 : KeduGeneration::Kedu43;
}

void KeduPackageFile::CheckWritable() const {
    if (tops_.empty()) Refuse(kMsgEmptyPackage);
    if (Route() == expMieszany) Refuse(kMsgMixedPackage);
    Generation();
    // A DRA goes into no file, by either route, under an identifier its form refuses.
    const tlx::ComPtr<ISession> session = CreateNewHostSession();
    for (const Declaration& top : tops_)
        if (top.type == dekZUS_DRA) CheckHost(SprawdzIdentyfikatorDRA(KeduDeclaration(session.Get(), top.id).Declaration()));
}

CBstr KeduPackageFile::PackageXml() const {
    const KeduGeneration generation = Generation();
    const tlx::ComPtr<ISession> session = CreateNewHostSession();
    std::u16string text = KeduHeaderText(generation, GetHostProductName(), HostLibraryVersion(), GetHostToday()).Str();
    for (const Declaration& top : tops_) text += WriteRequiredKeduBody(session.Get(), top.id).View();
    text += kRootEnd;
    return CBstr(text);
}

CBstr KeduPackageFile::DocumentsText() const {
    std::u16string text;
    for (std::size_t first = 0; first < fileOrder_.size(); first += kBatchSize) {
        // Each batch loads its declarations into a session of its own and lets them go with it.
        const tlx::ComPtr<ISession> session = CreateNewHostSession();
        tlx::ComPtr<IDispatch> collection;
        CheckHost(session->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Deklaracje)).Get(), tlx::Variant::Missing(),
                                        collection.Out()));
        tlx::ComPtr<ICollection> declarations = collection.As<ICollection>();
        if (!declarations) RaiseHResult(E_POINTER);
        const std::size_t last = std::min(fileOrder_.size(), first + kBatchSize);
        for (std::size_t i = first; i < last; ++i) text += DocumentTextOf(declarations.Get(), fileOrder_[i]).View();
    }
    return CBstr(text);
}

CBstr KeduPackageFile::KeduFileText(IKeduPlik* component) const {
    if (!component) RaiseHResult(E_POINTER);
    tlx::Bstr begin, end;
    CheckHost(component->BeginText(kKeduFileVersion, begin.Out()));
    CheckHost(component->EndText(end.Out()));
    std::u16string text = std::u16string(begin.View()) + DocumentsText().Str() + std::u16string(end.View());
    if (text.ends_with(kLineEnd)) text.resize(text.size() - kLineEnd.size());
    return CBstr(text);
}
