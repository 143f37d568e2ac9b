// A fresh script engine per test, with short ways to run script text and read what it answered.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/script/ScriptEngine.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

class ScriptTest : public ::testing::Test {
protected:
    tlx::ComPtr<IScriptEngine> engine = tlx::ComPtr<IScriptEngine>(tlx::host::CScriptEngine::Make().Get());

    HRESULT Run(std::u16string_view code, tlx::Variant& result, IDispatch* self = nullptr) {
        tlx::Bstr text(code);
        tlx::Variant thisObject = self ? tlx::Variant::FromDispatch(self) : tlx::Variant();
        return engine->Evaluate(text.Get(), thisObject, result.Out());
    }
    tlx::Variant Eval(std::u16string_view code, IDispatch* self = nullptr) {
        tlx::Variant result;
        HRESULT hr = Run(code, result, self);
        EXPECT_EQ(hr, S_OK) << Utf8(code) << ": " << Utf8(tlx::TakeErrorDescription());
        return result;
    }
    // The completion value's text, as the script itself writes it.
    std::string EvalText(std::u16string_view code) {
        tlx::Variant v = Eval(u"String(" + std::u16string(code) + u")");
        return v.vt == VT_BSTR ? Utf8(tlx::Bstr(v.bstrVal).View()) : "<no text>";
    }
    HRESULT AddScript(std::u16string_view code) {
        tlx::Bstr text(code);
        return engine->AddScriptText(text.Get());
    }
    HRESULT Bind(std::u16string_view name, IDispatch* object) {
        tlx::Bstr text(name);
        return engine->AddNamedItem(text.Get(), object);
    }
    tlx::ComPtr<IDispatch> Bound(std::u16string_view name) {
        tlx::Bstr text(name);
        tlx::ComPtr<IDispatch> object;
        EXPECT_EQ(engine->GetNamedItem(text.Get(), object.Out()), S_OK);
        return object;
    }
    // The description and source of the thread's error object, taken from it.
    static std::pair<std::string, std::string> TakeError() {
        tlx::ComPtr<IErrorInfo> info;
        if (GetErrorInfo(0, info.Out()) != S_OK) return {"<no error object>", ""};
        tlx::Bstr description, source;
        info->GetDescription(description.Out());
        info->GetSource(source.Out());
        return {Utf8(description.View()), Utf8(source.View())};
    }
    static std::string Utf8(std::u16string_view text) { return tlx::Utf16ToUtf8(text); }
};
