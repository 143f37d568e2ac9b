#include "host/objects/ErrorTexts.h"

#include <algorithm>
#include <vector>

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
    {HOST_E_VATUEDATA,
     u"Niepoprawne dane informacji VAT-UE: pozycja o numerze VAT %1% na kwotę %2% nie ma kodu kraju.|Sprawdź "
     u"pozycje załączników."},
    {HOST_E_CLONEUNSAVED, u"Nie można skopiować deklaracji, która nie została zapisana.|Zapisz deklarację wzorcową."},
    {HOST_E_EXCHANGEFOLDER, u"Nie można zapisać pliku w katalogu wymiany.|Sprawdź katalog wymiany e-deklaracji."},
    {HOST_E_VATZDDATA,
     u"Nie znaleziono zawiadomienia VAT-ZD do deklaracji %1% za okres %2%|Utwórz zawiadomienie VAT-ZD za okres "
     u"deklaracji."},
    {HOST_E_VATZDNOTICE, u"Brak zatwierdzonego zawiadomienia VAT-ZD.|Zablokuj zawiadomienie przed wysłaniem."},
    {HOST_E_GATEWAYNOANSWER,
     u"Usługa e-Deklaracji nie odpowiedziała na wysłany dokument; dokument mógł do niej dotrzeć.|Sprawdź "
     u"status dokumentu, zanim wyślesz go ponownie."},
};

std::u16string Placeholder(std::size_t n) { return u"%" + std::u16string(1, static_cast<char16_t>(u'0' + n)) + u"%"; }

// The message with the values of a caller's parameter text "%1%=value%2%=value..." in place of its
// "%1%", "%2%" ...; nothing when the caller's text is not such a list.
std::optional<std::u16string> WithParameters(std::u16string_view message, std::u16string_view parameters) {
    std::vector<std::u16string_view> values;
    for (std::size_t n = 1; n <= 8 && parameters.starts_with(Placeholder(n) + u"="); ++n) {
        parameters.remove_prefix(Placeholder(n).size() + 1);
        const std::size_t end = std::min(parameters.find(Placeholder(n + 1) + u"="), parameters.size());
        values.push_back(parameters.substr(0, end));
        parameters.remove_prefix(end);
    }
    if (values.empty() || !parameters.empty()) return std::nullopt;
    std::u16string text(message);
    for (std::size_t n = 0; n < values.size(); ++n) {
        const std::u16string placeholder = Placeholder(n + 1);
        for (std::size_t at = text.find(placeholder); at != std::u16string::npos;
             at = text.find(placeholder, at + values[n].size()))
            text.replace(at, placeholder.size(), values[n]);
    }
    return text;
}

}  // namespace

std::optional<std::u16string> HostErrorText(HRESULT code, std::u16string_view callerText) {
    for (const ErrorText& entry : kTexts) {
        if (entry.code != code) continue;
        std::u16string text(entry.text);
        if (callerText.empty()) return text;
        const std::size_t bar = text.find(u'|');
        if (auto worded = WithParameters(std::u16string_view(text).substr(0, bar), callerText))
            return *worded + text.substr(bar);
        return std::u16string(callerText) + text.substr(bar);
    }
    return std::nullopt;
}

}  // namespace tlx::host
