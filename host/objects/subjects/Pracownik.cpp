#include "host/objects/subjects/Pracownik.h"

#include <cmath>

#include "host/objects/subjects/PracPitMies.h"
#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/PayrollCollection.h"
#include "host/objects/payroll/PodAdres.h"
#include "host/objects/payroll/PracPrzerwy.h"
#include "host/session/HostSession.h"
#include "hostapi/Collections.h"
#include "hostapi/Errors.h"
#include "platform/ado/DateText.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

namespace {

// Where IPodmiot's dispatch identifiers stand in a card's single dispatch view.
constexpr DISPID kSubjectIds = 0x10000;

// The day the descriptor of an employee is read at: its record valid then is its latest.
constexpr DATE kDescriptorDay = 401404;  // 2999-01-01

// A "YYYY-MM-DD" key of the records collection: the day, nothing for a key of another kind, and
// E_INVALIDARG for a text of that shape that is not a date.
std::optional<DATE> DayOfKey(const VARIANT& key) {
    if (key.vt == VT_DATE) return std::floor(key.date);
    if (key.vt != VT_BSTR || !key.bstrVal) return std::nullopt;
    std::u16string_view text(key.bstrVal, SysStringLen(key.bstrVal));
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-') return std::nullopt;
    std::optional<DATE> day = ado::ParseDateText(Utf16ToUtf8(text));
    if (!day) Fail(E_INVALIDARG, u"Niepoprawna data: " + std::u16string(text));
    return day;
}

template <class Make>
ComPtr<ICollection> CollectionOf(const PayrollRows& rows, const char16_t* idColumn, Make&& make,
                                 CPayrollCollection::KeyReader reader = {}) {
    std::vector<CPayrollCollection::Entry> entries;
    for (const auto& row : rows) entries.push_back({ComPtr<IDispatch>(make(row)), row->Long(idColumn), row});
    return ComPtr<ICollection>(CPayrollCollection::Make(std::move(entries), std::move(reader)));
}

}  // namespace

CPracownikRecord::~CPracownikRecord() {
    if (model_) model_->SetEmployee(nullptr);
}

std::shared_ptr<PayrollModel> CPracownikRecord::Model(LONG id) {
    if (!model_) model_ = std::make_shared<PayrollModel>(Require(session_.Get()), this, id ? id : ReadNumber(u"PraID"));
    return model_;
}

HRESULT CPracownikRecord::GetLatest(std::u16string_view column, BSTR* out) {
    return AnswerText(out, [&] {
        const PayrollRows& rows = Model()->Records();
        return rows.empty() ? std::u16string() : rows.back()->Text(column);
    });
}

HRESULT CPracownikRecord::get_PracownikTekst(BSTR* text) {
    return AnswerText(text, [&] {
        std::u16string answer = ReadString(u"Kod");
        if (ComPtr<IPracEtat> record = Model()->RecordAt(kDescriptorDay)) {
            for (auto get : {&IPracEtat::get_Nazwisko, &IPracEtat::get_Imie1}) {
                Bstr part;
                Check((record.Get()->*get)(part.Out()));
                if (part.Length() != 0) answer += (answer.empty() ? u"" : u" ") + part.Str();
            }
        }
        return answer;
    });
}

HRESULT CPracownikRecord::get_Adres(IPodAdres** address) {
    return AnswerObject(address, [&] {
        const PayrollRows& rows = Model()->Records();
        return rows.empty() ? ComPtr<IPodAdres>() : ComPtr<IPodAdres>(CPodAdres::Make(rows.back(), u"PRE_"));
    });
}

HRESULT CPracownikRecord::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
    HRESULT hr = Dispatch<IPracownik>::GetIDsOfNames(iid, names, count, lcid, ids);
    if (hr != DISP_E_UNKNOWNNAME || count != 1) return hr;
    hr = Dispatch<IPodmiot>::GetIDsOfNames(iid, names, count, lcid, ids);
    if (SUCCEEDED(hr)) ids[0] += kSubjectIds;
    return hr;
}

HRESULT CPracownikRecord::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                 EXCEPINFO* exception, UINT* argError) {
    if (id >= kSubjectIds)
        return Dispatch<IPodmiot>::Invoke(id - kSubjectIds, iid, lcid, flags, params, result, exception, argError);
    return Dispatch<IPracownik>::Invoke(id, iid, lcid, flags, params, result, exception, argError);
}

HRESULT CPracownikRecord::GetMemberKinds(DISPID id, WORD* kinds, UINT* arguments, UINT* required) {
    if (id >= kSubjectIds) return Dispatch<IPodmiot>::GetMemberKinds(id - kSubjectIds, kinds, arguments, required);
    return Dispatch<IPracownik>::GetMemberKinds(id, kinds, arguments, required);
}

HRESULT CPracownikRecord::GetEtat(DATE day, VARIANT, IPracEtat** record) {
    return AnswerObject(record, [&] { return Model()->RecordAt(day); });
}

HRESULT CPracownikRecord::get_historia(ICollection** records) {
    return AnswerObject(records, [&] {
        std::shared_ptr<PayrollModel> model = Model();
        std::weak_ptr<PayrollModel> weak = model;
        return CollectionOf(model->Records(), u"PRE_PreId", [&](const auto& row) { return model->Record(row); },
                            [weak](const VARIANT& key) -> ComPtr<IDispatch> {
                                std::optional<DATE> day = DayOfKey(key);
                                std::shared_ptr<PayrollModel> held = weak.lock();
                                if (!day || !held) return {};
                                ComPtr<IPracEtat> found = held->RecordAt(*day);
                                if (!found) Fail(HOST_E_NOROW, u"Nie znaleziono rekordu: brak zapisów pracownika");
                                return ComPtr<IDispatch>(found);
                            });
    });
}

HRESULT CPracownikRecord::get_OsobyPowiazane(ICollection** cards) {
    return AnswerObject(cards, [&] { return CardsLinkedBy(u"Pra_ParentID"); });
}

HRESULT CPracownikRecord::get_OsobyWspolpracujace(ICollection** cards) {
    return AnswerObject(cards, [&] { return CardsLinkedBy(u"Pra_WlascicielID"); });
}

// The cards whose `column` names this card, by id.
ComPtr<ICollection> CPracownikRecord::CardsLinkedBy(std::u16string_view column) {
    std::shared_ptr<PayrollModel> model = Model();
    PayrollRows rows = model->Read(u"select Pra_PraID from TLX.PracKod where " + std::u16string(column) + u" = " +
                                   Utf8ToUtf16(std::to_string(model->EmployeeId())) + u" order by Pra_PraID");
    return CollectionOf(rows, u"Pra_PraID", [&](const auto& row) { return model->Card(row->Long(u"Pra_PraID")); });
}

HRESULT CPracownikRecord::get_MaOsobyPowiazane(VARIANT_BOOL* has) {
    return Answer(has, [&] {
        PayrollRows rows = Model()->Read(u"select count(*) as n from TLX.PracKod where Pra_ParentID = " +
                                         Utf8ToUtf16(std::to_string(Model()->EmployeeId())));
        return !rows.empty() && rows.front()->Long(u"n") > 0 ? VARIANT_TRUE : VARIANT_FALSE;
    });
}

HRESULT CPracownikRecord::get_Wyplaty(ICollection** payouts) {
    return AnswerObject(payouts, [&] {
        std::shared_ptr<PayrollModel> model = Model();
        return CollectionOf(model->Payouts(), u"WPL_WplId", [&](const auto& row) { return model->Payout(row); });
    });
}

HRESULT CPracownikRecord::get_Umowy(ICollection** contracts) {
    return AnswerObject(contracts, [&] {
        std::shared_ptr<PayrollModel> model = Model();
        return CollectionOf(model->Contracts(), u"UMW_UmwId", [&](const auto& row) { return model->Contract(row); });
    });
}

HRESULT CPracownikRecord::get_DaneKadrowe(IPracKadry** absences) {
    return AnswerObject(absences, [&] { return Model()->AbsenceRegister(); });
}

HRESULT CPracownikRecord::get_Nieobecnosci(ICollection** absences) {
    return AnswerObject(absences, [&] {
        ComPtr<ICollection> items;
        Check(Model()->AbsenceRegister()->get_Nieobecnosci(items.Out()));
        return items;
    });
}

HRESULT CPracownikRecord::get_Przerwy(IPracPrzerwy** breaks) {
    return AnswerObject(breaks, [&] { return ComPtr<IPracPrzerwy>(CPracPrzerwy::Make(Model())); });
}

HRESULT CPracownikRecord::get_OkresyPracownika(ICollection** entries) {
    return AnswerObject(entries, [&] {
        std::shared_ptr<PayrollModel> model = Model();
        return CollectionOf(model->Entries(), u"OKP_OkpId", [&](const auto& row) { return model->Entry(row); });
    });
}

HRESULT CPracownikRecord::get_Session(ISession** session) {
    return AnswerObject(session, [&] { return session_; });
}

HRESULT CPracownikRecord::Inicjuj(LONG) {
    return Boundary([&] {
        if (model_) model_->Reset();
    });
}

// A child collection of the session over the employee's months; its items are CPracPitMiesRecord.
HRESULT CPracownikRecord::get_PitMiesiace(ICollection** months) {
    return Boundary([&] {
        Require(months);
        if (!pitMiesiace_) {
            ComPtr<IDispatch> created;
            Bstr childClass(GuidToText(CLSID_CChildCollection));
            Check(Require(session_.Get())->CreateObject(childClass.Get(), Variant::Missing(), created.Out()));
            ComPtr<ICollectionSetup> setup = created.As<ICollectionSetup>();
            Require(setup.Get());
            std::u16string id = Utf8ToUtf16(std::to_string(ReadNumber(u"PraID")));
            Check(setup->put_ItemClass(Bstr(kPracPitMies.itemClass).Get()));
            Check(setup->put_IdColumn(Bstr(kPracPitMies.idColumn).Get()));
            std::u16string sql =
                u"select * from TLX.PracPitMies where PPM_PraId=" + id + u" order by PPM_Rok, PPM_Miesiac";
            Check(setup->put_SQL(Bstr(sql).Get()));
            Check(setup->put_Table(Bstr(kPracPitMies.table).Get()));
            pitMiesiace_ = created.As<ICollection>();
            Require(pitMiesiace_.Get());
        }
        *months = ComPtr<ICollection>(pitMiesiace_).Detach();
    });
}

}  // namespace tlx::host
