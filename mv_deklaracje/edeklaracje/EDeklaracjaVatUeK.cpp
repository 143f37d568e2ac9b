// The rows of a VAT-UE/K correction, kept in side lists rather than form fields, written into the
// transformed document as one group per row: "Grupa1", "Grupa2", "Grupa3" for the three lists, the
// state before the correction ("B") and after it ("J") each in its own group.
#include <functional>

#include "hostapi/Collections.h"
#include "hostapi/Errors.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "mv_deklaracje/edeklaracje/MessageText.h"
#include "mv_deklaracje/forms/FormXml.h"

namespace {

struct VatUeKList {
    HRESULT (IDeklaracja2::*list)(IDispatch**);
    std::u16string_view group;
    std::u16string_view wasPrefix;  // the field names are the prefix and a, b, c (and d)
    std::u16string_view isPrefix;
    bool withTriangular;  // whether field d, the triangular mark, is written
};

}  // namespace

std::u16string WithoutBlanksAndDashes(std::u16string_view text) {
    std::u16string result;
    for (char16_t c : text)
        if (c != u' ' && c != u'-') result += c;
    return result;
}

std::u16string AmountWithPoint(const CMoney& amount) {
    std::u16string text = amount.ToBstr().Str();
    for (char16_t& c : text)
        if (c == u',') c = u'.';
    return text;
}

void ForEachRow(Recordset* rows, const std::function<void()>& row) {
    CheckHost(rows->MoveFirst());
    for (;;) {
        VARIANT_BOOL eof = VARIANT_FALSE;
        CheckHost(rows->get_EOF(&eof));
        if (eof) return;
        row();
        CheckHost(rows->MoveNext());
    }
}

tlx::ComPtr<Recordset> CEDeklaracja::ListRows(IDeklaracja2* declaration, HRESULT (IDeklaracja2::*list)(IDispatch**)) {
    tlx::ComPtr<IDispatch> collection;
    CheckHost((declaration->*list)(collection.Out()));
    tlx::ComPtr<IAdoCollection> rows = collection ? collection.As<IAdoCollection>() : nullptr;
    if (!rows) RaiseHResult(E_POINTER);
    tlx::ComPtr<Recordset> recordset;
    CheckHost(rows->get_Recordset(recordset.Out()));
    if (!recordset) RaiseHResult(E_POINTER);
    return recordset;
}

void CEDeklaracja::AddVatUeKGroups(IXMLDOMDocument2* document, IDeklaracja2* declaration) {
    tlx::ComPtr<IDeklaracja> self;
    CheckHost(declaration->get_This(self.Out()));
    if (!self) RaiseHResult(E_POINTER);
    LONG type = 0, version = 0, year = 0, month = 0;
    CheckHost(self->get_TypDeklar(&type));
    CheckHost(self->get_Wersja(&version));
    CheckHost(self->get_Rok(&year));
    CheckHost(self->get_Miesiac(&month));
    std::u16string groupsNamespace = GetFormNamespace(type, version, year, month);
    AddVatUeKGroup1(document, declaration, groupsNamespace);
    AddVatUeKGroup2(document, declaration, groupsNamespace);
    AddVatUeKGroup3(document, declaration, groupsNamespace);
}

void CEDeklaracja::AddVatUeKGroup1(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns) {
    AddVatUeKGroup(document, declaration, ns, 1);
}

void CEDeklaracja::AddVatUeKGroup2(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns) {
    AddVatUeKGroup(document, declaration, ns, 2);
}

void CEDeklaracja::AddVatUeKGroup3(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns) {
    AddVatUeKGroup(document, declaration, ns, 3);
}

// Rows marked neither was (1) nor is (2), and rows without a country, are not written; a VAT number
// without its country is an error. Amounts are written with a decimal point whatever the locale.
void CEDeklaracja::AddVatUeKGroup(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns,
                                  int listNumber) {
    static constexpr VatUeKList kLists[] = {
        {&IDeklaracja2::get_CustomCollection01, u"Grupa1", u"P_DB", u"P_DJ", true},
        {&IDeklaracja2::get_CustomCollection02, u"Grupa2", u"P_NB", u"P_NJ", true},
        {&IDeklaracja2::get_CustomCollection03, u"Grupa3", u"P_UB", u"P_UJ", false},
    };
    const VatUeKList& list = kLists[listNumber - 1];
    tlx::ComPtr<Recordset> rows = ListRows(declaration, list.list);
    NoteFiledList(declaration, u"DeklVUEK", FormatString(u"DVU_Typ = %d AND DVU_DkNID = ", listNumber), rows.Get());
    LONG count = 0;
    CheckHost(rows->get_RecordCount(&count));
    if (count == 0) return;
    ForEachRow(rows.Get(), [&] {
        LONG wasIs = ConvertVariant(ReadRecordsetValue(rows.Get(), u"DVU_ByloJest"), VT_I4).lVal;
        std::u16string country = VariantToBstr(ReadRecordsetValue(rows.Get(), u"DVU_Kraj")).Str();
        std::u16string nip = WithoutBlanksAndDashes(VariantToBstr(ReadRecordsetValue(rows.Get(), u"DVU_NIP")).View());
        std::u16string amount = AmountWithPoint(ReadRecordsetAmount(rows.Get(), u"DVU_Kwota"));
        if (country.empty() && !nip.empty()) {
            RaiseComError(HOST_E_VATUEDATA,
                          HostWordedWithParameters(HOST_E_VATUEDATA, u"%1%=" + nip + u"%2%=" + amount,
                                                   u"Pozycja informacji VAT-UE o numerze VAT " + nip + u" na kwotę " +
                                                       amount + u" nie ma kodu kraju."));
        }
        if ((wasIs != 1 && wasIs != 2) || country.empty()) return;
        tlx::ComPtr<IXMLDOMNode> positions = SelectRequiredNode(document, u"/Deklaracja/PozycjeSzczegolowe");
        tlx::ComPtr<IXMLDOMNode> group, appended;
        CheckHost(document->createNode(tlx::Variant::FromLong(NODE_ELEMENT), tlx::Bstr(list.group).Get(),
                                       tlx::Bstr(ns).Get(), group.Out()));
        CheckHost(positions->appendChild(group.Get(), appended.Out()));
        std::u16string prefix(wasIs == 1 ? list.wasPrefix : list.isPrefix);
        AppendCheckedElement(document, appended.Get(), prefix + u"a", country, ns);
        AppendCheckedElement(document, appended.Get(), prefix + u"b", nip, ns);
        AppendCheckedElement(document, appended.Get(), prefix + u"c", amount, ns);
        if (list.withTriangular) {
            LONG triangular = VariantToLong(ReadRecordsetValue(rows.Get(), u"DVU_TT"));
            AppendCheckedElement(document, appended.Get(), prefix + u"d",
                                 FormatString(u"%ld", static_cast<long>(triangular + 1)), ns);
        }
    });
}
