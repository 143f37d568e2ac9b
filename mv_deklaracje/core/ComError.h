// The module's one exception and the error convention around every COM member: a ComError raised
// inside a member comes out as its HRESULT with its error object; anything else becomes E_UNEXPECTED
// with "Nieoczekiwany błąd w <file> (<line>)".
#pragma once

#include <exception>
#include <source_location>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "platform/com/ComPtr.h"
#include "platform/com/ErrorInfo.h"
#include "platform/res/Resources.h"

class ComError : public std::exception {
public:
    explicit ComError(HRESULT hr, tlx::ComPtr<IErrorInfo> info = nullptr) : hr_(hr), info_(std::move(info)) {}
    HRESULT Code() const { return hr_; }
    IErrorInfo* Info() const { return info_.Get(); }
    // The error object's description; empty without one.
    std::u16string Description() const;
    const char* what() const noexcept override { return "COM error"; }

private:
    HRESULT hr_;
    tlx::ComPtr<IErrorInfo> info_;
};

// Sets the thread's error object with `text` as it stands, takes it back and throws it with `hr`.
[[noreturn]] void RaiseComError(HRESULT hr, const OLECHAR* text);
[[noreturn]] void RaiseComError(HRESULT hr, std::u16string_view text);
// Formats the message (see FormatString) and raises it; the HRESULT comes first here.
[[noreturn]] void RaiseComErrorFormat(HRESULT hr, const OLECHAR* format, ...);
// Raises the string-table text `messageId` with HRESULT 0x80040000 | (messageId & 0xFFFF);
// "Unknown Error" when the table has no such text.
[[noreturn]] void RaiseResourceError(UINT messageId, const CLSID& source, HINSTANCE resources);
// Raises `hr` without an error object (a failed platform call that only has a code).
[[noreturn]] void RaiseHResult(HRESULT hr);
// Raises a failed host call: its HRESULT with the error object the callee left on the thread.
[[noreturn]] void RaiseHostFailure(HRESULT hr);
// Checks a host call's answer: a failure is raised with the callee's error object.
inline HRESULT CheckHost(HRESULT hr) {
    if (FAILED(hr)) RaiseHostFailure(hr);
    return hr;
}

// The catch helper: puts the error's object back on the thread and answers its HRESULT.
HRESULT ReportComError(const ComError& e);

// The string-table text of `messageId` in `resources`; empty when there is none.
std::u16string LoadStringResource(HINSTANCE resources, UINT messageId);

// Printf-style formatting of module texts in the C locale (a decimal point whatever the user's
// settings). %s takes a UTF-16 text (const OLECHAR*); %d, %i, %u, %x, %X, %ld, %lu, %f, %e, %g, %c and %%
// work as in C.
std::u16string FormatStringV(const OLECHAR* format, va_list args);
std::u16string FormatString(const OLECHAR* format, ...);

// The source unit an unexpected error names for a member written in `fileName`: the file's name without
// folder and extension, except for the units that span several files or go by another name ("Wnu.cpp"
// is "wnu", every "Deklaracja….cpp" is "Deklaracja", the DRA's export service is "zus_eksporty").
std::u16string SourceUnitName(std::string_view fileName);

// The error boundary of a COM member: runs `body` and answers S_OK, a raised ComError's HRESULT with its
// error object, or E_UNEXPECTED with the "Nieoczekiwany błąd w <unit> (<line>)" description naming the
// caller's unit and line (taken where ComBoundary is called, or handed on by a helper that runs the
// boundary for it). ComBoundaryIn names the unit itself, for a member whose unit is not its file's.
HRESULT ReportUnexpected(const std::source_location& where);
HRESULT ReportUnexpectedIn(std::u16string_view unit, const std::source_location& where);

template <class Body>
HRESULT ComBoundaryIn(std::u16string_view unit, Body&& body,
                      const std::source_location& where = std::source_location::current()) {
    try {
        if constexpr (std::is_same_v<decltype(body()), HRESULT>)
            return body();
        else
            body();
        return S_OK;
    } catch (const ComError& e) {
        return ReportComError(e);
    } catch (...) {
        return unit.empty() ? ReportUnexpected(where) : ReportUnexpectedIn(unit, where);
    }
}

template <class Body>
HRESULT ComBoundary(Body&& body, const std::source_location& where = std::source_location::current()) {
    return ComBoundaryIn({}, std::forward<Body>(body), where);
}

// A checked out-pointer: a null pointer raises E_POINTER without an error object.
template <class T>
T* RequireOut(T* out) {
    if (!out) RaiseHResult(E_POINTER);
    return out;
}

// A checked object argument (a script passes undefined as a null one): E_POINTER with a text that
// names what is missing, e.g. RequireObject(pDekl, u"deklaracja").
[[noreturn]] void RaiseMissingObject(std::u16string_view what);
template <class T>
T* RequireObject(T* object, std::u16string_view what) {
    if (!object) RaiseMissingObject(what);
    return object;
}
