// The DRA's per-person reports as the DRA drives them: created through the session, given a stand-in DRA
// whose declaration is a real DRA form, computed for insured persons of the company's payroll and
// finished: the child declaration they make under the DRA, its document's common blocks and text, the
// absorbed "no blocks" answer and the reports dropped when nobody gave content.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "StandInDra.h"
#include "ZusPayrollFixture.h"
#include "hostapi/Collections.h"
#include "mv_deklaracje/core/Date.h"
#include "platform/text/CodePage.h"

namespace {

class RaportyDraTest : public ZusPayrollTest {
protected:
    void SetUp() override {
        ZusPayrollTest::SetUp();
        for (auto [key, value] : {std::pair<const char16_t*, const char16_t*>{u"/Program/Płace/Zus/Procent fp", u"2,45"},
                                  {u"/Program/Płace/Zus/Procent fgsp", u"0,10"},
                                  {u"/Firma/Płace/Parametry/NieGenerujZeroweRCA", u"0"},
                                  {u"Osoba fizyczna", u"0"},
                                  {u"FirmaNIP", u"526-10-20-304"},
                                  {u"FirmaNazwaSkroconaZUS", u"Łąka sp. z o.o."}}) {
            Execute(u"DELETE FROM TLX.Konfiguracja WHERE Kfg_Klucz = '" + std::u16string(key) + u"'");
            Execute(u"INSERT INTO TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) VALUES ('" + std::u16string(key) + u"', '" +
                    std::u16string(value) + u"')");
        }
    }
    void TearDown() override {
        reports_.clear();
        dra_.Reset();
        deklaracja_.Reset();
        declarations_.Reset();
        ZusPayrollTest::TearDown();
    }
    // A DRA declaration of the form version, number 1 of the month (so its identifier), with its payer block
    // filled and the date of filling 2017-01-05.
    void Dra(LONG version, int year, int month) {
        declarations_ = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
        tlx::ComPtr<IDispatch> item;
        ASSERT_EQ(declarations_->AddNew(tlx::Variant::Missing(), item.Out()), S_OK) << tlx::Utf16ToUtf8(LastError());
        deklaracja_ = item.As<IDeklaracja2>();
        ASSERT_EQ(deklaracja_->put_TypDeklar(dekZUS_DRA), S_OK);
        ASSERT_EQ(deklaracja_->put_Wersja(version), S_OK) << tlx::Utf16ToUtf8(LastError());
        ASSERT_EQ(deklaracja_->put_Numer(1), S_OK);
        ASSERT_EQ(deklaracja_->put_Rok(year), S_OK);
        ASSERT_EQ(deklaracja_->put_Miesiac(month), S_OK);
        ASSERT_EQ(Put(deklaracja_.Get(), u"DIPLNIP", tlx::Variant::FromString(u"5261020304")), S_OK) << tlx::Utf16ToUtf8(LastError());
        ASSERT_EQ(Put(deklaracja_.Get(), u"DIPLNAZWA", tlx::Variant::FromString(u"Łąka")), S_OK);
        ASSERT_EQ(Put(deklaracja_.Get(), u"OSWIADCZENIE", tlx::Variant::FromDate(CDate(1, 5, 2017).Value())), S_OK)
            << tlx::Utf16ToUtf8(LastError());
        ASSERT_EQ(Put(deklaracja_.Get(), u"DADRAIDENT", tlx::Variant::FromLong(1000000 + month * 10000 + year)), S_OK);
        dra_ = CStandInDra::Make();
        dra_->deklaracja = deklaracja_;
    }
    tlx::ComPtr<IDRAExt> Report(std::u16string_view progId, bool giveDra = true) {
        auto report = Create(progId).As<IDRAExt>();
        EXPECT_TRUE(report);
        if (giveDra) {
            EXPECT_EQ(report->put_DRA(tlx::ComPtr<IDRA>(dra_.Get()).Get()), S_OK);
        }
        reports_.push_back(report);
        return report;
    }
    HRESULT Policz(IDRAExt* report, LONG card, LONG maWyplaty = 1) {
        tlx::ComPtr<IDeklaracja> child;
        const HRESULT hr = report->Policz(Employee(card).As<IDispatch>().Get(), maWyplaty, child.Out());
        error_ = FAILED(hr) ? tlx::Utf16ToUtf8(LastError()) : "";
        return hr;
    }
    LONG Finish(IDRAExt* report) {
        LONG kept = -1;
        EXPECT_EQ(report->Finish(&kept), S_OK) << tlx::Utf16ToUtf8(LastError());
        return kept;
    }
    // The DRA saved, then its children; the number of child declarations stored under it.
    std::u16string SavedChildren() {
        EXPECT_EQ(declarations_.As<ISaveable>()->Save(hostSaveCheck), S_OK) << tlx::Utf16ToUtf8(LastError());
        tlx::ComPtr<IDispatch> children;
        EXPECT_EQ(deklaracja_->get_Deklaracje(children.Out()), S_OK);
        EXPECT_EQ(children.As<ISaveable>()->Save(hostSaveCheck), S_OK) << tlx::Utf16ToUtf8(LastError());

        LONG id = 0;
        EXPECT_EQ(deklaracja_->get_ID(&id), S_OK);
        return Scalar(u"select count(*) from TLX.DeklNag where Dkn_ParentId = " + tlx::Utf8ToUtf16(std::to_string(id)));
    }
    tlx::ComPtr<IDeklaracja2> Child(IDRAExt* report, LONG card) {
        tlx::ComPtr<IDeklaracja> child;
        EXPECT_EQ(report->Policz(Employee(card).As<IDispatch>().Get(), 1, child.Out()), S_OK) << tlx::Utf16ToUtf8(LastError());
        return child.As<IDeklaracja2>();
    }
    static std::string Text(IDeklaracja* declaration) {
        tlx::Bstr text;
        EXPECT_EQ(declaration->get_Tekst(text.Out()), S_OK);
        return tlx::Utf16ToUtf8(text.View());
    }
    static LONG Version(IDeklaracja* declaration) {
        LONG version = 0;
        EXPECT_EQ(declaration->get_Wersja(&version), S_OK);
        return version;
    }
    // An employee of 2016 with a month's wages under title 0110.
    void Insured(LONG card, int year, int month) {
        AddEmployee(card, u"2016-01-01", 110);
        AddElement(AddPayout(card, year, month), 5000.0, 11000, Employee2016(5000.0));
    }

    tlx::ComPtr<ICollection> declarations_;
    tlx::ComPtr<IDeklaracja2> deklaracja_;
    tlx::ComPtr<CStandInDra> dra_;
    std::vector<tlx::ComPtr<IDRAExt>> reports_;
    std::string error_;
};

TEST_F(RaportyDraTest, BeforeTheFirstPersonAReportHasNoDeclarationAndNoPeriod) {
    Dra(3, 2016, 12);
    auto report = Report(u"TLXDeklaracje.RCA");
    tlx::ComPtr<IDeklaracja2> dra;
    EXPECT_EQ(report->get_Deklaracja(dra.Out()), S_OK);
    EXPECT_FALSE(dra);
    LONG value = 0;
    EXPECT_EQ(report->get_Rok(&value), E_POINTER);
    EXPECT_EQ(report->get_IsEmpty(&value), S_OK);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(report->get_GenerujZeroweRCA(&value), S_OK);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(report->put_DRA(nullptr), E_POINTER);
    // Finishing a report that never computed anybody answers 0 and touches nothing.
    EXPECT_EQ(Finish(report.Get()), 0);
    EXPECT_EQ(SavedChildren(), u"0");
}

TEST_F(RaportyDraTest, AReportWithoutItsDraRefusesToCompute) {
    Insured(1, 2016, 12);
    auto report = Report(u"TLXDeklaracje.RZA", false);
    EXPECT_EQ(report->Policz(Employee(1).As<IDispatch>().Get(), 1, nullptr), E_POINTER);
    EXPECT_EQ(Policz(report.Get(), 1), E_POINTER);
    tlx::ComPtr<IDRA> dra;
    EXPECT_EQ(report->get_DRA(dra.Out()), E_POINTER);
}

TEST_F(RaportyDraTest, AVersion4DraMakesRcaAndRzaOfTheNewSchemaAndTheOthersOfTheFirst) {
    Dra(4, 2016, 12);
    Insured(1, 2016, 12);
    AddEmployee(2, u"2016-01-01", 110);  // a contract's pay carrying health insurance only
    std::array<double, 20> zdrowotne{};
    zdrowotne[6] = 1000.0;
    zdrowotne[15] = 77.50;
    zdrowotne[17] = 12.50;
    Execute(u"INSERT INTO TLX.Umowy (UMW_UmwId, UMW_PraId, UMW_DataOd, UMW_UBZTyuId) VALUES (2, 2, '2016-12-01 00:00:00', 411)");
    const LONG payout = AddPayout(2, 2016, 12);
    const LONG element = AddElement(payout, 1000.0, 41100, zdrowotne);
    AddElement(payout, 1000.0, 41100, zdrowotne);
    Execute(u"INSERT INTO TLX.WypElementyLinki (WEL_WpeId, WEL_ZrodloId, WEL_ZrodloRodzaj) VALUES (" +
            tlx::Utf8ToUtf16(std::to_string(element)) + u", 2, 8)");
    Execute(u"UPDATE TLX.WypElementy SET WPE_Flagi = 128 WHERE WPE_WplId = " + tlx::Utf8ToUtf16(std::to_string(payout)));
    const struct {
        const char16_t* progId;
        LONG card;
        LONG type;
        LONG version;
        const char* tag;
    } cases[] = {
        {u"TLXDeklaracje.RCA", 1, dekZUS_RCA, 2, "<ZUSRCA wersja=\"2\">"},
        {u"TLXDeklaracje.RZA", 2, dekZUS_RZA, 2, "<ZUSRZA wersja=\"2\">"},
        {u"TLXDeklaracje.RNA", 1, dekZUS_RNA, 1, "<ZUSRNA>"},
    };
    for (const auto& c : cases) {
        auto report = Report(c.progId);
        auto child = Child(report.Get(), c.card);
        ASSERT_TRUE(child);
        LONG type = 0;
        EXPECT_EQ(child->get_TypDeklar(&type), S_OK);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(Version(child.Get()), c.version) << tlx::Utf16ToUtf8(c.progId);
        ASSERT_EQ(Finish(report.Get()), 1) << tlx::Utf16ToUtf8(c.progId);
        EXPECT_NE(Text(child.Get()).find(c.tag), std::string::npos) << Text(child.Get());
    }
}

TEST_F(RaportyDraTest, AKeptReportCarriesTheIdentifierThePayerTheDateAndEveryPerson) {
    Dra(3, 2016, 12);
    Insured(1, 2016, 12);
    Insured(2, 2016, 12);
    AddEmployee(3, u"2016-01-01", 110);  // no payout: nothing for the report
    auto report = Report(u"TLXDeklaracje.RCA");
    auto child = Child(report.Get(), 1);
    ASSERT_EQ(Policz(report.Get(), 3), S_OK) << error_;
    ASSERT_EQ(Policz(report.Get(), 2), S_OK) << error_;
    LONG value = 0;
    EXPECT_EQ(report->get_IsEmpty(&value), S_OK);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(report->get_Rok(&value), S_OK);
    EXPECT_EQ(value, 2016);
    EXPECT_EQ(Version(child.Get()), 1);
    EXPECT_EQ(Finish(report.Get()), 1);

    const std::string text = Text(child.Get());
    EXPECT_NE(text.find("<DORCA>\r\n1122016\r\n1\r\n</DORCA>"), std::string::npos) << text;
    EXPECT_NE(text.find("5261020304"), std::string::npos) << "the payer block is the DRA's: " << text;
    EXPECT_NE(text.find("ŁĄKA"), std::string::npos) << text;
    EXPECT_NE(text.find("<OPLR>\r\n05012017"), std::string::npos) << text;
    std::size_t persons = 0;
    for (std::size_t at = text.find("<DDORCA>"); at != std::string::npos; at = text.find("<DDORCA>", at + 1)) ++persons;
    EXPECT_EQ(persons, 2u);
    LONG numer = 0, miesiac = 0, rok = 0;
    EXPECT_EQ(child->get_Numer(&numer), S_OK);
    EXPECT_EQ(child->get_Miesiac(&miesiac), S_OK);
    EXPECT_EQ(child->get_Rok(&rok), S_OK);
    EXPECT_EQ(numer * 1000000 + miesiac * 10000 + rok, 1122016);
    tlx::ComPtr<IDeklaracja> parent;
    EXPECT_EQ(child->get_Deklaracja(parent.Out()), S_OK);
    EXPECT_TRUE(parent);
    EXPECT_EQ(dra_->registrations.size(), 2u);
    EXPECT_EQ(SavedChildren(), u"1");
    LONG id = 0;
    ASSERT_EQ(child->get_ID(&id), S_OK);
    tlx::ComPtr<IDispatch> again;
    ASSERT_EQ(session_->CreateObject(tlx::Bstr(u"TLXDeklaracje.Deklaracje").Get(),
                                     tlx::Variant::FromString(tlx::Utf8ToUtf16(std::to_string(id))), again.Out()),
              S_OK);
    auto reloaded = again.As<IDeklaracja>();
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(Text(reloaded.Get()), text) << "the report's text is saved as the report object left it";
}

TEST_F(RaportyDraTest, AReportNobodyGaveContentIsDroppedFromTheDra) {
    Dra(3, 2016, 12);
    AddEmployee(1, u"2016-01-01", 110);
    AddEmployee(2, u"2016-01-01", 110);
    auto report = Report(u"TLXDeklaracje.RCA");
    ASSERT_EQ(Policz(report.Get(), 1), S_OK) << error_;
    ASSERT_EQ(Policz(report.Get(), 2), S_OK) << error_;
    LONG value = 0;
    EXPECT_EQ(report->get_IsEmpty(&value), S_OK);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(Finish(report.Get()), 0);
    EXPECT_EQ(SavedChildren(), u"0");
}

TEST_F(RaportyDraTest, ThePayFlagReachesTheContributionCalculatorUnchanged) {
    // 2 names the person's civil-law contract without payouts: the calculator writes its zero block.
    Dra(3, 2016, 12);
    AddEmployee(1, u"2016-01-01", 110);
    Execute(u"INSERT INTO TLX.Umowy (UMW_UmwId, UMW_PraId, UMW_DataOd, UMW_UBZTyuId) VALUES (2, 1, '2016-12-01 00:00:00', 411)");
    Execute(u"INSERT INTO TLX.TypWyplata (TWP_Nazwa, Twp_Standardowy) VALUES ('Wypłata zerowa', 603)");
    auto report = Report(u"TLXDeklaracje.RCA");
    auto child = Child(report.Get(), 1);
    ASSERT_EQ(Policz(report.Get(), 1, 2), S_OK) << error_;
    ASSERT_EQ(Finish(report.Get()), 1);
    EXPECT_NE(Text(child.Get()).find("\r\n41100\r\n"), std::string::npos) << Text(child.Get());
}

TEST_F(RaportyDraTest, APersonsFailureOtherThanNoBlocksReachesTheCaller) {
    Dra(3, 2016, 12);
    Execute(u"INSERT INTO TLX.PracKod (Pra_PraID, Pra_Kod) VALUES (1, 'P1')");  // a card without records
    auto report = Report(u"TLXDeklaracje.RCA");
    EXPECT_EQ(Policz(report.Get(), 1), E_POINTER);
    EXPECT_NE(error_.find("2016-12-31"), std::string::npos) << error_;
    LONG value = 0;
    EXPECT_EQ(report->get_IsEmpty(&value), S_OK);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(Finish(report.Get()), 0);
}

TEST_F(RaportyDraTest, TheBenefitReportComputesAPersonToldOfNoPayouts) {
    Dra(4, 2016, 12);
    AddEmployee(1, u"2016-01-01", 110);
    Execute(u"INSERT INTO TLX.KodySwiadczen (Pdz_PdzId, Pdz_Kod, Pdz_Nazwa, Pdz_ZUbezpChorobowego, Pdz_RegulaWiersza) "
            u"VALUES (313, 313, 'Zasiłek chorobowy', 1, 3)");
    Execute(u"INSERT INTO TLX.TypWyplata (TWP_TwpId, TWP_PdzId, TWP_Nazwa) VALUES (50, 313, 'Zasiłek chorobowy')");
    const LONG payout = AddPayout(1, 2016, 12);
    Execute(u"INSERT INTO TLX.WypElementy (WPE_WpeId, WPE_WplId, WPE_TwpId, WPE_Wartosc, WPE_KodTytulu) VALUES (500, " +
            tlx::Utf8ToUtf16(std::to_string(payout)) + u", 50, 420, 11000)");
    Execute(u"INSERT INTO TLX.WypElementyLinki (WEL_WpeId, WEL_DataOd, WEL_DataDo) VALUES "
            u"(500, '2016-12-05 00:00:00', '2016-12-11 00:00:00')");
    auto report = Report(u"TLXDeklaracje.RSA");
    auto child = Child(report.Get(), 1);
    ASSERT_TRUE(child);
    ASSERT_EQ(Policz(report.Get(), 1, 0), S_OK) << error_;
    EXPECT_EQ(Version(child.Get()), 1);
    ASSERT_EQ(Finish(report.Get()), 1);
    const std::string text = Text(child.Get());
    EXPECT_NE(text.find("<ZUSRSA>"), std::string::npos) << text;
    EXPECT_NE(text.find("<DORSA>\r\n1122016\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("11000\r\n313\r\n2016-12-05\r\n2016-12-11\r\n7\r\n\r\n420.00\r\n</DDORSA>"), std::string::npos)
        << "one block for each of the two calls: " << text;
    EXPECT_DOUBLE_EQ(dra_->Total(draSwiadczeniaChor).AsDouble(), 840.00) << "each call adds the person's benefits";
    LONG zerowe = -1;
    EXPECT_EQ(report->get_GenerujZeroweRCA(&zerowe), S_OK);
    EXPECT_EQ(zerowe, 1) << "days of December lie in no benefit";
}

// March 2024 of the demo company: card 14 is paid sick pay (331) for 1-8 March and the payer pays his
// sickness allowance (313) for 9-29 March.
class RaportyDraDemoTest : public RaportyDraTest {
protected:
    bool WithDemoCompany() const override { return true; }
};

TEST_F(RaportyDraDemoTest, AMonthOfTheDemoCompanyGivesItsBenefitReport) {
    Dra(4, 2024, 3);
    auto rca = Report(u"TLXDeklaracje.RCA");
    auto rza = Report(u"TLXDeklaracje.RZA");
    auto rsa = Report(u"TLXDeklaracje.RSA");
    tlx::ComPtr<IDeklaracja2> raportRsa;
    for (LONG card = 1; card <= 20; ++card) {
        for (auto* report : {rca.Get(), rza.Get(), rsa.Get()}) {
            tlx::ComPtr<IDeklaracja> child;
            ASSERT_EQ(report->Policz(Employee(card).As<IDispatch>().Get(), 1, child.Out()), S_OK)
                << "card " << card << ": " << tlx::Utf16ToUtf8(LastError());
            if (report == rsa.Get()) raportRsa = child.As<IDeklaracja2>();
        }
        LONG zerowe = -1;
        EXPECT_EQ(rsa->get_GenerujZeroweRCA(&zerowe), S_OK);
        // Card 14's benefits leave the 30th and 31st of March uncovered; a card without benefits has no
        // days to cover.
        EXPECT_EQ(zerowe, card == 14 ? 1 : 0) << "card " << card;
    }
    EXPECT_EQ(Finish(rca.Get()), 1);
    Finish(rza.Get());
    ASSERT_EQ(Finish(rsa.Get()), 1);

    const std::string text = Text(raportRsa.Get());
    std::size_t blocks = 0;
    for (std::size_t at = text.find("<DDORSA>"); at != std::string::npos; at = text.find("<DDORSA>", at + 1)) ++blocks;
    EXPECT_EQ(blocks, 2u) << text;
    EXPECT_NE(text.find("<DDORSA>\r\nJankowski\r\nPaweł\r\nP\r\n87040476543\r\n11000\r\n331\r\n2024-03-01\r\n"
                        "2024-03-08\r\n8\r\n\r\n1012.48\r\n</DDORSA>"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\r\n11000\r\n313\r\n2024-03-09\r\n2024-03-29\r\n21\r\n\r\n2657.76\r\n</DDORSA>"),
              std::string::npos)
        << text;
    // Sick pay is the payer's own; the allowance is paid from sickness insurance.
    EXPECT_DOUBLE_EQ(dra_->Total(draSwiadczeniaChor).AsDouble(), 2657.76);
    EXPECT_DOUBLE_EQ(dra_->Total(draSwiadczeniaWypad).AsDouble(), 0.0);
    EXPECT_DOUBLE_EQ(dra_->Total(draSwiadczeniaBudzet).AsDouble(), 0.0);
}

}  // namespace
