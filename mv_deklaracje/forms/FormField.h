// One field of a form definition as read from its element: name, value kind, numbers, description and
// script code, and its dispatch identifier. Plain data, read once per process and shared read-only by
// every declaration of the form (see FormDefinition.h); what a declaration keeps of a field for itself
// (the bookmark of its stored value) is in CDekElementInfo.
#pragma once

#include "mv_deklaracje/core/Bstr.h"
#include "platform/xml/XmlDom.h"
#include "tlb/DispatchTables.h"

struct FormField {
    // Reads the field of `element` (the tag is the name, the attributes of its "parametry" child the
    // rest) and gives it `dispId`. A missing "parametry", a kind letter outside c/f/t/d/i or an
    // attribute that does not convert raises.
    static FormField Read(IXMLDOMNode* element, LONG dispId);

    CBstr nazwa;
    DekElementTypEnum typ = detUndefined;
    LONG lp = 0;
    LONG lpw = 0;
    LONG lpw2 = 0;
    CBstr opis;
    tlx::Variant opisText;  // opis as the text written into the field's stored rows, made once
    CBstr onUpdate;
    CBstr defaultValue;
    bool required = false;
    bool obliczane = false;
    CBstr onGet;
    CBstr onPut;
    LONG dispId = 0;
};
