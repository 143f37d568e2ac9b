#include <new>

#include "platform/com/Dispatch.h"
#include "platform/com/Locale.h"

namespace tlx {
namespace {

char16_t FoldChar(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c < 0xC0) return c;
    if (c <= 0xDE) return c == 0xD7 ? c : static_cast<char16_t>(c + 32);  // Latin-1, but the sign ×
    // Latin Extended-A: upper and lower case letters alternate, the upper one first.
    const bool upperEven = (c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
    const bool upperOdd = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if ((upperEven && c % 2 == 0) || (upperOdd && c % 2 == 1)) return static_cast<char16_t>(c + 1);
    return c;
}

constexpr UINT kNoArgument = static_cast<UINT>(-1);

}  // namespace

std::u16string FoldNameCase(std::u16string_view name) {
    std::u16string folded(name);
    for (char16_t& c : folded) c = FoldChar(c);
    return folded;
}

DispatchTable::DispatchTable(std::initializer_list<DispatchEntry> entries) : entries_(entries) { Index(); }

DispatchTable::DispatchTable(const DispatchTable& base, std::initializer_list<DispatchEntry> own)
    : entries_(base.entries_) {
    entries_.insert(entries_.end(), own.begin(), own.end());
    Index();
}

void DispatchTable::Index() {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        idsByName_.emplace(FoldNameCase(entries_[i].name), entries_[i].id);
        entriesById_[entries_[i].id].push_back(i);
    }
}

DISPID DispatchTable::IdOfName(std::u16string_view name) const {
    auto found = idsByName_.find(FoldNameCase(name));
    return found == idsByName_.end() ? DISPID_UNKNOWN : found->second;
}

bool DispatchTable::HasMember(DISPID id) const { return entriesById_.count(id) > 0; }

HRESULT DispatchTable::GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const {
    if (count > 0 && (!names || !ids)) return E_INVALIDARG;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = names[i] ? IdOfName(names[i]) : DISPID_UNKNOWN;
        if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

const DispatchEntry* DispatchTable::Choose(DISPID id, WORD flags) const {
    auto byId = entriesById_.find(id);
    if (byId == entriesById_.end()) return nullptr;
    auto find = [&](DispKind kind) -> const DispatchEntry* {
        for (std::size_t i : byId->second)
            if (entries_[i].kind == kind) return &entries_[i];
        return nullptr;
    };
    const DispatchEntry* entry = nullptr;
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        // A put may land on a putref member and the other way round when the interface has only one.
        if (flags & DISPATCH_PROPERTYPUTREF) entry = find(DispKind::PutRef);
        if (!entry && (flags & DISPATCH_PROPERTYPUT)) entry = find(DispKind::Put);
        if (!entry) entry = find(flags & DISPATCH_PROPERTYPUT ? DispKind::PutRef : DispKind::Put);
        return entry;
    }
    if (flags & DISPATCH_METHOD) entry = find(DispKind::Method);
    if (!entry && (flags & DISPATCH_PROPERTYGET)) entry = find(DispKind::Get);
    return entry;
}

HRESULT DispatchTable::Invoke(IDispatch* self, DISPID id, LCID lcid, WORD flags, DISPPARAMS* params,
                              VARIANT* result, EXCEPINFO* exception, UINT* argError) const {
    if (!params) return E_INVALIDARG;
    if (params->cArgs > 0 && !params->rgvarg) return E_INVALIDARG;
    if (!HasMember(id)) return DISP_E_MEMBERNOTFOUND;
    const DispatchEntry* entry = Choose(id, flags);
    if (!entry) return DISP_E_MEMBERNOTFOUND;
    const bool put = entry->kind == DispKind::Put || entry->kind == DispKind::PutRef;

    // Only a put names an argument: its value, as DISPID_PROPERTYPUT.
    if (params->cNamedArgs > 0) {
        if (!put || params->cNamedArgs > 1 || !params->rgdispidNamedArgs ||
            params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_NONAMEDARGS;
    }
    const UINT given = params->cArgs;
    if (given < entry->required || given > entry->arguments || (put && given == 0)) return DISP_E_BADPARAMCOUNT;

    if (result) VariantInit(result);
    SetErrorInfo(0, nullptr);  // a failure must not report an error object left over from earlier
    try {
        // The arguments arrive last one first; a put's value is always the first of them.
        std::vector<VARIANT*> args(entry->arguments, nullptr);
        std::vector<UINT> position(entry->arguments, 0);
        const UINT indexes = put ? given - 1 : given;
        for (UINT i = 0; i < indexes; ++i) {
            args[i] = &params->rgvarg[given - 1 - i];
            position[i] = given - 1 - i;
        }
        if (put) {
            args[entry->arguments - 1] = &params->rgvarg[0];
            position[entry->arguments - 1] = 0;
        }
        UINT badArg = kNoArgument;
        const HRESULT hr = entry->invoke(self, lcid, args.data(), result, &badArg);
        if (badArg != kNoArgument) {
            if (argError) *argError = position[badArg];
            return hr;
        }
        return SUCCEEDED(hr) ? hr : FillExcepInfo(exception, hr);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT DispatchTable::GetMemberKinds(DISPID id, WORD* kinds, UINT* arguments, UINT* required) const {
    WORD found = 0;
    UINT most = 0, least = 0;
    bool any = false;
    auto byId = entriesById_.find(id);
    if (byId == entriesById_.end()) return DISP_E_MEMBERNOTFOUND;
    for (std::size_t i : byId->second) {
        const DispatchEntry& e = entries_[i];
        found |= static_cast<WORD>(e.kind);
        const bool put = e.kind == DispKind::Put || e.kind == DispKind::PutRef;
        const UINT count = put ? e.arguments - 1 : e.arguments;
        const UINT needed = put ? e.required - 1 : e.required;
        if (!any || count > most) most = count;
        if (!any || needed < least) least = needed;
        any = true;
    }
    if (!any) return DISP_E_MEMBERNOTFOUND;
    if (kinds) *kinds = found;
    if (arguments) *arguments = most;
    if (required) *required = least;
    return S_OK;
}

HRESULT FillExcepInfo(EXCEPINFO* exception, HRESULT hr) {
    if (!exception) return hr;
    *exception = EXCEPINFO{};
    const auto code = static_cast<std::uint32_t>(hr);
    if (code >= 0x80040200u && code <= 0x8004FFFFu) exception->wCode = static_cast<WORD>(code - 0x80040200u);
    exception->scode = hr;
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Out()) == S_OK && info) {
        info->GetSource(&exception->bstrSource);
        info->GetDescription(&exception->bstrDescription);
        info->GetHelpFile(&exception->bstrHelpFile);
        info->GetHelpContext(&exception->dwHelpContext);
    }
    return DISP_E_EXCEPTION;
}

namespace dispatch {

bool IsMissing(const VARIANT* source) {
    return !source || (source->vt == VT_ERROR && source->scode == DISP_E_PARAMNOTFOUND);
}

HRESULT ChangeArgument(Variant& holder, const VARIANT* source, LCID lcid, VARTYPE vt) {
    // A caller of a language we do not know gets the user's conventions.
    if (!FindLocale(lcid)) lcid = LOCALE_USER_DEFAULT;
    HRESULT hr = VariantChangeTypeEx(&holder, source, lcid, 0, vt);
    // A conversion failure is a type mismatch unless the value was only too large.
    return FAILED(hr) && hr != DISP_E_OVERFLOW && hr != E_OUTOFMEMORY ? DISP_E_TYPEMISMATCH : hr;
}

HRESULT QueryArgument(IUnknown* object, REFIID iid, void** out) {
    *out = nullptr;
    if (!object) return S_OK;
    return FAILED(object->QueryInterface(iid, out)) ? DISP_E_TYPEMISMATCH : S_OK;
}

}  // namespace dispatch
}  // namespace tlx
