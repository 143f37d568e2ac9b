#include "UpoIssuer.h"

#include <libxml/xmlschemas.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

#include "XmlSupport.h"

namespace tlxgate {

namespace {

constexpr char kDsNamespace[] = "http://www.w3.org/2000/09/xmldsig#";
constexpr char kXadesNamespace[] = "http://uri.etsi.org/01903/v1.3.2#";

std::string Base64(const unsigned char* bytes, std::size_t length) {
    std::string text(4 * ((length + 2) / 3) + 1, '\0');
    text.resize(static_cast<std::size_t>(EVP_EncodeBlock(reinterpret_cast<unsigned char*>(text.data()), bytes,
                                                         static_cast<int>(length))));
    return text;
}

std::vector<unsigned char> Digest(const EVP_MD* md, const std::string& bytes) {
    std::vector<unsigned char> out(EVP_MAX_MD_SIZE);
    unsigned length = 0;
    EVP_Digest(bytes.data(), bytes.size(), out.data(), &length, md, nullptr);
    out.resize(length);
    return out;
}

std::string Hex(const std::vector<unsigned char>& bytes) {
    std::string text;
    char pair[3];
    for (unsigned char b : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", b);
        text += pair;
    }
    return text;
}

std::string Now(const char* format) {
    char text[64];
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    std::strftime(text, sizeof text, format, &utc);
    return text;
}

std::string Element(const char* name, const std::string& value) {
    return std::string("<") + name + ">" + Escaped(value) + "</" + name + ">";
}

bool SatisfiesSchema(const std::string& receipt, std::string& why) {
    const char* folder = std::getenv("TLX_SCHEMA_DIR");
    const std::string file = std::string(folder ? folder : ".") + "/gateway/Potwierdzenie_v6-0.transcribed-from-spec-v2.4.xsd";
    xmlSchemaParserCtxt* parser = xmlSchemaNewParserCtxt(file.c_str());
    xmlSchema* schema = parser ? xmlSchemaParse(parser) : nullptr;
    xmlSchemaFreeParserCtxt(parser);
    if (!schema) return why = "nie można wczytać schematu UPO " + file, false;
    xmlSchemaValidCtxt* context = xmlSchemaNewValidCtxt(schema);
    xmlSchemaSetValidStructuredErrors(context, [](void*, xmlErrorPtr) {}, nullptr);
    Doc doc = Parse(receipt);
    const bool valid = doc && xmlSchemaValidateDoc(context, doc.get()) == 0;
    xmlSchemaFreeValidCtxt(context);
    xmlSchemaFree(schema);
    if (!valid) why = "UPO niezgodne ze schematem";
    return valid;
}

std::string SignatureValue(const std::string& signedInfo, const std::string& keyFile) {
    FILE* file = std::fopen(keyFile.c_str(), "r");
    if (!file) return {};
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(PEM_read_PrivateKey(file, nullptr, nullptr, nullptr),
                                                            EVP_PKEY_free);
    std::fclose(file);
    if (!key) return {};
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    std::size_t length = 0;
    if (EVP_DigestSignInit(context.get(), nullptr, EVP_sha256(), nullptr, key.get()) != 1 ||
        EVP_DigestSign(context.get(), nullptr, &length, reinterpret_cast<const unsigned char*>(signedInfo.data()),
                       signedInfo.size()) != 1)
        return {};
    std::vector<unsigned char> signature(length);
    if (EVP_DigestSign(context.get(), signature.data(), &length,
                       reinterpret_cast<const unsigned char*>(signedInfo.data()), signedInfo.size()) != 1)
        return {};
    return Base64(signature.data(), length);
}

}  // namespace

std::string IssueUpo(const UpoInput& input, std::string& why) {
    Doc doc = Parse(input.declaration);
    xmlNode* root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
    if (!root) return why = "dokument nie jest XML", std::string();
    xmlNode* subject = Find(root->children, "Podmiot1");
    xmlNode* nip = subject ? Find(subject->children, "NIP") : nullptr;
    xmlNode* pesel = subject ? Find(subject->children, "PESEL") : nullptr;
    const std::string formNamespace = root->ns ? reinterpret_cast<const char*>(root->ns->href) : "";
    const std::string received = Now("%Y-%m-%dT%H:%M:%S.000Z");

    const auto sha1 = Digest(EVP_sha1(), input.sentBytes);
    std::string receipt = "<Potwierdzenie wersjaSchemy=\"6-0\">";
    receipt += Element("NazwaPodmiotuPrzyjmujacego", "Ministerstwo Finansów");
    receipt += Element("NumerReferencyjny", input.refId);
    receipt += Element("SkrotDokumentu", Base64(sha1.data(), sha1.size()) + " [" +
                                             Hex(Digest(EVP_md5(), input.declaration)) + "]");
    receipt += Element("SkrotZlozonejStruktury", Hex(Digest(EVP_md5(), input.sentBytes)));
    receipt += Element("NazwaStrukturyLogicznej", formNamespace + "schemat.xsd");
    receipt += Element("DataWplyniecia", received);
    receipt += Element("StempelCzasu", Base64(reinterpret_cast<const unsigned char*>(received.data()), received.size()));
    receipt += nip ? Element("NIP1", Text(nip)) : Element("PESEL1", Text(pesel));
    receipt += Element("KodUrzedu", Text(Find(root->children, "KodUrzedu")));
    receipt += Element("KodFormularza", Text(Find(root->children, "KodFormularza")));
    receipt += Element("Przyjeto", "true");
    receipt += "</Potwierdzenie>";
    if (!SatisfiesSchema(receipt, why)) return {};

    const auto digest = Digest(EVP_sha256(), receipt);
    const std::string signedInfo =
        std::string("<ds:SignedInfo xmlns:ds=\"") + kDsNamespace +
        "\"><ds:CanonicalizationMethod Algorithm=\"http://www.w3.org/TR/2001/REC-xml-c14n-20010315\"></ds:CanonicalizationMethod>"
        "<ds:SignatureMethod Algorithm=\"http://www.w3.org/2001/04/xmldsig-more#rsa-sha256\"></ds:SignatureMethod>"
        "<ds:Reference URI=\"#Dokument\"><ds:DigestMethod Algorithm=\"http://www.w3.org/2001/04/xmlenc#sha256\"></ds:DigestMethod>"
        "<ds:DigestValue>" + Base64(digest.data(), digest.size()) + "</ds:DigestValue></ds:Reference></ds:SignedInfo>";
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ds:Signature xmlns:ds=\"") + kDsNamespace +
           "\" Id=\"Signature\">" + signedInfo.substr(0, 14) + signedInfo.substr(signedInfo.find('>')) +
           "<ds:SignatureValue>" + SignatureValue(signedInfo, input.keyFile) + "</ds:SignatureValue>"
           "<ds:Object Id=\"Dokument\">" + receipt + "</ds:Object>"
           "<ds:Object><xades:QualifyingProperties xmlns:xades=\"" + kXadesNamespace + "\" Target=\"#Signature\">"
           "<xades:SignedProperties><xades:SignedSignatureProperties>"
           "<xades:SigningTime>" + Now("%Y-%m-%dT%H:%M:%SZ") + "</xades:SigningTime>"
           "</xades:SignedSignatureProperties></xades:SignedProperties></xades:QualifyingProperties></ds:Object>"
           "</ds:Signature>";
}

}  // namespace tlxgate
