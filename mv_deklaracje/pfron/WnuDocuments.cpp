#include "mv_deklaracje/pfron/WnuDocuments.h"

#include "hostapi/Configuration.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/DecimalParse.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/pfron/PfronFields.h"
#include "mv_deklaracje/pfron/SodEmployee.h"
#include "mv_deklaracje/pfron/SodFields.h"
#include "mv_deklaracje/pfron/SodWriter.h"
#include "platform/com/Bstr.h"

namespace {
constexpr const OLECHAR* kRefundStatusKey = u"/Firma/Płace/ZUS/Status Refundacji";

// The company's refund status valid on `day`.
long ReadRefundStatus(CDate day) {
    tlx::ComPtr<ILogin> login;
    CheckHost(CreateHostApplication()->GetLogin(login.Out()));
    tlx::ComPtr<IDispatch> object;
    CheckHost(Require(login)->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Konfiguracja)).Get(), object.Out()));
    tlx::ComPtr<IKonfiguracja> configuration = Require(object).As<IKonfiguracja>();
    return VariantToLong(ReadConfigurationValue(Require(configuration).Get(), kRefundStatusKey, day));
}

// A count of days as two digits ("07", "12"); the field's text is read as a whole number, an empty one as 0.
std::u16string TwoDigits(IDeklaracja2* attachment, const OLECHAR* field) {
    std::u16string digits = LongToString(static_cast<long>(ParseDecimalString(FieldText(attachment, field), u','))).Str();
    return digits.size() < 2 ? std::u16string(2 - digits.size(), u'0') + digits : digits;
}

// The degrees' attributes after the first: each stands after two blanks.
void Days(SodWriter& w, std::u16string_view name, std::u16string_view value) {
    w.Raw(u" ").Attr(name, value);
}
}  // namespace

CBstr WnuDocuments::BuildWnuXml(IDeklaracja2* declaration) {
    CBstr text = main_.Build(declaration, SodMainDocument::Kind::Wnu);
    refundStatus_ = ReadRefundStatus(CDate(static_cast<int>(main_.Month()), 1, static_cast<int>(main_.Year())));
    return text;
}

CBstr WnuDocuments::BuildInfUpXml(IDeklaracja2* a) {
    if (!a) RaiseHResult(E_POINTER);
    const long version = DeclarationVersion(a);
    const std::u16string pesel = FieldText(a, u"PESEL");
    const bool norm = refundStatus_ == kNormRefundStatus;
    const std::u16string none = u"00";

    SodWriter w;
    w.OpenEnvelope(SodWriter::kRootWithAttributes, {.type = kTypeAttachment,
                                                    .version = version,
                                                    .period = main_.OkresSprawozdawczy().View(),
                                                    .attachment = true,
                                                    .end = u"  >"});
    WriteSodEmployee(w, a, main_, pesel);

    // The degrees: the S pairs carry the protected-post days of each degree, the plain pairs the
    // norm-time ones; the refund status decides whether ust4 or norm of a pair carries them.
    w.Raw(u"<infNiepelnospr").Attr(u"chronSLekki", TwoDigits(a, u"CHRONLEKKI"));
    const struct {
        const char16_t* ust4;
        const char16_t* norm;
        std::u16string value;
    } pairs[] = {
        {u"ust4SLekki", u"normSLekki", TwoDigits(a, u"CHRONSLEKKI")},
        {u"ust4SUmiarkowany", u"normSUmiarkowany", TwoDigits(a, u"CHRONSUMIARKOWANY")},
        {u"ust4SZnaczny", u"normSZnaczny", TwoDigits(a, u"CHRONSZNACZNY")},
        {u"ust4Umiarkowany", u"normUmiarkowany", FieldText(a, u"NORMSUMIARKOWANY")},
        {u"ust4Znaczny", u"normZnaczny", FieldText(a, u"NORMSZNACZNY")},
        {u"ust4Lekki", u"normLekki", FieldText(a, u"NORMSLEKKI")},
    };
    for (const auto& pair : pairs) {
        Days(w, pair.ust4, norm ? none : pair.value);
        Days(w, pair.norm, norm ? pair.value : none);
    }
    Days(w, u"chronSUmiarkowany", TwoDigits(a, u"CHRONUMIARKOWANY"));
    Days(w, u"chronSZnaczny", TwoDigits(a, u"CHRONZNACZNY"));
    Days(w, u"chronLekki", TwoDigits(a, u"NORMLEKKI"));
    Days(w, u"chronUmiarkowany", TwoDigits(a, u"NORMUMIARKOWANY"));
    Days(w, u"chronZnaczny", TwoDigits(a, u"NORMZNACZNY"));
    w.Raw(u"  chronNieokreslony=\"00\" chronSNieokreslony=\"00\" />");

    w.Raw(u"<zatrudnienieRef").Attr(u"dofinansowanie", u"0,00").Attr(u"kosztyPlacy", FieldAmount(a, u"KOSZTYPLACY"));
    w.Attr(u"kwDoWyplaty", u"0,00").Attr(u"okresZatr", FieldText(a, u"OKRESZATR"));
    w.Attr(u"podstawaWymiaru", FieldAmount(a, u"WYNOSIAGANE")).Attr(u"podwKoszty", FieldAmount(a, u"PODWKOSZTY"));
    w.Attr(u"pracEmerytalne", FieldAmount(a, u"PRACEMERYTALNE")).Attr(u"pracRentowe", FieldAmount(a, u"PRACRENTOWE"));
    w.Attr(u"pracWypadkowe", FieldAmount(a, u"PRACWYPADKOWE")).Attr(u"razem", u"0,00").Attr(u"uzyskanaRef", u"0,00");
    w.Attr(u"wynChorobowe", FieldAmount(a, u"WYNCHOROBOWE")).Attr(u"wynEmerytalne", FieldAmount(a, u"WYNEMERYTALNE"));
    w.Raw(u"/></metrykaPracownika>");
    CBstr text = w.CloseEnvelope().Take();
    attachmentFileKey_ = CBstr(pesel.empty() ? SubstituteKey(++noPeselCounter_) : pesel);
    return text;
}
