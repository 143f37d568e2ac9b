// A declaration's form definition, loaded from the XML resource of its form type and version: the
// form's parameters and named expressions, its scripts and their engine, and its fields indexed by
// number, by name and by position (the position gives each field its dispatch identifier).
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "mv_deklaracje/forms/DekElementInfo.h"
#include "mv_deklaracje/forms/FormScripts.h"
#include "mv_deklaracje/core/ModuleResources.h"

class CDefinicjaDeklaracji {
public:
    // Field n of the definition (from 0) is the declaration's dispatch property kFirstFieldDispId + n.
    static constexpr LONG kFirstFieldDispId = 100000;

    explicit CDefinicjaDeklaracji(HMODULE resources = ModuleResources()) : resources_(resources) {}
    CDefinicjaDeklaracji(const CDefinicjaDeklaracji&) = delete;
    CDefinicjaDeklaracji& operator=(const CDefinicjaDeklaracji&) = delete;

    // The name of a form's definition resource: "<type>/<version>", a version below 1 counting as 1.
    static std::u16string FormResourceName(LONG typDeklar, LONG wersja);

    // Loads the definition of `declaration` (its form type, version and session) from the start. Any
    // failure raises and leaves the definition empty and not loaded, so the next call loads anew.
    void LoadFormDefinition(IDeklaracja2* declaration);
    // The same from the parts the loader uses; `declaration` is what the scripts see as "dokument".
    void LoadFormDefinition(IDispatch* declaration, LONG typDeklar, LONG wersja, ISession* session);
    bool IsLoaded() const { return declaration_ != nullptr; }

    // The field numbered `number` (the last one of that number); DISP_E_MEMBERNOTFOUND
    // "Brak definicji pola o numerze '%d'" when none.
    tlx::ComPtr<CDekElementInfo> GetFieldByNumber(LONG number) const;
    // The field of a dispatch identifier; null past the last field; an identifier below the first field's
    // raises DISP_E_MEMBERNOTFOUND "Brak definicji pola o dispid '%d'".
    tlx::ComPtr<CDekElementInfo> GetFieldByDispId(LONG dispId) const;
    // The field at a position the caller keeps within FieldCount().
    tlx::ComPtr<CDekElementInfo> GetFieldByIndex(std::size_t index) const { return fields_.at(index); }
    std::size_t FieldCount() const { return fields_.size(); }
    // The first field in definition order whose lpw is `lpw`; null when none.
    tlx::ComPtr<CDekElementInfo> FindFieldByLpw(LONG lpw) const;
    // The field of a name, whatever the case of its letters A-Z (the last one of that name); null when none.
    tlx::ComPtr<CDekElementInfo> FindFieldByName(std::u16string_view name) const;

    // The named expression `name` (an attribute of the form's "parametry", exact name); empty when the
    // form has none. E_POINTER when no definition was loaded.
    CBstr GetEventExpression(std::u16string_view name) const;

    // The form's scripts (see CFormScripts).
    tlx::Variant EvaluateFormScript(const CBstr& expression, IDispatch* field) {
        return scripts_.EvaluateFormScript(expression, field);
    }
    tlx::ComPtr<IScriptEngine> GetScriptEngine() const { return scripts_.GetScriptEngine(); }
    void ResetScriptEngine() { scripts_.ResetScriptEngine(); }

    const CBstr& Symbol() const { return symbol_; }
    bool Autonumeracja() const { return autonumeracja_; }
    LONG DataObowiazywaniaOd() const { return dataObowiazywaniaOd_; }
    LONG DataObowiazywaniaDo() const { return dataObowiazywaniaDo_; }

private:
    void Clear();
    tlx::ComPtr<IXMLDOMDocument2> LoadParameters(LONG typDeklar, LONG wersja);
    void KeepParameters(IXMLDOMNode* document);
    void LoadFields(IXMLDOMNode* document);
    void AddField(IXMLDOMNode* element);

    HMODULE resources_;
    CFormScripts scripts_;
    IDispatch* declaration_ = nullptr;  // not counted: the declaration owns this definition
    CBstr symbol_;
    bool autonumeracja_ = false;
    LONG dataObowiazywaniaOd_ = 0;
    LONG dataObowiazywaniaDo_ = 0;
    tlx::ComPtr<IXMLDOMNode> parametry_;
    std::map<LONG, tlx::ComPtr<CDekElementInfo>> fieldsByNumber_;
    std::map<std::u16string, tlx::ComPtr<CDekElementInfo>> fieldsByName_;  // names with A-Z lowered
    std::vector<tlx::ComPtr<CDekElementInfo>> fields_;
};
