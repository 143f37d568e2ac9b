// The side lists written as groups of the transformed document: the VAT-UE/K's three lists, the
// VAT-27's two lists and the VAT-ZD notice's items in a VAT-7, on declarations of test forms.
#include <gtest/gtest.h>

#include "EDeklaracjaTestForms.h"
#include "hostapi/Errors.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/edeklaracje/VATZD_Edekl.h"
#include "mv_deklaracje/forms/FormXml.h"
#include "platform/com/Locale.h"
#include "platform/text/CodePage.h"

namespace {

std::string Utf8(std::u16string_view text) { return tlx::Utf16ToUtf8(text); }
std::u16string Num(LONG value) { return tlx::Utf8ToUtf16(std::to_string(value)); }

tlx::ComPtr<IXMLDOMDocument2> Document(std::u16string_view text) { return LoadFormDocument(CBstr(text), u"test"); }

// The XML of the first node `path` selects.
std::string Xml(IXMLDOMDocument2* document, std::u16string_view path) {
    tlx::Bstr xml;
    SelectRequiredNode(document, path)->get_xml(xml.Out());
    return Utf8(xml.View());
}

struct Failure {
    HRESULT code = S_OK;
    std::string text;
};

template <class Step>
Failure Attempt(Step&& step) {
    try {
        step();
    } catch (const ComError& e) {
        tlx::Bstr text;
        if (e.Info()) e.Info()->GetDescription(text.Out());
        return {e.Code(), Utf8(text.View())};
    }
    return {};
}

class Groups : public edtest::TestFormsTest {};

// --- VAT-UE/K ---------------------------------------------------------------------------------------

class VatUeKGroups : public Groups {
protected:
    void SetUp() override {
        Groups::SetUp();
        vatuek = New(dekVATUEK, 1, 2017, 1, 1);
        Save();
    }
    void Row(LONG list, LONG lp, std::u16string_view wasIs, std::u16string_view country, std::u16string_view nip,
             std::u16string_view amount, std::u16string_view triangular) {
        Execute(u"insert into TLX.DeklVUEK (DVU_DkNID, DVU_Typ, DVU_LP, DVU_ByloJest, DVU_Kraj, DVU_NIP, DVU_Kwota, "
                u"DVU_TT) values (" + Num(IdOf(vatuek.Get())) + u", " + Num(list) + u", " + Num(lp) + u", " +
                std::u16string(wasIs) + u", " + std::u16string(country) + u", " + std::u16string(nip) + u", " +
                std::u16string(amount) + u", " + std::u16string(triangular) + u")");
    }
    tlx::ComPtr<IXMLDOMDocument2> Official() {
        return Document(u"<Deklaracja xmlns=\"http://crd.gov.pl/wzor/2011/10/19/687/\"><PozycjeSzczegolowe>"
                        u"<P_X>1</P_X></PozycjeSzczegolowe></Deklaracja>");
    }
    tlx::ComPtr<IDeklaracja2> vatuek;
};

TEST_F(VatUeKGroups, EachWrittenRowIsOneGroupInListAndRowOrder) {
    Row(3, 1, u"1", u"'CZ'", u"'CZ 99'", u"10", u"5");
    Row(1, 2, u"2", u"'DE'", u"'DE-12 34'", u"1234.5", u"1");
    Row(1, 2, u"1", u"'DE'", u"'DE-12 34'", u"100", u"0");
    Row(1, 3, u"0", u"'FR'", u"'1'", u"1", u"0");
    Row(1, 4, u"3", u"'FR'", u"'1'", u"1", u"0");
    Row(2, 1, u"1", u"''", u"null", u"5", u"null");
    Row(2, 2, u"2", u"'AT'", u"null", u"null", u"null");
    tlx::ScopedUserLocale polish(LANG_POLISH_POLAND);
    auto document = Official();
    edeklaracja->AddVatUeKGroups(document.Get(), vatuek.Get());
    EXPECT_EQ(Xml(document.Get(), u"/Deklaracja/PozycjeSzczegolowe"),
              "<PozycjeSzczegolowe xmlns=\"http://crd.gov.pl/wzor/2011/10/19/687/\"><P_X>1</P_X>"
              "<Grupa1><P_DBa>DE</P_DBa><P_DBb>DE1234</P_DBb><P_DBc>100</P_DBc><P_DBd>1</P_DBd></Grupa1>"
              "<Grupa1><P_DJa>DE</P_DJa><P_DJb>DE1234</P_DJb><P_DJc>1234.5</P_DJc><P_DJd>2</P_DJd></Grupa1>"
              "<Grupa2><P_NJa>AT</P_NJa><P_NJb/><P_NJc>0</P_NJc><P_NJd>1</P_NJd></Grupa2>"
              "<Grupa3><P_UBa>CZ</P_UBa><P_UBb>CZ99</P_UBb><P_UBc>10</P_UBc></Grupa3></PozycjeSzczegolowe>");
}

TEST_F(VatUeKGroups, NoRowsWriteNothing) {
    auto document = Official();
    edeklaracja->AddVatUeKGroups(document.Get(), vatuek.Get());
    EXPECT_EQ(Xml(document.Get(), u"/Deklaracja/PozycjeSzczegolowe"),
              "<PozycjeSzczegolowe xmlns=\"http://crd.gov.pl/wzor/2011/10/19/687/\"><P_X>1</P_X></PozycjeSzczegolowe>");
}

TEST_F(VatUeKGroups, AVatNumberWithoutItsCountryFails) {
    Row(2, 1, u"1", u"''", u"'12-3'", u"7.5", u"0");
    Failure failure = Attempt([&] { edeklaracja->AddVatUeKGroups(Official().Get(), vatuek.Get()); });
    EXPECT_EQ(failure.code, HOST_E_VATUEDATA);
    EXPECT_EQ(failure.text, "Niepoprawne dane informacji VAT-UE: pozycja o numerze VAT 123 na kwotę 7.5 nie ma kodu kraju.")
        << "the host puts the parameters into its text";
}

TEST_F(VatUeKGroups, AnUnmarkedRowFailsTheConversion) {
    Row(1, 1, u"null", u"'DE'", u"'1'", u"1", u"0");
    EXPECT_NE(Attempt([&] { edeklaracja->AddVatUeKGroups(Official().Get(), vatuek.Get()); }).code, S_OK);
}

// --- VAT-27 -----------------------------------------------------------------------------------------

class Vat27Groups : public Groups {
protected:
    tlx::ComPtr<IDeklaracja2> Vat27(tlx::Variant kind) {
        auto vat27 = New(dekVAT27, 1, 2024, 3, 1);
        EXPECT_EQ(Put(vat27.Get(), u"MiesiecznieKwartalnie", kind), S_OK) << Utf8(LastError());
        Save();
        return vat27;
    }
    void Row(IDeklaracja2* vat27, LONG list, std::u16string_view name, std::u16string_view nip,
             std::u16string_view amount, std::u16string_view change) {
        Execute(u"insert into TLX.DeklV27 (V27_DkNID, V27_Typ, V27_Nazwa, V27_NIP, V27_Kwota, V27_Zmiana) values (" +
                Num(IdOf(vat27)) + u", " + Num(list) + u", " + std::u16string(name) + u", " + std::u16string(nip) +
                u", " + std::u16string(amount) + u", " + std::u16string(change) + u")");
    }
    static tlx::ComPtr<IXMLDOMDocument2> Official(std::u16string_view purpose) {
        return Document(u"<Deklaracja xmlns=\"http://crd.gov.pl/wzor/2015/09/04/2566/\"><Naglowek><CelZlozenia>" +
                        std::u16string(purpose) +
                        u"</CelZlozenia></Naglowek><PozycjeSzczegolowe><P_10>1</P_10><P_11>2</P_11><P_12>3</P_12>"
                        u"</PozycjeSzczegolowe></Deklaracja>");
    }
};

TEST_F(Vat27Groups, RowsGoBeforeTheirTotalsAndTheChangeOnlyInACorrection) {
    struct Case {
        std::u16string_view purpose;
        const char* changed;  // the first group of list 1
    };
    for (Case c : {Case{u"1", "<Grupa_C typ=\"G\"><P_C2>Alfa</P_C2>"},
                   Case{u"2", "<Grupa_C typ=\"G\"><P_C1>1</P_C1><P_C2>Alfa</P_C2>"}}) {
        auto vat27 = Vat27(tlx::Variant::FromLong(2));
        Row(vat27.Get(), 1, u"'Alfa'", u"'526-02 50'", u"1234.5", u"1");
        Row(vat27.Get(), 1, u"'Beta'", u"null", u"null", u"0");
        Row(vat27.Get(), 2, u"null", u"'1'", u"3", u"1");
        tlx::ScopedUserLocale polish(LANG_POLISH_POLAND);
        auto document = Official(c.purpose);
        edeklaracja->AddVat27Groups(document.Get(), vat27.Get());
        EXPECT_EQ(Xml(document.Get(), u"/Deklaracja/PozycjeSzczegolowe"),
                  "<PozycjeSzczegolowe xmlns=\"http://crd.gov.pl/wzor/2015/09/04/2566/\"><P_10>1</P_10>" +
                      std::string(c.changed) +
                      "<P_C3>5260250</P_C3><P_C4>1234.5</P_C4></Grupa_C>"
                      "<Grupa_C typ=\"G\"><P_C2>Beta</P_C2><P_C3/><P_C4>0</P_C4></Grupa_C><P_11>2</P_11>"
                      "<Grupa_D typ=\"G\">" +
                      std::string(c.purpose == u"2" ? "<P_D1>1</P_D1>" : "") +
                      "<P_D2/><P_D3>1</P_D3><P_D4>3</P_D4></Grupa_D><P_12>3</P_12></PozycjeSzczegolowe>")
            << Utf8(c.purpose);
    }
}

TEST_F(Vat27Groups, TheKindChoosesTheNamespaceAndNoRowsReadNothing) {
    struct Case {
        tlx::Variant kind;
        const char* ns;
    };
    for (const Case& c : {Case{tlx::Variant::FromLong(1), "http://crd.gov.pl/wzor/2015/09/04/2565/"},
                          Case{tlx::Variant::FromLong(2), "http://crd.gov.pl/wzor/2015/09/04/2566/"},
                          Case{tlx::Variant(), "http://crd.gov.pl/wzor/2015/09/04/2566/"}}) {
        auto vat27 = Vat27(c.kind);
        Row(vat27.Get(), 2, u"'X'", u"'1'", u"1", u"null");
        auto document = Document(u"<Deklaracja><CelZlozenia>1</CelZlozenia><PozycjeSzczegolowe/></Deklaracja>");
        edeklaracja->AddVat27Groups(document.Get(), vat27.Get());
        EXPECT_NE(Xml(document.Get(), u"/Deklaracja/PozycjeSzczegolowe/Grupa_D").find("xmlns=\"" + std::string(c.ns) + "\""),
                  std::string::npos);
    }
    // Without rows the document is not read: no "CelZlozenia" is needed.
    auto empty = Vat27(tlx::Variant::FromLong(1));
    auto bare = Document(u"<Deklaracja><PozycjeSzczegolowe/></Deklaracja>");
    EXPECT_EQ(Attempt([&] { edeklaracja->AddVat27Groups(bare.Get(), empty.Get()); }).code, S_OK);
    auto withRows = Vat27(tlx::Variant::FromLong(1));
    Row(withRows.Get(), 1, u"'X'", u"'1'", u"1", u"null");
    Failure failure = Attempt([&] { edeklaracja->AddVat27Groups(bare.Get(), withRows.Get()); });
    EXPECT_EQ(failure.code, HOST_E_MISSINGDATA);
    EXPECT_EQ(failure.text, "Brak wymaganego pola CelZlozenia");
}

// --- VAT-ZD -----------------------------------------------------------------------------------------

class VatZdAttachment : public Groups {
protected:
    void SetUp() override {
        Groups::SetUp();
        // Each case makes the month's notice it needs: the demo company's own goes.
        Execute(u"delete from TLX.VATZD");
        Execute(u"delete from TLX.DeklNag where DkN_TypDeklar = 403");
    }
    tlx::ComPtr<IDeklaracja2> Vat7(LONG version, LONG notice = 1, LONG count = 1, LONG kind = 0, LONG month = 3) {
        auto vat7 = New(dekVAT7, version, 2024, month, 1);
        EXPECT_EQ(Put(vat7.Get(), u"ZawiadomienieOSkorygowaniu", tlx::Variant::FromLong(notice)), S_OK);
        EXPECT_EQ(Put(vat7.Get(), u"LiczbaZalacznikowVATZD", tlx::Variant::FromLong(count)), S_OK);
        EXPECT_EQ(Put(vat7.Get(), u"VAT7D", tlx::Variant::FromLong(kind)), S_OK);
        Save();
        return vat7;
    }
    // The month's final notice with its totals, locked unless told otherwise.
    LONG Notice(double net, double vat, bool locked = true, LONG month = 3) {
        auto notice = New(dekVATZD_S, 1, 2024, month, 1);
        EXPECT_EQ(Put(notice.Get(), u"RazemNetto", tlx::Variant::FromDouble(net)), S_OK);
        EXPECT_EQ(Put(notice.Get(), u"RazemVat", tlx::Variant::FromDouble(vat)), S_OK);
        Save();
        LONG id = IdOf(notice.Get());
        Execute(u"update TLX.DeklNag set DkN_Finalna = 1, DkN_Zablokowana = " + Num(locked ? 1 : 0) +
                u" where DkN_DkNID = " + Num(id));
        return id;
    }
    void Item(LONG notice, std::u16string_view document, std::u16string_view issued, std::u16string_view due,
              std::u16string_view net, std::u16string_view vat, std::u16string_view name = u"'Odbiorca'") {
        Execute(u"insert into TLX.VATZD (VaZ_DkNId, VaZ_KntNazwa1, VaZ_KntNazwa2, VaZ_KntNipE, VaZ_Dokument, "
                u"VaZ_DataWys, VaZ_Termin, VaZ_Netto, VaZ_KorektaNetto, VaZ_KorektaVAT) values (" +
                Num(notice) + u", " + std::u16string(name) + u", 'Sp. z o.o.', '526-025 02-74', " +
                std::u16string(document) + u", " + std::u16string(issued) + u", " + std::u16string(due) +
                u", 100, " + std::u16string(net) + u", " + std::u16string(vat) + u")");
    }
    static tlx::ComPtr<IXMLDOMDocument2> Official() {
        return Document(u"<Deklaracja xmlns=\"http://crd.gov.pl/wzor/2016/08/05/3412/\"><Zalaczniki><Wniosek_VAT-ZD "
                        u"xmlns=\"http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/07/29/eD/VATZD/\"><Naglowek/>"
                        u"<PozycjeSzczegolowe/></Wniosek_VAT-ZD></Zalaczniki></Deklaracja>");
    }
    Failure Generate(IXMLDOMDocument2* document, IDeklaracja2* vat7, LONG version) {
        return Attempt([&] { VATZD_Edekl(document, vat7, version).GenerujZalacznik(); });
    }
    static std::string Positions(IXMLDOMDocument2* document) {
        return Xml(document, u"/Deklaracja/Zalaczniki/Wniosek_VAT-ZD/PozycjeSzczegolowe");
    }
};

TEST_F(VatZdAttachment, ItemsOfOneInvoiceAndDueDateMakeOneRow) {
    LONG notice = Notice(1234.50, -1234.50);
    Item(notice, u"'FV/2'", u"'2024-01-10'", u"'2024-02-10'", u"10.25", u"2.36");
    Item(notice, u"'FV/1'", u"'2024-01-05'", u"'2024-02-05'", u"100", u"23");
    Item(notice, u"'FV/1'", u"'2024-01-05'", u"'2024-02-05'", u"-50", u"-11.5");
    Item(notice, u"'FV/1'", u"'2024-01-05'", u"'2024-02-05'", u"12.5", u"2.88");
    Item(notice, u"'FV/1'", u"'2024-01-05'", u"'2024-03-05'", u"1", u"0.23");
    auto vat7 = Vat7(17);
    auto document = Official();
    Failure failure = Generate(document.Get(), vat7.Get(), 17);
    ASSERT_EQ(failure.code, S_OK) << failure.text;
    auto row = [](const char* document, const char* issued, const char* due, const char* net, const char* vat) {
        return std::string("<P_B typ=\"G\"><P_BB>Odbiorca Sp. z o.o.</P_BB><P_BC>5260250274</P_BC><P_BD1>") + document +
               "</P_BD1><P_BD2>" + issued + "</P_BD2><P_BE>" + due + "</P_BE><P_BF>" + net + "</P_BF><P_BG>" + vat +
               "</P_BG></P_B>";
    };
    EXPECT_EQ(Positions(document.Get()),
              "<PozycjeSzczegolowe xmlns=\"http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/07/29/eD/VATZD/\">" +
                  row("FV/1", "2024-01-05", "2024-02-05", "112.5", "25.88") +
                  row("FV/1", "2024-01-05", "2024-03-05", "1", "0.23") +
                  row("FV/2", "2024-01-10", "2024-02-10", "10.25", "2.36") +
                  "<P_10>1235</P_10><P_11>-1235</P_11></PozycjeSzczegolowe>");
}

TEST_F(VatZdAttachment, TheVersionChoosesTheNamespaceAndVersion12WritesNothing) {
    LONG notice = Notice(10, 2);
    Item(notice, u"'FV/1'", u"'2024-01-05'", u"'2024-02-05'", u"10", u"2");
    struct Case {
        LONG version;
        const char* ns;
    };
    for (Case c : {Case{16, "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2013/01/10/eD/VATZD/"},
                   Case{17, "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/07/29/eD/VATZD/"}}) {
        auto document = Document(u"<Deklaracja><Zalaczniki><Wniosek_VAT-ZD><PozycjeSzczegolowe/></Wniosek_VAT-ZD>"
                                 u"</Zalaczniki></Deklaracja>");
        ASSERT_EQ(Generate(document.Get(), Vat7(c.version).Get(), c.version).code, S_OK);
        EXPECT_NE(Xml(document.Get(), u"//P_B").find("xmlns=\"" + std::string(c.ns) + "\""), std::string::npos) << c.version;
    }
    for (auto vat7 : {Vat7(12), Vat7(17, 0, 1), Vat7(17, 1, 0)}) {
        auto document = Document(u"<Deklaracja/>");
        EXPECT_EQ(Generate(document.Get(), vat7.Get(), 17).code, S_OK) << "nothing looked for, nothing written";
    }
}

TEST_F(VatZdAttachment, ANoticeMissingUnlockedOrWithoutItemsIsRefused) {
    auto vat7k = Vat7(17, 1, 1, 2);
    Failure missing = Generate(Official().Get(), vat7k.Get(), 17);
    EXPECT_EQ(missing.code, HOST_E_VATZDDATA);
    EXPECT_EQ(missing.text, "Nie znaleziono zawiadomienia VAT-ZD do deklaracji VAT-7K za okres 2024.03.");

    LONG unlocked = Notice(1, 1, false);
    Item(unlocked, u"'FV/1'", u"'2024-01-05'", u"'2024-02-05'", u"1", u"1");
    Failure refused = Generate(Official().Get(), vat7k.Get(), 17);
    EXPECT_EQ(refused.code, HOST_E_VATZDNOTICE);
    EXPECT_EQ(refused.text, "Brak zatwierdzonego zawiadomienia VAT-ZD.");
    Execute(u"delete from TLX.VATZD");
    Execute(u"update TLX.DeklNag set DkN_Zablokowana = 1 where DkN_DkNID = " + Num(unlocked));
    EXPECT_EQ(Generate(Official().Get(), vat7k.Get(), 17).code, HOST_E_VATZDNOTICE) << "no items";
}

TEST_F(VatZdAttachment, AnItemWithoutItsNumberOrDatesIsRefused) {
    struct Case {
        std::u16string_view document, issued, due;
        const char* text;
    };
    LONG month = 3;
    for (Case c : {Case{u"''", u"'2024-01-05'", u"'2024-02-05'", "Pozycja zawiadomienia VAT-ZD bez numeru dokumentu: Kupiec Sp. z o.o."},
                   Case{u"null", u"'2024-01-05'", u"'2024-02-05'", "Pozycja zawiadomienia VAT-ZD bez numeru dokumentu: Kupiec Sp. z o.o."},
                   Case{u"'FV/9'", u"null", u"'2024-02-05'", "Pozycja zawiadomienia VAT-ZD bez daty wystawienia lub terminu płatności: Kupiec Sp. z o.o., dokument FV/9"},
                   Case{u"'FV/9'", u"'2024-01-05'", u"null", "Pozycja zawiadomienia VAT-ZD bez daty wystawienia lub terminu płatności: Kupiec Sp. z o.o., dokument FV/9"}}) {
        ++month;
        LONG notice = Notice(1, 1, true, month);
        Item(notice, c.document, c.issued, c.due, u"5", u"1", u"'Kupiec'");
        Failure failure = Generate(Official().Get(), Vat7(17, 1, 1, 0, month).Get(), 17);
        EXPECT_EQ(failure.code, HOST_E_MISSINGDATA);
        EXPECT_EQ(failure.text, c.text);
    }
}

}  // namespace
