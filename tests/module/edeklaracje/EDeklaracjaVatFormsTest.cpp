// The module's VAT-UE(3) with its attachments VAT-UE/A(3), /B(3) and /C(2), its correction VAT-UE/K(3)
// and the VAT-27(1) built as e-declarations on the demo company. No schema of these variants is at
// hand, so each document is also checked against the official schema of the next variant, whose
// structure is the same: its namespace, header codes and (for the VAT-27) total positions are
// relabelled before validating, and anything else that does not fit that schema fails the test.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "EDeklaracjaDemoFixture.h"
#include "host/objects/edeklaracje/EdeklaracjeValidator.h"
#include "host/objects/edeklaracje/SchemaStore.h"

namespace {

using Fields = std::initializer_list<std::pair<const char16_t*, tlx::Variant>>;
using Relabelling = std::vector<std::pair<std::string, std::string>>;

constexpr char kEtd2011[] = "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/";
constexpr char kEtd2016[] = "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/";
// The closing statement of the VAT-UE(3) and the VAT-27(1), the text of their printed forms; the next variants
// close with the flag "1" in its place.
constexpr char kStatement[] =
    "<Pouczenie>Za podanie nieprawdy lub zatajenie prawdy grozi odpowiedzialność przewidziana w Kodeksie karnym "
    "skarbowym.</Pouczenie>";
constexpr char kFlag[] = "<Pouczenie>1</Pouczenie>";

tlx::Variant Text(const char16_t* text) { return tlx::Variant::FromString(text); }
tlx::Variant Long(LONG value) { return tlx::Variant::FromLong(value); }
tlx::Variant Amount(double value) { return tlx::Variant::FromDouble(value); }

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    auto start = text.find(from);
    auto end = text.find(to, start);
    if (start == std::string::npos || end == std::string::npos) return "(" + from + " … " + to + " missing)";
    return text.substr(start, end + to.size() - start);
}

class VatForms : public edtest::DemoFormsTest {
protected:
    // A new declaration of the demo company for 03/2024 with `fields`, calculated when its form
    // calculates, and saved; a number of 0 leaves the numbering to the form.
    tlx::ComPtr<IDeklaracja2> Filed(LONG type, LONG version, Fields fields, LONG number = 0) {
        auto collection = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
        tlx::ComPtr<IDispatch> item;
        EXPECT_EQ(collection->AddNew(tlx::Variant::Missing(), item.Out()), S_OK) << tlx::Utf16ToUtf8(LastError());
        auto declaration = item.As<IDeklaracja2>();
        declaration->put_TypDeklar(type);
        declaration->put_Wersja(version);
        declaration->put_Rok(2024);
        declaration->put_Miesiac(3);
        if (number) {
            EXPECT_EQ(Put(declaration.Get(), u"Numer", Long(number)), S_OK);
        }
        for (const auto& [name, value] : fields)
            EXPECT_EQ(Put(declaration.Get(), name, value), S_OK) << tlx::Utf16ToUtf8(name) << tlx::Utf16ToUtf8(LastError());
        EXPECT_EQ(declaration->Policz(), S_OK) << tlx::Utf16ToUtf8(LastError());
        saveResult = tlx::test::SaveCollection(collection.Get());
        saveError = saveResult == S_OK ? u"" : LastError();
        return declaration;
    }
    // The declaration read again in a new collection, with what was written beside it since.
    tlx::ComPtr<IDeklaracja2> Reread(IDeklaracja2* declaration) {
        auto collection = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
        tlx::ComPtr<IDispatch> item;
        EXPECT_EQ(collection->Item(tlx::Variant::FromString(Id(declaration)), item.Out()), S_OK);
        return item.As<IDeklaracja2>();
    }
    static std::u16string Id(IDeklaracja2* declaration) {
        LONG id = 0;
        declaration->get_ID(&id);
        return tlx::Utf8ToUtf16(std::to_string(id));
    }
    // The official document of `declaration` made by the transform its form names.
    std::string Official(IDeklaracja2* declaration) {
        tlx::Bstr transform;
        EXPECT_EQ(declaration->get_Transformata(transform.Out()), S_OK);
        auto document = Build(declaration, transform.View());
        EXPECT_TRUE(document) << tlx::Utf16ToUtf8(edeklaracja->Message());
        return document ? Saved(document.Get()) : std::string();
    }
    // What the validator finds wrong in `text` after relabelling it to the next variant.
    static std::string ErrorsAs(std::string text, const Relabelling& relabelling) {
        for (const auto& [from, to] : relabelling)
            for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
                text.replace(at, from.size(), to);
        std::u16string errors;
        EXPECT_EQ(tlx::host::CEdeklaracjeValidator::ValidateText(tlx::host::SchemaStore::Installed(),
                                                                 tlx::Utf8ToUtf16(text), errors), S_OK);
        return tlx::Utf16ToUtf8(errors) + (errors.empty() ? "" : "\n" + text);
    }

    HRESULT saveResult = S_OK;
    std::u16string saveError;
};

// --- VAT-UE with its attachments ---------------------------------------------------------------------

TEST_F(VatForms, AVatUeCarriesTheRowsOfItsAttachmentsAsGroupsInTheOfficialOrder) {
    Filed(dekVATUEA, 3, {{u"P_Da1", Text(u"DE")}, {u"P_Db1", Text(u"123 456-789")}, {u"P_Dc1", Amount(1000.40)},
                         {u"P_Da2", Text(u"FR")}, {u"P_Db2", Text(u"12345678901")}, {u"P_Dc2", Amount(2500.50)},
                         {u"P_Dd2", Long(2)}},
          1);
    ASSERT_EQ(saveResult, S_OK) << tlx::Utf16ToUtf8(saveError);
    Filed(dekVATUEA, 3, {{u"P_Da1", Text(u"CZ")}, {u"P_Db1", Text(u"12345678")}, {u"P_Dc1", Amount(300)}}, 2);
    ASSERT_EQ(saveResult, S_OK) << tlx::Utf16ToUtf8(saveError);
    Filed(dekVATUEC, 2, {{u"P_Ua1", Text(u"AT")}, {u"P_Ub1", Text(u"U12345678")}, {u"P_Uc1", Amount(700)}}, 1);
    ASSERT_EQ(saveResult, S_OK) << tlx::Utf16ToUtf8(saveError);
    auto vatue = Filed(dekVATUE, 3, {{u"P_1", Text(u"526-025-02-74")}, {u"P_6", Text(u"1471")}, {u"P_8", Long(1)},
                                     {u"ZalacznikVATUEA", Long(2)}, {u"ZalacznikVATUEC", Long(1)}});
    ASSERT_EQ(saveResult, S_OK) << tlx::Utf16ToUtf8(saveError);

    std::string official = Official(vatue.Get());
    EXPECT_EQ(Between(official, "<Naglowek>", "</Podmiot1>"),
              "<Naglowek><KodFormularza kodSystemowy=\"VAT-UE (3)\" wersjaSchemy=\"1-0E\">VAT-UE</KodFormularza>"
              "<WariantFormularza>3</WariantFormularza><Rok>2024</Rok><Miesiac>3</Miesiac><CelZlozenia>1</CelZlozenia>"
              "<KodUrzedu>1471</KodUrzedu></Naglowek><Podmiot1 rola=\"Podatnik\"><etd:OsobaNiefizyczna>"
              "<etd:NIP>5260250274</etd:NIP><etd:PelnaNazwa>Przykładowa Spółka z o.o.</etd:PelnaNazwa>"
              "<etd:REGON>012345675</etd:REGON></etd:OsobaNiefizyczna></Podmiot1>");
    EXPECT_NE(official.find("<Deklaracja xmlns=\"http://crd.gov.pl/wzor/2013/06/18/1215/\""), std::string::npos) << official;
    EXPECT_EQ(Between(official, "<PozycjeSzczegolowe>", "</Deklaracja>"),
              "<PozycjeSzczegolowe>"
              "<Grupa1><P_Da>DE</P_Da><P_Db>123456789</P_Db><P_Dc>1000</P_Dc><P_Dd>1</P_Dd></Grupa1>"
              "<Grupa1><P_Da>FR</P_Da><P_Db>12345678901</P_Db><P_Dc>2501</P_Dc><P_Dd>2</P_Dd></Grupa1>"
              "<Grupa1><P_Da>CZ</P_Da><P_Db>12345678</P_Db><P_Dc>300</P_Dc><P_Dd>1</P_Dd></Grupa1>"
              "<Grupa3><P_Ua>AT</P_Ua><P_Ub>U12345678</P_Ub><P_Uc>700</P_Uc></Grupa3>"
              "</PozycjeSzczegolowe>" + std::string(kStatement) + "</Deklaracja>");
    EXPECT_EQ(ErrorsAs(official, {{"http://crd.gov.pl/wzor/2013/06/18/1215/", "http://crd.gov.pl/wzor/2017/01/11/3846/"},
                                  {kEtd2011, kEtd2016},
                                  {kStatement, kFlag},
                                  {"VAT-UE (3)", "VAT-UE (4)"},
                                  {"<WariantFormularza>3<", "<WariantFormularza>4<"}}),
              "");
}

TEST_F(VatForms, AVatUeAttachmentRefusesAPositionTheOfficialGroupCannotHold) {
    struct Case {
        Fields fields;
        const char* text;
    };
    for (const Case& bad : std::initializer_list<Case>{
             {{{u"P_Da1", Text(u"PL")}, {u"P_Db1", Text(u"123")}}, "kod kraju \"PL\""},
             {{{u"P_Da1", Text(u"de")}, {u"P_Db1", Text(u"123")}}, "kod kraju \"de\""},
             {{{u"P_Db3", Text(u"123")}}, "Pozycja 3 załącznika nie ma kodu kraju."},
             {{{u"P_Da1", Text(u"DE")}, {u"P_Db1", Text(u"12/34")}}, "numer identyfikacyjny VAT \"12/34\""},
             {{{u"P_Da1", Text(u"DE")}, {u"P_Db1", Text(u"1234")}, {u"P_Dd1", Long(3)}}, "trójstronnej"}}) {
        Filed(dekVATUEA, 3, bad.fields, 1);
        EXPECT_NE(saveResult, S_OK) << bad.text;
        EXPECT_NE(tlx::Utf16ToUtf8(saveError).find(bad.text), std::string::npos) << tlx::Utf16ToUtf8(saveError);
    }
    Filed(dekVATUEB, 3, {{u"P_Na1", Text(u"DE")}, {u"P_Nb1", Text(u"1234")}});
    EXPECT_NE(tlx::Utf16ToUtf8(saveError).find("numer kolejny w okresie"), std::string::npos)
        << "an attachment without its number in the period is never found by its VAT-UE";
}

// --- VAT-UE/K ----------------------------------------------------------------------------------------

TEST_F(VatForms, AVatUeKCarriesItsCorrectedRowsAsTheOfficialGroups) {
    auto vatuek = Filed(dekVATUEK, 3, {{u"P_1", Text(u"526-025-02-74")}, {u"P_6", Text(u"1471")}, {u"P_8", Long(1)}});
    ASSERT_EQ(saveResult, S_OK) << tlx::Utf16ToUtf8(saveError);
    for (const char16_t* row : {u"1, 1, 1, 'DE', '123-456 789', 100, 0", u"1, 1, 2, 'DE', '123456789', 150, 0",
                                u"3, 1, 1, 'AT', 'U12345678', 50, NULL"})
        Execute(u"insert into TLX.DeklVUEK (DVU_DkNID, DVU_Typ, DVU_LP, DVU_ByloJest, DVU_Kraj, DVU_NIP, DVU_Kwota, "
                u"DVU_TT) values (" + Id(vatuek.Get()) + u", " + row + u")");
    std::string official = Official(Reread(vatuek.Get()).Get());
    EXPECT_NE(official.find("<Deklaracja xmlns=\"http://crd.gov.pl/wzor/2013/06/18/1214/\""), std::string::npos) << official;
    EXPECT_NE(official.find("<KodFormularza kodSystemowy=\"VATUEK (3)\" wersjaSchemy=\"1-0E\">VAT-UEK</KodFormularza>"
                            "<WariantFormularza>3</WariantFormularza>"),
              std::string::npos) << official;
    EXPECT_EQ(Between(official, "<PozycjeSzczegolowe>", "</PozycjeSzczegolowe>"),
              "<PozycjeSzczegolowe>"
              "<Grupa1><P_DBa>DE</P_DBa><P_DBb>123456789</P_DBb><P_DBc>100</P_DBc><P_DBd>1</P_DBd></Grupa1>"
              "<Grupa1><P_DJa>DE</P_DJa><P_DJb>123456789</P_DJb><P_DJc>150</P_DJc><P_DJd>1</P_DJd></Grupa1>"
              "<Grupa3><P_UBa>AT</P_UBa><P_UBb>U12345678</P_UBb><P_UBc>50</P_UBc></Grupa3>"
              "</PozycjeSzczegolowe>");
    EXPECT_EQ(ErrorsAs(official, {{"http://crd.gov.pl/wzor/2013/06/18/1214/", "http://crd.gov.pl/wzor/2017/01/11/3845/"},
                                  {kEtd2011, kEtd2016},
                                  {"VATUEK (3)", "VATUEK (4)"},
                                  {"<WariantFormularza>3<", "<WariantFormularza>4<"}}),
              "");
}

// --- VAT-27 ------------------------------------------------------------------------------------------

class Vat27Form : public VatForms {
protected:
    // A VAT-27 of the kind given with two goods rows and one service row, read again with its rows.
    tlx::ComPtr<IDeklaracja2> WithRows(LONG kind, LONG purpose) {
        auto vat27 = Filed(dekVAT27, 1, {{u"P_1", Text(u"526-025-02-74")}, {u"P_6", Text(u"1471")}, {u"P_8", Long(1)},
                                         {u"P_7", Long(purpose)}, {u"MiesiecznieKwartalnie", Long(kind)}});
        EXPECT_EQ(saveResult, S_OK) << tlx::Utf16ToUtf8(saveError);
        for (const char16_t* row : {u"1, 1, 'Hurtownia Beta', '526-025-02-74', 1234.5, 1",
                                    u"1, 2, 'Stalex', '7740001454', 100.25, 0",
                                    u"2, 1, 'Emisje Sp. z o.o.', '1132853869', 99.99, NULL"})
            Execute(u"insert into TLX.DeklV27 (V27_DkNID, V27_Typ, V27_LP, V27_Nazwa, V27_NIP, V27_Kwota, V27_Zmiana) "
                    u"values (" + Id(vat27.Get()) + u", " + row + u")");
        return Reread(vat27.Get());
    }
};

TEST_F(Vat27Form, AMonthlyVat27WritesItsRowsAroundTheTotalsItSums) {
    auto vat27 = WithRows(1, 1);
    EXPECT_EQ(AsText(Get(vat27.Get(), u"P_11")), u"1334.7500");
    EXPECT_EQ(AsText(Get(vat27.Get(), u"P_12")), u"99.9900");
    std::string official = Official(vat27.Get());
    EXPECT_NE(official.find("<Deklaracja xmlns=\"http://crd.gov.pl/wzor/2015/09/04/2565/\""), std::string::npos) << official;
    EXPECT_NE(official.find("<KodFormularza kodSystemowy=\"VAT-27 (1)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" "
                            "wersjaSchemy=\"1-1E\">VAT-27</KodFormularza><WariantFormularza>1</WariantFormularza>"
                            "<CelZlozenia poz=\"P_7\">1</CelZlozenia><Rok>2024</Rok><Miesiac>3</Miesiac>"),
              std::string::npos) << official;
    EXPECT_EQ(Between(official, "<PozycjeSzczegolowe>", "</PozycjeSzczegolowe>"),
              "<PozycjeSzczegolowe>"
              "<Grupa_C typ=\"G\"><P_C2>Hurtownia Beta</P_C2><P_C3>5260250274</P_C3><P_C4>1234.5</P_C4></Grupa_C>"
              "<Grupa_C typ=\"G\"><P_C2>Stalex</P_C2><P_C3>7740001454</P_C3><P_C4>100.25</P_C4></Grupa_C>"
              "<P_11>1334.75</P_11>"
              "<Grupa_D typ=\"G\"><P_D2>Emisje Sp. z o.o.</P_D2><P_D3>1132853869</P_D3><P_D4>99.99</P_D4></Grupa_D>"
              "<P_12>99.99</P_12>"
              "</PozycjeSzczegolowe>");
    EXPECT_EQ(Between(official, "</PozycjeSzczegolowe>", "</Deklaracja>"),
              "</PozycjeSzczegolowe>" + std::string(kStatement) + "</Deklaracja>");
    // The next variant numbers the two totals P_10 and P_11.
    EXPECT_EQ(ErrorsAs(official, {{"http://crd.gov.pl/wzor/2015/09/04/2565/", "http://crd.gov.pl/wzor/2017/01/11/3844/"},
                                  {kEtd2011, kEtd2016},
                                  {kStatement, kFlag},
                                  {"VAT-27 (1)", "VAT-27 (2)"},
                                  {"1-1E", "1-0E"},
                                  {"<WariantFormularza>1<", "<WariantFormularza>2<"},
                                  {"P_11>", "P_10>"},
                                  {"P_12>", "P_11>"}}),
              "");
}

TEST_F(Vat27Form, AQuarterlyCorrectionNamesItsQuarterAndItsChangedRows) {
    auto vat27 = WithRows(2, 2);
    std::string official = Official(vat27.Get());
    EXPECT_NE(official.find("<Deklaracja xmlns=\"http://crd.gov.pl/wzor/2015/09/04/2566/\""), std::string::npos) << official;
    EXPECT_NE(official.find("kodSystemowy=\"VAT27K (1)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" "
                            "wersjaSchemy=\"1-1E\">VAT-27</KodFormularza>"),
              std::string::npos)
        << "the quarterly variant keeps the form's code VAT-27\n" << official;
    EXPECT_NE(official.find("<CelZlozenia poz=\"P_7\">2</CelZlozenia><Rok>2024</Rok><Kwartal>1</Kwartal>"),
              std::string::npos) << official;
    EXPECT_NE(official.find("<Grupa_C typ=\"G\"><P_C1>1</P_C1><P_C2>Hurtownia Beta</P_C2>"), std::string::npos) << official;
    EXPECT_NE(official.find("<Grupa_C typ=\"G\"><P_C2>Stalex</P_C2>"), std::string::npos) << official;
    EXPECT_EQ(AsText(Get(vat27.Get(), u"Opis")), u"VAT-27 za 1 kwartał 2024");
}

TEST_F(Vat27Form, AVat27WithAnUnknownKindOfPeriodIsRefused) {
    Filed(dekVAT27, 1, {{u"P_1", Text(u"526-025-02-74")}, {u"P_6", Text(u"1471")}, {u"P_8", Long(1)},
                        {u"MiesiecznieKwartalnie", Long(3)}});
    EXPECT_NE(tlx::Utf16ToUtf8(saveError).find("MiesiecznieKwartalnie"), std::string::npos) << tlx::Utf16ToUtf8(saveError);
}

}  // namespace
