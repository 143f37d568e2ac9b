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
)sql";
}

}  // namespace tlx::host
