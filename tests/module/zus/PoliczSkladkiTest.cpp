// The contribution calculator of one insured person over the host's payroll on a company database, with
// a stand-in report and DRA: the blocks it writes into a real KEDU document, read back through the
// document's text, and what the DRA receives.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <sstream>

#include "StandInDra.h"
#include "ZusPayrollFixture.h"
#include "host/Database.h"
#include "hostapi/Collections.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/zus/PoliczSkladki.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace {

class PoliczSkladkiTest : public ZusPayrollTest {
protected:
    void SetUp() override {
        ZusPayrollTest::SetUp();
        Setting(u"/Program/Płace/Zus/Procent fp", u"2,45");
        Setting(u"/Program/Płace/Zus/Procent fgsp", u"0,10");
        Setting(u"/Firma/Płace/Parametry/NieGenerujZeroweRCA", u"0");
    }
    void TearDown() override {
        dra_.Reset();
        raport_.Reset();
        declarations_.Reset();
        ZusPayrollTest::TearDown();
    }
    void Setting(std::u16string_view key, std::u16string_view value) {
        Execute(u"DELETE FROM TLX.Konfiguracja WHERE Kfg_Klucz = '" + std::u16string(key) + u"'");
        Execute(u"INSERT INTO TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) VALUES ('" + std::u16string(key) + u"', '" +
                std::u16string(value) + u"')");
    }
    // A report of the month under a DRA of that version, with a new KEDU document of the form.
    void Report(int year, int month, LONG version, std::u16string_view form = u"ZUSRCA") {
        declarations_ = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
        tlx::ComPtr<IDispatch> item;
        ASSERT_EQ(declarations_->AddNew(tlx::Variant::Missing(), item.Out()), S_OK) << tlx::Utf16ToUtf8(LastError());
        auto deklaracja = item.As<IDeklaracja2>();
        ASSERT_EQ(deklaracja->put_Wersja(version), S_OK);
        dra_ = CStandInDra::Make();
        dra_->deklaracja = deklaracja;
        raport_ = CStandInRaport::Make();
        raport_->rok = year;
        raport_->miesiac = month;
        raport_->dra = tlx::ComPtr<IDRA>(dra_.Get());
        document_ = Document(form);
    }
    // The calculation's HRESULT; a failure's description is kept in error_.
    HRESULT Run(LONG card, bool spoleczny = true, bool rna = false, long maWyplaty = 1) {
        auto employee = Employee(card);
        error_.clear();
        const HRESULT hr = ComBoundary([&] {
            CPoliczSkladki(raport_.Get(), SessionObject().Get(), document_.Get(), spoleczny, rna,
                           employee.As<IDispatch>().Get(), maWyplaty);
        });
        if (FAILED(hr)) error_ = tlx::Utf16ToUtf8(LastError());
        return hr;
    }
    std::vector<std::string> Block(int n = 1) { return PersonBlock(document_.Get(), n); }
    int Blocks() {
        const std::string text = tlx::Utf16ToUtf8(Text(document_.Get()));
        int count = 0;
        for (std::size_t at = text.find("\r\n<DDOR"); at != std::string::npos; at = text.find("\r\n<DDOR", at + 1)) ++count;
        return count;
    }
    std::string Pos(const std::vector<std::string>& block, std::size_t position) {
        return position <= block.size() ? block[position - 1] : "";
    }
    double Total(PoleDRAEnum pole) { return dra_->Total(pole).AsDouble(); }

    tlx::ComPtr<ICollection> declarations_;
    tlx::ComPtr<CStandInDra> dra_;
    tlx::ComPtr<CStandInRaport> raport_;
    tlx::ComPtr<IKeduDokument> document_;
    std::string error_;
};

TEST_F(PoliczSkladkiTest, AnEmployeeOf2016GetsTheWorkedExampleBlockAndTotals) {
    AddEmployee(1, u"2016-01-01", 110);
    AddElement(AddPayout(1, 2016, 5), 5000.0, 11000, Employee2016(5000.0));
    Report(2016, 5, 3);
    ASSERT_EQ(Run(1), S_OK) << error_;
    ASSERT_EQ(Blocks(), 1);
    const auto b = Block();
    const std::map<std::size_t, std::string> expected{
        {1, "Nowak"},   {2, "Anna"},    {3, "P"},        {4, "80010112345"}, {5, "11000"},   {6, ""},
        {7, "1 1"},     {8, "5000.00"}, {9, "5000.00"},  {10, "4314.50"},    {11, "488.00"}, {12, "75.00"},
        {13, "122.50"}, {14, "388.31"}, {15, "488.00"},  {16, "325.00"},     {17, "90.00"},  {18, "0.00"},
        {19, "1976.81"}, {20, "0"},     {21, "0.00"},    {22, "0.00"},       {23, "0"},      {24, "0.00"},
        {25, "0.00"},
    };
    for (const auto& [position, value] : expected) EXPECT_EQ(Pos(b, position), value) << "position " << position;

    const struct {
        PoleDRAEnum pole;
        double kwota;
    } totals[] = {
        {draEmerUbezp, 488.00}, {draEmerPlatnik, 488.00}, {draRentUbezp, 75.00},  {draRentPlatnik, 325.00},
        {draChorUbezp, 122.50}, {draChorPlatnik, 0.00},   {draWypadPlatnik, 90.00}, {draWypadUbezp, 0.00},
        {draZdrowPlatnik, 388.31}, {draPodstZdrowWyn, 388.31}, {draPodstawaFP, 122.50}, {draPodstawaFGSP, 5.00},
        {draEmerBudzet, 0.00},  {draSwiadczeniaBudzet, 0.00},
    };
    for (const auto& t : totals) EXPECT_DOUBLE_EQ(Total(t.pole), t.kwota) << "field " << t.pole;
    ASSERT_EQ(dra_->registrations.size(), 1u);
    EXPECT_EQ(dra_->registrations[0].date, CDate(5, 31, 2016).Value());
    EXPECT_DOUBLE_EQ(dra_->registrations[0].wymiar, 1.0);
}

TEST_F(PoliczSkladkiTest, UnderAVersion4DraThePayerSharesStayThePayers) {
    AddEmployee(1, u"2016-01-01", 110);
    AddElement(AddPayout(1, 2016, 5), 5000.0, 11000, Employee2016(5000.0));
    Report(2016, 5, 4);
    ASSERT_EQ(Run(1), S_OK) << error_;
    const auto b = Block();
    const std::map<std::size_t, std::string> expected{
        {14, "388.31"}, {15, "488.00"}, {16, "325.00"}, {19, "1588.50"}, {29, "5000.00"}, {30, "5000.00"},
        {31, "0.00"},   {32, "90.00"},  {33, "0.00"},   {34, "0.00"},    {37, "122.50"},
    };
    for (const auto& [position, value] : expected) EXPECT_EQ(Pos(b, position), value) << "position " << position;
    EXPECT_DOUBLE_EQ(Total(draEmerPlatnik), 488.00);
    EXPECT_DOUBLE_EQ(Total(draRentPlatnik), 325.00);
    EXPECT_DOUBLE_EQ(Total(draEmerBudzet), 0.00);
    EXPECT_DOUBLE_EQ(Total(draPodstZdrowWyn), 388.31);
}

// Amounts 1..20 with only the given ones set.
std::array<double, 20> Zus(std::initializer_list<std::pair<int, double>> amounts) {
    std::array<double, 20> z{};
    for (const auto& [number, amount] : amounts) z[static_cast<std::size_t>(number - 1)] = amount;
    return z;
}

TEST_F(PoliczSkladkiTest, AHeldEmployeeRowGoesWithTheFollowing1211Row) {
    AddEmployee(1, u"2016-01-01", 110);
    const LONG payout = AddPayout(1, 2016, 5);
    AddElement(payout, 100.0, 11000, Zus({}), 12);  // a benefit without contributions
    AddElement(payout, 0.0, 121100, Zus({{1, 1000.0}, {2, 1000.0}, {9, 195.20}, {11, 80.00}}));
    Report(2016, 5, 3);
    ASSERT_EQ(Run(1), S_OK) << error_;
    ASSERT_EQ(Blocks(), 1) << "the held row is not written by itself";
    const auto b = Block();
    EXPECT_EQ(Pos(b, 5), "121100");
    EXPECT_EQ(Pos(b, 15), "195.20");
    EXPECT_EQ(Pos(b, 16), "80.00");
    EXPECT_EQ(Pos(b, 23), "1");
    EXPECT_EQ(Pos(b, 24), "100.00");
    EXPECT_EQ(Pos(b, 25), "100.00");
    EXPECT_DOUBLE_EQ(Total(draSwiadczeniaBudzet), 100.00) << "the held benefits reach the DRA once";
    EXPECT_DOUBLE_EQ(Total(draEmerBudzet), 195.20);
    EXPECT_DOUBLE_EQ(Total(draRentBudzet), 80.00);
    EXPECT_DOUBLE_EQ(Total(draEmerPlatnik), 0.00);
}

TEST_F(PoliczSkladkiTest, AHeldRowIsWrittenOnceWhenNo1211RowTakesItsBenefits) {
    const struct {
        const char* what;
        std::vector<LONG> others;
    } cases[] = {
        {"the held row is the last", {}},
        {"two rows of other titles follow", {41100, 41200}},
    };
    LONG card = 1;
    for (const auto& c : cases) {
        AddEmployee(card, u"2016-01-01", 110);
        const LONG payout = AddPayout(card, 2016, 5);
        AddElement(payout, 100.0, 11000, Zus({}), 12);
        for (LONG title : c.others) AddElement(payout, 1000.0, title, Zus({{1, 1000.0}, {8, 97.60}, {9, 97.60}}));
        Report(2016, 5, 3);
        ASSERT_EQ(Run(card), S_OK) << error_;
        ASSERT_EQ(Blocks(), static_cast<int>(1 + c.others.size())) << c.what;
        EXPECT_EQ(Pos(Block(1), 5), "11000") << c.what;
        EXPECT_EQ(Pos(Block(1), 24), "100.00") << c.what;
        for (std::size_t i = 0; i < c.others.size(); ++i) {
            EXPECT_EQ(Pos(Block(static_cast<int>(i) + 2), 5), std::to_string(c.others[i])) << c.what;
            EXPECT_EQ(Pos(Block(static_cast<int>(i) + 2), 24), "0.00") << c.what;
        }
        EXPECT_DOUBLE_EQ(Total(draSwiadczeniaBudzet), 100.00) << c.what;
        EXPECT_EQ(dra_->registrations.size(), 1 + c.others.size()) << c.what;
        ++card;
    }
}

TEST_F(PoliczSkladkiTest, AContractWithoutPayoutsGetsAZeroBlock) {
    AddEmployee(1, u"2016-01-01", 110);
    Execute(u"INSERT INTO TLX.Umowy (UMW_UmwId, UMW_PraId, UMW_DataOd, UMW_UBZTyuId) VALUES (2, 1, '2016-05-01 00:00:00', 411)");
    Execute(u"INSERT INTO TLX.TypWyplata (TWP_Nazwa, Twp_Standardowy) VALUES ('Wypłata zerowa', 603)");
    Report(2016, 5, 3);
    ASSERT_EQ(Run(1, true, false, 2), S_OK) << error_;
    ASSERT_EQ(Blocks(), 1);
    auto b = Block();
    EXPECT_EQ(Pos(b, 5), "41100");
    for (std::size_t position = 8; position <= 25; ++position) EXPECT_EQ(Pos(b, position), "0.00") << position;
    ASSERT_EQ(dra_->registrations.size(), 1u);
    EXPECT_EQ(dra_->registrations[0].date, CDate(5, 1, 2016).Value());
    EXPECT_DOUBLE_EQ(dra_->registrations[0].wymiar, 1.0);
    EXPECT_EQ(Scalar(u"SELECT COUNT(*) FROM TLX.DokDefinicje WHERE DDf_Symbol = 'BOWYP'"), u"1");

    // The medical-insurance report's zero block; the definition is found, not made again.
    Report(2016, 5, 4, u"ZUSRZA");
    ASSERT_EQ(Run(1, false, false, 2), S_OK) << error_;
    b = Block();
    for (std::size_t position = 6; position <= 10; ++position) EXPECT_EQ(Pos(b, position), "0.00") << position;
    ASSERT_EQ(dra_->registrations.size(), 1u);
    EXPECT_EQ(dra_->registrations[0].date, 0.0);
    EXPECT_DOUBLE_EQ(dra_->registrations[0].wymiar, 0.0);
    EXPECT_EQ(dra_->totals.count(draZdrowPlatnik), 1u);
    EXPECT_EQ(Scalar(u"SELECT COUNT(*) FROM TLX.DokDefinicje WHERE DDf_Symbol = 'BOWYP'"), u"1");

    // -1 stands for the contract of identifier 1.
    Execute(u"INSERT INTO TLX.Umowy (UMW_UmwId, UMW_PraId, UMW_DataOd, UMW_UBZTyuId) VALUES (1, 1, '2016-05-01 00:00:00', 412)");
    Report(2016, 5, 3);
    ASSERT_EQ(Run(1, true, false, -1), S_OK) << error_;
    EXPECT_EQ(Pos(Block(), 5), "41200");

    // A contract the person does not have.
    Report(2016, 5, 3);
    EXPECT_EQ(Run(1, true, false, 5), E_POINTER);
    EXPECT_NE(error_.find("P1 Nowak Anna"), std::string::npos) << error_;
    EXPECT_NE(error_.find("identyfikatorze 5"), std::string::npos) << error_;
}

TEST_F(PoliczSkladkiTest, APersonWithoutPayoutsCoveredInTheMonthGetsAZeroPayoutRow) {
    Execute(u"INSERT INTO TLX.TypWyplata (TWP_Nazwa, Twp_Standardowy) VALUES ('Wypłata zerowa', 603)");
    AddEmployee(1, u"2016-01-01", 110);
    AddEmployee(2, u"2016-01-01", 9999);
    Execute(u"UPDATE TLX.PracEtaty SET PRE_UBZTyuId = 99999 WHERE PRE_PraId = 2");
    Report(2016, 5, 3);
    ASSERT_EQ(Run(1, true, false, 0), S_OK) << error_;
    ASSERT_EQ(Blocks(), 1);
    EXPECT_EQ(Pos(Block(), 5), "11000");
    EXPECT_EQ(Pos(Block(), 8), "0.00");
    // The stand-in DRA's declaration is no real form: dropped, so that the session saves what the
    // calculation left in it.
    ASSERT_EQ(declarations_->Delete(tlx::Variant::FromDispatch(dra_->deklaracja.Get())), S_OK);
    ASSERT_EQ(session_.As<ISession2>()->Save(), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"SELECT COUNT(*) FROM TLX.Wyplaty"), u"0") << "the zero payout is never stored";
    EXPECT_EQ(Scalar(u"SELECT COUNT(*) FROM TLX.ListyPlac"), u"0");

    Report(2016, 5, 3);
    EXPECT_EQ(Run(2, true, false, 0), static_cast<HRESULT>(0x80040206)) << "title 99999 gets no zero payout";
    EXPECT_EQ(error_, "Deklaracja bez bloków wielokrotnych.");

    // Without zero reports, an all-zero element of a kind other than 1 is left out.
    Setting(u"/Firma/Płace/Parametry/NieGenerujZeroweRCA", u"1");
    Report(2016, 5, 3);
    EXPECT_EQ(Run(1, true, false, 0), static_cast<HRESULT>(0x80040206));
    Report(2016, 5, 3);
    raport_->generujZeroweRCA = 1;
    EXPECT_EQ(Run(1, true, false, 0), S_OK) << error_;
}

TEST_F(PoliczSkladkiTest, WorkingTimeSumsTheLinkedRecordsAndSkipsTitles5xx) {
    AddEmployee(1, u"2016-01-01", 110, u"80010112345", 1, 2);
    AddEmployee(2, u"2016-01-01", 110, u"80010112345", 1, 2, 1);  // a second card of the same person
    AddEmployee(3, u"2016-01-01", 110, u"80010112345", 1, 2);
    AddEmployee(4, u"2016-01-01", 510);
    for (LONG card : {1, 3}) AddElement(AddPayout(card, 2016, 5), 2500.0, 11000, Employee2016(2500.0));
    AddElement(AddPayout(4, 2016, 5), 1000.0, 51000, Zus({{1, 1000.0}, {10, 15.00}}));
    const struct {
        const char* what;
        LONG card;
        std::string position7;
        double wymiar;
    } cases[] = {
        {"two half-time records of one person", 1, "1 1", 0.5},
        {"one half-time record", 3, "1 2", 0.5},
        {"title 0510: no working time", 4, "", 1.0},
    };
    for (const auto& c : cases) {
        Report(2016, 5, 3);
        ASSERT_EQ(Run(c.card), S_OK) << c.what << ": " << error_;
        EXPECT_EQ(Pos(Block(), 7), c.position7) << c.what;
        ASSERT_EQ(dra_->registrations.size(), 1u) << c.what;
        EXPECT_DOUBLE_EQ(dra_->registrations[0].wymiar, c.wymiar) << c.what;
    }
    EXPECT_EQ(dra_->rentowe.int64, 150000) << "title 05xx adds the insured's disability contribution";
}

TEST_F(PoliczSkladkiTest, TheFinancingCaseSplitsTheTotals) {
    const struct {
        const char* what;
        LONG recordTitle, status, rowTitle, version;
        std::array<double, 20> zus;
        std::vector<std::pair<PoleDRAEnum, double>> totals;
    } cases[] = {
        {"a 560 contract of status 1 halves the accident part, the odd grosz to PFRON", 560, 1, 11000, 3,
         Zus({{9, 100.00}, {14, 1.01}}),
         {{draWypadUbezp, 0.51}, {draWypadPFRON, 0.50}, {draEmerPlatnik, 0.00}}},
        {"any other record: the payer's pension and the whole accident part", 110, 0, 11000, 3,
         Zus({{9, 100.00}, {14, 1.01}}),
         {{draWypadUbezp, 1.01}, {draWypadPFRON, 0.00}, {draEmerPlatnik, 100.00}}},
        {"childcare leave 1240: the budget", 110, 0, 124000, 3, Zus({{1, 1000.0}, {9, 195.20}, {11, 80.00}}),
         {{draEmerBudzet, 195.20}, {draRentBudzet, 80.00}, {draEmerPlatnik, 0.00}, {draRentPlatnik, 0.00}}},
        {"childcare leave 1240 under version 4", 110, 0, 124000, 4, Zus({{1, 1000.0}, {9, 195.20}, {11, 80.00}}),
         {{draEmerBudzet, 195.20}, {draRentBudzet, 80.00}, {draEmerPlatnik, 0.00}}},
        {"0430 under version 4: case 7", 110, 0, 43000, 4, Zus({{1, 1000.0}, {9, 195.20}, {12, 24.50}, {11, 80.00}}),
         {{draEmerBudzet, 195.20}, {draRentBudzet, 80.00}, {draChorUbezp, 24.50}, {draEmerUbezp, 0.00}}},
        {"FP of 1 000.00 at 2.45 %", 110, 0, 11000, 3, Zus({{5, 1000.0}, {6, 1000.0}}),
         {{draPodstawaFP, 24.50}, {draPodstawaFGSP, 1.00}}},
    };
    LONG card = 1;
    for (const auto& c : cases) {
        AddEmployee(card, u"2016-01-01", c.recordTitle);
        Execute(u"UPDATE TLX.PracEtaty SET PRE_StatusTytulu = " + tlx::Utf8ToUtf16(std::to_string(c.status)) +
                u" WHERE PRE_PraId = " + tlx::Utf8ToUtf16(std::to_string(card)));
        AddElement(AddPayout(card, 2016, 5), 1000.0, c.rowTitle, c.zus);
        Report(2016, 5, c.version);
        ASSERT_EQ(Run(card), S_OK) << c.what << ": " << error_;
        for (const auto& [pole, kwota] : c.totals) EXPECT_DOUBLE_EQ(Total(pole), kwota) << c.what << ", field " << pole;
        ++card;
    }
}

TEST_F(PoliczSkladkiTest, RatesAreReadWithADecimalPointOrCommaAndFPMayBeTheBase) {
    const struct {
        const char16_t *fp, *odSumyPodstaw;
        double total;
    } cases[] = {{u"2,45", u"0", 24.50}, {u"2.45", u"0", 24.50}, {u" 2.45 ", u"0", 24.50}, {u"2,45", u"1", 1000.00}};
    LONG card = 1;
    for (const auto& c : cases) {
        Setting(u"/Program/Płace/Zus/Procent fp", c.fp);
        Setting(u"/Firma/Płace/Zus/SklFPiFGSPOdSumyPodstaw", c.odSumyPodstaw);
        AddEmployee(card, u"2016-01-01", 110);
        AddElement(AddPayout(card, 2016, 5), 1000.0, 11000, Zus({{5, 1000.0}}));
        Report(2016, 5, 3);
        ASSERT_EQ(Run(card), S_OK) << error_;
        EXPECT_DOUBLE_EQ(Total(draPodstawaFP), c.total) << tlx::Utf16ToUtf8(c.fp);
        ++card;
    }
    Setting(u"/Program/Płace/Zus/Procent fp", u"dwa");
    Report(2016, 5, 3);
    EXPECT_EQ(Run(1), E_INVALIDARG);
    EXPECT_NE(error_.find("Procent fp"), std::string::npos) << error_;
}

// A flag setting that is no flag fails the calculation naming the setting and the value it holds.
TEST_F(PoliczSkladkiTest, AFlagSettingThatIsNoFlagIsNamedWithItsValue) {
    AddEmployee(1, u"2016-01-01", 110);
    AddElement(AddPayout(1, 2016, 5), 1000.0, 11000, Zus({{5, 1000.0}}));
    Setting(u"/Firma/Płace/Zus/SklFPiFGSPOdSumyPodstaw", u"tak");
    Report(2016, 5, 3);
    EXPECT_EQ(Run(1), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(error_, "Wartość \"tak\" nie jest wartością logiczną (ustawienie \"/Firma/Płace/Zus/SklFPiFGSPOdSumyPodstaw\")");
}

TEST_F(PoliczSkladkiTest, TheAnnualCapStopsThePensionBaseButNotFP) {
    AddEmployee(1, u"2016-01-01", 110);
    // 15 000.00 a month: eight months reach 120 000.00 of the 121 650.00 cap.
    for (int month : {9, 10}) {
        auto z = Employee2016(15000.0);
        const double base = month == 9 ? 1650.0 : 0.0;
        z[0] = z[1] = base;
        z[7] = z[8] = std::round(base * 9.76) / 100.0;
        z[9] = std::round(base * 1.5) / 100.0;
        z[10] = std::round(base * 6.5) / 100.0;
        AddElement(AddPayout(1, 2016, month), 15000.0, 11000, z);
    }
    const struct {
        int month;
        const char* base;
    } cases[] = {{9, "1650.00"}, {10, "0.00"}};
    for (const auto& c : cases) {
        Report(2016, c.month, 3);
        ASSERT_EQ(Run(1), S_OK) << error_;
        EXPECT_EQ(Pos(Block(), 8), c.base) << c.month;
        EXPECT_EQ(Pos(Block(), 6), "2") << c.month;
        EXPECT_EQ(Pos(Block(), 9), "15000.00") << c.month;
        EXPECT_DOUBLE_EQ(Total(draPodstawaFP), 367.50) << c.month;
        EXPECT_DOUBLE_EQ(Total(draPodstawaFGSP), 15.00) << c.month;
    }
}

TEST_F(PoliczSkladkiTest, TheRecordsLimitIndicatorShowsOnlyFromItsMonthOfTheReportsYear) {
    const struct {
        const char* what;
        int year, month;
        std::string position6;
    } cases[] = {
        {"passed this month", 2016, 5, "1"},
        {"passed earlier this year", 2016, 2, "1"},
        {"passed later this year", 2016, 6, ""},
        {"passed in an earlier year", 2015, 3, ""},
    };
    LONG card = 1;
    for (const auto& c : cases) {
        AddEmployee(card, u"2016-01-01", 110);
        Execute(u"UPDATE TLX.PracEtaty SET PRE_LimitPodstawy = 121650, PRE_LimitRok = " +
                tlx::Utf8ToUtf16(std::to_string(c.year)) + u", PRE_LimitMiesiac = " +
                tlx::Utf8ToUtf16(std::to_string(c.month)) + u" WHERE PRE_PraId = " + tlx::Utf8ToUtf16(std::to_string(card)));
        AddElement(AddPayout(card, 2016, 5), 5000.0, 11000, Employee2016(5000.0));
        Report(2016, 5, 3);
        ASSERT_EQ(Run(card), S_OK) << error_;
        EXPECT_EQ(Pos(Block(), 6), c.position6) << c.what;
        ++card;
    }
}

TEST_F(PoliczSkladkiTest, APersonNotReportedEndsWithMessage518) {
    AddEmployee(1, u"2016-01-01", 110);
    AddElement(AddPayout(1, 2016, 5), 5000.0, 11000, Employee2016(5000.0));
    Execute(u"UPDATE TLX.PracEtaty SET PRE_Wylaczony = 1");
    Report(2016, 5, 3);
    EXPECT_EQ(Run(1), static_cast<HRESULT>(0x80040206));
    EXPECT_EQ(Blocks(), 0);

    // A DRA made for the person reports it all the same.
    Report(2016, 5, 3);
    ASSERT_EQ(dra_->deklaracja->put_Pracownik(Employee(1).As<IDispatch>().Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Run(1), S_OK) << error_;
    EXPECT_EQ(Blocks(), 1);
}

TEST_F(PoliczSkladkiTest, WhatTheHostDoesNotAnswerIsNamedWithThePerson) {
    Execute(u"INSERT INTO TLX.PracKod (Pra_PraID, Pra_Kod) VALUES (1, 'P1')");
    Report(2016, 5, 3);
    EXPECT_EQ(Run(1), E_POINTER);
    EXPECT_NE(error_.find("Brak zapisu pracownika ważnego w dniu 2016-05-31"), std::string::npos) << error_;
    EXPECT_NE(error_.find("P1"), std::string::npos) << error_;
    EXPECT_EQ(Blocks(), 0);
}

TEST_F(PoliczSkladkiTest, TheMedicalInsuranceReportTakesTheFlaggedRowsOfAPersonWithTwoSources) {
    AddEmployee(1, u"2016-01-01", 110);
    Execute(u"INSERT INTO TLX.Umowy (UMW_UmwId, UMW_PraId, UMW_DataOd, UMW_UBZTyuId) VALUES (2, 1, '2016-05-01 00:00:00', 411)");
    const LONG payout = AddPayout(1, 2016, 5);
    const auto zus = Zus({{7, 1000.0}, {16, 77.50}, {18, 12.50}});
    const LONG contract = AddElement(payout, 1000.0, 41100, zus);
    AddElement(payout, 1000.0, 41100, zus);
    // One element paid for the contract, one to the card: tlx.DRA answers 0, and the flag word decides.
    Execute(u"INSERT INTO TLX.WypElementyLinki (WEL_WpeId, WEL_ZrodloId, WEL_ZrodloRodzaj) VALUES (" +
            tlx::Utf8ToUtf16(std::to_string(contract)) + u", 2, 8)");
    Execute(u"UPDATE TLX.WypElementy SET WPE_Flagi = 128");
    Report(2016, 5, 3, u"ZUSRZA");
    ASSERT_EQ(Run(1, false), S_OK) << error_;
    ASSERT_EQ(Blocks(), 1);
    const auto b = Block();
    EXPECT_EQ(Pos(b, 5), "41100");
    EXPECT_EQ(Pos(b, 6), "2000.00");
    EXPECT_EQ(Pos(b, 7), "180.00");
    EXPECT_DOUBLE_EQ(Total(draZdrowPlatnik), 180.00);
    EXPECT_DOUBLE_EQ(Total(draPodstZdrowWyn), 180.00);
    ASSERT_EQ(dra_->registrations.size(), 1u);
    EXPECT_EQ(dra_->registrations[0].date, 0.0);

    Report(2016, 5, 3);
    EXPECT_EQ(Run(1), static_cast<HRESULT>(0x80040206)) << "the social report has no unflagged row";
}

TEST_F(PoliczSkladkiTest, AnRnaBlockKeepsItsLayoutAndListsItsBenefitEntries) {
    AddEmployee(1, u"2016-01-01", 110);
    const LONG payout = AddPayout(1, 2016, 5);
    AddElement(payout, 5000.0, 11000, Employee2016(5000.0));
    const LONG first = AddElement(payout, 300.0, 11000, Zus({}), 10);
    const LONG second = AddElement(payout, 200.0, 11000, Zus({}), 10);
    auto period = [&](LONG element, std::u16string_view from, std::u16string_view to) {
        Execute(u"UPDATE TLX.WypElementy SET WPE_DataOd = '" + std::u16string(from) + u" 00:00:00', WPE_DataDo = '" +
                std::u16string(to) + u" 00:00:00' WHERE WPE_WpeId = " + tlx::Utf8ToUtf16(std::to_string(element)));
    };
    period(first, u"2016-05-10", u"2016-05-14");
    period(second, u"2016-05-03", u"2016-05-06");
    Report(2016, 5, 4, u"ZUSRNA");
    ASSERT_EQ(Run(1, true, true), S_OK) << error_;
    const auto b = Block();
    EXPECT_EQ(Pos(b, 14), "388.31") << "the earlier layout";
    EXPECT_EQ(Pos(b, 19), "1976.81");
    EXPECT_EQ(Pos(b, 21), "500.00");
    EXPECT_EQ(Pos(b, 26), "0");
    EXPECT_EQ(Pos(b, 27), "0");
    EXPECT_EQ(Pos(b, 28), "11");
    EXPECT_EQ(Pos(b, 29), "2016-05-03");
    EXPECT_EQ(Pos(b, 30), "2016-05-14");
    EXPECT_EQ(Pos(b, 31), "500.00");
    EXPECT_EQ(Pos(b, 32), "");
    EXPECT_EQ(Pos(b, 68), "500.00");
    EXPECT_DOUBLE_EQ(Total(draEmerPlatnik), 488.00) << "the totals follow the DRA's version";
    EXPECT_DOUBLE_EQ(Total(draSwiadczeniaBudzet), 500.00);
}

// A month of the demo company, every card computed into one report under one DRA, as the DRA's RCA
// report does; the totals are summed here from the month's elements, row by row for FP and FGSP.
class DemoMonthTest : public PoliczSkladkiTest {
protected:
    bool WithDemoCompany() const override { return true; }
    void SetUp() override { ZusPayrollTest::SetUp(); }  // the demo company's own settings
    // One number per row of a query.
    std::vector<double> Column(std::u16string_view sql) {
        std::vector<double> values;
        for (auto rows = Rows(sql); !tlx::host::AtEnd(rows.Get()); rows->MoveNext()) {
            tlx::Variant value = ColumnValue(rows.Get(), u"v");
            values.push_back(std::stod(tlx::Utf16ToUtf8(AsText(value))));
        }
        return values;
    }
};

TEST_F(DemoMonthTest, EveryInsuredPersonOfMarchAddsUpToTheDraTotals) {
    Report(2024, 3, 4);
    int reported = 0;
    std::vector<std::string> skipped;
    for (LONG card = 1; card <= 20; ++card) {
        const bool paid = Scalar(u"SELECT COUNT(*) FROM TLX.Wyplaty WHERE WPL_Rok = 2024 AND WPL_Miesiac = 3 AND "
                                 u"WPL_PraId = " + tlx::Utf8ToUtf16(std::to_string(card))) != u"0";
        const HRESULT hr = Run(card, true, false, paid ? 1 : 0);
        if (hr == S_OK) ++reported;
        else if (hr == static_cast<HRESULT>(0x80040206)) skipped.push_back(std::to_string(card));
        else ADD_FAILURE() << "card " << card << ": " << error_;
    }
    // The secondary card is reported with its main card; the health-only contract of card 10 belongs to
    // the RZA; the card that starts in May has nothing yet.
    EXPECT_EQ(skipped, (std::vector<std::string>{"3", "10", "12"}));
    EXPECT_EQ(reported, 17);

    const std::u16string march = u" FROM TLX.WypElementy JOIN TLX.Wyplaty ON WPL_WplId = WPE_WplId JOIN TLX.PracKod ON "
                                 u"Pra_PraID = WPL_PraId WHERE WPL_Rok = 2024 AND WPL_Miesiac = 3 AND WPL_Tryb = 0 "
                                 u"AND WPE_KodTytulu / 100 NOT BETWEEN 2200 AND 2299";
    auto sum = [&](std::u16string_view amounts) { return Column(u"SELECT round(SUM(" + std::u16string(amounts) + u"), 2) AS v" + march).at(0); };
    const struct {
        PoleDRAEnum pole;
        const char16_t* amounts;
    } fields[] = {
        {draEmerUbezp, u"WPE_Kwota8"},   {draEmerPlatnik, u"WPE_Kwota9"},   {draRentUbezp, u"WPE_Kwota10"},
        {draRentPlatnik, u"WPE_Kwota11"}, {draChorUbezp, u"WPE_Kwota12"},   {draChorPlatnik, u"WPE_Kwota13"},
        {draWypadUbezp, u"WPE_Kwota14"}, {draWypadPlatnik, u"WPE_Kwota15"}, {draPodstZdrowWyn, u"WPE_Kwota16 + WPE_Kwota18"},
        {draSklFep, u"WPE_Kwota20"},
    };
    for (const auto& f : fields) EXPECT_NEAR(Total(f.pole), sum(f.amounts), 0.001) << "field " << f.pole;
    EXPECT_GT(Total(draEmerUbezp), 0.0);

    // FP and FGSP: each row's base at 2.45 % and 0.10 %, rounded per row (a person's rows by title).
    const std::u16string rows = u" GROUP BY coalesce(Pra_ParentID, Pra_PraID), WPE_KodTytulu";
    double fp = 0.0, fgsp = 0.0;
    for (double base : Column(u"SELECT SUM(WPE_Kwota5) AS v" + march + rows)) fp += std::round(base * 245.0) / 10000.0;
    for (double base : Column(u"SELECT SUM(WPE_Kwota6) AS v" + march + rows)) fgsp += std::round(base * 10.0) / 10000.0;
    EXPECT_NEAR(Total(draPodstawaFP), fp, 0.001);
    EXPECT_NEAR(Total(draPodstawaFGSP), fgsp, 0.001);
    const std::size_t blocks = Column(u"SELECT COUNT(*) AS v" + march + rows).size();
    EXPECT_EQ(Blocks(), static_cast<int>(blocks));
    EXPECT_EQ(dra_->registrations.size(), blocks);
}

// Marek Zieliński passes the annual pension limit in October; FP and FGŚP know no such limit.
TEST_F(DemoMonthTest, TheHighEarnerPaysFpAndFgspOnHisWholePayEveryMonth) {
    auto employee = Employee(8);
    tlx::ComPtr<ICollection> payouts;
    ASSERT_EQ(employee.As<IPracownikDane>()->get_Wyplaty(payouts.Out()), S_OK);
    std::map<LONG, std::string> months;
    for (CCollectionEnumerator<IWyplata> each(payouts.Get()); !each.AtEnd(); each.MoveNext()) {
        tlx::ComPtr<IOkresowy> month;
        tlx::ComPtr<IDaneZUS> zus;
        ASSERT_EQ(each.Current()->get_RokMiesiac(month.Out()), S_OK);
        ASSERT_EQ(each.Current()->get_DaneZUS(zus.Out()), S_OK);
        LONG number = 0;
        CY fp{}, fgsp{}, fpBase{}, fgspBase{};
        ASSERT_EQ(month->get_Miesiac(&number), S_OK);
        ASSERT_EQ(zus->get_SkladkaFP(&fp), S_OK);
        ASSERT_EQ(zus->get_SkladkaFGSP(&fgsp), S_OK);
        ASSERT_EQ(zus->get_PodstawaFP(&fpBase), S_OK);
        ASSERT_EQ(zus->get_PodstawaFGSP(&fgspBase), S_OK);
        std::ostringstream text;
        text << fpBase.int64 / 10000.0 << " " << fgspBase.int64 / 10000.0 << " " << fp.int64 / 10000.0 << " "
             << fgsp.int64 / 10000.0;
        months[number] = text.str();
    }
    ASSERT_EQ(months.size(), 12u);
    for (const auto& [month, amounts] : months) EXPECT_EQ(amounts, "25000 25000 612.5 25") << "month " << month;

    // After the limit the report has no pension base, and the DRA still gets the whole FP and FGŚP.
    Report(2024, 11, 4);
    ASSERT_EQ(Run(8), S_OK) << error_;
    EXPECT_EQ(Pos(Block(), 8), "0.00");
    EXPECT_DOUBLE_EQ(Total(draEmerUbezp), 0.0);
    EXPECT_DOUBLE_EQ(Total(draPodstawaFP), 612.50);
    EXPECT_DOUBLE_EQ(Total(draPodstawaFGSP), 25.00);
}

// Position 7 is the working time of the record, reduced; it shows only when the record carries its
// second denominator, as every employee's record of the demo does.
TEST_F(DemoMonthTest, EveryEmployeeOfMarchHasHisWorkingTimeInPosition7) {
    const struct {
        LONG card;
        const char* workingTime;
    } cards[] = {{1, "1 1"}, {2, "1 2"}, {5, "3 4"}, {20, "1 2"}};
    for (const auto& c : cards) {
        Report(2024, 3, 4);
        ASSERT_EQ(Run(c.card), S_OK) << error_;
        EXPECT_EQ(Pos(Block(), 7), c.workingTime) << "card " << c.card;
    }
}

}  // namespace
