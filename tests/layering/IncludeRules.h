// The layering of the tree as rules over #include lines: which folder may include which. A rule is
// broken by one include line of one file; the checker names the file, the line and the rule.
#pragma once

#include <string>
#include <vector>

namespace tlx::layering {

struct Violation {
    std::string file;  // relative to the source tree, with '/' separators
    int line = 0;
    std::string included;
    std::string rule;
};

// The rule a file at `file` breaks by including `included` (as written between the quotes), or empty.
std::string BrokenRule(const std::string& file, const std::string& included);

// Every quoted #include of every C++ source and header below the tree's layered folders that breaks a
// rule.
std::vector<Violation> CheckTree(const std::string& sourceDir);

}  // namespace tlx::layering
