// The expressions of a form that would do nothing if evaluated, or nothing but write fixed traces: a bare
// call `Name()` of a function that the form's scripts declare once and that neither the scripts nor any
// other expression of the form name anywhere else, so that nothing can have replaced it, whose body is
// empty (blanks and comments only) or holds nothing but
// - traces of fixed texts, `CcTrace('text');`, through the library's own CcTrace (declared once with its
//   usual body, its debug switch only ever read, its support object made only by CcSupport), and
// - bare calls `Other();` of empty functions that nothing else names or replaces either.
// Such a call changes no script state (but for the library's support object, made once for tracing),
// so a declaration that has no script engine yet need not create one for it: it writes the traces
// itself (the form events of forms that compute nothing themselves, such as the attachments a
// calculation service fills). Found once per form definition by reading the texts; any doubt (a second
// mention of a name, arguments, anything around the call) counts as doing something.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

class EmptyScriptCalls {
public:
    EmptyScriptCalls() = default;
    // `scripts`: the form's whole script text; `expressions`: every expression of the form (events,
    // field expressions), whose bare calls of a function do not count as mentions of it.
    EmptyScriptCalls(std::u16string_view scripts, const std::vector<std::u16string_view>& expressions);

    // The texts a bare call of one of the form's quiet functions traces, in order (none for an empty
    // function); null when `expression` is anything else.
    const std::vector<std::u16string>* Traces(std::u16string_view expression) const;
    // `expression` is a bare call of one of the form's empty functions.
    bool DoesNothing(std::u16string_view expression) const {
        const std::vector<std::u16string>* traces = Traces(expression);
        return traces && traces->empty();
    }

private:
    std::map<std::u16string, std::vector<std::u16string>, std::less<>> quiet_;
};
