// The DRA calculator driven as the DRA form drives it: a DRA declaration of a month of the company's
// payroll handed to Przelicz; the reports it attaches, the sums in its blocks, the payment's due date,
// an owner's DRA taking his reports into its own fields, and the failures the user must see.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ZusDeclarationSupport.h"
#include "ZusPayrollFixture.h"
#include "hostapi/Accounting.h"
#include "hostapi/Collections.h"
#include "mv_deklaracje/core/Date.h"
#include "platform/text/CodePage.h"

namespace {

using tlx::test::CProgressTexts;

class DraTest : public ZusPayrollTest {
protected:
    void SetUp() override {
        ZusPayrollTest::SetUp();
        for (auto [key, value] : {std::pair<const char16_t*, const char16_t*>{u"/Program/Płace/Zus/Procent fp", u"2,45"},
                                  {u"/Program/Płace/Zus/Procent fgsp", u"0,10"},
                                  {u"/Firma/Płace/ZUS/Procent wypad", u"1,80"},
                                  {u"/Firma/Płace/ZUS/Licz zasiłki", u"1"},
                                  {u"/Firma/Płace/ZUS/Termin składania deklaracji", u"2"},
                                  {u"/Firma/Płace/Parametry/NieGenerujZeroweRCA", u"0"},
                                  {u"Osoba fizyczna", u"0"},
                                  {u"FirmaNIP", u"526-10-20-304"},
                                  {u"FirmaNazwaSkroconaZUS", u"Łąka sp. z o.o."}})
            Setting(key, value);
    }
    void TearDown() override {
        service_.Reset();
        dra_.Reset();
        declarations_.Reset();
        ZusPayrollTest::TearDown();
    }
    void Setting(const char16_t* key, const char16_t* value) {
        Execute(u"DELETE FROM TLX.Konfiguracja WHERE Kfg_Klucz = '" + std::u16string(key) + u"'");
        Execute(u"INSERT INTO TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) VALUES ('" + std::u16string(key) + u"', '" +
                std::u16string(value) + u"')");
    }
    // A DRA declaration of the month in the form version, with its progress recorded.
    void Dra(LONG version, int year, int month, LONG person = 0) {
        declarations_ = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
        tlx::ComPtr<IDispatch> item;
        ASSERT_EQ(declarations_->AddNew(tlx::Variant::Missing(), item.Out()), S_OK) << tlx::Utf16ToUtf8(LastError());
        dra_ = item.As<IDeklaracja2>();
        ASSERT_EQ(dra_->put_TypDeklar(dekZUS_DRA), S_OK);
        ASSERT_EQ(dra_->put_Wersja(version), S_OK) << tlx::Utf16ToUtf8(LastError());
        ASSERT_EQ(dra_->put_Numer(1), S_OK);
        ASSERT_EQ(dra_->put_Rok(year), S_OK);
        ASSERT_EQ(dra_->put_Miesiac(month), S_OK);
        if (person) {
            ASSERT_EQ(dra_->put_Pracownik(Employee(person).As<IDispatch>().Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
        }
        ASSERT_EQ(Put(dra_.Get(), u"OSWIADCZENIE", tlx::Variant::FromDate(CDate(1, 5, year + 1).Value())), S_OK)
            << tlx::Utf16ToUtf8(LastError());
        progress_ = CProgressTexts::Make();
        ASSERT_EQ(dra_->AdviseProgress(tlx::ComPtr<_IProgressEvents>(progress_.Get()).Get()), S_OK);
        service_ = Create(u"TLXDeklaracje.DRA").As<IDRA>();
        ASSERT_TRUE(service_);
    }
    HRESULT Przelicz() {
        const HRESULT hr = service_->Przelicz(dra_.Get());
        error_ = FAILED(hr) ? tlx::Utf16ToUtf8(LastError()) : "";
        return hr;
    }
    std::string Field(const char16_t* name) { return tlx::Utf16ToUtf8(AsText(Get(dra_.Get(), name))); }
    // The DRA saved as the form saves it, through its collection; the types of the reports stored under it.
    std::u16string SavedChildren() {
        EXPECT_EQ(declarations_.As<ISaveable>()->Save(hostSaveCheck), S_OK) << tlx::Utf16ToUtf8(LastError());
        LONG id = 0;
        EXPECT_EQ(dra_->get_ID(&id), S_OK);
        return Scalar(u"select group_concat(Dkn_TypDeklar, ',') from (select Dkn_TypDeklar from TLX.DeklNag "
                      u"where Dkn_ParentId = " + tlx::test::Num(id) + u" order by Dkn_TypDeklar)");
    }
    std::u16string LastProgress() const { return progress_->texts.empty() ? u"" : progress_->texts.back(); }
    bool Fired(std::u16string_view text) const {
        return std::find(progress_->texts.begin(), progress_->texts.end(), text) != progress_->texts.end();
    }
    void Insured(LONG card, int year, int month, double brutto = 5000.0) {
        AddEmployee(card, u"2016-01-01", 110);
        AddElement(AddPayout(card, year, month), brutto, 11000, Employee2016(brutto));
    }

    tlx::ComPtr<ICollection> declarations_;
    tlx::ComPtr<IDeklaracja2> dra_;
    tlx::ComPtr<IDRA> service_;
    tlx::ComPtr<CProgressTexts> progress_;
    std::string error_;
};

TEST_F(DraTest, AServiceWithoutADeclarationAnswersEPointer) {
    Dra(3, 2016, 12);
    tlx::ComPtr<IDeklaracja2> declaration;
    EXPECT_EQ(service_->get_Deklaracja(declaration.Out()), E_POINTER);
    EXPECT_EQ(service_->Przelicz(nullptr), E_POINTER);
    EXPECT_EQ(service_->get_Deklaracja(nullptr), E_POINTER);
}

TEST_F(DraTest, AMonthOfTwoEmployeesGivesOneRcaAndTheirSums) {
    Dra(3, 2016, 12);
    Insured(1, 2016, 12);
    Insured(2, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    tlx::ComPtr<IDeklaracja2> declaration;
    ASSERT_EQ(service_->get_Deklaracja(declaration.Out()), S_OK);
    EXPECT_EQ(declaration.Get(), dra_.Get());
    EXPECT_TRUE(Fired(u"Wyliczono deklarację DRA"));
    EXPECT_EQ(Field(u"INN7UBEZP"), "2");
    EXPECT_EQ(Field(u"INN7PROCWYPAD"), "1.8000");
    EXPECT_EQ(Field(u"OPLSNORCA"), "1");
    EXPECT_EQ(Field(u"OPLSLICZBARAPORTOW"), Field(u"OPLSNORCA"));
    EXPECT_EQ(Field(u"DADRATERMIN"), "2");
    // Pension: 2 × (488.00 + 488.00); disability: 2 × (75.00 + 325.00).
    EXPECT_EQ(Field(u"ZSDRAISE"), "1952");

    // Deadline code 2: the payment is due on the 10th of the next month, here January of the next year.
    tlx::ComPtr<IDispatch> payment;
    ASSERT_EQ(dra_->get_PlatnoscDokumentu(payment.Out()), S_OK);
    DATE due = 0;
    ASSERT_EQ(payment.As<IPlatnosc>()->get_Termin(&due), S_OK);
    EXPECT_EQ(CDate(due), CDate(1, 10, 2017));

    // A second calculation on the same service rebuilds the reports and sums nothing twice.
    const std::string lskd = Field(u"LSKDKWOTA");
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"ZSDRAISE"), "1952");
    EXPECT_EQ(Field(u"LSKDKWOTA"), lskd);
    EXPECT_EQ(Field(u"INN7UBEZP"), "2");
    EXPECT_EQ(SavedChildren(), u"121");
}

TEST_F(DraTest, AMonthWithoutInsuredPersonsGivesADraOfZeros) {
    Dra(3, 2016, 11);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"INN7UBEZP"), "0");
    EXPECT_EQ(Field(u"OPLSLICZBARAPORTOW"), "0");
    EXPECT_EQ(Field(u"LSKDKWOTA"), "0");
    EXPECT_EQ(SavedChildren(), u"NULL");
}

TEST_F(DraTest, VersionsOneAndTwoAreCalculatedWithoutTheFieldsTheirFormsLack) {
    for (LONG version : {1, 2}) {
        SCOPED_TRACE(version);
        Dra(version, 2016, 12);
        if (version == 1) Insured(1, 2016, 12);
        EXPECT_EQ(Przelicz(), S_OK) << error_;
        EXPECT_EQ(Field(u"INN7UBEZP"), "1");
    }
}

TEST_F(DraTest, ASettingThatDoesNotConvertFailsTheCalculationNamingTheKey) {
    Setting(u"/Firma/Płace/ZUS/Procent wypad", u"abc");
    Dra(3, 2016, 12);
    Insured(1, 2016, 12);
    EXPECT_NE(Przelicz(), S_OK);
    EXPECT_NE(error_.find("Procent wypad"), std::string::npos) << error_;
    EXPECT_EQ(LastProgress().rfind(u"Błąd wyliczania deklaracji: ", 0), 0u) << tlx::Utf16ToUtf8(LastProgress());
}

TEST_F(DraTest, AnOwnersDraTakesHisReportsIntoItsOwnFields) {
    AddEmployee(1, u"2016-01-01", 510);
    AddElement(AddPayout(1, 2016, 12), 2000.0, 51000, Employee2016(2000.0));
    Dra(3, 2016, 12, 1);
    ASSERT_EQ(Put(dra_.Get(), u"DADRATERMIN", tlx::Variant::FromLong(3)), S_OK);
    Setting(u"/Firma/Płace/ZUS/Termin składania deklaracji", u"0");
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"DADRATERMIN"), "4");
    EXPECT_EQ(Field(u"OPLSLICZBARAPORTOW"), "0");
    EXPECT_EQ(Field(u"DDDUTYUB"), "51000");
    EXPECT_EQ(Field(u"DDDUPODSTAWAER"), "2000");
    EXPECT_EQ(Field(u"INN7STATUSREFUNDACJI"), "0");
    EXPECT_EQ(SavedChildren(), u"NULL");
}

TEST_F(DraTest, VersionsThreeAndFourSumOneMonthInTheirOwnLayouts) {
    Insured(1, 2016, 12);
    // One person of 5000.00: pension 488.00 + 488.00, disability 75.00 + 325.00, sickness 122.50, accident
    // 90.00; due 813.00 + 563.00 + 122.50 + 90.00.
    Dra(3, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"ZSDRAIPW"), "90");
    EXPECT_EQ(Field(u"ZSDRAIKWOTA"), "1588.5000");
    EXPECT_EQ(Field(u"RIVDRAZAPLATA"), "1588.5000");
    EXPECT_EQ(Field(u"KWOTAFEP"), "0.0000");
    Dra(4, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"ZSDRAIPW"), "0");  // the payer's sickness contribution in this layout
    EXPECT_EQ(Field(u"ZSDRAIKWOTA"), "1588.5000");
    EXPECT_EQ(Field(u"SKLADKAEMERPLATNIK"), "488.0000");
    EXPECT_EQ(Field(u"SKLADKARENTUBEZP"), "75.0000");
    EXPECT_EQ(SavedChildren(), u"121");
}

TEST_F(DraTest, WithoutBenefitsComputedTheContributionReportsAreRnaReports) {
    Setting(u"/Firma/Płace/ZUS/Licz zasiłki", u"0");
    Setting(u"/Firma/Płace/ZUS/LiczRNA", u"1");
    Insured(1, 2016, 12);
    Dra(3, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"OPLSNORCA"), "0");
    EXPECT_EQ(Field(u"OPLSNORNA"), "1");
    EXPECT_EQ(SavedChildren(), u"122");
}

TEST_F(DraTest, APersonWithoutAnIdentifierIsNamedAndStillComputed) {
    AddEmployee(1, u"2016-01-01", 110, u"");
    AddElement(AddPayout(1, 2016, 12), 5000.0, 11000, Employee2016(5000.0));
    Dra(3, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_TRUE(std::any_of(progress_->texts.begin(), progress_->texts.end(), [](const std::u16string& text) {
        return text.rfind(u"Brak wypełnionego identyfikatora dla pracownika: ", 0) == 0 && text.size() > 50;
    }));
    EXPECT_EQ(Field(u"ZSDRAIKWOTA"), "1588.5000");
}

TEST_F(DraTest, ThePaymentIsDueByTheDeadlineCodeOfTheMonth) {
    // Codes 1 and 5 are due on the 5th, 2 on the 10th, the others on the 15th of the next month.
    for (auto [code, day] : {std::pair{u"1", 5}, {u"5", 5}, {u"2", 10}, {u"3", 15}, {u"0", 15}}) {
        SCOPED_TRACE(tlx::Utf16ToUtf8(code));
        Setting(u"/Firma/Płace/ZUS/Termin składania deklaracji", code);
        Dra(3, 2016, 6);
        ASSERT_EQ(Przelicz(), S_OK) << error_;
        tlx::ComPtr<IDispatch> payment;
        ASSERT_EQ(dra_->get_PlatnoscDokumentu(payment.Out()), S_OK);
        DATE due = 0;
        ASSERT_EQ(payment.As<IPlatnosc>()->get_Termin(&due), S_OK);
        EXPECT_EQ(CDate(due), CDate(7, day, 2016));
    }
}

TEST_F(DraTest, AnOwnersDraWithAnotherDeadlineEndsWithThatOfANaturalPerson) {
    AddEmployee(1, u"2016-01-01", 510);
    AddElement(AddPayout(1, 2016, 12), 2000.0, 51000, Employee2016(2000.0));
    Setting(u"/Firma/Płace/ZUS/Termin składania deklaracji", u"1");
    Dra(3, 2016, 12, 1);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"DADRATERMIN"), "2");
}

TEST_F(DraTest, TheFormsCalculationRunsTheServiceAndAFailedOneKeepsTheDraFromBeingSaved) {
    Insured(1, 2016, 12);
    Setting(u"/Program/Płace/Zus/Procent fgsp", u"abc");
    Dra(3, 2016, 12);
    ASSERT_EQ(Put(dra_.Get(), u"DADRAIDENT", tlx::Variant::FromLong(1122016)), S_OK);
    EXPECT_NE(dra_->Policz(), S_OK);
    EXPECT_NE(LastError().find(u"Procent fgsp"), std::u16string::npos);
    // Half a calculation is never stored: the form refuses the save until it is calculated again.
    EXPECT_EQ(declarations_.As<ISaveable>()->Save(hostSaveCheck), static_cast<HRESULT>(0x80050000 + 26100));
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklNag"), u"0");

    Setting(u"/Program/Płace/Zus/Procent fgsp", u"0,10");
    ASSERT_EQ(dra_->Policz(), S_OK) << tlx::Utf16ToUtf8(LastError());
    // Calculated again before the save: the reports of the first calculation are not stored beside the second's.
    ASSERT_EQ(dra_->Policz(), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Field(u"ZSDRAIKWOTA"), "1588.5000");
    EXPECT_EQ(Field(u"OPLSDATAWYP"), Field(u"OSWIADCZENIE"));
    EXPECT_EQ(SavedChildren(), u"121");
}

TEST_F(DraTest, BeforeTwoThousandEightTheDraCarriesTheAverageEmploymentAndTheRefundStatus) {
    Setting(u"/Firma/Płace/ZUS/Status Refundacji", u"3");
    AddEmployee(1, u"2007-01-01", 110, u"80010112345", 1, 2);  // half time all month
    AddElement(AddPayout(1, 2007, 12), 2500.0, 11000, Employee2016(2500.0));
    Dra(3, 2007, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"INN7ZPCHR"), "0.5000");
    EXPECT_EQ(Field(u"INN7STATUSREFUNDACJI"), "1");
    // From 2008 both are 0, whatever the month's employment.
    Dra(3, 2008, 1);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"INN7ZPCHR"), "0");
    EXPECT_EQ(Field(u"INN7STATUSREFUNDACJI"), "0");
}

}  // namespace
