// PIT-8C(8): informacja płatnika o przychodach z innych źródeł, od których nie pobrał zaliczki, oraz o
// przychodach i kosztach z odpłatnego zbycia papierów wartościowych, jednej osoby za rok. Przeliczenie
// wypełnia płatnika z ustawień firmy i podatnika z zapisu pracownika ważnego na koniec roku; kwoty
// wpisuje użytkownik, bo płace nie prowadzą tych przychodów osobno.

// Kwoty części D (przychody z innych źródeł) i E (kapitały pieniężne: przychód, koszty).
var PIT8C_KWOTY = ['P_26', 'P_27', 'P_28', 'P_29', 'P_30'];
// Formularz obowiązuje od informacji za 2016 r.; od wersji 7 wskazuje nierezydenta numerem zagranicznym.
var PIT8C_OD_ROKU = 2016;
var PIT8C_WERSJA_NUMERU_ZAGRANICZNEGO = 7;

// "onZmianaPracownika": część C z zapisu pracownika na koniec roku.
function Pit8cZmianaPracownika()
{
    PitWypelnijPodatnika(dokument.Wersja >= PIT8C_WERSJA_NUMERU_ZAGRANICZNEGO);
}

// "oncalculate": kwoty w groszach; informacja bez żadnej kwoty niczego nie wykazuje.
function Pit8cPolicz()
{
    PitUstawOkresRoczny();
    PitUzupelnijPlatnika();
    Pit8cZmianaPracownika();
    for (var i = 0; i < PIT8C_KWOTY.length; i++)
        UstawPole(PIT8C_KWOTY[i], PitGrosze(KwotaPola(PIT8C_KWOTY[i])));
}

// "onverify": informacja o wskazanej osobie, w roku obowiązywania formularza, z kwotami nieujemnymi i
// kosztami zbycia tylko obok przychodu z niego.
function Pit8cWeryfikuj()
{
    PitSprawdzPracownika(PIT8C_OD_ROKU, 'PIT-8C(8)', 'informacja PIT-8C nie ma wskazanej osoby, której dotyczy.');
    PitSprawdzNieujemne(PIT8C_KWOTY);
    if (KwotaPola('P_30') > 0 && KwotaPola('P_29') == 0)
        PitBlad('30', 'koszty uzyskania wykazuje się tylko obok przychodu z kapitałów pieniężnych (poz. 29).');
}

// "termin": jak informacji PIT-11 - do 31 stycznia roku następnego (przed 2018 r. do końca lutego).
function Pit8cTermin()
{
    return PitTerminInformacji(dokument.Rok);
}

// "opis": formularz, rok i osoba.
function Pit8cOpis()
{
    return PitOpisInformacji('PIT-8C');
}
