#include "host/objects/kedu/KeduBlock.h"

#include "host/objects/kedu/KeduError.h"
#include "host/objects/kedu/KeduValue.h"

namespace tlx::host {
namespace {

const Variant& EmptyCell() {
    static const Variant empty;
    return empty;
}

std::u16string Number(LONG value) {
    std::string text = std::to_string(value);
    return std::u16string(text.begin(), text.end());
}

}  // namespace

std::u16string KeduBlock::Where(LONG position) const { return KeduCell{name_, position}.Describe(); }

void KeduBlock::CheckCell(LONG position, LONG repeat) const {
    if (position < 1 || position > kMaxPosition)
        RefuseKedu(u"Pozycja " + Number(position) + u" w bloku " + name_ + u" jest poza zakresem 1.." +
                   Number(kMaxPosition) + u".");
    if (repeat < 0 || repeat > kMaxRepeat)
        RefuseKedu(u"Powtórzenie " + Number(repeat) + u" w " + Where(position) + u" jest poza zakresem 0.." +
                   Number(kMaxRepeat) + u".");
}

const VARIANT& KeduBlock::Get(LONG position, LONG repeat) const {
    CheckCell(position, repeat);
    auto p = static_cast<std::size_t>(position - 1);
    auto r = static_cast<std::size_t>(repeat);
    if (p >= positions_.size() || r >= positions_[p].size()) return EmptyCell();
    return positions_[p][r];
}

void KeduBlock::Put(LONG position, LONG repeat, const VARIANT& value) {
    CheckCell(position, repeat);
    Variant stored;
    if (HRESULT hr = VariantCopyInd(&stored, &value); FAILED(hr)) throw HostError{hr};
    CheckKeduValue(stored, KeduCell{name_, position});
    auto p = static_cast<std::size_t>(position - 1);
    auto r = static_cast<std::size_t>(repeat);
    if (p >= positions_.size()) positions_.resize(p + 1);
    if (r >= positions_[p].size()) positions_[p].resize(r + 1);
    positions_[p][r] = std::move(stored);
}

void KeduBlock::AddLine(std::u16string_view text) {
    positions_.emplace_back(1, Variant::FromString(text));
}

void KeduBlock::AppendText(std::u16string& out, std::u16string_view tagName) const {
    out += u'<';
    out += tagName;
    out += u">\r\n";
    for (std::size_t p = 0; p < positions_.size(); ++p) {
        bool first = true;
        for (const Variant& value : positions_[p]) {
            if (value.vt == VT_EMPTY || value.vt == VT_NULL) continue;
            std::size_t before = out.size();
            if (!first) out += u' ';
            std::size_t start = out.size();
            AppendKeduValue(out, value, KeduCell{name_, static_cast<LONG>(p + 1)});
            if (out.size() == start)
                out.resize(before);  // an empty text or a false box adds nothing, not even its blank
            else
                first = false;
        }
        out += u"\r\n";
    }
    out += u"</";
    out += tagName;
    out += u">\r\n";
}

}  // namespace tlx::host
