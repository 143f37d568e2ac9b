// The person blocks of the reports, each written from a table of its elements in document order: one
// row per element, naming the line of the person block it is read from and how.
#include "mv_deklaracje/kedu/KeduReportBlocks.h"

#include <initializer_list>
#include <span>

#include "mv_deklaracje/kedu/KeduHeader.h"
#include "mv_deklaracje/kedu/KeduPage.h"
#include "mv_deklaracje/kedu/KeduPageText.h"
#include "mv_deklaracje/kedu/KeduXmlWriter.h"

namespace {

// How a row's element is made.
enum class From {
    Open,          // opens a group
    Close,         // closes it
    Line,          // the whole line, always written (also empty)
    Word,          // the line's first word, always written
    WordIfSet,     // the first word, written when not empty
    TitleCode,     // the line's first word split into the title, pension right and disability degree
    WorkingTime,   // the line's pair of three-digit numbers, written when neither is "000"
    Amount,        // the first word as an amount in hundredths or with its point
    Zero,          // the amount "0.00", whatever the text holds
    Date,          // the first word as a date, "null" without one
};

struct Row {
    From from;
    std::u16string_view element;
    int line = 0;
};
using Table = std::initializer_list<std::span<const Row>>;

constexpr unsigned kPairWidth = 3;
constexpr std::u16string_view kNoPart = u"000";
const CBstr kZeroAmount(u"0.00");

// Block A, the person's identification, alike in every report.
constexpr Row kPerson[] = {
    {From::Open, u"A"},      {From::Line, u"p1", 1}, {From::Line, u"p2", 2},
    {From::Word, u"p3", 3},  {From::Line, u"p4", 4}, {From::Close, u"A"},
};

constexpr Row kRcaTitle[] = {
    {From::Open, u"B"}, {From::TitleCode, u"p1", 5}, {From::WordIfSet, u"p2", 6}, {From::WorkingTime, u"p3", 7},
};
constexpr Row kRcaBases3[] = {
    {From::Amount, u"p4", 8},   {From::Amount, u"p5", 9},   {From::Amount, u"p6", 10},  {From::Amount, u"p7", 11},
    {From::Amount, u"p8", 12},  {From::Amount, u"p9", 13},  {From::Amount, u"p10", 14}, {From::Amount, u"p11", 15},
    {From::Amount, u"p12", 16}, {From::Amount, u"p13", 17}, {From::Amount, u"p14", 18}, {From::Amount, u"p15", 19},
    {From::Close, u"B"},        {From::Open, u"C"},         {From::Amount, u"p4", 23},  {From::Close, u"C"},
};
constexpr Row kRcaBases43[] = {
    {From::Amount, u"p4", 8},   {From::Amount, u"p5", 29},  {From::Amount, u"p6", 30},  {From::Amount, u"p7", 11},
    {From::Amount, u"p8", 12},  {From::Amount, u"p9", 37},  {From::Amount, u"p10", 38}, {From::Amount, u"p11", 15},
    {From::Amount, u"p12", 16}, {From::Amount, u"p13", 31}, {From::Amount, u"p14", 32}, {From::Amount, u"p15", 33},
    {From::Amount, u"p16", 34}, {From::Amount, u"p17", 35}, {From::Amount, u"p18", 36}, {From::Zero, u"p23"},
    {From::Zero, u"p24"},       {From::Zero, u"p25"},       {From::Zero, u"p26"},       {From::Amount, u"p27", 18},
    {From::Amount, u"p28", 19}, {From::Close, u"B"},        {From::Open, u"C"},         {From::Amount, u"p1", 10},
    {From::Amount, u"p2", 39},  {From::Amount, u"p3", 40},  {From::Amount, u"p4", 14},  {From::Zero, u"p5"},
    {From::Close, u"C"},        {From::Open, u"D"},         {From::Amount, u"p4", 23},  {From::Close, u"D"},
};

constexpr Row kRsaBenefit[] = {
    {From::Open, u"B"},       {From::TitleCode, u"p1", 5}, {From::Word, u"p2", 6}, {From::Date, u"p3", 7},
    {From::Date, u"p4", 8},   {From::WordIfSet, u"p5", 9}, {From::Amount, u"p6", 11}, {From::Close, u"B"},
};

constexpr Row kRzaBases3[] = {
    {From::Open, u"B"}, {From::TitleCode, u"p1", 5}, {From::Amount, u"p2", 6}, {From::Amount, u"p3", 7},
    {From::Close, u"B"},
};
constexpr Row kRzaBases43[] = {
    {From::Open, u"B"},        {From::TitleCode, u"p1", 5}, {From::Amount, u"p2", 6}, {From::Amount, u"p3", 7},
    {From::Amount, u"p4", 8},  {From::Amount, u"p5", 9},    {From::Amount, u"p6", 10}, {From::Close, u"B"},
};

struct Period {
    long year = 0;
    long month = 0;
};

void WriteTitleCode(KeduXmlWriter& xml, std::u16string_view element, const CBstr& code) {
    CBstr title, right, degree;
    SplitTitleCode(code, title, right, degree);
    xml.Open(element);
    xml.Always(u"p1", title);
    xml.Always(u"p2", right);
    xml.Always(u"p3", degree);
    xml.Close(element);
}

// Two words, each padded to three digits; one word holds both, its last three characters the second
// (padded first, so that "12" gives "000" and "012").
void WriteWorkingTime(KeduXmlWriter& xml, std::u16string_view element, const KeduPage::Block& person, int line) {
    const CBstr first = person.Word(line, 1);
    const CBstr second = person.Word(line, 2);
    CBstr numerator, denominator;
    if (!first.IsEmpty() && second.IsEmpty()) {
        const CBstr whole = PadLeftZeros(first, kPairWidth);
        const unsigned cut = whole.Length() - kPairWidth;
        numerator = PadLeftZeros(whole.Left(cut), kPairWidth);
        denominator = whole.Mid(cut, kPairWidth);
    } else {
        numerator = PadLeftZeros(first, kPairWidth);
        denominator = PadLeftZeros(second, kPairWidth);
    }
    if (numerator == kNoPart || denominator == kNoPart) return;
    xml.Open(element);
    xml.Always(u"p1", numerator);
    xml.Always(u"p2", denominator);
    xml.Close(element);
}

void WriteRow(KeduXmlWriter& xml, const Row& row, const KeduPage::Block& person, const Period& period) {
    switch (row.from) {
        case From::Open: return xml.Open(row.element);
        case From::Close: return xml.Close(row.element);
        case From::Line: return xml.Always(row.element, person.Line(row.line));
        case From::Word: return xml.Always(row.element, person.Word(row.line));
        case From::WordIfSet: return xml.IfSet(row.element, person.Word(row.line));
        case From::TitleCode: return WriteTitleCode(xml, row.element, person.Word(row.line));
        case From::WorkingTime: return WriteWorkingTime(xml, row.element, person, row.line);
        case From::Amount: return xml.Always(row.element, AmountFromHundredths(person.Word(row.line)));
        case From::Zero: return xml.Always(row.element, kZeroAmount);
        case From::Date: return xml.Always(row.element, KeduDate(person.Word(row.line), period.year, period.month));
    }
}

CBstr WritePersons(std::u16string_view pageText, std::u16string_view code, KeduGeneration generation, Table table,
                   Period period = {}) {
    // A person's elements take about three times the characters of its lines.
    constexpr std::size_t kGrowth = 3;
    KeduXmlWriter xml(pageText.size() * kGrowth);
    KeduBlockWalker persons(pageText, code);
    int number = 0;
    while (std::optional<std::u16string_view> text = persons.Next()) {
        const KeduPage::Block person(*text);
        if (person.IsEmpty()) continue;
        ++number;
        if (generation == KeduGeneration::Kedu43) xml.NumberedBlock(u"III", number);
        else xml.Open(u"III");
        for (std::span<const Row> rows : table) {
            for (const Row& row : rows) WriteRow(xml, row, person, period);
        }
        xml.Close(u"III");
    }
    return xml.Text();
}

constexpr std::u16string_view kRcaPerson = u"DDORCA";
constexpr std::u16string_view kRsaPerson = u"DDORSA";
constexpr std::u16string_view kRzaPerson = u"DDORZA";

}  // namespace

CBstr WriteRcaBlockKedu3(std::u16string_view pageText) {
    return WritePersons(pageText, kRcaPerson, KeduGeneration::Kedu3, {kPerson, kRcaTitle, kRcaBases3});
}

CBstr WriteRcaBlockKedu43(std::u16string_view pageText) {
    return WritePersons(pageText, kRcaPerson, KeduGeneration::Kedu43, {kPerson, kRcaTitle, kRcaBases43});
}

CBstr WriteRsaBlockKedu3(std::u16string_view pageText, long year, long month) {
    return WritePersons(pageText, kRsaPerson, KeduGeneration::Kedu3, {kPerson, kRsaBenefit}, {year, month});
}

CBstr WriteRsaBlockKedu43(std::u16string_view pageText, long year, long month) {
    return WritePersons(pageText, kRsaPerson, KeduGeneration::Kedu43, {kPerson, kRsaBenefit}, {year, month});
}

CBstr WriteRzaBlockKedu3(std::u16string_view pageText) {
    return WritePersons(pageText, kRzaPerson, KeduGeneration::Kedu3, {kPerson, kRzaBases3});
}

CBstr WriteRzaBlockKedu43(std::u16string_view pageText) {
    return WritePersons(pageText, kRzaPerson, KeduGeneration::Kedu43, {kPerson, kRzaBases43});
}
