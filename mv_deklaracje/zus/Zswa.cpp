#include "mv_deklaracje/zus/Zswa.h"

#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/zus/DiplBuilder.h"
#include "mv_deklaracje/zus/DraHostReads.h"
#include "mv_deklaracje/zus/ZswaBuilder.h"

namespace {

tlx::Variant DeclarationField(IDeklaracja2* declaration, const char16_t* name) {
    tlx::Variant value;
    CheckHost(declaration->get_Wartosc(tlx::Bstr(name).Get(), value.Out()));
    return value;
}

}  // namespace

HRESULT CZSWA::get_Deklaracja(IDeklaracja2** declaration) {
    return ComBoundary([&] {
        RequireOut(declaration);
        *declaration = nullptr;
        CheckHost(RequireDeclaration()->QueryInterface(IidOf<IDeklaracja2>(), reinterpret_cast<void**>(declaration)));
    });
}

HRESULT CZSWA::Przelicz(IDeklaracja2* pDekl) {
    return ComBoundary([&] {
        declaration_ = tlx::ComPtr<IDeklaracja2>(pDekl);
        RequireDeclaration();
        try {
            Progress(&IDeklaracja2::WillAction, u"Wyliczanie deklaracji ZSWA");
            konfiguracja_ = CreateHostConfiguration(GetSession().Get());
            Initialise();
            CZswaBuilder(declaration_.Get(), GetSession().Get(), document_.Get()).Build();
        } catch (...) {
            Progress(&IDeklaracja2::ActionFailed, u"Błąd wyliczania deklaracji ZSWA");
            throw;
        }
    });
}

HRESULT CZSWA::put_Wartosc(PoleDRAEnum iPole, CY amount) {
    return ComBoundary([&] { amounts_[iPole] += CMoney::FromCurrency(amount).AsDouble(); });
}

HRESULT CZSWA::get_DataWypelnienia(DATE* value) {
    return ComBoundary([&] {
        RequireOut(value);
        CheckHost(RequireDeclaration()->get_Data(value));
    });
}

IDeklaracja2* CZSWA::RequireDeclaration() const {
    if (!declaration_) RaiseHResult(E_POINTER);
    return declaration_.Get();
}

void CZSWA::Progress(HRESULT (IDeklaracja2::*event)(BSTR), const char16_t* text) const {
    tlx::Bstr message(text);
    CheckHost((RequireDeclaration()->*event)(message.Get()));
}

void CZSWA::Initialise() {
    try {
        Progress(&IDeklaracja2::WillAction, u"Inicjowanie deklaracji ZSWA");
        WriteFixedBlocks();
        Progress(&IDeklaracja2::ActionCompleted, u"Inicjowanie deklaracji ZSWA zakończone");
    } catch (...) {
        Progress(&IDeklaracja2::ActionFailed, u"Błąd inicjowania deklaracji ZSWA");
        throw;
    }
}

void CZSWA::WriteFixedBlocks() {
    const tlx::Variant document = DeclarationField(RequireDeclaration(), u"Dokument");
    document_.Reset();
    if (document.vt == VT_DISPATCH && document.pdispVal)
        document_ = tlx::ComPtr<IDispatch>(document.pdispVal).As<IKeduDokument>();
    if (!document_) RaiseHResult(E_POINTER);

    CDiplBuilder(konfiguracja_.Get(), nullptr, false).FillFromCompany(Block(u"DIPL").Get());
    CheckHost(Block(u"OPLR")->put_Item(1, 0, CDate(DeclarationField(RequireDeclaration(), u"OSWIADCZENIE")).ToVariant()));
    tlx::ComPtr<IKeduBlok> identification = Block(u"DOZSWA");
    CheckHost(identification->put_Item(1, 0, DeclarationField(RequireDeclaration(), u"ZMIANA")));
    LONG number = 0, year = 0;
    CheckHost(RequireDeclaration()->get_Numer(&number));
    CheckHost(RequireDeclaration()->get_Rok(&year));
    CheckHost(identification->put_Item(2, 0, tlx::Variant::FromLong(number)));
    CheckHost(identification->put_Item(3, 0, tlx::Variant::FromLong(year)));
}

tlx::ComPtr<IKeduBlok> CZSWA::Block(const char16_t* name) const {
    return DocumentBlock(document_.Get(), name);
}
