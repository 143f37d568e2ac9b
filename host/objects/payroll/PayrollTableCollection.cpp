#include "host/objects/payroll/PayrollTableCollection.h"

#include "host/objects/payroll/KodSwiadczenia.h"
#include "host/objects/payroll/ListaPlac.h"
#include "host/objects/payroll/PayrollCollection.h"
#include "host/objects/payroll/TypWyplaty.h"
#include "host/objects/payroll/Wojewodztwo.h"
#include "hostapi/Framework.h"

namespace tlx::host {

const PayrollTable kTypyWyplat{
    u"select * from TLX.TypWyplata order by TWP_TwpId", u"TWP_TwpId",
    [](const std::shared_ptr<PayrollModel>& model, const std::shared_ptr<PayrollRow>& row) {
        return ComPtr<IDispatch>(CTypWyplaty::Make(model, row, nullptr));
    },
    nullptr};

const PayrollTable kKodySwiadczen{
    u"select * from TLX.KodySwiadczen order by Pdz_PdzId", u"Pdz_PdzId",
    [](const std::shared_ptr<PayrollModel>&, const std::shared_ptr<PayrollRow>& row) {
        return ComPtr<IDispatch>(ComPtr<IKodSwiadczenia>(CKodSwiadczenia::Make(row)));
    },
    nullptr};

const PayrollTable kListyPlac{
    u"select * from TLX.ListyPlac order by LPL_DataOd, LPL_LplId", u"LPL_LplId",
    [](const std::shared_ptr<PayrollModel>& model, const std::shared_ptr<PayrollRow>& row) {
        return ComPtr<IDispatch>(model->List(row));
    },
    [] {
        return MakeRow({{u"LPL_LplId", Variant::FromLong(0)}, {u"LPL_Rok", Variant::FromLong(0)},
                        {u"LPL_Miesiac", Variant::FromLong(0)}, {u"LPL_Typ", Variant::FromLong(1)},
                        {u"LPL_Rodzaj", Variant::FromLong(0)}, {u"LPL_Opis", Variant::FromString(u"")}});
    }};

const PayrollTable kWojewodztwa{
    u"select WOJ_WojId, WOJ_Nazwa as Nazwa, WOJ_Kod as Kod from TLX.Wojewodztwa order by WOJ_WojId", u"WOJ_WojId",
    [](const std::shared_ptr<PayrollModel>&, const std::shared_ptr<PayrollRow>& row) {
        return ComPtr<IDispatch>(CWojewodztwo::Make(row->Text(u"Nazwa"), row->Text(u"Kod")));
    },
    nullptr};

ComPtr<ICollection> PayrollTableCore::Items() {
    if (!model_) Fail(E_POINTER, u"Kolekcja nie została związana z sesją");
    if (!items_) {
        std::vector<CPayrollCollection::Entry> entries;
        for (const auto& row : model_->Read(table_.select))
            entries.push_back({table_.make(model_, row), row->Long(table_.idColumn), row});
        items_ = ComPtr<ICollection>(CPayrollCollection::Make(std::move(entries)));
    }
    return items_;
}

ComPtr<IDispatch> PayrollTableCore::AddNew() {
    if (!table_.newRow) Fail(E_NOTIMPL, u"Kolekcja danych płacowych jest tylko do odczytu");
    if (!model_) Fail(E_POINTER, u"Kolekcja nie została związana z sesją");
    return table_.make(model_, table_.newRow());
}

}  // namespace tlx::host
