// The name of an e-declaration's file in the exchange folder: the form code of the document, the
// period, for a form issued to a person that person's tax identifier, the declaration's number and the
// local time, for example "PIT-36_201612_1_201701150905.xml".
#pragma once

#include <string>

#include "mv_deklaracje_tlb.h"
#include "platform/xml/XmlDom.h"

// The moment a file is named, in local time (minutes are the finest part of the name).
struct LocalStamp {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    static LocalStamp Now();
};

// The forms issued to a person (PIT-11, PIT-40, PIT-8C, IFT-1, IFT-1R), whose file and messages name him.
bool IsPersonForm(LONG typDeklar);

// The file name of `declaration`'s transformed `document`. A null declaration or document raises
// E_POINTER; so does, for a person form, an employee without a record on 31 December of the year or a
// record without the tax data the form's version reads.
std::u16string NazwaPlikuXml(IDeklaracja2* declaration, IXMLDOMDocument* document,
                             const LocalStamp& stamp = LocalStamp::Now());
