#include <gtest/gtest.h>

#include "InfdCompany.h"
#include "mv_deklaracje/pfron/PfronUserError.h"

using namespace pfron_test;

namespace {
// The WN-D company: a WN-D of May 2024 and a half-time significant-degree employee paid 4000.00 in May.
class WndCalculation : public InfdCompany {
protected:
    long AddWnd(long version, long yearMonth = 202405) {
        Execute(u"INSERT INTO TLX.DeklNag (DkN_TypDeklar, DkN_Wersja, DkN_RokMiesiac) VALUES (310, " + N(version) +
                u", " + N(yearMonth) + u")");
        const long id = std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT MAX(DkN_DkNID) FROM TLX.DeklNag")));
        tlx::ComPtr<ISession> session = FreshSession();
        tlx::ComPtr<IDeklaracja2> d = OpenDeclaration(session.Get(), id);
        EXPECT_EQ(Put(d.Get(), u"DATAWYPELNIENIA", tlx::Variant::FromDate(45443)), S_OK);
        EXPECT_EQ(Put(d.Get(), u"RODZAJINFORMACJI", tlx::Variant::FromString(u"Z")), S_OK);
        EXPECT_EQ(Put(d.Get(), u"NRPFRON", tlx::Variant::FromString(u"12345")), S_OK);
        EXPECT_EQ(session->SaveChanges(), S_OK) << tlx::Utf16ToUtf8(LastError());
        return id;
    }
    // The hand-worked element: deductions 100, 200, 300, 0, 50, 10 and costs 400, 60, 20, 5, 3.
    void AddMayElement(long payout) {
        Execute(u"INSERT INTO TLX.WypElementy (WPE_WplId, WPE_TwpId, WPE_Wartosc, WPE_Rodzaj, WPE_RodzajSkladnika, "
                u"WPE_Kwota16, WPE_Kwota8, WPE_Kwota10, WPE_Kwota12, WPE_Kwota18, WPE_Kwota19, WPE_Kwota9, "
                u"WPE_Kwota11, WPE_Kwota15, WPE_KwotaFP, WPE_KwotaFGSP) VALUES (" +
                N(payout) + u", 1, 4000, 1, 2, 100, 200, 300, 0, 50, 10, 400, 60, 20, 5, 3)");
    }
    EmployeeRow HalfTime(long id = 1) {
        EmployeeRow e;
        e.id = id;
        e.code = u"P00" + N(id);
        e.pesel = u"8001011234" + N(id);
        e.degree = 3;
        e.numerator = 1;
        e.denominator = 2;
        return e;
    }
    void AddPaid(const EmployeeRow& e) {
        AddEmployee(e);
        AddMayElement(AddPayout(e.id, 2024, 5));
    }
    HRESULT CalculateWnd(long wnd, const char16_t* progId = u"TLXDeklaracje.WND3") {
        tlx::ComPtr<IDispatch> object = Create(progId);
        if (HRESULT hr = Put(object.Get(), u"DeklId", tlx::Variant::FromLong(wnd)); FAILED(hr)) return hr;
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
    long Version(long declaration) {
        return std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT DkN_Wersja FROM TLX.DeklNag WHERE DkN_DkNID = " + N(declaration))));
    }
};
}  // namespace

// Version 6, May 2024, refund status 3, minimum wage 3600.00 valid on 2023-12-31.
TEST_F(WndCalculation, TheHandWorkedAttachment) {
    const long wnd = AddWnd(6);
    AddPaid(HalfTime());
    ASSERT_EQ(CalculateWnd(wnd), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::vector<long> attachments = Attachments(wnd);
    ASSERT_EQ(attachments.size(), 1u);
    const long a = attachments[0];
    EXPECT_EQ(Version(a), 8);
    Check(a, {{u"NRKOLEJNY", u"1"}, {u"OKRESSPRAWOZDAWCZY", u"05-2024"}, {u"NRPFRON", u"12345"},
              {u"OKRESWYPLATY", u"05-2024"}, {u"POMOCPUBLICZNAPFRON", u"N"}, {u"NAZWISKO", u"Kowalski"},
              {u"NIP", u"1112223344"}, {u"PESEL", u"80010112341"}, {u"NRDOWODU", u""}, {u"WOJEWODZTWO", u"14"},
              {u"PELNEINFORMACJE", u"N"}, {u"ZATRWZROSTNETTO", u""}, {u"OKRESZATRDODNIA", u"0.0000"},
              {u"WYNOSIAGANE", u"4000.0000"}, {u"WYNWYPLACONE", u"3340.0000"}, {u"KOSZTYPLACY", u"4488.0000"},
              {u"PODWKOSZTY", u"1734.0000"}, {u"KWDOFWYPLATA", u"0.0000"}, {u"WYNMINIMALNE", u"0.0000"},
              {u"NORMSZNACZNY", u"0,500"}, {u"NORMZNACZNY", u"0,000"}, {u"CHRONSZNACZNY", u"0,000"},
              {u"NORMSZNACZNYEMERYT", u"0,000"}});
    // The employer: half a post all year, disabled; status 3 is an open-market employer.
    Check(wnd, {{u"WOKRESIEOGOLEM", u"0,500"}, {u"WOKRESIENIEPELNOSPRAWNI", u"0,500"},
                {u"POPRZEDZAJACYOKRESOGOLEM", u"0,500"}, {u"BIEZACYOKRESNIEPELNOSPRAWNI", u"0,500"},
                {u"STATUSPRACODAWCYIP", u"T"}, {u"STATUSPRACODAWCYZPC", u"N"}, {u"STATUSPRACODAWCYZAZ", u"N"},
                {u"CZYPRZYROSTNETTO", u""}, {u"LICZBAINFDP", u"1"}, {u"LICZBAINFDZ", u"0"},
                {u"NOWOZATRUDNIENI", u"0,000"}, {u"OKRESSPRAWOZDAWCZY", u"05-2024"}});
}

TEST_F(WndCalculation, ShelteredEmployerAndTheFirstGeneration) {
    SetRefundStatus(2);
    AddPaid(HalfTime());
    const long current = AddWnd(6);
    ASSERT_EQ(CalculateWnd(current), S_OK) << tlx::Utf16ToUtf8(LastError());
    const long a = Attachments(current).at(0);
    Check(a, {{u"NORMZNACZNY", u"0,500"}, {u"NORMSZNACZNY", u"0,000"}, {u"PODWKOSZTY", u"2300.0000"}});
    Check(current, {{u"STATUSPRACODAWCYIP", u"N"}, {u"STATUSPRACODAWCYZPC", u"T"}});

    const long first = AddWnd(1);
    ASSERT_EQ(CalculateWnd(first, u"TLXDeklaracje.WND"), S_OK) << tlx::Utf16ToUtf8(LastError());
    const long b = Attachments(first).at(0);
    EXPECT_EQ(Version(b), 1);
    Check(b, {{u"POMNIEJSZENIA", u"488.4000"}, {u"KOSZTYPLACY", u"0.0000"}, {u"PODWKOSZTY", u"2300.0000"},
              {u"OKRESWYPLATY", u""}, {u"POMOCPUBLICZNAPFRON", u""}});
    Check(first, {{u"LICZBAINFDP", u"1"}, {u"WOKRESIEOGOLEM", u""}, {u"NOWOZATRUDNIENI", u""}});

    SetRefundStatus(3);
    ASSERT_EQ(CalculateWnd(first, u"TLXDeklaracje.WND"), S_OK) << tlx::Utf16ToUtf8(LastError());
    Check(Attachments(first).at(0), {{u"POMNIEJSZENIA", u"390.4000"}, {u"NORMSZNACZNY", u"0,500"}});
}

// Version 3 states whether employment grew and gets attachments of version 5 without the pension set.
TEST_F(WndCalculation, VersionThreeAndANewHire) {
    EmployeeRow e = HalfTime();
    e.employedFrom = u"2024-05-16";
    AddPaid(e);
    const long wnd = AddWnd(3);
    ASSERT_EQ(CalculateWnd(wnd), S_OK) << tlx::Utf16ToUtf8(LastError());
    const long a = Attachments(wnd).at(0);
    EXPECT_EQ(Version(a), 5);
    Check(a, {{u"NORMSZNACZNY", u"0,258"}, {u"ZATRWZROSTNETTO", u"N"}, {u"ZATRROZWUMOWY", u"N"}});
    EXPECT_EQ(Field(a, u"OKRESZATRODDNIA").substr(0, 5), u"45428") << "2024-05-16";
    Check(wnd, {{u"CZYPRZYROSTNETTO", u"T"}, {u"BIEZACYOKRESOGOLEM", u""}, {u"STATUSPRACODAWCYIP", u""},
                {u"NOWOZATRUDNIENI", u"0,258"}, {u"WOKRESIEOGOLEM", u"0,258"}, {u"POPRZEDZAJACYOKRESOGOLEM", u"0,000"}});
}

// A head card with a linked card, both eligible: one attachment for the group, its sums over both; its
// figures are those fetched for the last payment counted (the linked card's own).
TEST_F(WndCalculation, AGroupOfLinkedCardsGetsOneAttachment) {
    AddPaid(HalfTime(1));
    AddPaid(HalfTime(2));
    Execute(u"UPDATE TLX.PracKod SET Pra_Nadrzedny = 1 WHERE Pra_PraID = 1");
    Execute(u"UPDATE TLX.PracKod SET Pra_ParentID = 1 WHERE Pra_PraID = 2");
    AddPaid(HalfTime(3));
    const long wnd = AddWnd(6);
    ASSERT_EQ(CalculateWnd(wnd), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::vector<long> attachments = Attachments(wnd);
    ASSERT_EQ(attachments.size(), 2u);
    Check(attachments[0], {{u"PESEL", u"80010112341"}, {u"WYNOSIAGANE", u"8000.0000"}, {u"POMNIEJSZENIA", u"0.0000"},
                           {u"NORMSZNACZNY", u"0,500"}, {u"OKRESZATRDODNIA", u"2.0000"}});
    Check(attachments[1], {{u"NRKOLEJNY", u"2"}, {u"PESEL", u"80010112343"}});
    Check(wnd, {{u"LICZBAINFDP", u"2"}});
}

TEST_F(WndCalculation, NobodyEligibleAndNoRefundKindStoreNothing) {
    AddPaid(HalfTime());
    const long wnd = AddWnd(6);
    ASSERT_EQ(CalculateWnd(wnd), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::vector<long> before = Attachments(wnd);

    Execute(u"UPDATE TLX.PracEtaty SET PRE_StNiepelnosp = 0");
    EXPECT_EQ(CalculateWnd(wnd), kPfronUserError);
    EXPECT_EQ(LastError(), u"Nie został wygenerowany żaden załącznik.");
    EXPECT_EQ(Attachments(wnd), before) << "the earlier attachments stay";

    SetRefundStatus(1);
    EXPECT_EQ(CalculateWnd(wnd), kPfronUserError);
    EXPECT_EQ(LastError(), u"Nie można naliczyć deklaracji. Firma nie posiada w tym okresie ustawionego rodzaju refundacji.");
    EXPECT_EQ(CalculateWnd(AddWnd(1), u"TLXDeklaracje.WND"), kPfronUserError);
    EXPECT_EQ(LastError(), u"Nie można naliczyć deklaracji. Firma nie posiada ustawionego rodzaju refundacji.");
    EXPECT_EQ(Field(wnd, u"LICZBAINFDP"), u"1");
}

// A failure at the third employee stores nothing of the run; the caller's declaration hears each step.
TEST_F(WndCalculation, AFailingRunLeavesThePreviousSetAndReportsItsSteps) {
    AddPaid(HalfTime(1));
    AddPaid(HalfTime(2));
    const long wnd = AddWnd(6);
    tlx::ComPtr<IDeklaracja2> held = OpenDeclaration(session_.Get(), wnd);
    tlx::ComPtr<CProgressLog> log = CProgressLog::Make();
    ASSERT_EQ(held->AdviseProgress(static_cast<_IProgressEvents*>(log.Get())), S_OK);
    tlx::ComPtr<IDispatch> object = Create(u"TLXDeklaracje.WND3");
    ASSERT_EQ(Put(object.Get(), u"DeklId", tlx::Variant::FromLong(wnd)), S_OK);
    EXPECT_EQ(AsText(Get(object.Get(), u"DeklId")), N(wnd));
    ASSERT_EQ(Call(object.Get(), u"Przelicz", {}), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(log->events, (std::vector<std::u16string>{
                               u"Will: Wyliczanie deklaracji WND", u"Will: Inicjowanie deklaracji WND",
                               u"Completed: Inicjowanie deklaracji WND zakończone",
                               u"Completed: Wyliczanie deklaracji WND zakończone"}));
    const std::vector<long> before = Attachments(wnd);
    ASSERT_EQ(before.size(), 2u);

    EmployeeRow third = HalfTime(3);
    third.gender = u"";
    AddPaid(third);
    log->events.clear();
    EXPECT_EQ(Call(object.Get(), u"Przelicz", {}), kPfronUserError);
    EXPECT_EQ(LastError(), u"Pracownik [P003] Jan Kowalski ma niewypełnioną płeć.");
    EXPECT_EQ(log->events.back(), u"Failed: Błąd wyliczania deklaracji WND");
    EXPECT_EQ(Attachments(wnd), before);

    tlx::ComPtr<IDispatch> unbound = Create(u"TLXDeklaracje.WND");
    EXPECT_EQ(Call(unbound.Get(), u"Przelicz", {}), E_POINTER);
    EXPECT_EQ(Call(unbound.Get(), u"ExportToSOD", {tlx::Variant::FromLong(wnd), tlx::Variant::FromString(u"")}),
              E_INVALIDARG);
}

// The attachment names the month the pay belongs to, not the month of the list it was paid on: May's
// list paying April's wage gives 04-2024 on the May WN-D.
TEST_F(WndCalculation, ThePaymentMonthIsTheMonthThePayBelongsTo) {
    const long wnd = AddWnd(6);
    AddPaid(HalfTime());
    Execute(u"UPDATE TLX.Wyplaty SET WPL_Miesiac = 4");
    ASSERT_EQ(CalculateWnd(wnd), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::vector<long> attachments = Attachments(wnd);
    ASSERT_EQ(attachments.size(), 1u);
    Check(attachments[0], {{u"OKRESWYPLATY", u"04-2024"}, {u"OKRESSPRAWOZDAWCZY", u"05-2024"}});
}
