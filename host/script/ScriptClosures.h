// Whether a script text may leave state that no walk over the heap's objects sees (ScriptState): a
// function made inside another function's body or inside a catch block keeps that scope's variables
// (a closure); `with` makes functions that keep an object only they reach; `bind` keeps its arguments;
// `eval` and arrow functions can do either. The text is scanned, not run: a text it cannot follow (its
// braces do not pair) answers that it may.
#pragma once

#include <string_view>

namespace tlx::host {
// `code` is the script as the heap reads it (UTF-8 bytes).
bool MayHideScriptState(std::string_view code);
// Whether `code` may write a getter or setter in an object literal (`get name(`, `set name(`): the
// walk over a heap must not read such a property's value. Strings and comments are not told apart.
bool MayWriteAccessors(std::string_view code);
}  // namespace tlx::host
