// What the e-declaration tests stand in for the host: a progress sink that records every event, a
// schema repository and a validator whose answers the test writes, and a VAT-7 of the demo company.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "DeclarationFixture.h"
#include "ModuleClassFixture.h"
#include "hostapi/EDeclarationsDispatch.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "platform/com/ComObject.h"
#include "platform/text/CodePage.h"
#include "tests/support/StandIn.h"

namespace edtest {

using ::CSingleObjectFactory;
using ::StandIn;

// One event as the sink heard it: its DISPID, then its arguments ("#n" for an integer level).
using Event = std::pair<DISPID, std::vector<std::u16string>>;
using Events = std::vector<Event>;

class CRecordingSink final : public tlx::ComObject<CRecordingSink, _IProgressEvents> {
public:
    Events events;
    HRESULT answer = S_OK;  // what the sink answers every event

    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
        std::vector<std::u16string> args;
        for (UINT i = params->cArgs; i-- > 0;) {
            const VARIANT& arg = params->rgvarg[i];
            if (arg.vt == VT_I4)
                args.push_back(u"#" + std::u16string(1, static_cast<char16_t>(u'0' + arg.lVal)));
            else
                args.push_back(arg.bstrVal ? std::u16string(arg.bstrVal, SysStringLen(arg.bstrVal)) : u"(null)");
        }
        events.emplace_back(id, std::move(args));
        return answer;
    }
};

// A VAT-7 of March 2024 of the demo company, added to `declarations` (the module's declarations
// collection), with the `more` fields set, calculated and saved.
inline tlx::ComPtr<IDeklaracja2> SavedVat7(
    ICollection* declarations, std::initializer_list<std::pair<const char16_t*, tlx::Variant>> more = {}) {
    tlx::ComPtr<IDispatch> item;
    EXPECT_EQ(declarations->AddNew(tlx::Variant::Missing(), item.Out()), S_OK);
    auto vat7 = item.As<IDeklaracja2>();
    vat7->put_TypDeklar(1);
    vat7->put_Wersja(17);
    vat7->put_Rok(2024);
    vat7->put_Miesiac(3);
    EXPECT_EQ(Put(vat7.Get(), u"P_1", tlx::Variant::FromString(u"526-025-02-74")), S_OK);
    EXPECT_EQ(Put(vat7.Get(), u"P_6", tlx::Variant::FromString(u"1471")), S_OK);
    EXPECT_EQ(Put(vat7.Get(), u"P_8", tlx::Variant::FromLong(1)), S_OK);
    EXPECT_EQ(Put(vat7.Get(), u"P_9", tlx::Variant::FromString(u"Przykładowa Spółka z o.o., 012345675")), S_OK);
    for (const auto& [name, value] : more) EXPECT_EQ(Put(vat7.Get(), name, value), S_OK) << tlx::Utf16ToUtf8(name);
    EXPECT_EQ(vat7->Policz(), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(tlx::test::SaveCollection(declarations), S_OK) << tlx::Utf16ToUtf8(LastError());
    return vat7;
}

inline constexpr DISPID kWillAction = 0xB0;
inline constexpr DISPID kActionCompleted = 0xB1;
inline constexpr DISPID kActionFailed = 0xB2;
inline constexpr DISPID kSendMessage = 0x47F;

// A schema repository whose every answer the test sets.
class CScriptedRepository final : public tlx::ComObject<CScriptedRepository, tlx::Dispatch<ISchemaRepository>> {
public:
    bool checked = true;
    std::u16string stylesheet;
    std::u16string namespaceUri;
    LONG status = 1;
    std::u16string error;
    bool takesAttachments = false;  // what AddAttachment answers
    std::vector<std::u16string>* calls = nullptr;  // the members called, in order

    HRESULT Reserved() override { return E_NOTIMPL; }
    HRESULT UpdateChecked(VARIANT_BOOL* value) override {
        Note(u"UpdateChecked");
        *value = checked ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    HRESULT GetTransform(BSTR name, BSTR* text) override {
        Note(u"GetTransform " + std::u16string(name ? name : u""));
        return Answer(stylesheet, text);
    }
    HRESULT GetNamespace(LONGLONG type, LONGLONG version, LONGLONG year, LONGLONG month, BSTR* text) override {
        Note(u"GetNamespace " + tlx::Utf8ToUtf16(std::to_string(type) + " " + std::to_string(version) + " " +
                                                 std::to_string(year) + " " + std::to_string(month)));
        return Answer(namespaceUri, text);
    }
    HRESULT UpdateStatus(LONG* value) override {
        Note(u"UpdateStatus");
        *value = status;
        return S_OK;
    }
    HRESULT UpdateError(BSTR* text) override {
        Note(u"UpdateError");
        return Answer(error, text);
    }
    HRESULT AddAttachment(IDispatch*, IDispatch*, LONG type, LONG number, VARIANT_BOOL* added) override {
        Note(u"AddAttachment " + tlx::Utf8ToUtf16(std::to_string(type) + " " + std::to_string(number)));
        *added = takesAttachments ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }

private:
    void Note(std::u16string call) {
        if (calls) calls->push_back(std::move(call));
    }
    static HRESULT Answer(const std::u16string& value, BSTR* text) {
        *text = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
        return S_OK;
    }
};

// A validator that answers the test's text, or fails with its code and description.
class CScriptedValidator final : public tlx::ComObject<CScriptedValidator, tlx::Dispatch<IEdeklaracjeValidator>> {
public:
    std::u16string answer;
    HRESULT failure = S_OK;
    std::u16string failureText;
    std::u16string received;    // the document text it was given
    bool gotObject = false;     // whether it was given the e-declaration object

    HRESULT Validate(BSTR xml, VARIANT edeklaracja, BSTR* errors) override {
        received = xml ? std::u16string(xml, SysStringLen(xml)) : u"";
        gotObject = edeklaracja.vt == VT_DISPATCH && edeklaracja.pdispVal;
        if (FAILED(failure)) return tlx::SetErrorText(failure, failureText);
        *errors = SysAllocStringLen(answer.data(), static_cast<UINT>(answer.size()));
        return S_OK;
    }
};

// The signing component on the user's machine as the test scripts it: records every command and
// answers what `reply` gives (by default "ok#"); a call can be made to fail instead.
class CScriptedChannel final : public tlx::ComObject<CScriptedChannel, tlx::Dispatch<IVirtualChannelClient>> {
public:
    std::vector<std::u16string> commands;
    std::vector<std::u16string> channels;  // the names Connect was given
    std::function<std::u16string(const std::u16string& command)> reply = [](const std::u16string&) {
        return std::u16string(u"ok#");
    };
    HRESULT failure = S_OK;       // what the next Execute answers instead of a reply
    std::u16string failureText;   // its error description; none when empty

    HRESULT Connect(BSTR name) override {
        channels.emplace_back(name, SysStringLen(name));
        return S_OK;
    }
    HRESULT Reserved8() override { return E_NOTIMPL; }
    HRESULT Execute(BSTR command, LONG, BSTR* out) override {
        commands.emplace_back(command, SysStringLen(command));
        if (failure != S_OK) {
            HRESULT answer = failure;
            failure = S_OK;
            if (failureText.empty()) return answer;
            return tlx::SetErrorText(answer, failureText);
        }
        const std::u16string text = reply(commands.back());
        *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return S_OK;
    }
};

// Lets the process's channel client go once the far end is gone: the next command fails and drops it.
inline void LetChannelClientGo() {
    try {
        VirtualChannelSigning::SendOverVirtualChannel(u"clear#");
    } catch (...) {
    }
}

// The replies of a component that signs every document as `result`: its length to "sign#", then pieces
// of at most `piece` units from the offset each "get#" asks for.
inline std::function<std::u16string(const std::u16string&)> SignsAs(std::u16string result, std::size_t piece = 1000) {
    return [result, piece](const std::u16string& command) -> std::u16string {
        if (command == u"sign#" || command == u"sign#s") return u"ok#" + tlx::Utf8ToUtf16(std::to_string(result.size()));
        if (command.starts_with(u"get#")) {
            const std::size_t at = std::stoul(tlx::Utf16ToUtf8(command.substr(4)));
            return u"ok#" + result.substr(std::min(at, result.size()), piece);
        }
        return u"ok#";
    };
}

}  // namespace edtest
