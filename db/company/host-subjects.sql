-- The host's subjects: the company's numbered data and the tax offices.

PRAGMA foreign_keys = ON;
BEGIN;

CREATE TABLE Firma (
    Fir_FirID INTEGER PRIMARY KEY,
    Fir_Numer INT NOT NULL,
    Fir_Symbol VARCHAR(50),
    Fir_Wartosc VARCHAR(255)
);
CREATE UNIQUE INDEX Firma_Numer ON Firma (Fir_Numer);

CREATE TABLE Urzedy (
    Urz_UrzID INTEGER PRIMARY KEY,
    Urz_Kod VARCHAR(10),
    Urz_Nazwa1 VARCHAR(100),
    Urz_Nazwa2 VARCHAR(100)
);

COMMIT;
