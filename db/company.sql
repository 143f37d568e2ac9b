-- A company database: the declarations module's tables and the host tables its statements read.
-- Run on an empty SQLite file; connections attach the file as schema TLX. Column types keep their
-- SQL Server names (INT, MONEY, DATETIME, VARCHAR(n), TEXT), which the ADO layer maps; DATETIME
-- values are stored as 'YYYY-MM-DD HH:MM:SS' text. Identity keys are INTEGER PRIMARY KEY; the module's own
-- tables add AUTOINCREMENT, so that the key of a deleted row is never given to a new one.

PRAGMA foreign_keys = ON;
BEGIN;

-- Declarations ------------------------------------------------------------------------------------

CREATE TABLE DeklKedu (
    Dkk_DkkId INTEGER PRIMARY KEY AUTOINCREMENT,
    Dkk_Nazwa VARCHAR(50) NOT NULL DEFAULT '',
    Dkk_Data DATETIME,
    Dkk_Opis VARCHAR(255),
    Dkk_Zablokowana INT NOT NULL DEFAULT 0,
    Dkk_OpeZalId INT,
    Dkk_TS_Zal DATETIME,
    Dkk_OpeModId INT,
    Dkk_TS_Mod DATETIME
);

CREATE TABLE DeklNag (
    DkN_DkNID INTEGER PRIMARY KEY AUTOINCREMENT,
    DkN_TypDeklar INT NOT NULL,
    DkN_Wersja INT NOT NULL DEFAULT 1,
    DkN_Numer INT NOT NULL DEFAULT 0,
    DkN_RokMiesiac INT,
    DkN_Zablokowana INT NOT NULL DEFAULT 0,
    DkN_Finalna INT NOT NULL DEFAULT 0,
    DkN_Korekta INT NOT NULL DEFAULT 0,
    DkN_ParentID INT,
    DkN_PraID INT,
    DkN_DkkID INT,
    DkN_PreDekId INT,
    DkN_DekId INT,
    DkN_Data DATETIME,
    DkN_DataDok DATETIME,
    DkN_Opis VARCHAR(255),
    DkN_OpeZalId INT,
    DkN_TS_Zal DATETIME,
    DkN_OpeModId INT,
    DkN_TS_Mod DATETIME,
    DkN_EDekl_RefID VARCHAR(100),
    DkN_EDekl_Status INT DEFAULT 0,
    DkN_EDekl_StatusOpis VARCHAR(1024),
    DkN_EDekl_StatusPrzetwarzania INT,
    DkN_EDekl_Podmiot VARCHAR(255),
    DkN_EDekl_DokumentID VARCHAR(100),
    DkN_EDekl_DataWplyniecia VARCHAR(50),
    DkN_EDekl_SkrotDokumentu VARCHAR(255),
    DkN_EDekl_SkrotStruktury VARCHAR(255),
    DkN_EDekl_StrukturaLogiczna VARCHAR(255),
    DkN_EDekl_NIP1 VARCHAR(20),
    DkN_EDekl_NIP2 VARCHAR(20),
    DkN_EDekl_StempelCzasu VARCHAR(255),
    DkN_EDekl_SigningTime VARCHAR(50),
    DkN_EDekl_DataWyslania DATETIME,
    DkN_EDekl_DataOdebraniaUPO DATETIME,
    DkN_EDekl_OperatorWysylajacy INT,
    DkN_EDekl_OperatorPobierajacyUPO INT,
    DkN_EDekl_KodUrzedu VARCHAR(10),
    DkN_ImportRowID VARCHAR(50),
    DkN_ConstNIP VARCHAR(20)
);
CREATE INDEX DeklNag_Typ ON DeklNag (DkN_TypDeklar, DkN_PraID);
CREATE INDEX DeklNag_Parent ON DeklNag (DkN_ParentID);
CREATE INDEX DeklNag_Kedu ON DeklNag (DkN_DkkID);

CREATE TABLE DeklStr (
    DkS_DkSID INTEGER PRIMARY KEY AUTOINCREMENT,
    DkS_DkNID INT NOT NULL,
    DkS_Lp INT NOT NULL DEFAULT 0,
    DkS_Tekst TEXT
);
CREATE INDEX DeklStr_Dekl ON DeklStr (DkS_DkNID);

CREATE TABLE DeklElem (
    DkE_DkEID INTEGER PRIMARY KEY AUTOINCREMENT,
    DkE_DkNID INT NOT NULL,
    DkE_Numer INT NOT NULL DEFAULT 0,
    DkE_WartoscL MONEY,
    DkE_WartoscM MONEY,
    DkE_WartoscTekst VARCHAR(1024),
    DkE_Opis VARCHAR(255),
    DkE_Typ INT
);
CREATE INDEX DeklElem_Dekl ON DeklElem (DkE_DkNID, DkE_Numer);

CREATE TABLE DeklWydr (
    DkW_DkWID INTEGER PRIMARY KEY AUTOINCREMENT,
    DkW_DkNID INT NOT NULL,
    DkW_Rubryka INT,
    DkW_SubRubryka INT,
    DkW_Opis VARCHAR(255),
    DkW_Wartosc VARCHAR(255)
);
CREATE INDEX DeklWydr_Dekl ON DeklWydr (DkW_DkNID);

CREATE TABLE DeklVUEK (
    DVU_DVUID INTEGER PRIMARY KEY AUTOINCREMENT,
    DVU_DkNID INT NOT NULL,
    DVU_Typ INT NOT NULL,
    DVU_LP INT,
    DVU_ZNumer INT,
    DVU_ByloJest INT,
    DVU_ByloJestString VARCHAR(20),
    DVU_NIP VARCHAR(20),
    DVU_Kraj VARCHAR(2),
    DVU_Kwota MONEY,
    DVU_TT INT,
    DVU_TTString VARCHAR(20)
);
CREATE INDEX DeklVUEK_Dekl ON DeklVUEK (DVU_DkNID, DVU_Typ);

CREATE TABLE DeklV27 (
    V27_V27ID INTEGER PRIMARY KEY AUTOINCREMENT,
    V27_DkNID INT NOT NULL,
    V27_Typ INT NOT NULL,
    V27_LP INT,
    V27_Numer INT,
    V27_Nazwa VARCHAR(255),
    V27_NIP VARCHAR(20),
    V27_Kwota MONEY,
    V27_Zmiana INT
);
CREATE INDEX DeklV27_Dekl ON DeklV27 (V27_DkNID, V27_Typ);

CREATE TABLE DeklV27K (
    DVK_DVKID INTEGER PRIMARY KEY AUTOINCREMENT,
    DVK_DkNID INT NOT NULL,
    DVK_Typ INT NOT NULL,
    DVK_LP INT,
    DVK_Numer INT,
    DVK_Nazwa VARCHAR(255),
    DVK_NIP VARCHAR(20),
    DVK_Kwota MONEY,
    DVK_Zmiana INT
);
CREATE INDEX DeklV27K_Dekl ON DeklV27K (DVK_DkNID, DVK_Typ);

CREATE TABLE VATZD (
    VaZ_VaZId INTEGER PRIMARY KEY AUTOINCREMENT,
    VaZ_DkNId INT,
    VaZ_VaNId INT,
    VaZ_TrNId INT,
    VaZ_Typ INT NOT NULL DEFAULT 1,
    VaZ_Bufor INT NOT NULL DEFAULT 0,
    VaZ_KntNazwa1 VARCHAR(255),
    VaZ_KntNazwa2 VARCHAR(255),
    VaZ_KntNazwa3 VARCHAR(255),
    VaZ_KntNipE VARCHAR(20),
    VaZ_Dokument VARCHAR(50),
    VaZ_DataWys DATETIME,
    VaZ_Termin DATETIME,
    VaZ_RazemNetto MONEY,
    VaZ_RazemVAT MONEY,
    VaZ_RazemBrutto MONEY,
    VaZ_RodzajZakupu INT,
    VaZ_Odliczenia INT,
    VaZ_Flaga INT,
    VaZ_Stawka MONEY,
    VaZ_Netto MONEY,
    VaZ_VAT MONEY,
    VaZ_Brutto MONEY,
    VaZ_SumaKwotZdarzen MONEY,
    VaZ_SumaKwotRozliczen MONEY,
    VaZ_KorektaNetto MONEY,
    VaZ_KorektaVAT MONEY,
    VaZ_DoRoliczeniaNaDzienObliczenia MONEY,
    VaZ_RoliczonoNaDzienObliczenia MONEY
);
CREATE INDEX VATZD_Dekl ON VATZD (VaZ_DkNId);

CREATE TABLE DeklZaklady (
    DkZ_DkZID INTEGER PRIMARY KEY AUTOINCREMENT,
    DkZ_NazwaPelna VARCHAR(255),
    DkZ_NazwaSkrocona VARCHAR(50),
    DkZ_NIP VARCHAR(20),
    DkZ_REGON VARCHAR(20),
    DkZ_LiczbaZatrudnionych INT,
    DkZ_DataRozpDzial DATETIME,
    DkZ_Kraj VARCHAR(50),
    DkZ_Wojewodztwo VARCHAR(50),
    DkZ_Powiat VARCHAR(50),
    DkZ_Gmina VARCHAR(50),
    DkZ_KodGminy VARCHAR(10),
    DkZ_Ulica VARCHAR(100),
    DkZ_NrDomu VARCHAR(20),
    DkZ_NrLokalu VARCHAR(20),
    DkZ_Miasto VARCHAR(50),
    DkZ_KodP VARCHAR(10),
    DkZ_Poczta VARCHAR(50),
    DkZ_Nieaktywny INT NOT NULL DEFAULT 0,
    DkZ_UwzgledniajNaCITST INT NOT NULL DEFAULT 0,
    DkZ_UwzgledniajNaCITSTA INT NOT NULL DEFAULT 0,
    DkZ_OpeZalId INT,
    DkZ_TS_Zal DATETIME,
    DkZ_OpeModId INT,
    DkZ_TS_Mod DATETIME
);

CREATE TABLE RptObrazy2 (
    RPO2_RPO2ID INTEGER PRIMARY KEY AUTOINCREMENT,
    RPO2_ZrodloID INT,
    RPO2_RpWID INT,
    RPO2_RpFID INT,
    RPO2_Rozmiar INT,
    RPO2_DokumentTyp INT,
    RPO2_DokumentID INT,
    RPO2_Nazwa VARCHAR(255)
);
CREATE INDEX RptObrazy2_Dok ON RptObrazy2 (RPO2_DokumentTyp, RPO2_DokumentID);

-- Host tables the module reads --------------------------------------------------------------------

CREATE TABLE Firma (
    Fir_FirID INTEGER PRIMARY KEY,
    Fir_Numer INT NOT NULL,
    Fir_Symbol VARCHAR(50),
    Fir_Wartosc VARCHAR(255)
);
CREATE UNIQUE INDEX Firma_Numer ON Firma (Fir_Numer);

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

CREATE TABLE PracKod (
    Pra_PraID INTEGER PRIMARY KEY,
    Pra_ParentID INT,
    Pra_Nadrzedny INT NOT NULL DEFAULT 0,
    Pra_Kod VARCHAR(20),
    Pra_Archiwalny INT NOT NULL DEFAULT 0
);

CREATE TABLE PracEtaty (
    PRE_PreId INTEGER PRIMARY KEY,
    PRE_PraId INT NOT NULL,
    PRE_DataOd DATETIME,
    PRE_DataDo DATETIME,
    PRE_Nazwisko VARCHAR(50),
    PRE_Imie1 VARCHAR(30),
    PRE_Pesel VARCHAR(11),
    PRE_KodFEP INT NOT NULL DEFAULT 0,
    PRE_FEPOd DATETIME,
    PRE_FEPDo DATETIME,
    PRE_ETAEtatL INT NOT NULL DEFAULT 1,
    PRE_ETAEtatM INT NOT NULL DEFAULT 1,
    PRE_PrawoER INT NOT NULL DEFAULT 0,
    PRE_StNiepelnosp INT NOT NULL DEFAULT 0,
    PRE_UBZTyuId INT,
    PRE_UBZZusOd DATETIME,
    PRE_ZatrudnionyOd DATETIME,
    PRE_ZatrudnionyDo DATETIME
);
CREATE INDEX PracEtaty_Pra ON PracEtaty (PRE_PraId);

CREATE TABLE ListyPlac (
    LPL_LplId INTEGER PRIMARY KEY,
    LPL_Rok INT NOT NULL,
    LPL_Miesiac INT NOT NULL,
    LPL_DataOd DATETIME,
    LPL_DataDo DATETIME,
    LPL_Nazwa VARCHAR(100)
);

CREATE TABLE Wyplaty (
    WPL_WplId INTEGER PRIMARY KEY,
    WPL_PraId INT NOT NULL,
    WPL_LplId INT,
    WPL_Rok INT NOT NULL,
    WPL_Miesiac INT NOT NULL,
    WPL_Tryb INT NOT NULL DEFAULT 0,
    WPL_Kwota MONEY
);
CREATE INDEX Wyplaty_Pra ON Wyplaty (WPL_PraId);

CREATE TABLE TypWyplata (
    TWP_TwpId INTEGER PRIMARY KEY,
    TWP_PdzId INT,
    TWP_Nazwa VARCHAR(100),
    Twp_Standardowy INT NOT NULL DEFAULT 0
);

CREATE TABLE WypElementy (
    WPE_WpeId INTEGER PRIMARY KEY,
    WPE_WplId INT NOT NULL,
    WPE_TwpId INT,
    WPE_Wartosc MONEY
);
CREATE INDEX WypElementy_Wpl ON WypElementy (WPE_WplId);

CREATE TABLE Umowy (
    UMW_UmwId INTEGER PRIMARY KEY,
    UMW_PraId INT NOT NULL,
    UMW_DataOd DATETIME,
    UMW_DataDo DATETIME
);

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

CREATE TABLE PracPitMies (
    PPM_PPMId INTEGER PRIMARY KEY,
    PPM_PraId INT NOT NULL,
    PPM_Rok INT NOT NULL,
    PPM_Miesiac INT NOT NULL
);

CREATE TABLE PracPitKwoty (
    PPK_PPKId INTEGER PRIMARY KEY,
    PPK_PPMId INT NOT NULL,
    PPK_Numer INT NOT NULL,
    PPK_Wartosc VARCHAR(255)
);

COMMIT;
