// The result tree of a transformation handed over as a document of its own, as a parse of the result's
// text would build it: the namespaces written by the serialiser, each name resolved to the declaration
// in scope, adjacent texts joined, blank texts dropped, the XML declaration first. A result whose text
// could read back otherwise (text written unescaped, a carriage return, characters or names that are not
// XML, comments or instructions that would end early) is not handed over: its caller parses the text.
#pragma once

#include <libxml/tree.h>

#include <string>

namespace tlx {

class XsltResultTree {
public:
    // A new document (the caller's to free) holding what parsing the serialised `result` would give,
    // with `declaration` as the data of its XML declaration; null when the result must go through its
    // text instead.
    static xmlDocPtr AsParsed(xmlDocPtr result, const std::string& declaration);
};

}  // namespace tlx
