// The declaration's interfaces: IDeklaracja (the record of a declaration header), IDeklaracja2 (the
// form engine, progress, links, accounting and e-declaration members), the field definitions and the
// progress events it fires.
#pragma once

#include "tlb/Common.h"

struct IDeklaracja : IRecordHead {
    static constexpr IID kIid = tlx::MakeGuid(u"{04987BB1-A8BD-4F73-A9F6-2DD424618BEF}");
    using Base = IDispatch;

    struct Dispid : RecordObjectDispid {
        static constexpr DISPID Stempel = 0xA6;
        static constexpr DISPID Kedu = 0x2711;
        static constexpr DISPID Deklaracja = 0x2712;
        static constexpr DISPID Podatnik = 0x2713;
        static constexpr DISPID Data = 0x2714;
        static constexpr DISPID TypDeklar = 0x2715;
        static constexpr DISPID Rok = 0x2716;
        static constexpr DISPID Miesiac = 0x2717;
        static constexpr DISPID Numer = 0x2718;
        static constexpr DISPID Wersja = 0x2719;
        static constexpr DISPID Zablokowana = 0x271A;
        static constexpr DISPID Tekst = 0x271B;
        static constexpr DISPID Deklaracje = 0x2725;
        static constexpr DISPID DataObowiazywaniaOd = 0x2726;
        static constexpr DISPID DataObowiazywaniaDo = 0x2727;
    };

    virtual HRESULT get_Stempel(IDispatch** stamp) = 0;  // IStempel, the host's audit stamp
    virtual HRESULT get_Kedu(IKedu** package) = 0;
    virtual HRESULT put_Kedu(IKedu* package) = 0;
    virtual HRESULT get_Deklaracja(IDeklaracja** parent) = 0;
    virtual HRESULT put_Deklaracja(IDeklaracja* parent) = 0;
    virtual HRESULT get_Podatnik(IDispatch** taxpayer) = 0;
    virtual HRESULT put_Podatnik(IDispatch* taxpayer) = 0;
    virtual HRESULT get_Data(DATE* value) = 0;
    virtual HRESULT put_Data(DATE value) = 0;
    virtual HRESULT get_TypDeklar(LONG* value) = 0;  // TypDeklarEnum
    virtual HRESULT put_TypDeklar(LONG value) = 0;
    virtual HRESULT get_Rok(LONG* value) = 0;
    virtual HRESULT put_Rok(LONG value) = 0;
    virtual HRESULT get_Miesiac(LONG* value) = 0;
    virtual HRESULT put_Miesiac(LONG value) = 0;
    virtual HRESULT get_Numer(LONG* value) = 0;
    virtual HRESULT put_Numer(LONG value) = 0;
    virtual HRESULT get_Wersja(LONG* value) = 0;
    virtual HRESULT put_Wersja(LONG value) = 0;
    virtual HRESULT get_Zablokowana(LONG* value) = 0;
    virtual HRESULT put_Zablokowana(LONG value) = 0;
    virtual HRESULT get_Tekst(BSTR* text) = 0;
    virtual HRESULT put_Tekst(BSTR text) = 0;
    virtual HRESULT get_Deklaracje(IDispatch** children) = 0;  // ICollection of the child declarations
    virtual HRESULT get_DataObowiazywaniaOd(LONG* yearMonth) = 0;
    virtual HRESULT get_DataObowiazywaniaDo(LONG* yearMonth) = 0;

protected:
    ~IDeklaracja() = default;
};

struct IDeklaracja2 : IDeklaracja {
    static constexpr IID kIid = tlx::MakeGuid(u"{A6610EE4-6909-4676-99FF-AE5230D37C27}");
    using Base = IDeklaracja;

    // Every identifier below 100000 is a member; the form's fields take 100000 plus their position.
    struct Dispid : IDeklaracja::Dispid {
        static constexpr DISPID Pracownik = 0x2777;
        static constexpr DISPID This = 0x2779;
        static constexpr DISPID WillAction = 0x277A;
        static constexpr DISPID ActionCompleted = 0x277B;
        static constexpr DISPID ActionFailed = 0x277C;
        static constexpr DISPID SendMessage = 0x41D;
        static constexpr DISPID AdviseProgress = 0x27CE;
        static constexpr DISPID UnAdviseProgress = 0x27CF;
        static constexpr DISPID DekID = 0x1EA;
        static constexpr DISPID TypZrodla = 0x4BA;
        static constexpr DISPID PodTypZrodla = 0x4BC;
        static constexpr DISPID DataKur = 0x9AA;
        static constexpr DISPID Finalna = 0x2781;
        static constexpr DISPID ParentId = 0x2788;
        static constexpr DISPID BR_ModulPlace = 0x270F;
        static constexpr DISPID Transformata = 0x4BD;
        static constexpr DISPID ImportRowID = 0x74;
        static constexpr DISPID JestemKlonem = 0x75;
        static constexpr DISPID Recordset = 0x76;
        static constexpr DISPID ConstNIP = 0x1388;
        static constexpr DISPID EDekl_RefID = 0x2328;
        static constexpr DISPID EDekl_Status = 0x2329;
        static constexpr DISPID EDekl_StatusOpis = 0x232A;
        static constexpr DISPID EDekl_Podmiot = 0x232B;
        static constexpr DISPID EDekl_DokumentID = 0x232C;
        static constexpr DISPID EDekl_DataWplyniecia = 0x232D;
        static constexpr DISPID EDekl_SkrotDokumentu = 0x232E;
        static constexpr DISPID EDekl_SkrotStruktury = 0x232F;
        static constexpr DISPID EDekl_StrukturaLogiczna = 0x2330;
        static constexpr DISPID EDekl_NIP1 = 0x2331;
        static constexpr DISPID EDekl_NIP2 = 0x2332;
        static constexpr DISPID EDekl_StempelCzasu = 0x2333;
        static constexpr DISPID EDekl_SigningTime = 0x2334;
        static constexpr DISPID EDekl_DataWyslania = 0x2335;
        static constexpr DISPID EDekl_DataOdebraniaUPO = 0x2336;
        static constexpr DISPID EDekl_OperatorWysylajacy = 0x2337;
        static constexpr DISPID EDekl_OperatorPobierajacyUPO = 0x2338;
        static constexpr DISPID EDekl_DataWyslaniaStr = 0x2339;
        static constexpr DISPID EDekl_DataOdebraniaUPOStr = 0x233A;
        static constexpr DISPID EDekl_OperatorWysylajacyKod = 0x233B;
        static constexpr DISPID EDekl_OperatorPobierajacyUPOKod = 0x233C;
        static constexpr DISPID EDekl_StatusPrzetwarzania = 0x233D;
        static constexpr DISPID WyczyscPolaEDeklaracji = 0x233E;
        static constexpr DISPID EDekl_KodUrzedu = 0x233F;
        static constexpr DISPID Seryjna = 0x41B;
        static constexpr DISPID RodzajAdresu = 0x41C;
        static constexpr DISPID Zatwierdzony = 0x440;
        static constexpr DISPID DekretLink = 0x446;
        static constexpr DISPID Write2Log = 0x7D0;
        static constexpr DISPID Wartosc = 0x2800;
        static constexpr DISPID Pole = 0x2801;
        static constexpr DISPID Policz = 0x2802;
        static constexpr DISPID InitializeClone = 0x2803;
        static constexpr DISPID ResetScript = 0x2804;
        static constexpr DISPID executeJS = 0x2805;
        static constexpr DISPID round = 0x2806;
        static constexpr DISPID ResyncKolekcje = 0x2807;
        static constexpr DISPID KwotaCalkowita = 0x2808;
        static constexpr DISPID Podmiot = 0x2809;
        static constexpr DISPID DataDok = 0x280A;
        static constexpr DISPID Termin = 0x280B;
        static constexpr DISPID Opis = 0x280C;
        static constexpr DISPID FormaPlatnosci = 0xD2;
        static constexpr DISPID UsunPracownika = 0x280D;
        static constexpr DISPID PlatnoscDokumentu = 0x280E;
        static constexpr DISPID Symbol = 0x280F;
        static constexpr DISPID DefinicjaDokumentu = 0xFA;
        static constexpr DISPID NumerPelny = 0xF6;
        static constexpr DISPID NumerString = 0xF7;
        static constexpr DISPID NumerNr = 0x2810;
        static constexpr DISPID NumerObcy = 0x2811;
        static constexpr DISPID PodAdres = 0x2812;
        static constexpr DISPID Kategoria = 0x2813;
        static constexpr DISPID Stan = 0x2814;
        static constexpr DISPID KwotaCalkowitaSys = 0x2815;
        static constexpr DISPID Waluta = 0x2816;
        static constexpr DISPID TypKursuWaluty = 0x2817;
        static constexpr DISPID KursL = 0x2818;
        static constexpr DISPID KursM = 0x2819;
        static constexpr DISPID CustomCollection01 = 0x2820;
        static constexpr DISPID CustomCollection02 = 0x2821;
        static constexpr DISPID CustomCollection03 = 0x2822;
        static constexpr DISPID CustomCollection04 = 0x2823;
        static constexpr DISPID CustomCollection05 = 0x2824;
        static constexpr DISPID CustomCollection06 = 0x2825;
    };
    static constexpr DISPID kFirstFieldDispid = 100000;

    // Header record, links and fixed answers.
    virtual HRESULT get_Pracownik(IDispatch** employee) = 0;  // IPracownik
    virtual HRESULT put_Pracownik(IDispatch* employee) = 0;
    virtual HRESULT get_This(IDeklaracja** self) = 0;
    // Progress: each fires the _IProgressEvents event of its name to the attached sinks.
    virtual HRESULT WillAction(BSTR sVal) = 0;
    virtual HRESULT ActionCompleted(BSTR sVal) = 0;
    virtual HRESULT ActionFailed(BSTR sVal) = 0;
    virtual HRESULT SendMessage(BSTR sVal) = 0;
    virtual HRESULT AdviseProgress(IUnknown* _Progress) = 0;
    virtual HRESULT UnAdviseProgress() = 0;
    virtual HRESULT get_DekID(LONG* value) = 0;
    virtual HRESULT put_DekID(LONG value) = 0;
    virtual HRESULT get_TypZrodla(LONG* value) = 0;  // TypDokumentuEnum
    virtual HRESULT get_PodTypZrodla(LONG* value) = 0;
    virtual HRESULT put_PodTypZrodla(LONG value) = 0;
    virtual HRESULT get_DataKur(DATE* value) = 0;
    virtual HRESULT put_DataKur(DATE value) = 0;
    virtual HRESULT get_Finalna(LONG* value) = 0;
    virtual HRESULT get_ParentId(LONG* value) = 0;
    virtual HRESULT put_ParentId(LONG value) = 0;
    virtual HRESULT get_BR_ModulPlace(LONG* value) = 0;
    virtual HRESULT put_BR_ModulPlace(LONG value) = 0;
    virtual HRESULT get_Transformata(BSTR* name) = 0;
    // Import and e-declaration columns of the header row.
    virtual HRESULT get_ImportRowID(BSTR* value) = 0;
    virtual HRESULT put_ImportRowID(BSTR value) = 0;
    virtual HRESULT get_JestemKlonem(LONG* value) = 0;
    virtual HRESULT get_Recordset(IDispatch** recordset) = 0;  // ADO _Recordset
    virtual HRESULT get_ConstNIP(BSTR* value) = 0;
    virtual HRESULT put_ConstNIP(BSTR value) = 0;
    virtual HRESULT get_EDekl_RefID(BSTR* value) = 0;
    virtual HRESULT put_EDekl_RefID(BSTR value) = 0;
    virtual HRESULT get_EDekl_Status(LONG* value) = 0;
    virtual HRESULT put_EDekl_Status(LONG value) = 0;
    virtual HRESULT get_EDekl_StatusOpis(BSTR* value) = 0;
    virtual HRESULT put_EDekl_StatusOpis(BSTR value) = 0;
    virtual HRESULT get_EDekl_Podmiot(BSTR* value) = 0;
    virtual HRESULT put_EDekl_Podmiot(BSTR value) = 0;
    virtual HRESULT get_EDekl_DokumentID(BSTR* value) = 0;
    virtual HRESULT put_EDekl_DokumentID(BSTR value) = 0;
    virtual HRESULT get_EDekl_DataWplyniecia(BSTR* value) = 0;
    virtual HRESULT put_EDekl_DataWplyniecia(BSTR value) = 0;
    virtual HRESULT get_EDekl_SkrotDokumentu(BSTR* value) = 0;
    virtual HRESULT put_EDekl_SkrotDokumentu(BSTR value) = 0;
    virtual HRESULT get_EDekl_SkrotStruktury(BSTR* value) = 0;
    virtual HRESULT put_EDekl_SkrotStruktury(BSTR value) = 0;
    virtual HRESULT get_EDekl_StrukturaLogiczna(BSTR* value) = 0;
    virtual HRESULT put_EDekl_StrukturaLogiczna(BSTR value) = 0;
    virtual HRESULT get_EDekl_NIP1(BSTR* value) = 0;
    virtual HRESULT put_EDekl_NIP1(BSTR value) = 0;
    virtual HRESULT get_EDekl_NIP2(BSTR* value) = 0;
    virtual HRESULT put_EDekl_NIP2(BSTR value) = 0;
    virtual HRESULT get_EDekl_StempelCzasu(BSTR* value) = 0;
    virtual HRESULT put_EDekl_StempelCzasu(BSTR value) = 0;
    virtual HRESULT get_EDekl_SigningTime(BSTR* value) = 0;
    virtual HRESULT put_EDekl_SigningTime(BSTR value) = 0;
    virtual HRESULT get_EDekl_DataWyslania(DATE* value) = 0;
    virtual HRESULT put_EDekl_DataWyslania(DATE value) = 0;
    virtual HRESULT get_EDekl_DataOdebraniaUPO(DATE* value) = 0;
    virtual HRESULT put_EDekl_DataOdebraniaUPO(DATE value) = 0;
    virtual HRESULT get_EDekl_OperatorWysylajacy(LONG* value) = 0;
    virtual HRESULT put_EDekl_OperatorWysylajacy(LONG value) = 0;
    virtual HRESULT get_EDekl_OperatorPobierajacyUPO(LONG* value) = 0;
    virtual HRESULT put_EDekl_OperatorPobierajacyUPO(LONG value) = 0;
    virtual HRESULT get_EDekl_DataWyslaniaStr(BSTR* value) = 0;
    virtual HRESULT get_EDekl_DataOdebraniaUPOStr(BSTR* value) = 0;
    virtual HRESULT get_EDekl_OperatorWysylajacyKod(BSTR* value) = 0;
    virtual HRESULT get_EDekl_OperatorPobierajacyUPOKod(BSTR* value) = 0;
    virtual HRESULT get_EDekl_StatusPrzetwarzania(StatusEDeklaracji* value) = 0;
    virtual HRESULT WyczyscPolaEDeklaracji() = 0;
    virtual HRESULT get_EDekl_KodUrzedu(BSTR* value) = 0;
    virtual HRESULT put_EDekl_KodUrzedu(BSTR value) = 0;
    virtual HRESULT get_Seryjna(LONG* value) = 0;
    virtual HRESULT put_Seryjna(LONG value) = 0;
    virtual HRESULT get_RodzajAdresu(LONG* value) = 0;
    virtual HRESULT put_RodzajAdresu(LONG value) = 0;
    // Accounting document.
    virtual HRESULT get_Zatwierdzony(LONG* value) = 0;
    virtual HRESULT get_DekretLink(IDispatch** entry) = 0;  // the host's posting decree
    virtual HRESULT put_DekretLink(IDispatch* entry) = 0;
    virtual HRESULT Write2Log(BSTR fileName) = 0;
    // The form engine: fields by name, calculation, cloning and the scripts' services.
    virtual HRESULT get_Wartosc(BSTR name, VARIANT* value) = 0;
    virtual HRESULT put_Wartosc(BSTR name, VARIANT value) = 0;
    virtual HRESULT get_Pole(BSTR name, IDekElement** element) = 0;
    virtual HRESULT Policz() = 0;
    virtual HRESULT InitializeClone(IDispatch* pattern) = 0;  // ADO _Recordset of the declaration cloned
    virtual HRESULT ResetScript() = 0;
    virtual HRESULT executeJS(BSTR name) = 0;
    virtual HRESULT round(VARIANT value, VARIANT* result) = 0;
    virtual HRESULT ResyncKolekcje() = 0;
    // Values the definition's named expressions give.
    virtual HRESULT get_KwotaCalkowita(CY* value) = 0;
    virtual HRESULT get_Podmiot(IDispatch** subject) = 0;  // IPodmiot
    virtual HRESULT get_DataDok(DATE* value) = 0;
    virtual HRESULT get_Termin(DATE* value) = 0;
    virtual HRESULT get_Opis(BSTR* value) = 0;
    virtual HRESULT get_FormaPlatnosci(IDispatch** method) = 0;  // IFormaPlatnosci
    virtual HRESULT put_FormaPlatnosci(IDispatch* method) = 0;
    virtual HRESULT UsunPracownika() = 0;
    virtual HRESULT get_PlatnoscDokumentu(IDispatch** payment) = 0;  // the host's payment
    virtual HRESULT get_Symbol(BSTR* symbol) = 0;
    // The declaration as a document of the host.
    virtual HRESULT get_DefinicjaDokumentu(IDispatch** definition) = 0;  // IDefinicjaDokumentu
    virtual HRESULT get_NumerPelny(BSTR* number) = 0;
    virtual HRESULT get_NumerString(BSTR* number) = 0;
    virtual HRESULT get_NumerNr(LONG* number) = 0;
    virtual HRESULT get_NumerObcy(BSTR* number) = 0;
    virtual HRESULT get_PodAdres(IDispatch** address) = 0;  // IPodAdres
    virtual HRESULT get_Kategoria(IDispatch** category) = 0;
    virtual HRESULT get_Stan(LONG* value) = 0;
    virtual HRESULT get_KwotaCalkowitaSys(CY* value) = 0;
    virtual HRESULT get_Waluta(IDispatch** currency) = 0;
    virtual HRESULT get_TypKursuWaluty(IDispatch** rateKind) = 0;
    virtual HRESULT get_KursL(double* value) = 0;
    virtual HRESULT get_KursM(LONG* value) = 0;
    // The side lists of VAT-UE/K, VAT-27, VAT-27K and VAT-ZD ("Niestandardowa kolekcja 01" .. "06").
    virtual HRESULT get_CustomCollection01(IDispatch** collection) = 0;  // ICollection
    virtual HRESULT get_CustomCollection02(IDispatch** collection) = 0;
    virtual HRESULT get_CustomCollection03(IDispatch** collection) = 0;
    virtual HRESULT get_CustomCollection04(IDispatch** collection) = 0;
    virtual HRESULT get_CustomCollection05(IDispatch** collection) = 0;
    virtual HRESULT get_CustomCollection06(IDispatch** collection) = 0;

protected:
    ~IDeklaracja2() = default;
};

// The module's own question to a declaration it is about to file, asked by the e-declaration object:
// whether the declaration holds changes not stored yet (its row, its stored values, its side lists), so
// that what is filed is what is stored. Not part of the type library.
struct IUnsavedChanges : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{E2160003-20A8-4557-BCAD-7B5859153E50}");
    using Base = IUnknown;
    virtual HRESULT HasUnsavedChanges(VARIANT_BOOL* pending) = 0;

protected:
    ~IUnsavedChanges() = default;
};

// One field of a form definition, made by the definition loader.
struct IDekElementInfo : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{1319726B-541A-40A9-B627-0708C3FF8FB1}");
    using Base = IDispatch;

    struct Dispid {
        static constexpr DISPID Nazwa = 100;
        static constexpr DISPID Typ = 101;
        static constexpr DISPID Lp = 102;
        static constexpr DISPID Lpw = 103;
        static constexpr DISPID Lpw2 = 104;
        static constexpr DISPID Opis = 105;
        static constexpr DISPID OnUpdate = 106;
        static constexpr DISPID Required = 107;
        static constexpr DISPID Default = 108;
        static constexpr DISPID OnGet = 109;
        static constexpr DISPID OnPut = 110;
        static constexpr DISPID Obliczane = 111;
        static constexpr DISPID DispId = 112;
        static constexpr DISPID Bookmark = 113;
    };

    virtual HRESULT get_Nazwa(BSTR* name) = 0;
    virtual HRESULT get_Typ(DekElementTypEnum* kind) = 0;
    virtual HRESULT get_Lp(LONG* number) = 0;
    virtual HRESULT get_Lpw(LONG* number) = 0;
    virtual HRESULT get_Lpw2(LONG* number) = 0;
    virtual HRESULT get_Opis(BSTR* description) = 0;
    virtual HRESULT get_OnUpdate(BSTR* code) = 0;
    virtual HRESULT get_Required(LONG* required) = 0;  // 1 or 0
    virtual HRESULT get_Default(BSTR* expression) = 0;
    virtual HRESULT get_OnGet(BSTR* expression) = 0;
    virtual HRESULT get_OnPut(BSTR* code) = 0;
    virtual HRESULT get_Obliczane(LONG* computed) = 0;  // 1 or 0
    virtual HRESULT get_DispId(LONG* dispid) = 0;
    virtual HRESULT get_Bookmark(BSTR* bookmark) = 0;
    virtual HRESULT put_Bookmark(BSTR bookmark) = 0;

protected:
    ~IDekElementInfo() = default;
};

// The declaration's field definitions by number, name and printed number, and the stored values'
// callbacks into its scripts.
struct IGetDekElementInfo : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{34232F1F-892F-42D8-82AC-BB0D8525F81D}");
    using Base = IUnknown;

    virtual HRESULT get_Info(LONG number, IDekElementInfo** info) = 0;
    virtual HRESULT CallUpdate(IDekElement* element) = 0;
    virtual HRESULT CallDefault(IDekElement* element, VARIANT* value) = 0;
    virtual HRESULT InfoStr(BSTR name, IDispatch** info) = 0;
    virtual HRESULT InfoLpw(LONG printedNumber, IDispatch** info) = 0;

protected:
    ~IGetDekElementInfo() = default;
};

// The taxpayer a document concerns.
struct IPodatnik : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{25780B5F-A5C6-4B88-9751-E3EE0887038D}");
    using Base = IUnknown;

    virtual HRESULT get_ID(LONG* value) = 0;
    virtual HRESULT get_PodatnikTyp(PodatnikTypEnum* kind) = 0;

protected:
    ~IPodatnik() = default;
};

// The progress events of a declaration and an e-declaration: a dispatch-only interface that the
// host's sink implements. SendMessage carries an integer, then a text.
struct _IProgressEvents : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{ADAD6691-4935-418F-B535-CD5EC669186B}");
    using Base = IDispatch;

    struct Dispid {
        static constexpr DISPID WillAction = 0xB0;
        static constexpr DISPID ActionCompleted = 0xB1;
        static constexpr DISPID ActionFailed = 0xB2;
        static constexpr DISPID SendMessage = 0x47F;
    };

protected:
    ~_IProgressEvents() = default;
};

inline constexpr IID DIID__IProgressEvents = _IProgressEvents::kIid;

// The display events of the host's records: a dispatch-only interface of the host's sinks. The VAT-ZD
// and VAT-27 items offer a connection point for it and fire nothing on it.
struct _IDisplayEvents : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{3732F9FB-B760-486A-A9E2-FE0769002C01}");
    using Base = IDispatch;

protected:
    ~_IDisplayEvents() = default;
};

inline constexpr IID DIID__IDisplayEvents = _IDisplayEvents::kIid;
