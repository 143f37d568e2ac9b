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
    nullptr, true};

const PayrollTable kKodySwiadczen{
    u"select * from TLX.KodySwiadczen order by Pdz_PdzId", u"Pdz_PdzId",
    [](const std::shared_ptr<PayrollModel>&, const std::shared_ptr<PayrollRow>& row) {
        return ComPtr<IDispatch>(ComPtr<IKodSwiadczenia>(CKodSwiadczenia::Make(row)));
    },
    nullptr, false};

const PayrollTable kListyPlac{
    u"select * from TLX.ListyPlac order by LPL_DataOd, LPL_LplId", u"LPL_LplId",
    [](const std::shared_ptr<PayrollModel>& model, const std::shared_ptr<PayrollRow>& row) {
        return ComPtr<IDispatch>(model->List(row));
    },
    [] {
        return MakeRow({{u"LPL_LplId", Variant::FromLong(0)}, {u"LPL_Rok", Variant::FromLong(0)},
                        {u"LPL_Miesiac", Variant::FromLong(0)}, {u"LPL_Typ", Variant::FromLong(1)},
                        {u"LPL_Rodzaj", Variant::FromLong(0)}, {u"LPL_Opis", Variant::FromString(u"")}});
    },
    true};

const PayrollTable kWojewodztwa{
    u"select WOJ_WojId, WOJ_Nazwa as Nazwa, WOJ_Kod as Kod from TLX.Wojewodztwa order by WOJ_WojId", u"WOJ_WojId",
    [](const std::shared_ptr<PayrollModel>&, const std::shared_ptr<PayrollRow>& row) {
        return ComPtr<IDispatch>(CWojewodztwo::Make(row->Text(u"Nazwa"), row->Text(u"Kod")));
    },
    nullptr, false};

ComPtr<ICollection> PayrollTableCore::Items() {
    if (!model_) Fail(E_POINTER, u"Kolekcja nie została związana z sesją");
    if (!items_) {
        std::vector<CPayrollCollection::Entry> entries;
        for (const auto& row : model_->Read(table_.select))
            entries.push_back({table_.make(model_, row), row->Long(table_.idColumn), row});
        items_ = CPayrollCollection::Make(std::move(entries));
    }
    return ComPtr<ICollection>(items_.Get());
}

ULONG PayrollTableCore::HoldsOnSession() const {
    if (!model_) return 0;
    const long otherHolders = model_.use_count() - 1;  // its items, or objects made by AddNew
    if (!items_) return otherHolders == 0 ? 1 : 0;
    items_->AddRef();
    const bool collectionHeldHere = items_->Release() == 1;
    if (!collectionHeldHere || !items_->ItemsHeldOnlyHere()) return 0;
    const long kept = table_.itemsKeepModel ? static_cast<long>(items_->Size()) : 0;
    return otherHolders == kept ? 1 : 0;
}

ComPtr<IDispatch> PayrollTableCore::AddNew() {
    if (!table_.newRow) Fail(E_NOTIMPL, u"Kolekcja danych płacowych jest tylko do odczytu");
    if (!model_) Fail(E_POINTER, u"Kolekcja nie została związana z sesją");
    return table_.make(model_, table_.newRow());
}

}  // namespace tlx::host
