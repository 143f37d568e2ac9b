// The content of a ZSWA declaration: for every employee with work in special conditions or of a
// special character, his periods of the year split by insurance title, pension right and disability
// (the key TYUB), clipped to the year, the special work, the employment and the record, with his dated
// records cut out; staged as rows of `Zestawienie` and written into the KEDU document as person blocks
// of at most four periods.
//
// The period and key queries come from the declaration's computed fields "SQLQUERY" and
// "SQLTYUBQUERY", which the form computes for the employee put into its field "PRACID".
#pragma once

#include "hostapi/Calendar.h"
#include "hostapi/Kedu.h"
#include "hostapi/Payroll.h"
#include "hostapi/Session.h"
#include "include/tlb/Deklaracja.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/Date.h"
#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"

class CZswaBuilder {
public:
    CZswaBuilder(IDeklaracja2* declaration, ISession* session, IKeduDokument* document);
    CZswaBuilder(const CZswaBuilder&) = delete;
    CZswaBuilder& operator=(const CZswaBuilder&) = delete;

    // Stages every employee's rows, then writes the person blocks. Host failures are raised; rows and
    // blocks written before a failure stay.
    void Build();

private:
    struct Period {
        CDate from, to;
    };
    void CreateStaging();
    CBstr EmployeeFilter() const;
    void BuildEmployee(LONG id);
    // Refuses, naming the employee and the two records, records valid on the same days of the years.
    void RefuseOverlappingRecords(IPracownik* employee) const;
    void BuildGroup(IPracownik* employee, IPracEtat* current, LONG employeeId, const CBstr& key, Recordset* periods);
    // The period of one period row of the query for one key; none when the row's record has another key.
    bool ClipPeriod(IPracownik* employee, const CBstr& key, Recordset* periods, Period& period,
                    tlx::ComPtr<IPracEtat>& record) const;
    // Takes the employee's dated records out of the working list; notes whether one holds `end`.
    void Cut(IPracownik* employee, const CDate& end);
    void Stage(IPracEtat* current, IPracEtat* record, LONG employeeId, const CBstr& key, const CDate& from,
               const CDate& to);
    void WritePersonBlocks();

    tlx::ComPtr<IDeklaracja2> declaration_;
    tlx::ComPtr<ISession> session_;
    tlx::ComPtr<IKeduDokument> document_;
    int year_ = 0;
    int firstYear_ = 0;
    bool endCovered_ = false;  // a dated record holds the last day of the period being cut
    tlx::ComPtr<Recordset> zestawienie_;
    tlx::ComPtr<IDateRangeList> ranges_;  // the working list of the period being cut
};

// The text with every '-' removed; a null text stays null.
CBstr UsunMyslniki(const CBstr& text);
