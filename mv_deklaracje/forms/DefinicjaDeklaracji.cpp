#include "mv_deklaracje/forms/DefinicjaDeklaracji.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/forms/FormDefinitionCache.h"

std::u16string CDefinicjaDeklaracji::FormResourceName(LONG typDeklar, LONG wersja) {
    return FormatString(u"%d/%d", static_cast<int>(typDeklar), static_cast<int>(wersja < 1 ? 1 : wersja));
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
        std::shared_ptr<const CFormDefinition> shared = FormDefinitionCache::Get(resources_, typDeklar, wersja);
        scripts_.Prepare(shared->ScriptText(), shared->ScriptsNameHostObjects(), declaration, session);
        fields_.reserve(shared->FieldCount());
        for (std::size_t i = 0; i < shared->FieldCount(); ++i) {
            tlx::ComPtr<CDekElementInfo> field = CDekElementInfo::Make(shared->Field(i));
            if (!field) RaiseHResult(E_OUTOFMEMORY);
            fields_.push_back(field);
        }
        shared_ = shared;
    } catch (...) {
        Clear();  // nothing of a failed load is used; the next access starts again
        throw;
    }
}

void CDefinicjaDeklaracji::Clear() {
    scripts_ = CFormScripts();
    shared_.reset();
    fields_.clear();
}

tlx::ComPtr<CDekElementInfo> CDefinicjaDeklaracji::GetFieldByNumber(LONG number) const {
    auto found = shared_ ? shared_->IndexOfNumber(number) : std::nullopt;
    if (!found)
        RaiseComErrorFormat(DISP_E_MEMBERNOTFOUND, u"Brak definicji pola o numerze '%d'", static_cast<int>(number));
    return fields_[*found];
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
    auto found = shared_ ? shared_->IndexOfName(name) : std::nullopt;
    return found ? fields_[*found] : nullptr;
}

CBstr CDefinicjaDeklaracji::GetEventExpression(std::u16string_view name) const {
    if (!shared_) RaiseHResult(E_POINTER);
    return shared_->EventExpression(name);
}

const CBstr& CDefinicjaDeklaracji::Symbol() const {
    static const CBstr kNone;
    return shared_ ? shared_->Symbol() : kNone;
}
