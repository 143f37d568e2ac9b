// The blocks several KEDU documents share: the payer's identification, the insured person, the
// insurance title code, an address and the payer's statement.
#pragma once

#include <string>
#include <string_view>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/kedu/KeduPage.h"
#include "mv_deklaracje/kedu/KeduXmlWriter.h"

// "Ubezpieczony SURNAME FIRST-NAME" of block "DAU", naming the person a refused text belongs to.
std::u16string InsuredPersonName(const KeduPage& page);

// How a block's date line is read: the whole line or its first word.
enum class DateRead { Line, Word };

// The blocks' writers refuse a PESEL that is not 11 digits and a text longer than its element (see
// KeduTextLimits) before they write anything.

// The payer (NIP, REGON, PESEL, identity document, names, date of birth) from the page block `code` into
// the document block `name`, always written; the document's kind only beside its number.
void WritePayer(KeduXmlWriter& xml, std::u16string_view name, const KeduPage& page, std::u16string_view code,
                DateRead dateRead = DateRead::Line);

// The insured person of block "DAU" into the document block `name`, always written: the identity
// document only for a person without PESEL, its number only beside its kind; the NIP is not written.
void WriteInsuredPerson(KeduXmlWriter& xml, std::u16string_view name, const KeduPage& page);

// Block I of a registration: "true" for a new registration, or the kind of its change.
void WriteRegistrationKind(KeduXmlWriter& xml, const CBstr& change);

// The insured person's further data of block "DEOZ" (second first name, family name, citizenship, sex)
// into the document block `name`, always written.
void WriteFurtherPersonalData(KeduXmlWriter& xml, std::u16string_view name, const KeduPage& page);

// A health insurance block: the date from which the person is insured and the health fund's branch.
void WriteHealthInsurance(KeduXmlWriter& xml, std::u16string_view name, const CBstr& date, const CBstr& fund);

// The insurance title code as the group of its title, pension right and degree of disability, always
// written.
void WriteTitleCode(KeduXmlWriter& xml, const CBstr& code);

// An address of nine lines (postal code, then town, commune, street, numbers, telephones) from the page
// block `code` into the document block `name`. With `always` false the block is left out when none of
// its values is set; a postal code that is not five digits counts as not set.
void WriteAddress(KeduXmlWriter& xml, std::u16string_view name, const KeduPage& page, std::u16string_view code,
                  bool always);

// The payer's statement: the date of its first element, also "null".
void WriteStatement(KeduXmlWriter& xml, std::u16string_view name, const CBstr& date);
