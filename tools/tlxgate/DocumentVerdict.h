// What the service decides about a filed document when its receipt is asked for: the status and its
// text, checked in the service's order (signature, canonical UTF-8 form, schema, authorisation data).
#pragma once

#include <string>

namespace tlxgate {

struct Verdict {
    int status = 200;
    std::string text;
    std::string declaration;  // the declaration's XML bytes (the signed content, or the unsigned document)
};

// `bytes`: the decoded document as sent (CMS DER when signed); `caFile` the CA signatures must chain to.
Verdict JudgeDocument(bool isSigned, const std::string& bytes, const std::string& caFile);

}  // namespace tlxgate
