// The declaration's members beside its engine: its answers as a document of the host (number texts,
// document definition, currency, address, state), the payment date of its bank event, and the reset
// of its children's and its own script state.
#include "hostapi/Errors.h"
#include "hostapi/Accounting.h"
#include "hostapi/Subjects.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/deklaracje/DeclarationWalk.h"
#include "mv_deklaracje/deklaracje/Deklaracja.h"
#include "mv_deklaracje/core/HostServices.h"

tlx::ComPtr<ISerwisDeklaracji> CDeklaracja::GetDeclarationService() {
    if (!dataService_) {
        tlx::ComPtr<IDispatch> created;
        tlx::Bstr serviceClass(tlx::GuidToText(CLSID_SerwisDeklaracji));
        CheckHost(GetSession()->CreateObject(serviceClass.Get(), tlx::Variant::Missing(), created.Out()));
        dataService_ = created.As<ISerwisDeklaracji>();
        if (!dataService_) RaiseHResult(E_POINTER);
    }
    return dataService_;
}

HRESULT CDeklaracja::get_DefinicjaDokumentu(IDispatch** definition) {
    return ComBoundary([&] {
        RequireOut(definition);
        *definition = nullptr;
        CheckHost(GetDeclarationService()->get_DefinicjaDokumentu(definition));
    });
}

HRESULT CDeklaracja::get_NumerPelny(BSTR* number) {
    return ComBoundary([&] {
        RequireOut(number);
        *number = nullptr;
        EnsureFormLoaded();
        tlx::Bstr symbol(definition_.Symbol().View());
        LONG period = RokMiesiac();
        CheckHost(GetDeclarationService()->NumerPelny(symbol.Get(), ReadLong(u"Numer"), period % 100, period / 100,
                                                      number));
    });
}

HRESULT CDeklaracja::get_NumerString(BSTR* number) {
    return ComBoundary([&] {
        RequireOut(number);
        *number = nullptr;
        EnsureFormLoaded();
        tlx::Bstr symbol(definition_.Symbol().View());
        LONG period = RokMiesiac();
        CheckHost(GetDeclarationService()->NumerString(symbol.Get(), period % 100, period / 100, number));
    });
}

HRESULT CDeklaracja::get_NumerNr(LONG* number) {
    return ComBoundary([&] { *RequireOut(number) = 0; });
}
HRESULT CDeklaracja::get_NumerObcy(BSTR* number) {
    return ComBoundary([&] { *RequireOut(number) = CBstr(u"").Copy(); });
}
HRESULT CDeklaracja::get_TypKursuWaluty(IDispatch** rateKind) {
    return ComBoundary([&] { *RequireOut(rateKind) = nullptr; });
}
HRESULT CDeklaracja::get_KursL(double* value) {
    return ComBoundary([&] { *RequireOut(value) = 1.0; });
}
HRESULT CDeklaracja::get_KursM(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = 1; });
}
HRESULT CDeklaracja::get_KwotaCalkowitaSys(CY* value) { return get_KwotaCalkowita(value); }
HRESULT CDeklaracja::get_Stan(LONG* value) { return GetLong(u"Zablokowana", value); }

// A declaration belongs to no category: the host's "missing record" without a text.
HRESULT CDeklaracja::get_Kategoria(IDispatch** category) {
    if (!category) return E_POINTER;
    *category = nullptr;
    return HOST_E_RECORDZERO;
}
HRESULT CDeklaracja::putref_Kategoria(IDispatch*) { return E_NOTIMPL; }
HRESULT CDeklaracja::get_PodatnikTyp(PodatnikTypEnum* kind) {
    if (kind) *kind = static_cast<PodatnikTypEnum>(0);
    return E_NOTIMPL;
}

// The company's own currency (identifier 1), found once.
HRESULT CDeklaracja::get_Waluta(IDispatch** currency) {
    return ComBoundary([&] {
        RequireOut(currency);
        *currency = nullptr;
        if (!currency_) {
            tlx::ComPtr<IDispatch> created;
            tlx::Bstr currencyClass(tlx::GuidToText(CLSID_Waluty));
            CheckHost(GetSession()->CreateObject(currencyClass.Get(), tlx::Variant::FromString(u"1"), created.Out()));
            if (!created) RaiseHResult(E_POINTER);
            CheckHost(GetSession()->GetReference(created.Get(), currency_.Out()));
        }
        CheckHost(currency_->GetObject(currency));
    });
}

HRESULT CDeklaracja::get_PodAdres(IDispatch** address) {
    return ComBoundary([&] {
        RequireOut(address);
        *address = nullptr;
        tlx::ComPtr<IDispatch> subject;
        CheckHost(get_Podmiot(subject.Out()));
        tlx::ComPtr<IPodmiot> podmiot = subject.As<IPodmiot>();
        if (!podmiot) RaiseHResult(E_POINTER);
        tlx::ComPtr<IPodAdres> found;
        CheckHost(podmiot->get_Adres(found.Out()));
        *address = tlx::ComPtr<IDispatch>(found).Detach();
    });
}

HRESULT CDeklaracja::put_Podmiot(IDispatch*) { return S_OK; }
HRESULT CDeklaracja::Write2Log(BSTR) { return S_OK; }

// The date of the declaration's bank event, read in a session of its own; none gives the empty date.
CDate CDeklaracja::GetPaymentDate() {
    tlx::ComPtr<ILogin> login;
    CheckHost(CreateHostApplication()->GetLogin(login.Out()));
    if (!login) RaiseHResult(E_POINTER);
    tlx::ComPtr<ISession> session;
    CheckHost(login->CreateSession(session.Out()));
    tlx::ComPtr<ISession2> access = session.As<ISession2>();
    if (!access) RaiseHResult(E_POINTER);
    tlx::ComPtr<Connection> connection;
    CheckHost(access->get_Connection(connection.Out()));
    if (!connection) RaiseHResult(E_POINTER);
    CBstr sql = CBstr(u"select BZd_DataDok from TLX.BnkZdarzenia where BZD_DokumentTyp = 6 and BZd_DokumentID =") +
                LongToString(ReadIdentifier());
    tlx::ComPtr<Recordset> rows;
    CheckHost(connection->Execute(tlx::Bstr(sql.View()).Get(), nullptr, adCmdText, rows.Out()));
    if (!rows) RaiseHResult(E_POINTER);
    VARIANT_BOOL eof = VARIANT_FALSE;
    CheckHost(rows->get_EOF(&eof));
    if (eof) return CDate();
    tlx::ComPtr<Fields> fields;
    CheckHost(rows->get_Fields(fields.Out()));
    tlx::ComPtr<Field> first;
    CheckHost(fields->get_Item(tlx::Variant::FromLong(0), first.Out()));
    tlx::Variant value;
    CheckHost(first->get_Value(value.Out()));
    return CDate(static_cast<const VARIANT&>(value));
}

// The child declarations reset their scripts and the collection is dropped, so that the next request
// reads it anew; the stored child declarations stay as they are. A declaration the reset has met
// already (parent links that form a cycle) is not entered again.
void CDeklaracja::ResetChildScripts() {
    CDeclarationWalk walk(DeclarationWalkKind::ResetScript, ReadIdentifier());
    if (!walk.Entered()) return;
    tlx::ComPtr<ICollection>& children = children_[static_cast<int>(Child::Declarations)];
    if (children) {
        tlx::ComPtr<IDispatch> collection(children);
        for (CCollectionEnumerator<IDeklaracja2> each(collection.Get()); auto child = each.Current(); each.MoveNext())
            CheckHost(child->ResetScript());
        children.Reset();
    }
    if (definition_.GetScriptEngine()) definition_.ResetScriptEngine();
}

HRESULT CDeklaracja::ResetScript() {
    return ComBoundary([&] { ResetChildScripts(); });
}
