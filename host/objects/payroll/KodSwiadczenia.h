// A benefit code (IKodSwiadczenia, a row of TLX.KodySwiadczen) and its attributes: the code object
// answers them itself at DISPIDs 2 to 5 and through its Cechy object.
#pragma once

#include <memory>

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/PayrollRow.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CKodSwiadczenia final
    : public ComObject<CKodSwiadczenia, Dispatch<IKodSwiadczenia>, Dispatch<ICechyKoduSwiadczenia>> {
public:
    explicit CKodSwiadczenia(std::shared_ptr<const PayrollRow> row) : row_(std::move(row)) {}

    HRESULT get_Kod(LONG* v) override { return Answer(v, [&] { return row_->Long(u"Pdz_Kod"); }); }
    HRESULT get_MiesiacKoncaOkresu(LONG* v) override { return Long(u"Pdz_MiesiacKoncaOkresu", v); }
    HRESULT get_ZUbezpChorobowego(LONG* v) override { return Long(u"Pdz_ZUbezpChorobowego", v); }
    HRESULT get_ZUbezpWypadkowego(LONG* v) override { return Long(u"Pdz_ZUbezpWypadkowego", v); }
    HRESULT get_RegulaWiersza(LONG* v) override { return Long(u"Pdz_RegulaWiersza", v); }
    HRESULT get_Nazwa(BSTR* v) override { return AnswerText(v, [&] { return row_->Text(u"Pdz_Nazwa"); }); }
    HRESULT get_Identyfikator(LONG* v) override { return Long(u"Pdz_PdzId", v); }
    HRESULT get_Cechy(ICechyKoduSwiadczenia** attributes) override {
        return AnswerObject(attributes, [&] { return ComPtr<ICechyKoduSwiadczenia>(this); });
    }

    // Both dispatch interfaces of the object answer the code's table, which holds the attributes at
    // DISPIDs 2 to 5 too.
    HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override {
        return Dispatch<IKodSwiadczenia>::GetIDsOfNames(iid, names, count, lcid, ids);
    }
    HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argError) override {
        return Dispatch<IKodSwiadczenia>::Invoke(id, iid, lcid, flags, params, result, exception, argError);
    }

private:
    HRESULT Long(std::u16string_view column, LONG* v) { return Answer(v, [&] { return row_->Long(column); }); }

    std::shared_ptr<const PayrollRow> row_;
};

}  // namespace tlx::host
