// Fuzzes the script bridge's rewrite of assignments to calls. Whatever the text, the rewrite keeps every
// line where it was (script errors name lines of the text as written), so it keeps the line breaks; and
// a text the script engine compiles must still compile once rewritten.
#include <duktape.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/script/CallAssignment.h"

namespace {

bool Compiles(duk_context* ctx, std::string_view code) {
    bool compiled = duk_pcompile_lstring(ctx, 0, code.data(), code.size()) == DUK_EXEC_SUCCESS;
    duk_pop(ctx);
    return compiled;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static duk_context* ctx = duk_create_heap_default();
    std::string_view code(reinterpret_cast<const char*>(data), size);
    std::string rewritten = tlx::host::RewriteCallAssignments(code);
    if (std::count(code.begin(), code.end(), '\n') != std::count(rewritten.begin(), rewritten.end(), '\n'))
        __builtin_trap();
    if (Compiles(ctx, code) && !Compiles(ctx, rewritten)) __builtin_trap();
    return 0;
}
