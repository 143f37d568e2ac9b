// The host's payroll model as the ZUS and PFRON calculations read it: an employee and its dated records,
// payouts and their elements, payroll lists, contracts, absences, dated entries, benefit codes, and the
// builder of a payout that is never stored. Every member has one C++ name; the other names callers use
// for it are further dispatch names of the same DISPID (hostapi/PayrollDispatch.h), listed here as
// "also read as".
//
// Rules every object keeps:
// - Dates are OLE dates; times of day are ignored. A period's DataDo is its last day (0: none, open).
// - Ranges (ICalendarRange) are half-open [Od, Do); a range set with Od >= Do holds no day; an open
//   period's range ends at 3000-01-01. Day sets (IDniKalendarza) are sorted, disjoint ranges; their
//   operations answer new objects, only Add changes the set it is called on.
// - One employee object answers one object per row (the same record from GetEtat and from historia).
// - Collections answer in a fixed order: records by start, payouts by their list's period then id,
//   elements by id, absences by start, linked employees by id.
// - Objects are read once from the company database when first asked for; nothing here writes it.
#pragma once

#include "hostapi/Calendar.h"
#include "hostapi/Subjects.h"
#include "platform/com/Variant.h"

struct ICollection;  // hostapi/Collections.h
struct ISession;     // hostapi/Session.h
struct IPracEtat;
struct IPracownik;
struct IPracKadry;
struct IPracPrzerwy;
struct IOkres;
struct IOkresowy;
struct IUbezpieczenie;
struct IKodTytulu;
struct IKodSwiadczenia;
struct ITypWyplaty;
struct IListaPlac;
struct IWyplata;
struct IWypElement;
struct INieobecnosc;
struct IDaneZUS;

// An employee card (a row of TLX.PracKod, prefix "Pra_") with everything the host keeps of it.
struct IPracownikDane : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{724A75E9-F758-4B2C-92EF-16D7F8137ED6}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    // The card's code; also read as Code and Akronim.
    virtual HRESULT get_Kod(BSTR* code) = 0;
    // "Code Surname FirstName" of the record valid today-or-last, for messages.
    virtual HRESULT get_PracownikTekst(BSTR* text) = 0;
    // The record whose validity holds the day (time ignored); before the first record and for the
    // empty date 0 the first; after the last or in a gap the latest record begun before the day; null
    // for a card without records. `reserved` is not used.
    virtual HRESULT GetEtat(DATE day, VARIANT reserved, IPracEtat** record) = 0;
    // The dated records in start order (IPracEtat); Item takes a VT_DATE, a "YYYY-MM-DD" text (the
    // record GetEtat answers for that day) or a zero-based index.
    virtual HRESULT get_historia(ICollection** records) = 0;
    // The card's secondary cards, those whose Pra_ParentID is this card (IPracownik), by id: further
    // records of the same person, such as a contract beside an employment; also read as PowiazaneRekordy
    // and RelatedEmployees.
    virtual HRESULT get_OsobyPowiazane(ICollection** cards) = 0;
    virtual HRESULT get_MaOsobyPowiazane(VARIANT_BOOL* has) = 0;
    // The card's payouts (IWyplata) by list period, then id; also read as Payments.
    virtual HRESULT get_Wyplaty(ICollection** payouts) = 0;
    // Civil-law contracts (IUmowa) by start.
    virtual HRESULT get_Umowy(ICollection** contracts) = 0;
    // The absence register; also read as Absences.
    virtual HRESULT get_DaneKadrowe(IPracKadry** absences) = 0;
    // The absences (INieobecnosc) by start: the register's own collection.
    virtual HRESULT get_Nieobecnosci(ICollection** absences) = 0;
    // The register of unpaid leave.
    virtual HRESULT get_Przerwy(IPracPrzerwy** breaks) = 0;
    // Dated entries (IOkresPracownika) by start; also read as Okresy and DatedEntries.
    virtual HRESULT get_OkresyPracownika(ICollection** entries) = 0;
    virtual HRESULT get_Session(ISession** session) = 0;
    // Drops what was read, so the next member reads the database again; `mode` is not used.
    virtual HRESULT Inicjuj(LONG mode) = 0;
    // The monthly tax amounts (IPracPitMies items, hostapi/Employees.h), in year and month order; an
    // item is found by criteria such as "PPM_Rok=2024 AND PPM_Miesiac=3". The same collection on every call.
    virtual HRESULT get_PitMiesiace(ICollection** months) = 0;
    // The persons cooperating with an owner whose contributions the owner pays and files on his own DRA
    // (other people, each on a card of his own whose Pra_WlascicielID is this card: IPracownik), by id.
    virtual HRESULT get_OsobyWspolpracujace(ICollection** cards) = 0;

protected:
    ~IPracownikDane() = default;
};

// The employee (a declaration's Pracownik): the card with the names of its latest record.
struct IPracownik : IPracownikDane {
    static constexpr IID kIid = tlx::MakeGuid(u"{8529A329-BADB-4BF2-B37F-FF8919F9E888}");
    using Base = IPracownikDane;
    virtual HRESULT get_Imie(BSTR* firstName) = 0;
    virtual HRESULT get_Nazwisko(BSTR* surname) = 0;
    virtual HRESULT get_PESEL(BSTR* pesel) = 0;
    virtual HRESULT get_NIP(BSTR* nip) = 0;

protected:
    ~IPracownik() = default;
};

// A record's tax data.
struct IPracPodatki : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{84F68297-AA18-440B-88D2-35D0A8AF23A4}");
    using Base = IDispatch;
    virtual HRESULT get_Nierezydent(LONG* nonResident) = 0;  // 1: a non-resident
    virtual HRESULT get_NipZagraniczny(BSTR* number) = 0;

protected:
    ~IPracPodatki() = default;
};

// Where the person lives; also read as Residence.
struct IDaneDodatkowe : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{B62411D3-CB87-4A80-BCAB-4B697D45BEB3}");
    using Base = IDispatch;
    virtual HRESULT get_RodzajMiejscowosci(LONG* kind) = 0;  // 0 a town, 1 a village; also read as Kind
    virtual HRESULT get_DataZwolnienia(DATE* day) = 0;
    virtual HRESULT get_DataGraniczna(DATE* day) = 0;

protected:
    ~IDaneDodatkowe() = default;
};

// A dated period (IPeriod; IPracOkres).
struct IOkres : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{989C2EFE-D47F-4FC1-9496-B55E8EBA3518}");
    using Base = IDispatch;
    virtual HRESULT get_DataOd(DATE* first) = 0;     // also Start, Od; 0 none
    virtual HRESULT get_DataDo(DATE* last) = 0;      // also End, Do; the last day, 0 none (open)
    virtual HRESULT get_Otwarty(VARIANT_BOOL* open) = 0;
    virtual HRESULT get_Pusty(VARIANT_BOOL* empty) = 0;  // also IsEmpty: no start date
    // [DataOd, DataDo + 1), or [DataOd, 3000-01-01) for an open period; also Range.
    virtual HRESULT get_Zakres(ICalendarRange** range) = 0;
    virtual HRESULT get_Dni(IDniKalendarza** days) = 0;

protected:
    ~IOkres() = default;
};

// A year and month; the same object answers IOkresowy and IOkresListy (IYearMonth).
struct IOkresowy : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{9BE1537F-39D6-4D61-9129-8236C3E54EA2}");
    using Base = IDispatch;
    virtual HRESULT get_Rok(LONG* year) = 0;  // also Year
    virtual HRESULT put_Rok(LONG year) = 0;
    virtual HRESULT get_Miesiac(LONG* month) = 0;  // also Month
    virtual HRESULT put_Miesiac(LONG month) = 0;

protected:
    ~IOkresowy() = default;
};
struct IOkresListy : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{F7D5D6AB-1729-4CCC-9DA2-48B884789ABF}");
    using Base = IDispatch;
    virtual HRESULT get_Rok(LONG* year) = 0;
    virtual HRESULT put_Rok(LONG year) = 0;
    virtual HRESULT get_Miesiac(LONG* month) = 0;
    virtual HRESULT put_Miesiac(LONG month) = 0;

protected:
    ~IOkresListy() = default;
};

// An insurance title: the four-digit ZUS title as a number (110 for 0110; 99999: no zero payout).
struct IKodTytulu : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{7C324135-5DB5-4A2A-B4F2-A292CA54990E}");
    using Base = IDispatch;
    virtual HRESULT get_Kod(LONG* title) = 0;  // also Code

protected:
    ~IKodTytulu() = default;
};

// The insurance data of a record or a contract (IEmploymentTitle).
struct IUbezpieczenie : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{6756BCFC-09C2-42BD-9B68-BD4F0417D51C}");
    using Base = IDispatch;
    virtual HRESULT get_Wypadkowe(LONG* insured) = 0;  // 1: accident insurance
    virtual HRESULT get_DataWyrejestrowania(DATE* day) = 0;  // 0 none
    virtual HRESULT get_KodTytulu(IKodTytulu** title) = 0;  // also TytulUbezpieczenia, TitleCode
    virtual HRESULT get_DataOd(DATE* day) = 0;  // insured from; 0 none
    // How the person is insured: 0 not, 1 compulsorily, 2 voluntarily.
    virtual HRESULT get_Emerytalne(LONG* kind) = 0;   // pension insurance
    virtual HRESULT get_Rentowe(LONG* kind) = 0;      // disability-pension insurance
    virtual HRESULT get_Chorobowe(LONG* kind) = 0;    // sickness insurance
    virtual HRESULT get_Zdrowotne(LONG* kind) = 0;    // health insurance
    virtual HRESULT get_KodWyrejestrowania(BSTR* code) = 0;  // the deregistration's reason code

protected:
    ~IUbezpieczenie() = default;
};

// The working time and ZUS data of a record (IWorkingTime).
struct IPracDaneZus : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{94CCF83F-D381-4326-805C-DA4C2614535B}");
    using Base = IDispatch;
    virtual HRESULT get_Licznik(LONG* numerator) = 0;      // also EtatL, Numerator
    virtual HRESULT get_Mianownik(LONG* denominator) = 0;  // also EtatM, Denominator
    virtual HRESULT get_Mianownik2(LONG* denominator) = 0;
    // "na czas nieokreślony", "na czas określony" ...; also ContractDuration.
    virtual HRESULT get_RodzajUmowy(BSTR* duration) = 0;
    virtual HRESULT get_DataWymiaru(DATE* day) = 0;
    virtual HRESULT get_WlasnaStopa(LONG* own) = 0;          // 1: the record's own accident rate applies
    virtual HRESULT get_StopaWypadkowa(double* percent) = 0;
    // Kept for callers that choose a reading mode; the values do not depend on it.
    virtual HRESULT UstawTryb(LONG mode) = 0;

protected:
    ~IPracDaneZus() = default;
};

// The alternative working time of a record (the ZUS declaration's own fraction).
struct IWymiarAlternatywny : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{8F8E99D7-5A45-461C-B47C-B022EAB98C11}");
    using Base = IDispatch;
    virtual HRESULT get_Aktywny(LONG* active) = 0;
    virtual HRESULT get_Licznik(LONG* numerator) = 0;
    virtual HRESULT get_Mianownik(LONG* denominator) = 0;

protected:
    ~IWymiarAlternatywny() = default;
};

// A family member whom an employee reports for health insurance (a row of TLX.PracRodzina, prefix "PRR_").
struct ICzlonekRodziny : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{34840543-013E-4D98-98DA-CB9224203926}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Nazwisko(BSTR* value) = 0;
    virtual HRESULT get_Imie(BSTR* value) = 0;
    virtual HRESULT get_Pesel(BSTR* value) = 0;
    virtual HRESULT get_NipE(BSTR* value) = 0;
    virtual HRESULT get_DowOsobisty(BSTR* value) = 0;
    virtual HRESULT get_Paszport(BSTR* value) = 0;
    virtual HRESULT get_DataUr(DATE* value) = 0;
    virtual HRESULT get_Pokrewienstwo(BSTR* value) = 0;         // the ZUS kinship code
    virtual HRESULT get_NaUtrzymaniu(LONG* value) = 0;          // 1: dependent on the employee
    virtual HRESULT get_WspolneGospodarstwo(LONG* value) = 0;   // 1: shares his household
    virtual HRESULT get_Niepelnosprawnosc(BSTR* value) = 0;     // the ZUS disability code, empty when none
    virtual HRESULT get_Adres(IPodAdres** value) = 0;           // the member's own address

protected:
    ~ICzlonekRodziny() = default;
};

// An employee's dated record (a row of TLX.PracEtaty, prefix "PRE_").
struct IPracEtat : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{7FDDE773-F56B-4975-BBE7-9137448A94A8}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Nazwisko(BSTR* value) = 0;     // also Surname
    virtual HRESULT get_Imie1(BSTR* value) = 0;        // also FirstName
    virtual HRESULT get_Imie2(BSTR* value) = 0;        // also SecondName
    virtual HRESULT get_Plec(BSTR* value) = 0;         // "K" or "M"; also Gender
    virtual HRESULT get_Pesel(BSTR* value) = 0;
    virtual HRESULT get_NipE(BSTR* value) = 0;         // also TaxNumber
    virtual HRESULT get_DowOsobisty(BSTR* value) = 0;  // also IdCardNumber
    virtual HRESULT get_Paszport(BSTR* value) = 0;     // also PassportNumber
    virtual HRESULT get_DataUr(DATE* value) = 0;
    virtual HRESULT get_Zawod(BSTR* value) = 0;        // also Occupation
    virtual HRESULT get_KodWyksztal(BSTR* value) = 0;  // also Education
    // The identity document that stands for the person: 0 PESEL, 1 NIP, 2 identity card, 3 passport.
    virtual HRESULT get_RodzajDokumentu(LONG* value) = 0;
    virtual HRESULT get_Podatki(IPracPodatki** value) = 0;
    virtual HRESULT get_Adres(IPodAdres** value) = 0;  // also Address
    // Also read as DaneKadrowe (on the record) and Residence.
    virtual HRESULT get_DaneDodatkowe(IDaneDodatkowe** value) = 0;
    // The validity of the record, whose end steps a walk to the next record; also OkresZapisu, Validity.
    virtual HRESULT get_OkresWaznosci(IOkres** value) = 0;
    // The employment the record covers; also EmploymentPeriod.
    virtual HRESULT get_OkresZatrudnienia(IOkres** value) = 0;
    virtual HRESULT get_RodzajZapisu(LONG* value) = 0;  // also Status, RecordKind; 1 a record that excludes
    virtual HRESULT get_Wylaczony(LONG* value) = 0;     // non-zero: payouts under the record do not count
    virtual HRESULT get_BezZerowegoRCA(LONG* value) = 0;  // non-zero: no zero RCA for the person
    // The main card of a secondary card; HOST_E_RECORDZERO (0x80050467) for a main card.
    virtual HRESULT get_Powiazanie(IDispatch** value) = 0;
    virtual HRESULT get_Pracownik(IPracownik** value) = 0;
    virtual HRESULT get_StopienNiepelnosprawnosci(LONG* value) = 0;  // 0 none, 1 light, 2 moderate, 3 significant
    virtual HRESULT get_PrawoEmerRent(LONG* value) = 0;
    // Also read as DaneZus and Title.
    virtual HRESULT get_Ubezpieczenie(IUbezpieczenie** value) = 0;
    virtual HRESULT get_Tytul(IKodTytulu** value) = 0;
    virtual HRESULT get_WymiarEtatu(IPracDaneZus** value) = 0;  // also Etat, WorkingTime
    virtual HRESULT get_WymiarAlternatywny(IWymiarAlternatywny** value) = 0;
    virtual HRESULT get_KodFEP(LONG* value) = 0;  // special work (0 none)
    virtual HRESULT get_LimitPodstawy(CY* value) = 0;  // pension base limit reached so far (0 none)
    virtual HRESULT get_OkresLimitu(IOkresowy** value) = 0;  // the month the limit was passed
    virtual HRESULT get_StatusTytulu(LONG* value) = 0;  // titles 0560 to 0569
    virtual HRESULT get_PomocPubliczna(LONG* value) = 0;
    virtual HRESULT get_ZatrWzrostNetto(LONG* value) = 0;
    virtual HRESULT get_ZatrRozwUmowy(LONG* value) = 0;
    virtual HRESULT get_PelneInformacje(LONG* value) = 0;
    // "Surname FirstName" of the record: how lists of documents name the person.
    virtual HRESULT get_Tekst(BSTR* value) = 0;
    virtual HRESULT get_ZAMAdres(IPodAdres** value) = 0;  // the address of residence
    virtual HRESULT get_KORAdres(IPodAdres** value) = 0;  // the address for correspondence
    virtual HRESULT get_Telefon(BSTR* value) = 0;
    virtual HRESULT get_Obywatelstwo(BSTR* value) = 0;     // citizenship, as "POLSKIE"
    virtual HRESULT get_NazwiskoRodowe(BSTR* value) = 0;   // family name
    virtual HRESULT get_OddzialNFZ(BSTR* value) = 0;       // the health fund's branch code
    // The card's family members (ICzlonekRodziny), by id.
    virtual HRESULT get_CzlonkowieRodziny(ICollection** members) = 0;

protected:
    ~IPracEtat() = default;
};

// The attributes of a benefit code, long properties at DISPIDs 2 to 5.
struct ICechyKoduSwiadczenia : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{7005FEAB-CA1C-4C40-92C3-0EF57687D1AF}");
    using Base = IDispatch;
    virtual HRESULT get_MiesiacKoncaOkresu(LONG* value) = 0;  // 2: a link belongs to its period-end month
    virtual HRESULT get_ZUbezpChorobowego(LONG* value) = 0;   // 3: paid from sickness insurance
    virtual HRESULT get_ZUbezpWypadkowego(LONG* value) = 0;   // 4: paid from accident insurance
    virtual HRESULT get_RegulaWiersza(LONG* value) = 0;       // 5: the RSA row rule

protected:
    ~ICechyKoduSwiadczenia() = default;
};

// A benefit (break) code (a row of TLX.KodySwiadczen, prefix "Pdz_"; the identifier is the code).
// Also ITypeDefinition and IKodPrzerwy. Answers the attributes at DISPIDs 2 to 5 itself too.
struct IKodSwiadczenia : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{BA9B251F-CA9B-4BED-A15D-5326F96EEF4C}");
    using Base = IDispatch;
    virtual HRESULT get_Kod(LONG* code) = 0;  // also Id
    virtual HRESULT get_MiesiacKoncaOkresu(LONG* value) = 0;
    virtual HRESULT get_ZUbezpChorobowego(LONG* value) = 0;
    virtual HRESULT get_ZUbezpWypadkowego(LONG* value) = 0;
    virtual HRESULT get_RegulaWiersza(LONG* value) = 0;
    virtual HRESULT get_Nazwa(BSTR* name) = 0;
    virtual HRESULT get_Cechy(ICechyKoduSwiadczenia** attributes) = 0;
    // The row's own identifier (Pdz_PdzId): two definitions may carry one code.
    virtual HRESULT get_Identyfikator(LONG* id) = 0;

protected:
    ~IKodSwiadczenia() = default;
};

// A payout component type (a row of TLX.TypWyplata, prefix "TWP_"). Reached through an element it also
// answers that element's deductions and costs; read alone those are 0.
struct ITypWyplaty : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{A8370B55-3624-4C22-911B-9BAB7074FB19}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Numer(LONG* number) = 0;  // the type number reports sort and test
    virtual HRESULT get_Kod(LONG* code) = 0;      // the component code (its tens digit groups components)
    virtual HRESULT get_Nazwa(BSTR* name) = 0;
    virtual HRESULT get_KodSwiadczenia(IKodSwiadczenia** code) = 0;  // null without one
    virtual HRESULT get_Rodzaj(LONG* kind) = 0;  // 2: paid for an absence
    virtual HRESULT get_RodzajRaportu(LONG* kind) = 0;  // 1: its links are reported
    virtual HRESULT get_Cecha1(LONG* value) = 0;
    virtual HRESULT get_Cecha2(LONG* value) = 0;
    virtual HRESULT get_DataWiersza(DATE* day) = 0;
    virtual HRESULT get_Standardowy(LONG* number) = 0;  // the standard type's number (603: zero payout)
    // Potracenie1..6: the element's amounts 16, 8, 10, 12, 18, 19 (IDaneZUS order).
    virtual HRESULT get_Potracenie1(CY* amount) = 0;
    virtual HRESULT get_Potracenie2(CY* amount) = 0;
    virtual HRESULT get_Potracenie3(CY* amount) = 0;
    virtual HRESULT get_Potracenie4(CY* amount) = 0;
    virtual HRESULT get_Potracenie5(CY* amount) = 0;
    virtual HRESULT get_Potracenie6(CY* amount) = 0;
    // Koszt1..5: the element's amounts 9, 11, 15 and its FP and FGŚP contributions.
    virtual HRESULT get_Koszt1(CY* amount) = 0;
    virtual HRESULT get_Koszt2(CY* amount) = 0;
    virtual HRESULT get_Koszt3(CY* amount) = 0;
    virtual HRESULT get_Koszt4(CY* amount) = 0;
    virtual HRESULT get_Koszt5(CY* amount) = 0;

protected:
    ~ITypWyplaty() = default;
};

// The ZUS amounts of an element, or the sums of a payout's elements (IPaymentItemZus). The amounts in
// their slot order, with the six-digit insurance title between the 17th and the 18th; the element's own
// code (Code) comes last.
struct IDaneZUS : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{EBE313E0-3EA3-4983-99E1-8268055388FB}");
    using Base = IDispatch;
    virtual HRESULT get_PodstawaEmerytalna(CY* amount) = 0;    // 1 pension base
    virtual HRESULT get_PodstawaRentowa(CY* amount) = 0;       // 2 disability base
    virtual HRESULT get_PodstawaChorobowa(CY* amount) = 0;     // 3 sickness base
    virtual HRESULT get_PodstawaWypadkowa(CY* amount) = 0;     // 4 accident base
    virtual HRESULT get_PodstawaFP(CY* amount) = 0;            // 5 Labour Fund base
    virtual HRESULT get_PodstawaFGSP(CY* amount) = 0;          // 6 FGŚP base
    virtual HRESULT get_PodstawaZdrowotna(CY* amount) = 0;     // 7 health base
    virtual HRESULT get_EmerytalnaPracownik(CY* amount) = 0;   // 8 also EmployeePension
    virtual HRESULT get_EmerytalnaPlatnik(CY* amount) = 0;     // 9 also EmployerPension
    virtual HRESULT get_RentowaPracownik(CY* amount) = 0;      // 10 also EmployeeDisability
    virtual HRESULT get_RentowaPlatnik(CY* amount) = 0;        // 11 also EmployerDisability
    virtual HRESULT get_ChorobowaPracownik(CY* amount) = 0;    // 12 also EmployeeSickness
    virtual HRESULT get_ChorobowaPlatnik(CY* amount) = 0;      // 13
    virtual HRESULT get_WypadkowaPracownik(CY* amount) = 0;    // 14
    virtual HRESULT get_WypadkowaPlatnik(CY* amount) = 0;      // 15 also EmployerAccident
    virtual HRESULT get_ZdrowotnaOdliczana(CY* amount) = 0;    // 16 also OtherDeductionA
    virtual HRESULT get_ZdrowotnaFinansowana(CY* amount) = 0;  // 17 financed by others
    // The six-digit title (four-digit title × 100 + two digits), 0 none.
    virtual HRESULT get_KodTytulu(LONG* code) = 0;
    virtual HRESULT get_ZdrowotnaPozostala(CY* amount) = 0;    // 18 also OtherDeductionB
    virtual HRESULT get_ZaliczkaPodatku(CY* amount) = 0;       // 19 also OtherDeductionC
    virtual HRESULT get_KwotaFEP(CY* amount) = 0;              // 20 the bridging pension fund
    virtual HRESULT get_SkladkaFP(CY* amount) = 0;
    virtual HRESULT get_SkladkaFGSP(CY* amount) = 0;
    // Non-zero when the element carries contribution data (for a payout: one of its elements does).
    virtual HRESULT get_Znacznik(LONG* marker) = 0;
    // The element's code: its type's component code (ITypWyplaty::get_Kod); 0 for a payout's sums and
    // an element without a type. Also Code.
    virtual HRESULT get_KodElementu(LONG* code) = 0;

protected:
    ~IDaneZUS() = default;
};

// What an element is (IPaymentItemKind). Its IID is its own, not ITypWyplaty's: the two layouts differ,
// and an object that answered ITypWyplaty's IID with this table would be taken for a payout type (a
// payout builder would read the "counted" flag as the type's identifier, and ITypWyplaty::get_Nazwa
// would call past the end of this table).
struct IWypElementDane : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{676766A7-56BA-4345-9766-3D2201F63D98}");
    using Base = IDispatch;
    virtual HRESULT get_Rodzaj(LONG* counted) = 0;          // also Counted: non-zero counts as wages
    virtual HRESULT get_RodzajSkladnika(LONG* kind) = 0;    // also Kategoria, KindCode
    virtual HRESULT get_KodPrzerwy(IKodSwiadczenia** code) = 0;  // also Definition; null without one

protected:
    ~IWypElementDane() = default;
};

// The record a link points at: its identifier and kind (8: a civil-law contract).
struct ISourceRef : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{99844D76-2CED-42C4-84D7-DE7C2913E47B}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Rodzaj(LONG* kind) = 0;

protected:
    ~ISourceRef() = default;
};

// A link of an element (a row of TLX.WypElementyLinki, prefix "WEL_"): what part of the element is paid
// for which period, source or absence.
struct IWypElementLink : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{6DB96C1C-EFE9-4722-A860-18664D41C925}");
    using Base = IDispatch;
    virtual HRESULT get_Zrodlo(ISourceRef** source) = 0;
    virtual HRESULT get_Okres(IOkres** period) = 0;
    virtual HRESULT get_Element(IWypElement** element) = 0;
    virtual HRESULT get_Typ(ITypWyplaty** type) = 0;  // the element's type
    virtual HRESULT get_Nieobecnosc(INieobecnosc** absence) = 0;  // null without one
    // The text of what the link links to: its absence's description; empty without one.
    virtual HRESULT get_Tekst(BSTR* text) = 0;

protected:
    ~IWypElementLink() = default;
};

// A payout element (a row of TLX.WypElementy, prefix "WPE_"; IPaymentItem).
struct IWypElement : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{4B96EDC1-9FAA-4F56-9B35-1D3C1A053C8E}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Wyplata(IWyplata** payout) = 0;
    virtual HRESULT get_Typ(ITypWyplaty** type) = 0;
    virtual HRESULT get_Dane(IWypElementDane** kind) = 0;  // also Definicja, Kind
    virtual HRESULT get_DaneZUS(IDaneZUS** zus) = 0;       // also Zus
    virtual HRESULT get_Kwota(CY* amount) = 0;             // also KwotaElementu, Amount
    virtual HRESULT get_Linki(ICollection** links) = 0;
    virtual HRESULT get_LinkGlowny(IWypElementLink** link) = 0;  // the first link; null without links
    virtual HRESULT get_Znacznik(LONG* marker) = 0;
    virtual HRESULT get_Znacznik2(LONG* value) = 0;
    virtual HRESULT get_Flagi(LONG* flags) = 0;
    virtual HRESULT get_Okres(IOkres** period) = 0;

protected:
    ~IWypElement() = default;
};

// A payroll list (a row of TLX.ListyPlac, prefix "LPL_"; IPayrollList).
struct IListaPlac : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{FEBA78A7-06C0-4EFE-BB9D-3E404AC843BB}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Typ(LONG* type) = 0;  // 2: payouts of civil-law contracts
    virtual HRESULT get_Rodzaj(LONG* kind) = 0;  // 64: a zero list
    virtual HRESULT put_Rodzaj(LONG kind) = 0;
    // The list's period as a range [first day, last day + 1); ICalendar::SetRange on it sets the period.
    // Also Period.
    virtual HRESULT get_Okres(ICalendarRange** range) = 0;
    virtual HRESULT get_RokMiesiac(IOkresowy** month) = 0;  // also DeclarationMonth
    virtual HRESULT get_DataWyplaty(DATE* day) = 0;
    virtual HRESULT put_DataWyplaty(DATE day) = 0;
    virtual HRESULT get_DataListy(DATE* day) = 0;
    virtual HRESULT put_DataListy(DATE day) = 0;
    virtual HRESULT get_Definicja(IDispatch** definition) = 0;  // IDefinicjaDokumentu
    virtual HRESULT putref_Definicja(IDispatch* definition) = 0;
    virtual HRESULT get_Opis(BSTR* text) = 0;
    virtual HRESULT put_Opis(BSTR text) = 0;

protected:
    ~IListaPlac() = default;
};

// A payout (a row of TLX.Wyplaty, prefix "WPL_"; IPayment).
struct IWyplata : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{E8A500B1-4969-4D60-9B8B-30C3A71DB72F}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Tryb(LONG* mode) = 0;  // also Rodzaj, Kind; 1 and 2 never count
    virtual HRESULT get_Aktywna(LONG* active) = 0;
    virtual HRESULT get_ListaPlac(IListaPlac** list) = 0;  // also Lista, PayrollList
    virtual HRESULT get_Elementy(ICollection** items) = 0;  // also Items
    virtual HRESULT get_Elementy2(ICollection** items) = 0;  // the same elements, walked by the reports
    virtual HRESULT get_Okres(IOkres** period) = 0;  // also Period: the list's period
    virtual HRESULT get_RokMiesiac(IOkresowy** month) = 0;  // the payout's year and month
    virtual HRESULT get_DaneZUS(IDaneZUS** sums) = 0;  // the sums of its elements
    virtual HRESULT get_Kwota(CY* amount) = 0;
    virtual HRESULT get_Pracownik(IPracownik** employee) = 0;

protected:
    ~IWyplata() = default;
};

// A civil-law contract (a row of TLX.Umowy, prefix "UMW_").
struct IUmowa : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{18F92E04-6FA4-4004-A002-6CE0225C6376}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Okres(IOkres** period) = 0;
    virtual HRESULT get_Ubezpieczenie(IUbezpieczenie** insurance) = 0;

protected:
    ~IUmowa() = default;
};

// An absence type (a row of TLX.TypyNieobecnosci, prefix "TNB_"; IAbsenceType).
struct ITypNieobecnosci : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{99CB7D4E-1D90-466A-B4BA-28DDFBAB5067}");
    using Base = IDispatch;
    virtual HRESULT get_Kategoria(LONG* category) = 0;  // 200 accident at work, 312, 401, 402 ...
    virtual HRESULT get_KodSwiadczenia(IKodSwiadczenia** code) = 0;  // also KodPrzerwy, Definition
    virtual HRESULT get_Znacznik(LONG* marker) = 0;

protected:
    ~ITypNieobecnosci() = default;
};

// An employee's absence register (IAbsenceList, IPracownikNieobecnosci).
struct IPracKadry : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{A8294008-27AC-41C7-AD7C-20D681C143AC}");
    using Base = IDispatch;
    virtual HRESULT get_Nieobecnosci(ICollection** absences) = 0;  // also Items; by start
    // The absence covering the day; null when none does.
    virtual HRESULT NieobecnoscWDniu(DATE day, INieobecnosc** absence) = 0;
    // The days of the range (ICalendarRange or IDniKalendarza) on which the employee is absent.
    virtual HRESULT LiczbaDni(IDispatch* range, LONG* days) = 0;

protected:
    ~IPracKadry() = default;
};

// An employee's unpaid leave (absences under codes 111 and 112).
struct IPracPrzerwy : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{D3B28F33-2E06-459E-96A7-5367F8F6179D}");
    using Base = IDispatch;
    virtual HRESULT LiczbaDni(IDispatch* range, LONG* days) = 0;

protected:
    ~IPracPrzerwy() = default;
};

// An absence (a row of TLX.Nieobecnosci, prefix "NBA_"; IAbsence).
struct INieobecnosc : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{D1DC3479-DBE8-4578-89B3-903D7135224D}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Typ(ITypNieobecnosci** type) = 0;  // also Type
    virtual HRESULT get_Rodzaj(IKodSwiadczenia** code) = 0;  // the benefit code it is paid under
    virtual HRESULT get_Okres(IOkres** period) = 0;  // also Period
    virtual HRESULT get_Rejestr(IPracKadry** absences) = 0;
    virtual HRESULT get_Tryb(LONG* mode) = 0;  // 3: the absence continues one of the year before
    virtual HRESULT get_Znacznik(LONG* marker) = 0;    // 1: ignored by the reports
    virtual HRESULT get_Znacznik2(LONG* marker) = 0;   // 1: ignored by the reports
    virtual HRESULT get_Opis(BSTR* text) = 0;          // the record's description (a certificate's number)

protected:
    ~INieobecnosc() = default;
};

// The class of a dated entry (a row of TLX.TypyOkresow, prefix "TOK_"; IPeriodClass).
struct ITypOkresu : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{A71AAE8E-A316-4967-B8F6-35FC1C7F0E93}");
    using Base = IDispatch;
    virtual HRESULT get_Rodzaj(LONG* mark) = 0;  // also Kod, Mark; 1 flags the entry's days
    virtual HRESULT get_KodTypu(LONG* code) = 0;  // 999: not special work

protected:
    ~ITypOkresu() = default;
};

// A dated entry of an employee (a row of TLX.OkresyPracownika, prefix "OKP_"; IEmployeePeriod).
struct IOkresPracownika : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{03116108-4889-4F23-8AF8-479CD7601A57}");
    using Base = IDispatch;
    virtual HRESULT get_Typ(ITypOkresu** type) = 0;  // also Rodzaj, Class
    virtual HRESULT get_Okres(IOkres** period) = 0;  // also Period
    virtual HRESULT get_Znacznik(LONG* marker) = 0;  // 1: left out

protected:
    ~IOkresPracownika() = default;
};

// The ZUS data of a payout being built: five texts, the month, the four-digit title and 27 amounts
// (1 to 20 and 21, 22 the FP and FGŚP contributions of IDaneZUS; 23 to 27 kept, unused).
struct IWyplataZUS : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{098A2F73-B7FC-49C7-AA51-BD2A2D3AA024}");
    using Base = IDispatch;
    virtual HRESULT get_Tekst1(BSTR* text) = 0;
    virtual HRESULT put_Tekst1(BSTR text) = 0;
    virtual HRESULT get_Tekst2(BSTR* text) = 0;
    virtual HRESULT put_Tekst2(BSTR text) = 0;
    virtual HRESULT get_Tekst3(BSTR* text) = 0;
    virtual HRESULT put_Tekst3(BSTR text) = 0;
    virtual HRESULT get_Tekst4(BSTR* text) = 0;
    virtual HRESULT put_Tekst4(BSTR text) = 0;
    virtual HRESULT get_Tekst5(BSTR* text) = 0;
    virtual HRESULT put_Tekst5(BSTR text) = 0;
    virtual HRESULT get_Rok(LONG* year) = 0;
    virtual HRESULT put_Rok(LONG year) = 0;
    virtual HRESULT get_Miesiac(LONG* month) = 0;
    virtual HRESULT put_Miesiac(LONG month) = 0;
    virtual HRESULT get_KodTytulu(LONG* title) = 0;
    virtual HRESULT put_KodTytulu(LONG title) = 0;
    // E_INVALIDARG for an index outside 1..27.
    virtual HRESULT get_Kwota(LONG index, CY* amount) = 0;
    virtual HRESULT put_Kwota(LONG index, CY amount) = 0;

protected:
    ~IWyplataZUS() = default;
};

// Builds a payout in memory for a list and an employee; nothing it builds reaches the database.
struct IGeneratorWyplat : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{30A91EC8-F403-4C24-AE66-16C61D83BC80}");
    using Base = IDispatch;
    virtual HRESULT get_Lista(IListaPlac** list) = 0;
    virtual HRESULT putref_Lista(IListaPlac* list) = 0;
    virtual HRESULT get_Pracownik(IPracownikDane** employee) = 0;
    virtual HRESULT putref_Pracownik(IPracownikDane* employee) = 0;
    // Adds an element of the type (ITypWyplaty) with the ZUS data (IWyplataZUS); the two numbers are
    // not used.
    virtual HRESULT Dodaj(IDispatch* type, VARIANT reserved1, IDispatch* zus, VARIANT reserved2) = 0;
    // The payout built so far; E_POINTER without a list or an employee.
    virtual HRESULT Wynik(VARIANT reserved, IWyplata** payout) = 0;

protected:
    ~IGeneratorWyplat() = default;
};

// An item of the voivodeship lookup: the name and its TERYT code (DISPID 2).
struct IWojewodztwo : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{3EE245A6-46F3-4C65-B06D-75E7FF084306}");
    using Base = IDispatch;
    virtual HRESULT get_Nazwa(BSTR* name) = 0;
    virtual HRESULT get_Kod(BSTR* code) = 0;

protected:
    ~IWojewodztwo() = default;
};

// The names another family of callers uses for the same interfaces.
using IEmployee = IPracownikDane;
using IRecord = IPracEtat;
using IResidence = IDaneDodatkowe;
using IWorkingTime = IPracDaneZus;
using IEmploymentTitle = IUbezpieczenie;
using ITitleCode = IKodTytulu;
using IPeriod = IOkres;
using IPracOkres = IOkres;
using IYearMonth = IOkresowy;
using IPayment = IWyplata;
using IPayrollList = IListaPlac;
using IPaymentItem = IWypElement;
using IPaymentItemZus = IDaneZUS;
using IPaymentItemKind = IWypElementDane;
using ITypeDefinition = IKodSwiadczenia;
using IKodPrzerwy = IKodSwiadczenia;
using IAbsenceList = IPracKadry;
using IPracownikNieobecnosci = IPracKadry;
using IAbsence = INieobecnosc;
using IAbsenceType = ITypNieobecnosci;
using IEmployeePeriod = IOkresPracownika;
using IPracZapis = IOkresPracownika;
using IPeriodClass = ITypOkresu;

// Classes created through the session (the collections take an identifier or criteria as parameter).
inline constexpr CLSID CLSID_Wyplaty = tlx::MakeGuid(u"{951D03A9-4B8B-4E0C-B46D-46D31B60B55A}");
inline constexpr CLSID CLSID_TypyWyplat = tlx::MakeGuid(u"{E7617328-E8B3-4A56-B34D-5CA7F380970B}");
inline constexpr CLSID CLSID_ListyPlac = tlx::MakeGuid(u"{78B12835-6A2D-4449-915C-D674EAF365D1}");
inline constexpr CLSID CLSID_KodySwiadczen = tlx::MakeGuid(u"{C4647420-8FCB-4033-9B64-6C639C641822}");
inline constexpr CLSID CLSID_GeneratorWyplat = tlx::MakeGuid(u"{B9B5BBAB-2A7B-470C-B7E4-1C839DAAAEB2}");
inline constexpr CLSID CLSID_WyplataZUS = tlx::MakeGuid(u"{2065DE4D-BC77-4B76-844A-51F9200B6393}");
inline constexpr CLSID CLSID_CLookupCollection = tlx::MakeGuid(u"{20812779-D0B7-4A10-803C-8E2D0B70C3CE}");
