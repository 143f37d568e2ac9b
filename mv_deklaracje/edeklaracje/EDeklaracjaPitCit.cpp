// The attachments of a PIT-28, PIT-36, PIT-36L, PIT-37 or CIT-8: each child declaration's transformed
// document is placed into the parent's "Zalaczniki" at its fixed position among the attachments already
// there, or, for a later PIT/O, PIT/BR, CIT-ST, CIT-ST/A or CIT-BR, its repeated entries are merged into
// the first attachment of its kind. Nodes are moved from the child's document into the parent's.
#include <array>
#include <initializer_list>

#include "hostapi/EDeclarations.h"
#include "hostapi/Errors.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/edeklaracje/DecimalText.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "mv_deklaracje/forms/FormXml.h"

namespace {

using Nodes = std::vector<tlx::ComPtr<IXMLDOMNode>>;
using References = std::initializer_list<std::u16string_view>;

struct Kind {
    LONG type;
    std::u16string_view symbol;
    std::u16string_view element;
};
constexpr std::array kKinds{
    Kind{dekPITB, u"PIT/B", u"Zalacznik_PIT_B"},         Kind{dekPIT28B, u"PIT-28/B", u"Zalacznik_PIT-28_B"},
    Kind{dekPITO, u"PIT/O", u"Zalacznik_PIT_O"},         Kind{dekCITD, u"CIT-D", u"Zalacznik_CIT-D"},
    Kind{dekCITST, u"CIT-ST", u"Zalacznik_CIT-ST"},      Kind{dekCITSTA, u"CIT-ST/A", u"Zalacznik_CIT-ST_A"},
    Kind{dekPITZG, u"PIT/ZG", u"Zalacznik_PIT_ZG"},      Kind{dekPITZ, u"PIT/Z", u"Zalacznik_PIT_Z"},
    Kind{dekCITBR, u"CIT-BR", u"Zalacznik_CIT-BR"},      Kind{dekPITBR, u"PIT/BR", u"Zalacznik_PIT_BR"},
};

const Kind& KindOf(LONG type) {
    for (const Kind& kind : kKinds)
        if (kind.type == type) return kind;
    RaiseHResult(E_INVALIDARG);
}

std::u16string Decimal(LONG value) { return FormatString(u"%ld", static_cast<long>(value)); }

// The attachment failures carry the host's wording of the text, or the text itself when the host has none.
[[noreturn]] void RaiseAttachmentError(const std::u16string& text) {
    CBstr worded = GetHostErrorText(HOST_E_MISSINGDATA, CBstr(text));
    RaiseComError(HOST_E_MISSINGDATA, worded.IsEmpty() ? std::u16string_view(text) : worded.View());
}

[[noreturn]] void RaiseUnknownChild(LONG childType) {
    RaiseAttachmentError(u"Nie można dodać załącznika typu " + Decimal(childType));
}

[[noreturn]] void RaiseNothingToExport(std::u16string_view symbol, LONG number) {
    RaiseAttachmentError(u"Błąd dodawania załącznika " + std::u16string(symbol) + u" numer " + Decimal(number) +
                         u": żadne wartości nie są przeznaczone do eksportu!");
}

std::u16string InMain(std::u16string_view element) { return u"/Deklaracja/Zalaczniki/" + std::u16string(element); }
std::u16string Entries(const Kind& kind) { return u"/Deklaracja/" + std::u16string(kind.element) + u"/PozycjeSzczegolowe"; }

void InsertBefore(IXMLDOMNode* parent, IXMLDOMNode* node, IXMLDOMNode* before) {
    tlx::ComPtr<IXMLDOMNode> inserted;
    CheckHost(parent->insertBefore(node, before ? tlx::Variant::FromDispatch(before) : tlx::Variant(), inserted.Out()));
}

void AppendAll(IXMLDOMNode* parent, const Nodes& nodes) {
    for (const auto& node : nodes) InsertBefore(parent, node.Get(), nullptr);
}

tlx::ComPtr<IXMLDOMNode> NextSibling(IXMLDOMNode* node) {
    tlx::ComPtr<IXMLDOMNode> next;
    CheckHost(node->get_nextSibling(next.Out()));
    return next;
}

// The first sibling after `start` whose name `inRun` refuses: where an entry goes to extend the run that
// `start` begins; null when the run ends the parent's children.
template <typename InRun>
tlx::ComPtr<IXMLDOMNode> EndOfRun(IXMLDOMNode* start, InRun inRun) {
    tlx::ComPtr<IXMLDOMNode> node = NextSibling(start);
    while (node && inRun(NodeName(node.Get()).View())) node = NextSibling(node.Get());
    return node;
}

// The names a PIT/O of version 19 walks over to find where its first "P_E" goes: "P_D" and the
// positions "P_19" to "P_42".
bool BeforeFirstEntryOf19(std::u16string_view name) {
    static constexpr std::array kFixed{u"P_D", u"P_19", u"P_20", u"P_21", u"P_22", u"P_23_1", u"P_23_2", u"P_24_1", u"P_24_2"};
    for (std::u16string_view fixed : kFixed)
        if (name == fixed) return true;
    if (name.size() != 4 || name.substr(0, 2) != u"P_") return false;
    int number = (name[2] - u'0') * 10 + (name[3] - u'0');
    return name[2] >= u'0' && name[2] <= u'9' && name[3] >= u'0' && name[3] <= u'9' && number >= 25 && number <= 42;
}

// The first child of `entry` named `name`, walking the siblings from `from` (the first child when null).
tlx::ComPtr<IXMLDOMNode> ChildNamed(IXMLDOMNode* entry, std::u16string_view name, IXMLDOMNode* from = nullptr) {
    tlx::ComPtr<IXMLDOMNode> node(from);
    if (!node) CheckHost(entry->get_firstChild(node.Out()));
    while (node && NodeName(node.Get()).View() != name) node = NextSibling(node.Get());
    return node;
}

void AddToTotal(IXMLDOMNode* total, IXMLDOMNode* amount) {
    double sum = VariantToDoubleOr(tlx::Variant::FromString(NodeText(total).View()), 0) +
                 VariantToDoubleOr(tlx::Variant::FromString(NodeText(amount).View()), 0);
    CheckHost(total->put_text(tlx::Bstr(FormatTrimmedDecimal(sum)).Get()));
}

}  // namespace

void CEDeklaracja::PlaceWholeAttachment(LONG childType, IXMLDOMDocument2* child, IXMLDOMDocument2* main,
                                        std::initializer_list<std::u16string_view> references) {
    const Kind& kind = KindOf(childType);
    tlx::ComPtr<IXMLDOMNode> attachment = SelectRequiredNode(child, u"/Deklaracja/" + std::u16string(kind.element));
    tlx::ComPtr<IXMLDOMNode> zalaczniki = SelectRequiredNode(main, u"/Deklaracja/Zalaczniki");
    tlx::ComPtr<IXMLDOMNode> before;
    for (std::u16string_view reference : references)
        if ((before = SelectOptionalNode(main, InMain(u"Zalacznik_" + std::u16string(reference))))) break;
    InsertBefore(zalaczniki.Get(), attachment.Get(), before.Get());
    SendMessage(u"Dodanie załącznika [" + std::u16string(kind.symbol) + u"] do deklaracji", kInfo);
}

// A later PIT/O gives its "P_D" and "P_E" entries to the first one; from PIT-36 version 20 on (and for
// every PIT-37) the amounts of its "P_E" entries are added to the first one's totals.
void CEDeklaracja::MergePitO(IXMLDOMDocument2* child, IXMLDOMDocument2* main, LONG number, LONG version) {
    const Kind& kind = KindOf(dekPITO);
    SelectRequiredNode(child, u"/Deklaracja/Zalacznik_PIT_O");
    SelectRequiredNode(main, u"/Deklaracja/Zalaczniki");
    Nodes donations = SelectNodeList(child, Entries(kind) + u"/P_D");
    Nodes entries = SelectNodeList(child, Entries(kind) + u"/P_E");
    if (donations.empty() && entries.empty()) RaiseNothingToExport(kind.symbol, number);
    const std::u16string first = InMain(kind.element) + u"/PozycjeSzczegolowe";
    tlx::ComPtr<IXMLDOMNode> target = SelectRequiredNode(main, first);

    for (const auto& donation : donations) {
        tlx::ComPtr<IXMLDOMNode> before;
        if (version >= 19) {
            if (tlx::ComPtr<IXMLDOMNode> run = SelectOptionalNode(main, first + u"/P_D"))
                before = EndOfRun(run.Get(), [](std::u16string_view name) { return name == u"P_D"; });
        } else {
            before = SelectOptionalNode(main, first + u"/P_E");
        }
        InsertBefore(target.Get(), donation.Get(), before.Get());
    }
    for (const auto& entry : entries) {
        tlx::ComPtr<IXMLDOMNode> before;
        if (version >= 19) {
            if (tlx::ComPtr<IXMLDOMNode> run = SelectOptionalNode(main, first + u"/P_E"))
                before = EndOfRun(run.Get(), [](std::u16string_view name) { return name == u"P_E"; });
            else if (version == 19)
                if (tlx::ComPtr<IXMLDOMNode> start = SelectOptionalNode(main, first + u"/P_D"))
                    before = EndOfRun(start.Get(), BeforeFirstEntryOf19);
        }
        InsertBefore(target.Get(), entry.Get(), before.Get());
    }
    if (version >= 20) {
        tlx::ComPtr<IXMLDOMNode> totalA = SelectOptionalNode(main, first + u"/P_40A");
        tlx::ComPtr<IXMLDOMNode> totalB = SelectOptionalNode(main, first + u"/P_40B");
        for (const auto& entry : entries) {
            tlx::ComPtr<IXMLDOMNode> firstChild;
            CheckHost(entry->get_firstChild(firstChild.Out()));
            if (!firstChild) continue;
            tlx::ComPtr<IXMLDOMNode> e7 = ChildNamed(entry.Get(), u"P_E7");
            if (e7 && totalA) AddToTotal(totalA.Get(), e7.Get());
            tlx::ComPtr<IXMLDOMNode> e8 = ChildNamed(entry.Get(), u"P_E8", e7.Get());
            if (e8 && totalB) AddToTotal(totalB.Get(), e8.Get());
        }
    }
    SendMessage(u"Dodanie załącznika [PIT/O] do deklaracji", kInfo);
}

// The "P_D" entries of a later PIT/BR or CIT-BR go to the first attachment of its kind; `target` is
// that attachment's "PozycjeSzczegolowe".
void CEDeklaracja::MergeDonations(LONG childType, IXMLDOMDocument2* child, IXMLDOMNode* target, LONG number) {
    const Kind& kind = KindOf(childType);
    Nodes donations = SelectNodeList(child, Entries(kind) + u"/P_D");
    if (donations.empty()) RaiseNothingToExport(kind.symbol, number);
    if (!target)
        RaiseAttachmentError(u"Błąd dodawania załącznika " + std::u16string(kind.symbol) + u" numer " + Decimal(number) +
                             u": brak pierwszego załącznika!");
    AppendAll(target, donations);
    SendMessage(u"Dodanie załącznika [" + std::u16string(kind.symbol) + u"] do deklaracji", kInfo);
}

void CEDeklaracja::DodajZalacznikPIT28(LONG childType, IXMLDOMDocument2* child, IXMLDOMDocument2* main) {
    if (childType != dekPIT28B) RaiseUnknownChild(childType);
    PlaceWholeAttachment(childType, child, main, {u"ORD-ZU"});
}

void CEDeklaracja::DodajZalacznikPIT36(LONG childType, IXMLDOMDocument2* child, IXMLDOMDocument2* main, LONG number,
                                       LONG parentVersion, LONG first, LONG spouse) {
    switch (childType) {
    case dekPITB: return PlaceWholeAttachment(childType, child, main, {u"PIT_Z", u"PIT_D", u"PIT_O", u"ORD-ZU"});
    case dekPITZ: return PlaceWholeAttachment(childType, child, main, {u"PIT_D", u"PIT_O", u"PIT_ZG", u"ORD-ZU"});
    case dekPITZG: return PlaceWholeAttachment(childType, child, main, {u"ORD-ZU"});
    case dekPITO:
        if (number <= 1) return PlaceWholeAttachment(childType, child, main, {u"ORD-ZU"});
        return MergePitO(child, main, number, parentVersion);
    case dekPITBR: {
        if (first != 0)
            return PlaceWholeAttachment(childType, child, main, {u"PIT_Z", u"PIT_D", u"PIT_O", u"PIT_ZG", u"ORD-ZU"});
        // The taxpayer's PIT/BR comes first, the spouse's second.
        Nodes targets = SelectNodeList(main, u"/Deklaracja/Zalaczniki/Zalacznik_PIT_BR/PozycjeSzczegolowe");
        if (targets.empty())
            RaiseAttachmentError(u"Błąd dodawania załącznika PIT/BR numer " + Decimal(number) + u": brak pierwszego załącznika!");
        return MergeDonations(childType, child, targets[spouse != 0 && targets.size() > 1 ? 1 : 0].Get(), number);
    }
    default: RaiseUnknownChild(childType);
    }
}

void CEDeklaracja::DodajZalacznikPIT36L(LONG childType, IXMLDOMDocument2* child, IXMLDOMDocument2* main, LONG number) {
    switch (childType) {
    case dekPITB: return PlaceWholeAttachment(childType, child, main, {u"ORD-ZU"});
    case dekPITZ: return PlaceWholeAttachment(childType, child, main, {u"PIT_ZG", u"PIT_BR", u"ORD-ZU"});
    case dekPITZG: return PlaceWholeAttachment(childType, child, main, {u"PIT_BR", u"ORD-ZU"});
    case dekPITBR:
        if (number <= 1) return PlaceWholeAttachment(childType, child, main, {u"ORD-ZU"});
        return MergeDonations(childType, child,
                              SelectOptionalNode(main, u"/Deklaracja/Zalaczniki/Zalacznik_PIT_BR/PozycjeSzczegolowe").Get(),
                              number);
    default: RaiseUnknownChild(childType);
    }
}

void CEDeklaracja::DodajZalacznikCIT8(LONG childType, IXMLDOMDocument2* child, IXMLDOMDocument2* main, LONG number,
                                      LONG parentVersion) {
    switch (childType) {
    case dekCITD: return PlaceWholeAttachment(childType, child, main, {u"ORD-ZU"});
    case dekCITST: {
        if (number <= 1) {
            if (parentVersion >= 23) return PlaceWholeAttachment(childType, child, main, {u"CIT-8_O", u"CIT-D", u"ORD-ZU"});
            return PlaceWholeAttachment(childType, child, main, {u"ORD-ZU"});
        }
        tlx::ComPtr<IXMLDOMNode> target =
            SelectRequiredNode(main, u"/Deklaracja/Zalaczniki/Zalacznik_CIT-ST/PozycjeSzczegolowe");
        tlx::ComPtr<IXMLDOMNode> before =
            SelectOptionalNode(main, u"/Deklaracja/Zalaczniki/Zalacznik_CIT-ST/PozycjeSzczegolowe/P_169");
        tlx::ComPtr<IXMLDOMNode> positions = SelectRequiredNode(child, u"/Deklaracja/Zalacznik_CIT-ST/PozycjeSzczegolowe");
        for (const auto& entry : SelectNodeList(positions.Get(), u"P_E")) InsertBefore(target.Get(), entry.Get(), before.Get());
        return;
    }
    case dekCITSTA: {
        tlx::ComPtr<IXMLDOMNode> zalaczniki = SelectRequiredNode(main, u"/Deklaracja/Zalaczniki/Zalacznik_CIT-ST/Zalaczniki");
        if (number <= 1) {
            InsertBefore(zalaczniki.Get(), SelectRequiredNode(child, u"/Deklaracja/Zalacznik_CIT-ST_A").Get(), nullptr);
            SendMessage(u"Dodanie załącznika [CIT-ST/A] do deklaracji", kInfo);
            return;
        }
        tlx::ComPtr<IXMLDOMNode> target = SelectRequiredNode(
            main, u"/Deklaracja/Zalaczniki/Zalacznik_CIT-ST/Zalaczniki/Zalacznik_CIT-ST_A/PozycjeSzczegolowe");
        tlx::ComPtr<IXMLDOMNode> positions = SelectRequiredNode(child, u"/Deklaracja/Zalacznik_CIT-ST_A/PozycjeSzczegolowe");
        AppendAll(target.Get(), SelectNodeList(positions.Get(), u"P_B1"));
        return;
    }
    case dekCITBR:
        if (number <= 1) return PlaceWholeAttachment(childType, child, main, {u"CIT-D", u"ORD-ZU"});
        return MergeDonations(
            childType, child, SelectRequiredNode(main, u"/Deklaracja/Zalaczniki/Zalacznik_CIT-BR/PozycjeSzczegolowe").Get(),
            number);
    default: RaiseUnknownChild(childType);
    }
}

// A PIT-37 merges a later PIT/O as a PIT-36 of version 20 does.
void CEDeklaracja::DodajZalacznikPIT37(LONG childType, IXMLDOMDocument2* child, IXMLDOMDocument2* main, LONG number) {
    if (childType != dekPITO) RaiseUnknownChild(childType);
    if (number <= 1) return PlaceWholeAttachment(childType, child, main, {u"PIT_D", u"ORD-ZU"});
    MergePitO(child, main, number, 20);
}

// The children of a PIT or CIT parent by type in a fixed order, each numbered from 1 until a number is
// missing; the host's schema repository may take a child in, else it is placed here.
void CEDeklaracja::PlaceChildAttachments(IDeklaracja2* declaration, IXMLDOMDocument2* main) {
    tlx::ComPtr<IDeklaracja> self;
    CheckHost(declaration->get_This(self.Out()));
    if (!self) RaiseHResult(E_POINTER);
    LONG type = 0, id = 0, version = 0;
    CheckHost(self->get_TypDeklar(&type));
    if (type != dekPIT36 && type != dekPIT36L && type != dekPIT28 && type != dekPIT37 && type != dekCIT8) return;
    CheckHost(self->get_ID(&id));
    CheckHost(self->get_Wersja(&version));
    version = std::max<LONG>(1, version);
    for (LONG childType : {dekPITB, dekPIT28B, dekPITO, dekCITD, dekCITST, dekCITSTA, dekPITZG, dekPITZ, dekCITBR, dekPITBR}) {
        for (LONG number = 1;; ++number) {
            ChildDocument child;
            try {
                child = BuildChildDocument(u"DkN_TypDeklar=" + Decimal(childType) + u" AND DkN_ParentID=" + Decimal(id) +
                                               u" AND DkN_Numer=" + Decimal(number),
                                           u"");
            } catch (const ComError& e) {
                if (e.Code() != HOST_E_NOROW) throw;
                break;
            }
            if (tlx::ComPtr<ISchemaRepository> repository = CreateSchemaRepository()) {
                VARIANT_BOOL added = VARIANT_FALSE;
                CheckHost(repository->AddAttachment(main, child.document.Get(), childType, number, &added));
                if (added) continue;
            }
            switch (type) {
            case dekPIT28: DodajZalacznikPIT28(childType, child.document.Get(), main); break;
            case dekPIT36:
                DodajZalacznikPIT36(childType, child.document.Get(), main, number, version, child.pierwszy,
                                    child.uzupelniamDaneMalzonka);
                break;
            case dekPIT36L: DodajZalacznikPIT36L(childType, child.document.Get(), main, number); break;
            case dekCIT8: DodajZalacznikCIT8(childType, child.document.Get(), main, number, version); break;
            default: DodajZalacznikPIT37(childType, child.document.Get(), main, number); break;
            }
        }
    }
}
