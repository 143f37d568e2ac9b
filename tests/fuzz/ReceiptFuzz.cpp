// Fuzzes the reader of the official receipt (UPO) the tax office's gateway hands back: any text either
// reads as a receipt with every required field or is refused with an error, never anything else.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/edeklaracje/ReceiptReader.h"
#include "platform/text/CodePage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string xml = tlx::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        Receipt receipt = ReadReceipt(xml);
        (void)receipt;
    } catch (const ComError&) {
        // Not XML, or a required field missing: refused with its reason.
    }
    return 0;
}
