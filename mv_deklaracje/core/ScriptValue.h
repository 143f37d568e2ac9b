// A value handed to a script as data: a small dispatch object whose one property "value" answers the
// value, so that script code receives texts, numbers, dates, booleans and null as script values and no
// value is ever pasted into script text.
#pragma once

#include "platform/com/ComObject.h"
#include "platform/com/Dispatch.h"

class CScriptValue final : public tlx::ComObject<CScriptValue, IDispatch, IDispatchMemberKinds> {
public:
    // The value as the script is to see it: empty (also a missing argument) as the empty text, as a
    // form's code has always received it, and the empty date as null.
    explicit CScriptValue(const VARIANT& value);

    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argError) override;
    HRESULT GetMemberKinds(DISPID id, WORD* kinds, UINT* arguments, UINT* required) override;

private:
    static constexpr DISPID kValueId = 1;
    tlx::Variant value_;
};
