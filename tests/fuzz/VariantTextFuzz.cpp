// Fuzzes reading numbers, dates and booleans from text under the Polish and the English locale. A value
// read from text must write a text that reads back under the same locale, as the same value wherever
// the kind is exact (a double keeps 15 digits only).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/com/Locale.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace {

bool Same(const VARIANT& a, const VARIANT& b) {
    switch (a.vt) {
        case VT_I2: return a.iVal == b.iVal;
        case VT_I4: return a.lVal == b.lVal;
        case VT_I8: return a.llVal == b.llVal;
        case VT_CY: return a.cyVal.int64 == b.cyVal.int64;
        case VT_DATE: return a.date == b.date;
        case VT_BOOL: return a.boolVal == b.boolVal;
        default: return true;
    }
}

void CheckReadsBack(const tlx::Variant& value, LCID lcid) {
    tlx::Variant text, again;
    if (FAILED(VariantChangeTypeEx(&text, &value, lcid, 0, VT_BSTR))) __builtin_trap();  // cannot be written
    if (FAILED(VariantChangeTypeEx(&again, &text, lcid, 0, value.vt))) __builtin_trap();  // not read back
    if (!Same(value, again)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tlx::Variant text = tlx::Variant::FromString(
        tlx::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size)));
    for (LCID lcid : {LANG_POLISH_POLAND, LANG_ENGLISH_US}) {
        for (VARTYPE vt : {VT_I2, VT_I4, VT_I8, VT_R8, VT_CY, VT_DATE, VT_BOOL}) {
            tlx::Variant value;
            if (SUCCEEDED(VariantChangeTypeEx(&value, &text, lcid, 0, vt))) CheckReadsBack(value, lcid);
        }
    }
    return 0;
}
