// The expressions of a form that would do nothing if evaluated: a bare call `Name()` of a function that
// the form's scripts declare once, with an empty body (blanks and comments only), and that neither the
// scripts nor any other expression of the form name anywhere else, so that nothing can have replaced it.
// Such a call answers empty and changes no script state, so a declaration that has no script engine yet
// need not create one for it (the form events of forms that compute nothing themselves, such as the
// attachments a calculation service fills). Found once per form definition by reading the texts; any
// doubt (a second mention of the name, arguments, anything around the call) counts as doing something.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

class EmptyScriptCalls {
public:
    EmptyScriptCalls() = default;
    // `scripts`: the form's whole script text; `expressions`: every expression of the form (events,
    // field expressions), whose bare calls of a function do not count as mentions of it.
    EmptyScriptCalls(std::u16string_view scripts, const std::vector<std::u16string_view>& expressions);

    // `expression` is a bare call of one of the form's empty functions.
    bool DoesNothing(std::u16string_view expression) const;

private:
    std::set<std::u16string, std::less<>> names_;
};
