// The declaration through the host on a company database, with the test forms of tests/module/resources:
// its life cycle, its fields as dispatch properties, computed fields, events, calculation with progress,
// checking, numbering and saving.
#include <gtest/gtest.h>

#include <ctime>
#include <thread>

#include "DeclarationFixture.h"
#include "hostapi/Errors.h"
#include "hostapi/Employees.h"
#include "platform/com/ComObject.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/VariantConversion.h"

namespace tlx::test {
namespace {

// A progress sink of the host: records every event with its arguments in the order given.
class CProgressSink final : public ComObject<CProgressSink, _IProgressEvents> {
public:
    std::vector<std::pair<DISPID, std::vector<std::u16string>>> events;
    HRESULT answer = S_OK;

    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
        std::vector<std::u16string> args;
        for (UINT i = params->cArgs; i-- > 0;) {
            const VARIANT& arg = params->rgvarg[i];
            if (arg.vt == VT_I4)
                args.push_back(u"#" + std::u16string(1, static_cast<char16_t>(u'0' + arg.lVal)));
            else
                args.push_back(arg.bstrVal ? std::u16string(arg.bstrVal) : u"(null)");
        }
        events.emplace_back(id, std::move(args));
        return answer;
    }
};

using Events = std::vector<std::pair<DISPID, std::vector<std::u16string>>>;

// A KEDU package as the declaration sees it: a row of TLX.DeklKedu with its identifier and lock.
class CStandInKedu final : public ComObject<CStandInKedu, IKedu, IIdentity> {
public:
    LONG id = 0;
    LONG locked = 0;

    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT get_ID(LONG* v) override { return (*v = id, S_OK); }
    HRESULT get_Session(IDispatch**) override { return E_NOTIMPL; }
    HRESULT get_State(IDispatch**) override { return E_NOTIMPL; }
    HRESULT putref_State(IDispatch*) override { return E_NOTIMPL; }
    HRESULT get_ROSaveMode(LONG*) override { return E_NOTIMPL; }
    HRESULT put_ROSaveMode(LONG) override { return E_NOTIMPL; }
    HRESULT Verify() override { return E_NOTIMPL; }
    HRESULT get_Stempel(IDispatch**) override { return E_NOTIMPL; }
    HRESULT get_Nazwa(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_Nazwa(BSTR) override { return E_NOTIMPL; }
    HRESULT get_Data(DATE*) override { return E_NOTIMPL; }
    HRESULT put_Data(DATE) override { return E_NOTIMPL; }
    HRESULT get_Opis(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_Opis(BSTR) override { return E_NOTIMPL; }
    HRESULT get_Zablokowana(LONG* v) override { return (*v = locked, S_OK); }
    HRESULT put_Zablokowana(LONG) override { return E_NOTIMPL; }
    HRESULT get_Deklaracje(IDispatch**) override { return E_NOTIMPL; }
    HRESULT Wyslij(LONG) override { return E_NOTIMPL; }
    HRESULT Zapisz(LONG, BSTR, LONG, LONG*) override { return E_NOTIMPL; }
    HRESULT WyslijTS(BSTR) override { return E_NOTIMPL; }
    HRESULT ZestawMieszany(LONG*) override { return E_NOTIMPL; }
};

std::u16string Text(const VARIANT& value) {
    Variant text;
    if (FAILED(VariantChangeType(&text, &value, 0, VT_BSTR))) return u"(?)";
    return std::u16string(text.bstrVal, SysStringLen(text.bstrVal));
}

class DeklaracjaTest : public DeclarationTest {
protected:
    void SetUp() override {
        DeclarationTest::SetUp();
        UseTestForms();
        declarations_ = Declarations();
    }

    // A new declaration of the form type for a period, added to `collection`.
    ComPtr<IDeklaracja2> NewDeclaration(LONG type, LONG year, LONG month, ICollection* collection = nullptr) {
        ComPtr<IDispatch> item;
        EXPECT_EQ((collection ? collection : declarations_.Get())->AddNew(Variant::Missing(), item.Out()), S_OK)
            << Utf16ToUtf8(LastError());
        auto declaration = item.As<IDeklaracja2>();
        EXPECT_TRUE(declaration);
        EXPECT_EQ(declaration->put_TypDeklar(type), S_OK);
        EXPECT_EQ(declaration->put_Wersja(1), S_OK);
        EXPECT_EQ(declaration->put_Rok(year), S_OK);
        EXPECT_EQ(declaration->put_Miesiac(month), S_OK) << Utf16ToUtf8(LastError());
        return declaration;
    }
    static Variant Field(IDeklaracja2* declaration, std::u16string_view name) {
        return Get(declaration, name);
    }
    static std::u16string FieldText(IDeklaracja2* declaration, std::u16string_view name) {
        return Text(Field(declaration, name));
    }
    HRESULT Save() {
        HRESULT hr = SaveCollection(declarations_.Get());
        if (FAILED(hr)) lastSaveError_ = LastError();
        return hr;
    }

    ComPtr<ICollection> declarations_;
    std::u16string lastSaveError_;
};

TEST_F(DeklaracjaTest, LifeCycleFromCreationToReloadInANewSession) {
    auto declaration = NewDeclaration(900, 2016, 12);
    EXPECT_EQ(FieldText(declaration.Get(), u"Zakupy"), u"100") << "a new stored value takes its default";
    EXPECT_EQ(FieldText(declaration.Get(), u"Nazwa"), u"Firma");
    EXPECT_EQ(FieldText(declaration.Get(), u"Zdarzenia"), u"onload;onrokmiesiac;") << "the form loads once";
    ComPtr<IDispatch> elements;
    ComPtr<IDekElement> element;
    ASSERT_EQ(declaration->get_Pole(Bstr(u"Sprzedaz").Get(), element.Out()), S_OK);

    Put(declaration.Get(), u"Sprzedaz", Variant::FromDouble(1000));
    Put(declaration.Get(), u"Nazwa", Variant::FromString(u"Zakład \"Łąka\""));
    Put(declaration.Get(), u"DataZlozenia", Variant::FromDate(42724));
    Put(declaration.Get(), u"Liczba", Variant::FromDouble(2.7));
    Put(declaration.Get(), u"Udzial", Variant::FromString(u"1/2"));
    EXPECT_EQ(FieldText(declaration.Get(), u"Aktualizacje"), u"Zakupy;Nazwa;Sprzedaz;Nazwa;")
        << "defaults and every write ran the field's onupdate once";
    EXPECT_EQ(FieldText(declaration.Get(), u"Liczba"), u"2");

    auto sink = CProgressSink::Make();
    ASSERT_EQ(declaration->AdviseProgress(ComPtr<_IProgressEvents>(sink.Get()).Get()), S_OK);
    ASSERT_EQ(declaration->Policz(), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(sink->events, (Events{{0xB0, {u"Wyliczanie deklaracji"}}, {0xB1, {u""}}}));
    EXPECT_EQ(FieldText(declaration.Get(), u"DoZaplaty"), u"207");

    ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(lastSaveError_);
    LONG id = 0, numer = 0;
    declaration->get_ID(&id);
    declaration->get_Numer(&numer);
    EXPECT_GT(id, 0);
    EXPECT_EQ(numer, 1);
    EXPECT_EQ(FieldText(declaration.Get(), u"Zdarzenia"), u"onload;onrokmiesiac;oncalculate;onverify;onsave;");
    std::u16string where = u" where DkE_DkNID=" + std::u16string(Utf8ToUtf16(std::to_string(id)));
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem" + where), u"7") << "one row per numbered field";
    EXPECT_EQ(Scalar(u"select DkE_WartoscL from TLX.DeklElem" + where + u" and DkE_Numer=5"), u"78885");
    EXPECT_EQ(Scalar(u"select DkE_WartoscTekst from TLX.DeklElem" + where + u" and DkE_Numer=4"),
              u"Zakład \"Łąka\"");
    EXPECT_EQ(Scalar(u"select group_concat(DkW_Rubryka || '.' || ifnull(DkW_SubRubryka, 0) || '=' || DkW_Wartosc, "
                     u"' | ') from (select * from TLX.DeklWydr order by DkW_Rubryka)"),
              u"10.0=1,000.00 | 11.1=100.00 | 12.0=207.00 | 13.0=Zakład \"Łąka\" | 14.0=20-12-2016");

    auto other = NewSession();
    auto again = Declarations(other.Get());
    ComPtr<IDispatch> item;
    ASSERT_EQ(again->Item(Variant::FromString(Utf8ToUtf16(std::to_string(id))), item.Out()), S_OK);
    auto reloaded = item.As<IDeklaracja2>();
    EXPECT_EQ(FieldText(reloaded.Get(), u"Sprzedaz"), u"1000");
    EXPECT_EQ(FieldText(reloaded.Get(), u"DoZaplaty"), u"207");
    EXPECT_EQ(FieldText(reloaded.Get(), u"Nazwa"), u"Zakład \"Łąka\"");
    Variant date = Field(reloaded.Get(), u"DataZlozenia");
    EXPECT_EQ(date.vt, VT_DATE);
    EXPECT_EQ(date.date, 42724.0);
    EXPECT_EQ(FieldText(reloaded.Get(), u"Udzial"), u"1/2");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem"), u"7") << "reading creates no further rows";
    CY amount{};
    ASSERT_EQ(reloaded->get_KwotaCalkowita(&amount), S_OK);
    EXPECT_EQ(amount.int64, 2070100) << "207 + 0.005 is rounded to grosze";
    Bstr opis;
    reloaded->get_Opis(opis.Out());
    EXPECT_EQ(opis.View(), u"Deklaracja testowa nr 1");
}

// Declarations of one form share its definition; what their scripts set stays each declaration's own.
TEST_F(DeklaracjaTest, TwoDeclarationsOfOneFormCalculateWithTheirOwnScriptState) {
    auto first = NewDeclaration(900, 2016, 12);
    auto second = NewDeclaration(900, 2016, 11);
    Put(first.Get(), u"Sprzedaz", Variant::FromDouble(1000));
    Put(second.Get(), u"Sprzedaz", Variant::FromDouble(500));
    ASSERT_EQ(first->Policz(), S_OK) << Utf16ToUtf8(LastError());
    Put(second.Get(), u"Nazwa", Variant::FromString(u"Druga"));
    EXPECT_EQ(FieldText(first.Get(), u"Zdarzenia"), u"onload;onrokmiesiac;oncalculate;");
    EXPECT_EQ(FieldText(second.Get(), u"Zdarzenia"), u"onload;onrokmiesiac;") << "the first's calculation is not the second's";
    EXPECT_EQ(FieldText(first.Get(), u"Aktualizacje"), u"Zakupy;Nazwa;Sprzedaz;");
    EXPECT_EQ(FieldText(second.Get(), u"Aktualizacje"), u"Zakupy;Nazwa;Sprzedaz;Nazwa;");
    ASSERT_EQ(second->Policz(), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(FieldText(first.Get(), u"DoZaplaty"), u"207");
    EXPECT_EQ(FieldText(second.Get(), u"DoZaplaty"), u"92");
    EXPECT_EQ(FieldText(first.Get(), u"Zdarzenia"), u"onload;onrokmiesiac;oncalculate;");
    EXPECT_EQ(FieldText(second.Get(), u"Zdarzenia"), u"onload;onrokmiesiac;oncalculate;");
}

TEST_F(DeklaracjaTest, ASaveWritesAndChecksOnlyTheDeclarationsThatChanged) {
    auto first = NewDeclaration(900, 2016, 12);
    auto second = NewDeclaration(900, 2016, 11);
    for (auto* declaration : {first.Get(), second.Get()}) Put(declaration, u"DoZaplaty", Variant::FromDouble(1));
    ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(lastSaveError_);
    LONG firstId = 0, secondId = 0;
    first->get_ID(&firstId);
    second->get_ID(&secondId);
    const std::u16string printouts = u"select group_concat(DkW_DkWID) from TLX.DeklWydr where DkW_DkNID=";
    const std::u16string firstLines = Scalar(printouts + Utf8ToUtf16(std::to_string(firstId)));
    const std::u16string secondLines = Scalar(printouts + Utf8ToUtf16(std::to_string(secondId)));

    // A line no printed field asks for any more (left by an older form) goes at the next save.
    Execute(u"insert into TLX.DeklWydr (DkW_DkNID, DkW_Rubryka, DkW_SubRubryka, DkW_Wartosc) values (" +
            Utf8ToUtf16(std::to_string(secondId)) + u", 99, 0, 'stara')");

    auto other = NewSession();
    auto again = Declarations(other.Get());
    auto open = [&](LONG id) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(again->Item(Variant::FromString(Utf8ToUtf16(std::to_string(id))), item.Out()), S_OK);
        return item.As<IDeklaracja2>();
    };
    auto read = open(firstId), changed = open(secondId);
    Field(read.Get(), u"Sprzedaz");  // the form is loaded
    Put(changed.Get(), u"Sprzedaz", Variant::FromDouble(500));
    ASSERT_EQ(SaveCollection(again.Get()), S_OK) << Utf16ToUtf8(LastError());

    EXPECT_EQ(FieldText(read.Get(), u"Zdarzenia"), u"onload;") << "a declaration only read is neither checked nor saved";
    EXPECT_EQ(Scalar(printouts + Utf8ToUtf16(std::to_string(firstId))), firstLines) << "its printout lines stay";
    EXPECT_NE(FieldText(changed.Get(), u"Zdarzenia").find(u"onsave;"), std::u16string::npos);
    EXPECT_EQ(Scalar(printouts + Utf8ToUtf16(std::to_string(secondId))), secondLines)
        << "the changed one's printout lines are rewritten in place, not deleted and added again";
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklWydr where DkW_Rubryka=99"), u"0");
    EXPECT_EQ(Scalar(u"select DkW_Wartosc from TLX.DeklWydr where DkW_Rubryka=10 and DkW_DkNID=" +
                     Utf8ToUtf16(std::to_string(secondId))),
              u"500.00");
}

// A form without printed fields: a new declaration is saved without lines, and a stored one loses a line
// left from an older form at its next save.
TEST_F(DeklaracjaTest, AFormWithoutPrintedFieldsKeepsNoPrintoutLines) {
    auto declaration = NewDeclaration(902, 2015, 6);
    Put(declaration.Get(), u"Kwota", Variant::FromDouble(5));
    ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(lastSaveError_);
    LONG id = 0;
    declaration->get_ID(&id);
    const std::u16string lines = u"select count(*) from TLX.DeklWydr where DkW_DkNID=" + Utf8ToUtf16(std::to_string(id));
    EXPECT_EQ(Scalar(lines), u"0");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem where DkE_DkNID=" + Utf8ToUtf16(std::to_string(id))), u"2");

    Execute(u"insert into TLX.DeklWydr (DkW_DkNID, DkW_Rubryka, DkW_SubRubryka, DkW_Wartosc) values (" +
            Utf8ToUtf16(std::to_string(id)) + u", 99, 0, 'stara')");
    ASSERT_EQ(Scalar(lines), u"1");
    auto other = NewSession();
    auto again = Declarations(other.Get());
    ComPtr<IDispatch> item;
    ASSERT_EQ(again->Item(Variant::FromString(Utf8ToUtf16(std::to_string(id))), item.Out()), S_OK);
    Put(item.Get(), u"Kwota", Variant::FromDouble(6));
    ASSERT_EQ(SaveCollection(again.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(lines), u"0") << "the stored declaration's leftover line is deleted";
}

// A save finds every declaration whose stored values changed, however many were read into the session.
TEST_F(DeklaracjaTest, ASaveStoresTheChangedValuesOfManyReadDeclarations) {
    constexpr int kDeclarations = 20;
    for (int i = 0; i < kDeclarations; ++i) {
        auto declaration = NewDeclaration(900, 2010 + i, 1);
        Put(declaration.Get(), u"DoZaplaty", Variant::FromDouble(1));
        Put(declaration.Get(), u"Sprzedaz", Variant::FromDouble(1));
    }
    ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(lastSaveError_);
    const std::u16string total = u"select sum(DkE_WartoscL) from TLX.DeklElem e join TLX.DeklNag n on "
                                 u"n.DkN_DkNID = e.DkE_DkNID where n.DkN_TypDeklar = 900 and e.DkE_Numer = 1 and e.DkE_WartoscL >= 100";
    auto other = NewSession();
    auto again = Declarations(other.Get());
    std::vector<ComPtr<IDeklaracja2>> opened;
    for (LONG i = 0; i < kDeclarations; ++i) {
        ComPtr<IDispatch> item;
        ASSERT_EQ(again->Item(Variant::FromLong(i), item.Out()), S_OK);
        opened.push_back(item.As<IDeklaracja2>());
        Field(opened.back().Get(), u"Sprzedaz");  // read: its stored values are in the session
    }
    for (LONG i = 0; i < kDeclarations; i += 2) Put(opened[i].Get(), u"Sprzedaz", Variant::FromDouble(100 + i));
    ASSERT_EQ(SaveCollection(again.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(total), u"1090") << "every changed declaration, none of the others";
}

TEST_F(DeklaracjaTest, NumbersCountPerFormTypeAndEmployeeAndIwaPerYear) {
    Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod) values (5, 'P5')");
    Execute(u"insert into TLX.DeklNag (DkN_TypDeklar, DkN_Numer, DkN_RokMiesiac) values (900, 3, 201001), "
            u"(900, 7, 202001), (901, 40, 201601), (900, 50, 201601)");
    Execute(u"update TLX.DeklNag set DkN_PraID=5 where DkN_Numer=50");
    Execute(u"insert into TLX.DeklNag (DkN_TypDeklar, DkN_Numer, DkN_RokMiesiac) values (130, 9, 201512), "
            u"(130, 4, 201603)");
    auto first = NewDeclaration(900, 2016, 1);
    Put(first.Get(), u"DoZaplaty", Variant::FromDouble(1));
    NewDeclaration(901, 2016, 1);
    NewDeclaration(130, 2016, 12);
    ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(lastSaveError_);
    auto newNumber = [&](std::u16string_view condition) {
        return Scalar(u"select group_concat(DkN_Numer) from TLX.DeklNag where DkN_DkNID > 6 and " +
                      std::u16string(condition));
    };
    EXPECT_EQ(newNumber(u"DkN_TypDeklar=900"), u"8")
        << "3 and 7 of the same type without an employee count; 50 of an employee and 40 do not";
    EXPECT_EQ(newNumber(u"DkN_TypDeklar=901"), u"0") << "a form without numbering";
    EXPECT_EQ(newNumber(u"DkN_TypDeklar=130"), u"5") << "IWA counts its own year only";

    auto employee = Create(GuidToText(CLSID_Pracownicy), Variant::FromString(u"5"));
    auto second = NewDeclaration(900, 2016, 2);
    ASSERT_EQ(second->put_Pracownik(employee.Get()), S_OK) << Utf16ToUtf8(LastError());
    Put(second.Get(), u"DoZaplaty", Variant::FromDouble(1));
    ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(lastSaveError_);
    EXPECT_EQ(newNumber(u"DkN_PraID=5"), u"51");
    EXPECT_EQ(newNumber(u"DkN_TypDeklar=900 and DkN_PraID is null"), u"8") << "a saved declaration keeps its number";
}

TEST_F(DeklaracjaTest, NewDeclarationsSavedTogetherTakeSuccessiveNumbers) {
    Execute(u"insert into TLX.DeklNag (DkN_TypDeklar, DkN_Numer, DkN_RokMiesiac) values (900, 1, 201601)");
    auto other = Declarations();
    std::vector<ComPtr<IDeklaracja2>> added;
    auto add = [&](LONG type, LONG year, LONG month, ICollection* collection) {
        auto declaration = NewDeclaration(type, year, month, collection);
        if (type == 900) Put(declaration.Get(), u"DoZaplaty", Variant::FromDouble(1));
        ASSERT_EQ(session_.As<ISession2>()->AddObject(ComPtr<IDispatch>(declaration).Get()), S_OK);
        added.push_back(declaration);
    };
    // Two collections, two form types, several periods, one save of the session.
    add(900, 2016, 3, declarations_.Get());
    add(130, 2016, 1, declarations_.Get());
    add(900, 2016, 4, declarations_.Get());
    add(130, 2017, 1, declarations_.Get());
    add(900, 2016, 3, other.Get());
    add(130, 2016, 5, other.Get());
    ASSERT_EQ(session_->SaveChanges(), S_OK) << Utf16ToUtf8(LastError());
    std::vector<LONG> numbers;
    for (const auto& declaration : added) {
        LONG number = 0;
        declaration->get_Numer(&number);
        numbers.push_back(number);
    }
    EXPECT_EQ(numbers, (std::vector<LONG>{2, 1, 3, 1, 4, 2}));
    auto stored = [&](std::u16string_view condition) {
        return Scalar(u"select group_concat(DkN_Numer) from (select DkN_Numer from TLX.DeklNag where " +
                      std::u16string(condition) + u" order by 1)");
    };
    EXPECT_EQ(stored(u"DkN_TypDeklar = 900"), u"1,2,3,4");
    EXPECT_EQ(stored(u"DkN_TypDeklar = 130 and DkN_RokMiesiac / 100 = 2016"), u"1,2");
    EXPECT_EQ(stored(u"DkN_TypDeklar = 130 and DkN_RokMiesiac / 100 = 2017"), u"1");

    // Three more in one collection: the numbers go on from what is stored.
    declarations_ = Declarations();
    added.clear();
    for (int i = 0; i < 3; ++i) add(900, 2016, 6, declarations_.Get());
    ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(lastSaveError_);
    EXPECT_EQ(stored(u"DkN_TypDeklar = 900"), u"1,2,3,4,5,6,7");
}

TEST_F(DeklaracjaTest, ARequiredEmptyFieldFailsTheSaveAndLeavesNothing) {
    auto declaration = NewDeclaration(900, 2016, 1);
    EXPECT_EQ(Save(), E_FAIL);
    EXPECT_EQ(lastSaveError_, u"Pole \"DoZaplaty\" musi być wypełnione.");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklNag"), u"0");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem"), u"0");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklWydr"), u"0");
    declarations_ = Declarations();
    auto again = NewDeclaration(900, 2016, 1);
    Put(again.Get(), u"DoZaplaty", Variant::FromDouble(10));
    ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(lastSaveError_);
    EXPECT_EQ(Scalar(u"select DkN_Numer from TLX.DeklNag"), u"1") << "the failed save took no number";
}

TEST_F(DeklaracjaTest, TwoSessionsSavingAtOnceGetDifferentNumbers) {
    auto declaration = NewDeclaration(900, 2016, 1);
    Put(declaration.Get(), u"DoZaplaty", Variant::FromDouble(1));
    // A second user's save is under way: its transaction holds the next number.
    auto other = NewSession();
    Connection* busy = Database(other.Get());
    LONG level = 0;
    ASSERT_EQ(busy->BeginTrans(&level), S_OK);
    ComPtr<Recordset> ignored;
    Variant affected;
    ASSERT_EQ(busy->Execute(Bstr(u"insert into TLX.DeklNag (DkN_TypDeklar, DkN_Numer) values (900, 1)").Get(),
                            affected.Out(), adCmdText, ignored.Out()),
              S_OK);
    HRESULT saved = E_UNEXPECTED;
    std::thread saving([&] { saved = Save(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(busy->CommitTrans(), S_OK);
    saving.join();
    ASSERT_EQ(saved, S_OK) << Utf16ToUtf8(lastSaveError_);
    LONG numer = 0;
    declaration->get_Numer(&numer);
    EXPECT_EQ(numer, 2);
    EXPECT_EQ(Scalar(u"select group_concat(DkN_Numer) from (select DkN_Numer from TLX.DeklNag order by 1)"), u"1,2");
}

TEST_F(DeklaracjaTest, TwoSessionsEditingOneDeclarationConflictAndNothingOfTheSecondIsWritten) {
    auto stored = NewDeclaration(900, 2016, 1);
    Put(stored.Get(), u"DoZaplaty", Variant::FromDouble(1));
    Put(stored.Get(), u"Sprzedaz", Variant::FromDouble(5));
    ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(lastSaveError_);
    LONG id = 0;
    stored->get_ID(&id);
    std::u16string key = Utf8ToUtf16(std::to_string(id));
    auto value = [&](int number) {
        return Scalar(u"select DkE_WartoscL from TLX.DeklElem where DkE_Numer = " +
                      Utf8ToUtf16(std::to_string(number)) + u" and DkE_DkNID = " + key);
    };
    auto printed = [&](int box) {
        return Scalar(u"select DkW_Wartosc from TLX.DeklWydr where DkW_Rubryka = " + Utf8ToUtf16(std::to_string(box)) +
                      u" and DkW_DkNID = " + key);
    };

    auto first = NewSession(), second = NewSession();
    auto firstList = Declarations(first.Get()), secondList = Declarations(second.Get());
    ComPtr<IDispatch> item;
    ASSERT_EQ(firstList->Item(Variant::FromString(key), item.Out()), S_OK);
    auto mine = item.As<IDeklaracja2>();
    ASSERT_EQ(secondList->Item(Variant::FromString(key), item.Out()), S_OK);
    auto theirs = item.As<IDeklaracja2>();
    Put(mine.Get(), u"DoZaplaty", Variant::FromDouble(10));
    Put(mine.Get(), u"Sprzedaz", Variant::FromDouble(7));
    Put(theirs.Get(), u"DoZaplaty", Variant::FromDouble(20));
    // The second session also adds a declaration in the same save.
    auto added = NewDeclaration(900, 2016, 2, secondList.Get());
    Put(added.Get(), u"DoZaplaty", Variant::FromDouble(3));

    ASSERT_EQ(SaveCollection(firstList.Get()), S_OK) << Utf16ToUtf8(LastError());
    std::u16string count = Scalar(u"select count(*) from TLX.DeklNag");
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt);
        EXPECT_EQ(SaveCollection(secondList.Get()), adErrConcurrencyViolation);
        std::u16string why = LastError();
        EXPECT_NE(why.find(u"zmienione lub usunięte przez innego użytkownika"), std::u16string::npos) << Utf16ToUtf8(why);
        EXPECT_NE(why.find(u"Dekl"), std::u16string::npos) << "the table is named: " << Utf16ToUtf8(why);
        EXPECT_EQ(value(3), u"10") << "the first save stands";
        EXPECT_EQ(value(1), u"7");
        EXPECT_EQ(printed(12), u"10.00") << "the printout agrees with the values";
        EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklNag"), count) << "nothing of the second save is written";
        EXPECT_EQ(FieldText(theirs.Get(), u"DoZaplaty"), u"20") << "the second session keeps its changes";
        LONG addedId = -1;
        added->get_ID(&addedId);
        EXPECT_EQ(addedId, 0) << "the added declaration is new again";
    }

    // Read again, the second session's change is saved over the first one's, with a declaration added anew.
    secondList = Declarations(second.Get());
    ASSERT_EQ(secondList->Item(Variant::FromString(key), item.Out()), S_OK);
    theirs = item.As<IDeklaracja2>();
    EXPECT_EQ(FieldText(theirs.Get(), u"DoZaplaty"), u"10");
    Put(theirs.Get(), u"DoZaplaty", Variant::FromDouble(20));
    added = NewDeclaration(900, 2016, 2, secondList.Get());
    Put(added.Get(), u"DoZaplaty", Variant::FromDouble(3));
    ASSERT_EQ(SaveCollection(secondList.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(value(3), u"20");
    EXPECT_EQ(value(1), u"7") << "what the first session changed and the second did not stays";
    EXPECT_EQ(printed(12), u"20.00");
    LONG addedId = 0;
    added->get_ID(&addedId);
    EXPECT_EQ(Scalar(u"select count(*) || '/' || min(DkN_Numer) from TLX.DeklNag where DkN_DkNID = " +
                     Utf8ToUtf16(std::to_string(addedId))),
              u"1/2");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem where DkE_DkNID = " + Utf8ToUtf16(std::to_string(addedId))),
              Scalar(u"select count(*) from TLX.DeklElem where DkE_DkNID = " + key));
}

// A save within the same second as the one before it still moves the declaration's stamp: a copy read
// between the two is refused at its own save, though it changes another value. The saves are repeated
// until both fall within one second of the clock.
TEST_F(DeklaracjaTest, ACopyReadBetweenTwoSavesOfOneSecondIsStale) {
    auto stored = NewDeclaration(900, 2016, 1);
    Put(stored.Get(), u"DoZaplaty", Variant::FromDouble(1));
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::time_t start = std::time(nullptr);
        Put(stored.Get(), u"Sprzedaz", Variant::FromDouble(5 + attempt));
        ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(lastSaveError_);
        LONG id = 0;
        stored->get_ID(&id);
        auto other = NewSession();
        auto list = Declarations(other.Get());
        ComPtr<IDispatch> item;
        ASSERT_EQ(list->Item(Variant::FromString(Utf8ToUtf16(std::to_string(id))), item.Out()), S_OK);
        auto theirs = item.As<IDeklaracja2>();
        Put(stored.Get(), u"Sprzedaz", Variant::FromDouble(100 + attempt));
        ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(lastSaveError_);
        if (std::time(nullptr) != start) continue;
        Put(theirs.Get(), u"DoZaplaty", Variant::FromDouble(20));
        EXPECT_EQ(SaveCollection(list.Get()), adErrConcurrencyViolation);
        return;
    }
    GTEST_SKIP() << "no two saves fell within one second";
}

TEST_F(DeklaracjaTest, ALongSaveLetsAnotherUserSaveWhileItChecks) {
    // The other user waits for the write lock at most a second.
    Execute(u"insert into TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) values ('CzasOczekiwaniaNaZapis', '1')");
    for (int i = 0; i < 8; ++i) Put(NewDeclaration(903, 2016, 1).Get(), u"Kwota", Variant::FromDouble(i));
    auto other = NewSession();
    auto otherList = Declarations(other.Get());
    Put(NewDeclaration(901, 2016, 1, otherList.Get()).Get(), u"Kwota", Variant::FromDouble(1));

    HRESULT longSave = E_UNEXPECTED;
    auto started = std::chrono::steady_clock::now();
    std::thread saving([&] { longSave = Save(); });  // 8 checks of 300 ms
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    HRESULT shortSave = SaveCollection(otherList.Get());
    std::u16string why = shortSave == S_OK ? u"" : LastError();
    auto shortDone = std::chrono::steady_clock::now();
    saving.join();
    EXPECT_EQ(shortSave, S_OK) << Utf16ToUtf8(why);
    EXPECT_EQ(longSave, S_OK) << Utf16ToUtf8(lastSaveError_);
    EXPECT_LT(shortDone - started, std::chrono::milliseconds(2000)) << "the short save did not wait for the checks";
    EXPECT_EQ(Scalar(u"select count(*) || '/' || count(distinct DkN_Numer) from TLX.DeklNag where DkN_TypDeklar = 903"),
              u"8/8");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklNag"), u"9");
}

TEST_F(DeklaracjaTest, FieldsAreDispatchPropertiesAfterTheTypeLibraryMembers) {
    ComPtr<IDispatch> item;
    ASSERT_EQ(declarations_->AddNew(Variant::Missing(), item.Out()), S_OK);
    auto unloadable = item.As<IDeklaracja2>();
    unloadable->put_TypDeklar(999);  // no form: only type-library names resolve
    for (const char16_t* name : {u"Wartosc", u"wartosc", u"WARTOSC"}) {
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        DISPID id = 0;
        EXPECT_EQ(unloadable->GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK);
        EXPECT_EQ(id, IDeklaracja2::Dispid::Wartosc);
    }

    auto declaration = NewDeclaration(900, 2016, 1);
    LPOLESTR names[] = {const_cast<LPOLESTR>(u"zakupy"), const_cast<LPOLESTR>(u"Nieznane")};
    DISPID ids[2] = {0, 0};
    EXPECT_EQ(declaration->GetIDsOfNames(IID_NULL, names, 2, 0, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], 100001);
    EXPECT_EQ(ids[1], DISPID_UNKNOWN);
    LPOLESTR last[] = {const_cast<LPOLESTR>(u"BezKodu")};
    declaration->GetIDsOfNames(IID_NULL, last, 1, 0, ids);
    EXPECT_EQ(ids[0], 100012);

    DISPPARAMS none{nullptr, nullptr, 0, 0};
    Variant result;
    EXPECT_EQ(declaration->Invoke(100013, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, result.Out(), nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(LastError(), u"Brak definicji pola o dispid '100013'");
    Variant args[2] = {Variant::FromLong(1), Variant::FromLong(2)};
    DISPPARAMS one{args, nullptr, 1, 0};
    EXPECT_EQ(declaration->Invoke(100001, IID_NULL, 0, DISPATCH_PROPERTYGET, &one, result.Out(), nullptr, nullptr),
              DISP_E_BADPARAMCOUNT);
    DISPPARAMS two{args, nullptr, 2, 0};
    EXPECT_EQ(declaration->Invoke(100001, IID_NULL, 0, DISPATCH_PROPERTYPUT, &two, nullptr, nullptr, nullptr),
              DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(declaration->Invoke(100001, IID_NULL, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &none, result.Out(),
                                  nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(declaration->Invoke(100001, IID_NULL, 0, DISPATCH_PROPERTYPUT, &one, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(FieldText(declaration.Get(), u"Zakupy"), u"1");

    Variant value;
    EXPECT_EQ(declaration->get_Wartosc(Bstr(u"Nieznane").Get(), value.Out()), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(LastError(), u"Brak definicji pola o nazwie 'Nieznane'");
    EXPECT_EQ(declaration->put_Wartosc(Bstr(u"SPRZEDAZ").Get(), Variant::FromDouble(3)), S_OK);
    EXPECT_EQ(FieldText(declaration.Get(), u"Sprzedaz"), u"3");
    ComPtr<IDekElementInfo> info;
    EXPECT_EQ(declaration.As<IGetDekElementInfo>()->get_Info(99, info.Out()), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(LastError(), u"Brak definicji pola o numerze '99'");
    ComPtr<IDispatch> printed;
    EXPECT_EQ(declaration.As<IGetDekElementInfo>()->InfoLpw(99, printed.Out()), S_OK);
    EXPECT_FALSE(printed);
    ASSERT_EQ(declaration.As<IGetDekElementInfo>()->InfoLpw(11, printed.Out()), S_OK);
    EXPECT_EQ(Text(Get(printed.Get(), u"Nazwa")), u"Zakupy");
    ComPtr<IDispatch> named;
    ASSERT_EQ(declaration.As<IGetDekElementInfo>()->InfoStr(Bstr(u"ZAKUPY").Get(), named.Out()), S_OK);
    EXPECT_EQ(Text(Get(named.Get(), u"Lp")), u"2");
    EXPECT_EQ(declaration.As<IGetDekElementInfo>()->InfoStr(Bstr(u"Nieznane").Get(), named.Out()),
              DISP_E_MEMBERNOTFOUND);
    ComPtr<IDekElement> element;
    ASSERT_EQ(declaration->get_Pole(Bstr(u"Zakupy").Get(), element.Out()), S_OK);
    LONG numer = 0;
    element->get_Numer(&numer);
    EXPECT_EQ(numer, 2) << "Pole answers the field's stored value";

    EXPECT_EQ(declaration->get_Wartosc(Bstr(u"BezKodu").Get(), value.Out()), E_FAIL);
    EXPECT_EQ(LastError(), u"Właściwość 'BezKodu' nie posiada kodu 'get'.");
    EXPECT_EQ(declaration->put_Wartosc(Bstr(u"BezKodu").Get(), Variant::FromLong(1)), E_FAIL);
    EXPECT_EQ(LastError(), u"Właściwość 'BezKodu' nie posiada kodu 'put'.");
}

TEST_F(DeklaracjaTest, ScriptErrorsReachTheCallerWithTheirTexts) {
    auto declaration = NewDeclaration(900, 2016, 1);
    EXCEPINFO exception{};
    Variant result;
    EXPECT_EQ(CallByName(declaration.Get(), u"Blad", DISPATCH_PROPERTYGET, {}, &result, &exception), DISP_E_EXCEPTION);
    EXPECT_EQ(exception.scode, static_cast<SCODE>(0x80040203));
    EXPECT_EQ(exception.wCode, 3);
    EXPECT_EQ(std::u16string(exception.bstrDescription ? exception.bstrDescription : u""), u"Pole nie do odczytu");
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrHelpFile);
    EXPECT_EQ(CallByName(declaration.Get(), u"Blad", DISPATCH_PROPERTYGET, {}, &result),
              static_cast<HRESULT>(0x80040203));

    auto sink = CProgressSink::Make();
    ASSERT_EQ(declaration->AdviseProgress(ComPtr<_IProgressEvents>(sink.Get()).Get()), S_OK);
    Put(declaration.Get(), u"Nazwa", Variant::FromString(u"BŁĄD"));
    EXPECT_EQ(declaration->Policz(), static_cast<HRESULT>(0x8005000C));
    EXPECT_EQ(LastError(), u"Brak danych do wyliczenia");
    EXPECT_EQ(sink->events, (Events{{0xB0, {u"Wyliczanie deklaracji"}},
                                    {0xB2, {u"Błąd wyliczania deklaracji: Brak danych do wyliczenia"}}}));

    // A period outside the form's validity: the failure is reported and the calculation never runs.
    sink->events.clear();
    auto old = NewDeclaration(900, 2014, 12);
    ASSERT_EQ(old->AdviseProgress(ComPtr<_IProgressEvents>(sink.Get()).Get()), S_OK);
    EXPECT_EQ(old->Policz(), HOST_E_MISSINGDATA);
    ASSERT_EQ(sink->events.size(), 1u);
    EXPECT_EQ(sink->events[0].first, 0xB2);
    EXPECT_EQ(sink->events[0].second[0].rfind(u"Błąd wyliczania deklaracji: ", 0), 0u);
    EXPECT_EQ(FieldText(old.Get(), u"Zdarzenia").find(u"oncalculate"), std::u16string::npos);
}

// What a computed field's "put" code receives as `value`: the value itself, whatever it holds.
TEST_F(DeklaracjaTest, AComputedPutReceivesTheValueAsData) {
    auto declaration = NewDeclaration(900, 2016, 1);
    struct Case {
        Variant written;
        std::u16string seen;
    };
    const std::u16string breaks = u"pierwsza\r\ndruga\nostatnia";
    std::vector<Case> cases{
        {Variant::FromString(u"O'Neil"), u"string:O'Neil"},
        {Variant::FromString(u"C:\\dane\\'x'"), u"string:C:\\dane\\'x'"},
        {Variant::FromString(breaks), u"string:" + breaks},
        {Variant::FromString(u"value"), u"string:value"},
        {Variant::FromString(u"'); zdarzenia = 'zmienione'; ('"), u"string:'); zdarzenia = 'zmienione'; ('"},
        {Variant::FromDouble(12.5), u"number:12.5"},
        {Variant::FromCurrency(CY{123400}), u"number:12.34"},
        {Variant::FromBool(true), u"boolean:true"},
        {Variant::Null(), u"null"},
        {Variant(), u"string:"},
        {Variant::FromDate(42724), u"date:2016-12-20"},
        {Variant::FromDate(0), u"null"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(declaration->put_Wartosc(Bstr(u"Zapamietane").Get(), c.written), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(FieldText(declaration.Get(), u"Zapamietane"), c.seen) << Utf16ToUtf8(c.seen);
    }
    EXPECT_EQ(FieldText(declaration.Get(), u"Zdarzenia"), u"onload;onrokmiesiac;") << "no text ran as code";

    // A put that writes a stored field: the inner onupdate sees its element, the value arrives.
    Put(declaration.Get(), u"Przekazane", Variant::FromDouble(5));
    EXPECT_EQ(FieldText(declaration.Get(), u"Sprzedaz"), u"5");
    EXPECT_EQ(FieldText(declaration.Get(), u"Aktualizacje"), u"Zakupy;Nazwa;Sprzedaz;");
}

TEST_F(DeklaracjaTest, EventsByNameAndThePeriodSetters) {
    auto declaration = NewDeclaration(900, 2015, 11);
    EXPECT_EQ(declaration->executeJS(Bstr(u"akcja").Get()), S_OK);
    EXPECT_EQ(declaration->executeJS(Bstr(u"nieznana").Get()), S_OK);
    EXPECT_EQ(declaration->put_Rok(2016), S_OK);
    LONG rok = 0, miesiac = 0;
    declaration->get_Rok(&rok);
    declaration->get_Miesiac(&miesiac);
    EXPECT_EQ(rok * 100 + miesiac, 201611);
    EXPECT_EQ(declaration->put_Miesiac(3), S_OK);
    declaration->get_Miesiac(&miesiac);
    EXPECT_EQ(miesiac, 3);
    EXPECT_EQ(FieldText(declaration.Get(), u"Zdarzenia"), u"onload;onrokmiesiac;akcja;onrokmiesiac;")
        << "the year of this form fires nothing, the month does";
    Bstr name;
    declaration->get_Transformata(name.Out());
    EXPECT_EQ(name.View(), u"900/1");

    auto unlisted = NewDeclaration(901, 2016, 1);
    CY amount{5};
    ASSERT_EQ(unlisted->get_KwotaCalkowita(&amount), S_OK);
    EXPECT_EQ(amount.int64, 0) << "no kwota expression";
    Bstr opis;
    ASSERT_EQ(unlisted->get_Opis(opis.Out()), S_OK);
    EXPECT_EQ(opis.View(), u"");
    ComPtr<IDispatch> party;
    ASSERT_EQ(unlisted->get_Podmiot(party.Out()), S_OK);
    EXPECT_FALSE(party);
    auto sink = CProgressSink::Make();
    unlisted->AdviseProgress(ComPtr<_IProgressEvents>(sink.Get()).Get());
    EXPECT_EQ(unlisted->Policz(), S_OK) << "a form without oncalculate";
    EXPECT_EQ(sink->events, (Events{{0xB0, {u"Wyliczanie deklaracji"}}, {0xB1, {u""}}}));
}

TEST_F(DeklaracjaTest, ProgressSinksOneAtATimeAndTheirFailures) {
    auto declaration = NewDeclaration(901, 2016, 1);
    auto first = CProgressSink::Make();
    auto second = CProgressSink::Make();
    EXPECT_EQ(declaration->SendMessage(Bstr(u"nikt").Get()), S_OK) << "no sink: nothing is called";
    ASSERT_EQ(declaration->AdviseProgress(ComPtr<_IProgressEvents>(first.Get()).Get()), S_OK);
    ASSERT_EQ(declaration->AdviseProgress(ComPtr<_IProgressEvents>(second.Get()).Get()), S_OK);
    EXPECT_EQ(declaration->SendMessage(Bstr(u"abc").Get()), S_OK);
    EXPECT_TRUE(first->events.empty()) << "the second advise replaced the first sink";
    EXPECT_EQ(second->events, (Events{{0x47F, {u"#3", u"abc"}}}));
    EXPECT_EQ(declaration->WillAction(nullptr), S_OK);
    EXPECT_EQ(second->events.back().second[0], u"(null)");

    second->answer = S_FALSE;
    EXPECT_EQ(declaration->ActionCompleted(Bstr(u"x").Get()), S_FALSE) << "no answer but S_OK is success";
    ASSERT_EQ(declaration->UnAdviseProgress(), S_OK);
    ASSERT_EQ(declaration->UnAdviseProgress(), S_OK);
    EXPECT_EQ(declaration->ActionCompleted(Bstr(u"y").Get()), S_OK);

    EXPECT_EQ(declaration->AdviseProgress(nullptr), E_POINTER) << "a sink that cannot be attached is reported";
    auto collection = Create(GuidToText(CLSID_CChildCollection));
    EXPECT_EQ(declaration->AdviseProgress(collection.Get()), CONNECT_E_CANNOTCONNECT);
}

TEST_F(DeklaracjaTest, HeaderColumnsAndFixedAnswers) {
    auto declaration = NewDeclaration(901, 2016, 1);
    LONG value = 0;
    declaration->get_RodzajAdresu(&value);
    EXPECT_EQ(value, -1);
    declaration->get_Seryjna(&value);
    EXPECT_EQ(value, 0);
    declaration->put_PodTypZrodla(9);
    declaration->get_PodTypZrodla(&value);
    EXPECT_EQ(value, 1);
    declaration->get_TypZrodla(&value);
    EXPECT_EQ(value, 6);
    ASSERT_EQ(declaration->put_Data(45000.75), S_OK);
    DATE date = 0;
    declaration->get_Data(&date);
    EXPECT_EQ(date, 45000.0);
    declaration->put_Data(-5);
    declaration->get_Data(&date);
    EXPECT_EQ(date, 2.0) << "clamped to 1900-01-01";
    declaration->get_Finalna(&value);
    EXPECT_EQ(value, 0) << "NULL reads as 0";
    declaration->get_Zatwierdzony(&value);
    EXPECT_EQ(value, -61);
    for (auto [given, whole] : {std::pair{2.5, 3}, {-2.5, -3}, {2.4999995, 3}, {2.4, 2}}) {
        Variant rounded;
        ASSERT_EQ(declaration->round(Variant::FromDouble(given), rounded.Out()), S_OK);
        EXPECT_EQ(rounded.vt, VT_CY);
        EXPECT_EQ(rounded.cyVal.int64, whole * 10000LL) << given;
    }
    ComPtr<IDispatch> none;
    EXPECT_EQ(declaration->get_Podatnik(none.Out()), E_NOTIMPL);
    ComPtr<IDeklaracja> self;
    ASSERT_EQ(declaration->get_This(self.Out()), S_OK);
    EXPECT_EQ(self.As<IUnknown>(), declaration.As<IUnknown>());
    ComPtr<IDispatch> employee;
    EXPECT_EQ(declaration->get_Pracownik(employee.Out()), HOST_E_RECORDZERO);
    EXPECT_EQ(LastError(), u"Rekord 0 nieznaleziony. Pole 'Pracownik'");

    auto identity = declaration.As<IMirvakObjectTypeInfo>();
    ASSERT_TRUE(identity);
    identity->get_ObjectType(&value);
    EXPECT_EQ(value, 30901);
    declaration->put_Miesiac(2);
    double lastDay = 0;
    identity->get_DocumentDate(&lastDay);
    EXPECT_EQ(lastDay, 42429.0) << "29 February 2016";
    ComPtr<IDispatch> stamp, again;
    ASSERT_EQ(declaration->get_Stempel(stamp.Out()), S_OK) << Utf16ToUtf8(LastError());
    declaration->get_Stempel(again.Out());
    EXPECT_TRUE(stamp);
    EXPECT_EQ(stamp.As<IUnknown>(), again.As<IUnknown>()) << "the stamp is made once";
}

TEST_F(DeklaracjaTest, ChildDeclarationsLeaveOutAttachmentForms) {
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_Numer, DkN_Zablokowana) values (15, 120, 1, 0)");
    Execute(u"insert into TLX.DeklNag (DkN_TypDeklar, DkN_ParentID) values (25, 15), (121, 15), (121, 16)");
    ComPtr<IDispatch> item;
    ASSERT_EQ(declarations_->Item(Variant::FromString(u"15"), item.Out()), S_OK);
    auto parent = item.As<IDeklaracja2>();
    ComPtr<IDispatch> children;
    ASSERT_EQ(parent->get_Deklaracje(children.Out()), S_OK) << Utf16ToUtf8(LastError());
    ComPtr<IDispatch> same;
    parent->get_Deklaracje(same.Out());
    EXPECT_EQ(children.Get(), same.Get()) << "built once";
    LONG count = 0;
    children.As<ICollection>()->get_Count(&count);
    EXPECT_EQ(count, 1) << "the RCA is a child, the PIT/B attachment is not";
    ASSERT_EQ(parent->put_Zablokowana(1), S_OK) << Utf16ToUtf8(LastError());
    ComPtr<IDispatch> child;
    ASSERT_EQ(children.As<ICollection>()->Item(Variant::FromLong(0), child.Out()), S_OK);
    LONG locked = 0;
    child.As<IDeklaracja>()->get_Zablokowana(&locked);
    EXPECT_EQ(locked, 1) << "the lock spreads to the children";
}

TEST_F(DeklaracjaTest, ALockedPackageRefusesTheDeclarationAndDetachingAlwaysWorks) {
    Execute(u"insert into TLX.DeklKedu (Dkk_DkkId, Dkk_Nazwa, Dkk_Zablokowana) values (4, 'otwarty', 0), "
            u"(5, 'zamknięty', 1)");
    auto declaration = NewDeclaration(901, 2016, 1);
    auto open = CStandInKedu::Make();
    open->id = 4;
    ASSERT_EQ(declaration->put_Kedu(open.Get()), S_OK) << Utf16ToUtf8(LastError());
    auto closed = CStandInKedu::Make();
    closed->id = 5;
    closed->locked = 1;
    EXPECT_EQ(declaration->put_Kedu(closed.Get()), static_cast<HRESULT>(0x80040207));
    EXPECT_EQ(LastError(), u"Nie można przypinać deklaracji do zablokowanego pliku KEDU.");
    ASSERT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"select DkN_DkkID from TLX.DeklNag"), u"4") << "the refused package changed nothing";
    EXPECT_EQ(declaration->put_Kedu(nullptr), S_OK);
    ASSERT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"select DkN_DkkID from TLX.DeklNag"), u"NULL");
}

TEST_F(DeklaracjaTest, PrintoutLinesWriteAmountsWithGroupsAndEmptyDatesAsNothing) {
    auto declaration = NewDeclaration(901, 2016, 1);
    EXPECT_EQ(FieldText(declaration.Get(), u"Kwota"), u"0,5") << "the default is evaluated for the new row";
    Put(declaration.Get(), u"Kwota", Variant::FromDouble(-1234567.891));
    ASSERT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"select group_concat(DkW_Rubryka || '=' || DkW_Wartosc, ' | ') "
                     u"from (select * from TLX.DeklWydr order by DkW_Rubryka)"),
              u"1=-1,234,567.89 | 2=");
    Put(declaration.Get(), u"Kwota", Variant::FromDouble(999.99));
    ASSERT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"select group_concat(DkW_Wartosc, ' | ') from TLX.DeklWydr"), u"999.99 | ")
        << "every save replaces the lines";
}

TEST_F(DeklaracjaTest, AFieldReadsAndWritesTheRowItsBookmarkNames) {
    auto declaration = NewDeclaration(900, 2016, 1);
    Put(declaration.Get(), u"Zakupy", Variant::FromDouble(5));
    Put(declaration.Get(), u"Sprzedaz", Variant::FromDouble(7));
    EXPECT_EQ(FieldText(declaration.Get(), u"Zakupy"), u"5");
    ComPtr<IDispatch> zakupy, sprzedaz;
    ASSERT_EQ(declaration.As<IGetDekElementInfo>()->InfoStr(Bstr(u"Zakupy").Get(), zakupy.Out()), S_OK);
    ASSERT_EQ(declaration.As<IGetDekElementInfo>()->InfoStr(Bstr(u"Sprzedaz").Get(), sprzedaz.Out()), S_OK);
    const std::u16string bookmark = Text(Get(sprzedaz.Get(), u"Bookmark"));
    EXPECT_FALSE(bookmark.empty());
    EXPECT_EQ(bookmark.find_first_not_of(u"0123456789"), std::u16string::npos) << "a row's number, digits alone";
    Put(zakupy.Get(), u"Bookmark", Get(sprzedaz.Get(), u"Bookmark"));
    EXPECT_EQ(FieldText(declaration.Get(), u"Zakupy"), u"7") << "the row of the bookmark written";
    Put(declaration.Get(), u"Zakupy", Variant::FromDouble(9));
    EXPECT_EQ(FieldText(declaration.Get(), u"Sprzedaz"), u"9");
}

// A new declaration's rows carry their fields' numbers and descriptions, and each element answers the
// field of its number, also after a script renumbers it.
TEST_F(DeklaracjaTest, NewRowsCarryTheirFieldsNumbersAndDescriptions) {
    auto declaration = NewDeclaration(900, 2016, 1);
    ComPtr<IDekElement> element;
    ASSERT_EQ(declaration->get_Pole(Bstr(u"DoZaplaty").Get(), element.Out()), S_OK) << Utf16ToUtf8(LastError());
    Bstr text;
    ASSERT_EQ(element->get_Nazwa(text.Out()), S_OK);
    EXPECT_EQ(text.View(), u"DoZaplaty");
    ASSERT_EQ(element->get_Opis(text.Out()), S_OK);
    EXPECT_EQ(text.View(), u"Do zapłaty");
    ComPtr<IDekElement> udzial;
    ASSERT_EQ(declaration->get_Pole(Bstr(u"Udzial").Get(), udzial.Out()), S_OK);
    ASSERT_EQ(udzial->put_Numer(4), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(udzial->get_Nazwa(text.Out()), S_OK);
    EXPECT_EQ(text.View(), u"Nazwa") << "the field of the new number";
    ASSERT_EQ(udzial->put_Numer(7), S_OK);

    Put(declaration.Get(), u"DoZaplaty", Variant::FromDouble(3));
    ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(lastSaveError_);
    EXPECT_EQ(Scalar(u"select group_concat(DkE_Numer || '=' || DkE_Opis, ' | ') "
                     u"from (select * from TLX.DeklElem order by DkE_DkEID)"),
              u"1=Sprzedaż | 2=Zakupy | 3=Do zapłaty | 4=Nazwa | 5=Data złożenia | 6=Liczba załączników | 7=Udział");
}

// An element a script numbers again holds the kind of value of its new field, also after its value was read.
TEST_F(DeklaracjaTest, ARenumberedElementHoldsTheValueOfItsNewFieldsKind) {
    auto declaration = NewDeclaration(900, 2016, 1);
    ComPtr<IDekElement> element;
    ASSERT_EQ(declaration->get_Pole(Bstr(u"Udzial").Get(), element.Out()), S_OK) << Utf16ToUtf8(LastError());
    Variant value;
    ASSERT_EQ(element->get_Wartosc(value.Out()), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(element->put_Numer(4), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(element->put_Wartosc(Variant::FromString(u"Firma X")), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(element->get_Wartosc(value.Out()), S_OK);
    EXPECT_EQ(Text(value), u"Firma X");
    ASSERT_EQ(element->put_Numer(7), S_OK);
    ASSERT_EQ(element->put_Wartosc(Variant::FromString(u"1/4")), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(element->get_Wartosc(value.Out()), S_OK);
    EXPECT_EQ(Text(value), u"1/4");
}

TEST_F(DeklaracjaTest, ARefreshKeepsTheFieldsOnTheirRowsAndACloneKnowsItself) {
    auto declaration = NewDeclaration(901, 2016, 1);
    Put(declaration.Get(), u"Kwota", Variant::FromDouble(12.5));
    ASSERT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError());
    Execute(u"update TLX.DeklElem set DkE_WartoscL=99 where DkE_Numer=1");
    ASSERT_EQ(declarations_->Resync(Variant::Missing()), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(declaration->ResyncKolekcje(), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(FieldText(declaration.Get(), u"Kwota"), u"99") << "the field reads its row as stored now";
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem"), u"2");

    LONG clone = -1;
    declaration->get_JestemKlonem(&clone);
    EXPECT_EQ(clone, 0);
    ComPtr<IDispatch> copy;
    ASSERT_EQ(declarations_->AddNew(Variant::FromDispatch(declaration.Get()), copy.Out()), S_OK)
        << Utf16ToUtf8(LastError());
    copy.As<IDeklaracja2>()->get_JestemKlonem(&clone);
    EXPECT_EQ(clone, 1) << "a row bound to receive a copy";
}

// The stored rows are read once for all the fields: a field takes the first row of its number, a number
// that no field has is left alone, the fields without a row get new rows with their defaults in the form's
// order, and a refresh that misses a row fails as the collection fails it.
TEST_F(DeklaracjaTest, StoredValuesPairWithTheFirstRowOfTheirNumberAndTheRestTakeDefaults) {
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_Wersja, DkN_RokMiesiac) values (1, 900, 1, 201601)");
    Execute(u"insert into TLX.DeklElem (DkE_DkEID, DkE_DkNID, DkE_Numer, DkE_WartoscL, DkE_WartoscTekst) values "
            u"(10, 1, 3, 5, NULL), (11, 1, 1, 111, NULL), (12, 1, 1, 222, NULL), (13, 1, 99, 7, NULL), "
            u"(14, 1, 4, NULL, 'Zapisana')");
    ComPtr<IDispatch> item;
    ASSERT_EQ(declarations_->Item(Variant::FromString(u"1"), item.Out()), S_OK) << Utf16ToUtf8(LastError());
    auto declaration = item.As<IDeklaracja2>();
    EXPECT_EQ(FieldText(declaration.Get(), u"Sprzedaz"), u"111") << "the first row of a number stored twice";
    EXPECT_EQ(FieldText(declaration.Get(), u"DoZaplaty"), u"5");
    EXPECT_EQ(FieldText(declaration.Get(), u"Nazwa"), u"Zapisana") << "a stored value is not replaced by the default";
    EXPECT_EQ(FieldText(declaration.Get(), u"Zakupy"), u"100") << "a field without a row takes its default";
    EXPECT_EQ(FieldText(declaration.Get(), u"Aktualizacje"), u"Zakupy;") << "only the new row's default was written";

    Put(declaration.Get(), u"Sprzedaz", Variant::FromDouble(333));
    ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(lastSaveError_);
    EXPECT_EQ(Scalar(u"select group_concat(DkE_DkEID || ':' || DkE_Numer || '=' || ifnull(DkE_WartoscL, '-'), ' ') "
                     u"from (select * from TLX.DeklElem where DkE_DkEID < 15 order by DkE_DkEID)"),
              u"10:3=5 11:1=333 12:1=222 13:99=7 14:4=-")
        << "the write reached the first row of its number; the second and the unknown number are untouched";
    EXPECT_EQ(Scalar(u"select group_concat(DkE_Numer || '=' || ifnull(DkE_WartoscL, '-'), ' ') "
                     u"from (select * from TLX.DeklElem where DkE_DkEID >= 15 order by DkE_DkEID)"),
              u"2=100 5=- 6=- 7=-")
        << "one new row for each field without one, in the form's order";

    // Pairing again after the rows are read anew: with every row there, and with one row gone.
    ASSERT_EQ(declaration->ResyncKolekcje(), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(declarations_->Resync(Variant::Missing()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(FieldText(declaration.Get(), u"Sprzedaz"), u"333");
    EXPECT_EQ(FieldText(declaration.Get(), u"Zakupy"), u"100");
    Execute(u"delete from TLX.DeklElem where DkE_Numer=6");
    ASSERT_EQ(declaration->ResyncKolekcje(), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(declarations_->Resync(Variant::Missing()), HOST_E_NOROW) << "a refresh adds no row";
    EXPECT_EQ(LastError(), u"Nie znaleziono rekordu: Dke_Numer=6");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem"), u"8");

    // A number stored as text is read as the collection reads it: "2,0" is the number 2.
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_Wersja, DkN_RokMiesiac) values (2, 900, 1, 201601)");
    Execute(u"insert into TLX.DeklElem (DkE_DkEID, DkE_DkNID, DkE_Numer, DkE_WartoscL) values "
            u"(30, 2, '2,0', 55), (31, 2, 1, 66)");
    auto session = NewSession();
    ASSERT_EQ(Declarations(session.Get())->Item(Variant::FromString(u"2"), item.Out()), S_OK)
        << Utf16ToUtf8(LastError());
    auto texts = item.As<IDeklaracja2>();
    EXPECT_EQ(FieldText(texts.Get(), u"Zakupy"), u"55");
    EXPECT_EQ(FieldText(texts.Get(), u"Sprzedaz"), u"66");
}

TEST_F(DeklaracjaTest, NoEmployeeWhetherTheLinkIsNullOrZero) {
    Execute(u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_PraID) values (1, 901, NULL), (2, 901, 0)");
    for (const char16_t* id : {u"1", u"2"}) {
        ComPtr<IDispatch> item;
        ASSERT_EQ(declarations_->Item(Variant::FromString(id), item.Out()), S_OK);
        ComPtr<IDispatch> employee;
        EXPECT_EQ(item.As<IDeklaracja2>()->get_Pracownik(employee.Out()), HOST_E_RECORDZERO);
        EXPECT_FALSE(employee);
    }
}

TEST_F(DeklaracjaTest, ADeclarationLockedWhenLoadedSkipsItsCheckAndSaveScripts) {
    auto declaration = NewDeclaration(900, 2016, 1);
    Put(declaration.Get(), u"DoZaplaty", Variant::FromDouble(1));
    ASSERT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError());
    Execute(u"update TLX.DeklNag set DkN_Zablokowana=1");
    Execute(u"delete from TLX.DeklWydr");
    auto other = Declarations(NewSession().Get());
    ComPtr<IDispatch> item;
    ASSERT_EQ(other->Item(Variant::FromLong(0), item.Out()), S_OK);
    auto locked = item.As<IDeklaracja2>();
    ASSERT_EQ(locked->Verify(), S_OK);
    Put(locked.Get(), u"Sprzedaz", Variant::FromDouble(7));
    ASSERT_EQ(SaveCollection(other.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(FieldText(locked.Get(), u"Zdarzenia"), u"onload;") << "neither onverify nor onsave";
    EXPECT_EQ(Scalar(u"select DkW_Wartosc from TLX.DeklWydr where DkW_Rubryka=10"), u"7.00")
        << "the printout lines are rebuilt all the same";
}

}  // namespace
}  // namespace tlx::test
