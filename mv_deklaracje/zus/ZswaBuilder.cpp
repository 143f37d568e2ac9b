#include "mv_deklaracje/zus/ZswaBuilder.h"

#include <optional>

#include "hostapi/Collections.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/zus/HostReads.h"
#include "mv_deklaracje/zus/ZusText.h"
#include "platform/com/ClassRegistry.h"

namespace {

// A dated record left out, and a dated record's type that is no break in special work.
constexpr LONG kEntryLeftOut = 1;
constexpr LONG kTypeNotSpecialWork = 999;
// A person block carries at most four periods from position 9, five positions each.
constexpr LONG kPeriodsPerBlock = 4;
constexpr LONG kFirstPeriodPosition = 9;
constexpr LONG kPositionsPerPeriod = 5;

constexpr const char16_t* kStagingTexts[] = {u"Pesel", u"NipE", u"DowOsobisty", u"Paszport", u"DokumentTyp",
                                             u"Nazwisko", u"Imie"};
constexpr const char16_t* kStagingTail[] = {u"Tyub"};
constexpr const char16_t* kStagingDates[] = {u"DataOd", u"DataDo"};
constexpr const char16_t* kStagingCodes[] = {u"KodFep", u"EtatL", u"EtatM", u"PracownikID"};

tlx::ComPtr<Recordset> OpenQuery(Connection* connection, const CBstr& sql) {
    tlx::ComPtr<Recordset> rows;
    CheckHost(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IidOf<Recordset>(), rows.OutVoid()));
    if (!rows) RaiseHResult(E_POINTER);
    CheckHost(rows->put_CursorLocation(adUseClient));
    CheckHost(rows->Open(tlx::Variant::FromString(sql.View()), tlx::Variant::FromDispatch(connection), adOpenStatic,
                         adLockReadOnly, adCmdText));
    return rows;
}

bool AtEnd(Recordset* rows) {
    VARIANT_BOOL eof = VARIANT_TRUE;
    CheckHost(rows->get_EOF(&eof));
    return eof != VARIANT_FALSE;
}

LONG RecordCount(Recordset* rows) {
    LONG count = 0;
    CheckHost(rows->get_RecordCount(&count));
    return count;
}

tlx::ComPtr<Connection> ConnectionOf(ISession* session) {
    tlx::ComPtr<ISession2> session2 = tlx::ComPtr<ISession>(session).As<ISession2>();
    if (!session2) RaiseHResult(E_POINTER);
    tlx::ComPtr<Connection> connection;
    CheckHost(session2->get_Connection(connection.Out()));
    if (!connection) RaiseHResult(E_POINTER);
    return connection;
}

tlx::Variant DeclarationField(IDeklaracja2* declaration, const char16_t* name) {
    tlx::Variant value;
    CheckHost(declaration->get_Wartosc(tlx::Bstr(name).Get(), value.Out()));
    return value;
}

CBstr Text(IPracEtat* record, HRESULT (IPracEtat::*get)(BSTR*)) {
    tlx::Bstr value;
    CheckHost((record->*get)(value.Out()));
    return value.IsNull() ? CBstr() : CBstr(value.View());
}

// The four characters of an insurance title as both the key query and the rows use them.
CBstr TitleText(LONG code) {
    if (code >= 100 && code <= 999) return CBstr(u"0") + LongToString(code);
    if (code >= 1000 && code <= 9000) return LongToString(code);
    return CBstr(u"0000");
}

// A special-work date as a day; NULL, a text that is no date, the empty date and 1900-01-01 are none.
CDate SpecialWorkDate(const VARIANT& value) {
    try {
        CDate day(value);
        return day == CDate(1, 1, 1900) ? CDate() : day;
    } catch (const ComError&) {
        return CDate();
    }
}

tlx::ComPtr<IPracEtat> RecordAt(IPracownik* employee, const CDate& day) {
    tlx::ComPtr<IPracEtat> record;
    CheckHost(employee->GetEtat(day.Value(), tlx::Variant::Missing(), record.Out()));
    if (!record) RaiseHResult(E_POINTER);
    return record;
}

tlx::ComPtr<ICalendarRange> RangeOf(const CDate& from, const CDate& to) {
    tlx::ComPtr<ICalendarRange> range = CreateDateRangeObject(from, to);
    if (!range) RaiseHResult(E_POINTER);
    return range;
}

}  // namespace

CBstr UsunMyslniki(const CBstr& text) { return DeformatNIP(text); }

CZswaBuilder::CZswaBuilder(IDeklaracja2* declaration, ISession* session, IKeduDokument* document)
    : declaration_(declaration), session_(session), document_(document) {
    if (!declaration_ || !session_ || !document_) RaiseHResult(E_POINTER);
}

void CZswaBuilder::Build() {
    LONG year = 0;
    CheckHost(declaration_->get_Rok(&year));
    year_ = year;
    firstYear_ = year_ == 2010 ? 2009 : year_;
    endCovered_ = false;
    CreateStaging();

    tlx::ComPtr<Recordset> employees =
        OpenQuery(ConnectionOf(session_.Get()).Get(), CBstr(u"SELECT DISTINCT(PRE_PraId) FROM TLX.PracEtaty WHERE ") +
                                                          EmployeeFilter() +
                                                          std::u16string_view(u" PRE_KodFEP != 0 ORDER BY PRE_PraId ASC;"));
    for (; !AtEnd(employees.Get()); CheckHost(employees->MoveNext())) {
        tlx::ComPtr<Fields> fields;
        CheckHost(employees->get_Fields(fields.Out()));
        tlx::ComPtr<Field> first;
        CheckHost(fields->get_Item(tlx::Variant::FromLong(0), first.Out()));
        tlx::Variant id;
        CheckHost(first->get_Value(id.Out()));
        BuildEmployee(VariantToLongOr(id.Detach(), 0));
    }
    CheckHost(employees->Close());
    WritePersonBlocks();
    CheckHost(zestawienie_->Close());
}

void CZswaBuilder::CreateStaging() {
    CheckHost(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IidOf<Recordset>(), zestawienie_.OutVoid()));
    if (!zestawienie_) RaiseHResult(E_POINTER);
    CheckHost(zestawienie_->put_CursorLocation(adUseClient));
    tlx::ComPtr<Fields> fields;
    CheckHost(zestawienie_->get_Fields(fields.Out()));
    const tlx::Variant missing = tlx::Variant::Missing();
    auto append = [&](const char16_t* name, DataTypeEnum type) {
        CheckHost(fields->Append(tlx::Bstr(name).Get(), type, 0, adFldUnspecified, missing));
    };
    for (auto name : kStagingTexts) append(name, adVarWChar);
    append(u"DataUr", adDate);
    for (auto name : kStagingTail) append(name, adVarWChar);
    for (auto name : kStagingDates) append(name, adDate);
    for (auto name : kStagingCodes) append(name, adVarWChar);
    CheckHost(zestawienie_->Open(missing, missing, adOpenUnspecified, adLockUnspecified, -1));
}

// "PRE_PraId = <id> AND " for a declaration made for one employee; empty otherwise, also when the
// employee cannot be read.
CBstr CZswaBuilder::EmployeeFilter() const {
    try {
        tlx::ComPtr<IDispatch> employee;
        if (FAILED(declaration_->get_Pracownik(employee.Out())) || !employee) return CBstr(u"");
        tlx::ComPtr<IPracownikDane> data = employee.As<IPracownikDane>();
        LONG id = data ? ReadHost(data.Get(), &IPracownikDane::get_ID) : 0;
        return id != 0 ? CBstr(u"PRE_PraId = ") + LongToString(id) + std::u16string_view(u" AND ") : CBstr(u"");
    } catch (const ComError&) {
        return CBstr(u"");
    }
}

void CZswaBuilder::BuildEmployee(LONG id) {
    tlx::ComPtr<IPracownik> employee = OpenEmployeeInNewSession(id);
    const LONG employeeId = ReadHost<IPracownikDane>(employee.Get(), &IPracownikDane::get_ID);
    RefuseOverlappingRecords(employee.Get());
    // The identity of the person from the record valid today, or from his last one after he left.
    tlx::ComPtr<IPracEtat> current = RecordAt(employee.Get(), GetHostToday());

    CheckHost(declaration_->put_Wartosc(tlx::Bstr(u"PRACID").Get(),
                                        tlx::Variant::FromString(LongToString(employeeId).View())));
    tlx::ComPtr<Connection> connection = ConnectionOf(session_.Get());
    tlx::ComPtr<Recordset> periods = OpenQuery(connection.Get(), CBstr(DeclarationField(declaration_.Get(), u"SQLQUERY")));
    if (RecordCount(periods.Get()) == 0) return;
    tlx::ComPtr<Recordset> groups = OpenQuery(connection.Get(), CBstr(DeclarationField(declaration_.Get(), u"SQLTYUBQUERY")));
    for (; !AtEnd(groups.Get()); CheckHost(groups->MoveNext()))
        BuildGroup(employee.Get(), current.Get(), employeeId, CBstr(ReadRecordsetValue(groups.Get(), u"TYUB")),
                   periods.Get());
    CheckHost(groups->Close());
    CheckHost(periods->Close());
}

// Two records valid on the same days would report those days twice, under each record's key. In
// start order, a record overlaps an earlier one when it starts before the latest end so far; only an
// overlap within the declaration's years is refused.
void CZswaBuilder::RefuseOverlappingRecords(IPracownik* employee) const {
    struct Validity {
        LONG id;
        CDate from, to;  // an empty end: open
        bool EndsBefore(const CDate& day) const { return !to.IsEmpty() && to < day; }
        std::u16string Describe() const {
            return FormatString(u"zapis %ld (%s..%s)", static_cast<long>(id), from.FormatSql().Str().c_str(),
                                to.IsEmpty() ? u"" : to.FormatSql().Str().c_str());
        }
    };
    const CDate yearStart(1, 1, firstYear_), yearEnd(12, 31, year_);
    std::optional<Validity> latest;  // the record that ends last so far
    tlx::ComPtr<ICollection> records = RequireHostLink<IPracownikDane>(employee, &IPracownikDane::get_historia);
    for (CCollectionEnumerator<IPracEtat> each(records.Get()); !each.AtEnd(); each.MoveNext()) {
        tlx::ComPtr<IOkres> validity = RequireHostLink(each.Current().Get(), &IPracEtat::get_OkresWaznosci);
        const Validity record{ReadHost(each.Current().Get(), &IPracEtat::get_ID),
                              CDate(ReadHost(validity.Get(), &IOkres::get_DataOd)),
                              CDate(ReadHost(validity.Get(), &IOkres::get_DataDo))};
        if (latest && !latest->EndsBefore(record.from)) {
            // Both hold the days from this record's start to the earlier of the two ends.
            const bool latestEndsFirst = !latest->to.IsEmpty() && (record.to.IsEmpty() || latest->to < record.to);
            const Validity& endingFirst = latestEndsFirst ? *latest : record;
            if (record.from <= yearEnd && !endingFirst.EndsBefore(yearStart))
                RaiseComError(E_FAIL, u"Zapisy pracownika " + DescribeEmployee(employee) + u" nakładają się: " +
                                          latest->Describe() + u" i " + record.Describe() +
                                          u" obejmują te same dni; popraw daty zapisów.");
        }
        if (!latest || (!latest->to.IsEmpty() && (record.to.IsEmpty() || record.to > latest->to))) latest = record;
    }
}

void CZswaBuilder::BuildGroup(IPracownik* employee, IPracEtat* current, LONG employeeId, const CBstr& key,
                              Recordset* periods) {
    CheckHost(periods->MoveFirst());
    for (; !AtEnd(periods); CheckHost(periods->MoveNext())) {
        Period period;
        tlx::ComPtr<IPracEtat> record;
        if (!ClipPeriod(employee, key, periods, period, record)) continue;

        // The period as a list of ranges, from which the dated records are cut out.
        endCovered_ = false;
        tlx::ComPtr<ICalendarRange> range = RangeOf(period.from, period.to.AddDays(1));
        ranges_.Reset();
        CheckHost(range->Dni(tlx::Variant::FromLong(0), ranges_.Out()));
        if (!ranges_) RaiseHResult(E_POINTER);
        CheckHost(ranges_->Add(range.Get()));
        Cut(employee, period.to);

        const LONG count = ReadHost(ranges_.Get(), &IDniKalendarza::get_Count);
        for (LONG i = 0; i < count; ++i) {
            tlx::ComPtr<ICalendarRange> left;
            CheckHost(ranges_->Item(i, left.Out()));
            if (!left) RaiseHResult(E_POINTER);
            const CDate from(ReadHost(left.Get(), &ICalendarRange::get_Od));
            const CDate after(ReadHost(left.Get(), &ICalendarRange::get_Do));
            const CDate to = (after == period.to && !endCovered_) ? after : after.AddDays(-1);
            if (to < from) continue;
            Stage(current, record.Get(), employeeId, key, from, to);
        }
    }
}

bool CZswaBuilder::ClipPeriod(IPracownik* employee, const CBstr& key, Recordset* periods, Period& period,
                              tlx::ComPtr<IPracEtat>& record) const {
    const CDate yearStart(1, 1, firstYear_), yearEnd(12, 31, year_);
    const CDate od(ReadRecordsetValue(periods, u"PRE_DataOd"));
    const tlx::Variant lastValue = ReadRecordsetValue(periods, u"PRE_DataDo");
    const CDate last = CDate(lastValue).IsEmpty() ? yearEnd : CDate(lastValue);  // an open record runs on
    record = RecordAt(employee, od);

    // The row's own key, as the key query makes it.
    const CBstr title = TitleText(ReadHost(RequireHostLink(RequireHostLink(record.Get(), &IPracEtat::get_Ubezpieczenie).Get(),
                                                           &IUbezpieczenie::get_KodTytulu).Get(),
                                           &IKodTytulu::get_Kod));
    const CBstr rowKey = title + LongToString(ReadHost(record.Get(), &IPracEtat::get_PrawoEmerRent)) +
                         LongToString(ReadHost(record.Get(), &IPracEtat::get_StopienNiepelnosprawnosci));
    if (!(rowKey == key)) return false;

    const CDate fepFrom = SpecialWorkDate(ReadRecordsetValue(periods, u"PRE_FEPOd"));
    const CDate fepTo = SpecialWorkDate(ReadRecordsetValue(periods, u"PRE_FEPDo"));
    CDate start = (fepFrom.IsEmpty() || yearStart > fepFrom) ? yearStart : fepFrom;
    CDate end = (fepTo.IsEmpty() || yearEnd < fepTo) ? yearEnd : fepTo;

    tlx::ComPtr<IOkres> employment = RequireHostLink(record.Get(), &IPracEtat::get_OkresZatrudnienia);
    const CDate hired(ReadHost(employment.Get(), &IOkres::get_DataOd));
    const CDate left(ReadHost(employment.Get(), &IOkres::get_DataDo));  // empty: still employed
    if (hired > start) start = hired;
    if (!left.IsEmpty() && left < end) end = left;
    if (od > start) start = od;
    if (last < end) end = last;
    period = {start, end};
    return true;
}

void CZswaBuilder::Cut(IPracownik* employee, const CDate& end) {
    tlx::ComPtr<ICalendarRange> years = RangeOf(CDate(1, 1, firstYear_), CDate(1, 1, year_ + 1));
    tlx::ComPtr<ICollection> entries = RequireHostLink<IPracownikDane>(employee, &IPracownikDane::get_OkresyPracownika);
    for (CCollectionEnumerator<IOkresPracownika> each(entries.Get()); !each.AtEnd(); each.MoveNext()) {
        tlx::ComPtr<IOkresPracownika> entry = each.Current();
        if (ReadHost(entry.Get(), &IOkresPracownika::get_Znacznik) == kEntryLeftOut) continue;
        tlx::ComPtr<ICalendarRange> days =
            RequireHostLink(RequireHostLink(entry.Get(), &IOkresPracownika::get_Okres).Get(), &IOkres::get_Zakres);
        tlx::ComPtr<ICalendarRange> inYears;
        CheckHost(years->Iloczyn(days.Get(), inYears.Out()));
        if (!inYears) RaiseHResult(E_POINTER);
        if (!ReadHost(inYears.Get(), &ICalendarRange::get_IsNotEmpty)) continue;
        tlx::ComPtr<ITypOkresu> type = RequireHostLink(entry.Get(), &IOkresPracownika::get_Typ);
        if (ReadHost(type.Get(), &ITypOkresu::get_KodTypu) == kTypeNotSpecialWork) continue;
        VARIANT_BOOL holdsEnd = VARIANT_FALSE;
        CheckHost(days->Zawiera(end.Value(), &holdsEnd));
        if (!endCovered_ && holdsEnd) endCovered_ = true;
        tlx::ComPtr<IDateRangeList> rest;
        CheckHost(ranges_->Minus(days.Get(), rest.Out()));
        if (!rest) RaiseHResult(E_POINTER);
        ranges_ = rest;
    }
}

void CZswaBuilder::Stage(IPracEtat* current, IPracEtat* record, LONG employeeId, const CBstr& key, const CDate& from,
                         const CDate& to) {
    const tlx::Variant missing = tlx::Variant::Missing();
    CheckHost(zestawienie_->AddNew(missing, missing));
    auto put = [&](const char16_t* name, const tlx::Variant& value) { WriteRecordsetValue(zestawienie_.Get(), name, value); };
    auto text = [](const CBstr& value) { return value.IsNull() ? tlx::Variant::Null() : tlx::Variant::FromString(value.View()); };
    const CBstr pesel = Text(current, &IPracEtat::get_Pesel);
    if (pesel.View().empty()) {
        const CBstr passport = Text(current, &IPracEtat::get_Paszport);
        const CBstr idCard = Text(current, &IPracEtat::get_DowOsobisty);
        if (!passport.View().empty()) {
            put(u"DokumentTyp", tlx::Variant::FromString(u"2"));
            put(u"Paszport", text(passport));
        } else if (!idCard.View().empty()) {
            put(u"DokumentTyp", tlx::Variant::FromString(u"1"));
            put(u"DowOsobisty", text(idCard));
        }
    }
    put(u"PracownikID", tlx::Variant::FromString(LongToString(employeeId).View()));
    put(u"Pesel", text(pesel));
    put(u"NipE", text(UsunMyslniki(Text(current, &IPracEtat::get_NipE))));
    put(u"Nazwisko", text(UpperCaseName(Text(current, &IPracEtat::get_Nazwisko))));
    put(u"Imie", text(UpperCaseName(Text(current, &IPracEtat::get_Imie1))));
    put(u"DataUr", CDate(ReadHost(current, &IPracEtat::get_DataUr)).ToVariant());
    put(u"Tyub", text(key));
    put(u"KodFep", tlx::Variant::FromString(LongToString(ReadHost(record, &IPracEtat::get_KodFEP)).View()));
    put(u"DataOd", from.ToVariant());
    put(u"DataDo", to.ToVariant());
    tlx::ComPtr<IPracDaneZus> fraction = RequireHostLink(record, &IPracEtat::get_WymiarEtatu);
    put(u"EtatL", tlx::Variant::FromString(LongToString(ReadHost(fraction.Get(), &IPracDaneZus::get_Licznik)).View()));
    put(u"EtatM", tlx::Variant::FromString(LongToString(ReadHost(fraction.Get(), &IPracDaneZus::get_Mianownik)).View()));
    CheckHost(zestawienie_->Update(missing, missing));
}

void CZswaBuilder::WritePersonBlocks() {
    const LONG count = RecordCount(zestawienie_.Get());
    if (count == 0) return;
    tlx::ComPtr<IKeduBloki> blocks;
    CheckHost(document_->get_bloki(blocks.Out()));
    if (!blocks) RaiseHResult(E_POINTER);
    CheckHost(zestawienie_->MoveFirst());
    CBstr previousKey(u""), previousId(u"");
    LONG k = 0;
    tlx::ComPtr<IKeduBlok> block;
    auto value = [&](const char16_t* name) { return ReadRecordsetValue(zestawienie_.Get(), name); };
    auto write = [&](LONG position, const VARIANT& cell) { CheckHost(block->put_Item(position, 0, cell)); };
    for (LONG row = 0; row < count; ++row) {
        const CBstr key(value(u"Tyub")), id(value(u"PracownikID"));
        const bool newPerson = !(key == previousKey) || !(id == previousId);
        if (newPerson) {
            previousKey = key;
            previousId = id;
        }
        if (k % kPeriodsPerBlock == 0 || newPerson) {
            k = 0;
            block.Reset();
            CheckHost(blocks->Add(block.Out()));
            if (!block) RaiseHResult(E_POINTER);
            write(1, value(u"Pesel"));
            write(2, value(u"NipE"));
            const long documentKind = VariantToLongOr(value(u"DokumentTyp").Detach(), 0);
            if (documentKind == 1 || documentKind == 2) {
                write(3, tlx::Variant::FromString(documentKind == 1 ? u"1" : u"2"));
                write(4, value(documentKind == 1 ? u"DowOsobisty" : u"Paszport"));
            }
            write(5, value(u"Nazwisko"));
            write(6, value(u"Imie"));
            write(7, value(u"DataUr"));
        }
        write(8, tlx::Variant::FromString(key.View()));
        const LONG first = kFirstPeriodPosition + kPositionsPerPeriod * k;
        write(first, value(u"KodFep"));
        write(first + 1, value(u"DataOd"));
        write(first + 2, value(u"DataDo"));
        write(first + 3, value(u"EtatL"));
        write(first + 4, value(u"EtatM"));
        ++k;
        CheckHost(zestawienie_->MoveNext());
    }
}
