-- The host's accounting: payment events, document definitions, the tax book, currencies, payment
-- forms, posting entries, and the registers only the host reads (the flat-rate revenue register and the
-- monthly CIT figures, both by year*100+month).

PRAGMA foreign_keys = ON;
BEGIN;

CREATE TABLE BnkZdarzenia (
    BZd_BZdID INTEGER PRIMARY KEY,
    BZd_DokumentTyp INT NOT NULL,
    BZd_DokumentID INT NOT NULL,
    BZd_DataDok DATETIME,
    BZd_Termin DATETIME,
    BZd_Kwota MONEY,
    BZd_Opis VARCHAR(255)
);
CREATE INDEX BnkZdarzenia_Dok ON BnkZdarzenia (BZd_DokumentTyp, BZd_DokumentID);

CREATE TABLE DokDefinicje (
    DDf_DDfID INTEGER PRIMARY KEY,
    DDf_Klasa INT NOT NULL,
    DDf_Symbol VARCHAR(20) NOT NULL,
    DDf_Nazwa VARCHAR(255),
    DDf_Numeracja VARCHAR(255),
    DDf_ImportRowId VARCHAR(40),
    DDf_OpeZalId INT,
    DDf_TS_Zal DATETIME,
    DDf_OpeModId INT,
    DDf_TS_Mod DATETIME,
    DDf_SeriaOperatora INT NOT NULL DEFAULT 0
);

CREATE TABLE ZapisyKPR (
    KPR_KprId INTEGER PRIMARY KEY,
    KPR_RokMies INT NOT NULL,
    KPR_DataOpe DATETIME,
    KPR_Sprzedaz MONEY NOT NULL DEFAULT 0,
    KPR_Pozostale MONEY NOT NULL DEFAULT 0,
    KPR_Towary MONEY NOT NULL DEFAULT 0,
    KPR_Uboczne MONEY NOT NULL DEFAULT 0,
    KPR_Wynagrodz MONEY NOT NULL DEFAULT 0,
    KPR_Inne MONEY NOT NULL DEFAULT 0,
    KPR_Reklama MONEY NOT NULL DEFAULT 0,
    KPR_Zaszlosci MONEY,
    KPR_ZakID INT,
    KPR_Zrodlo INT NOT NULL DEFAULT 0,
    KPR_Skreslony INT NOT NULL DEFAULT 0,
    KPR_Bufor INT NOT NULL DEFAULT 0
);

CREATE TABLE Waluty (
    WNa_WNaID INTEGER PRIMARY KEY,
    WNa_Symbol VARCHAR(3),
    WNa_Nazwa VARCHAR(50)
);

CREATE TABLE FormyPlatnosci (
    FPl_FPlID INTEGER PRIMARY KEY,
    FPl_Nazwa VARCHAR(50),
    FPl_Termin INT,
    FPl_Zablokowana INT NOT NULL DEFAULT 0
);

CREATE TABLE Dekrety (
    DeK_DeKID INTEGER PRIMARY KEY,
    DeK_Bufor INT NOT NULL DEFAULT 1,
    DeK_DataDok DATETIME,
    DeK_DataOpe DATETIME,
    DeK_DataWys DATETIME,
    DeK_Dokument VARCHAR(50),
    DeK_DokumentTyp INT,
    DeK_DokumentID INT
);

CREATE TABLE DekretyElementy (
    DeE_DeEID INTEGER PRIMARY KEY,
    DeE_DeKID INT NOT NULL,
    DeE_Konto VARCHAR(30),
    DeE_Kwota MONEY
);

CREATE TABLE EwidRyczalt (
    ERy_ERyID INTEGER PRIMARY KEY,
    ERy_RokMies INT NOT NULL,
    ERy_DataOpe DATETIME,
    ERy_Przychod MONEY NOT NULL DEFAULT 0,
    ERy_Stawka MONEY NOT NULL DEFAULT 0,
    ERy_Skreslony INT NOT NULL DEFAULT 0,
    ERy_Bufor INT NOT NULL DEFAULT 0
);

CREATE TABLE DaneCIT (
    DCi_DCiID INTEGER PRIMARY KEY,
    DCi_RokMies INT NOT NULL,
    DCi_Przychod MONEY NOT NULL DEFAULT 0,
    DCi_PrzUzpTRP MONEY NOT NULL DEFAULT 0,
    DCi_KosztyReprezentacji MONEY NOT NULL DEFAULT 0,
    DCi_KosztyBezReklamy MONEY NOT NULL DEFAULT 0,
    DCi_KosztyPozaRP MONEY NOT NULL DEFAULT 0,
    DCi_Bufor INT NOT NULL DEFAULT 0
);

COMMIT;
