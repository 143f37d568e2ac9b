#include "mv_deklaracje/kedu/KeduDraSet.h"

#include <string>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/kedu/KeduQuery.h"
#include "mv_deklaracje/kedu/KeduReportBlocks.h"
#include "mv_deklaracje/kedu/KeduXmlWriter.h"
#include "mv_deklaracje/kedu/KeduZusDra.h"
#include "tlb/Enumerations.h"

namespace {

struct Period {
    long year;
    long month;
};

// A report's document in the set: its form type, document name and number, the statement block of each
// generation and the writers of its persons.
struct Report {
    long type;
    std::u16string_view document;
    int documentId;
    std::u16string_view statement3;
    std::u16string_view statement43;
    CBstr (*persons3)(std::u16string_view, const Period&);
    CBstr (*persons43)(std::u16string_view, const Period&);
};

constexpr Report kReports[] = {
    {dekZUS_RCA, u"ZUSRCA", 2, u"VII", u"V", [](std::u16string_view text, const Period&) { return WriteRcaBlockKedu3(text); },
     [](std::u16string_view text, const Period&) { return WriteRcaBlockKedu43(text); }},
    {dekZUS_RSA, u"ZUSRSA", 3, u"XI", u"XI",
     [](std::u16string_view text, const Period& p) { return WriteRsaBlockKedu3(text, p.year, p.month); },
     [](std::u16string_view text, const Period& p) { return WriteRsaBlockKedu43(text, p.year, p.month); }},
    {dekZUS_RZA, u"ZUSRZA", 4, u"XIII", u"VIII", [](std::u16string_view text, const Period&) { return WriteRzaBlockKedu3(text); },
     [](std::u16string_view text, const Period&) { return WriteRzaBlockKedu43(text); }},
};

constexpr std::u16string_view kStatement = u"OSWIADCZENIE";

std::u16string Number(long value) { return LongToString(value).Str(); }

// True when the DRA names a person; a failing read counts as none.
bool HasPerson(IDeklaracja2* dra) {
    tlx::ComPtr<IDispatch> person;
    return SUCCEEDED(dra->get_Pracownik(person.Out())) && person;
}

bool HasReports(KeduQuery& query, long draId) {
    return !query
                .FirstColumn(u"select dkn_dknid from tlx.deklnag where dkn_parentid=" + Number(draId) +
                             u" and (dkn_typdeklar =" + Number(dekZUS_RCA) + u" or dkn_typdeklar = " +
                             Number(dekZUS_RSA) + u" or dkn_typdeklar =" + Number(dekZUS_RZA) + u")")
                .empty();
}

// The report of that type with the lowest identifier, or 0: the calculation makes one of each type, and
// the order makes the choice stable when there are more.
long FirstReport(KeduQuery& query, long draId, long type) {
    const std::vector<std::u16string> ids =
        query.FirstColumn(u"select dkn_dknid from tlx.deklnag where dkn_parentid=" + Number(draId) +
                          u" and dkn_typdeklar =" + Number(type) + u" order by dkn_dknid");
    if (ids.empty()) return 0;
    return ConvertVariant(tlx::Variant::FromString(ids.front()), VT_I4).lVal;
}

// "Formularz deklaracji nie ma dokumentu w schemacie KEDU XML: ..."
constexpr UINT kMsgNoKeduElement = 524;

// The symbols of the report kinds a DRA can hold that its set does not write.
struct ReportName {
    long type;
    std::u16string_view symbol;
};
constexpr ReportName kUncarriedReports[] = {{dekZUS_RNA, u"ZUSRNA"}, {dekZUS_RGA, u"ZUSRGA"}};

// The report of the DRA with the lowest identifier among those of a kind the set does not write, or 0.
long FirstReportWithoutKeduXml(KeduQuery& query, long draId) {
    const std::vector<std::u16string> ids = query.FirstColumn(
        u"select dkn_dknid from tlx.deklnag where dkn_parentid=" + Number(draId) + u" and dkn_typdeklar not in (" +
        Number(dekZUS_RCA) + u", " + Number(dekZUS_RSA) + u", " + Number(dekZUS_RZA) + u") order by dkn_dknid");
    if (ids.empty()) return 0;
    return ConvertVariant(tlx::Variant::FromString(ids.front()), VT_I4).lVal;
}

[[noreturn]] void RefuseReportWithoutKeduXml(KeduQuery& query, long reportId) {
    const std::vector<std::u16string> types =
        query.FirstColumn(u"select dkn_typdeklar from tlx.deklnag where dkn_dknid=" + Number(reportId));
    const long type = types.empty() ? 0 : ConvertVariant(tlx::Variant::FromString(types.front()), VT_I4).lVal;
    std::u16string name = u"typu " + Number(type);
    for (const ReportName& known : kUncarriedReports)
        if (known.type == type) name = known.symbol;
    const std::u16string text = LoadStringResource(ModuleResources(), kMsgNoKeduElement);
    RaiseComError(static_cast<HRESULT>(0x80040000u | kMsgNoKeduElement),
                  text + u" Raport " + name + u" (identyfikator " + Number(reportId) +
                      u") deklaracji DRA nie ma dokumentu w schemacie KEDU XML.");
}

}  // namespace

bool HasReportWithoutKeduXml(long draId) {
    KeduQuery query;
    return FirstReportWithoutKeduXml(query, draId) != 0;
}

CBstr WriteDraSet(KeduGeneration generation, const KeduDeclaration& dra) {
    const bool kedu43 = generation == KeduGeneration::Kedu43;
    bool withoutReports = HasPerson(dra.Declaration());
    const Period period{dra.Rok(), dra.Miesiac()};
    KeduQuery query;
    if (const long report = FirstReportWithoutKeduXml(query, dra.Id())) RefuseReportWithoutKeduXml(query, report);
    const KeduFieldReader fields = DeclarationFields(dra.Declaration());
    KeduDraValues values(fields);
    ReadDraPayer(values);
    values.ReadDate(kStatement);
    if (withoutReports && HasReports(query, dra.Id())) withoutReports = false;

    KeduXmlWriter xml;
    const CBstr zusDra = WriteZusDra(generation, fields, withoutReports);
    for (const Report& report : kReports) {
        const long id = FirstReport(query, dra.Id(), report.type);
        if (id == 0) continue;
        if (kedu43) xml.Numbered(report.document, u"id_dokumentu", report.documentId);
        else xml.Open(report.document);
        xml.Open(u"I");
        WriteDraIdentifier(xml, u"p1", values);
        xml.Close(u"I");
        WriteDraPayer(xml, values);
        const std::u16string pages = query.PageText(id);
        xml.Append((kedu43 ? report.persons43 : report.persons3)(pages, period));
        const std::u16string_view statement = kedu43 ? report.statement43 : report.statement3;
        xml.Open(statement);
        xml.Always(u"p1", values[kStatement]);
        xml.Close(statement);
        xml.Close(report.document);
    }
    return CBstr(zusDra.Str() + xml.Text().Str());
}

CBstr WriteDraSetKedu3(const KeduDeclaration& dra) { return WriteDraSet(KeduGeneration::Kedu3, dra); }

CBstr WriteDraSetKedu43(const KeduDeclaration& dra) { return WriteDraSet(KeduGeneration::Kedu43, dra); }
