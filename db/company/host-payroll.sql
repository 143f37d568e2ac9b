-- The host's payroll: employee cards and their dated records, payroll lists, payouts, their elements
-- and links, payout types, benefit codes, civil-law contracts, absences and their types, dated entries
-- and their types, the voivodeship lookup, the monthly tax figures and the family members of an employee.
-- Dates are whole days; a period's end (…DataDo) is its last day, NULL when it is open.

PRAGMA foreign_keys = ON;
BEGIN;

CREATE TABLE PracKod (
    Pra_PraID INTEGER PRIMARY KEY,
    Pra_ParentID INT,                       -- the main card of a secondary card
    Pra_Nadrzedny INT NOT NULL DEFAULT 0,
    Pra_Kod VARCHAR(20),
    Pra_Archiwalny INT NOT NULL DEFAULT 0,
    Pra_WlascicielID INT                    -- the owner a cooperating person's contributions are filed with
);
CREATE INDEX PracKod_Parent ON PracKod (Pra_ParentID);
CREATE INDEX PracKod_Wlasciciel ON PracKod (Pra_WlascicielID);

CREATE TABLE PracEtaty (
    PRE_PreId INTEGER PRIMARY KEY,
    PRE_PraId INT NOT NULL,
    PRE_DataOd DATETIME,                    -- validity of the record
    PRE_DataDo DATETIME,
    PRE_Nazwisko VARCHAR(50),
    PRE_Imie1 VARCHAR(30),
    PRE_Imie2 VARCHAR(30),
    PRE_Plec VARCHAR(1),
    PRE_Pesel VARCHAR(11),
    PRE_NIP VARCHAR(13),
    PRE_DowodNr VARCHAR(20),
    PRE_Paszport VARCHAR(20),
    PRE_DataUr DATETIME,
    PRE_Zawod VARCHAR(50),
    PRE_KodWyksztal VARCHAR(10),
    PRE_RodzajDokumentu INT NOT NULL DEFAULT 0,
    PRE_Nierezydent INT NOT NULL DEFAULT 0,
    PRE_NipZagraniczny VARCHAR(30),
    PRE_Ulica VARCHAR(60),
    PRE_NrDomu VARCHAR(10),
    PRE_NrLokalu VARCHAR(10),
    PRE_Miasto VARCHAR(40),
    PRE_KodPocztowy VARCHAR(10),
    PRE_Poczta VARCHAR(40),
    PRE_Gmina VARCHAR(40),
    PRE_Powiat VARCHAR(40),
    PRE_Wojewodztwo VARCHAR(40),
    PRE_Kraj VARCHAR(40),
    PRE_RodzajMiejscowosci INT NOT NULL DEFAULT 0,
    -- the address of residence (ZAM) and for correspondence (KOR), when they differ from the address above
    PRE_ZAMUlica VARCHAR(60),
    PRE_ZAMNrDomu VARCHAR(10),
    PRE_ZAMNrLokalu VARCHAR(10),
    PRE_ZAMMiasto VARCHAR(40),
    PRE_ZAMKodPocztowy VARCHAR(10),
    PRE_ZAMPoczta VARCHAR(40),
    PRE_ZAMGmina VARCHAR(40),
    PRE_ZAMPowiat VARCHAR(40),
    PRE_ZAMWojewodztwo VARCHAR(40),
    PRE_ZAMKraj VARCHAR(40),
    PRE_KORUlica VARCHAR(60),
    PRE_KORNrDomu VARCHAR(10),
    PRE_KORNrLokalu VARCHAR(10),
    PRE_KORMiasto VARCHAR(40),
    PRE_KORKodPocztowy VARCHAR(10),
    PRE_KORPoczta VARCHAR(40),
    PRE_KORGmina VARCHAR(40),
    PRE_KORPowiat VARCHAR(40),
    PRE_KORWojewodztwo VARCHAR(40),
    PRE_KORKraj VARCHAR(40),
    PRE_Telefon VARCHAR(20),
    PRE_Obywatelstwo VARCHAR(22),
    PRE_NazwiskoRodowe VARCHAR(50),
    PRE_OddzialNFZ VARCHAR(3),             -- the health fund's branch, as "07R"
    PRE_DataZwolnienia DATETIME,
    PRE_DataGraniczna DATETIME,
    PRE_RodzajZapisu INT NOT NULL DEFAULT 0,
    PRE_Wylaczony INT NOT NULL DEFAULT 0,
    PRE_BezZerowegoRCA INT NOT NULL DEFAULT 0,
    PRE_KodFEP INT NOT NULL DEFAULT 0,
    PRE_FEPOd DATETIME,
    PRE_FEPDo DATETIME,
    PRE_ETAEtatL INT NOT NULL DEFAULT 1,
    PRE_ETAEtatM INT NOT NULL DEFAULT 1,
    PRE_ETAEtatM2 INT NOT NULL DEFAULT 0,
    PRE_ETARodzajUmowy VARCHAR(40),
    PRE_ETADataWymiaru DATETIME,
    PRE_WlasnaStopa INT NOT NULL DEFAULT 0,
    PRE_StopaWypadkowa FLOAT NOT NULL DEFAULT 0,
    PRE_WymAltAktywny INT NOT NULL DEFAULT 0,
    PRE_WymAltL INT NOT NULL DEFAULT 0,
    PRE_WymAltM INT NOT NULL DEFAULT 0,
    PRE_PrawoER INT NOT NULL DEFAULT 0,
    PRE_StNiepelnosp INT NOT NULL DEFAULT 0,
    PRE_UBZTyuId INT,                       -- four-digit insurance title
    PRE_UBZZusOd DATETIME,
    PRE_UBZWypadkowe INT NOT NULL DEFAULT 1,
    PRE_UBZDataWyrej DATETIME,
    -- 0 not insured, 1 compulsorily, 2 voluntarily: pension, disability-pension, sickness, health
    PRE_UBZEmerytalne INT NOT NULL DEFAULT 1,
    PRE_UBZRentowe INT NOT NULL DEFAULT 1,
    PRE_UBZChorobowe INT NOT NULL DEFAULT 1,
    PRE_UBZZdrowotne INT NOT NULL DEFAULT 1,
    PRE_UBZKodWyrej VARCHAR(3),             -- the reason code of the deregistration
    PRE_LimitPodstawy MONEY NOT NULL DEFAULT 0,
    PRE_LimitRok INT NOT NULL DEFAULT 0,
    PRE_LimitMiesiac INT NOT NULL DEFAULT 0,
    PRE_StatusTytulu INT NOT NULL DEFAULT 0,
    PRE_PomocPubliczna INT NOT NULL DEFAULT 0,
    PRE_ZatrWzrostNetto INT NOT NULL DEFAULT 0,
    PRE_ZatrRozwUmowy INT NOT NULL DEFAULT 0,
    PRE_PelneInformacje INT NOT NULL DEFAULT 0,
    PRE_ZatrudnionyOd DATETIME,             -- the employment the record covers
    PRE_ZatrudnionyDo DATETIME
);
CREATE INDEX PracEtaty_Pra ON PracEtaty (PRE_PraId, PRE_DataOd);

-- The family members of an employee's card whom he reports for health insurance.
CREATE TABLE PracRodzina (
    PRR_PrrId INTEGER PRIMARY KEY,
    PRR_PraId INT NOT NULL,
    PRR_Nazwisko VARCHAR(50),
    PRR_Imie VARCHAR(30),
    PRR_Pesel VARCHAR(11),
    PRR_NIP VARCHAR(13),
    PRR_DowodNr VARCHAR(20),
    PRR_Paszport VARCHAR(20),
    PRR_DataUr DATETIME,
    PRR_Pokrewienstwo VARCHAR(2),           -- the ZUS kinship code, as "11" for a child
    PRR_NaUtrzymaniu INT NOT NULL DEFAULT 0,     -- remains dependent on the employee
    PRR_WspolneGospodarstwo INT NOT NULL DEFAULT 0,
    PRR_Niepelnosprawnosc VARCHAR(1),       -- the ZUS disability code, empty when none
    PRR_Ulica VARCHAR(60),
    PRR_NrDomu VARCHAR(10),
    PRR_NrLokalu VARCHAR(10),
    PRR_Miasto VARCHAR(40),
    PRR_KodPocztowy VARCHAR(10),
    PRR_Poczta VARCHAR(40),
    PRR_Gmina VARCHAR(40),
    PRR_Powiat VARCHAR(40),
    PRR_Wojewodztwo VARCHAR(40),
    PRR_Kraj VARCHAR(40)
);
CREATE INDEX PracRodzina_Pra ON PracRodzina (PRR_PraId);

CREATE TABLE ListyPlac (
    LPL_LplId INTEGER PRIMARY KEY,
    LPL_Rok INT NOT NULL,                   -- the declaration month
    LPL_Miesiac INT NOT NULL,
    LPL_DataOd DATETIME,                    -- the list's period
    LPL_DataDo DATETIME,
    LPL_Nazwa VARCHAR(100),
    LPL_Typ INT NOT NULL DEFAULT 1,         -- 2: payouts of civil-law contracts
    LPL_Rodzaj INT NOT NULL DEFAULT 0,
    LPL_DataWyplaty DATETIME,
    LPL_DataListy DATETIME,
    LPL_DDfId INT,
    LPL_Opis VARCHAR(255)
);

CREATE TABLE Wyplaty (
    WPL_WplId INTEGER PRIMARY KEY,
    WPL_PraId INT NOT NULL,
    WPL_LplId INT,
    WPL_Rok INT NOT NULL,
    WPL_Miesiac INT NOT NULL,
    WPL_Tryb INT NOT NULL DEFAULT 0,
    WPL_Aktywna INT NOT NULL DEFAULT 1,
    WPL_Kwota MONEY
);
CREATE INDEX Wyplaty_Pra ON Wyplaty (WPL_PraId);
CREATE INDEX Wyplaty_Lpl ON Wyplaty (WPL_LplId);

CREATE TABLE KodySwiadczen (
    Pdz_PdzId INTEGER PRIMARY KEY,          -- the code itself
    Pdz_Kod INT NOT NULL,
    Pdz_Nazwa VARCHAR(100),
    Pdz_MiesiacKoncaOkresu INT NOT NULL DEFAULT 0,
    Pdz_ZUbezpChorobowego INT NOT NULL DEFAULT 0,
    Pdz_ZUbezpWypadkowego INT NOT NULL DEFAULT 0,
    Pdz_RegulaWiersza INT NOT NULL DEFAULT 0
);

CREATE TABLE TypWyplata (
    TWP_TwpId INTEGER PRIMARY KEY,
    TWP_PdzId INT,                          -- benefit code
    TWP_Nazwa VARCHAR(100),
    Twp_Standardowy INT NOT NULL DEFAULT 0,
    TWP_Numer INT NOT NULL DEFAULT 0,
    TWP_Kod INT NOT NULL DEFAULT 0,
    TWP_Rodzaj INT NOT NULL DEFAULT 0,
    TWP_RodzajRaportu INT NOT NULL DEFAULT 0,
    TWP_Cecha1 INT NOT NULL DEFAULT 0,
    TWP_Cecha2 INT NOT NULL DEFAULT 0,
    TWP_DataWiersza DATETIME
);

CREATE TABLE WypElementy (
    WPE_WpeId INTEGER PRIMARY KEY,
    WPE_WplId INT NOT NULL,
    WPE_TwpId INT,
    WPE_Wartosc MONEY,
    WPE_Rodzaj INT NOT NULL DEFAULT 1,
    WPE_RodzajSkladnika INT NOT NULL DEFAULT 0,
    WPE_PdzId INT,
    WPE_Znacznik INT NOT NULL DEFAULT 0,
    WPE_Znacznik2 INT NOT NULL DEFAULT 0,
    WPE_Flagi INT NOT NULL DEFAULT 0,
    WPE_DataOd DATETIME,
    WPE_DataDo DATETIME,
    WPE_KodTytulu INT NOT NULL DEFAULT 0,   -- six digits, 0 none
    WPE_ZusZnacznik INT NOT NULL DEFAULT 0,
    WPE_Kwota1 MONEY NOT NULL DEFAULT 0, WPE_Kwota2 MONEY NOT NULL DEFAULT 0,
    WPE_Kwota3 MONEY NOT NULL DEFAULT 0, WPE_Kwota4 MONEY NOT NULL DEFAULT 0,
    WPE_Kwota5 MONEY NOT NULL DEFAULT 0, WPE_Kwota6 MONEY NOT NULL DEFAULT 0,
    WPE_Kwota7 MONEY NOT NULL DEFAULT 0, WPE_Kwota8 MONEY NOT NULL DEFAULT 0,
    WPE_Kwota9 MONEY NOT NULL DEFAULT 0, WPE_Kwota10 MONEY NOT NULL DEFAULT 0,
    WPE_Kwota11 MONEY NOT NULL DEFAULT 0, WPE_Kwota12 MONEY NOT NULL DEFAULT 0,
    WPE_Kwota13 MONEY NOT NULL DEFAULT 0, WPE_Kwota14 MONEY NOT NULL DEFAULT 0,
    WPE_Kwota15 MONEY NOT NULL DEFAULT 0, WPE_Kwota16 MONEY NOT NULL DEFAULT 0,
    WPE_Kwota17 MONEY NOT NULL DEFAULT 0, WPE_Kwota18 MONEY NOT NULL DEFAULT 0,
    WPE_Kwota19 MONEY NOT NULL DEFAULT 0, WPE_Kwota20 MONEY NOT NULL DEFAULT 0,
    WPE_KwotaFP MONEY NOT NULL DEFAULT 0,
    WPE_KwotaFGSP MONEY NOT NULL DEFAULT 0
);
CREATE INDEX WypElementy_Wpl ON WypElementy (WPE_WplId);

CREATE TABLE TypyNieobecnosci (
    TNB_TnbId INTEGER PRIMARY KEY,
    TNB_Nazwa VARCHAR(100),
    TNB_Kategoria INT NOT NULL DEFAULT 0,
    TNB_PdzId INT,
    TNB_Znacznik INT NOT NULL DEFAULT 0
);

CREATE TABLE Nieobecnosci (
    NBA_NbaId INTEGER PRIMARY KEY,
    NBA_PraId INT NOT NULL,
    NBA_TnbId INT NOT NULL,
    NBA_PdzId INT,                          -- the code it is paid under; the type's when NULL
    NBA_DataOd DATETIME NOT NULL,
    NBA_DataDo DATETIME NOT NULL,
    NBA_Tryb INT NOT NULL DEFAULT 0,
    NBA_Znacznik INT NOT NULL DEFAULT 0,
    NBA_Znacznik2 INT NOT NULL DEFAULT 0,
    NBA_Opis VARCHAR(100)                   -- the record's description: the sick-leave certificate's number
);
CREATE INDEX Nieobecnosci_Pra ON Nieobecnosci (NBA_PraId);

CREATE TABLE Umowy (
    UMW_UmwId INTEGER PRIMARY KEY,
    UMW_PraId INT NOT NULL,
    UMW_DataOd DATETIME,
    UMW_DataDo DATETIME,
    UMW_UBZTyuId INT NOT NULL DEFAULT 411,
    UMW_UBZWypadkowe INT NOT NULL DEFAULT 1,
    UMW_UBZDataWyrej DATETIME
);
CREATE INDEX Umowy_Pra ON Umowy (UMW_PraId);

CREATE TABLE WypElementyLinki (
    WEL_WelId INTEGER PRIMARY KEY,
    WEL_WpeId INT NOT NULL,
    WEL_ZrodloId INT NOT NULL DEFAULT 0,
    WEL_ZrodloRodzaj INT NOT NULL DEFAULT 0, -- 8: a civil-law contract (Umowy)
    WEL_DataOd DATETIME,
    WEL_DataDo DATETIME,
    WEL_NbaId INT
);
CREATE INDEX WypElementyLinki_Wpe ON WypElementyLinki (WEL_WpeId);
-- The links to one source (a contract's elements of a month are found from the contract).
CREATE INDEX WypElementyLinki_Zrodlo ON WypElementyLinki (WEL_ZrodloRodzaj, WEL_ZrodloId);

CREATE TABLE TypyOkresow (
    TOK_TokId INTEGER PRIMARY KEY,
    TOK_Nazwa VARCHAR(100),
    TOK_Rodzaj INT NOT NULL DEFAULT 0,
    TOK_KodTypu INT NOT NULL DEFAULT 999
);

CREATE TABLE OkresyPracownika (
    OKP_OkpId INTEGER PRIMARY KEY,
    OKP_PraId INT NOT NULL,
    OKP_TokId INT NOT NULL,
    OKP_DataOd DATETIME NOT NULL,
    OKP_DataDo DATETIME,
    OKP_Znacznik INT NOT NULL DEFAULT 0
);
CREATE INDEX OkresyPracownika_Pra ON OkresyPracownika (OKP_PraId);

CREATE TABLE Wojewodztwa (
    WOJ_WojId INTEGER PRIMARY KEY,
    WOJ_Nazwa VARCHAR(40) NOT NULL,
    WOJ_Kod VARCHAR(2) NOT NULL
);
INSERT INTO Wojewodztwa (WOJ_WojId, WOJ_Nazwa, WOJ_Kod) VALUES
    (1, 'dolnośląskie', '02'), (2, 'kujawsko-pomorskie', '04'), (3, 'lubelskie', '06'),
    (4, 'lubuskie', '08'), (5, 'łódzkie', '10'), (6, 'małopolskie', '12'), (7, 'mazowieckie', '14'),
    (8, 'opolskie', '16'), (9, 'podkarpackie', '18'), (10, 'podlaskie', '20'), (11, 'pomorskie', '22'),
    (12, 'śląskie', '24'), (13, 'świętokrzyskie', '26'), (14, 'warmińsko-mazurskie', '28'),
    (15, 'wielkopolskie', '30'), (16, 'zachodniopomorskie', '32');

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
