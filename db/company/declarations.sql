-- The declarations: headers, pages, stored values, printout lines, the VAT-UE/K, VAT-27 and VAT-ZD
-- side lists, establishments and the files kept with a declaration. The module's own tables use
-- AUTOINCREMENT, so that the key of a deleted row is never given to a new one.

PRAGMA foreign_keys = ON;
BEGIN;

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
-- The number of a declaration is one more than the highest of its form type and employee: found in
-- the index, without reading every declaration of the type.
CREATE INDEX DeklNag_Typ ON DeklNag (DkN_TypDeklar, DkN_PraID, DkN_Numer);
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

COMMIT;
