#include "mv_deklaracje/kedu/KeduQuery.h"

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/VariantConversion.h"

namespace {

constexpr std::u16string_view kPageTextSql = u"select dks_tekst from tlx.deklstr where dks_dknid=";
constexpr std::u16string_view kPageOrder = u" order by dks_lp, dks_dksid";

template <class T>
T* Present(const tlx::ComPtr<T>& object) {
    if (!object) RaiseHResult(E_POINTER);
    return object.Get();
}

std::u16string FirstColumnText(Recordset* rows) {
    tlx::ComPtr<Fields> fields;
    CheckHost(rows->get_Fields(fields.Out()));
    tlx::ComPtr<Field> field;
    CheckHost(Present(fields)->get_Item(tlx::Variant::FromLong(0), field.Out()));
    tlx::Variant value;
    CheckHost(Present(field)->get_Value(value.Out()));
    if (value.vt == VT_BSTR) return std::u16string(CBstr(value).View());
    tlx::Variant text;
    CheckHost(VariantChangeType(text.Out(), &value, 0, VT_BSTR));
    return std::u16string(CBstr(text).View());
}

}  // namespace

KeduQuery::KeduQuery() {
    HRESULT hr = CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IidOf<Recordset>(), rows_.OutVoid());
    if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    Present(rows_);
    tlx::ComPtr<ILogin> login;
    CheckHost(CreateHostApplication()->GetLogin(login.Out()));
    CheckHost(Present(login)->CreateSession(session_.Out()));
    tlx::ComPtr<ISession2> access = Present(session_) ? session_.As<ISession2>() : nullptr;
    CheckHost(Present(access)->get_Connection(connection_.Out()));
    Present(connection_);
}

std::vector<std::u16string> KeduQuery::FirstColumn(std::u16string_view sql) {
    CheckHost(rows_->Open(tlx::Variant::FromString(sql), tlx::Variant::FromDispatch(connection_.Get()),
                          adOpenForwardOnly, adLockReadOnly, adCmdText));
    std::vector<std::u16string> values;
    for (;;) {
        VARIANT_BOOL eof = VARIANT_TRUE;
        CheckHost(rows_->get_EOF(&eof));
        if (eof) break;
        values.push_back(FirstColumnText(rows_.Get()));
        CheckHost(rows_->MoveNext());
    }
    CheckHost(rows_->Close());
    return values;
}

std::u16string KeduQuery::PageText(long declarationId) {
    std::u16string text;
    const std::u16string sql = std::u16string(kPageTextSql) + LongToString(declarationId).Str() + std::u16string(kPageOrder);
    for (const std::u16string& page : FirstColumn(sql)) text += page;
    return text;
}
