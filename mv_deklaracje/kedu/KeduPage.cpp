#include "mv_deklaracje/kedu/KeduPage.h"

#include <utility>

#include "mv_deklaracje/kedu/KeduPageText.h"

namespace {
constexpr int kWholeLine = 0;
}  // namespace

KeduPage::Block::Block(const CBstr& text) : owned_(text), text_(owned_.View()) { FindLines(); }

KeduPage::Block::Block(std::u16string_view text) : text_(text) { FindLines(); }

void KeduPage::Block::FindLines() {
    // As LineValue finds them: line 1 ends at the first CR LF after the one the block begins with, each
    // further line at the next one.
    constexpr std::size_t kFirstLineBreak = 1;
    for (std::size_t from = kFirstLineBreak + 1;;) {
        const std::size_t end = text_.find(u"\r\n", from);
        if (end == std::u16string_view::npos) break;
        ends_.push_back(end);
        from = end + 1;
    }
}

std::u16string_view KeduPage::Block::RawLine(int line) const {
    if (line < 1 || static_cast<std::size_t>(line) > ends_.size()) return {};
    const std::size_t start = line == 1 ? 2 : ends_[line - 2] + 1;
    const std::size_t end = ends_[line - 1];
    return start <= end ? text_.substr(start, end - start + 1) : std::u16string_view{};
}

std::u16string_view KeduPage::Block::TrimmedLine(int line) const { return TrimLineView(RawLine(line)); }

CBstr KeduPage::Block::Line(int line) const { return RawLineValue(RawLine(line), kWholeLine); }

CBstr KeduPage::Block::Word(int line, int word) const { return RawLineValue(RawLine(line), word); }

std::u16string_view KeduPage::Block::RawWord(int line, int word) const { return LineWord(RawLine(line), word); }

bool KeduPage::Block::IsEmpty() const { return text_.find_first_not_of(u" \t\r\n") == std::u16string_view::npos; }

KeduPage::KeduPage(std::u16string text, long year, long month) : text_(std::move(text)), year_(year), month_(month) {}

KeduPage::Block KeduPage::First(std::u16string_view code) const { return Block(BlockText(text_, code, 1)); }

CBstr KeduPage::Date(const CBstr& value) const { return KeduDate(value, year_, month_); }
