-- The configuration database: the host's operators and company databases. Connections attach the
-- file as schema TLX, like a company database.

BEGIN;

CREATE TABLE Operatorzy (
    Ope_OpeID INTEGER PRIMARY KEY,
    Ope_Kod VARCHAR(20) NOT NULL,
    Ope_Nazwisko VARCHAR(50),
    Ope_Nieaktywny INT NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX Operatorzy_Kod ON Operatorzy (Ope_Kod);

CREATE TABLE Bazy (
    Baz_BazID INTEGER PRIMARY KEY,
    Baz_Nazwa VARCHAR(50) NOT NULL,
    Baz_Plik VARCHAR(255)
);
CREATE UNIQUE INDEX Bazy_Nazwa ON Bazy (Baz_Nazwa);

INSERT INTO Operatorzy (Ope_OpeID, Ope_Kod, Ope_Nazwisko) VALUES (1, 'ADMIN', 'Administrator');

COMMIT;
