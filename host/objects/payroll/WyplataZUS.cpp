#include "host/objects/payroll/WyplataZUS.h"

#include "host/objects/payroll/Answers.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

HRESULT CWyplataZUS::GetText(std::size_t i, BSTR* text) {
    return AnswerText(text, [&] { return texts_[i]; });
}

HRESULT CWyplataZUS::PutText(std::size_t i, BSTR text) {
    texts_[i] = std::u16string(text ? text : u"", SysStringLen(text));
    return S_OK;
}

HRESULT CWyplataZUS::get_Kwota(LONG index, CY* amount) {
    if (!amount) return E_POINTER;
    if (index < 1 || index > kAmounts)
        return SetErrorText(E_INVALIDARG, u"Nie ma kwoty o numerze " + Utf8ToUtf16(std::to_string(index)));
    *amount = amounts_[static_cast<std::size_t>(index - 1)];
    return S_OK;
}

HRESULT CWyplataZUS::put_Kwota(LONG index, CY amount) {
    if (index < 1 || index > kAmounts)
        return SetErrorText(E_INVALIDARG, u"Nie ma kwoty o numerze " + Utf8ToUtf16(std::to_string(index)));
    amounts_[static_cast<std::size_t>(index - 1)] = amount;
    return S_OK;
}

}  // namespace tlx::host
