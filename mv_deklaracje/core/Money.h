// CMoney: an amount held as an OLE currency value, always rounded to hundredths (grosze).
#pragma once

#include "mv_deklaracje/core/Bstr.h"

class CMoney {
public:
    CMoney() = default;
    // Rounded half away from zero, with a tiny bias so that 2.675 (held as 2.67499...) gives 2.68.
    explicit CMoney(double value);
    explicit CMoney(const VARIANT& value);
    static CMoney FromCurrency(CY value) { return CMoney(static_cast<double>(value.int64) / 10000.0); }

    CMoney& operator+=(double x) { return *this = CMoney(AsDouble() + x); }
    double AsDouble() const { return static_cast<double>(count_) / 10000.0; }
    CY AsCurrency() const { return CY{count_}; }
    tlx::Variant ToVariant() const { return tlx::Variant::FromCurrency(AsCurrency()); }
    // The amount in the user's regional format, without a fixed number of decimals ("12,5").
    CBstr ToBstr() const;
    // The amount in currency units printed with a printf format of one floating-point conversion in
    // the C locale ("%0.2f": "1234.50", "-10.00").
    CBstr Format(const OLECHAR* format) const;

    friend bool operator==(const CMoney& a, const CMoney& b) { return a.count_ == b.count_; }

private:
    LONGLONG count_ = 0;
};

// Rounds a money value half away from zero to a multiple of `step` ten-thousandths (10000: whole units),
// in 64-bit arithmetic; a step not above 0 fails with E_INVALIDARG, a result beyond the
// currency range with DISP_E_OVERFLOW.
CY RoundCurrency(CY value, LONGLONG step);

// Rounds half away from zero to `decimals` places (none when decimals <= 0), with a bias of 0.000001 of
// the last kept place.
double RoundTo(double x, int decimals);
