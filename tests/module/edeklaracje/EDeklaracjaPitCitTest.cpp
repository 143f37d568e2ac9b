// The PIT and CIT attachments placed into their parent's transformed document, on hand-written
// documents in a default namespace as the stylesheets write them.
#include <gtest/gtest.h>

#include <functional>

#include "EDeklaracjaSupport.h"
#include "EDeklaracjaTestForms.h"
#include "hostapi/Errors.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/forms/FormXml.h"
#include "platform/text/CodePage.h"

namespace {

using edtest::CRecordingSink;
using edtest::kSendMessage;

std::string Utf8(std::u16string_view text) { return tlx::Utf16ToUtf8(text); }

constexpr std::u16string_view kNs = u"http://crd.gov.pl/wzor/test/";

tlx::ComPtr<IXMLDOMDocument2> Document(std::u16string_view body) {
    return LoadFormDocument(CBstr(u"<Deklaracja xmlns=\"" + std::u16string(kNs) + u"\">" + std::u16string(body) +
                                  u"</Deklaracja>"),
                            u"test");
}

// The main document: "Zalaczniki" holding the attachments the parent's stylesheet wrote.
tlx::ComPtr<IXMLDOMDocument2> Main(std::u16string_view attachments) {
    return Document(u"<Naglowek/><Zalaczniki>" + std::u16string(attachments) + u"</Zalaczniki>");
}

// A child document: its attachment element with a marker "Id" and the given entries.
tlx::ComPtr<IXMLDOMDocument2> Child(std::u16string_view element, std::u16string_view id,
                                    std::u16string_view entries = u"") {
    std::u16string name(element);
    return Document(u"<" + name + u"><Naglowek><Id>" + std::u16string(id) + u"</Id></Naglowek><PozycjeSzczegolowe>" +
                    std::u16string(entries) + u"</PozycjeSzczegolowe></" + name + u">");
}

// The names of the element children of `path`, with the "Id" of each attachment that has one:
// "Zalacznik_PIT_B:b1,Zalacznik_PIT_D".
std::string Children(IXMLDOMDocument2* document, std::u16string_view path) {
    std::u16string result;
    for (const auto& node : SelectNodeList(SelectRequiredNode(document, path).Get(), u"*")) {
        if (!result.empty()) result += u",";
        result += NodeName(node.Get()).Str();
        if (auto id = SelectOptionalNode(node.Get(), u"Naglowek/Id")) result += u":" + NodeText(id.Get()).Str();
        else if (CBstr text = NodeText(node.Get()); !text.IsEmpty()) result += u"=" + text.Str();
    }
    return Utf8(result);
}

struct Failure {
    HRESULT code = S_OK;
    std::u16string text;
};

Failure Attempt(const std::function<void()>& call) {
    try {
        call();
    } catch (const ComError& e) {
        tlx::Bstr text;
        if (e.Info()) e.Info()->GetDescription(text.Out());
        return {e.Code(), std::u16string(text.View())};
    }
    return {};
}

class PitCitAttachments : public ::testing::Test {
protected:
    void SetUp() override {
        edeklaracja = CEDeklaracja::Make();
        sink = CRecordingSink::Make();
        ASSERT_EQ(edeklaracja->AdviseProgress(static_cast<_IProgressEvents*>(sink.Get())), S_OK);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& [id, args] : sink->events)
            if (id == kSendMessage) texts.push_back(Utf8(args.at(1)));
        return texts;
    }

    tlx::ComPtr<CEDeklaracja> edeklaracja;
    tlx::ComPtr<CRecordingSink> sink;
};

// Every parent and child placed whole, with its references present and absent.
TEST_F(PitCitAttachments, AWholeAttachmentGoesBeforeTheFirstReferenceFoundOrLast) {
    struct Case {
        LONG parent;
        LONG version;
        LONG child;
        std::u16string_view element;
        std::u16string_view existing;
        const char* expected;
    };
    const Case cases[] = {
        {dekPIT28, 0, dekPIT28B, u"Zalacznik_PIT-28_B", u"<Zalacznik_PIT_D/><Zalacznik_ORD-ZU/>",
         "Zalacznik_PIT_D,Zalacznik_PIT-28_B:x,Zalacznik_ORD-ZU"},
        {dekPIT28, 0, dekPIT28B, u"Zalacznik_PIT-28_B", u"<Zalacznik_PIT_D/>", "Zalacznik_PIT_D,Zalacznik_PIT-28_B:x"},
        {dekPIT36, 20, dekPITB, u"Zalacznik_PIT_B", u"<Zalacznik_PIT_Z/><Zalacznik_PIT_D/>",
         "Zalacznik_PIT_B:x,Zalacznik_PIT_Z,Zalacznik_PIT_D"},
        {dekPIT36, 20, dekPITB, u"Zalacznik_PIT_B", u"<Zalacznik_PIT_D/><Zalacznik_ORD-ZU/>",
         "Zalacznik_PIT_B:x,Zalacznik_PIT_D,Zalacznik_ORD-ZU"},
        {dekPIT36, 20, dekPITB, u"Zalacznik_PIT_B", u"<Zalacznik_PIT_ZG/>", "Zalacznik_PIT_ZG,Zalacznik_PIT_B:x"},
        {dekPIT36, 20, dekPITO, u"Zalacznik_PIT_O", u"<Zalacznik_PIT_D/><Zalacznik_PIT_ZG/><Zalacznik_ORD-ZU/>",
         "Zalacznik_PIT_D,Zalacznik_PIT_ZG,Zalacznik_PIT_O:x,Zalacznik_ORD-ZU"},
        {dekPIT36, 20, dekPITO, u"Zalacznik_PIT_O", u"<Zalacznik_PIT_D/>", "Zalacznik_PIT_D,Zalacznik_PIT_O:x"},
        {dekPIT36, 20, dekPITZ, u"Zalacznik_PIT_Z", u"<Zalacznik_PIT_O/><Zalacznik_PIT_ZG/>",
         "Zalacznik_PIT_Z:x,Zalacznik_PIT_O,Zalacznik_PIT_ZG"},
        {dekPIT36, 20, dekPITZ, u"Zalacznik_PIT_Z", u"<Zalacznik_PIT_ZG/><Zalacznik_ORD-ZU/>",
         "Zalacznik_PIT_Z:x,Zalacznik_PIT_ZG,Zalacznik_ORD-ZU"},
        {dekPIT36, 20, dekPITZG, u"Zalacznik_PIT_ZG", u"<Zalacznik_PIT_O/><Zalacznik_ORD-ZU/>",
         "Zalacznik_PIT_O,Zalacznik_PIT_ZG:x,Zalacznik_ORD-ZU"},
        {dekPIT36, 20, dekPITBR, u"Zalacznik_PIT_BR", u"<Zalacznik_PIT_ZG/><Zalacznik_ORD-ZU/>",
         "Zalacznik_PIT_BR:x,Zalacznik_PIT_ZG,Zalacznik_ORD-ZU"},
        {dekPIT36L, 0, dekPITB, u"Zalacznik_PIT_B", u"<Zalacznik_PIT_ZG/><Zalacznik_ORD-ZU/>",
         "Zalacznik_PIT_ZG,Zalacznik_PIT_B:x,Zalacznik_ORD-ZU"},
        {dekPIT36L, 0, dekPITZ, u"Zalacznik_PIT_Z", u"<Zalacznik_PIT_BR/><Zalacznik_ORD-ZU/>",
         "Zalacznik_PIT_Z:x,Zalacznik_PIT_BR,Zalacznik_ORD-ZU"},
        {dekPIT36L, 0, dekPITZG, u"Zalacznik_PIT_ZG", u"<Zalacznik_ORD-ZU/>", "Zalacznik_PIT_ZG:x,Zalacznik_ORD-ZU"},
        {dekPIT36L, 0, dekPITBR, u"Zalacznik_PIT_BR", u"", "Zalacznik_PIT_BR:x"},
        {dekCIT8, 22, dekCITD, u"Zalacznik_CIT-D", u"<Zalacznik_CIT-8_O/><Zalacznik_ORD-ZU/>",
         "Zalacznik_CIT-8_O,Zalacznik_CIT-D:x,Zalacznik_ORD-ZU"},
        {dekCIT8, 22, dekCITST, u"Zalacznik_CIT-ST", u"<Zalacznik_CIT-8_O/><Zalacznik_CIT-D/><Zalacznik_ORD-ZU/>",
         "Zalacznik_CIT-8_O,Zalacznik_CIT-D,Zalacznik_CIT-ST:x,Zalacznik_ORD-ZU"},
        {dekCIT8, 23, dekCITST, u"Zalacznik_CIT-ST", u"<Zalacznik_CIT-8_O/><Zalacznik_CIT-D/><Zalacznik_ORD-ZU/>",
         "Zalacznik_CIT-ST:x,Zalacznik_CIT-8_O,Zalacznik_CIT-D,Zalacznik_ORD-ZU"},
        {dekCIT8, 23, dekCITST, u"Zalacznik_CIT-ST", u"<Zalacznik_CIT-D/>", "Zalacznik_CIT-ST:x,Zalacznik_CIT-D"},
        {dekCIT8, 22, dekCITBR, u"Zalacznik_CIT-BR", u"<Zalacznik_CIT-8_O/><Zalacznik_CIT-D/>",
         "Zalacznik_CIT-8_O,Zalacznik_CIT-BR:x,Zalacznik_CIT-D"},
        {dekPIT37, 0, dekPITO, u"Zalacznik_PIT_O", u"<Zalacznik_PIT_D/><Zalacznik_ORD-ZU/>",
         "Zalacznik_PIT_O:x,Zalacznik_PIT_D,Zalacznik_ORD-ZU"},
    };
    for (const Case& c : cases) {
        auto main = Main(c.existing);
        auto child = Child(c.element, u"x");
        Failure failure = Attempt([&] {
            switch (c.parent) {
            case dekPIT28: return edeklaracja->DodajZalacznikPIT28(c.child, child.Get(), main.Get());
            case dekPIT36: return edeklaracja->DodajZalacznikPIT36(c.child, child.Get(), main.Get(), 1, c.version, 1, 0);
            case dekPIT36L: return edeklaracja->DodajZalacznikPIT36L(c.child, child.Get(), main.Get(), 1);
            case dekCIT8: return edeklaracja->DodajZalacznikCIT8(c.child, child.Get(), main.Get(), 1, c.version);
            default: return edeklaracja->DodajZalacznikPIT37(c.child, child.Get(), main.Get(), 1);
            }
        });
        EXPECT_EQ(failure.code, S_OK) << Utf8(failure.text);
        EXPECT_EQ(Children(main.Get(), u"/Deklaracja/Zalaczniki"), c.expected) << c.parent << " " << c.child << " " << c.version;
    }
}

TEST_F(PitCitAttachments, APit36WithPitBAndPitOEndsInTheFormsOrder) {
    auto main = Main(u"<Zalacznik_PIT_D/><Zalacznik_ORD-ZU/>");
    edeklaracja->DodajZalacznikPIT36(dekPITB, Child(u"Zalacznik_PIT_B", u"b").Get(), main.Get(), 1, 20, 0, 0);
    edeklaracja->DodajZalacznikPIT36(dekPITO, Child(u"Zalacznik_PIT_O", u"o").Get(), main.Get(), 1, 20, 0, 0);
    EXPECT_EQ(Children(main.Get(), u"/Deklaracja/Zalaczniki"),
              "Zalacznik_PIT_B:b,Zalacznik_PIT_D,Zalacznik_PIT_O:o,Zalacznik_ORD-ZU");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Dodanie załącznika [PIT/B] do deklaracji",
                                                    "Dodanie załącznika [PIT/O] do deklaracji"}));
    // A second PIT/B is placed whole again, after the first.
    edeklaracja->DodajZalacznikPIT36(dekPITB, Child(u"Zalacznik_PIT_B", u"b2").Get(), main.Get(), 2, 20, 0, 0);
    EXPECT_EQ(Children(main.Get(), u"/Deklaracja/Zalaczniki"),
              "Zalacznik_PIT_B:b,Zalacznik_PIT_B:b2,Zalacznik_PIT_D,Zalacznik_PIT_O:o,Zalacznik_ORD-ZU");
}

// A later PIT/O merged by the parent's version; "P_40A" and "P_40B" from version 20 on.
TEST_F(PitCitAttachments, ALaterPitOMergesItsEntriesByTheParentsVersion) {
    const std::u16string_view first =
        u"<Zalacznik_PIT_O><PozycjeSzczegolowe><P_D>d1</P_D><P_19>a</P_19><P_42>b</P_42><P_43>c</P_43>"
        u"<P_40A>100</P_40A><P_40B></P_40B></PozycjeSzczegolowe></Zalacznik_PIT_O><Zalacznik_ORD-ZU/>";
    const std::u16string_view firstWithE =
        u"<Zalacznik_PIT_O><PozycjeSzczegolowe><P_D>d1</P_D><P_E>e1</P_E><P_40A>100</P_40A><P_40B>1</P_40B>"
        u"</PozycjeSzczegolowe></Zalacznik_PIT_O>";
    const std::u16string_view later =
        u"<P_D>d2</P_D><P_D>d3</P_D><P_E><P_E1>x</P_E1><P_E7>12,50</P_E7><P_E8>0.25</P_E8></P_E>";
    struct Case {
        LONG parent;
        LONG version;
        std::u16string_view main;
        const char* positions;
    };
    const Case cases[] = {
        // Below 19: donations before the first "P_E", entries at the end; no totals.
        {dekPIT36, 18, firstWithE, "P_D=d1,P_D=d2,P_D=d3,P_E=e1,P_40A=100,P_40B=1,P_E=x12,500.25"},
        // 19: after the runs; without a "P_E", the entry goes before "P_43".
        {dekPIT36, 19, first, "P_D=d1,P_D=d2,P_D=d3,P_19=a,P_42=b,P_E=x12,500.25,P_43=c,P_40A=100,P_40B"},
        {dekPIT36, 19, firstWithE, "P_D=d1,P_D=d2,P_D=d3,P_E=e1,P_E=x12,500.25,P_40A=100,P_40B=1"},
        // 20 and PIT-37: appended without a "P_E", totals grow.
        {dekPIT36, 20, first, "P_D=d1,P_D=d2,P_D=d3,P_19=a,P_42=b,P_43=c,P_40A=112.5,P_40B=0.25,P_E=x12,500.25"},
        {dekPIT37, 0, first, "P_D=d1,P_D=d2,P_D=d3,P_19=a,P_42=b,P_43=c,P_40A=112.5,P_40B=0.25,P_E=x12,500.25"},
        {dekPIT36, 21, firstWithE, "P_D=d1,P_D=d2,P_D=d3,P_E=e1,P_E=x12,500.25,P_40A=112.5,P_40B=1.25"},
    };
    for (const Case& c : cases) {
        sink->events.clear();
        auto main = Main(c.main);
        auto child = Child(u"Zalacznik_PIT_O", u"o2", later);
        if (c.parent == dekPIT37) {
            edeklaracja->DodajZalacznikPIT37(dekPITO, child.Get(), main.Get(), 2);
        } else {
            edeklaracja->DodajZalacznikPIT36(dekPITO, child.Get(), main.Get(), 2, c.version, 0, 0);
        }
        EXPECT_EQ(Children(main.Get(), u"/Deklaracja/Zalaczniki/Zalacznik_PIT_O/PozycjeSzczegolowe"), c.positions)
            << c.parent << " " << c.version;
        EXPECT_EQ(Messages(), std::vector<std::string>{"Dodanie załącznika [PIT/O] do deklaracji"});
    }
}

TEST_F(PitCitAttachments, APitBrOfAPit36GoesToTheTaxpayersOrTheSpouses) {
    const std::u16string_view two =
        u"<Zalacznik_PIT_BR><PozycjeSzczegolowe><P_D>t</P_D></PozycjeSzczegolowe></Zalacznik_PIT_BR>"
        u"<Zalacznik_PIT_BR><PozycjeSzczegolowe><P_D>s</P_D></PozycjeSzczegolowe></Zalacznik_PIT_BR>";
    const std::u16string_view one =
        u"<Zalacznik_PIT_BR><PozycjeSzczegolowe><P_D>t</P_D></PozycjeSzczegolowe></Zalacznik_PIT_BR>";
    struct Case {
        std::u16string_view main;
        LONG spouse;
        const char* taxpayers;
        const char* spouses;
    };
    for (const Case& c : {Case{two, 0, "P_D=t,P_D=n", "P_D=s"}, Case{two, 1, "P_D=t", "P_D=s,P_D=n"},
                          Case{one, 1, "P_D=t,P_D=n", nullptr}}) {
        auto main = Main(c.main);
        edeklaracja->DodajZalacznikPIT36(dekPITBR, Child(u"Zalacznik_PIT_BR", u"n", u"<P_D>n</P_D>").Get(), main.Get(),
                                         2, 20, 0, c.spouse);
        auto targets = SelectNodeList(main.Get(), u"/Deklaracja/Zalaczniki/Zalacznik_PIT_BR/PozycjeSzczegolowe");
        ASSERT_EQ(targets.size(), c.spouses ? 2u : 1u);
        EXPECT_EQ(Children(main.Get(), u"/Deklaracja/Zalaczniki/Zalacznik_PIT_BR[1]/PozycjeSzczegolowe"), c.taxpayers);
        if (c.spouses) {
            EXPECT_EQ(Children(main.Get(), u"/Deklaracja/Zalaczniki/Zalacznik_PIT_BR[2]/PozycjeSzczegolowe"), c.spouses);
        }
    }
}

TEST_F(PitCitAttachments, LaterCitAttachmentsMergeIntoTheFirst) {
    auto main = Main(
        u"<Zalacznik_CIT-ST><PozycjeSzczegolowe><P_E>1</P_E><P_169>t</P_169></PozycjeSzczegolowe>"
        u"<Zalaczniki/></Zalacznik_CIT-ST><Zalacznik_CIT-BR><PozycjeSzczegolowe><P_D>1</P_D></PozycjeSzczegolowe>"
        u"</Zalacznik_CIT-BR>");
    edeklaracja->DodajZalacznikCIT8(dekCITST, Child(u"Zalacznik_CIT-ST", u"", u"<P_E>2</P_E><P_X>no</P_X><P_E>3</P_E>").Get(),
                                    main.Get(), 2, 23);
    EXPECT_EQ(Children(main.Get(), u"/Deklaracja/Zalaczniki/Zalacznik_CIT-ST/PozycjeSzczegolowe"),
              "P_E=1,P_E=2,P_E=3,P_169=t");
    // A second CIT-ST without entries changes nothing.
    edeklaracja->DodajZalacznikCIT8(dekCITST, Child(u"Zalacznik_CIT-ST", u"").Get(), main.Get(), 3, 23);
    edeklaracja->DodajZalacznikCIT8(dekCITSTA, Child(u"Zalacznik_CIT-ST_A", u"a1", u"<P_B1>1</P_B1>").Get(), main.Get(),
                                    1, 23);
    edeklaracja->DodajZalacznikCIT8(dekCITSTA, Child(u"Zalacznik_CIT-ST_A", u"a2", u"<P_B1>2</P_B1><P_C>x</P_C>").Get(),
                                    main.Get(), 2, 23);
    EXPECT_EQ(Children(main.Get(), u"/Deklaracja/Zalaczniki/Zalacznik_CIT-ST/Zalaczniki/Zalacznik_CIT-ST_A/PozycjeSzczegolowe"),
              "P_B1=1,P_B1=2");
    edeklaracja->DodajZalacznikCIT8(dekCITBR, Child(u"Zalacznik_CIT-BR", u"", u"<P_D>2</P_D>").Get(), main.Get(), 2, 23);
    EXPECT_EQ(Children(main.Get(), u"/Deklaracja/Zalaczniki/Zalacznik_CIT-BR/PozycjeSzczegolowe"), "P_D=1,P_D=2");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Dodanie załącznika [CIT-ST/A] do deklaracji",
                                                    "Dodanie załącznika [CIT-BR] do deklaracji"}));

    // A CIT-ST/A needs the CIT-ST's "Zalaczniki", whatever its number.
    for (LONG number : {1, 2}) {
        auto bare = Main(u"<Zalacznik_ORD-ZU/>");
        Failure failure = Attempt([&] {
            edeklaracja->DodajZalacznikCIT8(dekCITSTA, Child(u"Zalacznik_CIT-ST_A", u"a", u"<P_B1>1</P_B1>").Get(),
                                            bare.Get(), number, 23);
        });
        EXPECT_EQ(failure.code, E_FAIL) << number;
        EXPECT_NE(failure.text.find(u"Zalacznik_CIT-ST/Zalaczniki"), std::u16string::npos) << Utf8(failure.text);
    }
}

TEST_F(PitCitAttachments, FailuresCarryTheirTextsAndLeaveTheDocument) {
    const std::u16string_view pitO = u"<Zalacznik_PIT_O><PozycjeSzczegolowe><P_D>1</P_D></PozycjeSzczegolowe></Zalacznik_PIT_O>";
    struct Case {
        const char* what;
        std::u16string_view main;
        std::function<void(CEDeklaracja&, IXMLDOMDocument2*)> call;
        HRESULT code;
        std::u16string_view text;
    };
    const Case cases[] = {
        {"PIT/O of a PIT-28", u"", [](CEDeklaracja& e, IXMLDOMDocument2* m) {
             e.DodajZalacznikPIT28(dekPITO, Child(u"Zalacznik_PIT_O", u"o").Get(), m);
         }, HOST_E_MISSINGDATA, u"Nie można dodać załącznika typu 27"},
        {"CIT-D of a PIT-36", u"", [](CEDeklaracja& e, IXMLDOMDocument2* m) {
             e.DodajZalacznikPIT36(dekCITD, Child(u"Zalacznik_CIT-D", u"c").Get(), m, 1, 20, 0, 0);
         }, HOST_E_MISSINGDATA, u"Nie można dodać załącznika typu 28"},
        {"PIT/O of a PIT-36L", u"", [](CEDeklaracja& e, IXMLDOMDocument2* m) {
             e.DodajZalacznikPIT36L(dekPITO, Child(u"Zalacznik_PIT_O", u"o").Get(), m, 1);
         }, HOST_E_MISSINGDATA, u"Nie można dodać załącznika typu 27"},
        {"PIT/B of a CIT-8", u"", [](CEDeklaracja& e, IXMLDOMDocument2* m) {
             e.DodajZalacznikCIT8(dekPITB, Child(u"Zalacznik_PIT_B", u"b").Get(), m, 1, 23);
         }, HOST_E_MISSINGDATA, u"Nie można dodać załącznika typu 25"},
        {"PIT/B of a PIT-37", u"", [](CEDeklaracja& e, IXMLDOMDocument2* m) {
             e.DodajZalacznikPIT37(dekPITB, Child(u"Zalacznik_PIT_B", u"b").Get(), m, 1);
         }, HOST_E_MISSINGDATA, u"Nie można dodać załącznika typu 25"},
        {"empty later PIT/O", pitO, [](CEDeklaracja& e, IXMLDOMDocument2* m) {
             e.DodajZalacznikPIT36(dekPITO, Child(u"Zalacznik_PIT_O", u"o", u"<P_X>1</P_X>").Get(), m, 2, 20, 0, 0);
         }, HOST_E_MISSINGDATA, u"Błąd dodawania załącznika PIT/O numer 2: żadne wartości nie są przeznaczone do eksportu!"},
        {"PIT/BR without a first", u"", [](CEDeklaracja& e, IXMLDOMDocument2* m) {
             e.DodajZalacznikPIT36(dekPITBR, Child(u"Zalacznik_PIT_BR", u"r", u"<P_D>1</P_D>").Get(), m, 2, 20, 0, 0);
         }, HOST_E_MISSINGDATA, u"Błąd dodawania załącznika PIT/BR numer 2: brak pierwszego załącznika!"},
        {"PIT/BR of a PIT-36L without a first", u"", [](CEDeklaracja& e, IXMLDOMDocument2* m) {
             e.DodajZalacznikPIT36L(dekPITBR, Child(u"Zalacznik_PIT_BR", u"r", u"<P_D>1</P_D>").Get(), m, 3);
         }, HOST_E_MISSINGDATA, u"Błąd dodawania załącznika PIT/BR numer 3: brak pierwszego załącznika!"},
        {"empty later PIT/BR", u"<Zalacznik_PIT_BR><PozycjeSzczegolowe/></Zalacznik_PIT_BR>",
         [](CEDeklaracja& e, IXMLDOMDocument2* m) {
             e.DodajZalacznikPIT36L(dekPITBR, Child(u"Zalacznik_PIT_BR", u"r").Get(), m, 2);
         }, HOST_E_MISSINGDATA, u"Błąd dodawania załącznika PIT/BR numer 2: żadne wartości nie są przeznaczone do eksportu!"},
        {"empty later CIT-BR", u"<Zalacznik_CIT-BR><PozycjeSzczegolowe/></Zalacznik_CIT-BR>",
         [](CEDeklaracja& e, IXMLDOMDocument2* m) {
             e.DodajZalacznikCIT8(dekCITBR, Child(u"Zalacznik_CIT-BR", u"r").Get(), m, 2, 23);
         }, HOST_E_MISSINGDATA, u"Błąd dodawania załącznika CIT-BR numer 2: żadne wartości nie są przeznaczone do eksportu!"},
        {"child without its element", u"", [](CEDeklaracja& e, IXMLDOMDocument2* m) {
             e.DodajZalacznikPIT36(dekPITZ, Child(u"Zalacznik_PIT_B", u"b").Get(), m, 1, 20, 0, 0);
         }, E_FAIL, u"/Deklaracja/Zalacznik_PIT_Z"},
    };
    for (const Case& c : cases) {
        auto main = Main(c.main);
        std::string before = Children(main.Get(), u"/Deklaracja/Zalaczniki");
        Failure failure = Attempt([&] { c.call(*edeklaracja.Get(), main.Get()); });
        EXPECT_EQ(failure.code, c.code) << c.what;
        EXPECT_NE(failure.text.find(c.text), std::u16string::npos) << c.what << ": " << Utf8(failure.text);
        EXPECT_EQ(Children(main.Get(), u"/Deklaracja/Zalaczniki"), before) << c.what;
    }
}

class PitChildLookup : public edtest::TestFormsTest {
protected:
    void Child(LONG type, LONG number, LONG parent, const char16_t* entry, LONG first = 0) {
        auto child = New(type, 1, 2016, 12, number, parent);
        EXPECT_EQ(Put(child.Get(), u"Wpis", tlx::Variant::FromString(entry)), S_OK) << Utf8(LastError());
        if (type == dekPITBR) {
            EXPECT_EQ(Put(child.Get(), u"Pierwszy", tlx::Variant::FromLong(first)), S_OK);
        }
    }
    tlx::ComPtr<IXMLDOMDocument2> Build(IDeklaracja2* declaration) {
        auto form = edeklaracja->ReadFormParameters(declaration);
        return edeklaracja->BuildDocument(form, declaration, u"15/20");
    }
};

// Children by type in the fixed order, numbered from 1 until one is missing; other parents' children
// never come.
TEST_F(PitChildLookup, ChildrenArePlacedByTypeAndNumberUpToTheFirstGap) {
    auto pit36 = New(dekPIT36, 20, 2016, 12, 1);
    Save();
    LONG id = IdOf(pit36.Get());
    auto other = New(dekPIT36, 20, 2016, 12, 2);
    Save();
    LONG otherId = IdOf(other.Get());
    Child(dekPITBR, 2, id, u"r2");
    Child(dekPITBR, 1, id, u"r1", 1);
    Child(dekPITO, 2, id, u"o2");
    Child(dekPITO, 1, id, u"o1");
    Child(dekPITO, 4, id, u"o4");
    Child(dekPITB, 1, id, u"b1");
    Child(dekPITB, 2, otherId, u"elsewhere");
    Save();

    auto document = Build(pit36.Get());
    ASSERT_TRUE(document) << Utf8(edeklaracja->Message());
    EXPECT_EQ(Children(document.Get(), u"/Deklaracja/Zalaczniki"),
              "Zalacznik_PIT_B:1,Zalacznik_PIT_BR:1,Zalacznik_PIT_D,Zalacznik_PIT_O:1,Zalacznik_ORD-ZU");
    EXPECT_EQ(Children(document.Get(), u"/Deklaracja/Zalaczniki/Zalacznik_PIT_O/PozycjeSzczegolowe"), "P_D=o1,P_D=o2");
    EXPECT_EQ(Children(document.Get(), u"/Deklaracja/Zalaczniki/Zalacznik_PIT_BR/PozycjeSzczegolowe"), "P_D=r1,P_D=r2");
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Przygotowanie deklaracji [PIT36]", "Dodanie załącznika [PIT/B] do deklaracji",
                              "Dodanie załącznika [PIT/O] do deklaracji", "Dodanie załącznika [PIT/O] do deklaracji",
                              "Dodanie załącznika [PIT/BR] do deklaracji", "Dodanie załącznika [PIT/BR] do deklaracji"}));

    // A repository that takes the children in leaves the placing to itself.
    std::vector<std::u16string> calls;
    auto repository = edtest::CScriptedRepository::Make();
    repository->takesAttachments = true;
    repository->calls = &calls;
    edtest::StandIn standIn(CLSID_SchemaRepository, kProgIdSchemaRepository,
                            static_cast<ISchemaRepository*>(repository.Get()));
    document = Build(pit36.Get());
    ASSERT_TRUE(document) << Utf8(edeklaracja->Message());
    EXPECT_EQ(Children(document.Get(), u"/Deklaracja/Zalaczniki"), "Zalacznik_PIT_D,Zalacznik_ORD-ZU");
    std::vector<std::u16string> offered;
    for (const auto& call : calls)
        if (call.starts_with(u"AddAttachment")) offered.push_back(call);
    EXPECT_EQ(offered, (std::vector<std::u16string>{u"AddAttachment 25 1", u"AddAttachment 27 1", u"AddAttachment 27 2",
                                                    u"AddAttachment 39 1", u"AddAttachment 39 2"}));
}

// A later PIT/BR without a first one in the document fails the build.
TEST_F(PitChildLookup, ALaterPitBrWithoutAFirstFailsTheBuild) {
    auto pit36 = New(dekPIT36, 20, 2016, 12, 1);
    Save();
    LONG id = IdOf(pit36.Get());
    Child(dekPITBR, 1, id, u"r1", 0);
    Save();
    EXPECT_FALSE(Build(pit36.Get()));
    EXPECT_EQ(Utf8(edeklaracja->Message()),
              "Deklaracja nie została wyeksportowana z powodu błędów. Błąd dodawania załącznika PIT/BR numer 1: brak "
              "pierwszego załącznika! [-2147125854]");
}

// A CIT-8's children in the fixed order: the first of each kind whole at its version's place, the
// later CIT-ST and CIT-BR entries merged into the first (before its total "P_169" for the CIT-ST), the
// CIT-ST/A among the CIT-ST's own attachments.
TEST_F(PitChildLookup, ACit8TakesItsChildrenByItsVersionsPlaces) {
    struct Case {
        LONG version;
        const char* attachments;
    };
    for (const Case& c : {Case{22, "Zalacznik_CIT-8_O,Zalacznik_CIT-BR:1,Zalacznik_CIT-D:1,Zalacznik_CIT-ST:1,Zalacznik_ORD-ZU"},
                          Case{23, "Zalacznik_CIT-ST:1,Zalacznik_CIT-8_O,Zalacznik_CIT-BR:1,Zalacznik_CIT-D:1,Zalacznik_ORD-ZU"}}) {
        auto cit8 = New(dekCIT8, c.version, 2016, 12, c.version);
        Save();
        LONG id = IdOf(cit8.Get());
        for (LONG type : {dekCITBR, dekCITSTA, dekCITST})
            for (LONG number : {2, 1}) Child(type, number, id, (u"w" + tlx::Utf8ToUtf16(std::to_string(number))).c_str());
        Child(dekCITD, 1, id, u"d1");
        Save();
        sink->events.clear();

        auto document = edeklaracja->BuildDocument(edeklaracja->ReadFormParameters(cit8.Get()), cit8.Get(),
                                                   u"17/" + tlx::Utf8ToUtf16(std::to_string(c.version)));
        ASSERT_TRUE(document) << Utf8(edeklaracja->Message());
        EXPECT_EQ(Children(document.Get(), u"/Deklaracja/Zalaczniki"), c.attachments) << c.version;
        const std::u16string st = u"/Deklaracja/Zalaczniki/Zalacznik_CIT-ST";
        EXPECT_EQ(Children(document.Get(), st + u"/PozycjeSzczegolowe"), "P_E=w1,P_E=w2,P_169=0") << c.version;
        EXPECT_EQ(Children(document.Get(), st + u"/Zalaczniki"), "Zalacznik_CIT-ST_A:1") << c.version;
        EXPECT_EQ(Children(document.Get(), st + u"/Zalaczniki/Zalacznik_CIT-ST_A/PozycjeSzczegolowe"), "P_B1=w1,P_B1=w2")
            << c.version;
        EXPECT_EQ(Children(document.Get(), u"/Deklaracja/Zalaczniki/Zalacznik_CIT-BR/PozycjeSzczegolowe"), "P_D=w1,P_D=w2")
            << c.version;
        EXPECT_EQ(Messages(), (std::vector<std::string>{
                                  "Przygotowanie deklaracji [CIT8]", "Dodanie załącznika [CIT-D] do deklaracji",
                                  "Dodanie załącznika [CIT-ST] do deklaracji", "Dodanie załącznika [CIT-ST/A] do deklaracji",
                                  "Dodanie załącznika [CIT-BR] do deklaracji", "Dodanie załącznika [CIT-BR] do deklaracji"}))
            << c.version;
    }
}

}  // namespace
