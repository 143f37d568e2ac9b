// The e-declaration object's own members and events, and the text utilities of e-declarations: decimal
// texts, markers and the file name.
#include <gtest/gtest.h>

#include <cmath>

#include "EDeklaracjaSupport.h"
#include "mv_deklaracje/edeklaracje/DecimalText.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace {

using edtest::CRecordingSink;
using edtest::Events;

std::string Utf8(std::u16string_view text) { return tlx::Utf16ToUtf8(text); }

TEST(EDeklaracjaMembers, ANewObjectAnswersItsInitialStateAndKeepsItsFlags) {
    auto object = CEDeklaracja::Make();
    LONG value = -1;
    tlx::Bstr text;
    ASSERT_EQ(object->get_ETrybSeryjny(&value), S_OK);
    EXPECT_EQ(value, 0);
    ASSERT_EQ(object->get_EPodpisana(&value), S_OK);
    EXPECT_EQ(value, 0);
    ASSERT_EQ(object->get_EBlad(&value), S_OK);
    EXPECT_EQ(value, 0);
    ASSERT_EQ(object->get_EInfo(text.Out()), S_OK);
    EXPECT_EQ(text.View(), u"");
    tlx::ComPtr<IDispatch> login;
    ASSERT_EQ(object->get_Login(login.Out()), S_OK);
    EXPECT_FALSE(login);

    struct Row {
        HRESULT (CEDeklaracja::*put)(LONG);
        HRESULT (CEDeklaracja::*get)(LONG*);
        LONG given;
        LONG read;
    };
    for (Row row : {Row{&CEDeklaracja::put_EPodpisana, &CEDeklaracja::get_EPodpisana, 2, 1},
                    Row{&CEDeklaracja::put_EPodpisana, &CEDeklaracja::get_EPodpisana, 0, 0},
                    Row{&CEDeklaracja::put_ETrybSeryjny, &CEDeklaracja::get_ETrybSeryjny, 5, 1},
                    Row{&CEDeklaracja::put_ETrybSeryjny, &CEDeklaracja::get_ETrybSeryjny, -1, 1},
                    Row{&CEDeklaracja::put_ETrybSeryjny, &CEDeklaracja::get_ETrybSeryjny, 0, 0}}) {
        ASSERT_EQ(((object.Get())->*row.put)(row.given), S_OK);
        ASSERT_EQ(((object.Get())->*row.get)(&value), S_OK);
        EXPECT_EQ(value, row.read) << row.given;
    }
    for (const char16_t* path : {u"", u"/Deklaracja/Naglowek/KodUrzedu"}) {
        tlx::Bstr message;
        ASSERT_EQ(object->KomunikatBledu(tlx::Bstr(path).Get(), message.Out()), S_OK);
        EXPECT_EQ(message.View(), u"") << Utf8(path);
    }
    EXPECT_EQ(object->get_EInfo(nullptr), E_POINTER);
}

TEST(EDeklaracjaMembers, AnAttributeNameMustBeAnElementName) {
    auto object = CEDeklaracja::Make();
    for (const char16_t* name : {u"P_1", u"Źródło", u"a-b.c"})
        EXPECT_EQ(object->DodajAtrybut(tlx::Bstr(name).Get(), tlx::Bstr(u"x").Get()), S_OK) << Utf8(name);
    for (const char16_t* name : {u"P 1", u"", u"1P", u"a<b", u"x:y"}) {
        EXPECT_EQ(object->DodajAtrybut(tlx::Bstr(name).Get(), tlx::Bstr(u"x").Get()), E_INVALIDARG) << Utf8(name);
        EXPECT_EQ(tlx::TakeErrorDescription(), u"Nazwa atrybutu e-deklaracji \"" + std::u16string(name) +
                                                   u"\" nie jest poprawną nazwą elementu XML.");
    }
    EXPECT_EQ(object->DodajAtrybut(nullptr, nullptr), E_INVALIDARG) << "a null name is no name";
}

TEST(EDeklaracjaMembers, EventsReachTheOneAdvisedSinkAndARefusalStopsTheStep) {
    auto object = CEDeklaracja::Make();
    auto first = CRecordingSink::Make();
    auto second = CRecordingSink::Make();
    // No repository: the transformation reports it at level 4, then fails for want of a stylesheet.
    edtest::StandIn noRepository(CLSID_SchemaRepository, kProgIdSchemaRepository, nullptr);
    tlx::ComPtr<IXMLDOMDocument2> document;
    ASSERT_EQ(CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument2, document.OutVoid()), S_OK);
    auto transform = [&]() -> HRESULT {
        try {
            object->TransformDocument(document.Get(), u"nie/ma");
        } catch (const ComError& e) {
            return e.Code();
        }
        return S_OK;
    };
    EXPECT_EQ(transform(), static_cast<HRESULT>(0x80040203)) << "nothing fires without a sink";

    ASSERT_EQ(object->AdviseProgress(static_cast<_IProgressEvents*>(first.Get())), S_OK);
    ASSERT_EQ(object->AdviseProgress(static_cast<_IProgressEvents*>(second.Get())), S_OK);
    EXPECT_EQ(transform(), static_cast<HRESULT>(0x80040203));
    const Events missing{{edtest::kSendMessage,
                          {u"#4", u"Nieudane sprawdzenie aktualizacji na serwerze Velmora: [błąd tworzenia obiektu "
                                  u"repozytorium]."}}};
    EXPECT_EQ(first->events, Events{}) << "the second advise replaced the first sink";
    EXPECT_EQ(second->events, missing);

    second->answer = E_ABORT;
    EXPECT_EQ(transform(), E_ABORT) << "the sink's refusal ends the step with its answer";
    EXPECT_EQ(second->events.size(), 2u);

    ASSERT_EQ(object->UnAdviseProgress(), S_OK);
    ASSERT_EQ(object->UnAdviseProgress(), S_OK);
    EXPECT_EQ(transform(), static_cast<HRESULT>(0x80040203));
    EXPECT_EQ(second->events.size(), 2u) << "nothing after the sink was taken off";
}

TEST(DecimalText, ParsesDecimalsWrittenWithEitherSeparator) {
    struct Row {
        const char16_t* text;
        char16_t separator;
        double value;
    };
    const Row rows[] = {
        {u"12,5", u',', 12.5},    {u"-3,25", u',', -3.25}, {u"-0,5", u',', -0.5},   {u"7", u',', 7},
        {u"1,05", u',', 1.05},    {u"0,5", u',', 0.5},     {u",5", u',', 0.5},      {u"1,5 zł", u',', 1.5},
        {u"12", u'.', 12},        {u"125000.4", u'.', 125000.4}, {u" 42,25", u',', 42.25}, {u"abc", u',', 0},
        {u"1,1234567890123456789012345678901234567890", u',', 1.1234567890123457},
        {u"99999999999,5", u',', 2147483647.5},
    };
    for (const Row& row : rows)
        EXPECT_DOUBLE_EQ(ParseDecimalString(row.text, row.separator), row.value) << Utf8(row.text);
}

TEST(DecimalText, FormatsAndReadsNumbers) {
    EXPECT_EQ(FormatTrimmedDecimal(12.5), u"12.5");
    EXPECT_EQ(FormatTrimmedDecimal(100), u"100");
    EXPECT_EQ(FormatTrimmedDecimal(-0.125), u"-0.125");
    EXPECT_EQ(FormatTrimmedDecimal(1.0 / 3), u"0.33333333");
    EXPECT_EQ(VariantToDoubleOr(tlx::Variant(), 9), 9);
    EXPECT_EQ(VariantToDoubleOr(tlx::Variant::Null(), 9), 9);
    EXPECT_EQ(VariantToDoubleOr(tlx::Variant::FromString(u""), 9), 9);
    EXPECT_EQ(VariantToDoubleOr(tlx::Variant::FromString(u"1,5"), 9), 1.5);
    EXPECT_EQ(VariantToDoubleOr(tlx::Variant::FromString(u"2.25"), 9), 2.25);
    EXPECT_EQ(VariantToDoubleOr(tlx::Variant::FromLong(7), 9), 7);
}

TEST(DecimalText, MarkersAreFoundAndReplacedFromTheEndWithoutTouchingLineBreaks) {
    EXPECT_EQ(FindLastMarker(u"a\r\nb a", u"a"), 5);
    EXPECT_EQ(FindLastMarker(u"ab", u"abc"), -1);
    EXPECT_EQ(FindLastMarker(u"ab", u""), -1);
    EXPECT_EQ(ReplaceAllFromEnd(u"x\r\ny x\n", u"x", u"zz"), u"zz\r\ny zz\n");
    EXPECT_EQ(ReplaceAllFromEnd(u"abc", u"", u"z"), u"abc");
    EXPECT_EQ(ReplaceAllFromEnd(u"a-a", u"a", u"aa"), u"aa-aa") << "a replacement holding the search text ends";
    EXPECT_EQ(ReplaceAllFromEnd(u"UTF-16 i UTF-16", u"UTF-16", u""), u" i ");
}

}  // namespace
