// The DOM reached by name through IDispatch, as scripts reach it.
#include "XmlTestSupport.h"

#include <vector>

#include "platform/com/Enumerators.h"

using namespace xmltest;

namespace {

// Calls a member by name: arguments in natural order.
tlx::Variant Call(IDispatch* object, std::u16string_view name, WORD flags, std::vector<tlx::Variant> args = {},
                  HRESULT expected = S_OK) {
    std::u16string text(name);
    LPOLESTR names[] = {text.data()};
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK) << tlx::Utf16ToUtf8(name);
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), flags == DISPATCH_PROPERTYPUT ? &put : nullptr,
                      static_cast<UINT>(reversed.size()), flags == DISPATCH_PROPERTYPUT ? 1u : 0u};
    tlx::Variant result;
    EXCEPINFO exception{};
    EXPECT_EQ(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result.Out(), &exception, nullptr),
              expected)
        << tlx::Utf16ToUtf8(name);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return result;
}

tlx::Variant Get(IDispatch* object, std::u16string_view name) { return Call(object, name, DISPATCH_PROPERTYGET); }

IDispatch* Object(const tlx::Variant& value) {
    EXPECT_EQ(value.vt, VT_DISPATCH);
    return value.vt == VT_DISPATCH ? value.pdispVal : nullptr;
}

std::u16string Str(const tlx::Variant& value) {
    EXPECT_EQ(value.vt, VT_BSTR);
    return value.vt == VT_BSTR ? std::u16string(value.bstrVal, SysStringLen(value.bstrVal)) : u"";
}

}  // namespace

TEST(XmlDispatch, ScriptLoadsSelectsAndReads) {
    auto doc = NewDocument().As<IDispatch>();
    ASSERT_TRUE(doc);
    Call(doc.Get(), u"async", DISPATCH_PROPERTYPUT, {tlx::Variant::FromBool(false)});
    auto loaded = Call(doc.Get(), u"LOADXML", DISPATCH_METHOD,
                       {tlx::Variant::FromString(u"<pola><A lp=\"1\">x</A><B>y</B></pola>")});
    ASSERT_EQ(loaded.vt, VT_BOOL);
    EXPECT_EQ(loaded.boolVal, VARIANT_TRUE);
    Call(doc.Get(), u"setProperty", DISPATCH_METHOD,
         {tlx::Variant::FromString(u"SelectionLanguage"), tlx::Variant::FromString(u"XPath")});

    auto a = Call(doc.Get(), u"selectSingleNode", DISPATCH_METHOD, {tlx::Variant::FromString(u"/pola/A")});
    EXPECT_EQ(Str(Get(Object(a), u"text")), u"x");
    EXPECT_EQ(Get(Object(a), u"nodeType").lVal, NODE_ELEMENT);
    EXPECT_EQ(Str(Call(Object(a), u"getAttribute", DISPATCH_METHOD, {tlx::Variant::FromString(u"lp")})), u"1");
    EXPECT_EQ(Call(Object(a), u"getAttribute", DISPATCH_METHOD, {tlx::Variant::FromString(u"none")}, S_FALSE).vt,
              VT_NULL);
    auto none = Call(doc.Get(), u"selectSingleNode", DISPATCH_METHOD, {tlx::Variant::FromString(u"/pola/C")}, S_FALSE);
    EXPECT_TRUE(none.vt == VT_DISPATCH && none.pdispVal == nullptr) << "nothing found is a null object";

    Call(Object(a), u"text", DISPATCH_PROPERTYPUT, {tlx::Variant::FromString(u"nowy")});
    Call(Object(a), u"setAttribute", DISPATCH_METHOD, {tlx::Variant::FromString(u"kwota"), tlx::Variant::FromDouble(12.5)});
    EXPECT_EQ(Str(Get(Object(a), u"xml")), u"<A lp=\"1\" kwota=\"12.5\">nowy</A>") << "numbers are written with a point";
}

TEST(XmlDispatch, NodeListsEnumerateInDocumentOrder) {
    auto doc = Load(u"<pola><A/><B/><C/></pola>");
    auto list = Call(doc.As<IDispatch>().Get(), u"selectNodes", DISPATCH_METHOD, {tlx::Variant::FromString(u"/pola/*")});
    EXPECT_EQ(Get(Object(list), u"length").lVal, 3);
    auto second = Call(Object(list), u"item", DISPATCH_PROPERTYGET, {tlx::Variant::FromLong(1)});
    EXPECT_EQ(Str(Get(Object(second), u"nodeName")), u"B");

    auto unknown = Get(Object(list), u"_NewEnum");
    ASSERT_EQ(unknown.vt, VT_UNKNOWN);
    auto enumerator = ComPtr<IUnknown>(unknown.punkVal).As<IEnumVARIANT>();
    ASSERT_TRUE(enumerator);
    std::u16string names;
    VARIANT item;
    ULONG fetched = 0;
    while (enumerator->Next(1, &item, &fetched) == S_OK) {
        tlx::Variant owned(item);
        VariantClear(&item);
        names += Str(Get(Object(owned), u"nodeName"));
    }
    EXPECT_EQ(names, u"ABC");
}

TEST(XmlDispatch, ParseErrorAndFailuresReachTheScript) {
    auto doc = NewDocument().As<IDispatch>();
    auto loaded = Call(doc.Get(), u"loadXML", DISPATCH_METHOD, {tlx::Variant::FromString(u"<a><b></a>")}, S_FALSE);
    EXPECT_EQ(loaded.boolVal, VARIANT_FALSE);
    auto error = Get(doc.Get(), u"parseError");
    EXPECT_NE(Get(Object(error), u"errorCode").lVal, 0);
    EXPECT_FALSE(Str(Get(Object(error), u"reason")).empty());
    EXPECT_EQ(Get(Object(error), u"line").lVal, 1);

    Call(doc.Get(), u"selectNodes", DISPATCH_METHOD, {tlx::Variant::FromString(u"/[")}, DISP_E_EXCEPTION);
}
