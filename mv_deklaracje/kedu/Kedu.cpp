#include "mv_deklaracje/kedu/Kedu.h"

#include "hostapi/Collections.h"
#include "mv_deklaracje/core/HostCollection.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/core/RecordColumns.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/export/ExportFile.h"
#include "mv_deklaracje/kedu/KeduExport.h"
#include "mv_deklaracje/kedu/KeduPackageFile.h"

namespace {

constexpr UINT kMsgDateRequired = 512;
constexpr UINT kMsgNameRequired = 513;
constexpr UINT kMsgNameTaken = 514;

// The fixed transfer file that Wyslij writes, on the drive the ZUS payer program reads.
constexpr char16_t kTransferFile[] = u"Z:/TEMP001.KDU";
// What Save of the host's KEDU component is given beside the file and its text.
constexpr LONG kKeduFileType = 0;
constexpr LONG kKeduFileVersion = 1;
constexpr LONG kSaved = 1;

tlx::ComPtr<IKeduPlik> CreateKeduComponent() {
    tlx::ComPtr<IKeduPlik> component;
    HRESULT hr = CoCreateInstance(CLSID_KeduComponent, nullptr, CLSCTX_ALL, IidOf<IKeduPlik>(), component.OutVoid());
    if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    if (!component) RaiseHResult(E_POINTER);
    return component;
}

}  // namespace

HRESULT CKedu::InterfaceSupportsErrorInfo(REFIID iid) { return iid == IKedu::kIid ? S_OK : S_FALSE; }

HRESULT CKedu::get_Stempel(IDispatch** stamp) {
    return ComBoundary([&] {
        RequireOut(stamp);
        *stamp = nullptr;
        tlx::ComPtr<IDispatch> held = GetStempel();
        if (!held) RaiseHResult(E_POINTER);
        held->QueryInterface(IStempel::kIid, reinterpret_cast<void**>(stamp));
    });
}

HRESULT CKedu::get_Nazwa(BSTR* value) { return GetTextColumn(*this, u"Nazwa", value); }
HRESULT CKedu::put_Nazwa(BSTR value) { return PutTextColumn(*this, u"Nazwa", value); }
HRESULT CKedu::get_Data(DATE* value) { return GetDateColumn(*this, u"Data", value); }
HRESULT CKedu::put_Data(DATE value) { return PutDateColumn(*this, u"Data", value); }
HRESULT CKedu::get_Opis(BSTR* value) { return GetTextColumn(*this, u"Opis", value); }
HRESULT CKedu::put_Opis(BSTR value) { return PutTextColumn(*this, u"Opis", value); }
HRESULT CKedu::get_Zablokowana(LONG* value) { return GetLongColumn(*this, u"Zablokowana", value); }
HRESULT CKedu::put_Zablokowana(LONG value) {
    return ComBoundary([&] { SetZablokowana(value); });
}

HRESULT CKedu::get_Deklaracje(IDispatch** declarations) {
    return ComBoundary([&] {
        RequireOut(declarations);
        *declarations = nullptr;
        tlx::ComPtr<ICollection> collection = GetDeklaracjeCollection().As<ICollection>();
        if (!collection) RaiseHResult(E_POINTER);
        *declarations = collection.As<IDispatch>().Detach();
    });
}

// A package that was saved or not, the transfer file is written only when Zapisz succeeds, and a
// failure reaches the caller.
HRESULT CKedu::Wyslij(LONG /*hWnd*/) {
    return ComBoundary([&] { SaveTo(CBstr(kTransferFile)); });
}

HRESULT CKedu::Zapisz(LONG /*hWnd*/, BSTR sFName, LONG /*bOverwrite*/, LONG* pVal) {
    return ComBoundary([&] {
        RequireOut(pVal);
        SaveTo(TextArgument(sFName));
        *pVal = kSaved;
    });
}

HRESULT CKedu::WyslijTS(BSTR sFName) {
    return ComBoundary([&] {
        const CBstr target = TextArgument(sFName);
        SplitTarget(target);  // a target without a file name is refused before anything is read
        const KeduPackageFile file(ReadIdentifier());
        file.CheckWritable();
        const CBstr text =
            file.Route() == expXML ? file.PackageXml() : file.KeduFileText(CreateKeduComponent().Get());
        // Without the host's transfer component the channel mode fails with E_FAIL.
        SendKeduDocument(text, target, CBstr(), copy_, E_FAIL);
    });
}

HRESULT CKedu::ZestawMieszany(LONG* bVal) {
    return ComBoundary([&] {
        RequireOut(bVal);
        *bVal = KeduPackageFile(ReadIdentifier()).Route();
    });
}

void CKedu::SaveTo(const CBstr& fileName) {
    const KeduPackageFile file(ReadIdentifier());
    file.CheckWritable();
    if (file.Route() == expXML) {
        // The document is built whole before the file is touched.
        const CBstr xml = file.PackageXml();
        ExportFile out(fileName);
        out.WriteLine(xml);
        out.Commit();
        return;
    }
    const CBstr documents = file.DocumentsText();
    CheckHost(CreateKeduComponent()->Save(tlx::Bstr(fileName.View()).Get(), tlx::Bstr(documents.View()).Get(),
                                          kKeduFileType, kKeduFileVersion));
}

// A row bound without a date (a new package) is dated today.
void CKedu::OnLoadRecord(LONG /*mode*/) {
    if (ReadDate(u"Data").IsEmpty()) WriteDate(u"Data", GetHostToday());
}

void CKedu::OnVerify() {
    if (ReadDate(u"Data").IsEmpty()) RaiseResourceError(kMsgDateRequired, CLSID_Kedu, ModuleResources());
    // A name of blanks is a name.
    if (GetNazwa().IsEmpty()) RaiseResourceError(kMsgNameRequired, CLSID_Kedu, ModuleResources());
}

void CKedu::OnSave(LONG mode) {
    if (!IsRecordNotDeleted()) return;
    if (mode == hostSaveCheck) CheckHost(Verify());
    else if (mode == hostSavePrepare) {
        CheckNameIsUnique();
        CheckLockReachedEveryDeclaration();
    }
}

// A package locked in this save may meanwhile have gained a declaration from another session, which its
// lock did not reach: read inside the saving transaction, where no other save can attach one, such a
// package is refused rather than locked around an unlocked declaration.
void CKedu::CheckLockReachedEveryDeclaration() {
    if (ReadLong(u"Zablokowana") == 0) return;
    const tlx::Variant before = GetStoredFieldValue(u"Zablokowana");
    if (before.vt > VT_NULL && VariantToLong(before) != 0) return;  // locked before this save
    std::u16string sql = u"select count(*) from tlx.deklnag where dkn_dkkid=" + LongToString(ReadIdentifier()).Str();
    if (!lockedDeclarations_.empty()) {
        sql += u" and dkn_dknid not in (";
        for (std::size_t i = 0; i < lockedDeclarations_.size(); ++i)
            sql += (i ? u"," : u"") + LongToString(lockedDeclarations_[i]).Str();
        sql += u")";
    }
    tlx::ComPtr<IDispatch> self;
    CheckHost(QueryInterface(IID_IDispatch, self.OutVoid()));
    tlx::Variant missed;
    ExecuteScalarSql(missed.Out(), self.Get(), CBstr(sql).c_str(), false);
    if (VariantToLong(missed) > 0)
        RaiseComError(adErrConcurrencyViolation, u"Do pliku KEDU przypięto w tym czasie deklaracje, których blokada nie "
                                                 u"objęła: odczytaj plik KEDU ponownie i zablokuj go jeszcze raz.");
}

// Names compare as the host's database compares them for the user: without regard to letter case,
// Polish letters included (the database's UPPER folds them).
void CKedu::CheckNameIsUnique() {
    const CBstr sql = CBstr(u"select count(*) from tlx.deklkedu where dkk_dkkid<>") +
                      LongToString(ReadIdentifier()) + std::u16string_view(u" and upper(dkk_nazwa)=upper(") +
                      QuoteSqlText(GetNazwa().c_str(), true) + std::u16string_view(u")");
    tlx::ComPtr<IDispatch> self;
    CheckHost(QueryInterface(IID_IDispatch, self.OutVoid()));
    tlx::Variant count;
    ExecuteScalarSql(count.Out(), self.Get(), sql.c_str(), false);
    if (VariantToLong(count) > 0) RaiseResourceError(kMsgNameTaken, CLSID_Kedu, ModuleResources());
}

bool CKedu::OnStateChange(LONG state, LONG mode) { return StampStateChange(state, mode); }

// The lock is copied to every declaration of the package through its own property; the declarations
// are saved with the session's work, not by the package.
void CKedu::SetZablokowana(LONG value) {
    WriteLong(u"Zablokowana", value);
    tlx::ComPtr<IHostEnumerator> each;
    HRESULT hr = CoCreateInstance(CLSID_CHostEnumerator, nullptr, CLSCTX_ALL, IidOf<IHostEnumerator>(), each.OutVoid());
    if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    if (!each) RaiseHResult(E_POINTER);
    CheckHost(each->Initialize(GetDeklaracjeCollection().Get()));
    lockedDeclarations_.clear();
    for (VARIANT_BOOL end = VARIANT_FALSE; CheckHost(each->IsEnd(&end)), !end; CheckHost(each->MoveNext())) {
        tlx::ComPtr<IDispatch> item;
        CheckHost(each->get_Current(item.Out()));
        tlx::ComPtr<IDeklaracja> declaration = item.As<IDeklaracja>();
        if (!declaration) RaiseHResult(E_POINTER);
        const LONG locked = static_cast<LONG>(ReadLong(u"Zablokowana"));
        LONG current = 0;
        CheckHost(declaration->get_Zablokowana(&current));
        if (current != locked) CheckHost(declaration->put_Zablokowana(locked));
        LONG id = 0;
        CheckHost(declaration->get_ID(&id));
        lockedDeclarations_.push_back(id);
    }
}

tlx::ComPtr<IDispatch> CKedu::GetDeklaracjeCollection() {
    if (!declarations_ || declarationsOf_ != ReadIdentifier()) CreateDeklaracjeCollection();
    return declarations_;
}

void CKedu::CreateDeklaracjeCollection() {
    const LONG id = ReadIdentifier();
    tlx::ComPtr<IDispatch> created;
    CheckHost(GetSession()->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_CQueryCollection)).Get(),
                                         tlx::Variant::Missing(), created.Out()));
    tlx::ComPtr<IQueryCollectionSetup> setup = created.As<IQueryCollectionSetup>();
    if (!setup) RaiseHResult(E_POINTER);
    CheckHost(setup->put_IdColumn(tlx::Bstr(u"Dkn_DknId").Get()));
    CheckHost(setup->put_SQL(
        tlx::Bstr((CBstr(u"select dkn_dknid from tlx.deklnag where dkn_dkkid=") + LongToString(id)).View()).Get()));
    CheckHost(setup->put_ItemSource(tlx::Variant::FromString(tlx::GuidToText(CLSID_Deklaracje))));
    declarations_ = created;
    declarationsOf_ = id;
}
