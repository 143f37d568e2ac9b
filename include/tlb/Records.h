// The record objects of a declaration's child rows and side lists: pages, stored values, printout
// lines, PDF attachments, VAT-ZD and VAT-27 items and establishments. Each interface opens with the
// record members (ID, Session, State, ROSaveMode, Verify).
#pragma once

#include "tlb/Common.h"

// A page of a declaration's text (row of TLX.DeklStr).
struct IDekStrona : IRecordHead {
    static constexpr IID kIid = tlx::MakeGuid(u"{514AB392-966B-47DE-BDC8-70798ADA1CD3}");
    using Base = IDispatch;

    struct Dispid : RecordObjectDispid {
        static constexpr DISPID InitializeParent = 14;
        static constexpr DISPID Lp = 10001;
        static constexpr DISPID Tekst = 10002;
    };

    virtual HRESULT InitializeParent(IDispatch* _rParent) = 0;
    virtual HRESULT get_Lp(LONG* value) = 0;
    virtual HRESULT put_Lp(LONG value) = 0;
    virtual HRESULT get_Tekst(BSTR* value) = 0;
    virtual HRESULT put_Tekst(BSTR value) = 0;

protected:
    ~IDekStrona() = default;
};

// The stored value of one field of a declaration (row of TLX.DeklElem).
struct IDekElement : IRecordHead {
    static constexpr IID kIid = tlx::MakeGuid(u"{DAC99762-6D39-4919-A981-9EE0C18FCF2D}");
    using Base = IDispatch;

    struct Dispid : RecordObjectDispid {
        static constexpr DISPID InitializeParent = 14;
        static constexpr DISPID Nazwa = 10001;
        static constexpr DISPID Wartosc = 10002;
        static constexpr DISPID Numer = 10003;
        static constexpr DISPID WartoscL = 10004;
        static constexpr DISPID WartoscM = 10005;
        static constexpr DISPID WartoscTekst = 10006;
        static constexpr DISPID Typ = 10007;
        static constexpr DISPID Opis = 10008;
        static constexpr DISPID Pusty = 10009;
        static constexpr DISPID Info = 10010;
    };

    virtual HRESULT InitializeParent(IDispatch* _rParent) = 0;
    virtual HRESULT get_Nazwa(BSTR* name) = 0;
    virtual HRESULT get_Wartosc(VARIANT* value) = 0;
    virtual HRESULT put_Wartosc(VARIANT value) = 0;
    virtual HRESULT get_Numer(LONG* value) = 0;
    virtual HRESULT put_Numer(LONG value) = 0;
    virtual HRESULT get_WartoscL(CY* value) = 0;
    virtual HRESULT get_WartoscM(CY* value) = 0;
    virtual HRESULT get_WartoscTekst(BSTR* value) = 0;
    virtual HRESULT get_Typ(LONG* value) = 0;
    virtual HRESULT get_Opis(BSTR* value) = 0;
    virtual HRESULT get_Pusty(LONG* empty) = 0;
    virtual HRESULT get_Info(IUnknown** info) = 0;  // the field's IDekElementInfo

protected:
    ~IDekElement() = default;
};

// A printout line of a declaration (row of TLX.DeklWydr).
struct IDekWydruk : IRecordHead {
    static constexpr IID kIid = tlx::MakeGuid(u"{5746F9AD-E596-48B5-9C36-5F0CC61486FF}");
    using Base = IDispatch;

    struct Dispid : RecordObjectDispid {
        static constexpr DISPID InitializeParent = 14;
        static constexpr DISPID Rubryka = 10001;
        static constexpr DISPID SubRubryka = 10002;
        static constexpr DISPID Wartosc = 10003;
        static constexpr DISPID Opis = 10004;
    };

    virtual HRESULT InitializeParent(IDispatch* _rParent) = 0;
    virtual HRESULT get_Rubryka(LONG* value) = 0;
    virtual HRESULT put_Rubryka(LONG value) = 0;
    virtual HRESULT get_SubRubryka(LONG* value) = 0;
    virtual HRESULT put_SubRubryka(LONG value) = 0;
    virtual HRESULT get_Wartosc(BSTR* value) = 0;
    virtual HRESULT put_Wartosc(BSTR value) = 0;
    virtual HRESULT get_Opis(BSTR* value) = 0;
    virtual HRESULT put_Opis(BSTR value) = 0;

protected:
    ~IDekWydruk() = default;
};

// A PDF attachment of a document (row of TLX.RptObrazy2).
struct IDekPdf : IRecordHead {
    static constexpr IID kIid = tlx::MakeGuid(u"{3EBE3132-2EA9-4AEE-BA4C-B70E56779923}");
    using Base = IDispatch;

    struct Dispid : RecordObjectDispid {
        static constexpr DISPID ZrodloID = 315;
        static constexpr DISPID RpWID = 316;
        static constexpr DISPID RpFID = 317;
        static constexpr DISPID Rozmiar = 318;
        static constexpr DISPID DokumentTyp = 319;
        static constexpr DISPID DokumentID = 320;
        static constexpr DISPID DodajPlik = 121;
        static constexpr DISPID PobierzWartosc = 122;
    };

    virtual HRESULT get_ZrodloID(LONG* value) = 0;
    virtual HRESULT put_ZrodloID(LONG value) = 0;
    virtual HRESULT get_RpWID(LONG* value) = 0;
    virtual HRESULT put_RpWID(LONG value) = 0;
    virtual HRESULT get_RpFID(LONG* value) = 0;
    virtual HRESULT put_RpFID(LONG value) = 0;
    virtual HRESULT get_Rozmiar(LONG* value) = 0;
    virtual HRESULT put_Rozmiar(LONG value) = 0;
    virtual HRESULT get_DokumentTyp(LONG* value) = 0;
    virtual HRESULT put_DokumentTyp(LONG value) = 0;
    virtual HRESULT get_DokumentID(LONG* value) = 0;
    virtual HRESULT put_DokumentID(LONG value) = 0;
    virtual HRESULT DodajPlik(BSTR _Plik) = 0;
    virtual HRESULT PobierzWartosc() = 0;

protected:
    ~IDekPdf() = default;
};

// A VAT-ZD item: one document listed on a VAT-ZD notice (row of TLX.VATZD).
struct IVatZd : IRecordHead {
    static constexpr IID kIid = tlx::MakeGuid(u"{83E69FC2-8FA9-47B7-83CD-09F60012898B}");
    using Base = IDispatch;

    struct Dispid : RecordObjectDispid {
        static constexpr DISPID InitializeParent = 14;
        static constexpr DISPID VaNId = 1000;
        static constexpr DISPID TrNId = 1010;
        static constexpr DISPID Typ = 1020;
        static constexpr DISPID DkNId = 1030;
        static constexpr DISPID NazwaKontrahenta1 = 1040;
        static constexpr DISPID NazwaKontrahenta2 = 1050;
        static constexpr DISPID NazwaKontrahenta3 = 1060;
        static constexpr DISPID NIP = 1070;
        static constexpr DISPID Dokument = 1080;
        static constexpr DISPID DataWystawienia = 1090;
        static constexpr DISPID TerminRealizacji = 1110;
        static constexpr DISPID RazemNetto = 1120;
        static constexpr DISPID RazemVAT = 1130;
        static constexpr DISPID RazemBrutto = 1140;
        static constexpr DISPID RodzajZakupu = 1150;
        static constexpr DISPID Odliczenia = 1160;
        static constexpr DISPID Flaga = 1170;
        static constexpr DISPID Stawka = 1180;
        static constexpr DISPID Netto = 1190;
        static constexpr DISPID VAT = 1200;
        static constexpr DISPID Brutto = 1210;
        static constexpr DISPID SumaKwotZdarzen = 1220;
        static constexpr DISPID SumaKwotRozliczen = 1230;
        static constexpr DISPID KorektaNetto = 1240;
        static constexpr DISPID KorektaVAT = 1250;
        static constexpr DISPID RodzajZakupuAsText = 2000;
        static constexpr DISPID OdliczeniaAsText = 2010;
        static constexpr DISPID StawkaAsText = 2020;
        static constexpr DISPID DoRoliczeniaNaDzienObliczenia = 2030;
        static constexpr DISPID RoliczonoNaDzienObliczenia = 2040;
    };

    virtual HRESULT InitializeParent(IDispatch* _rParent) = 0;
    virtual HRESULT get_VaNId(LONG* value) = 0;
    virtual HRESULT put_VaNId(LONG value) = 0;
    virtual HRESULT get_TrNId(LONG* value) = 0;
    virtual HRESULT put_TrNId(LONG value) = 0;
    virtual HRESULT get_Typ(LONG* value) = 0;
    virtual HRESULT put_Typ(LONG value) = 0;
    virtual HRESULT get_DkNId(LONG* value) = 0;
    virtual HRESULT put_DkNId(LONG value) = 0;
    virtual HRESULT get_NazwaKontrahenta1(BSTR* value) = 0;
    virtual HRESULT put_NazwaKontrahenta1(BSTR value) = 0;
    virtual HRESULT get_NazwaKontrahenta2(BSTR* value) = 0;
    virtual HRESULT put_NazwaKontrahenta2(BSTR value) = 0;
    virtual HRESULT get_NazwaKontrahenta3(BSTR* value) = 0;
    virtual HRESULT put_NazwaKontrahenta3(BSTR value) = 0;
    virtual HRESULT get_NIP(BSTR* value) = 0;
    virtual HRESULT put_NIP(BSTR value) = 0;
    virtual HRESULT get_Dokument(BSTR* value) = 0;
    virtual HRESULT put_Dokument(BSTR value) = 0;
    virtual HRESULT get_DataWystawienia(DATE* value) = 0;
    virtual HRESULT put_DataWystawienia(DATE value) = 0;
    virtual HRESULT get_TerminRealizacji(DATE* value) = 0;
    virtual HRESULT put_TerminRealizacji(DATE value) = 0;
    virtual HRESULT get_RazemNetto(CY* value) = 0;
    virtual HRESULT put_RazemNetto(CY value) = 0;
    virtual HRESULT get_RazemVAT(CY* value) = 0;
    virtual HRESULT put_RazemVAT(CY value) = 0;
    virtual HRESULT get_RazemBrutto(CY* value) = 0;
    virtual HRESULT put_RazemBrutto(CY value) = 0;
    virtual HRESULT get_RodzajZakupu(LONG* value) = 0;
    virtual HRESULT put_RodzajZakupu(LONG value) = 0;
    virtual HRESULT get_Odliczenia(LONG* value) = 0;
    virtual HRESULT put_Odliczenia(LONG value) = 0;
    virtual HRESULT get_Flaga(LONG* value) = 0;
    virtual HRESULT put_Flaga(LONG value) = 0;
    virtual HRESULT get_Stawka(CY* value) = 0;
    virtual HRESULT put_Stawka(CY value) = 0;
    virtual HRESULT get_Netto(CY* value) = 0;
    virtual HRESULT put_Netto(CY value) = 0;
    virtual HRESULT get_VAT(CY* value) = 0;
    virtual HRESULT put_VAT(CY value) = 0;
    virtual HRESULT get_Brutto(CY* value) = 0;
    virtual HRESULT put_Brutto(CY value) = 0;
    virtual HRESULT get_SumaKwotZdarzen(CY* value) = 0;
    virtual HRESULT put_SumaKwotZdarzen(CY value) = 0;
    virtual HRESULT get_SumaKwotRozliczen(CY* value) = 0;
    virtual HRESULT put_SumaKwotRozliczen(CY value) = 0;
    virtual HRESULT get_KorektaNetto(CY* value) = 0;
    virtual HRESULT put_KorektaNetto(CY value) = 0;
    virtual HRESULT get_KorektaVAT(CY* value) = 0;
    virtual HRESULT put_KorektaVAT(CY value) = 0;
    virtual HRESULT get_RodzajZakupuAsText(BSTR* value) = 0;
    virtual HRESULT get_OdliczeniaAsText(BSTR* value) = 0;
    virtual HRESULT get_StawkaAsText(BSTR* value) = 0;
    virtual HRESULT get_DoRoliczeniaNaDzienObliczenia(CY* value) = 0;
    virtual HRESULT put_DoRoliczeniaNaDzienObliczenia(CY value) = 0;
    virtual HRESULT get_RoliczonoNaDzienObliczenia(CY* value) = 0;
    virtual HRESULT put_RoliczonoNaDzienObliczenia(CY value) = 0;

protected:
    ~IVatZd() = default;
};

// A VAT-27 item: one counterparty with its amount (row of TLX.DeklV27).
struct IVat27 : IRecordHead {
    static constexpr IID kIid = tlx::MakeGuid(u"{83E69FC2-8FA9-47B7-83CD-09F60012898C}");
    using Base = IDispatch;

    struct Dispid : RecordObjectDispid {
        static constexpr DISPID InitializeParent = 14;
        static constexpr DISPID DkNId = 1000;
        static constexpr DISPID kwota = 1010;
        static constexpr DISPID Lp = 1020;
        static constexpr DISPID NIP = 1030;
        static constexpr DISPID Nazwa = 1040;
        static constexpr DISPID Numer = 1050;
        static constexpr DISPID Typ = 1060;
        static constexpr DISPID Zmiana = 1070;
    };

    virtual HRESULT InitializeParent(IDispatch* _rParent) = 0;
    virtual HRESULT get_DkNId(LONG* value) = 0;
    virtual HRESULT put_DkNId(LONG value) = 0;
    virtual HRESULT get_kwota(CY* value) = 0;
    virtual HRESULT put_kwota(CY value) = 0;
    virtual HRESULT get_Lp(LONG* value) = 0;
    virtual HRESULT put_Lp(LONG value) = 0;
    virtual HRESULT get_NIP(BSTR* value) = 0;
    virtual HRESULT put_NIP(BSTR value) = 0;
    virtual HRESULT get_Nazwa(BSTR* value) = 0;
    virtual HRESULT put_Nazwa(BSTR value) = 0;
    virtual HRESULT get_Numer(LONG* value) = 0;
    virtual HRESULT put_Numer(LONG value) = 0;
    virtual HRESULT get_Typ(LONG* value) = 0;
    virtual HRESULT put_Typ(LONG value) = 0;
    virtual HRESULT get_Zmiana(LONG* value) = 0;
    virtual HRESULT put_Zmiana(LONG value) = 0;

protected:
    ~IVat27() = default;
};

// An establishment of the company (row of TLX.DeklZaklady).
struct IDeklZaklad : IRecordHead {
    static constexpr IID kIid = tlx::MakeGuid(u"{90C77679-AF48-47D5-9225-24AF8A9E3514}");
    using Base = IDispatch;

    struct Dispid : RecordObjectDispid {
        static constexpr DISPID Stempel = 166;
        static constexpr DISPID NazwaPelna = 10001;
        static constexpr DISPID NazwaSkrocona = 10002;
        static constexpr DISPID NIP = 10003;
        static constexpr DISPID REGON = 10004;
        static constexpr DISPID LiczbaZatrudnionych = 10005;
        static constexpr DISPID DataRozpDzial = 10006;
        static constexpr DISPID Kraj = 10007;
        static constexpr DISPID Wojewodztwo = 10008;
        static constexpr DISPID Powiat = 10009;
        static constexpr DISPID Gmina = 10010;
        static constexpr DISPID KodGminy = 10011;
        static constexpr DISPID Ulica = 10012;
        static constexpr DISPID NrDomu = 10013;
        static constexpr DISPID NrLokalu = 10014;
        static constexpr DISPID Miasto = 10015;
        static constexpr DISPID KodP = 10016;
        static constexpr DISPID Poczta = 10017;
        static constexpr DISPID Nieaktywny = 10018;
        static constexpr DISPID UwzgledniajNaCITST = 10019;
        static constexpr DISPID UwzgledniajNaCITSTA = 10020;
    };

    virtual HRESULT get_Stempel(IDispatch** stamp) = 0;  // IStempel, the host's audit stamp
    virtual HRESULT get_NazwaPelna(BSTR* value) = 0;
    virtual HRESULT put_NazwaPelna(BSTR value) = 0;
    virtual HRESULT get_NazwaSkrocona(BSTR* value) = 0;
    virtual HRESULT put_NazwaSkrocona(BSTR value) = 0;
    virtual HRESULT get_NIP(BSTR* value) = 0;
    virtual HRESULT put_NIP(BSTR value) = 0;
    virtual HRESULT get_REGON(BSTR* value) = 0;
    virtual HRESULT put_REGON(BSTR value) = 0;
    virtual HRESULT get_LiczbaZatrudnionych(LONG* value) = 0;
    virtual HRESULT put_LiczbaZatrudnionych(LONG value) = 0;
    virtual HRESULT get_DataRozpDzial(DATE* value) = 0;
    virtual HRESULT put_DataRozpDzial(DATE value) = 0;
    virtual HRESULT get_Kraj(BSTR* value) = 0;
    virtual HRESULT put_Kraj(BSTR value) = 0;
    virtual HRESULT get_Wojewodztwo(BSTR* value) = 0;
    virtual HRESULT put_Wojewodztwo(BSTR value) = 0;
    virtual HRESULT get_Powiat(BSTR* value) = 0;
    virtual HRESULT put_Powiat(BSTR value) = 0;
    virtual HRESULT get_Gmina(BSTR* value) = 0;
    virtual HRESULT put_Gmina(BSTR value) = 0;
    virtual HRESULT get_KodGminy(BSTR* value) = 0;
    virtual HRESULT put_KodGminy(BSTR value) = 0;
    virtual HRESULT get_Ulica(BSTR* value) = 0;
    virtual HRESULT put_Ulica(BSTR value) = 0;
    virtual HRESULT get_NrDomu(BSTR* value) = 0;
    virtual HRESULT put_NrDomu(BSTR value) = 0;
    virtual HRESULT get_NrLokalu(BSTR* value) = 0;
    virtual HRESULT put_NrLokalu(BSTR value) = 0;
    virtual HRESULT get_Miasto(BSTR* value) = 0;
    virtual HRESULT put_Miasto(BSTR value) = 0;
    virtual HRESULT get_KodP(BSTR* value) = 0;
    virtual HRESULT put_KodP(BSTR value) = 0;
    virtual HRESULT get_Poczta(BSTR* value) = 0;
    virtual HRESULT put_Poczta(BSTR value) = 0;
    virtual HRESULT get_Nieaktywny(LONG* value) = 0;
    virtual HRESULT put_Nieaktywny(LONG value) = 0;
    virtual HRESULT get_UwzgledniajNaCITST(LONG* value) = 0;
    virtual HRESULT put_UwzgledniajNaCITST(LONG value) = 0;
    virtual HRESULT get_UwzgledniajNaCITSTA(LONG* value) = 0;
    virtual HRESULT put_UwzgledniajNaCITSTA(LONG value) = 0;

protected:
    ~IDeklZaklad() = default;
};
