// The identifier an insured person is reported with in the ZUS reports' identification blocks: its kind
// ("P" PESEL, "2" passport, "1" identity card, empty when the person has none) and its number, read from
// the person's dated record, and the block's positions 1 to 4 written from it.
#pragma once

#include "hostapi/Kedu.h"
#include "hostapi/Payroll.h"
#include "mv_deklaracje/core/Bstr.h"
#include "platform/com/ComPtr.h"

class CIdentyfikatorPracownika {
public:
    // Keeps the record and chooses among its documents, the first that is not empty: PESEL, passport,
    // identity card. A null record raises E_POINTER.
    explicit CIdentyfikatorPracownika(IPracEtat* osoba);
    // The same choice over documents already read.
    CIdentyfikatorPracownika(const CBstr& pesel, const CBstr& paszport, const CBstr& dowodOsobisty);

    // Positions 1 to 4 of `blok`: surname and first name as the record holds them, then the kind and
    // the number (empty texts when the person has none).
    void CopyTo(IKeduBlok* blok) const;

    // Copies that share the texts.
    CBstr GetTyp() const { return typ_; }
    CBstr GetNumer() const { return numer_; }

private:
    void Wybierz(const CBstr& pesel, const CBstr& paszport, const CBstr& dowodOsobisty);

    CBstr typ_{u""};
    CBstr numer_{u""};
    tlx::ComPtr<IPracEtat> osoba_;
};
