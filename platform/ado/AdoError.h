// The failure the ADO objects raise inside and report at their COM boundary as an HRESULT with the
// thread's error object.
#pragma once

#include <exception>
#include <new>
#include <string>
#include <string_view>

#include "platform/com/Types.h"

namespace tlx::ado {

class AdoError : public std::exception {
public:
    AdoError(HRESULT hr, std::u16string description) : hr_(hr), description_(std::move(description)) {}
    HRESULT Code() const { return hr_; }
    const std::u16string& Description() const { return description_; }
    const char* what() const noexcept override { return "ADO error"; }

private:
    HRESULT hr_;
    std::u16string description_;
};

[[noreturn]] void Fail(HRESULT hr, std::u16string description);
// Fails with a database error: the database's message and the statement.
[[noreturn]] void FailDatabase(std::string_view message, std::string_view statement);
// Sets the thread's error object from the error and answers its code.
HRESULT ReportError(const AdoError& error);

// Runs `body`; an AdoError comes out as its code with its description set on the thread's error
// object, any other exception as E_UNEXPECTED; success clears nothing and answers S_OK.
template <class Body>
HRESULT Boundary(Body&& body) {
    try {
        body();
        return S_OK;
    } catch (const AdoError& error) {
        return ReportError(error);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return ReportError(AdoError(E_UNEXPECTED, u"Unexpected failure in the ADO layer"));
    }
}


}  // namespace tlx::ado
