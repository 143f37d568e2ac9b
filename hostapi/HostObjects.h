// Small host objects the declarations create through the session: the audit stamp, the tax office,
// the payment and its form, the currency, the document definition, the subject and its address, the HR
// component, the calendar range, the script support object, and the sibling library that stores files.
#pragma once

#include "platform/com/Variant.h"

struct Recordset;  // ADO, platform/ado

// The audit stamp of a record: who created and last changed the row, and when. Bound like a record
// (IInitializeRS with the record's recordset and prefix); Save(7) (hostSavePrepare) writes the columns
// prefix + "OpeZalID" and "TS_Zal" of a new row and prefix + "OpeModID" and "TS_Mod" of every row, each
// when the table has it, with the session operator's identifier and the current time.
struct IStempel : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{AD846033-E922-49F6-A077-12DB44CA22EE}");
    using Base = IDispatch;
    virtual HRESULT get_OpeZalID(LONG* id) = 0;
    virtual HRESULT get_TS_Zal(DATE* when) = 0;
    virtual HRESULT get_OpeModID(LONG* id) = 0;
    virtual HRESULT get_TS_Mod(DATE* when) = 0;

protected:
    ~IStempel() = default;
};
inline constexpr CLSID CLSID_Stempel = tlx::MakeGuid(u"{548FED70-5669-11D4-9129-0048546C1016}");

// A tax office (TLX.Urzedy, prefix "Urz_"); the collection class answers one by "Urz_UrzID=n".
struct IUrzad : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{FE801DDF-15FC-4CD3-A3E2-F3B0A6D60B30}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Kod(BSTR* code) = 0;
    virtual HRESULT get_Nazwa1(BSTR* name) = 0;
    virtual HRESULT get_Nazwa2(BSTR* name) = 0;

protected:
    ~IUrzad() = default;
};
inline constexpr CLSID CLSID_CUrzad = tlx::MakeGuid(u"{CE0BC242-2A55-424B-BBE8-1FAE256D99D3}");

// The payment of a document: its due date and the document it pays.
struct IPlatnosc : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{73746E96-4119-4CA3-B842-9C2A089FA360}");
    using Base = IDispatch;
    virtual HRESULT get_Termin(DATE* due) = 0;
    virtual HRESULT put_Termin(DATE due) = 0;
    virtual HRESULT get_Dokument(IDispatch** document) = 0;
    virtual HRESULT putref_Dokument(IDispatch* document) = 0;

protected:
    ~IPlatnosc() = default;
};
inline constexpr CLSID CLSID_Platnosc = tlx::MakeGuid(u"{857BEBE6-FEDF-446F-9063-33C28353528A}");

// A payment form (TLX.FormyPlatnosci, prefix "FPl_"); the collection class answers one by "Fpl_FplID=n".
struct IFormaPlatnosci : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{672EA13B-24F0-4134-AEB6-BA78ED287AA0}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Nazwa(BSTR* name) = 0;
    virtual HRESULT get_Termin(LONG* days) = 0;  // days from the document date to the due date

protected:
    ~IFormaPlatnosci() = default;
};
inline constexpr CLSID CLSID_FormyPlatnosci = tlx::MakeGuid(u"{125ED7E5-3A82-4205-B826-8FD4EC452357}");

// A document definition (TLX.DokDefinicje, prefix "DDf_"); the collection class answers one by
// "Ddf_DdfID=n" or "DDF_Symbol='X'".
struct IDefinicjaDokumentu : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{613D24DE-F077-438C-B929-A831AE380FC9}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Klasa(LONG* documentClass) = 0;
    virtual HRESULT get_Symbol(BSTR* symbol) = 0;
    virtual HRESULT get_Nazwa(BSTR* name) = 0;
    // The numbering template ("@symbol/@rok_kal/@miesiac/@numerS/@rejestr").
    virtual HRESULT get_Numeracja(BSTR* pattern) = 0;

protected:
    ~IDefinicjaDokumentu() = default;
};
inline constexpr CLSID CLSID_DefinicjeDokumentow = tlx::MakeGuid(u"{6D1699A5-28BD-429A-A6A0-78EE529408C1}");

// A currency (TLX.Waluty, prefix "WNa_"); the collection class answers one by its identifier ("1" is the
// company's own currency).
struct IWaluta : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{B77227AE-3298-4560-99C4-FF30CB0C0F60}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Symbol(BSTR* symbol) = 0;
    virtual HRESULT get_Nazwa(BSTR* name) = 0;

protected:
    ~IWaluta() = default;
};
inline constexpr CLSID CLSID_Waluty = tlx::MakeGuid(u"{13AF7C7D-9807-46AF-88F6-2EC6EBC7B3B7}");

// The address of a business subject.
struct IPodAdres : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{4A49EFA2-BA3B-49E3-B43D-001D5E3C7F2A}");
    using Base = IDispatch;
    virtual HRESULT get_Street(BSTR* value) = 0;
    virtual HRESULT get_HouseNumber(BSTR* value) = 0;
    virtual HRESULT get_FlatNumber(BSTR* value) = 0;
    virtual HRESULT get_Town(BSTR* value) = 0;
    virtual HRESULT get_PostalCode(BSTR* value) = 0;
    virtual HRESULT get_PostOffice(BSTR* value) = 0;
    virtual HRESULT get_Commune(BSTR* value) = 0;
    virtual HRESULT get_District(BSTR* value) = 0;
    virtual HRESULT get_Voivodeship(BSTR* value) = 0;
    virtual HRESULT get_Country(BSTR* value) = 0;

protected:
    ~IPodAdres() = default;
};

// A business subject (the company, an employee, a contractor); its first member is its address.
struct IPodmiot : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{B0F71425-2AED-42AE-AAA4-8BF3A47FD7DC}");
    using Base = IDispatch;
    virtual HRESULT get_Adres(IPodAdres** address) = 0;
    virtual HRESULT get_Nazwa(BSTR* name) = 0;
    virtual HRESULT get_NIP(BSTR* nip) = 0;

protected:
    ~IPodmiot() = default;
};

// The HR component ("TLX.ERPHR"): which edition of the host runs.
struct IHrComponent : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{2954A3D1-6112-4A36-9257-E5DCEDA8DA93}");
    using Base = IDispatch;
    // 0 the full product, 1 and 2 the HR editions.
    virtual HRESULT GetProductKind(LONG* kind) = 0;

protected:
    ~IHrComponent() = default;
};
inline constexpr CLSID CLSID_ErpHr = tlx::MakeGuid(u"{D7A7A7A4-EE2F-4042-8102-156173B13631}");
inline constexpr char16_t kProgIdErpHr[] = u"TLX.ERPHR";

// The calendar (CCalendar): a range of days. ICalendar sets the range, ICalendarRange reads it.
struct ICalendar : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{A29D2C95-BE62-487F-B585-09CC09A7E12C}");
    using Base = IDispatch;
    // The half-open range of days [from, to).
    virtual HRESULT SetRange(DATE from, DATE to) = 0;

protected:
    ~ICalendar() = default;
};
struct ICalendarRange : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{67978DE0-E39A-4F99-A414-9E0A2D8B1E59}");
    using Base = IDispatch;
    virtual HRESULT get_Od(DATE* from) = 0;
    virtual HRESULT get_Do(DATE* to) = 0;
    // The number of days in the range (0 for a calendar without a range).
    virtual HRESULT get_LiczbaDni(LONG* days) = 0;
    // Whether a day lies in the range and is a working day (Monday to Friday).
    virtual HRESULT CzyDzienRoboczy(DATE day, VARIANT_BOOL* working) = 0;

protected:
    ~ICalendarRange() = default;
};
inline constexpr CLSID CLSID_CCalendar = tlx::MakeGuid(u"{69590B45-3078-446F-957B-6D4255FEB8BA}");

// Support functions for scripts ("TLX.ClaSupport"). Nothing is interactive: messages and dialogs are
// written to the host's log (stderr of tlxhost) and answer as if the user confirmed.
struct IClaSupport : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{624134A8-DD22-4DB1-9B11-DBF932121002}");
    using Base = IDispatch;
    virtual HRESULT Trace(BSTR text) = 0;
    virtual HRESULT Message(BSTR text, BSTR caption, LONG* answer) = 0;
    // "@D17": an OLE date as DD.MM.YYYY (the empty date as the empty text); any other picture: the
    // value converted to text.
    virtual HRESULT Format(VARIANT value, BSTR picture, BSTR* text) = 0;
    // Answers the default button (0 when there is none).
    virtual HRESULT ShowDialogBox(BSTR text, BSTR caption, LONG defaultButton, LONG* answer) = 0;

protected:
    ~IClaSupport() = default;
};
inline constexpr CLSID CLSID_ClaSupport = tlx::MakeGuid(u"{08F5F23F-B258-44D9-8351-0860439A3F3E}");
inline constexpr char16_t kProgIdClaSupport[] = u"TLX.ClaSupport";

// The host's sibling library that stores a file in a record, installed in the module library's own
// folder: its file name there and the export SaveImageFromFile. The callee takes over (and releases) the
// recordset reference and the path string; the prefix stays the caller's. Mode -1 reads the whole file; it writes the size
// into prefix + "_Rozmiar", the file name into prefix + "_Nazwa" and the bytes in base64 into
// prefix + "_Obraz" of the recordset's current row (the last two when the table has them). A failure (no
// recordset, an unreadable file) is answered as an HRESULT with an error object.
inline constexpr char kSysLibraryName[] = "libtlx_sys.so";
inline constexpr char kSaveImageFromFileExport[] = "SaveImageFromFile";
using SaveImageFromFileFn = HRESULT (*)(Recordset* recordset, BSTR prefix, LONG mode, BSTR path);
