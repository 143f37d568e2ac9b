#include "mv_deklaracje/edeklaracje/ReceiptReader.h"

#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "platform/com/ClassRegistry.h"

namespace {

constexpr HRESULT kMissingField = static_cast<HRESULT>(0x800575A2);
constexpr std::u16string_view kReceiptNamespaces =
    u"xmlns:ds='http://www.w3.org/2000/09/xmldsig#' xmlns:x='http://uri.etsi.org/01903/v1.3.2#'";

}  // namespace

Receipt ReadReceipt(const std::u16string& xml) {
    tlx::ComPtr<IXMLDOMDocument2> document;
    CheckHost(CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument2, document.OutVoid()));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CheckHost(document->loadXML(tlx::Bstr(xml).Get(), &loaded));
    if (loaded == VARIANT_FALSE) {
        tlx::ComPtr<IXMLDOMParseError> error;
        LONG code = 0;
        tlx::Bstr reason;
        if (SUCCEEDED(document->get_parseError(error.Out())) && error) {
            error->get_errorCode(&code);
            error->get_reason(reason.Out());
        }
        if (code == XML_E_TEXT_TOO_LONG) RaiseComError(E_FAIL, u"potwierdzenie nie zostało odczytane: " + reason.Str());
        RaiseComError(E_FAIL, u"potwierdzenie nie jest poprawnym dokumentem XML");
    }
    CheckHost(document->setProperty(tlx::Bstr(u"SelectionNamespaces").Get(), tlx::Variant::FromString(kReceiptNamespaces)));
    Receipt r;
    auto required = [&](std::u16string_view name, std::u16string& text) {
        CEDeklaracja::GetElementText(document.Get(), name, text, true);
    };
    required(u"NazwaPodmiotuPrzyjmujacego", r.podmiot);
    required(u"NumerReferencyjny", r.numer);
    required(u"SkrotDokumentu", r.skrotDokumentu);
    required(u"SkrotZlozonejStruktury", r.skrotStruktury);
    required(u"NazwaStrukturyLogicznej", r.struktura);
    required(u"DataWplyniecia", r.dataWplyniecia);
    required(u"StempelCzasu", r.stempel);
    if (!CEDeklaracja::GetElementText(document.Get(), u"NIP1", r.nip1, false) &&
        !CEDeklaracja::GetElementText(document.Get(), u"PESEL1", r.nip1, false))
        RaiseComError(kMissingField, GetHostErrorText(kMissingField, CBstr(u"Brak NIPu lub PESELu podmiotu.")).Str());
    std::u16string text;
    if (CEDeklaracja::GetElementText(document.Get(), u"NIP2", text, false) ||
        CEDeklaracja::GetElementText(document.Get(), u"PESEL2", text, false))
        r.nip2 = text;
    if (CEDeklaracja::GetElementText(document.Get(), u"KodUrzedu", text, false)) r.kodUrzedu = text;
    tlx::ComPtr<IXMLDOMNode> signingTime;
    CheckHost(document->selectSingleNode(tlx::Bstr(u"//x:SigningTime").Get(), signingTime.Out()));
    if (!signingTime) RaiseComError(E_POINTER, u"Brak wymaganego pola SigningTime");
    tlx::Bstr value;
    CheckHost(signingTime->get_text(value.Out()));
    r.signingTime = value.View();
    return r;
}
