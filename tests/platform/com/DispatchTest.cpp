#include <gtest/gtest.h>

#include <vector>

#include "platform/com/Dispatch.h"
#include "platform/com/Locale.h"

namespace {

// A dual interface with every kind of member the table serves.
struct ISample : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{3C1D9A60-5E2B-4F7A-9D41-2A6B8C0E1F01}");
    using Base = IDispatch;
    virtual HRESULT get_Name(BSTR* value) = 0;
    virtual HRESULT put_Name(BSTR value) = 0;
    virtual HRESULT get_Count(LONG* value) = 0;
    virtual HRESULT Subtract(LONG a, LONG b, LONG* difference) = 0;
    virtual HRESULT Describe(BSTR text, VARIANT suffix, BSTR* description) = 0;
    virtual HRESULT get_Item(LONG index, VARIANT* value) = 0;
    virtual HRESULT put_Item(LONG index, VARIANT value) = 0;
    virtual HRESULT Fail(LONG code) = 0;
    virtual HRESULT get_Child(ISample** child) = 0;
    virtual HRESULT putref_Child(ISample* child) = 0;
    virtual HRESULT get_Flag(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_Flag(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Amount(CY* value) = 0;
    virtual HRESULT put_Amount(CY value) = 0;
    virtual HRESULT get_When(DATE* value) = 0;
    virtual HRESULT put_When(DATE value) = 0;
    virtual HRESULT Reset() = 0;

protected:
    ~ISample() = default;
};

const tlx::DispatchTable& DispatchTableOf(ISample*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&ISample::get_Name>(u"Name", 1),
        tlx::DispPut<&ISample::put_Name>(u"Name", 1),
        tlx::DispGet<&ISample::get_Count>(u"Count", 2),
        tlx::DispMethod<&ISample::Subtract>(u"Subtract", 3),
        tlx::DispMethod<&ISample::Describe>(u"Describe", 4, 1),
        tlx::DispGet<&ISample::get_Item>(u"Item", DISPID_VALUE),
        tlx::DispPut<&ISample::put_Item>(u"Item", DISPID_VALUE),
        tlx::DispMethod<&ISample::Fail>(u"Fail", 5),
        tlx::DispGet<&ISample::get_Child>(u"Child", 6),
        tlx::DispPutRef<&ISample::putref_Child>(u"Child", 6),
        tlx::DispGet<&ISample::get_Flag>(u"Flag", 7),
        tlx::DispPut<&ISample::put_Flag>(u"Flag", 7),
        tlx::DispGet<&ISample::get_Amount>(u"Kwota", 8),
        tlx::DispPut<&ISample::put_Amount>(u"Kwota", 8),
        tlx::DispGet<&ISample::get_When, VT_DATE>(u"Data", 9),
        tlx::DispPut<&ISample::put_When, VT_DATE>(u"Data", 9),
        tlx::DispMethod<&ISample::Reset>(u"Wyczyść", 10),
    };
    return table;
}

template <class Self>
class CSampleBase : public tlx::ComObject<Self, tlx::Dispatch<ISample>> {
public:
    HRESULT get_Name(BSTR* value) override {
        *value = tlx::Bstr(name_).Detach();
        return S_OK;
    }
    HRESULT put_Name(BSTR value) override {
        name_ = tlx::Bstr(value);
        return S_OK;
    }
    HRESULT get_Count(LONG* value) override {
        *value = 3;
        return S_OK;
    }
    HRESULT Subtract(LONG a, LONG b, LONG* difference) override {
        *difference = a - b;
        return S_OK;
    }
    HRESULT Describe(BSTR text, VARIANT suffix, BSTR* description) override {
        std::u16string result = tlx::Bstr(text).Str();
        if (suffix.vt == VT_ERROR && suffix.scode == DISP_E_PARAMNOTFOUND)
            result += u" (bez przyrostka)";
        else if (suffix.vt == VT_BSTR)
            result += u"/" + std::u16string(suffix.bstrVal);
        *description = tlx::Bstr(result).Detach();
        return S_OK;
    }
    HRESULT get_Item(LONG index, VARIANT* value) override {
        if (index < 0 || index >= 4) return DISP_E_BADINDEX;
        return VariantCopy(value, &items_[index]);
    }
    HRESULT put_Item(LONG index, VARIANT value) override {
        if (index < 0 || index >= 4) return DISP_E_BADINDEX;
        return VariantCopy(&items_[index], &value);
    }
    HRESULT Fail(LONG code) override { return tlx::SetErrorText(code, u"Nie można zapisać deklaracji."); }
    HRESULT get_Child(ISample** child) override { return child_.CopyTo(child); }
    HRESULT putref_Child(ISample* child) override {
        child_ = tlx::ComPtr<ISample>(child);
        return S_OK;
    }
    HRESULT get_Flag(VARIANT_BOOL* value) override {
        *value = flag_;
        return S_OK;
    }
    HRESULT put_Flag(VARIANT_BOOL value) override {
        flag_ = value;
        return S_OK;
    }
    HRESULT get_Amount(CY* value) override {
        *value = amount_;
        return S_OK;
    }
    HRESULT put_Amount(CY value) override {
        amount_ = value;
        return S_OK;
    }
    HRESULT get_When(DATE* value) override {
        *value = when_;
        return S_OK;
    }
    HRESULT put_When(DATE value) override {
        when_ = value;
        return S_OK;
    }
    HRESULT Reset() override {
        name_ = tlx::Bstr();
        ++resets_;
        return S_OK;
    }

    int resets_ = 0;

private:
    tlx::Bstr name_{u"początek"};
    tlx::Variant items_[4];
    tlx::ComPtr<ISample> child_;
    VARIANT_BOOL flag_ = VARIANT_FALSE;
    CY amount_{0};
    DATE when_ = 0;
};

class CSample final : public CSampleBase<CSample> {};

// A class with members of its own in front of the table: one field, "Pole1", at 100000.
class CWithFields final : public CSampleBase<CWithFields> {
public:
    static constexpr DISPID kField = 100000;
    HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override {
        HRESULT hr = Dispatch::GetIDsOfNames(iid, names, count, lcid, ids);
        if (hr != DISP_E_UNKNOWNNAME) return hr;
        hr = S_OK;
        for (UINT i = 0; i < count; ++i) {
            if (ids[i] == DISPID_UNKNOWN && tlx::FoldNameCase(names[i]) == u"pole1") ids[i] = kField;
            if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
        }
        return hr;
    }
    HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argError) override {
        if (id < kField) return Dispatch::Invoke(id, iid, lcid, flags, params, result, exception, argError);
        if (id != kField || flags != DISPATCH_PROPERTYGET) return DISP_E_MEMBERNOTFOUND;
        *result = tlx::Variant::FromString(u"wartość pola").Detach();
        return S_OK;
    }
};

struct CallResult {
    HRESULT hr;
    tlx::Variant value;
    UINT argError;
    std::u16string description;
    SCODE scode;
    WORD wCode;
};

// Calls with the arguments in their natural order (the call reverses them as dispatch expects).
CallResult Call(IDispatch* object, DISPID id, WORD flags, std::vector<tlx::Variant> args = {},
                bool withException = true) {
    std::vector<VARIANT> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(*it);
    DISPID named = DISPID_PROPERTYPUT;
    const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    DISPPARAMS params{reversed.data(), put ? &named : nullptr, static_cast<UINT>(reversed.size()), put ? 1u : 0u};
    CallResult r{};
    r.argError = 99;
    EXCEPINFO exception{};
    r.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, r.value.Out(),
                          withException ? &exception : nullptr, &r.argError);
    if (exception.bstrDescription) r.description = exception.bstrDescription;
    r.scode = exception.scode;
    r.wCode = exception.wCode;
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrHelpFile);
    return r;
}

DISPID IdOf(IDispatch* object, const char16_t* name) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = 12345;
    object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

using V = tlx::Variant;

class DualInterface : public ::testing::Test {
protected:
    tlx::ComPtr<CSample> sample = CSample::Make();
    IDispatch* object = static_cast<ISample*>(sample.Get());
};

TEST_F(DualInterface, NamesResolveWhateverTheirCase) {
    EXPECT_EQ(IdOf(object, u"Subtract"), 3);
    EXPECT_EQ(IdOf(object, u"subtract"), 3);
    EXPECT_EQ(IdOf(object, u"SUBTRACT"), 3);
    EXPECT_EQ(IdOf(object, u"item"), DISPID_VALUE);
    EXPECT_EQ(IdOf(object, u"WYCZYŚĆ"), 10) << "Polish letters fold too";
    EXPECT_EQ(IdOf(object, u"Subtrac"), DISPID_UNKNOWN);

    LPOLESTR names[] = {const_cast<LPOLESTR>(u"name"), const_cast<LPOLESTR>(u"nieznana"),
                        const_cast<LPOLESTR>(u"Count")};
    DISPID ids[3] = {};
    EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 3, LOCALE_USER_DEFAULT, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], 1);
    EXPECT_EQ(ids[1], DISPID_UNKNOWN);
    EXPECT_EQ(ids[2], 2) << "names after an unknown one are still resolved";
}

TEST_F(DualInterface, PropertiesAreReadAndWrittenByName) {
    CallResult get = Call(object, IdOf(object, u"NAME"), DISPATCH_PROPERTYGET);
    ASSERT_EQ(get.hr, S_OK);
    ASSERT_EQ(get.value.vt, VT_BSTR);
    EXPECT_EQ(std::u16string_view(get.value.bstrVal), u"początek");

    ASSERT_EQ(Call(object, 1, DISPATCH_PROPERTYPUT, {V::FromString(u"nowa")}).hr, S_OK);
    EXPECT_EQ(std::u16string_view(Call(object, 1, DISPATCH_PROPERTYGET).value.bstrVal), u"nowa");

    // Scripts call properties with METHOD | PROPERTYGET.
    CallResult count = Call(object, 2, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    ASSERT_EQ(count.hr, S_OK);
    EXPECT_EQ(count.value.vt, VT_I4);
    EXPECT_EQ(count.value.lVal, 3);
}

TEST_F(DualInterface, ArgumentsArriveInDeclaredOrderAndAreConverted) {
    tlx::ScopedUserLocale polish(LANG_POLISH_POLAND);
    CallResult r = Call(object, 3, DISPATCH_METHOD, {V::FromLong(10), V::FromLong(3)});
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.value.lVal, 7) << "rgvarg holds the last argument first";

    r = Call(object, 3, DISPATCH_METHOD, {V::FromString(u"12"), V::FromDouble(2.5)});
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.value.lVal, 10) << "2.5 rounds to the even 2";

    ASSERT_EQ(Call(object, 1, DISPATCH_PROPERTYPUT, {V::FromDouble(12.5)}).hr, S_OK);
    EXPECT_EQ(std::u16string_view(Call(object, 1, DISPATCH_PROPERTYGET).value.bstrVal), u"12,5");

    // A caller's language the platform does not know converts with the user's conventions.
    std::vector<VARIANT> german = {V::FromString(u"1,5").Detach(), V::FromLong(4).Detach()};
    DISPPARAMS params{german.data(), nullptr, 2, 0};
    V difference;
    ASSERT_EQ(object->Invoke(3, IID_NULL, 0x0407, DISPATCH_METHOD, &params, difference.Out(), nullptr, nullptr), S_OK);
    EXPECT_EQ(difference.lVal, 2) << "4 - 1,5 rounded to 2";
    for (VARIANT& v : german) VariantClear(&v);

    LONG byRef = 40;
    tlx::Variant reference;
    reference.vt = VT_I4 | VT_BYREF;
    reference.plVal = &byRef;
    r = Call(object, 3, DISPATCH_METHOD, {reference, V::FromLong(1)});
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.value.lVal, 39);
}

TEST_F(DualInterface, ATextArgumentArrivesWhetherGivenByValueOrByReferenceAndANumberAsItsText) {
    const DISPID describe = IdOf(object, u"Describe");
    CallResult r = Call(object, describe, DISPATCH_METHOD, {V::FromString(u"wprost"), V::FromString(u"x")});
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_EQ(std::u16string_view(r.value.bstrVal), u"wprost/x");

    tlx::Bstr text(u"przez odwołanie");
    BSTR held = text.Get();
    tlx::Variant reference;
    reference.vt = VT_BSTR | VT_BYREF;
    reference.pbstrVal = &held;
    r = Call(object, describe, DISPATCH_METHOD, {reference});
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_EQ(std::u16string_view(r.value.bstrVal), u"przez odwołanie (bez przyrostka)");
    reference.vt = VT_EMPTY;  // the text stays with its owner

    r = Call(object, describe, DISPATCH_METHOD, {V::FromLong(7)});
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_EQ(std::u16string_view(r.value.bstrVal), u"7 (bez przyrostka)");
}

TEST_F(DualInterface, BadArgumentsNameTheirPositionInTheCall) {
    CallResult r = Call(object, 3, DISPATCH_METHOD, {V::FromString(u"x"), V::FromLong(1)});
    EXPECT_EQ(r.hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(r.argError, 1u) << "the first argument sits last in rgvarg";

    r = Call(object, 3, DISPATCH_METHOD, {V::FromLong(1), V::FromString(u"3000000000")});
    EXPECT_EQ(r.hr, DISP_E_OVERFLOW);
    EXPECT_EQ(r.argError, 0u);

    r = Call(object, 3, DISPATCH_METHOD, {V::FromLong(1), V::Null()});
    EXPECT_EQ(r.hr, DISP_E_TYPEMISMATCH);

    // Text is no object.
    EXPECT_EQ(Call(object, 6, DISPATCH_PROPERTYPUTREF, {V::FromString(u"obiekt")}).hr, DISP_E_TYPEMISMATCH);
}

TEST_F(DualInterface, WrongArgumentCountsAndKindsAreRefused) {
    EXPECT_EQ(Call(object, 3, DISPATCH_METHOD, {V::FromLong(1)}).hr, DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(object, 3, DISPATCH_METHOD, {V::FromLong(1), V::FromLong(2), V::FromLong(3)}).hr,
              DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(object, 1, DISPATCH_PROPERTYGET, {V::FromLong(1)}).hr, DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(object, 1, DISPATCH_PROPERTYPUT, {V::FromLong(1), V::FromLong(2)}).hr, DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(object, DISPID_VALUE, DISPATCH_PROPERTYPUT, {V::FromLong(1)}).hr, DISP_E_BADPARAMCOUNT)
        << "an indexed put needs its index";

    EXPECT_EQ(Call(object, 77, DISPATCH_METHOD).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Call(object, 2, DISPATCH_PROPERTYPUT, {V::FromLong(1)}).hr, DISP_E_MEMBERNOTFOUND)
        << "Count is read-only";
    EXPECT_EQ(Call(object, 2, DISPATCH_METHOD).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Call(object, 3, DISPATCH_PROPERTYGET, {V::FromLong(1), V::FromLong(2)}).hr, DISP_E_MEMBERNOTFOUND);

    DISPPARAMS none{nullptr, nullptr, 0, 0};
    tlx::Variant result;
    const IID other = ISample::kIid;
    EXPECT_EQ(object->Invoke(2, other, 0, DISPATCH_PROPERTYGET, &none, result.Out(), nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
}

TEST_F(DualInterface, OptionalArgumentsArriveAsMissing) {
    CallResult r = Call(object, 4, DISPATCH_METHOD, {V::FromString(u"opis")});
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_EQ(std::u16string_view(r.value.bstrVal), u"opis (bez przyrostka)");

    r = Call(object, 4, DISPATCH_METHOD, {V::FromString(u"opis"), V::Missing()});
    EXPECT_EQ(std::u16string_view(r.value.bstrVal), u"opis (bez przyrostka)");

    r = Call(object, 4, DISPATCH_METHOD, {V::FromString(u"opis"), V::FromString(u"x")});
    EXPECT_EQ(std::u16string_view(r.value.bstrVal), u"opis/x");

    EXPECT_EQ(Call(object, 4, DISPATCH_METHOD).hr, DISP_E_BADPARAMCOUNT);
}

TEST_F(DualInterface, AFailingMemberReportsItsErrorObjectInExcepInfo) {
    CallResult r = Call(object, 5, DISPATCH_METHOD, {V::FromLong(E_FAIL)});
    EXPECT_EQ(r.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(r.scode, E_FAIL);
    EXPECT_EQ(r.wCode, 0);
    EXPECT_EQ(r.description, u"Nie można zapisać deklaracji.");

    r = Call(object, 5, DISPATCH_METHOD, {V::FromLong(static_cast<LONG>(0x80040202))});
    EXPECT_EQ(r.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(r.wCode, 2);
    EXPECT_EQ(r.scode, static_cast<SCODE>(0x80040202));

    // Without an EXCEPINFO the caller gets the member's own code and the error object stays on the thread.
    r = Call(object, 5, DISPATCH_METHOD, {V::FromLong(E_FAIL)}, false);
    EXPECT_EQ(r.hr, E_FAIL);
    EXPECT_EQ(tlx::TakeErrorDescription(), u"Nie można zapisać deklaracji.");
}

TEST_F(DualInterface, AnEarlierErrorObjectDoesNotLeakIntoALaterFailure) {
    tlx::SetErrorText(E_FAIL, u"stary błąd");
    CallResult r = Call(object, DISPID_VALUE, DISPATCH_PROPERTYGET, {V::FromLong(9)});
    EXPECT_EQ(r.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(r.scode, DISP_E_BADINDEX);
    EXPECT_EQ(r.description, u"");
}

TEST_F(DualInterface, IndexedObjectBooleanMoneyAndDateProperties) {
    tlx::ScopedUserLocale polish(LANG_POLISH_POLAND);
    ASSERT_EQ(Call(object, DISPID_VALUE, DISPATCH_PROPERTYPUT, {V::FromLong(2), V::FromString(u"dwa")}).hr, S_OK);
    CallResult item = Call(object, DISPID_VALUE, DISPATCH_PROPERTYGET, {V::FromString(u"2")});
    ASSERT_EQ(item.hr, S_OK);
    EXPECT_EQ(std::u16string_view(item.value.bstrVal), u"dwa");

    auto child = CSample::Make();
    ASSERT_EQ(Call(object, 6, DISPATCH_PROPERTYPUTREF, {V::FromDispatch(static_cast<ISample*>(child.Get()))}).hr,
              S_OK);
    CallResult got = Call(object, 6, DISPATCH_PROPERTYGET);
    ASSERT_EQ(got.value.vt, VT_DISPATCH);
    EXPECT_EQ(got.value.pdispVal, static_cast<IDispatch*>(static_cast<ISample*>(child.Get())));

    ASSERT_EQ(Call(object, 7, DISPATCH_PROPERTYPUT, {V::FromString(u"TRUE")}).hr, S_OK);
    CallResult flag = Call(object, 7, DISPATCH_PROPERTYGET);
    EXPECT_EQ(flag.value.vt, VT_BOOL);
    EXPECT_EQ(flag.value.boolVal, VARIANT_TRUE);

    ASSERT_EQ(Call(object, 8, DISPATCH_PROPERTYPUT, {V::FromString(u"12,34565")}).hr, S_OK);
    CallResult amount = Call(object, 8, DISPATCH_PROPERTYGET);
    EXPECT_EQ(amount.value.vt, VT_CY);
    EXPECT_EQ(amount.value.cyVal.int64, 123456);

    ASSERT_EQ(Call(object, 9, DISPATCH_PROPERTYPUT, {V::FromString(u"01.01.2000")}).hr, S_OK);
    CallResult when = Call(object, 9, DISPATCH_PROPERTYGET);
    EXPECT_EQ(when.value.vt, VT_DATE);
    EXPECT_EQ(when.value.date, 36526.0);

    ASSERT_EQ(Call(object, 10, DISPATCH_METHOD).hr, S_OK);
    EXPECT_EQ(sample->resets_, 1);
    EXPECT_EQ(Call(object, 10, DISPATCH_METHOD).value.vt, VT_EMPTY) << "a method without a result answers nothing";
}

TEST_F(DualInterface, MemberKindsAnswerTheScriptBridge) {
    auto kinds = sample.As<IDispatchMemberKinds>();
    ASSERT_TRUE(kinds);
    WORD k = 0;
    UINT arguments = 9, required = 9;
    ASSERT_EQ(kinds->GetMemberKinds(1, &k, &arguments, &required), S_OK);
    EXPECT_EQ(k, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT);
    EXPECT_EQ(arguments, 0u);

    ASSERT_EQ(kinds->GetMemberKinds(DISPID_VALUE, &k, &arguments, &required), S_OK);
    EXPECT_EQ(k, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT);
    EXPECT_EQ(arguments, 1u);
    EXPECT_EQ(required, 1u);

    ASSERT_EQ(kinds->GetMemberKinds(4, &k, &arguments, &required), S_OK);
    EXPECT_EQ(k, DISPATCH_METHOD);
    EXPECT_EQ(arguments, 2u);
    EXPECT_EQ(required, 1u);

    ASSERT_EQ(kinds->GetMemberKinds(6, &k, nullptr, nullptr), S_OK);
    EXPECT_EQ(k, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUTREF);
    EXPECT_EQ(kinds->GetMemberKinds(77, &k, &arguments, &required), DISP_E_MEMBERNOTFOUND);

    // The object stays one: the bridge's interface leads back to the same IDispatch.
    auto back = kinds.As<IDispatch>();
    EXPECT_EQ(back.Get(), object);
    UINT count = 9;
    EXPECT_EQ(object->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
}

TEST(DispatchDynamic, OwnMembersStandBeforeTheTable) {
    auto fields = CWithFields::Make();
    IDispatch* object = static_cast<ISample*>(fields.Get());
    EXPECT_EQ(IdOf(object, u"POLE1"), CWithFields::kField);
    EXPECT_EQ(IdOf(object, u"Count"), 2);
    EXPECT_EQ(IdOf(object, u"Pole2"), DISPID_UNKNOWN);

    CallResult field = Call(object, CWithFields::kField, DISPATCH_PROPERTYGET);
    ASSERT_EQ(field.hr, S_OK);
    EXPECT_EQ(std::u16string_view(field.value.bstrVal), u"wartość pola");
    EXPECT_EQ(Call(object, 2, DISPATCH_PROPERTYGET).value.lVal, 3);
}

// An object whose default member is an amount.
struct IAmount : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{3C1D9A60-5E2B-4F7A-9D41-2A6B8C0E1F03}");
    using Base = IDispatch;
    virtual HRESULT get_Value(CY* value) = 0;

protected:
    ~IAmount() = default;
};

const tlx::DispatchTable& DispatchTableOf(IAmount*) {
    static const tlx::DispatchTable table{tlx::DispGet<&IAmount::get_Value>(u"Value", DISPID_VALUE)};
    return table;
}

class CAmount final : public tlx::ComObject<CAmount, tlx::Dispatch<IAmount>> {
public:
    HRESULT get_Value(CY* value) override {
        value->int64 = 125000;
        return S_OK;
    }
};

// An interface that extends the amount: its table is built on the amount's and adds its own member.
struct IAmount2 : IAmount {
    static constexpr IID kIid = tlx::MakeGuid(u"{3C1D9A60-5E2B-4F7A-9D41-2A6B8C0E1F04}");
    using Base = IAmount;
    virtual HRESULT get_Twice(CY* value) = 0;

protected:
    ~IAmount2() = default;
};

const tlx::DispatchTable& DispatchTableOf(IAmount2*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<IAmount*>(nullptr)),
                                          {tlx::DispGet<&IAmount2::get_Twice>(u"Twice", 2)}};
    return table;
}

class CAmount2 final : public tlx::ComObject<CAmount2, tlx::Dispatch<IAmount2>> {
public:
    HRESULT get_Value(CY* value) override {
        value->int64 = 125000;
        return S_OK;
    }
    HRESULT get_Twice(CY* value) override {
        value->int64 = 250000;
        return S_OK;
    }
};

TEST(DispatchTableOnABase, AnswersTheBaseMembersAndItsOwn) {
    const tlx::DispatchTable& table = DispatchTableOf(static_cast<IAmount2*>(nullptr));
    ASSERT_EQ(table.Entries().size(), 2u);
    EXPECT_EQ(table.IdOfName(u"value"), DISPID_VALUE);
    EXPECT_EQ(table.IdOfName(u"TWICE"), 2);
    auto amount = CAmount2::Make();
    IDispatch* object = static_cast<IAmount2*>(amount.Get());
    EXPECT_EQ(Call(object, DISPID_VALUE, DISPATCH_PROPERTYGET).value.cyVal.int64, 125000);
    EXPECT_EQ(Call(object, 2, DISPATCH_PROPERTYGET).value.cyVal.int64, 250000);
}

TEST(DispatchConversion, AnObjectConvertsThroughItsDefaultMember) {
    tlx::ScopedUserLocale polish(LANG_POLISH_POLAND);
    auto amount = CAmount::Make();
    V object = V::FromDispatch(static_cast<IAmount*>(amount.Get()));
    V text;
    ASSERT_EQ(VariantChangeType(&text, &object, 0, VT_BSTR), S_OK);
    EXPECT_EQ(std::u16string_view(text.bstrVal), u"12,5");
    V number;
    ASSERT_EQ(VariantChangeType(&number, &object, 0, VT_I4), S_OK);
    EXPECT_EQ(number.lVal, 12);
    EXPECT_EQ(VariantChangeType(&number, &object, VARIANT_NOVALUEPROP, VT_I4), DISP_E_TYPEMISMATCH);

    V unknown;
    ASSERT_EQ(VariantChangeType(&unknown, &object, 0, VT_UNKNOWN), S_OK);
    EXPECT_EQ(unknown.vt, VT_UNKNOWN);
    EXPECT_EQ(unknown.punkVal, amount.As<IUnknown>().Get());

    // An object without a default member has no value.
    auto sample = CSample::Make();
    V other = V::FromDispatch(static_cast<ISample*>(sample.Get()));
    EXPECT_EQ(VariantChangeType(&number, &other, 0, VT_I4), DISP_E_TYPEMISMATCH);
}

}  // namespace
