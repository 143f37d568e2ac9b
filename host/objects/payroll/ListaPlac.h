// A payroll list (IListaPlac, a row of TLX.ListyPlac): its type and kind, period (a range whose
// ICalendar::SetRange sets it), declaration month, dates, document definition and description. A list
// made by the payout builder's caller lives in memory only; the changes of any list are never stored.
#pragma once

#include <memory>

#include "host/objects/calendar/Calendar.h"
#include "host/objects/payroll/Okresowy.h"
#include "host/objects/payroll/PayrollModel.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CListaPlac final : public ComObject<CListaPlac, Dispatch<IListaPlac>> {
public:
    CListaPlac(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row);

    HRESULT get_ID(LONG* id) override;
    HRESULT get_Typ(LONG* type) override;
    HRESULT get_Rodzaj(LONG* kind) override;
    HRESULT put_Rodzaj(LONG kind) override;
    HRESULT get_Okres(ICalendarRange** range) override;
    HRESULT get_RokMiesiac(IOkresowy** month) override;
    HRESULT get_DataWyplaty(DATE* day) override;
    HRESULT put_DataWyplaty(DATE day) override;
    HRESULT get_DataListy(DATE* day) override;
    HRESULT put_DataListy(DATE day) override;
    HRESULT get_Definicja(IDispatch** definition) override;
    HRESULT putref_Definicja(IDispatch* definition) override;
    HRESULT get_Opis(BSTR* text) override;
    HRESULT put_Opis(BSTR text) override;

private:
    ModelLink model_;
    std::shared_ptr<PayrollRow> row_;
    ComPtr<CCalendar> period_;
    ComPtr<COkresowy> month_;
    ComPtr<IDispatch> definition_;
};

}  // namespace tlx::host
