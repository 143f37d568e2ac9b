// The official receipt (UPO) of a filed e-declaration as the tax office's gateway hands it over: the
// XML text read and its fields taken out, all of them checked before the caller stores any.
#pragma once

#include <optional>
#include <string>

// The receipt's fields.
struct Receipt {
    std::u16string podmiot, numer, skrotDokumentu, skrotStruktury, struktura, dataWplyniecia, stempel, nip1;
    std::optional<std::u16string> nip2, kodUrzedu;
    std::u16string signingTime;
};

// The fields of the receipt `xml`. A text that is not XML, or that lacks a required field or the signing
// time, raises; nothing else is read from it.
Receipt ReadReceipt(const std::u16string& xml);
