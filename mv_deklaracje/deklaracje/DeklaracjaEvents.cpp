// The definition's named expressions, the calculation with its progress events, the period setters and
// the document answers that the definition's expressions give.
#include <cmath>

#include "hostapi/Errors.h"
#include "hostapi/Accounting.h"
#include "hostapi/Subjects.h"
#include "mv_deklaracje/deklaracje/Deklaracja.h"
#include "mv_deklaracje/core/HostServices.h"

namespace {

constexpr OLECHAR kCalculating[] = u"Wyliczanie deklaracji";
constexpr OLECHAR kCalculationFailed[] = u"Błąd wyliczania deklaracji";
constexpr OLECHAR kCalculationFailedWith[] = u"Błąd wyliczania deklaracji: %s";

// "01.MM.YYYY" of a year-and-month number; the empty text for 0.
CBstr FormatPeriodStart(LONG yearMonth) {
    if (yearMonth == 0) return CBstr(u"");
    return CBstr(FormatString(u"01.%02d.%d", static_cast<int>(yearMonth % 100), static_cast<int>(yearMonth / 100)));
}

// A text for the sinks: a copy that ends at the first NUL; a null text stays null.
tlx::Variant EventText(BSTR text) {
    tlx::Variant value;
    value.vt = VT_BSTR;
    value.bstrVal = text ? SysAllocString(text) : nullptr;
    if (text && !value.bstrVal) RaiseHResult(E_OUTOFMEMORY);
    return value;
}

}  // namespace

// An empty or missing expression answers empty without touching the script engine.
tlx::Variant CDeklaracja::FireFormEvent(const CBstr& name) {
    EnsureFormLoaded();
    return definition_.EvaluateFormScript(definition_.GetEventExpression(name.View()), nullptr);
}

void CDeklaracja::CheckFormValidityPeriod() {
    EnsureFormLoaded();
    LONG from = definition_.DataObowiazywaniaOd();
    LONG to = definition_.DataObowiazywaniaDo();
    if (from == 0 && to == 0) return;
    LONG period = RokMiesiac();
    // A declaration without its month (a yearly return before its calculation sets December) stands for
    // its whole year and is checked as of December: a version valid from January of that year takes it.
    if (period % 100 == 0) period += 12;
    CBstr message;
    // A form valid only up to a month is checked too: a period after it is refused.
    if (from == 0 && period > to)
        message = CBstr(u"Formularz deklaracji obowiązuje za okres do ") + FormatPeriodStart(to) +
                  std::u16string_view(u".");
    else if (from != 0 && to != 0 && (period < from || period > to))
        message = CBstr(u"Formularz deklaracji obowiązuje za okres od ") + FormatPeriodStart(from) +
                  std::u16string_view(u" do ") + FormatPeriodStart(to) + std::u16string_view(u".");
    else if (from != 0 && to == 0 && period < from)
        message = CBstr(u"Formularz deklaracji obowiązuje za okres od ") + FormatPeriodStart(from) +
                  std::u16string_view(u".");
    if (message.IsNull()) return;
    CBstr fallback = CBstr(u"Błąd wyliczania deklaracji. ") + message;
    CBstr text = GetHostErrorText(HOST_E_MISSINGDATA, fallback);
    RaiseComError(HOST_E_MISSINGDATA, (text.IsEmpty() ? fallback : text).View());
}

// The sinks hear the start, then the end or the failure; the failure is answered after the sinks
// heard it. A sink that refuses an event fails the calculation as well.
HRESULT CDeklaracja::Policz() {
    try {
        CheckFormValidityPeriod();
        CheckHost(WillAction(tlx::Bstr(kCalculating).Get()));
        FireFormEvent(CBstr(u"oncalculate"));
        CheckHost(ActionCompleted(tlx::Bstr(u"").Get()));
        return S_OK;
    } catch (const ComError& e) {
        std::u16string description;
        if (e.Info()) {
            tlx::Bstr text;
            e.Info()->GetDescription(text.Out());
            description = std::u16string(text.View());
        }
        ActionFailed(tlx::Bstr(FormatString(kCalculationFailedWith, description.c_str())).Get());
        return ReportComError(e);
    } catch (...) {
        ActionFailed(tlx::Bstr(kCalculationFailed).Get());
        return ReportUnexpected(std::source_location::current());
    }
}

HRESULT CDeklaracja::executeJS(BSTR name) {
    return ComBoundary([&] { FireFormEvent(CBstr(name)); });
}

HRESULT CDeklaracja::Fire(DISPID event, BSTR text, bool withLevel) {
    return ComBoundary([&] {
        std::vector<tlx::Variant> args;
        if (withLevel) args.push_back(tlx::Variant::FromLong(3));
        args.push_back(EventText(text));
        return progress_.Fire(event, args);
    });
}

HRESULT CDeklaracja::WillAction(BSTR sVal) { return Fire(_IProgressEvents::Dispid::WillAction, sVal, false); }
HRESULT CDeklaracja::ActionCompleted(BSTR sVal) {
    return Fire(_IProgressEvents::Dispid::ActionCompleted, sVal, false);
}
HRESULT CDeklaracja::ActionFailed(BSTR sVal) { return Fire(_IProgressEvents::Dispid::ActionFailed, sVal, false); }
HRESULT CDeklaracja::SendMessage(BSTR sVal) { return Fire(_IProgressEvents::Dispid::SendMessage, sVal, true); }

// One sink at a time is attached through these members. A sink that cannot be attached is reported.
HRESULT CDeklaracja::AdviseProgress(IUnknown* _Progress) {
    UnAdviseProgress();
    DWORD cookie = 0;
    HRESULT hr = progress_.Advise(_Progress, &cookie);
    if (SUCCEEDED(hr)) adviseCookie_ = cookie;
    return hr;
}

HRESULT CDeklaracja::UnAdviseProgress() {
    if (adviseCookie_ == 0) return S_OK;
    DWORD cookie = adviseCookie_;
    adviseCookie_ = 0;
    return progress_.Unadvise(cookie);
}

// The period is year * 100 + month; a NULL period counts as 0. A year outside 1..9999 or a month
// outside 1..12 is refused before anything is written. The new period is written before the form hears
// of it, so a failing "onrokmiesiac" leaves it written.
void CDeklaracja::WritePeriod(LONG rokMiesiac) { WriteLong(u"RokMiesiac", rokMiesiac); }

HRESULT CDeklaracja::put_Rok(LONG value) {
    return ComBoundary([&] {
        if (value < 1 || value > 9999) RaiseComError(DISP_E_OVERFLOW, u"Rok musi być liczbą od 1 do 9999.");
        WritePeriod(value * 100 + RokMiesiac() % 100);
        LONG type = ReadLong(u"TypDeklar");
        if (type == dekPIT5 || type == dekPIT5L) FireFormEvent(CBstr(u"onrokmiesiac"));
    });
}

HRESULT CDeklaracja::put_Miesiac(LONG value) {
    return ComBoundary([&] {
        if (value < 1 || value > 12) RaiseComError(DISP_E_OVERFLOW, u"Miesiąc musi być liczbą od 1 do 12.");
        WritePeriod(RokMiesiac() / 100 * 100 + value);
        LONG type = ReadLong(u"TypDeklar");
        if (type < dekZUS_DRA || type > dekZUS_RGA) FireFormEvent(CBstr(u"onrokmiesiac"));
    });
}

HRESULT CDeklaracja::get_KwotaCalkowita(CY* value) {
    return ComBoundary([&] {
        RequireOut(value);
        tlx::Variant amount = FireFormEvent(CBstr(u"kwota"));
        double number = amount.vt <= VT_NULL ? 0.0 : ConvertVariant(amount, VT_R8).dblVal;
        *value = CMoney(number).AsCurrency();
    });
}

HRESULT CDeklaracja::get_Podmiot(IDispatch** subject) {
    return ComBoundary([&] {
        RequireOut(subject);
        *subject = nullptr;
        tlx::Variant party = FireFormEvent(CBstr(u"podmiot"));
        if (party.vt <= VT_NULL) return;
        tlx::Variant object = ConvertVariant(party, VT_UNKNOWN);
        if (!object.punkVal) return;
        CheckHost(object.punkVal->QueryInterface(IidOf<IPodmiot>(), reinterpret_cast<void**>(subject)));
    });
}

HRESULT CDeklaracja::DataDokumentu(DATE* value) {
    return ComBoundary([&] {
        *RequireOut(value) = CDate(FireFormEvent(CBstr(u"datadok"))).Value();
    });
}

HRESULT CDeklaracja::get_Termin(DATE* value) {
    return ComBoundary([&] {
        *RequireOut(value) = CDate(FireFormEvent(CBstr(u"termin"))).Value();
    });
}

HRESULT CDeklaracja::get_Opis(BSTR* value) {
    return ComBoundary([&] {
        RequireOut(value);
        tlx::Variant text = FireFormEvent(CBstr(u"opis"));
        *value = (text.vt <= VT_NULL ? CBstr(u"") : VariantToBstr(text)).Copy();
    });
}

// The payment method of the declaration: that of its payment's first item, else the one the form's
// "formapłatności" expression names; found once and then held. A blocked method named by the expression
// is held but refused.
HRESULT CDeklaracja::get_FormaPlatnosci(IDispatch** method) {
    return ComBoundary([&] {
        RequireOut(method);
        *method = nullptr;
        if (!formaPlatnosci_) {
            try {
                formaPlatnosci_ = PaymentFormOfFirstItem();
            } catch (const ComError& error) {
                if (error.Code() != HOST_E_RECORDZERO) throw;
            }
        }
        if (!formaPlatnosci_) {
            tlx::Variant found = FireFormEvent(CBstr(u"formapłatności"));
            if (found.vt > VT_NULL) {
                tlx::Variant object = ConvertVariant(found, VT_DISPATCH);
                formaPlatnosci_ = tlx::ComPtr<IDispatch>(object.pdispVal);
                tlx::ComPtr<IFormaPlatnosci> named;
                CheckHost(formaPlatnosci_->QueryInterface(IidOf<IFormaPlatnosci>(), named.OutVoid()));
                VARIANT_BOOL blocked = VARIANT_FALSE;
                CheckHost(named->get_Zablokowana(&blocked));
                if (blocked)
                    RaiseComError(HOST_E_PAYMENTFORMBLOCKED,
                                  GetHostErrorText(HOST_E_PAYMENTFORMBLOCKED, CBstr(u"")).View());
            }
        }
        if (formaPlatnosci_)
            CheckHost(formaPlatnosci_->QueryInterface(IidOf<IFormaPlatnosci>(), reinterpret_cast<void**>(method)));
    });
}

HRESULT CDeklaracja::round(VARIANT value, VARIANT* result) {
    return ComBoundary([&] {
        RequireOut(result);
        double number = ConvertVariant(value, VT_R8).dblVal;
        double rounded = std::isfinite(number) ? RoundTo(number, 0) : number;
        // An amount holds whole units up to 922337203685477 either way.
        if (!(std::fabs(rounded) <= 922337203685477.0))
            RaiseComError(DISP_E_OVERFLOW, u"Liczby nie można zaokrąglić do kwoty: jest poza zakresem kwot.");
        CY whole{static_cast<LONGLONG>(rounded) * 10000};
        VariantClear(result);
        *result = tlx::Variant::FromCurrency(whole).Detach();
    });
}
