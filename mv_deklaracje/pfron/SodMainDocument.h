// The main document of a first-generation WN-D and of a WN-U application: one layout whose differences
// (the kind's type codes, version, information attributes, the empty NIP and the closing of
// `infDofinansowanie`) are data. Building it keeps the texts the attachments' documents repeat.
#pragma once

#include <string>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje_tlb.h"

class SodMainDocument {
public:
    enum class Kind { Wnd, Wnu };

    // The document of `declaration`, a main declaration of `kind`.
    CBstr Build(IDeklaracja2* declaration, Kind kind);

    const CBstr& NrPfron() const { return nrPfron_; }
    const CBstr& OkresSprawozdawczy() const { return okresSprawozdawczy_; }
    const CBstr& RodzajInformacji() const { return rodzajInformacji_; }
    // The declaration's version and month, read by the build.
    long Version() const { return version_; }
    long Month() const { return month_; }
    long Year() const { return year_; }

    // The quarter of a month: 1 for January to March, 4 for October to December.
    static long Quarter(long month) { return (month - 1) / 3 + 1; }

private:
    CBstr nrPfron_;
    CBstr okresSprawozdawczy_;
    CBstr rodzajInformacji_;
    CBstr skrNazwaPracodawcy_;
    long version_ = 0;
    long month_ = 0;
    long year_ = 0;
};
