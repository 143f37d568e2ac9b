#include "mv_deklaracje/kedu/KeduBody.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/kedu/KeduDeclaration.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"
#include "mv_deklaracje/kedu/KeduDraSet.h"
#include "mv_deklaracje/kedu/KeduHeader.h"
#include "platform/com/Bstr.h"
#include "tlb/Classes.h"
#include "tlb/Enumerations.h"

namespace {

constexpr long kDraVersion2016 = 4;
constexpr UINT kMsgNoKeduElement = 524;

CBstr DecisionNumber(IDeklaracja2* declaration) {
    tlx::Variant value;
    CheckHost(declaration->get_Wartosc(tlx::Bstr(u"NUMERDECYZJI").Get(), value.Out()));
    return CBstr(value);
}

}  // namespace

CBstr WriteKeduBody(ISession* session, long declarationId) {
    const KeduDeclaration declaration(session, declarationId);
    const long type = declaration.TypDeklar();
    auto page = [&] { return KeduPage(declaration.ReadPageText(), declaration.Rok(), declaration.Miesiac()); };
    switch (type) {
        case dekZUS_ZUA: return ZUAToXML(page());
        case dekZUS_ZIUA: return ZIUAToXML(page());
        case dekZUS_ZCNA: return ZCNAToXML(page());
        case dekZUS_ZWUA: return ZWUAToXML(page());
        case dekZUS_ZZA: return ZZAToXML(page());
        case dekZUS_ZSWA: return ZSWAToXML(page());
        case dekZUS_IWA: return IWAToXML(page(), DecisionNumber(declaration.Declaration()));
        // The DRA's form version 4 is filed in the 2016 generation, every other one in the 2009 generation.
        case dekZUS_DRA:
            return declaration.Wersja() == kDraVersion2016 ? WriteDraSetKedu43(declaration) : WriteDraSetKedu3(declaration);
        default: return CBstr(u"");
    }
}

CBstr WriteRequiredKeduBody(ISession* session, long declarationId) {
    CBstr body = WriteKeduBody(session, declarationId);
    if (body.IsEmpty()) RaiseResourceError(kMsgNoKeduElement, CLSID_DRA, ModuleResources());
    return body;
}

CBstr BuildKeduDocument(ISession* session, long declarationId) {
    const CBstr header = BuildKeduHeader(session, declarationId);
    const CBstr body = WriteRequiredKeduBody(session, declarationId);
    return CBstr(header.Str() + body.Str() + u"</KEDU>");
}
