// The host validator's check of a finished document, reported line by line to the progress sink.
#include "hostapi/Configuration.h"
#include "hostapi/EDeclarations.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "mv_deklaracje/edeklaracje/MessageText.h"
#include "platform/com/ClassRegistry.h"

namespace {

constexpr std::u16string_view kValidation = u"Walidacja e-deklaracji";
constexpr std::u16string_view kNoValidator = u"Nie udało utworzyć się obiektu do walidacji deklaracji. ";
constexpr std::u16string_view kValidatorFailed = u"Nie udało się zwalidować e-deklaracji z powodu błędów. ";
constexpr std::u16string_view kCorrectAndRetry =
    u"Po uzupełnieniu i poprawieniu danych należy deklarację odblokować, przeliczyć i wyeksportować ponownie.";
constexpr LONG kOfficeOperator = 4;

tlx::ComPtr<IEdeklaracjeValidator> CreateValidator() {
    CLSID clsid{};
    tlx::ComPtr<IEdeklaracjeValidator> validator;
    if (FAILED(CLSIDFromProgID(kProgIdEdeklaracjeValidator, &clsid))) return nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IidOf<IEdeklaracjeValidator>(), validator.OutVoid())))
        return nullptr;
    return validator;
}

// The lines of the validator's answer: split at each CR LF only; no empty line after a final CR LF.
std::vector<std::u16string> SplitLines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (auto at = text.find(u"\r\n"); at != std::u16string_view::npos; at = text.find(u"\r\n", start)) {
        lines.emplace_back(text.substr(start, at - start));
        start = at + 2;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace

bool CEDeklaracja::ValidateDocument(IXMLDOMDocument2* document) {
    if (!document) RaiseHResult(E_POINTER);
    tlx::ComPtr<ILogin> login = RequireLogin();
    tlx::ComPtr<IDispatch> object;
    CheckHost(login->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Konfiguracja)).Get(), object.Out()));
    tlx::ComPtr<IKonfiguracja> configuration = object ? object.As<IKonfiguracja>() : nullptr;
    if (!configuration) RaiseHResult(E_POINTER);
    tlx::Bstr setting;
    CheckHost(configuration->GetValue(tlx::Bstr(u"WeryfikacjaEdeklaracji").Get(), setting.Out()));
    if (setting.View() == u"0") return true;

    WillAction(kValidation);
    if (tlx::ComPtr<IEdeklaracjeValidator> validator = CreateValidator()) {
        tlx::Bstr xml;
        CheckHost(document->get_xml(xml.Out()));
        tlx::ComPtr<IDispatch> self(static_cast<IEDeklaracja*>(this));
        tlx::Bstr errors;
        HRESULT hr = validator->Validate(xml.Get(), tlx::Variant::FromDispatch(self.Get()), errors.Out());
        if (FAILED(hr)) {
            tlx::ComPtr<IErrorInfo> info;
            GetErrorInfo(0, info.Out());
            tlx::Bstr description;
            if (info) info->GetDescription(description.Out());
            message_ = BlanksForLineBreaks(std::u16string(kValidatorFailed) + std::u16string(description.View()) +
                                           u" [" + FormatString(u"%ld", static_cast<long>(hr)) + u"]");
            SendMessage(message_, kStepFailure);
        } else if (!errors.View().empty()) {
            std::vector<std::u16string> lines = SplitLines(errors.View());
            for (const auto& line : lines) SendMessage(line, kDetail);
            SendMessage(kCorrectAndRetry, kStepFailure);
            // A caller without a sink learns the first finding and what to do.
            message_ = BlanksForLineBreaks((lines.empty() ? std::u16string() : lines.front() + u" ") +
                                           std::u16string(kCorrectAndRetry));
            ActionCompleted(kValidation);
            return false;
        }
    } else {
        SendMessage(kNoValidator, kStepFailure);
    }
    ActionCompleted(kValidation);
    tlx::ComPtr<IOperatorObject> op;
    CheckHost(login->GetOperatorObject(op.Out()));
    if (!op) RaiseHResult(E_POINTER);
    LONG type = 0;
    CheckHost(op->OperatorType(&type));
    if (type == kOfficeOperator) message_.clear();
    return true;
}
