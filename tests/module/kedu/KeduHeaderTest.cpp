// The KEDU document header of both schema generations, the host library's version in it, and the
// export route of each kind of ZUS declaration.
#include <gtest/gtest.h>

#include <string>

#include "KeduDeclarationFixture.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/kedu/KeduHeader.h"
#include "platform/res/FileVersion.h"

namespace tlx::test {
namespace {

const std::u16string kHeader43 =
    u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    u"<KEDU wersja_schematu=\"1\" xmlns=\"http://www.zus.pl/2016/KEDU_4_3\" "
    u"xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    u"xsi:schemaLocation=\"http://www.zus.pl/2016/KEDU_4_3 kedu_4_3.xsd\">"
    u"<naglowek.KEDU><program><producent>VELMORA</producent><symbol>VELMORA ERP ZN HR</symbol>"
    u"<wersja>2026.5.1.1234</wersja></program><data_utworzenia_KEDU>2025-01-31</data_utworzenia_KEDU>"
    u"</naglowek.KEDU>";

std::u16string RootOf(const CBstr& header) {
    const std::u16string_view text = header.View();
    const std::size_t start = text.find(u"<KEDU ");
    return std::u16string(text.substr(start, text.find(u'>', start) - start + 1));
}

TEST(KeduHeader, HeaderOfEitherGenerationIsOneLineLeavingTheRootOpen) {
    const CDate day(1, 31, 2025);
    EXPECT_EQ(KeduHeaderText(KeduGeneration::Kedu43, CBstr(u"Velmora ERP ZN HR"), CBstr(u"2026.5.1.1234"), day).Str(),
              kHeader43);
    const CBstr header3 = KeduHeaderText(KeduGeneration::Kedu3, CBstr(u"Velmora ERP Sorek HR"), CBstr(u""), day);
    EXPECT_EQ(RootOf(header3),
              u"<KEDU wersja_schematu=\"1\" xmlns=\"http://www.zus.pl/2009/KEDU_3\" "
              u"xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
              u"xsi:schemaLocation=\"http://www.zus.pl/2009/KEDU_3 kedu_3.xsd\">");
    EXPECT_NE(header3.View().find(u"<symbol>VELMORA ERP SOREK HR</symbol><wersja></wersja>"), std::u16string::npos);
    EXPECT_EQ(header3.View().find_first_of(u"\r\n"), std::u16string::npos);
    EXPECT_TRUE(header3.View().ends_with(u"</naglowek.KEDU>"));
    EXPECT_EQ(header3.View().find(u"</KEDU>"), std::u16string::npos);
}

TEST(KeduHeader, OnlyTheThreeProductNamesAreWrittenInCapitals) {
    const CDate day(1, 31, 2025);
    auto symbol = [&](std::u16string_view name) {
        const std::u16string text = KeduHeaderText(KeduGeneration::Kedu43, CBstr(name), CBstr(u""), day).Str();
        const std::size_t start = text.find(u"<symbol>") + 8;
        return text.substr(start, text.find(u"</symbol>") - start);
    };
    EXPECT_EQ(symbol(u"Velmora ERP Mirvak"), u"VELMORA ERP MIRVAK");
    EXPECT_EQ(symbol(u"Velmora ERP ZN HR"), u"VELMORA ERP ZN HR");
    EXPECT_EQ(symbol(u"Velmora ERP Sorek HR"), u"VELMORA ERP SOREK HR");
    EXPECT_EQ(symbol(u"Velmora ERP Mirvak Biuro"), u"Velmora ERP Mirvak Biuro");
    EXPECT_EQ(symbol(u"velmora erp mirvak"), u"velmora erp mirvak");
}

TEST(KeduHeader, GenerationAndRouteFollowTypeAndVersion) {
    EXPECT_EQ(KeduGenerationOf(3), KeduGeneration::Kedu3);
    for (long version : {1L, 2L, 4L, 5L}) EXPECT_EQ(KeduGenerationOf(version), KeduGeneration::Kedu43) << version;
    struct Case { long type; long version; FormatEksportuZUSEnum route; };
    for (const Case& c : {Case{dekZUS_DRA, 1, expKEDU}, Case{dekZUS_DRA, 2, expKEDU}, Case{dekZUS_DRA, 3, expXML},
                          Case{dekZUS_DRA, 4, expXML}, Case{dekZUS_ZCZA, 1, expKEDU}, Case{dekZUS_ZCZA, 4, expKEDU},
                          Case{dekZUS_ZUA, 1, expXML}, Case{dekZUS_ZZA, 2, expXML}, Case{dekZUS_ZIUA, 1, expXML},
                          Case{dekZUS_ZCNA, 1, expXML}, Case{dekZUS_ZWUA, 1, expXML}, Case{dekZUS_ZSWA, 1, expXML},
                          Case{dekZUS_IWA, 1, expXML}}) {
        EXPECT_EQ(ExportRouteOf(c.type, c.version), c.route) << c.type << "/" << c.version;
    }
}

TEST(KeduHeader, LibraryVersionsAreFoundByTheirNameInAnyCase) {
    RegisterFileVersion(u"Kedu_Test.DLL", {7, 0, 12, 65535});
    ASSERT_TRUE(FindFileVersion(u"kedu_test.dll"));
    EXPECT_EQ(*FindFileVersion(u"KEDU_TEST.dll"), (FileVersion{7, 0, 12, 65535}));
    EXPECT_FALSE(FindFileVersion(u"nothing.dll"));
}

class KeduHeaderDeclarationTest : public KeduDeclarationTest {};

TEST_F(KeduHeaderDeclarationTest, DeclarationsOfVersionThreeTakeThe2009Root) {
    const CBstr header3 = BuildKeduHeader(session_.Get(), Insert(dekZUS_IWA, 3));
    EXPECT_NE(header3.View().find(u"xmlns=\"http://www.zus.pl/2009/KEDU_3\""), std::u16string::npos);
    for (long version : {1L, 2L, 4L}) {
        const CBstr header = BuildKeduHeader(session_.Get(), Insert(dekZUS_DRA, version));
        EXPECT_NE(header.View().find(u"xmlns=\"http://www.zus.pl/2016/KEDU_4_3\""), std::u16string::npos) << version;
    }
    // A package's header (no declaration) is always of the 2016 generation, with the host's product, the
    // project's version registered by the host library, and the host's date.
    const CBstr package = BuildKeduHeader(session_.Get(), 0);
    EXPECT_EQ(package.View().substr(0, 38), u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    EXPECT_NE(package.View().find(u"xmlns=\"http://www.zus.pl/2016/KEDU_4_3\""), std::u16string::npos);
    EXPECT_NE(package.View().find(u"<symbol>VELMORA ERP MIRVAK</symbol><wersja>" TLX_PROJECT_VERSION "</wersja>"),
              std::u16string::npos);
    EXPECT_NE(package.View().find(u"<data_utworzenia_KEDU>" + GetHostToday().FormatSql().Str() + u"</"),
              std::u16string::npos);
}

TEST_F(KeduHeaderDeclarationTest, AnUnknownDeclarationFailsTheHeader) {
    try {
        BuildKeduHeader(session_.Get(), 987654);
        ADD_FAILURE() << "a header of no declaration";
    } catch (const ComError& e) {
        EXPECT_TRUE(FAILED(e.Code()));
    }
    EXPECT_THROW(BuildKeduHeader(nullptr, 1), ComError);
}

}  // namespace
}  // namespace tlx::test
