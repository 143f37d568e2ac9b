// The payroll graph of an employee against its rows: payouts, elements and their ZUS amounts, the
// deductions and costs a type answers through an element, every member under every name, the zero
// payout built in memory, the voivodeship lookup and the calendar's ranges and day sets.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "HostFixture.h"
#include "host/session/HostEnvironment.h"
#include "hostapi/CalendarDispatch.h"
#include "hostapi/Employees.h"
#include "hostapi/Errors.h"
#include "hostapi/PayrollDispatch.h"
#include "hostapi/SubjectsDispatch.h"
#include "platform/ado/AdoConnection.h"
#include "platform/ado/DateText.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace tlx::host::test {
namespace {

DATE Day(int year, int month, int day) { return *ado::MakeOleDate(year, month, day); }
LONGLONG Grosze(CY amount) { return amount.int64 / 100; }

// Gross 4 666.00 at 2024's rates: pension 9.76 % each side, disability 1.5 % / 6.5 %, sickness 2.45 %,
// accident 1.67 %, FP 2.45 %, FGŚP 0.10 %; health 9 % of 4 666.00 - 639.71 = 4 026.29; tax advance
// 12 % of (4 026.29 - 250, rounded) - 300.
constexpr char16_t kRows[] =
    u"insert into TLX.PracKod (Pra_PraID, Pra_Kod) values (7, 'P007');"
    u"insert into TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_Nazwisko, PRE_Imie1, PRE_Pesel, PRE_NIP, "
    u"PRE_Wojewodztwo, PRE_Miasto, PRE_UBZTyuId, PRE_ETAEtatL, PRE_ETAEtatM) values "
    u"(71, 7, '2024-01-01 00:00:00', 'Żółkiewska', 'Łucja', '85010112345', '1234563218', 'łódzkie', 'Łódź', 110, 3, 4);"
    u"insert into TLX.KodySwiadczen (Pdz_PdzId, Pdz_Kod, Pdz_Nazwa, Pdz_ZUbezpChorobowego) values (331, 331, 'Wynagrodzenie chorobowe', 0);"
    u"insert into TLX.TypWyplata (TWP_TwpId, TWP_Nazwa, TWP_Kod, Twp_Standardowy) values "
    u"(1, 'Wynagrodzenie zasadnicze', 10, 1), (2, 'Wypłata zerowa', 0, 603);"
    u"insert into TLX.ListyPlac (LPL_LplId, LPL_Rok, LPL_Miesiac, LPL_DataOd, LPL_DataDo) values "
    u"(302, 2024, 4, '2024-04-01 00:00:00', '2024-04-30 00:00:00'), (301, 2024, 3, '2024-03-01 00:00:00', '2024-03-31 00:00:00');"
    u"insert into TLX.Wyplaty (WPL_WplId, WPL_PraId, WPL_LplId, WPL_Rok, WPL_Miesiac, WPL_Kwota) values "
    u"(312, 7, 302, 2024, 4, 4666), (311, 7, 301, 2024, 3, 4666);"
    u"insert into TLX.WypElementy (WPE_WpeId, WPE_WplId, WPE_TwpId, WPE_Wartosc, WPE_KodTytulu, WPE_ZusZnacznik, "
    u"WPE_Kwota1, WPE_Kwota2, WPE_Kwota3, WPE_Kwota4, WPE_Kwota5, WPE_Kwota6, WPE_Kwota7, WPE_Kwota8, WPE_Kwota9, "
    u"WPE_Kwota10, WPE_Kwota11, WPE_Kwota12, WPE_Kwota15, WPE_Kwota18, WPE_Kwota19, WPE_KwotaFP, WPE_KwotaFGSP) values "
    u"(321, 311, 1, 4666, 11000, 1, 4666, 4666, 4666, 4666, 4666, 4666, 4026.29, 455.40, 455.40, 69.99, 303.29, 114.32, "
    u"77.92, 362.37, 153.00, 114.32, 4.67);"
    u"insert into TLX.WypElementyLinki (WEL_WelId, WEL_WpeId, WEL_DataOd, WEL_DataDo) values "
    u"(331, 321, '2024-03-01 00:00:00', '2024-03-31 00:00:00')";

class PayrollGraphTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        std::u16string_view rows = kRows;
        while (!rows.empty()) {
            std::size_t end = rows.find(u';');
            Execute(rows.substr(0, end));
            if (end == std::u16string_view::npos) break;
            rows.remove_prefix(end + 1);
        }
        employee_ = Create(u"TLX.Pracownicy", Variant::FromString(u"7")).As<IPracownik>();
        ASSERT_TRUE(employee_);
    }

    template <class I>
    ComPtr<I> Item(ICollection* collection, LONG index) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(collection->Item(Variant::FromLong(index), item.Out()), S_OK);
        return item.As<I>();
    }

    ComPtr<IPracownik> employee_;
};

TEST_F(PayrollGraphTest, PayoutsComeByListPeriodWithTheirElementsAndAmounts) {
    ComPtr<ICollection> payouts;
    ASSERT_EQ(employee_->get_Wyplaty(payouts.Out()), S_OK);
    ComPtr<IWyplata> march = Item<IWyplata>(payouts.Get(), 0);
    LONG id = 0;
    ASSERT_EQ(march->get_ID(&id), S_OK);
    EXPECT_EQ(id, 311) << "March's list comes first";

    ComPtr<IOkres> period;
    ASSERT_EQ(march->get_Okres(period.Out()), S_OK);
    DATE first = 0, last = 0;
    period->get_DataOd(&first);
    period->get_DataDo(&last);
    EXPECT_EQ(first, Day(2024, 3, 1));
    EXPECT_EQ(last, Day(2024, 3, 31));

    ComPtr<ICollection> elements;
    ASSERT_EQ(march->get_Elementy(elements.Out()), S_OK);
    ComPtr<IWypElement> element = Item<IWypElement>(elements.Get(), 0);
    ComPtr<IWyplata> back;
    ASSERT_EQ(element->get_Wyplata(back.Out()), S_OK);
    EXPECT_EQ(back.Get(), march.Get()) << "an element's payout is the payout it came from";

    ComPtr<IDaneZUS> zus;
    ASSERT_EQ(march->get_DaneZUS(zus.Out()), S_OK);
    LONG title = 0;
    ASSERT_EQ(zus->get_KodTytulu(&title), S_OK);
    EXPECT_EQ(title, 11000);
    struct Amount {
        HRESULT (IDaneZUS::*get)(CY*);
        LONGLONG grosze;
    } amounts[] = {
        {&IDaneZUS::get_PodstawaEmerytalna, 466600}, {&IDaneZUS::get_PodstawaZdrowotna, 402629},
        {&IDaneZUS::get_EmerytalnaPracownik, 45540},  {&IDaneZUS::get_EmerytalnaPlatnik, 45540},
        {&IDaneZUS::get_RentowaPracownik, 6999},      {&IDaneZUS::get_RentowaPlatnik, 30329},
        {&IDaneZUS::get_ChorobowaPracownik, 11432},   {&IDaneZUS::get_WypadkowaPlatnik, 7792},
        {&IDaneZUS::get_ZdrowotnaOdliczana, 0},       {&IDaneZUS::get_ZdrowotnaPozostala, 36237},
        {&IDaneZUS::get_ZaliczkaPodatku, 15300},      {&IDaneZUS::get_SkladkaFP, 11432},
        {&IDaneZUS::get_SkladkaFGSP, 467},
    };
    for (const Amount& amount : amounts) {
        CY value{0};
        ASSERT_EQ((zus.Get()->*amount.get)(&value), S_OK);
        EXPECT_EQ(Grosze(value), amount.grosze);
    }

    ComPtr<IWypElementLink> link;
    ASSERT_EQ(element->get_LinkGlowny(link.Out()), S_OK);
    ComPtr<IWypElement> linked;
    ASSERT_EQ(link->get_Element(linked.Out()), S_OK);
    EXPECT_EQ(linked.Get(), element.Get());
}

TEST_F(PayrollGraphTest, ATypeReachedThroughAnElementAnswersItsDeductionsAndCosts) {
    ComPtr<ICollection> payouts, elements;
    ASSERT_EQ(employee_->get_Wyplaty(payouts.Out()), S_OK);
    ASSERT_EQ(Item<IWyplata>(payouts.Get(), 0)->get_Elementy(elements.Out()), S_OK);
    ComPtr<ITypWyplaty> type;
    ASSERT_EQ(Item<IWypElement>(elements.Get(), 0)->get_Typ(type.Out()), S_OK);
    // Potracenie1..6 = amounts 16, 8, 10, 12, 18, 19; Koszt1..5 = 9, 11, 15, FP, FGŚP.
    const char16_t* names[] = {u"Potracenie1", u"Potracenie2", u"Potracenie3", u"Potracenie4", u"Potracenie5",
                               u"Potracenie6", u"Koszt1", u"Koszt2", u"Koszt3", u"Koszt4", u"Koszt5"};
    LONGLONG expected[] = {0, 45540, 6999, 11432, 36237, 15300, 45540, 30329, 7792, 11432, 467};
    for (std::size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(Grosze(GetProperty(type.Get(), names[i]).cyVal), expected[i]) << Utf16ToUtf8(names[i]);

    ComPtr<IDispatch> alone = Create(u"TLX.TypyWyplat", Variant::FromString(u"1"));
    EXPECT_EQ(Grosze(GetProperty(alone.Get(), u"Potracenie2").cyVal), 0) << "a type read alone";
}

// Every dispatch name of a member answers what its first name answers.
template <class I>
void ExpectEveryNameAnswers(IDispatch* object, const char* what) {
    const tlx::DispatchTable& table = DispatchTableOf(static_cast<I*>(nullptr));
    std::map<DISPID, std::pair<HRESULT, Variant>> first;
    for (const DispatchEntry& entry : table.Entries()) {
        if (entry.kind != DispKind::Get || entry.required != 0) continue;
        Variant value;
        HRESULT hr = CallMethod(object, entry.name, &value);
        EXPECT_NE(hr, DISP_E_UNKNOWNNAME) << what << "." << Utf16ToUtf8(entry.name);
        auto [known, added] = first.emplace(entry.id, std::make_pair(hr, value));
        if (added) {
            // Only the record's link to a main card may refuse: this card is a main one.
            if (FAILED(hr)) {
                EXPECT_EQ(hr, HOST_E_RECORDZERO) << what << "." << Utf16ToUtf8(entry.name);
            }
            continue;
        }
        EXPECT_EQ(hr, known->second.first) << what << "." << Utf16ToUtf8(entry.name);
        if (FAILED(hr)) continue;
        if (value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN) {
            EXPECT_EQ(value.vt, known->second.second.vt) << what << "." << Utf16ToUtf8(entry.name);
        } else {
            Variant a, b;
            ASSERT_EQ(VariantChangeType(&a, &value, 0, VT_BSTR), S_OK);
            ASSERT_EQ(VariantChangeType(&b, &known->second.second, 0, VT_BSTR), S_OK);
            EXPECT_EQ(Bstr(a.bstrVal).Str(), Bstr(b.bstrVal).Str()) << what << "." << Utf16ToUtf8(entry.name);
        }
    }
}

TEST_F(PayrollGraphTest, EveryMemberAnswersUnderEveryName) {
    ExpectEveryNameAnswers<IPracownik>(employee_.Get(), "IPracownik");
    ComPtr<IPracEtat> record;
    ASSERT_EQ(employee_->GetEtat(Day(2024, 3, 31), Variant::Missing(), record.Out()), S_OK);
    ExpectEveryNameAnswers<IPracEtat>(record.Get(), "IPracEtat");
    ComPtr<IPodAdres> address;
    ASSERT_EQ(record->get_Adres(address.Out()), S_OK);
    ExpectEveryNameAnswers<IPodAdres>(address.Get(), "IPodAdres");
    ComPtr<IPracDaneZus> time;
    ASSERT_EQ(record->get_WymiarEtatu(time.Out()), S_OK);
    ExpectEveryNameAnswers<IPracDaneZus>(time.Get(), "IPracDaneZus");
    ComPtr<IUbezpieczenie> insurance;
    ASSERT_EQ(record->get_Ubezpieczenie(insurance.Out()), S_OK);
    ExpectEveryNameAnswers<IUbezpieczenie>(insurance.Get(), "IUbezpieczenie");
    ComPtr<IOkres> validity;
    ASSERT_EQ(record->get_OkresWaznosci(validity.Out()), S_OK);
    ExpectEveryNameAnswers<IOkres>(validity.Get(), "IOkres");

    ComPtr<ICollection> payouts, elements;
    ASSERT_EQ(employee_->get_Wyplaty(payouts.Out()), S_OK);
    ComPtr<IWyplata> payout = Item<IWyplata>(payouts.Get(), 0);
    ExpectEveryNameAnswers<IWyplata>(payout.Get(), "IWyplata");
    ComPtr<IListaPlac> list;
    ASSERT_EQ(payout->get_ListaPlac(list.Out()), S_OK);
    ExpectEveryNameAnswers<IListaPlac>(list.Get(), "IListaPlac");
    ASSERT_EQ(payout->get_Elementy(elements.Out()), S_OK);
    ComPtr<IWypElement> element = Item<IWypElement>(elements.Get(), 0);
    ExpectEveryNameAnswers<IWypElement>(element.Get(), "IWypElement");
    ComPtr<IDaneZUS> zus;
    ASSERT_EQ(element->get_DaneZUS(zus.Out()), S_OK);
    ExpectEveryNameAnswers<IDaneZUS>(zus.Get(), "IDaneZUS");
    ComPtr<IWypElementDane> kind;
    ASSERT_EQ(element->get_Dane(kind.Out()), S_OK);
    ExpectEveryNameAnswers<IWypElementDane>(kind.Get(), "IWypElementDane");
    // The element's kind answers its own interface and not the payout type's, whose layout it lacks.
    ComPtr<IUnknown> byIid;
    EXPECT_EQ(kind->QueryInterface(IidOf<IWypElementDane>(), byIid.OutVoid()), S_OK);
    EXPECT_EQ(kind->QueryInterface(MakeGuid(u"{A8370B55-3624-4C22-911B-9BAB7074FB19}"), byIid.OutVoid()),
              E_NOINTERFACE);

    ComPtr<IDispatch> code = Create(u"TLX.KodySwiadczen", Variant::FromString(u"Pdz_Kod=331"));
    ExpectEveryNameAnswers<IKodSwiadczenia>(code.Get(), "IKodSwiadczenia");
}

// A card's secondary cards and the persons cooperating with it are two links: neither answers the
// other's cards, and a card linked by both is in both.
TEST_F(PayrollGraphTest, SecondaryCardsAndCooperatingPersonsAreSeparateLinks) {
    Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod, Pra_ParentID, Pra_WlascicielID) values "
            u"(8, 'P007/1', 7, null), (9, 'P009', null, 7), (10, 'P010', 7, 7), (11, 'P011', null, 9)");
    auto ids = [&](ICollection* cards) {
        std::vector<LONG> answer;
        LONG count = 0;
        EXPECT_EQ(cards->get_Count(&count), S_OK);
        for (LONG i = 0; i < count; ++i) {
            LONG id = 0;
            EXPECT_EQ(Item<IPracownikDane>(cards, i)->get_ID(&id), S_OK);
            answer.push_back(id);
        }
        return answer;
    };
    ComPtr<ICollection> secondary, cooperating;
    ASSERT_EQ(employee_->get_OsobyPowiazane(secondary.Out()), S_OK);
    ASSERT_EQ(employee_->get_OsobyWspolpracujace(cooperating.Out()), S_OK);
    EXPECT_EQ(ids(secondary.Get()), (std::vector<LONG>{8, 10}));
    EXPECT_EQ(ids(cooperating.Get()), (std::vector<LONG>{9, 10}));
    VARIANT_BOOL has = VARIANT_FALSE;
    ASSERT_EQ(employee_->get_MaOsobyPowiazane(&has), S_OK);
    EXPECT_EQ(has, VARIANT_TRUE);

    // A cooperating person answers his own links only: no secondary cards, and the card that names him.
    ComPtr<IPracownik> person = Create(u"TLX.Pracownicy", Variant::FromString(u"9")).As<IPracownik>();
    ASSERT_TRUE(person);
    ASSERT_EQ(person->get_OsobyPowiazane(secondary.Out()), S_OK);
    EXPECT_TRUE(ids(secondary.Get()).empty());
    ASSERT_EQ(person->get_MaOsobyPowiazane(&has), S_OK);
    EXPECT_EQ(has, VARIANT_FALSE);
    ASSERT_EQ(person->get_OsobyWspolpracujace(cooperating.Out()), S_OK);
    EXPECT_EQ(ids(cooperating.Get()), (std::vector<LONG>{11}));
}

// A record of a main card links to no main card: the host's record-zero error with its text; a secondary
// card's record links to its main card.
TEST_F(PayrollGraphTest, ARecordLinksToItsMainCardOrAnswersTheRecordZeroError) {
    ComPtr<IPracEtat> record;
    ASSERT_EQ(employee_->GetEtat(Day(2024, 3, 31), Variant::Missing(), record.Out()), S_OK);
    ComPtr<IDispatch> main;
    EXPECT_EQ(record->get_Powiazanie(main.Out()), HOST_E_RECORDZERO);
    EXPECT_FALSE(main);
    EXPECT_EQ(TakeErrorDescription(), u"Rekord 0 nieznaleziony. Pole 'Powiazanie'");
    EXPECT_EQ(record->get_Powiazanie(nullptr), E_POINTER);

    Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod, Pra_ParentID) values (8, 'P007/1', 7)");
    Execute(u"insert into TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd) values (81, 8, '2024-01-01 00:00:00')");
    ComPtr<IPracownik> secondary = Create(u"TLX.Pracownicy", Variant::FromString(u"8")).As<IPracownik>();
    ASSERT_TRUE(secondary);
    ASSERT_EQ(secondary->GetEtat(Day(2024, 3, 31), Variant::Missing(), record.Out()), S_OK);
    ASSERT_TRUE(record);
    ASSERT_EQ(record->get_Powiazanie(main.Out()), S_OK);
    LONG id = 0;
    ASSERT_EQ(main.As<IPracownikDane>()->get_ID(&id), S_OK);
    EXPECT_EQ(id, 7);
}

TEST_F(PayrollGraphTest, AZeroPayoutIsBuiltInMemoryAndNeverSaved) {
    std::u16string before = Scalar(u"select (select count(*) from TLX.Wyplaty) || '/' || (select count(*) from "
                                   u"TLX.ListyPlac) || '/' || (select count(*) from TLX.WypElementy)");
    ComPtr<ICollection> lists = Create(u"{78B12835-6A2D-4449-915C-D674EAF365D1}").As<ICollection>();
    ComPtr<IDispatch> created;
    ASSERT_EQ(lists->AddNew(Variant::Missing(), created.Out()), S_OK);
    ComPtr<IListaPlac> list = created.As<IListaPlac>();
    ASSERT_EQ(list->put_Rodzaj(64), S_OK);
    ComPtr<IOkresowy> month;
    ASSERT_EQ(list->get_RokMiesiac(month.Out()), S_OK);
    month->put_Rok(2024);
    month->put_Miesiac(5);

    ComPtr<IDispatch> type = Create(u"{E7617328-E8B3-4A56-B34D-5CA7F380970B}", Variant::FromString(u"Twp_Standardowy=603"));
    ComPtr<IWyplataZUS> zus = Create(u"{2065DE4D-BC77-4B76-844A-51F9200B6393}").As<IWyplataZUS>();
    ASSERT_EQ(zus->put_KodTytulu(110), S_OK);
    ASSERT_EQ(zus->put_Kwota(1, CY{123400}), S_OK);
    ASSERT_EQ(zus->put_Kwota(20, CY{5600}), S_OK);
    CY ignored{0};
    EXPECT_EQ(zus->get_Kwota(28, &ignored), E_INVALIDARG);
    ComPtr<IGeneratorWyplat> builder = Create(u"{B9B5BBAB-2A7B-470C-B7E4-1C839DAAAEB2}").As<IGeneratorWyplat>();
    ASSERT_EQ(builder->putref_Lista(list.Get()), S_OK);
    ASSERT_EQ(builder->putref_Pracownik(employee_.Get()), S_OK);
    ASSERT_EQ(builder->Dodaj(type.Get(), Variant::FromLong(0), zus.Get(), Variant::FromLong(0)), S_OK);
    ComPtr<IWyplata> payout;
    ASSERT_EQ(builder->Wynik(Variant::FromLong(0), payout.Out()), S_OK);

    ComPtr<ICollection> elements;
    ASSERT_EQ(payout->get_Elementy(elements.Out()), S_OK);
    ComPtr<IWypElement> element = Item<IWypElement>(elements.Get(), 0);
    ComPtr<IDaneZUS> data;
    ASSERT_EQ(element->get_DaneZUS(data.Out()), S_OK);
    LONG title = 0;
    ASSERT_EQ(data->get_KodTytulu(&title), S_OK);
    EXPECT_EQ(title, 11000);
    CY pensionBase{0}, bridging{0}, disabilityBase{-1};
    ASSERT_EQ(data->get_PodstawaEmerytalna(&pensionBase), S_OK);
    ASSERT_EQ(data->get_KwotaFEP(&bridging), S_OK);
    ASSERT_EQ(data->get_PodstawaRentowa(&disabilityBase), S_OK);
    EXPECT_EQ(pensionBase.int64, 123400) << "the amounts given are the element's";
    EXPECT_EQ(bridging.int64, 5600);
    EXPECT_EQ(disabilityBase.int64, 0);
    ComPtr<IWyplata> back;
    ASSERT_EQ(element->get_Wyplata(back.Out()), S_OK);
    EXPECT_EQ(back.Get(), payout.Get());
    ComPtr<IOkresowy> payoutMonth;
    ASSERT_EQ(payout->get_RokMiesiac(payoutMonth.Out()), S_OK);
    LONG m = 0;
    payoutMonth->get_Miesiac(&m);
    EXPECT_EQ(m, 5);

    ASSERT_EQ(session_.As<ISession2>()->Save(), S_OK);
    EXPECT_EQ(Scalar(u"select (select count(*) from TLX.Wyplaty) || '/' || (select count(*) from TLX.ListyPlac) || "
                     u"'/' || (select count(*) from TLX.WypElementy)"),
              before);
}

// The payout builder takes a payout type only: an element's kind, whose interface is another, is refused
// rather than read as a type (its "counted" flag would become the type's identifier).
TEST_F(PayrollGraphTest, TheBuilderRefusesAnElementsKindForAType) {
    ComPtr<ICollection> payouts, elements;
    ASSERT_EQ(employee_->get_Wyplaty(payouts.Out()), S_OK);
    ASSERT_EQ(Item<IWyplata>(payouts.Get(), 0)->get_Elementy(elements.Out()), S_OK);
    ComPtr<IWypElementDane> kind;
    ASSERT_EQ(Item<IWypElement>(elements.Get(), 0)->get_Dane(kind.Out()), S_OK);
    ComPtr<IDispatch> created;
    ASSERT_EQ(Create(u"TLX.ListyPlac").As<ICollection>()->AddNew(Variant::Missing(), created.Out()), S_OK);
    ComPtr<IWyplataZUS> zus = Create(u"{2065DE4D-BC77-4B76-844A-51F9200B6393}").As<IWyplataZUS>();
    ComPtr<IGeneratorWyplat> builder = Create(u"{B9B5BBAB-2A7B-470C-B7E4-1C839DAAAEB2}").As<IGeneratorWyplat>();
    ASSERT_EQ(builder->putref_Lista(created.As<IListaPlac>().Get()), S_OK);
    ASSERT_EQ(builder->putref_Pracownik(employee_.Get()), S_OK);
    EXPECT_EQ(builder->Dodaj(kind.Get(), Variant::FromLong(0), zus.Get(), Variant::FromLong(0)), E_INVALIDARG);
    EXPECT_EQ(TakeErrorDescription(), u"Oczekiwano typu wypłaty");
    ComPtr<IWyplata> payout;
    ASSERT_EQ(builder->Wynik(Variant::FromLong(0), payout.Out()), S_OK);
    ComPtr<ICollection> built;
    ASSERT_EQ(payout->get_Elementy(built.Out()), S_OK);
    LONG count = -1;
    ASSERT_EQ(built->get_Count(&count), S_OK);
    EXPECT_EQ(count, 0) << "nothing added";
}

// An element's ZUS data answers the element's code by the name Code: its type's component code, not the
// six-digit insurance title; a payout's sums have no code of their own.
TEST_F(PayrollGraphTest, TheZusDataOfAnElementAnswersItsCodeAsCode) {
    Execute(u"insert into TLX.TypWyplata (TWP_TwpId, TWP_Nazwa, TWP_Kod) values (3, 'Składki za urlop', 41000)");
    Execute(u"insert into TLX.WypElementy (WPE_WpeId, WPE_WplId, WPE_TwpId, WPE_Wartosc, WPE_KodTytulu) values "
            u"(322, 311, 3, 100, 124000), (323, 311, 99, 5, 11000)");
    ComPtr<IWyplata> march = Create(u"TLX.Wyplaty", Variant::FromLong(311)).As<IWyplata>();
    ASSERT_TRUE(march);
    ComPtr<ICollection> elements;
    ASSERT_EQ(march->get_Elementy(elements.Out()), S_OK);
    const struct {
        LONG element, code, title;
    } rows[] = {{321, 10, 11000}, {322, 41000, 124000}, {323, 0, 11000}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.element);
        ComPtr<IDispatch> item;
        ASSERT_EQ(elements->Item(Variant::FromString(Utf8ToUtf16(std::to_string(row.element))), item.Out()), S_OK);
        ComPtr<IDaneZUS> zus;
        ASSERT_EQ(item.As<IWypElement>()->get_DaneZUS(zus.Out()), S_OK);
        EXPECT_EQ(GetProperty(zus.Get(), u"Code").lVal, row.code);
        EXPECT_EQ(GetProperty(zus.Get(), u"KodTytulu").lVal, row.title);
    }
    ComPtr<IDaneZUS> sums;
    ASSERT_EQ(march->get_DaneZUS(sums.Out()), S_OK);
    EXPECT_EQ(GetProperty(sums.Get(), u"Code").lVal, 0);
}

// A built element is filed as the payroll files a stored one: under the six-digit code with the record's
// pension right and disability degree, and marked as health-only under a title that carries nothing else.
TEST_F(PayrollGraphTest, ABuiltElementTakesTheRecordsCodeAndTheHealthOnlyMark) {
    Execute(u"update TLX.PracEtaty set PRE_PrawoER = 1, PRE_StNiepelnosp = 2 where PRE_PreId = 71");
    ComPtr<IPracownikDane> employee = Create(u"TLX.Pracownicy", Variant::FromString(u"7")).As<IPracownikDane>();
    ComPtr<IDispatch> type = Create(u"{E7617328-E8B3-4A56-B34D-5CA7F380970B}", Variant::FromString(u"Twp_Standardowy=603"));
    for (auto [title, code, flags] : {std::tuple{110L, 11012L, 0L}, {2211L, 221112L, 0x80L}}) {
        SCOPED_TRACE(title);
        ComPtr<IDispatch> created;
        ASSERT_EQ(Create(u"{78B12835-6A2D-4449-915C-D674EAF365D1}").As<ICollection>()->AddNew(Variant::Missing(),
                                                                                               created.Out()),
                  S_OK);
        ComPtr<IListaPlac> list = created.As<IListaPlac>();
        ComPtr<IOkresowy> month;
        ASSERT_EQ(list->get_RokMiesiac(month.Out()), S_OK);
        month->put_Rok(2024);
        month->put_Miesiac(5);
        ComPtr<IWyplataZUS> zus = Create(u"{2065DE4D-BC77-4B76-844A-51F9200B6393}").As<IWyplataZUS>();
        ASSERT_EQ(zus->put_KodTytulu(title), S_OK);
        ComPtr<IGeneratorWyplat> builder = Create(u"{B9B5BBAB-2A7B-470C-B7E4-1C839DAAAEB2}").As<IGeneratorWyplat>();
        ASSERT_EQ(builder->putref_Lista(list.Get()), S_OK);
        ASSERT_EQ(builder->putref_Pracownik(employee.Get()), S_OK);
        ASSERT_EQ(builder->Dodaj(type.Get(), Variant::FromLong(0), zus.Get(), Variant::FromLong(0)), S_OK);
        ComPtr<IWyplata> payout;
        ASSERT_EQ(builder->Wynik(Variant::FromLong(0), payout.Out()), S_OK);
        ComPtr<ICollection> elements;
        ASSERT_EQ(payout->get_Elementy(elements.Out()), S_OK);
        ComPtr<IWypElement> element = Item<IWypElement>(elements.Get(), 0);
        ComPtr<IDaneZUS> data;
        ASSERT_EQ(element->get_DaneZUS(data.Out()), S_OK);
        LONG built = 0, marks = -1;
        ASSERT_EQ(data->get_KodTytulu(&built), S_OK);
        ASSERT_EQ(element->get_Flagi(&marks), S_OK);
        EXPECT_EQ(built, code);
        EXPECT_EQ(marks, flags);
    }
}

TEST_F(PayrollGraphTest, TheVoivodeshipLookupMatchesNamesWithQuotes) {
    ComPtr<IDispatch> item = Create(u"{20812779-D0B7-4A10-803C-8E2D0B70C3CE}", Variant::FromString(u"Nazwa='łódzkie'"));
    ASSERT_TRUE(item.As<IWojewodztwo>());
    Variant code;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    ASSERT_EQ(item->Invoke(2, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, code.Out(), nullptr, nullptr), S_OK);
    EXPECT_EQ(Bstr(code.bstrVal).Str(), u"10");

    Execute(u"insert into TLX.Wojewodztwa (WOJ_WojId, WOJ_Nazwa, WOJ_Kod) values (17, 'O''Neill', '99')");
    ComPtr<IDispatch> quoted = Create(u"{20812779-D0B7-4A10-803C-8E2D0B70C3CE}", Variant::FromString(u"Nazwa='O''Neill'"));
    EXPECT_EQ(Bstr(GetProperty(quoted.Get(), u"Kod").bstrVal).Str(), u"99");
}

TEST_F(PayrollGraphTest, RangesAreHalfOpenAndDaySetsStaySortedAndDisjoint) {
    auto range = [&](DATE from, DATE to) {
        ComPtr<IDispatch> object = Create(u"TLX.Calendar");
        EXPECT_EQ(object.As<ICalendar>()->SetRange(from, to), S_OK);
        return object.As<ICalendarRange>();
    };
    ComPtr<ICalendarRange> march = range(Day(2024, 3, 1), Day(2024, 4, 1));
    VARIANT_BOOL holds = VARIANT_FALSE;
    march->Zawiera(Day(2024, 4, 1), &holds);
    EXPECT_FALSE(holds) << "the end is not in the range";
    ComPtr<IDniKalendarza> days, rest, common;
    ASSERT_EQ(march->Dni(Variant::FromLong(0), days.Out()), S_OK);
    ASSERT_EQ(days->Minus(range(Day(2024, 3, 10), Day(2024, 3, 20)).Get(), rest.Out()), S_OK);
    LONG count = 0, pieces = 0;
    rest->get_LiczbaDni(&count);
    rest->get_Count(&pieces);
    EXPECT_EQ(count, 21);
    EXPECT_EQ(pieces, 2);
    ComPtr<ICalendarRange> second;
    ASSERT_EQ(rest->Item(1, second.Out()), S_OK);
    DATE from = 0;
    second->get_Od(&from);
    EXPECT_EQ(from, Day(2024, 3, 20));
    ASSERT_EQ(rest->Iloczyn(range(Day(2024, 3, 5), Day(2024, 3, 25)).Get(), common.Out()), S_OK);
    common->get_LiczbaDni(&count);
    EXPECT_EQ(count, 5 + 5);
    ASSERT_EQ(rest->Add(range(Day(2024, 3, 10), Day(2024, 3, 20)).Get()), S_OK);
    rest->get_Count(&pieces);
    EXPECT_EQ(pieces, 1) << "adding the gap back joins the ranges";

    ComPtr<ICalendarRange> empty = range(Day(2024, 3, 5), Day(2024, 3, 5));
    VARIANT_BOOL isEmpty = VARIANT_FALSE;
    empty->get_Pusty(&isEmpty);
    EXPECT_TRUE(isEmpty);
    EXPECT_EQ(days->Minus(employee_.Get(), rest.Out()), E_INVALIDARG) << "a foreign object";

    ComPtr<IPracEtat> record;
    ASSERT_EQ(employee_->GetEtat(Day(2024, 3, 1), Variant::Missing(), record.Out()), S_OK);
    ComPtr<IOkres> open;
    ASSERT_EQ(record->get_OkresWaznosci(open.Out()), S_OK);
    ComPtr<ICalendarRange> openRange;
    ASSERT_EQ(open->get_Zakres(openRange.Out()), S_OK);
    DATE end = 0;
    openRange->get_Do(&end);
    EXPECT_EQ(end, Day(3000, 1, 1));
}

}  // namespace
}  // namespace tlx::host::test

namespace tlx::host::test {
namespace {

TEST_F(PayrollGraphTest, ASessionFindsAPayoutByItsIdentifierNotByPosition) {
    for (LONG id : {311, 312}) {
        ComPtr<IDispatch> found = Create(u"{951D03A9-4B8B-4E0C-B46D-46D31B60B55A}", Variant::FromString(Utf8ToUtf16(std::to_string(id))));
        ComPtr<IWyplata> payout = found.As<IWyplata>();
        ASSERT_TRUE(payout) << id;
        LONG answered = 0;
        ASSERT_EQ(payout->get_ID(&answered), S_OK);
        EXPECT_EQ(answered, id);
    }
}

// The walk of one month: a payout by its identifier, its elements and their links, and back from a link
// to its element and from the element to its payout and employee, each the same as through the card.
// Each element of a payout read by its identifier answers its own links, in the order of their identifiers.
TEST_F(PayrollGraphTest, EachElementOfAPayoutByItsIdentifierAnswersItsOwnLinksInOrder) {
    Execute(u"insert into TLX.WypElementy (WPE_WpeId, WPE_WplId, WPE_TwpId, WPE_Wartosc) values (341, 312, 1, 100), "
            u"(340, 312, 1, 200)");
    Execute(u"insert into TLX.WypElementyLinki (WEL_WelId, WEL_WpeId, WEL_DataOd, WEL_DataDo) values "
            u"(905, 340, '2024-04-05 00:00:00', '2024-04-06 00:00:00'), (902, 341, '2024-04-02 00:00:00', "
            u"'2024-04-03 00:00:00'), (901, 340, '2024-04-01 00:00:00', '2024-04-02 00:00:00'), "
            u"(903, 340, '2024-04-03 00:00:00', '2024-04-04 00:00:00')");
    ComPtr<IWyplata> april = Create(u"TLX.Wyplaty", Variant::FromLong(312)).As<IWyplata>();
    ASSERT_TRUE(april);
    ComPtr<ICollection> elements;
    ASSERT_EQ(april->get_Elementy(elements.Out()), S_OK);
    auto daysOfLinks = [&](LONG element) {
        std::vector<int> days;
        LONG count = 0;
        EXPECT_EQ(elements->get_Count(&count), S_OK);
        for (LONG i = 0; i < count; ++i) {
            ComPtr<IWypElement> item = Item<IWypElement>(elements.Get(), i);
            LONG id = 0;
            item->get_ID(&id);
            if (id != element) continue;
            ComPtr<ICollection> links;
            EXPECT_EQ(item->get_Linki(links.Out()), S_OK);
            LONG linkCount = 0;
            links->get_Count(&linkCount);
            for (LONG j = 0; j < linkCount; ++j) {
                ComPtr<IOkres> period;
                EXPECT_EQ(Item<IWypElementLink>(links.Get(), j)->get_Okres(period.Out()), S_OK);
                DATE from = 0;
                period->get_DataOd(&from);
                days.push_back(static_cast<int>(from - Day(2024, 3, 31)));
            }
        }
        return days;
    };
    EXPECT_EQ(daysOfLinks(340), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(daysOfLinks(341), (std::vector<int>{2}));
}

TEST_F(PayrollGraphTest, APayoutByItsIdentifierAnswersItsOwnElementsAndLinks) {
    Execute(u"insert into TLX.WypElementy (WPE_WpeId, WPE_WplId, WPE_TwpId, WPE_Wartosc) values (322, 312, 1, 100)");
    ComPtr<IWyplata> march = Create(u"TLX.Wyplaty", Variant::FromLong(311)).As<IWyplata>();
    ASSERT_TRUE(march);
    ComPtr<ICollection> elements;
    ASSERT_EQ(march->get_Elementy(elements.Out()), S_OK);
    LONG count = 0;
    ASSERT_EQ(elements->get_Count(&count), S_OK);
    EXPECT_EQ(count, 1) << "April's element is not March's";
    ComPtr<IWypElement> element = Item<IWypElement>(elements.Get(), 0);
    ComPtr<IDaneZUS> zus;
    ASSERT_EQ(element->get_DaneZUS(zus.Out()), S_OK);
    CY pension{};
    ASSERT_EQ(zus->get_EmerytalnaPracownik(&pension), S_OK);
    EXPECT_EQ(Grosze(pension), 45540);

    ComPtr<IWypElementLink> link;
    ASSERT_EQ(element->get_LinkGlowny(link.Out()), S_OK);
    ASSERT_TRUE(link);
    ComPtr<IWypElement> back;
    ASSERT_EQ(link->get_Element(back.Out()), S_OK);
    EXPECT_EQ(back.Get(), element.Get());
    ComPtr<IWyplata> payout;
    ASSERT_EQ(element->get_Wyplata(payout.Out()), S_OK);
    EXPECT_EQ(payout.Get(), march.Get());
    ComPtr<IPracownik> employee;
    ASSERT_EQ(payout->get_Pracownik(employee.Out()), S_OK);
    LONG employeeId = 0;
    ASSERT_EQ(employee->get_ID(&employeeId), S_OK);
    EXPECT_EQ(employeeId, 7);

    ComPtr<IDispatch> none;
    EXPECT_EQ(session_->CreateObject(Bstr(u"TLX.Wyplaty").Get(), Variant::FromLong(399), none.Out()), HOST_E_NOROW);
    TakeErrorDescription();

    Execute(u"delete from TLX.WypElementy where WPE_WplId = 312");
    ComPtr<IWyplata> empty = Create(u"TLX.Wyplaty", Variant::FromLong(312)).As<IWyplata>();
    ASSERT_TRUE(empty);
    LONG id = 0;
    ASSERT_EQ(empty->get_ID(&id), S_OK);
    EXPECT_EQ(id, 312);
    ComPtr<ICollection> noElements;
    ASSERT_EQ(empty->get_Elementy(noElements.Out()), S_OK);
    ASSERT_EQ(noElements->get_Count(&count), S_OK);
    EXPECT_EQ(count, 0) << "a payout without elements answers none";
}

// Reading a payout by its identifier with its elements holds no lock on the company file once it has
// answered: another connection, which does not wait, saves while the payout and its elements are held,
// after a payout that is not there, and another session saves after the walk.
TEST_F(PayrollGraphTest, APayoutReadByItsIdentifierLeavesTheFileFreeForOthersSaves) {
    ComPtr<Connection> other = ado::CConnection::Make();
    ASSERT_EQ(other->Open(Bstr(u"Data Source=" + Utf8ToUtf16(database_)).Get(), nullptr, nullptr, 0), S_OK);
    auto run = [&](const std::u16string& sql) {
        Variant affected;
        return other->Execute(Bstr(sql).Get(), affected.Out(), 0, nullptr);
    };
    ASSERT_EQ(run(u"PRAGMA busy_timeout = 0"), S_OK);
    auto save = [&](int amount) {
        HRESULT hr = run(u"update TLX.Wyplaty set WPL_Kwota = " + Utf8ToUtf16(std::to_string(amount)) + u" where WPL_WplId = 312");
        if (FAILED(hr)) TakeErrorDescription();
        return hr;
    };

    ComPtr<IWyplata> march = Create(u"TLX.Wyplaty", Variant::FromLong(311)).As<IWyplata>();
    ASSERT_TRUE(march);
    EXPECT_EQ(save(1), S_OK) << "the payout is held";
    ComPtr<ICollection> elements;
    ASSERT_EQ(march->get_Elementy(elements.Out()), S_OK);
    LONG count = 0;
    ASSERT_EQ(elements->get_Count(&count), S_OK);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(save(2), S_OK) << "its elements are held";
    ComPtr<IDispatch> none;
    EXPECT_EQ(session_->CreateObject(Bstr(u"TLX.Wyplaty").Get(), Variant::FromLong(399), none.Out()), HOST_E_NOROW);
    TakeErrorDescription();
    EXPECT_EQ(save(3), S_OK) << "after a payout that is not there";

    ComPtr<ISession> next;
    ASSERT_EQ(CurrentLogin()->CreateSession(next.Out()), S_OK);
    ComPtr<Connection> connection;
    ASSERT_EQ(next.As<ISession2>()->get_Connection(connection.Out()), S_OK);
    Variant affected;
    ASSERT_EQ(connection->Execute(Bstr(u"update TLX.Wyplaty set WPL_Kwota = 4 where WPL_WplId = 312").Get(), affected.Out(), 0,
                                  nullptr),
              S_OK);
    EXPECT_EQ(Scalar(u"select WPL_Kwota from TLX.Wyplaty where WPL_WplId = 312"), u"4");
    other->Close();
}

// A payout read by its identifier opens its card only when its employee is asked for, and then keeps it:
// the card's code changed in between is what the employee answers, and he is the same object again.
TEST_F(PayrollGraphTest, APayoutByItsIdentifierOpensItsCardWhenItsEmployeeIsAskedFor) {
    ComPtr<IWyplata> march = Create(u"TLX.Wyplaty", Variant::FromLong(311)).As<IWyplata>();
    ASSERT_TRUE(march);
    ComPtr<ICollection> elements;
    ASSERT_EQ(march->get_Elementy(elements.Out()), S_OK);
    LONG count = 0;
    ASSERT_EQ(elements->get_Count(&count), S_OK);
    EXPECT_EQ(count, 1);
    Execute(u"update TLX.PracKod set Pra_Kod = 'P007-B' where Pra_PraID = 7");
    ComPtr<IPracownik> employee, again;
    ASSERT_EQ(march->get_Pracownik(employee.Out()), S_OK);
    Bstr code;
    ASSERT_EQ(employee->get_Kod(code.Out()), S_OK);
    EXPECT_EQ(Utf16ToUtf8(code.View()), "P007-B");
    ASSERT_EQ(march->get_Pracownik(again.Out()), S_OK);
    EXPECT_EQ(again.Get(), employee.Get());
}

// What the ZUS registration forms read: the record's three addresses, its insurances and the card's
// family members, each with its own address; a card without members answers an empty collection.
TEST_F(PayrollGraphTest, ARecordAnswersItsAddressesInsurancesAndTheCardsFamily) {
    Execute(u"update TLX.PracEtaty set PRE_ZAMMiasto = 'Kraków', PRE_ZAMKodPocztowy = '31-006', PRE_KORUlica = "
            u"'Marszałkowska', PRE_Obywatelstwo = 'POLSKIE', PRE_OddzialNFZ = '05R', PRE_UBZChorobowe = 2, "
            u"PRE_UBZZdrowotne = 0, PRE_UBZZusOd = '2024-01-02 00:00:00', PRE_UBZKodWyrej = '100' where PRE_PreId = 71");
    Execute(u"insert into TLX.PracRodzina (PRR_PrrId, PRR_PraId, PRR_Nazwisko, PRR_Imie, PRR_DataUr, PRR_Pokrewienstwo, "
            u"PRR_NaUtrzymaniu, PRR_Miasto) values (2, 7, 'Żółkiewski', 'Jan', '2015-05-15 00:00:00', '21', 1, 'Radom'), "
            u"(1, 7, 'Żółkiewski', 'Adam', NULL, '11', 0, NULL)");
    // A card opened by its key is read with its records: the one opened before the change answers them as
    // they were.
    employee_ = Create(u"TLX.Pracownicy", Variant::FromString(u"7")).As<IPracownik>();
    ComPtr<IPracEtat> record;
    ASSERT_EQ(employee_->GetEtat(Day(2024, 3, 31), Variant::Missing(), record.Out()), S_OK);
    auto text = [](IDispatch* object, const char16_t* name) {
        Variant value = GetProperty(object, name);
        return value.vt == VT_BSTR ? Bstr(value.bstrVal).Str() : u"(" + Utf8ToUtf16(std::to_string(value.vt)) + u")";
    };
    EXPECT_EQ(text(record.Get(), u"Obywatelstwo"), u"POLSKIE");
    EXPECT_EQ(text(record.Get(), u"OddzialNFZ"), u"05R");
    EXPECT_EQ(text(GetProperty(record.Get(), u"ZAMAdres").pdispVal, u"Miasto"), u"Kraków");
    EXPECT_EQ(text(GetProperty(record.Get(), u"ZAMAdres").pdispVal, u"KodPocztowy"), u"31-006");
    EXPECT_EQ(text(GetProperty(record.Get(), u"ZAMAdres").pdispVal, u"Ulica"), u"");
    EXPECT_EQ(text(GetProperty(record.Get(), u"KORAdres").pdispVal, u"Ulica"), u"Marszałkowska");
    EXPECT_EQ(text(GetProperty(record.Get(), u"Adres").pdispVal, u"Miasto"), u"Łódź") << "the record's own address";

    ComPtr<IUbezpieczenie> insurance;
    ASSERT_EQ(record->get_Ubezpieczenie(insurance.Out()), S_OK);
    LONG pension = -1, sickness = -1, health = -1;
    DATE from = 0;
    EXPECT_EQ(insurance->get_Emerytalne(&pension), S_OK);
    EXPECT_EQ(insurance->get_Chorobowe(&sickness), S_OK);
    EXPECT_EQ(insurance->get_Zdrowotne(&health), S_OK);
    EXPECT_EQ(insurance->get_DataOd(&from), S_OK);
    EXPECT_EQ(pension, 1) << "compulsory by default";
    EXPECT_EQ(sickness, 2);
    EXPECT_EQ(health, 0);
    EXPECT_EQ(from, Day(2024, 1, 2));
    EXPECT_EQ(text(insurance.Get(), u"KodWyrejestrowania"), u"100");

    ComPtr<ICollection> family;
    ASSERT_EQ(record->get_CzlonkowieRodziny(family.Out()), S_OK);
    LONG count = 0;
    ASSERT_EQ(family->get_Count(&count), S_OK);
    ASSERT_EQ(count, 2);
    ComPtr<ICzlonekRodziny> first = Item<ICzlonekRodziny>(family.Get(), 0);
    ComPtr<ICzlonekRodziny> second = Item<ICzlonekRodziny>(family.Get(), 1);
    EXPECT_EQ(text(first.Get(), u"Imie"), u"Adam") << "in identifier order";
    EXPECT_EQ(text(second.Get(), u"Pokrewienstwo"), u"21");
    EXPECT_EQ(GetProperty(second.Get(), u"NaUtrzymaniu").lVal, 1);
    EXPECT_EQ(GetProperty(second.Get(), u"DataUr").date, Day(2015, 5, 15));
    EXPECT_EQ(text(GetProperty(second.Get(), u"Adres").pdispVal, u"Miasto"), u"Radom");
    ExpectEveryNameAnswers<ICzlonekRodziny>(second.Get(), "ICzlonekRodziny");

    Execute(u"delete from TLX.PracRodzina");
    ASSERT_EQ(record->get_CzlonkowieRodziny(family.Out()), S_OK);
    ASSERT_EQ(family->get_Count(&count), S_OK);
    EXPECT_EQ(count, 0) << "read afresh at each call";
}

}  // namespace
}  // namespace tlx::host::test
