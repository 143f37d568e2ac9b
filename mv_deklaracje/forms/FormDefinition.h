// The definition of one form type and version as read from its resources: the form's parameters and
// named expressions, its fields in definition order with their indexes by number and by name, and the
// assembled text of its scripts. Read once per process (FormDefinitionCache) and then only read, by any
// number of declarations on any thread: nothing in it changes after Read, and it holds no DOM and no
// script engine. What is a declaration's own (its field bookmarks, its script engine and the script
// state in it) is kept by the declaration's CDefinicjaDeklaracji.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mv_deklaracje/forms/EmptyScriptCalls.h"
#include "mv_deklaracje/forms/FormField.h"
#include "mv_deklaracje/forms/ResourceSnapshot.h"

class CFormDefinition : public std::enable_shared_from_this<CFormDefinition> {
public:
    // Field n of the definition (from 0) is the declaration's dispatch property kFirstFieldDispId + n.
    static constexpr LONG kFirstFieldDispId = 100000;

    // Reads the definition of form `typDeklar`, version `wersja` (below 1 counting as 1) from `resources`.
    // A missing or malformed resource, a type or version that differs, a bad field: raises.
    static std::shared_ptr<const CFormDefinition> Read(HMODULE resources, LONG typDeklar, LONG wersja);

    // The resources it was read from still hold what it was read from.
    bool StillCurrent() const { return resources_.Unchanged(); }

    const CBstr& Symbol() const { return symbol_; }
    // The texts of the form's "typ" and "wersja" as written (their leading numbers are the type and version).
    const CBstr& TypText() const { return typText_; }
    const CBstr& WersjaText() const { return wersjaText_; }
    bool Autonumeracja() const { return autonumeracja_; }
    LONG DataObowiazywaniaOd() const { return dataObowiazywaniaOd_; }
    LONG DataObowiazywaniaDo() const { return dataObowiazywaniaDo_; }
    // The named expression `name` (an attribute of the form's "parametry", exact name); empty when none.
    CBstr EventExpression(std::u16string_view name) const;
    // The form's scripts joined as the engine receives them (CFormScripts::AssembleScriptText).
    const CBstr& ScriptText() const { return scriptText_; }
    // The scripts name the host's "Session" or "Konfig" (CFormScripts::NamesHostObjects).
    bool ScriptsNameHostObjects() const { return scriptsNameHost_; }
    // What `expression` would do if evaluated, when that is nothing but tracing fixed texts (none for a
    // call that does nothing at all): it needs no script engine (EmptyScriptCalls). Null otherwise.
    const std::vector<std::u16string>* QuietTraces(std::u16string_view expression) const {
        return emptyCalls_.Traces(expression);
    }

    std::size_t FieldCount() const { return fields_.size(); }
    // The field at `index` (< FieldCount()), keeping this definition alive as long as it is held.
    std::shared_ptr<const FormField> Field(std::size_t index) const;
    // The position of the field numbered `number` (the last one of that number).
    std::optional<std::size_t> IndexOfNumber(LONG number) const;
    // The position of the field of a name, whatever the case of its letters A-Z (the last one of that name).
    std::optional<std::size_t> IndexOfName(std::u16string_view name) const;

    explicit CFormDefinition(HMODULE resources) : resources_(resources) {}

private:
    void ReadParameters(IXMLDOMNode* document, LONG typDeklar, LONG wersja);
    void ReadFields(IXMLDOMNode* document);
    void AddField(IXMLDOMNode* element);
    void FindEmptyCalls();

    ResourceSnapshot resources_;
    CBstr symbol_;
    CBstr typText_;
    CBstr wersjaText_;
    bool autonumeracja_ = false;
    LONG dataObowiazywaniaOd_ = 0;
    LONG dataObowiazywaniaDo_ = 0;
    std::map<std::u16string, CBstr, std::less<>> events_;  // the attributes of "parametry", by exact name
    CBstr scriptText_;
    bool scriptsNameHost_ = false;
    EmptyScriptCalls emptyCalls_;
    std::vector<FormField> fields_;
    std::map<LONG, std::size_t> fieldsByNumber_;
    std::map<std::u16string, std::size_t, std::less<>> fieldsByName_;  // names with A-Z lowered
};
