// A taxpayer's monthly tax amounts (TLX.PracPitMies, prefix "PPM_"), served by the employee's
// PitMiesiace collection. Its named values (hostapi/Employees.h) are rows of TLX.PracPitKwoty keyed by
// PPK_PPMId and a number: the flag "<family>_Z_BAZY" is the family's number (44000 to 44003 for DZIAL1
// to DZIAL4, 44100 and 44101 for NAJEM1 and NAJEM2, 44200 and 44201 for STREFA1 and STREFA2), "_BAZA"
// that number + 1000, "_PRZYCHOD" + 2000 and "_KOSZTY" + 3000. PPK_Wartosc holds every value as text,
// amounts as C-locale decimals ("1234.56").
//
// Written values wait in the record's own recordset of its amounts; the first write puts the record in
// its session's unit of work, and the session's save writes them in its transaction (mode 2). A session
// dropped unsaved drops them.
#pragma once

#include "hostapi/EmployeesDispatch.h"
#include "host/objects/HostRecord.h"
#include "hostapi/Employees.h"

namespace tlx::host {

inline constexpr HostTable kPracPitMies{u"PracPitMies", u"PPM_", u"PPM_PPMId", u"TLX.PracPitMies"};

class CPracPitMiesRecord final : public HostRecord<CPracPitMiesRecord, IPracPitMies> {
public:
    static constexpr const HostTable& kTable = kPracPitMies;

    HRESULT get_ID(LONG* id) override { return HostRecord::get_ID(id); }
    HRESULT get_Rok(LONG* year) override { return GetNumber(u"Rok", year); }
    HRESULT get_Miesiac(LONG* month) override { return GetNumber(u"Miesiac", month); }
    HRESULT get_wartosc(BSTR name, VARIANT* value) override;
    HRESULT put_wartosc(BSTR name, VARIANT value) override;
    HRESULT Save(LONG mode) override;

private:
    Recordset* Amounts();
    // Stands the amounts on the row of a number; false when there is none.
    bool FindAmount(LONG number);

    ComPtr<Recordset> amounts_;
    bool inUnitOfWork_ = false;
};

}  // namespace tlx::host
