// The session: creating objects by ProgID and CLSID text with or without a parameter, references, the
// unit of work, and the login, operator and application objects around it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "HostFixture.h"
#include "host/session/HostEnvironment.h"
#include "hostapi/Employees.h"
#include "hostapi/Errors.h"
#include "hostapi/Payroll.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ErrorInfo.h"

namespace tlx::host::test {
namespace {

class SessionTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        Execute(u"insert into TLX.Waluty (WNa_WNaID, WNa_Symbol, WNa_Nazwa) values (1, 'PLN', 'złoty')");
        Execute(u"insert into TLX.Urzedy (Urz_UrzID, Urz_Kod, Urz_Nazwa1) values (5, '1471', 'US Warszawa-Mokotów')");
    }

    std::u16string Text(IDispatch* object, const char16_t* name) {
        Variant value = GetProperty(object, name);
        return value.vt == VT_BSTR ? std::u16string(value.bstrVal, SysStringLen(value.bstrVal)) : u"(nie tekst)";
    }
};

TEST_F(SessionTest, CreatedObjectsAreInitialisedWithTheSession) {
    for (const char16_t* name : {u"TLX.AdoCollectionBase", u"{76DBCCD4-71E0-4FE8-9F04-7C9B6AA9FEDB}"}) {
        ComPtr<IDispatch> object = Create(name);
        ComPtr<ISession> own;
        ASSERT_EQ(object.As<ISessionable>()->get_Session(own.Out()), S_OK);
        EXPECT_EQ(own.Get(), session_.Get());
    }
}

TEST_F(SessionTest, AParameterSelectsOneRecordOfACollectionClass) {
    EXPECT_EQ(Text(Create(u"TLX.Waluty", Variant::FromString(u"1")).Get(), u"Symbol"), u"PLN");

    ComPtr<ISession2> second = session_.As<ISession2>();
    ComPtr<IDispatch> office;
    ASSERT_EQ(second->CreateObject(Bstr(u"{CE0BC242-2A55-424B-BBE8-1FAE256D99D3}").Get(),
                                   Variant::FromString(u"Urz_UrzID=5"), office.Out()),
              S_OK);
    EXPECT_EQ(Text(office.Get(), u"Kod"), u"1471");
    ASSERT_EQ(second->OpenObject(Bstr(u"TLX.Urzedy").Get(), 1, Bstr(u"Urz_Kod='1471'").Get(), office.Out()), S_OK);
    EXPECT_EQ(Text(office.Get(), u"Nazwa1"), u"US Warszawa-Mokotów");

    EXPECT_EQ(second->OpenObject(Bstr(u"TLX.Urzedy").Get(), 1, Bstr(u"Urz_UrzID=6").Get(), office.Out()), HOST_E_NOROW);
    TakeErrorDescription();
}

TEST_F(SessionTest, AnUnknownClassIsRefusedWithItsName) {
    ComPtr<IDispatch> object;
    HRESULT hr = session_->CreateObject(Bstr(u"TLX.NieMaTakiej").Get(), Variant::Missing(), object.Out());
    EXPECT_TRUE(FAILED(hr));
    EXPECT_NE(TakeErrorDescription().find(u"TLX.NieMaTakiej"), std::u16string::npos);
}

TEST_F(SessionTest, ReferencesAnswerTheSessionAndTheirObject) {
    ComPtr<ISessionReference> own, toObject;
    ASSERT_EQ(session_->GetReference(nullptr, own.Out()), S_OK);
    ComPtr<ISession> back;
    ComPtr<IDispatch> object;
    ASSERT_EQ(own->GetSession(back.Out()), S_OK);
    EXPECT_EQ(back.Get(), session_.Get());
    ASSERT_EQ(own->GetObject(object.Out()), S_OK);
    EXPECT_FALSE(object);

    ComPtr<IDispatch> currency = Create(u"TLX.Waluty", Variant::FromString(u"1"));
    ASSERT_EQ(session_->GetReference(currency.Get(), toObject.Out()), S_OK);
    ASSERT_EQ(toObject->GetObject(object.Out()), S_OK);
    EXPECT_EQ(object.Get(), currency.Get());
}

// Objects that ask for a reference to the same object share one; each holder's reference answers as long
// as it holds it, whoever else let go, and a reference asked for after every holder let go answers too.
TEST_F(SessionTest, EveryHolderOfAReferenceToOneObjectKeepsItsAnswer) {
    ComPtr<IDispatch> currency = Create(u"TLX.Waluty", Variant::FromString(u"1"));
    ComPtr<ISessionReference> first, second, own;
    ASSERT_EQ(session_->GetReference(currency.Get(), first.Out()), S_OK);
    ASSERT_EQ(session_->GetReference(currency.Get(), second.Out()), S_OK);
    ASSERT_EQ(session_->GetReference(nullptr, own.Out()), S_OK);
    first.Reset();
    ComPtr<IDispatch> object;
    ASSERT_EQ(second->GetObject(object.Out()), S_OK);
    EXPECT_EQ(object.Get(), currency.Get());
    ASSERT_EQ(own->GetObject(object.Out()), S_OK);
    EXPECT_FALSE(object) << "the session's own reference is not the object's";
    second.Reset();
    ASSERT_EQ(session_->GetReference(currency.Get(), first.Out()), S_OK);
    ASSERT_EQ(first->GetObject(object.Out()), S_OK);
    EXPECT_EQ(object.Get(), currency.Get());
}

// Each object kept for references answers through its own, also after references to others were made
// and let go; an object asked for again under another of its interfaces shares its reference.
TEST_F(SessionTest, ReferencesToManyObjectsEachAnswerTheirOwn) {
    std::vector<ComPtr<IDispatch>> objects;
    std::vector<ComPtr<ISessionReference>> references;
    for (int i = 0; i < 40; ++i) {
        objects.push_back(Create(i % 2 ? u"TLX.Waluty" : u"TLX.Urzedy"));
        references.emplace_back();
        ASSERT_EQ(session_->GetReference(objects.back().Get(), references.back().Out()), S_OK);
        if (i % 3 == 0) references.back().Reset();
    }
    for (std::size_t i = 0; i < objects.size(); ++i) {
        ComPtr<ISessionReference> again;
        ComPtr<ICollection> asCollection = objects[i].As<ICollection>();
        ASSERT_EQ(session_->GetReference(asCollection.Get(), again.Out()), S_OK);
        if (references[i]) {
            EXPECT_EQ(again.Get(), references[i].Get()) << "object " << i;
        }
        ComPtr<IDispatch> object;
        ASSERT_EQ(again->GetObject(object.Out()), S_OK);
        EXPECT_EQ(object.Get(), objects[i].Get()) << "object " << i;
    }
}

TEST_F(SessionTest, SaveChangesStoresTheCollectionsOfTheUnitOfWorkInOneTransaction) {
    ComPtr<IDispatch> object = Create(u"TLX.Waluty");
    ASSERT_EQ(object.As<IAdoCollectionSetup>()->put_AutoSave(VARIANT_TRUE), S_OK);
    ComPtr<Recordset> rows;
    ASSERT_EQ(object.As<IAdoCollection>()->get_Recordset(rows.Out()), S_OK);
    ASSERT_EQ(rows->AddNew(Variant::Missing(), Variant::Missing()), S_OK);
    WriteField(rows.Get(), u"WNa_Symbol", Variant::FromString(u"EUR"));

    EXPECT_EQ(Scalar(u"select count(*) from TLX.Waluty"), u"1");
    ASSERT_EQ(session_->SaveChanges(), S_OK);
    EXPECT_EQ(Scalar(u"select WNa_Symbol from TLX.Waluty where WNa_WNaID = 2"), u"EUR");
}

TEST_F(SessionTest, TheLoginAnswersItsOperatorModulesAndNewSessions) {
    ComPtr<ILogin> login;
    ASSERT_EQ(session_.As<ISession2>()->get_Login(login.Out()), S_OK);
    ComPtr<IOperatorObject> op;
    ASSERT_EQ(login->GetOperatorObject(op.Out()), S_OK);
    DATE today = 0;
    ASSERT_EQ(op->GetToday(&today), S_OK);
    EXPECT_EQ(today, 45000.0);
    VARIANT_BOOL available = VARIANT_FALSE;
    ASSERT_EQ(login->IsModuleAvailable(2, &available), S_OK);
    EXPECT_TRUE(available);
    ASSERT_EQ(login->IsModuleAvailable(3, &available), S_OK);
    EXPECT_FALSE(available);

    ComPtr<ISession> other;
    ASSERT_EQ(login->CreateSession(other.Out()), S_OK);
    EXPECT_NE(other.Get(), session_.Get());
    ComPtr<Connection> mine, theirs;
    ASSERT_EQ(session_.As<ISession2>()->get_Connection(mine.Out()), S_OK);
    ASSERT_EQ(other.As<ISession2>()->get_Connection(theirs.Out()), S_OK);
    EXPECT_NE(mine.Get(), theirs.Get()) << "each session has its own connection";
}

TEST_F(SessionTest, TheApplicationObjectAnswersErrorTextsLoginsAndSessionsOfObjects) {
    ComPtr<IApplication> application;
    ASSERT_EQ(CoCreateInstance(CLSID_CApplication, nullptr, CLSCTX_ALL, IID_IApplication, application.OutVoid()), S_OK);
    Bstr text;
    ASSERT_EQ(application->GetErrorText(HOST_E_CLONEUNSAVED, Bstr(u"").Get(), text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"Nie można skopiować deklaracji, która nie została zapisana.|Zapisz deklarację wzorcową.");
    ASSERT_EQ(application->GetErrorText(HOST_E_MISSINGDATA, Bstr(u"Brak kodu urzędu.").Get(), text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"Brak kodu urzędu.|Uzupełnij dane firmy lub deklaracji.") << "the caller's wording first";
    ASSERT_EQ(application->GetErrorText(0x80041234, Bstr(u"domyślny").Get(), text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"domyślny");
    // A caller's parameter list is put into the host's message, not shown as it is.
    ASSERT_EQ(application->GetErrorText(HOST_E_VATZDDATA, Bstr(u"%1%=VAT-7%2%=2024.05.").Get(), text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"Nie znaleziono zawiadomienia VAT-ZD do deklaracji VAT-7 za okres 2024.05.|Utwórz "
                          u"zawiadomienie VAT-ZD za okres deklaracji.");
    ASSERT_EQ(application->GetErrorText(HOST_E_VATUEDATA, Bstr(u"%1%=123%2%=7.5").Get(), text.Out()), S_OK);
    EXPECT_EQ(text.Str().substr(0, text.Str().find(u'|')),
              u"Niepoprawne dane informacji VAT-UE: pozycja o numerze VAT 123 na kwotę 7.5 nie ma kodu kraju.");

    ComPtr<ILogin> login;
    ASSERT_EQ(application->GetLogin(login.Out()), S_OK);
    EXPECT_EQ(login.Get(), CurrentLogin().Get());

    ComPtr<ISession2> owner;
    ASSERT_EQ(application->GetObjectSession(Create(u"TLX.Waluty").Get(), owner.Out()), S_OK);
    EXPECT_EQ(owner.Get(), session_.As<ISession2>().Get());
}

TEST_F(SessionTest, CopyRecordCopiesTheFieldsButTheIdentityColumn) {
    Execute(u"insert into TLX.Pozycje (Poz_Numer, Poz_Nazwa, Poz_RodzicID) values (10, 'Wzór', 3)");
    ComPtr<Recordset> source = OpenRecordset(Database(), u"select * from TLX.Pozycje");
    ComPtr<Recordset> target = OpenRecordset(Database(), u"select * from TLX.Pozycje where 1 = 0");
    ASSERT_EQ(target->AddNew(Variant::Missing(), Variant::Missing()), S_OK);
    ComPtr<IApplication> application;
    ASSERT_EQ(CoCreateInstance(CLSID_CApplication, nullptr, CLSCTX_ALL, IID_IApplication, application.OutVoid()), S_OK);
    ASSERT_EQ(application->CopyRecord(source.Get(), target.Get()), S_OK);
    EXPECT_EQ(ReadText(target.Get(), u"Poz_Nazwa"), u"Wzór");
    EXPECT_EQ(ReadLong(target.Get(), u"Poz_RodzicID"), 3);
    EXPECT_EQ(ReadField(target.Get(), u"Poz_PozID").vt, VT_NULL);
    ASSERT_EQ(target->UpdateBatch(adAffectAll), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Pozycje where Poz_Nazwa = 'Wzór'"), u"2");
}

}  // namespace
}  // namespace tlx::host::test

namespace tlx::host::test {
namespace {

LONG RowsBehind(IDispatch* item) {
    ComPtr<Recordset> rows;
    EXPECT_EQ(ComPtr<IDispatch>(item).As<IInitializeRS>()->GetRecordset(rows.Out()), S_OK);
    LONG count = -1;
    EXPECT_EQ(rows->get_RecordCount(&count), S_OK);
    return count;
}

TEST_F(SessionTest, ACollectionMadeForOneNumericKeyReadsOnlyThatRow) {
    Execute(u"insert into TLX.Waluty (WNa_WNaID, WNa_Symbol) values (2, 'EUR')");
    Execute(u"insert into TLX.Waluty (WNa_WNaID, WNa_Symbol) values (3, 'USD')");
    ComPtr<IDispatch> euro = Create(u"TLX.Waluty", Variant::FromString(u"2"));
    EXPECT_EQ(Text(euro.Get(), u"Symbol"), u"EUR");
    EXPECT_EQ(RowsBehind(euro.Get()), 1);
    ComPtr<IDispatch> dollar = Create(u"TLX.Waluty", Variant::FromString(u"WNa_WNaID=3"));
    EXPECT_EQ(Text(dollar.Get(), u"Symbol"), u"USD");
    EXPECT_EQ(RowsBehind(dollar.Get()), 1);
    ComPtr<IDispatch> byText = Create(u"TLX.Waluty", Variant::FromString(u"WNa_Symbol='usd'"));
    EXPECT_EQ(Text(byText.Get(), u"Symbol"), u"USD") << "texts match without regard to case";
    EXPECT_EQ(RowsBehind(byText.Get()), 3);
}

}  // namespace
}  // namespace tlx::host::test

namespace tlx::host::test {
namespace {

TEST_F(SessionTest, TheOperatorFindsTheCompanyDatabasesOfTheConfiguration) {
    std::ifstream in(std::filesystem::path(std::getenv("TLX_SOURCE_DIR")) / "db" / "config.sql", std::ios::binary);
    std::stringstream configSql;
    configSql << in.rdbuf();
    std::string config = (folder_ / "konfiguracja.db").string();
    ado::CreateDatabaseFile(config, {configSql.str(), "INSERT INTO Bazy (Baz_Nazwa, Baz_Plik) VALUES ('Biuro', '" +
                                                          database_ + "'), ('Usunieta', '/nie/ma/bazy.db'), ('Obok', 'firma.db');"});
    session_.Reset();
    LoginSettings settings;
    settings.companyDatabase = database_;
    settings.configDatabase = config;
    ASSERT_EQ(StartHost(settings), S_OK);
    ComPtr<IOperatorObject> op;
    ASSERT_EQ(CurrentLogin()->GetOperatorObject(op.Out()), S_OK);

    ComPtr<IDispatch> entry;
    ASSERT_EQ(op->GetEntry(Bstr(u"#Biuro").Get(), entry.Out()), S_OK);
    ComPtr<IBazaFirmy> office = entry.As<IBazaFirmy>();
    ASSERT_TRUE(office);
    ComPtr<Connection> connection;
    ASSERT_EQ(office->get_Connection(connection.Out()), S_OK);
    ComPtr<Recordset> rows = OpenRecordset(connection.Get(), u"select WNa_Symbol from TLX.Waluty");
    EXPECT_EQ(ReadText(rows.Get(), u"WNa_Symbol"), u"PLN");

    ASSERT_EQ(op->GetEntry(Bstr(u"#Obok").Get(), entry.Out()), S_OK);
    ASSERT_EQ(entry.As<IBazaFirmy>()->get_Connection(connection.Out()), S_OK)
        << "a relative file name lies beside the configuration database, not in the working folder";

    ASSERT_EQ(op->GetEntry(Bstr(u"#Nieznana").Get(), entry.Out()), S_OK);
    EXPECT_FALSE(entry);
    ASSERT_EQ(op->GetEntry(Bstr(u"#Usunieta").Get(), entry.Out()), S_OK);
    EXPECT_EQ(entry.As<IBazaFirmy>()->get_Connection(connection.Out()), E_FAIL);
    EXPECT_NE(TakeErrorDescription().find(u"/nie/ma/bazy.db"), std::u16string::npos);
    EXPECT_FALSE(std::filesystem::exists("/nie/ma/bazy.db"));
}

}  // namespace
}  // namespace tlx::host::test

namespace tlx::host::test {
namespace {

class SessionLifetimeTest : public SessionTest {
protected:
    void SetUp() override {
        SessionTest::SetUp();
        Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod) values (5, 'P005'), (6, 'P006'), (7, 'P007')");
        Execute(u"insert into TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_Nazwisko) values "
                u"(71, 7, '2024-01-01 00:00:00', 'Nowak')");
    }

    ComPtr<ISession> NewSession() {
        ComPtr<ISession> session;
        EXPECT_EQ(CurrentLogin()->CreateSession(session.Out()), S_OK);
        return session;
    }

    static LONG IdOf(IDispatch* object) {
        LONG id = 0;
        EXPECT_EQ(ComPtr<IDispatch>(object).As<IIdentity>()->get_ID(&id), S_OK);
        return id;
    }
};

TEST_F(SessionLifetimeTest, ANumberAsksCreateObjectForTheIdentifierAndItemForThePosition) {
    ComPtr<IDispatch> byNumber = Create(u"TLX.Pracownicy", Variant::FromLong(5));
    ComPtr<IDispatch> byText = Create(u"TLX.Pracownicy", Variant::FromString(u"5"));
    EXPECT_EQ(IdOf(byNumber.Get()), 5);
    EXPECT_EQ(IdOf(byText.Get()), 5);
    EXPECT_EQ(RowsBehind(byNumber.Get()), 1) << "a key reads its own row, not the table";
    EXPECT_EQ(IdOf(Create(u"TLX.Pracownicy", Variant::FromDouble(7)).Get()), 7);

    ComPtr<ICollection> all = Create(u"TLX.Pracownicy").As<ICollection>();
    ComPtr<IDispatch> item;
    ASSERT_EQ(all->Item(Variant::FromLong(1), item.Out()), S_OK);
    EXPECT_EQ(IdOf(item.Get()), 6) << "a number is the position to Item";
    ASSERT_EQ(all->Item(Variant::FromString(u"7"), item.Out()), S_OK);
    EXPECT_EQ(IdOf(item.Get()), 7);

    ComPtr<IDispatch> none;
    EXPECT_EQ(session_->CreateObject(Bstr(u"TLX.Pracownicy").Get(), Variant::FromLong(0), none.Out()), HOST_E_NOROW);
    EXPECT_NE(TakeErrorDescription().find(u"0"), std::u16string::npos);
}

TEST_F(SessionLifetimeTest, ADroppedSessionGoesWithTheLastObjectCreatedThroughIt) {
    const std::size_t before = LiveSessionCount();
    ComPtr<ISession> session = NewSession();
    ComPtr<IDispatch> employee;
    ASSERT_EQ(session->CreateObject(Bstr(u"TLX.Pracownicy").Get(), Variant::FromString(u"7"), employee.Out()), S_OK);
    session.Reset();
    EXPECT_EQ(LiveSessionCount(), before + 1) << "the employee keeps its session";
    ComPtr<IPracEtat> record;
    ASSERT_EQ(employee.As<IPracownikDane>()->GetEtat(0, Variant::Missing(), record.Out()), S_OK);
    ASSERT_TRUE(record);
    Bstr surname;
    ASSERT_EQ(record->get_Nazwisko(surname.Out()), S_OK);
    EXPECT_EQ(surname.View(), u"Nowak");
    employee.Reset();
    ComPtr<ISession> next = NewSession();
    EXPECT_EQ(LiveSessionCount(), before + 2) << "its record still holds it";
    ASSERT_EQ(record->get_Nazwisko(surname.Out()), S_OK);
    record.Reset();
    next = NewSession();
    EXPECT_EQ(LiveSessionCount(), before + 1) << "only the new session is left";
}

TEST_F(SessionLifetimeTest, APayrollLookupByKeyLetsItsSessionGoWithItsItem) {
    Execute(u"insert into TLX.TypWyplata (TWP_TwpId, TWP_Nazwa, TWP_Kod, Twp_Standardowy) values (1, 'Zerowa', 0, 603)");
    const std::size_t before = LiveSessionCount();
    ComPtr<ISession> session = NewSession();
    ComPtr<IDispatch> type;
    ASSERT_EQ(session->CreateObject(Bstr(u"TLX.TypyWyplat").Get(), Variant::FromString(u"Twp_Standardowy=603"),
                                    type.Out()),
              S_OK);
    session.Reset();
    ComPtr<ISession> next = NewSession();
    EXPECT_EQ(LiveSessionCount(), before + 2) << "the payout type keeps its session";
    type.Reset();
    next = NewSession();
    EXPECT_EQ(LiveSessionCount(), before + 1);
}

}  // namespace
}  // namespace tlx::host::test
