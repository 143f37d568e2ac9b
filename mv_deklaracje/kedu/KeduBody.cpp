#include "mv_deklaracje/kedu/KeduBody.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/kedu/KeduDeclaration.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"
#include "mv_deklaracje/kedu/KeduHeader.h"
#include "platform/com/Bstr.h"
#include "tlb/Enumerations.h"

namespace {

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
        // The DRA's set with its reports has writers of its own, which are not here yet: an empty body
        // would be a document without its declaration.
        case dekZUS_DRA: RaiseHResult(E_NOTIMPL);
        default: return CBstr(u"");
    }
}

CBstr BuildKeduDocument(ISession* session, long declarationId) {
    const CBstr header = BuildKeduHeader(session, declarationId);
    const CBstr body = WriteKeduBody(session, declarationId);
    return CBstr(header.Str() + body.Str() + u"</KEDU>");
}
