#include <gtest/gtest.h>

#include "InfdCompany.h"
#include "mv_deklaracje/pfron/Infd.h"
#include "platform/com/ProvideClassInfo.h"

using namespace pfron_test;

namespace {
class InfdCalculation : public InfdCompany {};
}  // namespace

// March 2024, refund status 3, moderate degree, full time all month, a marked entry 1-10 March.
TEST_F(InfdCalculation, AnAttachmentWorkedByHand) {
    const long infd = AddInfd(3);
    EmployeeRow e;
    AddEmployee(e);
    const long payout = AddPayout(e.id, 2024, 3);
    AddElement(payout, 1, u"4000", 2, {u"100", u"200", u"300", u"0", u"50", u"10"});
    AddElement(payout, 2, u"400", 0, {u"40", u"0", u"0", u"0", u"0", u"0"}, 331);
    AddMarkedEntry(e.id, u"2024-03-01", u"2024-03-10");

    ASSERT_EQ(Calculate(infd), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::vector<long> attachments = Attachments(infd);
    ASSERT_EQ(attachments.size(), 1u);
    const long a = attachments[0];
    const struct {
        const char16_t* field;
        const char16_t* value;
    } expected[] = {
        {u"NRKOLEJNY", u"1"}, {u"OKRESSPRAWOZDAWCZY", u"03-2024"}, {u"NRPFRON", u"12345"}, {u"RODZAJINFORMACJI", u"Z"},
        {u"IMIE1", u"Jan"}, {u"NAZWISKO", u"Kowalski"}, {u"PLEC", u"M"}, {u"NIP", u"1112223344"},
        {u"PESEL", u"80010112345"}, {u"MIASTO", u"Łódź"}, {u"MSCEZAMIESZKANIA", u"M"}, {u"WOJEWODZTWO", u"14"},
        {u"ZATRNACZAS", u"2"}, {u"ROZWSTOSPRACY", u"2"}, {u"PODSTZATRUDNIENIA", u"1"},
        {u"WYNOSIAGANE", u"4400.0000"}, {u"WYNWYPLACONE", u"3700.0000"}, {u"POMNIEJSZENIA", u"390.4000"},
        {u"WYNMINIMALNE", u"3600.0000"}, {u"CHRONSUMIARKOWANY", u"0,323"}, {u"NORMSUMIARKOWANY", u"0,677"},
        {u"CHRONZNACZNY", u"0,000"}, {u"NORMSLEKKI", u"0,000"},
    };
    for (const auto& row : expected) EXPECT_EQ(Field(a, row.field), row.value) << tlx::Utf16ToUtf8(row.field);
    EXPECT_EQ(Field(infd, u"LICZBAINFDP"), u"1");
    EXPECT_EQ(Field(infd, u"LICZBAINFDZ"), u"0");
    EXPECT_EQ(Field(infd, u"OKRESSPRAWOZDAWCZY"), u"03-2024");
}

// The wage step reads the category and the benefit code apart: a category-2 wage paid under benefit
// code 331 counts under both rules, a category-2 wage without a code as a wage only, and a category that
// reads 331 without the benefit code is not sick pay.
TEST_F(InfdCalculation, TheCategoryAndTheBenefitCodeAreReadApart) {
    const long infd = AddInfd(3);
    EmployeeRow e;
    AddEmployee(e);
    const long payout = AddPayout(e.id, 2024, 3);
    AddElement(payout, 1, u"1000", 2, {u"10", u"20", u"0", u"0", u"5", u"1"}, 331);
    AddElement(payout, 1, u"2000", 2, {u"100", u"0", u"0", u"0", u"0", u"0"});
    AddElement(payout, 2, u"500", 331, {u"50", u"0", u"0", u"0", u"0", u"0"});

    ASSERT_EQ(Calculate(infd), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::vector<long> attachments = Attachments(infd);
    ASSERT_EQ(attachments.size(), 1u);
    EXPECT_EQ(Field(attachments[0], u"WYNOSIAGANE"), u"3000.0000");
    EXPECT_EQ(Field(attachments[0], u"WYNWYPLACONE"), u"2848.0000") << "3000 - (36 + 100) - (5 + 1 + 10)";
    EXPECT_EQ(Field(attachments[0], u"POMNIEJSZENIA"), u"292.8000") << "3000 × 9.76 %";
}

namespace {
// An INF-D object bound to a declaration the test holds in its session, as a form holds its own, with a
// progress log on that declaration.
struct BoundInfd {
    tlx::ComPtr<IDeklaracja2> declaration;
    tlx::ComPtr<IDispatch> object;
    tlx::ComPtr<CProgressLog> log = CProgressLog::Make();
};
}  // namespace

class InfdDriver : public InfdCompany {
protected:
    BoundInfd Bind(long infd) {
        BoundInfd b;
        b.declaration = OpenDeclaration(session_.Get(), infd);
        EXPECT_EQ(b.declaration->AdviseProgress(static_cast<_IProgressEvents*>(b.log.Get())), S_OK);
        b.object = Create(u"TLXDeklaracje.INFD");
        EXPECT_EQ(Put(b.object.Get(), u"DeklId", tlx::Variant::FromLong(infd)), S_OK);
        return b;
    }
    void AddEmployees(int count) {
        for (int i = 1; i <= count; ++i) {
            EmployeeRow e;
            e.id = i;
            e.code = u"P00" + N(i);
            e.pesel = u"8001011234" + N(i);
            AddPaidEmployee(e);
        }
    }
};

TEST_F(InfdDriver, ASuccessfulRunReportsItsStepsAndTheBoundDeclarationReadsTheCounts) {
    const long infd = AddInfd();
    AddEmployees(3);
    BoundInfd b = Bind(infd);
    ASSERT_EQ(Call(b.object.Get(), u"Przelicz", {}), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(b.log->events, (std::vector<std::u16string>{
                                 u"Will: Wyliczanie deklaracji INFD", u"Will: Inicjowanie deklaracji INFD",
                                 u"Completed: Inicjowanie deklaracji INFD zakończone",
                                 u"Completed: Wyliczanie deklaracji INFD zakończone"}));
    EXPECT_EQ(AsText(Get(b.declaration.Get(), u"LICZBAINFDP")), u"3");
    EXPECT_EQ(Attachments(infd).size(), 3u);
    tlx::ComPtr<IDispatch> children;
    ASSERT_EQ(b.declaration->get_Deklaracje(children.Out()), S_OK);
    LONG count = 0;
    ASSERT_EQ(children.As<ICollection>()->get_Count(&count), S_OK);
    EXPECT_EQ(count, 3);
    std::vector<std::u16string> numbers;
    for (long a : Attachments(infd)) numbers.push_back(Field(a, u"NRKOLEJNY") + u"/" + Field(a, u"PESEL"));
    EXPECT_EQ(numbers, (std::vector<std::u16string>{u"1/80010112341", u"2/80010112342", u"3/80010112343"}));
}

TEST_F(InfdDriver, ASecondRunReplacesTheAttachmentsOfTheFirst) {
    const long infd = AddInfd();
    AddEmployees(2);
    ASSERT_EQ(Calculate(infd), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::vector<long> first = Attachments(infd);
    ASSERT_EQ(Calculate(infd), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::vector<long> second = Attachments(infd);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_GT(second[0], first[1]);
    EXPECT_EQ(Scalar(u"SELECT COUNT(*) FROM TLX.DeklNag WHERE DkN_TypDeklar = 301"), u"2");
}

// A failure at the third employee stores nothing of the run: the first run's attachments and counts stay.
TEST_F(InfdDriver, AFailingRunLeavesThePreviousStateWhole) {
    const long infd = AddInfd();
    AddEmployees(2);
    ASSERT_EQ(Calculate(infd), S_OK);
    const std::vector<long> before = Attachments(infd);
    EmployeeRow third;
    third.id = 3;
    third.code = u"P003";
    third.gender = u"";
    AddPaidEmployee(third);
    BoundInfd b = Bind(infd);
    EXPECT_EQ(Call(b.object.Get(), u"Przelicz", {}), static_cast<HRESULT>(0x80055E22));
    EXPECT_EQ(LastError(), u"Pracownik [P003] Jan Kowalski ma niewypełnioną płeć.");
    ASSERT_FALSE(b.log->events.empty());
    EXPECT_EQ(b.log->events.back(), u"Failed: Błąd wyliczania deklaracji INFD");
    EXPECT_EQ(Attachments(infd), before);
    EXPECT_EQ(Field(infd, u"LICZBAINFDP"), u"2");
}

TEST_F(InfdDriver, UserErrorsStopTheRun) {
    const long infd = AddInfd();
    AddEmployees(1);
    ASSERT_EQ(Calculate(infd), S_OK);
    const std::vector<long> before = Attachments(infd);

    SetRefundStatus(1);
    EXPECT_EQ(Calculate(infd), static_cast<HRESULT>(0x80055E22));
    EXPECT_EQ(LastError(), u"Nie można naliczyć deklaracji. Firma nie posiada ustawionego rodzaju refundacji.");
    EXPECT_EQ(Attachments(infd), before) << "nothing removed";

    SetRefundStatus(2);
    Execute(u"UPDATE TLX.PracEtaty SET PRE_Wojewodztwo = 'Księżycowe'");
    EXPECT_EQ(Calculate(infd), static_cast<HRESULT>(0x80055E22));
    EXPECT_EQ(LastError(),
              u"Nie można naliczyć deklaracji. Pracownik [P001] Jan Kowalski ma błędnie wprowadzone dane województwa");
    EXPECT_EQ(Attachments(infd), before);

    // Nobody qualifies: the old attachments go, the counts are 0, and the user hears why.
    Execute(u"UPDATE TLX.PracEtaty SET PRE_StNiepelnosp = 0");
    EXPECT_EQ(Calculate(infd), static_cast<HRESULT>(0x80055E22));
    EXPECT_EQ(LastError(), u"Nie został wygenerowany żaden załącznik.");
    EXPECT_TRUE(Attachments(infd).empty());
    EXPECT_EQ(Field(infd, u"LICZBAINFDP"), u"0");
    EXPECT_EQ(Field(infd, u"LICZBAINFDZ"), u"0");
}

TEST_F(InfdDriver, AnUnboundObjectFailsWithoutEvents) {
    const long infd = AddInfd();
    AddEmployees(1);
    BoundInfd held = Bind(infd);
    tlx::ComPtr<IDispatch> unbound = Create(u"TLXDeklaracje.INFD");
    EXPECT_EQ(Call(unbound.Get(), u"Przelicz", {}), E_POINTER);
    EXPECT_TRUE(held.log->events.empty());
    EXPECT_TRUE(Attachments(infd).empty());
    // The listener hears a bound object's run.
    ASSERT_EQ(Call(held.object.Get(), u"Przelicz", {}), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_FALSE(held.log->events.empty());
}

// The object binds the very declaration the caller holds: it hears the run's steps and its failure.
TEST_F(InfdDriver, TheCallersDeclarationHearsTheProgressAndTheFailure) {
    const long infd = AddInfd();
    AddEmployees(1);
    BoundInfd b = Bind(infd);
    EXPECT_EQ(static_cast<CINFD*>(b.object.As<IINFD>().Get())->GetDeklaracja().Get(), b.declaration.Get());
    ASSERT_EQ(Call(b.object.Get(), u"Przelicz", {}), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(b.log->events.back(), u"Completed: Wyliczanie deklaracji INFD zakończone");

    b.log->events.clear();
    SetRefundStatus(1);
    EXPECT_EQ(Call(b.object.Get(), u"Przelicz", {}), static_cast<HRESULT>(0x80055E22));
    EXPECT_EQ(b.log->events, (std::vector<std::u16string>{u"Will: Wyliczanie deklaracji INFD",
                                                          u"Failed: Błąd wyliczania deklaracji INFD"}));
}

TEST_F(InfdDriver, AnswersItsClassInfoAsTheOtherCalculatorsDo) {
    tlx::ComPtr<IDispatch> object = Create(u"TLXDeklaracje.INFD");
    tlx::ComPtr<IProvideClassInfo> info = object.As<IProvideClassInfo>();
    ASSERT_TRUE(info);
    tlx::ComPtr<IProvideClassInfo2> info2 = object.As<IProvideClassInfo2>();
    ASSERT_TRUE(info2);
    GUID source{};
    EXPECT_EQ(info2->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source), E_FAIL);
}

// The first form version: the reduction as POMZUS, the end of a fixed-term employment, half time.
TEST_F(InfdCalculation, TheFirstVersionWritesTheEndDateAndPomzus) {
    SetRefundStatus(2);
    const long infd = AddInfd(1);
    EmployeeRow e;
    e.contract = u"na czas określony";
    e.employedTo = u"2024-03-20";
    e.degree = 3;
    e.numerator = 1;
    e.denominator = 2;
    e.title = 210;
    AddPaidEmployee(e, u"1000");
    ASSERT_EQ(Calculate(infd), S_OK) << tlx::Utf16ToUtf8(LastError());
    const long a = Attachments(infd).at(0);
    EXPECT_EQ(Field(a, u"ZATRNACZAS"), u"1");
    EXPECT_EQ(Field(a, u"OKRESZATRDODNIA").substr(0, 5), u"45371") << "2024-03-20";
    EXPECT_EQ(Field(a, u"POMZUS"), u"122.1000");
    EXPECT_EQ(Field(a, u"PODSTZATRUDNIENIA"), u"2") << "title 0210: a homeworker";
    EXPECT_EQ(Field(a, u"NORMZNACZNY"), u"0,323") << "20 of 31 days at half time";
}

// Employed to 10 March, then again from the 21st under a new record: 21 of the month's 31 days count.
TEST_F(InfdCalculation, ARehireWithinTheMonthCountsTheDaysOfBothRecords) {
    const long infd = AddInfd(3);
    EmployeeRow e;
    e.degree = 3;
    AddPaidEmployee(e);
    Execute(u"CREATE TEMP TABLE Ponownie AS SELECT * FROM TLX.PracEtaty WHERE PRE_PreId = 10");
    Execute(u"UPDATE TLX.PracEtaty SET PRE_DataDo = '2024-03-10 00:00:00', PRE_ZatrudnionyDo = '2024-03-10 00:00:00' "
            u"WHERE PRE_PreId = 10");
    Execute(u"UPDATE Ponownie SET PRE_PreId = 11, PRE_DataOd = '2024-03-21 00:00:00', "
            u"PRE_ZatrudnionyOd = '2024-03-21 00:00:00'");
    Execute(u"INSERT INTO TLX.PracEtaty SELECT * FROM Ponownie");

    ASSERT_EQ(Calculate(infd), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::vector<long> attachments = Attachments(infd);
    ASSERT_EQ(attachments.size(), 1u);
    EXPECT_EQ(Field(attachments[0], u"NORMSZNACZNY"), u"0,677");
}
