#include "host/HostTables.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tlx::host {

namespace {
std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("brak skryptu " + path.string());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
}  // namespace

std::vector<std::string> CompanyDatabaseScripts(const std::filesystem::path& companyFolder) {
    std::ifstream list(companyFolder / "scripts.txt");
    if (!list) throw std::runtime_error("brak listy skryptów " + (companyFolder / "scripts.txt").string());
    std::vector<std::string> scripts;
    for (std::string line; std::getline(list, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        scripts.push_back(ReadWholeFile(companyFolder / line));
    }
    return scripts;
}

std::string HostDemoSql() {
    return R"sql(
BEGIN;
INSERT INTO Urzedy (Urz_UrzID, Urz_Kod, Urz_Nazwa1, Urz_Nazwa2) VALUES
    (1, '1471', 'Urząd Skarbowy Warszawa-Mokotów', 'ul. Postępu 16');
INSERT INTO Waluty (WNa_WNaID, WNa_Symbol, WNa_Nazwa) VALUES (1, 'PLN', 'złoty polski');
INSERT INTO FormyPlatnosci (FPl_FPlID, FPl_Nazwa, FPl_Termin) VALUES (1, 'przelew', 14);
INSERT OR IGNORE INTO Konfiguracja (Kfg_Klucz, Kfg_Wartosc) VALUES
    ('FirmaNIP', '5260250274'),
    ('FirmaNazwaPelna', 'Przykładowa Spółka z o.o.'),
    ('FirmaOsobaFizyczna', '0'),
    ('FirmaKraj', 'Polska'),
    ('FirmaWojewodztwo', 'mazowieckie'),
    ('FirmaPowiat', 'Warszawa'),
    ('FirmaGmina', 'Warszawa'),
    ('FirmaUlica', 'Marszałkowska'),
    ('FirmaNrDomu', '10'),
    ('FirmaNrLokalu', '5'),
    ('FirmaMiejscowosc', 'Warszawa'),
    ('FirmaKodP', '00-001'),
    ('FirmaPoczta', 'Warszawa'),
    ('FirmaImiePrzedst', 'Jan'),
    ('FirmaNazwiskoPrzedst', 'Kowalski'),
    ('FirmaUrzadSkarbowy', '1'),
    ('FormaPlatnosciDlaDeklaracji', '1'),
    ('TypDokumentuDlaDeklaracji', '1'),
    ('/Program/Księgowość/Zaokraglenia/Grosze VAT7', '0'),
    ('/Program/Księgowość/Zaokraglenia/Podstawy VAT7', '1'),
    ('/Program/Księgowość/Zaokraglenia/Podatku VAT7', '1'),
    ('/Program/Księgowość/Zaokraglenia/Podstawy PIT5', '1'),
    ('/Program/Księgowość/Zaokraglenia/Podatku PIT5', '1'),
    ('/Program/Księgowość/Stawki Podatkowe/Ryczałt 1', '8,5'),
    ('/Program/Księgowość/Stawki Podatkowe/Ryczałt 2', '5,5'),
    ('/Program/Księgowość/Stawki Podatkowe/Ryczałt 3', '3'),
    ('FirmaTypDzial', 'usługi informatyczne'),
    ('FirmaImiePrzedstCIT8', 'Jan'),
    ('FirmaNazwiskoPrzedstCIT8', 'Kowalski'),
    ('FirmaUrzadSkarbowyPIT8A', '1'),
    ('GeneracjaKorekcyjnaVAT7', '0'),
    ('RejestrDlaGeneracjiKorekcyjnej', 'VAT'),
    ('DataKsiegowania', '1'),
    ('WeryfikacjaEdeklaracji', '1'),
    ('eDeklaracjeKatalogWymiany', '/tmp/tlx-edeklaracje'),
    ('WebServiceAddress', 'https://e-deklaracje.invalid/uslugi/'),
    ('ProxyAktywny', '0'),
    ('ProxyAdresIP', ''),
    ('ProxyPort', ''),
    ('ProxyAutoryzacja', '0'),
    ('ProxyUzytkownik', ''),
    ('ProxyHaslo', '');
INSERT INTO KonfiguracjaParametry (Kfp_Klucz, Kfp_DataOd, Kfp_Wartosc) VALUES
    ('VAT7_Wliczaj0', '2020-01-01 00:00:00', '0'),
    ('UwzgledniacSprzedazNiePodlegajacaVat', '2020-01-01 00:00:00', '1');
COMMIT;
)sql";
}

}  // namespace tlx::host
