// The e-declaration members of a declaration that are derived from its EDekl_ columns: the processing
// state the host's lists show, the sending and receipt times as text, the two operators' codes, and the
// clearing of the whole group when a filing is to be started again.
#include <algorithm>
#include <array>

#include "mv_deklaracje/deklaracje/Deklaracja.h"
#include "mv_deklaracje/core/HostServices.h"

namespace {

// The forms filed electronically.
constexpr std::array<LONG, 19> kFiledForms{dekVAT7,  dekPIT11, dekPIT40,  dekIFT1,  dekVATUE,  15, 16,
                                           17,       18,       19,        20,       21,        dekVATUEK,
                                           dekIFT1R, dekVAT27, dekVAT27K, dekPIT37, dekAKC_WW, dekVAT9M};

// In the order they are cleared.
constexpr std::array<const OLECHAR*, 18> kEDeklColumns{
    u"EDekl_RefID",         u"EDekl_Status",          u"EDekl_StatusOpis",       u"EDekl_Podmiot",
    u"EDekl_DokumentID",    u"EDekl_DataWplyniecia",  u"EDekl_SkrotDokumentu",   u"EDekl_SkrotStruktury",
    u"EDekl_StrukturaLogiczna", u"EDekl_NIP1",        u"EDekl_NIP2",             u"EDekl_StempelCzasu",
    u"EDekl_SigningTime",   u"EDekl_DataWyslania",    u"EDekl_DataOdebraniaUPO", u"EDekl_OperatorWysylajacy",
    u"EDekl_OperatorPobierajacyUPO", u"EDekl_KodUrzedu"};

StatusEDeklaracji ProcessingState(LONG type, LONG year, LONG version, LONG status) {
    if (std::find(kFiledForms.begin(), kFiledForms.end(), type) == kFiledForms.end()) return sedNieDotyczy;
    if (type == dekAKC_WW) return static_cast<StatusEDeklaracji>(status == 0 ? 1 : status);
    if (year < 2008 || (type == dekCIT8 && version == 20)) return sedNieDotyczy;
    switch (status) {
    case 102:
    case 301:
    case 302:
    case 303:
        return sedPrzetwarzana;
    case 200:
        return sedPrzetworzona;
    default:
        return sedDoWyslania;
    }
}

}  // namespace

HRESULT CDeklaracja::get_EDekl_StatusPrzetwarzania(StatusEDeklaracji* value) {
    return ComBoundary([&] {
        RequireOut(value);
        *value = ProcessingState(ReadLong(u"TypDeklar"), RokMiesiac() / 100, ReadLong(u"Wersja"),
                                 ReadLong(u"EDekl_Status"));
    });
}

// The time as the database holds it ("YYYY-MM-DD hh:mm:ss"), not as the row in memory has it: a time
// written but not saved yet is not seen. A declaration never saved has none.
CBstr CDeklaracja::StoredTimeText(const OLECHAR* column) {
    LONG id = ReadIdentifier();
    if (id == 0) return CBstr(u"");
    CBstr sql = CBstr(u"SELECT ISNULL(CONVERT(VARCHAR(20), DKN_") + std::u16string_view(column) +
                std::u16string_view(u" ,120),'') FROM TLX.DeklNag WHERE DkN_DkNID= ") + LongToString(id);
    tlx::Variant value;
    ExecuteScalarSql(value.Out(), Self().Get(), sql.c_str(), false);
    return VariantToBstr(value);
}

// The operator's code from the configuration database; no operator gives the empty text.
CBstr CDeklaracja::OperatorCode(const OLECHAR* column) {
    LONG id = VariantToLongOr(GetFieldValue(column), 0);
    if (id == 0) return CBstr(u"");
    CBstr sql = CBstr(u"SELECT Ope_Kod FROM TLX.Operatorzy WHERE Ope_OpeID = ") + LongToString(id);
    tlx::Variant value;
    ExecuteScalarSql(value.Out(), Self().Get(), sql.c_str(), true);
    return CBstr(static_cast<const VARIANT&>(value));
}

HRESULT CDeklaracja::get_EDekl_DataWyslaniaStr(BSTR* value) {
    return ComBoundary([&] {
        RequireOut(value);
        *value = StoredTimeText(u"EDekl_DataWyslania").Copy();
    });
}

HRESULT CDeklaracja::get_EDekl_DataOdebraniaUPOStr(BSTR* value) {
    return ComBoundary([&] {
        RequireOut(value);
        *value = StoredTimeText(u"EDekl_DataOdebraniaUPO").Copy();
    });
}

HRESULT CDeklaracja::get_EDekl_OperatorWysylajacyKod(BSTR* value) {
    return ComBoundary([&] {
        RequireOut(value);
        *value = OperatorCode(u"EDekl_OperatorWysylajacy").Copy();
    });
}

HRESULT CDeklaracja::get_EDekl_OperatorPobierajacyUPOKod(BSTR* value) {
    return ComBoundary([&] {
        RequireOut(value);
        *value = OperatorCode(u"EDekl_OperatorPobierajacyUPO").Copy();
    });
}

// Nothing is saved here: the declaration's own save stores the cleared row.
void CDeklaracja::ClearEDeklarationColumns() {
    for (const OLECHAR* column : kEDeklColumns) SetFieldValue(column, tlx::Variant::Null());
}

HRESULT CDeklaracja::WyczyscPolaEDeklaracji() {
    return ComBoundary([&] { ClearEDeklarationColumns(); });
}
