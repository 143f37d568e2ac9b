// JScript lets a script assign to a call of a COM member, `dokument.Wartosc("P_10") = 5` or
// `rs("x") = 1`, which puts the property with those arguments. ECMAScript has no such assignment, so the
// script text is rewritten before it is compiled: a callee made of names and dots, called and then
// assigned (`a.b.c(args) = value`), becomes `kCallAssignmentHelper(a.b, "c", [args]).value = value`, on
// the same lines; a callee that ends in a call, `bloki("DIPL")(1, 0) = v`, puts the default member of
// what that call answers. Strings, comments and regular expressions are left alone; any other shape of callee
// is not rewritten.
#pragma once

#include <string>
#include <string_view>

namespace tlx::host {

inline constexpr const char* kCallAssignmentHelper = "__tlxPutCall";

// `code` in the heap's byte form.
std::string RewriteCallAssignments(std::string_view code);

}  // namespace tlx::host
