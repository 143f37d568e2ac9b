#include "platform/com/Locale.h"

#include <atomic>

namespace tlx {
namespace {

constexpr Locale kPolish{
    LANG_POLISH_POLAND, u',', u"\u00A0 ", DateOrder::DayMonthYear, u'.', true, false, u"", u"",
    u"Prawda",          u"Fałsz", u"zł",
};

constexpr Locale kEnglish{
    LANG_ENGLISH_US, u'.', u",", DateOrder::MonthDayYear, u'/', false, true, u"AM", u"PM", u"True", u"False", u"$",
};

constexpr Locale kAmbiguousComma{
    LANG_TEST_AMBIGUOUS_COMMA, u',', u",", DateOrder::DayMonthYear, u'.', true, false, u"", u"", u"Prawda", u"Fałsz", u"zł",
};

std::atomic<const Locale*> g_user{&kPolish};

const Locale* ByLanguage(LCID lcid) {
    switch (lcid & 0xFFFF) {
        case LANG_POLISH_POLAND: return &kPolish;
        case LANG_ENGLISH_US: return &kEnglish;
        case LANG_TEST_AMBIGUOUS_COMMA: return &kAmbiguousComma;
        default: return nullptr;
    }
}

}  // namespace

const Locale* FindLocale(LCID lcid) {
    if (lcid == 0 || lcid == LOCALE_USER_DEFAULT || lcid == LOCALE_SYSTEM_DEFAULT) return &UserLocale();
    return ByLanguage(lcid);
}

const Locale& UserLocale() { return *g_user.load(std::memory_order_acquire); }

LCID SetUserLocale(LCID lcid) {
    const Locale* previous = g_user.load(std::memory_order_acquire);
    if (const Locale* next = ByLanguage(lcid)) g_user.store(next, std::memory_order_release);
    return previous->id;
}

}  // namespace tlx

LCID GetUserDefaultLCID() { return tlx::UserLocale().id; }
