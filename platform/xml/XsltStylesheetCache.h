// Compiled stylesheets kept by their text, so that a stylesheet handed over again (a form's transformation,
// once for every declaration of the form) is compiled once per process. A changed stylesheet is another
// text and is compiled afresh. A stylesheet that includes or imports other files is never kept: those
// files may change behind an unchanged text. A handful of stylesheets is kept, the least recently used
// one making way for a new one.
#pragma once

#include <functional>
#include <memory>
#include <string>

struct _xsltStylesheet;

namespace tlx {

class XsltStylesheetCache {
public:
    using Compiled = std::shared_ptr<_xsltStylesheet>;

    // The stylesheet kept for `key` (the stylesheet's base location and text), else what `compile` makes;
    // null when it does not compile. Safe from any thread: a compiled stylesheet is only read by the
    // transformations that share it.
    static Compiled Get(const std::string& key, const std::function<Compiled()>& compile);
};

}  // namespace tlx
