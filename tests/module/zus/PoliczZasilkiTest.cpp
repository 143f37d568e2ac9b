// The benefit calculator writing an insured person's RSA rows into a real KEDU document under a stand-in
// report and DRA: the block of a row, the recoding of old benefit codes, the day counts, the amounts the
// DRA receives by who pays them, and the RSA report driving it for a person.
#include <gtest/gtest.h>

#include <string>

#include "StandInDra.h"
#include "ZusPayrollFixture.h"
#include "hostapi/Collections.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/zus/PoliczZasilki.h"
#include "mv_deklaracje/zus/RSAInfo.h"
#include "platform/text/CodePage.h"

namespace {

std::u16string N(long long value) { return tlx::Utf8ToUtf16(std::to_string(value)); }

class PoliczZasilkiTest : public ZusPayrollTest {
protected:
    void SetUp() override {
        ZusPayrollTest::SetUp();
        AddEmployee(1, u"2010-01-01", 110);
        for (LONG kod : {311L, 315L, 319L, 320L, 321L, 329L}) Code(kod, 3, kod == 321 ? 0 : 1, kod == 321 ? 1 : 0);
        Code(331, 3);
    }
    void TearDown() override {
        dra_.Reset();
        raport_.Reset();
        declarations_.Reset();
        document_.Reset();
        ZusPayrollTest::TearDown();
    }
    void Code(LONG kod, LONG regula, LONG chorobowe = 0, LONG wypadkowe = 0) {
        Execute(u"INSERT INTO TLX.KodySwiadczen (Pdz_PdzId, Pdz_Kod, Pdz_Nazwa, Pdz_ZUbezpChorobowego, "
                u"Pdz_ZUbezpWypadkowego, Pdz_RegulaWiersza) VALUES (" + N(kod) + u", " + N(kod) + u", 'Kod', " +
                N(chorobowe) + u", " + N(wypadkowe) + u", " + N(regula) + u")");
    }
    // A report of the month under a DRA declaration of that version and month.
    void Report(int year, int month, LONG version) {
        declarations_ = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
        tlx::ComPtr<IDispatch> item;
        ASSERT_EQ(declarations_->AddNew(tlx::Variant::Missing(), item.Out()), S_OK) << tlx::Utf16ToUtf8(LastError());
        auto deklaracja = item.As<IDeklaracja2>();
        ASSERT_EQ(deklaracja->put_TypDeklar(dekZUS_DRA), S_OK);
        ASSERT_EQ(deklaracja->put_Wersja(version), S_OK) << tlx::Utf16ToUtf8(LastError());
        ASSERT_EQ(deklaracja->put_Rok(year), S_OK);
        ASSERT_EQ(deklaracja->put_Miesiac(month), S_OK) << tlx::Utf16ToUtf8(LastError());
        dra_ = CStandInDra::Make();
        dra_->deklaracja = deklaracja;
        raport_ = CStandInRaport::Make();
        raport_->rok = year;
        raport_->miesiac = month;
        raport_->dra = tlx::ComPtr<IDRA>(dra_.Get());
        document_ = Document(u"ZUSRSA");
    }
    // A row whose source is the benefit definition of the code.
    PozycjaRSAPtr Row(LONG kod, CDate od, CDate doDnia, double kwota, int liczba, std::u16string_view tekst = u"") {
        auto p = std::make_shared<CPozycjaRSA>();
        p->Kod = 11000;
        tlx::ComPtr<IDispatch> definicja;
        EXPECT_EQ(session_->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_KodySwiadczen)).Get(),
                                         tlx::Variant::FromString(N(kod)), definicja.Out()),
                  S_OK);
        p->Zrodlo = definicja;
        p->DataOd = od;
        p->DataDo = doDnia;
        p->Kwota = CMoney(kwota);
        p->Liczba = liczba;
        p->Tekst = CBstr(tekst);
        return p;
    }
    // The rows written for employee 1; the HRESULT, a failure's text in error_.
    HRESULT Write(const std::vector<PozycjaRSAPtr>& rows, bool* written = nullptr) {
        error_.clear();
        const HRESULT hr = ComBoundary([&] {
            CPoliczZasilki calculator(raport_.Get(), SessionObject().Get(), document_.Get());
            auto employee = Employee(1).As<IPracownikDane>();
            tlx::ComPtr<IPracEtat> etat;
            CheckHost(employee->GetEtat(CDate(1, 1, 2020).Value(), tlx::Variant::Missing(), etat.Out()));
            const bool result = calculator.WpiszPozycje(employee.Get(), etat.Get(), rows);
            if (written) *written = result;
        });
        if (FAILED(hr)) error_ = tlx::Utf16ToUtf8(LastError());
        return hr;
    }
    std::vector<std::string> Block(int n = 1) { return PersonBlock(document_.Get(), n); }
    static std::string Pos(const std::vector<std::string>& block, std::size_t position) {
        return position <= block.size() ? block[position - 1] : "";
    }
    double Total(PoleDRAEnum pole) { return dra_->Total(pole).AsDouble(); }

    tlx::ComPtr<ICollection> declarations_;
    tlx::ComPtr<CStandInDra> dra_;
    tlx::ComPtr<CStandInRaport> raport_;
    tlx::ComPtr<IKeduDokument> document_;
    std::string error_;
};

TEST_F(PoliczZasilkiTest, ARowIsOneBlockWithItsPeriodDaysTextAndAmount) {
    Report(2016, 5, 4);
    bool written = false;
    ASSERT_EQ(Write({Row(311, CDate(5, 1, 2016), CDate(5, 11, 2016), 700.50, 7, u"ZLA 123")}, &written), S_OK) << error_;
    EXPECT_TRUE(written);
    const auto b = Block();
    EXPECT_EQ(Pos(b, 1), "Nowak");
    EXPECT_EQ(Pos(b, 5), "11000");
    EXPECT_EQ(Pos(b, 6), "311");
    EXPECT_EQ(Pos(b, 7), "2016-05-01");
    EXPECT_EQ(Pos(b, 8), "2016-05-10");
    EXPECT_EQ(Pos(b, 9), "10") << "the days of the period, not the row's count";
    EXPECT_EQ(Pos(b, 10), "ZLA 123");
    EXPECT_EQ(Pos(b, 11), "700.50");
    EXPECT_DOUBLE_EQ(Total(draSwiadczeniaChor), 700.50);
    ASSERT_EQ(dra_->registrations.size(), 1u);
    EXPECT_EQ(dra_->registrations[0].date, 0.0);
    EXPECT_DOUBLE_EQ(dra_->registrations[0].wymiar, 0.0);
}

TEST_F(PoliczZasilkiTest, DayCountsAmountsAndDatesAreWrittenOnlyWhenThereAreAny) {
    Report(2016, 5, 4);
    const CDate od(5, 1, 2016), doDnia(5, 11, 2016);
    ASSERT_EQ(Write({Row(321, od, doDnia, 100.0, 7), Row(311, od, doDnia, 0.0, 0), Row(311, CDate(), CDate(), -5.0, 3),
                     Row(311, od, CDate(), 1.0, 4)}),
              S_OK)
        << error_;
    EXPECT_EQ(Pos(Block(1), 9), "7") << "321 reports the row's own count";
    EXPECT_DOUBLE_EQ(Total(draSwiadczeniaWypad), 100.0);
    EXPECT_EQ(Pos(Block(2), 9), "") << "a row with no count";
    EXPECT_EQ(Pos(Block(2), 11), "") << "no amount";
    EXPECT_EQ(Pos(Block(3), 7) + Pos(Block(3), 8) + Pos(Block(3), 9), "") << "no start date";
    EXPECT_EQ(Pos(Block(3), 11), "") << "a negative amount is not written";
    EXPECT_EQ(Pos(Block(4), 9), "") << "a row without an end never writes a negative count";
    EXPECT_DOUBLE_EQ(Total(draSwiadczeniaChor), 1.0) << "the zero and negative amounts add nothing";
}

TEST_F(PoliczZasilkiTest, OldBenefitCodesAreRecodedBeforeNovember2013AndInAVersion3Dra) {
    const struct {
        int year, month;
        LONG version;
        const char* kod319;
        const char* kod320;
    } cases[] = {
        {2013, 10, 2, "311", "315"},
        {2013, 11, 2, "319", "320"},
        {2016, 5, 3, "311", "315"},
    };
    for (const auto& c : cases) {
        Report(c.year, c.month, c.version);
        const CDate od(c.month, 1, c.year);
        ASSERT_EQ(Write({Row(319, od, od.AddDays(3), 10.0, 3), Row(320, od, od.AddDays(3), 10.0, 3)}), S_OK) << error_;
        EXPECT_EQ(Pos(Block(1), 6), c.kod319) << c.year << "-" << c.month << " v" << c.version;
        EXPECT_EQ(Pos(Block(2), 6), c.kod320) << c.year << "-" << c.month << " v" << c.version;
    }
}

TEST_F(PoliczZasilkiTest, Code329IsABudgetBenefitFromMarch2016) {
    for (int month : {2, 3}) {
        Report(2016, month, 4);
        ASSERT_EQ(Write({Row(329, CDate(month, 1, 2016), CDate(month, 5, 2016), 40.0, 4)}), S_OK) << error_;
        EXPECT_DOUBLE_EQ(Total(draSwiadczeniaBudzet), month == 3 ? 40.0 : 0.0) << month;
        EXPECT_DOUBLE_EQ(Total(draSwiadczeniaChor), month == 3 ? 0.0 : 40.0) << month;
    }
    Report(2016, 3, 4);
    ASSERT_EQ(Write({Row(331, CDate(3, 1, 2016), CDate(3, 5, 2016), 40.0, 4)}), S_OK) << error_;
    EXPECT_TRUE(dra_->totals.empty()) << "a benefit neither insurance pays goes to no field";
}

TEST_F(PoliczZasilkiTest, ATextComesBackAsWrittenOrIsRefusedByTheDocument) {
    Report(2016, 5, 4);
    const std::u16string text = u"Zaśw. \"A&B\" <1 'Łódź'";
    ASSERT_EQ(Write({Row(311, CDate(5, 1, 2016), CDate(5, 2, 2016), 1.0, 1, text)}), S_OK) << error_;
    auto again = Document(u"ZUSRSA");
    ASSERT_EQ(again->FromString(tlx::Bstr(Text(document_.Get())).Get()), S_OK);
    tlx::ComPtr<IKeduBloki> bloki;
    ASSERT_EQ(again->get_bloki(bloki.Out()), S_OK);
    tlx::ComPtr<IKeduBlok> blok;
    ASSERT_EQ(bloki->get_Item(tlx::Variant::FromString(u"DDORSA"), blok.Out()), S_OK);
    tlx::Variant value;
    ASSERT_EQ(blok->get_Item(10, 0, value.Out()), S_OK);
    ASSERT_EQ(value.vt, VT_BSTR);
    EXPECT_EQ(std::u16string(value.bstrVal), text);

    for (std::u16string_view refused : {u"A\r\nB", u"<x"}) {
        Report(2016, 5, 4);
        EXPECT_NE(Write({Row(311, CDate(5, 1, 2016), CDate(5, 2, 2016), 1.0, 1, refused)}), S_OK);
        EXPECT_TRUE(dra_->registrations.empty()) << "the person's report ends with the document's error";
    }
}

TEST_F(PoliczZasilkiTest, APersonWithoutRowsGetsNoBlockAndMessage518) {
    Report(2016, 5, 4);
    bool written = true;
    ASSERT_EQ(Write({}, &written), S_OK);
    EXPECT_FALSE(written);
    EXPECT_TRUE(dra_->registrations.empty());
    const HRESULT hr = ComBoundary([&] {
        CPoliczZasilki(raport_.Get(), SessionObject().Get(), document_.Get(), 0, Employee(1).As<IDispatch>().Get());
    });
    EXPECT_EQ(hr, static_cast<HRESULT>(0x80040206));
    EXPECT_NE(tlx::Utf16ToUtf8(LastError()).find("Deklaracja bez bloków wielokrotnych."), std::string::npos);
}

}  // namespace
