// The ZUSDRA document of both generations, written from a declaration that answers its fields from a table.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/kedu/KeduZusDra.h"
#include "platform/text/CodePage.h"

namespace tlx::test {
namespace {

constexpr HRESULT kMemberNotFound = static_cast<HRESULT>(0x80020003);

// The elements pK of block IV in schema order carry the amount K.00 (field K of the contributions list).
const char16_t* const kContributionFields[] = {
    u"ZSDRAISE", u"ZSDRAISR", u"ZSDRAISER", u"ZSDRAIUE", u"ZSDRAIUR", u"ZSDRAIUER", u"ZSDRAIPE", u"ZSDRAIPR",
    u"ZSDRAIPER", u"ZSDRAIBE", u"ZSDRAIBR", u"ZSDRAIBER", u"ZSDRAIFE", u"ZSDRAIFR", u"ZSDRAIFER", u"ZSDRAIKE",
    u"ZSDRAIKR", u"ZSDRAIKER", u"ZSDRAISC", u"ZSDRAISW", u"ZSDRAISCW", u"ZSDRAIUC", u"ZSDRAIUW", u"ZSDRAIUCW",
    u"ZSDRAIPW", u"ZSDRAIPCW", u"ZSDRAIFC", u"ZSDRAIFW", u"ZSDRAIFCW", u"ZSDRAIKW", u"ZSDRAIKCW", u"ZSDRAIKWOTA"};

class KeduZusDraTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::pair<const char16_t*, Variant> texts[] = {
            {u"DADRATERMIN", Variant::FromLong(3)},   {u"IDENTN", Variant::FromString(u"03")},
            {u"IDENTR", Variant::FromString(u"2016")}, {u"IDENTM", Variant::FromString(u"03")},
            {u"DADRADECYZJA", Variant()},              {u"NIP", Variant::FromString(u"5261234567")},
            {u"DIPLREGON", Variant::FromString(u"012345678")}, {u"DIPLPESEL", Variant::FromString(u"")},
            {u"DIPLRODZAJDOK", Variant::FromString(u"")},      {u"DIPLDOKUMENT", Variant::FromString(u"")},
            {u"NAZWASKROCONAFIRMYPLATNIKA", Variant::FromString(u"ŁĄKA & \"SYN\"")},
            {u"DIPLNAZWISKO", Variant::FromString(u"")}, {u"DIPLIMIE", Variant::FromString(u"")},
            {u"DIPLDATAUR", Variant()},                  {u"INN7UBEZP", Variant::FromLong(12)},
            {u"INN7ZPCHR", Variant::FromString(u"")},    {u"LICZBAPRACFEP", Variant::FromLong(0)},
            {u"LICZBAPRACSZCZEG", Variant::FromLong(0)}, {u"DDDUTYUB", Variant::FromString(u"051000")},
            {u"DDDUPRZEKROCZ", Variant::FromString(u"")}, {u"OSWIADCZENIE", Variant::FromDate(42450)},
        };
        for (const auto& [name, value] : texts) fields_[name] = value;
        for (const char16_t* name :
             {u"INN7PROCWYPAD", u"ZSDRAIPC", u"ZSDRAIKC", u"ZWDRAKWCH", u"ZWDRAWYNCH", u"ZWDRAKWWYP", u"ZWDRAKWBUD",
              u"ZWDRARAZEM", u"RIVDRAZWROT", u"RIVDRAZAPLATA", u"ZSDRAPKWOTA", u"ZSDRAKKWOTA", u"SKLADKAZDROWOTNAFIRMA",
              u"ZSDRAPWYNAGR", u"ZSDRAKWOTA", u"ZDRAVFP", u"ZDRAVFGSP", u"ZDRAVKWOTA", u"KWOTAFEP", u"DDDUPODSTAWAER",
              u"DDDUPODSTAWACW", u"DDDUPODSTAWACW2", u"DDDUPODSTAWAZ"})
            fields_[name] = Variant::FromDouble(0);
        for (int k = 1; k <= 32; ++k) fields_[kContributionFields[k - 1]] = Variant::FromDouble(k);
    }

    KeduFieldReader Reader() {
        return [this](std::u16string_view name) {
            const auto found = fields_.find(std::u16string(name));
            if (found == fields_.end())
                RaiseComError(kMemberNotFound, u"Brak definicji pola o nazwie '" + std::u16string(name) + u"'");
            return found->second;
        };
    }
    std::string Write(KeduGeneration generation, bool withoutReports = false) {
        return Utf16ToUtf8(WriteZusDra(generation, Reader(), withoutReports).View());
    }
    std::string Block(KeduGeneration generation, const std::string& name, bool withoutReports = false) {
        const std::string text = Write(generation, withoutReports);
        const std::size_t start = text.find("<" + name + ">");
        if (start == std::string::npos) return "(none)";
        const std::size_t end = text.find("</" + name + ">", start);
        return text.substr(start, end + name.size() + 3 - start);
    }

    std::map<std::u16string, Variant> fields_;
};

std::string Amounts(int from, int to) {
    std::string text;
    for (int k = from; k <= to; ++k) text += "<p" + std::to_string(k) + ">" + std::to_string(k) + ".00</p" + std::to_string(k) + ">";
    return text;
}

TEST_F(KeduZusDraTest, TheGenerationsDifferOnlyWhereTheirTablesDo) {
    const std::string k3 = Write(KeduGeneration::Kedu3);
    const std::string k43 = Write(KeduGeneration::Kedu43);
    EXPECT_EQ(k3.find("<ZUSDRA><I>"), 0u) << k3;
    EXPECT_EQ(k43.find("<ZUSDRA id_dokumentu=\"1\"><I>"), 0u) << k43;
    EXPECT_EQ(Block(KeduGeneration::Kedu3, "IV"), "<IV>" + Amounts(1, 32) + "</IV>");
    EXPECT_EQ(Block(KeduGeneration::Kedu43, "IV"), "<IV>" + Amounts(1, 12) + Amounts(16, 30) +
                                                       "<p34>0.00</p34><p35>0.00</p35><p36>0.00</p36><p37>32.00</p37></IV>");
    fields_[u"INN7ZPCHR"] = Variant::FromString(u"1");
    fields_[u"ZWDRAKWBUD"] = Variant::FromDouble(4);
    fields_[u"ZSDRAPKWOTA"] = Variant::FromDouble(1);
    fields_[u"SKLADKAZDROWOTNAFIRMA"] = Variant::FromDouble(3);
    fields_[u"ZSDRAPWYNAGR"] = Variant::FromDouble(100.10);
    fields_[u"ZSDRAKKWOTA"] = Variant::FromDouble(20.05);
    fields_[u"ZSDRAKWOTA"] = Variant::FromDouble(5);
    EXPECT_EQ(Block(KeduGeneration::Kedu3, "III"), "<III><p1>12</p1><p2>1</p2><p3>0.00</p3></III>");
    EXPECT_EQ(Block(KeduGeneration::Kedu43, "III"), "<III><p1>12</p1><p3>0.00</p3></III>");
    EXPECT_EQ(Block(KeduGeneration::Kedu3, "V"), "<V><p1>0.00</p1><p2>0.00</p2><p3>0.00</p3><p5>0.00</p5></V>");
    EXPECT_EQ(Block(KeduGeneration::Kedu43, "V"),
              "<V><p1>0.00</p1><p2>0.00</p2><p3>0.00</p3><p4>4.00</p4><p5>0.00</p5></V>");
    EXPECT_EQ(Block(KeduGeneration::Kedu3, "VII"),
              "<VII><p1>1.00</p1><p2>20.05</p2><p3>3.00</p3><p4>100.10</p4><p5>5.00</p5></VII>");
    EXPECT_EQ(Block(KeduGeneration::Kedu43, "VII"),
              "<VII><p1>100.10</p1><p2>20.05</p2><p3>0.00</p3><p4>5.00</p4><p5>120.15</p5><p7>120.15</p7></VII>");
    // The blocks both generations write alike.
    for (const char* name : {"I", "II", "VI", "VIII", "XI"})
        EXPECT_EQ(Block(KeduGeneration::Kedu3, name), Block(KeduGeneration::Kedu43, name)) << name;
}

TEST_F(KeduZusDraTest, TheIdentifierAndThePayer) {
    EXPECT_EQ(Block(KeduGeneration::Kedu43, "I"), "<I><p1>3</p1><p2><p1>03</p1><p2>2016-03</p2></p2></I>");
    EXPECT_EQ(Block(KeduGeneration::Kedu43, "II"),
              "<II><p1>5261234567</p1><p2>012345678</p2><p6>ŁĄKA &amp; &quot;SYN&quot;</p6></II>");
    fields_[u"DADRADECYZJA"] = Variant::FromString(u"D/1 & 2");
    fields_[u"DIPLRODZAJDOK"] = Variant::FromString(u"1");
    fields_[u"DIPLDATAUR"] = Variant::FromDate(29221);  // 1980-01-01
    EXPECT_EQ(Block(KeduGeneration::Kedu3, "I"),
              "<I><p1>3</p1><p2><p1>03</p1><p2>2016-03</p2></p2><p5>D/1 &amp; 2</p5></I>");
    EXPECT_EQ(Block(KeduGeneration::Kedu3, "II"), "<II><p1>5261234567</p1><p2>012345678</p2>"
                                                  "<p6>ŁĄKA &amp; &quot;SYN&quot;</p6><p9>1980-01-01</p9></II>")
        << "a kind without a number is left out";
    fields_[u"DIPLDOKUMENT"] = Variant::FromString(u"ABC123456");
    fields_[u"DIPLDATAUR"] = Variant::FromDate(0);
    EXPECT_NE(Block(KeduGeneration::Kedu3, "II").find("<p4>1</p4><p5>ABC123456</p5><p6>"), std::string::npos);
    fields_[u"DIPLRODZAJDOK"] = Variant::FromString(u"");
    const std::string payer = Block(KeduGeneration::Kedu3, "II");
    EXPECT_NE(payer.find("</p2><p5>ABC123456</p5>"), std::string::npos) << payer;
    EXPECT_EQ(payer.find("<p9>"), std::string::npos) << "the empty date";
    fields_[u"OSWIADCZENIE"] = Variant::FromDate(0);
    EXPECT_EQ(Block(KeduGeneration::Kedu43, "XI"), "<XI></XI>");
    EXPECT_EQ(Write(KeduGeneration::Kedu43).find("null"), std::string::npos);
}

TEST_F(KeduZusDraTest, AmountsAreRoundedHalfAwayFromZero) {
    fields_[u"RIVDRAZWROT"] = Variant::FromDouble(1234.565);
    fields_[u"RIVDRAZAPLATA"] = Variant::FromDouble(-0.005);
    fields_[u"ZDRAVFP"] = Variant::FromLong(7);
    fields_[u"ZDRAVFGSP"] = Variant();
    EXPECT_EQ(Block(KeduGeneration::Kedu3, "VI"), "<VI><p1>1234.57</p1><p2>-0.01</p2></VI>");
    EXPECT_EQ(Block(KeduGeneration::Kedu3, "VIII"), "<VIII><p1>7.00</p1><p2>0.00</p2><p3>0.00</p3></VIII>");
}

TEST_F(KeduZusDraTest, TheBridgingFundBlockOnlyWithAValue) {
    EXPECT_EQ(Block(KeduGeneration::Kedu43, "IX"), "(none)");
    fields_[u"LICZBAPRACFEP"] = Variant::FromString(u"");
    EXPECT_EQ(Block(KeduGeneration::Kedu43, "IX"), "<IX><p1></p1><p2>0</p2><p3>0.00</p3></IX>");
    fields_[u"LICZBAPRACFEP"] = Variant::FromLong(0);
    fields_[u"KWOTAFEP"] = Variant::FromDouble(15.25);
    EXPECT_EQ(Block(KeduGeneration::Kedu3, "IX"), "<IX><p1>0</p1><p2>0</p2><p3>15.25</p3></IX>");
}

TEST_F(KeduZusDraTest, ThePersonOfADraWithoutReports) {
    EXPECT_EQ(Block(KeduGeneration::Kedu3, "X"), "(none)");
    fields_[u"DDDUPODSTAWAER"] = Variant::FromDouble(2);
    fields_[u"DDDUPODSTAWACW"] = Variant::FromDouble(3);
    fields_[u"DDDUPODSTAWACW2"] = Variant::FromDouble(4);
    fields_[u"DDDUPODSTAWAZ"] = Variant::FromDouble(5);
    const std::string title = "<p1><p1>0510</p1><p2>0</p2><p3>0</p3></p1>";
    EXPECT_EQ(Block(KeduGeneration::Kedu3, "X", true), "<X>" + title + "<p2>2.00</p2><p3>3.00</p3><p4>5.00</p4></X>");
    EXPECT_EQ(Block(KeduGeneration::Kedu43, "X", true),
              "<X>" + title + "<p2>2.00</p2><p3>3.00</p3><p4>4.00</p4><p5>5.00</p5></X>");
    fields_[u"DDDUPRZEKROCZ"] = Variant::FromString(u"1");
    EXPECT_NE(Block(KeduGeneration::Kedu3, "X", true).find("<p4>5.00</p4><p5>1</p5></X>"), std::string::npos);
    EXPECT_NE(Block(KeduGeneration::Kedu43, "X", true).find("<p5>5.00</p5><p6>1</p6></X>"), std::string::npos);
    // A base that cannot be read: the second pension base stands in.
    fields_.erase(u"DDDUPODSTAWAZ");
    EXPECT_NE(Block(KeduGeneration::Kedu43, "X", true).find("<p4>4.00</p4><p5>4.00</p5>"), std::string::npos);
    // So does a read that fails otherwise than with a host error.
    KeduFieldReader failing = [this](std::u16string_view name) {
        if (name == u"DDDUPODSTAWAZ") throw std::runtime_error("the field's code failed");
        return Reader()(name);
    };
    const std::string failed = Utf16ToUtf8(WriteZusDra(KeduGeneration::Kedu43, failing, true).View());
    EXPECT_NE(failed.find("<p4>4.00</p4><p5>4.00</p5>"), std::string::npos);

    const struct {
        std::u16string code;
        const char* parts;
    } codes[] = {{u"12345", "<p1>0123</p1><p2>4</p2><p3>5</p3>"}, {u"", "<p1>0000</p1><p2>0</p2><p3>0</p3>"},
                 {u"0", "<p1>0000</p1><p2>0</p2><p3>0</p3>"},      {u"5", "<p1>0000</p1><p2>0</p2><p3>5</p3>"}};
    for (const auto& c : codes) {
        fields_[u"DDDUTYUB"] = Variant::FromString(c.code);
        EXPECT_EQ(Block(KeduGeneration::Kedu43, "X", true).find(std::string("<X><p1>") + c.parts + "</p1>"), 0u)
            << Utf16ToUtf8(c.code);
        EXPECT_EQ(Block(KeduGeneration::Kedu43, "X"), "(none)");
    }
}

TEST_F(KeduZusDraTest, AMissingFieldOrANullTextFailsTheDocument) {
    fields_.erase(u"KWOTAFEP");
    try {
        WriteZusDraKedu3(Reader(), false);
        ADD_FAILURE() << "written without its field";
    } catch (const ComError& e) {
        EXPECT_EQ(e.Code(), kMemberNotFound);
    }
    fields_[u"KWOTAFEP"] = Variant::FromDouble(0);
    fields_[u"NIP"] = Variant::Null();
    EXPECT_THROW(WriteZusDraKedu43(Reader(), false), ComError);
    fields_[u"NIP"] = Variant::FromString(u"1");
    fields_.erase(u"DDDUPODSTAWACW2");
    EXPECT_THROW(WriteZusDraKedu43(Reader(), false), ComError) << "the stand-in is read unguarded";
    EXPECT_NO_THROW(WriteZusDraKedu3(Reader(), false)) << "KEDU_3 never reads it";
}

}  // namespace
}  // namespace tlx::test
