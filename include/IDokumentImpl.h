// Neutral answers to the host's document questions (IDokument): a document class overrides the facts it
// has. The class's interface list carries IDokumentSlots in place of IDokument.
#pragma once

#include "hostapi/Framework.h"
#include "mv_deklaracje/core/ComError.h"

// IDokument with its document date answered as the empty date, final, so that a DataDok property of
// another of the class's interfaces does not answer it too.
struct IDokumentSlots : IDokument {
    HRESULT get_DataDok(DATE* v) final {
        if (!v) return E_POINTER;
        *v = 0;
        return S_OK;
    }

protected:
    ~IDokumentSlots() = default;
};

template <class Base>
class IDokumentImpl : public Base {
public:
    HRESULT get_TypDokumentu(LONG* v) override { return Answer(v, LONG(0)); }
    HRESULT get_DataOpe(DATE* v) override { return Answer(v, DATE(0)); }
    HRESULT get_Kwota(CY* v) override { return Answer(v, CY{0}); }
    HRESULT get_Status(LONG* v) override { return Answer(v, LONG(0)); }
    HRESULT get_Podmiot(IDispatch** v) override { return AnswerNull(v); }
    HRESULT get_PodAdres(IDispatch** v) override { return AnswerNull(v); }
    HRESULT get_Kategoria(LONG* v) override { return Answer(v, LONG(0)); }

private:
    template <class T>
    static HRESULT Answer(T* out, T value) {
        return ComBoundary([&] { *RequireOut(out) = value; });
    }
    // An out-parameter carries nothing in: it is set to null, never released (it may hold garbage).
    static HRESULT AnswerNull(IDispatch** out) {
        return ComBoundary([&] { *RequireOut(out) = nullptr; });
    }
};
