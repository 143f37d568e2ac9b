// The KEDU document elements of the ZUS registration and information forms, each written from the
// declaration's page text. Nothing is written into any file here: each answers the element's text,
// which the caller puts between a header and "</KEDU>". Values are never changed: a PESEL that is not
// 11 digits or a text longer than its KEDU element is refused, naming the person and the element, and
// no text is answered (ZUS would refuse the whole file).
#pragma once

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/kedu/KeduPage.h"

// Registration of an insured person for the social and health insurances ("ZUSZUA", document 5).
CBstr ZUAToXML(const KeduPage& page);
// Registration of a person for the health insurance only ("ZUSZZA", document 6).
CBstr ZZAToXML(const KeduPage& page);
// Change or correction of an insured person's identification data ("ZUSZIUA", document 7).
CBstr ZIUAToXML(const KeduPage& page);
// Registration or deregistration of an insured person's family members ("ZUSZCNA", document 8): one
// block per member, empty member blocks passed over.
CBstr ZCNAToXML(const KeduPage& page);
// The yearly report of work in special conditions or of a special character ("ZUSZSWA", document 9):
// one block per entry of an insured person, empty entries passed over.
CBstr ZSWAToXML(const KeduPage& page);
// Deregistration of an insured person ("ZUSZWUA", document 10).
CBstr ZWUAToXML(const KeduPage& page);
// The payer's yearly information for the accident insurance rate ("ZUSIWA", document 11), with the
// number of the post-inspection decision that the declaration holds.
CBstr IWAToXML(const KeduPage& page, const CBstr& decisionNumber);
