// A declaration's form definition: the shared definition of its form type and version (CFormDefinition,
// read once per process), and what the declaration keeps of it for itself: its fields as objects of
// its own, each with the bookmark of the declaration's stored value, and its scripts with their engine
// (CFormScripts, which says how the script state of each declaration is kept apart). Fields are indexed
// by number, by name and by position (the position gives each field its dispatch identifier).
//
// States: not loaded (after construction or a failed load; nothing of a definition held) and loaded
// (after LoadFormDefinition succeeded; the shared definition, one field object per field and the
// prepared scripts are held until the declaration goes or loads again).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/forms/DekElementInfo.h"
#include "mv_deklaracje/forms/FormDefinition.h"
#include "mv_deklaracje/forms/FormScripts.h"

class CDefinicjaDeklaracji {
public:
    // Field n of the definition (from 0) is the declaration's dispatch property kFirstFieldDispId + n.
    static constexpr LONG kFirstFieldDispId = CFormDefinition::kFirstFieldDispId;

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
    bool IsLoaded() const { return shared_ != nullptr; }

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

    // The form's scripts (see CFormScripts). While the declaration has no engine, an expression that
    // would do nothing but trace fixed texts (CFormDefinition::QuietTraces) writes those traces itself
    // and answers empty without creating one.
    tlx::Variant EvaluateFormScript(const CBstr& expression, IDispatch* field) {
        if (shared_ && !scripts_.HasEngine())
            if (const std::vector<std::u16string>* traces = shared_->QuietTraces(expression.View())) {
                for (const std::u16string& text : *traces) scripts_.TraceWithoutEngine(text);
                return tlx::Variant();
            }
        return scripts_.EvaluateFormScript(expression, field);
    }
    tlx::ComPtr<IScriptEngine> GetScriptEngine() const { return scripts_.GetScriptEngine(); }
    void ResetScriptEngine() { scripts_.ResetScriptEngine(); }

    const CBstr& Symbol() const;
    bool Autonumeracja() const { return shared_ && shared_->Autonumeracja(); }
    LONG DataObowiazywaniaOd() const { return shared_ ? shared_->DataObowiazywaniaOd() : 0; }
    LONG DataObowiazywaniaDo() const { return shared_ ? shared_->DataObowiazywaniaDo() : 0; }

private:
    void Clear();

    HMODULE resources_;
    std::shared_ptr<const CFormDefinition> shared_;  // null while not loaded
    std::vector<tlx::ComPtr<CDekElementInfo>> fields_;
    CFormScripts scripts_;
};
