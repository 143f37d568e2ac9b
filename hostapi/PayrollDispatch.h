// Dispatch tables of the payroll model (hostapi/Payroll.h): every member under its C++ name and, at the
// same DISPID, under the other names callers read it by.
#pragma once

#include "hostapi/Calendar.h"
#include "hostapi/Collections.h"
#include "hostapi/Payroll.h"
#include "hostapi/Session.h"
#include "hostapi/Subjects.h"
#include "platform/com/Dispatch.h"

// The members of IPracownikDane, first in IPracownik's table too.
#define TLX_EMPLOYEE_MEMBERS(I) \
    tlx::DispGet<&I::get_ID>(u"ID", 1), \
        tlx::DispGet<&I::get_Kod>(u"Kod", 2), \
        tlx::DispGet<&I::get_Kod>(u"Code", 2), \
        tlx::DispGet<&I::get_Kod>(u"Akronim", 2), \
        tlx::DispGet<&I::get_PracownikTekst>(u"PracownikTekst", 3), \
        tlx::DispMethod<&I::GetEtat, VT_DATE>(u"GetEtat", 4, 1), \
        tlx::DispGet<&I::get_historia>(u"historia", 5), \
        tlx::DispGet<&I::get_OsobyPowiazane>(u"OsobyPowiazane", 6), \
        tlx::DispGet<&I::get_OsobyPowiazane>(u"PowiazaneRekordy", 6), \
        tlx::DispGet<&I::get_OsobyPowiazane>(u"RelatedEmployees", 6), \
        tlx::DispGet<&I::get_MaOsobyPowiazane>(u"MaOsobyPowiazane", 7), \
        tlx::DispGet<&I::get_Wyplaty>(u"Wyplaty", 8), \
        tlx::DispGet<&I::get_Wyplaty>(u"Payments", 8), \
        tlx::DispGet<&I::get_Umowy>(u"Umowy", 9), \
        tlx::DispGet<&I::get_DaneKadrowe>(u"DaneKadrowe", 10), \
        tlx::DispGet<&I::get_DaneKadrowe>(u"Absences", 10), \
        tlx::DispGet<&I::get_Nieobecnosci>(u"Nieobecnosci", 11), \
        tlx::DispGet<&I::get_Przerwy>(u"Przerwy", 12), \
        tlx::DispGet<&I::get_OkresyPracownika>(u"OkresyPracownika", 13), \
        tlx::DispGet<&I::get_OkresyPracownika>(u"Okresy", 13), \
        tlx::DispGet<&I::get_OkresyPracownika>(u"DatedEntries", 13), \
        tlx::DispGet<&I::get_Session>(u"Session", 14), \
        tlx::DispMethod<&I::Inicjuj>(u"Inicjuj", 15), \
        tlx::DispGet<&I::get_PitMiesiace>(u"PitMiesiace", 16), \
        tlx::DispGet<&I::get_OsobyWspolpracujace>(u"OsobyWspolpracujace", 21)

inline const tlx::DispatchTable& DispatchTableOf(IPracownikDane*) {
    static const tlx::DispatchTable table{
        TLX_EMPLOYEE_MEMBERS(IPracownikDane),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPracownik*) {
    static const tlx::DispatchTable table{
        TLX_EMPLOYEE_MEMBERS(IPracownik),
        tlx::DispGet<&IPracownik::get_Imie>(u"Imie", 17),
        tlx::DispGet<&IPracownik::get_Nazwisko>(u"Nazwisko", 18),
        tlx::DispGet<&IPracownik::get_PESEL>(u"PESEL", 19),
        tlx::DispGet<&IPracownik::get_NIP>(u"NIP", 20),
    };
    return table;
}

#undef TLX_EMPLOYEE_MEMBERS

inline const tlx::DispatchTable& DispatchTableOf(IPracPodatki*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPracPodatki::get_Nierezydent>(u"Nierezydent", 1),
        tlx::DispGet<&IPracPodatki::get_NipZagraniczny>(u"NipZagraniczny", 2),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IDaneDodatkowe*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IDaneDodatkowe::get_RodzajMiejscowosci>(u"RodzajMiejscowosci", 1),
        tlx::DispGet<&IDaneDodatkowe::get_RodzajMiejscowosci>(u"Kind", 1),
        tlx::DispGet<&IDaneDodatkowe::get_DataZwolnienia, VT_DATE>(u"DataZwolnienia", 2),
        tlx::DispGet<&IDaneDodatkowe::get_DataGraniczna, VT_DATE>(u"DataGraniczna", 3),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IOkres*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IOkres::get_DataOd, VT_DATE>(u"DataOd", 1),
        tlx::DispGet<&IOkres::get_DataOd, VT_DATE>(u"Start", 1),
        tlx::DispGet<&IOkres::get_DataOd, VT_DATE>(u"Od", 1),
        tlx::DispGet<&IOkres::get_DataDo, VT_DATE>(u"DataDo", 2),
        tlx::DispGet<&IOkres::get_DataDo, VT_DATE>(u"End", 2),
        tlx::DispGet<&IOkres::get_DataDo, VT_DATE>(u"Do", 2),
        tlx::DispGet<&IOkres::get_Otwarty>(u"Otwarty", 3),
        tlx::DispGet<&IOkres::get_Pusty>(u"Pusty", 4),
        tlx::DispGet<&IOkres::get_Pusty>(u"IsEmpty", 4),
        tlx::DispGet<&IOkres::get_Zakres>(u"Zakres", 5),
        tlx::DispGet<&IOkres::get_Zakres>(u"Range", 5),
        tlx::DispGet<&IOkres::get_Dni>(u"Dni", 6),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IOkresowy*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IOkresowy::get_Rok>(u"Rok", 1),
        tlx::DispPut<&IOkresowy::put_Rok>(u"Rok", 1),
        tlx::DispGet<&IOkresowy::get_Rok>(u"Year", 1),
        tlx::DispPut<&IOkresowy::put_Rok>(u"Year", 1),
        tlx::DispGet<&IOkresowy::get_Miesiac>(u"Miesiac", 2),
        tlx::DispPut<&IOkresowy::put_Miesiac>(u"Miesiac", 2),
        tlx::DispGet<&IOkresowy::get_Miesiac>(u"Month", 2),
        tlx::DispPut<&IOkresowy::put_Miesiac>(u"Month", 2),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IOkresListy*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IOkresListy::get_Rok>(u"Rok", 1),
        tlx::DispPut<&IOkresListy::put_Rok>(u"Rok", 1),
        tlx::DispGet<&IOkresListy::get_Rok>(u"Year", 1),
        tlx::DispPut<&IOkresListy::put_Rok>(u"Year", 1),
        tlx::DispGet<&IOkresListy::get_Miesiac>(u"Miesiac", 2),
        tlx::DispPut<&IOkresListy::put_Miesiac>(u"Miesiac", 2),
        tlx::DispGet<&IOkresListy::get_Miesiac>(u"Month", 2),
        tlx::DispPut<&IOkresListy::put_Miesiac>(u"Month", 2),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IKodTytulu*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IKodTytulu::get_Kod>(u"Kod", 1),
        tlx::DispGet<&IKodTytulu::get_Kod>(u"Code", 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IUbezpieczenie*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IUbezpieczenie::get_Wypadkowe>(u"Wypadkowe", 1),
        tlx::DispGet<&IUbezpieczenie::get_DataWyrejestrowania, VT_DATE>(u"DataWyrejestrowania", 2),
        tlx::DispGet<&IUbezpieczenie::get_KodTytulu>(u"KodTytulu", 3),
        tlx::DispGet<&IUbezpieczenie::get_KodTytulu>(u"TytulUbezpieczenia", 3),
        tlx::DispGet<&IUbezpieczenie::get_KodTytulu>(u"TitleCode", 3),
        tlx::DispGet<&IUbezpieczenie::get_DataOd, VT_DATE>(u"DataOd", 4),
        tlx::DispGet<&IUbezpieczenie::get_Emerytalne>(u"Emerytalne", 5),
        tlx::DispGet<&IUbezpieczenie::get_Rentowe>(u"Rentowe", 6),
        tlx::DispGet<&IUbezpieczenie::get_Chorobowe>(u"Chorobowe", 7),
        tlx::DispGet<&IUbezpieczenie::get_Zdrowotne>(u"Zdrowotne", 8),
        tlx::DispGet<&IUbezpieczenie::get_KodWyrejestrowania>(u"KodWyrejestrowania", 9),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPracDaneZus*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPracDaneZus::get_Licznik>(u"Licznik", 1),
        tlx::DispGet<&IPracDaneZus::get_Licznik>(u"EtatL", 1),
        tlx::DispGet<&IPracDaneZus::get_Licznik>(u"Numerator", 1),
        tlx::DispGet<&IPracDaneZus::get_Mianownik>(u"Mianownik", 2),
        tlx::DispGet<&IPracDaneZus::get_Mianownik>(u"EtatM", 2),
        tlx::DispGet<&IPracDaneZus::get_Mianownik>(u"Denominator", 2),
        tlx::DispGet<&IPracDaneZus::get_Mianownik2>(u"Mianownik2", 3),
        tlx::DispGet<&IPracDaneZus::get_RodzajUmowy>(u"RodzajUmowy", 4),
        tlx::DispGet<&IPracDaneZus::get_RodzajUmowy>(u"ContractDuration", 4),
        tlx::DispGet<&IPracDaneZus::get_DataWymiaru, VT_DATE>(u"DataWymiaru", 5),
        tlx::DispGet<&IPracDaneZus::get_WlasnaStopa>(u"WlasnaStopa", 6),
        tlx::DispGet<&IPracDaneZus::get_StopaWypadkowa>(u"StopaWypadkowa", 7),
        tlx::DispMethod<&IPracDaneZus::UstawTryb>(u"UstawTryb", 8),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IWymiarAlternatywny*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IWymiarAlternatywny::get_Aktywny>(u"Aktywny", 1),
        tlx::DispGet<&IWymiarAlternatywny::get_Licznik>(u"Licznik", 2),
        tlx::DispGet<&IWymiarAlternatywny::get_Mianownik>(u"Mianownik", 3),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ICzlonekRodziny*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&ICzlonekRodziny::get_ID>(u"ID", 1),
        tlx::DispGet<&ICzlonekRodziny::get_Nazwisko>(u"Nazwisko", 2),
        tlx::DispGet<&ICzlonekRodziny::get_Imie>(u"Imie", 3),
        tlx::DispGet<&ICzlonekRodziny::get_Pesel>(u"Pesel", 4),
        tlx::DispGet<&ICzlonekRodziny::get_NipE>(u"NipE", 5),
        tlx::DispGet<&ICzlonekRodziny::get_DowOsobisty>(u"DowOsobisty", 6),
        tlx::DispGet<&ICzlonekRodziny::get_Paszport>(u"Paszport", 7),
        tlx::DispGet<&ICzlonekRodziny::get_DataUr, VT_DATE>(u"DataUr", 8),
        tlx::DispGet<&ICzlonekRodziny::get_Pokrewienstwo>(u"Pokrewienstwo", 9),
        tlx::DispGet<&ICzlonekRodziny::get_NaUtrzymaniu>(u"NaUtrzymaniu", 10),
        tlx::DispGet<&ICzlonekRodziny::get_WspolneGospodarstwo>(u"WspolneGospodarstwo", 11),
        tlx::DispGet<&ICzlonekRodziny::get_Niepelnosprawnosc>(u"Niepelnosprawnosc", 12),
        tlx::DispGet<&ICzlonekRodziny::get_Adres>(u"Adres", 13),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPracEtat*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPracEtat::get_ID>(u"ID", 1),
        tlx::DispGet<&IPracEtat::get_Nazwisko>(u"Nazwisko", 2),
        tlx::DispGet<&IPracEtat::get_Nazwisko>(u"Surname", 2),
        tlx::DispGet<&IPracEtat::get_Imie1>(u"Imie1", 3),
        tlx::DispGet<&IPracEtat::get_Imie1>(u"FirstName", 3),
        tlx::DispGet<&IPracEtat::get_Imie2>(u"Imie2", 4),
        tlx::DispGet<&IPracEtat::get_Imie2>(u"SecondName", 4),
        tlx::DispGet<&IPracEtat::get_Plec>(u"Plec", 5),
        tlx::DispGet<&IPracEtat::get_Plec>(u"Gender", 5),
        tlx::DispGet<&IPracEtat::get_Pesel>(u"Pesel", 6),
        tlx::DispGet<&IPracEtat::get_NipE>(u"NipE", 7),
        tlx::DispGet<&IPracEtat::get_NipE>(u"TaxNumber", 7),
        tlx::DispGet<&IPracEtat::get_DowOsobisty>(u"DowOsobisty", 8),
        tlx::DispGet<&IPracEtat::get_DowOsobisty>(u"IdCardNumber", 8),
        tlx::DispGet<&IPracEtat::get_Paszport>(u"Paszport", 9),
        tlx::DispGet<&IPracEtat::get_Paszport>(u"PassportNumber", 9),
        tlx::DispGet<&IPracEtat::get_DataUr, VT_DATE>(u"DataUr", 10),
        tlx::DispGet<&IPracEtat::get_Zawod>(u"Zawod", 11),
        tlx::DispGet<&IPracEtat::get_Zawod>(u"Occupation", 11),
        tlx::DispGet<&IPracEtat::get_KodWyksztal>(u"KodWyksztal", 12),
        tlx::DispGet<&IPracEtat::get_KodWyksztal>(u"Education", 12),
        tlx::DispGet<&IPracEtat::get_RodzajDokumentu>(u"RodzajDokumentu", 13),
        tlx::DispGet<&IPracEtat::get_Podatki>(u"Podatki", 14),
        tlx::DispGet<&IPracEtat::get_Adres>(u"Adres", 15),
        tlx::DispGet<&IPracEtat::get_Adres>(u"Address", 15),
        tlx::DispGet<&IPracEtat::get_DaneDodatkowe>(u"DaneDodatkowe", 16),
        tlx::DispGet<&IPracEtat::get_DaneDodatkowe>(u"DaneKadrowe", 16),
        tlx::DispGet<&IPracEtat::get_DaneDodatkowe>(u"Residence", 16),
        tlx::DispGet<&IPracEtat::get_OkresWaznosci>(u"OkresWaznosci", 17),
        tlx::DispGet<&IPracEtat::get_OkresWaznosci>(u"OkresZapisu", 17),
        tlx::DispGet<&IPracEtat::get_OkresWaznosci>(u"Validity", 17),
        tlx::DispGet<&IPracEtat::get_OkresZatrudnienia>(u"OkresZatrudnienia", 18),
        tlx::DispGet<&IPracEtat::get_OkresZatrudnienia>(u"EmploymentPeriod", 18),
        tlx::DispGet<&IPracEtat::get_RodzajZapisu>(u"RodzajZapisu", 19),
        tlx::DispGet<&IPracEtat::get_RodzajZapisu>(u"Status", 19),
        tlx::DispGet<&IPracEtat::get_RodzajZapisu>(u"RecordKind", 19),
        tlx::DispGet<&IPracEtat::get_Wylaczony>(u"Wylaczony", 20),
        tlx::DispGet<&IPracEtat::get_BezZerowegoRCA>(u"BezZerowegoRCA", 21),
        tlx::DispGet<&IPracEtat::get_Powiazanie>(u"Powiazanie", 22),
        tlx::DispGet<&IPracEtat::get_Pracownik>(u"Pracownik", 23),
        tlx::DispGet<&IPracEtat::get_StopienNiepelnosprawnosci>(u"StopienNiepelnosprawnosci", 24),
        tlx::DispGet<&IPracEtat::get_StopienNiepelnosprawnosci>(u"DisabilityDegree", 24),
        tlx::DispGet<&IPracEtat::get_PrawoEmerRent>(u"PrawoEmerRent", 25),
        tlx::DispGet<&IPracEtat::get_Ubezpieczenie>(u"Ubezpieczenie", 26),
        tlx::DispGet<&IPracEtat::get_Ubezpieczenie>(u"DaneZus", 26),
        tlx::DispGet<&IPracEtat::get_Ubezpieczenie>(u"Title", 26),
        tlx::DispGet<&IPracEtat::get_Tytul>(u"Tytul", 27),
        tlx::DispGet<&IPracEtat::get_WymiarEtatu>(u"WymiarEtatu", 28),
        tlx::DispGet<&IPracEtat::get_WymiarEtatu>(u"Etat", 28),
        tlx::DispGet<&IPracEtat::get_WymiarEtatu>(u"WorkingTime", 28),
        tlx::DispGet<&IPracEtat::get_WymiarAlternatywny>(u"WymiarAlternatywny", 29),
        tlx::DispGet<&IPracEtat::get_KodFEP>(u"KodFEP", 30),
        tlx::DispGet<&IPracEtat::get_LimitPodstawy>(u"LimitPodstawy", 31),
        tlx::DispGet<&IPracEtat::get_OkresLimitu>(u"OkresLimitu", 32),
        tlx::DispGet<&IPracEtat::get_StatusTytulu>(u"StatusTytulu", 33),
        tlx::DispGet<&IPracEtat::get_PomocPubliczna>(u"PomocPubliczna", 34),
        tlx::DispGet<&IPracEtat::get_ZatrWzrostNetto>(u"ZatrWzrostNetto", 35),
        tlx::DispGet<&IPracEtat::get_ZatrRozwUmowy>(u"ZatrRozwUmowy", 36),
        tlx::DispGet<&IPracEtat::get_PelneInformacje>(u"PelneInformacje", 37),
        tlx::DispGet<&IPracEtat::get_Tekst>(u"Tekst", 38),
        tlx::DispGet<&IPracEtat::get_ZAMAdres>(u"ZAMAdres", 39),
        tlx::DispGet<&IPracEtat::get_KORAdres>(u"KORAdres", 40),
        tlx::DispGet<&IPracEtat::get_Telefon>(u"Telefon", 41),
        tlx::DispGet<&IPracEtat::get_Obywatelstwo>(u"Obywatelstwo", 42),
        tlx::DispGet<&IPracEtat::get_NazwiskoRodowe>(u"NazwiskoRodowe", 43),
        tlx::DispGet<&IPracEtat::get_OddzialNFZ>(u"OddzialNFZ", 44),
        tlx::DispGet<&IPracEtat::get_CzlonkowieRodziny>(u"CzlonkowieRodziny", 45),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ICechyKoduSwiadczenia*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&ICechyKoduSwiadczenia::get_MiesiacKoncaOkresu>(u"MiesiacKoncaOkresu", 2),
        tlx::DispGet<&ICechyKoduSwiadczenia::get_ZUbezpChorobowego>(u"ZUbezpChorobowego", 3),
        tlx::DispGet<&ICechyKoduSwiadczenia::get_ZUbezpWypadkowego>(u"ZUbezpWypadkowego", 4),
        tlx::DispGet<&ICechyKoduSwiadczenia::get_RegulaWiersza>(u"RegulaWiersza", 5),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IKodSwiadczenia*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IKodSwiadczenia::get_Kod>(u"Kod", 1),
        tlx::DispGet<&IKodSwiadczenia::get_Kod>(u"Id", 1),
        tlx::DispGet<&IKodSwiadczenia::get_MiesiacKoncaOkresu>(u"MiesiacKoncaOkresu", 2),
        tlx::DispGet<&IKodSwiadczenia::get_ZUbezpChorobowego>(u"ZUbezpChorobowego", 3),
        tlx::DispGet<&IKodSwiadczenia::get_ZUbezpWypadkowego>(u"ZUbezpWypadkowego", 4),
        tlx::DispGet<&IKodSwiadczenia::get_RegulaWiersza>(u"RegulaWiersza", 5),
        tlx::DispGet<&IKodSwiadczenia::get_Nazwa>(u"Nazwa", 6),
        tlx::DispGet<&IKodSwiadczenia::get_Cechy>(u"Cechy", 7),
        tlx::DispGet<&IKodSwiadczenia::get_Identyfikator>(u"Identyfikator", 8),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ITypWyplaty*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&ITypWyplaty::get_ID>(u"ID", 1),
        tlx::DispGet<&ITypWyplaty::get_Numer>(u"Numer", 2),
        tlx::DispGet<&ITypWyplaty::get_Kod>(u"Kod", 3),
        tlx::DispGet<&ITypWyplaty::get_Nazwa>(u"Nazwa", 4),
        tlx::DispGet<&ITypWyplaty::get_KodSwiadczenia>(u"KodSwiadczenia", 5),
        tlx::DispGet<&ITypWyplaty::get_Rodzaj>(u"Rodzaj", 6),
        tlx::DispGet<&ITypWyplaty::get_RodzajRaportu>(u"RodzajRaportu", 7),
        tlx::DispGet<&ITypWyplaty::get_Cecha1>(u"Cecha1", 8),
        tlx::DispGet<&ITypWyplaty::get_Cecha2>(u"Cecha2", 9),
        tlx::DispGet<&ITypWyplaty::get_DataWiersza, VT_DATE>(u"DataWiersza", 10),
        tlx::DispGet<&ITypWyplaty::get_Standardowy>(u"Standardowy", 11),
        tlx::DispGet<&ITypWyplaty::get_Potracenie1>(u"Potracenie1", 12),
        tlx::DispGet<&ITypWyplaty::get_Potracenie2>(u"Potracenie2", 13),
        tlx::DispGet<&ITypWyplaty::get_Potracenie3>(u"Potracenie3", 14),
        tlx::DispGet<&ITypWyplaty::get_Potracenie4>(u"Potracenie4", 15),
        tlx::DispGet<&ITypWyplaty::get_Potracenie5>(u"Potracenie5", 16),
        tlx::DispGet<&ITypWyplaty::get_Potracenie6>(u"Potracenie6", 17),
        tlx::DispGet<&ITypWyplaty::get_Koszt1>(u"Koszt1", 18),
        tlx::DispGet<&ITypWyplaty::get_Koszt2>(u"Koszt2", 19),
        tlx::DispGet<&ITypWyplaty::get_Koszt3>(u"Koszt3", 20),
        tlx::DispGet<&ITypWyplaty::get_Koszt4>(u"Koszt4", 21),
        tlx::DispGet<&ITypWyplaty::get_Koszt5>(u"Koszt5", 22),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IDaneZUS*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IDaneZUS::get_PodstawaEmerytalna>(u"PodstawaEmerytalna", 1),
        tlx::DispGet<&IDaneZUS::get_PodstawaRentowa>(u"PodstawaRentowa", 2),
        tlx::DispGet<&IDaneZUS::get_PodstawaChorobowa>(u"PodstawaChorobowa", 3),
        tlx::DispGet<&IDaneZUS::get_PodstawaWypadkowa>(u"PodstawaWypadkowa", 4),
        tlx::DispGet<&IDaneZUS::get_PodstawaFP>(u"PodstawaFP", 5),
        tlx::DispGet<&IDaneZUS::get_PodstawaFGSP>(u"PodstawaFGSP", 6),
        tlx::DispGet<&IDaneZUS::get_PodstawaZdrowotna>(u"PodstawaZdrowotna", 7),
        tlx::DispGet<&IDaneZUS::get_EmerytalnaPracownik>(u"EmerytalnaPracownik", 8),
        tlx::DispGet<&IDaneZUS::get_EmerytalnaPracownik>(u"EmployeePension", 8),
        tlx::DispGet<&IDaneZUS::get_EmerytalnaPlatnik>(u"EmerytalnaPlatnik", 9),
        tlx::DispGet<&IDaneZUS::get_EmerytalnaPlatnik>(u"EmployerPension", 9),
        tlx::DispGet<&IDaneZUS::get_RentowaPracownik>(u"RentowaPracownik", 10),
        tlx::DispGet<&IDaneZUS::get_RentowaPracownik>(u"EmployeeDisability", 10),
        tlx::DispGet<&IDaneZUS::get_RentowaPlatnik>(u"RentowaPlatnik", 11),
        tlx::DispGet<&IDaneZUS::get_RentowaPlatnik>(u"EmployerDisability", 11),
        tlx::DispGet<&IDaneZUS::get_ChorobowaPracownik>(u"ChorobowaPracownik", 12),
        tlx::DispGet<&IDaneZUS::get_ChorobowaPracownik>(u"EmployeeSickness", 12),
        tlx::DispGet<&IDaneZUS::get_ChorobowaPlatnik>(u"ChorobowaPlatnik", 13),
        tlx::DispGet<&IDaneZUS::get_WypadkowaPracownik>(u"WypadkowaPracownik", 14),
        tlx::DispGet<&IDaneZUS::get_WypadkowaPlatnik>(u"WypadkowaPlatnik", 15),
        tlx::DispGet<&IDaneZUS::get_WypadkowaPlatnik>(u"EmployerAccident", 15),
        tlx::DispGet<&IDaneZUS::get_ZdrowotnaOdliczana>(u"ZdrowotnaOdliczana", 16),
        tlx::DispGet<&IDaneZUS::get_ZdrowotnaOdliczana>(u"OtherDeductionA", 16),
        tlx::DispGet<&IDaneZUS::get_ZdrowotnaFinansowana>(u"ZdrowotnaFinansowana", 17),
        tlx::DispGet<&IDaneZUS::get_KodTytulu>(u"KodTytulu", 18),
        tlx::DispGet<&IDaneZUS::get_ZdrowotnaPozostala>(u"ZdrowotnaPozostala", 19),
        tlx::DispGet<&IDaneZUS::get_ZdrowotnaPozostala>(u"OtherDeductionB", 19),
        tlx::DispGet<&IDaneZUS::get_ZaliczkaPodatku>(u"ZaliczkaPodatku", 20),
        tlx::DispGet<&IDaneZUS::get_ZaliczkaPodatku>(u"OtherDeductionC", 20),
        tlx::DispGet<&IDaneZUS::get_KwotaFEP>(u"KwotaFEP", 21),
        tlx::DispGet<&IDaneZUS::get_SkladkaFP>(u"SkladkaFP", 22),
        tlx::DispGet<&IDaneZUS::get_SkladkaFGSP>(u"SkladkaFGSP", 23),
        tlx::DispGet<&IDaneZUS::get_Znacznik>(u"Znacznik", 24),
        tlx::DispGet<&IDaneZUS::get_KodElementu>(u"KodElementu", 25),
        tlx::DispGet<&IDaneZUS::get_KodElementu>(u"Code", 25),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IWypElementDane*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IWypElementDane::get_Rodzaj>(u"Rodzaj", 1),
        tlx::DispGet<&IWypElementDane::get_Rodzaj>(u"Counted", 1),
        tlx::DispGet<&IWypElementDane::get_RodzajSkladnika>(u"RodzajSkladnika", 2),
        tlx::DispGet<&IWypElementDane::get_RodzajSkladnika>(u"Kategoria", 2),
        tlx::DispGet<&IWypElementDane::get_RodzajSkladnika>(u"KindCode", 2),
        tlx::DispGet<&IWypElementDane::get_KodPrzerwy>(u"KodPrzerwy", 3),
        tlx::DispGet<&IWypElementDane::get_KodPrzerwy>(u"Definition", 3),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ISourceRef*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&ISourceRef::get_ID>(u"ID", 1),
        tlx::DispGet<&ISourceRef::get_Rodzaj>(u"Rodzaj", 2),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IWypElementLink*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IWypElementLink::get_Zrodlo>(u"Zrodlo", 1),
        tlx::DispGet<&IWypElementLink::get_Okres>(u"Okres", 2),
        tlx::DispGet<&IWypElementLink::get_Element>(u"Element", 3),
        tlx::DispGet<&IWypElementLink::get_Typ>(u"Typ", 4),
        tlx::DispGet<&IWypElementLink::get_Nieobecnosc>(u"Nieobecnosc", 5),
        tlx::DispGet<&IWypElementLink::get_Tekst>(u"Tekst", 6),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IWypElement*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IWypElement::get_ID>(u"ID", 1),
        tlx::DispGet<&IWypElement::get_Wyplata>(u"Wyplata", 2),
        tlx::DispGet<&IWypElement::get_Typ>(u"Typ", 3),
        tlx::DispGet<&IWypElement::get_Dane>(u"Dane", 4),
        tlx::DispGet<&IWypElement::get_Dane>(u"Definicja", 4),
        tlx::DispGet<&IWypElement::get_Dane>(u"Kind", 4),
        tlx::DispGet<&IWypElement::get_DaneZUS>(u"DaneZUS", 5),
        tlx::DispGet<&IWypElement::get_DaneZUS>(u"Zus", 5),
        tlx::DispGet<&IWypElement::get_Kwota>(u"Kwota", 6),
        tlx::DispGet<&IWypElement::get_Kwota>(u"KwotaElementu", 6),
        tlx::DispGet<&IWypElement::get_Kwota>(u"Amount", 6),
        tlx::DispGet<&IWypElement::get_Linki>(u"Linki", 7),
        tlx::DispGet<&IWypElement::get_LinkGlowny>(u"LinkGlowny", 8),
        tlx::DispGet<&IWypElement::get_Znacznik>(u"Znacznik", 9),
        tlx::DispGet<&IWypElement::get_Znacznik2>(u"Znacznik2", 10),
        tlx::DispGet<&IWypElement::get_Flagi>(u"Flagi", 11),
        tlx::DispGet<&IWypElement::get_Okres>(u"Okres", 12),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IListaPlac*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IListaPlac::get_ID>(u"ID", 1),
        tlx::DispGet<&IListaPlac::get_Typ>(u"Typ", 2),
        tlx::DispGet<&IListaPlac::get_Rodzaj>(u"Rodzaj", 3),
        tlx::DispPut<&IListaPlac::put_Rodzaj>(u"Rodzaj", 3),
        tlx::DispGet<&IListaPlac::get_Okres>(u"Okres", 4),
        tlx::DispGet<&IListaPlac::get_Okres>(u"Period", 4),
        tlx::DispGet<&IListaPlac::get_RokMiesiac>(u"RokMiesiac", 5),
        tlx::DispGet<&IListaPlac::get_RokMiesiac>(u"DeclarationMonth", 5),
        tlx::DispGet<&IListaPlac::get_DataWyplaty, VT_DATE>(u"DataWyplaty", 6),
        tlx::DispPut<&IListaPlac::put_DataWyplaty, VT_DATE>(u"DataWyplaty", 6),
        tlx::DispGet<&IListaPlac::get_DataListy, VT_DATE>(u"DataListy", 7),
        tlx::DispPut<&IListaPlac::put_DataListy, VT_DATE>(u"DataListy", 7),
        tlx::DispGet<&IListaPlac::get_Definicja>(u"Definicja", 8),
        tlx::DispPutRef<&IListaPlac::putref_Definicja>(u"Definicja", 8),
        tlx::DispGet<&IListaPlac::get_Opis>(u"Opis", 9),
        tlx::DispPut<&IListaPlac::put_Opis>(u"Opis", 9),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IWyplata*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IWyplata::get_ID>(u"ID", 1),
        tlx::DispGet<&IWyplata::get_Tryb>(u"Tryb", 2),
        tlx::DispGet<&IWyplata::get_Tryb>(u"Rodzaj", 2),
        tlx::DispGet<&IWyplata::get_Tryb>(u"Kind", 2),
        tlx::DispGet<&IWyplata::get_Aktywna>(u"Aktywna", 3),
        tlx::DispGet<&IWyplata::get_ListaPlac>(u"ListaPlac", 4),
        tlx::DispGet<&IWyplata::get_ListaPlac>(u"Lista", 4),
        tlx::DispGet<&IWyplata::get_ListaPlac>(u"PayrollList", 4),
        tlx::DispGet<&IWyplata::get_Elementy>(u"Elementy", 5),
        tlx::DispGet<&IWyplata::get_Elementy>(u"Items", 5),
        tlx::DispGet<&IWyplata::get_Elementy2>(u"Elementy2", 6),
        tlx::DispGet<&IWyplata::get_Okres>(u"Okres", 7),
        tlx::DispGet<&IWyplata::get_Okres>(u"Period", 7),
        tlx::DispGet<&IWyplata::get_RokMiesiac>(u"RokMiesiac", 8),
        tlx::DispGet<&IWyplata::get_DaneZUS>(u"DaneZUS", 9),
        tlx::DispGet<&IWyplata::get_Kwota>(u"Kwota", 10),
        tlx::DispGet<&IWyplata::get_Pracownik>(u"Pracownik", 11),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IUmowa*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IUmowa::get_ID>(u"ID", 1),
        tlx::DispGet<&IUmowa::get_Okres>(u"Okres", 2),
        tlx::DispGet<&IUmowa::get_Ubezpieczenie>(u"Ubezpieczenie", 3),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ITypNieobecnosci*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&ITypNieobecnosci::get_Kategoria>(u"Kategoria", 1),
        tlx::DispGet<&ITypNieobecnosci::get_KodSwiadczenia>(u"KodSwiadczenia", 2),
        tlx::DispGet<&ITypNieobecnosci::get_KodSwiadczenia>(u"KodPrzerwy", 2),
        tlx::DispGet<&ITypNieobecnosci::get_KodSwiadczenia>(u"Definition", 2),
        tlx::DispGet<&ITypNieobecnosci::get_Znacznik>(u"Znacznik", 3),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPracKadry*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPracKadry::get_Nieobecnosci>(u"Nieobecnosci", 1),
        tlx::DispGet<&IPracKadry::get_Nieobecnosci>(u"Items", 1),
        tlx::DispMethod<&IPracKadry::NieobecnoscWDniu, VT_DATE>(u"NieobecnoscWDniu", 2),
        tlx::DispMethod<&IPracKadry::LiczbaDni>(u"LiczbaDni", 3),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPracPrzerwy*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IPracPrzerwy::LiczbaDni>(u"LiczbaDni", 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(INieobecnosc*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&INieobecnosc::get_ID>(u"ID", 1),
        tlx::DispGet<&INieobecnosc::get_Typ>(u"Typ", 2),
        tlx::DispGet<&INieobecnosc::get_Typ>(u"Type", 2),
        tlx::DispGet<&INieobecnosc::get_Rodzaj>(u"Rodzaj", 3),
        tlx::DispGet<&INieobecnosc::get_Okres>(u"Okres", 4),
        tlx::DispGet<&INieobecnosc::get_Okres>(u"Period", 4),
        tlx::DispGet<&INieobecnosc::get_Rejestr>(u"Rejestr", 5),
        tlx::DispGet<&INieobecnosc::get_Tryb>(u"Tryb", 6),
        tlx::DispGet<&INieobecnosc::get_Znacznik>(u"Znacznik", 7),
        tlx::DispGet<&INieobecnosc::get_Znacznik2>(u"Znacznik2", 8),
        tlx::DispGet<&INieobecnosc::get_Opis>(u"Opis", 9),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ITypOkresu*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&ITypOkresu::get_Rodzaj>(u"Rodzaj", 1),
        tlx::DispGet<&ITypOkresu::get_Rodzaj>(u"Kod", 1),
        tlx::DispGet<&ITypOkresu::get_Rodzaj>(u"Mark", 1),
        tlx::DispGet<&ITypOkresu::get_KodTypu>(u"KodTypu", 2),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IOkresPracownika*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IOkresPracownika::get_Typ>(u"Typ", 1),
        tlx::DispGet<&IOkresPracownika::get_Typ>(u"Rodzaj", 1),
        tlx::DispGet<&IOkresPracownika::get_Typ>(u"Class", 1),
        tlx::DispGet<&IOkresPracownika::get_Okres>(u"Okres", 2),
        tlx::DispGet<&IOkresPracownika::get_Okres>(u"Period", 2),
        tlx::DispGet<&IOkresPracownika::get_Znacznik>(u"Znacznik", 3),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IWyplataZUS*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IWyplataZUS::get_Tekst1>(u"Tekst1", 1),
        tlx::DispPut<&IWyplataZUS::put_Tekst1>(u"Tekst1", 1),
        tlx::DispGet<&IWyplataZUS::get_Tekst2>(u"Tekst2", 2),
        tlx::DispPut<&IWyplataZUS::put_Tekst2>(u"Tekst2", 2),
        tlx::DispGet<&IWyplataZUS::get_Tekst3>(u"Tekst3", 3),
        tlx::DispPut<&IWyplataZUS::put_Tekst3>(u"Tekst3", 3),
        tlx::DispGet<&IWyplataZUS::get_Tekst4>(u"Tekst4", 4),
        tlx::DispPut<&IWyplataZUS::put_Tekst4>(u"Tekst4", 4),
        tlx::DispGet<&IWyplataZUS::get_Tekst5>(u"Tekst5", 5),
        tlx::DispPut<&IWyplataZUS::put_Tekst5>(u"Tekst5", 5),
        tlx::DispGet<&IWyplataZUS::get_Rok>(u"Rok", 6),
        tlx::DispPut<&IWyplataZUS::put_Rok>(u"Rok", 6),
        tlx::DispGet<&IWyplataZUS::get_Miesiac>(u"Miesiac", 7),
        tlx::DispPut<&IWyplataZUS::put_Miesiac>(u"Miesiac", 7),
        tlx::DispGet<&IWyplataZUS::get_KodTytulu>(u"KodTytulu", 8),
        tlx::DispPut<&IWyplataZUS::put_KodTytulu>(u"KodTytulu", 8),
        tlx::DispGet<&IWyplataZUS::get_Kwota>(u"Kwota", 9),
        tlx::DispPut<&IWyplataZUS::put_Kwota>(u"Kwota", 9),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IGeneratorWyplat*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IGeneratorWyplat::get_Lista>(u"Lista", 1),
        tlx::DispPutRef<&IGeneratorWyplat::putref_Lista>(u"Lista", 1),
        tlx::DispGet<&IGeneratorWyplat::get_Pracownik>(u"Pracownik", 2),
        tlx::DispPutRef<&IGeneratorWyplat::putref_Pracownik>(u"Pracownik", 2),
        tlx::DispMethod<&IGeneratorWyplat::Dodaj>(u"Dodaj", 3),
        tlx::DispMethod<&IGeneratorWyplat::Wynik>(u"Wynik", 4, 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IWojewodztwo*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IWojewodztwo::get_Nazwa>(u"Nazwa", 1),
        tlx::DispGet<&IWojewodztwo::get_Kod>(u"Kod", 2),
    };
    return table;
}

