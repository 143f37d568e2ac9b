// COM objects seen from scripts: member kinds, the exact dispatch flags, default members, identity,
// errors raised by members, the Enumerator over a collection.
#include <gtest/gtest.h>

#include "ScriptFixture.h"
#include "SampleObjects.h"
#include "TableSample.h"

using sample::CRecord;
using sample::CSample;
using tlx::Variant;

namespace {
std::string Text(const VARIANT& v) { return v.vt == VT_BSTR ? tlx::Utf16ToUtf8(tlx::Bstr(v.bstrVal).View()) : "?"; }
}  // namespace

class BridgeTest : public ScriptTest {
protected:
    tlx::ComPtr<CSample> plain = CSample::Make();    // answers no member kinds
    tlx::ComPtr<CRecord> record = CRecord::Make();  // served from a dispatch table
    void SetUp() override {
        ASSERT_EQ(Bind(u"dokument", plain.Get()), S_OK);
        ASSERT_EQ(Bind(u"rec", static_cast<sample::IRecord*>(record.Get())), S_OK);
    }
};

TEST_F(BridgeTest, PropertyReadAndWriteUseExactlyTheirFlags) {
    EXPECT_EQ(Eval(u"dokument.Field").lVal, 7);
    ASSERT_FALSE(plain->calls.empty());
    auto read = plain->calls.back();
    EXPECT_EQ(read.id, 100000);
    EXPECT_EQ(read.flags, DISPATCH_PROPERTYGET);
    EXPECT_EQ(read.args, 0u);

    Eval(u"dokument.Field = 'nowa'");
    auto write = plain->calls.back();
    EXPECT_EQ(write.flags, DISPATCH_PROPERTYPUT);
    EXPECT_EQ(write.args, 1u);
    EXPECT_EQ(write.named, 1u);
    EXPECT_EQ(write.namedId, DISPID_PROPERTYPUT);
    EXPECT_EQ(Text(plain->field), "nowa");
}

TEST_F(BridgeTest, NamesMatchWhateverTheirCaseAndAreLookedUpOnce) {
    EXPECT_EQ(Text(Eval(u"dokument.NAME + dokument.name + dokument.Name")), "samplesamplesample");
    EXPECT_EQ(plain->lookups, 1);
    EXPECT_EQ(Text(Eval(u"rec.NAME")), "record");
    EXPECT_EQ(Eval(u"'name' in dokument && !('missing' in dokument)").boolVal, VARIANT_TRUE);
}

TEST_F(BridgeTest, MembersOfEveryKindFromATable) {
    EXPECT_EQ(Eval(u"rec.Add(2, 3)").lVal, 5);
    record->items = {Variant::FromString(u"zero"), Variant::FromString(u"one")};
    EXPECT_EQ(Text(Eval(u"rec.Item(1)")), "one");
    EXPECT_EQ(Text(Eval(u"rec(0)")), "zero");  // the default member
    record->fields = {{u"P_10", Variant::FromLong(120)}};
    EXPECT_EQ(Eval(u"rec.Wartosc('P_10') + 1").lVal, 121);
    Eval(u"rec.Name = 'zmieniona'");
    EXPECT_EQ(tlx::Utf16ToUtf8(record->name), "zmieniona");
    EXPECT_EQ(Text(Eval(u"rec.Child.Name = 'dziecko'; rec.Child.Name")), "dziecko");
}

TEST_F(BridgeTest, ReadingAMethodDoesNotCallIt) {
    Eval(u"var touch = rec.Touch; typeof touch");
    EXPECT_EQ(record->touched, 0);
    Eval(u"touch(); rec.touch()");
    EXPECT_EQ(record->touched, 2);
}

TEST_F(BridgeTest, AMemberFunctionKeepsItsObjectKindAndSpelling) {
    record->items = {Variant::FromLong(4)};
    plain->items = {Variant::FromLong(6)};
    EXPECT_EQ(Eval(u"var own = rec.Item, other = dokument.item, sum = rec.ADD; own(0) + other(0) + sum(1, 2)").lVal, 13);
    EXPECT_EQ(plain->calls.back().flags, DISPATCH_METHOD | DISPATCH_PROPERTYGET) << "the kindless object's call";
    Variant result;
    EXPECT_EQ(Run(u"var bad = rec.ITEM; own(0); bad(7)", result), DISP_E_BADINDEX);
    EXPECT_NE(TakeError().first.find("'ITEM'"), std::string::npos) << "named as the script wrote it";
}

TEST_F(BridgeTest, MembersOfAnObjectWithoutKinds) {
    EXPECT_EQ(Eval(u"dokument.Add(4, 5)").lVal, 9);
    EXPECT_EQ(plain->calls.back().flags, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    plain->items = {Variant::FromLong(10), Variant::FromLong(20)};
    EXPECT_EQ(Eval(u"dokument.Item(1) + dokument(0)").lVal, 30);
    EXPECT_EQ(Eval(u"dokument.Count").lVal, 2);
}

TEST_F(BridgeTest, AnObjectConvertedToAPrimitiveAnswersItsDefaultValue) {
    auto named = sample::CNamed::Make();
    ASSERT_EQ(Bind(u"named", named.Get()), S_OK);
    EXPECT_EQ(Text(Eval(u"'<' + named + '>'")), "<named>");
    named->text = u"12";
    EXPECT_EQ(Eval(u"named * 2").lVal, 24);
    Variant result;
    EXPECT_EQ(Run(u"'' + rec", result), DISP_E_BADPARAMCOUNT);  // its default member needs an index
    TakeError();
}

TEST_F(BridgeTest, TheSameObjectGivesTheSameScriptObject) {
    EXPECT_EQ(Eval(u"rec.Child === rec.Child").boolVal, VARIANT_TRUE);
    EXPECT_EQ(Eval(u"dokument.Child === dokument.Child").boolVal, VARIANT_TRUE);
    plain->value = Variant::FromDispatch(static_cast<sample::IRecord*>(record.Get()));
    EXPECT_EQ(Eval(u"dokument.Value === rec").boolVal, VARIANT_TRUE);
    Variant back = Eval(u"rec");
    ASSERT_EQ(back.vt, VT_DISPATCH);
    EXPECT_EQ(back.pdispVal, static_cast<IDispatch*>(static_cast<sample::IRecord*>(record.Get())));
}

TEST_F(BridgeTest, AFailingMemberRaisesItsHresultAndDescription) {
    EXPECT_EQ(Text(Eval(u"try { rec.Fail(0x80004005 | 0, 'zły stan'); 'no error' } "
                        u"catch (e) { (e.number >>> 0).toString(16) + ' ' + e.description }")),
              "80004005 zły stan");
    Variant result;
    EXPECT_EQ(Run(u"var x = 1;\n\ndokument.Fail(0x800565F5 | 0, 'z obiektu')", result), static_cast<HRESULT>(0x800565F5));
    EXPECT_EQ(TakeError(), std::make_pair(std::string("z obiektu"), std::string("Skrypt, wiersz 3")));
    EXPECT_EQ(Run(u"rec.Wartosc('nieznane')", result), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(TakeError().first, "Brak pola nieznane");
    EXPECT_EQ(Run(u"dokument.Missing", result), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(TakeError().first, "Obiekt nie obsługuje właściwości ani metody 'Missing'");
    EXPECT_EQ(Run(u"rec.Item(7)", result), DISP_E_BADINDEX);
    TakeError();
}

TEST_F(BridgeTest, EnumeratorWalksACollection) {
    record->items = {Variant::FromLong(1), Variant::FromLong(2), Variant::FromLong(3)};
    EXPECT_EQ(Eval(u"var s = 0; for (var e = new Enumerator(rec); !e.atEnd(); e.moveNext()) s += e.item(); s").lVal, 6);
    EXPECT_EQ(Eval(u"var e = new Enumerator(rec); e.moveNext(); e.moveNext(); e.moveFirst(); e.item()").lVal, 1);
    EXPECT_EQ(Eval(u"var e = new Enumerator(rec); e.moveNext(); e.moveNext(); e.moveNext(); "
                   u"e.atEnd() && e.item() === undefined")
                  .boolVal,
              VARIANT_TRUE);
    plain->items = {Variant::FromString(u"a"), Variant::FromString(u"b")};
    EXPECT_EQ(Text(Eval(u"var t = ''; for (var e = new Enumerator(dokument); !e.atEnd(); e.moveNext()) t += e.item(); t")),
              "ab");
    EXPECT_EQ(Eval(u"new Enumerator().atEnd()").boolVal, VARIANT_TRUE);
    Variant result;
    EXPECT_EQ(Run(u"new Enumerator(5)", result), DISP_E_TYPEMISMATCH);
    TakeError();
}
