// The rows of a VAT-27 or of a quarterly VAT-27K, kept in two side lists rather than form fields (DeklV27,
// DeklV27K), written into the transformed document as groups: "Grupa_C" before the total "P_11",
// "Grupa_D" before "P_12". The change marker of a row is written only in a correction.
#include "hostapi/Errors.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "mv_deklaracje/forms/FormXml.h"

namespace {

constexpr LONG kMonthly = 1;

// The text of the first element of that name in the document; a document without one fails.
std::u16string RequiredElementText(IXMLDOMDocument* document, std::u16string_view name) {
    tlx::ComPtr<IXMLDOMNodeList> elements;
    CheckHost(document->getElementsByTagName(tlx::Bstr(name).Get(), elements.Out()));
    tlx::ComPtr<IXMLDOMNode> first;
    if (elements) CheckHost(elements->get_item(0, first.Out()));
    if (!first) {
        std::u16string text = u"Brak wymaganego pola " + std::u16string(name);
        CBstr worded = GetHostErrorText(HOST_E_MISSINGDATA, CBstr(text));
        RaiseComError(HOST_E_MISSINGDATA, worded.IsEmpty() ? std::u16string_view(text) : worded.View());
    }
    return NodeText(first.Get()).Str();
}

}  // namespace

void CEDeklaracja::AddVat27Groups(IXMLDOMDocument2* document, IDeklaracja2* declaration) {
    tlx::Variant kind;
    CheckHost(declaration->get_Wartosc(tlx::Bstr(u"MiesiecznieKwartalnie").Get(), kind.Out()));
    tlx::ComPtr<IDeklaracja> self;
    CheckHost(declaration->get_This(self.Out()));
    if (!self) RaiseHResult(E_POINTER);
    LONG version = 0;
    CheckHost(self->get_Wersja(&version));
    LONG type = 0;
    CheckHost(self->get_TypDeklar(&type));
    std::u16string groupsNamespace =
        GetFormNamespace(VariantToLongOr(std::move(kind), 0) == kMonthly ? dekVAT27 : dekVAT27K, version, 0, 0);
    const std::u16string_view columns = type == dekVAT27K ? u"DVK_" : u"V27_";
    AddVat27GroupC(document, declaration, groupsNamespace, columns);
    AddVat27GroupD(document, declaration, groupsNamespace, columns);
}

void CEDeklaracja::AddVat27GroupC(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns,
                                  std::u16string_view columns) {
    AddVat27Group(document, declaration, ns, &IDeklaracja2::get_CustomCollection01, u'C', u"P_11", columns);
}

void CEDeklaracja::AddVat27GroupD(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns,
                                  std::u16string_view columns) {
    AddVat27Group(document, declaration, ns, &IDeklaracja2::get_CustomCollection02, u'D', u"P_12", columns);
}

void CEDeklaracja::AddVat27Group(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns,
                                 HRESULT (IDeklaracja2::*list)(IDispatch**), char16_t letter,
                                 std::u16string_view total, std::u16string_view columns) {
    tlx::ComPtr<Recordset> rows = ListRows(declaration, list);
    const std::u16string prefix(columns);
    NoteFiledList(declaration, prefix == u"DVK_" ? u"DeklV27K" : u"DeklV27",
                  prefix + u"Typ = " + (letter == u'C' ? u"1" : u"2") + u" AND " + prefix + u"DkNID = ", rows.Get());
    LONG count = 0;
    CheckHost(rows->get_RecordCount(&count));
    if (count == 0) return;
    const bool correction = RequiredElementText(document, u"CelZlozenia") == u"2";
    const std::u16string group = u"Grupa_" + std::u16string(1, letter);
    const std::u16string field = u"P_" + std::u16string(1, letter);
    ForEachRow(rows.Get(), [&] {
        std::u16string change = VariantToBstr(ReadRecordsetValue(rows.Get(), prefix + u"Zmiana")).Str();
        std::u16string name = VariantToBstr(ReadRecordsetValue(rows.Get(), prefix + u"Nazwa")).Str();
        std::u16string nip = WithoutBlanksAndDashes(VariantToBstr(ReadRecordsetValue(rows.Get(), prefix + u"NIP")).View());
        std::u16string amount = AmountWithPoint(ReadRecordsetAmount(rows.Get(), prefix + u"Kwota"));
        tlx::ComPtr<IXMLDOMNode> positions = SelectRequiredNode(document, u"/Deklaracja/PozycjeSzczegolowe");
        tlx::ComPtr<IXMLDOMNode> before = SelectOptionalNode(document, u"/Deklaracja/PozycjeSzczegolowe/" + std::u16string(total));
        tlx::ComPtr<IXMLDOMNode> node, inserted;
        CheckHost(document->createNode(tlx::Variant::FromLong(NODE_ELEMENT), tlx::Bstr(group).Get(), tlx::Bstr(ns).Get(),
                                       node.Out()));
        tlx::ComPtr<IXMLDOMElement> element = node.As<IXMLDOMElement>();
        if (!element) RaiseHResult(E_NOINTERFACE);
        CheckHost(element->setAttribute(tlx::Bstr(u"typ").Get(), tlx::Variant::FromString(u"G")));
        CheckHost(positions->insertBefore(node.Get(), before ? tlx::Variant::FromDispatch(before.Get()) : tlx::Variant(),
                                          inserted.Out()));
        if (correction && change == u"1") AppendCheckedElement(document, inserted.Get(), field + u"1", change, ns);
        AppendCheckedElement(document, inserted.Get(), field + u"2", name, ns);
        AppendCheckedElement(document, inserted.Get(), field + u"3", nip, ns);
        AppendCheckedElement(document, inserted.Get(), field + u"4", amount, ns);
    });
}
