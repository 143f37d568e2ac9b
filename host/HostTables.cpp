#include "host/HostTables.h"

namespace tlx::host {

std::string HostTablesSql() {
    return R"sql(
CREATE TABLE IF NOT EXISTS Konfiguracja (
    Kfg_KfgID INTEGER PRIMARY KEY,
    Kfg_Klucz VARCHAR(255) NOT NULL,
    Kfg_Wartosc TEXT
);
CREATE UNIQUE INDEX IF NOT EXISTS Konfiguracja_Klucz ON Konfiguracja (Kfg_Klucz);
CREATE TABLE IF NOT EXISTS KonfiguracjaParametry (
    Kfp_KfpID INTEGER PRIMARY KEY,
    Kfp_Klucz VARCHAR(255) NOT NULL,
    Kfp_DataOd DATETIME NOT NULL,
    Kfp_Wartosc TEXT
);
CREATE TABLE IF NOT EXISTS Urzedy (
    Urz_UrzID INTEGER PRIMARY KEY,
    Urz_Kod VARCHAR(10),
    Urz_Nazwa1 VARCHAR(100),
    Urz_Nazwa2 VARCHAR(100)
);
CREATE TABLE IF NOT EXISTS Waluty (
    WNa_WNaID INTEGER PRIMARY KEY,
    WNa_Symbol VARCHAR(3),
    WNa_Nazwa VARCHAR(50)
);
CREATE TABLE IF NOT EXISTS FormyPlatnosci (
    FPl_FPlID INTEGER PRIMARY KEY,
    FPl_Nazwa VARCHAR(50),
    FPl_Termin INT
);
CREATE TABLE IF NOT EXISTS DokDefinicje (
    DDf_DDfID INTEGER PRIMARY KEY,
    DDf_Klasa INT NOT NULL,
    DDf_Symbol VARCHAR(20) NOT NULL,
    DDf_Nazwa VARCHAR(255),
    DDf_Numeracja VARCHAR(255)
);
CREATE TABLE IF NOT EXISTS PracKod (
    Pra_PraID INTEGER PRIMARY KEY,
    Pra_ParentID INT,
    Pra_Nadrzedny INT NOT NULL DEFAULT 0,
    Pra_Kod VARCHAR(20)
);
CREATE TABLE IF NOT EXISTS Dekrety (
    DeK_DeKID INTEGER PRIMARY KEY,
    DeK_Bufor INT NOT NULL DEFAULT 1,
    DeK_DataDok DATETIME,
    DeK_DataOpe DATETIME,
    DeK_DataWys DATETIME,
    DeK_Dokument VARCHAR(50),
    DeK_DokumentTyp INT,
    DeK_DokumentID INT
);
CREATE TABLE IF NOT EXISTS DekretyElementy (
    DeE_DeEID INTEGER PRIMARY KEY,
    DeE_DeKID INT NOT NULL,
    DeE_Konto VARCHAR(30),
    DeE_Kwota MONEY
);
CREATE TABLE IF NOT EXISTS EwidRyczalt (
    ERy_ERyID INTEGER PRIMARY KEY,
    ERy_RokMies INT NOT NULL,
    ERy_DataOpe DATETIME,
    ERy_Przychod MONEY NOT NULL DEFAULT 0,
    ERy_Skreslony INT NOT NULL DEFAULT 0,
    ERy_Bufor INT NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS DaneCIT (
    DCi_DCiID INTEGER PRIMARY KEY,
    DCi_RokMies INT NOT NULL,
    DCi_Przychod MONEY NOT NULL DEFAULT 0,
    DCi_PrzUzpTRP MONEY NOT NULL DEFAULT 0,
    DCi_KosztyReprezentacji MONEY NOT NULL DEFAULT 0,
    DCi_KosztyBezReklamy MONEY NOT NULL DEFAULT 0,
    DCi_KosztyPozaRP MONEY NOT NULL DEFAULT 0,
    DCi_Bufor INT NOT NULL DEFAULT 0
);
)sql";
}

std::string HostDemoSql() {
    return R"sql(
BEGIN;
INSERT INTO Urzedy (Urz_UrzID, Urz_Kod, Urz_Nazwa1, Urz_Nazwa2) VALUES
    (1, '1471', 'Urząd Skarbowy Warszawa-Mokotów', 'ul. Postępu 16');
INSERT INTO Waluty (WNa_WNaID, WNa_Symbol, WNa_Nazwa) VALUES (1, 'PLN', 'złoty polski');
INSERT INTO FormyPlatnosci (FPl_FPlID, FPl_Nazwa, FPl_Termin) VALUES (1, 'przelew', 14);
INSERT OR IGNORE INTO Konfiguracja (Kfg_Klucz, Kfg_Wartosc) VALUES
    ('FirmaNIP', '5260250274'),
    ('FirmaNazwaPelna', 'Przykładowa Spółka z o.o.'),
    ('FirmaOsobaFizyczna', '0'),
    ('FirmaKraj', 'Polska'),
    ('FirmaWojewodztwo', 'mazowieckie'),
    ('FirmaPowiat', 'Warszawa'),
    ('FirmaGmina', 'Warszawa'),
    ('FirmaUlica', 'Marszałkowska'),
    ('FirmaNrDomu', '10'),
    ('FirmaNrLokalu', '5'),
    ('FirmaMiejscowosc', 'Warszawa'),
    ('FirmaKodP', '00-001'),
    ('FirmaPoczta', 'Warszawa'),
    ('FirmaImiePrzedst', 'Jan'),
    ('FirmaNazwiskoPrzedst', 'Kowalski'),
    ('FirmaUrzadSkarbowy', '1'),
    ('FormaPlatnosciDlaDeklaracji', '1'),
    ('TypDokumentuDlaDeklaracji', '1'),
    ('/Program/Księgowość/Zaokraglenia/Grosze VAT7', '0'),
    ('/Program/Księgowość/Zaokraglenia/Podstawy VAT7', '1'),
    ('/Program/Księgowość/Zaokraglenia/Podatku VAT7', '1'),
    ('/Program/Księgowość/Zaokraglenia/Podstawy PIT5', '1'),
    ('/Program/Księgowość/Zaokraglenia/Podatku PIT5', '1'),
    ('/Program/Księgowość/Stawki Podatkowe/Ryczałt 1', '8,5'),
    ('/Program/Księgowość/Stawki Podatkowe/Ryczałt 2', '5,5'),
    ('/Program/Księgowość/Stawki Podatkowe/Ryczałt 3', '3'),
    ('FirmaTypDzial', 'usługi informatyczne'),
    ('FirmaImiePrzedstCIT8', 'Jan'),
    ('FirmaNazwiskoPrzedstCIT8', 'Kowalski'),
    ('FirmaUrzadSkarbowyPIT8A', '1'),
    ('GeneracjaKorekcyjnaVAT7', '0'),
    ('RejestrDlaGeneracjiKorekcyjnej', 'VAT'),
    ('DataKsiegowania', '1'),
    ('WeryfikacjaEdeklaracji', '1'),
    ('eDeklaracjeKatalogWymiany', '/tmp/tlx-edeklaracje'),
    ('WebServiceAddress', 'https://e-deklaracje.invalid/uslugi/'),
    ('ProxyAktywny', '0'),
    ('ProxyAdresIP', ''),
    ('ProxyPort', ''),
    ('ProxyAutoryzacja', '0'),
    ('ProxyUzytkownik', ''),
    ('ProxyHaslo', '');
INSERT INTO KonfiguracjaParametry (Kfp_Klucz, Kfp_DataOd, Kfp_Wartosc) VALUES
    ('VAT7_Wliczaj0', '2020-01-01 00:00:00', '0'),
    ('UwzgledniacSprzedazNiePodlegajacaVat', '2020-01-01 00:00:00', '1');
COMMIT;
)sql";
}

}  // namespace tlx::host
