#include "mv_deklaracje/core/TextLimits.h"

#include <algorithm>
#include <string>

#include "mv_deklaracje/core/ComError.h"
#include "platform/text/CodePage.h"

namespace {
constexpr std::size_t kPeselDigits = 11;
}  // namespace

void SprawdzDlugosc(std::u16string_view tekst, unsigned najwyzej, std::u16string_view kto) {
    if (tekst.size() <= najwyzej) return;
    RaiseComError(kOdmowaWartosci, std::u16string(kto) + u" może mieć najwyżej " + tlx::Utf8ToUtf16(std::to_string(najwyzej)) +
                                       u" znaków, a ma " + tlx::Utf8ToUtf16(std::to_string(tekst.size())) + u": " +
                                       std::u16string(tekst));
}

bool IsPeselOrEmpty(std::u16string_view pesel) {
    const bool digits = std::ranges::all_of(pesel, [](char16_t c) { return c >= u'0' && c <= u'9'; });
    return pesel.empty() || (pesel.size() == kPeselDigits && digits);
}

void SprawdzPesel(std::u16string_view pesel, std::u16string_view kto) {
    if (IsPeselOrEmpty(pesel)) return;
    RaiseComError(kOdmowaWartosci,
                  std::u16string(kto) + u" musi być numerem PESEL z 11 cyfr, a jest \"" + std::u16string(pesel) + u"\".");
}
