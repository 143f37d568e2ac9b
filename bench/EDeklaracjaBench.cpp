// The e-declaration of the demo company's VAT-7(17): built, transformed and validated in process, against
// the same transform and validation by xsltproc and xmllint run as processes on the same module document;
// then the same with the signature: 1 000 documents built, transformed, validated and signed (CAdES,
// SHA-256) in process, against xsltproc, xmllint and `openssl cms -sign` run for each document. The
// signer is a throw-away certificate made with openssl when the program starts.
//   build/release/bench/EDeklaracjaBench   (run from the source tree's root; needs the official schemas, found as the tests find them)
// Figures on a shared machine, medians: built, transformed and validated 1.59 ms against 24.0 ms for the
// processes (15×) while the stylesheet was compiled and the form definition parsed for every document,
// 0.98 ms against 22.3 ms (23×) with both kept; with signing 3.56 ms against 34.3 ms (9.6×) while the key
// file was decoded at every signature, 2.69 ms against 34.4 ms (12.8×) with the key kept.
// Later, medians of 3 (cpu time in process, wall time of the processes, each pair from one run): built,
// transformed and validated 1.10 ms against 11.6 ms (10.5×), build and transform alone 0.99 ms, while every
// build parsed its stylesheet's text again, compiled each form expression afresh, wrote the stylesheet out
// as text to look up its compiled form and reloaded the transformed document from its text; 0.70 ms against
// 11.8 ms (16.8×), build and transform 0.59 ms, with the parsed stylesheet and compiled expressions kept,
// the stylesheet told apart by a walk over its tree and the output handed over as a tree (0.73 ms against
// 18.5 ms and 0.76 ms against 17.7 ms in runs on a busier machine); with a document that needs no tidying
// written as it stands, on a quiet machine, 0.66 ms against 15.1 ms (22.8×), 0.75 ms against 14.8 ms
// (19.9×) and 0.72 ms against 13.4 ms (18.6×), build and transform 0.50 to 0.56 ms: about 20×, the
// processes' own figure moving most from run to run. What is left, in the profile of the whole road:
// libxslt's own transformation 40 %; the field values 24 % (form expressions of the computed fields
// 9.5 %, the stored values read through the declaration 6 %, the elements written through the DOM 6.5 %);
// the validation 11 % (parsing the text 4.4 %, the schema 4.5 %); the text of the document 4.7 %;
// telling the stylesheet apart 2.6 %; copying the source and the transformation's context 5 %.
// Before -> after the VAT-7 stylesheets wrote each position through one template call (no walk over a
// list of names, no result-tree variable for every amount, the rounded amount tested as a boolean and
// written as the number's own text inside a billion instead of through format-number), a stylesheet
// handed over again was checked against the key last written for it instead of having its key written
// out anew, and a VAT-7 whose notice flag was just written as 0 stopped working the flag's expression out
// again for its VAT-ZD attachment (Release, the old and the new module run in turn, three runs each, load
// 8-11; processor time in process, wall time of the processes, each pair from one run): built,
// transformed and validated 0.79-0.81 ms against 12.6-13.7 ms for the processes (15.9-17.3x, median
// 16.0x) -> 0.58-0.60 ms against 12.3-13.6 ms (21.3-22.7x, median 21.4x); build and transform alone
// 0.62-0.64 -> 0.42-0.44 ms. libxslt's own transformation of the demo's module document by "1/17", in a
// loop of its own: 0.25-0.32 -> 0.17 ms. The top of the profile after: libxslt's transformation 26 %
// (its key table of the fields, its context made and freed); the field values 29 % (the computed
// fields' form expressions 10 %, the stored values read through the declaration 7 %, the elements
// written through the DOM 7 %); the validation 14 % (parsing the text 5 %, the schema 7 %); the
// document's text 4.4 %; checking the stylesheet's key 2.4 %; copying the source 2 %; handing the output
// over as a tree 2 %. What is left is spread thin; the form expressions are the script engine's.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "BenchScale.h"
#include "host/HostTables.h"
#include "host/objects/edeklaracje/EdeklaracjeValidator.h"
#include "host/objects/edeklaracje/SchemaStore.h"
#include "host/session/HostEnvironment.h"
#include "hostapi/CollectionsDispatch.h"
#include "mv_deklaracje/edeklaracje/CertificateSigning.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "hostapi/EDeclarationsDispatch.h"
#include "mv_deklaracje/library/Module.h"
#include "platform/com/ClassRegistry.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/text/CodePage.h"
#include "platform/xml/XmlCanonical.h"

namespace {

const std::filesystem::path kSource = std::filesystem::current_path();
// The official schemas: TLX_SCHEMA_DIR, else where the tests find them: TLX_REFS_DIR, beside the checkout
// (or beside a worktree's parent), or the team's workspace.
std::filesystem::path SchemaFolder() {
    if (const char* named = std::getenv("TLX_SCHEMA_DIR"); named && *named) return named;
    std::vector<std::filesystem::path> refs;
    if (const char* named = std::getenv("TLX_REFS_DIR"); named && *named) refs.emplace_back(named);
    refs.insert(refs.end(), {kSource / ".." / "shared" / "refs", kSource / ".." / ".." / "shared" / "refs", "/work/shared/refs"});
    for (const auto& candidate : refs)
        if (std::filesystem::exists(candidate / "edeklaracje" / "catalog.xml"))
            return std::filesystem::canonical(candidate / "edeklaracje");
    return {};
}
const std::filesystem::path kSchemas = SchemaFolder();

struct Environment {
    std::filesystem::path folder;
    tlx::ComPtr<ISession> session;
    tlx::ComPtr<IDeklaracja2> vat7;
    tlx::ComPtr<CEDeklaracja> edeklaracja;
    std::string moduleDocument;  // the module's document of the VAT-7, as a file for the processes
    std::string signerCert, signerKey;  // PEM files of the throw-away signer
};

// A repository whose stylesheet hands the module's document on unchanged: it gives the processes their input.
class CCopyingRepository final : public tlx::ComObject<CCopyingRepository, tlx::Dispatch<ISchemaRepository>,
                                                       IClassFactory> {
public:
    HRESULT Reserved() override { return E_NOTIMPL; }
    HRESULT UpdateChecked(VARIANT_BOOL* checked) override { return (*checked = VARIANT_TRUE, S_OK); }
    HRESULT GetTransform(BSTR, BSTR* text) override {
        *text = SysAllocString(u"<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
                               u"<xsl:template match=\"/\"><xsl:copy-of select=\"*\"/></xsl:template></xsl:stylesheet>");
        return S_OK;
    }
    HRESULT GetNamespace(LONGLONG, LONGLONG, LONGLONG, LONGLONG, BSTR* text) override {
        return (*text = SysAllocString(u""), S_OK);
    }
    HRESULT UpdateStatus(LONG* status) override { return (*status = 1, S_OK); }
    HRESULT UpdateError(BSTR* text) override { return (*text = SysAllocString(u""), S_OK); }
    HRESULT AddAttachment(IDispatch*, IDispatch*, LONG, LONG, VARIANT_BOOL* added) override {
        return (*added = VARIANT_FALSE, S_OK);
    }
    HRESULT CreateInstance(IUnknown*, REFIID iid, void** out) override { return QueryInterface(iid, out); }
    HRESULT LockServer(BOOL) override { return S_OK; }
};

void Put(IDispatch* object, const char16_t* name, tlx::Variant value) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = 0;
    object->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}

// Removes the program's folder (its company database and the throw-away signer's key) when it ends.
struct FolderRemoval {
    std::filesystem::path folder;
    ~FolderRemoval() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

Environment& Demo() {
    static Environment env = [] {
        Environment e;
        setenv("TLX_SCHEMA_DIR", kSchemas.c_str(), 0);
        if (!tlx::host::SchemaStore::Installed().Catalog()) std::fprintf(stderr, "No schema store: set TLX_SCHEMA_DIR\n");
        e.folder = std::filesystem::temp_directory_path() / ("tlx-edeklaracja-bench-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(e.folder);
        static FolderRemoval removal{e.folder};
        std::string database = (e.folder / "firma.db").string();
        auto scripts = tlx::host::CompanyDatabaseScripts(kSource / "db" / "company");
        std::ifstream demo(kSource / "db" / "demo.sql");
        scripts.emplace_back(std::istreambuf_iterator<char>(demo), std::istreambuf_iterator<char>());
        scripts.push_back(tlx::host::HostDemoSql());
        tlx::ado::CreateDatabaseFile(database, scripts);
        tlx::host::LoginSettings settings;
        settings.companyDatabase = database;
        tlx::host::StartHost(settings);
        for (const ObjectMapEntry& entry : ObjectMap()) {
            tlx::ComPtr<IClassFactory> factory;
            entry.getClassObject(IID_IClassFactory, factory.OutVoid());
            DWORD cookie = 0;
            tlx::RegisterProcessClass(entry.clsid, entry.progId, factory.Get(), &cookie);
        }
        tlx::host::CurrentLogin()->CreateSession(e.session.Out());
        tlx::ComPtr<IDispatch> collection;
        e.session->CreateObject(tlx::Bstr(u"TLXDeklaracje.Deklaracje").Get(), tlx::Variant::Missing(), collection.Out());
        tlx::ComPtr<IDispatch> item;
        collection.As<ICollection>()->AddNew(tlx::Variant::Missing(), item.Out());
        e.vat7 = item.As<IDeklaracja2>();
        e.vat7->put_TypDeklar(1);
        e.vat7->put_Wersja(17);
        e.vat7->put_Rok(2024);
        e.vat7->put_Miesiac(3);
        Put(item.Get(), u"P_1", tlx::Variant::FromString(u"526-025-02-74"));
        Put(item.Get(), u"P_6", tlx::Variant::FromString(u"1471"));
        Put(item.Get(), u"P_8", tlx::Variant::FromLong(1));
        Put(item.Get(), u"P_17", tlx::Variant::FromDouble(10000));
        Put(item.Get(), u"P_18", tlx::Variant::FromDouble(800));
        Put(item.Get(), u"P_19", tlx::Variant::FromDouble(125000.40));
        Put(item.Get(), u"P_20", tlx::Variant::FromDouble(28750.09));
        Put(item.Get(), u"P_43", tlx::Variant::FromDouble(20000));
        Put(item.Get(), u"P_44", tlx::Variant::FromDouble(4600));
        Put(item.Get(), u"P_45", tlx::Variant::FromDouble(50000));
        Put(item.Get(), u"P_46", tlx::Variant::FromDouble(11500.49));
        e.vat7->Policz();
        e.edeklaracja = CEDeklaracja::Make();
        LONG state = 0;
        e.edeklaracja->Initialize(e.session.Get(), &state);
        e.edeklaracja->put_Login(tlx::ComPtr<IDispatch>(tlx::host::CurrentLogin().Get()).Get());

        // The module's document: the build with a stylesheet that hands it on unchanged.
        auto copying = CCopyingRepository::Make();
        {
            tlx::ScopedClassOverride repository(CLSID_SchemaRepository, kProgIdSchemaRepository,
                                                static_cast<IClassFactory*>(copying.Get()));
            auto form = e.edeklaracja->ReadFormParameters(e.vat7.Get());
            tlx::ComPtr<IXMLDOMDocument2> copy = e.edeklaracja->BuildDocument(form, e.vat7.Get(), u"1/17");
            e.moduleDocument = (e.folder / "modul.xml").string();
            copy->save(tlx::Variant::FromString(tlx::Utf8ToUtf16(e.moduleDocument)));
        }
        // The signer: a certificate and its key in a personal store of the benchmark's own.
        const std::filesystem::path store = e.folder / "certs" / "MY";
        std::filesystem::create_directories(store);
        e.signerCert = (store / "signer.pem").string();
        e.signerKey = (store / "signer.key").string();
        const std::string make = "openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 2 -subj '/C=PL/CN=Jan Testowy' "
                                 "-keyout '" + e.signerKey + "' -out '" + e.signerCert + "' 2>/dev/null";
        if (std::system(make.c_str()) != 0) std::fprintf(stderr, "openssl could not make the signer's certificate\n");
        setenv("TLX_CERT_STORE", (e.folder / "certs").c_str(), 1);
        unsetenv("TLX_CERT_SELECT");
        return e;
    }();
    return env;
}

// Signs for the benchmark: a failure stops it, notes are dropped.
class SigningOwner final : public CertificateSigning::Owner {
public:
    std::u16string failure;
    void SigningFailed(std::u16string_view text) override { failure = text; }
    void SigningNote(std::u16string_view, LONG) override {}
    bool InSerialMode() const override { return false; }
    std::u16string CompanyDatabaseName() override { return {}; }
};

// The in-process road: the module's document built from the declaration, transformed by "1/17" and
// validated by the host's validator against the official schema.
void BuildTransformValidate(benchmark::State& state) {
    Environment& e = Demo();
    const auto& store = tlx::host::SchemaStore::Installed();
    for (auto _ : state) {
        auto form = e.edeklaracja->ReadFormParameters(e.vat7.Get());
        tlx::ComPtr<IXMLDOMDocument2> document = e.edeklaracja->BuildDocument(form, e.vat7.Get(), u"1/17");
        if (!document) state.SkipWithError("build failed");
        tlx::Bstr xml;
        document->get_xml(xml.Out());
        std::u16string errors;
        tlx::host::CEdeklaracjeValidator::ValidateText(store, xml.View(), errors);
        if (!errors.empty()) state.SkipWithError("not valid");
    }
}
BENCHMARK(BuildTransformValidate)->Unit(benchmark::kMillisecond);

// The parts of that road: the build with its transformation, and the validation of the official text.
void BuildAndTransform(benchmark::State& state) {
    Environment& e = Demo();
    for (auto _ : state) {
        auto form = e.edeklaracja->ReadFormParameters(e.vat7.Get());
        benchmark::DoNotOptimize(e.edeklaracja->BuildDocument(form, e.vat7.Get(), u"1/17"));
    }
}
BENCHMARK(BuildAndTransform)->Unit(benchmark::kMillisecond);

void Validate(benchmark::State& state) {
    Environment& e = Demo();
    auto form = e.edeklaracja->ReadFormParameters(e.vat7.Get());
    tlx::Bstr xml;
    e.edeklaracja->BuildDocument(form, e.vat7.Get(), u"1/17")->get_xml(xml.Out());
    const auto& store = tlx::host::SchemaStore::Installed();
    for (auto _ : state) {
        std::u16string errors;
        tlx::host::CEdeklaracjeValidator::ValidateText(store, xml.View(), errors);
        if (!errors.empty()) state.SkipWithError("not valid");
    }
}
BENCHMARK(Validate)->Unit(benchmark::kMillisecond);

// The same document through xsltproc and xmllint --schema, each a process of its own.
void XsltprocAndXmllint(benchmark::State& state) {
    Environment& e = Demo();
    std::string out = (e.folder / "vat7.xml").string();
    std::string command = "xsltproc -o '" + out + "' '" + (kSource / "resources" / "XSL" / "1" / "17.xsl").string() +
                          "' '" + e.moduleDocument + "' && XML_CATALOG_FILES='" + (kSchemas / "catalog.xml").string() +
                          "' xmllint --nonet --noout --schema '" + (kSchemas / "forms" / "VAT-7_17" / "VAT7(17)schemat.xsd").string() +
                          "' '" + out + "' 2>/dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("xsltproc or xmllint failed");
}
BENCHMARK(XsltprocAndXmllint)->Unit(benchmark::kMillisecond);

// Documents signed in a run (a few in a brief run).
const int kSignedDocuments = benchscale::Size(1000, 10);

// The whole road of a signed filing in process: built, transformed, validated, made canonical UTF-8 and
// signed, the certificate chosen once for the series as a user's send keeps it.
void BuildTransformValidateSign(benchmark::State& state) {
    Environment& e = Demo();
    const auto& store = tlx::host::SchemaStore::Installed();
    SigningOwner owner;
    CertificateSigning signing(owner);
    for (auto _ : state) {
        auto form = e.edeklaracja->ReadFormParameters(e.vat7.Get());
        tlx::ComPtr<IXMLDOMDocument2> document = e.edeklaracja->BuildDocument(form, e.vat7.Get(), u"1/17");
        if (!document) state.SkipWithError("build failed");
        tlx::Bstr xml;
        document->get_xml(xml.Out());
        std::u16string errors;
        tlx::host::CEdeklaracjeValidator::ValidateText(store, xml.View(), errors);
        if (!errors.empty()) state.SkipWithError("not valid");
        std::string text;
        if (FAILED(tlx::CanonicalDocumentText(document.Get(), &text))) state.SkipWithError("no canonical form");
        if (signing.SignWithCertificate(text).empty()) state.SkipWithError(tlx::Utf16ToUtf8(owner.failure).c_str());
    }
}
BENCHMARK(BuildTransformValidateSign)->Unit(benchmark::kMillisecond)->Iterations(kSignedDocuments);

// The same with a process for each step: xsltproc, xmllint --schema and openssl cms -sign (CAdES, SHA-256).
void XsltprocXmllintAndOpensslSign(benchmark::State& state) {
    Environment& e = Demo();
    std::string out = (e.folder / "vat7.xml").string();
    std::string command = "xsltproc -o '" + out + "' '" + (kSource / "resources" / "XSL" / "1" / "17.xsl").string() +
                          "' '" + e.moduleDocument + "' && XML_CATALOG_FILES='" + (kSchemas / "catalog.xml").string() +
                          "' xmllint --nonet --noout --schema '" + (kSchemas / "forms" / "VAT-7_17" / "VAT7(17)schemat.xsd").string() +
                          "' '" + out + "' 2>/dev/null && openssl cms -sign -binary -cades -nosmimecap -md sha256 -nodetach "
                          "-outform DER -signer '" + e.signerCert + "' -inkey '" + e.signerKey + "' -in '" + out +
                          "' -out '" + out + ".p7s'";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("xsltproc, xmllint or openssl failed");
}
BENCHMARK(XsltprocXmllintAndOpensslSign)->Unit(benchmark::kMillisecond)->Iterations(kSignedDocuments);

}  // namespace
