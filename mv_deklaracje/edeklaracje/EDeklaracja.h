// The e-declaration object: turns a saved declaration into the tax authority's document. It writes the
// module's own XML of the declaration and its attachments, transforms it with the form's stylesheet,
// has the host's validator check it, signs it (or adds the authorisation data of an unsigned send),
// files it through the host's gateway and later fetches its official receipt, reporting every step to
// the host's progress sink.
//
// The module's own document: root "Deklaracja" in kDocumentNamespace, then "Schemat" (no namespace)
// holding "Typ", "Wersja", "Symbol", one element per field of the form definition in definition order,
// the attributes given through DodajAtrybut and, in an attachment's document, "DkN_Numer".
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>

#include "TlxBus.h"
#include "hostapi/Configuration.h"
#include "hostapi/EDeclarations.h"
#include "hostapi/Login.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/edeklaracje/CertificateSigning.h"
#include "mv_deklaracje/edeklaracje/FiledRows.h"
#include "mv_deklaracje/edeklaracje/SendClaim.h"
#include "mv_deklaracje/edeklaracje/GatewaySettings.h"
#include "mv_deklaracje/edeklaracje/TransformSheets.h"
#include "mv_deklaracje/edeklaracje/VirtualChannelSigning.h"
#include "mv_deklaracje/forms/FormDefinition.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje_tlb.h"
#include "platform/ado/Ado.h"
#include "platform/com/ConnectionPointContainer.h"
#include "platform/xml/XmlDom.h"
#include "tlb/DispatchTables.h"

class CEDeklaracja;
using CEDeklaracjaRoot = IInitializeSessionImpl<
    CEDeklaracja, TlxObjectRoot<CEDeklaracja, tlx::Dispatch<IEDeklaracja>, tlx::ConnectionPointContainer>, 2>;

class CEDeklaracja final : public CEDeklaracjaRoot, private CertificateSigning::Owner {
public:
    // The namespace of the module's own document; the form stylesheets match it.
    static constexpr std::u16string_view kDocumentNamespace = u"urn:tlx:deklaracje:e-deklaracja:1";

    // Levels of SendMessage: information, a failure or closing remark of a step, a detail line.
    enum MessageLevel : LONG { kInfo = 2, kStepFailure = 3, kDetail = 4 };

    // The definition's parameters read for one build (its "typ", "wersja" and "symbol" texts).
    struct FormParameters {
        std::shared_ptr<const CFormDefinition> definition;
        std::u16string typ;
        std::u16string wersja;
        std::u16string symbol;
    };

    // A transformed attachment; the two flags are read only for a PIT/BR attachment.
    struct ChildDocument {
        tlx::ComPtr<IXMLDOMDocument2> document;
        LONG pierwszy = 0;
        LONG uzupelniamDaneMalzonka = 0;
    };

    // `resources` holds the form definitions and stylesheets (the module's own unless told otherwise).
    explicit CEDeklaracja(HMODULE resources = ModuleResources());

    // IEDeklaracja
    HRESULT ZapiszXml(IDeklaracja2* pDekl, BSTR _sTransformataXsl, BSTR _sFileSpec) override;
    HRESULT DodajAtrybut(BSTR _sElement, BSTR _sWartosc) override;
    HRESULT WyslijDeklaracje(IDeklaracja2* pDekl, BSTR _sTransformataXsl) override;
    HRESULT PobierzUPO(IDeklaracja2* pDekl) override;
    HRESULT UsunCertyfikat() override;
    HRESULT WyslijDeklaracje_Unsigned(IDeklaracja2* pDekl, BSTR _sTransformataXsl, BSTR NIP, BSTR imie,
                                      BSTR nazwisko, BSTR PESEL, DATE dataUr, CY kwota) override;
    HRESULT SprawdzUstawieniaRegionalne() override;
    HRESULT KomunikatBledu(BSTR sSciezka, BSTR* sKomunikat) override;
    HRESULT get_Login(IDispatch** login) override;
    HRESULT put_Login(IDispatch* login) override;
    HRESULT AdviseProgress(IUnknown* _Progress) override;
    HRESULT UnAdviseProgress() override;
    HRESULT get_EPodpisana(LONG* value) override;
    HRESULT put_EPodpisana(LONG value) override;
    HRESULT get_ETrybSeryjny(LONG* value) override;
    HRESULT put_ETrybSeryjny(LONG value) override;
    HRESULT get_EInfo(BSTR* value) override;
    HRESULT get_EBlad(LONG* value) override;

    // Regional settings and the checked element writer (EDeklaracjaChecks.cpp).
    void CheckRegionalSettings();
    void AppendCheckedElement(IXMLDOMDocument* document, IXMLDOMNode* parent, std::u16string_view name,
                              std::u16string_view value, std::u16string_view namespaceUri);
    bool IsVatZdCorrectionRecord(LONG declarationId);

    // The module's document (EDeklaracjaDocument.cpp).
    FormParameters ReadFormParameters(IDeklaracja2* declaration);
    // `noticeFlag`, when given, receives the text written for a VAT-7's VAT-ZD notice flag (empty when the
    // form has no such field).
    void WriteFieldValues(const FormParameters& form, IXMLDOMDocument* document, IXMLDOMNode* schemat,
                          IDeklaracja2* declaration, std::u16string* noticeFlag = nullptr);
    tlx::ComPtr<IXMLDOMDocument2> BuildDocument(const FormParameters& form, IDeklaracja2* declaration,
                                                std::u16string_view transformName);
    ChildDocument BuildChildDocument(std::u16string_view filter, std::u16string_view transformName);
    void PlaceVatUeAttachment(IXMLDOMDocument2* child, IXMLDOMDocument2* main, LONG attachmentType,
                              std::u16string_view groupsNamespace);
    static bool IsExcludedField(IDeklaracja2* declaration, std::u16string_view fieldName);
    // The same for a form key (form type * 1000 + version, as FormKey reads it from a declaration).
    static bool IsExcludedField(LONG formKey, std::u16string_view fieldName);
    static LONG FormKey(IDeklaracja2* declaration);

    // Stylesheets and namespaces (EDeklaracjaTransform.cpp).
    tlx::ComPtr<IXMLDOMDocument2> TransformDocument(IXMLDOMDocument2* document, std::u16string_view transformName);
    std::u16string GetFormNamespace(LONG formType, LONG version, LONG year, LONG month);

    // PIT and CIT attachments placed into their parent's transformed document (EDeklaracjaPitCit.cpp).
    void DodajZalacznikPIT28(LONG childType, IXMLDOMDocument2* child, IXMLDOMDocument2* main);
    void DodajZalacznikPIT36(LONG childType, IXMLDOMDocument2* child, IXMLDOMDocument2* main, LONG number,
                             LONG parentVersion, LONG first, LONG spouse);
    void DodajZalacznikPIT36L(LONG childType, IXMLDOMDocument2* child, IXMLDOMDocument2* main, LONG number);
    void DodajZalacznikCIT8(LONG childType, IXMLDOMDocument2* child, IXMLDOMDocument2* main, LONG number,
                            LONG parentVersion);
    void DodajZalacznikPIT37(LONG childType, IXMLDOMDocument2* child, IXMLDOMDocument2* main, LONG number);

    // The side lists of a VAT-UE/K (EDeklaracjaVatUeK.cpp) and of a VAT-27 (EDeklaracjaVat27.cpp) written
    // as groups of the transformed document.
    void AddVatUeKGroups(IXMLDOMDocument2* document, IDeklaracja2* declaration);
    void AddVatUeKGroup1(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns);
    void AddVatUeKGroup2(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns);
    void AddVatUeKGroup3(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns);
    void AddVat27Groups(IXMLDOMDocument2* document, IDeklaracja2* declaration);
    // `columns` is the prefix of the list's columns: "V27_" for a VAT-27, "DVK_" for a VAT-27K.
    void AddVat27GroupC(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns,
                        std::u16string_view columns = u"V27_");
    void AddVat27GroupD(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns,
                        std::u16string_view columns = u"V27_");
    // The recordset of one of the declaration's side lists.
    static tlx::ComPtr<Recordset> ListRows(IDeklaracja2* declaration, HRESULT (IDeklaracja2::*list)(IDispatch**));

    // The host's validator (EDeklaracjaValidation.cpp): false when it reported errors.
    bool ValidateDocument(IXMLDOMDocument2* document);

    // Signing (EDeklaracjaSigning.cpp): whether the signature is made over the remote-desktop channel.
    bool IsRemoteSigning();
    // The document signed on the user's machine over that channel, as Base64 text; the empty text after
    // a failure, which has been reported (message and ActionFailed). The second text is not used.
    std::string SignOverVirtualChannel(const std::string& document, std::u16string_view unused);

    // Sending through the host's gateway (EDeklaracjaSending.cpp).
    void ReadConnectionSettings(IDeklaracja2* declaration);
    std::u16string BuildExchangePath(IKonfiguracja* configuration, IDeklaracja2* declaration);
    tlx::ComPtr<IGatewaySendResult> SendToGateway(const std::string& document, bool isSigned);
    // Writes the service's answer under the send's claim into the declaration and the attachments filed
    // with it. True when the service took the document: its reference number was given (also when
    // storing it failed).
    bool StoreSendStatus(IGatewaySendResult* result, IDeklaracja2* declaration, SendClaim& claim);

    // The filter of a VAT-UE's attachment of that type, period (year * 100 + month) and number.
    static std::u16string VatUeAttachmentFilter(LONG type, LONG yearMonth, LONG number);

    // The official receipt (EDeklaracjaReceipt.cpp).
    void ParseReceipt(IGatewayUpoResult* result, IDeklaracja2* declaration);
    // The text of the first element of that name; false (or, when required, the host-worded
    // 0x800575A2 "Brak wymaganego pola ...") when there is none.
    static bool GetElementText(IXMLDOMDocument2* document, std::u16string_view name, std::u16string& text,
                               bool required);
    const GatewaySettings& Settings() const { return gateway_; }

    // The authorisation data of an unsigned send (EDeklaracjaAuthorisation.cpp): appends it to the
    // document and answers the document's text as it is filed and sent.
    std::string BuildAuthorisationData(IXMLDOMDocument2* document, std::u16string_view nip, std::u16string_view imie,
                                       std::u16string_view nazwisko, std::u16string_view pesel, const CDate& dataUr,
                                       const CMoney& kwota);

    // The last failure text meant for a caller without a sink.
    const std::u16string& Message() const { return message_; }

private:
    // The four events; each does nothing while no sink is advised, and a sink's refusal is raised.
    void WillAction(std::u16string_view text);
    void ActionCompleted(std::u16string_view text);
    void ActionFailed(std::u16string_view text);
    void SendMessage(std::u16string_view text, MessageLevel level);
    void Fire(DISPID event, std::vector<tlx::Variant> args);

    tlx::ComPtr<ILogin> RequireLogin() const;
    // The steps of the two sends (EDeklaracjaSending.cpp).
    using SendBody = std::function<void()>;
    HRESULT RunSend(bool serialHandling, IDeklaracja2* declaration, const SendBody& body);
    // What every entry point does first: the outcome of an earlier call (message, EInfo, EBlad) is
    // cleared, and a missing declaration is refused with E_POINTER before anything else happens.
    void StartEntryPoint(IDeklaracja2* declaration);
    // The saved and validated document of a send, or none after a reported failure.
    struct FiledDocument {
        tlx::ComPtr<IXMLDOMDocument2> document;
        std::u16string path;
    };
    std::optional<FiledDocument> PrepareDocument(IDeklaracja2* declaration, std::u16string transform);
    void SendSigned(IDeklaracja2* declaration, std::u16string transform);
    std::u16string UniqueFileName(const std::u16string& name) const;
    std::string SaveFiledText(const std::string& text, const std::u16string& path);
    // The claim of the rows the send's document was built from (SendClaim); nothing after a reported refusal.
    std::optional<SendClaim> ClaimFiledRows(IDeklaracja2* declaration);
    // Sends the text under the claim and settles it with what came of the send.
    void SendClaimed(SendClaim& claim, IDeklaracja2* declaration, const std::string& text, bool isSigned);
    // True when the service took the document.
    bool ReportSend(tlx::ComPtr<IGatewaySendResult> result, IDeklaracja2* declaration, SendClaim& claim);
    // Notes a declaration that goes into the document of a send (filing_), once it is made sure that it
    // is filed as stored and passes its own check: one with unsaved changes, or failing its check, is
    // refused with that check's message. Does nothing outside a send.
    void NoteFiled(IDeklaracja2* declaration);
    // Notes the rows of a side list the document of a send takes: those of TLX.`table` that `condition`
    // followed by the declaration's identifier selects.
    void NoteFiledList(IDeklaracja2* declaration, std::u16string_view table, std::u16string_view condition,
                       Recordset* rows);
    void NoteVatZdNotice(IDeklaracja2* notice);
    // The attachments that receive the send status of `declaration`, among those its document took: a
    // VAT-UE's counted VAT-UE/A, /B and /C, a VAT-7's VAT-ZD notice. `missing` receives the filter of a
    // counted attachment the document did not take.
    std::vector<LONG> LinkedAttachments(IDeklaracja2* declaration, std::u16string& missing) const;
    LONG OperatorId();
    // Stores the receipt data written into the declaration's row, with their copies in the attachments
    // filed with it (FilingColumns).
    void StoreReceiptColumns(IDeklaracja2* declaration);
    // A new gateway of the host with the connection settings read last.
    tlx::ComPtr<IEDeklaracjeGateway> ConfiguredGateway();
    // CertificateSigning::Owner
    void SigningFailed(std::u16string_view text) override;
    void SigningNote(std::u16string_view text, LONG level) override;
    bool InSerialMode() const override { return serialMode_; }
    std::u16string CompanyDatabaseName() override;
    // A new document holding the processing instruction, the root and its "Schemat".
    tlx::ComPtr<IXMLDOMDocument2> NewModuleDocument(tlx::ComPtr<IXMLDOMNode>& schemat);
    void WriteFormHeader(IXMLDOMDocument* document, IXMLDOMNode* schemat, const FormParameters& form);
    void WriteAttributes(IXMLDOMDocument* document, IXMLDOMNode* schemat);
    void PlaceVatUeAttachments(IDeklaracja2* declaration, IXMLDOMDocument2* main);
    void PlaceChildAttachments(IDeklaracja2* declaration, IXMLDOMDocument2* main);
    void PlaceWholeAttachment(LONG childType, IXMLDOMDocument2* child, IXMLDOMDocument2* main,
                              std::initializer_list<std::u16string_view> references);
    void MergePitO(IXMLDOMDocument2* child, IXMLDOMDocument2* main, LONG number, LONG version);
    void AddVatUeKGroup(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns,
                        int listNumber);
    void AddVat27Group(IXMLDOMDocument2* document, IDeklaracja2* declaration, std::u16string_view ns,
                       HRESULT (IDeklaracja2::*list)(IDispatch**), char16_t letter, std::u16string_view total,
                       std::u16string_view columns);
    void MergeDonations(LONG childType, IXMLDOMDocument2* child, IXMLDOMNode* target, LONG number);
    // Raises the host-worded missing-attachment failure when attachments numbered above `number` exist.
    void CheckNoLaterAttachment(LONG type, LONG yearMonth, LONG number);

    HMODULE resources_;
    tlx::ConnectionPoint& progress_;
    tlx::ComPtr<ILogin> login_;
    DWORD adviseCookie_ = 0;
    bool advised_ = false;
    std::map<std::u16string, std::u16string> attributes_;
    std::u16string message_;
    bool serialMode_ = false;
    bool signed_ = false;
    std::u16string info_;
    LONG failure_ = 0;
    GatewaySettings gateway_;
    // What the document of the send under way is built from; empty outside a send's build and claim.
    std::optional<FiledRows> filing_;
    // The stylesheets parsed for this object's builds, kept while their text stays the same.
    TransformSheets sheets_;
    CertificateSigning signing_{*this};
    VirtualChannelSigning remote_;
};

// A new instance of the host's schema repository; null when the host has none.
tlx::ComPtr<ISchemaRepository> CreateSchemaRepository();

// Calls `row` on every record of the recordset from the first.
void ForEachRow(Recordset* rows, const std::function<void()>& row);
// A NIP or VAT number without its blanks and dashes.
std::u16string WithoutBlanksAndDashes(std::u16string_view text);
// A form field's value as a whole number, an empty value as 0.
LONG FieldAsLong(IDeklaracja2* declaration, std::u16string_view name);
// An amount as its text with "." as the decimal mark whatever the locale.
std::u16string AmountWithPoint(const CMoney& amount);

// The current local time as an OLE date; a time the conversion refuses raises E_INVALIDARG.
DATE GetLocalNow();

// The built-in namespaces of the VAT-UE and VAT-UE/K forms (after June 2011) and of the VAT-27 forms
// (kind 1 monthly, 2 quarterly); the empty text for any other.
std::u16string GetVatUeNamespace(LONG formType, LONG version, LONG year, LONG month);
std::u16string GetVat27Namespace(LONG version, LONG kind);
