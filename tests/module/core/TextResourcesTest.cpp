#include <gtest/gtest.h>

#include <iterator>
#include <string_view>

#include "mv_deklaracje/library/Module.h"
#include "mv_deklaracje/core/TextResources.h"

namespace {

constexpr std::string_view kDefinition = "<Deklaracja Nazwa=\"Zażółć gęślą jaźń\"/>";
constexpr std::string_view kScript = "\xEF\xBB\xBFvar a = 'ĄĆĘŁŃÓŚŹŻ';";

const ResourceEntry kEntries[] = {
    {"XML", "1/12", reinterpret_cast<const unsigned char*>(kDefinition.data()), kDefinition.size()},
    {"JS", "Tools", reinterpret_cast<const unsigned char*>(kScript.data()), kScript.size()},
    {"XSL", "Empty", nullptr, 0},
};
const ResourceTable kTable{kEntries, std::size(kEntries)};

}  // namespace

TEST(TextResources, DecodeUtf8ExactlyAsAuthored) {
    EXPECT_EQ(LoadTextResource("1/12", "XML", &kTable), u"<Deklaracja Nazwa=\"Zażółć gęślą jaźń\"/>");
    EXPECT_EQ(LoadTextResource("Tools", "JS", &kTable), u"var a = 'ĄĆĘŁŃÓŚŹŻ';") << "the byte-order mark is dropped";
    const CBstr empty = LoadTextResource("empty", "xsl", &kTable);
    EXPECT_FALSE(empty.IsNull());
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(TextResources, NamesAndTypesIgnoreCase) {
    EXPECT_EQ(LoadTextResource("TOOLS", "js", &kTable), LoadTextResource("Tools", "JS", &kTable));
    EXPECT_FALSE(LoadTextResource("tools", "Js", &kTable).IsEmpty());
}

TEST(TextResources, MissingResourceGivesTheEmptyString) {
    for (const auto& [name, type] : {std::pair{"1/13", "XML"}, {"1/12", "JS"}, {"", "XML"}}) {
        const CBstr text = LoadTextResource(name, type, &kTable);
        EXPECT_FALSE(text.IsNull()) << name << " " << type;
        EXPECT_TRUE(text.IsEmpty()) << name << " " << type;
    }
    EXPECT_TRUE(LoadTextResource("1/12", "XML", nullptr).IsEmpty());
}

TEST(TextResources, ReadsTheModulesOwnResources) {
    const CBstr strings = LoadTextResource("strings", "stringtable", ModuleResources());
    EXPECT_NE(strings.View().find(u"musi być wypełnione."), std::u16string_view::npos);
}
