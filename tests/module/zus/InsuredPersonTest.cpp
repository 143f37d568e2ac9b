// The insured person's identification block and the month coverage of the person's dated records, read
// from the host's employee on a company database.
#include <gtest/gtest.h>

#include "ZusPayrollFixture.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/zus/IdentyfikatorPracownika.h"
#include "mv_deklaracje/zus/ObjetyWMiesiacu.h"
#include "platform/com/ErrorInfo.h"

namespace {

class InsuredPersonTest : public ZusPayrollTest {
protected:
    tlx::ComPtr<IPracEtat> Record(LONG card) {
        tlx::ComPtr<IPracEtat> record;
        EXPECT_EQ(Employee(card)->GetEtat(CDate(6, 30, 2016).Value(), tlx::Variant::Missing(), record.Out()), S_OK);
        return record;
    }
};

TEST_F(InsuredPersonTest, WritesTheNamesAndTheChosenIdentifierIntoTheBlock) {
    const struct {
        const char* what;
        const char16_t *pesel, *paszport, *dowod, *text;
    } rows[] = {
        {"all three", u"80010112345", u"EE1234567", u"ABC123456", u"Żółć\r\nŁucja\r\nP\r\n80010112345\r\n"},
        {"passport before the identity card", u"", u"EE1234567", u"ABC123456", u"Żółć\r\nŁucja\r\n2\r\nEE1234567\r\n"},
        {"the identity card alone", u"", u"", u"ABC123456", u"Żółć\r\nŁucja\r\n1\r\nABC123456\r\n"},
        {"none: empty kind and number", u"", u"", u"", u"Żółć\r\nŁucja\r\n\r\n\r\n"},
    };
    LONG card = 1;
    for (const auto& row : rows) {
        AddEmployee(card, u"2016-01-01", 110, row.pesel);
        Execute(u"UPDATE TLX.PracEtaty SET PRE_Nazwisko = 'Żółć', PRE_Imie1 = 'Łucja', PRE_Paszport = '" +
                std::u16string(row.paszport) + u"', PRE_DowodNr = '" + row.dowod + u"' WHERE PRE_PraId = " +
                std::u16string(1, char16_t(u'0' + card)));
        auto document = Document(u"ZUSRCA");
        auto block = AppendBlock(document.Get());
        CIdentyfikatorPracownika(Record(card).Get()).CopyTo(block.Get());
        EXPECT_EQ(Text(document.Get()), u"<ZUSRCA>\r\n<DDORCA>\r\n" + std::u16string(row.text) + u"</DDORCA>\r\n</ZUSRCA>\r\n")
            << row.what;
        ++card;
    }
}

TEST_F(InsuredPersonTest, RefusesAMissingRecordOrBlock) {
    EXPECT_THROW(CIdentyfikatorPracownika(static_cast<IPracEtat*>(nullptr)), ComError);
    AddEmployee(1, u"2016-01-01", 110);
    EXPECT_THROW(CIdentyfikatorPracownika(Record(1).Get()).CopyTo(nullptr), ComError);
}

TEST_F(InsuredPersonTest, CoverageWalksTheHostRecordsThroughTheMonth) {
    Execute(u"INSERT INTO TLX.PracKod (Pra_PraID, Pra_Kod) VALUES (1, 'P1'), (2, 'P2'), (3, 'P3'), (4, 'P4')");
    // Employment ended in April, the record runs to 5 May, the next record employs from 6 May.
    AddRecord(11, 1, u"2016-01-01", u"2016-05-05", u"2016-01-01", u"2016-04-30");
    AddRecord(12, 1, u"2016-05-06", u"", u"2016-05-06", u"");
    // Employment ended in April and nothing follows in May.
    AddRecord(21, 2, u"2016-01-01", u"", u"2016-01-01", u"2016-04-30");
    // No employment start at all.
    AddRecord(31, 3, u"2016-01-01", u"", u"", u"");
    // Employed from the last day of February.
    AddRecord(41, 4, u"2016-01-01", u"", u"2016-02-29", u"");
    const struct {
        const char* what;
        LONG card;
        CDate day;
        bool covered;
    } rows[] = {
        {"a later record of the month covers from the 6th", 1, CDate(5, 31, 2016), true},
        {"found by walking the chain from the 3rd", 1, CDate(5, 3, 2016), true},
        {"nothing covers May", 2, CDate(5, 31, 2016), false},
        {"April is covered", 2, CDate(4, 30, 2016), true},
        {"no covering period", 3, CDate(5, 31, 2016), false},
        {"one day, the month's last", 4, CDate(2, 29, 2016), true},
    };
    for (const auto& row : rows) EXPECT_EQ(ObjetyWMiesiacu(Employee(row.card).Get(), row.day), row.covered) << row.what;
}

TEST_F(InsuredPersonTest, CoverageOfACardWithoutRecordsFails) {
    Execute(u"INSERT INTO TLX.PracKod (Pra_PraID, Pra_Kod) VALUES (5, 'P5')");
    try {
        ObjetyWMiesiacu(Employee(5).Get(), CDate(5, 31, 2016));
        FAIL() << "no error";
    } catch (const ComError& e) {
        EXPECT_EQ(e.Code(), E_POINTER);
    }
    EXPECT_THROW(ObjetyWMiesiacu(static_cast<IPracownikDane*>(nullptr), CDate(5, 31, 2016)), ComError);
}

}  // namespace
