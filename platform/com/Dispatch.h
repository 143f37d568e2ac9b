// Table-driven IDispatch for dual interfaces.
//
// Each dual interface has one table of {name, DISPID, kind, member pointer}; the table's generic
// GetIDsOfNames (names compared without regard to letter case) and Invoke serve every object that
// implements the interface. Invoke converts the arguments into the types of the member's C++ signature
// and the member's [out, retval] value back into the result VARIANT.
//
//   // next to the interface, once:
//   const tlx::DispatchTable& DispatchTableOf(IFoo*) {
//       static const tlx::DispatchTable table{
//           tlx::DispMethod<&IFoo::Run>(u"Run", 1),
//           tlx::DispMethod<&IFoo::Find>(u"Find", 2, 1),      // the second argument is optional
//           tlx::DispGet<&IFoo::get_Name>(u"Name", 3),
//           tlx::DispPut<&IFoo::put_Name>(u"Name", 3),
//           tlx::DispGet<&IFoo::get_Data, VT_DATE>(u"Data", 4),  // doubles of this member are dates
//       };
//       return table;
//   }
//   // each class:
//   class CFoo final : public tlx::ComObject<CFoo, tlx::Dispatch<IFoo>> { ... IFoo's members ... };
//
// Signatures: in-arguments are VARIANT (given as passed, by-reference values resolved; a missing optional
// one arrives as VT_ERROR/DISP_E_PARAMNOTFOUND), BSTR, LONG and other 32-bit integers or enumerations,
// LONGLONG, double (VT_R8, or VT_DATE when the entry says so), CY, VARIANT_BOOL (16-bit integers are
// booleans), IDispatch*, IUnknown* and any other interface pointer (asked for by QueryInterface). A last
// parameter that is a pointer to one of these (BSTR*, LONG*, VARIANT*, IFoo** ...) is the [out, retval]
// value. A missing optional argument that is not a VARIANT arrives as 0, a null BSTR or a null pointer.
//
// Calls: DISPATCH_METHOD reaches a method, otherwise a get when DISPATCH_PROPERTYGET is set too
// (scripts ask with both); a put or putref (either, when the interface has only one of them) takes its
// value from rgvarg[0], named DISPID_PROPERTYPUT or not. DispatchTableOf(IFoo*) must be declared where a
// class derives Dispatch<IFoo>; it is found by argument-dependent lookup.
//
// A class with members of its own beyond the table (fields known only at run time) overrides
// GetIDsOfNames, Invoke and GetMemberKinds, answers its own identifiers and hands the rest to
// Dispatch<I>'s versions; FillExcepInfo reports its own failures the same way.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/Variant.h"
#include "platform/com/VariantConversion.h"

// What a dispatch member answers to, for callers that must tell a property from a method before calling
// (the script bridge).
struct IDispatchMemberKinds : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{FFD06FED-A8C8-49B3-8D47-066E2CD0AF20}");
    using Base = IUnknown;
    // `kinds`: the DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT and DISPATCH_PROPERTYPUTREF
    // flags the member answers; `arguments`: how many arguments its method or property get takes at most
    // (a put takes one more, the value); `required`: how many of those must be given.
    // DISP_E_MEMBERNOTFOUND for an identifier that names no member.
    virtual HRESULT GetMemberKinds(DISPID id, WORD* kinds, UINT* arguments, UINT* required) = 0;

protected:
    ~IDispatchMemberKinds() = default;
};

inline constexpr IID IID_IDispatchMemberKinds = IDispatchMemberKinds::kIid;

namespace tlx {

enum class DispKind : WORD {
    Method = DISPATCH_METHOD,
    Get = DISPATCH_PROPERTYGET,
    Put = DISPATCH_PROPERTYPUT,
    PutRef = DISPATCH_PROPERTYPUTREF,
};

// Calls one member: `args` holds `arguments` pointers in the member's parameter order, null for an
// optional argument left out. A conversion failure answers its HRESULT and sets `badArg` to the
// parameter's position; otherwise `badArg` is left alone and the member's HRESULT is answered.
using DispatchThunk = HRESULT (*)(IDispatch* self, LCID lcid, VARIANT* const* args, VARIANT* result,
                                  UINT* badArg);

struct DispatchEntry {
    const char16_t* name;
    DISPID id;
    DispKind kind;
    UINT arguments;  // in-arguments, a put's value included
    UINT required;
    DispatchThunk invoke;
};

class DispatchTable {
public:
    DispatchTable(std::initializer_list<DispatchEntry> entries);
    // The members of `base` (an interface this one extends) followed by this interface's own.
    DispatchTable(const DispatchTable& base, std::initializer_list<DispatchEntry> own);

    // Every name is looked up as a member name; an unknown one leaves DISPID_UNKNOWN in its slot and
    // makes the answer DISP_E_UNKNOWNNAME, while the others are still resolved.
    HRESULT GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const;
    HRESULT Invoke(IDispatch* self, DISPID id, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argError) const;
    HRESULT GetMemberKinds(DISPID id, WORD* kinds, UINT* arguments, UINT* required) const;
    // DISPID_UNKNOWN when no member has the name.
    DISPID IdOfName(std::u16string_view name) const;
    bool HasMember(DISPID id) const;
    // Every member, in the order given (for checks over whole tables).
    const std::vector<DispatchEntry>& Entries() const { return entries_; }

private:
    void Index();
    const DispatchEntry* Choose(DISPID id, WORD flags) const;
    std::vector<DispatchEntry> entries_;
    std::unordered_map<std::u16string, DISPID> idsByName_;  // folded names
    std::unordered_map<DISPID, std::vector<std::size_t>> entriesById_;
};

// Fills `exception` (when given) for a member that failed with `hr`, from the thread's error object:
// scode = hr, wCode = hr - 0x80040200 for the interface codes 0x80040200..0x8004FFFF (else 0), source
// and description from the error object (null without one). Answers DISP_E_EXCEPTION when `exception`
// was given, else `hr`.
HRESULT FillExcepInfo(EXCEPINFO* exception, HRESULT hr);

// Names compared without regard to case: letters of the ASCII, Latin-1 and Latin Extended-A ranges
// (the Polish letters among them) folded to lower case.
std::u16string FoldNameCase(std::u16string_view name);

namespace dispatch {

template <class M>
struct MemberTraits;
template <class C, class... A>
struct MemberTraits<HRESULT (C::*)(A...)> {
    using Class = C;
    using Args = std::tuple<A...>;
    static constexpr std::size_t kCount = sizeof...(A);
};

template <class T>
constexpr bool kIsInterfacePointer =
    std::is_pointer_v<T> && std::is_class_v<std::remove_pointer_t<T>> &&
    std::is_base_of_v<IUnknown, std::remove_pointer_t<T>>;

// A last parameter that points at a writable value is the [out, retval] one; BSTR and interface
// pointers are in-arguments.
template <class T>
constexpr bool kIsRetval = std::is_pointer_v<T> && !std::is_same_v<T, BSTR> && !kIsInterfacePointer<T> &&
                           !std::is_const_v<std::remove_pointer_t<T>>;

template <class M>
constexpr bool HasRetval() {
    using Tr = MemberTraits<M>;
    if constexpr (Tr::kCount == 0)
        return false;
    else
        return kIsRetval<std::tuple_element_t<Tr::kCount - 1, typename Tr::Args>>;
}

HRESULT ChangeArgument(Variant& holder, const VARIANT* source, LCID lcid, VARTYPE vt);
bool IsMissing(const VARIANT* source);
HRESULT QueryArgument(IUnknown* object, REFIID iid, void** out);

// Holds one converted in-argument for the duration of the call.
template <class T, VARTYPE Doubles, class = void>
struct InArg;

template <VARTYPE D>
struct InArg<VARIANT, D> {
    Variant value;
    HRESULT From(const VARIANT* source, LCID) {
        if (!source) {
            value = Variant::Missing();
            return S_OK;
        }
        return VariantCopyInd(&value, source);
    }
    VARIANT Get() { return value; }  // the member borrows it, as an [in] VARIANT
};

template <VARTYPE D>
struct InArg<VARIANT*, D> : InArg<VARIANT, D> {
    VARIANT* Get() { return &this->value; }
};

template <VARTYPE D>
struct InArg<const VARIANT*, D> : InArg<VARIANT*, D> {};

// A text argument is lent to the member as the caller passed it, as an [in] BSTR is; anything else is
// converted into a text of its own.
template <VARTYPE D>
struct InArg<BSTR, D> {
    Variant value;
    BSTR lent = nullptr;
    HRESULT From(const VARIANT* source, LCID lcid) {
        if (IsMissing(source)) return S_OK;
        if (source->vt == VT_BSTR) {
            lent = source->bstrVal;
            return S_OK;
        }
        return ChangeArgument(value, source, lcid, VT_BSTR);
    }
    BSTR Get() { return lent ? lent : value.vt == VT_BSTR ? value.bstrVal : nullptr; }
};

template <class T, VARTYPE D>
struct InArg<T, D, std::enable_if_t<std::is_arithmetic_v<T> || std::is_enum_v<T>>> {
    T value{};
    HRESULT From(const VARIANT* source, LCID lcid) {
        if (IsMissing(source)) return S_OK;
        Variant converted;
        if constexpr (std::is_same_v<T, VARIANT_BOOL>) {
            HRESULT hr = ChangeArgument(converted, source, lcid, VT_BOOL);
            value = converted.boolVal;
            return hr;
        } else if constexpr (std::is_floating_point_v<T>) {
            HRESULT hr = ChangeArgument(converted, source, lcid, D);
            value = static_cast<T>(D == VT_DATE ? converted.date : converted.dblVal);
            return hr;
        } else if constexpr (std::is_enum_v<T> || (sizeof(T) <= 4 && std::is_signed_v<T>)) {
            HRESULT hr = ChangeArgument(converted, source, lcid, VT_I4);
            value = static_cast<T>(converted.lVal);
            return hr;
        } else {
            HRESULT hr = ChangeArgument(converted, source, lcid, VT_I8);
            if (FAILED(hr)) return hr;
            if (converted.llVal < static_cast<LONGLONG>(std::numeric_limits<T>::min())) return DISP_E_OVERFLOW;
            if constexpr (sizeof(T) < 8 || std::is_signed_v<T>)
                if (converted.llVal > static_cast<LONGLONG>(std::numeric_limits<T>::max())) return DISP_E_OVERFLOW;
            value = static_cast<T>(converted.llVal);
            return S_OK;
        }
    }
    T Get() { return value; }
};

template <VARTYPE D>
struct InArg<CY, D> {
    CY value{0};
    HRESULT From(const VARIANT* source, LCID lcid) {
        if (IsMissing(source)) return S_OK;
        Variant converted;
        HRESULT hr = ChangeArgument(converted, source, lcid, VT_CY);
        value = converted.cyVal;
        return hr;
    }
    CY Get() { return value; }
};

template <class T, VARTYPE D>
struct InArg<T, D, std::enable_if_t<kIsInterfacePointer<T>>> {
    using I = std::remove_pointer_t<T>;
    ComPtr<I> value;
    HRESULT From(const VARIANT* source, LCID lcid) {
        if (IsMissing(source)) return S_OK;
        Variant converted;
        if (HRESULT hr = ChangeArgument(converted, source, lcid, VT_UNKNOWN); FAILED(hr)) return hr;
        return QueryArgument(converted.punkVal, IidOf<I>(), value.OutVoid());
    }
    T Get() { return value.Get(); }
};

// Receives the [out, retval] value and hands it to the result VARIANT.
template <class T, VARTYPE Doubles, class = void>
struct OutArg;

template <VARTYPE D>
struct OutArg<VARIANT*, D> {
    Variant value;
    VARIANT* Ptr() { return &value; }
    void Into(VARIANT* result) { *result = value.Detach(); }
};

template <VARTYPE D>
struct OutArg<BSTR*, D> {
    Bstr value;
    BSTR* Ptr() { return value.Out(); }
    void Into(VARIANT* result) {
        result->vt = VT_BSTR;
        result->bstrVal = value.Detach();
    }
};

template <class T, VARTYPE D>
struct OutArg<T*, D, std::enable_if_t<std::is_arithmetic_v<T> || std::is_enum_v<T>>> {
    T value{};
    T* Ptr() { return &value; }
    void Into(VARIANT* result) {
        if constexpr (std::is_same_v<T, VARIANT_BOOL>) {
            result->vt = VT_BOOL;
            result->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
        } else if constexpr (std::is_floating_point_v<T>) {
            result->vt = D;
            result->dblVal = static_cast<double>(value);
        } else if constexpr (std::is_enum_v<T> || (sizeof(T) <= 4 && std::is_signed_v<T>) || sizeof(T) < 4) {
            result->vt = VT_I4;
            result->lVal = static_cast<LONG>(value);
        } else {
            result->vt = VT_I8;
            result->llVal = static_cast<LONGLONG>(value);
        }
    }
};

template <VARTYPE D>
struct OutArg<CY*, D> {
    CY value{0};
    CY* Ptr() { return &value; }
    void Into(VARIANT* result) {
        result->vt = VT_CY;
        result->cyVal = value;
    }
};

// An object comes back as VT_DISPATCH when its interface is a dispatch interface, else as VT_UNKNOWN.
template <class I, VARTYPE D>
struct OutArg<I**, D, std::enable_if_t<std::is_base_of_v<IUnknown, I>>> {
    ComPtr<I> value;
    I** Ptr() { return value.Out(); }
    void Into(VARIANT* result) {
        if constexpr (std::is_base_of_v<IDispatch, I>) {
            result->vt = VT_DISPATCH;
            result->pdispVal = value.Detach();
        } else {
            result->vt = VT_UNKNOWN;
            result->punkVal = value.Detach();
        }
    }
};

template <auto Member, VARTYPE D, bool Retval, std::size_t... N>
HRESULT Call(IDispatch* self, LCID lcid, VARIANT* const* args, VARIANT* result, UINT* badArg,
             std::index_sequence<N...>) {
    using Tr = MemberTraits<decltype(Member)>;
    std::tuple<InArg<std::tuple_element_t<N, typename Tr::Args>, D>...> in;
    HRESULT hr = S_OK;
    auto convert = [&](auto& holder, std::size_t index) {
        if (FAILED(hr)) return;
        hr = holder.From(args[index], lcid);
        if (FAILED(hr)) *badArg = static_cast<UINT>(index);
    };
    (convert(std::get<N>(in), N), ...);
    (void)convert;  // a member without in-arguments converts nothing
    if (FAILED(hr)) return hr;
    auto* object = static_cast<typename Tr::Class*>(self);
    if constexpr (Retval) {
        OutArg<std::tuple_element_t<Tr::kCount - 1, typename Tr::Args>, D> out;
        hr = (object->*Member)(std::get<N>(in).Get()..., out.Ptr());
        if (SUCCEEDED(hr) && result) out.Into(result);
        return hr;
    } else {
        return (object->*Member)(std::get<N>(in).Get()...);
    }
}

template <auto Member, VARTYPE D>
HRESULT Thunk(IDispatch* self, LCID lcid, VARIANT* const* args, VARIANT* result, UINT* badArg) {
    using Tr = MemberTraits<decltype(Member)>;
    constexpr bool retval = HasRetval<decltype(Member)>();
    return Call<Member, D, retval>(self, lcid, args, result, badArg,
                                   std::make_index_sequence<Tr::kCount - (retval ? 1 : 0)>{});
}

template <auto Member, VARTYPE D>
constexpr DispatchEntry MakeEntry(const char16_t* name, DISPID id, DispKind kind, int required) {
    using Tr = MemberTraits<decltype(Member)>;
    constexpr UINT arguments = static_cast<UINT>(Tr::kCount - (HasRetval<decltype(Member)>() ? 1 : 0));
    return DispatchEntry{name, id, kind, arguments,
                         required < 0 ? arguments : static_cast<UINT>(required), &Thunk<Member, D>};
}

}  // namespace dispatch

// `required`: how many leading arguments must be given (all of them when left at -1). `Doubles`: the
// VARIANT type of the member's double arguments and result (VT_R8 or VT_DATE).
template <auto Member, VARTYPE Doubles = VT_R8>
constexpr DispatchEntry DispMethod(const char16_t* name, DISPID id, int required = -1) {
    return dispatch::MakeEntry<Member, Doubles>(name, id, DispKind::Method, required);
}

template <auto Member, VARTYPE Doubles = VT_R8>
constexpr DispatchEntry DispGet(const char16_t* name, DISPID id, int required = -1) {
    static_assert(dispatch::HasRetval<decltype(Member)>(), "a property get ends with its [out, retval] pointer");
    return dispatch::MakeEntry<Member, Doubles>(name, id, DispKind::Get, required);
}

// The value is the member's last parameter; leading parameters are the property's indexes.
template <auto Member, VARTYPE Doubles = VT_R8>
constexpr DispatchEntry DispPut(const char16_t* name, DISPID id, int requiredIndexes = -1) {
    static_assert(!dispatch::HasRetval<decltype(Member)>(), "a property put takes its value last");
    DispatchEntry entry = dispatch::MakeEntry<Member, Doubles>(name, id, DispKind::Put, -1);
    if (requiredIndexes >= 0) entry.required = static_cast<UINT>(requiredIndexes) + 1;
    return entry;
}

template <auto Member, VARTYPE Doubles = VT_R8>
constexpr DispatchEntry DispPutRef(const char16_t* name, DISPID id, int requiredIndexes = -1) {
    DispatchEntry entry = DispPut<Member, Doubles>(name, id, requiredIndexes);
    entry.kind = DispKind::PutRef;
    return entry;
}

// The IDispatch half of a dual interface I, served from DispatchTableOf(I*), plus IDispatchMemberKinds.
// Put it in the object's interface list in place of I: ComObject<CFoo, Dispatch<IFoo>, IOther>.
template <class I>
class Dispatch : public I, public IDispatchMemberKinds {
public:
    HRESULT GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
        return Table().GetIDsOfNames(names, count, ids);
    }
    HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argError) override {
        if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
        return Table().Invoke(static_cast<I*>(this), id, lcid, flags, params, result, exception, argError);
    }
    HRESULT GetMemberKinds(DISPID id, WORD* kinds, UINT* arguments, UINT* required) override {
        return Table().GetMemberKinds(id, kinds, arguments, required);
    }

    // Answers QueryInterface for this entry of the object's interface list (see ComObject).
    void* FindOwnInterface(REFIID iid) {
        if (iid == IID_IDispatchMemberKinds) return static_cast<IDispatchMemberKinds*>(this);
        if (tlx::detail::ChainHas<I>(iid)) return static_cast<I*>(this);
        return nullptr;
    }

protected:
    static const DispatchTable& Table() { return DispatchTableOf(static_cast<I*>(nullptr)); }
};

}  // namespace tlx
