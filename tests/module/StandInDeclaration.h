// A stand-in for a declaration as its stored values see it: field definitions by number, and a count
// of the "onupdate" calls each field received. It lets the stored-value record be tested on real rows
// before and apart from the declaration's own form engine.
#pragma once

#include <map>
#include <string>

#include "mv_deklaracje_tlb.h"
#include "platform/com/ComObject.h"

namespace tlx::test {

struct StandInField {
    std::u16string name;
    DekElementTypEnum kind = detCurrency;
    std::u16string description;
    LONG required = 0;
};

class CStandInFieldInfo final : public ComObject<CStandInFieldInfo, IDekElementInfo> {
public:
    LONG number = 0;
    StandInField field;
    std::u16string bookmark;

    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT get_Nazwa(BSTR* v) override { return Text(field.name, v); }
    HRESULT get_Typ(DekElementTypEnum* v) override { return (*v = field.kind, S_OK); }
    HRESULT get_Lp(LONG* v) override { return (*v = number, S_OK); }
    HRESULT get_Lpw(LONG* v) override { return (*v = 0, S_OK); }
    HRESULT get_Lpw2(LONG* v) override { return (*v = 0, S_OK); }
    HRESULT get_Opis(BSTR* v) override { return Text(field.description, v); }
    HRESULT get_OnUpdate(BSTR* v) override { return Text(u"", v); }
    HRESULT get_Required(LONG* v) override { return (*v = field.required, S_OK); }
    HRESULT get_Default(BSTR* v) override { return Text(u"", v); }
    HRESULT get_OnGet(BSTR* v) override { return Text(u"", v); }
    HRESULT get_OnPut(BSTR* v) override { return Text(u"", v); }
    HRESULT get_Obliczane(LONG* v) override { return (*v = 0, S_OK); }
    HRESULT get_DispId(LONG* v) override { return (*v = 0, S_OK); }
    HRESULT get_Bookmark(BSTR* v) override { return Text(bookmark, v); }
    HRESULT put_Bookmark(BSTR v) override {
        bookmark = v ? std::u16string(v, SysStringLen(v)) : u"";
        return S_OK;
    }

private:
    static HRESULT Text(std::u16string_view text, BSTR* out) {
        *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return S_OK;
    }
};

class CStandInDeclaration final : public ComObject<CStandInDeclaration, IDispatch, IGetDekElementInfo> {
public:
    std::map<LONG, ComPtr<CStandInFieldInfo>> fields;
    std::map<LONG, int> updates;  // onupdate calls by field number

    void AddField(LONG number, StandInField field) {
        auto info = CStandInFieldInfo::Make();
        info->number = number;
        info->field = std::move(field);
        fields[number] = info;
    }

    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }

    HRESULT get_Info(LONG number, IDekElementInfo** info) override {
        auto found = fields.find(number);
        if (found == fields.end()) return DISP_E_MEMBERNOTFOUND;
        return ComPtr<IDekElementInfo>(found->second.Get()).CopyTo(info);
    }
    HRESULT CallUpdate(IDekElement* element) override {
        LONG number = 0;
        element->get_Numer(&number);
        ++updates[number];
        return S_OK;
    }
    HRESULT CallDefault(IDekElement*, VARIANT*) override { return E_NOTIMPL; }
    HRESULT InfoStr(BSTR, IDispatch**) override { return E_NOTIMPL; }
    HRESULT InfoLpw(LONG, IDispatch**) override { return E_NOTIMPL; }
};

}  // namespace tlx::test
