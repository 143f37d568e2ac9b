#include "mv_deklaracje/zus/IdentyfikatorPracownika.h"

#include <string>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/zus/ZusText.h"
#include "platform/com/Bstr.h"

namespace {

// The longest texts the KEDU elements of an insured person take.
constexpr unsigned kNazwisko = 31, kImie = 22, kDokument = 9;

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
    const CBstr nazwisko = Tekst(osoba_.Get(), &IPracEtat::get_Nazwisko);
    const CBstr imie = Tekst(osoba_.Get(), &IPracEtat::get_Imie1);
    // A text longer than its KEDU element would make ZUS refuse the whole file: the person is named and
    // nothing of him is written.
    const std::u16string kto = u"Pracownik " + nazwisko.Str() + u" " + imie.Str() + u": ";
    SprawdzDlugosc(nazwisko, kNazwisko, kto + u"nazwisko");
    SprawdzDlugosc(imie, kImie, kto + u"imię");
    if (typ_ == CBstr(u"P"))
        SprawdzPesel(numer_.View(), kto + u"PESEL");
    else
        SprawdzDlugosc(numer_, kDokument, kto + (typ_ == CBstr(u"2") ? u"numer paszportu" : u"numer dowodu osobistego"));
    PutText(blok, 1, nazwisko);
    PutText(blok, 2, imie);
    PutText(blok, 3, typ_);
    PutText(blok, 4, numer_);
}
