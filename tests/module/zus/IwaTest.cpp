// The IWA declaration calculated through its form on small companies built from payroll rows: the
// yearly average of persons insured against accidents, the persons injured, the payer's address and
// block, the empty-month refusal, and what the count takes from records, payouts, contracts and
// absences.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "DeclarationFixture.h"
#include "ZusDeclarationSupport.h"
#include "hostapi/Kedu.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/VariantConversion.h"

namespace tlx::test {
namespace {

constexpr HRESULT kEmptyMonth = static_cast<HRESULT>(0x80055E22);
constexpr HRESULT kCalculateFirst = static_cast<HRESULT>(0x800565F4);
constexpr HRESULT kScriptRefusal = static_cast<HRESULT>(0x800575A2);
constexpr int kYear = 2023;

std::u16string Text(const VARIANT& value) {
    Variant text;
    if (FAILED(VariantChangeType(&text, &value, 0, VT_BSTR))) return u"(?)";
    return std::u16string(text.bstrVal, SysStringLen(text.bstrVal));
}

std::u16string Day(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "'%04d-%02d-%02d 00:00:00'", year, month, day);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

class IwaTest : public DeclarationTest {
protected:
    void SetUp() override {
        DeclarationTest::SetUp();
        for (auto [key, value] : {std::pair<const char16_t*, const char16_t*>{u"Osoba fizyczna", u"0"},
                                  {u"FirmaNIP", u"526-10-20-304"}, {u"FirmaREGON", u"012345678"},
                                  {u"FirmaNazwaSkroconaZUS", u"Łąka sp. z o.o."}, {u"FirmaKodP", u"12-345"},
                                  {u"FirmaMiejscowosc", u"Łódź"}, {u"FirmaUlica", u"Żeromskiego"},
                                  {u"FirmaNrDomu", u"5"}, {u"FirmaNrLokalu", u"2"}, {u"FirmaTelefon", u"42 123 45 67"},
                                  {u"KodTerZUS", u"1234"}, {u"KodPKD", u"6201Z"}})
            Set(key, value);
        Execute(u"insert into TLX.KodySwiadczen (Pdz_PdzId, Pdz_Kod) values (311, 311), (331, 331), (111, 111)");
        Execute(u"insert into TLX.TypyNieobecnosci (TNB_TnbId, TNB_Nazwa, TNB_Kategoria, TNB_PdzId) values "
                u"(1, 'Wypadek przy pracy', 200, 331), (2, 'Urlop macierzyński', 0, 311), (3, 'Choroba', 0, 331)");
    }
    void Set(std::u16string_view key, std::u16string_view value) {
        Execute(u"delete from TLX.Konfiguracja where Kfg_Klucz = '" + std::u16string(key) + u"'");
        Execute(u"insert into TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) values ('" + std::u16string(key) + u"', '" +
                std::u16string(value) + u"')");
    }

    // An employee with one record valid from `from` to `to` (0: open), employed over the same days,
    // accident-insured, of record kind 1 (an employment).
    void Employee(int id, std::u16string_view from = u"'2020-01-01 00:00:00'", std::u16string_view to = u"NULL",
                  std::u16string_view extraColumns = u"", std::u16string_view extraValues = u"") {
        Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod) values (" + Num(id) + u", 'P" + Num(id) + u"')");
        Record(id, id * 10, from, to, extraColumns, extraValues);
    }
    void Record(int id, int recordId, std::u16string_view from, std::u16string_view to,
                std::u16string_view extraColumns = u"", std::u16string_view extraValues = u"") {
        Execute(u"insert into TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_ZatrudnionyOd, "
                u"PRE_ZatrudnionyDo, PRE_Nazwisko, PRE_Imie1, PRE_RodzajZapisu, PRE_UBZTyuId" +
                std::u16string(extraColumns) + u") values (" + Num(recordId) + u", " + Num(id) + u", " +
                std::u16string(from) + u", " + std::u16string(to) + u", " + std::u16string(from) + u", " +
                std::u16string(to) + u", 'Nowak', 'Anna', 1, 110" + std::u16string(extraValues) + u")");
    }
    // A payout of the month to the employee on a list of `listType` (2: contracts), with one element
    // carrying contribution data whose payer's accident contribution is `accident`.
    int Payout(int id, int month, double accident, int listType = 1, int year = kYear) {
        const int list = year * 100 + month + listType * 1000000;
        if (Scalar(u"select count(*) from TLX.ListyPlac where LPL_LplId = " + Num(list)) == u"0")
            Execute(u"insert into TLX.ListyPlac (LPL_LplId, LPL_Rok, LPL_Miesiac, LPL_DataOd, LPL_DataDo, LPL_Typ) "
                    u"values (" + Num(list) + u", " + Num(year) + u", " + Num(month) + u", " + Day(year, month, 1) +
                    u", date(" + Day(year, month, 1) + u", '+1 month', '-1 day') || ' 00:00:00', " + Num(listType) + u")");
        const int payout = ++payouts_;
        Execute(u"insert into TLX.Wyplaty (WPL_WplId, WPL_PraId, WPL_LplId, WPL_Rok, WPL_Miesiac) values (" +
                Num(payout) + u", " + Num(id) + u", " + Num(list) + u", " + Num(year) + u", " + Num(month) + u")");
        Execute(u"insert into TLX.WypElementy (WPE_WpeId, WPE_WplId, WPE_ZusZnacznik, WPE_Kwota15) values (" +
                Num(payout) + u", " + Num(payout) + u", 1, " + std::u16string(Text(Variant::FromDouble(accident))) + u")");
        return payout;
    }
    void PayoutsAllYear(int id, double accident = 50.0) {
        for (int month = 1; month <= 12; ++month) Payout(id, month, accident);
    }
    void Absence(int id, int type, std::u16string_view from, std::u16string_view to, int kind = 0) {
        Execute(u"insert into TLX.Nieobecnosci (NBA_PraId, NBA_TnbId, NBA_DataOd, NBA_DataDo, NBA_Tryb) values (" +
                Num(id) + u", " + Num(type) + u", " + std::u16string(from) + u", " + std::u16string(to) + u", " +
                Num(kind) + u")");
    }

    // A new IWA of the year, calculated; the answer of Policz.
    HRESULT Calculate() {
        declarations_ = Declarations();
        ComPtr<IDispatch> item;
        EXPECT_EQ(declarations_->AddNew(Variant::Missing(), item.Out()), S_OK) << Utf16ToUtf8(LastError());
        iwa_ = item.As<IDeklaracja2>();
        EXPECT_TRUE(iwa_);
        EXPECT_EQ(iwa_->put_TypDeklar(130), S_OK);
        EXPECT_EQ(iwa_->put_Wersja(1), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(iwa_->put_Rok(kYear), S_OK);
        EXPECT_EQ(iwa_->put_Numer(1), S_OK);
        Put(iwa_.Get(), u"OSWIADCZENIE", Variant::FromDate(45300));
        progress_ = CProgressTexts::Make();
        EXPECT_EQ(iwa_->AdviseProgress(ComPtr<_IProgressEvents>(progress_.Get()).Get()), S_OK);
        HRESULT hr = iwa_->Policz();
        error_ = FAILED(hr) ? LastError() : u"";
        return hr;
    }
    // Whether the progress events fired these texts one after another.
    bool Fired(const std::vector<std::u16string>& texts) const {
        const auto& all = progress_->texts;
        return std::search(all.begin(), all.end(), texts.begin(), texts.end()) != all.end();
    }
    std::u16string Field(std::u16string_view name) { return Text(Get(iwa_.Get(), name)); }
    // The KEDU document's text, its lines joined by "|".
    std::string Document() {
        auto document = Get(iwa_.Get(), u"DOKUMENT");
        EXPECT_EQ(document.vt, VT_DISPATCH);
        Bstr text;
        EXPECT_EQ(ComPtr<IDispatch>(document.pdispVal).As<IKeduDokument>()->ToString(text.Out()), S_OK);
        std::string all = Utf16ToUtf8(text.View());
        std::string joined;
        for (char c : all)
            if (c == '\n') joined += '|';
            else if (c != '\r') joined += c;
        return joined;
    }
    std::u16string Stored() { return Scalar(u"select count(*) from TLX.DeklNag"); }
    // The average and the injured count, as the form shows them.
    std::u16string Counts() { return Field(u"DUZWIWALICZBAUBEZP") + u"/" + Field(u"ZDKRIWALPOSZKOG"); }

    ComPtr<ICollection> declarations_;
    ComPtr<IDeklaracja2> iwa_;
    ComPtr<CProgressTexts> progress_;
    std::u16string error_;
    int payouts_ = 0;
};

TEST_F(IwaTest, WritesTheRoundedAverageTheInjuredThePayerAndTheAddress) {
    Employee(1);
    PayoutsAllYear(1);
    Employee(2);
    for (int month = 1; month <= 6; ++month) Payout(2, month, 30.0);
    Absence(2, 1, Day(kYear, 3, 6), Day(kYear, 3, 20));
    ASSERT_EQ(Calculate(), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(Counts(), u"2/1") << "18 insured months of 12 make 1.5, written as 2";
    EXPECT_EQ(Field(u"DIPLNIP") + u"|" + Field(u"DIPLNAZWA"), u"5261020304|ŁĄKA SP. Z O.O.");
    std::u16string address;
    for (auto name : {u"ADKPKODPOCZTOWY", u"ADKPMIASTO", u"ADKPULICA", u"ADKPNRDOMU", u"ADKPNRLOKALU",
                      u"ADKPNRTELKOR", u"ADKPSKRPOCZTOWA", u"ADKPNRTELEFONU", u"ADKPNRFAKSU", u"ADKPEMAIL"})
        address += Field(name) + u"|";
    EXPECT_EQ(address, u"12345|Łódź|Żeromskiego|5|2|||42 123 45 67|||");
    EXPECT_EQ(Field(u"DOIWAIDENT") + u"|" + Field(u"DOIWAKODTER") + u"|" + Field(u"ZDKRIWARDZPKD"),
              u"012023|1234|6201Z");
    EXPECT_NE(Document().find("<DUZWIWA>|2|</DUZWIWA>"), std::string::npos) << "counts are whole numbers: " << Document();
    EXPECT_NE(Document().find("<ZDKRIWA>|6201Z|1|0|0|</ZDKRIWA>"), std::string::npos) << Document();
    EXPECT_EQ(progress_->texts, (std::vector<std::u16string>{u"Wyliczanie deklaracji", u"Wyliczanie deklaracji IWA",
                                                             u"Inicjowanie deklaracji IWA",
                                                             u"Inicjowanie deklaracji IWA zakończone", u""}));

    // Saved and opened again in a new session, the declaration reads back the same.
    ASSERT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError());
    LONG id = 0;
    ASSERT_EQ(iwa_->get_ID(&id), S_OK);
    auto again = Create(NewSession().Get(), u"TLXDeklaracje.Deklaracje", Variant::FromString(Num(id)));
    ASSERT_TRUE(again);
    for (auto name : {u"DUZWIWALICZBAUBEZP", u"ZDKRIWALPOSZKOG", u"DIPLNIP", u"DIPLNAZWA", u"ADKPMIASTO",
                      u"ADKPKODPOCZTOWY", u"DOIWAIDENT"})
        EXPECT_EQ(Text(Get(again.Get(), name)), Field(name)) << Utf16ToUtf8(name);
}

TEST_F(IwaTest, AverageRoundsHalfAwayFromZeroAndAMonthWithoutInsuredFails) {
    Employee(1);
    PayoutsAllYear(1);
    Employee(2);
    Payout(2, 5, 20.0);
    ASSERT_EQ(Calculate(), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(Counts(), u"1/0") << "13 of 12 is 1.083, written as 1";

    Execute(u"delete from TLX.Wyplaty where WPL_PraId = 1 and WPL_Miesiac = 7");
    EXPECT_EQ(Calculate(), kEmptyMonth);
    EXPECT_EQ(error_, u"W roku, za który liczona jest deklaracja IWA, wystąpił co najmniej jeden miesiąc, w którym "
                      u"żaden ubezpieczony nie podlegał ubezpieczeniu wypadkowemu.");
    EXPECT_EQ(Counts(), u"1/0") << "the blocks are written before the refusal";
    EXPECT_TRUE(Fired({u"Błąd wyliczania deklaracji IWA"}));
}

TEST_F(IwaTest, ACompanyWithoutEmployeesWritesZerosAndTheAddressThenFails) {
    EXPECT_EQ(Calculate(), kEmptyMonth);
    EXPECT_EQ(Counts(), u"0/0");
    EXPECT_EQ(Field(u"ADKPKODPOCZTOWY"), u"12345");
}

TEST_F(IwaTest, AFailingPayerBlockReportsBothFailures) {
    Set(u"Osoba fizyczna", u"1");
    Set(u"Data urodzenia", u"drugi maja");
    EXPECT_NE(Calculate(), S_OK);
    EXPECT_TRUE(Fired({u"Błąd inicjowania deklaracji IWA", u"Błąd wyliczania deklaracji IWA"}));
    EXPECT_NE(error_.find(u"Data urodzenia"), std::u16string::npos) << Utf16ToUtf8(error_);
}

TEST_F(IwaTest, AFailedCalculationCannotBeSavedAndLeavesNothingStored) {
    Employee(1);
    PayoutsAllYear(1);
    const struct {
        const char* name;
        std::function<void()> breakIt, mendIt;
    } failures[] = {
        {"a payer's name the document cannot hold", [&] { Set(u"FirmaNazwaSkroconaZUS", u"Łąka <b>sp.</b>"); },
         [&] { Set(u"FirmaNazwaSkroconaZUS", u"Łąka sp. z o.o."); }},
        {"a month without insured persons", [&] { Execute(u"update TLX.Wyplaty set WPL_PraId = 99 where WPL_Miesiac = 7"); },
         [&] { Execute(u"update TLX.Wyplaty set WPL_PraId = 1 where WPL_PraId = 99"); }},
        {"a payer's date of birth that is no date",
         [&] { Set(u"Osoba fizyczna", u"1"); Set(u"Data urodzenia", u"drugi maja"); },
         [&] { Set(u"Osoba fizyczna", u"0"); }},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.name);
        failure.breakIt();
        EXPECT_NE(Calculate(), S_OK);
        EXPECT_EQ(SaveCollection(declarations_.Get()), kCalculateFirst);
        EXPECT_EQ(LastError(), u"Deklarację należy przeliczyć przed zapisem.");
        EXPECT_EQ(Stored(), u"0");
        failure.mendIt();
    }
    ASSERT_EQ(Calculate(), S_OK) << Utf16ToUtf8(error_);
    ASSERT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Stored(), u"1");
}

TEST_F(IwaTest, ANegativeCountFailsTheChecksNamingItsField) {
    Employee(1);
    PayoutsAllYear(1);
    for (auto field : {u"WYPADKISMIERTELNE", u"WARUNKIZAGROZENIA"}) {
        SCOPED_TRACE(Utf16ToUtf8(field));
        ASSERT_EQ(Calculate(), S_OK) << Utf16ToUtf8(error_);
        Put(iwa_.Get(), field, Variant::FromLong(-3));
        EXPECT_EQ(iwa_->Verify(), kScriptRefusal);
        const std::u16string refusal = LastError();
        EXPECT_NE(refusal.find(field), std::u16string::npos) << Utf16ToUtf8(refusal);
        EXPECT_EQ(SaveCollection(declarations_.Get()), kScriptRefusal);
        LastError();
        EXPECT_EQ(Stored(), u"0");
        Put(iwa_.Get(), field, Variant::FromLong(0));
        EXPECT_EQ(iwa_->Verify(), S_OK) << Utf16ToUtf8(LastError());
    }
}

// Each case sets up employee 2 against employee 1, who is insured from January to November: the
// calculation succeeds exactly when employee 2 counts in December.
TEST_F(IwaTest, WhatMakesAnEmployeeCountInAMonth) {
    const std::u16string left2021 = u"'2021-06-30 00:00:00'", from2019 = u"'2019-01-01 00:00:00'";
    const struct {
        const char* name;
        std::function<void()> setUp;
        bool counts;
    } rows[] = {
        {"a payout with contributions", [&] { Employee(2); Payout(2, 12, 10.0); }, true},
        {"a record ended before the year, accident insurance never ended",
         [&] { Employee(2, from2019, left2021); Payout(2, 12, 10.0); }, true},
        {"a record ended before the year and deregistered then",
         [&] {
             Employee(2, from2019, left2021, u", PRE_UBZDataWyrej", u", " + left2021);
             Payout(2, 12, 10.0);
         }, false},
        {"no record in the year but an accident-insured contract of title 0411",
         [&] {
             Employee(2, from2019, left2021, u", PRE_UBZDataWyrej", u", " + left2021);
             Execute(u"insert into TLX.Umowy (UMW_PraId, UMW_DataOd, UMW_DataDo, UMW_UBZTyuId) values "
                       u"(2, '2022-10-01 00:00:00', '2023-02-28 00:00:00', 411)");
             Payout(2, 12, 10.0, 2);
         }, true},
        {"no record in the year and a contract of title 0110",
         [&] {
             Employee(2, from2019, left2021, u", PRE_UBZDataWyrej", u", " + left2021);
             Execute(u"insert into TLX.Umowy (UMW_PraId, UMW_DataOd, UMW_DataDo, UMW_UBZTyuId) values "
                       u"(2, '2022-10-01 00:00:00', '2023-02-28 00:00:00', 110)");
             Payout(2, 12, 10.0, 2);
         }, false},
        {"a payout of kind 1", [&] {
             Employee(2);
             Execute(u"update TLX.Wyplaty set WPL_Tryb = 1 where WPL_WplId = " + Num(Payout(2, 12, 10.0)));
         }, false},
        {"an employment whose record excludes its payouts",
         [&] { Employee(2, u"'2020-01-01 00:00:00'", u"NULL", u", PRE_Wylaczony", u", 1"); Payout(2, 12, 10.0); },
         false},
        {"contributions count whatever the absences", [&] {
             Employee(2); Payout(2, 12, 10.0); Absence(2, 2, Day(kYear, 12, 1), Day(kYear, 12, 31));
         }, true},
        {"no contributions, insured", [&] { Employee(2); Payout(2, 12, 0.0); }, true},
        {"no contributions, deregistered before the month",
         [&] { Employee(2, u"'2020-01-01 00:00:00'", u"NULL", u", PRE_UBZDataWyrej", u", '2023-11-30 00:00:00'"); Payout(2, 12, 0.0); },
         false},
        {"no contributions, deregistered within the month",
         [&] { Employee(2, u"'2020-01-01 00:00:00'", u"NULL", u", PRE_UBZDataWyrej", u", '2023-12-15 00:00:00'"); Payout(2, 12, 0.0); },
         true},
        {"no contributions, not accident-insured",
         [&] { Employee(2, u"'2020-01-01 00:00:00'", u"NULL", u", PRE_UBZWypadkowe", u", 0"); Payout(2, 12, 0.0); },
         false},
        {"no contributions, absent under code 311 all month", [&] {
             Employee(2); Payout(2, 12, 0.0); Absence(2, 2, Day(kYear, 12, 1), Day(kYear, 12, 31));
         }, false},
        {"no contributions, absent under code 311 half the month", [&] {
             Employee(2); Payout(2, 12, 0.0); Absence(2, 2, Day(kYear, 12, 1), Day(kYear, 12, 15));
         }, true},
        {"no contributions, sick under code 331 all month", [&] {
             Employee(2); Payout(2, 12, 0.0); Absence(2, 3, Day(kYear, 12, 1), Day(kYear, 12, 31));
         }, true},
        {"no contributions, employed from the 10th and absent every employed day", [&] {
             Employee(2, u"'2023-12-10 00:00:00'"); Payout(2, 12, 0.0);
             Absence(2, 2, Day(kYear, 12, 10), Day(kYear, 12, 31));
         }, false},
        {"no contributions, employed from the 10th and absent from the 12th", [&] {
             Employee(2, u"'2023-12-10 00:00:00'"); Payout(2, 12, 0.0);
             Absence(2, 2, Day(kYear, 12, 12), Day(kYear, 12, 31));
         }, true},
        {"no contributions, absent from before the year to after it", [&] {
             Employee(2); Payout(2, 12, 0.0); Absence(2, 2, Day(kYear - 1, 12, 1), Day(kYear + 1, 1, 31));
         }, false},
        {"a contract payout without contributions from an accident-insured contract", [&] {
             Employee(2);
             Execute(u"insert into TLX.Umowy (UMW_UmwId, UMW_PraId, UMW_DataOd, UMW_UBZWypadkowe) values "
                       u"(21, 2, '2023-01-01 00:00:00', 1)");
             Execute(u"insert into TLX.WypElementyLinki (WEL_WpeId, WEL_ZrodloId, WEL_ZrodloRodzaj) values (" +
                       Num(Payout(2, 12, 0.0, 2)) + u", 21, 8)");
         }, true},
        {"a contract payout without contributions from a contract without accident insurance", [&] {
             Employee(2);
             Execute(u"insert into TLX.Umowy (UMW_UmwId, UMW_PraId, UMW_DataOd, UMW_UBZWypadkowe) values "
                       u"(21, 2, '2023-01-01 00:00:00', 0)");
             Execute(u"insert into TLX.WypElementyLinki (WEL_WpeId, WEL_ZrodloId, WEL_ZrodloRodzaj) values (" +
                       Num(Payout(2, 12, 0.0, 2)) + u", 21, 8)");
         }, false},
        {"a payout of a list that ends in the next year", [&] {
             Employee(2); Payout(2, 1, 10.0, 1, kYear + 1);
         }, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (auto table : {u"PracKod", u"PracEtaty", u"ListyPlac", u"Wyplaty", u"WypElementy", u"WypElementyLinki",
                           u"Umowy", u"Nieobecnosci"})
            Execute(u"delete from TLX." + std::u16string(table));
        Employee(1);
        for (int month = 1; month <= 11; ++month) Payout(1, month, 50.0);
        row.setUp();
        EXPECT_EQ(Calculate(), row.counts ? S_OK : kEmptyMonth) << Utf16ToUtf8(error_);
    }
}

TEST_F(IwaTest, AnEmployeeIsInjuredAtMostOnceAndAChainFromTheYearBeforeIsNoNewInjury) {
    Employee(1);
    PayoutsAllYear(1);
    Absence(1, 1, Day(kYear, 2, 1), Day(kYear, 2, 10));
    Absence(1, 1, Day(kYear, 9, 1), Day(kYear, 9, 10));
    Employee(2);
    PayoutsAllYear(2);
    Absence(2, 1, Day(kYear, 5, 1), Day(kYear, 5, 3));
    Employee(3);
    PayoutsAllYear(3);
    Absence(3, 1, Day(kYear - 1, 12, 20), Day(kYear - 1, 12, 31));
    Absence(3, 1, Day(kYear, 1, 1), Day(kYear, 1, 15));
    ASSERT_EQ(Calculate(), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(Counts(), u"3/2");
}

TEST_F(IwaTest, AContractPayoutWithoutContributionsCountsItsMonthOnce) {
    Employee(1);
    PayoutsAllYear(1);
    Employee(2);
    Execute(u"insert into TLX.Umowy (UMW_UmwId, UMW_PraId, UMW_DataOd) values (21, 2, '2023-01-01 00:00:00'), "
            u"(22, 2, '2023-01-01 00:00:00')");
    for (int month = 1; month <= 3; ++month)
        Execute(u"insert into TLX.WypElementyLinki (WEL_WpeId, WEL_ZrodloId, WEL_ZrodloRodzaj) values (" +
                Num(Payout(2, month, 0.0, 2)) + u", 21, 8), (" + Num(payouts_) + u", 22, 8)");
    ASSERT_EQ(Calculate(), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(Counts(), u"1/0") << "15 insured months of 12 make 1.25";
}

TEST_F(IwaTest, ARecordChainThatPointsBackEndsWithAnError) {
    Employee(1);
    PayoutsAllYear(1);
    // Two records of 2020 that overlap and are not in the year: the walk from the later one leads back.
    Employee(2, u"'2020-01-01 00:00:00'", u"'2020-12-31 00:00:00'", u", PRE_UBZWypadkowe", u", 0");
    Record(2, 21, u"'2020-06-01 00:00:00'", u"'2020-08-31 00:00:00'", u", PRE_UBZWypadkowe", u", 0");
    EXPECT_EQ(Calculate(), E_FAIL);
    EXPECT_NE(error_.find(u"wskazują na siebie nawzajem"), std::u16string::npos) << Utf16ToUtf8(error_);
    EXPECT_TRUE(Fired({u"Błąd wyliczania deklaracji IWA"}));
}

TEST_F(IwaTest, EveryCardOfAPersonCountsAndThePersonOnceAMonth) {
    Employee(1);
    for (int month = 1; month <= 11; ++month) Payout(1, month, 50.0);
    // Person 2 left in 2021; his secondary card 3 holds an accident-insured contract of the whole year.
    const std::u16string left = u"'2021-06-30 00:00:00'";
    Employee(2, u"'2019-01-01 00:00:00'", left, u", PRE_UBZDataWyrej", u", " + left);
    Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_ParentID, Pra_Kod) values (3, 2, 'P2/1')");
    Record(3, 30, u"'2023-01-01 00:00:00'", u"NULL");
    Execute(u"insert into TLX.Umowy (UMW_PraId, UMW_DataOd, UMW_DataDo, UMW_UBZTyuId) values "
            u"(3, '2023-01-01 00:00:00', '2023-12-31 00:00:00', 411)");
    Payout(3, 12, 10.0, 2);
    ASSERT_EQ(Calculate(), S_OK) << "December counts through the secondary card: " << Utf16ToUtf8(error_);

    // Employed again all year and paid on both cards every month, with an accident at work on each: one
    // person, counted once a month and injured once.
    Execute(u"update TLX.PracEtaty set PRE_DataDo = NULL, PRE_ZatrudnionyDo = NULL, PRE_UBZDataWyrej = NULL "
            u"where PRE_PreId = 20");
    for (int month = 1; month <= 12; ++month) {
        Payout(2, month, 20.0);
        Payout(3, month, 10.0, 2);
    }
    Payout(1, 12, 50.0);
    Absence(2, 1, Day(kYear, 3, 1), Day(kYear, 3, 5));
    Absence(3, 1, Day(kYear, 6, 1), Day(kYear, 6, 5), 3);
    ASSERT_EQ(Calculate(), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(Counts(), u"2/1");
}

TEST_F(IwaTest, ABrokenRecordIsNamedWithItsEmployeeAndValue) {
    Employee(1);
    PayoutsAllYear(1);
    Employee(2);
    PayoutsAllYear(2);
    const struct {
        const char16_t* set;
        const char16_t* value;
    } cases[] = {{u"PRE_DataDo = '2023-02-30 00:00:00'", u"\"2023-02-30 00:00:00\" w kolumnie PRE_DataDo"},
                 {u"PRE_ZatrudnionyOd = 'abc'", u"\"abc\" w kolumnie PRE_ZatrudnionyOd"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.set));
        Execute(u"update TLX.PracEtaty set PRE_DataDo = NULL, PRE_ZatrudnionyOd = PRE_DataOd where PRE_PreId = 20");
        Execute(u"update TLX.PracEtaty set " + std::u16string(c.set) + u" where PRE_PreId = 20");
        EXPECT_EQ(Calculate(), static_cast<HRESULT>(0x80020005));
        for (const char16_t* part : {u"Nie można policzyć deklaracji IWA dla pracownika P2", c.value, u"PRE_PreId = 20"})
            EXPECT_NE(error_.find(part), std::u16string::npos) << Utf16ToUtf8(part) << " in " << Utf16ToUtf8(error_);
        EXPECT_TRUE(Fired({u"Błąd wyliczania deklaracji IWA"}));
    }
}

TEST_F(IwaTest, TheServiceWithoutACalculation) {
    auto iwa = Create(u"TLXDeklaracje.IWA").As<IIWA>();
    ASSERT_TRUE(iwa);
    ComPtr<IDeklaracja2> declaration;
    DATE filled = 0;
    EXPECT_EQ(iwa->get_Deklaracja(declaration.Out()), E_POINTER);
    EXPECT_EQ(iwa->get_DataWypelnienia(&filled), E_POINTER);
    EXPECT_EQ(iwa->RegisterPrac(nullptr, 0, 0), S_OK);
    EXPECT_EQ(iwa->put_Wartosc(static_cast<PoleDRAEnum>(1), CY{10050}), S_OK);
    EXPECT_EQ(iwa->Przelicz(nullptr), E_POINTER);
}

}  // namespace
}  // namespace tlx::test
