// The small host objects: the audit stamp, the state object, the calendar, the script support object,
// accounting entries with their lines, a payment's items, and the sibling library that stores a file in a record.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <fstream>

#include "HostFixture.h"
#include "host/session/HostEnvironment.h"
#include "hostapi/Accounting.h"
#include "hostapi/Errors.h"
#include "hostapi/Files.h"
#include "hostapi/Subjects.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace tlx::host::test {
namespace {

using HostObjectsTest = HostTest;

TEST_F(HostObjectsTest, TheStampWritesWhoAndWhenAsItsRecordIsPrepared) {
    ComPtr<Recordset> rows = OpenRecordset(Database(), u"select * from TLX.DeklKedu where 1 = 0");
    ASSERT_EQ(rows->AddNew(Variant::Missing(), Variant::Missing()), S_OK);
    WriteField(rows.Get(), u"Dkk_Nazwa", Variant::FromString(u"Paczka"));
    ComPtr<IDispatch> object = Create(u"{548FED70-5669-11D4-9129-0048546C1016}");
    ASSERT_EQ(object.As<IInitializeRS>()->BindRecordset(rows.Get(), 1, Bstr(u"Dkk_").Get()), S_OK);
    ComPtr<ISaveable> stamp = object.As<ISaveable>();

    ASSERT_EQ(stamp->Save(6), S_OK);
    EXPECT_EQ(ReadField(rows.Get(), u"Dkk_OpeZalId").vt, VT_NULL) << "only mode 7 stamps";
    ASSERT_EQ(stamp->Save(7), S_OK);
    EXPECT_EQ(ReadLong(rows.Get(), u"Dkk_OpeZalId"), 1);
    EXPECT_EQ(ReadLong(rows.Get(), u"Dkk_OpeModId"), 1);
    LONG creator = 0;
    DATE created = 0;
    ASSERT_EQ(object.As<IStempel>()->get_OpeZalID(&creator), S_OK);
    ASSERT_EQ(object.As<IStempel>()->get_TS_Zal(&created), S_OK);
    EXPECT_EQ(creator, 1);
    EXPECT_GT(created, 45000.0);

    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK);
    Execute(u"update TLX.DeklKedu set Dkk_OpeZalId = 9, Dkk_OpeModId = 9");
    ComPtr<Recordset> stored = OpenRecordset(Database(), u"select * from TLX.DeklKedu");
    ASSERT_EQ(object.As<IInitializeRS>()->BindRecordset(stored.Get(), 1, Bstr(u"Dkk_").Get()), S_OK);
    ASSERT_EQ(stamp->Save(7), S_OK);
    EXPECT_EQ(ReadLong(stored.Get(), u"Dkk_OpeZalId"), 9) << "an existing row keeps its creator";
    EXPECT_EQ(ReadLong(stored.Get(), u"Dkk_OpeModId"), 1);
}

TEST_F(HostObjectsTest, TheStateObjectPutsBackTheValuesItKept) {
    Execute(u"insert into TLX.Pozycje (Poz_Numer, Poz_Nazwa) values (1, 'Przed')");
    ComPtr<Recordset> rows = OpenRecordset(Database(), u"select * from TLX.Pozycje");
    ComPtr<IObjectState> state;
    ASSERT_EQ(CoCreateInstance(CLSID_CObjectState, nullptr, CLSCTX_ALL, IidOf<IObjectState>(), state.OutVoid()), S_OK);
    ASSERT_EQ(state->SaveState(rows.Get()), S_OK);
    WriteField(rows.Get(), u"Poz_Nazwa", Variant::FromString(u"Po"));
    WriteField(rows.Get(), u"Poz_Numer", Variant::FromLong(2));
    ASSERT_EQ(state->RestoreState(rows.Get()), S_OK);
    EXPECT_EQ(ReadText(rows.Get(), u"Poz_Nazwa"), u"Przed");
    EXPECT_EQ(ReadLong(rows.Get(), u"Poz_Numer"), 1);
}

TEST_F(HostObjectsTest, TheCalendarCountsTheDaysOfAHalfOpenRangeAndItsWorkingDays) {
    ComPtr<IDispatch> object = Create(u"{69590B45-3078-446F-957B-6D4255FEB8BA}");
    ComPtr<ICalendarRange> range = object.As<ICalendarRange>();
    LONG days = -1;
    ASSERT_EQ(range->get_LiczbaDni(&days), S_OK);
    EXPECT_EQ(days, 0);
    constexpr DATE kMonday2024_03_04 = 45355;
    ASSERT_EQ(object.As<ICalendar>()->SetRange(kMonday2024_03_04, kMonday2024_03_04 + 7), S_OK);
    ASSERT_EQ(range->get_LiczbaDni(&days), S_OK);
    EXPECT_EQ(days, 7);
    VARIANT_BOOL working = VARIANT_FALSE;
    int workingDays = 0;
    for (int i = -1; i <= 7; ++i) {
        ASSERT_EQ(range->CzyDzienRoboczy(kMonday2024_03_04 + i, &working), S_OK);
        workingDays += working ? 1 : 0;
    }
    EXPECT_EQ(workingDays, 5);
    ASSERT_EQ(object.As<ICalendar>()->SetRange(10, 5), S_OK) << "a range that ends before it starts holds no day";
    ASSERT_EQ(range->get_LiczbaDni(&days), S_OK);
    EXPECT_EQ(days, 0);
}

TEST_F(HostObjectsTest, ScriptSupportFormatsDatesAndAnswersDialogsWithoutAUser) {
    ComPtr<IDispatch> object = Create(u"TLX.ClaSupport");
    ComPtr<IClaSupport> support = object.As<IClaSupport>();
    Bstr text;
    ASSERT_EQ(support->Format(Variant::FromDate(45000.6), Bstr(u"@D17").Get(), text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"15.03.2023");
    ASSERT_EQ(support->Format(Variant::FromDate(0), Bstr(u"@D17").Get(), text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"");
    ASSERT_EQ(support->Format(Variant::FromLong(12), Bstr(u"@N3").Get(), text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"12");
    LONG answer = 0;
    ASSERT_EQ(support->ShowDialogBox(Bstr(u"Czy zapisać?").Get(), Bstr(u"Pytanie").Get(), 6, &answer), S_OK);
    EXPECT_EQ(answer, 6);
}

TEST_F(HostObjectsTest, AnAccountingEntryTakesItsDocumentDataAndItsLinesTheirEntry) {
    ComPtr<ICollection> entries = Create(u"{0DE073FD-A53A-443F-99DC-450FB3BB5FAA}").As<ICollection>();
    ComPtr<IDispatch> added;
    ASSERT_EQ(entries->AddNew(Variant::Missing(), added.Out()), S_OK);
    ComPtr<IPostingEntry> entry = added.As<IPostingEntry>();
    ASSERT_TRUE(entry);
    ASSERT_EQ(entry->put_Bufor(1), S_OK);
    ASSERT_EQ(entry->put_NumerDokumentu(Bstr(u"VAT-7/3/2024").Get()), S_OK);
    ASSERT_EQ(entry->put_DataKsiegowania(45382), S_OK);
    ASSERT_EQ(entries.As<ISaveable>()->Save(0), S_OK);
    LONG id = 0;
    ASSERT_EQ(entry->get_ID(&id), S_OK);
    EXPECT_EQ(Scalar(u"select DeK_Dokument from TLX.Dekrety where DeK_DeKID = " + Utf8ToUtf16(std::to_string(id))),
              u"VAT-7/3/2024");

    ComPtr<ICollection> lines;
    ASSERT_EQ(entry->get_Elementy(lines.Out()), S_OK);
    LONG count = -1;
    ASSERT_EQ(lines->get_Count(&count), S_OK);
    EXPECT_EQ(count, 0);
    ComPtr<Recordset> rows;
    ASSERT_EQ(lines.As<IAdoCollection>()->get_Recordset(rows.Out()), S_OK);
    ASSERT_EQ(rows->AddNew(Variant::Missing(), Variant::Missing()), S_OK);
    WriteField(rows.Get(), u"DeE_Konto", Variant::FromString(u"222"));
    ASSERT_EQ(lines.As<ISaveable>()->Save(0), S_OK);
    EXPECT_EQ(Scalar(u"select DeE_DeKID from TLX.DekretyElementy where DeE_Konto = '222'"),
              Utf8ToUtf16(std::to_string(id)));

    ComPtr<IDispatch> found = Create(u"TLX.Dekrety", Variant::FromLong(id));
    LONG foundId = 0;
    ASSERT_EQ(found.As<IIdentity>()->get_ID(&foundId), S_OK);
    EXPECT_EQ(foundId, id);
}

TEST_F(HostObjectsTest, APaymentKeepsItsItemsInOrderAndFindsThemByPositionOrObject) {
    ComPtr<IPlatnosc> payment = Create(u"TLX.Platnosc").As<IPlatnosc>();
    ComPtr<ICollection> items;
    ASSERT_EQ(payment->get_Pozycje(items.Out()), S_OK);
    ComPtr<ICollection> again;
    payment->get_Pozycje(again.Out());
    EXPECT_EQ(again.Get(), items.Get());

    ComPtr<IDispatch> first, second, found;
    ASSERT_EQ(items->AddNew(Variant::Missing(), first.Out()), S_OK);
    ASSERT_EQ(items->AddNew(Variant::Missing(), second.Out()), S_OK);
    LONG count = 0;
    items->get_Count(&count);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(items->Item(Variant::FromLong(1), found.Out()), S_OK);
    EXPECT_EQ(found.Get(), second.Get());
    EXPECT_EQ(items->Item(Variant::FromLong(2), found.Out()), HOST_E_NOROW);
    EXPECT_EQ(items->Item(Variant::FromLong(-1), found.Out()), HOST_E_NOROW);

    ASSERT_EQ(items->Delete(Variant::FromDispatch(first.Get())), S_OK);
    ASSERT_EQ(items->Item(Variant::FromLong(0), found.Out()), S_OK);
    EXPECT_EQ(found.Get(), second.Get()) << "the second item moved up";
    EXPECT_EQ(items->Delete(Variant::FromDispatch(first.Get())), HOST_E_NOROW) << "deleted once";

    Execute(u"insert into TLX.FormyPlatnosci (FPl_FPlID, FPl_Nazwa, FPl_Zablokowana) values (4, 'karta', 1)");
    ComPtr<IDispatch> card = Create(u"TLX.FormyPlatnosci", Variant::FromString(u"Fpl_FplID=4"));
    VARIANT_BOOL blocked = VARIANT_FALSE;
    ASSERT_EQ(card.As<IFormaPlatnosci>()->get_Zablokowana(&blocked), S_OK);
    EXPECT_EQ(blocked, VARIANT_TRUE);
    ASSERT_EQ(second.As<IPlatnoscPozycja>()->putref_FormaPlatnosci(card.Get()), S_OK);
    ComPtr<IDispatch> method;
    ASSERT_EQ(second.As<IPlatnoscPozycja>()->get_FormaPlatnosci(method.Out()), S_OK);
    EXPECT_EQ(method.Get(), card.Get());
}

TEST_F(HostObjectsTest, TheSiblingLibraryStoresAFileInTheCurrentRow) {
    void* library = dlopen(TLX_SYS_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    auto save = reinterpret_cast<SaveImageFromFileFn>(dlsym(library, kSaveImageFromFileExport));
    ASSERT_NE(save, nullptr);
    std::filesystem::path file = folder_ / "skan.pdf";
    std::ofstream(file, std::ios::binary) << "%PDF-1.4\n";

    ComPtr<Recordset> rows = OpenRecordset(Database(), u"select * from TLX.RptObrazy2 where 1 = 0");
    ASSERT_EQ(rows->AddNew(Variant::Missing(), Variant::Missing()), S_OK);
    Bstr prefix(u"RPO2");
    ASSERT_EQ(save(ComPtr<Recordset>(rows).Detach(), prefix.Get(), -1, Bstr(Utf8ToUtf16(file.string())).Detach()), S_OK);
    EXPECT_EQ(ReadLong(rows.Get(), u"RPO2_Rozmiar"), 9);
    EXPECT_EQ(ReadText(rows.Get(), u"RPO2_Nazwa"), u"skan.pdf");

    HRESULT missing = save(ComPtr<Recordset>(rows).Detach(), prefix.Get(), -1, Bstr(u"/nie/ma/pliku.pdf").Detach());
    EXPECT_TRUE(FAILED(missing));
    EXPECT_NE(TakeErrorDescription().find(u"/nie/ma/pliku.pdf"), std::u16string::npos);
    dlclose(library);
}

}  // namespace
}  // namespace tlx::host::test

namespace tlx::host::test {
namespace {

TEST_F(HostObjectsTest, AnEmployeeAnswersTheNameOfItsLatestEmploymentRecord) {
    Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod) values (7, 'P007')");
    Execute(u"insert into TLX.PracEtaty (PRE_PraId, PRE_DataOd, PRE_Nazwisko, PRE_Imie1, PRE_Pesel) "
            u"values (7, '2020-01-01 00:00:00', 'Panieńska', 'Ewa', '80010112345')");
    Execute(u"insert into TLX.PracEtaty (PRE_PraId, PRE_DataOd, PRE_Nazwisko, PRE_Imie1, PRE_Pesel) "
            u"values (7, '2023-05-01 00:00:00', 'Zamężna', 'Ewa', '80010112345')");
    ComPtr<IPracownik> employee = Create(u"TLX.Pracownicy", Variant::FromString(u"Pra_PraID=7")).As<IPracownik>();
    ASSERT_TRUE(employee);
    Bstr text;
    ASSERT_EQ(employee->get_Kod(text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"P007");
    ASSERT_EQ(employee->get_Nazwisko(text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"Zamężna");
    ASSERT_EQ(employee->get_PESEL(text.Out()), S_OK);
    EXPECT_EQ(text.Str(), u"80010112345");
}

// The street of a subject's address, or "<none>" when it has no address.
std::u16string StreetOf(IPodmiot* subject) {
    ComPtr<IPodAdres> address;
    EXPECT_EQ(subject->get_Adres(address.Out()), S_OK);
    if (!address) return u"<none>";
    Bstr street;
    EXPECT_EQ(address->get_Street(street.Out()), S_OK);
    return street.Str();
}

TEST_F(HostObjectsTest, AnEmployeeIsASubjectAddressedByItsLatestRecord) {
    Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod) values (7, 'P007'), (8, 'P008')");
    Execute(u"insert into TLX.PracEtaty (PRE_PraId, PRE_DataOd, PRE_Nazwisko, PRE_Ulica, PRE_Miasto) values "
            u"(7, '2020-01-01 00:00:00', 'Nowak', 'Stara', 'Radom'), (7, '2023-05-01 00:00:00', 'Nowak', 'Nowa', 'Lublin')");
    ComPtr<IDispatch> card = Create(u"TLX.Pracownicy", Variant::FromString(u"Pra_PraID=7"));
    ComPtr<IPodmiot> subject = card.As<IPodmiot>();
    ASSERT_TRUE(subject);
    EXPECT_EQ(StreetOf(subject.Get()), u"Nowa");

    // Whichever interface a script was handed, it reads the card's members and its address by name.
    for (IDispatch* view : {card.Get(), static_cast<IDispatch*>(subject.Get())}) {
        EXPECT_EQ(Bstr(GetProperty(view, u"Kod").bstrVal).Str(), u"P007");
        Variant address = GetProperty(view, u"Adres");
        ASSERT_EQ(address.vt, VT_DISPATCH);
        EXPECT_EQ(Bstr(GetProperty(address.pdispVal, u"Miasto").bstrVal).Str(), u"Lublin");
    }

    ComPtr<IPodmiot> without = Create(u"TLX.Pracownicy", Variant::FromString(u"Pra_PraID=8")).As<IPodmiot>();
    ASSERT_TRUE(without);
    EXPECT_EQ(StreetOf(without.Get()), u"<none>") << "a card without a record has no address";
}

TEST_F(HostObjectsTest, TheCompanyIsASubjectAddressedByItsSettingsAsTheyStand) {
    Execute(u"insert into TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) values ('FirmaUlica', 'Prosta'), "
            u"('FirmaNrDomu', '20'), ('FirmaKodP', '00-850'), ('FirmaMiejscowosc', 'Warszawa'), ('FirmaKraj', 'Polska')");
    ComPtr<IPodmiot> company = Create(u"TLX.Firma").As<IPodmiot>();
    ASSERT_TRUE(company);
    ComPtr<IPodAdres> address;
    ASSERT_EQ(company->get_Adres(address.Out()), S_OK);
    ASSERT_TRUE(address);
    const std::pair<HRESULT (IPodAdres::*)(BSTR*), std::u16string> expected[] = {
        {&IPodAdres::get_Street, u"Prosta"},    {&IPodAdres::get_HouseNumber, u"20"},
        {&IPodAdres::get_FlatNumber, u""},      {&IPodAdres::get_PostalCode, u"00-850"},
        {&IPodAdres::get_Town, u"Warszawa"},    {&IPodAdres::get_Country, u"Polska"},
        {&IPodAdres::get_Voivodeship, u""},
    };
    for (const auto& [member, text] : expected) {
        Bstr value;
        ASSERT_EQ((address.Get()->*member)(value.Out()), S_OK);
        EXPECT_EQ(value.Str(), text);
    }

    Execute(u"update TLX.Konfiguracja set Kfg_Wartosc = 'Krzywa' where Kfg_Klucz = 'FirmaUlica'");
    EXPECT_EQ(StreetOf(company.Get()), u"Krzywa") << "a changed setting is the next address's";
}

TEST_F(HostObjectsTest, ObjectsHandedToTheSessionAreSavedOrDeletedWithItsChanges) {
    Execute(u"insert into TLX.Dekrety (DeK_DeKID, DeK_Dokument) values (1, 'stary')");
    ComPtr<ISession2> second = session_.As<ISession2>();
    ComPtr<IDispatch> old = Create(u"TLX.Dekrety", Variant::FromString(u"1"));
    ComPtr<ICollection> entries = Create(u"TLX.Dekrety").As<ICollection>();
    ComPtr<IDispatch> added;
    ASSERT_EQ(entries->AddNew(Variant::Missing(), added.Out()), S_OK);
    ASSERT_EQ(added.As<IPostingEntry>()->put_NumerDokumentu(Bstr(u"nowy").Get()), S_OK);

    ASSERT_EQ(second->AddObject(added.Get()), S_OK);
    ASSERT_EQ(second->RemoveObject(old.Get()), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Dekrety"), u"1") << "nothing before the session saves";
    ASSERT_EQ(second->Save(), S_OK);
    EXPECT_EQ(Scalar(u"select DeK_Dokument from TLX.Dekrety"), u"nowy");
}

TEST_F(HostObjectsTest, AClosedSessionRefusesWorkWithAText) {
    ComPtr<ISessionReference> reference;
    ComPtr<IDispatch> currency = Create(u"TLX.Waluty");
    ASSERT_EQ(session_->GetReference(currency.Get(), reference.Out()), S_OK);
    StopHost();
    ComPtr<IDispatch> object;
    EXPECT_EQ(reference->GetObject(object.Out()), E_UNEXPECTED);
    EXPECT_EQ(session_->CreateObject(Bstr(u"TLX.Waluty").Get(), Variant::Missing(), object.Out()), E_UNEXPECTED);
    EXPECT_EQ(TakeErrorDescription(), u"Sesja została zamknięta");
}

}  // namespace
}  // namespace tlx::host::test
