#include "platform/xml/XmlCatalog.h"

#include <libxml/catalog.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlIO.h>

#include <mutex>

#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"
#include "platform/xml/XmlErrorCollector.h"

namespace tlx {

struct XmlCatalog::Impl {
    xmlCatalogPtr catalog = nullptr;
    ~Impl() {
        if (catalog) xmlFreeCatalog(catalog);
    }
};

namespace {

thread_local const XmlCatalog* activeCatalog = nullptr;
xmlExternalEntityLoader fallbackLoader = nullptr;

// A catalog answer may be a file: URI; the loader wants a path.
std::string LocalPath(const std::string& resolved) {
    constexpr std::string_view kFileScheme = "file://";
    if (resolved.compare(0, kFileScheme.size(), kFileScheme) == 0) return resolved.substr(kFileScheme.size());
    return resolved;
}

xmlParserInputPtr LoadThroughCatalog(const char* url, const char* id, xmlParserCtxtPtr context) {
    if (activeCatalog && url) {
        if (auto local = activeCatalog->Resolve(url)) return xmlNewInputFromFile(context, local->c_str());
    }
    // The platform's loader refuses the network: an unmapped address fails there with its reason.
    return fallbackLoader(url, id, context);
}

void InstallLoader() {
    static std::once_flag once;
    std::call_once(once, [] {
        // The platform's loader (network off) stays the fallback for everything the catalog does not map.
        fallbackLoader = xmlGetExternalEntityLoader();
        xmlSetExternalEntityLoader(LoadThroughCatalog);
    });
}

}  // namespace

XmlCatalog::XmlCatalog(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
XmlCatalog::~XmlCatalog() = default;

HRESULT XmlCatalog::Open(const std::string& path, std::unique_ptr<XmlCatalog>& catalog) {
    XmlErrorCollector collector;
    auto impl = std::make_unique<Impl>();
    impl->catalog = xmlLoadACatalog(path.c_str());
    if (!impl->catalog)
        return SetErrorText(E_FAIL, u"Nie można odczytać katalogu schematów: " + Utf8ToUtf16(path) + u" " +
                                        Utf8ToUtf16(collector.Text("")));
    catalog.reset(new XmlCatalog(std::move(impl)));
    return S_OK;
}

std::optional<std::string> XmlCatalog::Resolve(const std::string& address) const {
    const auto* name = reinterpret_cast<const xmlChar*>(address.c_str());
    xmlChar* found = xmlACatalogResolveURI(impl_->catalog, name);
    if (!found) found = xmlACatalogResolve(impl_->catalog, nullptr, name);
    if (!found) return std::nullopt;
    std::string path = LocalPath(reinterpret_cast<const char*>(found));
    xmlFree(found);
    return path;
}

XmlCatalog::Scope::Scope(const XmlCatalog& catalog) : previous_(activeCatalog) {
    InstallLoader();
    activeCatalog = &catalog;
}

XmlCatalog::Scope::~Scope() { activeCatalog = previous_; }

}  // namespace tlx
