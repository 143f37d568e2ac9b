#include "mv_deklaracje/kedu/KeduDeclaration.h"

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/kedu/KeduQuery.h"
#include "platform/com/Bstr.h"
#include "platform/com/ClassRegistry.h"
#include "tlb/Classes.h"

namespace {

template <class T>
T* Present(const tlx::ComPtr<T>& object) {
    if (!object) RaiseHResult(E_POINTER);
    return object.Get();
}

}  // namespace

KeduDeclaration::KeduDeclaration(ISession* session, long id) : id_(id) {
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> created;
    CheckHost(session->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Deklaracje)).Get(), tlx::Variant::Missing(),
                                    created.Out()));
    tlx::ComPtr<ICollection> collection = Present(created) ? created.As<ICollection>() : nullptr;
    tlx::ComPtr<IDispatch> item;
    CheckHost(Present(collection)->Item(tlx::Variant::FromString(LongToString(id).View()), item.Out()));
    declaration_ = Present(item) ? item.As<IDeklaracja2>() : nullptr;
    Present(declaration_);
}

long KeduDeclaration::TypDeklar() const {
    LONG value = 0;
    CheckHost(declaration_->get_TypDeklar(&value));
    return value;
}

long KeduDeclaration::Wersja() const {
    LONG value = 0;
    CheckHost(declaration_->get_Wersja(&value));
    return value;
}

long KeduDeclaration::Rok() const {
    LONG value = 0;
    CheckHost(declaration_->get_Rok(&value));
    return value;
}

long KeduDeclaration::Miesiac() const {
    LONG value = 0;
    CheckHost(declaration_->get_Miesiac(&value));
    return value;
}

std::u16string KeduDeclaration::ReadPageText() const { return KeduQuery().PageText(id_); }
