// A declaration: the header row of TLX.DeklNag with the form engine around it. Its fields come from the
// form definition of its form type and version and are dispatch properties of their own (100000 plus
// their position); stored fields keep their values in DeklElem rows, computed ones run their script
// code. It calculates through its scripts, reports progress to the host's sink, checks itself, numbers a
// new row and rebuilds its printout lines when saved.
#pragma once

#include <array>
#include <memory>

#include "DokumentKsiegowany.h"
#include "IDokumentImpl.h"
#include "TlxBus2.h"
#include "hostapi/Collections.h"
#include "mv_deklaracje/forms/DefinicjaDeklaracji.h"
#include "platform/com/ConnectionPointContainer.h"
#include "platform/com/ProvideClassInfo.h"
#include "tlb/DispatchTables.h"

class CDeklaracja;

// IDeklaracja2 and the host's IDokument both have a DataDok property: the declaration's answers what the
// form's "datadok" expression gives, the host document's answers the empty date. IDeklaracja2's goes
// through a name of its own so that one member does not answer both.
struct IDeklaracja2Slots : IDeklaracja2 {
    HRESULT get_DataDok(DATE* value) final { return DataDokumentu(value); }
    virtual HRESULT DataDokumentu(DATE* value) = 0;

protected:
    ~IDeklaracja2Slots() = default;
};

using CDeklaracjaRecord =
    ISQLObjectImpl<CDeklaracja, IDeklaracja2Slots, IGetDekElementInfo, IUnsavedChanges, tlx::ConnectionPointContainer,
                   IIdentity, IMirvakObjectTypeInfo, IDokumentSlots, IDokumentKsiegowany, IPodmiotowy, IInitializeClone,
                   tlx::ProvideClassInfo2<&DIID__IProgressEvents>, IKategoryczny, IPodatnik>;
using CDeklaracjaDocument = CDokumentKsiegowany<CDeklaracja, IDokumentImpl<CDeklaracjaRecord>>;

class CDeklaracja final : public IIdentityImpl<CDeklaracja, CDeklaracjaDocument> {
public:
    using CDeklaracjaRecord::GetFieldValue;

    static constexpr const OLECHAR* kColumnPrefix = u"Dkn_";

    // `resources` holds the form definitions and scripts (the module's own unless told otherwise).
    explicit CDeklaracja(HMODULE resources = ModuleResources());
    ~CDeklaracja() override;

    LONG ReadIdentifier() { return ReadLong(u"DknId"); }

    // IDispatch: the type library's members first, then the form's fields by name and position.
    HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argError) override;
    HRESULT GetMemberKinds(DISPID id, WORD* kinds, UINT* arguments, UINT* required) override;

    // IDeklaracja
    HRESULT get_ID(LONG* value) override;
    HRESULT get_Stempel(IDispatch** stamp) override;
    HRESULT get_Kedu(IKedu** package) override;
    HRESULT put_Kedu(IKedu* package) override;
    HRESULT get_Deklaracja(IDeklaracja** parent) override;
    HRESULT put_Deklaracja(IDeklaracja* parent) override;
    HRESULT get_Podatnik(IDispatch** taxpayer) override;
    HRESULT put_Podatnik(IDispatch* taxpayer) override;
    HRESULT get_Data(DATE* value) override;
    HRESULT put_Data(DATE value) override;
    HRESULT get_TypDeklar(LONG* value) override;
    HRESULT put_TypDeklar(LONG value) override;
    HRESULT get_Rok(LONG* value) override;
    HRESULT put_Rok(LONG value) override;
    HRESULT get_Miesiac(LONG* value) override;
    HRESULT put_Miesiac(LONG value) override;
    HRESULT get_Numer(LONG* value) override;
    HRESULT put_Numer(LONG value) override;
    HRESULT get_Wersja(LONG* value) override;
    HRESULT put_Wersja(LONG value) override;
    HRESULT get_Zablokowana(LONG* value) override;
    HRESULT put_Zablokowana(LONG value) override;
    HRESULT get_Tekst(BSTR* text) override;
    HRESULT put_Tekst(BSTR text) override;
    HRESULT get_Deklaracje(IDispatch** children) override;
    HRESULT get_DataObowiazywaniaOd(LONG* yearMonth) override;
    HRESULT get_DataObowiazywaniaDo(LONG* yearMonth) override;

    // IDeklaracja2: header record, links and fixed answers
    HRESULT get_Pracownik(IDispatch** employee) override;
    HRESULT put_Pracownik(IDispatch* employee) override;
    HRESULT get_This(IDeklaracja** self) override;
    HRESULT WillAction(BSTR sVal) override;
    HRESULT ActionCompleted(BSTR sVal) override;
    HRESULT ActionFailed(BSTR sVal) override;
    HRESULT SendMessage(BSTR sVal) override;
    HRESULT AdviseProgress(IUnknown* _Progress) override;
    HRESULT UnAdviseProgress() override;
    HRESULT get_DekID(LONG* value) override;
    HRESULT put_DekID(LONG value) override;
    HRESULT get_TypZrodla(LONG* value) override;
    HRESULT get_PodTypZrodla(LONG* value) override;
    HRESULT put_PodTypZrodla(LONG value) override;
    HRESULT get_DataKur(DATE* value) override;
    HRESULT put_DataKur(DATE value) override;
    HRESULT get_Finalna(LONG* value) override;
    HRESULT get_ParentId(LONG* value) override;
    HRESULT put_ParentId(LONG value) override;
    HRESULT get_BR_ModulPlace(LONG* value) override;
    HRESULT put_BR_ModulPlace(LONG value) override;
    HRESULT get_Transformata(BSTR* name) override;
    HRESULT get_ImportRowID(BSTR* value) override;
    HRESULT put_ImportRowID(BSTR value) override;
    HRESULT get_JestemKlonem(LONG* value) override;
    HRESULT get_Recordset(IDispatch** recordset) override;
    HRESULT get_ConstNIP(BSTR* value) override;
    HRESULT put_ConstNIP(BSTR value) override;
    HRESULT get_EDekl_RefID(BSTR* value) override;
    HRESULT put_EDekl_RefID(BSTR value) override;
    HRESULT get_EDekl_Status(LONG* value) override;
    HRESULT put_EDekl_Status(LONG value) override;
    HRESULT get_EDekl_StatusOpis(BSTR* value) override;
    HRESULT put_EDekl_StatusOpis(BSTR value) override;
    HRESULT get_EDekl_Podmiot(BSTR* value) override;
    HRESULT put_EDekl_Podmiot(BSTR value) override;
    HRESULT get_EDekl_DokumentID(BSTR* value) override;
    HRESULT put_EDekl_DokumentID(BSTR value) override;
    HRESULT get_EDekl_DataWplyniecia(BSTR* value) override;
    HRESULT put_EDekl_DataWplyniecia(BSTR value) override;
    HRESULT get_EDekl_SkrotDokumentu(BSTR* value) override;
    HRESULT put_EDekl_SkrotDokumentu(BSTR value) override;
    HRESULT get_EDekl_SkrotStruktury(BSTR* value) override;
    HRESULT put_EDekl_SkrotStruktury(BSTR value) override;
    HRESULT get_EDekl_StrukturaLogiczna(BSTR* value) override;
    HRESULT put_EDekl_StrukturaLogiczna(BSTR value) override;
    HRESULT get_EDekl_NIP1(BSTR* value) override;
    HRESULT put_EDekl_NIP1(BSTR value) override;
    HRESULT get_EDekl_NIP2(BSTR* value) override;
    HRESULT put_EDekl_NIP2(BSTR value) override;
    HRESULT get_EDekl_StempelCzasu(BSTR* value) override;
    HRESULT put_EDekl_StempelCzasu(BSTR value) override;
    HRESULT get_EDekl_SigningTime(BSTR* value) override;
    HRESULT put_EDekl_SigningTime(BSTR value) override;
    HRESULT get_EDekl_DataWyslania(DATE* value) override;
    HRESULT put_EDekl_DataWyslania(DATE value) override;
    HRESULT get_EDekl_DataOdebraniaUPO(DATE* value) override;
    HRESULT put_EDekl_DataOdebraniaUPO(DATE value) override;
    HRESULT get_EDekl_OperatorWysylajacy(LONG* value) override;
    HRESULT put_EDekl_OperatorWysylajacy(LONG value) override;
    HRESULT get_EDekl_OperatorPobierajacyUPO(LONG* value) override;
    HRESULT put_EDekl_OperatorPobierajacyUPO(LONG value) override;
    HRESULT get_EDekl_DataWyslaniaStr(BSTR* value) override;
    HRESULT get_EDekl_DataOdebraniaUPOStr(BSTR* value) override;
    HRESULT get_EDekl_OperatorWysylajacyKod(BSTR* value) override;
    HRESULT get_EDekl_OperatorPobierajacyUPOKod(BSTR* value) override;
    HRESULT get_EDekl_StatusPrzetwarzania(StatusEDeklaracji* value) override;
    HRESULT WyczyscPolaEDeklaracji() override;
    HRESULT get_EDekl_KodUrzedu(BSTR* value) override;
    HRESULT put_EDekl_KodUrzedu(BSTR value) override;
    HRESULT get_Seryjna(LONG* value) override;
    HRESULT put_Seryjna(LONG value) override;
    HRESULT get_RodzajAdresu(LONG* value) override;
    HRESULT put_RodzajAdresu(LONG value) override;
    HRESULT get_Zatwierdzony(LONG* value) override;
    HRESULT get_DekretLink(IDispatch** entry) override;
    HRESULT put_DekretLink(IDispatch* entry) override;
    HRESULT Write2Log(BSTR fileName) override;

    // IDeklaracja2: the form engine
    HRESULT get_Wartosc(BSTR name, VARIANT* value) override;
    HRESULT put_Wartosc(BSTR name, VARIANT value) override;
    HRESULT get_Pole(BSTR name, IDekElement** element) override;
    HRESULT Policz() override;
    HRESULT InitializeClone(IDispatch* pattern) override;
    HRESULT ResetScript() override;
    HRESULT executeJS(BSTR name) override;
    HRESULT round(VARIANT value, VARIANT* result) override;
    HRESULT ResyncKolekcje() override;
    HRESULT get_KwotaCalkowita(CY* value) override;
    HRESULT get_Podmiot(IDispatch** subject) override;
    HRESULT DataDokumentu(DATE* value) override;
    HRESULT get_Termin(DATE* value) override;
    HRESULT get_Opis(BSTR* value) override;
    HRESULT get_FormaPlatnosci(IDispatch** method) override;
    HRESULT put_FormaPlatnosci(IDispatch* method) override;
    HRESULT UsunPracownika() override;
    HRESULT get_PlatnoscDokumentu(IDispatch** payment) override;
    HRESULT get_Symbol(BSTR* symbol) override;
    HRESULT get_DefinicjaDokumentu(IDispatch** definition) override;
    HRESULT get_NumerPelny(BSTR* number) override;
    HRESULT get_NumerString(BSTR* number) override;
    HRESULT get_NumerNr(LONG* number) override;
    HRESULT get_NumerObcy(BSTR* number) override;
    HRESULT get_PodAdres(IDispatch** address) override;
    // Also IKategoryczny's: a declaration belongs to no category, and none can be set.
    HRESULT get_Kategoria(IDispatch** category) override;
    HRESULT putref_Kategoria(IDispatch* category) override;
    HRESULT get_Stan(LONG* value) override;
    HRESULT get_KwotaCalkowitaSys(CY* value) override;
    HRESULT get_Waluta(IDispatch** currency) override;
    HRESULT get_TypKursuWaluty(IDispatch** rateKind) override;
    HRESULT get_KursL(double* value) override;
    HRESULT get_KursM(LONG* value) override;
    HRESULT get_CustomCollection01(IDispatch** collection) override;
    HRESULT get_CustomCollection02(IDispatch** collection) override;
    HRESULT get_CustomCollection03(IDispatch** collection) override;
    HRESULT get_CustomCollection04(IDispatch** collection) override;
    HRESULT get_CustomCollection05(IDispatch** collection) override;
    HRESULT get_CustomCollection06(IDispatch** collection) override;

    // IUnsavedChanges
    HRESULT HasUnsavedChanges(VARIANT_BOOL* pending) override;

    // IGetDekElementInfo
    HRESULT get_Info(LONG number, IDekElementInfo** info) override;
    HRESULT CallUpdate(IDekElement* element) override;
    HRESULT CallDefault(IDekElement* element, VARIANT* value) override;
    HRESULT InfoStr(BSTR name, IDispatch** info) override;
    HRESULT InfoLpw(LONG printedNumber, IDispatch** info) override;

    // IPodatnik: the identifier is the declaration's own (get_ID); the kind of taxpayer is not told.
    HRESULT get_PodatnikTyp(PodatnikTypEnum* kind) override;

    // IPodmiotowy: the subject is the form's own; setting one changes nothing.
    HRESULT put_Podmiot(IDispatch* subject) override;
    // IInitializeClone: the host's road to InitializeClone.
    HRESULT InitializeClone(Recordset* pattern) override;

protected:
    CBstr GetDefaultColumnPrefix() override { return CBstr(kColumnPrefix); }
    // Identity descriptors: the kind of object (30000 + form type), the form version and the last day
    // of the declaration's period.
    LONG IdentityObjectType() override;
    LONG IdentityObjectVersion() override;
    double IdentityDocumentDate() override;
    // Registers the declaration with its session (core/LiveDeclarations).
    void OnInitialize() override;
    void OnLoadRecord(LONG mode) override;
    void OnVerify() override;
    void OnSave(LONG mode) override;
    bool OnStateChange(LONG state, LONG mode) override;
    void OnDelete2() override;
    // Identity descriptors of the number, period and subject (DeklaracjaIdentity.cpp).
    CBstr IdentityNumber() override;
    CBstr IdentityPeriod() override;
    LONG IdentitySubjectType() override;
    LONG IdentitySubjectID() override;
    CBstr IdentitySubjectName() override;

private:
    // The child collections, each built on first use with its query bound to the declaration's id.
    enum class Child { Declarations, Pages, Elements, Printouts };

    // Fields (DeklaracjaFields.cpp).
    tlx::ComPtr<CDekElementInfo> FindFieldDefinitionByName(const CBstr& name);
    tlx::Variant GetFieldValue(CDekElementInfo& field);
    void PutFieldValue(CDekElementInfo& field, const VARIANT& value);
    tlx::ComPtr<IDekElement> GetFieldElement(CDekElementInfo& field);
    HRESULT InvokeField(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception);

    // Events and calculation (DeklaracjaEvents.cpp).
    tlx::Variant FireFormEvent(const CBstr& name);
    void CheckFormValidityPeriod();
    HRESULT Fire(DISPID event, BSTR text, bool withLevel);
    void WritePeriod(LONG rokMiesiac);

    // Loading and saving (DeklaracjaSave.cpp).
    void EnsureFormLoaded();
    void BindElementsToFields(bool createMissing);
    void AssignNumber();
    void ForgetPendingNumber();
    bool RowToSave();
    void RefuseWhileSentElsewhere();
    void AdvanceVersionStamp();
    void RebuildPrintouts();
    void CheckCitAvailable();

    // Children and links (DeklaracjaChildren.cpp).
    tlx::ComPtr<ICollection> ChildCollection(Child which);
    tlx::ComPtr<ISessionReference> CreateLinkedObject(const CLSID& objectClass, const OLECHAR* column);
    void ReloadEmployee();
    tlx::ComPtr<IDispatch> Employee();
    void SetKeduPackage(IKedu* package);
    void RefuseLockedPackage();
    void WriteLock(LONG value);
    tlx::ComPtr<IDispatch> Self();

    // Cloning, page text, payment (DeklaracjaClone.cpp).
    void CloneFrom(Recordset* pattern);
    // The payment form of the first item of the declaration's payment; none without items.
    tlx::ComPtr<IDispatch> PaymentFormOfFirstItem();
    void CopyHeaderFrom(Recordset* pattern);
    CBstr ReadPageText();
    void WritePageText(std::u16string_view text);
    tlx::ComPtr<IDispatch> Payment();

    // Record members and the accounting step of saving (DeklaracjaRecord.cpp, DeklaracjaPosting.cpp).
    tlx::ComPtr<ISerwisDeklaracji> GetDeclarationService();
    CDate GetPaymentDate();
    void UpdateAccountingLinkOnSave(LONG mode, LONG editMode);
    void DeletePreDocument(LONG id);
    void ResetChildScripts();

    // E-declaration (DeklaracjaEDeklaracja.cpp).
    CBstr StoredTimeText(const OLECHAR* column);
    CBstr OperatorCode(const OLECHAR* column);
    void ClearEDeklarationColumns();

    // Pending changes of the child collections (DeklaracjaPending.cpp).
    bool ChildrenHavePendingChanges();
    void RemoveRowsOfDeletedDeclaration();

    // Links to single objects (DeklaracjaLinks.cpp).
    enum class Link { Kedu, Parent, Employee, Dekret, Count };
    tlx::ComPtr<ISessionReference>& LinkReference(Link which);
    tlx::ComPtr<IDispatch> LinkedObject(Link which);
    void LoadLink(Link which);
    tlx::ComPtr<IDispatch> FindLink(Link which);
    tlx::ComPtr<IDispatch> ReadLink(Link which);
    void WriteLink(Link which, IDispatch* object);
    void WriteLinkColumn(Link which, LONG id);
    void CarryLinksThroughSave(LONG mode);

    // VAT sub-lists (DeklaracjaSubLists.cpp).
    HRESULT GetCustomCollection(int index, IDispatch** collection);
    void GiveSubListsTheirParent(LONG id);

    // Column helpers shared by the header members.
    HRESULT GetLong(const OLECHAR* column, LONG* out);
    HRESULT PutLong(const OLECHAR* column, LONG value);
    HRESULT GetText(const OLECHAR* column, BSTR* out);
    HRESULT PutText(const OLECHAR* column, BSTR value);
    HRESULT GetDate(const OLECHAR* column, DATE* out);
    HRESULT PutDate(const OLECHAR* column, DATE value);
    HRESULT PutDateTime(const OLECHAR* column, DATE value);
    LONG RokMiesiac();

    tlx::ConnectionPoint& progress_;
    DWORD adviseCookie_ = 0;
    CDefinicjaDeklaracji definition_;
    tlx::ComPtr<ICollection> children_[4];
    tlx::ComPtr<ICollection> subLists_[6];
    tlx::ComPtr<ISerwisDeklaracji> dataService_;
    tlx::ComPtr<ISessionReference> currency_;
    tlx::ComPtr<ISessionReference> payment_;
    tlx::ComPtr<ISessionReference> employee_;
    tlx::ComPtr<ISessionReference> kedu_;
    tlx::ComPtr<ISessionReference> parent_;
    tlx::ComPtr<ISessionReference> dekret_;
    // The links as they stood at hostSaveCheck, by Link, put back if the save is rolled back.
    std::array<tlx::ComPtr<ISessionReference>, static_cast<std::size_t>(Link::Count)> savedLinks_;
    tlx::ComPtr<IDispatch> formaPlatnosci_;
    LONG brModulPlace_ = 0;
    LONG seryjna_ = 0;
    LONG rodzajAdresu_ = -1;
    LONG jestemKlonem_ = 0;
    LONG lockedAtLoad_ = 0;
    LONG suppressEvents_ = 0;
};
