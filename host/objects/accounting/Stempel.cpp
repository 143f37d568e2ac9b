#include "host/objects/accounting/Stempel.h"

#include <ctime>

#include "host/Database.h"
#include "host/HostError.h"
#include "host/session/HostSession.h"
#include "platform/com/VariantConversion.h"

namespace tlx::host {

DATE HostNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::time_t asUtc = timegm(&local);
    return static_cast<double>(asUtc) / 86400.0 + 25569.0;
}

HRESULT CStempel::ReadNumber(const char16_t* column, LONG* out) {
    return Boundary([&] {
        Require(out);
        std::u16string name = prefix_ + column;
        *out = recordset_ && !AtEnd(recordset_.Get()) && FindField(recordset_.Get(), name) ? ReadLong(recordset_.Get(), name) : 0;
    });
}

HRESULT CStempel::ReadDate(const char16_t* column, DATE* out) {
    return Boundary([&] {
        Require(out);
        *out = 0;
        std::u16string name = prefix_ + column;
        if (!recordset_ || AtEnd(recordset_.Get()) || !FindField(recordset_.Get(), name)) return;
        Variant value = ReadField(recordset_.Get(), name);
        if (value.vt == VT_NULL || value.vt == VT_EMPTY) return;
        Variant date;
        Check(VariantChangeType(&date, &value, 0, VT_DATE));
        *out = date.date;
    });
}

HRESULT CStempel::get_OpeZalID(LONG* id) { return ReadNumber(u"OpeZalID", id); }
HRESULT CStempel::get_TS_Zal(DATE* when) { return ReadDate(u"TS_Zal", when); }
HRESULT CStempel::get_OpeModID(LONG* id) { return ReadNumber(u"OpeModID", id); }
HRESULT CStempel::get_TS_Mod(DATE* when) { return ReadDate(u"TS_Mod", when); }

HRESULT CStempel::Initialize(ISession* session, LONG* state) {
    if (!session || !state) return E_POINTER;
    // Only the operator's login is needed: the stamp does not keep its session, which then goes with
    // the objects that own the stamp.
    login_.Reset();
    if (ComPtr<ISession2> session2 = ComPtr<ISession>(session).As<ISession2>()) session2->get_Login(login_.Out());
    *state = hostStateBusinessObject;
    return S_OK;
}

HRESULT CStempel::BindRecordset(Recordset* recordset, LONG, BSTR prefix) {
    if (!recordset) return E_POINTER;
    recordset_ = ComPtr<Recordset>(recordset);
    prefix_ = std::u16string(prefix ? prefix : u"", SysStringLen(prefix));
    return S_OK;
}

HRESULT CStempel::GetRecordset(Recordset** recordset) { return recordset_.CopyTo(recordset); }

HRESULT CStempel::InitializeParent(IDispatch*) { return S_OK; }  // the stamp follows the recordset alone

HRESULT CStempel::get_ROSaveMode(LONG* mode) {
    if (!mode) return E_POINTER;
    *mode = roSaveMode_;
    return S_OK;
}

HRESULT CStempel::put_ROSaveMode(LONG mode) {
    roSaveMode_ = mode;
    return S_OK;
}

void CStempel::Stamp() {
    Recordset* rows = Require(recordset_.Get());
    if (AtEnd(rows)) return;
    LONG status = 0;
    Check(rows->get_Status(&status));
    if (status & (adRecDeleted | adRecDBDeleted)) return;
    LONG operatorId = 0;
    if (login_) {
        ComPtr<IOperatorObject> op;
        if (SUCCEEDED(login_->GetOperatorObject(op.Out())) && op) op->get_ID(&operatorId);
    }
    Variant now = Variant::FromDate(HostNow());
    Variant who = Variant::FromLong(operatorId);
    EditModeEnum editMode = adEditNone;
    Check(rows->get_EditMode(&editMode));
    auto put = [&](const char16_t* column, const Variant& value) {
        std::u16string name = prefix_ + column;
        if (FindField(rows, name)) WriteField(rows, name, value);
    };
    if (editMode == adEditAdd) {
        put(u"OpeZalID", who);
        put(u"TS_Zal", now);
    }
    put(u"OpeModID", who);
    put(u"TS_Mod", now);
}

HRESULT CStempel::Save(LONG mode) {
    return Boundary([&] {
        if (mode == hostSavePrepare) Stamp();
    });
}

}  // namespace tlx::host
