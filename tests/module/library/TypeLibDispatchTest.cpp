#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/com/Bstr.h"
#include "platform/com/Dispatch.h"
#include "tlb/DispatchTables.h"

using tlx::Variant;

namespace {

// A VAT-27 item kept in memory: enough to see each dispatch call reach its own member.
class CMemoryVat27 final : public tlx::ComObject<CMemoryVat27, tlx::Dispatch<IVat27>> {
public:
    HRESULT get_ID(LONG* value) override { return Out(value, 77); }
    HRESULT get_Session(IDispatch** session) override { return Out(session, static_cast<IDispatch*>(nullptr)); }
    HRESULT get_State(IDispatch** state) override { return Out(state, static_cast<IDispatch*>(nullptr)); }
    HRESULT putref_State(IDispatch*) override { return E_NOTIMPL; }
    HRESULT get_ROSaveMode(LONG* mode) override { return Out(mode, saveMode); }
    HRESULT put_ROSaveMode(LONG mode) override { return In(saveMode, mode); }
    HRESULT Verify() override { return In(verified, true); }
    HRESULT InitializeParent(IDispatch*) override { return S_OK; }
    HRESULT get_DkNId(LONG* value) override { return Out(value, declarationId); }
    HRESULT put_DkNId(LONG value) override { return In(declarationId, value); }
    HRESULT get_kwota(CY* value) override { return Out(value, amount); }
    HRESULT put_kwota(CY value) override { return In(amount, value); }
    HRESULT get_Lp(LONG* value) override { return Out(value, ordinal); }
    HRESULT put_Lp(LONG value) override { return In(ordinal, value); }
    HRESULT get_NIP(BSTR* value) override { return OutText(value, nip); }
    HRESULT put_NIP(BSTR value) override { return In(nip, tlx::Bstr(value).Str()); }
    HRESULT get_Nazwa(BSTR* value) override { return OutText(value, name); }
    HRESULT put_Nazwa(BSTR value) override { return In(name, tlx::Bstr(value).Str()); }
    HRESULT get_Numer(LONG* value) override { return Out(value, number); }
    HRESULT put_Numer(LONG value) override { return In(number, value); }
    HRESULT get_Typ(LONG* value) override { return Out(value, kind); }
    HRESULT put_Typ(LONG value) override { return In(kind, value); }
    HRESULT get_Zmiana(LONG* value) override { return Out(value, change); }
    HRESULT put_Zmiana(LONG value) override { return In(change, value); }

    LONG saveMode = -1, declarationId = 0, ordinal = 0, number = 0, kind = 0, change = 0;
    CY amount{0};
    std::u16string nip, name;
    bool verified = false;

private:
    template <class T, class V>
    static HRESULT Out(T* out, V value) {
        *out = value;
        return S_OK;
    }
    template <class T, class V>
    static HRESULT In(T& member, V value) {
        member = value;
        return S_OK;
    }
    static HRESULT OutText(BSTR* out, const std::u16string& text) {
        *out = tlx::Bstr(text).Detach();
        return S_OK;
    }
};

// An IWA calculator that records what it was given.
class CRecordingIwa final : public tlx::ComObject<CRecordingIwa, tlx::Dispatch<IIWA>> {
public:
    HRESULT get_Deklaracja(IDeklaracja2** declaration) override {
        *declaration = nullptr;
        return E_POINTER;
    }
    HRESULT Przelicz(IDeklaracja2*) override { return S_OK; }
    HRESULT put_Wartosc(PoleDRAEnum field, CY value) override {
        lastField = field;
        lastAmount = value;
        return S_OK;
    }
    HRESULT RegisterPrac(IDispatch*, DATE date, double fraction) override {
        registeredDate = date;
        registeredFraction = fraction;
        return S_OK;
    }
    HRESULT get_DataWypelnienia(DATE* value) override {
        *value = 45000.0;
        return S_OK;
    }

    PoleDRAEnum lastField = draBrak;
    CY lastAmount{0};
    DATE registeredDate = 0;
    double registeredFraction = 0;
};

DISPID IdOf(IDispatch* object, const char16_t* name) {
    std::u16string text = name;
    LPOLESTR names[] = {text.data()};
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK)
        << std::string(text.begin(), text.end());
    return id;
}

HRESULT Call(IDispatch* object, const char16_t* name, WORD flags, std::initializer_list<Variant> args,
             VARIANT* result = nullptr) {
    std::vector<Variant> reversed(args.begin(), args.end());
    std::reverse(reversed.begin(), reversed.end());
    DISPID put = DISPID_PROPERTYPUT;
    const bool isPut = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    DISPPARAMS params{reversed.data(), isPut ? &put : nullptr, static_cast<UINT>(reversed.size()), isPut ? 1u : 0u};
    return object->Invoke(IdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
}

}  // namespace

TEST(TypeLibDispatch, NamesReachTheirOwnMembersWithoutRegardToCase) {
    tlx::ComPtr<CMemoryVat27> item = CMemoryVat27::Make();
    IDispatch* object = static_cast<IVat27*>(item.Get());
    EXPECT_EQ(IdOf(object, u"KWOTA"), 1010);
    EXPECT_EQ(IdOf(object, u"lp"), 1020);

    ASSERT_EQ(Call(object, u"kwota", DISPATCH_PROPERTYPUT, {Variant::FromDouble(12.5)}), S_OK);
    ASSERT_EQ(Call(object, u"Lp", DISPATCH_PROPERTYPUT, {Variant::FromLong(3)}), S_OK);
    ASSERT_EQ(Call(object, u"Numer", DISPATCH_PROPERTYPUT, {Variant::FromString(u"9")}), S_OK);
    ASSERT_EQ(Call(object, u"Nazwa", DISPATCH_PROPERTYPUT, {Variant::FromString(u"Przedsiębiorstwo Łąka")}), S_OK);
    ASSERT_EQ(Call(object, u"ROSaveMode", DISPATCH_PROPERTYPUT, {Variant::FromLong(7)}), S_OK);
    ASSERT_EQ(Call(object, u"Verify", DISPATCH_METHOD, {}), S_OK);
    EXPECT_EQ(item->amount.int64, 125000);
    EXPECT_EQ(item->ordinal, 3);
    EXPECT_EQ(item->number, 9);
    EXPECT_EQ(item->name, u"Przedsiębiorstwo Łąka");
    EXPECT_EQ(item->saveMode, 7);
    EXPECT_TRUE(item->verified);

    Variant id, amount;
    ASSERT_EQ(Call(object, u"ID", DISPATCH_PROPERTYGET, {}, &id), S_OK);
    EXPECT_EQ(id.vt, VT_I4);
    EXPECT_EQ(id.lVal, 77);
    ASSERT_EQ(Call(object, u"kwota", DISPATCH_PROPERTYGET, {}, &amount), S_OK);
    EXPECT_EQ(amount.vt, VT_CY);
    EXPECT_EQ(amount.cyVal.int64, 125000);
}

TEST(TypeLibDispatch, DatesTravelAsDatesAndOtherDoublesAsNumbers) {
    tlx::ComPtr<CRecordingIwa> iwa = CRecordingIwa::Make();
    IDispatch* object = static_cast<IIWA*>(iwa.Get());

    Variant filled;
    ASSERT_EQ(Call(object, u"DataWypelnienia", DISPATCH_PROPERTYGET, {}, &filled), S_OK);
    EXPECT_EQ(filled.vt, VT_DATE);
    EXPECT_EQ(filled.date, 45000.0);

    ASSERT_EQ(Call(object, u"RegisterPrac", DISPATCH_METHOD,
                   {Variant::FromDispatch(nullptr), Variant::FromDate(44927.0), Variant::FromDouble(0.5)}),
              S_OK);
    EXPECT_EQ(iwa->registeredDate, 44927.0);
    EXPECT_EQ(iwa->registeredFraction, 0.5);

    ASSERT_EQ(Call(object, u"Wartosc", DISPATCH_PROPERTYPUT, {Variant::FromLong(draChorFK), Variant::FromDouble(1.25)}),
              S_OK);
    EXPECT_EQ(iwa->lastField, draChorFK);
    EXPECT_EQ(iwa->lastAmount.int64, 12500);
}

TEST(TypeLibDispatch, DeclarationTableAnswersItsBaseMembersAndTheEngineMembers) {
    const tlx::DispatchTable& table = DispatchTableOf(static_cast<IDeklaracja2*>(nullptr));
    EXPECT_EQ(table.IdOfName(u"typdeklar"), IDeklaracja::Dispid::TypDeklar);
    EXPECT_EQ(table.IdOfName(u"ROSAVEMODE"), RecordObjectDispid::ROSaveMode);
    EXPECT_EQ(table.IdOfName(u"wartosc"), IDeklaracja2::Dispid::Wartosc);
    EXPECT_EQ(table.IdOfName(u"NieMaTakiegoPola"), DISPID_UNKNOWN) << "field names are the form's, not the table's";

    WORD kinds = 0;
    UINT arguments = 0, required = 0;
    ASSERT_EQ(table.GetMemberKinds(IDeklaracja2::Dispid::Wartosc, &kinds, &arguments, &required), S_OK);
    EXPECT_EQ(kinds, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT);
    EXPECT_EQ(arguments, 1u) << "Wartosc is indexed by the field's name";
    ASSERT_EQ(table.GetMemberKinds(IDeklaracja2::Dispid::Policz, &kinds, &arguments, &required), S_OK);
    EXPECT_EQ(kinds, DISPATCH_METHOD);
    ASSERT_EQ(table.GetMemberKinds(IDeklaracja2::Dispid::JestemKlonem, &kinds, &arguments, &required), S_OK);
    EXPECT_EQ(kinds, DISPATCH_PROPERTYGET) << "the clone flag is read only";
}
