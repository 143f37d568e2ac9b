// Loading and saving a declaration: the first-use load of the form (definition, scripts, pairing of the
// stored values with the fields, "onload"), the record hooks of binding, checking and saving, the
// numbering of a new declaration and the rebuild of its printout lines.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <vector>

#include "hostapi/Configuration.h"
#include "hostapi/Employees.h"
#include "hostapi/Errors.h"
#include "hostapi/Login.h"
#include "mv_deklaracje/deklaracje/Deklaracja.h"
#include "mv_deklaracje/deklaracje/StoredElements.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/HostServices.h"

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
// the same save counts them as the database will: by the session (its identity), the number query
// (form type, employee and, for IWA, year) and the number.
struct PendingNumber {
    const void* owner;
    const void* session;
    std::u16string query;
    LONG number;
};
std::mutex g_pendingMutex;
std::vector<PendingNumber> g_pendingNumbers;

void ForgetNumber(const void* owner) {
    std::lock_guard lock(g_pendingMutex);
    std::erase_if(g_pendingNumbers, [&](const PendingNumber& n) { return n.owner == owner; });
}

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
// `createMissing`; a refresh finds every row).
void CDeklaracja::BindElementsToFields(bool createMissing) {
    tlx::ComPtr<ICollection> elements = ChildCollection(Child::Elements);
    StoredElements stored(elements.Get());
    for (std::size_t i = 0; i < definition_.FieldCount(); ++i) {
        tlx::ComPtr<CDekElementInfo> field = definition_.GetFieldByIndex(i);
        if (field->Lp() == 0) continue;
        tlx::ComPtr<IDispatch> item = stored.Find(field->Lp(), !createMissing);
        if (item) {
            field->SetBookmark(StoredElements::BookmarkText(item.Get()));
            continue;
        }
        CheckHost(elements->AddNew(tlx::Variant::Missing(), item.Out()));
        CBstr bookmark = StoredElements::BookmarkText(item.Get());
        field->SetBookmark(bookmark);
        stored.Added(field->Lp(), bookmark);
        tlx::ComPtr<IDekElement> element = item.As<IDekElement>();
        if (!element) RaiseHResult(E_POINTER);
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

// One more than the highest number of the same form type and the same employee (or of those without
// one) over all periods; IWA counts its own year alone. New declarations numbered earlier in the same
// save, whose rows are not written yet, count too. The host saves inside a transaction that holds the
// database's write lock from its start, so a second session saving at the same time waits and then
// counts this number too.
void CDeklaracja::AssignNumber() {
    CBstr employee;
    try {
        tlx::ComPtr<IPracownik> pracownik = Employee().As<IPracownik>();
        LONG id = 0;
        if (!pracownik) RaiseHResult(E_NOINTERFACE);
        CheckHost(pracownik->get_ID(&id));
        employee = CBstr(u"dkn_praid=") + LongToString(id);
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
    std::u16string query(sql.View());
    {
        std::lock_guard lock(g_pendingMutex);
        for (const PendingNumber& pending : g_pendingNumbers)
            if (pending.owner != this && pending.session == sessionIdentity.Get() && pending.query == query)
                number = std::max(number, pending.number + 1);
    }
    WriteLong(u"Numer", number);
    ForgetPendingNumber();
    std::lock_guard lock(g_pendingMutex);
    g_pendingNumbers.push_back(PendingNumber{this, sessionIdentity.Get(), std::move(query), number});
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
void CDeklaracja::RebuildPrintouts() {
    struct Line {
        LONG box;
        LONG subBox;
        CBstr description;
        CBstr text;
    };
    std::vector<Line> wanted;
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
        wanted.push_back({field->Lpw(), field->Lpw2(), field->Opis(), std::move(text)});
    }

    tlx::ComPtr<ICollection> printouts = ChildCollection(Child::Printouts);
    std::vector<tlx::ComPtr<IDekWydruk>> present;
    for (CCollectionEnumerator<IDekWydruk> each(printouts.Get()); auto line = each.Current(); each.MoveNext())
        present.push_back(line);
    for (std::size_t i = wanted.size(); i < present.size(); ++i)
        CheckHost(printouts->Delete(tlx::Variant::FromDispatch(present[i].Get())));
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const Line& line = wanted[i];
        tlx::ComPtr<IDekWydruk> target;
        if (i < present.size()) {
            target = present[i];
        } else {
            tlx::ComPtr<IDispatch> item;
            CheckHost(printouts->AddNew(tlx::Variant::Missing(), item.Out()));
            target = item.As<IDekWydruk>();
            if (!target) RaiseHResult(E_POINTER);
        }
        LONG box = 0, subBox = 0;
        tlx::Bstr description, text;
        if (i < present.size()) {
            CheckHost(target->get_Rubryka(&box));
            CheckHost(target->get_SubRubryka(&subBox));
            CheckHost(target->get_Opis(description.Out()));
            CheckHost(target->get_Wartosc(text.Out()));
        }
        if (i >= present.size() || box != line.box) CheckHost(target->put_Rubryka(line.box));
        if (i >= present.size() || subBox != line.subBox) CheckHost(target->put_SubRubryka(line.subBox));
        if (i >= present.size() || description.View() != line.description.View())
            CheckHost(target->put_Opis(tlx::Bstr(line.description.View()).Get()));
        if (i >= present.size() || text.View() != line.text.View())
            CheckHost(target->put_Wartosc(tlx::Bstr(line.text.View()).Get()));
    }
}
