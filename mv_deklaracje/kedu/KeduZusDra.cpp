// The ZUSDRA document, written from tables of its blocks: one row per element, with the field each
// generation writes there (or none, when the generation has no such element) and its form.
#include "mv_deklaracje/kedu/KeduZusDra.h"

#include <initializer_list>
#include <span>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/kedu/KeduPageText.h"

namespace {

enum class Form {
    None,    // the generation has no such element
    Text,    // the field's text, escaped; written only when not empty
    Amount,  // the field's amount, always written
    Zero,    // the amount "0.00", always written
    Sum,     // the pay and contributions sum (block VII), always written
};

struct Source {
    std::u16string_view field;
    Form form = Form::None;
};
constexpr Source Text(std::u16string_view field) { return {field, Form::Text}; }
constexpr Source Amount(std::u16string_view field) { return {field, Form::Amount}; }
constexpr Source kNone{};
constexpr Source kZero{u"", Form::Zero};

// The pay and the contributions of block VII added up, kept under this name.
constexpr std::u16string_view kPayAndContributions = u"ZSDRAPWYNAGR+ZSDRAKKWOTA";
constexpr Source kSum{kPayAndContributions, Form::Sum};

struct Item {
    std::u16string_view element;
    Source kedu3;
    Source kedu43;
};
constexpr Item Both(std::u16string_view element, Source source) { return {element, source, source}; }

struct Block {
    std::u16string_view name;
    std::span<const Item> items;
};

constexpr Item kInsured[] = {
    Both(u"p1", Text(u"INN7UBEZP")),
    {u"p2", Text(u"INN7ZPCHR"), kNone},
    Both(u"p3", Amount(u"INN7PROCWYPAD")),
};
constexpr Item kContributions[] = {
    Both(u"p1", Amount(u"ZSDRAISE")),   Both(u"p2", Amount(u"ZSDRAISR")),   Both(u"p3", Amount(u"ZSDRAISER")),
    Both(u"p4", Amount(u"ZSDRAIUE")),   Both(u"p5", Amount(u"ZSDRAIUR")),   Both(u"p6", Amount(u"ZSDRAIUER")),
    Both(u"p7", Amount(u"ZSDRAIPE")),   Both(u"p8", Amount(u"ZSDRAIPR")),   Both(u"p9", Amount(u"ZSDRAIPER")),
    Both(u"p10", Amount(u"ZSDRAIBE")),  Both(u"p11", Amount(u"ZSDRAIBR")),  Both(u"p12", Amount(u"ZSDRAIBER")),
    {u"p13", Amount(u"ZSDRAIFE"), kNone}, {u"p14", Amount(u"ZSDRAIFR"), kNone}, {u"p15", Amount(u"ZSDRAIFER"), kNone},
    Both(u"p16", Amount(u"ZSDRAIKE")),  Both(u"p17", Amount(u"ZSDRAIKR")),  Both(u"p18", Amount(u"ZSDRAIKER")),
    Both(u"p19", Amount(u"ZSDRAISC")),  Both(u"p20", Amount(u"ZSDRAISW")),  Both(u"p21", Amount(u"ZSDRAISCW")),
    Both(u"p22", Amount(u"ZSDRAIUC")),  Both(u"p23", Amount(u"ZSDRAIUW")),  Both(u"p24", Amount(u"ZSDRAIUCW")),
    Both(u"p25", Amount(u"ZSDRAIPW")),  Both(u"p26", Amount(u"ZSDRAIPCW")), Both(u"p27", Amount(u"ZSDRAIFC")),
    Both(u"p28", Amount(u"ZSDRAIFW")),  Both(u"p29", Amount(u"ZSDRAIFCW")), Both(u"p30", Amount(u"ZSDRAIKW")),
    {u"p31", Amount(u"ZSDRAIKCW"), kNone}, {u"p32", Amount(u"ZSDRAIKWOTA"), kNone},
    {u"p34", kNone, kZero}, {u"p35", kNone, kZero}, {u"p36", kNone, kZero},
    {u"p37", kNone, Amount(u"ZSDRAIKWOTA")},
};
constexpr Item kDeductedBenefits[] = {
    Both(u"p1", Amount(u"ZWDRAKWCH")),
    Both(u"p2", Amount(u"ZWDRAWYNCH")),
    Both(u"p3", Amount(u"ZWDRAKWWYP")),
    {u"p4", kNone, Amount(u"ZWDRAKWBUD")},
    Both(u"p5", Amount(u"ZWDRARAZEM")),
};
constexpr Item kSettlement[] = {
    Both(u"p1", Amount(u"RIVDRAZWROT")),
    Both(u"p2", Amount(u"RIVDRAZAPLATA")),
};
constexpr Item kHealth[] = {
    {u"p1", Amount(u"ZSDRAPKWOTA"), Amount(u"ZSDRAPWYNAGR")},
    Both(u"p2", Amount(u"ZSDRAKKWOTA")),
    {u"p3", Amount(u"SKLADKAZDROWOTNAFIRMA"), kZero},
    {u"p4", Amount(u"ZSDRAPWYNAGR"), Amount(u"ZSDRAKWOTA")},
    {u"p5", Amount(u"ZSDRAKWOTA"), kSum},
    {u"p7", kNone, kSum},
};
constexpr Item kFunds[] = {
    Both(u"p1", Amount(u"ZDRAVFP")),
    Both(u"p2", Amount(u"ZDRAVFGSP")),
    Both(u"p3", Amount(u"ZDRAVKWOTA")),
};
constexpr Block kAlwaysWritten[] = {
    {u"III", kInsured}, {u"IV", kContributions}, {u"V", kDeductedBenefits},
    {u"VI", kSettlement}, {u"VII", kHealth}, {u"VIII", kFunds},
};

// Block IX, the bridging pension fund and special work: written whole when one of its values is not zero.
constexpr std::u16string_view kBridgingPersons = u"LICZBAPRACFEP";
constexpr std::u16string_view kSpecialPersons = u"LICZBAPRACSZCZEG";
constexpr std::u16string_view kBridgingAmount = u"KWOTAFEP";

// Block X, the one person of a DRA without reports.
constexpr std::u16string_view kTitleCode = u"DDDUTYUB";
constexpr std::u16string_view kTitlePart[] = {u"DDDUTYUB.1", u"DDDUTYUB.2", u"DDDUTYUB.3"};
constexpr Item kPersonBases[] = {
    Both(u"p2", Amount(u"DDDUPODSTAWAER")),
    Both(u"p3", Amount(u"DDDUPODSTAWACW")),
    {u"p4", Amount(u"DDDUPODSTAWAZ"), Amount(u"DDDUPODSTAWACW2")},
};
// The health insurance base of KEDU_4_3's p5: when it cannot be read, the second pension base stands in.
constexpr std::u16string_view kHealthBase = u"DDDUPODSTAWAZ";
constexpr std::u16string_view kHealthBaseStandIn = u"DDDUPODSTAWACW2";
// The over-the-limit mark, p5 (KEDU_3) or p6 (KEDU_4_3), written when set as the RCA's person block does.
constexpr std::u16string_view kOverLimit = u"DDDUPRZEKROCZ";

constexpr std::u16string_view kStatement = u"OSWIADCZENIE";

const Source& SourceOf(const Item& item, KeduGeneration generation) {
    return generation == KeduGeneration::Kedu3 ? item.kedu3 : item.kedu43;
}

void Read(KeduDraValues& values, const Source& source) {
    switch (source.form) {
        case Form::Text: return values.ReadText(source.field);
        case Form::Amount: return values.ReadAmount(source.field);
        case Form::None:
        case Form::Zero:
        case Form::Sum: return;
    }
}

void ReadAll(KeduDraValues& values, KeduGeneration generation) {
    values.ReadText(u"DADRATERMIN");
    values.ReadText(u"DADRADECYZJA");
    ReadDraPayer(values);
    for (const Block& block : kAlwaysWritten)
        for (const Item& item : block.items) Read(values, SourceOf(item, generation));
    if (generation == KeduGeneration::Kedu43) {
        // Each part rounded to grosze, then the total again.
        const double sum = values.Money(u"ZSDRAPWYNAGR").AsDouble() + values.Money(u"ZSDRAKKWOTA").AsDouble();
        values.Put(kPayAndContributions, CurrencyText(CMoney(sum).AsCurrency()));
    }
    values.ReadText(kBridgingPersons);
    values.ReadText(kSpecialPersons);
    values.ReadAmount(kBridgingAmount);

    values.ReadText(kTitleCode);
    CBstr title, right, degree;
    SplitTitleCode(values[kTitleCode], title, right, degree);
    values.Put(kTitlePart[0], title);
    values.Put(kTitlePart[1], right);
    values.Put(kTitlePart[2], degree);
    for (const Item& item : kPersonBases) Read(values, SourceOf(item, generation));
    if (generation == KeduGeneration::Kedu43) {
        // Any failure of the read or of its conversion, not only a host error, lets the stand-in in.
        try {
            values.ReadAmount(kHealthBase);
        } catch (...) {
            values.Put(kHealthBase, values[kHealthBaseStandIn]);
        }
    }
    values.ReadText(kOverLimit);
    values.ReadDate(kStatement);
}

void WriteItems(KeduXmlWriter& xml, std::span<const Item> items, KeduGeneration generation,
                const KeduDraValues& values) {
    for (const Item& item : items) {
        const Source& source = SourceOf(item, generation);
        switch (source.form) {
            case Form::None: break;
            case Form::Text: xml.IfSet(item.element, values[source.field]); break;
            case Form::Amount:
            case Form::Sum: xml.Always(item.element, values[source.field]); break;
            case Form::Zero: xml.Always(item.element, CBstr(u"0.00")); break;
        }
    }
}

void WriteBlock(KeduXmlWriter& xml, const Block& block, KeduGeneration generation, const KeduDraValues& values) {
    xml.Open(block.name);
    WriteItems(xml, block.items, generation, values);
    xml.Close(block.name);
}

void WriteBridgingFund(KeduXmlWriter& xml, const KeduDraValues& values) {
    const bool any = !(values[kBridgingPersons] == u"0") || !(values[kSpecialPersons] == u"0") ||
                     !(values[kBridgingAmount] == u"0.00");
    if (!any) return;
    xml.Open(u"IX");
    xml.Always(u"p1", values[kBridgingPersons]);
    xml.Always(u"p2", values[kSpecialPersons]);
    xml.Always(u"p3", values[kBridgingAmount]);
    xml.Close(u"IX");
}

void WriteOnePerson(KeduXmlWriter& xml, KeduGeneration generation, const KeduDraValues& values) {
    xml.Open(u"X");
    xml.Open(u"p1");
    xml.Always(u"p1", values[kTitlePart[0]]);
    xml.Always(u"p2", values[kTitlePart[1]]);
    xml.Always(u"p3", values[kTitlePart[2]]);
    xml.Close(u"p1");
    WriteItems(xml, kPersonBases, generation, values);
    if (generation == KeduGeneration::Kedu3) {
        xml.IfSet(u"p5", values[kOverLimit]);
    } else {
        xml.Always(u"p5", values[kHealthBase]);
        xml.IfSet(u"p6", values[kOverLimit]);
    }
    xml.Close(u"X");
}

}  // namespace

void ReadDraPayer(KeduDraValues& values) {
    for (std::u16string_view field : {u"IDENTN", u"IDENTR", u"IDENTM", u"NIP", u"DIPLREGON", u"DIPLPESEL",
                                      u"DIPLRODZAJDOK", u"DIPLDOKUMENT", u"NAZWASKROCONAFIRMYPLATNIKA",
                                      u"DIPLNAZWISKO", u"DIPLIMIE"})
        values.ReadText(field);
    values.ReadDateIfSet(u"DIPLDATAUR");
}

void WriteDraIdentifier(KeduXmlWriter& xml, std::u16string_view element, const KeduDraValues& values) {
    xml.Open(element);
    xml.Always(u"p1", values[u"IDENTN"]);
    xml.Always(u"p2", CBstr(values[u"IDENTR"].Str() + u"-" + values[u"IDENTM"].Str()));
    xml.Close(element);
}

void WriteDraPayer(KeduXmlWriter& xml, const KeduDraValues& values) {
    const CBstr& kind = values[u"DIPLRODZAJDOK"];
    const CBstr& document = values[u"DIPLDOKUMENT"];
    xml.Open(u"II");
    xml.IfSet(u"p1", values[u"NIP"]);
    xml.IfSet(u"p2", values[u"DIPLREGON"]);
    xml.IfSet(u"p3", values[u"DIPLPESEL"]);
    xml.If(!kind.IsEmpty() && !document.IsEmpty(), u"p4", kind);
    xml.IfSet(u"p5", document);
    xml.IfSet(u"p6", values[u"NAZWASKROCONAFIRMYPLATNIKA"]);
    xml.IfSet(u"p7", values[u"DIPLNAZWISKO"]);
    xml.IfSet(u"p8", values[u"DIPLIMIE"]);
    xml.IfDate(u"p9", values[u"DIPLDATAUR"]);
    xml.Close(u"II");
}

CBstr WriteZusDra(KeduGeneration generation, const KeduFieldReader& fields, bool withoutReports) {
    KeduDraValues values(fields);
    ReadAll(values, generation);

    KeduXmlWriter xml;
    if (generation == KeduGeneration::Kedu43) xml.Numbered(u"ZUSDRA", u"id_dokumentu", 1);
    else xml.Open(u"ZUSDRA");
    xml.Open(u"I");
    xml.Always(u"p1", values[u"DADRATERMIN"]);
    WriteDraIdentifier(xml, u"p2", values);
    xml.IfSet(u"p5", values[u"DADRADECYZJA"]);
    xml.Close(u"I");
    WriteDraPayer(xml, values);
    for (const Block& block : kAlwaysWritten) WriteBlock(xml, block, generation, values);
    WriteBridgingFund(xml, values);
    if (withoutReports) WriteOnePerson(xml, generation, values);
    xml.Open(u"XI");
    xml.IfDate(u"p1", values[kStatement]);
    xml.Close(u"XI");
    xml.Close(u"ZUSDRA");
    return xml.Text();
}

CBstr WriteZusDraKedu3(const KeduFieldReader& fields, bool withoutReports) {
    return WriteZusDra(KeduGeneration::Kedu3, fields, withoutReports);
}

CBstr WriteZusDraKedu43(const KeduFieldReader& fields, bool withoutReports) {
    return WriteZusDra(KeduGeneration::Kedu43, fields, withoutReports);
}
