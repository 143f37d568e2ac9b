#include "mv_deklaracje/kedu/KeduDeclaration.h"

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "platform/ado/Ado.h"
#include "platform/com/Bstr.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/VariantConversion.h"
#include "tlb/Classes.h"

namespace {

constexpr std::u16string_view kPageTextSql = u"select dks_tekst from tlx.deklstr where dks_dknid=";
constexpr std::u16string_view kPageOrder = u" order by dks_lp, dks_dksid";

template <class T>
T* Present(const tlx::ComPtr<T>& object) {
    if (!object) RaiseHResult(E_POINTER);
    return object.Get();
}

// The value of the recordset's first column as text; NULL is not text.
std::u16string FirstColumnText(Recordset* rows) {
    tlx::ComPtr<Fields> fields;
    CheckHost(rows->get_Fields(fields.Out()));
    tlx::ComPtr<Field> field;
    CheckHost(Present(fields)->get_Item(tlx::Variant::FromLong(0), field.Out()));
    tlx::Variant value;
    CheckHost(Present(field)->get_Value(value.Out()));
    tlx::Variant text;
    CheckHost(VariantChangeType(text.Out(), &value, 0, VT_BSTR));
    return std::u16string(CBstr(text).View());
}

}  // namespace

KeduDeclaration::KeduDeclaration(ISession* session, long id) : id_(id) {
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> created;
    CheckHost(session->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Deklaracje)).Get(), tlx::Variant::Missing(),
                                    created.Out()));
    tlx::ComPtr<ICollection> collection = Present(created) ? created.As<ICollection>() : nullptr;
    tlx::ComPtr<IDispatch> item;
    CheckHost(Present(collection)->Item(tlx::Variant::FromString(LongToString(id).View()), item.Out()));
    declaration_ = Present(item) ? item.As<IDeklaracja2>() : nullptr;
    Present(declaration_);
}

long KeduDeclaration::TypDeklar() const {
    LONG value = 0;
    CheckHost(declaration_->get_TypDeklar(&value));
    return value;
}

long KeduDeclaration::Wersja() const {
    LONG value = 0;
    CheckHost(declaration_->get_Wersja(&value));
    return value;
}

long KeduDeclaration::Rok() const {
    LONG value = 0;
    CheckHost(declaration_->get_Rok(&value));
    return value;
}

long KeduDeclaration::Miesiac() const {
    LONG value = 0;
    CheckHost(declaration_->get_Miesiac(&value));
    return value;
}

std::u16string KeduDeclaration::ReadPageText() const {
    // A session of its own: the query neither waits for nor disturbs the caller's session.
    tlx::ComPtr<ILogin> login;
    CheckHost(CreateHostApplication()->GetLogin(login.Out()));
    tlx::ComPtr<ISession> session;
    CheckHost(Present(login)->CreateSession(session.Out()));
    tlx::ComPtr<ISession2> access = Present(session) ? session.As<ISession2>() : nullptr;
    tlx::ComPtr<Connection> connection;
    CheckHost(Present(access)->get_Connection(connection.Out()));
    tlx::ComPtr<Recordset> rows;
    HRESULT hr = CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IidOf<Recordset>(), rows.OutVoid());
    if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    const std::u16string sql = std::u16string(kPageTextSql) + LongToString(id_).Str() + std::u16string(kPageOrder);
    CheckHost(Present(rows)->Open(tlx::Variant::FromString(sql), tlx::Variant::FromDispatch(Present(connection)),
                                  adOpenForwardOnly, adLockReadOnly, adCmdText));
    std::u16string text;
    for (;;) {
        VARIANT_BOOL eof = VARIANT_TRUE;
        CheckHost(rows->get_EOF(&eof));
        if (eof) break;
        text += FirstColumnText(rows.Get());
        CheckHost(rows->MoveNext());
    }
    CheckHost(rows->Close());
    return text;
}
