#include "host/objects/payroll/PracEtat.h"

#include <string>
#include <vector>

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/CzlonekRodziny.h"
#include "host/objects/payroll/DaneDodatkowe.h"
#include "host/objects/payroll/KodTytulu.h"
#include "host/objects/payroll/Okres.h"
#include "host/objects/payroll/Okresowy.h"
#include "host/objects/payroll/PayrollCollection.h"
#include "host/objects/payroll/PodAdres.h"
#include "host/objects/payroll/PracDaneZus.h"
#include "host/objects/payroll/PracPodatki.h"
#include "host/objects/payroll/Ubezpieczenie.h"
#include "host/objects/payroll/WymiarAlternatywny.h"
#include "hostapi/Errors.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

CPracEtat::CPracEtat(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row, LONG id)
    : model_(std::move(model), PayrollModel::Kind::Record, id), row_(std::move(row)) {}

HRESULT CPracEtat::Long(std::u16string_view column, LONG* value) {
    return Answer(value, [&] { return row_->Long(column); });
}

HRESULT CPracEtat::Text(std::u16string_view column, BSTR* value) {
    return AnswerText(value, [&] { return row_->Text(column); });
}

HRESULT CPracEtat::get_Tekst(BSTR* value) {
    return AnswerText(value, [&] { return row_->Text(u"PRE_Nazwisko") + u" " + row_->Text(u"PRE_Imie1"); });
}

HRESULT CPracEtat::get_DataUr(DATE* value) {
    return Answer(value, [&] { return row_->Date(u"PRE_DataUr"); });
}

HRESULT CPracEtat::get_Podatki(IPracPodatki** value) {
    return AnswerObject(value, [&] { return ComPtr<IPracPodatki>(CPracPodatki::Make(row_)); });
}

HRESULT CPracEtat::get_Adres(IPodAdres** value) {
    return AnswerObject(value, [&] { return ComPtr<IPodAdres>(CPodAdres::Make(row_, u"PRE_")); });
}

HRESULT CPracEtat::get_ZAMAdres(IPodAdres** value) {
    return AnswerObject(value, [&] { return ComPtr<IPodAdres>(CPodAdres::Make(row_, u"PRE_ZAM")); });
}

HRESULT CPracEtat::get_KORAdres(IPodAdres** value) {
    return AnswerObject(value, [&] { return ComPtr<IPodAdres>(CPodAdres::Make(row_, u"PRE_KOR")); });
}

HRESULT CPracEtat::get_CzlonkowieRodziny(ICollection** members) {
    return AnswerObject(members, [&] {
        std::vector<CPayrollCollection::Entry> entries;
        for (auto& row : model_->Read(u"select * from TLX.PracRodzina where PRR_PraId = " +
                                      Utf8ToUtf16(std::to_string(row_->Long(u"PRE_PraId"))) + u" order by PRR_PrrId"))
            entries.push_back({ComPtr<IDispatch>(CCzlonekRodziny::Make(row)), row->Long(u"PRR_PrrId"), row});
        return ComPtr<ICollection>(CPayrollCollection::Make(std::move(entries)));
    });
}

HRESULT CPracEtat::get_DaneDodatkowe(IDaneDodatkowe** value) {
    return AnswerObject(value, [&] { return ComPtr<IDaneDodatkowe>(CDaneDodatkowe::Make(row_)); });
}

HRESULT CPracEtat::get_OkresWaznosci(IOkres** value) {
    return AnswerObject(value, [&] { return ComPtr<IOkres>(COkres::Make(Start(), Last())); });
}

HRESULT CPracEtat::get_OkresZatrudnienia(IOkres** value) {
    return AnswerObject(value, [&] {
        return ComPtr<IOkres>(COkres::Make(row_->Date(u"PRE_ZatrudnionyOd"), row_->Date(u"PRE_ZatrudnionyDo")));
    });
}

// A secondary card's record links to the main card; a main card's record has no link.
// A main card has no link: answered without raising, as most cards are main cards.
HRESULT CPracEtat::get_Powiazanie(IDispatch** value) {
    if (!value) return E_POINTER;
    *value = nullptr;
    LONG parent = 0;
    if (HRESULT hr = Answer(&parent, [&] { return model_->ParentId(); }); FAILED(hr)) return hr;
    if (parent == 0) return SetErrorText(HOST_E_RECORDZERO, u"Rekord 0 nieznaleziony. Pole 'Powiazanie'");
    return AnswerObject(value, [&] { return model_->Card(parent); });
}

HRESULT CPracEtat::get_Pracownik(IPracownik** value) {
    return AnswerObject(value, [&] { return model_->Employee(); });
}

HRESULT CPracEtat::get_Ubezpieczenie(IUbezpieczenie** value) {
    return AnswerObject(value, [&] { return ComPtr<IUbezpieczenie>(CUbezpieczenie::Make(row_, u"PRE_UBZ")); });
}

HRESULT CPracEtat::get_Tytul(IKodTytulu** value) {
    return AnswerObject(value, [&] { return ComPtr<IKodTytulu>(CKodTytulu::Make(row_->Long(u"PRE_UBZTyuId"))); });
}

HRESULT CPracEtat::get_WymiarEtatu(IPracDaneZus** value) {
    return AnswerObject(value, [&] { return ComPtr<IPracDaneZus>(CPracDaneZus::Make(row_)); });
}

HRESULT CPracEtat::get_WymiarAlternatywny(IWymiarAlternatywny** value) {
    return AnswerObject(value, [&] { return ComPtr<IWymiarAlternatywny>(CWymiarAlternatywny::Make(row_)); });
}

HRESULT CPracEtat::get_LimitPodstawy(CY* value) {
    return Answer(value, [&] { return row_->Money(u"PRE_LimitPodstawy"); });
}

HRESULT CPracEtat::get_OkresLimitu(IOkresowy** value) {
    return AnswerObject(value, [&] {
        return ComPtr<IOkresowy>(COkresowy::Make(row_->Long(u"PRE_LimitRok"), row_->Long(u"PRE_LimitMiesiac")));
    });
}

}  // namespace tlx::host
