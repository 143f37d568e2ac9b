#include "mv_deklaracje/zus/IdentyfikatorPracownika.h"

CIdentyfikatorPracownika::CIdentyfikatorPracownika(const CBstr& pesel, const CBstr& paszport,
                                                   const CBstr& dowodOsobisty) {
    const struct {
        const OLECHAR* typ;
        const CBstr& numer;
    } documents[] = {{u"P", pesel}, {u"2", paszport}, {u"1", dowodOsobisty}};
    for (const auto& document : documents) {
        if (document.numer.IsEmpty()) continue;
        typ_ = CBstr(document.typ);
        numer_ = document.numer;
        return;
    }
}
