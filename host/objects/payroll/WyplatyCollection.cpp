#include "host/objects/payroll/WyplatyCollection.h"

#include "host/collections/ItemKey.h"
#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/PayrollModel.h"
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
        // Whoever asks for a payout by identifier walks its elements next: they are read with it, joined
        // to its row in one statement (one read of the file, ended when the statement ends).
        JoinedRows payout = SplitJoinedRows(
            lookup.ReadByKey("select * from TLX.Wyplaty left join TLX.ListyPlac on LPL_LplId = WPL_LplId left join "
                             "TLX.WypElementy on WPE_WplId = WPL_WplId where WPL_WplId = ?1 order by WPE_WpeId",
                             parsed.identifier),
            u"WPE_WpeId");
        if (payout.rows.empty()) Fail(HOST_E_NOROW, u"Nie znaleziono rekordu: " + parsed.text);
        const LONG card = payout.rows.front()->Long(u"WPL_PraId");
        // A model of the card for this payout alone: it keeps the payout's row and its elements and,
        // when asked, reads that payout's links, not the card's whole history, and opens the card
        // itself only when the payout's employee is asked for.
        auto model = std::make_shared<PayrollModel>(session_.Get(), nullptr, card);
        model->EmployeeWhenAsked();
        model->KeepPayout(payout.rows.front());
        model->KeepElements(parsed.identifier, std::move(payout.joined));
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
