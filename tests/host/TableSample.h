// A dual interface served from a dispatch table, so that the bridge learns its members' kinds.
#pragma once

#include <string>
#include <vector>

#include "SampleObjects.h"
#include "platform/com/Dispatch.h"

namespace sample {

struct IRecord : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{5E0C2F9B-7A41-4D6E-8B3C-1F2E3D4C5B6A}");
    using Base = IDispatch;
    virtual HRESULT get_Name(BSTR* value) = 0;
    virtual HRESULT put_Name(BSTR value) = 0;
    virtual HRESULT Add(LONG a, LONG b, LONG* sum) = 0;
    virtual HRESULT get_Item(LONG index, VARIANT* value) = 0;
    virtual HRESULT get_Wartosc(BSTR field, VARIANT* value) = 0;
    virtual HRESULT put_Wartosc(BSTR field, VARIANT value) = 0;
    virtual HRESULT get_Child(IRecord** child) = 0;
    virtual HRESULT Touch() = 0;
    virtual HRESULT Fail(LONG code, BSTR text) = 0;
    virtual HRESULT get__NewEnum(IUnknown** items) = 0;

protected:
    ~IRecord() = default;
};

inline const tlx::DispatchTable& DispatchTableOf(IRecord*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IRecord::get_Name>(u"Name", 1),
        tlx::DispPut<&IRecord::put_Name>(u"Name", 1),
        tlx::DispMethod<&IRecord::Add>(u"Add", 2),
        tlx::DispGet<&IRecord::get_Item>(u"Item", DISPID_VALUE),
        tlx::DispGet<&IRecord::get_Wartosc>(u"Wartosc", 3),
        tlx::DispPut<&IRecord::put_Wartosc>(u"Wartosc", 3),
        tlx::DispGet<&IRecord::get_Child>(u"Child", 4),
        tlx::DispMethod<&IRecord::Touch>(u"Touch", 5),
        tlx::DispMethod<&IRecord::Fail>(u"Fail", 6),
        tlx::DispGet<&IRecord::get__NewEnum>(u"_NewEnum", DISPID_NEWENUM),
    };
    return table;
}

class CRecord final : public tlx::ComObject<CRecord, tlx::Dispatch<IRecord>> {
public:
    std::u16string name = u"record";
    std::vector<tlx::Variant> items;
    std::vector<std::pair<std::u16string, tlx::Variant>> fields;
    int touched = 0;

    HRESULT get_Name(BSTR* value) override {
        *value = tlx::Bstr(name).Detach();
        return S_OK;
    }
    HRESULT put_Name(BSTR value) override {
        name = tlx::Bstr(value).Str();
        return S_OK;
    }
    HRESULT Add(LONG a, LONG b, LONG* sum) override {
        *sum = a + b;
        return S_OK;
    }
    HRESULT get_Item(LONG index, VARIANT* value) override {
        if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return DISP_E_BADINDEX;
        return VariantCopy(value, &items[index]);
    }
    HRESULT get_Wartosc(BSTR field, VARIANT* value) override {
        for (auto& [n, v] : fields)
            if (n == tlx::Bstr(field).View()) return VariantCopy(value, &v);
        return tlx::SetErrorText(DISP_E_MEMBERNOTFOUND, u"Brak pola " + tlx::Bstr(field).Str());
    }
    HRESULT put_Wartosc(BSTR field, VARIANT value) override {
        for (auto& [n, v] : fields)
            if (n == tlx::Bstr(field).View()) return VariantCopy(&v, &value);
        fields.emplace_back(tlx::Bstr(field).Str(), tlx::Variant(value));
        return S_OK;
    }
    HRESULT get_Child(IRecord** child) override {
        if (!child_) child_ = CRecord::Make();
        return tlx::ComPtr<IRecord>(child_.Get()).CopyTo(child);
    }
    HRESULT Touch() override {
        ++touched;
        return S_OK;
    }
    HRESULT Fail(LONG code, BSTR text) override { return tlx::SetErrorText(code, tlx::Bstr(text).View()); }
    HRESULT get__NewEnum(IUnknown** out) override {
        return tlx::NewVariantEnumerator(items, out);
    }

private:
    tlx::ComPtr<CRecord> child_;
};

}  // namespace sample
