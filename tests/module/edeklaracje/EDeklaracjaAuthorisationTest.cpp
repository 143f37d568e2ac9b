// The authorisation data of an unsigned send: what is appended to the document, the refusals that
// leave it untouched, and the text answered (the canonical UTF-8 document).
#include <gtest/gtest.h>

#include "EDeklaracjaSupport.h"
#include "ModuleClassFixture.h"
#include "platform/text/CodePage.h"

namespace {

constexpr char kTail[] = "</Deklaracja>";

class EDeklaracjaAuthorisation : public ModuleClassTest {
protected:
    void SetUp() override {
        ModuleClassTest::SetUp();
        edeklaracja = CEDeklaracja::Make();
        ASSERT_EQ(CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument2, document.OutVoid()), S_OK);
        VARIANT_BOOL loaded = VARIANT_FALSE;
        ASSERT_EQ(document->loadXML(tlx::Bstr(u"<Deklaracja xmlns=\"urn:f\">\n\t<A>x y</A>\r\n</Deklaracja>").Get(), &loaded),
                  S_OK);
    }
    std::u16string Xml() {
        tlx::Bstr xml;
        document->get_xml(xml.Out());
        return std::u16string(xml.View());
    }
    std::string Build(std::u16string_view nip, std::u16string_view pesel, double amount = 0,
                      CDate born = CDate(2, 29, 1980)) {
        return edeklaracja->BuildAuthorisationData(document.Get(), nip, u" Łucja ", u"Żółkiewska", pesel, born,
                                                   CMoney(amount));
    }

    tlx::ComPtr<CEDeklaracja> edeklaracja;
    tlx::ComPtr<IXMLDOMDocument2> document;
};

TEST_F(EDeklaracjaAuthorisation, AppendsTheDataAndAnswersTheCanonicalUtf8Document) {
    const std::string text = Build(u"526-025-02-74", u"", 1234.5);
    EXPECT_EQ(text,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Deklaracja xmlns=\"urn:f\"><A>x y</A>"
              "<podp:DaneAutoryzujace xmlns:podp=\"http://e-deklaracje.mf.gov.pl/Repozytorium/Definicje/Podpis/\" "
              "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:schemaLocation=\"http://e-deklaracje.mf.gov.pl/"
              "Repozytorium/Definicje/Podpis/ http://www.e-deklaracje.gov.pl/Repozytorium/Definicje/Podpis/SIG-2008_v2-0.xsd\">"
              "<podp:NIP>5260250274</podp:NIP><podp:ImiePierwsze> Łucja </podp:ImiePierwsze>"
              "<podp:Nazwisko>Żółkiewska</podp:Nazwisko><podp:DataUrodzenia>1980-02-29</podp:DataUrodzenia>"
              "<podp:Kwota>1234.50</podp:Kwota></podp:DaneAutoryzujace>" +
                  std::string(kTail));
}

TEST_F(EDeklaracjaAuthorisation, APeselGoesAsGivenAndAmountsKeepTwoDecimals) {
    const struct {
        double amount;
        const char* text;
    } rows[] = {{0, "<podp:Kwota>0.00</podp:Kwota>"}, {-10, "<podp:Kwota>-10.00</podp:Kwota>"}};
    for (const auto& row : rows) {
        SetUp();
        const std::string text = Build(u"", u"800229-12345", row.amount);
        EXPECT_NE(text.find("<podp:PESEL>800229-12345</podp:PESEL><podp:ImiePierwsze>"), std::string::npos) << text;
        EXPECT_EQ(text.find("podp:NIP"), std::string::npos);
        EXPECT_NE(text.find(row.text), std::string::npos) << text;
    }
}

TEST_F(EDeklaracjaAuthorisation, RefusalsLeaveTheDocumentAsItWas) {
    const struct {
        const char16_t* nip;
        const char16_t* pesel;
        CDate born;
        const char16_t* message;
    } rows[] = {
        {u"5260250274", u"80022912345", CDate(2, 29, 1980), u"Do danych autoryzujących przekazano NIP i PESEL."},
        {u"", u"", CDate(2, 29, 1980), u"Nie przekazano ani NIPu ani PESELu do danych autoryzujących"},
        {u"5260250274", u"", CDate(), u"Nie przekazano daty urodzenia do danych autoryzujących"},
    };
    const std::u16string before = Xml();
    for (const auto& row : rows) {
        SCOPED_TRACE(tlx::Utf16ToUtf8(row.message));
        try {
            Build(row.nip, row.pesel, 0, row.born);
            ADD_FAILURE() << "not refused";
        } catch (const ComError& error) {
            EXPECT_EQ(error.Code(), static_cast<HRESULT>(0x800575A2));
            ReportComError(error);
            EXPECT_EQ(LastError(), row.message);
        }
        EXPECT_EQ(Xml(), before);
    }
}

}  // namespace
