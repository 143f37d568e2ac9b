// The form's stylesheet, from the host's schema repository when it holds a newer one or from the module's
// resources, applied to the module's document; and the namespace of a form's schema.
#include "hostapi/EDeclarations.h"
#include "mv_deklaracje/forms/FormXml.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "platform/com/ClassRegistry.h"
#include "platform/text/CodePage.h"

namespace {

constexpr UINT kMsgNoStylesheet = 515;
constexpr std::u16string_view kUpdateCheck = u"Sprawdzanie aktualizacji e-Deklaracji na serwerze Velmora";
constexpr std::u16string_view kUpdateFailed = u"Nieudane sprawdzenie aktualizacji na serwerze Velmora: [";
constexpr std::u16string_view kRepositoryMissing =
    u"Nieudane sprawdzenie aktualizacji na serwerze Velmora: [błąd tworzenia obiektu repozytorium].";
// The host of the tax authority's register of form schemas.
constexpr std::u16string_view kSchemaRegister = u"http://crd.gov.pl";

}  // namespace

tlx::ComPtr<ISchemaRepository> CreateSchemaRepository() {
    CLSID clsid{};
    tlx::ComPtr<ISchemaRepository> repository;
    if (FAILED(CLSIDFromProgID(kProgIdSchemaRepository, &clsid))) return nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IidOf<ISchemaRepository>(), repository.OutVoid())))
        return nullptr;
    return repository;
}

namespace {

// A document whose text did not parse fails with the parser's reason and position.
[[noreturn]] void RaiseNotLoaded(IXMLDOMDocument2* document, std::u16string_view what) {
    tlx::ComPtr<IXMLDOMParseError> error;
    tlx::Bstr reason;
    LONG line = 0;
    if (SUCCEEDED(document->get_parseError(error.Out())) && error) {
        error->get_reason(reason.Out());
        error->get_line(&line);
    }
    RaiseComError(E_FAIL, FormatString(u"%s nie jest poprawnym dokumentem XML (wiersz %ld): %s", std::u16string(what).c_str(),
                               static_cast<long>(line), std::u16string(reason.View()).c_str()));
}

// A text that does not parse fails with the parser's reason and position.
void LoadChecked(IXMLDOMDocument2* document, std::u16string_view text, std::u16string_view what) {
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CheckHost(document->loadXML(tlx::Bstr(text).Get(), &loaded));
    if (loaded != VARIANT_TRUE) RaiseNotLoaded(document, what);
}

bool AfterJune2011(LONG year, LONG month) { return year > 2011 || (year == 2011 && month >= 7); }

}  // namespace

std::u16string GetVatUeNamespace(LONG formType, LONG version, LONG year, LONG month) {
    if (!AfterJune2011(year, month)) return {};
    std::u16string_view path;
    if (formType == dekVATUE && (version == 1 || version == 2)) path = u"/wzor/2011/10/25/690/";
    if (formType == dekVATUE && version == 3) path = u"/wzor/2013/06/18/1215/";
    if (formType == dekVATUEK && (version == 1 || version == 2)) path = u"/wzor/2011/10/19/687/";
    if (formType == dekVATUEK && version == 3) path = u"/wzor/2013/06/18/1214/";
    return path.empty() ? std::u16string() : std::u16string(kSchemaRegister) + std::u16string(path);
}

std::u16string GetVat27Namespace(LONG version, LONG kind) {
    if (version != 1 || (kind != 1 && kind != 2)) return {};
    return std::u16string(kSchemaRegister) + (kind == 1 ? u"/wzor/2015/09/04/2565/" : u"/wzor/2015/09/04/2566/");
}

tlx::ComPtr<IXMLDOMDocument2> CEDeklaracja::TransformDocument(IXMLDOMDocument2* document,
                                                              std::u16string_view transformName) {
    if (!document) RaiseHResult(E_POINTER);
    std::u16string stylesheet;
    if (tlx::ComPtr<ISchemaRepository> repository = CreateSchemaRepository()) {
        VARIANT_BOOL checked = VARIANT_FALSE;
        CheckHost(repository->UpdateChecked(&checked));
        if (!checked) WillAction(kUpdateCheck);
        tlx::Bstr text;
        CheckHost(repository->GetTransform(tlx::Bstr(transformName).Get(), text.Out()));
        stylesheet = std::u16string(text.View());
        if (!checked) {
            LONG status = 0;
            CheckHost(repository->UpdateStatus(&status));
            if (status == 1) {
                ActionCompleted(kUpdateCheck);
            } else {
                tlx::Bstr error;
                CheckHost(repository->UpdateError(error.Out()));
                ActionFailed(std::u16string(kUpdateFailed) + std::u16string(error.View()) + u"].");
            }
        }
    } else {
        SendMessage(kRepositoryMissing, kDetail);
    }
    std::u16string_view text = stylesheet;
    if (text.empty()) text = sheets_.ResourceText(resources_, transformName);
    if (text.empty()) RaiseResourceError(kMsgNoStylesheet, CLSID_EDeklaracja, ModuleResources());

    tlx::ComPtr<IXMLDOMDocument2> sheet = sheets_.Sheet(transformName, text, [&](std::u16string_view parsed) {
        tlx::ComPtr<IXMLDOMDocument2> fresh = LoadFormDocument(CBstr(u""), transformName);
        LoadChecked(fresh.Get(), parsed, u"Arkusz przekształcenia " + std::u16string(transformName));
        return fresh;
    });
    // The output becomes the document's content as a tree, its declaration naming UTF-8, the encoding
    // the document is saved in.
    HRESULT transformed = CheckHost(document->transformNodeToObject(sheet.Get(), tlx::Variant::FromDispatch(document)));
    if (transformed == S_FALSE) RaiseNotLoaded(document, u"Wynik przekształcenia " + std::u16string(transformName));
    return tlx::ComPtr<IXMLDOMDocument2>(document);
}

std::u16string CEDeklaracja::GetFormNamespace(LONG formType, LONG version, LONG year, LONG month) {
    std::u16string result;
    if (tlx::ComPtr<ISchemaRepository> repository = CreateSchemaRepository()) {
        tlx::Bstr answer;
        CheckHost(repository->GetNamespace(formType, version, year, month, answer.Out()));
        result = std::u16string(answer.View());
    }
    if (!result.empty()) return result;
    if (formType == dekVATUE || formType == dekVATUEK) return GetVatUeNamespace(formType, version, year, month);
    if (formType == dekVAT27) return GetVat27Namespace(version, 1);
    if (formType == dekVAT27K) return GetVat27Namespace(version, 2);
    return result;
}
