// The payer block of the ZUS documents, computed from the company's settings or from a person's record,
// written into a block of the host's KEDU component.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "ModuleClassFixture.h"
#include "hostapi/Configuration.h"
#include "hostapi/Collections.h"
#include "hostapi/Employees.h"
#include "hostapi/Kedu.h"
#include "hostapi/Payroll.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/zus/DiplBuilder.h"
#include "platform/text/CodePage.h"

namespace {

using Cells = std::array<std::string, 9>;

class DiplBuilderTest : public ModuleClassTest {
protected:
    void SetUp() override {
        ModuleClassTest::SetUp();
        konfiguracja_ = Create(u"TLX.Konfiguracja").As<IKonfiguracja>();
        ASSERT_TRUE(konfiguracja_);
    }
    void Set(std::u16string_view key, std::u16string_view value) {
        Execute(u"DELETE FROM TLX.Konfiguracja WHERE Kfg_Klucz = '" + std::u16string(key) + u"'");
        Execute(u"INSERT INTO TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) VALUES ('" + std::u16string(key) + u"', '" +
                std::u16string(value) + u"')");
    }
    // A parameter without dated values: the value at every date, the date 0 included.
    void SetFlag(std::u16string_view key, bool on) { Set(key, on ? u"1" : u"0"); }
    // A block of a new document with every position holding "x", so that what is not written shows.
    tlx::ComPtr<IKeduBlok> Block() {
        auto plik = Create(u"TlxKedu.KEDU").As<IKeduPlik>();
        tlx::ComPtr<IKeduDokumenty> dokumenty;
        EXPECT_EQ(plik->get_Dokumenty(dokumenty.Out()), S_OK);
        tlx::ComPtr<IKeduDokument> dokument;
        EXPECT_EQ(dokumenty->Add(tlx::Bstr(u"ZUSIWA").Get(), dokument.Out()), S_OK);
        tlx::ComPtr<IKeduBloki> bloki;
        EXPECT_EQ(dokument->get_bloki(bloki.Out()), S_OK);
        tlx::ComPtr<IKeduBlok> blok;
        EXPECT_EQ(bloki->get_Item(tlx::Variant::FromString(u"DIPLIWA"), blok.Out()), S_OK);
        for (LONG n = 1; n <= 9; ++n) EXPECT_EQ(blok->put_Item(n, 0, tlx::Variant::FromString(u"x")), S_OK);
        return blok;
    }
    static Cells Read(IKeduBlok* blok) {
        Cells cells;
        for (LONG n = 1; n <= 9; ++n) {
            tlx::Variant value;
            EXPECT_EQ(blok->get_Item(n, 0, value.Out()), S_OK);
            cells[n - 1] = (value.vt == VT_DATE ? "D" : "") + tlx::Utf16ToUtf8(AsText(value));
        }
        return cells;
    }
    void SetCompany(std::u16string_view osobaFizyczna) {
        Set(u"Osoba fizyczna", osobaFizyczna);
        for (auto prefix : {u"", u"Firma"}) {
            Set(std::u16string(prefix) + u"NIP", std::u16string(prefix) + u"526-10-20 304");
            Set(std::u16string(prefix) + u"REGON", std::u16string(prefix) + u"012345678");
            Set(std::u16string(prefix) + u"PESEL", std::u16string(prefix) + u"80050212345");
        }
        Set(u"FirmaNazwaSkroconaZUS", u"Łódzka Spółka");
        Set(u"Nazwisko", u"Żółć");
        Set(u"Imię", u"Łukasz");
        Set(u"Dowód osobisty", u"ABC123456");
        Set(u"Paszport", u"EE1234567");
        Set(u"Data urodzenia", u"1980-05-02");
    }

    tlx::ComPtr<IKonfiguracja> konfiguracja_;
};

TEST_F(DiplBuilderTest, FillsFromTheCompanySettings) {
    const struct {
        const char* name;
        const char16_t* osobaFizyczna;
        const char16_t* dowod;
        const char16_t* paszport;
        const char16_t* urodzony;
        Cells cells;
    } rows[] = {
        {"a company", u"0", u"ABC123456", u"EE1234567", u"1980-05-02",
         {"Firma5261020 304", "Firma012345678", "x", "x", "x", "ŁÓDZKA SPÓŁKA", "x", "x", "x"}},
        {"a trailing blank is no natural person", u"1 ", u"ABC123456", u"", u"",
         {"Firma5261020 304", "Firma012345678", "x", "x", "x", "ŁÓDZKA SPÓŁKA", "x", "x", "x"}},
        {"a leading zero is no natural person", u"01", u"ABC123456", u"", u"",
         {"Firma5261020 304", "Firma012345678", "x", "x", "x", "ŁÓDZKA SPÓŁKA", "x", "x", "x"}},
        {"the identity card before the passport", u"1", u"ABC123456", u"EE1234567", u"1980-05-02",
         {"Firma5261020 304", "Firma012345678", "Firma80050212345", "1", "ABC123456", "ŁÓDZKA SPÓŁKA",
          "ŻÓŁĆ", "ŁUKASZ", "D29343.0000"}},
        {"the passport alone", u"1", u"", u"EE1234567", u"",
         {"Firma5261020 304", "Firma012345678", "Firma80050212345", "2", "EE1234567", "ŁÓDZKA SPÓŁKA",
          "ŻÓŁĆ", "ŁUKASZ", "x"}},
        {"no document: neither kind nor number", u"1", u"", u"", u"1899-05-02",
         {"Firma5261020 304", "Firma012345678", "Firma80050212345", "x", "x", "ŁÓDZKA SPÓŁKA", "ŻÓŁĆ",
          "ŁUKASZ", "D2.0000"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetCompany(row.osobaFizyczna);
        Set(u"Dowód osobisty", row.dowod);
        Set(u"Paszport", row.paszport);
        Set(u"Data urodzenia", row.urodzony);
        auto blok = Block();
        CDiplBuilder builder(konfiguracja_.Get(), nullptr, false);
        ASSERT_EQ(ComBoundary([&] { builder.FillFromCompany(blok.Get()); }), S_OK)
            << tlx::Utf16ToUtf8(LastError());
        EXPECT_EQ(Read(blok.Get()), row.cells);
    }
}

TEST_F(DiplBuilderTest, ACompanyBirthDateThatIsNoDateFailsAfterTheFirstPositions) {
    SetCompany(u"1");
    Set(u"Data urodzenia", u"drugi maja");
    auto blok = Block();
    CDiplBuilder builder(konfiguracja_.Get(), nullptr, false);
    EXPECT_EQ(ComBoundary([&] { builder.FillFromCompany(blok.Get()); }), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(tlx::Utf16ToUtf8(LastError()), "Ustawienie \"Data urodzenia\" nie jest datą: drugi maja");
    Cells cells = Read(blok.Get());
    EXPECT_EQ(cells[7], "ŁUKASZ") << "what was written before the date stays";
    EXPECT_EQ(cells[8], "x");
}

TEST_F(DiplBuilderTest, TheCompanyPathWritesTheRegonByTheOwnerRule) {
    const struct {
        const char* name;
        const char16_t* osobaFizyczna;
        bool consultOwner;
        bool ownerRegon;
        Cells cells;
    } rows[] = {
        {"no insured person: always the REGON", u"1", false, false,
         {"5261020 304", "012345678", "80050212345", "1", "ABC123456", "ŁÓDZKA SPÓŁKA", "ŻÓŁĆ", "ŁUKASZ",
          "D29343.0000"}},
        {"an owner without the setting: no REGON", u"1", true, false,
         {"5261020 304", "", "80050212345", "1", "ABC123456", "ŁÓDZKA SPÓŁKA", "ŻÓŁĆ", "ŁUKASZ", "D29343.0000"}},
        {"an owner with the setting", u"1", true, true,
         {"5261020 304", "012345678", "80050212345", "1", "ABC123456", "ŁÓDZKA SPÓŁKA", "ŻÓŁĆ", "ŁUKASZ",
          "D29343.0000"}},
        {"a company always has its REGON", u"0", true, false,
         {"5261020 304", "012345678", "x", "x", "x", "ŁÓDZKA SPÓŁKA", "x", "x", "x"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
                SetCompany(row.osobaFizyczna);
        SetFlag(u"/Firma/Płace/ZUS/REGON DRA Wlasciciel", row.ownerRegon);
        auto blok = Block();
        CDiplBuilder builder(konfiguracja_.Get(), nullptr, row.consultOwner);
        ASSERT_EQ(ComBoundary([&] { builder.Fill(blok.Get()); }), S_OK) << tlx::Utf16ToUtf8(LastError());
        EXPECT_EQ(Read(blok.Get()), row.cells);
    }
}

TEST_F(DiplBuilderTest, ThePersonPathReadsTheRecord) {
    SetCompany(u"1");
    Execute(u"INSERT INTO TLX.PracKod (Pra_PraID, Pra_Kod) VALUES (7, 'P007'), (8, 'P008')");
    Execute(u"INSERT INTO TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_Nazwisko, PRE_Imie1, "
            u"PRE_Pesel, PRE_NIP, PRE_DowodNr, PRE_Paszport, PRE_DataUr) VALUES "
            u"(71, 7, '2016-01-01 00:00:00', NULL, 'Źdźbło-Ąę', 'Ńina', '90010112345', '111-222-33-44', '', "
            u"'PA777', NULL), "
            u"(81, 8, '2016-01-01 00:00:00', NULL, 'Nowak', 'Jan', '85010112345', '1112223344', 'DO1', 'PA8', "
            u"'1985-01-01 00:00:00')");
    const struct {
        const char* name;
        const char16_t* id;
        bool companyName;
        Cells cells;
    } rows[] = {
        {"no company name, the passport, no birth date", u"7", false,
         {"1112223344", "", "90010112345", "2", "PA777", "x", "ŹDŹBŁO-ĄĘ", "ŃINA", "NULL"}},
        {"the company name, the identity card", u"8", true,
         {"1112223344", "", "85010112345", "1", "DO1", "ŁÓDZKA SPÓŁKA", "NOWAK", "JAN", "D31048.0000"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
                SetFlag(u"/Firma/Płace/ZUS/Nazwa firmy na deklaracji", row.companyName);
        tlx::ComPtr<IDispatch> item;
        ASSERT_EQ(session_->CreateObject(tlx::Bstr(u"TLX.Pracownicy").Get(), tlx::Variant::FromString(row.id),
                                         item.Out()),
                  S_OK);
        auto pracownik = item.As<IPracownik>();
        ASSERT_TRUE(pracownik);
        tlx::ComPtr<IPracEtat> etat;
        ASSERT_EQ(pracownik->GetEtat(42400.0, tlx::Variant::Missing(), etat.Out()), S_OK);
        auto blok = Block();
        CDiplBuilder builder(konfiguracja_.Get(), etat.Get(), true);
        ASSERT_EQ(ComBoundary([&] { builder.Fill(blok.Get()); }), S_OK) << tlx::Utf16ToUtf8(LastError());
        EXPECT_EQ(Read(blok.Get()), row.cells);
    }
}

// A flag setting that is no flag is refused naming the setting and the value it holds.
TEST_F(DiplBuilderTest, AFlagSettingThatIsNoFlagIsNamedWithItsValue) {
    Set(u"/Firma/Płace/ZUS/Nazwa firmy na deklaracji", u"tak");
    EXPECT_EQ(ComBoundary([&] { CDiplBuilder builder(konfiguracja_.Get(), nullptr, false); }), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(LastError(), u"Wartość \"tak\" nie jest wartością logiczną (ustawienie \"/Firma/Płace/ZUS/Nazwa firmy "
                           u"na deklaracji\")");
}

TEST_F(DiplBuilderTest, NeedsAConfigurationAndABlock) {
    EXPECT_EQ(ComBoundary([&] { CDiplBuilder builder(nullptr, nullptr, false); }), E_POINTER);
    CDiplBuilder builder(konfiguracja_.Get(), nullptr, false);
    EXPECT_EQ(ComBoundary([&] { builder.FillFromCompany(nullptr); }), E_POINTER);
    CDiplBuilder copy(static_cast<IDeklaracja2*>(nullptr));
    auto blok = Block();
    EXPECT_EQ(ComBoundary([&] { copy.Fill(blok.Get()); }), E_POINTER)
        << "a copy without its source reads the configuration, which it has not";
}

}  // namespace
