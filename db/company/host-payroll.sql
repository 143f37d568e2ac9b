-- The host's payroll: employees with their dated records, payroll lists, payouts and their elements,
-- payout types, contracts, and the monthly tax figures of an employee.

PRAGMA foreign_keys = ON;
BEGIN;

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
