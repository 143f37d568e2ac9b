#include "mv_deklaracje/zus/Iwa.h"

#include <optional>

#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/zus/DiplBuilder.h"
#include "mv_deklaracje/zus/DraHostReads.h"
#include "mv_deklaracje/zus/HostReads.h"
#include "platform/ado/Ado.h"
#include "platform/com/ClassRegistry.h"

namespace {

constexpr HRESULT kEmptyMonth = static_cast<HRESULT>(0x80055E22);  // 0x80050000 + the scripts' ERR_MV_Info
constexpr char16_t kEmptyMonthText[] =
    u"W roku, za który liczona jest deklaracja IWA, wystąpił co najmniej jeden miesiąc, w którym żaden "
    u"ubezpieczony nie podlegał ubezpieczeniu wypadkowemu.";

// Every card with the person it belongs to (a secondary card's main card), a person's cards one after
// another.
constexpr char16_t kCardsSql[] =
    u"SELECT Pra_PraID AS Karta, (case when pra_parentid is NULL then pra_praid else pra_parentid end) AS Osoba "
    u"FROM TLX.PracKod ORDER BY Osoba, Karta";

// The declaration's field holding the form's KEDU document.

}  // namespace

HRESULT CIWA::get_Deklaracja(IDeklaracja2** declaration) {
    return ComBoundary([&] {
        RequireOut(declaration);
        *declaration = nullptr;
        CheckHost(RequireDeclaration()->QueryInterface(IidOf<IDeklaracja2>(), reinterpret_cast<void**>(declaration)));
    });
}

HRESULT CIWA::Przelicz(IDeklaracja2* pDekl) {
    return ComBoundary([&] {
        declaration_ = pDekl;
        RequireDeclaration();
        try {
            Progress(&IDeklaracja2::WillAction, u"Wyliczanie deklaracji IWA");
            konfiguracja_ = CreateHostConfiguration(GetSession().Get());
            Initialise();
            CountEmployees();
            WriteResults();
        } catch (...) {
            Progress(&IDeklaracja2::ActionFailed, u"Błąd wyliczania deklaracji IWA");
            throw;
        }
    });
}

HRESULT CIWA::put_Wartosc(PoleDRAEnum iPole, CY value) {
    return ComBoundary([&] { amounts_[iPole] += CMoney::FromCurrency(value).AsDouble(); });
}

HRESULT CIWA::RegisterPrac(IDispatch*, DATE, double) { return S_OK; }

HRESULT CIWA::get_DataWypelnienia(DATE* value) {
    return ComBoundary([&] {
        RequireOut(value);
        CheckHost(RequireDeclaration()->get_Data(value));
    });
}

IDeklaracja2* CIWA::RequireDeclaration() const {
    if (!declaration_) RaiseHResult(E_POINTER);
    return declaration_;
}

void CIWA::Progress(HRESULT (IDeklaracja2::*event)(BSTR), const char16_t* text) const {
    tlx::Bstr message(text);
    CheckHost((RequireDeclaration()->*event)(message.Get()));
}

tlx::ComPtr<IKeduBlok> CIWA::Block(const char16_t* name) const {
    return DocumentBlock(DeclarationDocument(RequireDeclaration()).Get(), name);
}

void CIWA::Initialise() {
    try {
        Progress(&IDeklaracja2::WillAction, u"Inicjowanie deklaracji IWA");
        counts_ = {};
        average_ = 0.0;
        tlx::ComPtr<IKeduBlok> payer = Block(u"DIPLIWA");
        CDiplBuilder(konfiguracja_.Get(), nullptr, false).FillFromCompany(payer.Get());
        Progress(&IDeklaracja2::ActionCompleted, u"Inicjowanie deklaracji IWA zakończone");
    } catch (...) {
        Progress(&IDeklaracja2::ActionFailed, u"Błąd inicjowania deklaracji IWA");
        throw;
    }
}

void CIWA::CountEmployees() {
    tlx::ComPtr<ISession2> session = GetSession().As<ISession2>();
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<Connection> connection;
    CheckHost(session->get_Connection(connection.Out()));
    if (!connection) RaiseHResult(E_POINTER);
    tlx::ComPtr<Recordset> rows;
    CheckHost(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IidOf<Recordset>(), rows.OutVoid()));
    if (!rows) RaiseHResult(E_POINTER);
    CheckHost(rows->Open(tlx::Variant::FromString(kCardsSql), tlx::Variant::FromDispatch(connection.Get()),
                         adOpenForwardOnly, adLockReadOnly, adCmdText));
    LONG year = 0;
    CheckHost(RequireDeclaration()->get_Rok(&year));
    std::optional<CIwaEmployeePass> person;
    long personId = 0;
    for (;;) {
        VARIANT_BOOL eof = VARIANT_TRUE;
        CheckHost(rows->get_EOF(&eof));
        if (eof) break;
        const long card = VariantToLongOr(ReadRecordsetValue(rows.Get(), u"Karta").Detach(), 0);
        const long owner = VariantToLongOr(ReadRecordsetValue(rows.Get(), u"Osoba").Detach(), 0);
        if (!person || owner != personId) {
            person.emplace(year, counts_);
            personId = owner;
        }
        CountCard(*person, card);
        CheckHost(rows->MoveNext());
    }
    CheckHost(rows->Close());
}

// A failure while a card is counted names the card, so that the user knows whose data to mend.
void CIWA::CountCard(CIwaEmployeePass& person, LONG id) {
    tlx::ComPtr<IPracownik> card = OpenEmployeeInNewSession(id);
    try {
        person.Run(card.Get());
    } catch (const ComError& e) {
        std::u16string cause = e.Description();
        if (cause.empty()) cause = FormatString(u"błąd 0x%08lX", static_cast<unsigned long>(e.Code()));
        RaiseComError(e.Code(), u"Nie można policzyć deklaracji IWA dla pracownika " + DescribeEmployee(card.Get()) +
                                    u": " + cause);
    }
}

void CIWA::WriteResults() {
    bool emptyMonth = false;
    for (double count : counts_.months) {
        if (count == 0.0) emptyMonth = true;
        average_ += count / 12.0;
    }
    // Counts of persons are whole numbers, in the document as in the filing.
    CheckHost(Block(u"DUZWIWA")->put_Item(1, 0, tlx::Variant::FromLong(static_cast<LONG>(RoundTo(average_, 0)))));
    CheckHost(Block(u"ZDKRIWA")->put_Item(2, 0, tlx::Variant::FromLong(static_cast<LONG>(RoundTo(counts_.injured, 0)))));

    tlx::ComPtr<IKeduBlok> address = Block(u"ADKP");
    auto setting = [&](const char16_t* key) {
        tlx::Bstr value;
        CheckHost(konfiguracja_->GetValue(tlx::Bstr(key).Get(), value.Out()));
        return std::u16string(value.View());
    };
    std::u16string postCode = setting(u"FirmaKodP");
    std::erase(postCode, u'-');
    const std::u16string lines[10] = {postCode, setting(u"FirmaMiejscowosc"), setting(u"FirmaUlica"),
                                      setting(u"FirmaNrDomu"), setting(u"FirmaNrLokalu"), u"", u"",
                                      setting(u"FirmaTelefon"), u"", u""};
    for (LONG n = 1; n <= 10; ++n) CheckHost(address->put_Item(n, 0, tlx::Variant::FromString(lines[n - 1])));

    if (emptyMonth) RaiseEmptyMonth();
}

void CIWA::RaiseEmptyMonth() {
    CBstr text = GetHostErrorText(kEmptyMonth, CBstr(kEmptyMonthText));
    RaiseComError(kEmptyMonth, text.View().empty() ? std::u16string_view(kEmptyMonthText) : text.View());
}
