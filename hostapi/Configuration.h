// The host configuration: company and program settings by key path, and parameters valid at a date.
//
// Storage: the company database's table TLX.Konfiguracja holds one text per key (Kfg_Klucz, Kfg_Wartosc)
// and TLX.KonfiguracjaParametry one row per key and starting date (Kfp_Klucz, Kfp_DataOd, Kfp_Wartosc).
// Keys are compared exactly (case and Polish letters included): "FirmaNIP",
// "/Program/Księgowość/Zaokraglenia/Grosze VAT7". A key without a row of its own falls back to the
// company's numbered settings of TLX.Firma (the row whose Fir_Symbol is the key); a key found in
// neither is not set.
// Keys the declarations read: the company's "FirmaNIP", "FirmaOsobaFizyczna", "FirmaNazwaPelna",
// "FirmaImie", "FirmaDataUr", "FirmaKraj", "FirmaWojewodztwo", "FirmaPowiat", "FirmaGmina", "FirmaUlica",
// "FirmaNrDomu", "FirmaNrLokalu", "FirmaMiejscowosc", "FirmaKodP", "FirmaPoczta", "FirmaImiePrzedst",
// "FirmaNazwiskoPrzedst", "FirmaUrzadSkarbowy", "FirmaUrzadSkarbowyPIT8A", "FirmaTypDzial",
// "FirmaImiePrzedstCIT8", "FirmaNazwiskoPrzedstCIT8", "RodzajKsiegowosci", "TypDokumentuDlaDeklaracji",
// "FormaPlatnosciDlaDeklaracji", "GeneracjaKorekcyjnaVAT7", "RejestrDlaGeneracjiKorekcyjnej",
// "DataKsiegowania"; the program's "/Program/Księgowość/Zaokraglenia/..." and ".../Stawki Podatkowe/..."
// keys; the dated "VAT7_Wliczaj0" and "UwzgledniacSprzedazNiePodlegajacaVat"; the e-declaration
// settings "eDeklaracjeKatalogWymiany", "BazaFirmowaBiura", "WebServiceAddress", "ProxyAktywny",
// "ProxyAdresIP", "ProxyPort", "ProxyAutoryzacja", "ProxyUzytkownik", "ProxyHaslo" and
// "WeryfikacjaEdeklaracji". tlxhost init-db --demo fills them for the demo company.
#pragma once

#include "platform/com/Variant.h"

// A configuration value valid at a date.
struct IParametr : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{42886F0B-57E3-4182-A329-929E3BA4291C}");
    using Base = IDispatch;
    // The value (VT_BSTR as stored), VT_EMPTY when no value is valid at the date.
    virtual HRESULT get_Value(VARIANT* value) = 0;
    // The first day the value is valid (0 when none is).
    virtual HRESULT get_DataOd(DATE* from) = 0;

protected:
    ~IParametr() = default;
};

struct IKonfiguracja : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{D280FD15-0F39-42D1-9290-328218044113}");
    using Base = IDispatch;
    // The session keeps the values it read (a dated value per day asked for) while the company database
    // does not change; any change stored since, by any session, is seen at the next read.
    // The setting as text; the empty text when it is not set.
    virtual HRESULT GetValue(BSTR key, BSTR* value) = 0;
    // The dated value valid at `date`: of the key's rows, the one with the latest Kfp_DataOd not after
    // the date (times of day are ignored). When no dated row qualifies, the plain setting of the same
    // key (GetValue) is the value valid at every date; when neither exists the parameter's Value is
    // empty. The answer is never null.
    virtual HRESULT GetParametr(BSTR key, DATE date, IParametr** parametr) = 0;

protected:
    ~IKonfiguracja() = default;
};

// The configuration class, created through ILogin::CreateObject with its braced text.
inline constexpr CLSID CLSID_Konfiguracja = tlx::MakeGuid(u"{A1E6C62D-2AE2-4D6A-B82B-17EF8DCFB6D1}");
inline constexpr IID IID_IKonfiguracja = IKonfiguracja::kIid;
inline constexpr IID IID_IParametr = IParametr::kIid;
