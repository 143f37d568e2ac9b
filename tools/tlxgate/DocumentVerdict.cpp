#include "DocumentVerdict.h"

#include <libxml/c14n.h>
#include <openssl/bio.h>
#include <openssl/cms.h>
#include <openssl/objects.h>
#include <openssl/x509.h>

#include <memory>

#include "XmlSupport.h"
#include "host/objects/edeklaracje/EdeklaracjeValidator.h"
#include "host/objects/edeklaracje/SchemaStore.h"
#include "platform/text/CodePage.h"

namespace tlxgate {

namespace {

constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
constexpr char kSignatureNamespace[] = "http://e-deklaracje.mf.gov.pl/Repozytorium/Definicje/Podpis/";

Verdict Refused(int status, std::string text) { return Verdict{status, std::move(text), {}}; }

// The signed content when the CMS message verifies against the CA and is the CAdES-BES the service
// takes: one signer, SHA-256, signing-certificate-v2 and signing time signed, no CRL.
std::optional<std::string> VerifiedContent(const std::string& der, const std::string& caFile, std::string& why) {
    std::unique_ptr<BIO, decltype(&BIO_free)> in(BIO_new_mem_buf(der.data(), static_cast<int>(der.size())), BIO_free);
    std::unique_ptr<CMS_ContentInfo, decltype(&CMS_ContentInfo_free)> cms(d2i_CMS_bio(in.get(), nullptr),
                                                                          CMS_ContentInfo_free);
    if (!cms) return why = "to nie jest wiadomość CMS", std::nullopt;
    std::unique_ptr<X509_STORE, decltype(&X509_STORE_free)> store(X509_STORE_new(), X509_STORE_free);
    if (!X509_STORE_load_file(store.get(), caFile.c_str())) return why = "brak zaufanego CA", std::nullopt;
    std::unique_ptr<BIO, decltype(&BIO_free)> out(BIO_new(BIO_s_mem()), BIO_free);
    if (CMS_verify(cms.get(), nullptr, store.get(), nullptr, out.get(), CMS_BINARY) != 1)
        return why = "podpis nie weryfikuje się", std::nullopt;
    STACK_OF(CMS_SignerInfo)* signers = CMS_get0_SignerInfos(cms.get());
    if (sk_CMS_SignerInfo_num(signers) != 1) return why = "oczekiwano jednego podpisującego", std::nullopt;
    CMS_SignerInfo* signer = sk_CMS_SignerInfo_value(signers, 0);
    X509_ALGOR* digest = nullptr;
    CMS_SignerInfo_get0_algs(signer, nullptr, nullptr, &digest, nullptr);
    if (!digest || OBJ_obj2nid(digest->algorithm) != NID_sha256) return why = "skrót inny niż SHA-256", std::nullopt;
    if (CMS_signed_get_attr_by_NID(signer, NID_id_smime_aa_signingCertificateV2, -1) < 0)
        return why = "brak atrybutu signing-certificate-v2 (CAdES)", std::nullopt;
    if (CMS_signed_get_attr_by_NID(signer, NID_pkcs9_signingTime, -1) < 0)
        return why = "brak czasu podpisu", std::nullopt;
    STACK_OF(X509_CRL)* crls = CMS_get1_crls(cms.get());
    const bool hasCrl = crls && sk_X509_CRL_num(crls) > 0;
    sk_X509_CRL_pop_free(crls, X509_CRL_free);
    if (hasCrl) return why = "wiadomość zawiera listę CRL", std::nullopt;
    char* data = nullptr;
    const long length = BIO_get_mem_data(out.get(), &data);
    return std::string(data, static_cast<std::size_t>(length));
}

// UTF-8 XML exactly in its canonical form: the declaration, then the canonical document element.
bool IsCanonical(const std::string& bytes, xmlDoc* doc) {
    xmlChar* canonical = nullptr;
    const int length = xmlC14NDocDumpMemory(doc, nullptr, XML_C14N_1_0, nullptr, 0, &canonical);
    if (length < 0) return false;
    const bool same = bytes == kDeclaration + std::string(reinterpret_cast<char*>(canonical), length);
    xmlFree(canonical);
    return same;
}

std::string FirstSchemaError(xmlDoc* doc) {
    xmlChar* text = nullptr;
    int length = 0;
    xmlDocDumpMemoryEnc(doc, &text, &length, "UTF-8");
    const std::u16string xml = tlx::Utf8ToUtf16(std::string(reinterpret_cast<char*>(text), length));
    xmlFree(text);
    std::u16string errors;
    if (FAILED(tlx::host::CEdeklaracjeValidator::ValidateText(tlx::host::SchemaStore::Installed(), xml, errors)))
        return "walidacja niemożliwa";
    const std::string all = tlx::Utf16ToUtf8(errors);
    return all.substr(0, all.find("\r\n"));
}

// The authorisation data must name the taxpayer of "Podmiot1", who must be a natural person.
Verdict CheckAuthorisation(xmlNode* root, xmlNode* data) {
    xmlNode* subject = Find(root->children, "Podmiot1");
    xmlNode* person = subject ? Find(subject->children, "OsobaFizyczna") : nullptr;
    if (!person)
        return Refused(422, "Weryfikacja negatywna - dokument złożony z użyciem danych autoryzujących może złożyć "
                            "wyłącznie podatnik, będący osobą fizyczną");
    const char* idName = Find(data->children, "NIP") ? "NIP" : "PESEL";
    for (const char* name : {idName, "ImiePierwsze", "Nazwisko", "DataUrodzenia"}) {
        xmlNode* given = Find(data->children, name);
        xmlNode* declared = Find(person->children, name);
        if (!given || !declared || Text(given) != Text(declared))
            return Refused(412, "Weryfikacja negatywna - niezgodność danych autoryzujących z danymi w dokumencie");
    }
    return Verdict{};
}

}  // namespace

Verdict JudgeDocument(bool isSigned, const std::string& bytes, const std::string& caFile) {
    std::string declaration = bytes;
    if (isSigned) {
        std::string why;
        auto content = VerifiedContent(bytes, caFile, why);
        if (!content) return Refused(403, "Dokument z niepoprawnym podpisem (" + why + ")");
        declaration = *content;
    }
    Doc doc = Parse(declaration);
    if (!doc || !IsCanonical(declaration, doc.get()))
        return Refused(408, "Dokument zawiera błędy uniemożliwiające jego przetworzenie");
    xmlNode* root = xmlDocGetRootElement(doc.get());
    xmlNode* data = nullptr;
    for (xmlNode* n = root->children; n; n = n->next)
        if (n->type == XML_ELEMENT_NODE && xmlStrEqual(n->name, BAD_CAST "DaneAutoryzujace") && n->ns &&
            xmlStrEqual(n->ns->href, BAD_CAST kSignatureNamespace))
            data = n;
    if (!isSigned && !data)
        return Refused(408, "Dokument zawiera błędy uniemożliwiające jego przetworzenie (brak danych autoryzujących)");
    // The declaration is checked against its form's schema without the authorisation data.
    if (data) {
        xmlUnlinkNode(data);
    }
    const std::string schemaError = FirstSchemaError(doc.get());
    if (!schemaError.empty()) {
        if (data) xmlFreeNode(data);
        return Refused(401, "Weryfikacja negatywna - dokument niezgodny ze schematem xsd: " + schemaError);
    }
    Verdict verdict;
    if (data) {
        verdict = CheckAuthorisation(root, data);
        xmlFreeNode(data);
        if (verdict.status != 200) return verdict;
    }
    verdict.text = "Przetwarzanie dokumentu zakończone poprawnie, pobierz UPO";
    verdict.declaration = std::move(declaration);
    return verdict;
}

}  // namespace tlxgate
