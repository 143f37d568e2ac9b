// The declaration's members beside its main road, through the host on a company database: cloning,
// the page text, the lock spread over child declarations, the form's period of validity, the VAT side
// lists per form type and the e-declaration status.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DeclarationFixture.h"
#include "platform/ado/DateText.h"
#include "hostapi/Errors.h"
#include "hostapi/Accounting.h"
#include "platform/com/ProvideClassInfo.h"
#include "platform/com/VariantConversion.h"

namespace tlx::test {
namespace {

std::u16string Text(const VARIANT& value) {
    Variant text;
    if (FAILED(VariantChangeType(&text, &value, 0, VT_BSTR))) return u"(?)";
    return std::u16string(text.bstrVal, SysStringLen(text.bstrVal));
}

std::u16string Number(long value) { return Utf8ToUtf16(std::to_string(value)); }

class DeklaracjaMembersTest : public DeclarationTest {
protected:
    void SetUp() override {
        DeclarationTest::SetUp();
        UseTestForms();
        declarations_ = Declarations();
    }

    ComPtr<IDeklaracja2> NewDeclaration(LONG type, LONG year, LONG month) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(declarations_->AddNew(Variant::Missing(), item.Out()), S_OK) << Utf16ToUtf8(LastError());
        auto declaration = item.As<IDeklaracja2>();
        EXPECT_EQ(declaration->put_TypDeklar(type), S_OK);
        EXPECT_EQ(declaration->put_Wersja(1), S_OK);
        EXPECT_EQ(declaration->put_Rok(year), S_OK);
        if (month != 0) {  // 0: the month is never given, as for a new yearly return
            EXPECT_EQ(declaration->put_Miesiac(month), S_OK) << Utf16ToUtf8(LastError());
        }
        return declaration;
    }
    // A stored declaration, read through a declarations collection of the test's session.
    ComPtr<IDeklaracja2> Stored(LONG id) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(declarations_->Item(Variant::FromString(Number(id)), item.Out()), S_OK) << Utf16ToUtf8(LastError());
        return item.As<IDeklaracja2>();
    }
    void Save() { ASSERT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError()); }
    static LONG Id(IDeklaracja2* declaration) {
        LONG id = 0;
        declaration->get_ID(&id);
        return id;
    }

    ComPtr<ICollection> declarations_;
};

// --- Cloning -----------------------------------------------------------------------------------------

TEST_F(DeklaracjaMembersTest, ACloneCopiesTheStoredValuesAndLeavesThePatternAsItWas) {
    auto pattern = NewDeclaration(902, 2015, 6);
    Put(pattern.Get(), u"Kwota", Variant::FromDouble(123.45));
    Put(pattern.Get(), u"Nazwa", Variant::FromString(u"Wzór"));
    ASSERT_EQ(pattern->put_EDekl_RefID(Bstr(u"REF-1").Get()), S_OK);
    ASSERT_EQ(pattern->put_DekID(7), S_OK);
    Save();
    LONG patternId = Id(pattern.Get());

    ComPtr<IDispatch> item;
    ASSERT_EQ(declarations_->AddNew(Variant::FromDispatch(ComPtr<IDispatch>(pattern).Get()), item.Out()), S_OK)
        << Utf16ToUtf8(LastError());
    auto clone = item.As<IDeklaracja2>();
    LONG value = -1;
    ASSERT_EQ(clone->get_JestemKlonem(&value), S_OK);
    EXPECT_EQ(value, 1);
    clone->get_Numer(&value);
    EXPECT_EQ(value, 0) << "the clone is numbered when it is saved";
    clone->get_DekID(&value);
    EXPECT_EQ(value, 0);
    Bstr reference;
    ASSERT_EQ(clone->get_EDekl_RefID(reference.Out()), S_OK);
    EXPECT_EQ(reference.Str(), u"") << "a clone has not been filed";
    EXPECT_EQ(Text(Get(clone.Get(), u"Kwota")), u"123,45");
    EXPECT_EQ(Text(Get(clone.Get(), u"Nazwa")), u"Wzór");
    EXPECT_NE(Text(Get(clone.Get(), u"Zdarzenia")).find(u"onclone;"), std::u16string::npos);

    Save();
    LONG cloneId = Id(clone.Get());
    EXPECT_NE(cloneId, patternId);
    clone->get_Numer(&value);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem where DkE_DkNID = " + Number(cloneId)), u"2");
    EXPECT_EQ(Scalar(u"select DkE_WartoscTekst from TLX.DeklElem where DkE_Numer = 2 and DkE_DkNID = " +
                     Number(cloneId)),
              u"Wzór");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem where DkE_DkNID = " + Number(patternId)), u"2");
    EXPECT_EQ(Scalar(u"select DkN_EDekl_RefID || '/' || DkN_DekId || '/' || DkN_Numer from TLX.DeklNag "
                     u"where DkN_DkNID = " + Number(patternId)),
              u"REF-1/7/1");
    EXPECT_EQ(Scalar(u"select ifnull(DkN_EDekl_RefID, 'NULL') || '/' || ifnull(DkN_DekId, 'NULL') "
                     u"from TLX.DeklNag where DkN_DkNID = " + Number(cloneId)),
              u"NULL/NULL");
}

TEST_F(DeklaracjaMembersTest, ADeclarationNotSavedYetCannotBeCloned) {
    auto pattern = NewDeclaration(902, 2015, 6);
    ComPtr<IDispatch> item;
    EXPECT_EQ(declarations_->AddNew(Variant::FromDispatch(ComPtr<IDispatch>(pattern).Get()), item.Out()),
              HOST_E_CLONEUNSAVED);
    EXPECT_EQ(pattern->InitializeClone(nullptr), E_POINTER);
}

// --- Page text -----------------------------------------------------------------------------------

TEST_F(DeklaracjaMembersTest, TheTextIsKeptInPagesOf4096CharactersAndShrinksWithItsText) {
    auto declaration = NewDeclaration(902, 2015, 12);
    std::u16string text;
    for (int i = 0; i < 10000; ++i) text += static_cast<char16_t>(u'a' + i % 26);
    ASSERT_EQ(declaration->put_Tekst(Bstr(text).Get()), S_OK) << Utf16ToUtf8(LastError());
    Save();
    std::u16string where = u" from TLX.DeklStr where DkS_DkNID = " + Number(Id(declaration.Get()));
    EXPECT_EQ(Scalar(u"select group_concat(DkS_Lp || ':' || length(DkS_Tekst), ' ') from (select *" + where +
                     u" order by DkS_Lp)"),
              u"0:4096 1:4096 2:1808");
    Bstr read;
    ASSERT_EQ(declaration->get_Tekst(read.Out()), S_OK);
    EXPECT_TRUE(read.Str() == text);

    ASSERT_EQ(declaration->put_Tekst(Bstr(text.substr(0, 8192)).Get()), S_OK);
    Save();
    EXPECT_EQ(Scalar(u"select group_concat(DkS_Lp || ':' || length(DkS_Tekst), ' ') from (select *" + where +
                     u" order by DkS_Lp)"),
              u"0:4096 1:4096")
        << "the page left over is removed";

    EXPECT_EQ(declaration->put_Tekst(nullptr), E_POINTER);
    EXPECT_EQ(declaration->get_Tekst(nullptr), E_POINTER);
}

TEST_F(DeklaracjaMembersTest, APageNeverEndsInsideACharacter) {
    auto declaration = NewDeclaration(902, 2015, 12);
    std::u16string text(4095, u'x');
    text += u"\U0001F600";  // a surrogate pair on characters 4096 and 4097
    text += u"ąę";
    ASSERT_EQ(declaration->put_Tekst(Bstr(text).Get()), S_OK);
    Save();
    EXPECT_EQ(Scalar(u"select group_concat(length(DkS_Tekst), ' ') from (select * from TLX.DeklStr order by DkS_Lp)"),
              u"4095 3")
        << "the pair moves whole to the next page";
    Bstr read;
    ASSERT_EQ(declaration->get_Tekst(read.Out()), S_OK);
    EXPECT_TRUE(read.Str() == text);
}

TEST_F(DeklaracjaMembersTest, ATextCutToItsColumnKeepsWholeCharactersAndItsNuls) {
    auto declaration = NewDeclaration(902, 2015, 12);
    std::u16string text(1023, u'x');
    text += u"\U0001F600";  // a surrogate pair on characters 1024 and 1025 of a 1024-character column
    Put(declaration.Get(), u"Nazwa", Variant::FromString(text));
    std::u16string nul = std::u16string(u"a") + u'\0' + u"b";
    auto other = NewDeclaration(902, 2015, 11);
    Put(other.Get(), u"Nazwa", Variant::FromString(nul));
    Save();
    EXPECT_EQ(Scalar(u"select length(DkE_WartoscTekst) from TLX.DeklElem where DkE_Numer = 2 and DkE_DkNID = " +
                     Number(Id(declaration.Get()))),
              u"1023")
        << "the pair is left out whole";
    Variant read = Get(other.Get(), u"Nazwa");
    ASSERT_EQ(read.vt, VT_BSTR);
    EXPECT_EQ(std::u16string(read.bstrVal, SysStringLen(read.bstrVal)), nul) << "a NUL does not end the text";
    auto fresh = Declarations();
    ComPtr<IDispatch> item;
    ASSERT_EQ(fresh->Item(Variant::FromString(Number(Id(other.Get()))), item.Out()), S_OK);
    read = Get(item.Get(), u"Nazwa");
    EXPECT_EQ(std::u16string(read.bstrVal, SysStringLen(read.bstrVal)), nul) << "stored whole";
}

TEST_F(DeklaracjaMembersTest, TheAuditStampFollowsTheRowAndIsSavedWithIt) {
    auto declaration = NewDeclaration(902, 2015, 10);
    auto other = NewDeclaration(902, 2015, 9);
    Save();
    std::u16string where = u" from TLX.DeklNag where DkN_DkNID = " + Number(Id(declaration.Get()));
    EXPECT_EQ(Scalar(u"select DkN_OpeZalId || '/' || (DkN_TS_Zal is not null)" + where), u"1/1")
        << "stamped without anybody asking for the stamp";
    Variant stamp = Get(declaration.Get(), u"Stempel");
    ASSERT_EQ(stamp.vt, VT_DISPATCH);
    EXPECT_TRUE(ComPtr<IDispatch>(stamp.pdispVal).As<IStempel>());
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklNag where DkN_OpeZalId is null"), u"0");
}

// --- Lock and script reset over child declarations -----------------------------------------------

TEST_F(DeklaracjaMembersTest, TheLockSpreadsToChildrenAndGrandchildren) {
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac, DkN_ParentID) values "
            u"(1, 900, 201601, null), (2, 900, 201601, 1), (3, 900, 201601, 2), (4, 25, 201601, 1)");
    auto root = Stored(1);
    ASSERT_EQ(root->put_Zablokowana(1), S_OK) << Utf16ToUtf8(LastError());
    ComPtr<IDispatch> children;
    ASSERT_EQ(root->get_Deklaracje(children.Out()), S_OK);
    LONG count = 0;
    children.As<ICollection>()->get_Count(&count);
    EXPECT_EQ(count, 1) << "a PIT/B attachment is no child in this list";
    ComPtr<IDispatch> item;
    ASSERT_EQ(children.As<ICollection>()->Item(Variant::FromLong(0), item.Out()), S_OK);
    auto child = item.As<IDeklaracja2>();
    LONG locked = 0;
    child->get_Zablokowana(&locked);
    EXPECT_EQ(locked, 1);
    ComPtr<IDispatch> grandchildren;
    ASSERT_EQ(child->get_Deklaracje(grandchildren.Out()), S_OK);
    ASSERT_EQ(grandchildren.As<ICollection>()->Item(Variant::FromLong(0), item.Out()), S_OK);
    item.As<IDeklaracja2>()->get_Zablokowana(&locked);
    EXPECT_EQ(locked, 1);
    LONG state = 0;
    ASSERT_EQ(root->get_Stan(&state), S_OK);
    EXPECT_EQ(state, 1);
}

TEST_F(DeklaracjaMembersTest, ACycleOfParentLinksEndsTheLockAndTheResetWithoutLosingADeclaration) {
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac, DkN_ParentID) values "
            u"(5, 902, 201501, 6), (6, 902, 201501, 5)");
    auto first = Stored(5);
    ASSERT_EQ(first->put_Zablokowana(1), S_OK) << Utf16ToUtf8(LastError());
    ComPtr<IDispatch> before;
    ASSERT_EQ(first->get_Deklaracje(before.Out()), S_OK);
    ComPtr<IDispatch> item;
    ASSERT_EQ(before.As<ICollection>()->Item(Variant::FromLong(0), item.Out()), S_OK);
    LONG locked = 0;
    item.As<IDeklaracja2>()->get_Zablokowana(&locked);
    EXPECT_EQ(locked, 1);

    ASSERT_EQ(first->ResetScript(), S_OK) << Utf16ToUtf8(LastError());
    ComPtr<IDispatch> after;
    ASSERT_EQ(first->get_Deklaracje(after.Out()), S_OK);
    EXPECT_NE(after.Get(), before.Get()) << "the reset drops the list, the next request reads it anew";
    LONG count = 0;
    after.As<ICollection>()->get_Count(&count);
    EXPECT_EQ(count, 1);
    Save();
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklNag"), u"2") << "no stored declaration is lost";
}

// --- Answers as a document of the host --------------------------------------------------------------

TEST_F(DeklaracjaMembersTest, TheHostListsADeclarationByItsPeriodAndEmployee) {
    struct Case {
        LONG type, yearMonth;
        const char16_t* employee;
        std::u16string period;
        LONG subjectType, subject;
    };
    const Case cases[] = {
        {dekVAT7, 201305, u"null", u"za okres: 2013/5", 0, 0},
        {dekPIT11, 201312, u"17", u"za okres: 2013", 3, 17},
        {dekZUS_IWA, 201312, u"0", u"za okres: 2013", 0, 0},
        {dekZUS_ZZA, 201305, u"null", u"", 0, 0},
        {dekZUS_DRA, 201305, u"null", u"za okres: 2013/5", 0, 0},
    };
    LONG id = 200;
    for (const Case& c : cases)
        Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac, DkN_PraID) values (" +
                Number(++id) + u", " + Number(c.type) + u", " + Number(c.yearMonth) + u", " + c.employee + u")");
    id = 200;
    for (const Case& c : cases) {
        auto info = Stored(++id).As<IMirvakObjectTypeInfo>();
        Bstr period;
        ASSERT_EQ(info->get_Period(period.Out()), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(period.Str(), c.period) << c.type;
        LONG value = -1;
        info->get_ObjectType(&value);
        EXPECT_EQ(value, 30000 + c.type);
        info->get_SubjectType(&value);
        EXPECT_EQ(value, c.subjectType) << c.type;
        info->get_SubjectID(&value);
        EXPECT_EQ(value, c.subject) << c.type;
    }
}

TEST_F(DeklaracjaMembersTest, AnEmployeesFormNamesHimByHisLatestRecord) {
    // Card 17 changed her name in 2024; card 18 has no record; a VAT-7 names nobody.
    Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod) values (17, 'P017'), (18, 'P018')");
    Execute(u"insert into TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_Nazwisko, PRE_Imie1) values "
            u"(171, 17, '2020-01-01 00:00:00', '2024-03-31 00:00:00', 'Nowak', 'Łucja'), "
            u"(172, 17, '2024-04-01 00:00:00', '2999-12-31 00:00:00', 'Żółkiewska', 'Łucja')");
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac, DkN_PraID) values "
            u"(51, 5, 202312, 17), (52, 21, 202312, 18), (53, 1, 202312, 17), (54, 5, 202312, null)");
    struct Case {
        LONG id;
        std::u16string text;
        const char* why;
    } const cases[] = {
        {51, u"Żółkiewska Łucja", "a PIT-11 of 2023 takes the latest record, not the one of its year"},
        {52, u"", "a card without records"},
        {53, u"", "a VAT-7 is no employee's form"},
    };
    for (const Case& c : cases) {
        Bstr text;
        ASSERT_EQ(Stored(c.id).As<IMirvakObjectTypeInfo>()->get_SubjectName(text.Out()), S_OK) << c.why;
        EXPECT_EQ(text.Str(), c.text) << c.why;
    }
    Bstr none;
    EXPECT_EQ(Stored(54).As<IMirvakObjectTypeInfo>()->get_SubjectName(none.Out()), HOST_E_RECORDZERO)
        << "a PIT-11 without an employee";
}

TEST_F(DeklaracjaMembersTest, FixedDocumentAnswersCurrencyAndPayment) {
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac) values "
            u"(31, 902, 201501), (32, 25, 201501)");
    Execute(u"insert into TLX.Waluty (WNa_WNaID, WNa_Symbol) values (1, 'PLN')");
    auto declaration = Stored(31);
    LONG number = -1;
    ASSERT_EQ(declaration->get_NumerNr(&number), S_OK);
    EXPECT_EQ(number, 0);
    double rate = 0;
    ASSERT_EQ(declaration->get_KursL(&rate), S_OK);
    EXPECT_EQ(rate, 1.0);
    ComPtr<IDispatch> object;
    EXPECT_EQ(declaration->get_Kategoria(object.Out()), HOST_E_RECORDZERO);
    EXPECT_FALSE(object);
    ASSERT_EQ(declaration->get_Waluta(object.Out()), S_OK) << Utf16ToUtf8(LastError());
    Bstr symbol;
    ASSERT_EQ(object.As<IWaluta>()->get_Symbol(symbol.Out()), S_OK);
    EXPECT_EQ(symbol.Str(), u"PLN");
    ASSERT_EQ(declaration->get_Symbol(symbol.Out()), S_OK);
    EXPECT_EQ(symbol.Str(), u"TEST3");

    ComPtr<IDispatch> payment;
    ASSERT_EQ(declaration->get_PlatnoscDokumentu(payment.Out()), S_OK) << Utf16ToUtf8(LastError());
    ComPtr<IDispatch> paid;
    ASSERT_EQ(payment.As<IPlatnosc>()->get_Dokument(paid.Out()), S_OK);
    EXPECT_EQ(Id(paid.As<IDeklaracja2>().Get()), 31) << "the payment pays this declaration";
    ComPtr<IDispatch> again;
    declaration->get_PlatnoscDokumentu(again.Out());
    EXPECT_EQ(again.Get(), payment.Get()) << "made once";
    ASSERT_EQ(Stored(32)->get_PlatnoscDokumentu(payment.Out()), S_OK);
    EXPECT_FALSE(payment) << "a PIT/B attachment has no payment of its own";
    EXPECT_EQ(declaration->Write2Log(Bstr(u"").Get()), S_OK);
}

TEST_F(DeklaracjaMembersTest, TheHostsOtherInterfacesAnswerForTheDeclaration) {
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac) values (41, 904, 202403)");
    auto declaration = Stored(41);

    DATE date = -1;
    ASSERT_EQ(declaration->get_DataDok(&date), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_NE(date, 0.0) << "the declaration's own date comes from its form";
    ASSERT_EQ(declaration.As<IDokument>()->get_DataDok(&date), S_OK);
    EXPECT_EQ(date, 0.0) << "as a host document it has no date of its own";

    auto taxpayer = declaration.As<IPodatnik>();
    ASSERT_TRUE(taxpayer);
    LONG id = 0;
    ASSERT_EQ(taxpayer->get_ID(&id), S_OK);
    EXPECT_EQ(id, 41);
    PodatnikTypEnum kind{};
    EXPECT_EQ(taxpayer->get_PodatnikTyp(&kind), E_NOTIMPL);

    auto categorised = declaration.As<IKategoryczny>();
    ASSERT_TRUE(categorised);
    ComPtr<IDispatch> category;
    EXPECT_EQ(categorised->get_Kategoria(category.Out()), HOST_E_RECORDZERO);
    EXPECT_EQ(categorised->putref_Kategoria(nullptr), E_NOTIMPL);

    auto classInfo = declaration.As<IProvideClassInfo2>();
    ASSERT_TRUE(classInfo);
    GUID source{};
    ASSERT_EQ(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source), S_OK);
    EXPECT_EQ(source, DIID__IProgressEvents);
}

TEST_F(DeklaracjaMembersTest, ThePaymentFormComesFromThePaymentsFirstItemBeforeTheForm) {
    Execute(u"insert into TLX.FormyPlatnosci (FPl_FPlID, FPl_Nazwa, FPl_Zablokowana) values "
            u"(1, 'gotówka', 0), (2, 'przelew', 0)");
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac) values (42, 904, 202403)");
    auto declaration = Stored(42);
    Put(declaration.Get(), u"Forma", Variant::FromLong(1));

    ComPtr<IDispatch> payment;
    ASSERT_EQ(declaration->get_PlatnoscDokumentu(payment.Out()), S_OK) << Utf16ToUtf8(LastError());
    ComPtr<ICollection> items;
    ASSERT_EQ(payment.As<IPlatnosc>()->get_Pozycje(items.Out()), S_OK);
    ComPtr<IDispatch> item;
    ASSERT_EQ(items->AddNew(Variant::Missing(), item.Out()), S_OK);
    ASSERT_EQ(items->AddNew(Variant::Missing(), item.Out()), S_OK);
    ComPtr<IDispatch> transfer = Create(u"TLX.FormyPlatnosci", Variant::FromString(u"Fpl_FplID=2"));
    ComPtr<IDispatch> first;
    ASSERT_EQ(items->Item(Variant::FromLong(0), first.Out()), S_OK);
    ASSERT_EQ(first.As<IPlatnoscPozycja>()->putref_FormaPlatnosci(transfer.Get()), S_OK);

    ComPtr<IDispatch> method;
    ASSERT_EQ(declaration->get_FormaPlatnosci(method.Out()), S_OK) << Utf16ToUtf8(LastError());
    LONG id = 0;
    method.As<IFormaPlatnosci>()->get_ID(&id);
    EXPECT_EQ(id, 2) << "the first item's form wins over the form's expression";

    ASSERT_EQ(first.As<IPlatnoscPozycja>()->putref_FormaPlatnosci(nullptr), S_OK);
    ASSERT_EQ(declaration->get_FormaPlatnosci(method.Out()), S_OK);
    method.As<IFormaPlatnosci>()->get_ID(&id);
    EXPECT_EQ(id, 2) << "once found, the form is held";
}

TEST_F(DeklaracjaMembersTest, ABlockedPaymentFormNamedByTheFormIsHeldButRefused) {
    Execute(u"insert into TLX.FormyPlatnosci (FPl_FPlID, FPl_Nazwa, FPl_Zablokowana) values "
            u"(1, 'gotówka', 0), (3, 'barter', 1)");
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac) values "
            u"(44, 904, 202403), (45, 904, 202403), (46, 904, 202403)");

    auto open = Stored(44);
    Put(open.Get(), u"Forma", Variant::FromLong(1));
    ComPtr<IDispatch> method;
    ASSERT_EQ(open->get_FormaPlatnosci(method.Out()), S_OK) << Utf16ToUtf8(LastError());
    LONG id = 0;
    method.As<IFormaPlatnosci>()->get_ID(&id);
    EXPECT_EQ(id, 1) << "a payment without items leaves the choice to the form";

    auto blocked = Stored(45);
    Put(blocked.Get(), u"Forma", Variant::FromLong(3));
    EXPECT_EQ(blocked->get_FormaPlatnosci(method.Out()), HOST_E_PAYMENTFORMBLOCKED);
    EXPECT_EQ(LastError(), u"Forma płatności jest zablokowana.") << "the host's text, without its details";
    EXPECT_FALSE(method);
    ASSERT_EQ(blocked->get_FormaPlatnosci(method.Out()), S_OK) << "the refused form stays held";
    method.As<IFormaPlatnosci>()->get_ID(&id);
    EXPECT_EQ(id, 3);

    ASSERT_EQ(Stored(46)->get_FormaPlatnosci(method.Out()), S_OK) << "no form named, none held";
    EXPECT_FALSE(method);
}

TEST_F(DeklaracjaMembersTest, APit36HearsOfItsEmployeeChangingOnly) {
    Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod) values (7, 'P007')");
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac, DkN_PraID) values "
            u"(51, 15, 201512, 7), (52, 15, 201512, null)");
    auto withEmployee = Stored(51);
    ComPtr<IDispatch> employee;
    ASSERT_EQ(withEmployee->get_Pracownik(employee.Out()), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(withEmployee->put_Pracownik(employee.Get()), S_OK);
    EXPECT_EQ(Text(Get(withEmployee.Get(), u"Zdarzenia")), u"") << "the same employee again is no change";
    ASSERT_EQ(withEmployee->UsunPracownika(), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Text(Get(withEmployee.Get(), u"Zdarzenia")), u"onZmianaPracownika;");
    EXPECT_EQ(withEmployee->get_Pracownik(employee.Out()), HOST_E_RECORDZERO);

    auto without = Stored(52);
    ASSERT_EQ(without->UsunPracownika(), S_OK);
    EXPECT_EQ(Text(Get(without.Get(), u"Zdarzenia")), u"");
}

// --- Deleting a declaration ------------------------------------------------------------------------

// Every row of the module's tables that hangs on a declaration, or on one of its child declarations.
std::u16string RowsHangingOn(LONG id) {
    std::u16string n = Number(id);
    std::u16string tree = u"(with recursive t(id) as (select " + n +
                          u" union select DkN_DkNID from TLX.DeklNag join t on DkN_ParentID = t.id) select id from t)";
    return u"select (select count(*) from TLX.DeklNag where DkN_DkNID in " + tree + u") || '/' || "
           u"(select count(*) from TLX.DeklStr where DkS_DkNID in " + tree + u") || '/' || "
           u"(select count(*) from TLX.DeklElem where DkE_DkNID in " + tree + u") || '/' || "
           u"(select count(*) from TLX.DeklWydr where DkW_DkNID in " + tree + u") || '/' || "
           u"(select count(*) from TLX.DeklVUEK where DVU_DkNID in " + tree + u") || '/' || "
           u"(select count(*) from TLX.DeklV27 where V27_DkNID in " + tree + u") || '/' || "
           u"(select count(*) from TLX.DeklV27K where DVK_DkNID in " + tree + u") || '/' || "
           u"(select count(*) from TLX.VATZD where VaZ_DkNId in " + tree + u")";
}

TEST_F(DeklaracjaMembersTest, ADeletedDeclarationTakesEveryRowHangingOnItReadOrNot) {
    for (bool readFirst : {false, true}) {
        SCOPED_TRACE(readFirst ? "read first" : "not read");
        declarations_ = Declarations();
        auto declaration = NewDeclaration(901, 2015, 3);
        Put(declaration.Get(), u"Kwota", Variant::FromDouble(5));
        ASSERT_EQ(declaration->put_Tekst(Bstr(u"strona").Get()), S_OK);
        auto kept = NewDeclaration(901, 2015, 4);
        Put(kept.Get(), u"Kwota", Variant::FromDouble(7));
        Save();
        LONG id = Id(declaration.Get()), keptId = Id(kept.Get());
        // A child declaration with a value of its own, and side-list rows.
        Execute(u"insert into TLX.DeklNag (DkN_TypDeklar, DkN_RokMiesiac, DkN_ParentID) values (901, 201503, " +
                Number(id) + u")");
        std::u16string child = Scalar(u"select max(DkN_DkNID) from TLX.DeklNag");
        Execute(u"insert into TLX.DeklElem (DkE_DkNID, DkE_Numer, DkE_WartoscL) values (" + child + u", 1, 3)");
        Execute(u"insert into TLX.DeklVUEK (DVU_DkNID, DVU_Typ) values (" + Number(id) + u", 1)");
        Execute(u"insert into TLX.DeklV27 (V27_DkNID, V27_Typ) values (" + Number(id) + u", 1)");
        Execute(u"insert into TLX.DeklV27K (DVK_DkNID, DVK_Typ) values (" + Number(id) + u", 1)");
        Execute(u"insert into TLX.VATZD (VaZ_DkNId) values (" + Number(id) + u")");
        std::u16string before = Scalar(RowsHangingOn(id));
        EXPECT_EQ(before.find(u'0'), std::u16string::npos) << Utf16ToUtf8(before);
        std::u16string keptRows = Scalar(RowsHangingOn(keptId));

        auto fresh = Declarations();
        ComPtr<IDispatch> item;
        ASSERT_EQ(fresh->Item(Variant::FromString(Number(id)), item.Out()), S_OK);
        if (readFirst) {
            EXPECT_EQ(Text(Get(item.Get(), u"Kwota")), u"5");
            Bstr text;
            ASSERT_EQ(item.As<IDeklaracja2>()->get_Tekst(text.Out()), S_OK);
            EXPECT_EQ(text.Str(), u"strona");
        }
        ASSERT_EQ(fresh->Delete(Variant::FromDispatch(item.Get())), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(Scalar(RowsHangingOn(id)), before) << "nothing goes before the save";
        ASSERT_EQ(SaveCollection(fresh.Get()), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(Scalar(RowsHangingOn(id)), u"0/0/0/0/0/0/0/0");
        EXPECT_EQ(Scalar(RowsHangingOn(keptId)), keptRows) << "another declaration keeps its rows";

        // The next declaration takes a new identifier and nothing of the deleted one.
        declarations_ = Declarations();
        auto next = NewDeclaration(901, 2015, 5);
        Save();
        EXPECT_GT(Id(next.Get()), std::stol(Utf16ToUtf8(child))) << "identifiers are never reused";
        EXPECT_EQ(Text(Get(next.Get(), u"Kwota")), u"0,5") << "the form's default, not the deleted value";
        Bstr text;
        ASSERT_EQ(next->get_Tekst(text.Out()), S_OK);
        EXPECT_EQ(text.Str(), u"");
        EXPECT_EQ(Scalar(RowsHangingOn(Id(next.Get()))), Scalar(RowsHangingOn(keptId)))
            << "a new declaration has the rows of the one kept, no more";
    }
}

// --- Links to single objects ---------------------------------------------------------------------

TEST_F(DeklaracjaMembersTest, TheParentLinkFollowsItsColumnAndIsWrittenOnce) {
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac, DkN_ParentID) values "
            u"(11, 902, 201501, null), (12, 902, 201501, null), (13, 902, 201501, null)");
    auto child = Stored(11);
    ComPtr<IDeklaracja> parent;
    EXPECT_EQ(child->get_Deklaracja(parent.Out()), HOST_E_RECORDZERO);
    EXPECT_EQ(LastError(), u"Rekord 0 nieznaleziony. Pole 'Deklaracja'");

    auto first = Stored(12);
    ASSERT_EQ(child->put_Deklaracja(first.Get()), S_OK) << Utf16ToUtf8(LastError());
    LONG parentId = 0;
    child->get_ParentId(&parentId);
    EXPECT_EQ(parentId, 12);
    EXPECT_EQ(child->put_Deklaracja(Stored(13).Get()), E_INVALIDARG) << "a link is not replaced";
    EXPECT_EQ(child->put_Deklaracja(nullptr), E_INVALIDARG) << "nor cleared";

    ASSERT_EQ(child->put_ParentId(13), S_OK);
    ASSERT_EQ(child->get_Deklaracja(parent.Out()), S_OK) << Utf16ToUtf8(LastError());
    LONG id = 0;
    parent->get_ID(&id);
    EXPECT_EQ(id, 13) << "the link follows its column";
    Save();
    EXPECT_EQ(Scalar(u"select DkN_ParentID from TLX.DeklNag where DkN_DkNID = 11"), u"13");
}

TEST_F(DeklaracjaMembersTest, ALinkToAnObjectNotStoredYetFailsTheSave) {
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac) values (21, 902, 201501)");
    auto child = Stored(21);
    auto unsaved = NewDeclaration(902, 2015, 1);
    ASSERT_EQ(child->put_Deklaracja(unsaved.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(SaveCollection(declarations_.Get()), HOST_E_ZEROLINK);
    EXPECT_EQ(Scalar(u"select ifnull(DkN_ParentID, 'NULL') from TLX.DeklNag where DkN_DkNID = 21"), u"NULL");
}

// --- The form's period of validity ----------------------------------------------------------------

TEST_F(DeklaracjaMembersTest, APeriodOutsideTheFormsValidityIsRefusedWithItsLimits) {
    struct Case {
        LONG type, year, month;
        HRESULT result;
        std::u16string message;
    };
    const Case cases[] = {
        {902, 2016, 1, HOST_E_MISSINGDATA,
         u"Błąd wyliczania deklaracji. Formularz deklaracji obowiązuje za okres do 01.12.2015."},
        {902, 2015, 12, S_OK, u""},
        {900, 2026, 1, HOST_E_MISSINGDATA,
         u"Błąd wyliczania deklaracji. Formularz deklaracji obowiązuje za okres od 01.01.2015 do 01.12.2025."},
        {900, 2014, 12, HOST_E_MISSINGDATA,
         u"Błąd wyliczania deklaracji. Formularz deklaracji obowiązuje za okres od 01.01.2015 do 01.12.2025."},
        {900, 2015, 1, S_OK, u""},
        // Without its month a declaration stands for its year: taken in the version's first year, still
        // refused in the year after its last.
        {900, 2015, 0, S_OK, u""},
        {900, 2026, 0, HOST_E_MISSINGDATA,
         u"Błąd wyliczania deklaracji. Formularz deklaracji obowiązuje za okres od 01.01.2015 do 01.12.2025."},
    };
    for (const Case& c : cases) {
        auto declaration = NewDeclaration(c.type, c.year, c.month);
        HRESULT hr = declaration->Policz();
        EXPECT_EQ(hr, c.result) << c.type << " " << c.year << "/" << c.month;
        if (FAILED(hr)) {
            EXPECT_EQ(LastError(), c.message) << c.type << " " << c.year << "/" << c.month;
        }
    }
}

// --- VAT side lists --------------------------------------------------------------------------------

TEST_F(DeklaracjaMembersTest, EachFormTypeHasItsOwnSideLists) {
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac) values "
            u"(40, 22, 201601), (41, 33, 201601), (42, 402, 201601), (43, 1, 201601)");
    Execute(u"insert into TLX.DeklVUEK (DVU_DkNID, DVU_Typ, DVU_LP, DVU_ByloJest) values "
            u"(40, 1, 2, 1), (40, 1, 1, 2), (40, 1, 1, 1), (40, 12, 1, null), (41, 12, 1, null)");
    Execute(u"insert into TLX.DeklV27 (V27_DkNID, V27_Typ, V27_Nazwa) values (41, 1, 'Złom'), (41, 2, 'Usługa')");
    Execute(u"insert into TLX.VATZD (VaZ_DkNId, VaZ_Bufor, VaZ_Dokument) values (42, 0, 'FV/1'), (42, 1, 'FV/2')");

    auto list = [](IDeklaracja2* declaration, HRESULT (IDeklaracja2::*member)(IDispatch**)) {
        ComPtr<IDispatch> collection;
        EXPECT_EQ((declaration->*member)(collection.Out()), S_OK);
        return collection.As<ICollection>();
    };
    auto count = [](ICollection* collection) {
        LONG n = -1;
        collection->get_Count(&n);
        return n;
    };
    auto rows = [](ICollection* collection, std::u16string_view column) {
        ComPtr<Recordset> recordset;
        ComPtr<ICollection>(collection).As<IAdoCollection>()->get_Recordset(recordset.Out());
        std::u16string seen;
        recordset->MoveFirst();
        for (VARIANT_BOOL eof = VARIANT_FALSE; recordset->get_EOF(&eof), !eof; recordset->MoveNext()) {
            ComPtr<Fields> fields;
            recordset->get_Fields(fields.Out());
            ComPtr<Field> field;
            fields->get_Item(Variant::FromString(column), field.Out());
            Variant value;
            field->get_Value(value.Out());
            seen += Text(value) + u";";
        }
        return seen;
    };

    auto vat7 = Stored(43);
    EXPECT_FALSE(list(vat7.Get(), &IDeklaracja2::get_CustomCollection01)) << "a VAT-7 has no side lists";

    auto vatuek = Stored(40);
    auto corrected = list(vatuek.Get(), &IDeklaracja2::get_CustomCollection01);
    ASSERT_TRUE(corrected);
    EXPECT_EQ(rows(corrected.Get(), u"DVU_LP") + rows(corrected.Get(), u"DVU_ByloJest"), u"1;1;2;1;2;1;")
        << "ordered by position, then as it was before as it is";
    auto added = list(vatuek.Get(), &IDeklaracja2::get_CustomCollection05);
    EXPECT_EQ(count(added.Get()), 1) << "the new acquisitions of this declaration only";
    EXPECT_EQ(list(vatuek.Get(), &IDeklaracja2::get_CustomCollection05).Get(), added.Get()) << "built once";

    auto vat27 = Stored(41);
    EXPECT_FALSE(list(vat27.Get(), &IDeklaracja2::get_CustomCollection03));
    auto goods = list(vat27.Get(), &IDeklaracja2::get_CustomCollection01);
    ASSERT_EQ(count(goods.Get()), 1);
    ComPtr<IDispatch> item;
    ASSERT_EQ(goods->Item(Variant::FromLong(0), item.Out()), S_OK);
    EXPECT_TRUE(item.As<IVat27>()) << "VAT-27 rows are VAT-27 records";
    EXPECT_EQ(rows(list(vat27.Get(), &IDeklaracja2::get_CustomCollection02).Get(), u"V27_Nazwa"), u"Usługa;");

    auto vatzd = Stored(42);
    EXPECT_FALSE(list(vatzd.Get(), &IDeklaracja2::get_CustomCollection02));
    EXPECT_EQ(rows(list(vatzd.Get(), &IDeklaracja2::get_CustomCollection01).Get(), u"VaZ_Dokument"), u"FV/1;")
        << "items in the buffer are left out";
}

TEST_F(DeklaracjaMembersTest, RowsAddedToASideListAreStoredUnderANewDeclaration) {
    ComPtr<IDispatch> item;
    ASSERT_EQ(declarations_->AddNew(Variant::Missing(), item.Out()), S_OK);
    auto declaration = item.As<IDeklaracja2>();
    declaration->put_TypDeklar(22);
    declaration->put_Wersja(1);
    declaration->put_Rok(2016);
    ComPtr<IDispatch> collection;
    ASSERT_EQ(declaration->get_CustomCollection04(collection.Out()), S_OK);
    ComPtr<Recordset> rows;
    ASSERT_EQ(collection.As<IAdoCollection>()->get_Recordset(rows.Out()), S_OK);
    ASSERT_EQ(rows->AddNew(Variant::Missing(), Variant::Missing()), S_OK);
    ComPtr<Fields> fields;
    rows->get_Fields(fields.Out());
    for (auto [column, value] : {std::pair{u"DVU_Typ", 11}, std::pair{u"DVU_LP", 1}}) {
        ComPtr<Field> field;
        fields->get_Item(Variant::FromString(column), field.Out());
        field->put_Value(Variant::FromLong(value));
    }
    Save();
    EXPECT_EQ(Scalar(u"select DVU_DkNID from TLX.DeklVUEK where DVU_Typ = 11"), Number(Id(declaration.Get())));
}

// --- E-declaration status ---------------------------------------------------------------------------

TEST_F(DeklaracjaMembersTest, TheProcessingStateFollowsTheFormYearVersionAndStatus) {
    struct Case {
        LONG type, yearMonth, version;
        const char16_t* status;
        StatusEDeklaracji expected;
    };
    const Case cases[] = {
        {1, 201601, 1, u"null", sedDoWyslania},   {1, 201601, 1, u"102", sedPrzetwarzana},
        {1, 201601, 1, u"200", sedPrzetworzona},  {1, 201601, 1, u"303", sedPrzetwarzana},
        {1, 201601, 1, u"304", sedDoWyslania},    {1, 200712, 1, u"200", sedNieDotyczy},
        {3, 201601, 1, u"200", sedNieDotyczy},    {401, 201601, 1, u"0", sedDoWyslania},
        {401, 201601, 1, u"400", static_cast<StatusEDeklaracji>(400)},
        {17, 201601, 20, u"200", sedNieDotyczy},  {17, 201601, 19, u"200", sedPrzetworzona},
    };
    LONG id = 100;
    for (const Case& c : cases)
        Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac, DkN_Wersja, DkN_EDekl_Status) "
                u"values (" + Number(++id) + u", " + Number(c.type) + u", " + Number(c.yearMonth) + u", " +
                Number(c.version) + u", " + c.status + u")");
    id = 100;
    for (const Case& c : cases) {
        StatusEDeklaracji state{};
        ASSERT_EQ(Stored(++id)->get_EDekl_StatusPrzetwarzania(&state), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(state, c.expected) << "type " << c.type << " of " << c.yearMonth << " v" << c.version << " status "
                                     << Utf16ToUtf8(c.status);
    }
}

TEST_F(DeklaracjaMembersTest, SendingTimesAndOperatorsAreReadFromTheDatabaseAndClearedTogether) {
    // The company's file serves as the configuration database here: it gets the operators' table.
    Execute(u"create table TLX.Operatorzy as select 3 as Ope_OpeID, 'KSIEG' as Ope_Kod");
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_RokMiesiac, DkN_EDekl_RefID, DkN_EDekl_Status, "
            u"DkN_EDekl_DataWyslania, DkN_EDekl_OperatorWysylajacy) "
            u"values (7, 22, 201601, 'ABC', 200, '2016-02-20 10:11:12', 3)");
    auto declaration = Stored(7);
    Bstr text;
    ASSERT_EQ(declaration->get_EDekl_DataWyslaniaStr(text.Out()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(text.Str(), u"2016-02-20 10:11:12");
    ASSERT_EQ(declaration->get_EDekl_DataOdebraniaUPOStr(text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"") << "no receipt yet";
    ASSERT_EQ(declaration->get_EDekl_OperatorWysylajacyKod(text.Out()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(text.Str(), u"KSIEG");
    ASSERT_EQ(declaration->get_EDekl_OperatorPobierajacyUPOKod(text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"");

    ASSERT_EQ(declaration->WyczyscPolaEDeklaracji(), S_OK);
    ASSERT_EQ(declaration->get_EDekl_RefID(text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"");
    StatusEDeklaracji state{};
    declaration->get_EDekl_StatusPrzetwarzania(&state);
    EXPECT_EQ(state, sedDoWyslania);
    ASSERT_EQ(declaration->get_EDekl_DataWyslaniaStr(text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"2016-02-20 10:11:12") << "until the row is saved the database keeps the time";
    Save();
    EXPECT_EQ(Scalar(u"select ifnull(DkN_EDekl_RefID, 'NULL') || ifnull(DkN_EDekl_Status, 'NULL') || "
                     u"ifnull(DkN_EDekl_DataWyslania, 'NULL') || ifnull(DkN_EDekl_OperatorWysylajacy, 'NULL') "
                     u"from TLX.DeklNag where DkN_DkNID = 7"),
              u"NULLNULLNULLNULL");

    auto fresh = NewDeclaration(900, 2016, 1);
    ASSERT_EQ(fresh->get_EDekl_DataWyslaniaStr(text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"") << "a declaration never saved has no sending time";
}

TEST_F(DeklaracjaMembersTest, SendingAndReceiptTimesAreStoredAsGivenWithTheirTime) {
    auto declaration = NewDeclaration(902, 2015, 3);
    DATE sent = *ado::MakeOleDate(2024, 4, 20, 10, 11, 12), received = *ado::MakeOleDate(2024, 4, 21, 23, 59, 59),
         late = *ado::MakeOleDate(9999, 12, 31, 8, 0, 0);
    ASSERT_EQ(declaration->put_EDekl_DataWyslania(sent), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(declaration->put_EDekl_DataOdebraniaUPO(received), S_OK) << Utf16ToUtf8(LastError());
    Save();
    Bstr text;
    ASSERT_EQ(declaration->get_EDekl_DataWyslaniaStr(text.Out()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(text.Str(), u"2024-04-20 10:11:12");
    ASSERT_EQ(declaration->get_EDekl_DataOdebraniaUPOStr(text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"2024-04-21 23:59:59");
    DATE read = 0;
    ASSERT_EQ(declaration->get_EDekl_DataWyslania(&read), S_OK);
    EXPECT_EQ(read, std::floor(sent)) << "read back as the whole day";

    ASSERT_EQ(declaration->put_EDekl_DataOdebraniaUPO(late), S_OK);
    ASSERT_EQ(declaration->put_EDekl_DataWyslania(0), S_OK);
    Save();
    std::u16string where = u" from TLX.DeklNag where DkN_DkNID = " + Number(Id(declaration.Get()));
    EXPECT_EQ(Scalar(u"select substr(DkN_EDekl_DataOdebraniaUPO, 1, 19)" + where), u"9999-12-31 08:00:00")
        << "not cut to 3000";
    EXPECT_EQ(declaration->put_EDekl_DataWyslania(std::numeric_limits<double>::quiet_NaN()), DISP_E_OVERFLOW);
    EXPECT_EQ(declaration->put_EDekl_DataWyslania(1e300), DISP_E_OVERFLOW);
    ASSERT_EQ(declaration->get_EDekl_DataWyslaniaStr(text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"1899-12-30 00:00:00") << "the empty date is day 0, not NULL";
    ASSERT_EQ(declaration->get_EDekl_DataWyslania(&read), S_OK);
    EXPECT_EQ(read, 0.0);
}

}  // namespace
}  // namespace tlx::test
