#include "host/objects/ErrorTexts.h"

#include "hostapi/Errors.h"

namespace tlx::host {
namespace {

struct ErrorText {
    HRESULT code;
    const char16_t* text;  // "host message|details"
};

// The part before "|" is the message the user reads; the part after it goes to the log.
constexpr ErrorText kTexts[] = {
    {HOST_E_NOROW, u"Nie znaleziono rekordu.|Wyszukiwanie lub zapytanie nie zwróciło żadnego wiersza."},
    {HOST_E_RECORDZERO, u"Rekord 0 nieznaleziony.|Powiązany rekord nie istnieje."},
    {HOST_E_ZEROLINK, u"Powiązany rekord nie ma identyfikatora.|Zapis łącza z identyfikatorem 0."},
    {HOST_E_PAYMENTFORMBLOCKED,
     u"Forma płatności jest zablokowana.|Odblokuj formę płatności lub wybierz inną."},
    {HOST_E_MISSINGDATA, u"Brak danych wymaganych do wykonania operacji.|Uzupełnij dane firmy lub deklaracji."},
    {HOST_E_FOREIGNDB, u"Nie można odczytać danych z bazy obcej.|Sprawdź konfigurację baz biura rachunkowego."},
    {HOST_E_FOREIGNDBCONNECT, u"Nie można połączyć się z bazą obcą.|Sprawdź parametry połączenia."},
    {HOST_E_CITNOTALLOWED,
     u"Deklaracja CIT jest niedostępna dla tego rodzaju księgowości.|Zmień rodzaj księgowości w konfiguracji firmy."},
    {HOST_E_REGIONALSETTINGS,
     u"Ustawienia regionalne systemu nie pozwalają utworzyć e-deklaracji.|Wymagany jest przecinek dziesiętny."},
    {HOST_E_VATUEDATA, u"Niepoprawne dane informacji VAT-UE.|Sprawdź pozycje załączników."},
    {HOST_E_CLONEUNSAVED, u"Nie można skopiować deklaracji, która nie została zapisana.|Zapisz deklarację wzorcową."},
    {HOST_E_EXCHANGEFOLDER, u"Nie można zapisać pliku w katalogu wymiany.|Sprawdź katalog wymiany e-deklaracji."},
    {HOST_E_VATZDDATA, u"Niepoprawne dane zawiadomienia VAT-ZD.|Sprawdź pozycje zawiadomienia."},
    {HOST_E_VATZDNOTICE, u"Brak zatwierdzonego zawiadomienia VAT-ZD.|Zablokuj zawiadomienie przed wysłaniem."},
};

}  // namespace

std::optional<std::u16string> HostErrorText(HRESULT code, std::u16string_view callerText) {
    for (const ErrorText& entry : kTexts) {
        if (entry.code != code) continue;
        std::u16string text(entry.text);
        if (callerText.empty()) return text;
        return std::u16string(callerText) + text.substr(text.find(u'|'));
    }
    return std::nullopt;
}

}  // namespace tlx::host
