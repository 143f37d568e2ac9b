// The object's entry point that writes a declaration's e-declaration to a file of the caller's choice.
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"

namespace {

std::u16string_view View(BSTR text) { return text ? std::u16string_view(text, SysStringLen(text)) : std::u16string_view(); }

constexpr std::u16string_view kOperationFailed = u"Operacja nie została zakończona pomyślnie z powodu błędów.";

}  // namespace

// An empty stylesheet name stands for the declaration's own. A build that fails has reported itself (message, ActionFailed); the call still closes the action
// and then answers that failure, so that a caller never takes a missing file for a written one.
HRESULT CEDeklaracja::ZapiszXml(IDeklaracja2* pDekl, BSTR _sTransformataXsl, BSTR _sFileSpec) {
    return ComBoundary([&] {
        StartEntryPoint(pDekl);
        bool built = false;
        try {
            WillAction(u"Eksport deklaracji");
            const std::u16string file(View(_sFileSpec));
            FormParameters form = ReadFormParameters(pDekl);
            std::u16string transform(View(_sTransformataXsl));
            if (transform.empty()) {  // the declaration's own stylesheet
                tlx::Bstr own;
                CheckHost(pDekl->get_Transformata(own.Out()));
                transform = own.View();
            }
            tlx::ComPtr<IXMLDOMDocument2> document = BuildDocument(form, pDekl, transform);
            built = document != nullptr;
            if (built) {
                CheckHost(document->save(tlx::Variant::FromString(file)));
                SendMessage(u"Plik został pomyślnie zapisany na dysku.", kInfo);
            }
            ActionCompleted(u"");
        } catch (const ComError& error) {
            if (error.Code() == E_ABORT) return;
            ActionFailed(std::u16string(kOperationFailed) + u" " + error.Description());
            throw;
        } catch (...) {
            ActionFailed(kOperationFailed);
            throw;
        }
        if (!built) RaiseComError(E_FAIL, message_);
    });
}
