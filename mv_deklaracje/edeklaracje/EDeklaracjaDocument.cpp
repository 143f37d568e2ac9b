// The module's own document of a declaration and of its attachments, transformed into the tax
// authority's document, with the VAT-UE attachments placed into their parent's groups.
#include <array>

#include "hostapi/Employees.h"
#include "hostapi/Errors.h"
#include "mv_deklaracje/forms/FormDefinitionCache.h"
#include "mv_deklaracje/forms/FormXml.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/core/TextResources.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "mv_deklaracje/edeklaracje/MessageText.h"
#include "mv_deklaracje/edeklaracje/NazwaPlikuXml.h"
#include "mv_deklaracje/edeklaracje/VATZD_Edekl.h"
#include "platform/com/ClassRegistry.h"
#include "platform/text/CodePage.h"

namespace {

constexpr std::u16string_view kEmployeeUnreadable = u"<błąd pobrania danych pracownika>";
constexpr std::u16string_view kNotExported = u"Deklaracja nie została wyeksportowana z powodu błędów.";
constexpr std::u16string_view kNotExportedAfterName = u": deklaracja nie została wyeksportowana z powodu błędów.";
constexpr LONG kPitBr = 39;
// The VAT-UE reports services (in a VAT-UE/C) from its second variant, of 2010, on.
constexpr LONG kFirstVatUeWithServices = 2;

// Fields that never reach the document: a form key (form type * 1000 + version) of 0 holds for every form.
struct Exclusion {
    LONG fromKey;
    LONG toKey;
    std::u16string_view field;
};
constexpr std::array kExclusions{
    Exclusion{0, 0, u"ZakazaneWewnatrzunijne"},
    Exclusion{0, 0, u"JestKorekta"},
    Exclusion{1009, 1020, u"AktualizacjaVat"},
};

LONG Read(IDeklaracja2* declaration, HRESULT (IDeklaracja::*getter)(LONG*)) {
    tlx::ComPtr<IDeklaracja> self;
    CheckHost(declaration->get_This(self.Out()));
    if (!self) RaiseHResult(E_POINTER);
    LONG value = 0;
    CheckHost((self.Get()->*getter)(&value));
    return value;
}

LONG VersionOf(IDeklaracja2* declaration) { return std::max<LONG>(1, Read(declaration, &IDeklaracja::get_Wersja)); }

std::u16string Decimal(LONG value) { return FormatString(u"%ld", static_cast<long>(value)); }

// The VAT-7's field saying whether a VAT-ZD notice goes with it.
constexpr std::u16string_view kVatZdNoticeFlag = u"ZawiadomienieOSkorygowaniu";

// The employee's name for the messages of a person form; the fixed text when he cannot be read.
std::u16string EmployeeText(IDeklaracja2* declaration) {
    try {
        tlx::ComPtr<IDispatch> employee;
        CheckHost(declaration->get_Pracownik(employee.Out()));
        if (!employee) return {};
        tlx::ComPtr<IPracownik> pracownik = employee.As<IPracownik>();
        if (!pracownik) RaiseHResult(E_NOINTERFACE);
        tlx::Bstr imie, nazwisko;
        CheckHost(pracownik->get_Imie(imie.Out()));
        CheckHost(pracownik->get_Nazwisko(nazwisko.Out()));
        return std::u16string(imie.View()) + u" " + std::u16string(nazwisko.View());
    } catch (...) {
        return std::u16string(kEmployeeUnreadable);
    }
}

}  // namespace

LONG CEDeklaracja::FormKey(IDeklaracja2* declaration) {
    return Read(declaration, &IDeklaracja::get_TypDeklar) * 1000 + VersionOf(declaration);
}

bool CEDeklaracja::IsExcludedField(IDeklaracja2* declaration, std::u16string_view fieldName) {
    return IsExcludedField(FormKey(declaration), fieldName);
}

bool CEDeklaracja::IsExcludedField(LONG key, std::u16string_view fieldName) {
    for (const Exclusion& row : kExclusions) {
        bool everyForm = row.fromKey == 0;
        if (row.field == fieldName && (everyForm || (key >= row.fromKey && key <= row.toKey))) return true;
    }
    return false;
}

// The definition's parameters belong to this build alone: a definition without a symbol leaves it empty.
CEDeklaracja::FormParameters CEDeklaracja::ReadFormParameters(IDeklaracja2* declaration) {
    if (!declaration) RaiseHResult(E_POINTER);
    FormParameters form;
    // The process's one reading of the form: its type and version checked, its fields in form order.
    form.definition = FormDefinitionCache::Get(resources_, Read(declaration, &IDeklaracja::get_TypDeklar),
                                               VersionOf(declaration));
    form.typ = form.definition->TypText().Str();
    form.wersja = form.definition->WersjaText().Str();
    form.symbol = form.definition->Symbol().Str();
    return form;
}

void CEDeklaracja::WriteFieldValues(const FormParameters& form, IXMLDOMDocument* document, IXMLDOMNode* schemat,
                                    IDeklaracja2* declaration, std::u16string* noticeFlag) {
    const LONG key = FormKey(declaration);
    if (noticeFlag) noticeFlag->clear();
    for (std::size_t i = 0; i < form.definition->FieldCount(); ++i) {
        const CBstr& name = form.definition->Field(i)->nazwa;
        if (IsExcludedField(key, name.View())) continue;
        tlx::Variant value;
        CheckHost(declaration->get_Wartosc(tlx::Bstr(name.View()).Get(), value.Out()));
        if (value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN) continue;
        CBstr text = VariantToBstr(value);
        AppendCheckedElement(document, schemat, name.View(), text.View(), u"");
        if (noticeFlag && name.View() == kVatZdNoticeFlag) *noticeFlag = text.View();
    }
}

tlx::ComPtr<IXMLDOMDocument2> CEDeklaracja::NewModuleDocument(tlx::ComPtr<IXMLDOMNode>& schemat) {
    tlx::ComPtr<IXMLDOMDocument2> document = LoadFormDocument(CBstr(u""), u"Deklaracja");
    tlx::ComPtr<IXMLDOMNode> declaration, instruction, appended;
    CheckHost(document->createProcessingInstruction(tlx::Bstr(u"xml").Get(),
                                                    tlx::Bstr(u"version=\"1.0\" encoding=\"utf-8\"").Get(),
                                                    instruction.Out()));
    CheckHost(document->createNode(tlx::Variant::FromLong(NODE_ELEMENT), tlx::Bstr(u"Deklaracja").Get(),
                                   tlx::Bstr(kDocumentNamespace).Get(), declaration.Out()));
    CheckHost(document->appendChild(instruction.Get(), appended.Out()));
    CheckHost(document->appendChild(declaration.Get(), appended.Out()));
    tlx::ComPtr<IXMLDOMNode> element;
    CheckHost(document->createNode(tlx::Variant::FromLong(NODE_ELEMENT), tlx::Bstr(u"Schemat").Get(),
                                   tlx::Bstr(u"").Get(), element.Out()));
    CheckHost(declaration->appendChild(element.Get(), schemat.Out()));
    return document;
}

void CEDeklaracja::WriteFormHeader(IXMLDOMDocument* document, IXMLDOMNode* schemat, const FormParameters& form) {
    AppendCheckedElement(document, schemat, u"Typ", form.typ, u"");
    AppendCheckedElement(document, schemat, u"Wersja", form.wersja, u"");
    AppendCheckedElement(document, schemat, u"Symbol", form.symbol, u"");
}

void CEDeklaracja::WriteAttributes(IXMLDOMDocument* document, IXMLDOMNode* schemat) {
    for (const auto& [name, value] : attributes_) AppendCheckedElement(document, schemat, name, value, u"");
}

// The VAT-ZD notice whose items a VAT-7's document took goes into the send's claim with its items.
void CEDeklaracja::NoteVatZdNotice(IDeklaracja2* notice) {
    if (!notice || !filing_) return;
    NoteFiled(notice);
    NoteFiledList(notice, u"VATZD", u"VaZ_Bufor = 0 AND VaZ_DkNId = ",
                  ListRows(notice, &IDeklaracja2::get_CustomCollection01).Get());
}

// The driver: every failure of a step is reported to the sink and leaves no document; the caller learns
// it from the message.
tlx::ComPtr<IXMLDOMDocument2> CEDeklaracja::BuildDocument(const FormParameters& form, IDeklaracja2* declaration,
                                                          std::u16string_view transformName) {
    std::u16string employee;
    try {
        if (!declaration) RaiseHResult(E_POINTER);
        if (IsPersonForm(Read(declaration, &IDeklaracja::get_TypDeklar))) employee = EmployeeText(declaration);
        CheckRegionalSettings();
        tlx::ComPtr<IXMLDOMNode> schemat;
        tlx::ComPtr<IXMLDOMDocument2> document = NewModuleDocument(schemat);
        WriteFormHeader(document.Get(), schemat.Get(), form);
        std::u16string noticeFlag;
        WriteFieldValues(form, document.Get(), schemat.Get(), declaration, &noticeFlag);
        // A VAT-7 (version 13 on) whose notice flag was just written as "0" has no VAT-ZD notice to attach;
        // the attachment's own check would work the flag's expression out again to learn as much. Any
        // other text, or no such field, leaves the decision to that check.
        const bool vat7WithNotices = form.symbol == u"VAT7" && LeadingInteger(form.wersja) >= 13;
        const bool noVatZdNotice = vat7WithNotices && noticeFlag == u"0";
        // The attributes are part of what the stylesheet reads, so they go in before it runs.
        WriteAttributes(document.Get(), schemat.Get());
        TransformDocument(document.Get(), transformName);
        std::u16string preparing = u"Przygotowanie deklaracji [" + form.symbol + u"]";
        if (!employee.empty()) preparing += u" dla " + employee;
        SendMessage(preparing, kInfo);
        if (form.symbol == u"VATUE") PlaceVatUeAttachments(declaration, document.Get());
        else if (form.symbol == u"VATUEK") AddVatUeKGroups(document.Get(), declaration);
        else if (form.symbol == u"VAT27" || form.symbol == u"VAT27K") AddVat27Groups(document.Get(), declaration);
        else if (!vat7WithNotices) PlaceChildAttachments(declaration, document.Get());
        else if (!noVatZdNotice) NoteVatZdNotice(
            VATZD_Edekl(document.Get(), declaration, LeadingInteger(form.wersja)).GenerujZalacznik().Get());
        return document;
    } catch (const ComError& e) {
        std::u16string details =
            e.Description() + u" [" + FormatString(u"%ld", static_cast<long>(e.Code())) + u"]";
        message_ = BlanksForLineBreaks(employee.empty() ? std::u16string(kNotExported) + u" " + details
                                                        : employee + std::u16string(kNotExportedAfterName) + u" " + details);
    } catch (...) {
        message_ = employee.empty() ? std::u16string(kNotExported) : employee + std::u16string(kNotExportedAfterName);
    }
    ActionFailed(message_);
    return nullptr;
}

CEDeklaracja::ChildDocument CEDeklaracja::BuildChildDocument(std::u16string_view filter,
                                                             std::u16string_view transformName) {
    tlx::ComPtr<ISession> session;
    CheckHost(RequireLogin()->CreateSession(session.Out()));
    tlx::ComPtr<ISession2> session2 = session ? session.As<ISession2>() : nullptr;
    if (!session2) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> found;
    CheckHost(session2->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Deklaracje)).Get(),
                                     tlx::Variant::FromString(filter), found.Out()));
    tlx::ComPtr<IDeklaracja2> child = found ? found.As<IDeklaracja2>() : nullptr;
    if (!child) RaiseHResult(E_POINTER);
    NoteFiled(child.Get());

    tlx::ComPtr<IXMLDOMNode> schemat;
    ChildDocument result;
    result.document = NewModuleDocument(schemat);
    FormParameters form = ReadFormParameters(child.Get());
    WriteFormHeader(result.document.Get(), schemat.Get(), form);
    WriteFieldValues(form, result.document.Get(), schemat.Get(), child.Get());
    AppendCheckedElement(result.document.Get(), schemat.Get(), u"DkN_Numer",
                         Decimal(Read(child.Get(), &IDeklaracja::get_Numer)), u"");
    std::u16string name(transformName);
    if (name.empty()) {
        tlx::Bstr own;
        CheckHost(child->get_Transformata(own.Out()));
        name = std::u16string(own.View());
    }
    TransformDocument(result.document.Get(), name);
    if (Read(child.Get(), &IDeklaracja::get_TypDeklar) == kPitBr) {
        auto flag = [&](std::u16string_view field) {
            tlx::Variant value;
            CheckHost(child->get_Wartosc(tlx::Bstr(field).Get(), value.Out()));
            return VariantToLongOr(std::move(value), 0);
        };
        result.uzupelniamDaneMalzonka = flag(u"UzupelniamDaneMalzonka");
        result.pierwszy = flag(u"Pierwszy");
    }
    return result;
}

// Each row of the attachment becomes one group element, the groups staying in the order Grupa1 (VAT-UE/A),
// Grupa2 (VAT-UE/B), Grupa3 (VAT-UE/C).
void CEDeklaracja::PlaceVatUeAttachment(IXMLDOMDocument2* child, IXMLDOMDocument2* main, LONG attachmentType,
                                        std::u16string_view groupsNamespace) {
    std::u16string group = attachmentType == dekVATUEA ? u"Grupa1" : attachmentType == dekVATUEB ? u"Grupa2" : u"Grupa3";
    std::vector<std::u16string_view> before;
    if (group == u"Grupa1") before = {u"/Deklaracja/PozycjeSzczegolowe/Grupa2", u"/Deklaracja/PozycjeSzczegolowe/Grupa3"};
    if (group == u"Grupa2") before = {u"/Deklaracja/PozycjeSzczegolowe/Grupa3"};
    for (const auto& positions : SelectNodeList(child, u"//PozycjeSzczegolowe")) {
        for (const auto& row : SelectNodeList(positions.Get(), u"*")) {
            tlx::ComPtr<IXMLDOMNode> parent = SelectRequiredNode(main, u"/Deklaracja/PozycjeSzczegolowe");
            tlx::ComPtr<IXMLDOMNode> element, inserted;
            CheckHost(main->createNode(tlx::Variant::FromLong(NODE_ELEMENT), tlx::Bstr(group).Get(),
                                       tlx::Bstr(groupsNamespace).Get(), element.Out()));
            tlx::ComPtr<IXMLDOMNode> next;
            for (auto path : before)
                if ((next = SelectOptionalNode(main, path))) break;
            CheckHost(parent->insertBefore(element.Get(), next ? tlx::Variant::FromDispatch(next.Get()) : tlx::Variant(),
                                           inserted.Out()));
            for (const auto& cell : SelectNodeList(row.Get(), u"*"))
                AppendCheckedElement(main, inserted.Get(), NodeName(cell.Get()).View(), NodeText(cell.Get()).View(),
                                     groupsNamespace);
        }
    }
}

void CEDeklaracja::CheckNoLaterAttachment(LONG type, LONG yearMonth, LONG number) {
    tlx::ComPtr<ISession> session;
    CheckHost(RequireLogin()->CreateSession(session.Out()));
    tlx::Variant later;
    std::u16string sql = FormatString(
        u"select count(*) from TLX.DeklNag where DkN_TypDeklar = %ld and DkN_RokMiesiac = %ld and DkN_Numer > %ld",
        static_cast<long>(type), static_cast<long>(yearMonth), static_cast<long>(number));
    ExecuteScalarSql(later.Out(), tlx::ComPtr<IDispatch>(session.Get()).Get(), sql.c_str(), false);
    if (VariantToLong(later) == 0) return;
    std::u16string text = FormatString(u"Brak załącznika %s nr %ld, a są załączniki o dalszych numerach. "
                                       u"Należy uzupełnić numerację załączników i wyeksportować deklarację ponownie.",
                                       type == dekVATUEA ? u"VAT-UE/A" : type == dekVATUEB ? u"VAT-UE/B" : u"VAT-UE/C",
                                       static_cast<long>(number));
    CBstr worded = GetHostErrorText(HOST_E_MISSINGDATA, CBstr(text));
    RaiseComError(HOST_E_MISSINGDATA, worded.IsEmpty() ? std::u16string_view(text) : worded.View());
}

// The attachments VAT-UE/A, /B and /C of the declaration's period, numbered from 1 without a gap.
void CEDeklaracja::PlaceVatUeAttachments(IDeklaracja2* declaration, IXMLDOMDocument2* main) {
    LONG year = Read(declaration, &IDeklaracja::get_Rok);
    LONG month = Read(declaration, &IDeklaracja::get_Miesiac);
    std::u16string groups = GetFormNamespace(dekVATUE, VersionOf(declaration), year, month);
    struct Attachment {
        LONG type;
        std::u16string_view label;
    };
    for (Attachment attachment : {Attachment{dekVATUEA, u"[VAT-UE/A]"}, Attachment{dekVATUEB, u"[VAT-UE/B]"},
                                  Attachment{dekVATUEC, u"[VAT-UE/C]"}}) {
        for (LONG number = 1;; ++number) {
            std::u16string filter = VatUeAttachmentFilter(attachment.type, year * 100 + month, number);
            ChildDocument child;
            try {
                child = BuildChildDocument(filter, u"");
            } catch (const ComError& e) {
                if (e.Code() != HOST_E_NOROW) throw;
                CheckNoLaterAttachment(attachment.type, year * 100 + month, number);
                break;
            }
            if (attachment.type == dekVATUEC && VersionOf(declaration) < kFirstVatUeWithServices)
                RaiseComError(E_FAIL, FormatString(u"Informacja VAT-UE(%ld) nie obejmuje świadczenia usług: załącznika "
                                                   u"VAT-UE/C nr %ld nie można do niej dołączyć.",
                                                   static_cast<long>(VersionOf(declaration)), static_cast<long>(number)));
            PlaceVatUeAttachment(child.document.Get(), main, attachment.type, groups);
            SendMessage(u"Przygotowanie załącznika do deklaracji " + std::u16string(attachment.label), kInfo);
        }
    }
}
