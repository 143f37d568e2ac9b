// What the four PFRON calculators (INF-D, the two WN-D generations, WN-U) share: the framework root over
// their dual interface, and DeklId, which binds the calculator to the declaration it works on.
//
// States: unbound after creation; bound by put DeklId (a second put rebinds) to the declaration of that
// identifier its caller holds in the object's session (the form's own, which then hears the progress
// events), or to one loaded when nobody holds it; the binding lasts until the object is released.
#pragma once

#include "TlxBus.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ProvideClassInfo.h"
#include "tlb/DispatchTables.h"

template <class Derived, class Interface>
using PfronCalculatorRoot =
    IInitializeSessionImpl<Derived, TlxObjectRoot<Derived, tlx::Dispatch<Interface>, tlx::ProvideClassInfo2<>>, 2>;

template <class Derived, class Interface>
class PfronCalculator : public PfronCalculatorRoot<Derived, Interface> {
public:
    // The bound declaration's identifier; 0 when unbound.
    HRESULT get_DeklId(LONG* pVal) override {
        return ComBoundaryIn(Derived::kSourceUnit, [&] {
            LONG id = 0;
            if (tlx::ComPtr<IDeklaracja2> declaration = GetDeklaracja()) CheckHost(declaration->get_ID(&id));
            *RequireOut(pVal) = id;
        });
    }

    HRESULT put_DeklId(LONG value) override {
        return ComBoundaryIn(Derived::kSourceUnit, [&] {
            tlx::ComPtr<ISession> session = this->GetSession();
            CheckHost(session->Prepare());  // the session ready for the work: a failure stops the binding
            tlx::ComPtr<IDeklaracja2> declaration = BindDeclaration(session.Get(), value);
            declaration_ = AttachDeclaration(session.Get(), declaration.Get());
        });
    }

    // The bound declaration; null when unbound.
    tlx::ComPtr<IDeklaracja2> GetDeklaracja() const { return ::GetDeklaracja(declaration_.Get()); }

protected:
    tlx::ComPtr<ISessionReference> declaration_;
};
