// Blocks of a KEDU document: made on first use of a name, the repeated block of a form appended and
// addressed by number, cells that answer what was put, and the refusals of bad names and indexes.
#include <gtest/gtest.h>

#include "KeduTestSupport.h"

namespace tlx::host::test {
namespace {

std::string NameOf(IKeduBlok* block) {
    Bstr name;
    EXPECT_EQ(block->get_Nazwa(name.Out()), S_OK);
    return Utf16ToUtf8(name.View());
}

LONG CountOf(IKeduBloki* blocks) {
    LONG count = -1;
    EXPECT_EQ(blocks->get_Count(&count), S_OK);
    return count;
}

TEST(KeduBlocks, ABlockIsMadeOnFirstUseAndFoundAgainWhateverTheCase) {
    ComPtr<IKeduDokument> document = NewDocument(NewKedu().Get(), u"ZUSDRA");
    ComPtr<IKeduBloki> blocks = BlocksOf(document.Get());
    EXPECT_EQ(CountOf(blocks.Get()), 0);
    ComPtr<IKeduBlok> first = BlockOf(document.Get(), u"Dipl");
    ASSERT_EQ(first->put_Item(2, 0, Variant::FromString(u"012345678")), S_OK);
    ComPtr<IKeduBlok> again = BlockOf(document.Get(), u"DIPL");
    EXPECT_EQ(NameOf(again.Get()), "Dipl") << "the name stays as first written";
    EXPECT_EQ(CountOf(blocks.Get()), 1);

    Variant value;
    ASSERT_EQ(again->get_Item(2, 0, value.Out()), S_OK);
    ASSERT_EQ(value.vt, VT_BSTR);
    EXPECT_EQ(Bstr(value.bstrVal).View(), u"012345678");
    ASSERT_EQ(again->get_Item(1, 0, value.Out()), S_OK);
    EXPECT_EQ(value.vt, VT_EMPTY) << "a cell never written";
    ASSERT_EQ(again->get_Item(2, 5, value.Out()), S_OK);
    EXPECT_EQ(value.vt, VT_EMPTY);
}

TEST(KeduBlocks, AGetAnswersExactlyTheValuePut) {
    ComPtr<IKeduBlok> block = BlockOf(NewDocument(NewKedu().Get(), u"ZUSDRA").Get(), u"OPLR");
    const Variant values[] = {Variant::FromCurrency(CY{12345}), Variant::FromDouble(0.3333), Variant::Null(),
                              Variant::FromDate(45000.5), Variant::FromBool(true), Variant::FromLong(-1)};
    LONG position = 1;
    for (const Variant& put : values) {
        ASSERT_EQ(block->put_Item(position, 0, put), S_OK);
        Variant got;
        ASSERT_EQ(block->get_Item(position, 0, got.Out()), S_OK);
        EXPECT_EQ(got.vt, put.vt) << position;
        EXPECT_EQ(got.llVal, put.llVal) << position;
        ++position;
    }
}

TEST(KeduBlocks, TheRepeatedBlockIsAppendedAndAddressedByItsNumber) {
    ComPtr<IKeduDokument> document = NewDocument(NewKedu().Get(), u"ZUSRCA");
    ComPtr<IKeduBloki> blocks = BlocksOf(document.Get());
    ComPtr<IKeduBlok> one, two;
    ASSERT_EQ(blocks->Add(one.Out()), S_OK);
    ASSERT_EQ(blocks->Add(two.Out()), S_OK);
    ASSERT_EQ(one->put_Item(1, 0, Variant::FromString(u"NOWAK")), S_OK);
    ASSERT_EQ(two->put_Item(1, 0, Variant::FromString(u"KOWALSKA")), S_OK);
    EXPECT_EQ(NameOf(two.Get()), "DDORCA2");

    auto surname = [&](std::u16string_view name) {
        Variant value;
        EXPECT_EQ(BlockOf(document.Get(), name)->get_Item(1, 0, value.Out()), S_OK);
        return value.vt == VT_BSTR ? Utf16ToUtf8(Bstr(value.bstrVal).View()) : "<none>";
    };
    EXPECT_EQ(surname(u"DDORCA2"), "KOWALSKA");
    EXPECT_EQ(surname(u"ddorca1"), "NOWAK");
    EXPECT_EQ(surname(u"DDORCA"), "NOWAK") << "the bare name is the first";
    EXPECT_EQ(CountOf(blocks.Get()), 2);
}

TEST(KeduBlocks, TheBareRepeatedNameAppendsTheFirstBlockWhenThereIsNone) {
    ComPtr<IKeduDokument> document = NewDocument(NewKedu().Get(), u"ZUSZSWA");
    ASSERT_EQ(BlockOf(document.Get(), u"DDOZSWA")->put_Item(1, 0, Variant::FromString(u"P")), S_OK);
    ComPtr<IKeduBlok> second;
    ASSERT_EQ(BlocksOf(document.Get())->Add(second.Out()), S_OK);
    EXPECT_EQ(NameOf(second.Get()), "DDOZSWA2");
    EXPECT_EQ(TextOf(document.Get()), "<ZUSZSWA>\r\n<DDOZSWA>\r\nP\r\n</DDOZSWA>\r\n<DDOZSWA>\r\n</DDOZSWA>\r\n</ZUSZSWA>\r\n");
}

TEST(KeduBlocks, EveryFormWithARepeatedBlockAppendsItsOwn) {
    const std::pair<const char16_t*, const char*> rows[] = {
        {u"ZUSRCA", "DDORCA1"}, {u"ZUSRNA", "DDORNA1"},   {u"ZUSRZA", "DDORZA1"},
        {u"ZUSRSA", "DDORSA1"}, {u"ZUSZSWA", "DDOZSWA1"}, {u"ZUSZCNA", "DOCRA1"},
        {u"ZUSZCZA", "DOCRA1"}, {u"ZUSRGA", "DDORGA1"},
    };
    for (const auto& [form, name] : rows) {
        ComPtr<IKeduBlok> block;
        ASSERT_EQ(BlocksOf(NewDocument(NewKedu().Get(), form).Get())->Add(block.Out()), S_OK) << name;
        EXPECT_EQ(NameOf(block.Get()), name);
    }
}

TEST(KeduBlocks, BadNamesIndexesAndFormsAreRefusedWithTheInterfaceAndTheirName) {
    ComPtr<IKeduPlik> kedu = NewKedu();
    ComPtr<IKeduDokument> rca = NewDocument(kedu.Get(), u"ZUSRCA");
    ComPtr<IKeduBloki> blocks = BlocksOf(rca.Get());
    ComPtr<IKeduBlok> added;
    ASSERT_EQ(blocks->Add(added.Out()), S_OK);
    ComPtr<IKeduBlok> block;
    const struct {
        const char16_t* name;
        const char* message;
    } badNames[] = {
        {u"", "Nazwa bloku \"\""},
        {u"DI-PL", "Nazwa bloku \"DI-PL\""},
        {u"DIPL ", "Nazwa bloku \"DIPL \""},
        {u"DDORCA0", "Blok DDORCA0 nie istnieje"},
        {u"DDORCA2", "Blok DDORCA2 nie istnieje"},
    };
    for (const auto& row : badNames) {
        EXPECT_EQ(blocks->get_Item(Variant::FromString(row.name), block.Out()), E_INVALIDARG) << row.message;
        RaisedError raised = TakeRaised();
        EXPECT_EQ(raised.guid, IID_IKeduBloki);
        EXPECT_EQ(raised.description.rfind(row.message, 0), 0u) << raised.description;
    }

    Variant value;
    EXPECT_EQ(added->put_Item(0, 0, Variant::FromLong(1)), E_INVALIDARG);
    EXPECT_EQ(TakeRaised().description, "Pozycja 0 w bloku DDORCA1 jest poza zakresem 1..9999.");
    EXPECT_EQ(added->get_Item(3, -1, value.Out()), E_INVALIDARG);
    EXPECT_EQ(TakeRaised().description, "Powtórzenie -1 w bloku DDORCA1 na pozycji 3 jest poza zakresem 0..99.");
    EXPECT_EQ(added->put_Item(10000, 0, Variant::FromLong(1)), E_INVALIDARG);
    TakeRaised();

    ComPtr<IKeduDokument> dra = NewDocument(kedu.Get(), u"ZUSDRA");
    EXPECT_EQ(BlocksOf(dra.Get())->Add(block.Out()), E_INVALIDARG);
    EXPECT_EQ(TakeRaised().description, "Formularz ZUSDRA nie ma bloku wielokrotnego.");

    ComPtr<IKeduDokumenty> documents;
    ASSERT_EQ(kedu->get_Dokumenty(documents.Out()), S_OK);
    ComPtr<IKeduDokument> document;
    for (const char16_t* form : {u"RCA", u"ZUS", u"ZUSRCA1", u"zusrca", u"ZUS RCA", u""}) {
        EXPECT_EQ(documents->Add(Bstr(form).Get(), document.Out()), E_INVALIDARG) << Utf16ToUtf8(form);
        RaisedError raised = TakeRaised();
        EXPECT_EQ(raised.guid, IID_IKeduDokumenty);
        EXPECT_EQ(raised.description.rfind("Nazwa formularza \"" + Utf16ToUtf8(form) + "\"", 0), 0u) << raised.description;
    }
    EXPECT_EQ(documents->AddV(Bstr(u"ZUSRCA").Get(), 0, document.Out()), E_INVALIDARG);
    TakeRaised();
    LONG count = 0;
    ASSERT_EQ(documents->get_Count(&count), S_OK);
    EXPECT_EQ(count, 2) << "only the two good documents were added";
    ASSERT_EQ(documents->get_Item(2, document.Out()), S_OK);
    Bstr form;
    ASSERT_EQ(document->get_Formularz(form.Out()), S_OK);
    EXPECT_EQ(form.View(), u"ZUSDRA");
    EXPECT_EQ(documents->get_Item(3, document.Out()), E_INVALIDARG);
    TakeRaised();
}

}  // namespace
}  // namespace tlx::host::test
