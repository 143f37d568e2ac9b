// The host's accounting: the accounting-document interface a postable document implements, the
// pre-posting entry and the collection class of entries.
#pragma once

#include "platform/com/Variant.h"

struct ICollection;

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
