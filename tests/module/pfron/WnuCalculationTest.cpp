#include <gtest/gtest.h>

#include "InfdCompany.h"
#include "mv_deklaracje/core/Date.h"

using namespace pfron_test;

namespace {
// The WN-U company: declarations of April 2016 and the hand-worked wage of 3000.00.
class WnuCalculation : public InfdCompany {
protected:
    void SetUp() override {
        InfdCompany::SetUp();
        SetParameter(u"/Program/Płace/Wskaźniki/Najniższe wynagrodzenie", u"2015-01-01", u"1750.00");
        Execute(u"INSERT INTO TLX.TypWyplata (TWP_TwpId, TWP_Nazwa, TWP_Kod) VALUES (3, 'Płaca', 110)");
    }
    // A WN-U of `yearMonth` whose period is that month (`from`/`to` months left 0 when asked).
    long AddWnu(long yearMonth = 201604, bool period = true) {
        Execute(u"INSERT INTO TLX.DeklNag (DkN_TypDeklar, DkN_Wersja, DkN_RokMiesiac) VALUES (320, 1, " + N(yearMonth) + u")");
        const long id = std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT MAX(DkN_DkNID) FROM TLX.DeklNag")));
        tlx::ComPtr<ISession> session = FreshSession();
        tlx::ComPtr<IDeklaracja2> d = OpenDeclaration(session.Get(), id);
        EXPECT_EQ(Put(d.Get(), u"DATAWYPELNIENIA", tlx::Variant::FromDate(42490)), S_OK);
        EXPECT_EQ(Put(d.Get(), u"RODZAJINFORMACJI", tlx::Variant::FromString(u"Z")), S_OK);
        EXPECT_EQ(Put(d.Get(), u"NRPFRON", tlx::Variant::FromString(u"12345")), S_OK);
        for (const char16_t* field : {u"MIESIACOD", u"MIESIACDO"}) Put(d.Get(), field, tlx::Variant::FromLong(yearMonth % 100));
        for (const char16_t* field : {u"ROKOD", u"ROKDO"}) Put(d.Get(), field, tlx::Variant::FromLong(yearMonth / 100));
        EXPECT_EQ(session->SaveChanges(), S_OK) << tlx::Utf16ToUtf8(LastError());
        // The form will not save them empty; an older store may hold none (fields 20 to 23).
        if (!period) Execute(u"DELETE FROM TLX.DeklElem WHERE DkE_DkNID = " + N(id) + u" AND DkE_Numer BETWEEN 20 AND 23");
        return id;
    }
    // A full-time employee of `degree` employed and on record since 2010.
    void AddCard(long id, long degree, long parent = 0) {
        EmployeeRow e;
        e.id = id;
        e.code = u"P00" + N(id);
        e.pesel = u"8001011234" + N(id);
        e.degree = degree;
        e.employedFrom = u"2010-01-01";
        AddEmployee(e);
        Execute(u"UPDATE TLX.PracEtaty SET PRE_DataOd = '2010-01-01 00:00:00' WHERE PRE_PraId = " + N(id));
        if (parent) {
            Execute(u"UPDATE TLX.PracKod SET Pra_ParentID = " + N(parent) + u" WHERE Pra_PraID = " + N(id));
            Execute(u"UPDATE TLX.PracKod SET Pra_Nadrzedny = 1 WHERE Pra_PraID = " + N(parent));
        }
    }
    // A payment of kind `kind` on a list of the whole month declaring `declared` (year * 100 + month).
    long AddPayment(long card, int year, int month, long declared, long kind = 0) {
        const long list = ++lists_;
        const std::u16string ym = N(year) + u"-" + (month < 10 ? u"0" : u"") + N(month);
        const std::u16string last = N(DaysInMonth(month, year));
        Execute(u"INSERT INTO TLX.ListyPlac (LPL_LplId, LPL_Rok, LPL_Miesiac, LPL_DataOd, LPL_DataDo, LPL_Nazwa) VALUES (" +
                N(list) + u", " + N(declared / 100) + u", " + N(declared % 100) + u", '" + ym + u"-01 00:00:00', '" +
                ym + u"-" + last + u" 00:00:00', 'L')");
        Execute(u"INSERT INTO TLX.Wyplaty (WPL_WplId, WPL_PraId, WPL_LplId, WPL_Rok, WPL_Miesiac, WPL_Tryb) VALUES (" +
                N(list) + u", " + N(card) + u", " + N(list) + u", " + N(year) + u", " + N(month) + u", " + N(kind) + u")");
        return list;
    }
    // The hand-worked item: 3000.00 of pay, its contributions.
    void AddPay(long payment, const char16_t* amount = u"3000") {
        Execute(u"INSERT INTO TLX.WypElementy (WPE_WplId, WPE_TwpId, WPE_Wartosc, WPE_Rodzaj, WPE_RodzajSkladnika, "
                u"WPE_Kwota8, WPE_Kwota9, WPE_Kwota10, WPE_Kwota11, WPE_Kwota12, WPE_Kwota15) VALUES (" +
                N(payment) + u", 3, " + amount + u", 1, 2, 292.80, 292.80, 45.00, 195.00, 73.50, 54.00)");
    }
    HRESULT CalculateWnu(long wnu) {
        tlx::ComPtr<IDispatch> object = Create(u"TLXDeklaracje.WNU");
        if (HRESULT hr = Put(object.Get(), u"DeklId", tlx::Variant::FromLong(wnu)); FAILED(hr)) return hr;
        return Call(object.Get(), u"Przelicz", {});
    }
    struct Expected {
        const char16_t* field;
        const char16_t* value;
    };
    void Check(long declaration, std::initializer_list<Expected> expected) {
        for (const Expected& row : expected)
            EXPECT_EQ(Field(declaration, row.field), row.value) << tlx::Utf16ToUtf8(row.field);
    }
    long OnlyAttachment(long wnu) {
        const std::vector<long> attachments = Attachments(wnu);
        EXPECT_EQ(attachments.size(), 1u);
        return attachments.empty() ? 0 : attachments[0];
    }
    static constexpr const char16_t* kDayFields[] = {
        u"CHRONZNACZNY", u"CHRONUMIARKOWANY", u"CHRONLEKKI", u"CHRONSZNACZNY", u"CHRONSUMIARKOWANY", u"CHRONSLEKKI",
        u"NORMZNACZNY", u"NORMUMIARKOWANY", u"NORMLEKKI", u"NORMSZNACZNY", u"NORMSUMIARKOWANY", u"NORMSLEKKI"};
    // The day fields as "FIELD=value" of those that are not "00".
    std::vector<std::u16string> Days(long attachment) {
        std::vector<std::u16string> out;
        for (const char16_t* field : kDayFields) {
            const std::u16string value = Field(attachment, field);
            if (value != u"00") out.push_back(std::u16string(field) + u"=" + value);
        }
        return out;
    }
};
}  // namespace

TEST_F(WnuCalculation, TheHandWorkedAprilUnderRefundStatus2) {
    SetRefundStatus(2);
    const long wnu = AddWnu();
    AddCard(1, 2);
    AddPay(AddPayment(1, 2016, 4, 201604));
    ASSERT_EQ(CalculateWnu(wnu), S_OK) << tlx::Utf16ToUtf8(LastError());
    const long a = OnlyAttachment(wnu);
    Check(a, {{u"NRKOLEJNY", u"1"}, {u"OKRESSPRAWOZDAWCZY", u"04-2016"}, {u"NRPFRON", u"12345"},
              {u"RODZAJINFORMACJI", u"Z"}, {u"NAZWISKO", u"Kowalski"}, {u"NIP", u"1112223344"},
              {u"PESEL", u"80010112341"}, {u"NRDOWODU", u""}, {u"WOJEWODZTWO", u"14"}, {u"POMINNE", u"0.0000"},
              {u"ROZWSTOSPRACY", u"2"}, {u"ZATRNACZAS", u"2"}, {u"PODSTZATRUDNIENIA", u"1"},
              {u"WYNOSIAGANE", u"3000.0000"}, {u"WYNWYPLACONE", u"2588.7000"}, {u"PRACEMERYTALNE", u"292.8000"},
              {u"PRACRENTOWE", u"195.0000"}, {u"PRACWYPADKOWE", u"54.0000"}, {u"WYNCHOROBOWE", u"73.5000"},
              {u"WYNEMERYTALNE", u"292.8000"}, {u"WYNMINIMALNE", u"0.0000"},
              {u"PODWKOSZTY", u"2133.1000"}, {u"POMNIEJSZENIA", u"366.3000"}, {u"OKRESZATR", u"30"}});
    EXPECT_EQ(Days(a), std::vector<std::u16string>{u"NORMUMIARKOWANY=30"});
    Check(wnu, {{u"LICZBAINFUPGA", u"1"}, {u"LICZBAINFUZ", u"0"}, {u"OKRESSPRAWOZDAWCZY", u"04-2016"}});
}

TEST_F(WnuCalculation, TheHandWorkedAprilUnderRefundStatuses3And4) {
    SetRefundStatus(3);
    const long wnu = AddWnu();
    AddCard(1, 2);
    AddPay(AddPayment(1, 2016, 4, 201604));
    ASSERT_EQ(CalculateWnu(wnu), S_OK) << tlx::Utf16ToUtf8(LastError());
    long a = OnlyAttachment(wnu);
    Check(a, {{u"PODWKOSZTY", u"1443.1000"}, {u"POMNIEJSZENIA", u"292.8000"}});
    EXPECT_EQ(Days(a), std::vector<std::u16string>{u"NORMSUMIARKOWANY=30"});

    SetRefundStatus(4);
    Execute(u"UPDATE TLX.PracEtaty SET PRE_StNiepelnosp = 1");
    ASSERT_EQ(CalculateWnu(wnu), S_OK) << tlx::Utf16ToUtf8(LastError());
    a = OnlyAttachment(wnu);
    Check(a, {{u"PODWKOSZTY", u"544.0000"}, {u"POMNIEJSZENIA", u"0.0000"}});
    EXPECT_EQ(Days(a), std::vector<std::u16string>{u"NORMSLEKKI=30"});
}

// Outside the period the list declares, a payment adds to the costs only; an earlier month of the year
// adds its costs with its own working time; the minimum wage enters once per month.
TEST_F(WnuCalculation, PaymentsOutsideThePeriodAndOfEarlierMonths) {
    SetRefundStatus(2);
    const long wnu = AddWnu();
    AddCard(1, 2);
    AddPay(AddPayment(1, 2016, 4, 201605));
    ASSERT_EQ(CalculateWnu(wnu), S_OK) << tlx::Utf16ToUtf8(LastError());
    long a = OnlyAttachment(wnu);
    Check(a, {{u"WYNOSIAGANE", u"0.0000"}, {u"WYNWYPLACONE", u"0.0000"}, {u"PRACEMERYTALNE", u"0.0000"},
              {u"PODWKOSZTY", u"2133.1000"}, {u"POMNIEJSZENIA", u"0.0000"}});

    AddPay(AddPayment(1, 2016, 4, 201604));
    AddPay(AddPayment(1, 2016, 3, 201603));
    AddPay(AddPayment(1, 2016, 5, 201605));
    ASSERT_EQ(CalculateWnu(wnu), S_OK) << tlx::Utf16ToUtf8(LastError());
    a = OnlyAttachment(wnu);
    // April's two items 908.10 each and 1225.00 once, March's 908.10 and 1225.00; May nothing.
    Check(a, {{u"WYNOSIAGANE", u"3000.0000"}, {u"PODWKOSZTY", u"5174.3000"}});
}

TEST_F(WnuCalculation, AttachmentsAreNumberedInCardOrderAndAGroupGetsOne) {
    SetRefundStatus(2);
    const long wnu = AddWnu();
    for (long id : {1, 2, 3}) {
        AddCard(id, 2);
        AddPay(AddPayment(id, 2016, 4, 201604));
    }
    // A group: top card 4 not disabled, linked cards 5 (not paid) and 6, which passes.
    AddCard(4, 0);
    AddCard(5, 2, 4);
    AddCard(6, 2, 4);
    AddPay(AddPayment(6, 2016, 4, 201604), u"1000");
    // A group without a passing card.
    AddCard(7, 0);
    AddCard(8, 0, 7);
    ASSERT_EQ(CalculateWnu(wnu), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::vector<long> attachments = Attachments(wnu);
    ASSERT_EQ(attachments.size(), 4u);
    std::vector<std::u16string> rows;
    for (long a : attachments) rows.push_back(Field(a, u"NRKOLEJNY") + u"/" + Field(a, u"PESEL"));
    EXPECT_EQ(rows, (std::vector<std::u16string>{u"1/80010112341", u"2/80010112342", u"3/80010112343", u"4/80010112344"}))
        << "the group's attachment names its top card";
    Check(attachments[3], {{u"WYNOSIAGANE", u"1000.0000"}, {u"OKRESZATR", u"30"}});
    Check(wnu, {{u"LICZBAINFUPGA", u"4"}});
}

TEST_F(WnuCalculation, UserErrorsStopTheRunAndStoreNothing) {
    SetRefundStatus(2);
    const long wnu = AddWnu();
    AddCard(1, 2);
    AddPay(AddPayment(1, 2016, 4, 201604));
    ASSERT_EQ(CalculateWnu(wnu), S_OK);
    const std::vector<long> before = Attachments(wnu);

    SetRefundStatus(1);
    EXPECT_EQ(CalculateWnu(wnu), static_cast<HRESULT>(0x80055E22));
    EXPECT_EQ(LastError(), u"Nie można naliczyć deklaracji. Firma nie posiada ustawionego rodzaju refundacji.");
    SetRefundStatus(2);

    const long empty = AddWnu(201604, false);
    EXPECT_EQ(CalculateWnu(empty), static_cast<HRESULT>(0x80055E22));
    EXPECT_EQ(LastError(), u"Pole \"MIESIACOD\" musi być wypełnione.");

    AddCard(2, 2);
    Execute(u"UPDATE TLX.PracEtaty SET PRE_Plec = '' WHERE PRE_PraId = 2");
    AddPay(AddPayment(2, 2016, 4, 201604));
    EXPECT_EQ(CalculateWnu(wnu), static_cast<HRESULT>(0x80055E22));
    EXPECT_EQ(LastError(), u"Pracownik [P002] Jan Kowalski ma niewypełnioną płeć.");
    EXPECT_EQ(Attachments(wnu), before) << "nothing of the run stored";

    Execute(u"UPDATE TLX.PracEtaty SET PRE_Plec = 'M', PRE_Wojewodztwo = 'd''Artagnan'");
    EXPECT_EQ(CalculateWnu(wnu), static_cast<HRESULT>(0x80055E22));
    EXPECT_EQ(LastError(), u"Nie można naliczyć deklaracji. Pracownik [P001] Jan Kowalski ma błędnie wprowadzone dane "
                           u"województwa");

    Execute(u"UPDATE TLX.PracEtaty SET PRE_Wojewodztwo = 'mazowieckie', PRE_StNiepelnosp = 0");
    EXPECT_EQ(CalculateWnu(wnu), static_cast<HRESULT>(0x80055E22));
    EXPECT_EQ(LastError(), u"Nie został wygenerowany żaden załącznik.");
    EXPECT_EQ(Attachments(wnu), before);
    EXPECT_EQ(Field(wnu, u"LICZBAINFUPGA"), u"1");
}

// The form's own declaration hears the run's steps, and reads the counts and attachments it stored.
TEST_F(WnuCalculation, TheBoundDeclarationHearsTheStepsAndReadsTheResult) {
    SetRefundStatus(2);
    const long wnu = AddWnu();
    AddCard(1, 2);
    AddPay(AddPayment(1, 2016, 4, 201604));
    tlx::ComPtr<IDeklaracja2> declaration = OpenDeclaration(session_.Get(), wnu);
    tlx::ComPtr<CProgressLog> log = CProgressLog::Make();
    ASSERT_EQ(declaration->AdviseProgress(static_cast<_IProgressEvents*>(log.Get())), S_OK);
    tlx::ComPtr<IDispatch> object = Create(u"TLXDeklaracje.WNU");
    ASSERT_EQ(Put(object.Get(), u"DeklId", tlx::Variant::FromLong(wnu)), S_OK);
    EXPECT_EQ(AsText(Get(object.Get(), u"DeklId")), N(wnu));
    ASSERT_EQ(Call(object.Get(), u"Przelicz", {}), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(log->events, (std::vector<std::u16string>{
                               u"Will: Wyliczanie deklaracji WNU", u"Will: Inicjowanie deklaracji WNU",
                               u"Completed: Inicjowanie deklaracji WNU zakończone",
                               u"Completed: Wyliczanie deklaracji WNU zakończone"}));
    EXPECT_EQ(AsText(Get(declaration.Get(), u"LICZBAINFUPGA")), u"1");

    SetRefundStatus(1);
    log->events.clear();
    EXPECT_EQ(Call(object.Get(), u"Przelicz", {}), static_cast<HRESULT>(0x80055E22));
    EXPECT_EQ(log->events, (std::vector<std::u16string>{u"Will: Wyliczanie deklaracji WNU",
                                                        u"Failed: Błąd wyliczania deklaracji WNU"}));
}
