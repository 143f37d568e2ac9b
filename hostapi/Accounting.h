// The host's accounting: the accounting-document interface a postable document implements, the
// pre-posting entry and the collection class of entries, the payment and its form, the currency, the
// document definition and the audit stamp of a record.
#pragma once

#include "platform/com/Variant.h"

struct ICollection;
struct Recordset;  // ADO, platform/ado

// An accounting entry prepared for a document before it is booked (a pre-posting entry). Some callers
// call this interface IPreDekret; it is one interface under the name IPostingEntry here. The members
// stand in slot order; the comments give the slot of each in the host's table of the interface. The
// entry also answers IIdentity (its identifier), IInitializeRS (its recordset) and ISaveable.
struct IPostingEntry : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{50570A84-6668-479A-8DDB-BD1F5924A904}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;                                // slot 7
    virtual HRESULT putref_Podmiot(IDispatch* subject) = 0;              // slot 16: business subject
    virtual HRESULT put_Bufor(LONG inBuffer) = 0;                        // slot 20: 1 keeps it unbooked
    virtual HRESULT put_Nowy(LONG isNew) = 0;                            // slot 49: 1 marks a new entry
    virtual HRESULT put_DataKsiegowania(DATE date) = 0;                  // slot 51: posting date
    virtual HRESULT put_DataOperacji(DATE date) = 0;                     // slot 53: date of kind 6
    virtual HRESULT put_DataWystawienia(DATE date) = 0;                  // slot 55: date of kind 5
    virtual HRESULT put_NumerDokumentu(BSTR number) = 0;                 // slot 57: source document number
    virtual HRESULT get_Elementy(ICollection** items) = 0;               // slot 86: the entry's lines
    virtual HRESULT putref_DokumentZrodlowy(IUnknown* document) = 0;     // slot 93: IDokumentKsiegowany

protected:
    ~IPostingEntry() = default;
};
using IPreDekret = IPostingEntry;

// A document the host's accounting can post; derived from IUnknown, so member n is slot n + 2. Members
// named differently by some callers, one name each here: PreDekId get/put (members 5, 6), the entry
// object (get_PreDekret), LinkPostingEntry (SetPreDekret, the same as PrzypiszPreDekret), CanPrePost
// (get_DoKsiegowania), PostingState, DiscardPostingEntry (UsunPreDekret), the due-date member
// (DataKsiegowa), SetPostingEntry (PrzypiszPreDekret).
struct IDokumentKsiegowany : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{7AB31AEE-CF2F-4F95-849E-F5C4A9F9B91D}");
    using Base = IUnknown;
    virtual HRESULT get_ID(LONG* id) = 0;                                // 1
    virtual HRESULT get_NumerPelny(BSTR* number) = 0;                    // 2
    virtual HRESULT get_DekID(LONG* id) = 0;                             // 3
    virtual HRESULT put_DekID(LONG id) = 0;                              // 4
    virtual HRESULT get_PreDekId(LONG* id) = 0;                          // 5
    virtual HRESULT put_PreDekId(LONG id) = 0;                           // 6
    virtual HRESULT get_Zatwierdzony(LONG* state) = 0;                   // 7
    virtual HRESULT get_DekretLink(IDispatch** entry) = 0;               // 8
    virtual HRESULT put_DekretLink(IDispatch* entry) = 0;                // 9
    virtual HRESULT get_PreDekret(IPostingEntry** entry) = 0;            // 10
    virtual HRESULT SetPreDekret(IDispatch* entry) = 0;                  // 11
    virtual HRESULT get_TypZrodla(LONG* kind) = 0;                       // 12
    virtual HRESULT get_PodTypZrodla(LONG* subKind) = 0;                 // 13
    virtual HRESULT put_PodTypZrodla(LONG subKind) = 0;                  // 14
    virtual HRESULT get_DoKsiegowania(LONG* postable) = 0;               // 15
    virtual HRESULT get_PostingState(LONG* state) = 0;                   // 16
    virtual HRESULT get_IdentKsieg(BSTR* ident) = 0;                     // 17
    virtual HRESULT UsunPreDekret(LONG mode) = 0;                        // 18
    virtual HRESULT DataKsiegowa(LONG kind, DATE* date) = 0;             // 19
    virtual HRESULT PrzypiszPreDekret(IDispatch* entry) = 0;             // 20
    virtual HRESULT get_PostingEntry(IPostingEntry** entry) = 0;         // 21
    virtual HRESULT AddPostingEntry(IDispatch* entry) = 0;               // 22

protected:
    ~IDokumentKsiegowany() = default;
};

// The collection class of accounting entries (TLX.Dekrety). Created with an identifier it answers the
// entry of that identifier.
inline constexpr CLSID CLSID_Dekrety = tlx::MakeGuid(u"{0DE073FD-A53A-443F-99DC-450FB3BB5FAA}");
inline constexpr IID IID_IPostingEntry = IPostingEntry::kIid;
inline constexpr IID IID_IDokumentKsiegowany = IDokumentKsiegowany::kIid;

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

// The payment of a document: its due date, the document it pays and its items (IPlatnoscPozycja), the
// first of which gives the document's payment form.
struct IPlatnosc : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{73746E96-4119-4CA3-B842-9C2A089FA360}");
    using Base = IDispatch;
    virtual HRESULT get_Termin(DATE* due) = 0;
    virtual HRESULT put_Termin(DATE due) = 0;
    virtual HRESULT get_Dokument(IDispatch** document) = 0;
    virtual HRESULT putref_Dokument(IDispatch* document) = 0;
    virtual HRESULT get_Pozycje(ICollection** items) = 0;

protected:
    ~IPlatnosc() = default;
};
inline constexpr CLSID CLSID_Platnosc = tlx::MakeGuid(u"{857BEBE6-FEDF-446F-9063-33C28353528A}");

// One item of a payment: the payment form it is paid by (IFormaPlatnosci, or none).
struct IPlatnoscPozycja : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{3C0F6A52-8E1D-4B7A-9F25-6D4E21B8A7C3}");
    using Base = IDispatch;
    virtual HRESULT get_FormaPlatnosci(IDispatch** method) = 0;
    virtual HRESULT putref_FormaPlatnosci(IDispatch* method) = 0;

protected:
    ~IPlatnoscPozycja() = default;
};

// A payment form (TLX.FormyPlatnosci, prefix "FPl_"); the collection class answers one by "Fpl_FplID=n".
struct IFormaPlatnosci : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{672EA13B-24F0-4134-AEB6-BA78ED287AA0}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Nazwa(BSTR* name) = 0;
    virtual HRESULT get_Termin(LONG* days) = 0;  // days from the document date to the due date
    // A blocked form may no longer be chosen for new documents.
    virtual HRESULT get_Zablokowana(VARIANT_BOOL* blocked) = 0;

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
