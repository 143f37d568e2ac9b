#include "mv_deklaracje/edeklaracje/FilingColumns.h"

#include <cwctype>

#include "hostapi/Framework.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "platform/com/OleDate.h"
#include "platform/com/VariantConversion.h"

namespace {

constexpr char16_t kPrefix[] = u"DkN_EDekl_";

// The column's value as the row holds it and as it was read, as SQL values.
std::pair<std::u16string, std::u16string> ShownAndRead(Field* field) {
    tlx::Variant shown, read;
    CheckHost(field->get_Value(shown.Out()));
    CheckHost(field->get_UnderlyingValue(read.Out()));
    return {SqlValue(shown), SqlValue(read)};
}

bool IsFilingColumn(std::u16string_view name) {
    const std::u16string_view prefix(kPrefix);
    if (name.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::towlower(name[i]) != std::towlower(prefix[i])) return false;
    return true;
}

// Whether a column other than the e-declaration ones holds a value not stored yet.
bool OtherColumnChanged(Recordset* row) {
    tlx::ComPtr<Fields> fields;
    CheckHost(row->get_Fields(fields.Out()));
    LONG count = 0;
    CheckHost(fields->get_Count(&count));
    for (LONG i = 0; i < count; ++i) {
        tlx::ComPtr<Field> field;
        CheckHost(fields->get_Item(tlx::Variant::FromLong(i), field.Out()));
        tlx::Bstr name;
        CheckHost(field->get_Name(name.Out()));
        if (IsFilingColumn(name.View())) continue;
        const auto [shown, read] = ShownAndRead(field.Get());
        if (shown != read) return true;
    }
    return false;
}

std::u16string Decimal(LONG value) { return LongToString(value).Str(); }

}  // namespace

const std::initializer_list<const char16_t*> FilingColumns::kAll = {
    u"RefID",           u"Status",         u"StatusOpis",          u"Podmiot",     u"DokumentID",
    u"DataWplyniecia",  u"SkrotDokumentu", u"SkrotStruktury",      u"StrukturaLogiczna", u"NIP1",
    u"NIP2",            u"StempelCzasu",   u"SigningTime",         u"DataWyslania", u"DataOdebraniaUPO",
    u"OperatorWysylajacy", u"OperatorPobierajacyUPO", u"KodUrzedu"};

void FilingColumns::Store(IDeklaracja2* declaration, const std::vector<LONG>& linked,
                          std::initializer_list<const char16_t*> copied) {
    if (!declaration) RaiseHResult(E_POINTER);
    tlx::ComPtr<Recordset> row = BoundRow(declaration);
    if (!row) RaiseHResult(E_POINTER);
    LONG id = 0;
    CheckHost(declaration->get_ID(&id));
    if (id == 0) RaiseHResult(E_INVALIDARG);

    std::u16string assignments;
    for (const char16_t* column : kAll) {
        const std::u16string name = kPrefix + std::u16string(column);
        const auto [shown, read] = ShownAndRead(RecordsetField(row.Get(), name).Get());
        if (shown != read) assignments += (assignments.empty() ? u"" : u", ") + name + u" = " + shown;
    }
    std::u16string copies, ids;
    for (const char16_t* column : copied) {
        const std::u16string name = kPrefix + std::u16string(column);
        copies += (copies.empty() ? u"" : u", ") + name + u" = (SELECT " + name +
                  u" FROM TLX.DeklNag WHERE DkN_DkNID = " + Decimal(id) + u")";
    }
    for (LONG each : linked) ids += (ids.empty() ? u"" : u", ") + Decimal(each);

    // Afterwards the row shows what is stored: without changes of other columns it is the stored row again,
    // also after a failure, so that the row is not taken for one with unsaved changes.
    const ResyncEnum readAgain = OtherColumnChanged(row.Get()) ? adResyncUnderlyingValues : adResyncAllValues;
    try {
        tlx::ComPtr<Connection> connection = CompanyConnection(declaration);
        WriteTransaction work(connection.Get());
        if (!assignments.empty())
            ExecuteSql(connection.Get(), u"UPDATE TLX.DeklNag SET " + assignments + u" WHERE DkN_DkNID = " + Decimal(id));
        if (!ids.empty() && !copies.empty())
            ExecuteSql(connection.Get(), u"UPDATE TLX.DeklNag SET " + copies + u" WHERE DkN_DkNID IN (" + ids + u")");
        work.Commit();
    } catch (...) {
        row->Resync(adAffectCurrent, readAgain);
        throw;
    }
    CheckHost(row->Resync(adAffectCurrent, readAgain));
}

tlx::ComPtr<Recordset> BoundRow(IDeklaracja2* declaration) {
    tlx::ComPtr<IInitializeRS> bound = tlx::ComPtr<IDeklaracja2>(declaration).As<IInitializeRS>();
    tlx::ComPtr<Recordset> row;
    if (bound) CheckHost(bound->GetRecordset(row.Out()));
    return row;
}

std::u16string StoredTimeText(DATE date) {
    SYSTEMTIME time{};
    if (!VariantTimeToSystemTime(date, &time)) RaiseHResult(E_INVALIDARG);
    return FormatString(u"%04d-%02d-%02d %02d:%02d:%02d", time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute,
                        time.wSecond);
}

std::u16string SqlValue(const VARIANT& value) {
    switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL: return u"NULL";
    case VT_DATE: return u"'" + StoredTimeText(value.date) + u"'";
    case VT_BSTR: return QuoteSqlText(VariantToBstr(value).Str().c_str(), true).Str();
    default: return LongToString(VariantToLongOr(value, 0)).Str();
    }
}

tlx::ComPtr<Connection> CompanyConnection(IDeklaracja2* declaration) {
    tlx::ComPtr<ISession2> session = GetHostDbAccess(declaration);
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<Connection> connection;
    CheckHost(session->get_Connection(connection.Out()));
    if (!connection) RaiseHResult(E_POINTER);
    return connection;
}

LONG ExecuteSql(Connection* connection, const std::u16string& sql) {
    tlx::Variant affected;
    CheckHost(connection->Execute(tlx::Bstr(sql).Get(), affected.Out(), adCmdText, nullptr));
    return VariantToLongOr(std::move(affected), 0);
}

void ReadBack(IDeklaracja2* declaration) {
    if (tlx::ComPtr<Recordset> row = BoundRow(declaration))
        CheckHost(row->Resync(adAffectCurrent, adResyncUnderlyingValues));
}

WriteTransaction::WriteTransaction(Connection* connection) : connection_(connection) {
    CheckHost(connection_->BeginTrans(nullptr));
}

WriteTransaction::~WriteTransaction() {
    if (!committed_) connection_->RollbackTrans();
}

void WriteTransaction::Commit() {
    CheckHost(connection_->CommitTrans());
    committed_ = true;
}
