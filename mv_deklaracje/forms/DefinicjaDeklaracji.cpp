#include "mv_deklaracje/forms/DefinicjaDeklaracji.h"
#include "platform/text/AsciiCase.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/forms/FormXml.h"
#include "mv_deklaracje/core/TextResources.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "platform/text/CodePage.h"

namespace {

constexpr UINT kMsgWrongFormType = 515;
constexpr UINT kMsgWrongVersion = 516;

// Field names match whatever the case of their ASCII letters.
std::u16string NameKey(std::u16string_view name) { return tlx::AsciiLowerCopy(name); }

LONG EffectiveVersion(LONG wersja) { return wersja < 1 ? 1 : wersja; }

}  // namespace

std::u16string CDefinicjaDeklaracji::FormResourceName(LONG typDeklar, LONG wersja) {
    return FormatString(u"%d/%d", static_cast<int>(typDeklar), static_cast<int>(EffectiveVersion(wersja)));
}

void CDefinicjaDeklaracji::LoadFormDefinition(IDeklaracja2* declaration) {
    if (!declaration) RaiseHResult(E_POINTER);
    LONG typDeklar = 0, wersja = 0;
    CheckHost(declaration->get_TypDeklar(&typDeklar));
    CheckHost(declaration->get_Wersja(&wersja));
    tlx::ComPtr<IDispatch> sessionObject;
    CheckHost(declaration->get_Session(sessionObject.Out()));
    auto session = sessionObject.As<ISession>();
    if (!session) RaiseHResult(E_POINTER);
    LoadFormDefinition(declaration, typDeklar, wersja, session.Get());
}

void CDefinicjaDeklaracji::LoadFormDefinition(IDispatch* declaration, LONG typDeklar, LONG wersja,
                                              ISession* session) {
    Clear();
    try {
        tlx::ComPtr<IXMLDOMDocument2> document = LoadParameters(typDeklar, wersja);
        scripts_.LoadFormScripts(document.Get(), declaration, session, resources_);
        KeepParameters(document.Get());
        LoadFields(document.Get());
    } catch (...) {
        Clear();  // nothing of a failed load is used; the next access starts again
        throw;
    }
    declaration_ = declaration;
}

void CDefinicjaDeklaracji::Clear() {
    scripts_ = CFormScripts();
    declaration_ = nullptr;
    symbol_ = CBstr();
    autonumeracja_ = false;
    dataObowiazywaniaOd_ = 0;
    dataObowiazywaniaDo_ = 0;
    parametry_.Reset();
    fieldsByNumber_.clear();
    fieldsByName_.clear();
    fields_.clear();
}

tlx::ComPtr<IXMLDOMDocument2> CDefinicjaDeklaracji::LoadParameters(LONG typDeklar, LONG wersja) {
    std::u16string name = FormResourceName(typDeklar, wersja);
    CBstr text = LoadTextResource(tlx::Utf16ToUtf8(name).c_str(), "XML", resources_);
    tlx::ComPtr<IXMLDOMDocument2> document = LoadFormDocument(text, name);
    tlx::ComPtr<IXMLDOMNode> parametry = SelectRequiredNode(document.Get(), u"/deklaracja/parametry");
    if (LeadingInteger(NodeText(SelectRequiredNode(parametry.Get(), u"typ").Get()).View()) != typDeklar)
        RaiseResourceError(kMsgWrongFormType, CLSID_Deklaracja, ModuleResources());
    if (LeadingInteger(NodeText(SelectRequiredNode(parametry.Get(), u"wersja").Get()).View()) !=
        EffectiveVersion(wersja))
        RaiseResourceError(kMsgWrongVersion, CLSID_Deklaracja, ModuleResources());
    if (auto symbol = SelectOptionalNode(parametry.Get(), u"symbol")) symbol_ = NodeText(symbol.Get());
    if (auto od = SelectOptionalNode(parametry.Get(), u"DataObowiazywaniaOd"))
        dataObowiazywaniaOd_ = LeadingInteger(NodeText(od.Get()).View());
    if (auto doKiedy = SelectOptionalNode(parametry.Get(), u"DataObowiazywaniaDo"))
        dataObowiazywaniaDo_ = LeadingInteger(NodeText(doKiedy.Get()).View());
    return document;
}

void CDefinicjaDeklaracji::KeepParameters(IXMLDOMNode* document) {
    parametry_ = SelectRequiredNode(document, u"/deklaracja/parametry");
    if (auto flag = ReadAttribute(parametry_.Get(), u"autonumeracja"))
        autonumeracja_ = ConvertVariant(tlx::Variant::FromString(flag->View()), VT_BOOL).boolVal != VARIANT_FALSE;
}

void CDefinicjaDeklaracji::LoadFields(IXMLDOMNode* document) {
    for (const tlx::ComPtr<IXMLDOMNode>& block : SelectNodeList(document, u"/deklaracja/pola")) {
        auto src = ReadAttribute(block.Get(), u"src");
        if (!src) {
            for (const tlx::ComPtr<IXMLDOMNode>& element : SelectNodeList(block.Get(), u"*")) AddField(element.Get());
            continue;
        }
        // An included field set stands in place of the block; a missing one contributes nothing.
        CBstr text = LoadTextResource(tlx::Utf16ToUtf8(src->View()).c_str(), "XML", resources_);
        if (text.IsEmpty()) continue;
        tlx::ComPtr<IXMLDOMDocument2> fieldSet = LoadFormDocument(text, src->View());
        for (const tlx::ComPtr<IXMLDOMNode>& element : SelectNodeList(fieldSet.Get(), u"/pola/*"))
            AddField(element.Get());
    }
}

void CDefinicjaDeklaracji::AddField(IXMLDOMNode* element) {
    tlx::ComPtr<CDekElementInfo> field = CDekElementInfo::Make();
    if (!field) RaiseHResult(E_OUTOFMEMORY);
    field->LoadFromNode(element, kFirstFieldDispId + static_cast<LONG>(fields_.size()));
    // A stored value is found by its field's number: two fields of one number would share it.
    if (field->Lp() != 0)
        if (auto same = fieldsByNumber_.find(field->Lp()); same != fieldsByNumber_.end())
            RaiseComErrorFormat(E_FAIL, u"Pole(\"%s\")/Loader: numer %d ma już pole \"%s\".",
                                std::u16string(field->Nazwa().View()).c_str(), static_cast<int>(field->Lp()),
                                std::u16string(same->second->Nazwa().View()).c_str());
    fieldsByName_[NameKey(field->Nazwa().View())] = field;
    fieldsByNumber_[field->Lp()] = field;
    fields_.push_back(field);
}

tlx::ComPtr<CDekElementInfo> CDefinicjaDeklaracji::GetFieldByNumber(LONG number) const {
    auto found = fieldsByNumber_.find(number);
    if (found == fieldsByNumber_.end())
        RaiseComErrorFormat(DISP_E_MEMBERNOTFOUND, u"Brak definicji pola o numerze '%d'", static_cast<int>(number));
    return found->second;
}

tlx::ComPtr<CDekElementInfo> CDefinicjaDeklaracji::GetFieldByDispId(LONG dispId) const {
    long long index = static_cast<long long>(dispId) - kFirstFieldDispId;
    if (index < 0)
        RaiseComErrorFormat(DISP_E_MEMBERNOTFOUND, u"Brak definicji pola o dispid '%d'", static_cast<int>(dispId));
    if (static_cast<unsigned long long>(index) >= fields_.size()) return nullptr;
    return fields_[static_cast<std::size_t>(index)];
}

tlx::ComPtr<CDekElementInfo> CDefinicjaDeklaracji::FindFieldByLpw(LONG lpw) const {
    for (const tlx::ComPtr<CDekElementInfo>& field : fields_)
        if (field->Lpw() == lpw) return field;
    return nullptr;
}

tlx::ComPtr<CDekElementInfo> CDefinicjaDeklaracji::FindFieldByName(std::u16string_view name) const {
    auto found = fieldsByName_.find(NameKey(name));
    return found == fieldsByName_.end() ? nullptr : found->second;
}

CBstr CDefinicjaDeklaracji::GetEventExpression(std::u16string_view name) const {
    if (!parametry_) RaiseHResult(E_POINTER);
    auto expression = ReadAttribute(parametry_.Get(), name);
    return expression ? *expression : CBstr(u"");
}
