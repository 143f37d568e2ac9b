// The closing step of a DRA calculation: turns the amounts the reports sent to the DRA, the registered
// persons, the settings and the report counts into the DRA's blocks INN7, ZSDRAI, ZWDRA, RIVDRA, ZSDRA,
// ZDRAV, LSKD and OPLS and a few stored fields. Made on the caller's stack for one calculation.
#pragma once

#include <map>

#include "hostapi/Kedu.h"
#include "mv_deklaracje/zus/DraStan.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ComPtr.h"

class CDraSumy {
public:
    CDraSumy(IDeklaracja2* deklaracja, std::map<LONG, CMoney>& sumy, const std::map<LONG, DraOsoba>& rejestr,
             const DraUstawienia& ustawienia, const DraLiczbaRaportow& raporty);

    // The layout of versions 1 to 3; versions 1 and 2 have no field for the FEP and the company's health
    // contribution, so those are not written there.
    void SumujWartosci(LONG wersja);
    // The layout of version 4.
    void SumujWartosciV4();

private:
    // The amount reported for a field; a field nobody reported is 0.00.
    CMoney S(PoleDRAEnum pole);
    double D(PoleDRAEnum pole) { return S(pole).AsDouble(); }
    tlx::ComPtr<IKeduBlok> Blok(const char16_t* name);
    void PutAmount(IKeduBlok* blok, LONG pozycja, const CMoney& value);
    void PutDouble(IKeduBlok* blok, LONG pozycja, double value);
    void PutLong(IKeduBlok* blok, LONG pozycja, LONG value);
    void Pole(const char16_t* name, const CMoney& value);

    void Inn7();
    CMoney Zsdrai(bool v4);
    CMoney Zwdra(bool v4);
    CMoney Rivdra(const CMoney& t, const CMoney& d);
    CMoney Zdrav();
    void Opls();
    double SredniaZatrudnienia(double sumaWymiarow);

    IDeklaracja2* deklaracja_;
    std::map<LONG, CMoney>& sumy_;
    const std::map<LONG, DraOsoba>& rejestr_;
    const DraUstawienia& ustawienia_;
    const DraLiczbaRaportow& raporty_;
    tlx::ComPtr<IKeduDokument> dokument_;
};
