#include "mv_deklaracje/core/Money.h"

#include <cmath>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/VariantHelpers.h"

CMoney::CMoney(double value) {
    double scaled = value >= 0 ? std::trunc(value * 100 + 0.500000001) : std::trunc(value * 100 - 0.500000001);
    // Hundredths times 100 must stay inside the 64-bit count of a currency value.
    if (!(std::fabs(scaled) <= 92233720368547744.0))
        RaiseComError(DISP_E_OVERFLOW, u"Kwota jest poza zakresem kwot.");
    count_ = static_cast<LONGLONG>(scaled) * 100;
}

CMoney::CMoney(const VARIANT& value)
    : CMoney(value.vt == VT_R8 ? value.dblVal : ConvertVariant(value, VT_R8).dblVal) {}

CBstr CMoney::ToBstr() const { return VariantToBstr(tlx::Variant::FromDouble(AsDouble())); }

CBstr CMoney::Format(const OLECHAR* format) const { return CBstr(FormatString(format, AsDouble())); }

double RoundTo(double x, int decimals) {
    double m = 1;
    for (int i = 0; i < decimals; ++i) m *= 10;
    double r = std::floor(std::fabs(x) * m + 0.500001) / m;
    return x < 0 ? -r : r;
}

CY RoundCurrency(CY value, LONGLONG step) {
    if (step <= 0) RaiseHResult(E_INVALIDARG);
    LONGLONG half = step / 2, sum = 0;
    if (value.int64 > 0) {
        if (__builtin_add_overflow(value.int64, half, &sum)) RaiseComError(DISP_E_OVERFLOW, u"Kwota jest poza zakresem kwot.");
        return CY{sum / step * step};
    }
    if (__builtin_sub_overflow(half, value.int64, &sum)) RaiseComError(DISP_E_OVERFLOW, u"Kwota jest poza zakresem kwot.");
    return CY{-(sum / step * step)};
}
