#include "host/objects/payroll/ListaPlac.h"

#include <cmath>

#include "host/objects/payroll/Answers.h"
#include "hostapi/Accounting.h"
#include "platform/com/Guid.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

CListaPlac::CListaPlac(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row)
    : model_(std::move(model), PayrollModel::Kind::List, row->Long(u"LPL_LplId")),
      row_(std::move(row)),
      period_(CCalendar::Make()),
      month_(COkresowy::Make(row_->Long(u"LPL_Rok"), row_->Long(u"LPL_Miesiac"))) {
    DATE first = row_->Date(u"LPL_DataOd"), last = row_->Date(u"LPL_DataDo");
    period_->SetRange(first, first ? (last ? last + 1 : first) : 0);
}

HRESULT CListaPlac::get_ID(LONG* id) {
    return Answer(id, [&] { return row_->Long(u"LPL_LplId"); });
}

HRESULT CListaPlac::get_Typ(LONG* type) {
    return Answer(type, [&] { return row_->Long(u"LPL_Typ"); });
}

HRESULT CListaPlac::get_Rodzaj(LONG* kind) {
    return Answer(kind, [&] { return row_->Long(u"LPL_Rodzaj"); });
}

HRESULT CListaPlac::put_Rodzaj(LONG kind) {
    return Boundary([&] { row_->Set(u"LPL_Rodzaj", Variant::FromLong(kind)); });
}

HRESULT CListaPlac::get_Okres(ICalendarRange** range) {
    return AnswerObject(range, [&] { return ComPtr<ICalendarRange>(period_); });
}

HRESULT CListaPlac::get_RokMiesiac(IOkresowy** month) {
    return AnswerObject(month, [&] { return ComPtr<IOkresowy>(month_); });
}

HRESULT CListaPlac::get_DataWyplaty(DATE* day) {
    return Answer(day, [&] { return row_->Date(u"LPL_DataWyplaty"); });
}

HRESULT CListaPlac::put_DataWyplaty(DATE day) {
    return Boundary([&] { row_->Set(u"LPL_DataWyplaty", Variant::FromDate(std::floor(day))); });
}

HRESULT CListaPlac::get_DataListy(DATE* day) {
    return Answer(day, [&] { return row_->Date(u"LPL_DataListy"); });
}

HRESULT CListaPlac::put_DataListy(DATE day) {
    return Boundary([&] { row_->Set(u"LPL_DataListy", Variant::FromDate(std::floor(day))); });
}

// A stored list's definition is read through the session's document definitions by its identifier.
HRESULT CListaPlac::get_Definicja(IDispatch** definition) {
    return AnswerObject(definition, [&] {
        LONG id = row_->Long(u"LPL_DDfId");
        if (!definition_ && id != 0) {
            Bstr classText(GuidToText(CLSID_DefinicjeDokumentow));
            Check(Require(model_->Session())->CreateObject(classText.Get(), Variant::FromString(Utf8ToUtf16(std::to_string(id))), definition_.Out()));
        }
        return definition_;
    });
}

HRESULT CListaPlac::putref_Definicja(IDispatch* definition) {
    definition_ = ComPtr<IDispatch>(definition);
    return S_OK;
}

HRESULT CListaPlac::get_Opis(BSTR* text) {
    return AnswerText(text, [&] { return row_->Text(u"LPL_Opis"); });
}

HRESULT CListaPlac::put_Opis(BSTR text) {
    return Boundary([&] { row_->Set(u"LPL_Opis", Variant::FromString(std::u16string_view(text ? text : u"", SysStringLen(text)))); });
}

}  // namespace tlx::host
