// A session's saves reach the collections whose rows changed through the list the session keeps as rows
// change: what an untouched session's save does, changes in several collections, a cancelled change, a
// failed save and its retry, a recordset that outlives its collection, and the checks of the items saved
// before the first is written.
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "RecordingItem.h"
#include "host/collections/HostCollection.h"
#include "host/session/HostSession.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace tlx::host::test {
namespace {

class ChangedCollectionsTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        RegisterTestPozycja();
        for (const char16_t* row : {u"(10, 'Pierwsza', 0)", u"(12, 'Druga', 0)", u"(14, 'Trzecia', 0)"})
            Execute(std::u16string(u"insert into TLX.Pozycje (Poz_Numer, Poz_Nazwa, Poz_RodzicID) values ") + row);
        // The top collection is saved with the session's unit of work; its items were only read.
        top_ = Create(u"{76DBCCD4-71E0-4FE8-9F04-7C9B6AA9FEDB}");
        ComPtr<IAdoCollectionSetup> setup = top_.As<IAdoCollectionSetup>();
        EXPECT_EQ(setup->put_ItemClass(Bstr(u"TLX.TestPozycja").Get()), S_OK);
        EXPECT_EQ(setup->put_IdColumn(Bstr(u"Poz_PozID").Get()), S_OK);
        EXPECT_EQ(setup->put_Table(Bstr(u"Pozycje").Get()), S_OK);
        EXPECT_EQ(setup->put_AutoSave(VARIANT_TRUE), S_OK);
        for (LONG i = 0; i < 3; ++i) {
            EXPECT_EQ(top_.As<ICollection>()->Item(Variant::FromLong(i), items_[i].Out()), S_OK);
            children_[i] = ChildOf(items_[i].Get(), 100 + i);
        }
        RecordedCalls().clear();
    }

    // A collection of the rows numbered `number` below an item, read.
    ComPtr<IDispatch> ChildOf(IDispatch* parent, LONG number) {
        ComPtr<IDispatch> object = PozycjeBelow(parent, number);
        LONG count = -1;
        EXPECT_EQ(object.As<ICollection>()->get_Count(&count), S_OK);
        return object;
    }

    static ComPtr<Recordset> RowsOf(IDispatch* collection) {
        ComPtr<Recordset> rows;
        EXPECT_EQ(ComPtr<IDispatch>(collection).As<IAdoCollection>()->get_Recordset(rows.Out()), S_OK);
        return rows;
    }

    // Adds a row through the collection's recordset, as a script does.
    static void AddRow(IDispatch* collection, LONG number, std::u16string_view name) {
        ComPtr<Recordset> rows = RowsOf(collection);
        ASSERT_EQ(rows->AddNew(Variant::Missing(), Variant::Missing()), S_OK);
        WriteField(rows.Get(), u"Poz_Numer", Variant::FromLong(number));
        WriteField(rows.Get(), u"Poz_Nazwa", Variant::FromString(name));
    }

    std::u16string Changes() { return Scalar(u"select total_changes()"); }
    std::u16string Names() { return Scalar(u"select group_concat(Poz_Nazwa, ',') from TLX.Pozycje where Poz_Numer >= 100"); }

    // How many of the session's collections are on its list of collections with changed rows.
    int Listed() {
        int listed = 0;
        for (HostCollection* collection : HostSessionOf(session_.Get())->Collections())
            listed += collection->sessionMarks.listed ? 1 : 0;
        return listed;
    }

    static bool Recorded(const std::string& call) {
        const std::vector<std::string>& calls = RecordedCalls();
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }

    ComPtr<IDispatch> top_;
    ComPtr<IDispatch> items_[3];
    ComPtr<IDispatch> children_[3];
};

TEST_F(ChangedCollectionsTest, ASaveOfAnUntouchedSessionVisitsNoCollectionAndWritesNothing) {
    EXPECT_EQ(Listed(), 0) << "reading rows lists no collection";
    std::u16string before = Changes();
    ASSERT_EQ(session_->SaveChanges(), S_OK);
    EXPECT_EQ(RecordedCalls(), std::vector<std::string>{});
    EXPECT_EQ(Changes(), before);

    AddRow(children_[0].Get(), 100, u"Nowy");
    EXPECT_EQ(Listed(), 1);
    ASSERT_EQ(session_->SaveChanges(), S_OK);
    EXPECT_EQ(Names(), u"Nowy");
    EXPECT_EQ(Listed(), 0) << "a saved collection leaves the list";
    RecordedCalls().clear();
    before = Changes();
    ASSERT_EQ(session_->SaveChanges(), S_OK);
    EXPECT_EQ(RecordedCalls(), std::vector<std::string>{}) << "nothing is visited again";
    EXPECT_EQ(Changes(), before);
}

TEST_F(ChangedCollectionsTest, RowsChangedInTwoCollectionsAreBothSavedUnderTheirParents) {
    AddRow(children_[0].Get(), 100, u"Pod pierwszą");
    AddRow(children_[2].Get(), 102, u"Pod trzecią");
    ASSERT_EQ(session_->SaveChanges(), S_OK);
    EXPECT_EQ(Names(), u"Pod pierwszą,Pod trzecią");
    EXPECT_TRUE(Recorded("save 7 Pierwsza")) << "an item with work below is visited";
    EXPECT_TRUE(Recorded("save 7 Trzecia"));
    EXPECT_FALSE(Recorded("save 7 Druga")) << "an item merely read is not";
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje"), u"5");
}

TEST_F(ChangedCollectionsTest, ACollectionWhoseChangeWasCancelledIsNotWritten) {
    AddRow(children_[0].Get(), 100, u"Odwołany");
    AddRow(children_[1].Get(), 101, u"Zostaje");
    ASSERT_EQ(RowsOf(children_[0].Get())->CancelBatch(adAffectAll), S_OK);
    ASSERT_EQ(session_->SaveChanges(), S_OK);
    EXPECT_EQ(Names(), u"Zostaje");
    EXPECT_FALSE(Recorded("save 7 Pierwsza")) << "nothing is left below the first item";
    EXPECT_TRUE(Recorded("save 7 Druga"));
    EXPECT_EQ(Listed(), 0);
}

TEST_F(ChangedCollectionsTest, AFailedSaveKeepsEveryChangeListedSoThatARetryWritesTheSameRows) {
    // The first collection's rows are written before the second fails: the rollback puts them back.
    AddRow(children_[0].Get(), 100, u"Dobry");
    AddRow(children_[1].Get(), 101, u"ZLY");
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(session_->SaveChanges(), E_FAIL);
        EXPECT_EQ(TakeErrorDescription(), u"Zły wiersz");
        EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje"), u"3") << "attempt " << attempt;
        EXPECT_EQ(Listed(), 2) << "attempt " << attempt;
    }
    ComPtr<Recordset> rows = RowsOf(children_[1].Get());
    ASSERT_EQ(rows->MoveFirst(), S_OK);
    WriteField(rows.Get(), u"Poz_Nazwa", Variant::FromString(u"Poprawiony"));
    ASSERT_EQ(session_->SaveChanges(), S_OK);
    EXPECT_EQ(Names(), u"Dobry,Poprawiony");
    EXPECT_EQ(Listed(), 0);
}

TEST_F(ChangedCollectionsTest, AChangeBelowAnItemIsSavedAfterItsCollectionDroppedAnotherItem) {
    AddRow(children_[0].Get(), 100, u"Pierwszy");
    ASSERT_EQ(session_->SaveChanges(), S_OK);
    ASSERT_EQ(top_.As<ICollection>()->Delete(Variant::FromString(u"Poz_Numer=12")), S_OK);
    ASSERT_EQ(session_->SaveChanges(), S_OK);
    ASSERT_EQ(Scalar(u"select count(*) from TLX.Pozycje where Poz_Numer = 12"), u"0");
    RecordedCalls().clear();

    AddRow(children_[0].Get(), 100, u"Drugi");
    ASSERT_EQ(session_->SaveChanges(), S_OK);
    EXPECT_EQ(Names(), u"Pierwszy,Drugi");
    EXPECT_TRUE(Recorded("save 7 Pierwsza")) << "the item above the change is still found";
}

// The items of a collection the session saves are checked before its database transaction opens, all of
// them before the first is written, so that a long check holds no other user's save up.
TEST_F(ChangedCollectionsTest, ItemsOfTheUnitOfWorkAreAllCheckedBeforeAnyIsWritten) {
    ASSERT_EQ(session_.As<ISession2>()->AddObject(items_[0].Get()), S_OK);
    ComPtr<Recordset> rows = RowsOf(top_.Get());
    ASSERT_EQ(rows->MoveFirst(), S_OK);
    WriteField(rows.Get(), u"Poz_Nazwa", Variant::FromString(u"Pierwsza zmieniona"));
    ASSERT_EQ(rows->MoveLast(), S_OK);
    WriteField(rows.Get(), u"Poz_Nazwa", Variant::FromString(u"Trzecia zmieniona"));
    RecordedCalls().clear();
    ASSERT_EQ(session_->SaveChanges(), S_OK);
    std::vector<std::string> saves;
    for (const std::string& call : RecordedCalls())
        if (call.rfind("save ", 0) == 0) saves.push_back(call);
    EXPECT_EQ(saves, (std::vector<std::string>{"save 6 Pierwsza zmieniona", "save 6 Trzecia zmieniona",
                                               "save 7 Pierwsza zmieniona", "save 7 Trzecia zmieniona",
                                               "save 2 Pierwsza zmieniona", "save 2 Trzecia zmieniona"}));
}

TEST_F(ChangedCollectionsTest, ARecordsetKeptAfterItsCollectionIsGoneChangesWithoutIt) {
    ComPtr<IDispatch> passing = ChildOf(items_[0].Get(), 105);
    ComPtr<Recordset> kept = RowsOf(passing.Get());
    passing.Reset();
    ASSERT_EQ(kept->AddNew(Variant::Missing(), Variant::Missing()), S_OK);
    WriteField(kept.Get(), u"Poz_Nazwa", Variant::FromString(u"Bez kolekcji"));
    EXPECT_EQ(Listed(), 0);
    ASSERT_EQ(session_->SaveChanges(), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje"), u"3") << "no collection writes the rows";
}

}  // namespace
}  // namespace tlx::host::test
