// An employee's dated records: which record GetEtat answers at each boundary, object identity through
// GetEtat and historia, walks over the records that end, rows that are not consistent, and a card opened
// by its key read with its records.
#include <gtest/gtest.h>

#include <string>

#include "HostFixture.h"
#include "host/session/HostEnvironment.h"
#include "hostapi/Employees.h"
#include "hostapi/Errors.h"
#include "platform/ado/AdoConnection.h"
#include "platform/ado/DateText.h"
#include "platform/text/CodePage.h"
#include "platform/com/ErrorInfo.h"

namespace tlx::host::test {
namespace {

DATE Day(int year, int month, int day) { return *ado::MakeOleDate(year, month, day); }

class PayrollRecordsTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod) values (7, 'P007'), (8, 'P008'), (9, 'P009')");
        // A gap in April, an open last record.
        Execute(u"insert into TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_Nazwisko) values "
                u"(71, 7, '2024-01-01 00:00:00', '2024-03-31 00:00:00', 'Pierwszy'), "
                u"(73, 7, '2024-09-01 00:00:00', NULL, 'Trzeci'), "
                u"(72, 7, '2024-05-01 00:00:00', '2024-08-31 00:00:00', 'Drugi'), "
                u"(91, 9, '2024-05-01 00:00:00', '2024-04-30 00:00:00', 'Wspak')");
        employee_ = Create(u"TLX.Pracownicy", Variant::FromString(u"7")).As<IPracownik>();
        ASSERT_TRUE(employee_);
    }

    LONG RecordId(DATE day) {
        ComPtr<IPracEtat> record;
        EXPECT_EQ(employee_->GetEtat(day, Variant::Missing(), record.Out()), S_OK);
        LONG id = 0;
        if (record) {
            EXPECT_EQ(record->get_ID(&id), S_OK);
        }
        return id;
    }

    ComPtr<IPracownik> employee_;
};

TEST_F(PayrollRecordsTest, GetEtatAnswersTheRecordOfTheDayAtEveryBoundary) {
    struct Case {
        const char* what;
        DATE day;
        LONG record;
    } cases[] = {
        {"the empty date", 0, 71},
        {"before the first record", Day(2023, 12, 31), 71},
        {"the first record's first day", Day(2024, 1, 1), 71},
        {"its last day", Day(2024, 3, 31), 71},
        {"its last day, late in the day", Day(2024, 3, 31) + 0.75, 71},
        {"a gap: the latest record begun before", Day(2024, 4, 15), 71},
        {"the second record's first day", Day(2024, 5, 1), 72},
        {"its last day", Day(2024, 8, 31), 72},
        {"the open record's first day", Day(2024, 9, 1), 73},
        {"after the last record", Day(2999, 1, 1), 73},
    };
    for (const Case& c : cases) EXPECT_EQ(RecordId(c.day), c.record) << c.what;
}

TEST_F(PayrollRecordsTest, OneRowIsOneObjectThroughGetEtatAndHistoria) {
    ComPtr<IPracEtat> byDay, again;
    ASSERT_EQ(employee_->GetEtat(Day(2024, 6, 1), Variant::Missing(), byDay.Out()), S_OK);
    ASSERT_EQ(employee_->GetEtat(Day(2024, 7, 1), Variant::Missing(), again.Out()), S_OK);
    EXPECT_EQ(byDay.Get(), again.Get());

    ComPtr<ICollection> history;
    ASSERT_EQ(employee_->get_historia(history.Out()), S_OK);
    LONG count = 0;
    ASSERT_EQ(history->get_Count(&count), S_OK);
    EXPECT_EQ(count, 3);
    ComPtr<IDispatch> item;
    ASSERT_EQ(history->Item(Variant::FromDate(Day(2024, 6, 15)), item.Out()), S_OK);
    EXPECT_EQ(item.As<IPracEtat>().Get(), byDay.Get()) << "by VT_DATE";
    ASSERT_EQ(history->Item(Variant::FromString(u"2024-06-30"), item.Out()), S_OK);
    EXPECT_EQ(item.As<IPracEtat>().Get(), byDay.Get()) << "by a date text";
    ASSERT_EQ(history->Item(Variant::FromLong(1), item.Out()), S_OK);
    EXPECT_EQ(item.As<IPracEtat>().Get(), byDay.Get()) << "by index, in start order";

    EXPECT_EQ(history->Item(Variant::FromString(u"2024-13-45"), item.Out()), E_INVALIDARG);
    EXPECT_EQ(history->Item(Variant::FromLong(3), item.Out()), HOST_E_NOROW);
}

// Each step asks for the record of the day after the current one's validity; a walk stops when it is
// answered the same record again, at the open last record and in a gap alike.
TEST_F(PayrollRecordsTest, AWalkFromRecordToRecordEndsAtTheLastAndInAGap) {
    auto walk = [&](DATE from) {
        ComPtr<IPracEtat> record;
        EXPECT_EQ(employee_->GetEtat(from, Variant::Missing(), record.Out()), S_OK);
        std::vector<LONG> visited;
        for (int guard = 0; guard < 10 && record; ++guard) {
            LONG id = 0;
            EXPECT_EQ(record->get_ID(&id), S_OK);
            visited.push_back(id);
            ComPtr<IOkres> validity;
            EXPECT_EQ(record->get_OkresWaznosci(validity.Out()), S_OK);
            DATE last = 0;
            EXPECT_EQ(validity->get_DataDo(&last), S_OK);
            ComPtr<IPracEtat> next;
            EXPECT_EQ(employee_->GetEtat(last == 0 ? Day(3000, 1, 1) : last + 1, Variant::Missing(), next.Out()), S_OK);
            if (next.Get() == record.Get()) break;
            record = next;
        }
        return visited;
    };
    EXPECT_EQ(walk(Day(2024, 5, 1)), (std::vector<LONG>{72, 73}));
    EXPECT_EQ(walk(Day(2024, 1, 1)), (std::vector<LONG>{71})) << "April has no record";
}

TEST_F(PayrollRecordsTest, ACardWithoutRecordsAnswersNoRecord) {
    ComPtr<IPracownik> bare = Create(u"TLX.Pracownicy", Variant::FromString(u"8")).As<IPracownik>();
    ComPtr<IPracEtat> record;
    ASSERT_EQ(bare->GetEtat(Day(2024, 1, 1), Variant::Missing(), record.Out()), S_OK);
    EXPECT_FALSE(record);
}

TEST_F(PayrollRecordsTest, BadKeysAndBadRowsFailWithTheirNames) {
    ComPtr<IDispatch> none;
    EXPECT_EQ(session_->CreateObject(Bstr(u"TLX.Pracownicy").Get(), Variant::FromString(u"4242"), none.Out()), HOST_E_NOROW);
    EXPECT_NE(TakeErrorDescription().find(u"4242"), std::u16string::npos);

    ComPtr<IPracownik> backwards = Create(u"TLX.Pracownicy", Variant::FromString(u"9")).As<IPracownik>();
    ComPtr<IPracEtat> record;
    EXPECT_TRUE(FAILED(backwards->GetEtat(Day(2024, 5, 1), Variant::Missing(), record.Out())));
    EXPECT_NE(TakeErrorDescription().find(u"PRE_PreId=91"), std::u16string::npos);

    Variant result;
    Variant notADate = Variant::FromString(u"jutro");
    EXPECT_EQ(CallMethod(employee_.Get(), u"GetEtat", &result, &notADate), DISP_E_TYPEMISMATCH);

    // A stored value of the wrong kind is named with its column, its row and itself.
    Execute(u"update TLX.PracEtaty set PRE_DataDo = '2024-02-30 00:00:00' where PRE_PreId = 71");
    ComPtr<IPracownik> broken = Create(u"TLX.Pracownicy", Variant::FromString(u"7")).As<IPracownik>();
    EXPECT_EQ(broken->GetEtat(Day(2024, 1, 1), Variant::Missing(), record.Out()), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(TakeErrorDescription(),
              u"Wartość \"2024-02-30 00:00:00\" w kolumnie PRE_DataDo (wiersz PRE_PreId = 71) nie jest datą.");
}

// A card opened by its key is read with its records, and holds no lock on the company file once it has
// answered: another connection, which does not wait, saves after the card is opened, and what the card
// answers is its records as they were when it was opened; another session saves after the walk, and a
// card opened then answers the saved record.
TEST_F(PayrollRecordsTest, ACardOpenedByItsKeyIsReadWithItsRecordsAndLeavesTheFileFree) {
    ComPtr<Connection> other = ado::CConnection::Make();
    ASSERT_EQ(other->Open(Bstr(u"Data Source=" + Utf8ToUtf16(database_)).Get(), nullptr, nullptr, 0), S_OK);
    auto run = [&](const std::u16string& sql) {
        Variant affected;
        HRESULT hr = other->Execute(Bstr(sql).Get(), affected.Out(), 0, nullptr);
        if (FAILED(hr)) TakeErrorDescription();
        return hr;
    };
    ASSERT_EQ(run(u"PRAGMA busy_timeout = 0"), S_OK);
    auto surname = [](IPracownik* card, DATE day) {
        ComPtr<IPracEtat> record;
        Bstr text;
        EXPECT_EQ(card->GetEtat(day, Variant::Missing(), record.Out()), S_OK);
        if (record) {
            EXPECT_EQ(record->get_Nazwisko(text.Out()), S_OK);
        }
        return text.Str();
    };

    ComPtr<IPracownik> card = Create(u"TLX.Pracownicy", Variant::FromLong(7)).As<IPracownik>();
    ASSERT_TRUE(card);
    EXPECT_EQ(run(u"update TLX.PracEtaty set PRE_Nazwisko = 'Zmieniony' where PRE_PreId = 71"), S_OK) << "the card is held";
    EXPECT_EQ(surname(card.Get(), Day(2024, 1, 15)), u"Pierwszy") << "read with the card";
    EXPECT_EQ(surname(card.Get(), Day(2024, 9, 1)), u"Trzeci");
    EXPECT_EQ(run(u"update TLX.PracEtaty set PRE_Nazwisko = 'Drugi raz' where PRE_PreId = 72"), S_OK) << "its record is held";
    ComPtr<IDispatch> none;
    EXPECT_EQ(session_->CreateObject(Bstr(u"TLX.Pracownicy").Get(), Variant::FromLong(4242), none.Out()), HOST_E_NOROW);
    TakeErrorDescription();
    EXPECT_EQ(run(u"update TLX.PracEtaty set PRE_Nazwisko = 'Trzeci raz' where PRE_PreId = 73"), S_OK)
        << "after a card that is not there";

    ComPtr<ISession> next;
    ASSERT_EQ(CurrentLogin()->CreateSession(next.Out()), S_OK);
    ComPtr<Connection> connection;
    ASSERT_EQ(next.As<ISession2>()->get_Connection(connection.Out()), S_OK);
    Variant affected;
    ASSERT_EQ(connection->Execute(Bstr(u"update TLX.PracEtaty set PRE_Nazwisko = 'Czwarty' where PRE_PreId = 73").Get(),
                                  affected.Out(), 0, nullptr),
              S_OK);
    ComPtr<IPracownik> again = Create(u"TLX.Pracownicy", Variant::FromLong(7)).As<IPracownik>();
    ASSERT_TRUE(again);
    EXPECT_EQ(surname(again.Get(), Day(2024, 1, 15)), u"Zmieniony");
    EXPECT_EQ(surname(again.Get(), Day(2024, 9, 1)), u"Czwarty");
    other->Close();
}

}  // namespace
}  // namespace tlx::host::test
