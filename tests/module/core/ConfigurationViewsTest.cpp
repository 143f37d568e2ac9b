#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "ModuleClasses.h"
#include "ModuleClassFixture.h"
#include "hostapi/Subjects.h"
#include "mv_deklaracje/core/FirmaCfgRO.h"
#include "mv_deklaracje/core/ProgramCfgRO.h"
#include "platform/text/CodePage.h"

namespace {

class ConfigurationViews : public ModuleClassTest {
protected:
    void Set(const char16_t* key, const char16_t* value) {
        Execute(u"INSERT INTO TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) VALUES ('" + std::u16string(key) + u"', '" +
                value + u"')");
    }
    void SetDated(const char16_t* key, const char16_t* from, const char16_t* value) {
        Execute(u"INSERT INTO TLX.KonfiguracjaParametry (Kfp_Klucz, Kfp_DataOd, Kfp_Wartosc) VALUES ('" +
                std::u16string(key) + u"', '" + from + u" 00:00:00', '" + value + u"')");
    }
    tlx::ComPtr<IDispatch> Create(const char16_t* progId) {
        tlx::ComPtr<IDispatch> object;
        EXPECT_EQ(session_->CreateObject(tlx::Bstr(progId).Get(), tlx::Variant::Missing(), object.Out()), S_OK);
        return object;
    }
    // A property read by name; a failure fails the test with the property's name.
    tlx::Variant Read(IDispatch* view, const char16_t* name) {
        tlx::Variant value;
        EXPECT_EQ(ReadProperty(view, name, value), S_OK) << tlx::Utf16ToUtf8(name);
        return value;
    }
    std::u16string Text(IDispatch* view, const char16_t* name) {
        tlx::Variant value = Read(view, name);
        EXPECT_EQ(value.vt, VT_BSTR) << tlx::Utf16ToUtf8(name);
        return value.vt == VT_BSTR ? std::u16string(value.bstrVal, SysStringLen(value.bstrVal)) : u"?";
    }

    RegisteredModuleClasses classes_;
};

// The text properties of the company view with their keys.
constexpr std::pair<const char16_t*, const char16_t*> kCompanyTexts[] = {
    {u"NIP", u"FirmaNIP"},
    {u"Kraj", u"FirmaKraj"},
    {u"Wojewodztwo", u"FirmaWojewodztwo"},
    {u"Powiat", u"FirmaPowiat"},
    {u"Gmina", u"FirmaGmina"},
    {u"Ulica", u"FirmaUlica"},
    {u"Nr_domu", u"FirmaNrDomu"},
    {u"Nr_Lokalu", u"FirmaNrLokalu"},
    {u"Miasto", u"FirmaMiejscowosc"},
    {u"KodPocztowy", u"FirmaKodP"},
    {u"Poczta", u"FirmaPoczta"},
    {u"ImieP", u"FirmaImiePrzedst"},
    {u"NazwiskoP", u"FirmaNazwiskoPrzedst"},
    {u"TypDzialalnosciPodstawowej", u"FirmaTypDzial"},
    {u"RejestrDlaGeneracjiKorekcyjnej", u"RejestrDlaGeneracjiKorekcyjnej"},
    {u"ImiePCIT8", u"FirmaImiePrzedstCIT8"},
    {u"NazwiskoPCIT8", u"FirmaNazwiskoPrzedstCIT8"},
};
constexpr std::pair<const char16_t*, const char16_t*> kCompanyNumbers[] = {
    {u"GeneracjaKorekcyjnaVAT7", u"GeneracjaKorekcyjnaVAT7"},
    {u"RodzajKsiegowosci", u"RodzajKsiegowosci"},
    {u"TypDokumentuDlaDeklaracji", u"TypDokumentuDlaDeklaracji"},
    {u"FormaPlatnosciDlaDeklaracji", u"FormaPlatnosciDlaDeklaracji"},
};
constexpr const char16_t* kProgramNumbers[] = {u"WylZak0_VAT7", u"Grosze_VAT7", u"Vat7_WliczacNP"};
constexpr const char16_t* kProgramAmounts[] = {u"ZaokPodst_VAT7",    u"ZaokPodatek_VAT7",  u"ZaokPodst_PIT5",
                                                u"ZaokPodatek_PIT5",  u"StawkaRyczaltowa1", u"StawkaRyczaltowa2",
                                                u"StawkaRyczaltowa3"};

}  // namespace

TEST_F(ConfigurationViews, CompanyViewReadsEveryKeyAsStored) {
    for (const auto& [property, key] : kCompanyTexts) Set(key, (u" " + std::u16string(property) + u"ąŁ ").c_str());
    Set(u"GeneracjaKorekcyjnaVAT7", u"11");
    Set(u"RodzajKsiegowosci", u"12");
    Set(u"TypDokumentuDlaDeklaracji", u"13");
    Set(u"FormaPlatnosciDlaDeklaracji", u"14");
    Set(u"FirmaNazwaPelna", u"Kowalski");
    Set(u"FirmaOsobaFizyczna", u"2");
    Set(u"FirmaUrzadSkarbowy", u"7");
    Set(u"FirmaUrzadSkarbowyPIT8A", u"8");
    Execute(u"INSERT INTO TLX.Urzedy (Urz_UrzID, Urz_Kod, Urz_Nazwa1) VALUES (7, '1471', 'Urząd Skarbowy "
            u"Warszawa-Mokotów'), (8, '1202', 'Urząd Skarbowy w Bochni')");

    auto view = Create(u"TLX.FirmaCfgRO");
    ASSERT_TRUE(view);
    for (const auto& [property, key] : kCompanyTexts)
        EXPECT_EQ(Text(view.Get(), property), u" " + std::u16string(property) + u"ąŁ ") << "no trimming, no case change";
    LONG expected = 10;
    for (const auto& [property, key] : kCompanyNumbers) EXPECT_EQ(Read(view.Get(), property).lVal, ++expected);
    EXPECT_EQ(Text(view.Get(), u"RodzajPlatnika"), u"2");
    EXPECT_EQ(Text(view.Get(), u"Nazwa"), u"Kowalski") << "only a natural person adds name and birth date";

    for (const auto& [property, code] : {std::pair{u"UrzadSkarbowy", u"1471"}, {u"UrzadSkarbowyPIT8A", u"1202"}}) {
        tlx::Variant office = Read(view.Get(), property);
        ASSERT_EQ(office.vt, VT_DISPATCH);
        tlx::ComPtr<IUrzad> urzad = tlx::ComPtr<IDispatch>(office.pdispVal).As<IUrzad>();
        ASSERT_TRUE(urzad);
        tlx::Bstr kod;
        urzad->get_Kod(kod.Out());
        EXPECT_EQ(kod.View(), code);
    }
}

TEST_F(ConfigurationViews, CompanyViewDefaultsWithoutConfiguration) {
    auto view = Create(u"TLX.FirmaCfgRO");
    ASSERT_TRUE(view);
    for (const auto& [property, key] : kCompanyTexts) EXPECT_EQ(Text(view.Get(), property), u"");
    for (const auto& [property, key] : kCompanyNumbers) EXPECT_EQ(Read(view.Get(), property).lVal, 0);
    EXPECT_EQ(Text(view.Get(), u"RodzajPlatnika"), u"0");
    EXPECT_EQ(Text(view.Get(), u"Nazwa"), u"");
    for (const char16_t* office : {u"UrzadSkarbowy", u"UrzadSkarbowyPIT8A"}) {
        tlx::Variant value = Read(view.Get(), office);
        EXPECT_TRUE(value.vt == VT_EMPTY || (value.vt == VT_DISPATCH && !value.pdispVal)) << "no tax office";
    }
    Set(u"FirmaUrzadSkarbowy", u"0");
    tlx::Variant none = Read(view.Get(), u"UrzadSkarbowy");
    EXPECT_TRUE(none.vt == VT_EMPTY || (none.vt == VT_DISPATCH && !none.pdispVal)) << "0 is no tax office";
}

TEST_F(ConfigurationViews, NaturalPersonsNameJoinsNameFirstNameAndBirthDate) {
    auto view = Create(u"TLX.FirmaCfgRO");
    Set(u"FirmaOsobaFizyczna", u"1");
    Set(u"FirmaNazwaPelna", u"Kowalski");
    Set(u"FirmaDataUr", u"1970-01-01");
    EXPECT_EQ(Text(view.Get(), u"Nazwa"), u"Kowalski  1970-01-01") << "an empty first name keeps both blanks";
    Set(u"FirmaImie", u"Jan");
    EXPECT_EQ(Text(view.Get(), u"Nazwa"), u"Kowalski Jan 1970-01-01") << "values are read anew on every read";
}

TEST_F(ConfigurationViews, ValuesThatAreNoNumbersFailTheRead) {
    Set(u"RodzajKsiegowosci", u"pełna");
    Set(u"/Program/Księgowość/Stawki Podatkowe/Ryczałt 1", u"osiem");
    auto company = CFirmaCfgRO::Make();
    auto program = CProgramCfgRO::Make();
    LONG state = 0, kind = 0;
    ASSERT_EQ(company->Initialize(session_.Get(), &state), S_OK);
    ASSERT_EQ(program->Initialize(session_.Get(), &state), S_OK);
    EXPECT_EQ(company->get_RodzajKsiegowosci(&kind), DISP_E_TYPEMISMATCH);
    CY rate{};
    EXPECT_EQ(program->get_StawkaRyczaltowa1(&rate), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(company->get_RodzajKsiegowosci(nullptr), E_POINTER) << "a null out-pointer is refused first";

    tlx::Bstr nip;
    EXPECT_EQ(CFirmaCfgRO::Make()->get_NIP(nip.Out()), E_POINTER) << "no session, no configuration";
}

TEST_F(ConfigurationViews, AnAmountNoCurrencyHoldsIsRefusedNamingItsKey) {
    Set(u"/Program/Księgowość/Zaokraglenia/Podstawy VAT7", u"99999999999999999999");
    auto program = CProgramCfgRO::Make();
    LONG state = 0;
    ASSERT_EQ(program->Initialize(session_.Get(), &state), S_OK);
    CY amount{};
    EXPECT_EQ(program->get_ZaokPodst_VAT7(&amount), DISP_E_OVERFLOW);
    std::u16string why = tlx::TakeErrorDescription();
    EXPECT_NE(why.find(u"Podstawy VAT7"), std::u16string::npos) << tlx::Utf16ToUtf8(why);
}

TEST_F(ConfigurationViews, ProgramViewIsZeroWithoutConfiguration) {
    auto view = Create(u"TLX.ProgramCfgRO");
    ASSERT_TRUE(view);
    for (const char16_t* property : kProgramNumbers) {
        tlx::Variant value = Read(view.Get(), property);
        EXPECT_EQ(value.vt, VT_I4);
        EXPECT_EQ(value.lVal, 0) << tlx::Utf16ToUtf8(property);
    }
    for (const char16_t* property : kProgramAmounts) {
        tlx::Variant value = Read(view.Get(), property);
        EXPECT_EQ(value.vt, VT_CY);
        EXPECT_EQ(value.cyVal.int64, 0) << tlx::Utf16ToUtf8(property);
    }
}

TEST_F(ConfigurationViews, ProgramViewReadsAmountsInTheUsersFormatAndDatedKeysAtTheWorkingDate) {
    Set(u"/Program/Księgowość/Zaokraglenia/Grosze VAT7", u"1");
    Set(u"/Program/Księgowość/Zaokraglenia/Podstawy VAT7", u"1");
    Set(u"/Program/Księgowość/Zaokraglenia/Podatku VAT7", u"0,01");
    Set(u"/Program/Księgowość/Zaokraglenia/Podstawy PIT5", u"10");
    Set(u"/Program/Księgowość/Zaokraglenia/Podatku PIT5", u"-0,005");
    Set(u"/Program/Księgowość/Stawki Podatkowe/Ryczałt 1", u"17,125");
    Set(u"/Program/Księgowość/Stawki Podatkowe/Ryczałt 2", u"8,5");
    Set(u"/Program/Księgowość/Stawki Podatkowe/Ryczałt 3", u"3");
    // The operator works on 2023-03-15; the system date is later than every starting date.
    SetDated(u"VAT7_Wliczaj0", u"2020-01-01", u"1");
    SetDated(u"VAT7_Wliczaj0", u"2024-01-01", u"0");
    SetDated(u"UwzgledniacSprzedazNiePodlegajacaVat", u"2023-03-15", u"1");
    SetDated(u"UwzgledniacSprzedazNiePodlegajacaVat", u"2023-03-16", u"0");

    auto view = Create(u"TLX.ProgramCfgRO");
    ASSERT_TRUE(view);
    const std::pair<const char16_t*, LONGLONG> amounts[] = {
        {u"ZaokPodst_VAT7", 10000},     {u"ZaokPodatek_VAT7", 100},     {u"ZaokPodst_PIT5", 100000},
        {u"ZaokPodatek_PIT5", -100},    {u"StawkaRyczaltowa1", 171300}, {u"StawkaRyczaltowa2", 85000},
        {u"StawkaRyczaltowa3", 30000}};
    for (const auto& [property, count] : amounts)
        EXPECT_EQ(Read(view.Get(), property).cyVal.int64, count) << tlx::Utf16ToUtf8(property);
    EXPECT_EQ(Read(view.Get(), u"Grosze_VAT7").lVal, 1);
    EXPECT_EQ(Read(view.Get(), u"WylZak0_VAT7").lVal, 1) << "the value valid on the working date";
    EXPECT_EQ(Read(view.Get(), u"Vat7_WliczacNP").lVal, 1) << "valid from the working date itself";
}
