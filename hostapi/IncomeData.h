// The host's income data for the income-tax declarations: the flat-rate income of a taxpayer's months
// (in total and by rate) and the figures of the CIT forms. Created through ISession2::CreateObject with its braced CLSID.
#pragma once

#include "platform/com/Variant.h"

struct Recordset;  // ADO, platform/ado

struct IDaneKsiegowe : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{A10D6A42-F65A-41FE-A6D6-30F6B3815463}");
    using Base = IDispatch;
    // Fills the given income recordset (the fields Rok, Miesiac, Przychod, Koszt, Reklama, ReklamaKoszt,
    // Remanent) from the flat-rate revenue register (TLX.EwidRyczalt): one row appended per month of
    // January to `month` of `year` that has entries, in month order, with the month's revenue in Przychod
    // and 0 in the other amounts (flat-rate tax knows no costs). Crossed-out entries never count; `buffer`
    // 0 leaves out entries still in the buffer. `result` is the same recordset, which callers may release
    // unread.
    virtual HRESULT WypelnijDochody(Recordset* income, LONG year, LONG month, LONG buffer, IDispatch** result) = 0;
    // The CIT figures of January to `month` of `year`: a new disconnected recordset of one row whose
    // currency fields Przychod, PrzUzpTRP, KosztyReprezentacji, KosztyBezReklamy and KosztyPozaRP are the
    // sums of the monthly figures in TLX.DaneCIT (0 when there are none); `buffer` 0 leaves out figures
    // still in the buffer.
    virtual HRESULT DaneCIT2(LONG year, LONG month, LONG buffer, Recordset** rows) = 0;
    // The flat-rate revenue of January to `month` of `year` by the rate it is taxed at: a new disconnected
    // recordset with the currency fields Stawka (the rate in percent, ERy_Stawka) and Przychod (the sum of
    // the revenue at that rate), one row per rate that has entries, the highest rate first. Crossed-out
    // entries never count; `buffer` 0 leaves out entries still in the buffer.
    virtual HRESULT PrzychodyWgStawek(LONG year, LONG month, LONG buffer, Recordset** rows) = 0;

protected:
    ~IDaneKsiegowe() = default;
};

inline constexpr CLSID CLSID_DaneKsiegowe = tlx::MakeGuid(u"{62CD12EE-F7AF-42EB-8488-63B32CB6EDF4}");
