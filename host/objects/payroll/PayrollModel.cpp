#include "host/objects/payroll/PayrollModel.h"

#include <cmath>

#include "host/Database.h"
#include "host/HostError.h"
#include "host/objects/payroll/KodSwiadczenia.h"
#include "host/objects/payroll/ListaPlac.h"
#include "host/objects/payroll/Nieobecnosc.h"
#include "host/objects/payroll/OkresPracownika.h"
#include "host/objects/payroll/PracEtat.h"
#include "host/objects/payroll/PracKadry.h"
#include "host/objects/payroll/TypNieobecnosci.h"
#include "host/objects/payroll/TypOkresu.h"
#include "host/objects/payroll/TypWyplaty.h"
#include "host/objects/payroll/Umowa.h"
#include "host/objects/payroll/WypElement.h"
#include "host/objects/payroll/WypElementLink.h"
#include "host/objects/payroll/Wyplata.h"
#include "host/session/HostSession.h"
#include "hostapi/Employees.h"
#include "hostapi/Errors.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/Guid.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

namespace {

std::u16string Number(LONG value) { return Utf8ToUtf16(std::to_string(value)); }

// The statement that reads a row of a lookup table by its identifier.
std::string_view LookupOf(PayrollModel::Kind kind) {
    switch (kind) {
        case PayrollModel::Kind::Type: return "select * from TLX.TypWyplata where TWP_TwpId = ?1";
        case PayrollModel::Kind::Code: return "select * from TLX.KodySwiadczen where Pdz_PdzId = ?1";
        case PayrollModel::Kind::AbsenceType: return "select * from TLX.TypyNieobecnosci where TNB_TnbId = ?1";
        case PayrollModel::Kind::PeriodType: return "select * from TLX.TypyOkresow where TOK_TokId = ?1";
        default: throw HostError{E_INVALIDARG};
    }
}

// A period that ends before it starts is a fault of the data: the row is named, nothing is guessed.
void RequireOrderedPeriod(const PayrollRow& row, const char16_t* table, const char16_t* idColumn,
                          const char16_t* fromColumn, const char16_t* toColumn) {
    std::optional<DATE> from = row.DateOrNull(fromColumn), to = row.DateOrNull(toColumn);
    if (from && to && *to < *from)
        Fail(E_FAIL, std::u16string(u"Wiersz ") + table + u" " + idColumn + u"=" + Number(row.Long(idColumn)) +
                         u" kończy się przed swoim początkiem");
}

}  // namespace

PayrollModel::PayrollModel(ISession* session, IPracownik* employee, LONG employeeId)
    : session_(session), employee_(employee), employeeId_(employeeId) {}

PayrollModel::PayrollModel(ISession* session) : session_(session), inMemory_(true) {
    records_.emplace();
    payouts_.emplace();
    contracts_.emplace();
    absences_.emplace();
    entries_.emplace();
    elements_.emplace();
    links_.emplace();
}

ComPtr<IPracownik> PayrollModel::Employee() {
    if (!employee_ && employeeWhenAsked_) {
        ComPtr<IPracownik> employee = Card(employeeId_).As<IPracownik>();
        Require(employee.Get());
        employeeWhenAsked_ = false;
        HoldEmployee(std::move(employee));
    }
    if (!employee_) Fail(E_POINTER, u"Obiekt pracownika został już zwolniony");
    return ComPtr<IPracownik>(employee_);
}

void PayrollModel::Reset() {
    if (inMemory_) return;
    records_.reset();
    recordsAhead_.reset();
    payouts_.reset();
    contracts_.reset();
    absences_.reset();
    entries_.reset();
    elements_.reset();
    links_.reset();
    payoutsById_.clear();
    parts_.clear();
    lookups_.clear();
    parentId_.reset();
}

PayrollRows PayrollModel::Read(std::u16string_view sql) {
    return ReadRows(HostSessionOf(Require(session_.Get()))->CompanyConnection(), sql);
}

PayrollRows PayrollModel::ReadByKey(std::string_view sql, LONG key) {
    return ReadRowsByKey(HostSessionOf(Require(session_.Get()))->CompanyConnection(), sql, key);
}

const PayrollRows& PayrollModel::Loaded(std::optional<PayrollRows>& rows, std::u16string_view sql) {
    if (!rows) rows = Read(sql);
    return *rows;
}

namespace {
constexpr std::string_view kRecordsOfCard = "select * from TLX.PracEtaty where PRE_PraId = ?1 order by PRE_DataOd, PRE_PreId";
}  // namespace

void PayrollModel::ReadRecordsAhead() {
    if (inMemory_ || records_ || recordsAhead_) return;
    try {
        recordsAhead_ = ReadByKey(kRecordsOfCard, employeeId_);
    } catch (const HostError&) {
        TakeErrorDescription();
    }
}

const PayrollRows& PayrollModel::Records() {
    if (!records_) {
        PayrollRows rows = recordsAhead_ ? std::move(*recordsAhead_) : ReadByKey(kRecordsOfCard, employeeId_);
        recordsAhead_.reset();
        for (const auto& row : rows) RequireOrderedPeriod(*row, u"PracEtaty", u"PRE_PreId", u"PRE_DataOd", u"PRE_DataDo");
        records_ = std::move(rows);
    }
    return *records_;
}

const PayrollRows& PayrollModel::Payouts() {
    return Loaded(payouts_, u"select * from TLX.Wyplaty left join TLX.ListyPlac on LPL_LplId = WPL_LplId "
                            u"where WPL_PraId = " + Number(employeeId_) + u" order by LPL_DataOd, WPL_WplId");
}

const PayrollRows& PayrollModel::Contracts() {
    return Loaded(contracts_, u"select * from TLX.Umowy where UMW_PraId = " + Number(employeeId_) +
                                  u" order by UMW_DataOd, UMW_UmwId");
}

const PayrollRows& PayrollModel::Absences() {
    if (!absences_) {
        PayrollRows rows = Read(u"select * from TLX.Nieobecnosci where NBA_PraId = " + Number(employeeId_) +
                                u" order by NBA_DataOd, NBA_NbaId");
        for (const auto& row : rows) RequireOrderedPeriod(*row, u"Nieobecnosci", u"NBA_NbaId", u"NBA_DataOd", u"NBA_DataDo");
        absences_ = std::move(rows);
    }
    return *absences_;
}

const PayrollRows& PayrollModel::Entries() {
    return Loaded(entries_, u"select * from TLX.OkresyPracownika where OKP_PraId = " + Number(employeeId_) +
                                u" order by OKP_DataOd, OKP_OkpId");
}

void PayrollModel::LoadElements() {
    if (elements_) return;
    elements_.emplace();
    for (auto& row : Read(u"select * from TLX.WypElementy where WPE_WplId in (select WPL_WplId from TLX.Wyplaty "
                          u"where WPL_PraId = " + Number(employeeId_) + u") order by WPE_WpeId"))
        elements_->emplace(row->Long(u"WPE_WplId"), row);
}

void PayrollModel::LoadLinks() {
    if (links_) return;
    links_.emplace();
    for (auto& row : Read(u"select * from TLX.WypElementyLinki where WEL_WpeId in (select WPE_WpeId from "
                          u"TLX.WypElementy where WPE_WplId in (select WPL_WplId from TLX.Wyplaty where WPL_PraId = " +
                          Number(employeeId_) + u")) order by WEL_WelId"))
        links_->emplace(row->Long(u"WEL_WpeId"), row);
}

PayrollModel::PayoutParts& PayrollModel::PartsOf(LONG payoutId) {
    auto found = parts_.find(payoutId);
    if (found != parts_.end()) return found->second;
    PayoutParts parts;
    parts.elements = ReadByKey("select * from TLX.WypElementy where WPE_WplId = ?1 order by WPE_WpeId", payoutId);
    return parts_.emplace(payoutId, std::move(parts)).first->second;
}

PayrollRows PayrollModel::ElementsOf(LONG payoutId) {
    if (!WalksEveryPayout()) return PartsOf(payoutId).elements;
    LoadElements();
    PayrollRows rows;
    auto [first, last] = elements_->equal_range(payoutId);
    for (auto it = first; it != last; ++it) rows.push_back(it->second);
    return rows;
}

PayrollRows PayrollModel::LinksOf(LONG elementId, LONG payoutId) {
    const std::multimap<LONG, std::shared_ptr<PayrollRow>>* links = nullptr;
    if (WalksEveryPayout()) {
        LoadLinks();
        links = &*links_;
    } else {
        PayoutParts& parts = PartsOf(payoutId);
        if (!parts.linksRead) {
            // Joined from the payout's elements through the links' element index, element by element: each
            // element's links come in their identifiers' order without a sort or a list of the elements.
            for (auto& row : ReadByKey("select l.* from TLX.WypElementy e join TLX.WypElementyLinki l on l.WEL_WpeId = "
                                       "e.WPE_WpeId where e.WPE_WplId = ?1 order by e.WPE_WpeId, l.WEL_WelId",
                                       payoutId))
                parts.links.emplace(row->Long(u"WEL_WpeId"), row);
            parts.linksRead = true;
        }
        links = &parts.links;
    }
    PayrollRows rows;
    auto [first, last] = links->equal_range(elementId);
    for (auto it = first; it != last; ++it) rows.push_back(it->second);
    return rows;
}

void PayrollModel::AddElement(std::shared_ptr<PayrollRow> row) {
    LoadElements();
    LONG payout = row->Long(u"WPE_WplId");
    elements_->emplace(payout, std::move(row));
}

std::shared_ptr<PayrollRow> PayrollModel::LookupRow(Kind kind, LONG id) {
    std::map<LONG, std::shared_ptr<PayrollRow>>& table = lookups_[kind];
    if (auto known = table.find(id); known != table.end()) return known->second;  // also a row not there
    PayrollRows rows = ReadByKey(LookupOf(kind), id);
    return table[id] = rows.empty() ? nullptr : rows.front();
}

IDispatch* PayrollModel::FindLive(Kind kind, LONG key) const {
    auto found = live_.find({kind, key});
    return found == live_.end() ? nullptr : found->second;
}

template <class I, class Make>
ComPtr<I> PayrollModel::Live(Kind kind, LONG key, Make&& make) {
    if (IDispatch* found = FindLive(kind, key)) {
        ComPtr<I> answer;
        Check(found->QueryInterface(IidOf<I>(), answer.OutVoid()));
        return answer;
    }
    ComPtr<I> made(make());
    AddLive(kind, key, made.Get());
    return made;
}

ComPtr<IPracEtat> PayrollModel::Record(const std::shared_ptr<PayrollRow>& row) {
    const LONG id = row->Long(u"PRE_PreId");
    return Live<IPracEtat>(Kind::Record, id, [&] { return CPracEtat::Make(shared_from_this(), row, id); });
}

ComPtr<IWyplata> PayrollModel::Payout(const std::shared_ptr<PayrollRow>& row) {
    return Live<IWyplata>(Kind::Payout, row->Long(u"WPL_WplId"), [&] { return CWyplata::Make(shared_from_this(), row); });
}

ComPtr<IListaPlac> PayrollModel::List(const std::shared_ptr<PayrollRow>& row) {
    return Live<IListaPlac>(Kind::List, row->Long(u"LPL_LplId"), [&] { return CListaPlac::Make(shared_from_this(), row); });
}

ComPtr<IWypElement> PayrollModel::Element(const std::shared_ptr<PayrollRow>& row) {
    return Element(row, row->Long(u"WPE_WpeId"));
}

ComPtr<IWypElement> PayrollModel::Element(const std::shared_ptr<PayrollRow>& row, LONG id) {
    return Live<IWypElement>(Kind::Element, id, [&] { return CWypElement::Make(shared_from_this(), row, id); });
}

ComPtr<IWypElementLink> PayrollModel::Link(const std::shared_ptr<PayrollRow>& row) {
    return Live<IWypElementLink>(Kind::Link, row->Long(u"WEL_WelId"),
                                 [&] { return CWypElementLink::Make(shared_from_this(), row); });
}

ComPtr<IUmowa> PayrollModel::Contract(const std::shared_ptr<PayrollRow>& row) {
    return Live<IUmowa>(Kind::Contract, row->Long(u"UMW_UmwId"), [&] { return CUmowa::Make(shared_from_this(), row); });
}

ComPtr<INieobecnosc> PayrollModel::Absence(const std::shared_ptr<PayrollRow>& row) {
    return Live<INieobecnosc>(Kind::Absence, row->Long(u"NBA_NbaId"), [&] { return CNieobecnosc::Make(shared_from_this(), row); });
}

ComPtr<IOkresPracownika> PayrollModel::Entry(const std::shared_ptr<PayrollRow>& row) {
    return Live<IOkresPracownika>(Kind::Entry, row->Long(u"OKP_OkpId"),
                                  [&] { return COkresPracownika::Make(shared_from_this(), row); });
}

ComPtr<ITypWyplaty> PayrollModel::Type(LONG id, const std::shared_ptr<PayrollRow>& element) {
    auto row = LookupRow(Kind::Type, id);
    if (!row) return {};
    return ComPtr<ITypWyplaty>(CTypWyplaty::Make(shared_from_this(), row, element));
}

ComPtr<IKodSwiadczenia> PayrollModel::Code(LONG code) {
    auto row = code ? LookupRow(Kind::Code, code) : nullptr;
    return row ? ComPtr<IKodSwiadczenia>(CKodSwiadczenia::Make(row)) : ComPtr<IKodSwiadczenia>();
}

ComPtr<ITypNieobecnosci> PayrollModel::AbsenceType(LONG id) {
    auto row = LookupRow(Kind::AbsenceType, id);
    return row ? ComPtr<ITypNieobecnosci>(CTypNieobecnosci::Make(shared_from_this(), row)) : ComPtr<ITypNieobecnosci>();
}

ComPtr<ITypOkresu> PayrollModel::PeriodType(LONG id) {
    auto row = LookupRow(Kind::PeriodType, id);
    return row ? ComPtr<ITypOkresu>(CTypOkresu::Make(row)) : ComPtr<ITypOkresu>();
}

ComPtr<IPracKadry> PayrollModel::AbsenceRegister() {
    return ComPtr<IPracKadry>(CPracKadry::Make(shared_from_this()));
}

LONG PayrollModel::AbsenceCode(const PayrollRow& absence) {
    if (LONG own = absence.Long(u"NBA_PdzId")) return own;
    auto type = LookupRow(Kind::AbsenceType, absence.Long(u"NBA_TnbId"));
    return type ? type->Long(u"TNB_PdzId") : 0;
}

namespace {
template <class Rows>
std::shared_ptr<PayrollRow> RowWithId(const Rows& rows, const char16_t* column, LONG id) {
    for (const auto& row : rows)
        if (row->Long(column) == id) return row;
    return nullptr;
}
}  // namespace

ComPtr<IWyplata> PayrollModel::PayoutById(LONG id) {
    std::shared_ptr<PayrollRow> row;
    if (WalksEveryPayout()) {
        row = RowWithId(Payouts(), u"WPL_WplId", id);
    } else if (auto known = payoutsById_.find(id); known != payoutsById_.end()) {
        row = known->second;
    } else {
        PayrollRows rows = Read(u"select * from TLX.Wyplaty left join TLX.ListyPlac on LPL_LplId = WPL_LplId where "
                                u"WPL_WplId = " + Number(id) + u" and WPL_PraId = " + Number(employeeId_));
        if (!rows.empty()) row = payoutsById_[id] = rows.front();
    }
    if (!row) Fail(HOST_E_NOROW, u"Nie znaleziono rekordu: Wyplaty WPL_WplId=" + Number(id));
    return Payout(row);
}

ComPtr<IWypElement> PayrollModel::ElementById(LONG id) {
    if (WalksEveryPayout()) {
        LoadElements();
        for (const auto& [payout, row] : *elements_)
            if (row->Long(u"WPE_WpeId") == id) return Element(row);
    } else {
        for (const auto& [payout, parts] : parts_)
            if (auto row = RowWithId(parts.elements, u"WPE_WpeId", id)) return Element(row);
        PayrollRows rows = Read(u"select WPE_WplId from TLX.WypElementy join TLX.Wyplaty on WPL_WplId = WPE_WplId "
                                u"where WPE_WpeId = " + Number(id) + u" and WPL_PraId = " + Number(employeeId_));
        if (!rows.empty())
            if (auto row = RowWithId(PartsOf(rows.front()->Long(u"WPE_WplId")).elements, u"WPE_WpeId", id))
                return Element(row);
    }
    Fail(HOST_E_NOROW, u"Nie znaleziono rekordu: WypElementy WPE_WpeId=" + Number(id));
}

ComPtr<INieobecnosc> PayrollModel::AbsenceById(LONG id) {
    auto row = RowWithId(Absences(), u"NBA_NbaId", id);
    if (!row) Fail(HOST_E_NOROW, u"Nie znaleziono rekordu: Nieobecnosci NBA_NbaId=" + Number(id));
    return Absence(row);
}

ComPtr<IPracEtat> PayrollModel::RecordAt(DATE day) {
    const PayrollRows& rows = Records();
    if (rows.empty()) return {};
    DATE whole = std::floor(day);
    if (whole == 0 || whole < rows.front()->Date(u"PRE_DataOd")) return Record(rows.front());
    std::shared_ptr<PayrollRow> latest, holding;
    for (const auto& row : rows) {
        if (row->Date(u"PRE_DataOd") > whole) break;
        latest = row;
        std::optional<DATE> to = row->DateOrNull(u"PRE_DataDo");
        if (!to || whole <= *to) holding = row;
    }
    return Record(holding ? holding : latest);
}

LONG PayrollModel::ParentId() {
    if (!parentId_) {
        PayrollRows rows = Read(u"select Pra_ParentID from TLX.PracKod where Pra_PraID = " + Number(employeeId_));
        parentId_ = rows.empty() ? 0 : rows.front()->Long(u"Pra_ParentID");
    }
    return *parentId_;
}

ComPtr<IDispatch> PayrollModel::Card(LONG id) {
    Bstr classText(GuidToText(CLSID_Pracownicy));
    ComPtr<IDispatch> card;
    // A decimal text names the card by its identifier; a number would be a position.
    Check(Require(session_.Get())->CreateObject(classText.Get(), Variant::FromString(Number(id)), card.Out()));
    return card;
}

}  // namespace tlx::host
