// The host's e-declaration components: the schema repository, which may hold newer stylesheets and
// answers a form's schema namespace, the validator, which checks a finished document against its form's
// schema, and the gateway to the tax office's web service, which files a document and fetches its
// official receipt.
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

// What the tax office's service answered to a send. Members in slot order; the unnamed slots are
// operations the module does not call.
struct IGatewaySendResult : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{D30A291B-2854-4C77-B58D-223D12D7A90D}");
    using Base = IDispatch;
    virtual HRESULT RefId(BSTR* referenceNumber) = 0;  // empty when the service gave none
    virtual HRESULT Reserved8() = 0;
    virtual HRESULT StatusCode(LONG* code) = 0;
    virtual HRESULT Reserved10() = 0;
    virtual HRESULT StatusText(BSTR* text) = 0;
    virtual HRESULT Reserved12() = 0;
    virtual HRESULT Success(VARIANT_BOOL* success) = 0;  // false: the service was not reached or refused
    virtual HRESULT ErrorText(BSTR* text) = 0;            // why, when not successful

protected:
    ~IGatewaySendResult() = default;
};

// What the service answered to a receipt request; status 200 carries the receipt.
struct IGatewayUpoResult : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{5B0E7D21-6C3A-4F8E-9D17-2A4C8E6F0B35}");
    using Base = IDispatch;
    virtual HRESULT Reserved7() = 0;
    virtual HRESULT StatusText(BSTR* text) = 0;
    virtual HRESULT StatusCode(LONG* code) = 0;
    virtual HRESULT Upo(BSTR* receiptXml) = 0;
    virtual HRESULT Success(VARIANT_BOOL* success) = 0;
    virtual HRESULT ErrorText(BSTR* text) = 0;

protected:
    ~IGatewayUpoResult() = default;
};

// The gateway to the tax office's web service: configured by its setters, then one send or receipt
// request. A new instance serves each call of the module. Members in slot order.
// The calls answer their COM error for bad arguments, and a send answers HOST_E_GATEWAYNOANSWER (no
// result) when its document left but no answer came back (a time-out, a broken connection, an answer
// too long to read): the document may have reached the office. A service that cannot be reached (nothing
// sent), an HTTP error or a SOAP fault is a result whose Success is false and whose ErrorText says why, as
// is a receipt request without an answer; an answer that carries no response element is no result (null).
// There is no default address.
struct IEDeklaracjeGateway : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{3076CA7A-7C90-4F14-B186-F9C4DF4CF369}");
    using Base = IDispatch;
    virtual HRESULT Reserved7() = 0;
    virtual HRESULT SetAddress(BSTR address) = 0;
    virtual HRESULT Reserved9() = 0;
    virtual HRESULT Reserved10() = 0;
    virtual HRESULT Reserved11() = 0;
    virtual HRESULT Reserved12() = 0;
    // The receipt of a sent document by its reference number; `language` is "pl".
    virtual HRESULT RequestUpo(BSTR refId, BSTR reserved, BSTR language, IGatewayUpoResult** result) = 0;
    virtual HRESULT Reserved14() = 0;
    virtual HRESULT Reserved15() = 0;
    // A document with its authorisation data, as XML text; it goes out as its UTF-8 bytes. `reserved` and
    // `options` are 0 and "".
    virtual HRESULT SendUnsigned(BSTR document, LONG reserved, BSTR options, IGatewaySendResult** result) = 0;
    virtual HRESULT Reserved17() = 0;
    virtual HRESULT Reserved18() = 0;
    virtual HRESULT Reserved19() = 0;
    virtual HRESULT Reserved20() = 0;
    virtual HRESULT Reserved21() = 0;
    // A signed document: the Base64 text of its CMS message.
    virtual HRESULT SendSigned(BSTR document, IGatewaySendResult** result) = 0;
    virtual HRESULT Reserved23() = 0;
    virtual HRESULT Reserved24() = 0;
    virtual HRESULT Reserved25() = 0;
    virtual HRESULT Reserved26() = 0;
    virtual HRESULT SetProxyActive(SHORT active) = 0;
    virtual HRESULT Reserved28() = 0;
    virtual HRESULT SetProxyAuthorisation(SHORT authorisation) = 0;
    virtual HRESULT Reserved30() = 0;
    virtual HRESULT SetProxyAddress(BSTR address) = 0;
    virtual HRESULT Reserved32() = 0;
    virtual HRESULT SetProxyPort(BSTR port) = 0;
    virtual HRESULT Reserved34() = 0;
    virtual HRESULT SetProxyUser(BSTR user) = 0;
    virtual HRESULT Reserved36() = 0;
    virtual HRESULT SetProxyPassword(BSTR password) = 0;

protected:
    ~IEDeklaracjeGateway() = default;
};

inline constexpr CLSID CLSID_EDeklaracjeGateway = tlx::MakeGuid(u"{79863599-8801-445B-A112-E13D50F3069F}");
inline constexpr char16_t kProgIdEDeklaracjeGateway[] = u"TLX.EDeklaracjeGateway";

// The client of the remote-desktop virtual channel to the signing component on the user's machine. One
// command is one exchange: the reply is "ok#" + payload or "err#" + the component's error text.
struct IVirtualChannelClient : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{08FA5F14-4EF6-44AD-9E43-88278EF080A5}");
    using Base = IDispatch;
    // Opens the channel of that name.
    virtual HRESULT Connect(BSTR channelName) = 0;
    virtual HRESULT Reserved8() = 0;
    // Sends a command and waits for its reply; `reserved` is 0.
    virtual HRESULT Execute(BSTR command, LONG reserved, BSTR* reply) = 0;

protected:
    ~IVirtualChannelClient() = default;
};

inline constexpr CLSID CLSID_VirtualChannelClient = tlx::MakeGuid(u"{18779BB5-CD69-40B8-ABF8-555DF75690CD}");
inline constexpr char16_t kProgIdVirtualChannelClient[] = u"TLX.VirtualChannelClient";
