// VARIANT: the OLE Automation value of variable type, with the kinds the module passes around.
#pragma once

#include <utility>

#include "platform/com/Bstr.h"
#include "platform/com/Unknown.h"

enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_BYREF = 0x4000,
    VT_TYPEMASK = 0x0FFF,
};

// An OLE currency value: a 64-bit integer scaled by 10 000.
struct CY {
    LONGLONG int64;
};

struct tagVARIANT {
    VARTYPE vt;
    WORD wReserved1;
    WORD wReserved2;
    WORD wReserved3;
    union {
        LONGLONG llVal;
        ULONGLONG ullVal;
        LONG lVal;
        ULONG ulVal;
        BYTE bVal;
        signed char cVal;
        SHORT iVal;
        USHORT uiVal;
        int intVal;
        unsigned int uintVal;
        float fltVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        SCODE scode;
        CY cyVal;
        DATE date;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        LONG* plVal;
        SHORT* piVal;
        double* pdblVal;
        VARIANT_BOOL* pboolVal;
        SCODE* pscode;
        CY* pcyVal;
        DATE* pdate;
        BSTR* pbstrVal;
        IUnknown** ppunkVal;
        IDispatch** ppdispVal;
        VARIANT* pvarVal;
        void* byref;
    };
};

// A missing optional argument: VT_ERROR with this code.
inline constexpr SCODE DISP_E_PARAMNOTFOUND_SCODE = static_cast<SCODE>(0x80020004);

void VariantInit(VARIANT* value);
// Frees what the value owns (a BSTR, an interface reference) and leaves it VT_EMPTY.
HRESULT VariantClear(VARIANT* value);
// Deep copy: a BSTR is duplicated, an interface gains a reference; by-reference values are copied as
// references.
HRESULT VariantCopy(VARIANT* target, const VARIANT* source);
// As VariantCopy, but a by-reference source is copied as the value it points at.
HRESULT VariantCopyInd(VARIANT* target, const VARIANT* source);

namespace tlx {

// Owns one VARIANT; copying copies the value, destruction clears it.
class Variant : public VARIANT {
public:
    Variant() { VariantInit(this); }
    Variant(const Variant& other) : Variant() { Copy(other); }
    Variant(Variant&& other) noexcept : VARIANT(other) { VariantInit(&other); }
    explicit Variant(const VARIANT& other) : Variant() { Copy(other); }
    Variant& operator=(const Variant& other) {
        if (this != &other) Copy(other);
        return *this;
    }
    Variant& operator=(Variant&& other) noexcept {
        if (this != &other) {
            VariantClear(this);
            static_cast<VARIANT&>(*this) = other;
            VariantInit(&other);
        }
        return *this;
    }
    ~Variant() { VariantClear(this); }

    static Variant Null();
    static Variant FromLong(LONG value);
    static Variant FromDouble(double value);
    static Variant FromBool(bool value);
    static Variant FromString(std::u16string_view text);
    static Variant FromCurrency(CY value);
    static Variant FromDate(DATE value);
    static Variant FromDispatch(IDispatch* object);  // takes a new reference
    static Variant FromUnknown(IUnknown* object);    // takes a new reference
    static Variant Missing();                         // an optional argument left out

    void Clear() { VariantClear(this); }
    // For out-parameters: clears the current value and exposes the slot.
    VARIANT* Out() {
        VariantClear(this);
        return this;
    }
    VARIANT Detach() {
        VARIANT v = *this;
        VariantInit(this);
        return v;
    }

private:
    void Copy(const VARIANT& other);
};

}  // namespace tlx
