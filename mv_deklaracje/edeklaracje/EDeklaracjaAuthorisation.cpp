// The authorisation data that stands in for a signature when a natural person sends a declaration
// without a certificate: the taxpayer's NIP or PESEL, names, date of birth and an amount from an earlier
// return, appended to the document as "podp:DaneAutoryzujace".
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "platform/xml/XmlCanonical.h"

namespace {

constexpr HRESULT kAuthorisationRefused = static_cast<HRESULT>(0x800575A2);
constexpr std::u16string_view kSignatureNamespace = u"http://e-deklaracje.mf.gov.pl/Repozytorium/Definicje/Podpis/";
constexpr std::u16string_view kSignatureSchema =
    u"http://www.e-deklaracje.gov.pl/Repozytorium/Definicje/Podpis/SIG-2008_v2-0.xsd";
constexpr std::u16string_view kSchemaInstance = u"http://www.w3.org/2001/XMLSchema-instance";
constexpr LONG kElementNode = 1;
constexpr LONG kTextNode = 3;

[[noreturn]] void Refuse(const char16_t* text) {
    RaiseComError(kAuthorisationRefused, GetHostErrorText(kAuthorisationRefused, CBstr(text)).Str());
}

std::u16string WithoutHyphens(std::u16string_view text) {
    std::u16string out;
    for (char16_t c : text)
        if (c != u'-') out += c;
    return out;
}

void AppendChild(IXMLDOMDocument* document, IXMLDOMNode* container, std::u16string_view name,
                 std::u16string_view value) {
    tlx::ComPtr<IXMLDOMNode> element, text, appended;
    CheckHost(document->createNode(tlx::Variant::FromLong(kElementNode), tlx::Bstr(name).Get(),
                                   tlx::Bstr(kSignatureNamespace).Get(), element.Out()));
    CheckHost(document->createNode(tlx::Variant::FromLong(kTextNode), tlx::Bstr(u"").Get(), tlx::Bstr(u"").Get(),
                                   text.Out()));
    CheckHost(text->put_text(tlx::Bstr(value).Get()));
    CheckHost(element->appendChild(text.Get(), appended.Out()));
    appended.Reset();
    CheckHost(container->appendChild(element.Get(), appended.Out()));
}

}  // namespace

// Everything is checked before the document is touched, so a refusal leaves it as it was. The text
// answered is the document as filed and sent: UTF-8, in its canonical form.
std::string CEDeklaracja::BuildAuthorisationData(IXMLDOMDocument2* document, std::u16string_view nip,
                                                 std::u16string_view imie, std::u16string_view nazwisko,
                                                 std::u16string_view pesel, const CDate& dataUr, const CMoney& kwota) {
    if (!nip.empty() && !pesel.empty()) Refuse(u"Do danych autoryzujących przekazano NIP i PESEL.");
    if (nip.empty() && pesel.empty()) Refuse(u"Nie przekazano ani NIPu ani PESELu do danych autoryzujących");
    if (dataUr.IsEmpty()) Refuse(u"Nie przekazano daty urodzenia do danych autoryzujących");

    tlx::ComPtr<IXMLDOMNode> node;
    CheckHost(document->createNode(tlx::Variant::FromLong(kElementNode), tlx::Bstr(u"podp:DaneAutoryzujace").Get(),
                                   tlx::Bstr(kSignatureNamespace).Get(), node.Out()));
    tlx::ComPtr<IXMLDOMElement> container = node.As<IXMLDOMElement>();
    if (!container) RaiseHResult(E_NOINTERFACE);
    // A schema location is a pair: the namespace, then where its schema lies.
    CheckHost(container->setAttribute(
        tlx::Bstr(u"xsi:schemaLocation").Get(),
        tlx::Variant::FromString(std::u16string(kSignatureNamespace) + u" " + std::u16string(kSignatureSchema))));
    CheckHost(container->setAttribute(tlx::Bstr(u"xmlns:xsi").Get(), tlx::Variant::FromString(kSchemaInstance)));
    if (!nip.empty()) AppendChild(document, node.Get(), u"podp:NIP", WithoutHyphens(nip));
    else AppendChild(document, node.Get(), u"podp:PESEL", pesel);
    AppendChild(document, node.Get(), u"podp:ImiePierwsze", imie);
    AppendChild(document, node.Get(), u"podp:Nazwisko", nazwisko);
    AppendChild(document, node.Get(), u"podp:DataUrodzenia", dataUr.FormatSql().Str());
    AppendChild(document, node.Get(), u"podp:Kwota", kwota.Format(u"%0.2f").Str());

    tlx::ComPtr<IXMLDOMElement> root;
    CheckHost(document->get_documentElement(root.Out()));
    if (!root) RaiseHResult(E_POINTER);
    tlx::ComPtr<IXMLDOMNode> appended;
    CheckHost(root->appendChild(node.Get(), appended.Out()));
    std::string text;
    CheckHost(tlx::CanonicalDocumentText(document, &text));
    return text;
}
