#include <gtest/gtest.h>

#include "ModuleClasses.h"
#include "ModuleClassFixture.h"
#include "mv_deklaracje/deklaracje/DeklZaklady.h"
#include "mv_deklaracje/deklaracje/Deklaracje.h"
#include "host/Database.h"
#include "mv_deklaracje_tlb.h"
#include "platform/ado/Ado.h"

namespace {

class Collections : public ModuleClassTest {
protected:
    LONG CountOf(ICollection* collection) {
        LONG count = -1;
        EXPECT_EQ(collection->get_Count(&count), S_OK);
        return count;
    }
    std::u16string Scalar(std::u16string_view sql) {
        tlx::ComPtr<Connection> connection;
        session_.As<ISession2>()->get_Connection(connection.Out());
        return tlx::host::ReadText(tlx::host::OpenRecordset(connection.Get(), sql).Get(), u"Value");
    }
    // Adds a row through the collection's recordset, as the host's forms do.
    void AddRowThroughRecordset(IAdoCollection* collection, const char16_t* column, const char16_t* value) {
        tlx::ComPtr<Recordset> rows;
        ASSERT_EQ(collection->get_Recordset(rows.Out()), S_OK);
        ASSERT_EQ(rows->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing()), S_OK);
        tlx::host::WriteField(rows.Get(), column, tlx::Variant::FromString(value));
    }

    RegisteredModuleClasses classes_;
};

}  // namespace

TEST(CollectionShell, AnswersEPointerWhileItHoldsNoHostCollection) {
    auto collection = CDeklZaklady::Make();
    LONG count = 0;
    EXPECT_EQ(collection->get_Count(&count), E_POINTER);
    tlx::ComPtr<IDispatch> item;
    EXPECT_EQ(collection->Item(tlx::Variant::FromLong(0), item.Out()), E_POINTER);
    EXPECT_EQ(collection->Save(6), E_POINTER);
    EXPECT_EQ(collection->putref_Collection(nullptr), E_POINTER);
    LONG mode = 0;
    EXPECT_EQ(collection->get_ROSaveMode(&mode), E_POINTER) << "collections keep no save mode";
    IDispatch* state = reinterpret_cast<IDispatch*>(0x1);
    EXPECT_EQ(collection->get_State(&state), S_OK);
    EXPECT_EQ(state, nullptr);
}

TEST_F(Collections, EstablishmentsListEveryRowOfTheirTable) {
    Execute(u"INSERT INTO TLX.DeklZaklady (DkZ_NazwaSkrocona, DkZ_Nieaktywny) VALUES ('Zakład główny', 0), "
            u"('Magazyn', 1)");
    auto establishments = CDeklZaklady::Make();
    LONG state = 0;
    ASSERT_EQ(establishments->Initialize(session_.Get(), &state), S_OK);
    EXPECT_EQ(state, 5);
    EXPECT_EQ(CountOf(establishments.Get()), 2) << "inactive establishments included";
    tlx::Bstr column;
    ASSERT_EQ(establishments->get_IdColumn(column.Out()), S_OK);
    EXPECT_EQ(column.View(), u"DkZ_DkZID");

    IDispatch* stateObject = reinterpret_cast<IDispatch*>(0x1);
    EXPECT_EQ(establishments->get_State(&stateObject), S_OK);
    EXPECT_EQ(stateObject, nullptr) << "the host collection has no state object";

    tlx::ComPtr<IDispatch> item;
    ASSERT_EQ(establishments->Item(tlx::Variant::FromString(u"DkZ_NazwaSkrocona='Magazyn'"), item.Out()), S_OK);
    tlx::ComPtr<IDeklZaklad> magazyn = item.As<IDeklZaklad>();
    ASSERT_TRUE(magazyn) << "each item is an establishment record";
    tlx::ComPtr<IIdentity> identity = item.As<IIdentity>();
    ASSERT_TRUE(identity);
    LONG id = 0;
    identity->get_ID(&id);
    EXPECT_EQ(id, 2);

    tlx::ComPtr<IDispatch> added;
    ASSERT_EQ(establishments->AddNew(tlx::Variant::Missing(), added.Out()), S_OK);
    EXPECT_EQ(establishments->Save(6), S_OK);
    EXPECT_EQ(Scalar(u"SELECT COUNT(*) AS Value FROM TLX.DeklZaklady"), u"3") << "the host collection saves its rows";
}

TEST_F(Collections, EmptyTableGivesAnEmptyCollection) {
    auto establishments = CDeklZaklady::Make();
    LONG state = 0;
    ASSERT_EQ(establishments->Initialize(session_.Get(), &state), S_OK);
    EXPECT_EQ(CountOf(establishments.Get()), 0);
}

TEST_F(Collections, AttachingAnotherHostCollectionReplacesTheFirstAndSavesIt) {
    Execute(u"INSERT INTO TLX.Urzedy (Urz_Kod) VALUES ('1471'), ('1202'), ('0271')");
    auto establishments = CDeklZaklady::Make();
    LONG state = 0;
    ASSERT_EQ(establishments->Initialize(session_.Get(), &state), S_OK);
    tlx::ComPtr<IDispatch> offices;
    ASSERT_EQ(session_->CreateObject(tlx::Bstr(u"TLX.Urzedy").Get(), tlx::Variant::Missing(), offices.Out()), S_OK);
    ASSERT_EQ(establishments->putref_Collection(offices.Get()), S_OK);
    EXPECT_EQ(CountOf(establishments.Get()), 3);

    AddRowThroughRecordset(establishments.Get(), u"Urz_Kod", u"1435");
    EXPECT_EQ(establishments->Save(6), S_OK);
    EXPECT_EQ(Scalar(u"SELECT COUNT(*) AS Value FROM TLX.Urzedy"), u"4") << "saving goes to the held collection";
}

TEST_F(Collections, DeclarationsAreCreatedByProgIdOverTheirTable) {
    Execute(u"INSERT INTO TLX.DeklNag (DkN_TypDeklar, DkN_RokMiesiac) VALUES (1, 202401), (1, 202402)");
    tlx::ComPtr<IDispatch> object;
    ASSERT_EQ(session_->CreateObject(tlx::Bstr(u"TLXDeklaracje.Deklaracje").Get(), tlx::Variant::Missing(),
                                     object.Out()),
              S_OK);
    tlx::ComPtr<IAdoCollection> declarations = object.As<IAdoCollection>();
    ASSERT_TRUE(declarations);
    tlx::Variant count;
    ASSERT_EQ(ReadProperty(object.Get(), u"Count", count), S_OK) << "the host collection's dispatch answers";
    EXPECT_EQ(count.lVal, 2);
    tlx::Bstr column;
    ASSERT_EQ(declarations->get_IdColumn(column.Out()), S_OK);
    EXPECT_EQ(column.View(), u"Dkn_DknId");
    tlx::ComPtr<Recordset> rows;
    ASSERT_EQ(declarations->get_Recordset(rows.Out()), S_OK);
    EXPECT_EQ(tlx::host::ReadLong(rows.Get(), u"DkN_RokMiesiac"), 202401);
}
