// The limits a ZUS document puts on a text, as the DRA's calculation and the KEDU writers refuse them.
#include <gtest/gtest.h>

#include <string>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/TextLimits.h"

namespace {

// The description of the refusal, or "(passed)"; a refusal carries the forms' code.
template <typename Check>
std::u16string Outcome(Check check) {
    try {
        check();
    } catch (const ComError& error) {
        EXPECT_EQ(error.Code(), kOdmowaWartosci);
        return error.Description();
    }
    return u"(passed)";
}

TEST(TextLimits, APeselIsElevenDigitsOrNothing) {
    const struct {
        std::u16string pesel;
        bool passes;
    } cases[] = {{u"", true},          {u"88060667896", true},  {u"8806066789", false}, {u"880606678960", false},
                 {u"8806066789O", false}, {u"88060 67896", false}, {u"٨٨٠٦٠٦٦٧٨٩٦", false}};
    for (const auto& c : cases) {
        const std::u16string outcome = Outcome([&] { SprawdzPesel(c.pesel, u"Pole DAUPESEL"); });
        EXPECT_EQ(outcome, c.passes ? u"(passed)"
                                    : u"Pole DAUPESEL musi być numerem PESEL z 11 cyfr, a jest \"" + c.pesel + u"\".")
            << std::string(c.pesel.begin(), c.pesel.end());
        EXPECT_EQ(IsPeselOrEmpty(c.pesel), c.passes);
    }
}

TEST(TextLimits, ATextLongerThanItsElementIsRefusedCountingCharacters) {
    const std::u16string surname(31, u'Ż');
    EXPECT_EQ(Outcome([&] { SprawdzDlugosc(std::u16string_view(surname), 31, u"Płatnik: nazwisko"); }), u"(passed)");
    EXPECT_EQ(Outcome([&] { SprawdzDlugosc(CBstr(surname + u"A"), 31, u"Płatnik: nazwisko"); }),
              u"Płatnik: nazwisko może mieć najwyżej 31 znaków, a ma 32: " + surname + u"A");
}

}  // namespace
