#include "mv_deklaracje/forms/FormDefinition.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/forms/DefinicjaDeklaracji.h"
#include "mv_deklaracje/forms/FormScripts.h"
#include "mv_deklaracje/forms/FormXml.h"
#include "platform/text/AsciiCase.h"
#include "platform/text/CodePage.h"

namespace {

constexpr UINT kMsgWrongFormType = 515;
constexpr UINT kMsgWrongVersion = 516;

// Field names match whatever the case of their ASCII letters.
std::u16string NameKey(std::u16string_view name) { return tlx::AsciiLowerCopy(name); }

LONG EffectiveVersion(LONG wersja) { return wersja < 1 ? 1 : wersja; }

}  // namespace

std::shared_ptr<const CFormDefinition> CFormDefinition::Read(HMODULE resources, LONG typDeklar, LONG wersja) {
    auto definition = std::make_shared<CFormDefinition>(resources);
    std::u16string name = CDefinicjaDeklaracji::FormResourceName(typDeklar, wersja);
    tlx::ComPtr<IXMLDOMDocument2> document =
        LoadFormDocument(definition->resources_.Read(tlx::Utf16ToUtf8(name), "XML"), name);
    definition->ReadParameters(document.Get(), typDeklar, wersja);
    definition->scriptText_ = CFormScripts::AssembleScriptText(document.Get(), definition->resources_);
    definition->scriptsNameHost_ = CFormScripts::NamesHostObjects(definition->scriptText_.View());
    definition->ReadFields(document.Get());
    definition->FindEmptyCalls();
    return definition;
}

void CFormDefinition::ReadParameters(IXMLDOMNode* document, LONG typDeklar, LONG wersja) {
    tlx::ComPtr<IXMLDOMNode> parametry = SelectRequiredNode(document, u"/deklaracja/parametry");
    typText_ = NodeText(SelectRequiredNode(parametry.Get(), u"typ").Get());
    if (LeadingInteger(typText_.View()) != typDeklar)
        RaiseResourceError(kMsgWrongFormType, CLSID_Deklaracja, ModuleResources());
    wersjaText_ = NodeText(SelectRequiredNode(parametry.Get(), u"wersja").Get());
    if (LeadingInteger(wersjaText_.View()) != EffectiveVersion(wersja))
        RaiseResourceError(kMsgWrongVersion, CLSID_Deklaracja, ModuleResources());
    if (auto symbol = SelectOptionalNode(parametry.Get(), u"symbol")) symbol_ = NodeText(symbol.Get());
    if (auto od = SelectOptionalNode(parametry.Get(), u"DataObowiazywaniaOd"))
        dataObowiazywaniaOd_ = LeadingInteger(NodeText(od.Get()).View());
    if (auto doKiedy = SelectOptionalNode(parametry.Get(), u"DataObowiazywaniaDo"))
        dataObowiazywaniaDo_ = LeadingInteger(NodeText(doKiedy.Get()).View());
    // Every attribute is kept: any name may be asked for later (form actions run by name).
    for (const tlx::ComPtr<IXMLDOMNode>& attribute : SelectNodeList(parametry.Get(), u"@*"))
        events_.insert_or_assign(NodeName(attribute.Get()).Str(), NodeText(attribute.Get()));
    if (auto flag = events_.find(u"autonumeracja"); flag != events_.end())
        autonumeracja_ =
            ConvertVariant(tlx::Variant::FromString(flag->second.View()), VT_BOOL).boolVal != VARIANT_FALSE;
}

void CFormDefinition::ReadFields(IXMLDOMNode* document) {
    for (const tlx::ComPtr<IXMLDOMNode>& block : SelectNodeList(document, u"/deklaracja/pola")) {
        auto src = ReadAttribute(block.Get(), u"src");
        if (!src) {
            for (const tlx::ComPtr<IXMLDOMNode>& element : SelectNodeList(block.Get(), u"*")) AddField(element.Get());
            continue;
        }
        // An included field set stands in place of the block; a missing one contributes nothing.
        CBstr text = resources_.Read(tlx::Utf16ToUtf8(src->View()), "XML");
        if (text.IsEmpty()) continue;
        tlx::ComPtr<IXMLDOMDocument2> fieldSet = LoadFormDocument(text, src->View());
        for (const tlx::ComPtr<IXMLDOMNode>& element : SelectNodeList(fieldSet.Get(), u"/pola/*"))
            AddField(element.Get());
    }
}

void CFormDefinition::AddField(IXMLDOMNode* element) {
    FormField field = FormField::Read(element, kFirstFieldDispId + static_cast<LONG>(fields_.size()));
    // A stored value is found by its field's number: two fields of one number would share it.
    if (field.lp != 0)
        if (auto same = fieldsByNumber_.find(field.lp); same != fieldsByNumber_.end())
            RaiseComErrorFormat(E_FAIL, u"Pole(\"%s\")/Loader: numer %d ma już pole \"%s\".", field.nazwa.c_str(),
                                static_cast<int>(field.lp), fields_[same->second].nazwa.c_str());
    fieldsByName_[NameKey(field.nazwa.View())] = fields_.size();
    fieldsByNumber_[field.lp] = fields_.size();
    fields_.push_back(std::move(field));
}

void CFormDefinition::FindEmptyCalls() {
    std::vector<std::u16string_view> expressions;
    for (const auto& [name, expression] : events_) expressions.push_back(expression.View());
    for (const FormField& field : fields_)
        for (const CBstr* expression : {&field.onUpdate, &field.defaultValue, &field.onGet, &field.onPut})
            expressions.push_back(expression->View());
    emptyCalls_ = EmptyScriptCalls(scriptText_.View(), expressions);
}

CBstr CFormDefinition::EventExpression(std::u16string_view name) const {
    auto found = events_.find(name);
    return found == events_.end() ? CBstr(u"") : found->second;
}

std::shared_ptr<const FormField> CFormDefinition::Field(std::size_t index) const {
    return std::shared_ptr<const FormField>(shared_from_this(), &fields_.at(index));
}

std::optional<std::size_t> CFormDefinition::IndexOfNumber(LONG number) const {
    auto found = fieldsByNumber_.find(number);
    if (found == fieldsByNumber_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::size_t> CFormDefinition::IndexOfName(std::u16string_view name) const {
    auto found = fieldsByName_.find(NameKey(name));
    if (found == fieldsByName_.end()) return std::nullopt;
    return found->second;
}
