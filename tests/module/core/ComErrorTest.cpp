#include <gtest/gtest.h>

#include <utility>

#include "mv_deklaracje/core/ComError.h"
#include "platform/text/CodePage.h"
#include "mv_deklaracje/library/Module.h"

namespace {
// A member that hands its caller's place on to the boundary, as the record helpers do.
HRESULT Member(const std::function<void()>& body, std::source_location where = std::source_location::current()) {
    return ComBoundary(body, where);
}
}  // namespace

TEST(ComError, RaisedTextReachesTheCallerUnformatted) {
    EXPECT_EQ(Member([] { RaiseComError(E_FAIL, u"100% pewne"); }), E_FAIL);
    EXPECT_EQ(tlx::TakeErrorDescription(), u"100% pewne");
    EXPECT_EQ(Member([] { RaiseComErrorFormat(E_FAIL, u"Błąd wyliczania deklaracji: %s (%d)", u"x", 7); }), E_FAIL);
    EXPECT_EQ(tlx::TakeErrorDescription(), u"Błąd wyliczania deklaracji: x (7)");
}

TEST(ComError, StringTableMessagesCarryTheirInterfaceCode) {
    EXPECT_EQ(Member([] { RaiseResourceError(514, GUID_NULL, ModuleResources()); }), static_cast<HRESULT>(0x80040202));
    EXPECT_EQ(tlx::TakeErrorDescription(), u"Istnieje już KEDU o takiej nazwie.");
    EXPECT_EQ(Member([] { RaiseResourceError(0x10000 | 700, GUID_NULL, ModuleResources()); }),
              static_cast<HRESULT>(0x800402BC))
        << "only the low 16 bits name the message";
    EXPECT_EQ(tlx::TakeErrorDescription(), u"Unknown Error");
}

TEST(ComError, HostFailureKeepsTheHostsErrorObject) {
    EXPECT_EQ(Member([] { CheckHost(tlx::SetErrorText(E_FAIL, u"Błąd hosta")); }), E_FAIL);
    EXPECT_EQ(tlx::TakeErrorDescription(), u"Błąd hosta");
}

TEST(ComError, NullOutPointerIsEPointerWithoutDescription) {
    long* none = nullptr;
    EXPECT_EQ(Member([&] { *RequireOut(none) = 1; }), E_POINTER);
    IErrorInfo* info = nullptr;
    EXPECT_EQ(GetErrorInfo(0, &info), S_FALSE);
}

TEST(ComError, OtherExceptionsBecomeUnexpectedNamingUnitAndLine) {
    const int line = __LINE__ + 1;
    EXPECT_EQ(Member([] { throw std::runtime_error("boom"); }), E_UNEXPECTED);
    EXPECT_EQ(tlx::TakeErrorDescription(),
              u"Nieoczekiwany błąd w ComErrorTest (" + tlx::Utf8ToUtf16(std::to_string(line)) + u")");
    const int exportLine = __LINE__ + 1;
    EXPECT_EQ(ComBoundaryIn(u"wnu_eksporty", [] { throw std::runtime_error("boom"); }), E_UNEXPECTED);
    EXPECT_EQ(tlx::TakeErrorDescription(),
              u"Nieoczekiwany błąd w wnu_eksporty (" + tlx::Utf8ToUtf16(std::to_string(exportLine)) + u")");
}

TEST(ComError, UnexpectedErrorsNameTheUnitNotTheFile) {
    const std::pair<const char*, std::u16string> kUnits[] = {
        {"/src/mv_deklaracje/pfron/Wnu.cpp", u"wnu"},
        {"mv_deklaracje/pfron/Wnd3.cpp", u"wnd3"},
        {"mv_deklaracje/pfron/Infd.cpp", u"infd"},
        {"mv_deklaracje/kedu/Kedu.cpp", u"Kedu"},
        {"mv_deklaracje/kedu/KeduExportService.cpp", u"zus_eksporty"},
        {"mv_deklaracje/zus/Dra.cpp", u"DRA"},
        {"mv_deklaracje/zus/DraExtImpl.h", u"IDraExtImpl"},
        {"include/TlxBus2.h", u"TlxBus2"},
        {"mv_deklaracje/deklaracje/DeklaracjaFields.cpp", u"Deklaracja"},
        {"mv_deklaracje/edeklaracje/EDeklaracjaSending.cpp", u"EDeklaracja"},
        {"mv_deklaracje/deklaracje/Vat27.cpp", u"Vat27"},
        {"C:\\src\\DeklZaklad.cpp", u"DeklZaklad"},
    };
    for (const auto& [file, unit] : kUnits) EXPECT_EQ(SourceUnitName(file), unit) << file;
}

TEST(FormatString, UsesTheCLocaleAndUtf16Texts) {
    EXPECT_EQ(FormatString(u"%d/%d", 1, 12), u"1/12");
    EXPECT_EQ(FormatString(u"%.2f", 1234.5), u"1234.50");
    EXPECT_EQ(FormatString(u"%.3f|%5s|%-3s|%%", 0.5, u"ab", u"c"), u"0.500|   ab|c  |%");
    EXPECT_EQ(FormatString(u"%ld %X %c", -5L, 255u, int(u'ż')), u"-5 FF ż");
}
