// The official receipt (UPO) the test gateway issues for an accepted document: a "Potwierdzenie" of
// schema version 6-0 inside an enveloping XML signature whose XAdES properties carry the signing time.
#pragma once

#include <string>

namespace tlxgate {

struct UpoInput {
    std::string refId;
    std::string sentBytes;    // the document as sent (the CMS message of a signed one)
    std::string declaration;  // the declaration's XML bytes
    std::string keyFile;      // the key that signs the receipt
};

// The receipt's XML text; an empty text when the receipt does not satisfy its schema (then `why`).
std::string IssueUpo(const UpoInput& input, std::string& why);

}  // namespace tlxgate
