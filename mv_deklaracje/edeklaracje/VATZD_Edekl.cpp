#include "mv_deklaracje/edeklaracje/VATZD_Edekl.h"

#include "hostapi/Collections.h"
#include "hostapi/Errors.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/edeklaracje/DecimalText.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "mv_deklaracje/edeklaracje/MessageText.h"
#include "mv_deklaracje/forms/FormXml.h"
#include "platform/ado/Ado.h"

namespace {

constexpr LONG kFirstVersionWithNotice = 13;
constexpr LONG kFirst2016Version = 17;
constexpr std::u16string_view kNamespace2013 = u"http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2013/01/10/eD/VATZD/";
constexpr std::u16string_view kNamespace2016 = u"http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/07/29/eD/VATZD/";

tlx::ComPtr<IDeklaracja> SelfOf(IDeklaracja2* declaration) {
    tlx::ComPtr<IDeklaracja> self;
    CheckHost(declaration->get_This(self.Out()));
    if (!self) RaiseHResult(E_POINTER);
    return self;
}

std::u16string Text(Recordset* rows, std::u16string_view column) {
    return VariantToBstr(ReadRecordsetValue(rows, column)).Str();
}

// The notice's total rounded to whole złoty, half away from zero; an empty field gives the empty text.
std::u16string WholeTotal(IDeklaracja2* notice, std::u16string_view field) {
    tlx::Variant value;
    CheckHost(notice->get_Wartosc(tlx::Bstr(field).Get(), value.Out()));
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return {};
    if (value.vt == VT_BSTR && SysStringLen(value.bstrVal) == 0) return {};
    CY rounded = RoundCurrency(ConvertVariant(value, VT_CY).cyVal, 10000);
    return VariantToBstr(tlx::Variant::FromCurrency(rounded)).Str();
}

[[noreturn]] void RaiseItemRefused(std::u16string text) {
    CBstr worded = GetHostErrorText(HOST_E_MISSINGDATA, CBstr(text));
    RaiseComError(HOST_E_MISSINGDATA, worded.IsEmpty() ? std::u16string_view(text) : worded.View());
}

}  // namespace

VATZD_Edekl::VATZD_Edekl(IXMLDOMDocument* document, IDeklaracja2* declaration, LONG formVersion)
    : document_(document), declaration_(declaration), formVersion_(formVersion) {}

tlx::ComPtr<IXMLDOMNode> VATZD_Edekl::UtworzElement(std::u16string_view name, std::u16string_view text,
                                                    std::u16string_view ns) {
    tlx::ComPtr<IXMLDOMNode> element, textNode, appended;
    CheckHost(document_->createNode(tlx::Variant::FromLong(NODE_ELEMENT), tlx::Bstr(name).Get(), tlx::Bstr(ns).Get(),
                                    element.Out()));
    CheckHost(document_->createNode(tlx::Variant::FromLong(NODE_TEXT), tlx::Bstr(u"").Get(), tlx::Bstr(u"").Get(),
                                    textNode.Out()));
    CheckHost(textNode->put_text(tlx::Bstr(text).Get()));
    CheckHost(element->appendChild(textNode.Get(), appended.Out()));
    return element;
}

void VATZD_Edekl::DodajPozycje(const PozycjaVatZd& row, IXMLDOMNode* parent, std::u16string_view ns) {
    if (!parent) RaiseHResult(E_POINTER);
    tlx::ComPtr<IXMLDOMNode> node, appended;
    CheckHost(document_->createNode(tlx::Variant::FromLong(NODE_ELEMENT), tlx::Bstr(u"P_B").Get(), tlx::Bstr(ns).Get(),
                                    node.Out()));
    tlx::ComPtr<IXMLDOMElement> element = node.As<IXMLDOMElement>();
    if (!element) RaiseHResult(E_NOINTERFACE);
    CheckHost(element->setAttribute(tlx::Bstr(u"typ").Get(), tlx::Variant::FromString(u"G")));
    for (auto [name, text] : {std::pair<std::u16string_view, std::u16string>{u"P_BB", row.P_BB},
                              {u"P_BC", row.P_BC},
                              {u"P_BD1", row.P_BD1},
                              {u"P_BD2", row.P_BD2.FormatSql().Str()},
                              {u"P_BE", row.P_BE.FormatSql().Str()},
                              {u"P_BF", FormatTrimmedDecimal(row.P_BF.AsDouble())},
                              {u"P_BG", FormatTrimmedDecimal(row.P_BG.AsDouble())}})
        CheckHost(node->appendChild(UtworzElement(name, text, ns).Get(), appended.Out()));
    CheckHost(parent->appendChild(node.Get(), appended.Out()));
}

bool VATZD_Edekl::JestZapisKorekcyjny(LONG declarationId) {
    tlx::Variant answer;
    std::u16string sql = FormatString(u"select TLX.VATZD_JestZapisKorekcyjny(%ld)", static_cast<long>(declarationId));
    ExecuteScalarSql(answer.Out(), tlx::ComPtr<IDispatch>(declaration_.Get()).Get(), sql.c_str(), false);
    return VariantToLong(answer) == 1;
}

// The not-found error names the form (VAT-7, VAT-7D or VAT-7K) and the period with a two-digit month.
void VATZD_Edekl::RaiseNoticeMissing(LONG year, LONG month) {
    LONG kind = FieldAsLong(declaration_.Get(), u"VAT7D");
    std::u16string form = kind == 1 ? u"VAT-7D" : kind == 2 ? u"VAT-7K" : u"VAT-7";
    const std::u16string period = FormatString(u"%ld.%02ld.", static_cast<long>(year), static_cast<long>(month));
    RaiseComError(HOST_E_VATZDDATA,
                  HostWordedWithParameters(HOST_E_VATZDDATA, u"%1%=" + form + u"%2%=" + period,
                                           u"Nie znaleziono zawiadomienia VAT-ZD do deklaracji " + form + u" za okres " +
                                               period));
}

tlx::ComPtr<IDeklaracja2> VATZD_Edekl::FindNotice(LONG yearMonth) {
    tlx::ComPtr<ISession2> session = GetHostDbAccess(tlx::ComPtr<IDispatch>(declaration_.Get()).Get());
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> found;
    std::u16string filter =
        FormatString(u"DkN_TypDeklar = 403 and DkN_Finalna = 1 and Dkn_RokMiesiac = %ld", static_cast<long>(yearMonth));
    CheckHost(session->OpenObject(tlx::Bstr(u"TLXDeklaracje.Deklaracje").Get(), 1, tlx::Bstr(filter).Get(), found.Out()));
    tlx::ComPtr<IDeklaracja2> notice = found ? found.As<IDeklaracja2>() : nullptr;
    if (!notice) RaiseHResult(E_POINTER);
    return notice;
}

tlx::ComPtr<IDeklaracja2> VATZD_Edekl::AccompanyingNotice() {
    if (!declaration_) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDeklaracja> self = SelfOf(declaration_.Get());
    LONG type = 0, version = 0, year = 0, month = 0;
    CheckHost(self->get_TypDeklar(&type));
    CheckHost(self->get_Wersja(&version));
    if (type != dekVAT7 || version < kFirstVersionWithNotice) return nullptr;
    if (FieldAsLong(declaration_.Get(), u"ZawiadomienieOSkorygowaniu") != 1 ||
        FieldAsLong(declaration_.Get(), u"LiczbaZalacznikowVATZD") <= 0)
        return nullptr;
    CheckHost(self->get_Rok(&year));
    CheckHost(self->get_Miesiac(&month));

    tlx::ComPtr<IDeklaracja2> notice;
    try {
        notice = FindNotice(year * 100 + month);
    } catch (const ComError& e) {
        if (e.Code() != HOST_E_NOROW && e.Code() != HOST_E_RECORDZERO) throw;
        RaiseNoticeMissing(year, month);
    }
    tlx::ComPtr<IDeklaracja> noticeSelf = SelfOf(notice.Get());
    LONG locked = 0, id = 0;
    CheckHost(noticeSelf->get_Zablokowana(&locked));
    CheckHost(noticeSelf->get_ID(&id));
    if (locked == 0 || !JestZapisKorekcyjny(id)) {
        CBstr worded = GetHostErrorText(HOST_E_VATZDNOTICE, CBstr(u""));
        RaiseComError(HOST_E_VATZDNOTICE, worded.View());
    }
    return notice;
}

tlx::ComPtr<IDeklaracja2> VATZD_Edekl::GenerujZalacznik() {
    if (!declaration_ || !document_) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDeklaracja2> notice = AccompanyingNotice();
    if (!notice) return nullptr;

    const std::u16string_view ns = formVersion_ >= kFirst2016Version ? kNamespace2016 : kNamespace2013;
    tlx::ComPtr<IXMLDOMNode> parent =
        SelectRequiredNode(document_.Get(), u"/Deklaracja/Zalaczniki/Wniosek_VAT-ZD/PozycjeSzczegolowe");
    tlx::ComPtr<Recordset> rows = CEDeklaracja::ListRows(notice.Get(), &IDeklaracja2::get_CustomCollection01);
    CheckHost(rows->put_Filter(tlx::Variant::FromString(u"VaZ_Netto > 0")));
    CheckHost(rows->put_Sort(tlx::Bstr(u"VaZ_Dokument, VaZ_Termin").Get()));

    PozycjaVatZd row;
    ForEachRow(rows.Get(), [&] {
        CMoney net = ReadRecordsetAmount(rows.Get(), u"VaZ_KorektaNetto");
        if (net.AsDouble() < 0) return;
        std::u16string document = Text(rows.Get(), u"VaZ_Dokument");
        CDate due(ReadRecordsetValue(rows.Get(), u"VaZ_Termin"));
        if (row.P_BD1.empty() || document != row.P_BD1 || !(due == row.P_BE)) {
            if (!row.P_BD1.empty()) DodajPozycje(row, parent.Get(), ns);
            row = PozycjaVatZd{};
            row.P_BB = Text(rows.Get(), u"VaZ_KntNazwa1");
            for (std::u16string_view column : {u"VaZ_KntNazwa2", u"VaZ_KntNazwa3"})
                if (std::u16string more = Text(rows.Get(), column); !more.empty()) row.P_BB += u" " + more;
            row.P_BC = WithoutBlanksAndDashes(Text(rows.Get(), u"VaZ_KntNipE"));
            row.P_BD1 = document;
            row.P_BD2 = CDate(ReadRecordsetValue(rows.Get(), u"VaZ_DataWys"));
            row.P_BE = due;
            // An item without its invoice number or dates cannot be written as the schema wants it.
            if (document.empty()) RaiseItemRefused(u"Pozycja zawiadomienia VAT-ZD bez numeru dokumentu: " + row.P_BB);
            if (row.P_BD2.IsEmpty() || row.P_BE.IsEmpty())
                RaiseItemRefused(u"Pozycja zawiadomienia VAT-ZD bez daty wystawienia lub terminu płatności: " + row.P_BB +
                                 u", dokument " + document);
        }
        row.P_BF += net.AsDouble();
        row.P_BG += ReadRecordsetAmount(rows.Get(), u"VaZ_KorektaVAT").AsDouble();
    });
    if (!row.P_BD1.empty()) DodajPozycje(row, parent.Get(), ns);

    tlx::ComPtr<IXMLDOMNode> appended;
    CheckHost(parent->appendChild(UtworzElement(u"P_10", WholeTotal(notice.Get(), u"RazemNetto"), ns).Get(), appended.Out()));
    CheckHost(parent->appendChild(UtworzElement(u"P_11", WholeTotal(notice.Get(), u"RazemVat"), ns).Get(), appended.Out()));
    return notice;
}
