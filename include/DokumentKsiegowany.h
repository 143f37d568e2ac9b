// The accounting document of a declaration: how the host's accounting sees a declaration as a source
// document (source kind 6). It decides whether the declaration may be pre-posted, answers its posting
// dates and its number, and creates, links and discards its pre-posting entry in the host's accounting
// (an entry of the host's entries collection, linked through the row's column "PreDekId").
//
// `Owner` is the declaration (it derives from this template); `Base` carries IDokumentKsiegowany in its
// interface list and the record framework (columns of the bound row, the session).
#pragma once

#include <array>

#include "hostapi/Accounting.h"
#include "hostapi/Collections.h"
#include "hostapi/Configuration.h"
#include "hostapi/Errors.h"
#include "hostapi/Framework.h"
#include "hostapi/Login.h"
#include "tlb/Enumerations.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "platform/ado/Ado.h"

template <class Owner, class Base>
class CDokumentKsiegowany : public Base {
public:
    using Base::Base;
    // The linked entry goes before the collection that holds it.
    ~CDokumentKsiegowany() override {
        linkedEntry_.Reset();
        entries_.Reset();
    }

    HRESULT get_PreDekId(LONG* id) override {
        return ComBoundary([&] { *RequireOut(id) = ReadPreDekId(); });
    }
    HRESULT put_PreDekId(LONG id) override {
        return ComBoundary([&] { WritePreDekId(id); });
    }
    HRESULT get_PreDekret(IPostingEntry** entry) override {
        return ComBoundary([&] {
            RequireOut(entry);
            *entry = nullptr;
            *entry = EntryObject().Detach();
        });
    }
    HRESULT SetPreDekret(IDispatch* entry) override { return PrzypiszPreDekret(entry); }
    HRESULT get_DoKsiegowania(LONG* postable) override {
        return ComBoundary([&] { *RequireOut(postable) = CanPrePost() ? 1 : 0; });
    }
    // 1 while the row names an entry; 2 for a linked entry not stored yet that has lines; else 0.
    HRESULT get_PostingState(LONG* state) override {
        return ComBoundary([&] {
            RequireOut(state);
            *state = 0;
            if (ReadPreDekId() != 0)
                *state = 1;
            else if (linkedEntry_ && CountItems(EntryLines(linkedEntry_.Get()).Get()) > 0)
                *state = 2;
        });
    }
    // A declaration has no accounting identifier of its own.
    HRESULT get_IdentKsieg(BSTR* ident) override {
        return ComBoundary([&] { *RequireOut(ident) = CBstr(u"").Copy(); });
    }
    HRESULT UsunPreDekret(LONG mode) override {
        return ComBoundary([&] { DiscardPostingEntry(mode); });
    }
    // Kind 14 always asks the declaration's due date; any other kind the date the company's setting
    // "DataKsiegowania" names (the host's working date by default).
    HRESULT DataKsiegowa(LONG kind, DATE* date) override {
        return ComBoundary([&] {
            RequireOut(date);
            constexpr LONG kDueDateKind = 14;
            CBstr sql = kind == kDueDateKind ? GetDueDateSql(kind) : PostingDateSql();
            *date = QueryDateOr(sql, GetHostToday()).Value();
        });
    }
    HRESULT PrzypiszPreDekret(IDispatch* entry) override {
        return ComBoundary([&] { SetPostingEntry(entry); });
    }
    HRESULT get_PostingEntry(IPostingEntry** entry) override {
        return ComBoundary([&] {
            RequireOut(entry);
            *entry = nullptr;
            if (!entries_) return;
            tlx::ComPtr<IDispatch> item;
            CheckHost(entries_->Item(tlx::Variant::Missing(), item.Out()));
            *entry = item.template As<IPostingEntry>().Detach();
        });
    }
    // The entry is handed to the session, which stores it with its next save. It is not added to the
    // entries collection as well: a copy there would be stored as a second entry.
    HRESULT AddPostingEntry(IDispatch* entry) override {
        return ComBoundary([&] {
            if (!entries_ || !entry) return;
            CheckHost(Session2()->AddObject(entry));
        });
    }

protected:
    // The pre-posting link of the row; NULL reads 0, no bound row reads 0.
    LONG ReadPreDekId() {
        if (!this->BoundRecordset()) return 0;
        tlx::Variant value = this->GetFieldValue(kLinkColumn);
        if (value.vt <= VT_NULL || (value.vt == VT_BSTR && SysStringLen(value.bstrVal) == 0)) return 0;
        return VariantToLong(value);
    }
    // 0 and -1 clear the link; without a bound row nothing happens.
    void WritePreDekId(LONG id) {
        if (!this->BoundRecordset()) return;
        this->SetFieldValue(kLinkColumn, id == 0 || id == -1 ? tlx::Variant::Null() : tlx::Variant::FromLong(id));
    }
    void ClearPreDekIdLink() {
        if (this->GetFieldValue(kLinkColumn).vt != VT_NULL) this->SetFieldValue(kLinkColumn, tlx::Variant::Null());
    }
    // "Dkn_PreDekId" for a declaration, whatever its form type.
    CBstr GetPreDekIdColumn() { return BuildFieldName(this->GetDefaultColumnPrefix(), kLinkColumn); }

    // Whether the declaration may be pre-posted: a live, saved, locked declaration of a form type the
    // accounting posts, in a company that keeps full accounts with the accounting modules in use. A
    // declaration not saved yet loses its link on asking.
    bool CanPrePost() {
        if (GetRowEditState() == adEditDelete) return false;
        if (Document().ReadIdentifier() == 0) {
            SetPostingEntry(nullptr);
            return false;
        }
        if (!IsAccountingModuleInUse()) return false;
        LONG approved = Approval();
        if (approved <= 0 && approved != -2 && approved != -12) return false;
        if (!IsPostedFormType(this->ReadLong(u"TypDeklar"))) return false;
        return IsLedgerPosting();
    }

    // The linked entry: the one the row names, or a new entry of the entries collection filled with the
    // declaration's dates, number and subject; null when the declaration may not be pre-posted.
    tlx::ComPtr<IPostingEntry> EntryObject() {
        if (!CanPrePost()) return nullptr;
        LONG id = ReadPreDekId();
        EnsureEntries();
        if (id != 0 && !linkedEntry_) {
            tlx::ComPtr<IDispatch> item;
            CheckHost(entries_->Item(tlx::Variant::FromString(LongToString(id).View()), item.Out()));
            linkedEntry_ = item.template As<IPostingEntry>();
        }
        if (!linkedEntry_) {
            tlx::ComPtr<IDispatch> item;
            CheckHost(entries_->AddNew(tlx::Variant::Missing(), item.Out()));
            linkedEntry_ = item.template As<IPostingEntry>();
            if (!linkedEntry_) RaiseHResult(E_POINTER);
            CheckHost(linkedEntry_->put_Nowy(1));
            CheckHost(linkedEntry_->put_Bufor(1));
            FillEntryDates();
            CheckHost(linkedEntry_->put_NumerDokumentu(tlx::Bstr(GetSourceNumber().View()).Get()));
            CopySubjectToEntry();
        }
        tlx::ComPtr<IDokumentKsiegowany> self;
        CheckHost(this->QueryInterface(IidOf<IDokumentKsiegowany>(), self.OutVoid()));
        CheckHost(linkedEntry_->putref_DokumentZrodlowy(self.Get()));
        return linkedEntry_;
    }

    // Removes the linked entry from the accounting (the session deletes it with its next save). Mode 1
    // drops the entry and keeps the link column, 2 clears both, any other mode clears the column and
    // keeps the entry object.
    void DiscardPostingEntry(LONG mode) {
        CanPrePost();
        if (ReadPreDekId() != 0 && !linkedEntry_) EntryObject();
        if (!linkedEntry_ || EntryRowDeleted(linkedEntry_.Get())) return;
        if (!entries_) RaiseHResult(E_POINTER);
        tlx::ComPtr<IPostingEntry> entry = linkedEntry_;
        CheckHost(entries_->Delete(tlx::Variant::FromDispatch(entry.Get())));
        tlx::ComPtr<ISession2> session = Session2();
        tlx::ComPtr<ICollection> lines = EntryLines(entry.Get());
        if (ReadPreDekId() != 0 || CountItems(lines.Get()) > 0) CheckHost(session->RemoveObject(lines.Get()));
        CheckHost(session->RemoveObject(entry.Get()));
        tlx::ComPtr<ISaveable> saveable = entry.template As<ISaveable>();
        if (!saveable) RaiseHResult(E_POINTER);
        CheckHost(saveable->put_ROSaveMode(1));
        if (mode != 1) ClearPreDekIdLink();
        if (mode == 1 || mode == 2) linkedEntry_.Reset();
    }

    // Links an entry (its identifier becomes the row's link) or, given null, unlinks.
    void SetPostingEntry(IDispatch* entry) {
        if (!entry) {
            linkedEntry_.Reset();
            ClearPreDekIdLink();
            return;
        }
        tlx::ComPtr<ISessionReference> reference;
        CheckHost(Session2()->GetObjectReference(entry, reference.Out()));
        if (!reference) RaiseHResult(E_POINTER);
        tlx::ComPtr<IDispatch> object;
        CheckHost(reference->GetObject(object.Out()));
        linkedEntry_ = object.template As<IPostingEntry>();
        if (!linkedEntry_) RaiseHResult(E_POINTER);
        SetPreDekIdFromEntry(linkedEntry_.Get());
    }

    // 4 for a deleted row, otherwise the recordset's edit mode.
    LONG GetRowEditState() {
        const auto& rows = this->BoundRecordset();
        if (!rows) RaiseHResult(E_POINTER);
        LONG status = 0;
        CheckHost(rows->get_Status(&status));
        if (status == adRecDeleted || status == adRecDBDeleted) return adEditDelete;
        EditModeEnum mode{};
        CheckHost(rows->get_EditMode(&mode));
        return mode;
    }

    // Asked once: the login works with the accounting module (2) or the full accounting (10).
    bool IsAccountingModuleInUse() {
        if (modulesFlag_ < 0) {
            tlx::ComPtr<ILogin> login = Login();
            VARIANT_BOOL accounting = VARIANT_FALSE, full = VARIANT_FALSE;
            CheckHost(login->IsModuleAvailable(hostModuleKsiegowosc, &accounting));
            CheckHost(login->IsModuleAvailable(hostModuleKsiegowoscPelna, &full));
            modulesFlag_ = accounting || full ? 1 : 0;
        }
        return modulesFlag_ == 1;
    }

    // Asked once: the company keeps full accounts ("RodzajKsiegowosci" 3).
    bool IsLedgerPosting() {
        if (ledgerFlag_ < 0) ledgerFlag_ = ConfigurationNumber(u"RodzajKsiegowosci", 0) == 3 ? 1 : 0;
        return ledgerFlag_ == 1;
    }

    // One scalar query of the declaration's database. No row or NULL gives the default; a real failure
    // of the database is raised, never taken for an answer.
    tlx::Variant QueryScalarOr(const CBstr& sql, const VARIANT& fallback) {
        tlx::Variant value;
        try {
            ExecuteScalarSql(value.Out(), DocumentDispatch().Get(), sql.c_str(), false);
        } catch (const ComError& e) {
            if (e.Code() != HOST_E_NOROW) throw;
            value.Clear();
        }
        if (value.vt <= VT_NULL) {
            tlx::Variant copy;
            CheckHost(VariantCopy(copy.Out(), &fallback));
            return copy;
        }
        return value;
    }
    CDate QueryDateOr(const CBstr& sql, const CDate& fallback) {
        if (sql.IsEmpty()) return fallback;
        tlx::Variant value = QueryScalarOr(sql, tlx::Variant::FromDouble(fallback.Value()));
        return CDate(static_cast<const VARIANT&>(value));
    }

    // The declaration's document number, composed by the database.
    CBstr GetSourceNumber() {
        CBstr sql = CBstr(u"select TLX.DeklNumer(") + LongToString(Document().ReadIdentifier()) + std::u16string_view(u")");
        return VariantToBstr(QueryScalarOr(sql, tlx::Variant::FromString(u"")));
    }

    // The due date: the bank event of the declaration for PIT-36, PIT-36L and CIT-8, the database's
    // due-date function for the other forms. The date kind does not change it.
    CBstr GetDueDateSql(LONG /*kind*/) {
        CBstr id = LongToString(Document().ReadIdentifier());
        LONG type = VariantToLong(QueryScalarOr(
            CBstr(u"select DkN_TypDeklar from tlx.DeklNag where DkN_DkNID = ") + id, tlx::Variant::FromLong(0)));
        if (type == dekPIT36 || type == dekPIT36L || type == dekCIT8)
            return CBstr(u"select BZd_Termin from tlx.BnkZdarzenia where BZd_DokumentTyp = 6 and BZd_DokumentId = ") + id;
        return CBstr(u"select TLX.DeklTermin(") + id + std::u16string_view(u")");
    }

    // The accounting-step helpers of the declaration's save.
    bool IsCurrentRowDeleted() {
        const auto& rows = this->BoundRecordset();
        if (!rows) RaiseHResult(E_POINTER);
        EditModeEnum mode{};
        CheckHost(rows->get_EditMode(&mode));
        LONG status = 0;
        CheckHost(rows->get_Status(&status));
        return mode == adEditDelete || status == adRecDeleted || status == adRecDBDeleted;
    }
    void ResyncCurrentRow() {
        const auto& rows = this->BoundRecordset();
        if (!rows) RaiseHResult(E_POINTER);
        LONG status = 0;
        CheckHost(rows->get_Status(&status));
        if (status == adRecDeleted || status == adRecDBDeleted) return;
        CheckHost(rows->Resync(adAffectCurrent, adResyncUnderlyingValues));
    }
    bool IsLinkedReadOnly() {
        if (!linkedEntry_) return false;
        tlx::ComPtr<ISaveable> saveable = linkedEntry_.template As<ISaveable>();
        if (!saveable) RaiseHResult(E_POINTER);
        LONG mode = 0;
        CheckHost(saveable->get_ROSaveMode(&mode));
        return mode != 0;
    }
    LONG GetLinkedEntryNumber() {
        if (!linkedEntry_ && ReadPreDekId() == 0) return 0;
        tlx::ComPtr<IPostingEntry> entry = EntryObject();
        if (!entry) return 0;
        return CountItems(EntryLines(entry.Get()).Get());
    }
    bool HasLinkWithoutId() { return linkedEntry_ && ReadPreDekId() == 0; }

    tlx::ComPtr<IPostingEntry> linkedEntry_;
    // Set to 0 by the accounting step of saving; kept for the host, read by nothing here.
    LONG postingCounter_ = 0;

private:
    static constexpr const OLECHAR* kLinkColumn = u"PreDekId";
    // The form types the accounting posts: VAT-7, PIT-5, PIT-4, PIT-8A, CIT-2, PIT-5L, PIT-36, PIT-36L,
    // CIT-8, DRA, AKC-WW and VAT-9M. Every one takes date kind 3 under the posting-date setting 5.
    static bool IsPostedFormType(LONG type) {
        constexpr std::array<LONG, 12> kPosted{dekVAT7, dekPIT5,  dekPIT4,  dekPIT8A,   dekCIT2,   dekPIT5L,
                                               dekPIT36, dekPIT36L, dekCIT8, dekZUS_DRA, dekAKC_WW, dekVAT9M};
        for (LONG posted : kPosted)
            if (posted == type) return true;
        return false;
    }

    Owner& Document() { return static_cast<Owner&>(*this); }
    tlx::ComPtr<IDispatch> DocumentDispatch() {
        tlx::ComPtr<IDispatch> self;
        CheckHost(this->QueryInterface(IID_IDispatch, self.OutVoid()));
        return self;
    }
    LONG Approval() {
        LONG approved = 0;
        CheckHost(Document().get_Zatwierdzony(&approved));
        return approved;
    }
    tlx::ComPtr<ISession2> Session2() {
        tlx::ComPtr<ISession2> session = this->GetSession().template As<ISession2>();
        if (!session) RaiseHResult(E_POINTER);
        return session;
    }
    tlx::ComPtr<ILogin> Login() {
        tlx::ComPtr<ILogin> login;
        CheckHost(Session2()->get_Login(login.Out()));
        if (!login) RaiseHResult(E_POINTER);
        return login;
    }
    // A numeric setting of the company; the empty text gives `unset`.
    LONG ConfigurationNumber(const OLECHAR* key, LONG unset) {
        tlx::ComPtr<IDispatch> object;
        tlx::Bstr configurationClass(tlx::GuidToText(CLSID_Konfiguracja));
        CheckHost(Login()->CreateObject(configurationClass.Get(), object.Out()));
        tlx::ComPtr<IKonfiguracja> configuration = object.template As<IKonfiguracja>();
        if (!configuration) RaiseHResult(E_POINTER);
        tlx::Bstr value;
        CheckHost(configuration->GetValue(tlx::Bstr(key).Get(), value.Out()));
        if (value.Length() == 0) return unset;
        return VariantToLong(tlx::Variant::FromString(value.View()));
    }
    // Setting 1 (or none) posts on the host's working date: no query; any other the declaration's date.
    CBstr PostingDateSql() {
        LONG kind = ConfigurationNumber(u"DataKsiegowania", 1);
        if (kind == 5) kind = 3;
        return kind == 1 ? CBstr(u"") : GetDueDateSql(kind);
    }
    CDate GetDate(LONG kind) { return QueryDateOr(kind == 1 ? CBstr(u"") : GetDueDateSql(kind), GetHostToday()); }

    void EnsureEntries() {
        if (entries_) return;
        tlx::ComPtr<IDispatch> object;
        tlx::Bstr entriesClass(tlx::GuidToText(CLSID_Dekrety));
        CheckHost(Session2()->CreateObject(entriesClass.Get(), tlx::Variant::Missing(), object.Out()));
        entries_ = object.template As<ICollection>();
        if (!entries_) RaiseHResult(E_POINTER);
    }
    void FillEntryDates() {
        DATE posting = 0;
        CheckHost(DataKsiegowa(1, &posting));
        CheckHost(linkedEntry_->put_Bufor(1));
        CheckHost(linkedEntry_->put_DataKsiegowania(posting));
        CheckHost(linkedEntry_->put_DataOperacji(GetDate(6).Value()));
        CheckHost(linkedEntry_->put_DataWystawienia(GetDate(5).Value()));
    }
    void CopySubjectToEntry() {
        tlx::ComPtr<IPodmiotowy> subjectOwner;
        if (FAILED(this->QueryInterface(IidOf<IPodmiotowy>(), subjectOwner.OutVoid())) || !subjectOwner) return;
        tlx::ComPtr<IDispatch> subject;
        CheckHost(subjectOwner->get_Podmiot(subject.Out()));
        CheckHost(linkedEntry_->putref_Podmiot(subject.Get()));
    }
    void SetPreDekIdFromEntry(IPostingEntry* entry) {
        tlx::ComPtr<IIdentity> identity = tlx::ComPtr<IPostingEntry>(entry).template As<IIdentity>();
        if (!identity) RaiseHResult(E_POINTER);
        LONG id = 0;
        CheckHost(identity->get_ID(&id));
        WritePreDekId(id);
    }
    static tlx::ComPtr<ICollection> EntryLines(IPostingEntry* entry) {
        tlx::ComPtr<ICollection> lines;
        CheckHost(entry->get_Elementy(lines.Out()));
        if (!lines) RaiseHResult(E_POINTER);
        return lines;
    }
    static LONG CountItems(ICollection* collection) {
        LONG count = 0;
        CheckHost(collection->get_Count(&count));
        return count;
    }
    static bool EntryRowDeleted(IPostingEntry* entry) {
        tlx::ComPtr<IInitializeRS> bound = tlx::ComPtr<IPostingEntry>(entry).template As<IInitializeRS>();
        if (!bound) RaiseHResult(E_POINTER);
        tlx::ComPtr<Recordset> rows;
        CheckHost(bound->GetRecordset(rows.Out()));
        if (!rows) RaiseHResult(E_POINTER);
        LONG status = 0;
        CheckHost(rows->get_Status(&status));
        return status == adRecDeleted || status == adRecDBDeleted;
    }

    tlx::ComPtr<ICollection> entries_;
    LONG modulesFlag_ = -1;
    LONG ledgerFlag_ = -1;
};
