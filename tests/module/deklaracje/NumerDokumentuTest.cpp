#include <gtest/gtest.h>

#include "mv_deklaracje/deklaracje/NumerDokumentu.h"

namespace {

struct NumberCase {
    const char* what;
    const char16_t* pattern;
    const char16_t* symbol;  // null: the definition gives none
    const char16_t* registerCode;
    long number, month, year;
    const char16_t* withoutNumber;
    const char16_t* full;
};

constexpr NumberCase kNumberCases[] = {
    {"tokens in any case", u"Dek/@NUMER/@miesiac/@rok_kal", u"PIT", u"ABCDEFG", 7, 3, 2016, u"dek/@numer/03/2016",
     u"dek/000007/03/2016"},
    {"no number", u"Dek/@NUMER/@miesiac/@rok_kal", u"PIT", u"ABCDEFG", 0, 3, 2016, u"dek/@numer/03/2016",
     u"dek/03/2016"},
    {"symbol, register, plain number, no gap", u"@symbol/@rejestr/@numers/@brak/@rok_obr", u"PIT", u"ABCDEFG", 12, 3,
     2016, u"PIT/ABCDE/@numers/2016", u"PIT/ABCDE/12/2016"},
    {"no tokens", u"DEKLARACJA Łódź", u"X", u"R", 1, 1, 2020, u"deklaracja łódź", u"deklaracja łódź"},
    {"short and empty register", u"@rejestr-@rejestr/@rok_kal", u"X", u"", 1, 1, 2020, u"-/2020", u"-/2020"},
    {"a lone @brak stays", u"a@brakb/a/@brak/b", u"X", u"R", 1, 1, 2020, u"a@brakb/a/b", u"a@brakb/a/b"},
    {"a lone @numer stays without a number", u"x@numery", u"X", u"R", 0, 11, 16, u"x@numery", u"x@numery"},
    {"padding of month and year", u"@miesiac.@rok_kal", u"X", u"R", 0, 1, 16, u"01.0016", u"01.0016"},
    {"no truncation of long numbers", u"@numer", u"X", u"R", 1234567, 1, 1, u"@numer", u"1234567"},
    {"negative numbers", u"@numer|@numers", u"X", u"R", -5, 1, 1, u"@numer|@numers", u"-00005|-5"},
    {"a null symbol leaves its token", u"@symbol/@numer", nullptr, u"R", 3, 1, 1, u"@symbol/@numer", u"@symbol/000003"},
    {"symbol keeps its case", u"@SYMBOL", u"DeK", u"R", 0, 1, 1, u"DeK", u"DeK"},
};

}  // namespace

TEST(DocumentNumbers, TemplatesFillTheirTokens) {
    for (const NumberCase& c : kNumberCases) {
        SCOPED_TRACE(c.what);
        CBstr symbol = c.symbol ? CBstr(c.symbol) : CBstr();
        CBstr text = FillNumberTemplate(CBstr(c.pattern), symbol, CBstr(c.registerCode), c.month, c.year);
        EXPECT_TRUE(text == c.withoutNumber);
        EXPECT_TRUE(FillRunningNumber(text, c.number) == c.full);
    }
}

TEST(DocumentNumbers, PolishLettersAreLowered) {
    EXPECT_TRUE(ToLowerPolish(CBstr(u"ĄĆĘŁŃÓŚŹŻ AZ ąż")) == u"ąćęłńóśźż az ąż");
    EXPECT_TRUE(ToLowerPolish(CBstr()) == u"");
}
