#include "mv_deklaracje/zus/IdentyfikatorPracownika.h"

#include "mv_deklaracje/core/ComError.h"
#include "platform/com/Bstr.h"

namespace {

CBstr Tekst(IPracEtat* osoba, HRESULT (IPracEtat::*get)(BSTR*)) {
    tlx::Bstr text;
    CheckHost((osoba->*get)(text.Out()));
    return CBstr(text.Get() ? text.Get() : u"");
}

void PutText(IKeduBlok* blok, LONG position, const CBstr& text) {
    CheckHost(blok->put_Item(position, 0, tlx::Variant::FromString(text.View())));
}

}  // namespace

CIdentyfikatorPracownika::CIdentyfikatorPracownika(IPracEtat* osoba) : osoba_(osoba) {
    if (!osoba_) RaiseHResult(E_POINTER);
    Wybierz(Tekst(osoba, &IPracEtat::get_Pesel), Tekst(osoba, &IPracEtat::get_Paszport),
            Tekst(osoba, &IPracEtat::get_DowOsobisty));
}

CIdentyfikatorPracownika::CIdentyfikatorPracownika(const CBstr& pesel, const CBstr& paszport,
                                                   const CBstr& dowodOsobisty) {
    Wybierz(pesel, paszport, dowodOsobisty);
}

void CIdentyfikatorPracownika::Wybierz(const CBstr& pesel, const CBstr& paszport, const CBstr& dowodOsobisty) {
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

void CIdentyfikatorPracownika::CopyTo(IKeduBlok* blok) const {
    if (!osoba_ || !blok) RaiseHResult(E_POINTER);
    PutText(blok, 1, Tekst(osoba_.Get(), &IPracEtat::get_Nazwisko));
    PutText(blok, 2, Tekst(osoba_.Get(), &IPracEtat::get_Imie1));
    PutText(blok, 3, typ_);
    PutText(blok, 4, numer_);
}
