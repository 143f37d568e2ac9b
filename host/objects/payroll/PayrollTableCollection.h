// The session classes over small payroll tables (payout types, benefit codes, payroll lists, the
// voivodeship lookup): the whole table read once per collection object, Item by position, identifier or
// criteria as every host collection reads keys. The payroll lists collection adds lists made in memory
// (AddNew), which are never stored.
#pragma once

#include <memory>
#include <optional>

#include "host/HostError.h"
#include "host/objects/payroll/PayrollCollection.h"
#include "host/objects/payroll/PayrollModel.h"
#include "host/session/HostSession.h"
#include "hostapi/CollectionsDispatch.h"
#include "hostapi/Framework.h"

namespace tlx::host {

struct PayrollTable {
    const char16_t* select;    // the statement that reads the table, in the collection's order
    const char16_t* idColumn;
    ComPtr<IDispatch> (*make)(const std::shared_ptr<PayrollModel>& model, const std::shared_ptr<PayrollRow>& row);
    // A new row for AddNew; null when the collection adds nothing.
    std::shared_ptr<PayrollRow> (*newRow)();
    // Whether each item made keeps the collection's model.
    bool itemsKeepModel;
};

// What the session classes share: the table's rows read once, the items made from them.
class PayrollTableCore {
public:
    explicit PayrollTableCore(const PayrollTable& table) : table_(table) {}
    void Initialize(ISession* session) { model_ = std::make_shared<PayrollModel>(session); }
    ComPtr<ICollection> Items();
    ComPtr<IDispatch> AddNew();
    void Resync() { items_.Reset(); }
    // The references its model keeps on the session, when nothing but this collection holds the model
    // and its items (an item or a list made by AddNew held elsewhere keeps the session as a holder of its
    // own): what a session counts when it looks for holders from outside.
    ULONG HoldsOnSession() const;

private:
    const PayrollTable& table_;
    std::shared_ptr<PayrollModel> model_;
    ComPtr<CPayrollCollection> items_;
};

template <const PayrollTable& Table>
class CPayrollTableCollection final
    : public ComObject<CPayrollTableCollection<Table>, Dispatch<ICollection>, IInitializeSession, ISessionHolder> {
public:
    HRESULT get__NewEnum(IUnknown** enumerator) override {
        return Boundary([&] { Check(core_.Items()->get__NewEnum(enumerator)); });
    }
    HRESULT Item(VARIANT key, IDispatch** item) override {
        return Boundary([&] { Check(core_.Items()->Item(key, item)); });
    }
    HRESULT get_Count(LONG* count) override {
        return Boundary([&] { Check(core_.Items()->get_Count(count)); });
    }
    HRESULT AddNew(VARIANT, IDispatch** item) override {
        return Boundary([&] { *Require(item) = core_.AddNew().Detach(); });
    }
    HRESULT Delete(VARIANT) override {
        return SetErrorText(E_NOTIMPL, u"Kolekcja danych płacowych jest tylko do odczytu");
    }
    HRESULT Resync(VARIANT) override {
        core_.Resync();
        return S_OK;
    }
    ULONG HoldsOnSession() override { return core_.HoldsOnSession(); }
    HRESULT Initialize(ISession* session, LONG* state) override {
        if (!session || !state) return E_POINTER;
        core_.Initialize(session);
        *state = hostStateBusinessObject;
        return S_OK;
    }

private:
    PayrollTableCore core_{Table};
};

extern const PayrollTable kTypyWyplat;
extern const PayrollTable kKodySwiadczen;
extern const PayrollTable kListyPlac;
extern const PayrollTable kWojewodztwa;

}  // namespace tlx::host
