// Cloning a declaration from a stored one, the declaration's text kept in pages of 4096 characters,
// the removal of its employee and its payment.
#include <algorithm>
#include <vector>

#include "hostapi/Errors.h"
#include "hostapi/Accounting.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/deklaracje/Deklaracja.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/RecordsetValues.h"

namespace {

constexpr unsigned kPageLength = 4096;

bool IsEmptyRecordset(Recordset* rows) {
    VARIANT_BOOL bof = VARIANT_FALSE, eof = VARIANT_FALSE;
    CheckHost(rows->get_BOF(&bof));
    CheckHost(rows->get_EOF(&eof));
    return bof && eof;
}

// The length of the page that starts at `position`: 4096 characters, one fewer when the last of them
// would be the first half of a surrogate pair, so that no page ends inside a character.
std::size_t PieceLength(std::u16string_view text, std::size_t position) {
    std::size_t length = std::min<std::size_t>(kPageLength, text.size() - position);
    char16_t last = text[position + length - 1];
    if (length > 1 && position + length < text.size() && last >= 0xD800 && last <= 0xDBFF) --length;
    return length;
}

}  // namespace

// The pattern's header columns that hold a value, its identifier left out; a column the pattern leaves
// NULL keeps the new row's default.
void CDeklaracja::CopyHeaderFrom(Recordset* pattern) {
    tlx::ComPtr<Fields> fields;
    CheckHost(pattern->get_Fields(fields.Out()));
    if (!fields) RaiseHResult(E_POINTER);
    LONG count = 0;
    CheckHost(fields->get_Count(&count));
    CBstr identifier = BuildFieldName(ColumnPrefix(), u"DknId").ToLower();
    for (LONG i = 0; i < count; ++i) {
        tlx::ComPtr<Field> field;
        CheckHost(fields->get_Item(tlx::Variant::FromLong(i), field.Out()));
        tlx::Bstr name;
        CheckHost(field->get_Name(name.Out()));
        if (CBstr(name.View()).ToLower() == identifier) continue;
        tlx::Variant value;
        CheckHost(field->get_Value(value.Out()));
        if (value.vt <= VT_NULL) continue;
        WriteRecordsetValue(BoundRecordset().Get(), CBstr(name.View()).c_str(), value);
    }
}

// The clone takes the pattern's row as it stands and the pattern's stored values as they are stored
// (read in a session of its own, so no unsaved change of another object is seen). It keeps no number,
// no posting links, no e-declaration state and no lock; the save numbers it anew.
void CDeklaracja::CloneFrom(Recordset* pattern) {
    if (!pattern) RaiseHResult(E_POINTER);
    LONG patternId = VariantToLong(ReadRecordsetValue(pattern, u"DkN_DkNID"));
    if (patternId == 0) RaiseComError(HOST_E_CLONEUNSAVED, GetHostErrorText(HOST_E_CLONEUNSAVED, CBstr(u"")).View());

    CopyHeaderFrom(pattern);
    for (const OLECHAR* column : {u"DekID", u"PreDekID", u"ImportRowID"}) SetFieldValue(column, tlx::Variant::Null());
    ClearEDeklarationColumns();
    WriteLong(u"Numer", 0);
    WriteLong(u"Zablokowana", 0);

    tlx::ComPtr<ISession2> session = GetSession().As<ISession2>();
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<ILogin> login;
    CheckHost(session->get_Login(login.Out()));
    if (!login) RaiseHResult(E_POINTER);
    tlx::ComPtr<ISession> patternSession;
    CheckHost(login->CreateSession(patternSession.Out()));
    tlx::ComPtr<ISession2> patternAccess = patternSession.As<ISession2>();
    if (!patternAccess) RaiseHResult(E_POINTER);
    tlx::ComPtr<Connection> connection;
    CheckHost(patternAccess->get_Connection(connection.Out()));
    if (!connection) RaiseHResult(E_POINTER);
    tlx::ComPtr<Recordset> stored;
    CBstr sql = CBstr(u"select * from TLX.deklelem where dke_dknid=") + LongToString(patternId);
    CheckHost(connection->Execute(tlx::Bstr(sql.View()).Get(), nullptr, adCmdText, stored.Out()));
    if (!stored) RaiseHResult(E_POINTER);

    if (!IsEmptyRecordset(stored.Get())) {
        tlx::ComPtr<IApplication> application = CreateHostApplication();
        tlx::ComPtr<IAdoCollection> elements = ChildCollection(Child::Elements).As<IAdoCollection>();
        if (!elements) RaiseHResult(E_POINTER);
        tlx::ComPtr<Recordset> own;
        CheckHost(elements->get_Recordset(own.Out()));
        if (!own) RaiseHResult(E_POINTER);
        CheckHost(stored->MoveFirst());
        for (VARIANT_BOOL eof = VARIANT_FALSE; CheckHost(stored->get_EOF(&eof)), !eof; CheckHost(stored->MoveNext())) {
            CheckHost(own->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing()));
            CheckHost(application->CopyRecord(stored.Get(), own.Get()));
            WriteRecordsetValue(own.Get(), u"DkE_DkNID", tlx::Variant::FromLong(0));
        }
    }
    FireFormEvent(CBstr(u"onclone"));
}

HRESULT CDeklaracja::InitializeClone(Recordset* pattern) {
    return ComBoundary([&] { CloneFrom(pattern); });
}

HRESULT CDeklaracja::InitializeClone(IDispatch* pattern) {
    return ComBoundary([&] {
        if (!pattern) RaiseHResult(E_POINTER);
        tlx::ComPtr<Recordset> rows = tlx::ComPtr<IDispatch>(pattern).As<Recordset>();
        if (!rows) RaiseHResult(E_INVALIDARG);
        CloneFrom(rows.Get());
    });
}

// The pages in the order of their numbers (pages added and not saved yet included).
namespace {
std::vector<tlx::ComPtr<IDekStrona>> PagesInOrder(IDispatch* pages) {
    std::vector<std::pair<LONG, tlx::ComPtr<IDekStrona>>> numbered;
    for (CCollectionEnumerator<IDekStrona> each(pages); auto page = each.Current(); each.MoveNext()) {
        LONG lp = 0;
        CheckHost(page->get_Lp(&lp));
        numbered.emplace_back(lp, page);
    }
    std::stable_sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<tlx::ComPtr<IDekStrona>> ordered;
    for (auto& [lp, page] : numbered) ordered.push_back(page);
    return ordered;
}
}  // namespace

CBstr CDeklaracja::ReadPageText() {
    tlx::ComPtr<IDispatch> pages(ChildCollection(Child::Pages));
    std::u16string text;
    for (const auto& page : PagesInOrder(pages.Get())) {
        tlx::Bstr piece;
        CheckHost(page->get_Tekst(piece.Out()));
        text += piece.View();
    }
    return CBstr(text);
}

// The text fills the existing pages in order; pages left over are removed, and missing ones added with
// the next numbers.
void CDeklaracja::WritePageText(std::u16string_view text) {
    tlx::ComPtr<ICollection> pages = ChildCollection(Child::Pages);
    std::size_t position = 0;
    LONG counter = 0;
    for (const auto& page : PagesInOrder(tlx::ComPtr<IDispatch>(pages).Get())) {
        if (position < text.size()) {
            std::size_t length = PieceLength(text, position);
            CheckHost(page->put_Tekst(tlx::Bstr(text.substr(position, length)).Get()));
            position += length;
        } else {
            CheckHost(pages->Delete(tlx::Variant::FromDispatch(tlx::ComPtr<IDispatch>(page).Get())));
        }
        ++counter;
    }
    while (position < text.size()) {
        tlx::ComPtr<IDispatch> item;
        CheckHost(pages->AddNew(tlx::Variant::Missing(), item.Out()));
        tlx::ComPtr<IDekStrona> page = item.As<IDekStrona>();
        if (!page) RaiseHResult(E_POINTER);
        CheckHost(page->put_Lp(counter++));
        std::size_t length = PieceLength(text, position);
        CheckHost(page->put_Tekst(tlx::Bstr(text.substr(position, length)).Get()));
        position += length;
    }
}

HRESULT CDeklaracja::get_Tekst(BSTR* text) {
    return ComBoundary([&] {
        RequireOut(text);
        *text = ReadPageText().Copy();
    });
}

HRESULT CDeklaracja::put_Tekst(BSTR text) {
    return ComBoundary([&] {
        if (!text) RaiseHResult(E_POINTER);
        WritePageText(std::u16string_view(text, SysStringLen(text)));
    });
}

HRESULT CDeklaracja::UsunPracownika() { return put_Pracownik(nullptr); }

// The payment of the declaration, made once (a DRA's is due on the date of its bank event). The PIT/B
// and PIT-28/B attachments have none.
tlx::ComPtr<IDispatch> CDeklaracja::Payment() {
    LONG type = ReadLong(u"TypDeklar");
    if (!payment_ && type != dekPITB && type != dekPIT28B) {
        tlx::ComPtr<IDispatch> created;
        tlx::Bstr paymentClass(tlx::GuidToText(CLSID_Platnosc));
        CheckHost(GetSession()->CreateObject(paymentClass.Get(), tlx::Variant::Missing(), created.Out()));
        tlx::ComPtr<IPlatnosc> payment = created.As<IPlatnosc>();
        if (payment) {
            if (type == dekZUS_DRA) CheckHost(payment->put_Termin(GetPaymentDate().Value()));
            CheckHost(GetSession()->GetReference(created.Get(), payment_.Out()));
            tlx::ComPtr<IDeklaracja2> self;
            CheckHost(QueryInterface(IidOf<IDeklaracja2>(), self.OutVoid()));
            CheckHost(payment->putref_Dokument(self.Get()));
        }
    }
    tlx::ComPtr<IDispatch> held;
    if (payment_) CheckHost(payment_->GetObject(held.Out()));
    return held;
}

tlx::ComPtr<IDispatch> CDeklaracja::PaymentFormOfFirstItem() {
    tlx::ComPtr<IDispatch> held = Payment();
    if (!held) return nullptr;
    tlx::ComPtr<IPlatnosc> payment;
    CheckHost(held->QueryInterface(IidOf<IPlatnosc>(), payment.OutVoid()));
    tlx::ComPtr<ICollection> items;
    CheckHost(payment->get_Pozycje(items.Out()));
    LONG count = 0;
    if (items) CheckHost(items->get_Count(&count));
    if (count < 1) return nullptr;
    tlx::ComPtr<IDispatch> first;
    CheckHost(items->Item(tlx::Variant::FromLong(0), first.Out()));
    tlx::ComPtr<IPlatnoscPozycja> item;
    CheckHost(first->QueryInterface(IidOf<IPlatnoscPozycja>(), item.OutVoid()));
    tlx::ComPtr<IDispatch> method;
    CheckHost(item->get_FormaPlatnosci(method.Out()));
    return method;
}

HRESULT CDeklaracja::get_PlatnoscDokumentu(IDispatch** payment) {
    return ComBoundary([&] {
        RequireOut(payment);
        *payment = nullptr;
        *payment = Payment().Detach();
    });
}
