#include "mv_deklaracje/kedu/KeduBlockWalker.h"

KeduBlockWalker::KeduBlockWalker(std::u16string_view text, std::u16string_view code)
    : text_(text), open_(u"<" + std::u16string(code) + u">"), close_(u"</" + std::u16string(code) + u">") {}

std::optional<std::u16string_view> KeduBlockWalker::Next() {
    const std::size_t start = text_.find(open_, from_);
    if (start == std::u16string_view::npos) {
        from_ = text_.size();
        return std::nullopt;
    }
    from_ = start + 1;
    const std::size_t content = start + open_.size();
    const std::size_t end = text_.find(close_, content);
    return text_.substr(content, end == std::u16string_view::npos ? std::u16string_view::npos : end - content);
}
