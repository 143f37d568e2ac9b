// Small text helpers of the e-declaration messages: a message shown on one line, a host error worded with
// its parameters, and a text member read from a host object.
#pragma once

#include <string>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
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

// The host's wording of an error that carries parameters ("%1%=value%2%=value"), which the host puts
// into its text; the module's own text `own`, holding the same values, when the host gives none or gives
// the parameter list back as it is.
inline std::u16string HostWordedWithParameters(HRESULT code, const std::u16string& parameters, const std::u16string& own) {
    CBstr worded = GetHostErrorText(code, CBstr(parameters));
    if (worded.IsEmpty() || worded.View() == std::u16string_view(parameters)) return own;
    return worded.Str();
}
