#include "host/objects/payroll/WyplatyCollection.h"

#include "host/collections/ItemKey.h"
#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/PayrollModel.h"
#include "host/session/HostSession.h"
#include "hostapi/Errors.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

HRESULT CWyplatyCollection::Initialize(ISession* session, LONG* state) {
    if (!session || !state) return E_POINTER;
    session_ = ComPtr<ISession>(session);
    *state = hostStateBusinessObject;
    return S_OK;
}

HRESULT CWyplatyCollection::get__NewEnum(IUnknown** enumerator) {
    if (enumerator) *enumerator = nullptr;
    return SetErrorText(E_NOTIMPL, u"Wypłaty czyta się przez pracownika");
}

HRESULT CWyplatyCollection::Item(VARIANT key, IDispatch** item) {
    return AnswerObject(item, [&] {
        ItemKey parsed;
        Check(ParseItemKey(key, parsed));
        if (parsed.kind != ItemKey::Kind::Identifier) Fail(HOST_E_NOROW, u"Nie znaleziono rekordu: " + parsed.text);
        PayrollModel lookup(Require(session_.Get()));
        // Whoever asks for a payout by identifier walks its elements next: they are read with it, in one
        // read of the file, which ends when the payout is answered.
        ado::Statement together = HoldRead(HostSessionOf(session_.Get())->CompanyConnection());
        PayrollRows rows = lookup.ReadByKey("select * from TLX.Wyplaty left join TLX.ListyPlac on LPL_LplId = WPL_LplId "
                                            "where WPL_WplId = ?1", parsed.identifier);
        if (rows.empty()) Fail(HOST_E_NOROW, u"Nie znaleziono rekordu: " + parsed.text);
        const LONG card = rows.front()->Long(u"WPL_PraId");
        // A model of the card for this payout alone: it keeps the payout's row and, when asked, reads
        // that payout's elements and links, not the card's whole history, and opens the card itself
        // only when the payout's employee is asked for.
        auto model = std::make_shared<PayrollModel>(session_.Get(), nullptr, card);
        model->EmployeeWhenAsked();
        model->KeepPayout(rows.front());
        model->ElementsOf(parsed.identifier);
        return ComPtr<IDispatch>(model->PayoutById(parsed.identifier));
    });
}

HRESULT CWyplatyCollection::get_Count(LONG* count) {
    return Answer(count, [&] {
        PayrollModel lookup(Require(session_.Get()));
        PayrollRows rows = lookup.Read(u"select count(*) as n from TLX.Wyplaty");
        return rows.empty() ? 0 : rows.front()->Long(u"n");
    });
}

HRESULT CWyplatyCollection::AddNew(VARIANT, IDispatch** item) {
    if (item) *item = nullptr;
    return SetErrorText(E_NOTIMPL, u"Kolekcja danych płacowych jest tylko do odczytu");
}

HRESULT CWyplatyCollection::Delete(VARIANT) {
    return SetErrorText(E_NOTIMPL, u"Kolekcja danych płacowych jest tylko do odczytu");
}

HRESULT CWyplatyCollection::Resync(VARIANT) { return S_OK; }

}  // namespace tlx::host
