// The RSA row collector over a company's payroll rows: which elements and absence links become rows, the
// recoding of titles, the type-329 lookup around March 2016, the "140" row after the pension base limit,
// and the ordering and joining of rows with the zero-report flag it leaves on the report.
#include <gtest/gtest.h>

#include <string>

#include "StandInDra.h"
#include "ZusPayrollFixture.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/zus/RSAInfo.h"
#include "platform/text/CodePage.h"

namespace {

std::u16string N(long long value) { return tlx::Utf8ToUtf16(std::to_string(value)); }
std::u16string Day(std::u16string_view day) { return day.empty() ? u"NULL" : u"'" + std::u16string(day) + u" 00:00:00'"; }

class RSAInfoTest : public ZusPayrollTest {
protected:
    void TearDown() override {
        info_.reset();
        raport_.Reset();
        ZusPayrollTest::TearDown();
    }
    // A benefit definition: its code, row rule, and whether sickness or accident insurance pays it.
    void Code(LONG kod, LONG regula, LONG chorobowe = 0, LONG wypadkowe = 0, LONG koniecOkresu = 0) {
        Execute(u"INSERT INTO TLX.KodySwiadczen (Pdz_PdzId, Pdz_Kod, Pdz_Nazwa, Pdz_ZUbezpChorobowego, "
                u"Pdz_ZUbezpWypadkowego, Pdz_RegulaWiersza, Pdz_MiesiacKoncaOkresu) VALUES (" +
                N(kod) + u", " + N(kod) + u", 'Kod', " + N(chorobowe) + u", " + N(wypadkowe) + u", " + N(regula) + u", " +
                N(koniecOkresu) + u")");
    }
    // A payout type under a benefit code (0: none) of the kind and report kind.
    LONG Type(LONG kod, LONG rodzaj = 0, LONG rodzajRaportu = 0) {
        const LONG id = ++types_ + 100;
        Execute(u"INSERT INTO TLX.TypWyplata (TWP_TwpId, TWP_PdzId, TWP_Nazwa, TWP_Numer, TWP_Rodzaj, TWP_RodzajRaportu) "
                u"VALUES (" + N(id) + u", " + (kod ? N(kod) : u"NULL") + u", 'Typ', " + N(id) + u", " + N(rodzaj) + u", " +
                N(rodzajRaportu) + u")");
        return id;
    }
    // An element of the payout with its own period and the pension and disability bases.
    LONG Element(LONG payout, LONG type, double kwota, LONG kod, std::u16string_view od = u"",
                 std::u16string_view doDnia = u"", double a1 = 0.0, double a2 = 0.0) {
        Execute(u"INSERT INTO TLX.WypElementy (WPE_WplId, WPE_TwpId, WPE_Wartosc, WPE_KodTytulu, WPE_DataOd, WPE_DataDo, "
                u"WPE_Kwota1, WPE_Kwota2) VALUES (" + N(payout) + u", " + N(type) + u", " + N(static_cast<long long>(kwota)) +
                u", " + N(kod) + u", " + Day(od) + u", " + Day(doDnia) + u", " + N(static_cast<long long>(a1)) + u", " +
                N(static_cast<long long>(a2)) + u")");
        return std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT MAX(WPE_WpeId) FROM TLX.WypElementy")));
    }
    // A link of the element over the days [od, doDnia], for an absence when `absence` is given.
    void Link(LONG element, std::u16string_view od, std::u16string_view doDnia, LONG absence = 0) {
        Execute(u"INSERT INTO TLX.WypElementyLinki (WEL_WpeId, WEL_DataOd, WEL_DataDo, WEL_NbaId) VALUES (" + N(element) +
                u", " + Day(od) + u", " + Day(doDnia) + u", " + (absence ? N(absence) : u"NULL") + u")");
    }
    LONG Absence(LONG card, LONG kod, std::u16string_view od, std::u16string_view doDnia) {
        Execute(u"INSERT INTO TLX.TypyNieobecnosci (TNB_Nazwa, TNB_Kategoria, TNB_PdzId) VALUES ('Nieobecność', 1, " + N(kod) + u")");
        Execute(u"INSERT INTO TLX.Nieobecnosci (NBA_PraId, NBA_TnbId, NBA_DataOd, NBA_DataDo) VALUES (" + N(card) +
                u", (SELECT MAX(TNB_TnbId) FROM TLX.TypyNieobecnosci), " + Day(od) + u", " + Day(doDnia) + u")");
        return std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT MAX(NBA_NbaId) FROM TLX.Nieobecnosci")));
    }
    // The collector of the card for the month; `zbierz` runs the collection.
    HRESULT Collect(LONG card, int year, int month, bool zbierz = true) {
        raport_ = CStandInRaport::Make();
        raport_->rok = year;
        raport_->miesiac = month;
        error_.clear();
        const HRESULT hr = ComBoundary([&] {
            info_ = std::make_unique<CRSAInfo>(Employee(card).As<IPracownikDane>().Get(), raport_.Get());
            if (zbierz) info_->Zbierz();
        });
        if (FAILED(hr)) error_ = tlx::Utf16ToUtf8(LastError());
        return hr;
    }
    // Each row as "code source-number from..to days amount".
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (const auto& p : info_->Pozycje()) {
            std::string row = std::to_string(p->Kod) + " " + std::to_string(CRSAInfo::NumerTypu(p->Zrodlo.Get()));
            row += " " + (p->DataOd.IsEmpty() ? std::string("-") : tlx::Utf16ToUtf8(p->DataOd.FormatSql().View()));
            row += ".." + (p->DataDo.IsEmpty() ? std::string("-") : tlx::Utf16ToUtf8(p->DataDo.FormatSql().View()));
            char amount[32];
            std::snprintf(amount, sizeof amount, "%.2f", p->Kwota.AsDouble());
            rows.push_back(row + " " + std::to_string(p->Liczba) + " " + amount);
        }
        return rows;
    }
    PozycjaRSAPtr Row(std::uint32_t kod, IDispatch* zrodlo, CDate od, CDate doDnia, double kwota = 0.0, int liczba = 0) {
        auto p = std::make_shared<CPozycjaRSA>();
        p->Kod = kod;
        p->Zrodlo = tlx::ComPtr<IDispatch>(zrodlo);
        p->DataOd = od;
        p->DataDo = doDnia;
        p->Kwota = CMoney(kwota);
        p->Liczba = liczba;
        return p;
    }

    tlx::ComPtr<CStandInRaport> raport_;
    std::unique_ptr<CRSAInfo> info_;
    std::string error_;
    LONG types_ = 0;
};

using Lines = std::vector<std::string>;

TEST_F(RSAInfoTest, EachRowRuleOfAPaidBenefitMakesItsRow) {
    AddEmployee(1, u"2016-01-01", 110);
    Code(313, 3, 1);
    Code(321, 3, 0, 1);
    Code(331, 2);
    Code(111, 1);
    Code(350, 0);
    const LONG payout = AddPayout(1, 2016, 5);
    Link(Element(payout, Type(313), 700, 11000, u"2016-05-01", u"2016-05-31"), u"2016-05-02", u"2016-05-08");
    Link(Element(payout, Type(321), 300, 11000, u"2016-05-01", u"2016-05-31"), u"2016-05-20", u"2016-05-24");
    Link(Element(payout, Type(331), 250, 11000, u"2016-05-01", u"2016-05-31"), u"2016-05-10", u"2016-05-11");
    Link(Element(payout, Type(111), 0, 11000, u"2016-05-01", u"2016-05-31"), u"2016-05-25", u"2016-05-26");
    Element(payout, Type(0), 5000, 11000, u"2016-05-01", u"2016-05-31");  // wages: no definition, no row
    Element(payout, Type(313, 0, 1), 100, 11000);                         // reported by its links
    ASSERT_EQ(Collect(1, 2016, 5), S_OK) << error_;
    EXPECT_EQ(Rows(), (Lines{
                          "11000 313 2016-05-02..2016-05-09 7 700.00",
                          "11000 331 2016-05-10..2016-05-12 0 250.00",
                          "11000 321 2016-05-20..2016-05-25 1 300.00",
                          "11000 111 2016-05-25..2016-05-27 0 0.00",
                      }));
    EXPECT_EQ(raport_->generujZeroweRCA, 1) << "days of May lie in no row";
}

TEST_F(RSAInfoTest, ABenefitOfTitle1230TakesThePersonsTitleAndAddsARowOf1211) {
    Code(311, 3, 1);
    Code(350, 0);
    const struct {
        LONG tytul;
        const char* kod;
    } cases[] = {{110, "11011"}, {20000, "20011"}};
    LONG card = 1;
    for (const auto& c : cases) {
        AddEmployee(card, u"2016-01-01", c.tytul);
        const LONG payout = AddPayout(card, 2016, 5);
        Link(Element(payout, Type(311), 900, 123011, u"2016-05-01", u"2016-05-31"), u"2016-05-01", u"2016-05-31");
        ASSERT_EQ(Collect(card, 2016, 5), S_OK) << error_;
        EXPECT_EQ(Rows(), (Lines{std::string(c.kod) + " 311 2016-05-01..2016-06-01 31 900.00",
                                "121111 350 2016-05-01..2016-06-01 0 0.00"}))
            << c.tytul;
        EXPECT_EQ(raport_->generujZeroweRCA, 0) << "the whole month is covered";
        ++card;
    }
}

TEST_F(RSAInfoTest, ARowOfRule0IsMadeOnlyForTitle1230AndByItsAmount) {
    AddEmployee(1, u"2016-01-01", 110);
    Code(121, 0);
    Code(350, 0);
    const LONG payout = AddPayout(1, 2016, 5);
    const LONG type = Type(121);
    Link(Element(payout, type, 400, 123011, u"2016-05-01", u"2016-05-31"), u"2016-05-01", u"2016-05-15");
    Link(Element(payout, type, 0, 123011, u"2016-05-01", u"2016-05-31"), u"2016-05-16", u"2016-05-31");
    Link(Element(payout, type, 400, 11000, u"2016-05-01", u"2016-05-31"), u"2016-05-01", u"2016-05-31");
    ASSERT_EQ(Collect(1, 2016, 5), S_OK) << error_;
    EXPECT_EQ(Rows(), (Lines{"121111 350 2016-05-01..2016-05-16 0 0.00", "121011 350 2016-05-16..2016-06-01 0 0.00"}));
}

TEST_F(RSAInfoTest, Rule3WithoutDaysMakesNoRowRules1And2MakeOneWithoutDates) {
    AddEmployee(1, u"2016-01-01", 110);
    Code(313, 3, 1);
    Code(331, 2);
    const LONG payout = AddPayout(1, 2016, 5);
    Element(payout, Type(313), 700, 11000);
    Element(payout, Type(331), 250, 11000);
    ASSERT_EQ(Collect(1, 2016, 5), S_OK) << error_;
    EXPECT_EQ(Rows(), (Lines{"11000 331 -..- 0 250.00"}));
}

TEST_F(RSAInfoTest, AType329TakesItsDefinitionFromItsPayoutBeforeMarch2016AndItsOwnFrom) {
    AddEmployee(1, u"2016-01-01", 110);
    Code(329, 3, 0, 0);
    Code(319, 3, 1);
    for (int month : {2, 3}) {
        const LONG payout = AddPayout(1, 2016, month);
        const std::u16string m = month == 2 ? u"02" : u"03";
        Link(Element(payout, Type(329), 200, 99900, u"2016-" + m + u"-01", u"2016-" + m + u"-28"), u"2016-" + m + u"-01",
             u"2016-" + m + u"-05");
        Element(payout, Type(319), 0, 0);  // names the payout's benefit for the lookup; no row of its own
        ASSERT_EQ(Collect(1, 2016, month), S_OK) << error_;
        EXPECT_EQ(Rows(), (Lines{month == 2 ? "11000 319 2016-02-01..2016-02-06 5 200.00" : "11000 329 2016-03-01..2016-03-06 5 200.00"}))
            << "month " << month << ": the title is the person's in both";
    }
}

TEST_F(RSAInfoTest, AnAbsenceLinkOfAPaidAbsenceTypeMakesARowByItsDefinition) {
    AddEmployee(1, u"2016-01-01", 110);
    Code(313, 1, 1);
    Code(112, 3);
    Code(111, 1);
    Code(329, 3);
    const LONG payout = AddPayout(1, 2016, 5);
    const LONG absence = Absence(1, 313, u"2016-05-02", u"2016-05-06");
    const auto linked = [&](LONG type) {
        const LONG element = Element(payout, type, 0, 11000);
        Link(element, u"2016-05-02", u"2016-05-06", absence);
    };
    linked(Type(313, 2, 1));  // an absence: a row
    linked(Type(313, 0, 1));  // not an absence: none
    linked(Type(112, 2, 1));  // type 112: a row of the definition 111
    linked(Type(329, 2, 1));  // type 329 has no definition: none
    ASSERT_EQ(Collect(1, 2016, 5), S_OK) << error_;
    EXPECT_EQ(Rows(), (Lines{"11000 313 2016-05-02..2016-05-07 0 0.00", "11000 111 2016-05-02..2016-05-07 0 0.00"}));
}

// A row of a paid absence carries the text of what its line links to, the absence's description (the
// sick-leave certificate): its first link's, or its second's when the first links to none.
TEST_F(RSAInfoTest, ARowOfAPaidAbsenceCarriesTheDescriptionOfTheAbsenceItsLineLinksTo) {
    AddEmployee(1, u"2016-01-01", 110);
    Code(313, 3, 1);
    const LONG payout = AddPayout(1, 2016, 5);
    const LONG first = Absence(1, 313, u"2016-05-02", u"2016-05-06");
    const LONG second = Absence(1, 313, u"2016-05-23", u"2016-05-24");
    for (LONG absence : {first, second})
        Execute(u"UPDATE TLX.Nieobecnosci SET NBA_Opis = 'ZLA " + N(absence) + u"' WHERE NBA_NbaId = " + N(absence));
    Link(Element(payout, Type(313), 700, 11000, u"2016-05-01", u"2016-05-31"), u"2016-05-02", u"2016-05-06", first);
    const LONG element = Element(payout, Type(313), 300, 11000, u"2016-05-01", u"2016-05-31");
    Link(element, u"2016-05-20", u"2016-05-22");
    Link(element, u"2016-05-23", u"2016-05-24", second);
    ASSERT_EQ(Collect(1, 2016, 5), S_OK) << error_;
    ASSERT_EQ(info_->Pozycje().size(), 2u);
    EXPECT_EQ(info_->Pozycje()[0]->Tekst.Str(), u"ZLA " + N(first));
    EXPECT_EQ(info_->Pozycje()[1]->Tekst.Str(), u"ZLA " + N(second));
}

TEST_F(RSAInfoTest, The140RowCoversTheMonthsShareOfTheSecondBase) {
    Code(140, 1);
    const struct {
        const char* what;
        double a2;
        const char16_t* koniec;  // of the element's own period
        bool row;
    } cases[] = {
        {"half the first base, a period into June", 500, u"2016-06-10", true},
        {"second base equal to the first", 1000, u"2016-06-10", false},
        {"a period ending in May", 500, u"2016-05-31", false},
    };
    LONG card = 1;
    for (const auto& c : cases) {
        AddEmployee(card, u"2016-01-01", 110);
        Element(AddPayout(card, 2016, 5), Type(0), 5000, 11000, u"2016-05-01", c.koniec, 1000, c.a2);  // wages
        ASSERT_EQ(Collect(card, 2016, 5), S_OK) << error_;
        EXPECT_EQ(info_->S1(), CMoney(1000.0)) << c.what;
        const Lines expected = c.row ? Lines{"500000 140 2016-05-16..2016-06-01 0 0.00"} : Lines{};
        EXPECT_EQ(Rows(), expected) << c.what << " (an open employment counts as ended)";
        ++card;
    }
}

TEST_F(RSAInfoTest, FirstBasesThatCancelOutMakeNo140RowInsteadOfDividingByZero) {
    AddEmployee(1, u"2016-01-01", 110);
    Code(140, 1);
    Code(500, 2);
    const LONG payout = AddPayout(1, 2016, 5);
    Element(payout, Type(500), 0, 11000, u"2016-05-01", u"2016-06-10", 1000, 0);
    Element(payout, Type(500), 0, 11000, u"2016-05-01", u"2016-06-10", -1000, -500);
    ASSERT_EQ(Collect(1, 2016, 5), S_OK) << error_;
    EXPECT_EQ(info_->S1(), CMoney());
    EXPECT_EQ(info_->S2(), CMoney(-500.0));
    for (const auto& row : Rows()) EXPECT_EQ(row.find(" 140 "), std::string::npos) << row;
}

TEST_F(RSAInfoTest, AFirstBaseOfZeroLeavesTheSumsAndTheLimitDateAlone) {
    AddEmployee(1, u"2016-01-01", 110);
    Code(500, 2);
    const LONG payout = AddPayout(1, 2016, 5);
    Element(payout, Type(500), 0, 11000, u"2016-05-01", u"2016-09-30", 0, 300);
    Element(payout, Type(500), 0, 11000, u"2016-05-01", u"2016-06-30", 200, 100);
    Element(payout, Type(500), 0, 11000, u"2016-05-01", u"2016-07-15", 300, 100);
    Element(payout, Type(500), 0, 11000, u"2016-05-01", u"2016-06-15", 300, 100);
    ASSERT_EQ(Collect(1, 2016, 5, false), S_OK) << error_;
    ASSERT_EQ(ComBoundary([&] { info_->Zbierz(1); }), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(info_->S1(), CMoney(800.0));
    EXPECT_EQ(info_->S2(), CMoney(300.0));
    EXPECT_EQ(info_->DataGraniczna(), CDate(7, 15, 2016));
}

TEST_F(RSAInfoTest, RowsAreJoinedOnlyWithTheRowKeptBeforeThem) {
    AddEmployee(1, u"2016-01-01", 110);
    Code(313, 3, 1);
    Code(321, 3, 0, 1);
    ASSERT_EQ(Collect(1, 2016, 5, false), S_OK) << error_;
    auto choroba = info_->Definicja(u"313");
    auto wypadek = info_->Definicja(u"321");
    const CDate d1(5, 1, 2016), d6(5, 6, 2016), d11(5, 11, 2016), d21(5, 21, 2016);
    info_->Dodaj(Row(11000, wypadek.Get(), d11, d21, 10.00, 3));
    info_->Dodaj(Row(11000, choroba.Get(), d1, d6, 100.00, 5));
    info_->Dodaj(Row(11000, choroba.Get(), d1, d6, 50.00, 4));   // identical: this one stays with the sum
    info_->Dodaj(Row(11000, choroba.Get(), d6, d11, 30.00, 5));  // touching: joined, the days of both
    info_->Dodaj(Row(11000, wypadek.Get(), d21, CDate(5, 26, 2016), 20.00, 9));  // touching: keeps its count
    info_->Dodaj(Row(11001, choroba.Get(), CDate(5, 26, 2016), CDate(6, 1, 2016), 1.00, 6));  // other code: kept
    ASSERT_EQ(ComBoundary([&] { info_->UporzadkujPozycje(); }), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Rows(), (Lines{
                          "11000 313 2016-05-01..2016-05-11 10 180.00",
                          "11000 321 2016-05-11..2016-05-26 3 30.00",
                          "11001 313 2016-05-26..2016-06-01 6 1.00",
                      }));
    EXPECT_EQ(raport_->generujZeroweRCA, 0);
}

// Sources are compared as host rows: one definition reached twice joins, two definitions of one code
// do not.
TEST_F(RSAInfoTest, RowsOfTwoDefinitionsWithOneCodeAreNotJoined) {
    AddEmployee(1, u"2016-01-01", 110);
    Code(313, 3, 1);
    Execute(u"INSERT INTO TLX.KodySwiadczen (Pdz_PdzId, Pdz_Kod, Pdz_Nazwa, Pdz_RegulaWiersza) VALUES (913, 313, "
            u"'Zasiłek chorobowy (inny)', 3)");
    ASSERT_EQ(Collect(1, 2016, 5, false), S_OK) << error_;
    const CDate d1(5, 1, 2016), d6(5, 6, 2016);
    info_->Dodaj(Row(11000, info_->Definicja(u"313").Get(), d1, d6, 100.00, 5));
    info_->Dodaj(Row(11000, info_->Definicja(u"Pdz_Kod=313").Get(), d1, d6, 50.00, 5));
    info_->Dodaj(Row(11000, info_->Definicja(u"913").Get(), d1, d6, 30.00, 5));
    ASSERT_EQ(ComBoundary([&] { info_->UporzadkujPozycje(); }), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Rows(), (Lines{"11000 313 2016-05-01..2016-05-06 5 150.00", "11000 313 2016-05-01..2016-05-06 5 30.00"}));
}

TEST_F(RSAInfoTest, TheZeroReportFlagEndsAt0WithoutRowsOrWithTheMonthCovered) {
    AddEmployee(1, u"2016-01-01", 110);
    Code(313, 3, 1);
    ASSERT_EQ(Collect(1, 2016, 5, false), S_OK) << error_;
    ASSERT_EQ(ComBoundary([&] { info_->UporzadkujPozycje(); }), S_OK);
    EXPECT_EQ(raport_->generujZeroweRCA, 0) << "no rows";

    ASSERT_EQ(Collect(1, 2016, 5, false), S_OK) << error_;
    auto choroba = info_->Definicja(u"313");
    info_->Dodaj(Row(11000, choroba.Get(), CDate(5, 1, 2016), CDate(5, 31, 2016)));
    ASSERT_EQ(ComBoundary([&] { info_->UporzadkujPozycje(); }), S_OK);
    EXPECT_EQ(raport_->generujZeroweRCA, 1) << "the 31st lies in no row";
}

TEST_F(RSAInfoTest, RowsOfOneStartKeepTheirCollectionOrder) {
    AddEmployee(1, u"2016-01-01", 110);
    Code(313, 3, 1);
    ASSERT_EQ(Collect(1, 2016, 5, false), S_OK) << error_;
    auto choroba = info_->Definicja(u"313");
    for (std::uint32_t kod : {11003u, 11001u, 11002u}) info_->Dodaj(Row(kod, choroba.Get(), CDate(5, 2, 2016), CDate(5, 3, 2016)));
    info_->Dodaj(Row(11009, choroba.Get(), CDate(5, 1, 2016), CDate(5, 2, 2016)));
    ASSERT_EQ(ComBoundary([&] { info_->UporzadkujPozycje(); }), S_OK);
    std::vector<std::uint32_t> kody;
    for (const auto& p : info_->Pozycje()) kody.push_back(p->Kod);
    EXPECT_EQ(kody, (std::vector<std::uint32_t>{11009, 11003, 11001, 11002}));
}

TEST_F(RSAInfoTest, APersonWithoutAnyRecordFailsNamingThePerson) {
    Execute(u"INSERT INTO TLX.PracKod (Pra_PraID, Pra_Kod) VALUES (1, 'BEZ')");
    Code(140, 1);
    EXPECT_EQ(Collect(1, 2016, 5), E_POINTER);
    EXPECT_NE(error_.find("BEZ"), std::string::npos) << error_;
}

}  // namespace
