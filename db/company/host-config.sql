-- The host's configuration store: values by key, and dated values by key and start date.

PRAGMA foreign_keys = ON;
BEGIN;

CREATE TABLE Konfiguracja (
    Kfg_KfgID INTEGER PRIMARY KEY,
    Kfg_Klucz VARCHAR(255) NOT NULL,
    Kfg_Wartosc TEXT
);
CREATE UNIQUE INDEX Konfiguracja_Klucz ON Konfiguracja (Kfg_Klucz);

CREATE TABLE KonfiguracjaParametry (
    Kfp_KfpID INTEGER PRIMARY KEY,
    Kfp_Klucz VARCHAR(255) NOT NULL,
    Kfp_DataOd DATETIME NOT NULL,
    Kfp_Wartosc TEXT
);

COMMIT;
