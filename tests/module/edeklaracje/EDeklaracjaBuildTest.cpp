// The build of the module's document on test forms: the form parameters, the fields every form leaves
// out, the checks of the office code and tax number, the regional settings, the attributes, a person
// form's employee, the attachments of a VAT-UE placed into its groups, the file name and the test of a
// VAT-ZD notice that corrects.
#include <gtest/gtest.h>

#include "DeclarationFixture.h"
#include "EDeklaracjaSupport.h"
#include "EDeklaracjaTestForms.h"
#include "FormTestSupport.h"
#include "host/session/HostEnvironment.h"
#include "hostapi/Errors.h"
#include "mv_deklaracje/deklaracje/Deklaracja.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/edeklaracje/NazwaPlikuXml.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/Locale.h"
#include "platform/text/CodePage.h"

namespace {

using edtest::CRecordingSink;
using edtest::Events;

std::string Utf8(std::u16string_view text) { return tlx::Utf16ToUtf8(text); }

class EDeklaracjaBuild : public edtest::TestFormsTest {
protected:
    tlx::ComPtr<IXMLDOMDocument2> Build(IDeklaracja2* declaration, std::u16string_view transform = u"") {
        std::u16string name(transform);
        if (name.empty()) {
            tlx::Bstr own;
            declaration->get_Transformata(own.Out());
            name = std::u16string(own.View());
        }
        auto form = edeklaracja->ReadFormParameters(declaration);
        return edeklaracja->BuildDocument(form, declaration, name);
    }
    static std::u16string Xml(IXMLDOMNode* node) {
        tlx::Bstr xml;
        node->get_xml(xml.Out());
        return std::u16string(xml.View());
    }
    template <class Step>
    std::pair<HRESULT, std::u16string> Failure(Step&& step) {
        try {
            step();
        } catch (const ComError& e) {
            tlx::Bstr text;
            if (e.Info()) e.Info()->GetDescription(text.Out());
            return {e.Code(), std::u16string(text.View())};
        }
        return {S_OK, u""};
    }
    // The last ActionFailed the sink heard.
    std::u16string LastFailure() const {
        for (auto it = sink->events.rbegin(); it != sink->events.rend(); ++it)
            if (it->first == edtest::kActionFailed) return it->second.at(0);
        return u"(none)";
    }

};

TEST_F(EDeklaracjaBuild, FormParametersMustMatchTheDeclaration) {
    auto wrongType = New(950, 1);
    EXPECT_EQ(Failure([&] { edeklaracja->ReadFormParameters(wrongType.Get()); }),
              std::pair(static_cast<HRESULT>(0x80040203),
                        std::u16string(u"Błąd ładowania definicji deklaracji - niezgodny typ dokumentu.")));
    auto wrongVersion = New(950, 2);
    EXPECT_EQ(Failure([&] { edeklaracja->ReadFormParameters(wrongVersion.Get()); }),
              std::pair(static_cast<HRESULT>(0x80040204),
                        std::u16string(u"Błąd ładowania definicji deklaracji - niezgodna wersja dokumentu.")));
    auto versionZero = New(960, 0);
    auto form = edeklaracja->ReadFormParameters(versionZero.Get());
    EXPECT_EQ(form.typ, u"960");
    EXPECT_EQ(form.wersja, u"1") << "a version below 1 counts as 1";
    EXPECT_EQ(form.symbol, u"") << "no symbol in the definition, none kept from an earlier build";
    auto noForm = New(970, 1);
    EXPECT_EQ(Failure([&] { edeklaracja->ReadFormParameters(noForm.Get()); }),
              std::pair(E_FAIL, std::u16string(u"Deklaracja/Loader: Błąd wyszukiwania węzła \"/deklaracja/parametry\".")));
}

TEST_F(EDeklaracjaBuild, SomeFieldsNeverReachTheDocument) {
    struct Row {
        LONG type;
        LONG version;
        const char16_t* field;
        bool excluded;
    };
    const Row rows[] = {
        {960, 1, u"ZakazaneWewnatrzunijne", true}, {1, 17, u"JestKorekta", true}, {1, 17, u"jestkorekta", false},
        {1, 9, u"AktualizacjaVat", true},          {1, 20, u"AktualizacjaVat", true}, {1, 8, u"AktualizacjaVat", false},
        {1, 21, u"AktualizacjaVat", false},        {960, 1, u"AktualizacjaVat", false}, {960, 1, u"Kwota", false},
    };
    for (const Row& row : rows) {
        auto declaration = New(row.type, row.version);
        EXPECT_EQ(CEDeklaracja::IsExcludedField(declaration.Get(), row.field), row.excluded)
            << row.type << "/" << row.version << " " << Utf8(row.field);
    }
}

TEST_F(EDeklaracjaBuild, TheDocumentEscapesTextAndLeavesOutExcludedFieldsAndObjects) {
    auto declaration = New(960, 1);
    Put(declaration.Get(), u"KodUrzedu", tlx::Variant::FromString(u"1471"));
    Put(declaration.Get(), u"Nip", tlx::Variant::FromString(u"5260250274"));
    Put(declaration.Get(), u"ZakazaneWewnatrzunijne", tlx::Variant::FromString(u"x"));
    Put(declaration.Get(), u"Opisowy", tlx::Variant::FromString(u"A & B <C> \"D\" 'E' żółć \U0001F600"));
    Put(declaration.Get(), u"Kwota", tlx::Variant::FromDouble(1234.5));
    Put(declaration.Get(), u"DataZdarzenia", tlx::Variant::FromDate(45397));
    ASSERT_EQ(edeklaracja->DodajAtrybut(tlx::Bstr(u"Zrodlo").Get(), tlx::Bstr(u"pierwsze & <jedyne>").Get()), S_OK);
    ASSERT_EQ(edeklaracja->DodajAtrybut(tlx::Bstr(u"Zrodlo").Get(), tlx::Bstr(u"drugie").Get()), S_OK);
    ASSERT_EQ(edeklaracja->DodajAtrybut(tlx::Bstr(u"Autor").Get(), tlx::Bstr(u"Łukasz").Get()), S_OK);
    auto document = Build(declaration.Get());
    ASSERT_TRUE(document) << Utf8(edeklaracja->Message());
    EXPECT_EQ(Xml(document.Get()),
              u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
              u"<Deklaracja xmlns=\"urn:tlx:deklaracje:e-deklaracja:1\"><Schemat xmlns=\"\"><Typ>960</Typ>"
              u"<Wersja>1</Wersja><Symbol/><KodUrzedu>1471</KodUrzedu><Nip>5260250274</Nip>"
              u"<AktualizacjaVat/><Opisowy>A &amp; B &lt;C&gt; \"D\" 'E' żółć \U0001F600</Opisowy>"
              u"<Kwota>1234,5</Kwota><DataZdarzenia>15.04.2024</DataZdarzenia><Autor>Łukasz</Autor>"
              u"<Zrodlo>pierwsze &amp; &lt;jedyne&gt;</Zrodlo></Schemat></Deklaracja>\r\n")
        << "the attributes in name order, the first value of a name kept, before the stylesheet runs";
    EXPECT_EQ(sink->events.back(), (edtest::Event{edtest::kSendMessage, {u"#2", u"Przygotowanie deklaracji []"}}));
}

TEST_F(EDeklaracjaBuild, TheOfficeCodeAndTheTaxNumberAreChecked) {
    tlx::ComPtr<IXMLDOMDocument2> document;
    ASSERT_EQ(CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument2, document.OutVoid()), S_OK);
    tlx::ComPtr<IXMLDOMElement> root;
    tlx::ComPtr<IXMLDOMNode> appended;
    ASSERT_EQ(document->createElement(tlx::Bstr(u"Schemat").Get(), root.Out()), S_OK);
    ASSERT_EQ(document->appendChild(root.Get(), appended.Out()), S_OK);
    const std::u16string noOffice =
        u"Nie wypełniono Kodu Urzędu. Proszę uzupełnić Kod Urzędu na karcie Urzędu Skarbowego. Po uzupełnieniu "
        u"kodu należy odblokować deklarację, przeliczyć  i wyeksportować ponownie.";
    const std::u16string noNumber =
        u"Nie wypełniono numeru NIP firmy w Konfiguracji lub NIP/PESEL właściciela na karcie właściciela lub "
        u"pracownika na jego karcie. Po uzupełnieniu numeru NIP/PESEL należy odblokować deklarację, przeliczyć i "
        u"wyeksportować ponownie.";
    struct Row {
        const char16_t* name;
        const char16_t* value;
        std::u16string failure;
    };
    const Row rows[] = {
        {u"KodUrzedu", u"", noOffice}, {u"KodUrzedu", u" ", u""}, {u"Nip", u"PL", noNumber},
        {u"Nip", u"", noNumber},       {u"Nip", u"123", u""},     {u"NIP", u"", u""},
        {u"kodurzedu", u"", u""},
    };
    for (const Row& row : rows) {
        auto [hr, text] = Failure([&] { edeklaracja->AppendCheckedElement(document.Get(), root.Get(), row.name, row.value, u""); });
        EXPECT_EQ(hr, row.failure.empty() ? S_OK : HOST_E_MISSINGDATA) << Utf8(row.name) << "=" << Utf8(row.value);
        EXPECT_EQ(text, row.failure) << Utf8(row.name) << "=" << Utf8(row.value);
    }

    auto declaration = New(960, 1);
    Put(declaration.Get(), u"Nip", tlx::Variant::FromString(u"5260250274"));
    EXPECT_FALSE(Build(declaration.Get()));
    EXPECT_EQ(edeklaracja->Message(), u"Deklaracja nie została wyeksportowana z powodu błędów. " + noOffice +
                                          u" [-2147125854]");
    EXPECT_EQ(LastFailure(), edeklaracja->Message());
}

TEST_F(EDeklaracjaBuild, RegionalSettingsThatLoseAmountsStopTheBuild) {
    auto declaration = New(960, 1);
    tlx::ScopedUserLocale ambiguous(LANG_TEST_AMBIGUOUS_COMMA);
    EXPECT_EQ(Failure([&] { edeklaracja->CheckRegionalSettings(); }).first, HOST_E_REGIONALSETTINGS);
    EXPECT_EQ(edeklaracja->SprawdzUstawieniaRegionalne(), HOST_E_REGIONALSETTINGS);
    sink->events.clear();
    EXPECT_FALSE(Build(declaration.Get()));
    ASSERT_EQ(sink->events.size(), 1u) << "no document, no transformation";
    EXPECT_EQ(sink->events[0].first, edtest::kActionFailed);
    EXPECT_EQ(edeklaracja->Message().rfind(u"Deklaracja nie została wyeksportowana z powodu błędów. ", 0), 0u);
    EXPECT_NE(edeklaracja->Message().find(u" [-2147125373]"), std::u16string::npos) << Utf8(edeklaracja->Message());
    tlx::ScopedUserLocale polish(LANG_POLISH_POLAND);
    EXPECT_EQ(edeklaracja->SprawdzUstawieniaRegionalne(), S_OK);
}

TEST_F(EDeklaracjaBuild, APersonFormNamesItsEmployeeOrTheFailureToReadHim) {
    auto pit = New(5, 1);
    tlx::ComPtr<IDispatch> employee;
    ASSERT_EQ(session_.As<ISession2>()->CreateObject(tlx::Bstr(u"TLX.Pracownicy").Get(), tlx::Variant::FromString(u"1"),
                                                     employee.Out()),
              S_OK);
    ASSERT_EQ(pit->put_Pracownik(employee.Get()), S_OK) << Utf8(LastError());
    Save();
    auto preparing = [&] {
        std::vector<std::u16string> messages;
        for (const auto& [id, args] : sink->events)
            if (id == edtest::kSendMessage && args.at(1).rfind(u"Przygotowanie deklaracji", 0) == 0)
                messages.push_back(args.at(1));
        sink->events.clear();
        return messages;
    };
    sink->events.clear();
    EXPECT_TRUE(Build(pit.Get(), u"960/1")) << Utf8(edeklaracja->Message());
    EXPECT_EQ(preparing(), std::vector<std::u16string>{u"Przygotowanie deklaracji [PIT11] dla Jan Kowalski"});
    EXPECT_FALSE(Build(pit.Get())) << "the form has no stylesheet";
    EXPECT_EQ(edeklaracja->Message(), u"Jan Kowalski: deklaracja nie została wyeksportowana z powodu błędów. Błąd "
                                      u"ładowania definicji deklaracji - niezgodny typ dokumentu. [-2147220989]");

    LONG id = 0;
    pit->get_ID(&id);
    Execute(u"update TLX.DeklNag set DkN_PraID = 999 where DkN_DkNID = " + tlx::Utf8ToUtf16(std::to_string(id)));
    tlx::ComPtr<ISession> other;
    ASSERT_EQ(tlx::host::CurrentLogin()->CreateSession(other.Out()), S_OK);
    tlx::ComPtr<IDispatch> found;
    ASSERT_EQ(other.As<ISession2>()->CreateObject(tlx::Bstr(u"TLXDeklaracje.Deklaracje").Get(),
                                                  tlx::Variant::FromString(tlx::Utf8ToUtf16(std::to_string(id))),
                                                  found.Out()),
              S_OK);
    sink->events.clear();
    EXPECT_TRUE(Build(found.As<IDeklaracja2>().Get(), u"960/1")) << Utf8(edeklaracja->Message());
    EXPECT_EQ(preparing(),
              std::vector<std::u16string>{u"Przygotowanie deklaracji [PIT11] dla <błąd pobrania danych pracownika>"});
    EXPECT_FALSE(Build(found.As<IDeklaracja2>().Get()));
    EXPECT_EQ(edeklaracja->Message().rfind(u"<błąd pobrania danych pracownika>: deklaracja nie została "
                                           u"wyeksportowana z powodu błędów. ", 0),
              0u)
        << Utf8(edeklaracja->Message());
}

TEST_F(EDeklaracjaBuild, AChildIsBuiltFromItsOwnFormWithItsNumber) {
    auto child = New(13, 1, 2017, 1, 2);
    Put(child.Get(), u"Kraj", tlx::Variant::FromString(u"DE"));
    Put(child.Get(), u"Kwota", tlx::Variant::FromDouble(100));
    Save();
    auto built = edeklaracja->BuildChildDocument(u"DkN_TypDeklar=13 AND DkN_RokMiesiac=201701 AND DkN_Numer=2", u"");
    EXPECT_EQ(Xml(built.document.Get()),
              u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Deklaracja><PozycjeSzczegolowe><Wiersz><Kraj>DE</Kraj>"
              u"<Kwota>100</Kwota><Nr>2</Nr></Wiersz></PozycjeSzczegolowe></Deklaracja>\r\n");
    EXPECT_EQ(Failure([&] { edeklaracja->BuildChildDocument(u"DkN_TypDeklar=13 AND DkN_Numer=3", u""); }).first,
              HOST_E_NOROW);
    auto alone = CEDeklaracja::Make(ModuleTestResources());
    EXPECT_EQ(Failure([&] { alone->BuildChildDocument(u"DkN_TypDeklar=13", u""); }).first, E_POINTER)
        << "without a login";
}

TEST_F(EDeklaracjaBuild, VatUeAttachmentsBecomeGroupsInTheirOrder) {
    auto vatue = New(11, 2, 2017, 1, 1);
    Put(vatue.Get(), u"Nip", tlx::Variant::FromString(u"5260250274"));
    Put(vatue.Get(), u"KodUrzedu", tlx::Variant::FromString(u"1471"));
    struct Attachment {
        LONG type;
        LONG number;
        const char16_t* country;
    };
    for (Attachment a : {Attachment{13, 1, u"DE"}, Attachment{13, 2, u"FR"}, Attachment{23, 1, u"CZ"},
                         Attachment{14, 1, u"SK"}}) {
        auto attachment = New(a.type, 1, 2017, 1, a.number);
        Put(attachment.Get(), u"Kraj", tlx::Variant::FromString(a.country));
    }
    Save();
    auto document = Build(vatue.Get());
    ASSERT_TRUE(document) << Utf8(edeklaracja->Message());
    const std::u16string ns = u" xmlns=\"http://crd.gov.pl/wzor/2011/10/25/690/\"";
    auto group = [&](const char16_t* name, const char16_t* country, const char16_t* number) {
        return u"<" + std::u16string(name) + ns + u"><Kraj>" + country + u"</Kraj><Kwota>0</Kwota><Nr>" + number +
               u"</Nr></" + name + u">";
    };
    EXPECT_EQ(Xml(document.Get()),
              u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Deklaracja xmlns=\"urn:tlx:test:vatue:2\"><Naglowek>"
              u"<KodFormularza>VAT-UE</KodFormularza><KodUrzedu>1471</KodUrzedu></Naglowek><Podmiot1><NIP>5260250274"
              u"</NIP></Podmiot1><PozycjeSzczegolowe>" +
                  group(u"Grupa1", u"DE", u"1") + group(u"Grupa1", u"FR", u"2") + group(u"Grupa2", u"SK", u"1") +
                  group(u"Grupa3", u"CZ", u"1") + u"</PozycjeSzczegolowe></Deklaracja>\r\n")
        << "VAT-UE/B placed after /A and /C goes before the first Grupa3";
    std::vector<std::u16string> messages;
    for (const auto& [id, args] : sink->events)
        if (id == edtest::kSendMessage) messages.push_back(args.at(1));
    EXPECT_EQ(messages, (std::vector<std::u16string>{
                            u"Przygotowanie deklaracji [VATUE]", u"Przygotowanie załącznika do deklaracji [VAT-UE/A]",
                            u"Przygotowanie załącznika do deklaracji [VAT-UE/A]",
                            u"Przygotowanie załącznika do deklaracji [VAT-UE/B]",
                            u"Przygotowanie załącznika do deklaracji [VAT-UE/C]"}));

    // A gap in the numbers would leave number 4 out of the filing: the build fails naming number 3.
    New(13, 1, 2017, 1, 4);
    Save();
    EXPECT_FALSE(Build(vatue.Get()));
    EXPECT_EQ(edeklaracja->Message(),
              u"Deklaracja nie została wyeksportowana z powodu błędów. Brak załącznika VAT-UE/A nr 3, a są załączniki o "
              u"dalszych numerach. Należy uzupełnić numerację załączników i wyeksportować deklarację ponownie. "
              u"[-2147125854]");
}

// The first VAT-UE has no services: a VAT-UE/C of its period is refused, named, and nothing is built; its
// supplies alone are built.
TEST_F(EDeklaracjaBuild, TheFirstVatUeRefusesAVatUeCNamingIt) {
    auto vatue = New(11, 1, 2009, 12, 1);
    Put(vatue.Get(), u"Nip", tlx::Variant::FromString(u"5260250274"));
    Put(New(13, 1, 2009, 12, 1).Get(), u"Kraj", tlx::Variant::FromString(u"DE"));
    Save();
    auto supplies = Build(vatue.Get());
    ASSERT_TRUE(supplies) << Utf8(edeklaracja->Message());
    EXPECT_NE(Xml(supplies.Get()).find(u"<Kraj>DE</Kraj>"), std::u16string::npos) << Utf8(Xml(supplies.Get()));

    Put(New(23, 1, 2009, 12, 1).Get(), u"Kraj", tlx::Variant::FromString(u"AT"));
    Save();
    EXPECT_FALSE(Build(vatue.Get()));
    EXPECT_EQ(edeklaracja->Message(),
              u"Deklaracja nie została wyeksportowana z powodu błędów. Informacja VAT-UE(1) nie obejmuje świadczenia "
              u"usług: załącznika VAT-UE/C nr 1 nie można do niej dołączyć. [-2147467259]");
}

TEST_F(EDeklaracjaBuild, TheFileNameTellsTheFormThePeriodThePersonTheNumberAndTheTime) {
    // Employee 1 files with his PESEL; employee 2 is a non-resident with a foreign number holding both
    // path separators; employee 4 files with his NIP; card 95 has no record at all.
    Execute(u"update TLX.PracEtaty set PRE_Nierezydent = 1, PRE_NipZagraniczny = 'DE\\12/345' where PRE_PraId = 2");
    Execute(u"update TLX.PracEtaty set PRE_RodzajDokumentu = 1, PRE_NIP = '5260250274' where PRE_PraId = 4");
    Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Nadrzedny, Pra_Kod) values (95, 0, 'P095')");
    auto employee = [&](const char16_t* id) {
        tlx::ComPtr<IDispatch> found;
        EXPECT_EQ(session_.As<ISession2>()->CreateObject(tlx::Bstr(u"TLX.Pracownicy").Get(), tlx::Variant::FromString(id),
                                                         found.Out()),
                  S_OK);
        return found;
    };
    auto resident = employee(u"1"), nonResident = employee(u"2"), withNip = employee(u"4"), noRecord = employee(u"95");
    auto pit = New(5, 1, 2016, 12, 1);
    ASSERT_EQ(pit->put_Pracownik(resident.Get()), S_OK);
    auto ift = New(24, 1, 2016, 12, 2);
    ASSERT_EQ(ift->put_Pracownik(resident.Get()), S_OK);
    auto plain = New(960, 1, 2016, 12, 3);
    auto odd = New(961, 1, 2016, 12, 4);
    Save();
    auto withCode = [](const char16_t* code) {
        tlx::ComPtr<IXMLDOMDocument2> document;
        EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument2, document.OutVoid()), S_OK);
        VARIANT_BOOL loaded = VARIANT_FALSE;
        std::u16string xml = code ? u"<Deklaracja><Naglowek><KodFormularza>" + std::u16string(code) +
                                        u"</KodFormularza></Naglowek></Deklaracja>"
                                  : u"<Deklaracja/>";
        EXPECT_EQ(document->loadXML(tlx::Bstr(xml).Get(), &loaded), S_OK);
        return document;
    };
    // A declaration of a person form, left unsaved: its name needs only its header and its employee.
    auto person = [&](LONG type, LONG version, IDispatch* who, LONG number) {
        auto declaration = New(type, version, 2016, 12, number);
        EXPECT_EQ(declaration->put_Pracownik(who), S_OK) << Utf8(LastError());
        return declaration;
    };
    const LocalStamp at{2017, 3, 3, 8, 7};
    struct Row {
        tlx::ComPtr<IDeklaracja2> declaration;
        const char16_t* code;
        std::u16string name;
        const char* why;
    };
    const Row rows[] = {
        {pit, u"PIT-11", u"PIT-11_201612_80010112340_1_201703030807.xml", "a resident files with his PESEL"},
        {pit, nullptr, u"PIT11201612_80010112340_1_201703030807.xml", "without a form code the symbol runs into the period"},
        {ift, u"IFT-1/IFT-1R", u"IFT-1_IFT-1R201612_80010112340_2_201703030807.xml", "IFT-1R keeps twelve characters"},
        {plain, u"PIT-36", u"PIT-36_201612_3_201703030807.xml", "no person part for a form not issued to a person"},
        {odd, nullptr, u"VAT_7__X_201612_4_201703030807.xml", "a symbol is made fit for a file name"},
        {person(5, 22, nonResident.Get(), 5), u"PIT-11", u"PIT-11_201612_DE_12_345_5_201703030807.xml",
         "PIT-11 from version 22 carries the foreign number, \\ and / made _"},
        {person(5, 21, nonResident.Get(), 6), u"PIT-11", u"PIT-11_201612_85050554327_6_201703030807.xml",
         "PIT-11 of version 21 has no foreign number: the PESEL"},
        {person(9, 21, nonResident.Get(), 7), u"PIT-40", u"PIT-40_201612_DE_12_345_7_201703030807.xml",
         "PIT-40 from version 21"},
        {person(9, 20, nonResident.Get(), 8), u"PIT-40", u"PIT-40_201612_85050554327_8_201703030807.xml",
         "PIT-40 before version 21"},
        {person(21, 7, nonResident.Get(), 9), u"PIT-8C", u"PIT-8C_201612_DE_12_345_9_201703030807.xml",
         "PIT-8C from version 7"},
        {person(24, 12, nonResident.Get(), 10), u"IFT-1/IFT-1R", u"IFT-1_IFT-1R201612_DE_12_345_10_201703030807.xml",
         "IFT-1R from version 12"},
        {person(10, 11, nonResident.Get(), 11), u"IFT-1", u"IFT-1_201612_85050554327_11_201703030807.xml",
         "IFT-1 before version 12"},
        {person(5, 22, withNip.Get(), 12), u"PIT-11", u"PIT-11_201612_5260250274_12_201703030807.xml",
         "an identity document other than the PESEL: the NIP"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(NazwaPlikuXml(row.declaration.Get(), withCode(row.code).Get(), at), row.name) << row.why;

    EXPECT_EQ(Failure([&] { NazwaPlikuXml(nullptr, withCode(nullptr).Get(), at); }).first, E_POINTER);
    EXPECT_EQ(Failure([&] { NazwaPlikuXml(pit.Get(), nullptr, at); }).first, E_POINTER);
    auto nobody = New(5, 1, 2016, 12, 13);
    EXPECT_EQ(Failure([&] { NazwaPlikuXml(nobody.Get(), withCode(nullptr).Get(), at); }).first, HOST_E_RECORDZERO)
        << "a person form without its person fails with the declaration's own failure";
    auto unrecorded = person(5, 1, noRecord.Get(), 14);
    EXPECT_EQ(Failure([&] { NazwaPlikuXml(unrecorded.Get(), withCode(u"PIT-11").Get(), at); }).first, E_POINTER)
        << "an employee without a record on the year's last day";
}

TEST_F(EDeklaracjaBuild, AVatZdNoticeIsACorrectionOnlyWhenLockedAndHoldingRows) {
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_Zablokowana) values (9001, 403, 1), "
            u"(9002, 403, 0), (9003, 403, 1), (9004, 960, 1)");
    Execute(u"insert into TLX.VATZD (VaZ_DkNId) values (9001), (9002), (9004)");
    EXPECT_TRUE(edeklaracja->IsVatZdCorrectionRecord(9001));
    EXPECT_FALSE(edeklaracja->IsVatZdCorrectionRecord(9002)) << "not locked";
    EXPECT_FALSE(edeklaracja->IsVatZdCorrectionRecord(9003)) << "no rows";
    EXPECT_FALSE(edeklaracja->IsVatZdCorrectionRecord(9004)) << "not a VAT-ZD notice";
    EXPECT_FALSE(edeklaracja->IsVatZdCorrectionRecord(9999)) << "no declaration";
    auto alone = CEDeklaracja::Make(ModuleTestResources());
    EXPECT_EQ(Failure([&] { alone->IsVatZdCorrectionRecord(9001); }).first, E_POINTER) << "without a login";
}

}  // namespace
