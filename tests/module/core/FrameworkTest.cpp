#include <gtest/gtest.h>

#include "IDokumentImpl.h"
#include "TlxBus2.h"
#include "platform/ado/AdoRecordset.h"
#include "tlb/DispatchTables.h"

namespace {

// A session of the least kind: it hands out references to itself.
class CTestSession;
class CTestReference final : public tlx::ComObject<CTestReference, ISessionReference> {
public:
    tlx::ComPtr<ISession> session;
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT GetSession(ISession** out) override { return session.CopyTo(out); }
    HRESULT GetObject(IDispatch** out) override {
        *out = nullptr;
        return S_OK;
    }
};

class CTestSession final : public tlx::ComObject<CTestSession, ISession> {
public:
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT CreateObject(BSTR, VARIANT, IDispatch**) override { return E_NOTIMPL; }
    HRESULT GetReference(IDispatch*, ISessionReference** out) override {
        auto reference = CTestReference::Make();
        reference->session = tlx::ComPtr<ISession>(this);
        *out = reference.Detach();
        return S_OK;
    }
    HRESULT Prepare() override { return S_OK; }
    HRESULT SaveChanges() override { return S_OK; }
};

// A page-like record over a row with the columns Dks_DksID, Dks_Lp and Dks_Tekst (VARCHAR(10)); it
// counts what the framework asks of it.
class CTestRecord final : public IIdentityImpl<CTestRecord, ISQLObjectImpl<CTestRecord, IDekStrona, IIdentity, IMirvakObjectTypeInfo>> {
public:
    int loads = 0, saves = 0, checks = 0;
    std::vector<std::pair<LONG, LONG>> states;

    LONG ReadIdentifier() { return ReadLong(u"DksID"); }
    HRESULT get_ID(LONG* id) override { return IIdentityImpl::get_ID(id); }
    HRESULT InitializeParent(IDispatch*) override { return S_OK; }
    HRESULT get_Lp(LONG* v) override { return ComBoundary([&] { *RequireOut(v) = ReadLong(u"Lp"); }); }
    HRESULT put_Lp(LONG v) override { return ComBoundary([&] { WriteLong(u"Lp", v); }); }
    HRESULT get_Tekst(BSTR* v) override { return ComBoundary([&] { *RequireOut(v) = ReadText(u"Tekst").Copy(); }); }
    HRESULT put_Tekst(BSTR v) override {
        return ComBoundary([&] { SetFieldValue(u"Tekst", tlx::Variant::FromString(tlx::Bstr(v).View())); });
    }

protected:
    CBstr GetDefaultColumnPrefix() override { return CBstr(u"Dks_"); }
    void OnLoadRecord(LONG) override { ++loads; }
    void OnSave(LONG) override { ++saves; }
    void OnVerify() override { ++checks; }
    bool OnStateChange(LONG state, LONG mode) override {
        states.emplace_back(state, mode);
        return false;
    }
};

class CTestDocument final : public IDokumentImpl<tlx::ComObject<CTestDocument, IDokumentSlots>> {
public:
    HRESULT get_ID(LONG* id) override {
        *id = 1;
        return S_OK;
    }
};

tlx::ComPtr<Recordset> PageRows(int rows) {
    auto recordset = tlx::ado::CRecordset::Make();
    tlx::ComPtr<Fields> fields;
    recordset->get_Fields(fields.Out());
    fields->Append(tlx::Bstr(u"Dks_DksID").Get(), adInteger, 0, 0, tlx::Variant::Missing());
    fields->Append(tlx::Bstr(u"Dks_Lp").Get(), adInteger, 0, 0, tlx::Variant::Missing());
    fields->Append(tlx::Bstr(u"Dks_Tekst").Get(), adVarWChar, 10, 0, tlx::Variant::Missing());
    fields->Append(tlx::Bstr(u"Dks_Data").Get(), adDate, 0, 0, tlx::Variant::Missing());
    fields->Append(tlx::Bstr(u"Dks_Kwota").Get(), adCurrency, 0, 0, tlx::Variant::Missing());
    recordset->Open(tlx::Variant::Missing(), tlx::Variant::Missing(), adOpenStatic, adLockBatchOptimistic, -1);
    for (int i = 1; i <= rows; ++i) {
        recordset->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing());
        tlx::ComPtr<Field> id;
        fields->get_Item(tlx::Variant::FromLong(0), id.Out());
        id->put_Value(tlx::Variant::FromLong(i * 10));
    }
    if (rows) recordset->MoveFirst();
    return tlx::ComPtr<Recordset>(recordset.Get());
}

tlx::ComPtr<CTestRecord> BoundRecord(const tlx::ComPtr<Recordset>& rows, const char16_t* prefix = u"") {
    auto record = CTestRecord::Make();
    tlx::Bstr text(prefix);
    EXPECT_EQ(record->BindRecordset(rows.Get(), 1, text.Get()), S_OK);
    return record;
}

}  // namespace

TEST(BusinessObject, InitializeKeepsAReferenceAndReportsTheInitialState) {
    auto record = CTestRecord::Make();
    auto session = CTestSession::Make();
    ISession* none = nullptr;
    EXPECT_EQ(record->get_Session(&none), E_POINTER) << "no session before Initialize";
    EXPECT_EQ(record->Initialize(session.Get(), nullptr), E_POINTER);
    EXPECT_EQ(record->get_Session(&none), E_POINTER) << "a failed Initialize keeps no reference";
    LONG state = 0;
    ASSERT_EQ(record->Initialize(session.Get(), &state), S_OK);
    EXPECT_EQ(state, 2);
    tlx::ComPtr<ISession> back;
    ASSERT_EQ(record->get_Session(back.Out()), S_OK);
    EXPECT_EQ(back.Get(), session.Get());
    LONG mode = 0;
    record->get_ROSaveMode(&mode);
    EXPECT_EQ(mode, -1);
    record->put_ROSaveMode(7);
    record->get_ROSaveMode(&mode);
    EXPECT_EQ(mode, 7);
}

TEST(RecordObject, BindingLoadsLiveRowsOnlyAndAlwaysNotifies) {
    auto rows = PageRows(1);
    auto record = BoundRecord(rows);
    EXPECT_EQ(record->ColumnPrefix(), u"Dks_") << "an empty prefix takes the class's own";
    EXPECT_EQ(record->loads, 1);
    EXPECT_EQ(record->states, (std::vector<std::pair<LONG, LONG>>{{1, 1}}));

    auto empty = BoundRecord(PageRows(0));
    EXPECT_EQ(empty->loads, 0) << "an empty recordset is not loaded";
    EXPECT_EQ(empty->states.size(), 1u) << "but the binding is notified";

    rows->Delete(adAffectCurrent);
    auto deleted = BoundRecord(rows);
    EXPECT_EQ(deleted->loads, 0) << "a deleted row is not loaded, whatever other status bits it has";
}

TEST(RecordObject, ColumnsReadWithDefaultsAndTextIsCutToTheColumn) {
    auto rows = PageRows(1);
    auto record = BoundRecord(rows);
    tlx::Bstr text;
    ASSERT_EQ(record->get_Tekst(text.Out()), S_OK);
    EXPECT_EQ(text.View(), u"") << "NULL reads as the empty text";
    LONG lp = -1;
    record->get_Lp(&lp);
    EXPECT_EQ(lp, 0) << "NULL reads as 0";
    ASSERT_EQ(record->put_Tekst(tlx::Bstr(u"Zażółć gęślą").Get()), S_OK);
    record->get_Tekst(text.Out());
    EXPECT_EQ(text.View(), u"Zażółć gęś") << "cut to the column's ten characters";
    record->SetFieldValue(u"Tekst", tlx::Variant::Null());
    EXPECT_EQ(record->GetFieldValue(u"Tekst").vt, VT_NULL) << "NULL is written as NULL";
    EXPECT_EQ(record->put_Lp(5), S_OK);
    record->get_Lp(&lp);
    EXPECT_EQ(lp, 5);
}

TEST(RecordObject, AGivenPrefixNamesTheColumnsAsTheRecordsetSpellsThemOrNone) {
    auto rows = PageRows(1);
    auto record = BoundRecord(rows, u"dks_");
    EXPECT_EQ(record->ColumnPrefix(), u"dks_");
    ASSERT_EQ(record->put_Lp(7), S_OK) << "column names are found whatever their case";
    LONG lp = 0;
    ASSERT_EQ(record->get_Lp(&lp), S_OK);
    EXPECT_EQ(lp, 7);
    EXPECT_EQ(BoundRecord(rows)->ReadLong(u"Lp"), 7) << "the same column under the class's own prefix";
    EXPECT_EQ(record->ReadLong(u"DksID"), 10);

    auto stranger = BoundRecord(rows, u"Dkx_");
    EXPECT_EQ(stranger->get_Lp(&lp), adErrItemNotFound) << "a prefix of another table names no column";
    EXPECT_EQ(stranger->put_Lp(8), adErrItemNotFound);
    EXPECT_EQ(record->ReadLong(u"Lp"), 7) << "and writes nothing";
}

TEST(RecordObject, DatesAndAmountsFollowTheModulesRules) {
    auto record = BoundRecord(PageRows(1));
    EXPECT_TRUE(record->ReadDate(u"Data").IsEmpty()) << "NULL reads as the empty date";
    EXPECT_EQ(record->ReadMoney(u"Kwota"), CMoney(0.0)) << "NULL reads as the amount 0";
    record->SetFieldValue(u"Data", tlx::Variant::FromDate(45000.75));
    EXPECT_EQ(record->ReadDate(u"Data").Value(), 45000.0) << "the time of day is dropped";
    record->SetFieldValue(u"Data", tlx::Variant::FromDate(-700.0));
    EXPECT_EQ(record->ReadDate(u"Data").FormatSql(), u"1900-01-01") << "dates before 1900 are clamped";
    record->WriteDate(u"Data", CDate());
    tlx::Variant stored = record->GetFieldValue(u"Data");
    EXPECT_NE(stored.vt, VT_NULL) << "the empty date is written as 0, never as NULL";
    record->SetFieldValue(u"Kwota", tlx::Variant::FromDouble(12.3456));
    EXPECT_EQ(record->ReadMoney(u"Kwota").AsCurrency().int64, 123500) << "amounts read rounded to grosze";
    record->WriteMoney(u"Kwota", CMoney(2.675));
    EXPECT_EQ(record->GetFieldValue(u"Kwota").cyVal.int64, 26800);
}

TEST(RecordObject, MissingColumnOrUnboundRecordFails) {
    auto unbound = CTestRecord::Make();
    LONG lp = 0;
    EXPECT_EQ(unbound->get_Lp(&lp), E_POINTER);
    auto record = BoundRecord(PageRows(1), u"Xyz_");
    EXPECT_TRUE(FAILED(record->get_Lp(&lp)));
}

TEST(RecordObject, DeletedRowIsSavedOnceInModeFourAndNeverChecked) {
    auto rows = PageRows(1);
    auto record = BoundRecord(rows);
    EXPECT_EQ(record->Save(6), S_OK);
    EXPECT_EQ(record->saves, 1);
    rows->Delete(adAffectCurrent);
    EXPECT_EQ(record->Save(6), S_OK);
    EXPECT_EQ(record->saves, 2) << "only mode 4 marks a deleted record";
    EXPECT_EQ(record->Save(4), S_OK);
    EXPECT_EQ(record->saves, 3) << "the first save in mode 4 still runs";
    record->states.clear();
    EXPECT_EQ(record->Save(4), S_OK);
    EXPECT_EQ(record->saves, 3) << "every later save does nothing";
    EXPECT_TRUE(record->states.empty()) << "not even the notification";
    EXPECT_EQ(record->Verify(), S_OK);
    EXPECT_EQ(record->checks, 0) << "the check of a deleted row is skipped";
}

TEST(RecordObject, IdentityDescriptorsAnswerNeutralDefaults) {
    auto record = BoundRecord(PageRows(1));
    LONG id = 0, number = -1;
    ASSERT_EQ(record->get_ObjectID(&id), S_OK);
    EXPECT_EQ(id, 10);
    tlx::ComPtr<IIdentity> identity;
    ASSERT_EQ(record->QueryInterface(IidOf<IIdentity>(), identity.OutVoid()), S_OK);
    identity->get_ID(&id);
    EXPECT_EQ(id, 10);
    record->get_ObjectType(&number);
    EXPECT_EQ(number, 0);
    tlx::Bstr text;
    ASSERT_EQ(record->get_Description(text.Out()), S_OK);
    EXPECT_FALSE(text.IsNull());
    EXPECT_EQ(text.Length(), 0u);
    double date = -1;
    record->get_DocumentDate(&date);
    EXPECT_EQ(date, 0.0);
    EXPECT_EQ(record->get_Flags(nullptr), E_POINTER);
}

TEST(DocumentDefaults, AnswerZeroAndNull) {
    auto document = CTestDocument::Make();
    LONG value = -1;
    document->get_TypDokumentu(&value);
    EXPECT_EQ(value, 0);
    CY amount{5};
    document->get_Kwota(&amount);
    EXPECT_EQ(amount.int64, 0);
    IDispatch* subject = reinterpret_cast<IDispatch*>(0x1);  // garbage in an out-parameter is never released
    EXPECT_EQ(document->get_Podmiot(&subject), S_OK);
    EXPECT_EQ(subject, nullptr);
    EXPECT_EQ(document->get_Kategoria(nullptr), E_POINTER);
}
