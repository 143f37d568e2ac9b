// The ZSWA declaration calculated through its form on small companies built from payroll rows: its
// fixed blocks, the person blocks of periods of special work, the keys, the clipping and cutting of
// periods, and the refusal when there is nothing to report.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DeclarationFixture.h"
#include "ZusDeclarationSupport.h"
#include "hostapi/Kedu.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/VariantConversion.h"

namespace tlx::test {
namespace {

constexpr HRESULT kNothingToReport = static_cast<HRESULT>(0x800575A2);
constexpr HRESULT kCalculateFirst = static_cast<HRESULT>(0x800565F4);

constexpr const char16_t* kWork = u", PRE_KodFEP, PRE_UBZTyuId";
constexpr const char16_t* kWorkValues = u", 5, 110";

class ZswaTest : public DeclarationTest {
protected:
    void SetUp() override {
        DeclarationTest::SetUp();
        for (auto [key, value] : {std::pair<const char16_t*, const char16_t*>{u"Osoba fizyczna", u"0"},
                                  {u"FirmaNIP", u"526-10-20-304"}, {u"FirmaREGON", u"012345678"},
                                  {u"FirmaNazwaSkroconaZUS", u"Łąka sp. z o.o."}}) {
            Execute(u"insert into TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) values ('" + std::u16string(key) +
                    u"', '" + std::u16string(value) + u"')");
        }
        Execute(u"insert into TLX.TypyOkresow (TOK_TokId, TOK_Nazwa, TOK_KodTypu) values (1, 'Urlop bezpłatny', 1), "
                u"(2, 'Inny', 999)");
    }
    // An employee card with his data; records come with Record.
    void Employee(int id, std::u16string_view pesel = u"'80010112345'", std::u16string_view surname = u"'Żółć'",
                  std::u16string_view name = u"'Łukasz'") {
        Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod) values (" + Num(id) + u", 'P" + Num(id) + u"')");
        pesel_ = pesel, surname_ = surname, name_ = name;
    }
    // A record valid and employed over the same days; `columns` name at least the special-work code
    // and the title (Work() gives code 5 and title 0110).
    void Record(int id, std::u16string_view from, std::u16string_view to, std::u16string_view columns = kWork,
                std::u16string_view values = kWorkValues) {
        Execute(u"insert into TLX.PracEtaty (PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_ZatrudnionyOd, PRE_ZatrudnionyDo, "
                u"PRE_Pesel, PRE_Nazwisko, PRE_Imie1, PRE_NIP, PRE_DataUr" +
                std::u16string(columns) + u") values (" + Num(id) + u", '" + std::u16string(from) + u" 00:00:00', " +
                (to == u"NULL" ? u"NULL" : u"'" + std::u16string(to) + u" 00:00:00'") + u", '" + std::u16string(from) +
                u" 00:00:00', " + (to == u"NULL" ? u"NULL" : u"'" + std::u16string(to) + u" 00:00:00'") + u", " +
                pesel_ + u", " + surname_ + u", " + name_ + u", '123-456-32-18', '1980-01-01 00:00:00'" +
                std::u16string(values) + u")");
    }

    // A new ZSWA of the year (for one employee when `employee` is given, bound before the form loads
    // at its first field or after it), calculated.
    enum class Bound { BeforeFirstField, AfterFirstField };
    HRESULT Calculate(int year, int employee = 0, Bound bound = Bound::BeforeFirstField) {
        declarations_ = Declarations();
        ComPtr<IDispatch> item;
        EXPECT_EQ(declarations_->AddNew(Variant::Missing(), item.Out()), S_OK) << Utf16ToUtf8(LastError());
        zswa_ = item.As<IDeklaracja2>();
        EXPECT_EQ(zswa_->put_TypDeklar(106), S_OK);
        EXPECT_EQ(zswa_->put_Wersja(1), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(zswa_->put_Rok(year), S_OK);
        EXPECT_EQ(zswa_->put_Numer(3), S_OK);
        auto bind = [&] {
            auto person = Create(u"TLX.Pracownicy", Variant::FromString(Num(employee)));
            EXPECT_EQ(zswa_->put_Pracownik(person.Get()), S_OK) << Utf16ToUtf8(LastError());
        };
        if (employee && bound == Bound::BeforeFirstField) bind();
        Put(zswa_.Get(), u"OSWIADCZENIE", Variant::FromDate(42767));  // 2017-02-01
        if (employee && bound == Bound::AfterFirstField) bind();
        progress_ = CProgressTexts::Make();
        EXPECT_EQ(zswa_->AdviseProgress(ComPtr<_IProgressEvents>(progress_.Get()).Get()), S_OK);
        return Recalculate();
    }
    HRESULT Recalculate() {
        HRESULT hr = zswa_->Policz();
        error_ = FAILED(hr) ? LastError() : u"";
        return hr;
    }
    // The document's text from the first person block on.
    std::string Persons() {
        auto document = Get(zswa_.Get(), u"DOKUMENT");
        EXPECT_EQ(document.vt, VT_DISPATCH);
        auto kedu = ComPtr<IDispatch>(document.pdispVal).As<IKeduDokument>();
        Bstr text;
        EXPECT_EQ(kedu->ToString(text.Out()), S_OK);
        std::string all = Utf16ToUtf8(text.View());
        std::size_t first = all.find("<DDOZSWA>");
        std::string persons = first == std::string::npos ? "" : all.substr(first);
        std::replace(persons.begin(), persons.end(), '\r', ' ');
        persons.erase(std::remove(persons.begin(), persons.end(), '\n'), persons.end());
        return persons;
    }
    std::string Document() {
        Bstr text;
        EXPECT_EQ(ComPtr<IDispatch>(Get(zswa_.Get(), u"DOKUMENT").pdispVal).As<IKeduDokument>()->ToString(text.Out()),
                  S_OK);
        return Utf16ToUtf8(text.View());
    }

    std::u16string pesel_, surname_, name_;
    ComPtr<ICollection> declarations_;
    ComPtr<IDeklaracja2> zswa_;
    ComPtr<CProgressTexts> progress_;
    std::u16string error_;
};

// A person block as the document's text shows it: one value a line (here a blank between them).
std::string Block(const std::string& lines) { return "<DDOZSWA> " + lines + " </DDOZSWA> "; }
const std::string kPerson = "80010112345 1234563218   ŻÓŁĆ ŁUKASZ 01011980";

TEST_F(ZswaTest, AnOpenEndedCurrentEmployeeGetsTheWholeYearAndTheDeclarationReadsBack) {
    Employee(7);
    Record(7, u"2015-03-01", u"NULL", u", PRE_FEPOd, PRE_KodFEP, PRE_UBZTyuId", u", '2015-03-01 00:00:00', 5, 110");
    ASSERT_EQ(Calculate(2016), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(Persons(), Block(kPerson + " 011000 5 01012016 31122016 1 1") + "</ZUSZSWA> ");
    const std::string text = Document();
    for (const char* part : {"<DIPL>\r\n5261020304\r\n012345678\r\n", "<OPLR>\r\n01022017\r\n</OPLR>",
                             "<DOZSWA>\r\n\r\n3\r\n2016\r\n</DOZSWA>"})
        EXPECT_NE(text.find(part), std::string::npos) << part << " in " << text;
    EXPECT_EQ(progress_->texts,
              (std::vector<std::u16string>{u"Wyliczanie deklaracji", u"Wyliczanie deklaracji ZSWA",
                                           u"Inicjowanie deklaracji ZSWA", u"Inicjowanie deklaracji ZSWA zakończone",
                                           u""}));

    ASSERT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError());
    LONG id = 0;
    ASSERT_EQ(zswa_->get_ID(&id), S_OK);
    auto again = Create(NewSession().Get(), u"TLXDeklaracje.Deklaracje", Variant::FromString(Num(id)));
    ASSERT_TRUE(again);
    Bstr reread;
    ASSERT_EQ(ComPtr<IDispatch>(Get(again.Get(), u"DOKUMENT").pdispVal).As<IKeduDokument>()->ToString(reread.Out()), S_OK);
    EXPECT_EQ(Utf16ToUtf8(reread.View()), text);
}

TEST_F(ZswaTest, SixPeriodsOfOneKeyMakeTwoBlocksAndTwoKeysTwoMore) {
    Employee(7);
    const char16_t* months[][2] = {{u"2016-01-01", u"2016-02-29"}, {u"2016-03-01", u"2016-04-30"},
                                   {u"2016-05-01", u"2016-06-30"}, {u"2016-07-01", u"2016-08-31"},
                                   {u"2016-09-01", u"2016-10-31"}, {u"2016-11-01", u"2016-11-30"}};
    for (int i = 0; i < 6; ++i)
        Record(7, months[i][0], months[i][1], u", PRE_ETAEtatL, PRE_ETAEtatM, PRE_KodFEP, PRE_UBZTyuId",
               u", " + Num(i + 1) + u", 8, 5, 110");
    Record(7, u"2016-12-01", u"NULL", u", PRE_UBZTyuId, PRE_KodFEP", u", 1240, 5");
    ASSERT_EQ(Calculate(2016), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(Persons(), Block(kPerson + " 011000 5 01012016 29022016 1 8 5 01032016 30042016 2 8 5 01052016 30062016 "
                                         "3 8 5 01072016 31082016 4 8") +
                             Block(kPerson + " 011000 5 01092016 31102016 5 8 5 01112016 30112016 6 8") +
                             Block(kPerson + " 124000 5 01122016 31122016 1 1") + "</ZUSZSWA> ");
}

TEST_F(ZswaTest, IdentityDocumentsAndThePersonWhoLeft) {
    Employee(1, u"NULL");
    Record(1, u"2016-01-01", u"NULL", u", PRE_Paszport, PRE_DowodNr, PRE_KodFEP, PRE_UBZTyuId", u", 'EE123', 'ABC123', 5, 110");
    Employee(2, u"''");
    Record(2, u"2016-01-01", u"NULL", u", PRE_DowodNr, PRE_KodFEP, PRE_UBZTyuId", u", 'ABC456', 5, 110");
    Employee(3, u"NULL");
    Record(3, u"2016-01-01", u"NULL");
    // Left in 2016: his last record names him.
    Employee(4, u"'80010112345'", u"'Nowak'", u"'Anna'");
    Record(4, u"2015-01-01", u"2015-12-31");
    surname_ = u"'Nowak-Kowalska'";
    Record(4, u"2016-01-01", u"2016-06-30");
    ASSERT_EQ(Calculate(2016), S_OK) << Utf16ToUtf8(error_);
    const std::string rest = "ŻÓŁĆ ŁUKASZ 01011980 011000 5 01012016 31122016 1 1";
    EXPECT_EQ(Persons(), Block(" 1234563218 2 EE123 " + rest) + Block(" 1234563218 1 ABC456 " + rest) +
                             Block(" 1234563218   " + rest) +
                             Block("80010112345 1234563218   NOWAK-KOWALSKA ANNA 01011980 011000 5 01012016 30062016 1 1") +
                             "</ZUSZSWA> ");
}

TEST_F(ZswaTest, DatedRecordsAreCutOutOfThePeriods) {
    Employee(1);
    Record(1, u"2016-01-01", u"NULL");
    Execute(u"insert into TLX.OkresyPracownika (OKP_PraId, OKP_TokId, OKP_DataOd, OKP_DataDo, OKP_Znacznik) values "
            u"(1, 1, '2016-03-01 00:00:00', '2016-03-31 00:00:00', 0), "      // cut out
            u"(1, 1, '2016-12-01 00:00:00', '2017-01-31 00:00:00', 0), "      // covers the period's end
            u"(1, 2, '2016-05-01 00:00:00', '2016-05-31 00:00:00', 0), "      // a type that is no break
            u"(1, 1, '2016-07-01 00:00:00', '2016-07-31 00:00:00', 1)");      // left out
    Employee(2);
    Record(2, u"2016-01-01", u"NULL");
    Employee(3);
    Record(3, u"2016-01-01", u"2016-06-30");
    Execute(u"insert into TLX.OkresyPracownika (OKP_PraId, OKP_TokId, OKP_DataOd, OKP_DataDo) values "
            u"(3, 1, '2015-12-01 00:00:00', '2016-08-31 00:00:00')");
    ASSERT_EQ(Calculate(2016), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(Persons(), Block(kPerson + " 011000 5 01012016 29022016 1 1 5 01042016 30112016 1 1") +
                             Block(kPerson + " 011000 5 01012016 31122016 1 1") + "</ZUSZSWA> ")
        << "the second person's end stays; the third has nothing left";
}

TEST_F(ZswaTest, TitlesOutsideTheirRangesAreKeyedAsZerosByTheQueryAndTheRowsAlike) {
    const std::pair<int, const char16_t*> titles[] = {{1, u"5"}, {2, u"9001"}, {3, u"NULL"}, {4, u"99999"}, {5, u"1240"}};
    for (auto [id, title] : titles) {
        Employee(id);
        Record(id, u"2016-01-01", u"NULL", u", PRE_UBZTyuId, PRE_PrawoER, PRE_StNiepelnosp, PRE_KodFEP",
               u", " + std::u16string(title) + u", 1, 2, 5");
    }
    ASSERT_EQ(Calculate(2016), S_OK) << Utf16ToUtf8(error_);
    const std::string period = " 5 01012016 31122016 1 1";
    EXPECT_EQ(Persons(), Block(kPerson + " 000012" + period) + Block(kPerson + " 000012" + period) +
                             Block(kPerson + " 000012" + period) + Block(kPerson + " 000012" + period) +
                             Block(kPerson + " 124012" + period) + "</ZUSZSWA> ");
}

TEST_F(ZswaTest, TheYear2010TakesIn2009AndSpecialWorkDatesClipThePeriods) {
    Employee(1);
    Record(1, u"2009-03-01", u"2009-12-31");
    Employee(2);
    Record(2, u"2010-01-01", u"NULL", u", PRE_FEPOd, PRE_FEPDo" + std::u16string(kWork),
           u", '1899-12-30 00:00:00', '2010-05-31 00:00:00'" + std::u16string(kWorkValues));
    Employee(3);
    Record(3, u"2010-01-01", u"NULL", u", PRE_FEPOd, PRE_FEPDo" + std::u16string(kWork),
           u", '2010-02-15 00:00:00', '1900-01-01 00:00:00'" + std::u16string(kWorkValues));
    ASSERT_EQ(Calculate(2010), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(Persons(), Block(kPerson + " 011000 5 01032009 31122009 1 1") +
                             Block(kPerson + " 011000 5 01012010 31052010 1 1") +
                             Block(kPerson + " 011000 5 15022010 31122010 1 1") + "</ZUSZSWA> ");
    EXPECT_EQ(Calculate(2011), S_OK);
    EXPECT_EQ(Persons().find("2009"), std::string::npos) << "2011 takes only its own year";
}

TEST_F(ZswaTest, NothingToReportIsRefusedAndCannotBeSaved) {
    Employee(1);
    Record(1, u"2016-01-01", u"NULL", u", PRE_KodFEP, PRE_UBZTyuId", u", 0, 110");
    EXPECT_EQ(Calculate(2016), kNothingToReport);
    EXPECT_EQ(error_, u"Żaden pracownik w wybranym roku nie ma odnotowanych okresów pracy w szczególnych warunkach / w "
                      u"szczególnym charakterze.");
    EXPECT_EQ(SaveCollection(declarations_.Get()), kCalculateFirst);
    LastError();
}

TEST_F(ZswaTest, ADeclarationOfOneEmployeeChecksHimOnlyAlsoWhenCalculatedAgain) {
    Employee(1);
    Record(1, u"2016-01-01", u"NULL");
    Employee(2);
    Record(2, u"2014-01-01", u"2014-12-31");
    const std::u16string refusal = u"Pracownik w wybranym roku nie ma odnotowanych okresów pracy w szczególnych "
                                   u"warunkach / w szczególnym charakterze.";
    EXPECT_EQ(Calculate(2016, 2), kNothingToReport);
    EXPECT_EQ(error_, refusal);
    EXPECT_EQ(Recalculate(), kNothingToReport) << "the builder's PRACID does not change the declaration's person";
    EXPECT_EQ(error_, refusal);

    ASSERT_EQ(Calculate(2016, 1), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(Recalculate(), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(Persons(), Block(kPerson + " 011000 5 01012016 31122016 1 1") + "</ZUSZSWA> ");
}

TEST_F(ZswaTest, TheEmployeeBoundWhenTheCalculationStartsIsTheOneCheckedWhateverTheOrderOfThePuts) {
    Employee(1);
    Record(1, u"2016-01-01", u"NULL");
    Employee(2);
    Record(2, u"2016-01-01", u"NULL", u", PRE_KodFEP, PRE_UBZTyuId", u", 0, 110");
    for (Bound bound : {Bound::BeforeFirstField, Bound::AfterFirstField}) {
        SCOPED_TRACE(bound == Bound::BeforeFirstField ? "bound before the first field" : "bound after it");
        const std::u16string stored = Scalar(u"select count(*) from TLX.DeklNag");
        EXPECT_EQ(Calculate(2016, 2, bound), kNothingToReport);
        EXPECT_EQ(error_, u"Pracownik w wybranym roku nie ma odnotowanych okresów pracy w szczególnych warunkach / w "
                          u"szczególnym charakterze.");
        EXPECT_EQ(SaveCollection(declarations_.Get()), kCalculateFirst) << "nothing of the refused one is stored";
        LastError();
        EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklNag"), stored);

        ASSERT_EQ(Calculate(2016, 1, bound), S_OK) << Utf16ToUtf8(error_);
        EXPECT_EQ(Persons(), Block(kPerson + " 011000 5 01012016 31122016 1 1") + "</ZUSZSWA> ");
    }
}

TEST_F(ZswaTest, RecordsOfOnePersonValidOnTheSameDaysAreRefusedNamingThem) {
    Employee(7);
    Record(7, u"2016-01-01", u"2016-12-31", u", PRE_KodFEP, PRE_UBZTyuId, PRE_StNiepelnosp", u", 5, 110, 1");
    Record(7, u"2016-07-01", u"NULL", u", PRE_KodFEP, PRE_UBZTyuId, PRE_StNiepelnosp", u", 5, 110, 2");
    EXPECT_EQ(Calculate(2016), E_FAIL);
    for (const char16_t* part : {u"Zapisy pracownika P7 Żółć Łukasz nakładają się", u"(2016-01-01..2016-12-31)",
                                 u"(2016-07-01..)"})
        EXPECT_NE(error_.find(part), std::u16string::npos) << Utf16ToUtf8(part) << " in " << Utf16ToUtf8(error_);
    EXPECT_EQ(SaveCollection(declarations_.Get()), kCalculateFirst);
    LastError();

    // Overlapping outside the declaration's year, they report as before; mended, they report both keys.
    EXPECT_EQ(Calculate(2018), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(Persons(), Block(kPerson + " 011002 5 01012018 31122018 1 1") + "</ZUSZSWA> ");
    Execute(u"update TLX.PracEtaty set PRE_DataDo = '2016-06-30 00:00:00' where PRE_DataOd < '2016-07-01'");
    ASSERT_EQ(Calculate(2016), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(Persons(), Block(kPerson + " 011001 5 01012016 30062016 1 1") +
                             Block(kPerson + " 011002 5 01072016 31122016 1 1") + "</ZUSZSWA> ");
}

TEST_F(ZswaTest, NamesThatWouldBreakTheDocumentEndTheCalculationOtherSignsStayData) {
    Employee(1, u"'80010112345'", u"'O''Brien & < Syn \"Ł\"'");
    Record(1, u"2016-01-01", u"NULL");
    ASSERT_EQ(Calculate(2016), S_OK) << Utf16ToUtf8(error_);
    EXPECT_NE(Persons().find("O'BRIEN & < SYN \"Ł\" ŁUKASZ"), std::string::npos) << Persons();

    Execute(u"update TLX.PracEtaty set PRE_Nazwisko = 'Nowak<x'");
    EXPECT_EQ(Calculate(2016), E_INVALIDARG);
    EXPECT_NE(error_.find(u"DDOZSWA"), std::u16string::npos) << Utf16ToUtf8(error_);
    EXPECT_NE(std::find(progress_->texts.begin(), progress_->texts.end(), u"Błąd wyliczania deklaracji ZSWA"),
              progress_->texts.end());
}

TEST_F(ZswaTest, TheServiceWithoutACalculation) {
    auto zswa = Create(u"TLXDeklaracje.ZSWA").As<IZSWA>();
    ASSERT_TRUE(zswa);
    ComPtr<IDeklaracja2> declaration;
    DATE filled = 0;
    EXPECT_EQ(zswa->get_Deklaracja(declaration.Out()), E_POINTER);
    EXPECT_EQ(zswa->get_DataWypelnienia(&filled), E_POINTER);
    EXPECT_EQ(zswa->put_Wartosc(static_cast<PoleDRAEnum>(1), CY{15000}), S_OK);
    EXPECT_EQ(zswa->Przelicz(nullptr), E_POINTER);
    auto errors = zswa.As<ISupportErrorInfo>();
    ASSERT_TRUE(errors);
    EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IZSWA::kIid), S_OK);
    EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IIWA::kIid), S_FALSE);
}

}  // namespace
}  // namespace tlx::test
