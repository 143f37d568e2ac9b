// Host collections over a real table: the key grammar of Item, pending deletes, the save protocol seen by
// a recording item class, rollback of a failing save, parent links of child collections, enumeration.
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "RecordingItem.h"
#include "hostapi/Errors.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace tlx::host::test {
namespace {

class CollectionTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        RegisterTestPozycja();
        RecordedCalls().clear();
        Execute(u"insert into TLX.Pozycje (Poz_Numer, Poz_Nazwa, Poz_RodzicID) values (10, 'Pierwsza', 0)");
        Execute(u"insert into TLX.Pozycje (Poz_Numer, Poz_Nazwa, Poz_RodzicID) values (12, 'Druga', 0)");
        Execute(u"insert into TLX.Pozycje (Poz_Numer, Poz_Nazwa, Poz_RodzicID) values (14, 'Trzecia', 0)");
        collection_ = TableCollection();
    }

    ComPtr<ICollection> TableCollection() {
        ComPtr<IDispatch> object = Create(u"{76DBCCD4-71E0-4FE8-9F04-7C9B6AA9FEDB}");
        ComPtr<IAdoCollectionSetup> setup = object.As<IAdoCollectionSetup>();
        EXPECT_EQ(setup->put_ItemClass(Bstr(u"TLX.TestPozycja").Get()), S_OK);
        EXPECT_EQ(setup->put_IdColumn(Bstr(u"Poz_PozID").Get()), S_OK);
        EXPECT_EQ(setup->put_Table(Bstr(u"Pozycje").Get()), S_OK);
        return object.As<ICollection>();
    }

    // A child collection of the items numbered above 100, not linked to a parent yet.
    ComPtr<IDispatch> ChildrenAbove100() {
        ComPtr<IDispatch> object = Create(u"TLX.ChildCollection");
        ComPtr<ICollectionSetup> setup = object.As<ICollectionSetup>();
        EXPECT_EQ(setup->put_IdColumn(Bstr(u"Poz_PozID").Get()), S_OK);
        EXPECT_EQ(setup->put_SQL(Bstr(u"select * from TLX.Pozycje where Poz_RodzicID = 0 and Poz_Numer > 100").Get()), S_OK);
        EXPECT_EQ(setup->put_ItemClass(Bstr(u"TLX.TestPozycja").Get()), S_OK);
        return object;
    }

    std::u16string NameOf(const VARIANT& key) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(collection_->Item(key, item.Out()), S_OK);
        if (!item) return u"(brak)";
        Variant name = GetProperty(item.Get(), u"Nazwa");
        return std::u16string(name.bstrVal, SysStringLen(name.bstrVal));
    }

    // Writes a column of the collection's current row through its recordset.
    void SetName(std::u16string_view name) {
        ComPtr<Recordset> rows;
        ASSERT_EQ(collection_.As<IAdoCollection>()->get_Recordset(rows.Out()), S_OK);
        WriteField(rows.Get(), u"Poz_Nazwa", Variant::FromString(name));
    }

    ComPtr<IDispatch> AddNamed(std::u16string_view name) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(collection_->AddNew(Variant::Missing(), item.Out()), S_OK);
        SetName(name);
        return item;
    }

    LONG Count() {
        LONG count = -1;
        EXPECT_EQ(collection_->get_Count(&count), S_OK);
        return count;
    }

    HRESULT Save() { return collection_.As<ISaveable>()->Save(0); }

    ComPtr<ICollection> collection_;
};

TEST_F(CollectionTest, ItemFindsRowsByPositionIdentifierCriteriaAndBookmark) {
    EXPECT_EQ(Count(), 3);
    EXPECT_EQ(NameOf(Variant::FromLong(1)), u"Druga");
    EXPECT_EQ(NameOf(Variant::FromString(u"3")), u"Trzecia");
    EXPECT_EQ(NameOf(Variant::FromString(u"Poz_Numer=12")), u"Druga");
    EXPECT_EQ(NameOf(Variant::FromString(u"poz_nazwa='trzecia' and Poz_Numer=14")), u"Trzecia");

    ComPtr<Recordset> rows;
    ASSERT_EQ(collection_.As<IAdoCollection>()->get_Recordset(rows.Out()), S_OK);
    ASSERT_EQ(rows->MoveFirst(), S_OK);
    Variant bookmark, text;
    ASSERT_EQ(rows->get_Bookmark(bookmark.Out()), S_OK);
    ASSERT_EQ(VariantChangeType(&text, &bookmark, 0, VT_BSTR), S_OK);
    ASSERT_EQ(rows->MoveLast(), S_OK);
    EXPECT_EQ(NameOf(Variant::FromString(u"@" + std::u16string(text.bstrVal))), u"Pierwsza");
    EXPECT_EQ(NameOf(Variant::Missing()), u"Pierwsza");  // the current row, where the bookmark left it

    ComPtr<IDispatch> first, again;
    ASSERT_EQ(collection_->Item(Variant::FromLong(0), first.Out()), S_OK);
    ASSERT_EQ(collection_->Item(Variant::FromString(u"1"), again.Out()), S_OK);
    EXPECT_EQ(first.Get(), again.Get()) << "one item object per row";
}

// Items made one after another take the collection's item class as it stands when each is made.
TEST_F(CollectionTest, AnItemClassChangedAfterItemsWereMadeServesTheNextItems) {
    EXPECT_EQ(NameOf(Variant::FromLong(0)), u"Pierwsza");
    ASSERT_EQ(collection_.As<IAdoCollectionSetup>()->put_ItemClass(Bstr(u"TLX.NieMaTakiejKlasy").Get()), S_OK);
    ComPtr<IDispatch> item;
    EXPECT_EQ(collection_->Item(Variant::FromLong(1), item.Out()), CO_E_CLASSSTRING);
    EXPECT_NE(tlx::TakeErrorDescription().find(u"TLX.NieMaTakiejKlasy"), std::u16string::npos);
    ASSERT_EQ(collection_.As<IAdoCollectionSetup>()->put_ItemClass(Bstr(u"TLX.TestPozycja").Get()), S_OK);
    EXPECT_EQ(NameOf(Variant::FromLong(2)), u"Trzecia");
}

TEST_F(CollectionTest, ABookmarkKeyIsTheNumberItsTextReads) {
    ComPtr<Recordset> rows;
    ASSERT_EQ(collection_.As<IAdoCollection>()->get_Recordset(rows.Out()), S_OK);
    ASSERT_EQ(rows->MoveLast(), S_OK);
    Variant bookmark, text;
    ASSERT_EQ(rows->get_Bookmark(bookmark.Out()), S_OK);
    ASSERT_EQ(VariantChangeType(&text, &bookmark, 0, VT_BSTR), S_OK);
    const std::u16string last(text.bstrVal);
    EXPECT_EQ(NameOf(Variant::FromString(u"@0" + last)), u"Trzecia");
    EXPECT_EQ(NameOf(Variant::FromString(u"@" + last + u",0")), u"Trzecia") << "the user locale's decimal comma";
    for (const std::u16string& key : {u"@" + last + u",5", std::u16string(u"@x"), std::u16string(u"@")}) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(collection_->Item(Variant::FromString(key), item.Out()), HOST_E_NOROW) << Utf16ToUtf8(key);
        tlx::TakeErrorDescription();
    }
}

TEST_F(CollectionTest, KeysThatMatchNothingAnswerTheNoRowCode) {
    Variant keys[] = {Variant::FromLong(3), Variant::FromLong(-1), Variant::FromString(u"99"),
                      Variant::FromString(u"Poz_Numer=99"), Variant::FromString(u"@12345")};
    for (const Variant& key : keys) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(collection_->Item(key, item.Out()), HOST_E_NOROW);
        EXPECT_EQ(tlx::TakeErrorDescription().rfind(u"Nie znaleziono rekordu", 0), 0u);
    }
    ComPtr<IDispatch> item;
    EXPECT_EQ(collection_->Item(Variant::FromString(u"Brak=1"), item.Out()), E_INVALIDARG);
    EXPECT_NE(tlx::TakeErrorDescription().find(u"Brak"), std::u16string::npos);
}

TEST_F(CollectionTest, DeleteStaysPendingUntilSave) {
    ASSERT_EQ(collection_->Delete(Variant::FromString(u"Poz_Numer=12")), S_OK);
    EXPECT_EQ(Count(), 2);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje"), u"3");
    EXPECT_EQ(RecordedCalls(), (std::vector<std::string>{"bind 1 Druga", "before-delete Druga", "after-delete"}));

    RecordedCalls().clear();
    ASSERT_EQ(Save(), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje"), u"2");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje where Poz_Nazwa = 'Druga'"), u"0");
    EXPECT_EQ(RecordedCalls(), (std::vector<std::string>{"save 6 Druga", "save 4 Druga"}));
}

TEST_F(CollectionTest, SaveChecksEachChangedItemThenPreparesThenWritesThenTellsTheItems) {
    ComPtr<IDispatch> first, second;
    ASSERT_EQ(collection_->Item(Variant::FromLong(1), second.Out()), S_OK);
    ASSERT_EQ(collection_->Item(Variant::FromLong(0), first.Out()), S_OK);
    SetName(u"Pierwsza zmieniona");
    AddNamed(u"Nowa");
    RecordedCalls().clear();

    ASSERT_EQ(Save(), S_OK);
    EXPECT_EQ(RecordedCalls(),
              (std::vector<std::string>{"save 6 Pierwsza zmieniona", "save 6 Nowa", "save 7 Pierwsza zmieniona",
                                        "save 7 Nowa", "save 2 Pierwsza zmieniona", "save 2 Nowa"}))
        << "checked before the write lock, then prepared; an item merely read (Druga) is not visited";
    EXPECT_EQ(Scalar(u"select Poz_PozID from TLX.Pozycje where Poz_Nazwa = 'Nowa'"), u"4");

    RecordedCalls().clear();
    ASSERT_EQ(Save(), S_OK);
    EXPECT_EQ(RecordedCalls(), std::vector<std::string>{}) << "a save without changes visits nothing";
}

TEST_F(CollectionTest, RowsAddedThroughTheRecordsetGetItemsWhenSaved) {
    ComPtr<Recordset> rows;
    ASSERT_EQ(collection_.As<IAdoCollection>()->get_Recordset(rows.Out()), S_OK);
    ASSERT_EQ(rows->AddNew(Variant::Missing(), Variant::Missing()), S_OK);
    WriteField(rows.Get(), u"Poz_Nazwa", Variant::FromString(u"Skrypt"));
    ASSERT_EQ(Save(), S_OK);
    EXPECT_EQ(RecordedCalls(), (std::vector<std::string>{"bind 1 Skrypt", "save 6 Skrypt", "save 7 Skrypt",
                                                          "save 2 Skrypt"}));
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje"), u"4");
}

TEST_F(CollectionTest, AFailingItemRollsTheWholeSaveBackAndKeepsThePendingRows) {
    AddNamed(u"Dobra");
    AddNamed(u"ZLY");
    ASSERT_EQ(collection_->Delete(Variant::FromString(u"Poz_Numer=10")), S_OK);
    RecordedCalls().clear();

    EXPECT_EQ(Save(), E_FAIL);
    EXPECT_EQ(tlx::TakeErrorDescription(), u"Zły wiersz");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje"), u"3");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje where Poz_Nazwa = 'Dobra'"), u"0");
    EXPECT_EQ(Count(), 4) << "3 rows, one deleted, two added: all still pending";
    const std::vector<std::string>& calls = RecordedCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "save 5 Dobra"), calls.end()) << "items are told to roll back";

    ComPtr<IDispatch> bad;
    ASSERT_EQ(collection_->Item(Variant::FromString(u"Poz_Nazwa='ZLY'"), bad.Out()), S_OK);
    SetName(u"Poprawiona");
    ASSERT_EQ(Save(), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje where Poz_Nazwa in ('Dobra', 'Poprawiona')"), u"2");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje where Poz_Nazwa = 'Pierwsza'"), u"0");
}

TEST_F(CollectionTest, ChildCollectionTakesItsParentLinkAndRebindsItsQuery) {
    ComPtr<IDispatch> object = ChildrenAbove100();
    ComPtr<ICollectionSetup> setup = object.As<ICollectionSetup>();
    ComPtr<ICollection> children = object.As<ICollection>();
    LONG count = -1;
    ASSERT_EQ(children->get_Count(&count), S_OK);
    EXPECT_EQ(count, 0);
    ComPtr<IDispatch> added;
    ASSERT_EQ(children->AddNew(Variant::Missing(), added.Out()), S_OK);
    ComPtr<Recordset> rows;
    ASSERT_EQ(object.As<IAdoCollection>()->get_Recordset(rows.Out()), S_OK);
    WriteField(rows.Get(), u"Poz_Numer", Variant::FromLong(101));

    ASSERT_EQ(setup->SetParentLink(7, Bstr(u"Poz_RodzicID").Get()), S_OK);
    ASSERT_EQ(object.As<ISaveable>()->Save(0), S_OK);
    EXPECT_EQ(Scalar(u"select Poz_RodzicID from TLX.Pozycje where Poz_Numer = 101"), u"7");

    ASSERT_EQ(children->Resync(Variant::Missing()), S_OK);
    ASSERT_EQ(children->get_Count(&count), S_OK);
    EXPECT_EQ(count, 1) << "the query now reads the rows of parent 7";
}

// Rows a script adds through the recordset of a linked collection take the parent's identifier when they
// are saved, unless they were given a parent of their own.
TEST_F(CollectionTest, RowsAddedThroughTheRecordsetOfALinkedCollectionTakeItsParentWhenSaved) {
    ComPtr<IDispatch> object = ChildrenAbove100();
    ComPtr<ICollectionSetup> setup = object.As<ICollectionSetup>();
    ComPtr<Recordset> rows;
    ASSERT_EQ(object.As<IAdoCollection>()->get_Recordset(rows.Out()), S_OK);
    ComPtr<IDispatch> before;
    ASSERT_EQ(object.As<ICollection>()->AddNew(Variant::Missing(), before.Out()), S_OK);
    WriteField(rows.Get(), u"Poz_Numer", Variant::FromLong(104));
    ASSERT_EQ(setup->SetParentLink(7, Bstr(u"Poz_RodzicID").Get()), S_OK);  // links the rows it has
    for (int number : {103, 102, 101}) {
        ASSERT_EQ(rows->AddNew(Variant::Missing(), Variant::Missing()), S_OK);
        WriteField(rows.Get(), u"Poz_Numer", Variant::FromLong(number));
        if (number == 102) WriteField(rows.Get(), u"Poz_RodzicID", Variant::FromLong(9));
    }
    ASSERT_EQ(object.As<ISaveable>()->Save(0), S_OK);
    EXPECT_EQ(Scalar(u"select group_concat(Poz_Numer || ':' || Poz_RodzicID, ' ') from "
                     u"(select * from TLX.Pozycje where Poz_Numer > 100 order by Poz_Numer)"),
              u"101:7 102:9 103:7 104:7");
}

TEST_F(CollectionTest, TheHostEnumeratorWalksTheItemsEachOnItsOwnRow) {
    ComPtr<IHostEnumerator> walk = Create(u"{3006151E-90B6-4087-B118-5C2F530F25CC}").As<IHostEnumerator>();
    ASSERT_TRUE(walk);
    ASSERT_EQ(walk->Initialize(collection_.As<IDispatch>().Get()), S_OK);
    std::vector<std::u16string> names;
    for (VARIANT_BOOL end = VARIANT_FALSE; walk->IsEnd(&end), !end; walk->MoveNext()) {
        ComPtr<IDispatch> item;
        ASSERT_EQ(walk->get_Current(item.Out()), S_OK);
        Variant name = GetProperty(item.Get(), u"Nazwa");
        names.emplace_back(name.bstrVal, SysStringLen(name.bstrVal));
    }
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Pierwsza", u"Druga", u"Trzecia"}));
}

}  // namespace
}  // namespace tlx::host::test

namespace tlx::host::test {
namespace {

TEST_F(CollectionTest, AddNewWithAPatternMakesTheNewRowACopyOfIt) {
    ComPtr<IDispatch> pattern;
    ASSERT_EQ(collection_->Item(Variant::FromString(u"Poz_Numer=12"), pattern.Out()), S_OK);
    RecordedCalls().clear();
    ComPtr<IDispatch> copy;
    ASSERT_EQ(collection_->AddNew(Variant::FromDispatch(pattern.Get()), copy.Out()), S_OK);
    EXPECT_EQ(RecordedCalls(), (std::vector<std::string>{"bind 2 ", "clone Druga"}));
    Variant name = GetProperty(copy.Get(), u"Nazwa");
    EXPECT_EQ(std::u16string(name.bstrVal), u"Druga (kopia)");
    EXPECT_EQ(NameOf(Variant::FromString(u"Poz_Numer=12")), u"Druga") << "the pattern's row is untouched";
}

TEST_F(CollectionTest, ResyncReadsTheRowsAgainAndRebindsTheItemsItKeeps) {
    ComPtr<IDispatch> first;
    ASSERT_EQ(collection_->Item(Variant::FromLong(0), first.Out()), S_OK);
    Execute(u"update TLX.Pozycje set Poz_Nazwa = 'Zmieniona' where Poz_Numer = 10");
    Execute(u"insert into TLX.Pozycje (Poz_Numer, Poz_Nazwa) values (16, 'Czwarta')");
    AddNamed(u"Porzucona");
    RecordedCalls().clear();

    ASSERT_EQ(collection_->Resync(Variant::Missing()), S_OK);
    EXPECT_EQ(RecordedCalls(), (std::vector<std::string>{"bind 4 Zmieniona"}));
    EXPECT_EQ(Count(), 4) << "the added row is dropped, the new database row read";
    Variant name = GetProperty(first.Get(), u"Nazwa");
    EXPECT_EQ(std::u16string(name.bstrVal), u"Zmieniona");
    ComPtr<IDispatch> again;
    ASSERT_EQ(collection_->Item(Variant::FromLong(0), again.Out()), S_OK);
    EXPECT_EQ(again.Get(), first.Get()) << "the kept item stands for its row read again";
    ComPtr<IDispatch> added;
    ASSERT_EQ(collection_->AddNew(Variant::Missing(), added.Out()), S_OK);
    EXPECT_NE(added.Get(), first.Get());
    EXPECT_EQ(Count(), 5);
}

// Each kept item is rebound to its own row, however the rows moved: one deleted before it, one of the
// items' rows gone.
TEST_F(CollectionTest, ResyncRebindsEachKeptItemToItsOwnRow) {
    std::vector<ComPtr<IDispatch>> items(3);
    for (LONG i = 0; i < 3; ++i) ASSERT_EQ(collection_->Item(Variant::FromLong(i), items[i].Out()), S_OK);
    Execute(u"delete from TLX.Pozycje where Poz_Numer = 10");
    Execute(u"update TLX.Pozycje set Poz_Nazwa = 'Trzecia zmieniona' where Poz_Numer = 14");
    ASSERT_EQ(collection_->Resync(Variant::Missing()), S_OK);
    EXPECT_EQ(Count(), 2);
    EXPECT_EQ(std::u16string(GetProperty(items[1].Get(), u"Nazwa").bstrVal), u"Druga");
    EXPECT_EQ(std::u16string(GetProperty(items[2].Get(), u"Nazwa").bstrVal), u"Trzecia zmieniona");
    ComPtr<IDispatch> last;
    ASSERT_EQ(collection_->Item(Variant::FromLong(1), last.Out()), S_OK);
    EXPECT_EQ(last.Get(), items[2].Get()) << "the kept item stands for its row read again";
}

TEST_F(CollectionTest, CloneFromRecordsetCopiesRowsWithoutTheirIdentifiers) {
    Execute(u"insert into TLX.Pozycje (Poz_Numer, Poz_Nazwa, Poz_RodzicID) values (50, 'Obca', 9)");
    ComPtr<Recordset> source = OpenRecordset(Database(), u"select * from TLX.Pozycje where Poz_Numer >= 14");
    ASSERT_EQ(collection_.As<IAdoCollection>()->CloneFromRecordset(source.Get()), S_OK);
    EXPECT_EQ(Count(), 6);
    ASSERT_EQ(Save(), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje where Poz_Nazwa = 'Obca'"), u"2");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje"), u"6");
}

TEST_F(CollectionTest, AQueryCollectionServesItsIdentifiersFromTheSourceClass) {
    Execute(u"insert into TLX.Waluty (WNa_WNaID, WNa_Symbol) values (1, 'PLN')");
    Execute(u"insert into TLX.Waluty (WNa_WNaID, WNa_Symbol) values (2, 'EUR')");
    Execute(u"insert into TLX.Waluty (WNa_WNaID, WNa_Symbol) values (3, 'USD')");
    ComPtr<IDispatch> object = Create(u"{583CEC01-041F-4007-B259-0ABC41B45B96}");
    ComPtr<IQueryCollectionSetup> setup = object.As<IQueryCollectionSetup>();
    ASSERT_EQ(setup->put_IdColumn(Bstr(u"WNa_WNaID").Get()), S_OK);
    ASSERT_EQ(setup->put_SQL(Bstr(u"select WNa_WNaID from TLX.Waluty where WNa_Symbol <> 'PLN'").Get()), S_OK);
    ASSERT_EQ(setup->put_ItemSource(Variant::FromString(u"TLX.Waluty")), S_OK);
    ComPtr<ICollection> foreign = object.As<ICollection>();
    LONG count = 0;
    ASSERT_EQ(foreign->get_Count(&count), S_OK);
    EXPECT_EQ(count, 2);
    ComPtr<IDispatch> second;
    ASSERT_EQ(foreign->Item(Variant::FromLong(1), second.Out()), S_OK);
    EXPECT_EQ(std::u16string(GetProperty(second.Get(), u"Symbol").bstrVal), u"USD");
    ComPtr<IDispatch> home;
    EXPECT_EQ(foreign->Item(Variant::FromString(u"1"), home.Out()), HOST_E_NOROW) << "PLN is not among the ids";
    tlx::TakeErrorDescription();

    ASSERT_EQ(foreign->Delete(Variant::FromDispatch(second.Get())), S_OK);
    ASSERT_EQ(foreign->get_Count(&count), S_OK);
    EXPECT_EQ(count, 1);
    ASSERT_EQ(object.As<ISaveable>()->Save(0), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Waluty where WNa_Symbol = 'USD'"), u"0");
}

}  // namespace
}  // namespace tlx::host::test

namespace tlx::host::test {
namespace {

TEST_F(CollectionTest, ItemsHeldTogetherEachReadAndWriteTheirOwnRow) {
    ComPtr<IDispatch> first, third;
    ASSERT_EQ(collection_->Item(Variant::FromLong(0), first.Out()), S_OK);
    ASSERT_EQ(collection_->Item(Variant::FromLong(2), third.Out()), S_OK);
    EXPECT_EQ(std::u16string(GetProperty(first.Get(), u"Nazwa").bstrVal), u"Pierwsza");
    EXPECT_EQ(std::u16string(GetProperty(third.Get(), u"Nazwa").bstrVal), u"Trzecia");

    ComPtr<Recordset> firstRow;
    ASSERT_EQ(first.As<IInitializeRS>()->GetRecordset(firstRow.Out()), S_OK);
    ComPtr<IDispatch> second;
    ASSERT_EQ(collection_->Item(Variant::FromLong(1), second.Out()), S_OK);  // moves the shared recordset
    WriteField(firstRow.Get(), u"Poz_Nazwa", Variant::FromString(u"Pierwsza*"));
    EXPECT_EQ(std::u16string(GetProperty(second.Get(), u"Nazwa").bstrVal), u"Druga");
    ASSERT_EQ(Save(), S_OK);
    EXPECT_EQ(Scalar(u"select Poz_Numer from TLX.Pozycje where Poz_Nazwa = 'Pierwsza*'"), u"10");
}

}  // namespace
}  // namespace tlx::host::test

namespace tlx::host::test {
namespace {

TEST_F(CollectionTest, AReadOnlyCollectionWithChangedRowsFailsItsSaveInsteadOfReportingIt) {
    ComPtr<IDispatch> item;
    ASSERT_EQ(collection_->Item(Variant::FromLong(0), item.Out()), S_OK);
    ASSERT_EQ(collection_.As<IAdoCollectionSetup>()->put_ReadOnly(VARIANT_TRUE), S_OK);
    SetName(u"Zmieniona");
    EXPECT_EQ(Save(), E_ACCESSDENIED);
    std::u16string why = tlx::TakeErrorDescription();
    EXPECT_NE(why.find(u"tylko do odczytu"), std::u16string::npos) << std::string(why.begin(), why.end());
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje where Poz_Nazwa = 'Zmieniona'"), u"0");
}

TEST_F(CollectionTest, AChildFailingAfterItsParentWasWrittenRollsBothBackAndBothKeepTheirRows) {
    ComPtr<IDispatch> parent = AddNamed(u"Rodzic");
    ComPtr<IDispatch> object = Create(u"TLX.ChildCollection");
    ComPtr<ICollectionSetup> setup = object.As<ICollectionSetup>();
    ASSERT_EQ(setup->put_IdColumn(Bstr(u"Poz_PozID").Get()), S_OK);
    ASSERT_EQ(setup->put_SQL(Bstr(u"select * from TLX.Pozycje where Poz_RodzicID = 0 and Poz_Numer = 99").Get()), S_OK);
    ASSERT_EQ(setup->put_ItemClass(Bstr(u"TLX.TestPozycja").Get()), S_OK);
    ASSERT_EQ(setup->putref_ParentObject(parent.Get()), S_OK);
    ComPtr<IDispatch> child;
    ASSERT_EQ(object.As<ICollection>()->AddNew(Variant::Missing(), child.Out()), S_OK);
    ComPtr<Recordset> childRows;
    ASSERT_EQ(object.As<IAdoCollection>()->get_Recordset(childRows.Out()), S_OK);
    WriteField(childRows.Get(), u"Poz_Nazwa", Variant::FromString(u"ZLY"));
    WriteField(childRows.Get(), u"Poz_Numer", Variant::FromLong(99));

    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(Save(), E_FAIL);
        EXPECT_EQ(tlx::TakeErrorDescription(), u"Zły wiersz") << "the same failure again: the rows are pending";
        EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje"), u"3") << "neither parent nor child was stored";
    }

    WriteField(childRows.Get(), u"Poz_Nazwa", Variant::FromString(u"Dobry"));
    EXPECT_EQ(Save(), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje"), u"5") << "the parent and its child";
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje where Poz_Nazwa in ('Dobry', 'Rodzic')"), u"2");
}

// A save finds the items with work below them from the collections holding pending rows, upwards
// through the collections that hold each parent: a change two levels below items that were only read
// is still written.
TEST_F(CollectionTest, ASaveWritesAChangeTwoLevelsBelowItemsThatWereOnlyRead) {
    auto addTo = [&](IDispatch* collection, int number, std::u16string_view name) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(ComPtr<IDispatch>(collection).As<ICollection>()->AddNew(Variant::Missing(), item.Out()), S_OK);
        ComPtr<Recordset> rows;
        EXPECT_EQ(ComPtr<IDispatch>(collection).As<IAdoCollection>()->get_Recordset(rows.Out()), S_OK);
        WriteField(rows.Get(), u"Poz_Numer", Variant::FromLong(number));
        WriteField(rows.Get(), u"Poz_Nazwa", Variant::FromString(name));
        return item;
    };
    // Read items besides, in collections of their own, so that the save has others to pass over.
    for (int number : {10, 12, 14}) {
        ComPtr<IDispatch> read;
        ASSERT_EQ(collection_->Item(Variant::FromString(u"Poz_Numer=" + Utf8ToUtf16(std::to_string(number))), read.Out()), S_OK);
        ComPtr<IDispatch> below = PozycjeBelow(read.Get(), 200 + number);
        LONG count = -1;
        ASSERT_EQ(below.As<ICollection>()->get_Count(&count), S_OK);
    }
    ComPtr<IDispatch> parent = AddNamed(u"Rodzic");
    ComPtr<IDispatch> children = PozycjeBelow(parent.Get(), 98);
    ComPtr<IDispatch> child = addTo(children.Get(), 98, u"Dziecko");
    ComPtr<IDispatch> grandchildren = PozycjeBelow(child.Get(), 97);
    ASSERT_EQ(Save(), S_OK);
    ASSERT_EQ(Scalar(u"select count(*) from TLX.Pozycje"), u"5");

    addTo(grandchildren.Get(), 97, u"Wnuk");
    EXPECT_EQ(Save(), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje where Poz_Nazwa = 'Wnuk'"), u"1");
}

// The rows below every parent a save writes are written with it, however many parents hold collections
// and whichever collections below them were dropped before.
TEST_F(CollectionTest, ASaveWritesTheRowsBelowEveryParentItWrites) {
    constexpr int kParents = 70;
    std::vector<ComPtr<IDispatch>> parents, below;
    for (int i = 0; i < kParents; ++i) {
        parents.push_back(AddNamed(u"Rodzic"));
        if (i % 7 == 0) PozycjeBelow(parents.back().Get(), 500 + i);  // made and dropped at once
        below.push_back(PozycjeBelow(parents.back().Get(), 300 + i));
        ComPtr<IDispatch> child;
        ASSERT_EQ(below.back().As<ICollection>()->AddNew(Variant::Missing(), child.Out()), S_OK);
        ComPtr<Recordset> rows;
        ASSERT_EQ(below.back().As<IAdoCollection>()->get_Recordset(rows.Out()), S_OK);
        WriteField(rows.Get(), u"Poz_Numer", Variant::FromLong(300 + i));
        WriteField(rows.Get(), u"Poz_Nazwa", Variant::FromString(u"Dziecko"));
    }
    ASSERT_EQ(Save(), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje where Poz_Nazwa = 'Rodzic'"), u"70");
    EXPECT_EQ(Scalar(u"select count(distinct Poz_Numer) from TLX.Pozycje where Poz_Nazwa = 'Dziecko'"), u"70");
}

}  // namespace
}  // namespace tlx::host::test
