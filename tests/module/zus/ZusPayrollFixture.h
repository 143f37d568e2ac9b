// A company database with the host's payroll rows a ZUS calculation reads, written by each test: employee
// cards and dated records, payroll lists, payouts and their elements with the twenty ZUS amounts. Helpers
// answer the host's objects (the employee, a KEDU document) as the module receives them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ModuleClassFixture.h"
#include "hostapi/Kedu.h"
#include "hostapi/Payroll.h"

class ZusPayrollTest : public ModuleClassTest {
protected:
    // An employee card and one open record from `od` ("YYYY-MM-DD") under the four-digit title.
    void AddEmployee(LONG id, std::u16string_view od, LONG tytul, std::u16string_view pesel = u"80010112345",
                     LONG licznik = 1, LONG mianownik = 1, LONG parent = 0);
    // Makes `card` a person cooperating with the owner `owner`, filed on the owner's DRA.
    void CooperatesWith(LONG card, LONG owner);
    // A record of an existing card, its validity [od, doDnia] and its covering period [zatrOd, zatrDo]
    // (empty texts: NULL).
    void AddRecord(LONG id, LONG card, std::u16string_view od, std::u16string_view doDnia,
                   std::u16string_view zatrOd, std::u16string_view zatrDo, LONG tytul = 110);
    // A payroll list of the month (one per month, made on first use) and a payout of the card on it.
    LONG AddPayout(LONG card, int year, int month, LONG tryb = 0);
    // An element of the payout with its amount, the six-digit title and the ZUS amounts 1..20, of a
    // payout type with that benefit code (made on first use; number 0 for wages, else the code + 1).
    LONG AddElement(LONG payout, double kwota, LONG kodTytulu, const std::array<double, 20>& zus, LONG kodSwiadczenia = 0);

    tlx::ComPtr<IPracownik> Employee(LONG id);
    // A new empty document of the form, and a block appended to it.
    tlx::ComPtr<IKeduDokument> Document(std::u16string_view form);
    static tlx::ComPtr<IKeduBlok> AppendBlock(IKeduDokument* document);
    static std::u16string Text(IKeduDokument* document);
    // The lines of the n-th person block (from 1, a block "<DDOR…>") of the document's text.
    static std::vector<std::string> PersonBlock(IKeduDokument* document, int n);

    // The twenty amounts of an employee's month under the host's rules for 2016: pension 9.76 % + 9.76 %,
    // disability 1.50 % + 6.50 %, sickness 2.45 %, accident 1.80 %, health 9 % (7.75 % deductible) of
    // gross less the insured's contributions.
    static std::array<double, 20> Employee2016(double brutto);

private:
    LONG TypeFor(LONG kodSwiadczenia);
    int nextList_ = 0;
};
