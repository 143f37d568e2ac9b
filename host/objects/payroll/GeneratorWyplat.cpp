#include "host/objects/payroll/GeneratorWyplat.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/PayrollModel.h"
#include "host/objects/payroll/Wyplata.h"
#include "platform/ado/DateText.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

HRESULT CGeneratorWyplat::Initialize(ISession* session, LONG* state) {
    if (!session || !state) return E_POINTER;
    session_ = ComPtr<ISession>(session);
    *state = hostStateBusinessObject;
    return S_OK;
}

HRESULT CGeneratorWyplat::get_Lista(IListaPlac** list) {
    return AnswerObject(list, [&] { return list_; });
}

HRESULT CGeneratorWyplat::putref_Lista(IListaPlac* list) {
    list_ = ComPtr<IListaPlac>(list);
    return S_OK;
}

HRESULT CGeneratorWyplat::get_Pracownik(IPracownikDane** employee) {
    return AnswerObject(employee, [&] { return employee_; });
}

HRESULT CGeneratorWyplat::putref_Pracownik(IPracownikDane* employee) {
    employee_ = ComPtr<IPracownikDane>(employee);
    return S_OK;
}

HRESULT CGeneratorWyplat::Dodaj(IDispatch* type, VARIANT, IDispatch* zus, VARIANT) {
    return Boundary([&] {
        ComPtr<ITypWyplaty> payoutType;
        ComPtr<IWyplataZUS> data;
        if (!type || FAILED(type->QueryInterface(IidOf<ITypWyplaty>(), payoutType.OutVoid())))
            Fail(E_INVALIDARG, u"Oczekiwano typu wypłaty");
        if (!zus || FAILED(zus->QueryInterface(IidOf<IWyplataZUS>(), data.OutVoid())))
            Fail(E_INVALIDARG, u"Oczekiwano danych ZUS wypłaty");
        LONG typeId = 0;
        Check(payoutType->get_ID(&typeId));
        added_.push_back({typeId, data});
    });
}

namespace {

std::u16string AmountColumn(LONG position) {
    std::string name = position == 21 ? "WPE_KwotaFP" : position == 22 ? "WPE_KwotaFGSP" : "WPE_Kwota" + std::to_string(position);
    return std::u16string(name.begin(), name.end());
}

// The flag word's mark of an element that carries health insurance only (the titles 2200 to 2299).
constexpr LONG kHealthOnlyElement = 0x80;
constexpr LONG kFirstHealthOnlyTitle = 2200, kLastHealthOnlyTitle = 2299;

// The six-digit code the payroll files an element of a four-digit title under, as every stored element
// carries it: the title, then the right to a pension and the degree of disability of the employee's
// record at the month's end (the latest one begun by then; none when there is no record).
LONG SixDigitCode(PayrollModel& model, LONG employeeId, LONG title, LONG year, LONG month) {
    const LONG code = title * 100;
    std::optional<DATE> nextMonth = ado::MakeOleDate(month == 12 ? year + 1 : year, month == 12 ? 1 : month + 1, 1);
    std::optional<std::string> lastDay = nextMonth ? ado::FormatDateText(*nextMonth - 1) : std::nullopt;
    if (!lastDay) return code;
    PayrollRows rows = model.Read(u"select PRE_PrawoER, PRE_StNiepelnosp from TLX.PracEtaty where PRE_PraId = " +
                                  Utf8ToUtf16(std::to_string(employeeId)) + u" and PRE_DataOd <= '" +
                                  Utf8ToUtf16(*lastDay) + u"' order by PRE_DataOd desc, PRE_PreId desc limit 1");
    if (rows.empty()) return code;
    return code + (rows.front()->Long(u"PRE_PrawoER") ? 10 : 0) + rows.front()->Long(u"PRE_StNiepelnosp") % 10;
}

}  // namespace

// The payout and its elements carry identifiers 0 and -1, -2 ...: they were never stored.
HRESULT CGeneratorWyplat::Wynik(VARIANT, IWyplata** payout) {
    return AnswerObject(payout, [&] {
        if (!list_ || !employee_) Fail(E_POINTER, u"Generator wypłat nie ma listy płac lub pracownika");
        ComPtr<IPracownik> employee = employee_.As<IPracownik>();
        LONG employeeId = 0;
        Check(employee_->get_ID(&employeeId));
        ComPtr<IOkresowy> month;
        Check(list_->get_RokMiesiac(month.Out()));
        LONG year = 0, monthNumber = 0;
        Check(month->get_Rok(&year));
        Check(month->get_Miesiac(&monthNumber));

        auto model = std::make_shared<PayrollModel>(session_.Get());
        model->HoldEmployee(employee);
        auto row = MakeRow({{u"WPL_WplId", Variant::FromLong(0)}, {u"WPL_PraId", Variant::FromLong(employeeId)},
                            {u"WPL_Rok", Variant::FromLong(year)}, {u"WPL_Miesiac", Variant::FromLong(monthNumber)},
                            {u"WPL_Tryb", Variant::FromLong(0)}, {u"WPL_Aktywna", Variant::FromLong(1)},
                            {u"WPL_Kwota", Variant::FromCurrency(CY{0})}});
        model->AddPayout(row);
        LONG id = 0;
        for (const Added& added : added_) {
            LONG title = 0;
            Check(added.zus->get_KodTytulu(&title));
            const bool healthOnly = title >= kFirstHealthOnlyTitle && title <= kLastHealthOnlyTitle;
            std::vector<std::pair<std::u16string, Variant>> values{
                {u"WPE_WpeId", Variant::FromLong(--id)}, {u"WPE_WplId", Variant::FromLong(0)},
                {u"WPE_TwpId", Variant::FromLong(added.typeId)}, {u"WPE_Wartosc", Variant::FromCurrency(CY{0})},
                {u"WPE_KodTytulu", Variant::FromLong(SixDigitCode(*model, employeeId, title, year, monthNumber))},
                {u"WPE_Flagi", Variant::FromLong(healthOnly ? kHealthOnlyElement : 0)},
                {u"WPE_ZusZnacznik", Variant::FromLong(1)}};
            // The amounts join the row as it is made: a column added to a made row copies its column list.
            for (LONG position = 1; position <= 22; ++position) {
                CY amount{0};
                Check(added.zus->get_Kwota(position, &amount));
                values.emplace_back(AmountColumn(position), Variant::FromCurrency(amount));
            }
            model->AddElement(MakeRow(values));
        }
        ComPtr<CWyplata> built = CWyplata::Make(model, row, list_);
        model->AddLive(PayrollModel::Kind::Payout, 0, built.Get());
        return ComPtr<IWyplata>(built);
    });
}

}  // namespace tlx::host
