-- The demo company: settings, twenty employees with a year (2024) of payroll, and a few months of
-- accounting, enough to calculate and export the bundled declarations. Run after the company scripts.

BEGIN;

INSERT INTO Firma (Fir_Numer, Fir_Symbol, Fir_Wartosc) VALUES
    (1, 'Nazwa', 'Przykładowa Spółka z o.o.'),
    (2, 'NIP', '5260250274'),
    (3, 'REGON', '012345675'),
    (1204, 'RodzajKsiegowosci', '2');

-- The payroll of 2024: twenty cards, their dated records, contracts, absences and dated entries, and a
-- payroll list of employment and one of contracts for every month, with every element's ZUS amounts
-- worked out below at 2024's rates. What each card exercises (title, working time, disability degree
-- and pension right in the record; monthly gross):
--   1 P001 Jan Kowalski        0110, full time, 4 666.00 (the amounts checked by hand); a dated entry
--   2 P002 Anna Nowak          0110, 1/2, 2 500.00, moderate disability; main card of 3
--   3 P002/1 Anna Nowak        secondary card: contract of mandate 0411 (contract 1), 1 200.00
--   4 P004 Piotr Wiśniewski    0110, full time, 6 200.00, special work (KodFEP 4, FEP from 2023-01-01
--                              to 2024-09-30, a flagged dated entry), fixed-term employment to 2025-12-31
--   5 P005 Katarzyna Wójcik    0110, 3/4, 3 600.00, light disability
--   6 P006 Tomasz Lewandowski  0110, full time, 5 200.00, significant disability with a pension right;
--                              lives in a village
--   7 P007 Magdalena Kamińska  0110, full time, 4 900.00, light disability to 2024-06-30, moderate from
--                              2024-07-01 (two records)
--   8 P008 Marek Zieliński     0110, full time, 25 000.00: passes the annual pension base limit
--                              (234 720.00) in October; pension and disability bases 9 720.00 in
--                              October and none after, FP and FGŚP on the whole pay every month (the
--                              limit is the pension base's only); 32 % tax above 120 000.00
--   9 P009 Ewa Szymańska       contract of mandate 0411 (contract 2), 3 000.00; a second contract
--                              (4) from 2024-12-01 with no payout in December
--  10 P010 Krzysztof Woźniak   health-only contract 2211 with a pension right (contract 3), 1 500.00
--  11 P011 Agnieszka Dąbrowska the owner, 0510: declared base 4 694.40, health base 4 242.00
--  12 P012 Michał Wojciechowski starts work and insurance on 2024-05-06 (May 4 250.00), then 5 000.00
--  13 P013 Joanna Kowalczyk    leaves on 2024-08-15 (August 2 095.24), 4 400.00 before
--  14 P014 Paweł Jankowski     5 500.00; sick from 2024-02-05: sick pay (331) to 2024-03-08, then
--                              sickness allowance (313) to 2024-03-29
--  15 P015 Natalia Mazur       4 800.00; maternity 2024-04-15 to 2024-09-01: allowance (311) under
--                              title 1211 (records 0110, 1211, 0110)
--  16 P016 Łucja Żółkiewska    5 100.00; unpaid leave (111) 2024-06-10 to 2024-06-21
--  17 P017 Grzegorz Brzęczyszczykiewicz  4 300.00; childcare leave (121) all of November, title 1240
--                              on a base of 2 580.00 (records 0110, 1240, 0110)
--  18 P018 Robert Pawlak       5 000.00; accident at work: allowance from the accident insurance (321)
--                              2024-09-09 to 2024-09-20
--  19 P019 John Smith          4 500.00; a passport only, no PESEL or NIP
--  20 P020 Zofia Ślęzak        1/2, 2 400.00; no identifier at all; a dated entry left out (flag 1)
-- Rates: pension 9.76 % + 9.76 %, disability 1.5 % + 6.5 %, sickness 2.45 %, accident 1.67 %, FP 2.45 %
-- (when the month's base reaches the minimum wage: 4 242.00 to June, 4 300.00 from July), FGŚP 0.10 %,
-- FEP 1.5 %, health 9 % of the gross less the insured's social contributions; tax advance 12 % (32 %
-- above 120 000.00 a year) of the income less 250.00 costs (20 % on contracts), less 300.00 on
-- employment, in whole złoty, on the payout's first element. Sick pay 80 % and allowances 100 % of the
-- gross less 13.71 %, by thirtieths.

INSERT INTO PracKod (Pra_PraID, Pra_ParentID, Pra_Nadrzedny, Pra_Kod) VALUES
    (1, NULL, 0, 'P001'), (2, NULL, 1, 'P002'), (3, 2, 0, 'P002/1'), (4, NULL, 0, 'P004'), (5, NULL, 0, 'P005'),
    (6, NULL, 0, 'P006'), (7, NULL, 0, 'P007'), (8, NULL, 0, 'P008'), (9, NULL, 0, 'P009'), (10, NULL, 0, 'P010'),
    (11, NULL, 0, 'P011'), (12, NULL, 0, 'P012'), (13, NULL, 0, 'P013'), (14, NULL, 0, 'P014'), (15, NULL, 0, 'P015'),
    (16, NULL, 0, 'P016'), (17, NULL, 0, 'P017'), (18, NULL, 0, 'P018'), (19, NULL, 0, 'P019'), (20, NULL, 0, 'P020');

-- Records: an open record is valid to 2999-12-31; an open employment has no end.
INSERT INTO PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_Nazwisko, PRE_Imie1, PRE_Plec, PRE_Pesel,
                       PRE_NIP, PRE_DowodNr, PRE_DataUr, PRE_ETAEtatL, PRE_ETAEtatM, PRE_PrawoER, PRE_StNiepelnosp,
                       PRE_UBZTyuId, PRE_ZatrudnionyOd, PRE_ZatrudnionyDo) VALUES
    (10, 1, '2020-01-01 00:00:00', '2999-12-31 00:00:00', 'Kowalski', 'Jan', 'M', '80010112340', '5261040828',
     'ABC123456', '1980-01-01 00:00:00', 1, 1, 0, 0, 110, '2020-01-01 00:00:00', NULL),
    (20, 2, '2021-03-01 00:00:00', '2999-12-31 00:00:00', 'Nowak', 'Anna', 'K', '85050554327', NULL,
     'ABD234567', '1985-05-05 00:00:00', 1, 2, 0, 2, 110, '2021-03-01 00:00:00', NULL),
    (30, 3, '2024-01-01 00:00:00', '2999-12-31 00:00:00', 'Nowak', 'Anna', 'K', '85050554327', NULL,
     'ABD234567', '1985-05-05 00:00:00', 1, 1, 0, 2, 411, '2024-01-01 00:00:00', '2024-12-31 00:00:00'),
    (40, 4, '2023-01-01 00:00:00', '2999-12-31 00:00:00', 'Wiśniewski', 'Piotr', 'M', '90020298767', '5833012343',
     'ACE345678', '1990-02-02 00:00:00', 1, 1, 0, 0, 110, '2023-01-01 00:00:00', '2025-12-31 00:00:00'),
    (50, 5, '2019-09-01 00:00:00', '2999-12-31 00:00:00', 'Wójcik', 'Katarzyna', 'K', '77031545679', NULL,
     'AFG456789', '1977-03-15 00:00:00', 3, 4, 0, 1, 110, '2019-09-01 00:00:00', NULL),
    (60, 6, '2018-04-01 00:00:00', '2999-12-31 00:00:00', 'Lewandowski', 'Tomasz', 'M', '60090876549', '6771234561',
     'AHJ567890', '1960-09-08 00:00:00', 1, 1, 1, 3, 110, '2018-04-01 00:00:00', NULL),
    (70, 7, '2022-06-01 00:00:00', '2024-06-30 00:00:00', 'Kamińska', 'Magdalena', 'K', '88112233440', NULL,
     'AKL678901', '1988-11-22 00:00:00', 1, 1, 0, 1, 110, '2022-06-01 00:00:00', NULL),
    (71, 7, '2024-07-01 00:00:00', '2999-12-31 00:00:00', 'Kamińska', 'Magdalena', 'K', '88112233440', NULL,
     'AKL678901', '1988-11-22 00:00:00', 1, 1, 0, 2, 110, '2022-06-01 00:00:00', NULL),
    (80, 8, '2015-01-01 00:00:00', '2999-12-31 00:00:00', 'Zieliński', 'Marek', 'M', '82070765432', '8421567895',
     'AMN789012', '1982-07-07 00:00:00', 1, 1, 0, 0, 110, '2015-01-01 00:00:00', NULL),
    (90, 9, '2024-01-01 00:00:00', '2999-12-31 00:00:00', 'Szymańska', 'Ewa', 'K', '95121243214', NULL,
     'APR890123', '1995-12-12 00:00:00', 1, 1, 0, 0, 411, '2024-01-01 00:00:00', '2025-01-31 00:00:00'),
    (100, 10, '2024-01-01 00:00:00', '2999-12-31 00:00:00', 'Woźniak', 'Krzysztof', 'M', '61040456783', NULL,
     'ARS901234', '1961-04-04 00:00:00', 1, 1, 1, 0, 2211, '2024-01-01 00:00:00', '2024-12-31 00:00:00'),
    (110, 11, '2016-01-01 00:00:00', '2999-12-31 00:00:00', 'Dąbrowska', 'Agnieszka', 'K', '78121287657',
     '9512345675', 'ATU012345', '1978-12-12 00:00:00', 1, 1, 0, 0, 510, '2016-01-01 00:00:00', NULL),
    (120, 12, '2024-05-06 00:00:00', '2999-12-31 00:00:00', 'Wojciechowski', 'Michał', 'M', '88060667896', NULL,
     'AWY123456', '1988-06-06 00:00:00', 1, 1, 0, 0, 110, '2024-05-06 00:00:00', NULL),
    (130, 13, '2022-02-01 00:00:00', '2999-12-31 00:00:00', 'Kowalczyk', 'Joanna', 'K', '91090934560', NULL,
     'AXZ234567', '1991-09-09 00:00:00', 1, 1, 0, 0, 110, '2022-02-01 00:00:00', '2024-08-15 00:00:00'),
    (140, 14, '2017-05-01 00:00:00', '2999-12-31 00:00:00', 'Jankowski', 'Paweł', 'M', '87040476543', NULL,
     'BAC345678', '1987-04-04 00:00:00', 1, 1, 0, 0, 110, '2017-05-01 00:00:00', NULL),
    (150, 15, '2021-10-01 00:00:00', '2024-04-14 00:00:00', 'Mazur', 'Natalia', 'K', '93030365436', NULL,
     'BDE456789', '1993-03-03 00:00:00', 1, 1, 0, 0, 110, '2021-10-01 00:00:00', NULL),
    (151, 15, '2024-04-15 00:00:00', '2024-09-01 00:00:00', 'Mazur', 'Natalia', 'K', '93030365436', NULL,
     'BDE456789', '1993-03-03 00:00:00', 1, 1, 0, 0, 1211, '2021-10-01 00:00:00', NULL),
    (152, 15, '2024-09-02 00:00:00', '2999-12-31 00:00:00', 'Mazur', 'Natalia', 'K', '93030365436', NULL,
     'BDE456789', '1993-03-03 00:00:00', 1, 1, 0, 0, 110, '2021-10-01 00:00:00', NULL),
    (160, 16, '2020-02-01 00:00:00', '2999-12-31 00:00:00', 'Żółkiewska', 'Łucja', 'K', '84121256788', NULL,
     'BFG567890', '1984-12-12 00:00:00', 1, 1, 0, 0, 110, '2020-02-01 00:00:00', NULL),
    (170, 17, '2019-03-01 00:00:00', '2024-10-31 00:00:00', 'Brzęczyszczykiewicz', 'Grzegorz', 'M', '79080877893',
     NULL, 'BHJ678901', '1979-08-08 00:00:00', 1, 1, 0, 0, 110, '2019-03-01 00:00:00', NULL),
    (171, 17, '2024-11-01 00:00:00', '2024-11-30 00:00:00', 'Brzęczyszczykiewicz', 'Grzegorz', 'M', '79080877893',
     NULL, 'BHJ678901', '1979-08-08 00:00:00', 1, 1, 0, 0, 1240, '2019-03-01 00:00:00', NULL),
    (172, 17, '2024-12-01 00:00:00', '2999-12-31 00:00:00', 'Brzęczyszczykiewicz', 'Grzegorz', 'M', '79080877893',
     NULL, 'BHJ678901', '1979-08-08 00:00:00', 1, 1, 0, 0, 110, '2019-03-01 00:00:00', NULL),
    (180, 18, '2021-01-01 00:00:00', '2999-12-31 00:00:00', 'Pawlak', 'Robert', 'M', '86020266776', NULL,
     'BKL789012', '1986-02-02 00:00:00', 1, 1, 0, 0, 110, '2021-01-01 00:00:00', NULL),
    (190, 19, '2023-06-01 00:00:00', '2999-12-31 00:00:00', 'Smith', 'John', 'M', NULL, NULL, NULL,
     '1975-10-10 00:00:00', 1, 1, 0, 0, 110, '2023-06-01 00:00:00', NULL),
    (200, 20, '2022-09-01 00:00:00', '2999-12-31 00:00:00', 'Ślęzak', 'Zofia', 'K', NULL, NULL, NULL,
     '1994-01-01 00:00:00', 1, 2, 0, 0, 110, '2022-09-01 00:00:00', NULL);

-- What every record shares, then what sets some apart.
UPDATE PracEtaty SET PRE_UBZZusOd = PRE_ZatrudnionyOd, PRE_Kraj = 'Polska', PRE_Ulica = 'Puławska',
    PRE_NrDomu = CAST(PRE_PraId * 3 AS TEXT), PRE_Miasto = 'Warszawa', PRE_KodPocztowy = '02-515',
    PRE_Poczta = 'Warszawa', PRE_Gmina = 'Warszawa', PRE_Powiat = 'Warszawa', PRE_Wojewodztwo = 'mazowieckie',
    PRE_Zawod = 'specjalista', PRE_ETARodzajUmowy = 'na czas nieokreślony', PRE_ETADataWymiaru = PRE_DataOd;
UPDATE PracEtaty SET PRE_ETARodzajUmowy = NULL, PRE_RodzajZapisu = 1, PRE_Zawod = NULL WHERE PRE_PraId IN (3, 9, 10, 11);
UPDATE PracEtaty SET PRE_Zawod = 'właściciel', PRE_RodzajDokumentu = 1 WHERE PRE_PraId = 11;  -- taxed under her NIP
UPDATE PracEtaty SET PRE_ETARodzajUmowy = 'na czas określony' WHERE PRE_PraId = 4;
UPDATE PracEtaty SET PRE_KodFEP = 4, PRE_FEPOd = '2023-01-01 00:00:00', PRE_FEPDo = '2024-09-30 00:00:00',
    PRE_Zawod = 'spawacz', PRE_Miasto = 'Gdańsk', PRE_KodPocztowy = '80-001', PRE_Poczta = 'Gdańsk',
    PRE_Gmina = 'Gdańsk', PRE_Powiat = 'Gdańsk', PRE_Wojewodztwo = 'pomorskie', PRE_Ulica = 'Długa' WHERE PRE_PraId = 4;
UPDATE PracEtaty SET PRE_Miasto = 'Kraków', PRE_KodPocztowy = '30-001', PRE_Poczta = 'Kraków', PRE_Gmina = 'Kraków',
    PRE_Powiat = 'Kraków', PRE_Wojewodztwo = 'małopolskie', PRE_Ulica = 'Floriańska' WHERE PRE_PraId = 5;
UPDATE PracEtaty SET PRE_RodzajMiejscowosci = 1, PRE_Miasto = 'Lipków', PRE_KodPocztowy = '05-080',
    PRE_Poczta = 'Izabelin', PRE_Gmina = 'Stare Babice', PRE_Powiat = 'warszawski zachodni', PRE_Ulica = NULL
    WHERE PRE_PraId = 6;
UPDATE PracEtaty SET PRE_LimitPodstawy = 234720, PRE_LimitRok = 2024, PRE_LimitMiesiac = 10 WHERE PRE_PraId = 8;
UPDATE PracEtaty SET PRE_DataZwolnienia = '2024-08-15 00:00:00', PRE_UBZDataWyrej = '2024-08-15 00:00:00'
    WHERE PRE_PraId = 13;
UPDATE PracEtaty SET PRE_UBZZusOd = PRE_DataOd WHERE PRE_PreId IN (151, 152, 171, 172);
-- An employee's working time in both denominators (the ZUS reports take the second); contracts and
-- the owner have none.
UPDATE PracEtaty SET PRE_ETAEtatM2 = PRE_ETAEtatM WHERE PRE_PraId NOT IN (3, 9, 10, 11);
UPDATE PracEtaty SET PRE_Miasto = 'Łódź', PRE_KodPocztowy = '90-001', PRE_Poczta = 'Łódź', PRE_Gmina = 'Łódź',
    PRE_Powiat = 'Łódź', PRE_Wojewodztwo = 'łódzkie', PRE_Ulica = 'Piotrkowska' WHERE PRE_PraId IN (2, 3, 16);
UPDATE PracEtaty SET PRE_RodzajMiejscowosci = 1, PRE_Miasto = 'Chrząszczyżewoszyce', PRE_KodPocztowy = '99-311',
    PRE_Poczta = 'Łęczyca', PRE_Gmina = 'Łęczyca', PRE_Powiat = 'łęczycki', PRE_Wojewodztwo = 'łódzkie',
    PRE_Ulica = NULL WHERE PRE_PraId = 17;
UPDATE PracEtaty SET PRE_Paszport = 'AB1234567', PRE_RodzajDokumentu = 3, PRE_Imie2 = 'Edward' WHERE PRE_PraId = 19;
-- What the ZUS registration forms read: citizenship, the health fund's branch and telephone of everyone;
-- the residence and correspondence addresses of some; the insurances of the contracts, the owner and the
-- health-only contract; why the August leaver was deregistered; a surname changed at the start of 2025.
UPDATE PracEtaty SET PRE_Obywatelstwo = 'POLSKIE', PRE_OddzialNFZ = '07R', PRE_NazwiskoRodowe = PRE_Nazwisko,
    PRE_Telefon = '600' || substr('000000' || (PRE_PraId * 1111), -6, 6);
UPDATE PracEtaty SET PRE_Obywatelstwo = 'BRYTYJSKIE' WHERE PRE_PraId = 19;
UPDATE PracEtaty SET PRE_NazwiskoRodowe = 'Zając' WHERE PRE_PraId = 2;
UPDATE PracEtaty SET PRE_ZAMUlica = 'Grodzka', PRE_ZAMNrDomu = '15', PRE_ZAMNrLokalu = '4', PRE_ZAMMiasto = 'Kraków',
    PRE_ZAMKodPocztowy = '31-006', PRE_ZAMPoczta = 'Kraków', PRE_ZAMGmina = 'Kraków', PRE_ZAMPowiat = 'Kraków',
    PRE_ZAMWojewodztwo = 'małopolskie', PRE_ZAMKraj = 'Polska',
    PRE_KORUlica = 'Marszałkowska', PRE_KORNrDomu = '84', PRE_KORNrLokalu = '92', PRE_KORMiasto = 'Warszawa',
    PRE_KORKodPocztowy = '00-514', PRE_KORPoczta = 'Warszawa', PRE_KORGmina = 'Warszawa', PRE_KORKraj = 'Polska'
    WHERE PRE_PraId = 12;
UPDATE PracEtaty SET PRE_ZAMUlica = 'Słowackiego', PRE_ZAMNrDomu = '7', PRE_ZAMMiasto = 'Piaseczno',
    PRE_ZAMKodPocztowy = '05-500', PRE_ZAMPoczta = 'Piaseczno', PRE_ZAMGmina = 'Piaseczno',
    PRE_ZAMPowiat = 'piaseczyński', PRE_ZAMWojewodztwo = 'mazowieckie', PRE_ZAMKraj = 'Polska' WHERE PRE_PraId = 1;
UPDATE PracEtaty SET PRE_UBZChorobowe = 2 WHERE PRE_PraId IN (3, 9, 11);
UPDATE PracEtaty SET PRE_UBZEmerytalne = 0, PRE_UBZRentowe = 0, PRE_UBZChorobowe = 0 WHERE PRE_PraId = 10;
UPDATE PracEtaty SET PRE_UBZKodWyrej = '100' WHERE PRE_PraId = 13;
UPDATE PracEtaty SET PRE_DataDo = '2024-12-31 00:00:00' WHERE PRE_PreId = 160;
CREATE TEMP TABLE DemoNowyZapis AS SELECT * FROM PracEtaty WHERE PRE_PreId = 160;
UPDATE DemoNowyZapis SET PRE_PreId = 161, PRE_DataOd = '2025-01-01 00:00:00', PRE_DataDo = '2999-12-31 00:00:00',
    PRE_Nazwisko = 'Żółkiewska-Wrona';
INSERT INTO PracEtaty SELECT * FROM DemoNowyZapis;
DROP TABLE DemoNowyZapis;

-- Jan Kowalski's wife and two children, the younger living with her grandmother.
INSERT INTO PracRodzina (PRR_PrrId, PRR_PraId, PRR_Nazwisko, PRR_Imie, PRR_Pesel, PRR_DataUr, PRR_Pokrewienstwo,
                         PRR_NaUtrzymaniu, PRR_WspolneGospodarstwo, PRR_Niepelnosprawnosc, PRR_Miasto,
                         PRR_KodPocztowy, PRR_Gmina, PRR_Ulica, PRR_NrDomu) VALUES
    (1, 1, 'Kowalska', 'Maria', '82030312340', '1982-03-03 00:00:00', '11', 0, 1, NULL, NULL, NULL, NULL, NULL, NULL),
    (2, 1, 'Kowalski', 'Adam', '10211012345', '2010-01-10 00:00:00', '21', 1, 1, NULL, NULL, NULL, NULL, NULL, NULL),
    (3, 1, 'Kowalska', 'Zuzanna', '15251512349', '2015-05-15 00:00:00', '21', 1, 0, '1', 'Radom', '26-600',
     'Radom', 'Żeromskiego', '12');

INSERT INTO Umowy (UMW_UmwId, UMW_PraId, UMW_DataOd, UMW_DataDo, UMW_UBZTyuId) VALUES
    (1, 3, '2024-01-01 00:00:00', '2024-12-31 00:00:00', 411),
    (2, 9, '2024-01-01 00:00:00', '2024-11-30 00:00:00', 411),
    (3, 10, '2024-01-01 00:00:00', '2024-12-31 00:00:00', 2211),
    (4, 9, '2024-12-01 00:00:00', '2025-01-31 00:00:00', 411);

INSERT INTO KodySwiadczen (Pdz_PdzId, Pdz_Kod, Pdz_Nazwa, Pdz_ZUbezpChorobowego, Pdz_ZUbezpWypadkowego) VALUES
    (111, 111, 'Urlop bezpłatny', 0, 0),
    (121, 121, 'Urlop wychowawczy', 0, 0),
    (311, 311, 'Zasiłek macierzyński', 1, 0),
    (313, 313, 'Zasiłek chorobowy', 1, 0),
    (321, 321, 'Zasiłek chorobowy z ubezpieczenia wypadkowego', 0, 1),
    (331, 331, 'Wynagrodzenie za czas niezdolności do pracy', 0, 0);
-- How a benefit makes a row of the RSA report: allowances and sick pay with their period, days, text and
-- amount (3), breaks in contributions with their period only (1).
UPDATE KodySwiadczen SET Pdz_RegulaWiersza = 3 WHERE Pdz_PdzId IN (311, 313, 321, 331);
UPDATE KodySwiadczen SET Pdz_RegulaWiersza = 1 WHERE Pdz_PdzId IN (111, 121);

INSERT INTO TypWyplata (TWP_TwpId, TWP_PdzId, TWP_Nazwa, Twp_Standardowy, TWP_Numer, TWP_Kod) VALUES
    (1, NULL, 'Wynagrodzenie zasadnicze', 1, 1, 10),
    (2, 331, 'Wynagrodzenie chorobowe', 0, 20, 20),
    (3, 313, 'Zasiłek chorobowy', 0, 21, 21),
    (4, 311, 'Zasiłek macierzyński', 0, 22, 22),
    (5, 321, 'Zasiłek chorobowy z ubezpieczenia wypadkowego', 0, 23, 23),
    (6, NULL, 'Umowa zlecenie', 0, 30, 30),
    (7, 121, 'Składki za urlop wychowawczy', 0, 40, 40),
    (8, NULL, 'Składki właściciela', 0, 50, 50),
    (9, NULL, 'Wypłata zerowa', 603, 99, 0);

INSERT INTO TypyNieobecnosci (TNB_TnbId, TNB_Nazwa, TNB_Kategoria, TNB_PdzId, TNB_Znacznik) VALUES
    (1, 'Zwolnienie chorobowe (wynagrodzenie)', 1, 331, 0),
    (2, 'Zwolnienie chorobowe (zasiłek)', 1, 313, 0),
    (3, 'Urlop macierzyński', 2, 311, 0),
    (4, 'Urlop bezpłatny', 3, 111, 0),
    (5, 'Urlop wychowawczy', 3, 121, 0),
    (6, 'Zwolnienie chorobowe - wypadek przy pracy', 1, 321, 1);

INSERT INTO Nieobecnosci (NBA_NbaId, NBA_PraId, NBA_TnbId, NBA_DataOd, NBA_DataDo) VALUES
    (1, 14, 1, '2024-02-05 00:00:00', '2024-03-08 00:00:00'),
    (2, 14, 2, '2024-03-09 00:00:00', '2024-03-29 00:00:00'),
    (3, 15, 3, '2024-04-15 00:00:00', '2024-09-01 00:00:00'),
    (4, 16, 4, '2024-06-10 00:00:00', '2024-06-21 00:00:00'),
    (5, 17, 5, '2024-11-01 00:00:00', '2024-11-30 00:00:00'),
    (6, 18, 6, '2024-09-09 00:00:00', '2024-09-20 00:00:00');

INSERT INTO TypyOkresow (TOK_TokId, TOK_Nazwa, TOK_Rodzaj, TOK_KodTypu) VALUES
    (1, 'Praca w szczególnych warunkach', 1, 4),
    (2, 'Delegacja', 0, 999);

INSERT INTO OkresyPracownika (OKP_OkpId, OKP_PraId, OKP_TokId, OKP_DataOd, OKP_DataDo, OKP_Znacznik) VALUES
    (1, 4, 1, '2023-01-01 00:00:00', '2024-09-30 00:00:00', 0),
    (2, 20, 1, '2024-03-01 00:00:00', '2024-03-31 00:00:00', 1),
    (3, 1, 2, '2024-05-06 00:00:00', '2024-05-10 00:00:00', 0);

-- The lists: 100 + month for employment, 200 + month for contracts, paid on the month's last day.
CREATE TEMP TABLE DemoMiesiace AS
    WITH RECURSIVE m(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM m WHERE n < 12)
    SELECT n AS Miesiac, printf('2024-%02d-01 00:00:00', n) AS Od,
           date(printf('2024-%02d-01', n), '+1 month', '-1 day') || ' 00:00:00' AS Do FROM m;
INSERT INTO ListyPlac (LPL_LplId, LPL_Rok, LPL_Miesiac, LPL_DataOd, LPL_DataDo, LPL_Nazwa, LPL_Typ, LPL_DataWyplaty,
                       LPL_DataListy, LPL_DDfId)
    SELECT 100 + Miesiac, 2024, Miesiac, Od, Do, printf('Etat %02d/2024', Miesiac), 1, Do, Do, NULL FROM DemoMiesiace
    UNION ALL
    SELECT 200 + Miesiac, 2024, Miesiac, Od, Do, printf('Umowy %02d/2024', Miesiac), 2, Do, Do, NULL FROM DemoMiesiace;

-- Elements before their amounts: a card's monthly items, then the months that differ. A payout is
-- card * 100 + month, an element payout * 10 + its place.
CREATE TEMP TABLE DemoSkladniki (PraId INT, Miesiac INT, Lp INT, TwpId INT, Wartosc REAL, Tytul INT, PdzId INT,
                                 DataOd TEXT, DataDo TEXT, NbaId INT, UmwId INT);
CREATE TEMP TABLE DemoStale (PraId INT, MOd INT, MDo INT, TwpId INT, Wartosc REAL, Tytul INT, UmwId INT);
INSERT INTO DemoStale VALUES
    (1, 1, 12, 1, 4666, 11000, NULL), (2, 1, 12, 1, 2500, 11002, NULL), (3, 1, 12, 6, 1200, 41102, 1),
    (4, 1, 12, 1, 6200, 11000, NULL), (5, 1, 12, 1, 3600, 11001, NULL), (6, 1, 12, 1, 5200, 11013, NULL),
    (7, 1, 6, 1, 4900, 11001, NULL), (7, 7, 12, 1, 4900, 11002, NULL), (8, 1, 12, 1, 25000, 11000, NULL),
    (9, 1, 11, 6, 3000, 41100, 2), (10, 1, 12, 6, 1500, 221110, 3), (11, 1, 12, 8, 0, 51000, NULL),
    (12, 6, 12, 1, 5000, 11000, NULL), (13, 1, 7, 1, 4400, 11000, NULL), (14, 1, 12, 1, 5500, 11000, NULL),
    (15, 1, 12, 1, 4800, 11000, NULL), (16, 1, 12, 1, 5100, 11000, NULL), (17, 1, 12, 1, 4300, 11000, NULL),
    (18, 1, 12, 1, 5000, 11000, NULL), (19, 1, 12, 1, 4500, 11000, NULL), (20, 1, 12, 1, 2400, 11000, NULL);
INSERT INTO DemoSkladniki
    SELECT PraId, Miesiac, 1, TwpId, Wartosc, Tytul, NULL, Od, Do, NULL, UmwId
    FROM DemoStale JOIN DemoMiesiace ON Miesiac BETWEEN MOd AND MDo;
DELETE FROM DemoSkladniki WHERE (PraId = 14 AND Miesiac IN (2, 3)) OR (PraId = 15 AND Miesiac BETWEEN 4 AND 9)
    OR (PraId = 16 AND Miesiac = 6) OR (PraId = 17 AND Miesiac = 11) OR (PraId = 18 AND Miesiac = 9);
INSERT INTO DemoSkladniki VALUES
    (12, 5, 1, 1, 4250.00, 11000, NULL, '2024-05-06 00:00:00', '2024-05-31 00:00:00', NULL, NULL),
    (13, 8, 1, 1, 2095.24, 11000, NULL, '2024-08-01 00:00:00', '2024-08-15 00:00:00', NULL, NULL),
    (14, 2, 1, 1, 916.67, 11000, NULL, '2024-02-01 00:00:00', '2024-02-04 00:00:00', NULL, NULL),
    (14, 2, 2, 2, 3164.00, 11000, 331, '2024-02-05 00:00:00', '2024-02-29 00:00:00', 1, NULL),
    (14, 3, 1, 1, 183.33, 11000, NULL, '2024-03-30 00:00:00', '2024-03-31 00:00:00', NULL, NULL),
    (14, 3, 2, 2, 1012.48, 11000, 331, '2024-03-01 00:00:00', '2024-03-08 00:00:00', 1, NULL),
    (14, 3, 3, 3, 2657.76, 11000, 313, '2024-03-09 00:00:00', '2024-03-29 00:00:00', 2, NULL),
    (15, 4, 1, 1, 2240.00, 11000, NULL, '2024-04-01 00:00:00', '2024-04-14 00:00:00', NULL, NULL),
    (15, 4, 2, 4, 2208.96, 121100, 311, '2024-04-15 00:00:00', '2024-04-30 00:00:00', 3, NULL),
    (15, 5, 1, 4, 4279.86, 121100, 311, '2024-05-01 00:00:00', '2024-05-31 00:00:00', 3, NULL),
    (15, 6, 1, 4, 4141.80, 121100, 311, '2024-06-01 00:00:00', '2024-06-30 00:00:00', 3, NULL),
    (15, 7, 1, 4, 4279.86, 121100, 311, '2024-07-01 00:00:00', '2024-07-31 00:00:00', 3, NULL),
    (15, 8, 1, 4, 4279.86, 121100, 311, '2024-08-01 00:00:00', '2024-08-31 00:00:00', 3, NULL),
    (15, 9, 1, 1, 4640.00, 11000, NULL, '2024-09-02 00:00:00', '2024-09-30 00:00:00', NULL, NULL),
    (15, 9, 2, 4, 138.06, 121100, 311, '2024-09-01 00:00:00', '2024-09-01 00:00:00', 3, NULL),
    (16, 6, 1, 1, 3060.00, 11000, NULL, '2024-06-01 00:00:00', '2024-06-30 00:00:00', NULL, NULL),
    (17, 11, 1, 7, 0, 124000, 121, '2024-11-01 00:00:00', '2024-11-30 00:00:00', 5, NULL),
    (18, 9, 1, 1, 3000.00, 11000, NULL, '2024-09-01 00:00:00', '2024-09-30 00:00:00', NULL, NULL),
    (18, 9, 2, 5, 1725.84, 11000, 321, '2024-09-09 00:00:00', '2024-09-20 00:00:00', 6, NULL);

INSERT INTO Wyplaty (WPL_WplId, WPL_PraId, WPL_LplId, WPL_Rok, WPL_Miesiac, WPL_Tryb, WPL_Aktywna, WPL_Kwota)
    SELECT PraId * 100 + Miesiac, PraId, CASE WHEN PraId IN (3, 9, 10) THEN 200 ELSE 100 END + Miesiac, 2024,
           Miesiac, 0, 1, round(sum(Wartosc), 2)
    FROM DemoSkladniki GROUP BY PraId, Miesiac;
INSERT INTO WypElementy (WPE_WpeId, WPE_WplId, WPE_TwpId, WPE_Wartosc, WPE_PdzId, WPE_DataOd, WPE_DataDo,
                         WPE_KodTytulu)
    SELECT (PraId * 100 + Miesiac) * 10 + Lp, PraId * 100 + Miesiac, TwpId, Wartosc, PdzId, DataOd, DataDo, Tytul
    FROM DemoSkladniki;
INSERT INTO WypElementyLinki (WEL_WelId, WEL_WpeId, WEL_ZrodloId, WEL_ZrodloRodzaj, WEL_DataOd, WEL_DataDo, WEL_NbaId)
    SELECT (PraId * 100 + Miesiac) * 10 + Lp, (PraId * 100 + Miesiac) * 10 + Lp, coalesce(UmwId, 0),
           CASE WHEN UmwId IS NULL THEN 0 ELSE 8 END, DataOd, DataDo, NbaId
    FROM DemoSkladniki;

-- ZUS bases. Pay and contracts (types 1 and 6, titles 0110 and 0411): pension and disability up to
-- what is left of the year's limit, FP and FGŚP on the whole amount (the limit does not stop them), FP
-- only when the month reaches the minimum wage, sickness on employment only; benefits and health-only contracts: health only; maternity and childcare leave:
-- pension and disability; the owner: the declared bases.
CREATE TEMP TABLE DemoLimit AS
    SELECT WPE_WpeId AS Id, max(0, min(WPE_Wartosc, 234720 - coalesce(sum(WPE_Wartosc) OVER (PARTITION BY WPL_PraId
           ORDER BY WPE_WpeId ROWS BETWEEN UNBOUNDED PRECEDING AND 1 PRECEDING), 0))) AS B
    FROM WypElementy JOIN Wyplaty ON WPL_WplId = WPE_WplId
    WHERE WPE_TwpId IN (1, 6) AND WPE_KodTytulu / 100 IN (110, 411);
UPDATE WypElementy SET
    WPE_Kwota1 = (SELECT B FROM DemoLimit WHERE Id = WPE_WpeId),
    WPE_Kwota2 = (SELECT B FROM DemoLimit WHERE Id = WPE_WpeId),
    WPE_Kwota3 = CASE WHEN WPE_KodTytulu / 100 = 110 THEN WPE_Wartosc ELSE 0 END,
    WPE_Kwota4 = WPE_Wartosc,
    WPE_Kwota5 = CASE WHEN WPE_Wartosc >= CASE WHEN WPE_WplId % 100 <= 6 THEN 4242 ELSE 4300 END
                      THEN WPE_Wartosc ELSE 0 END,
    WPE_Kwota6 = WPE_Wartosc
    WHERE WPE_WpeId IN (SELECT Id FROM DemoLimit);
UPDATE WypElementy SET WPE_Kwota7 = WPE_Wartosc WHERE WPE_TwpId IN (2, 3, 4, 5) OR WPE_KodTytulu / 100 = 2211;
UPDATE WypElementy SET WPE_Kwota1 = WPE_Wartosc, WPE_Kwota2 = WPE_Wartosc WHERE WPE_TwpId = 4;
UPDATE WypElementy SET WPE_Kwota1 = 2580.00, WPE_Kwota2 = 2580.00 WHERE WPE_TwpId = 7;
UPDATE WypElementy SET WPE_Kwota1 = 4694.40, WPE_Kwota2 = 4694.40, WPE_Kwota3 = 4694.40, WPE_Kwota4 = 4694.40,
    WPE_Kwota5 = 4694.40, WPE_Kwota7 = 4242.00 WHERE WPE_TwpId = 8;

-- Contributions, rounded half up to the grosz; the owner pays every share himself.
UPDATE WypElementy SET
    WPE_Kwota8 = round(WPE_Kwota1 * 0.0976 + 0.0000001, 2), WPE_Kwota9 = round(WPE_Kwota1 * 0.0976 + 0.0000001, 2),
    WPE_Kwota10 = round(WPE_Kwota2 * 0.015 + 0.0000001, 2), WPE_Kwota11 = round(WPE_Kwota2 * 0.065 + 0.0000001, 2),
    WPE_Kwota12 = round(WPE_Kwota3 * 0.0245 + 0.0000001, 2), WPE_Kwota15 = round(WPE_Kwota4 * 0.0167 + 0.0000001, 2),
    WPE_KwotaFP = round(WPE_Kwota5 * 0.0245 + 0.0000001, 2), WPE_KwotaFGSP = round(WPE_Kwota6 * 0.001 + 0.0000001, 2)
    WHERE WPE_TwpId <> 8;
UPDATE WypElementy SET
    WPE_Kwota8 = round(WPE_Kwota1 * 0.1952 + 0.0000001, 2), WPE_Kwota10 = round(WPE_Kwota2 * 0.08 + 0.0000001, 2),
    WPE_Kwota12 = round(WPE_Kwota3 * 0.0245 + 0.0000001, 2), WPE_Kwota14 = round(WPE_Kwota4 * 0.0167 + 0.0000001, 2),
    WPE_KwotaFP = round(WPE_Kwota5 * 0.0245 + 0.0000001, 2)
    WHERE WPE_TwpId = 8;
UPDATE WypElementy SET WPE_Kwota20 = round(WPE_Kwota1 * 0.015 + 0.0000001, 2)
    WHERE WPE_WplId / 100 = 4 AND WPE_WplId % 100 <= 9 AND WPE_TwpId = 1;
UPDATE WypElementy SET WPE_Kwota7 = round(WPE_Wartosc - WPE_Kwota8 - WPE_Kwota10 - WPE_Kwota12, 2)
    WHERE WPE_TwpId IN (1, 6) AND WPE_KodTytulu / 100 <> 2211;
UPDATE WypElementy SET WPE_Kwota18 = round(WPE_Kwota7 * 0.09 + 0.0000001, 2);
-- The payroll marks an element that carries health insurance only (the titles 2200 to 2299) in its flag
-- word (128): the health report RZA takes it, not the RCA.
UPDATE WypElementy SET WPE_Flagi = 128 WHERE WPE_KodTytulu / 100 BETWEEN 2200 AND 2299;

-- The tax advance of each payout, on its first element.
CREATE TEMP TABLE DemoPodatek AS
    SELECT WPL_WplId AS Id, WPL_PraId AS PraId, LPL_Typ AS Typ,
           round(sum(WPE_Wartosc - CASE WHEN WPE_TwpId IN (1, 6) THEN WPE_Kwota8 + WPE_Kwota10 + WPE_Kwota12 ELSE 0 END),
                 2) AS Dochod
    FROM Wyplaty JOIN ListyPlac ON LPL_LplId = WPL_LplId JOIN WypElementy ON WPE_WplId = WPL_WplId
    WHERE WPE_TwpId NOT IN (7, 8) GROUP BY WPL_WplId;
CREATE TEMP TABLE DemoPodstawaPodatku AS
    SELECT Id, Typ, P, coalesce(sum(P) OVER (PARTITION BY PraId ORDER BY Id ROWS BETWEEN UNBOUNDED PRECEDING AND
           1 PRECEDING), 0) AS Przed
    FROM (SELECT Id, PraId, Typ, max(0, round(Dochod - CASE WHEN Typ = 2 THEN round(Dochod * 0.2, 2) ELSE 250 END + 0.0000001))
          AS P FROM DemoPodatek);
UPDATE WypElementy SET WPE_Kwota19 = (
    SELECT max(0, round(min(P, max(0, 120000 - Przed)) * 0.12 + (P - min(P, max(0, 120000 - Przed))) * 0.32
                        - CASE WHEN Typ = 2 THEN 0 ELSE 300 END + 0.0000001))
    FROM DemoPodstawaPodatku WHERE Id = WPE_WplId)
    WHERE WPE_WpeId % 10 = 1 AND WPE_WplId IN (SELECT Id FROM DemoPodstawaPodatku);

DROP TABLE DemoMiesiace;
DROP TABLE DemoSkladniki;
DROP TABLE DemoStale;
DROP TABLE DemoLimit;
DROP TABLE DemoPodatek;
DROP TABLE DemoPodstawaPodatku;

-- Payroll settings. Dated ones (read for a day) hold 2024's values from their start; those read without
-- a date are plain settings. Amounts and percentages are texts with a decimal comma.
INSERT INTO Konfiguracja (Kfg_Klucz, Kfg_Wartosc) VALUES
    ('/Firma/Płace/Parametry/GenZeroweRCAdlaNowozatrPrac', '1'),
    ('/Firma/Płace/Parametry/ZerowerRCADlaZlecBezWypl', '1'),
    ('/Firma/Płace/Parametry/NieGenerujZeroweRCA', '0'),
    ('/Firma/Płace/ZUS/Nazwa firmy na deklaracji', '1'),
    ('/Firma/Płace/ZUS/REGON DRA Wlasciciel', '0'),
    ('FirmaREGON', '012345675'),
    ('FirmaNazwaSkroconaZUS', 'Przykładowa Sp. z o.o.'),
    ('FirmaTelefon', '22 123 45 67'),
    ('Osoba fizyczna', '0'),
    ('KodTerZUS', '1465'),
    ('KodPKD', '6201Z'),
    ('NumerPracodawcyPFRON', '012345'),
    ('FirmaNazwaSkroconaPFRON', 'Przykładowa Sp. z o.o.'),
    ('KontaktPFRON_Imie', 'Agnieszka'),
    ('KontaktPFRON_Nazwisko', 'Dąbrowska'),
    ('KontaktPFRON_Email', 'kadry@przykladowa.pl'),
    ('KontaktPFRON_Fax', ''),
    ('KontaktPFRON_Telefon', '22 123 45 67');
INSERT INTO KonfiguracjaParametry (Kfp_Klucz, Kfp_DataOd, Kfp_Wartosc) VALUES
    ('/Firma/Płace/ZUS/Licz zasiłki', '2020-01-01 00:00:00', '1'),
    ('/Firma/Płace/ZUS/Procent wypad', '2020-01-01 00:00:00', '1,67'),
    ('/Program/Płace/Zus/Procent fp', '2020-01-01 00:00:00', '2,45'),
    ('/Program/Płace/Zus/Procent fgsp', '2020-01-01 00:00:00', '0,1'),
    ('/Firma/Płace/Zus/Wynagrodzenie chorobowe', '2020-01-01 00:00:00', '0,1'),
    ('/Firma/Płace/Zus/Wynagrodzenie zdrowotne', '2020-01-01 00:00:00', '0,3'),
    ('/Firma/Płace/Zus/SklFPiFGSPOdSumyPodstaw', '2020-01-01 00:00:00', '0'),
    ('/Firma/Płace/ZUS/LiczRNA', '2020-01-01 00:00:00', '0'),
    ('/Firma/Płace/ZUS/Wynagrodzenie za świadczenia ZUS', '2020-01-01 00:00:00', '0'),
    ('/Firma/Płace/ZUS/Wynagrodzenie za ubezp.zdrowotne', '2020-01-01 00:00:00', '0'),
    ('/Firma/Płace/ZUS/Termin składania deklaracji', '2020-01-01 00:00:00', '3'),
    ('/Firma/Płace/ZUS/Status Refundacji', '2020-01-01 00:00:00', '1'),
    ('/Firma/Płace/ZUS/Status Refundacji', '2023-01-01 00:00:00', '3'),
    ('/Program/Płace/Wskaźniki/Najniższe wynagrodzenie', '2015-01-01 00:00:00', '1750'),
    ('/Program/Płace/Wskaźniki/Najniższe wynagrodzenie', '2016-01-01 00:00:00', '1850'),
    ('/Program/Płace/Wskaźniki/Najniższe wynagrodzenie', '2017-01-01 00:00:00', '2000'),
    ('/Program/Płace/Wskaźniki/Najniższe wynagrodzenie', '2018-01-01 00:00:00', '2100'),
    ('/Program/Płace/Wskaźniki/Najniższe wynagrodzenie', '2019-01-01 00:00:00', '2250'),
    ('/Program/Płace/Wskaźniki/Najniższe wynagrodzenie', '2020-01-01 00:00:00', '2600'),
    ('/Program/Płace/Wskaźniki/Najniższe wynagrodzenie', '2021-01-01 00:00:00', '2800'),
    ('/Program/Płace/Wskaźniki/Najniższe wynagrodzenie', '2022-01-01 00:00:00', '3010'),
    ('/Program/Płace/Wskaźniki/Najniższe wynagrodzenie', '2023-01-01 00:00:00', '3490'),
    ('/Program/Płace/Wskaźniki/Najniższe wynagrodzenie', '2023-07-01 00:00:00', '3600'),
    ('/Program/Płace/Wskaźniki/Najniższe wynagrodzenie', '2024-01-01 00:00:00', '4242'),
    ('/Program/Płace/Wskaźniki/Najniższe wynagrodzenie', '2024-07-01 00:00:00', '4300');

-- The yearly ZUS declarations of 2024. Magdalena Kamińska works in special conditions (code 2) from
-- 2022-06-01 with no end, under two keys of the ZSWA (her disability degree changes in July); her payouts
-- carry no FEP contribution. Robert Pawlak's sick leave after an accident at work is of the accident
-- category (200) and of the kind that counts him among the IWA's injured persons.
UPDATE PracEtaty SET PRE_KodFEP = 2, PRE_FEPOd = '2022-06-01 00:00:00' WHERE PRE_PraId = 7;
UPDATE TypyNieobecnosci SET TNB_Kategoria = 200 WHERE TNB_TnbId = 6;
UPDATE Nieobecnosci SET NBA_Tryb = 3 WHERE NBA_NbaId = 6;

-- The PFRON category of the elements: the basic wage is reduced by the employer's contributions
-- (category 2). Sick pay is known by the benefit code it is paid under (331), not by a category.
UPDATE WypElementy SET WPE_RodzajSkladnika = 2 WHERE WPE_TwpId = 1;

INSERT INTO DokDefinicje (DDf_Klasa, DDf_Symbol, DDf_Nazwa, DDf_Numeracja) VALUES
    (600, 'DEK', 'Deklaracja', '@symbol/@numer/@rok_kal');

INSERT INTO ZapisyKPR (KPR_RokMies, KPR_DataOpe, KPR_Sprzedaz, KPR_Towary, KPR_Reklama, KPR_Zrodlo) VALUES
    (202401, '2024-01-31 00:00:00', 12000, 4000, 50, 1),
    (202402, '2024-02-29 00:00:00', 15000, 5000, 80, 1),
    (202403, '2024-03-31 00:00:00', 14000, 6000, 20, 1);

-- The flat-rate revenue register, kept beside the ledger so that the demo can show a lump-sum return too: 2024's
-- revenue at 8.5 % (services, 60 123.45) and at 3 % (trade, 150 000.00); a crossed-out entry and one of 2023 that
-- no return of 2024 takes.
INSERT INTO EwidRyczalt (ERy_RokMies, ERy_DataOpe, ERy_Przychod, ERy_Stawka, ERy_Skreslony) VALUES
    (202312, '2023-12-29 00:00:00', 7000, 8.5, 0),
    (202401, '2024-01-31 00:00:00', 20000, 8.5, 0),
    (202402, '2024-02-29 00:00:00', 50000, 3, 0),
    (202403, '2024-03-29 00:00:00', 22123.45, 8.5, 0),
    (202404, '2024-04-30 00:00:00', 55000, 3, 0),
    (202405, '2024-05-31 00:00:00', 18000, 8.5, 0),
    (202406, '2024-06-28 00:00:00', 45000, 3, 0),
    (202406, '2024-06-28 00:00:00', 1000, 3, 1);

-- The company's establishments: the head office and two branches filed on the CIT-ST (the one in Płock not
-- on the CIT-ST/A), and an inactive warehouse that neither takes.
INSERT INTO DeklZaklady (DkZ_NazwaPelna, DkZ_NazwaSkrocona, DkZ_NIP, DkZ_REGON, DkZ_LiczbaZatrudnionych, DkZ_DataRozpDzial,
                         DkZ_Kraj, DkZ_Wojewodztwo, DkZ_Powiat, DkZ_Gmina, DkZ_KodGminy, DkZ_Ulica, DkZ_NrDomu, DkZ_Miasto,
                         DkZ_KodP, DkZ_Poczta, DkZ_Nieaktywny, DkZ_UwzgledniajNaCITST, DkZ_UwzgledniajNaCITSTA) VALUES
    ('Przykładowa Spółka z o.o. - zakład główny', 'Zakład główny', '5260250274', '012345675', 16, '2015-03-02 00:00:00',
     'Polska', 'mazowieckie', 'Warszawa', 'Warszawa', '1465011', 'Marszałkowska', '10', 'Warszawa', '00-001', 'Warszawa',
     0, 1, 1),
    ('Przykładowa Spółka z o.o. - oddział w Radomiu', 'Oddział Radom', '5260250274', '01234567500028', 3,
     '2024-04-01 00:00:00', 'Polska', 'mazowieckie', 'Radom', 'Radom', '1463011', 'Żeromskiego', '5', 'Radom', '26-600',
     'Radom', 0, 1, 1),
    ('Przykładowa Spółka z o.o. - punkt sprzedaży w Płocku', 'Punkt Płock', '5260250274', NULL, 1, '2023-09-01 00:00:00',
     'Polska', 'mazowieckie', 'Płock', 'Płock', '1462011', 'Tumska', '2', 'Płock', '09-400', 'Płock', 0, 1, 0),
    ('Przykładowa Spółka z o.o. - magazyn w Kielcach', 'Magazyn Kielce', '5260250274', NULL, 0, '2019-01-02 00:00:00',
     'Polska', 'świętokrzyskie', 'Kielce', 'Kielce', '2661011', 'Sandomierska', '1', 'Kielce', '25-001', 'Kielce', 1, 1, 1);

-- The company's corporate income-tax figures of 2024 from its books, a row a quarter: revenue in Poland and
-- abroad, costs of earning it (representation apart); the year sums to revenue 1 843 250.00 + 30 000.00
-- abroad, costs 1 512 340.00 + 16 000.00 abroad. A December entry still in the buffer and 2023's figures
-- are not the year's.
INSERT INTO DaneCIT (DCi_RokMies, DCi_Przychod, DCi_PrzUzpTRP, DCi_KosztyReprezentacji, DCi_KosztyBezReklamy,
                     DCi_KosztyPozaRP, DCi_Bufor) VALUES
    (202312, 395000, 0, 1000, 410000, 0, 0),
    (202403, 412300.50, 0, 1200, 338410.20, 0, 0),
    (202406, 455120, 18000, 900, 371845.35, 9500, 0),
    (202409, 438760.25, 0, 1450, 362300, 0, 0),
    (202412, 537069.25, 12000, 1250, 439784.45, 6500, 0),
    (202412, 25000, 0, 0, 20000, 0, 1);

-- The VAT-ZD notice of March 2024, final and locked, that the month's VAT-7 declares (poz. 68): two items
-- of one invoice and due date, one of the same invoice with another due date, and a negative one (a debt
-- paid after all) that the notice's attachment leaves out.
INSERT INTO DeklNag (DkN_TypDeklar, DkN_Wersja, DkN_Numer, DkN_RokMiesiac, DkN_Zablokowana, DkN_Finalna, DkN_Opis) VALUES
    (403, 1, 1, 202403, 1, 1, 'VAT-ZD za 03/2024');
INSERT INTO VATZD (VaZ_DkNId, VaZ_KntNazwa1, VaZ_KntNipE, VaZ_Dokument, VaZ_DataWys, VaZ_Termin, VaZ_Netto,
                   VaZ_KorektaNetto, VaZ_KorektaVAT) VALUES
    ((SELECT DkN_DkNID FROM DeklNag WHERE DkN_TypDeklar = 403 AND DkN_RokMiesiac = 202403), 'Hurtownia Beta Sp. z o.o.',
     '526-025-02-74', 'FV/118/2023', '2023-09-12 00:00:00', '2023-10-12 00:00:00', 4000, 1500, 345),
    ((SELECT DkN_DkNID FROM DeklNag WHERE DkN_TypDeklar = 403 AND DkN_RokMiesiac = 202403), 'Hurtownia Beta Sp. z o.o.',
     '526-025-02-74', 'FV/118/2023', '2023-09-12 00:00:00', '2023-10-12 00:00:00', 4000, 500.50, 115.12),
    ((SELECT DkN_DkNID FROM DeklNag WHERE DkN_TypDeklar = 403 AND DkN_RokMiesiac = 202403), 'Hurtownia Beta Sp. z o.o.',
     '526-025-02-74', 'FV/118/2023', '2023-09-12 00:00:00', '2023-11-12 00:00:00', 2000, 2000, 460),
    ((SELECT DkN_DkNID FROM DeklNag WHERE DkN_TypDeklar = 403 AND DkN_RokMiesiac = 202403), 'Stalex S.A.',
     '774-000-14-54', 'FV/131/2023', '2023-09-25 00:00:00', '2023-10-25 00:00:00', 800, -800, -184);

COMMIT;
