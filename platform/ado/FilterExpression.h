// A recordset's Filter criteria: "Column op value" clauses joined by AND and OR, with parentheses.
// Operators =, <>, <, >, <=, >=, LIKE ('*' or '%' as wildcards); values are numbers, 'texts' (with ''
// for an apostrophe), #dates# and NULL. Texts compare without regard to case.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/Variant.h"

namespace tlx::ado {

// Orders two field values: NULL first, numbers and dates by value, texts without regard to case.
int CompareFieldValues(const VARIANT& a, const VARIANT& b);

class FilterExpression {
public:
    struct Node;
    // `findColumn` answers a column's index or -1; a malformed criteria or an unknown column fails with
    // adErrInvalidArgument naming it.
    static std::unique_ptr<FilterExpression> Parse(std::u16string_view criteria,
                                                   const std::function<int(std::u16string_view)>& findColumn);
    ~FilterExpression();
    bool Matches(const std::vector<tlx::Variant>& values) const;

private:
    explicit FilterExpression(std::unique_ptr<Node> root);
    std::unique_ptr<Node> root_;
};

}  // namespace tlx::ado
