#include "mv_deklaracje/kedu/KeduPage.h"

#include <utility>

#include "mv_deklaracje/kedu/KeduPageText.h"

namespace {
constexpr int kWholeLine = 0;
constexpr int kFirstWord = 1;
}  // namespace

CBstr KeduPage::Block::Line(int line) const { return LineValue(text_, line, kWholeLine); }

CBstr KeduPage::Block::Word(int line) const { return LineValue(text_, line, kFirstWord); }

bool KeduPage::Block::IsEmpty() const {
    return text_.find_first_not_of(u" \t\r\n") == std::u16string::npos;
}

KeduPage::KeduPage(std::u16string text, long year, long month) : text_(std::move(text)), year_(year), month_(month) {}

KeduPage::Block KeduPage::First(std::u16string_view code) const { return Block(BlockText(text_, code, 1).View()); }

CBstr KeduPage::Date(const CBstr& value) const { return KeduDate(value, year_, month_); }
