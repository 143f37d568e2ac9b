// The forms of the DRA set: a DRA of each version with its report children filled, saved and read back in
// a new session with the same numbers, dates and texts; the fields the KEDU writer reads by name in each
// version; and the payment's amount, due date and description.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeclarationFixture.h"
#include "ZusDeclarationSupport.h"
#include "platform/com/VariantConversion.h"

namespace tlx::test {
namespace {

constexpr HRESULT kMemberNotFound = static_cast<HRESULT>(0x80020003);

// Every field the DRA's KEDU writer reads by name in both generations.
const std::vector<std::u16string> kCommonFields{
    u"DADRATERMIN", u"IDENTN", u"IDENTM", u"IDENTR", u"DADRADECYZJA", u"NIP", u"DIPLREGON", u"DIPLPESEL",
    u"DIPLRODZAJDOK", u"DIPLDOKUMENT", u"NAZWASKROCONAFIRMYPLATNIKA", u"DIPLNAZWISKO", u"DIPLIMIE", u"DIPLDATAUR",
    u"INN7UBEZP", u"INN7ZPCHR", u"INN7PROCWYPAD", u"ZSDRAISE", u"ZSDRAISR", u"ZSDRAISER", u"ZSDRAIUE", u"ZSDRAIUR",
    u"ZSDRAIUER", u"ZSDRAIPE", u"ZSDRAIPR", u"ZSDRAIPER", u"ZSDRAIBE", u"ZSDRAIBR", u"ZSDRAIBER", u"ZSDRAIFE",
    u"ZSDRAIFR", u"ZSDRAIFER", u"ZSDRAIKE", u"ZSDRAIKR", u"ZSDRAIKER", u"ZSDRAISC", u"ZSDRAISW", u"ZSDRAISCW",
    u"ZSDRAIUC", u"ZSDRAIUW", u"ZSDRAIUCW", u"ZSDRAIPW", u"ZSDRAIPCW", u"ZSDRAIFC", u"ZSDRAIFW", u"ZSDRAIFCW",
    u"ZSDRAIKW", u"ZSDRAIKCW", u"ZSDRAIKWOTA", u"ZSDRAIPC", u"ZSDRAIKC", u"ZWDRAKWCH", u"ZWDRAWYNCH", u"ZWDRAKWWYP",
    u"ZWDRAKWBUD", u"ZWDRARAZEM", u"RIVDRAZWROT", u"RIVDRAZAPLATA", u"ZSDRAPKWOTA", u"ZSDRAKKWOTA",
    u"ZSDRAPWYNAGR", u"ZSDRAKWOTA", u"ZDRAVFP", u"ZDRAVFGSP", u"ZDRAVKWOTA", u"LICZBAPRACFEP", u"LICZBAPRACSZCZEG",
    u"KWOTAFEP", u"DDDUTYUB", u"DDDUPODSTAWAER", u"DDDUPODSTAWACW", u"DDDUPODSTAWAZ", u"DDDUPRZEKROCZ",
    u"OSWIADCZENIE", u"SKLADKAZDROWOTNAFIRMA", u"OPLSNORCA", u"OPLSNORNA", u"OPLSNORZA", u"OPLSNORSA",
    u"OPLSNORGA", u"OPLSDATAWYP"};
// The fields only the later forms have.
const std::vector<std::u16string> kFieldsOfVersion3{u"SKLADKAZDROWOTNAFIRMA", u"LICZBAPRACFEP", u"LICZBAPRACSZCZEG",
                                                    u"KWOTAFEP"};
const std::vector<std::u16string> kStoredMoneyOfVersion4{
    u"SKLADKACHORUBEZB", u"SKLADKACHORPLATNIK", u"SKLADKAWYPADBUDZET", u"SKLADKAWYPADUBEZP", u"SKLADKAEMERPLATNIK",
    u"SKLADKARENTUBEZP", u"ZASUBEZPCHOR", u"ZASUBEZPWYPAD", u"SKLADKAZDROWOTNAFIRMA2", u"SKLADKAZDROWUBEZP"};

std::u16string AsText(const VARIANT& value) {
    if (value.vt == VT_NULL || value.vt == VT_EMPTY) return u"(null)";
    Variant text;
    if (FAILED(VariantChangeType(&text, &value, 0, VT_BSTR))) return u"(?)";
    return std::u16string(text.bstrVal, SysStringLen(text.bstrVal));
}

class DraFormsTest : public DeclarationTest {
protected:
    ComPtr<IDeklaracja2> NewDra(ICollection* declarations, LONG version) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(declarations->AddNew(Variant::Missing(), item.Out()), S_OK) << Utf16ToUtf8(LastError());
        auto dra = item.As<IDeklaracja2>();
        EXPECT_EQ(dra->put_TypDeklar(120), S_OK);
        EXPECT_EQ(dra->put_Wersja(version), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(dra->put_Numer(3), S_OK);
        EXPECT_EQ(dra->put_Rok(2016), S_OK);
        EXPECT_EQ(dra->put_Miesiac(3), S_OK);
        return dra;
    }
    // A field's value as the declaration answers it by name.
    HRESULT Read(IDispatch* object, std::u16string_view name, Variant* value) {
        return ComPtr<IDispatch>(object).As<IDeklaracja2>()->get_Wartosc(Bstr(name).Get(), value->Out());
    }
};

TEST_F(DraFormsTest, EachFieldTheWriterReadsIsDefinedInVersions3And4) {
    auto declarations = Declarations();
    for (LONG version : {3L, 4L}) {
        auto dra = NewDra(declarations.Get(), version);
        for (const auto& name : kCommonFields) {
            Variant value;
            EXPECT_NE(Read(dra.Get(), name, &value), kMemberNotFound) << "v" << version << " " << Utf16ToUtf8(name);
        }
        Variant value;
        EXPECT_EQ(Read(dra.Get(), u"DDDUPODSTAWACW2", &value) == kMemberNotFound, version == 3) << version;
        for (const auto& name : kStoredMoneyOfVersion4)
            EXPECT_EQ(Read(dra.Get(), name, &value) == kMemberNotFound, version == 3) << Utf16ToUtf8(name);
    }
    for (LONG version : {1L, 2L}) {
        auto dra = NewDra(declarations.Get(), version);
        for (const auto& name : kFieldsOfVersion3) {
            Variant value;
            EXPECT_EQ(Read(dra.Get(), name, &value), kMemberNotFound) << "v" << version << " " << Utf16ToUtf8(name);
        }
    }
}

TEST_F(DraFormsTest, AVersionWithoutADefinitionIsRefused) {
    auto declarations = Declarations();
    ComPtr<IDispatch> item;
    ASSERT_EQ(declarations->AddNew(Variant::Missing(), item.Out()), S_OK);
    auto dra = item.As<IDeklaracja2>();
    ASSERT_EQ(dra->put_TypDeklar(120), S_OK);
    dra->put_Wersja(5);
    Variant value;
    EXPECT_TRUE(FAILED(dra->get_Wartosc(Bstr(u"DOKUMENT").Get(), value.Out())));
    EXPECT_FALSE(LastError().empty());
}

TEST_F(DraFormsTest, ADraOfEachVersionWithItsReportsReadsBackInANewSession) {
    for (LONG version : {1L, 2L, 3L, 4L}) {
        SCOPED_TRACE("version " + std::to_string(version));
        auto declarations = Declarations();
        auto dra = NewDra(declarations.Get(), version);
        const std::vector<std::pair<std::u16string, Variant>> values{
            {u"DADRAIDENT", Variant::FromLong(3032016)},
            {u"DADRADECYZJA", Variant::FromString(u"Decyzja \"A&B\" <1 źdźbło")},
            {u"DADRATERMIN", Variant::FromLong(3)},
            {u"OSWIADCZENIE", Variant::FromDate(42450)},  // 2016-03-21
            {u"DIPLNIP", Variant::FromString(u"526-10-20-304")},
            {u"DIPLNAZWA", Variant::FromString(u"Łąka")},
            {u"INN7UBEZP", Variant::FromLong(12)},
            {u"INN7PROCWYPAD", Variant::FromDouble(1.8)},
            {u"ZSDRAISE", Variant::FromDouble(1234.56)},
            {u"ZSDRAIKWOTA", Variant::FromDouble(99.99)},
            {u"ZWDRAKWCH", Variant::FromDouble(10.5)},
            {u"RIVDRAZAPLATA", Variant::FromDouble(1000.0)},
            {u"ZSDRAKWOTA", Variant::FromDouble(388.31)},
            {u"ZDRAVKWOTA", Variant::FromDouble(7.5)},
            {u"LSKDKWOTA", Variant::FromDouble(1395.81)},
            {u"OPLSNORCA", Variant::FromLong(2)},
            {u"OPLSNORSA", Variant::FromLong(1)},
            {u"DDDUTYUB", Variant::FromString(u"051000")},
            {u"DDDUPODSTAWAZ", Variant::FromDouble(3000.0)},
        };
        for (const auto& [name, value] : values) Put(dra.Get(), name, value);
        if (version >= 3) {
            Put(dra.Get(), u"KWOTAFEP", Variant::FromDouble(15.25));
            Put(dra.Get(), u"LICZBAPRACFEP", Variant::FromLong(1));
        }
        if (version == 4) Put(dra.Get(), u"ZASUBEZPCHOR", Variant::FromDouble(420.0));

        // The reports a DRA of the version carries, each with its identifier typed in.
        ComPtr<IDispatch> children;
        ASSERT_EQ(dra->get_Deklaracje(children.Out()), S_OK);
        const LONG schema = version == 4 ? 2 : 1;
        const struct {
            LONG type, version;
            const char16_t* field;
        } reports[] = {{121, schema, u"DORCAIDENT"}, {122, 1, u"DORNAIDENT"}, {123, schema, u"DORZAIDENT"},
                       {124, 1, u"DORSAIDENT"}};
        for (const auto& r : reports) {
            ComPtr<IDispatch> item;
            ASSERT_EQ(children.As<ICollection>()->AddNew(Variant::Missing(), item.Out()), S_OK);
            auto child = item.As<IDeklaracja2>();
            ASSERT_EQ(child->put_TypDeklar(r.type), S_OK);
            ASSERT_EQ(child->put_Wersja(r.version), S_OK) << Utf16ToUtf8(LastError());
            ASSERT_EQ(child->put_Deklaracja(ComPtr<IDeklaracja>(dra.As<IDeklaracja>()).Get()), S_OK);
            Put(child.Get(), r.field, Variant::FromLong(3032016));
            Put(child.Get(), u"OPLRDATAWYP", Variant::FromDate(42450));
        }
        ASSERT_EQ(SaveCollection(declarations.Get()), S_OK) << Utf16ToUtf8(LastError());
        ASSERT_EQ(children.As<ISaveable>()->Save(hostSaveCheck), S_OK) << Utf16ToUtf8(LastError());
        LONG id = 0;
        ASSERT_EQ(dra->get_ID(&id), S_OK);

        auto session = NewSession();
        auto again = Create(session.Get(), u"TLXDeklaracje.Deklaracje", Variant::FromString(Num(id)));
        ASSERT_TRUE(again);
        // VT_R8 stands for any number.
        const std::vector<std::pair<std::u16string, std::pair<VARTYPE, std::u16string>>> expected{
            {u"DADRAIDENT", {VT_R8, u"3032016"}},
            {u"IDENTN", {VT_BSTR, u"03"}},
            {u"IDENTM", {VT_BSTR, u"03"}},
            {u"IDENTR", {VT_BSTR, u"2016"}},
            {u"DADRADECYZJA", {VT_BSTR, u"Decyzja \"A&B\" <1 źdźbło"}},
            {u"DADRATERMIN", {VT_R8, u"3"}},
            {u"OPLSDATAWYP", {VT_DATE, u"2016-03-21"}},
            {u"NIP", {VT_BSTR, u"5261020304"}},
            {u"NAZWASKROCONAFIRMYPLATNIKA", {VT_BSTR, u"ŁĄKA"}},
            {u"INN7UBEZP", {VT_R8, u"12"}},
            {u"INN7PROCWYPAD", {VT_R8, u"1,8"}},
            {u"ZSDRAISE", {VT_R8, u"1234,56"}},
            {u"ZSDRAIKWOTA", {VT_R8, u"99,99"}},
            {u"ZWDRAKWCH", {VT_R8, u"10,5"}},
            {u"RIVDRAZAPLATA", {VT_R8, u"1000"}},
            {u"ZSDRAKWOTA", {VT_R8, u"388,31"}},
            {u"ZDRAVKWOTA", {VT_R8, u"7,5"}},
            {u"OPLSNORCA", {VT_R8, u"2"}},
            {u"OPLSNORSA", {VT_R8, u"1"}},
            {u"DDDUTYUB", {VT_BSTR, u"051000"}},
            {u"DDDUPODSTAWAZ", {VT_R8, u"3000"}},
        };
        for (const auto& [name, want] : expected) {
            Variant value;
            ASSERT_EQ(Read(again.Get(), name, &value), S_OK) << Utf16ToUtf8(name) << ": " << Utf16ToUtf8(LastError());
            const bool number = value.vt == VT_I4 || value.vt == VT_R8;
            EXPECT_TRUE(want.first == VT_R8 ? number : value.vt == want.first) << Utf16ToUtf8(name) << " " << value.vt;
            const std::u16string text = value.vt == VT_DATE ? (value.date == 42450.0 ? u"2016-03-21" : u"(?)") : AsText(value);
            EXPECT_EQ(text, want.second) << Utf16ToUtf8(name);
        }
        // The payment: the amount due, the 15th of the next month for a deadline code of 3, the month.
        CY kwota{};
        ASSERT_EQ(again.As<IDeklaracja2>()->get_KwotaCalkowita(&kwota), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(kwota.int64, 13958100);
        DATE termin = 0;
        ASSERT_EQ(again.As<IDeklaracja2>()->get_Termin(&termin), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(termin, 42475.0);  // 2016-04-15
        Bstr opis;
        ASSERT_EQ(again.As<IDeklaracja2>()->get_Opis(opis.Out()), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(opis.View(), u"DRA za 03/2016");
        if (version >= 3) {
            Variant fep;
            ASSERT_EQ(Read(again.Get(), u"KWOTAFEP", &fep), S_OK);
            EXPECT_EQ(AsText(fep), u"15,25");
        }
        if (version == 4) {
            Variant zasilki;
            ASSERT_EQ(Read(again.Get(), u"ZASUBEZPCHOR", &zasilki), S_OK);
            EXPECT_EQ(AsText(zasilki), u"420");
        }

        // Every report comes back with its identifier.
        ComPtr<IDispatch> reloadedChildren;
        ASSERT_EQ(again.As<IDeklaracja>()->get_Deklaracje(reloadedChildren.Out()), S_OK);
        LONG count = 0;
        ASSERT_EQ(reloadedChildren.As<ICollection>()->get_Count(&count), S_OK);
        ASSERT_EQ(count, 4);
        for (LONG i = 0; i < count; ++i) {
            ComPtr<IDispatch> item;
            ASSERT_EQ(reloadedChildren.As<ICollection>()->Item(Variant::FromLong(i), item.Out()), S_OK);
            LONG type = 0;
            ASSERT_EQ(item.As<IDeklaracja>()->get_TypDeklar(&type), S_OK);
            const auto& r = reports[type - 121];
            Variant ident, n, date;
            ASSERT_EQ(Read(item.Get(), r.field, &ident), S_OK) << Utf16ToUtf8(LastError());
            EXPECT_EQ(AsText(ident), u"3032016") << type;
            ASSERT_EQ(Read(item.Get(), u"IDENTN", &n), S_OK);
            EXPECT_EQ(AsText(n), u"03") << type;
            ASSERT_EQ(Read(item.Get(), u"OPLRDATAWYP", &date), S_OK);
            EXPECT_EQ(date.vt, VT_DATE) << type;
            LONG childVersion = 0;
            ASSERT_EQ(item.As<IDeklaracja>()->get_Wersja(&childVersion), S_OK);
            EXPECT_EQ(childVersion, r.version) << type;
        }
    }
}

}  // namespace
}  // namespace tlx::test
