#include "mv_deklaracje/pfron/PfronFields.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "hostapi/Login.h"
#include "hostapi/Subjects.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "mv_deklaracje/pfron/PfronUserError.h"
#include "platform/ado/Ado.h"
#include "platform/com/Bstr.h"
#include "platform/text/CodePage.h"

namespace {
std::u16string ReadText(IPodAdres* address, HRESULT (IPodAdres::*member)(BSTR*)) {
    tlx::Bstr text;
    CheckHost((address->*member)(text.Out()));
    return text.Str();
}

constexpr long kTown = 0;
constexpr long kVillage = 1;
}  // namespace

void PutField(IDeklaracja2* declaration, const OLECHAR* field, const VARIANT& value) {
    CheckHost(declaration->put_Wartosc(tlx::Bstr(field).Get(), value));
}
void PutTextField(IDeklaracja2* declaration, const OLECHAR* field, std::u16string_view text) {
    PutField(declaration, field, tlx::Variant::FromString(text));
}
void PutLongField(IDeklaracja2* declaration, const OLECHAR* field, LONG value) {
    PutField(declaration, field, tlx::Variant::FromLong(value));
}
tlx::Variant ReadField(IDeklaracja2* declaration, const OLECHAR* field) {
    tlx::Variant value;
    CheckHost(declaration->get_Wartosc(tlx::Bstr(field).Get(), value.Out()));
    return value;
}

PfronRunSession OpenPfronRunSession(LONG id) {
    PfronRunSession run;
    tlx::ComPtr<ILogin> login;
    CheckHost(CreateHostApplication()->GetLogin(login.Out()));
    CheckHost(Require(login)->CreateSession(run.session.Out()));
    run.declaration = OpenDeclaration(Require(run.session).Get(), id);
    Require(run.declaration);
    tlx::ComPtr<IDispatch> object;
    CheckHost(login->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Konfiguracja)).Get(), object.Out()));
    run.configuration = Require(object).As<IKonfiguracja>();
    Require(run.configuration);
    return run;
}

void RemoveWhileAny(const std::function<LONG()>& count, const std::function<void()>& removeFirst) {
    for (LONG before = count(); before > 0;) {
        removeFirst();
        const LONG after = count();
        if (after >= before) RaiseComError(E_UNEXPECTED, u"Nie można usunąć załącznika deklaracji.");
        before = after;
    }
}

void RemoveChildDeclarations(IDeklaracja2* declaration) {
    // The children collection is read anew for each step.
    auto children = [&] {
        tlx::ComPtr<IDispatch> object;
        CheckHost(declaration->get_Deklaracje(object.Out()));
        auto collection = Require(object).As<ICollection>();
        return Require(collection);
    };
    RemoveWhileAny(
        [&] {
            LONG count = 0;
            CheckHost(children()->get_Count(&count));
            return count;
        },
        [&] {
            auto collection = children();
            tlx::ComPtr<IDispatch> item;
            CheckHost(collection->Item(tlx::Variant::FromLong(0), item.Out()));
            auto child = Require(item).As<IDeklaracja2>();
            CheckHost(Require(child)->ResetScript());
            CheckHost(collection->Delete(tlx::Variant::FromDispatch(item.Get())));
        });
}

tlx::Variant ReadConfigurationValue(IKonfiguracja* configuration, const OLECHAR* key, CDate day) {
    if (!configuration) RaiseHResult(E_POINTER);
    tlx::ComPtr<IParametr> parameter;
    CheckHost(configuration->GetParametr(tlx::Bstr(key).Get(), day.Value(), parameter.Out()));
    tlx::Variant value;
    CheckHost(Require(parameter)->get_Value(value.Out()));
    return value;
}

CMoney ConfigurationMoney(const VARIANT& value) {
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return CMoney();
    if (value.vt != VT_BSTR) return VariantToMoney(value);
    std::string text = tlx::Utf16ToUtf8(std::u16string_view(value.bstrVal ? value.bstrVal : u""));
    for (char& c : text) if (c == ',') c = '.';
    return CMoney(std::strtod(text.c_str(), nullptr));
}

std::u16string ReadRecordText(IPracEtat* record, HRESULT (IPracEtat::*member)(BSTR*)) {
    tlx::Bstr text;
    CheckHost((record->*member)(text.Out()));
    return text.Str();
}

std::vector<std::vector<LONG>> ReadLongRows(ISession* session, std::u16string_view sql, int columns) {
    tlx::ComPtr<Connection> connection;
    CheckHost(Require(GetHostDbAccess(session))->get_Connection(connection.Out()));
    tlx::ComPtr<Recordset> rows;
    CheckHost(Require(connection)->Execute(tlx::Bstr(sql).Get(), nullptr, adCmdText, rows.Out()));
    std::vector<std::vector<LONG>> out;
    for (;;) {
        VARIANT_BOOL eof = VARIANT_TRUE;
        CheckHost(Require(rows)->get_EOF(&eof));
        if (eof) break;
        tlx::ComPtr<Fields> fields;
        CheckHost(rows->get_Fields(fields.Out()));
        std::vector<LONG> row;
        for (int i = 0; i < columns; ++i) {
            tlx::ComPtr<Field> field;
            CheckHost(Require(fields)->get_Item(tlx::Variant::FromLong(i), field.Out()));
            tlx::Variant value;
            CheckHost(Require(field)->get_Value(value.Out()));
            row.push_back(VariantToLong(value));
        }
        out.push_back(std::move(row));
        CheckHost(rows->MoveNext());
    }
    return out;
}

std::vector<std::vector<LONG>> ReadTopCards(ISession* session) {
    return ReadLongRows(session,
                        u"select pra_praid, pra_nadrzedny from tlx.prackod where pra_parentid is null order by pra_praid", 2);
}

std::vector<LONG> ReadGroupCards(ISession* session, LONG head) {
    const std::u16string id = LongToString(head).Str();
    std::vector<LONG> ids;
    for (const auto& row :
         ReadLongRows(session, u"select pra_praid from tlx.prackod where pra_parentid = " + id + u" union select " + id, 1))
        ids.push_back(row[0]);
    std::sort(ids.begin(), ids.end(), [head](LONG a, LONG b) { return a == head ? b != head : b != head && a < b; });
    return ids;
}

ICollection* RunDeclarations(ISession* session, tlx::ComPtr<ICollection>& kept) {
    if (!kept) {
        if (!session) RaiseHResult(E_POINTER);
        tlx::ComPtr<IDispatch> created;
        CheckHost(session->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Deklaracje)).Get(),
                                        tlx::Variant::Missing(), created.Out()));
        kept = Require(created).As<ICollection>();
        Require(kept);
    }
    return kept.Get();
}

tlx::ComPtr<IDeklaracja2> NewPfronAttachment(ICollection* declarations, IDeklaracja2* parent, LONG parentId, LONG type,
                                             LONG version, LONG number) {
    if (!declarations) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> item;
    CheckHost(declarations->AddNew(tlx::Variant::Missing(), item.Out()));
    auto attachment = Require(item).As<IDeklaracja2>();
    Require(attachment);
    CheckHost(attachment->put_ParentId(parentId));
    CheckHost(attachment->put_TypDeklar(type));
    if (version != 0) CheckHost(attachment->put_Wersja(version));
    PutLongField(attachment.Get(), u"NRKOLEJNY", number);
    for (const OLECHAR* field : {u"OKRESSPRAWOZDAWCZY", u"RODZAJINFORMACJI", u"NRPFRON"})
        PutField(attachment.Get(), field, ReadField(parent, field));
    return attachment;
}

void WritePfronIdentity(IDeklaracja2* attachment, IPracEtat* record, const CBstr& employee) {
    PutTextField(attachment, u"IMIE1", ReadRecordText(record, &IPracEtat::get_Imie1));
    PutTextField(attachment, u"IMIE2", ReadRecordText(record, &IPracEtat::get_Imie2));
    PutTextField(attachment, u"NAZWISKO", ReadRecordText(record, &IPracEtat::get_Nazwisko));
    const std::u16string gender = ReadRecordText(record, &IPracEtat::get_Plec);
    if (gender.empty()) RaisePfronUserError(MissingGenderText(employee));
    PutTextField(attachment, u"PLEC", gender);
    PutTextField(attachment, u"NIP", ReplaceAll(ReadRecordText(record, &IPracEtat::get_NipE).c_str(), u"-", u"", false).View());
    const std::u16string pesel = ReadRecordText(record, &IPracEtat::get_Pesel);
    if (!pesel.empty()) {
        PutTextField(attachment, u"PESEL", pesel);
        return;
    }
    std::u16string document = ReadRecordText(record, &IPracEtat::get_DowOsobisty);
    if (document.empty()) document = ReadRecordText(record, &IPracEtat::get_Paszport);
    PutTextField(attachment, u"NRDOWODU", document);
}

PfronAddressWriter::PfronAddressWriter(ISession* session) : session_(session) {}

void PfronAddressWriter::Write(IDeklaracja2* attachment, IPracEtat* record, const CBstr& employee) {
    tlx::ComPtr<IPodAdres> address;
    CheckHost(record->get_Adres(address.Out()));
    IPodAdres* a = Require(address).Get();
    PutTextField(attachment, u"GMINA", ReadText(a, &IPodAdres::get_Commune));
    PutTextField(attachment, u"KODPOCZTOWY", ReadText(a, &IPodAdres::get_PostalCode));
    PutTextField(attachment, u"MIASTO", ReadText(a, &IPodAdres::get_Town));
    tlx::ComPtr<IDaneDodatkowe> residence;
    CheckHost(record->get_DaneDodatkowe(residence.Out()));
    LONG place = -1;
    CheckHost(Require(residence)->get_RodzajMiejscowosci(&place));
    if (place == kTown) PutTextField(attachment, u"MSCEZAMIESZKANIA", u"M");
    if (place == kVillage) PutTextField(attachment, u"MSCEZAMIESZKANIA", u"W");
    PutTextField(attachment, u"NRDOMU", ReadText(a, &IPodAdres::get_HouseNumber));
    PutTextField(attachment, u"NRLOKALU", ReadText(a, &IPodAdres::get_FlatNumber));
    PutTextField(attachment, u"ULICA", ReadText(a, &IPodAdres::get_Street));
    PutTextField(attachment, u"POCZTA", ReadText(a, &IPodAdres::get_PostOffice));
    PutTextField(attachment, u"POWIAT", ReadText(a, &IPodAdres::get_District));

    const std::u16string voivodeship = ReadText(a, &IPodAdres::get_Voivodeship);
    if (voivodeship.empty()) {
        PutTextField(attachment, u"WOJEWODZTWO", u"");
        return;
    }
    try {
        if (!lookup_) {
            tlx::ComPtr<IDispatch> created;
            CheckHost(session_->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_CLookupCollection)).Get(),
                                             tlx::Variant::Missing(), created.Out()));
            lookup_ = Require(created).As<ICollection>();
        }
        const CBstr criterion = CBstr(u"Nazwa=") + QuoteSqlText(voivodeship.c_str(), true).View();
        tlx::ComPtr<IDispatch> item;
        CheckHost(Require(lookup_)->Item(tlx::Variant::FromString(criterion.View()), item.Out()));
        auto entry = Require(item).As<IWojewodztwo>();
        tlx::Bstr code;
        CheckHost(Require(entry)->get_Kod(code.Out()));
        PutTextField(attachment, u"WOJEWODZTWO", code.View());
    } catch (const ComError&) {
        RaisePfronUserError(WrongVoivodeshipText(employee));
    }
}
