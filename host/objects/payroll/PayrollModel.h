// Everything the host keeps of one employee card, read from the company database when first asked and
// kept for the life of the card's objects: dated records, payouts with their lists, elements and links,
// contracts, absences, dated entries, and the type and code rows they point at.
//
// Payouts are read as the caller walks them. The card's payout collection reads every payout, and then the
// elements and links of all of them at the first that is asked. A payout asked for by its identifier (the
// walk of one month: the payouts of the month by identifier, then their elements) reads that payout's row,
// and then its own elements and links only (the session's payout class reads the elements with the row). A lookup row (a payout type, a benefit code) is read by its key
// when first asked.
//
// The model hands out one COM object per row and remembers it only while someone holds it: each object
// keeps the model alive (a shared_ptr) and leaves the model's table of live objects when it is destroyed,
// so no reference cycle forms between the model and its objects. The employee object owns its model;
// objects that outlive it still answer their own rows, and the employee member of its objects answers
// E_POINTER once it is gone.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "host/objects/payroll/PayrollRow.h"
#include "hostapi/Collections.h"
#include "platform/com/ComPtr.h"
#include "hostapi/Payroll.h"
#include "hostapi/Session.h"

namespace tlx::host {

class PayrollModel : public std::enable_shared_from_this<PayrollModel> {
public:
    enum class Kind { Record, Payout, List, Element, Link, Contract, Absence, Entry, Type, Code, AbsenceType, PeriodType };

    // A model of a card in the database.
    PayrollModel(ISession* session, IPracownik* employee, LONG employeeId);
    // A model of objects built in memory (the payout builder's): nothing is read for it.
    explicit PayrollModel(ISession* session);

    ISession* Session() const { return session_.Get(); }
    LONG EmployeeId() const { return employeeId_; }
    // The employee object, or E_POINTER when it was released. A model that makes its employee when
    // asked (EmployeeWhenAsked) opens the card now, once, and holds it.
    ComPtr<IPracownik> Employee();
    void SetEmployee(IPracownik* employee) { employee_ = employee; }
    // An in-memory model holds its employee (the employee does not own it).
    void HoldEmployee(ComPtr<IPracownik> employee) {
        heldEmployee_ = std::move(employee);
        employee_ = heldEmployee_.Get();
    }
    // A model of one payout read by its identifier: its card is opened only when its employee is asked
    // for, so that reading the payout with its elements costs no read of the card.
    void EmployeeWhenAsked() { employeeWhenAsked_ = true; }
    // Drops every row read so far; objects already handed out keep theirs.
    void Reset();

    // Rows, in the order their collections answer them.
    const PayrollRows& Records();
    // Reads the card's records now, within the caller's read of the file; they are checked and answered
    // when first asked for (Records), as if read then. A failed read is left for that time.
    void ReadRecordsAhead();
    const PayrollRows& Payouts();  // payout columns joined with their list's
    PayrollRows ElementsOf(LONG payoutId);
    // The links of an element of the payout `payoutId`.
    PayrollRows LinksOf(LONG elementId, LONG payoutId);
    const PayrollRows& Contracts();
    const PayrollRows& Absences();
    const PayrollRows& Entries();
    // A row of a lookup table by its identifier, or null.
    std::shared_ptr<PayrollRow> LookupRow(Kind kind, LONG id);

    // Objects, one per row while held.
    ComPtr<IPracEtat> Record(const std::shared_ptr<PayrollRow>& row);
    ComPtr<IWyplata> Payout(const std::shared_ptr<PayrollRow>& row);
    ComPtr<IListaPlac> List(const std::shared_ptr<PayrollRow>& row);
    ComPtr<IWypElement> Element(const std::shared_ptr<PayrollRow>& row);
    // The same for a row whose identifier (WPE_WpeId) the caller has read.
    ComPtr<IWypElement> Element(const std::shared_ptr<PayrollRow>& row, LONG id);
    ComPtr<IWypElementLink> Link(const std::shared_ptr<PayrollRow>& row);
    ComPtr<IUmowa> Contract(const std::shared_ptr<PayrollRow>& row);
    ComPtr<INieobecnosc> Absence(const std::shared_ptr<PayrollRow>& row);
    ComPtr<IOkresPracownika> Entry(const std::shared_ptr<PayrollRow>& row);
    // A payout type as an element reaches it (`element` null: the type read alone).
    ComPtr<ITypWyplaty> Type(LONG id, const std::shared_ptr<PayrollRow>& element);
    ComPtr<IKodSwiadczenia> Code(LONG code);
    ComPtr<ITypNieobecnosci> AbsenceType(LONG id);
    ComPtr<ITypOkresu> PeriodType(LONG id);
    ComPtr<IPracKadry> AbsenceRegister();
    // The benefit code of an absence row: its own, else its type's.
    LONG AbsenceCode(const PayrollRow& absence);
    // The main card of this one (0 for a main card), and a card as an employee object of the session.
    LONG ParentId();
    ComPtr<IDispatch> Card(LONG id);
    ComPtr<IWyplata> PayoutById(LONG id);
    // A payout row (joined with its list's) already read by the caller, for PayoutById.
    void KeepPayout(std::shared_ptr<PayrollRow> row) { payoutsById_[row->Long(u"WPL_WplId")] = std::move(row); }
    // Its elements, read with it, for ElementsOf.
    void KeepElements(LONG payoutId, PayrollRows rows) { parts_[payoutId].elements = std::move(rows); }
    ComPtr<IWypElement> ElementById(LONG id);
    ComPtr<INieobecnosc> AbsenceById(LONG id);
    ComPtr<IPracEtat> RecordAt(DATE day);

    // The live-object table (see above).
    IDispatch* FindLive(Kind kind, LONG key) const;
    void AddLive(Kind kind, LONG key, IDispatch* object) { live_[{kind, key}] = object; }
    void Forget(Kind kind, LONG key) { live_.erase({kind, key}); }
    // Rows read by a statement on the company connection; ReadByKey: a statement with one whole number
    // as its parameter ?1 (ReadRowsByKey).
    PayrollRows Read(std::u16string_view sql);
    PayrollRows ReadByKey(std::string_view sql, LONG key);
    // Adds a row made in memory to the model's payouts, lists, elements (for the payout builder).
    void AddPayout(std::shared_ptr<PayrollRow> row) {
        if (!payouts_) payouts_.emplace();
        payouts_->push_back(std::move(row));
    }
    void AddElement(std::shared_ptr<PayrollRow> row);

private:
    template <class I, class Make>
    ComPtr<I> Live(Kind kind, LONG key, Make&& make);
    const PayrollRows& Loaded(std::optional<PayrollRows>& rows, std::u16string_view sql);
    void LoadElements();
    void LoadLinks();
    // Whether the payouts were read as a whole (the elements and links then are too).
    bool WalksEveryPayout() const { return payouts_.has_value() || elements_.has_value(); }
    // The elements and links of one payout read alone.
    struct PayoutParts {
        PayrollRows elements;
        std::multimap<LONG, std::shared_ptr<PayrollRow>> links;  // by element
        bool linksRead = false;
    };
    PayoutParts& PartsOf(LONG payoutId);

    ComPtr<ISession> session_;
    IPracownik* employee_ = nullptr;  // not held: the employee owns the model
    ComPtr<IPracownik> heldEmployee_;
    bool employeeWhenAsked_ = false;
    LONG employeeId_ = 0;
    bool inMemory_ = false;
    std::optional<PayrollRows> records_, payouts_, contracts_, absences_, entries_;
    std::optional<PayrollRows> recordsAhead_;  // read by ReadRecordsAhead, not checked yet
    std::optional<std::multimap<LONG, std::shared_ptr<PayrollRow>>> elements_, links_;  // by payout, by element
    std::map<LONG, std::shared_ptr<PayrollRow>> payoutsById_;  // payouts read one by one
    std::map<LONG, PayoutParts> parts_;                         // their elements and links
    std::map<Kind, std::map<LONG, std::shared_ptr<PayrollRow>>> lookups_;
    std::optional<LONG> parentId_;
    std::map<std::pair<Kind, LONG>, IDispatch*> live_;
};

// What a payroll object keeps of its model: the model alive, and its entry in the live-object table
// removed when the object goes.
class ModelLink {
public:
    ModelLink(std::shared_ptr<PayrollModel> model, PayrollModel::Kind kind, LONG key)
        : model_(std::move(model)), kind_(kind), key_(key) {}
    ~ModelLink() {
        if (model_) model_->Forget(kind_, key_);
    }
    ModelLink(const ModelLink&) = delete;
    ModelLink& operator=(const ModelLink&) = delete;
    PayrollModel& operator*() const { return *model_; }
    PayrollModel* operator->() const { return model_.get(); }
    const std::shared_ptr<PayrollModel>& Shared() const { return model_; }

private:
    std::shared_ptr<PayrollModel> model_;
    PayrollModel::Kind kind_;
    LONG key_;
};

}  // namespace tlx::host
