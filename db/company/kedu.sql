-- KEDU packages: named, dated groups of ZUS declarations sent as one file.

PRAGMA foreign_keys = ON;
BEGIN;

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

COMMIT;
