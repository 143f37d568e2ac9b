-- The demo company: a few employees with employment records and payrolls, company settings and one
-- bank event, enough to calculate and export the bundled declarations. Run after company.sql.

BEGIN;

INSERT INTO Firma (Fir_Numer, Fir_Symbol, Fir_Wartosc) VALUES
    (1, 'Nazwa', 'Przykładowa Spółka z o.o.'),
    (2, 'NIP', '5260250274'),
    (3, 'REGON', '012345675'),
    (1204, 'RodzajKsiegowosci', '2');

INSERT INTO PracKod (Pra_PraID, Pra_ParentID, Pra_Nadrzedny, Pra_Kod) VALUES
    (1, NULL, 0, 'P001'),
    (2, NULL, 1, 'P002'),
    (3, 2, 0, 'P002/1'),
    (4, NULL, 0, 'P004');

INSERT INTO PracEtaty (PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_Nazwisko, PRE_Imie1, PRE_Pesel, PRE_KodFEP,
                       PRE_ETAEtatL, PRE_ETAEtatM, PRE_PrawoER, PRE_StNiepelnosp, PRE_UBZTyuId, PRE_UBZZusOd,
                       PRE_ZatrudnionyOd, PRE_ZatrudnionyDo) VALUES
    (1, '2020-01-01 00:00:00', '2999-12-31 00:00:00', 'Kowalski', 'Jan', '80010112345', 0, 1, 1, 0, 0, 110,
     '2020-01-01 00:00:00', '2020-01-01 00:00:00', NULL),
    (2, '2021-03-01 00:00:00', '2999-12-31 00:00:00', 'Nowak', 'Anna', '85050554321', 0, 1, 2, 0, 2, 110,
     '2021-03-01 00:00:00', '2021-03-01 00:00:00', NULL),
    (3, '2024-03-01 00:00:00', '2999-12-31 00:00:00', 'Nowak', 'Anna', '85050554321', 0, 1, 1, 0, 2, 411,
     '2024-03-01 00:00:00', '2024-03-01 00:00:00', NULL),
    (4, '2024-03-01 00:00:00', '2999-12-31 00:00:00', 'Wiśniewski', 'Piotr', '90020298765', 0, 1, 1, 0, 0, 110,
     '2024-03-01 00:00:00', '2024-03-01 00:00:00', NULL);

INSERT INTO ListyPlac (LPL_LplId, LPL_Rok, LPL_Miesiac, LPL_DataOd, LPL_DataDo, LPL_Nazwa) VALUES
    (1, 2024, 3, '2024-03-01 00:00:00', '2024-03-31 00:00:00', 'Etat 03/2024');

INSERT INTO TypWyplata (TWP_TwpId, TWP_PdzId, TWP_Nazwa, Twp_Standardowy) VALUES
    (1, NULL, 'Wynagrodzenie zasadnicze', 1),
    (2, 311, 'Zasiłek chorobowy', 0);

INSERT INTO Wyplaty (WPL_WplId, WPL_PraId, WPL_LplId, WPL_Rok, WPL_Miesiac, WPL_Tryb, WPL_Kwota) VALUES
    (1, 1, 1, 2024, 3, 0, 5000),
    (2, 2, 1, 2024, 3, 0, 4200),
    (3, 3, 1, 2024, 3, 0, 1200),
    (4, 4, 1, 2024, 3, 0, 4300);

INSERT INTO WypElementy (WPE_WplId, WPE_TwpId, WPE_Wartosc) VALUES
    (1, 1, 5000), (2, 1, 3800), (2, 2, 400), (3, 1, 1200), (4, 1, 4300);

INSERT INTO DokDefinicje (DDf_Klasa, DDf_Symbol, DDf_Nazwa, DDf_Numeracja) VALUES
    (600, 'DEK', 'Deklaracja', '@symbol/@numer/@rok_kal');

INSERT INTO ZapisyKPR (KPR_RokMies, KPR_DataOpe, KPR_Sprzedaz, KPR_Towary, KPR_Reklama, KPR_Zrodlo) VALUES
    (202401, '2024-01-31 00:00:00', 12000, 4000, 50, 1),
    (202402, '2024-02-29 00:00:00', 15000, 5000, 80, 1),
    (202403, '2024-03-31 00:00:00', 14000, 6000, 20, 1);

INSERT INTO DeklZaklady (DkZ_NazwaPelna, DkZ_NazwaSkrocona, DkZ_NIP, DkZ_Miasto, DkZ_KodP) VALUES
    ('Przykładowa Spółka z o.o. - zakład główny', 'Zakład główny', '5260250274', 'Warszawa', '00-001');

COMMIT;
