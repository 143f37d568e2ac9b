// An XML catalog (OASIS XML Catalogs, as libxml2 reads them) that maps the official addresses written in
// schemas' imports and includes to local files. While a `Scope` is open on the calling thread, every
// resource libxml2 loads (schema imports and includes above all) is first looked up in the catalog; what
// the catalog does not map is loaded only when it is a local file, never from the network.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/com/Types.h"

namespace tlx {

class XmlCatalog {
public:
    // The catalog file at `path`; E_FAIL with libxml2's reason when it cannot be read.
    static HRESULT Open(const std::string& path, std::unique_ptr<XmlCatalog>& catalog);
    ~XmlCatalog();
    XmlCatalog(const XmlCatalog&) = delete;
    XmlCatalog& operator=(const XmlCatalog&) = delete;

    // The local file an address maps to (by its uri or system entries); nothing when unmapped.
    std::optional<std::string> Resolve(const std::string& address) const;

    // Routes the thread's resource loads through the catalog for its lifetime.
    class Scope {
    public:
        explicit Scope(const XmlCatalog& catalog);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        const XmlCatalog* previous_;
    };

private:
    struct Impl;
    explicit XmlCatalog(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace tlx
