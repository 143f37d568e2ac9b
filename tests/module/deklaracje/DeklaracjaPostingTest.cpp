// A declaration in the host's accounting, through the host on a company database: when it may be
// pre-posted, its pre-posting entry with the declaration's number, dates and lines stored in the
// accounting, and what each of the host's save modes does to the entry and the link.
#include <gtest/gtest.h>

#include "DeclarationFixture.h"
#include "hostapi/Accounting.h"
#include "hostapi/Errors.h"
#include "platform/com/VariantConversion.h"

namespace tlx::test {
namespace {

std::u16string Number(long value) { return Utf8ToUtf16(std::to_string(value)); }

class DeklaracjaPostingTest : public DeclarationTest {
protected:
    void SetUp() override {
        DeclarationTest::SetUp();
        UseTestForms();
        declarations_ = Declarations();
        Execute(u"insert into TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) values ('RodzajKsiegowosci', '3')");
    }

    // A VAT-7 for March 2016, saved (and numbered 1).
    ComPtr<IDeklaracja2> SavedVat7() {
        ComPtr<IDispatch> item;
        EXPECT_EQ(declarations_->AddNew(Variant::Missing(), item.Out()), S_OK);
        auto declaration = item.As<IDeklaracja2>();
        declaration->put_TypDeklar(dekVAT7);
        declaration->put_Wersja(1);
        declaration->put_Rok(2016);
        EXPECT_EQ(declaration->put_Miesiac(3), S_OK) << Utf16ToUtf8(LastError());
        Put(declaration.Get(), u"DoZaplaty", Variant::FromDouble(1234));
        Save();
        return declaration;
    }
    void Save() { ASSERT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError()); }
    static LONG Id(IUnknown* object) {
        LONG id = 0;
        ComPtr<IUnknown>(object).As<IIdentity>()->get_ID(&id);
        return id;
    }
    static LONG Postable(IDokumentKsiegowany* document) {
        LONG answer = -1;
        EXPECT_EQ(document->get_DoKsiegowania(&answer), S_OK) << Utf16ToUtf8(LastError());
        return answer;
    }
    // The entry of a declaration, stored by the session, with one line on account 221.
    ComPtr<IPostingEntry> PrePost(IDokumentKsiegowany* document) {
        ComPtr<IPostingEntry> entry;
        EXPECT_EQ(document->get_PreDekret(entry.Out()), S_OK) << Utf16ToUtf8(LastError());
        if (!entry) return entry;
        EXPECT_EQ(document->AddPostingEntry(ComPtr<IDispatch>(entry).Get()), S_OK);
        EXPECT_EQ(session_->SaveChanges(), S_OK) << Utf16ToUtf8(LastError());
        ComPtr<ICollection> lines;
        EXPECT_EQ(entry->get_Elementy(lines.Out()), S_OK);
        ComPtr<Recordset> rows;
        lines.As<IAdoCollection>()->get_Recordset(rows.Out());
        rows->AddNew(Variant::Missing(), Variant::Missing());
        ComPtr<Fields> fields;
        rows->get_Fields(fields.Out());
        ComPtr<Field> field;
        fields->get_Item(Variant::FromString(u"DeE_Konto"), field.Out());
        field->put_Value(Variant::FromString(u"221"));
        EXPECT_EQ(lines.As<ISaveable>()->Save(0), S_OK) << Utf16ToUtf8(LastError());
        return entry;
    }

    ComPtr<ICollection> declarations_;
};

TEST_F(DeklaracjaPostingTest, OnlyASavedLockedDeclarationOfAPostedFormIsPrePosted) {
    auto declaration = SavedVat7();
    auto document = declaration.As<IDokumentKsiegowany>();
    ASSERT_TRUE(document);
    EXPECT_EQ(Postable(document.Get()), 0) << "not locked: approval -61";
    ComPtr<IPostingEntry> entry;
    ASSERT_EQ(document->get_PreDekret(entry.Out()), S_OK);
    EXPECT_FALSE(entry);
    ASSERT_EQ(declaration->put_Zablokowana(1), S_OK);
    EXPECT_EQ(Postable(document.Get()), 1);

    Execute(u"update TLX.Konfiguracja set Kfg_Wartosc = '1' where Kfg_Klucz = 'RodzajKsiegowosci'");
    EXPECT_EQ(Postable(document.Get()), 1) << "the company's kind of accounting is asked once";
    auto fresh = SavedVat7().As<IDokumentKsiegowany>();
    declaration->put_Zablokowana(1);
    fresh.As<IDeklaracja2>()->put_Zablokowana(1);
    EXPECT_EQ(Postable(fresh.Get()), 0) << "a company without full accounts posts no declaration";

    ComPtr<IDispatch> item;
    ASSERT_EQ(declarations_->AddNew(Variant::Missing(), item.Out()), S_OK);
    auto unsaved = item.As<IDeklaracja2>();
    unsaved->put_TypDeklar(dekVAT7);
    unsaved->put_Zablokowana(1);
    unsaved.As<IDokumentKsiegowany>()->put_PreDekId(57);
    EXPECT_EQ(Postable(unsaved.As<IDokumentKsiegowany>().Get()), 0);
    LONG link = -1;
    unsaved.As<IDokumentKsiegowany>()->get_PreDekId(&link);
    EXPECT_EQ(link, 0) << "asking clears the link of a declaration not saved yet";
}

TEST_F(DeklaracjaPostingTest, AVat7IsPostedWithItsNumberDatesAndLinesInTheAccounting) {
    auto declaration = SavedVat7();
    ASSERT_EQ(declaration->put_Zablokowana(1), S_OK);
    auto document = declaration.As<IDokumentKsiegowany>();
    auto entry = PrePost(document.Get());
    ASSERT_TRUE(entry);
    LONG state = -1;
    ASSERT_EQ(document->get_PostingState(&state), S_OK);
    EXPECT_EQ(state, 2) << "an entry with lines, not linked by the row yet";

    Save();  // mode 7 writes the stored entry's identifier into the row
    LONG id = Id(declaration.Get());
    LONG entryId = Id(entry.Get());
    ASSERT_GT(entryId, 0);
    EXPECT_EQ(Scalar(u"select DkN_PreDekId from TLX.DeklNag where DkN_DkNID = " + Number(id)), Number(entryId));
    EXPECT_EQ(Scalar(u"select DeK_Dokument || '|' || DeK_DokumentTyp || '|' || DeK_DokumentID || '|' || DeK_Bufor || "
                     u"'|' || DeK_DataDok || '|' || DeK_DataOpe || '|' || DeK_DataWys from TLX.Dekrety"),
              u"DEK/1/03/2016|6|" + Number(id) + u"|1|2023-03-15 00:00:00|2016-04-25 00:00:00|2016-04-25 00:00:00")
        << "the host's working date posts; the operation and issue dates are the declaration's due date";
    EXPECT_EQ(Scalar(u"select DeE_DeKID || ':' || DeE_Konto from TLX.DekretyElementy"), Number(entryId) + u":221");
    ASSERT_EQ(document->get_PostingState(&state), S_OK);
    EXPECT_EQ(state, 1);
    DATE due = 0;
    ASSERT_EQ(document->DataKsiegowa(14, &due), S_OK);
    EXPECT_EQ(due, 42485.0) << "2016-04-25";
    Bstr ident;
    ASSERT_EQ(document->get_IdentKsieg(ident.Out()), S_OK);
    EXPECT_EQ(ident.Str(), u"");
}

TEST_F(DeklaracjaPostingTest, SaveModesDiscardKeepAndDropTheEntry) {
    auto declaration = SavedVat7();
    ASSERT_EQ(declaration->put_Zablokowana(1), S_OK);
    auto document = declaration.As<IDokumentKsiegowany>();
    auto entry = PrePost(document.Get());
    ASSERT_TRUE(entry);
    auto saveable = declaration.As<ISaveable>();

    ASSERT_EQ(saveable->Save(hostSaveDeleted), S_OK) << Utf16ToUtf8(LastError());
    LONG state = -1;
    document->get_PostingState(&state);
    EXPECT_EQ(state, 0) << "mode 4 lets the entry go";

    ASSERT_EQ(document->PrzypiszPreDekret(ComPtr<IDispatch>(entry).Get()), S_OK);
    LONG link = 0;
    document->get_PreDekId(&link);
    EXPECT_EQ(link, Id(entry.Get()));
    ASSERT_EQ(saveable->Save(hostSaveCheck), S_OK) << Utf16ToUtf8(LastError());
    Save();
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Dekrety"), u"1") << "modes 6 and 7 keep the linked entry";

    ASSERT_EQ(declaration->put_Zablokowana(0), S_OK);
    ASSERT_EQ(saveable->Save(hostSaveDiscard), S_OK) << Utf16ToUtf8(LastError());
    document->get_PreDekId(&link);
    EXPECT_EQ(link, 0) << "mode 1 of an unlocked declaration removes its entry";
    ASSERT_EQ(session_->SaveChanges(), S_OK) << Utf16ToUtf8(LastError());
    Save();
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Dekrety"), u"0");
    EXPECT_EQ(Scalar(u"select DkN_PreDekId from TLX.DeklNag"), u"NULL");
}

TEST_F(DeklaracjaPostingTest, ThePreDekIdLinkAndTheAnswersOfAnUnpostedDocument) {
    auto declaration = SavedVat7();
    auto document = declaration.As<IDokumentKsiegowany>();
    for (LONG cleared : {0, -1}) {
        ASSERT_EQ(document->put_PreDekId(57), S_OK);
        ASSERT_EQ(document->put_PreDekId(cleared), S_OK);
        LONG link = -1;
        document->get_PreDekId(&link);
        EXPECT_EQ(link, 0) << cleared;
    }
    ASSERT_EQ(document->put_PreDekId(57), S_OK);
    LONG state = -1;
    document->get_PostingState(&state);
    EXPECT_EQ(state, 1) << "the row names an entry";
    ComPtr<IPostingEntry> entry;
    EXPECT_EQ(document->get_PostingEntry(entry.Out()), S_OK);
    EXPECT_FALSE(entry) << "no entries collection yet";
    EXPECT_EQ(document->AddPostingEntry(nullptr), S_OK);
    LONG kind = 0;
    document->get_TypZrodla(&kind);
    EXPECT_EQ(kind, 6);
    EXPECT_EQ(document->get_PreDekId(nullptr), E_POINTER);
    EXPECT_EQ(document->get_DoKsiegowania(nullptr), E_POINTER);

    auto plain = declaration.As<IDokument>();
    ASSERT_TRUE(plain);
    LONG value = -1;
    ASSERT_EQ(plain->get_Status(&value), S_OK);
    EXPECT_EQ(value, 0);
    ASSERT_EQ(plain->get_ID(&value), S_OK);
    EXPECT_EQ(value, Id(declaration.Get()));
}

}  // namespace
}  // namespace tlx::test
