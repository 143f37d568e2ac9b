// The DRA calculator driven as the DRA form drives it: a DRA declaration of a month of the company's
// payroll handed to Przelicz; the reports it attaches, the sums in its blocks, the payment's due date,
// an owner's DRA taking his reports into its own fields, and the failures the user must see.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "ZusDeclarationSupport.h"
#include "ZusPayrollFixture.h"
#include "hostapi/Accounting.h"
#include "hostapi/Collections.h"
#include "mv_deklaracje/core/Date.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComObject.h"
#include "platform/text/CodePage.h"

namespace {

using tlx::test::CProgressTexts;

// A class object that makes nothing and answers `answer`: a report class the session cannot create.
class CRefusingFactory final : public tlx::ComObject<CRefusingFactory, IClassFactory> {
public:
    HRESULT answer = E_FAIL;
    HRESULT CreateInstance(IUnknown*, REFIID, void** out) override {
        if (out) *out = nullptr;
        return answer;
    }
    HRESULT LockServer(BOOL) override { return S_OK; }
};

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
        // The identifier the DRA is filed under: number 01 of its own month.
        ASSERT_EQ(Put(dra_.Get(), u"DADRAIDENT", tlx::Variant::FromLong(1000000 + month * 10000 + year)), S_OK);
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
    // The stored text of the saved reports of one form type, and how many person blocks it holds.
    std::u16string SavedReportText(LONG type) {
        return Scalar(u"select group_concat(DkS_Tekst, '') from TLX.DeklStr join TLX.DeklNag on DkN_DkNID = DkS_DkNID "
                      u"where DkN_TypDeklar = " + tlx::test::Num(type));
    }
    static std::size_t PersonBlocks(const std::u16string& text) {
        std::size_t blocks = 0;
        for (auto at = text.find(u"<DDORCA>"); at != std::u16string::npos; at = text.find(u"<DDORCA>", at + 1)) ++blocks;
        return blocks;
    }
    std::u16string LastProgress() const { return progress_->texts.empty() ? u"" : progress_->texts.back(); }
    bool Fired(std::u16string_view text) const {
        return std::find(progress_->texts.begin(), progress_->texts.end(), text) != progress_->texts.end();
    }
    void Insured(LONG card, int year, int month, double brutto = 5000.0) {
        AddEmployee(card, u"2016-01-01", 110);
        AddElement(AddPayout(card, year, month), brutto, 11000, Employee2016(brutto));
    }
    // A sickness allowance the payer pays out of the sickness insurance, for days of the month.
    void Allowance(LONG card, int year, int month, double amount, std::u16string_view od, std::u16string_view doDnia,
                   bool newPayout = true) {
        if (Scalar(u"select count(*) from TLX.KodySwiadczen where Pdz_PdzId = 313") == u"0") {
            Execute(u"INSERT INTO TLX.KodySwiadczen (Pdz_PdzId, Pdz_Kod, Pdz_Nazwa, Pdz_ZUbezpChorobowego, "
                    u"Pdz_RegulaWiersza) VALUES (313, 313, 'Zasiłek chorobowy', 1, 3)");
            Execute(u"INSERT INTO TLX.TypWyplata (TWP_TwpId, TWP_PdzId, TWP_Nazwa) VALUES (50, 313, 'Zasiłek chorobowy')");
        }
        const std::u16string payout = newPayout ? tlx::test::Num(AddPayout(card, year, month))
                                                : Scalar(u"select max(WPL_WplId) from TLX.Wyplaty");
        Execute(u"INSERT INTO TLX.WypElementy (WPE_WplId, WPE_TwpId, WPE_Wartosc, WPE_KodTytulu) VALUES (" + payout +
                u", 50, " + tlx::Utf8ToUtf16(std::to_string(amount)) + u", 11000)");
        Execute(u"INSERT INTO TLX.WypElementyLinki (WEL_WpeId, WEL_DataOd, WEL_DataDo) VALUES ((select max(WPE_WpeId) "
                u"from TLX.WypElementy), '" + std::u16string(od) + u" 00:00:00', '" + std::u16string(doDnia) + u" 00:00:00')");
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
    // Rich error information is promised for the service's own interface only.
    auto errors = service_.As<ISupportErrorInfo>();
    ASSERT_TRUE(errors);
    EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IDRA::kIid), S_OK);
    EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IDeklaracja::kIid), S_FALSE);
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

// A report filled by hand under the DRA (an RGA) is no calculation's: a new calculation keeps it as the
// user wrote it and counts none.
TEST_F(DraTest, ARecalculationKeepsAHandFilledRgaAndCountsNone) {
    Dra(3, 2016, 12);
    Insured(1, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(SavedChildren(), u"121");
    LONG id = 0;
    ASSERT_EQ(dra_->get_ID(&id), S_OK);
    Execute(u"insert into TLX.DeklNag (DkN_TypDeklar, DkN_Wersja, DkN_RokMiesiac, DkN_ParentId) values (125, 1, 201612, " +
            tlx::test::Num(id) + u")");
    const std::u16string rga = u"<ZUSRGA>\r\n<DORGA>\r\n1122016\r\n</DORGA>\r\n</ZUSRGA>\r\n";
    Execute(u"insert into TLX.DeklStr (DkS_DkNID, DkS_Lp, DkS_Tekst) values ((select max(DkN_DkNID) from "
            u"TLX.DeklNag), 1, '" + rga + u"')");

    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"OPLSNORGA"), "0");
    EXPECT_EQ(SavedChildren(), u"121,125");
    EXPECT_EQ(SavedReportText(125), rga);
}

// A report the user added under the DRA and has not saved yet stays through a calculation with a new
// service (the form makes one each time), while the unsaved reports of the earlier calculation go.
TEST_F(DraTest, ARecalculationKeepsAnUnsavedHandFilledRga) {
    Dra(3, 2016, 12);
    Insured(1, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    tlx::ComPtr<IDispatch> children;
    ASSERT_EQ(dra_->get_Deklaracje(children.Out()), S_OK);
    tlx::ComPtr<IDispatch> item;
    ASSERT_EQ(children.As<ICollection>()->AddNew(tlx::Variant::Missing(), item.Out()), S_OK) << tlx::Utf16ToUtf8(LastError());
    tlx::ComPtr<IDeklaracja2> rga = item.As<IDeklaracja2>();
    ASSERT_TRUE(rga);
    ASSERT_EQ(rga->put_TypDeklar(125), S_OK);
    ASSERT_EQ(rga->put_Wersja(1), S_OK) << tlx::Utf16ToUtf8(LastError());
    ASSERT_EQ(rga->put_Rok(2016), S_OK);
    ASSERT_EQ(rga->put_Miesiac(12), S_OK);
    ASSERT_EQ(rga->put_Numer(1), S_OK);
    ASSERT_EQ(rga->put_Deklaracja(dra_.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    ASSERT_EQ(rga->Policz(), S_OK) << tlx::Utf16ToUtf8(LastError());
    tlx::Variant document = Get(rga.Get(), u"DOKUMENT");
    ASSERT_EQ(document.vt, VT_DISPATCH);
    tlx::ComPtr<IKeduBloki> blocks;
    ASSERT_EQ(tlx::ComPtr<IDispatch>(document.pdispVal).As<IKeduDokument>()->get_bloki(blocks.Out()), S_OK);
    tlx::ComPtr<IKeduBlok> person;
    ASSERT_EQ(blocks->Add(person.Out()), S_OK);
    LONG position = 1;
    for (const char16_t* line : {u"KOWALSKI", u"JAN", u"P", u"80010112340", u"011000"})
        ASSERT_EQ(person->put_Item(position++, 0, tlx::Variant::FromString(line)), S_OK);

    service_ = Create(u"TLXDeklaracje.DRA").As<IDRA>();
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(SavedChildren(), u"121,125");
    EXPECT_NE(SavedReportText(125).find(u"KOWALSKI"), std::u16string::npos);
}

// A report class the session cannot make with 0x80040206 leaves its generator empty: the calculation
// goes on to its first person, where it ends with E_POINTER and the report named; any other failure to
// make the class ends the calculation at once.
TEST_F(DraTest, AReportClassTheSessionCannotMakeEndsTheCalculationAtItsFirstPerson) {
    Insured(1, 2016, 12);
    auto factory = CRefusingFactory::Make();
    const auto run = [&](HRESULT answer) {
        factory->answer = answer;
        tlx::ScopedClassOverride rsa(CLSID_RSA, u"TLXDeklaracje.RSA", static_cast<IClassFactory*>(factory.Get()));
        Dra(3, 2016, 12);
        return Przelicz();
    };
    EXPECT_EQ(run(static_cast<HRESULT>(0x80040206)), E_POINTER);
    EXPECT_TRUE(std::any_of(progress_->texts.begin(), progress_->texts.end(), [](const std::u16string& text) {
        return text.rfind(u"Błąd wyliczania załącznika RSA dla pracownika: ", 0) == 0;
    }));
    EXPECT_FALSE(Fired(u"Wyliczono deklarację DRA"));

    EXPECT_EQ(run(E_ACCESSDENIED), E_ACCESSDENIED);
    EXPECT_FALSE(std::any_of(progress_->texts.begin(), progress_->texts.end(), [](const std::u16string& text) {
        return text.rfind(u"Błąd wyliczania załącznika", 0) == 0;
    })) << "no person was reached";
}

// A person who starts work in the month and whose payout of the month is booked to the next month has
// his RSA computed beside his zero RCA; without such a payout he has none.
TEST_F(DraTest, ANewEmployeeWithAPayoutOfTheNextMonthGetsHisRsa) {
    Setting(u"/Firma/Płace/Parametry/GenZeroweRCAdlaNowozatrPrac", u"1");
    Execute(u"INSERT INTO TLX.TypWyplata (TWP_Nazwa, Twp_Standardowy, TWP_Numer) VALUES ('Wypłata zerowa', 603, 99)");
    for (bool bookedToJanuary : {false, true}) {
        SCOPED_TRACE(bookedToJanuary);
        Execute(u"DELETE FROM TLX.WypElementyLinki");
        Execute(u"DELETE FROM TLX.WypElementy");
        Execute(u"DELETE FROM TLX.Wyplaty");
        Execute(u"DELETE FROM TLX.ListyPlac");
        Execute(u"DELETE FROM TLX.DeklStr");
        Execute(u"DELETE FROM TLX.DeklNag");
        if (Scalar(u"SELECT COUNT(*) FROM TLX.PracKod") == u"0") {
            AddEmployee(1, u"2016-12-05", 110);
            Execute(u"UPDATE TLX.PracEtaty SET PRE_UBZZusOd = PRE_ZatrudnionyOd");
        }
        // A sickness allowance for December days, on January's list but booked to December: the RSA reads
        // it, the month's payroll does not.
        Execute(u"INSERT INTO TLX.ListyPlac (LPL_Rok, LPL_Miesiac, LPL_Nazwa) VALUES (2017, 1, 'Styczeń')");
        Execute(u"INSERT INTO TLX.Wyplaty (WPL_PraId, WPL_LplId, WPL_Rok, WPL_Miesiac) VALUES (1, (SELECT MAX(LPL_LplId) "
                u"FROM TLX.ListyPlac), 2016, 12)");
        Allowance(1, 2016, 12, 300.0, u"2016-12-20", u"2016-12-24", false);
        if (bookedToJanuary) {
            // December's list pays January's month: what makes the RSA due for a new employee.
            Execute(u"INSERT INTO TLX.ListyPlac (LPL_Rok, LPL_Miesiac, LPL_DataOd, LPL_DataDo, LPL_Nazwa) VALUES (2016, 12, "
                    u"'2016-12-01 00:00:00', '2016-12-31 00:00:00', 'Grudzień')");
            Execute(u"INSERT INTO TLX.Wyplaty (WPL_PraId, WPL_LplId, WPL_Rok, WPL_Miesiac) VALUES (1, (SELECT "
                    u"MAX(LPL_LplId) FROM TLX.ListyPlac), 2017, 1)");
        }
        Dra(3, 2016, 12);
        ASSERT_EQ(Przelicz(), S_OK) << error_;
        EXPECT_EQ(Field(u"OPLSNORCA"), "1");
        EXPECT_EQ(Field(u"OPLSNORSA"), bookedToJanuary ? "1" : "0");
        EXPECT_EQ(SavedChildren(), bookedToJanuary ? u"121,124" : u"121");
    }
}

// The identifier a DRA is filed under carries a number of 01 to 99 and the declaration's own month and
// year: the form's verification and its save refuse any other, naming the field, and a DRA stored with
// one anyway (by an earlier version) is written to no KEDU file.
TEST_F(DraTest, ADraIsSavedAndExportedOnlyUnderAnIdentifierOfItsOwnMonth) {
    constexpr HRESULT kRefused = static_cast<HRESULT>(0x800575A2);
    const std::u16string field = u"Deklaracja ZUS DRA: pole DADRAIDENT (identyfikator deklaracji) ";
    Insured(1, 2016, 12);
    const struct {
        LONG ident;
        std::u16string message;
    } refused[] = {
        {1052016, field + u"wskazuje okres 05/2016, a deklaracja jest za okres 12/2016."},
        {-1, field + u"musi mieć numer od 01 do 99, a ma -1."},
        {0, field + u"musi mieć numer od 01 do 99, a ma 0."},
        {100122016, field + u"musi mieć numer od 01 do 99, a ma 100122016."},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.ident);
        Dra(3, 2016, 12);
        ASSERT_EQ(Przelicz(), S_OK) << error_;
        ASSERT_EQ(Put(dra_.Get(), u"DADRAIDENT", tlx::Variant::FromLong(c.ident)), S_OK);
        EXPECT_EQ(dra_->Verify(), kRefused);
        EXPECT_EQ(LastError(), c.message);
        EXPECT_EQ(declarations_.As<ISaveable>()->Save(hostSaveCheck), kRefused);
        EXPECT_EQ(LastError(), c.message);
        EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklNag"), u"0");
    }

    Dra(3, 2016, 12);
    ASSERT_EQ(Put(dra_.Get(), u"DADRAIDENT", tlx::Variant::FromLong(2122016)), S_OK);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    ASSERT_EQ(SavedChildren(), u"121");
    LONG id = 0;
    ASSERT_EQ(dra_->get_ID(&id), S_OK);
    Execute(u"update TLX.DeklElem set DkE_WartoscL = 1052016 where DkE_Numer = 1 and DkE_DkNID = " + tlx::test::Num(id));
    ASSERT_EQ(Scalar(u"select count(*) from TLX.DeklElem where DkE_WartoscL = 1052016"), u"1");
    // Read in a session of its own, as the user's next export reads it.
    tlx::ComPtr<ILogin> login;
    ASSERT_EQ(session_.As<ISession2>()->get_Login(login.Out()), S_OK);
    tlx::ComPtr<ISession> own;
    ASSERT_EQ(login->CreateSession(own.Out()), S_OK);
    tlx::ComPtr<IDispatch> created;
    ASSERT_EQ(own->CreateObject(tlx::Bstr(u"TLXDeklaracje.DRA").Get(), tlx::Variant::Missing(), created.Out()), S_OK);
    tlx::ComPtr<IDRA> service = created.As<IDRA>();
    const std::filesystem::path file = folder_ / "dra.xml";
    const tlx::Bstr name(tlx::Utf8ToUtf16(file.string()));
    const std::u16string wrongMonth = field + u"wskazuje okres 05/2016, a deklaracja jest za okres 12/2016.";
    EXPECT_EQ(service->ExportToXML(id, name.Get()), kRefused);
    EXPECT_EQ(LastError(), wrongMonth);
    EXPECT_EQ(service->ExportToXMLCIV(id, name.Get(), tlx::Bstr(u"").Get()), kRefused);
    tlx::Bstr body;
    EXPECT_EQ(service->ToXML(id, body.Out()), kRefused);
    EXPECT_EQ(body.Get(), nullptr);
    // The form's own file roads refuse it the same way.
    tlx::ComPtr<IDispatch> stored;
    ASSERT_EQ(own->CreateObject(tlx::Bstr(u"TLXDeklaracje.Deklaracje").Get(),
                                tlx::Variant::FromString(tlx::test::Num(id)), stored.Out()),
              S_OK);
    for (const char16_t* road : {u"SAVETO", u"SENDTONET"}) {
        EXPECT_EQ(Put(stored.Get(), road, tlx::Variant::FromString(name.View())), kRefused) << tlx::Utf16ToUtf8(road);
        EXPECT_EQ(LastError(), wrongMonth);
    }
    EXPECT_FALSE(std::filesystem::exists(file));
}

// Texts as long as the KEDU elements they go into: a person's longer surname, first name or document
// number, a PESEL that is not 11 digits, or a longer payer's name, fails the calculation naming whose
// text it is, as ZUS would refuse the whole file over it.
TEST_F(DraTest, TextsLongerThanTheirKeduElementsFailTheCalculationNamingWhoseTheyAre) {
    Insured(1, 2016, 12);
    const std::u16string surname(60, u'Ż');
    const std::u16string name(23, u'A');
    const struct {
        const char16_t* set;
        std::u16string message;
    } cases[] = {
        {u"PRE_Nazwisko = '" , u"Pracownik " + surname + u" Anna: nazwisko może mieć najwyżej 31 znaków, a ma 60: " + surname},
        {u"PRE_Imie1 = '", u"Pracownik Nowak " + name + u": imię może mieć najwyżej 22 znaków, a ma 23: " + name},
        {u"PRE_Pesel = NULL, PRE_Paszport = '",
         u"Pracownik Nowak Anna: numer paszportu może mieć najwyżej 9 znaków, a ma 10: AB12345678"},
        {u"PRE_Pesel = '", u"Pracownik Nowak Anna: PESEL musi być numerem PESEL z 11 cyfr, a jest \"8001011234\"."},
        {u"PRE_Pesel = '", u"Pracownik Nowak Anna: PESEL musi być numerem PESEL z 11 cyfr, a jest \"8001011234X\"."},
    };
    const std::u16string values[] = {surname, name, u"AB12345678", u"8001011234", u"8001011234X"};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        Execute(u"UPDATE TLX.PracEtaty SET PRE_Nazwisko = 'Nowak', PRE_Imie1 = 'Anna', PRE_Pesel = '80010112345', "
                u"PRE_Paszport = NULL");
        Execute(u"UPDATE TLX.PracEtaty SET " + std::u16string(cases[i].set) + values[i] + u"'");
        Dra(3, 2016, 12);
        EXPECT_NE(Przelicz(), S_OK);
        EXPECT_EQ(LastProgress(), u"Błąd wyliczania deklaracji: " + cases[i].message);
        EXPECT_TRUE(std::any_of(progress_->texts.begin(), progress_->texts.end(), [](const std::u16string& text) {
            return text.rfind(u"Błąd wyliczania załącznika RCA dla pracownika: ", 0) == 0;
        }));
    }

    Execute(u"UPDATE TLX.PracEtaty SET PRE_Nazwisko = 'Nowak', PRE_Imie1 = 'Anna', PRE_Pesel = '80010112345', "
            u"PRE_Paszport = NULL");
    Setting(u"FirmaNazwaSkroconaZUS", u"Łąka i Wspólnicy spółka z o.o. sp.k.");
    Dra(3, 2016, 12);
    EXPECT_NE(Przelicz(), S_OK);
    EXPECT_EQ(LastProgress(), u"Błąd wyliczania deklaracji: Płatnik: nazwa skrócona może mieć najwyżej 31 znaków, a ma "
                              u"36: ŁĄKA I WSPÓLNICY SPÓŁKA Z O.O. SP.K.");
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
    // The user reads why the value does not do, not only which setting it is.
    EXPECT_EQ(LastProgress(), u"Błąd wyliczania deklaracji: Wartość \"abc\" nie jest liczbą "
                              u"(ustawienie \"/Firma/Płace/ZUS/Procent wypad\")");
    Setting(u"/Firma/Płace/ZUS/Procent wypad", u"1,80");
    Setting(u"/Firma/Płace/ZUS/LiczRNA", u"tak");
    Dra(3, 2016, 12);
    EXPECT_NE(Przelicz(), S_OK);
    EXPECT_EQ(LastProgress(), u"Błąd wyliczania deklaracji: Wartość \"tak\" nie jest wartością logiczną "
                              u"(ustawienie \"/Firma/Płace/ZUS/LiczRNA\")");
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
    // An identifier left empty (an integer field reads 0) is made of the number, month and year.
    ASSERT_EQ(Put(dra_.Get(), u"DADRAIDENT", tlx::Variant::FromLong(0)), S_OK);
    ASSERT_EQ(dra_->Policz(), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Field(u"DADRAIDENT"), "1122016");
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

// Every insured person of the month is registered once, whatever his title: an owner (0510) and the
// owner's collaborators (0580, 0581) count beside an employee, each once however many reports name him.
TEST_F(DraTest, EveryInsuredPersonIsCountedOnceWhateverHisTitle) {
    const struct {
        LONG card;
        LONG tytul;
    } persons[] = {{1, 110}, {2, 510}, {3, 580}, {4, 581}};
    for (const auto& p : persons) {
        AddEmployee(p.card, u"2007-01-01", p.tytul, u"8001011234" + tlx::test::Num(p.card));
        AddElement(AddPayout(p.card, 2007, 12), 2500.0, p.tytul * 100, Employee2016(2500.0));
    }
    Dra(3, 2007, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"INN7UBEZP"), "4");
    EXPECT_EQ(Field(u"OPLSNORCA"), "1");
    EXPECT_EQ(SavedChildren(), u"121");
    EXPECT_EQ(PersonBlocks(SavedReportText(121)), 4u);
}

// A payer whose deducted benefits exceed the contributions due gets the difference back; the payer's
// remunerations for paying benefits and collecting health contributions are counted at their rates.
TEST_F(DraTest, DeductionsAboveTheContributionsDueAreRefundedWithThePayersRemunerations) {
    Setting(u"/Firma/Płace/ZUS/Wynagrodzenie za świadczenia ZUS", u"1");
    Setting(u"/Firma/Płace/Zus/Wynagrodzenie chorobowe", u"0,1");
    Setting(u"/Firma/Płace/ZUS/Wynagrodzenie za ubezp.zdrowotne", u"1");
    Setting(u"/Firma/Płace/Zus/Wynagrodzenie zdrowotne", u"0,3");
    Insured(1, 2016, 12, 1000.0);
    Allowance(1, 2016, 12, 3000.0, u"2016-12-01", u"2016-12-20");
    Dra(3, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    // Due on 1 000.00: pension 97.60 + 97.60, disability 15.00 + 65.00, sickness 24.50, accident 18.00.
    EXPECT_EQ(Field(u"ZSDRAIKWOTA"), "317.7000");
    // Deducted: the allowance 3 000.00 and 0.1 % of it for paying it out, 3.00.
    EXPECT_EQ(Field(u"ZWDRAKWCH"), "3000");
    EXPECT_EQ(Field(u"ZWDRAWYNCH"), "3");
    EXPECT_EQ(Field(u"ZWDRARAZEM"), "3003");
    // 3 003.00 − 317.70 comes back to the payer and nothing is due.
    EXPECT_EQ(Field(u"RIVDRAZWROT"), "2685.3000");
    EXPECT_EQ(Field(u"RIVDRAZAPLATA"), "0");
    // Health on 1 000.00 − 97.60 − 15.00 − 24.50 = 862.90: 66.87 deductible + 10.79 = 77.66; the payer
    // keeps 0.3 % of it, 0.23. FP 24.50 and FGŚP 1.00. To pay: 0.00 + 77.43 + 25.50.
    EXPECT_EQ(Field(u"ZSDRAPKWOTA"), "77.6600");
    EXPECT_EQ(Field(u"ZSDRAPWYNAGR"), "0.2300");
    EXPECT_EQ(Field(u"ZSDRAKWOTA"), "77.4300");
    EXPECT_EQ(Field(u"LSKDKWOTA"), "102.9300");
    EXPECT_EQ(Field(u"OPLSNORSA"), "1");
}

TEST_F(DraTest, TheFundsAreTakenFromTheSumOfTheBasesWhenTheSettingSaysSo) {
    // Two bases of 4 242.30: FP 2.45 % is 103.93635 each, FGŚP 0.10 % 4.2423 each.
    Insured(1, 2016, 12, 4242.30);
    Insured(2, 2016, 12, 4242.30);
    Dra(3, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"ZDRAVFP"), "207.8800") << "103.94 per person";
    EXPECT_EQ(Field(u"ZDRAVFGSP"), "8.4800");
    EXPECT_EQ(Field(u"ZDRAVKWOTA"), "216.3600");

    Setting(u"/Firma/Płace/Zus/SklFPiFGSPOdSumyPodstaw", u"1");
    Dra(3, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"ZDRAVFP"), "207.8700") << "2.45 % of 8 484.60";
    EXPECT_EQ(Field(u"ZDRAVFGSP"), "8.4800");
    EXPECT_EQ(Field(u"ZDRAVKWOTA"), "216.3500");
}

// A setting changed between two calculations of one service counts in the second: nothing read by the
// first is kept beyond it.
TEST_F(DraTest, ASettingChangedBeforeARecalculationCountsInIt) {
    Insured(1, 2016, 12, 4242.30);
    Insured(2, 2016, 12, 4242.30);
    Dra(3, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"ZDRAVFP"), "207.8800");
    Setting(u"/Firma/Płace/Zus/SklFPiFGSPOdSumyPodstaw", u"1");
    Setting(u"/Program/Płace/Zus/Procent fgsp", u"0,20");
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"ZDRAVFP"), "207.8700") << "2.45 % of 8 484.60";
    EXPECT_EQ(Field(u"ZDRAVFGSP"), "16.9700") << "0.20 % of 8 484.60";
}

// Each person's reports are made of his own payouts, whoever was computed before him.
TEST_F(DraTest, EachPersonsReportsTakeHisOwnPay) {
    Insured(1, 2016, 12, 5000.0);
    Insured(2, 2016, 12, 3000.0);
    Insured(3, 2016, 12, 4000.0);
    Dra(3, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"INN7UBEZP"), "3");
    // Pension 19.52 % of each base: 976.00 + 585.60 + 780.80.
    EXPECT_DOUBLE_EQ(std::stod(Field(u"ZSDRAISE")), 2342.40);
    EXPECT_EQ(SavedChildren(), u"121");
    const std::u16string rca = SavedReportText(121);
    EXPECT_EQ(PersonBlocks(rca), 3u);
    for (const char16_t* base : {u"\r\n5000.00\r\n", u"\r\n3000.00\r\n", u"\r\n4000.00\r\n"})
        EXPECT_NE(rca.find(base), std::u16string::npos) << tlx::Utf16ToUtf8(base) << " in " << tlx::Utf16ToUtf8(rca);
}

// Contracts running in the month without a payout get zero reports under the contract's own title:
// a contract of mandate on the RCA, a health-only contract on the RZA.
TEST_F(DraTest, ContractsWithoutAPayoutGetZeroReportsOfTheirKind) {
    Setting(u"/Firma/Płace/Parametry/ZerowerRCADlaZlecBezWypl", u"1");
    Execute(u"INSERT INTO TLX.TypWyplata (TWP_Nazwa, Twp_Standardowy, TWP_Numer) VALUES ('Wypłata zerowa', 603, 99)");
    AddEmployee(1, u"2016-01-01", 411);
    AddEmployee(2, u"2016-01-01", 2211);
    // Contract 1 is the one the zero-report routine's "id" 1 names: the calculation must still find it.
    Execute(u"INSERT INTO TLX.Umowy (UMW_UmwId, UMW_PraId, UMW_DataOd, UMW_DataDo, UMW_UBZTyuId) VALUES "
            u"(1, 1, '2016-11-01 00:00:00', '2017-01-31 00:00:00', 411), "
            u"(2, 2, '2016-11-01 00:00:00', '2017-01-31 00:00:00', 2211)");
    Dra(3, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"OPLSNORCA"), "1");
    EXPECT_EQ(Field(u"OPLSNORZA"), "1");
    EXPECT_EQ(Field(u"ZSDRAIKWOTA"), "0");
    EXPECT_EQ(SavedChildren(), u"121,123");
    const std::u16string rca = SavedReportText(121);
    EXPECT_NE(rca.find(u"\r\n41100\r\n"), std::u16string::npos) << tlx::Utf16ToUtf8(rca);
    const std::u16string rza = SavedReportText(123);
    EXPECT_NE(rza.find(u"\r\n221100\r\n"), std::u16string::npos) << tlx::Utf16ToUtf8(rza);
}

// A person who starts work and insurance in the month gets one RCA: a zero one without a payout, and
// the one of his pay (not a second, zero one beside it) with a payout.
TEST_F(DraTest, NewEmployeesOfTheMonthGetOneRcaEach) {
    Setting(u"/Firma/Płace/Parametry/GenZeroweRCAdlaNowozatrPrac", u"1");
    // The payout type the host builds a person's zero payout of.
    Execute(u"INSERT INTO TLX.TypWyplata (TWP_Nazwa, Twp_Standardowy, TWP_Numer) VALUES ('Wypłata zerowa', 603, 99)");
    AddEmployee(1, u"2016-12-05", 110);
    AddElement(AddPayout(1, 2016, 12), 4000.0, 11000, Employee2016(4000.0));
    AddEmployee(2, u"2016-12-12", 110, u"80010112346");
    Execute(u"UPDATE TLX.PracEtaty SET PRE_UBZZusOd = PRE_ZatrudnionyOd");
    Dra(3, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"OPLSNORCA"), "1");
    EXPECT_EQ(Field(u"INN7UBEZP"), "2");
    EXPECT_EQ(SavedChildren(), u"121");
    const std::u16string rca = SavedReportText(121);
    EXPECT_EQ(PersonBlocks(rca), 2u) << tlx::Utf16ToUtf8(rca);
    EXPECT_NE(rca.find(u"80010112346"), std::u16string::npos) << tlx::Utf16ToUtf8(rca);
    // 4 000.00: pension 390.40 + 390.40, disability 60.00 + 260.00, sickness 98.00, accident 72.00.
    EXPECT_EQ(Field(u"ZSDRAIKWOTA"), "1270.8000");
}

// An owner's DRA with a person cooperating with her computes that person too, once, keeps the reports
// attached and takes nothing into its own fields.
TEST_F(DraTest, AnOwnersDraWithAnAssociatedCardKeepsItsReports) {
    AddEmployee(1, u"2016-01-01", 510);
    AddElement(AddPayout(1, 2016, 12), 2000.0, 51000, Employee2016(2000.0));
    // The associated card has no identifier, but its record ends before the month does: no message.
    AddEmployee(2, u"2016-01-01", 110, u"");
    CooperatesWith(2, 1);
    Execute(u"UPDATE TLX.PracEtaty SET PRE_DataDo = '2016-12-15 00:00:00' WHERE PRE_PraId = 2");
    AddElement(AddPayout(2, 2016, 12), 1000.0, 11000, Employee2016(1000.0));
    Dra(3, 2016, 12, 1);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(Field(u"OPLSNORCA"), "1");
    // 2 000.00 and 1 000.00 at 31.77 %: 635.40 + 317.70, the associate's once.
    EXPECT_EQ(Field(u"ZSDRAIKWOTA"), "953.1000");
    EXPECT_EQ(Field(u"INN7UBEZP"), "2");
    EXPECT_EQ(Field(u"DDDUTYUB"), "EMPTY");
    EXPECT_EQ(Field(u"DADRATERMIN"), "2");
    EXPECT_FALSE(std::any_of(progress_->texts.begin(), progress_->texts.end(), [](const std::u16string& text) {
        return text.rfind(u"Brak wypełnionego identyfikatora", 0) == 0;
    }));
    EXPECT_EQ(SavedChildren(), u"121");
}

// An owner's secondary card is hers: her own walk takes its pay, and it is no associate of hers. Her
// DRA counts the secondary card's contract and the cooperating person's pay once each, files both
// persons' blocks and so keeps the reports.
TEST_F(DraTest, AnOwnersDraCountsHerSecondaryCardAndHerAssociateOnceEach) {
    AddEmployee(1, u"2016-01-01", 510);
    AddElement(AddPayout(1, 2016, 12), 2000.0, 51000, Employee2016(2000.0));
    AddEmployee(3, u"2016-01-01", 411, u"80010112345", 1, 1, 1);
    AddElement(AddPayout(3, 2016, 12), 500.0, 41100, Employee2016(500.0));
    AddEmployee(2, u"2016-01-01", 110, u"85050554327");
    CooperatesWith(2, 1);
    AddElement(AddPayout(2, 2016, 12), 1000.0, 11000, Employee2016(1000.0));
    Dra(3, 2016, 12, 1);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    // 2 000.00: pension 195.20 + 195.20, disability 30.00 + 130.00, sickness 49.00, accident 36.00;
    // 500.00: 48.80 + 48.80, 7.50 + 32.50, 12.25, 9.00; 1 000.00: 97.60 + 97.60, 15.00 + 65.00, 24.50, 18.00.
    EXPECT_EQ(Field(u"ZSDRAIKWOTA"), "1111.9500");
    EXPECT_EQ(Field(u"DDDUTYUB"), "EMPTY");
    EXPECT_EQ(SavedChildren(), u"121");
    const std::u16string rca = SavedReportText(121);
    EXPECT_EQ(PersonBlocks(rca), 3u) << "the owner's two titles and the associate's one: " << tlx::Utf16ToUtf8(rca);
    EXPECT_NE(rca.find(u"85050554327"), std::u16string::npos) << tlx::Utf16ToUtf8(rca);
}

// Once saved, the DRA lists the reports stored under it, and a calculation after the save replaces them
// rather than storing a second set beside them.
TEST_F(DraTest, ASavedDraListsItsReportsAndACalculationAfterTheSaveReplacesThem) {
    Insured(1, 2016, 12);
    Dra(3, 2016, 12);
    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(SavedChildren(), u"121");
    auto children = [&] {
        tlx::ComPtr<IDispatch> collection;
        EXPECT_EQ(dra_->get_Deklaracje(collection.Out()), S_OK);
        LONG count = -1;
        EXPECT_EQ(collection.As<ICollection>()->get_Count(&count), S_OK);
        return count;
    };
    EXPECT_EQ(children(), 1);

    ASSERT_EQ(Przelicz(), S_OK) << error_;
    EXPECT_EQ(SavedChildren(), u"121");
    EXPECT_EQ(children(), 1);
    EXPECT_EQ(Field(u"OPLSLICZBARAPORTOW"), "1");
}

// March 2024 of the demo company, whose card 14 is paid sick pay and a sickness allowance.
class DraDemoTest : public DraTest {
protected:
    bool WithDemoCompany() const override { return true; }
};

// A surname typed twice as long as ZUS takes on a demo card: the calculation names the card's person and
// the text rather than writing it into his RSA and RCA blocks.
TEST_F(DraDemoTest, ASixtyCharacterSurnameOnADemoCardFailsTheCalculationNamingIt) {
    const std::u16string surname = u"Jankowski-" + std::u16string(50, u'Ś');
    Execute(u"UPDATE TLX.PracEtaty SET PRE_Nazwisko = '" + surname + u"' WHERE PRE_PraId = 14");
    Dra(3, 2024, 3);
    EXPECT_NE(Przelicz(), S_OK);
    EXPECT_EQ(LastProgress(), u"Błąd wyliczania deklaracji: Pracownik " + surname +
                                  u" Paweł: nazwisko może mieć najwyżej 31 znaków, a ma 60: " + surname);
    EXPECT_FALSE(Fired(u"Wyliczono deklarację DRA"));
}

}  // namespace
