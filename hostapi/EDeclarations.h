// The host's e-declaration components the module asks before filing: the schema repository, which may
// hold newer stylesheets and answers a form's schema namespace, and the validator, which checks a
// finished document against its form's schema.
#pragma once

#include "platform/com/Variant.h"

// The schema repository (ProgID "TLXNET.SchemaRepository"). A new instance serves each call of the
// module. Members in slot order; slot 7 is an operation the module does not call.
struct ISchemaRepository : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{F1166A57-D7F9-49F9-9EAF-3F2B73FD2320}");
    using Base = IDispatch;
    virtual HRESULT Reserved() = 0;
    // True when the repository's check for updates has already run (the module then reports nothing).
    virtual HRESULT UpdateChecked(VARIANT_BOOL* checked) = 0;
    // The full text of a newer stylesheet of that transform name, or the empty text.
    virtual HRESULT GetTransform(BSTR transformName, BSTR* stylesheet) = 0;
    // The namespace URI of a form's schema, or the empty text.
    virtual HRESULT GetNamespace(LONGLONG formType, LONGLONG version, LONGLONG year, LONGLONG month,
                                 BSTR* namespaceUri) = 0;
    // The outcome of the update check: 1 success, anything else failure (then UpdateError says why).
    virtual HRESULT UpdateStatus(LONG* status) = 0;
    virtual HRESULT UpdateError(BSTR* text) = 0;
    // Offered each PIT or CIT attachment before the module places it: true when the repository has put
    // the child's document (its form type and number given) into the main document itself.
    virtual HRESULT AddAttachment(IDispatch* mainDocument, IDispatch* childDocument, LONG childType, LONG number,
                                  VARIANT_BOOL* added) = 0;

protected:
    ~ISchemaRepository() = default;
};

// The e-declaration validator (ProgID "TLX.EdeklaracjeValidator").
struct IEdeklaracjeValidator : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{87347F53-07DE-4E0F-8758-F3EE6461F4E2}");
    using Base = IDispatch;
    // Checks the document's XML text against the schema of its root's namespace; `edeklaracja` is the
    // calling e-declaration object (VT_DISPATCH) or empty. Answers the empty text for a valid document
    // or one whose namespace has no schema in the host's store, else one error per line ("wiersz N: ...")
    // joined by CR LF. A text that does not parse, or that declares a DTD or an external entity, answers
    // its one error line.
    virtual HRESULT Validate(BSTR xml, VARIANT edeklaracja, BSTR* errors) = 0;

protected:
    ~IEdeklaracjeValidator() = default;
};

inline constexpr CLSID CLSID_SchemaRepository = tlx::MakeGuid(u"{6C0E5B1A-3D2F-4E8B-9A41-7F2D5C8E0B13}");
inline constexpr char16_t kProgIdSchemaRepository[] = u"TLXNET.SchemaRepository";
inline constexpr CLSID CLSID_EdeklaracjeValidator = tlx::MakeGuid(u"{2B7D9E4C-8A15-4F63-B0C2-5E9A1D3F6C77}");
inline constexpr char16_t kProgIdEdeklaracjeValidator[] = u"TLX.EdeklaracjeValidator";
