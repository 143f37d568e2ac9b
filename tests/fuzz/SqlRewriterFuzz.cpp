// Fuzzes the T-SQL rewriter with a statement or a batch. Functions of the schema "tlx" count as the
// host's registered ones; the rewriter either answers statements or refuses the text with an ADO error.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ado/AdoError.h"
#include "platform/ado/SqlRewriter.h"
#include "platform/com/ErrorInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view tsql(reinterpret_cast<const char*>(data), size);
    tlx::ado::SqlRewriter rewriter([](std::string_view name) -> std::optional<std::string> {
        if (name.size() > 4 && (name[0] == 't' || name[0] == 'T') && (name[1] == 'l' || name[1] == 'L') &&
            (name[2] == 'x' || name[2] == 'X') && name[3] == '.')
            return "tlx_" + std::string(name.substr(4));
        return std::nullopt;
    });
    try {
        rewriter.Rewrite(tsql);
    } catch (const tlx::ado::AdoError&) {
        // Refused text: what is expected of a construct the rewriter does not know.
    }
    SetErrorInfo(0, nullptr);
    return 0;
}
