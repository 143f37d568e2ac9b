// The declarations filed together with a sent declaration: a VAT-UE's attachments VAT-UE/A, /B and /C
// and the VAT-ZD notice of a VAT-7 receive the send status and the receipt data their parent stored, in
// the write that stores them (FilingColumns).
#include "hostapi/Errors.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "mv_deklaracje/edeklaracje/FilingColumns.h"
#include "mv_deklaracje/edeklaracje/VATZD_Edekl.h"

namespace {

constexpr char16_t kDeclarationsClass[] = u"TLXDeklaracje.Deklaracje";

LONG ReadNumber(IDeklaracja2* declaration, HRESULT (IDeklaracja::*getter)(LONG*)) {
    LONG value = 0;
    CheckHost((declaration->*getter)(&value));
    return value;
}

}  // namespace

LONG FieldAsLong(IDeklaracja2* declaration, std::u16string_view name) {
    tlx::Variant value;
    CheckHost(declaration->get_Wartosc(tlx::Bstr(name).Get(), value.Out()));
    return VariantToLongOr(std::move(value), 0);
}

std::u16string CEDeklaracja::VatUeAttachmentFilter(LONG type, LONG yearMonth, LONG number) {
    return FormatString(u"DkN_TypDeklar=%ld AND DkN_RokMiesiac=%ld AND DkN_Numer=%ld", static_cast<long>(type),
                        static_cast<long>(yearMonth), static_cast<long>(number));
}

namespace {

// Calls `visit` with the type, number and filter of each attachment the VAT-UE counts, in the order
// VAT-UE/A, /B, /C.
void ForEachCountedVatUeAttachment(IDeklaracja2* declaration,
                                   const std::function<void(LONG type, LONG number, const std::u16string& filter)>& visit) {
    if (!declaration) RaiseHResult(E_POINTER);
    const LONG yearMonth = ReadNumber(declaration, &IDeklaracja::get_Rok) * 100 +
                           ReadNumber(declaration, &IDeklaracja::get_Miesiac);
    for (auto [kind, countField] : {std::pair{dekVATUEA, u"ZalacznikVATUEA"}, std::pair{dekVATUEB, u"ZalacznikVATUEB"},
                                    std::pair{dekVATUEC, u"ZalacznikVATUEC"}}) {
        const LONG count = FieldAsLong(declaration, countField);
        for (LONG number = 1; number <= count; ++number)
            visit(kind, number, CEDeklaracja::VatUeAttachmentFilter(kind, yearMonth, number));
    }
}

}  // namespace

std::vector<LONG> CEDeklaracja::LinkedAttachments(IDeklaracja2* declaration, std::u16string& missing) const {
    std::vector<LONG> linked;
    if (!filing_) return linked;
    const LONG type = ReadNumber(declaration, &IDeklaracja::get_TypDeklar);
    if (type == dekVAT7) return filing_->OfType(dekVATZD_S);
    if (type != dekVATUE) return linked;
    ForEachCountedVatUeAttachment(declaration, [&](LONG kind, LONG number, const std::u16string& filter) {
        if (std::optional<LONG> id = filing_->Find(kind, number)) linked.push_back(*id);
        else if (missing.empty()) missing = filter;
    });
    return linked;
}

// The receipt reaches the declaration's row and, in the same write, the attachments filed with it: each
// attachment the VAT-UE counts, found in the VAT-UE's own session up to the first it cannot find, or the
// VAT-7's notice. A lookup that fails is raised once the receipt is stored.
void CEDeklaracja::StoreReceiptColumns(IDeklaracja2* declaration) {
    std::vector<LONG> linked;
    std::exception_ptr failure;
    try {
        const LONG type = ReadNumber(declaration, &IDeklaracja::get_TypDeklar);
        if (type == dekVATUE) {
            tlx::ComPtr<ISession2> session = GetHostDbAccess(declaration);
            if (!session) RaiseHResult(E_POINTER);
            ForEachCountedVatUeAttachment(declaration, [&](LONG, LONG, const std::u16string& filter) {
                tlx::ComPtr<IDispatch> found;
                CheckHost(session->CreateObject(tlx::Bstr(kDeclarationsClass).Get(), tlx::Variant::FromString(filter),
                                                found.Out()));
                tlx::ComPtr<IDeklaracja2> attachment = found ? found.As<IDeklaracja2>() : nullptr;
                if (!attachment) RaiseHResult(E_POINTER);
                linked.push_back(ReadNumber(attachment.Get(), &IDeklaracja::get_ID));
            });
        }
        if (type == dekVAT7)
            if (tlx::ComPtr<IDeklaracja2> notice = VATZD_Edekl(nullptr, declaration, 0).AccompanyingNotice())
                linked.push_back(ReadNumber(notice.Get(), &IDeklaracja::get_ID));
    } catch (...) {
        failure = std::current_exception();
    }
    FilingColumns::Store(declaration, linked,
                         {u"OperatorPobierajacyUPO", u"DataOdebraniaUPO", u"Status", u"StatusOpis", u"KodUrzedu",
                          u"DataWplyniecia"});
    if (failure) std::rethrow_exception(failure);
}

