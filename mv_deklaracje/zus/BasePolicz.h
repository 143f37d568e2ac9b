// The base of the ZUS report calculators: for one insured person it holds the report, its DRA and the
// report's KEDU document, decides whether the person is reported at all and runs the derived
// calculator's driver, which writes the person's blocks. A person not reported, or one for whom the
// driver wrote no block, ends with message 518, which the report reads as a person without data.
#pragma once

#include "hostapi/Kedu.h"
#include "hostapi/Payroll.h"
#include "hostapi/Session.h"
#include "include/tlb/Zus.h"
#include "mv_deklaracje/core/Date.h"
#include "platform/com/ComPtr.h"

class CBasePolicz {
public:
    // Message 518 "Deklaracja bez bloków wielokrotnych.": the person gave no block.
    static constexpr UINT kMsgBezBlokow = 518;

    // A missing DRA, KEDU document or report raises E_POINTER.
    CBasePolicz(IDRAExt* raport, IDispatch* sesja, IKeduDokument* dokument);
    virtual ~CBasePolicz() = default;
    CBasePolicz(const CBasePolicz&) = delete;
    CBasePolicz& operator=(const CBasePolicz&) = delete;

    // Tests eligibility, then runs the driver; a person who gave no block raises message 518.
    void PoliczPracownika(IDispatch* pracownik, long maWyplaty);
    // The same, answering whether the person gave a block instead of raising 518: a person without
    // blocks is the common case of a month's reports, not a failure.
    virtual bool Policz(IDispatch* pracownik, long maWyplaty);
    // True when at least one block was written.
    virtual bool WyliczBloki(IPracownikDane* pracownik, long maWyplaty) = 0;

protected:
    // A person is reported when the DRA is made for that person, otherwise unless the person's record
    // at the month's end excludes it or names a main card.
    bool Uprawniony(IPracownikDane* pracownik);
    // The version of the DRA's declaration (4: the newer layout).
    LONG WersjaDRA();
    tlx::ComPtr<IKeduBlok> NowyBlok();

    tlx::ComPtr<ISession2> sesja_;
    tlx::ComPtr<IDRA> dra_;
    tlx::ComPtr<IDRAExt> raport_;
    tlx::ComPtr<IKeduDokument> dokument_;
    tlx::ComPtr<IPracownik> pracownikDRA_;  // the person the DRA is made for, if any
    CDate ostatniDzien_;                    // the report month's last day
    int rok_ = 0;
    int miesiac_ = 0;
};
