// Small text helpers of the e-declaration messages: a message shown on one line, and a text member read
// from a host object.
#pragma once

#include <string>

#include "mv_deklaracje/core/ComError.h"
#include "platform/com/Bstr.h"

// The text with every line break turned into a blank, so that a message stays one line.
inline std::u16string BlanksForLineBreaks(std::u16string text) {
    for (char16_t& c : text)
        if (c == u'\n' || c == u'\r') c = u' ';
    return text;
}

// A text property of a host object; a failure is raised.
template <class Object>
std::u16string ReadText(Object* object, HRESULT (Object::*get)(BSTR*)) {
    tlx::Bstr text;
    CheckHost((object->*get)(text.Out()));
    return std::u16string(text.View());
}
