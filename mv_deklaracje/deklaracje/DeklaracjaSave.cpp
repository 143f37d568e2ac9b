// Loading and saving a declaration: the first-use load of the form (definition, scripts, pairing of the
// stored values with the fields, "onload"), the record hooks of binding, checking and saving, the
// numbering of a new declaration and the rebuild of its printout lines.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "hostapi/Configuration.h"
#include "hostapi/Employees.h"
#include "hostapi/Errors.h"
#include "hostapi/Login.h"
#include "mv_deklaracje/deklaracje/DekElement.h"
#include "mv_deklaracje/deklaracje/Deklaracja.h"
#include "mv_deklaracje/deklaracje/StoredElements.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/SendClaims.h"

namespace {

// "1,234,567.89": two decimals after a point, thousands apart by commas, the sign before the digits.
CBstr FormatMoneyText(const CMoney& amount) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.2f", std::fabs(amount.AsDouble()));
    std::size_t length = std::char_traits<char>::length(digits);
    std::size_t whole = length - 3;  // the digits before the point
    std::u16string result = amount.AsDouble() < 0 ? u"-" : u"";
    for (std::size_t i = 0; i < length; ++i) {
        if (i > 0 && i < whole && (whole - i) % 3 == 0) result += u',';
        result += static_cast<char16_t>(digits[i]);
    }
    return CBstr(result);
}

// Numbers given to new declarations whose rows are not written yet, so that the next new declaration of
// the same save counts them as the database will. They are grouped by the session (its identity) and the
// number query (form type, employee and, for IWA, year); a declaration holds one number at the most. A
// save of thousands of new declarations asks for the highest number of a group at every one of them.
using PendingGroup = std::pair<const void*, std::u16string>;
struct PendingNumbers {
    std::map<PendingGroup, std::multiset<LONG>> numbers;
    std::unordered_map<const void*, std::pair<PendingGroup, LONG>> held;  // by the declaration holding it
};
std::mutex g_pendingMutex;
PendingNumbers g_pending;

void ForgetNumber(const void* owner) {
    std::lock_guard lock(g_pendingMutex);
    auto found = g_pending.held.find(owner);
    if (found == g_pending.held.end()) return;
    auto group = g_pending.numbers.find(found->second.first);
    group->second.erase(group->second.find(found->second.second));
    if (group->second.empty()) g_pending.numbers.erase(group);
    g_pending.held.erase(found);
}

// `number`, or the number after the highest one held in the group when that is higher.
LONG AfterPendingNumbers(const PendingGroup& group, LONG number) {
    std::lock_guard lock(g_pendingMutex);
    auto found = g_pending.numbers.find(group);
    return found == g_pending.numbers.end() ? number : std::max(number, *found->second.rbegin() + 1);
}

void HoldNumber(const void* owner, PendingGroup group, LONG number) {
    std::lock_guard lock(g_pendingMutex);
    g_pending.numbers[group].insert(number);
    g_pending.held.emplace(owner, std::make_pair(std::move(group), number));
}

constexpr double kSecondsPerDay = 86400.0;

bool IsEmptyValue(const VARIANT& value) {
    return value.vt <= VT_NULL || (value.vt == VT_BSTR && SysStringLen(value.bstrVal) == 0);
}

}  // namespace

void CDeklaracja::EnsureFormLoaded() {
    if (definition_.IsLoaded()) return;
    tlx::ComPtr<IDeklaracja2> self;
    CheckHost(QueryInterface(IidOf<IDeklaracja2>(), self.OutVoid()));
    definition_.LoadFormDefinition(self.Get());
    BindElementsToFields(true);
    FireFormEvent(CBstr(u"onload"));
}

// Each numbered field is paired with the stored value of its number, the rows read once for all the
// fields. A field without one gets a new row with its number and its default value (only when
// `createMissing`; a refresh finds every row). A stored row is paired by its bookmark alone: its
// element object is made when the field is first used, so a field never read costs no object.
void CDeklaracja::BindElementsToFields(bool createMissing) {
    tlx::ComPtr<ICollection> elements = ChildCollection(Child::Elements);
    StoredElements stored(elements.Get());
    for (std::size_t i = 0; i < definition_.FieldCount(); ++i) {
        tlx::ComPtr<CDekElementInfo> field = definition_.GetFieldByIndex(i);
        if (field->Lp() == 0) continue;
        if (std::optional<CBstr> bookmark = stored.IndexedBookmark(field->Lp())) {
            field->SetBookmark(*bookmark);
            continue;
        }
        tlx::ComPtr<IDispatch> item = stored.Find(field->Lp(), !createMissing);
        if (item) {
            field->SetBookmark(StoredElements::BookmarkText(item.Get()));
            continue;
        }
        CheckHost(elements->AddNew(tlx::Variant::Missing(), item.Out()));
        CBstr bookmark = StoredElements::BookmarkText(item.Get());
        field->SetBookmark(bookmark);
        stored.Added(bookmark);
        tlx::ComPtr<IDekElement> element = item.As<IDekElement>();
        if (!element) RaiseHResult(E_POINTER);
        // The module's own element takes the field it is made for; another class is numbered as a
        // script numbers it.
        if (auto* own = dynamic_cast<CDekElement*>(element.Get()))
            own->NumberAs(*field.Get());
        else
            CheckHost(element->put_Numer(field->Lp()));
        tlx::Variant value = definition_.EvaluateFormScript(field->Default(), item.Get());
        if (!IsEmptyValue(value)) CheckHost(element->put_Wartosc(value));
    }
}

void CDeklaracja::OnLoadRecord(LONG mode) {
    if (mode == hostBindRefresh) {
        if (definition_.IsLoaded()) BindElementsToFields(false);
        return;
    }
    jestemKlonem_ = mode == hostBindClone ? 1 : 0;
    if (mode == hostBindClone && ReadLong(u"Zablokowana") != 0) WriteLock(0);
    EditModeEnum editMode{};
    CheckHost(BoundRecordset()->get_EditMode(&editMode));
    lockedAtLoad_ = editMode == adEditDelete ? 0 : ReadLong(u"Zablokowana");
}

// CIT forms are refused to an accounting office's operator in a company whose kind of accounting
// does not allow them, when the login uses the host's first module without its accounting modules.
void CDeklaracja::CheckCitAvailable() {
    LONG type = ReadLong(u"TypDeklar");
    if (type != dekCIT2 && type != dekCIT8) return;
    tlx::ComPtr<ISession2> session = GetSession().As<ISession2>();
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<ILogin> login;
    CheckHost(session->get_Login(login.Out()));
    if (!login) RaiseHResult(E_POINTER);
    auto available = [&](LONG module) {
        VARIANT_BOOL answer = VARIANT_FALSE;
        CheckHost(login->IsModuleAvailable(module, &answer));
        return answer != VARIANT_FALSE;
    };
    if (!available(1) || available(2) || available(10)) return;
    tlx::ComPtr<IDispatch> object;
    tlx::Bstr configurationClass(tlx::GuidToText(CLSID_Konfiguracja));
    CheckHost(login->CreateObject(configurationClass.Get(), object.Out()));
    tlx::ComPtr<IKonfiguracja> configuration = object.As<IKonfiguracja>();
    if (!configuration) RaiseHResult(E_POINTER);
    tlx::Bstr kind;
    CheckHost(configuration->GetValue(tlx::Bstr(u"RodzajKsiegowosci").Get(), kind.Out()));
    LONG accounting = kind.Length() == 0 ? 0 : VariantToLong(tlx::Variant::FromString(kind.View()));
    if (accounting != 3) return;
    tlx::ComPtr<IOperatorObject> op;
    CheckHost(login->GetOperatorObject(op.Out()));
    LONG operatorType = 0;
    if (op) CheckHost(op->OperatorType(&operatorType));
    if (operatorType == 4) return;
    RaiseComError(HOST_E_CITNOTALLOWED, GetHostErrorText(HOST_E_CITNOTALLOWED, CBstr(u"")).View());
}

void CDeklaracja::OnVerify() {
    EnsureFormLoaded();
    CheckCitAvailable();
    if (!lockedAtLoad_ && !suppressEvents_) FireFormEvent(CBstr(u"onverify"));
}

void CDeklaracja::ForgetPendingNumber() { ForgetNumber(this); }

void CDeklaracja::OnSave(LONG mode) {
    // Once the row is written (the database counts it) or the save is rolled back, its number is no
    // longer held apart.
    if (mode == hostSaveWritten || mode == hostSaveRollback) ForgetPendingNumber();
    if (mode == hostSavePrepare || mode == hostSaveDeleted) RefuseWhileSentElsewhere();
    if (mode != hostSaveRollback) {
        EditModeEnum editMode{};
        CheckHost(BoundRecordset()->get_EditMode(&editMode));
        UpdateAccountingLinkOnSave(mode, editMode);
    }
    if (mode == hostSaveDeleted) {
        if (!IsRecordNotDeleted()) RemoveRowsOfDeletedDeclaration();
        return;
    }
    if (dekret_ && ReadLong(u"DekId") == 0) return;
    if (mode == hostSavePrepare) {
        EditModeEnum editMode{};
        CheckHost(BoundRecordset()->get_EditMode(&editMode));
        if (editMode != adEditAdd) return;
        EnsureFormLoaded();
        if (definition_.Autonumeracja()) AssignNumber();
        return;
    }
    if (mode != hostSaveCheck || !IsRecordNotDeleted()) return;
    WriteLong(u"TypDeklar", ReadLong(u"TypDeklar"));
    if (!RowToSave()) return;
    OnVerify();
    if (!lockedAtLoad_ && !suppressEvents_) FireFormEvent(CBstr(u"onsave"));
    RebuildPrintouts();
}

// A stored row that another session is sending is neither written nor removed from here: its sender
// stores the reference number the office gave it in that row, and a change made meanwhile would not be
// what was filed. Only the object that claimed the row writes it while the send lasts.
void CDeklaracja::RefuseWhileSentElsewhere() {
    const LONG id = ReadIdentifier();
    if (id == 0) return;
    tlx::ComPtr<ISession2> session = GetSession().As<ISession2>();
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<Connection> connection;
    CheckHost(session->get_Connection(connection.Out()));
    ::RefuseWhileSentElsewhere(connection.Get(), Self().Get(), id);
}

// The stamp the save wrote is the row's version: it must differ from the one the row was read with, also
// when this save falls within the second of the one before or the workstation's clock is behind the one
// that saved last, so that every copy read before this save is refused by its own next save or send. A
// stamp not later than the one read becomes one second after it.
void CDeklaracja::AdvanceVersionStamp() {
    tlx::ComPtr<Field> field = RecordsetField(BoundRecordset().Get(), JoinedText(ColumnPrefix().View(), u"TS_Mod"));
    tlx::Variant read, stamped;
    CheckHost(field->get_UnderlyingValue(read.Out()));
    CheckHost(field->get_Value(stamped.Out()));
    if (read.vt == VT_EMPTY || read.vt == VT_NULL) return;
    auto seconds = [](const VARIANT& value) {
        tlx::Variant date;
        CheckHost(VariantChangeType(&date, &value, 0, VT_DATE));
        return std::llround(date.date * kSecondsPerDay);
    };
    const long long readAt = seconds(read);
    if (stamped.vt != VT_EMPTY && stamped.vt != VT_NULL && seconds(stamped) > readAt) return;
    SetFieldValue(u"TS_Mod", tlx::Variant::FromDate(static_cast<double>(readAt + 1) / kSecondsPerDay));
}

// One more than the highest number of the same form type and the same employee (or of those without
// one) over all periods; IWA counts its own year alone. New declarations numbered earlier in the same
// save, whose rows are not written yet, count too. The host saves inside a transaction that holds the
// database's write lock from its start, so a second session saving at the same time waits and then
// counts this number too.
void CDeklaracja::AssignNumber() {
    CBstr employee(u"dkn_praid is null ");
    try {
        // A declaration of no employee is told by its empty link, without raising the failure of reading it.
        if (tlx::ComPtr<IDispatch> linked = FindLink(Link::Employee)) {
            tlx::ComPtr<IPracownik> pracownik = linked.As<IPracownik>();
            LONG id = 0;
            if (!pracownik) RaiseHResult(E_NOINTERFACE);
            CheckHost(pracownik->get_ID(&id));
            employee = CBstr(u"dkn_praid=") + LongToString(id);
        }
    } catch (const ComError& e) {
        if (e.Code() != HOST_E_RECORDZERO) throw;
        employee = CBstr(u"dkn_praid is null ");
    }
    LONG type = ReadLong(u"TypDeklar");
    CBstr period(u"");
    if (type == dekZUS_IWA) {
        CBstr year = LongToString(RokMiesiac() / 100);
        period = CBstr(u" and dkn_rokmiesiac between ") + year + std::u16string_view(u"01 and ") + year +
                 std::u16string_view(u"12");
    }
    CBstr sql = CBstr(u"select max(dkn_numer) from tlx.deklnag where ") + employee + std::u16string_view(u" ") +
                period + std::u16string_view(u" and dkn_typdeklar=") + LongToString(type);

    tlx::ComPtr<ISession2> session = GetSession().As<ISession2>();
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<Connection> connection;
    CheckHost(session->get_Connection(connection.Out()));
    if (!connection) RaiseHResult(E_POINTER);
    tlx::ComPtr<Recordset> rows;
    tlx::Variant affected;
    CheckHost(connection->Execute(tlx::Bstr(sql.View()).Get(), affected.Out(), adCmdText, rows.Out()));
    if (!rows) RaiseHResult(E_POINTER);
    tlx::ComPtr<Fields> fields;
    CheckHost(rows->get_Fields(fields.Out()));
    tlx::ComPtr<Field> first;
    CheckHost(fields->get_Item(tlx::Variant::FromLong(0), first.Out()));
    tlx::Variant highest;
    CheckHost(first->get_Value(highest.Out()));
    LONG number = highest.vt <= VT_NULL ? 1 : VariantToLong(highest) + 1;
    tlx::ComPtr<IUnknown> sessionIdentity;
    CheckHost(session->QueryInterface(IID_IUnknown, sessionIdentity.OutVoid()));
    // A number this declaration was given before does not count against it.
    ForgetPendingNumber();
    PendingGroup group{sessionIdentity.Get(), std::u16string(sql.View())};
    number = AfterPendingNumbers(group, number);
    WriteLong(u"Numer", number);
    HoldNumber(this, std::move(group), number);
}

// The row is saved when it is being edited or added, or when something hanging on it (a stored value, a
// page, a side list) changed; a declaration whose form was merely loaded is not checked again.
bool CDeklaracja::RowToSave() {
    if (!IsRecordNotDeleted()) return false;
    EditModeEnum editMode{};
    CheckHost(BoundRecordset()->get_EditMode(&editMode));
    return editMode == adEditInProgress || editMode == adEditAdd || ChildrenHavePendingChanges();
}

// The printout lines follow the printed fields in form order. Lines that already read as they should
// are left alone, a line whose text changed is rewritten in place, and only surplus lines are deleted, so
// a save that changed one printed value writes one line.
namespace {

// A printout line as stored: its values, and the item to write it through, or the bookmark of its row
// to ask the collection for it by (the key "@" and the bookmark, made only for a line that changes).
struct PrintoutLine {
    LONG box = 0;
    LONG subBox = 0;
    CBstr description;
    CBstr text;
    tlx::ComPtr<IDekWydruk> item;
    tlx::Variant bookmark;
};

// The declaration's printout lines in the collection's order. Read from the collection's rows when it
// answers them, without an item per line (an item is asked for only for a line that changes or goes);
// otherwise through its items.
std::vector<PrintoutLine> PresentPrintoutLines(ICollection* printouts) {
    std::vector<PrintoutLine> lines;
    if (tlx::ComPtr<IAdoCollection> collection = tlx::ComPtr<ICollection>(printouts).As<IAdoCollection>()) {
        LONG count = 0;
        CheckHost(printouts->get_Count(&count));  // puts back the collection's own filter
        bool keyed = true;
        if (count > 0) {
            tlx::ComPtr<Recordset> rows;
            CheckHost(collection->get_Recordset(rows.Out()));
            if (!rows) RaiseHResult(E_POINTER);
            tlx::ComPtr<Field> box = RecordsetField(rows.Get(), u"DkW_Rubryka");
            tlx::ComPtr<Field> subBox = RecordsetField(rows.Get(), u"DkW_SubRubryka");
            tlx::ComPtr<Field> description = RecordsetField(rows.Get(), u"DkW_Opis");
            tlx::ComPtr<Field> text = RecordsetField(rows.Get(), u"DkW_Wartosc");
            CheckHost(rows->MoveFirst());
            for (VARIANT_BOOL eof = VARIANT_FALSE; CheckHost(rows->get_EOF(&eof)), !eof; CheckHost(rows->MoveNext())) {
                tlx::Variant bookmark, values[4];
                CheckHost(rows->get_Bookmark(bookmark.Out()));
                if (bookmark.vt <= VT_NULL) {
                    keyed = false;
                    break;
                }
                CheckHost(box->get_Value(values[0].Out()));
                CheckHost(subBox->get_Value(values[1].Out()));
                CheckHost(description->get_Value(values[2].Out()));
                CheckHost(text->get_Value(values[3].Out()));
                PrintoutLine line;
                line.box = values[0].vt <= VT_NULL ? 0 : VariantToLong(values[0]);
                line.subBox = values[1].vt <= VT_NULL ? 0 : VariantToLong(values[1]);
                line.description = values[2].vt <= VT_NULL ? CBstr(u"") : VariantToBstr(values[2]);
                line.text = values[3].vt <= VT_NULL ? CBstr(u"") : VariantToBstr(values[3]);
                line.bookmark = std::move(bookmark);
                lines.push_back(std::move(line));
            }
        }
        if (keyed) return lines;
        lines.clear();
    }
    for (CCollectionEnumerator<IDekWydruk> each(printouts); auto item = each.Current(); each.MoveNext()) {
        PrintoutLine line;
        tlx::Bstr description, text;
        CheckHost(item->get_Rubryka(&line.box));
        CheckHost(item->get_SubRubryka(&line.subBox));
        CheckHost(item->get_Opis(description.Out()));
        CheckHost(item->get_Wartosc(text.Out()));
        line.description = CBstr(description.View());
        line.text = CBstr(text.View());
        line.item = item;
        lines.push_back(std::move(line));
    }
    return lines;
}

tlx::ComPtr<IDekWydruk> ItemOf(ICollection* printouts, const PrintoutLine& line) {
    if (line.item) return line.item;
    tlx::ComPtr<IDispatch> item;
    CBstr key = CBstr(u"@") + VariantToBstr(line.bookmark).View();
    CheckHost(printouts->Item(tlx::Variant::FromString(key.View()), item.Out()));
    tlx::ComPtr<IDekWydruk> printout = item.As<IDekWydruk>();
    if (!printout) RaiseHResult(E_POINTER);
    return printout;
}

}  // namespace

void CDeklaracja::RebuildPrintouts() {
    std::vector<PrintoutLine> wanted;
    for (std::size_t i = 0; i < definition_.FieldCount(); ++i) {
        tlx::ComPtr<CDekElementInfo> field = definition_.GetFieldByIndex(i);
        if (field->Lpw() <= 0) continue;
        tlx::Variant value = GetFieldValue(*field.Get());
        CBstr text;
        if (field->Typ() == detCurrency) {
            double amount = value.vt <= VT_NULL ? 0.0 : ConvertVariant(value, VT_R8).dblVal;
            text = FormatMoneyText(CMoney(amount));
        } else if (field->Typ() == detDate) {
            CDate date(value);
            text = date.IsEmpty() ? CBstr(u"") : date.FormatSql(u"DD-MM-YYYY");
        } else {
            text = value.vt <= VT_NULL ? CBstr(u"") : VariantToBstr(value);
        }
        PrintoutLine line;
        line.box = field->Lpw();
        line.subBox = field->Lpw2();
        line.description = field->Opis();
        line.text = std::move(text);
        wanted.push_back(std::move(line));
    }

    // A row not written yet has no identifier, and every stored line carries the identifier of the
    // written declaration it belongs to (identifiers start at 1), so none is its own; without a printed
    // field it wants none either, and its collection of lines is not made only to be found empty.
    if (wanted.empty() && !children_[static_cast<int>(Child::Printouts)] && ReadIdentifier() == 0) return;
    tlx::ComPtr<ICollection> printouts = ChildCollection(Child::Printouts);
    const std::vector<PrintoutLine> present = PresentPrintoutLines(printouts.Get());
    for (std::size_t i = wanted.size(); i < present.size(); ++i)
        CheckHost(printouts->Delete(tlx::Variant::FromDispatch(ItemOf(printouts.Get(), present[i]).Get())));
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const PrintoutLine& line = wanted[i];
        const bool added = i >= present.size();
        if (!added && present[i].box == line.box && present[i].subBox == line.subBox &&
            present[i].description.View() == line.description.View() && present[i].text.View() == line.text.View())
            continue;
        tlx::ComPtr<IDekWydruk> target;
        if (added) {
            tlx::ComPtr<IDispatch> item;
            CheckHost(printouts->AddNew(tlx::Variant::Missing(), item.Out()));
            target = item.As<IDekWydruk>();
            if (!target) RaiseHResult(E_POINTER);
        } else {
            target = ItemOf(printouts.Get(), present[i]);
        }
        if (added || present[i].box != line.box) CheckHost(target->put_Rubryka(line.box));
        if (added || present[i].subBox != line.subBox) CheckHost(target->put_SubRubryka(line.subBox));
        if (added || present[i].description.View() != line.description.View())
            CheckHost(target->put_Opis(tlx::Bstr(line.description.View()).Get()));
        if (added || present[i].text.View() != line.text.View())
            CheckHost(target->put_Wartosc(tlx::Bstr(line.text.View()).Get()));
    }
}
