// The host's KEDU component (ProgID "TlxKedu.KEDU"): the documents in which every ZUS declaration keeps
// its content, addressed by block name, position and repeat, and the text form in which a declaration
// stores that content in its pages and the KEDU writers read it back.
//
// Blocks. A block is made on first use of its name: letters and digits, compared without regard to
// case, kept as first written. A position (from 1) and a repeat (from 0) address one cell; a cell never
// written holds VT_EMPTY and a get answers exactly the VARIANT put. Some forms have one repeated block,
// one per insured person or item: "DDORCA" (ZUSRCA), "DDORNA" (ZUSRNA), "DDORZA" (ZUSRZA), "DDORSA"
// (ZUSRSA), "DDORGA" (ZUSRGA), "DDOZSWA" (ZUSZSWA), "DOCRA" (ZUSZCNA, ZUSZCZA: one per family member).
// IKeduBloki::Add appends one; the repeated name followed by n (from 1) addresses the n-th appended,
// and the bare name the first (appended on first use when none is).
//
// Text form (IKeduDokument::ToString; FromString reads it back), every line ended by CR LF:
//
//     <ZUSRCA wersja="2">         the form; ` wersja="n"` only for a schema version above 1
//     <DIPL>                      each block in the order it was made; appended blocks where they
//     5261234567                  were appended, all under the repeated name without its number
//     ...                         lines 1 to the highest position written
//     </DIPL>
//     </ZUSRCA>
//
// So a block tag never stands at the first character of the text. Line k holds the values of position
// k's repeats 0, 1, 2 ... that are not empty, joined by one space (position 7 with 1 and 2 in repeats 1
// and 2 reads "1 2"). Values: integers in decimal; VT_CY and VT_R8 with a point and two decimals,
// rounded half away from zero ("0.00", "-5.00"); VT_DATE as DDMMYYYY; VT_NULL and VT_EMPTY empty;
// VT_BOOL "X" when true, empty when false; texts as they are; any other kind converted to text in the C
// locale. A text holding CR, LF, or "<" followed by a letter or "/" would break the lines or the tags and
// is refused with E_INVALIDARG naming the block and the position. FromString takes every line as the
// VT_BSTR of repeat 0, so ToString of what it read is the text it read.
//
// File (IKeduPlik::Save): BeginText(2) with the declaration's type and version added as attributes, the
// documents' texts one after another, EndText(); UTF-8, written to a temporary file that is renamed over
// the target, so a failure leaves the target as it was:
//
//     <TLXKEDU wersja="2" typ="121" wersjaDeklaracji="1">
//     <ZUSRCA>
//     ...
//     </ZUSRCA>
//     </TLXKEDU>
//
// Every failure is a COM error whose error object carries the failing interface's identifier.
#pragma once

#include "platform/com/Variant.h"

struct IKeduBlok;
struct IKeduBloki;
struct IKeduDokument;
struct IKeduDokumenty;

// One block of a document.
struct IKeduBlok : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{EF88D555-1F20-48B5-830E-705B1D393946}");
    using Base = IDispatch;
    // The cell (position from 1, repeat from 0); the default member, so a script writes b(1, 0) = v.
    virtual HRESULT get_Item(LONG position, LONG repeat, VARIANT* value) = 0;
    virtual HRESULT put_Item(LONG position, LONG repeat, VARIANT value) = 0;
    virtual HRESULT get_Nazwa(BSTR* name) = 0;

protected:
    ~IKeduBlok() = default;
};

// The blocks of a document.
struct IKeduBloki : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{122BCB50-96A4-477F-A748-3766ED763502}");
    using Base = IDispatch;
    // The block of that name (a text), made on first use; the default member.
    virtual HRESULT get_Item(VARIANT name, IKeduBlok** block) = 0;
    // Appends a repeated block of the document's form.
    virtual HRESULT Add(IKeduBlok** block) = 0;
    virtual HRESULT get_Count(LONG* count) = 0;

protected:
    ~IKeduBloki() = default;
};

// One ZUS document: a form ("ZUS" followed by letters) and its blocks.
struct IKeduDokument : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{2EEE8597-8E3F-430A-BDBB-9BA1531F76F5}");
    using Base = IDispatch;
    virtual HRESULT get_bloki(IKeduBloki** blocks) = 0;
    virtual HRESULT ToString(BSTR* text) = 0;
    // Replaces the form, version and blocks by those of a document text; a malformed text fails naming
    // its line and leaves the document as it was.
    virtual HRESULT FromString(BSTR text) = 0;
    virtual HRESULT get_Formularz(BSTR* form) = 0;

protected:
    ~IKeduDokument() = default;
};

// The documents of a component object, in the order added; Item counts from 1.
struct IKeduDokumenty : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{BCCAF4A1-CAD7-4C80-9F99-B39E2EAAD32B}");
    using Base = IDispatch;
    virtual HRESULT Add(BSTR form, IKeduDokument** document) = 0;
    // A document of that schema version (1 or more).
    virtual HRESULT AddV(BSTR form, LONG version, IKeduDokument** document) = 0;
    virtual HRESULT get_Count(LONG* count) = 0;
    virtual HRESULT get_Item(LONG index, IKeduDokument** document) = 0;

protected:
    ~IKeduDokumenty() = default;
};

// The component object: its documents and the KEDU file.
struct IKeduPlik : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{7F7B5130-36D4-4A53-B3A1-112704F95D49}");
    using Base = IDispatch;
    virtual HRESULT get_Dokumenty(IKeduDokumenty** documents) = 0;
    // Writes the file: BeginText(2) with `type` and `version` as attributes, `text` (a sequence of
    // document texts, possibly none), EndText(). A text that is not such a sequence writes nothing.
    virtual HRESULT Save(BSTR file, BSTR text, LONG type, LONG version) = 0;
    // `<TLXKEDU wersja="n">` CR LF.
    virtual HRESULT BeginText(LONG version, BSTR* text) = 0;
    // `</TLXKEDU>` CR LF.
    virtual HRESULT EndText(BSTR* text) = 0;

protected:
    ~IKeduPlik() = default;
};

inline constexpr CLSID CLSID_KeduComponent = tlx::MakeGuid(u"{BB1EAFFE-2EEA-4CEA-96D5-FF80A9F126A4}");
inline constexpr char16_t kProgIdKedu[] = u"TlxKedu.KEDU";
inline constexpr IID IID_IKeduPlik = IKeduPlik::kIid;
inline constexpr IID IID_IKeduDokumenty = IKeduDokumenty::kIid;
inline constexpr IID IID_IKeduDokument = IKeduDokument::kIid;
inline constexpr IID IID_IKeduBloki = IKeduBloki::kIid;
inline constexpr IID IID_IKeduBlok = IKeduBlok::kIid;
