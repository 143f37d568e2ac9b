// The checks that guard every build: regional settings under which amounts survive their text, and the
// element writer that refuses a document without the tax office's code or the taxpayer's number.
#include <ctime>

#include "hostapi/Errors.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "platform/com/OleDate.h"

namespace {

constexpr std::u16string_view kNoOfficeCode =
    u"Nie wypełniono Kodu Urzędu. Proszę uzupełnić Kod Urzędu na karcie Urzędu Skarbowego. Po uzupełnieniu kodu "
    u"należy odblokować deklarację, przeliczyć  i wyeksportować ponownie.";
constexpr std::u16string_view kNoTaxNumber =
    u"Nie wypełniono numeru NIP firmy w Konfiguracji lub NIP/PESEL właściciela na karcie właściciela lub "
    u"pracownika na jego karcie. Po uzupełnieniu numeru NIP/PESEL należy odblokować deklarację, przeliczyć i "
    u"wyeksportować ponownie.";

[[noreturn]] void RaiseHostWorded(HRESULT code, std::u16string_view text) {
    CBstr worded = GetHostErrorText(code, CBstr(text));
    RaiseComError(code, worded.IsEmpty() ? text : worded.View());
}

}  // namespace

// An amount made text and read back must come out the same, or every amount of the document would be
// misread by the stylesheet.
void CEDeklaracja::CheckRegionalSettings() {
    tlx::Variant amount = CMoney(2100.11).ToVariant();
    tlx::Variant text = ConvertVariant(amount, VT_BSTR);
    tlx::Variant back = ConvertVariant(text, VT_CY);
    if (back.cyVal.int64 == amount.cyVal.int64) return;
    CBstr worded = GetHostErrorText(HOST_E_REGIONALSETTINGS, CBstr(u""));
    RaiseComError(HOST_E_REGIONALSETTINGS, worded.View());
}

void CEDeklaracja::AppendCheckedElement(IXMLDOMDocument* document, IXMLDOMNode* parent, std::u16string_view name,
                                        std::u16string_view value, std::u16string_view namespaceUri) {
    tlx::ComPtr<IXMLDOMNode> element;
    CheckHost(document->createNode(tlx::Variant::FromLong(NODE_ELEMENT), tlx::Bstr(name).Get(),
                                   tlx::Bstr(namespaceUri).Get(), element.Out()));
    tlx::ComPtr<IXMLDOMNode> appended;
    CheckHost(parent->appendChild(element.Get(), appended.Out()));
    if (name == u"KodUrzedu" && value.empty()) RaiseHostWorded(HOST_E_MISSINGDATA, kNoOfficeCode);
    if (name == u"Nip" && value.size() <= 2) RaiseHostWorded(HOST_E_MISSINGDATA, kNoTaxNumber);
    if (!value.empty()) CheckHost(element->put_text(tlx::Bstr(value).Get()));
}

bool CEDeklaracja::IsVatZdCorrectionRecord(LONG declarationId) {
    tlx::ComPtr<ISession> session;
    CheckHost(RequireLogin()->CreateSession(session.Out()));
    if (!session) RaiseHResult(E_POINTER);
    tlx::Variant answer;
    std::u16string sql = FormatString(u"select TLX.VATZD_JestZapisKorekcyjny(%ld)", static_cast<long>(declarationId));
    ExecuteScalarSql(answer.Out(), tlx::ComPtr<IDispatch>(session.Get()).Get(), sql.c_str(), false);
    return answer.vt > VT_NULL && VariantToLong(answer) == 1;
}

DATE GetLocalNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(local.tm_year + 1900);
    time.wMonth = static_cast<WORD>(local.tm_mon + 1);
    time.wDay = static_cast<WORD>(local.tm_mday);
    time.wHour = static_cast<WORD>(local.tm_hour);
    time.wMinute = static_cast<WORD>(local.tm_min);
    time.wSecond = static_cast<WORD>(local.tm_sec);
    DATE date = 0;
    if (!SystemTimeToVariantTime(&time, &date)) RaiseHResult(E_INVALIDARG);
    return date;
}
