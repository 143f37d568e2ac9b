#include "platform/xml/XmlDocument.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <libxml/encoding.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/com/ErrorInfo.h"
#include "platform/xml/XPathQuery.h"
#include "platform/xml/XmlParseError.h"
#include "platform/xml/XmlSchemaValidator.h"
#include "platform/xml/XmlText.h"
#include "platform/xml/XmlWriter.h"

namespace tlx {

namespace {

const VARIANT& Deref(const VARIANT& value) {
    return value.vt == (VT_BYREF | VT_VARIANT) && value.pvarVal ? *value.pvarVal : value;
}

// A file path given as VT_BSTR; a "file://" URL is taken as its path.
bool PathOf(const VARIANT& value, std::string& path) {
    const VARIANT& v = Deref(value);
    if (v.vt != VT_BSTR || SysStringLen(v.bstrVal) == 0) return false;
    path = ToXmlUtf8(v.bstrVal);
    if (path.rfind("file://", 0) == 0) path.erase(0, 7);
    return true;
}

bool NodeTypeOf(const VARIANT& value, LONG& type) {
    const VARIANT& v = Deref(value);
    switch (v.vt) {
        case VT_I2: type = v.iVal; return true;
        case VT_I4: type = v.lVal; return true;
        case VT_I8: type = static_cast<LONG>(v.llVal); return true;
        case VT_R8: type = static_cast<LONG>(v.dblVal); return true;
        case VT_BSTR: {
            std::u16string name(v.bstrVal ? v.bstrVal : u"", SysStringLen(v.bstrVal));
            if (name == u"element") type = NODE_ELEMENT;
            else if (name == u"text") type = NODE_TEXT;
            else if (name == u"cdatasection") type = NODE_CDATA_SECTION;
            else if (name == u"processinginstruction") type = NODE_PROCESSING_INSTRUCTION;
            else if (name == u"comment") type = NODE_COMMENT;
            else return false;
            return true;
        }
        default:
            return false;
    }
}

HRESULT FileError(int error, const std::string& path) {
    HRESULT hr = error == ENOENT || error == ENOTDIR ? HRESULT_FROM_WIN32(3)  // the path does not exist
                 : error == EACCES || error == EROFS ? E_ACCESSDENIED
                                                     : E_FAIL;
    return SetErrorText(hr, Utf8ToUtf16("Nie można zapisać pliku " + path + "."));
}

// The most symbolic links followed from one path, as the system's own limit.
constexpr int kMaxLinks = 40;

// The file a save writes: a symbolic link is followed to the file it names, so that the link stays and
// its file gets the document. Errno of a link that cannot be read or followed; 0 otherwise.
int FollowLinks(std::string& path) {
    for (int followed = 0; followed < kMaxLinks; ++followed) {
        struct stat entry {};
        if (::lstat(path.c_str(), &entry) != 0) return errno == ENOENT ? 0 : errno;  // a new file
        if (!S_ISLNK(entry.st_mode)) return 0;
        std::error_code error;
        std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) return error.value();
        if (target.is_relative()) target = std::filesystem::path(path).parent_path() / target;
        path = target.string();
    }
    return ELOOP;
}

// Writes next to the target and renames into place, so that a failure never leaves half a file. Only a
// regular file is replaced: anything else standing at the path (a folder, a device, a pipe) is left
// alone and refused.
HRESULT WriteFileAtomically(const std::string& requested, const std::string& bytes) {
    std::string path = requested;
    if (int error = FollowLinks(path)) return FileError(error, requested);
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode))
        return SetErrorText(E_ACCESSDENIED, Utf8ToUtf16("Nie można zapisać pliku " + requested +
                                                         ": w tym miejscu jest coś innego niż zwykły plik."));
    std::string temporary = path + ".tmpXXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) return FileError(errno, requested);
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            int error = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            return FileError(error, requested);
        }
        written += static_cast<std::size_t>(n);
    }
    ::fchmod(fd, 0644);
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        return FileError(error, requested);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        return FileError(error, requested);
    }
    return S_OK;
}

}  // namespace

CXmlDocument::CXmlDocument() : CXmlDocument(XmlDocHolder::Adopt(nullptr, nullptr)) {}

CXmlDocument::CXmlDocument(std::shared_ptr<XmlDocHolder> holder)
    : XmlNodeImpl(holder, reinterpret_cast<xmlNodePtr>(holder->Doc())) {
    settings_ = holder->SharedSettings();
    holder->SetDocumentObject(Interface());
}

CXmlDocument::~CXmlDocument() {
    if (Holder()->DocumentObject() == Interface()) Holder()->SetDocumentObject(nullptr);
}

HRESULT CXmlDocument::TakeLoad(XmlParseOutcome outcome, VARIANT_BOOL* loaded) {
    xmlDocPtr doc = outcome.doc;
    outcome.doc = nullptr;
    lastLoad_ = std::move(outcome);
    auto holder = XmlDocHolder::Adopt(doc, settings_);
    if (Holder()->DocumentObject() == Interface()) Holder()->SetDocumentObject(nullptr);
    holder->SetDocumentObject(Interface());
    Reset(holder, reinterpret_cast<xmlNodePtr>(holder->Doc()));
    bool ok = lastLoad_.errorCode == 0;
    if (loaded) *loaded = ok ? VARIANT_TRUE : VARIANT_FALSE;
    return ok ? S_OK : S_FALSE;
}

HRESULT CXmlDocument::get_documentElement(IXMLDOMElement** element) {
    if (!element) return E_POINTER;
    *element = nullptr;
    return XmlCall([&] {
        auto node = Wrap(xmlDocGetRootElement(Doc()));
        if (!node) return S_FALSE;
        return node->QueryInterface(IID_IXMLDOMElement, reinterpret_cast<void**>(element));
    });
}

HRESULT CXmlDocument::ReturnNew(xmlNodePtr node, IXMLDOMNode** out) {
    if (!node) throw std::bad_alloc();
    Holder()->AddOrphan(node);
    return ReturnNode(node, out);
}

HRESULT CXmlDocument::NewElement(const std::string& name, const std::string& namespaceUri, IXMLDOMNode** out) {
    if (xmlValidateQName(XmlChars(name), 0) != 0)
        return SetErrorText(E_INVALIDARG, Utf8ToUtf16("\"" + name + "\" is not a valid element name."));
    std::string prefix, local = name;
    if (std::size_t colon = name.find(':'); colon != std::string::npos) {
        prefix = name.substr(0, colon);
        local = name.substr(colon + 1);
        if (namespaceUri.empty())
            return SetErrorText(E_INVALIDARG, Utf8ToUtf16("The prefix of \"" + name + "\" needs a namespace."));
    }
    xmlNodePtr element = xmlNewDocNode(Doc(), nullptr, XmlChars(local), nullptr);
    if (!element) throw std::bad_alloc();
    if (!namespaceUri.empty()) {
        xmlNsPtr ns = xmlNewNs(element, XmlChars(namespaceUri), prefix.empty() ? nullptr : XmlChars(prefix));
        if (!ns) {
            xmlFreeNode(element);
            return SetErrorText(E_INVALIDARG, Utf8ToUtf16("The prefix of \"" + name + "\" cannot be bound."));
        }
        xmlSetNs(element, ns);
    }
    return ReturnNew(element, out);
}

HRESULT CXmlDocument::createElement(BSTR tagName, IXMLDOMElement** element) {
    if (!element) return E_POINTER;
    *element = nullptr;
    return XmlCall([&] {
        ComPtr<IXMLDOMNode> node;
        if (HRESULT hr = NewElement(ToXmlUtf8(tagName), {}, node.Out()); FAILED(hr)) return hr;
        return node->QueryInterface(IID_IXMLDOMElement, reinterpret_cast<void**>(element));
    });
}

HRESULT CXmlDocument::createTextNode(BSTR data, IXMLDOMNode** node) {
    if (!node) return E_POINTER;
    *node = nullptr;
    return XmlCall([&] { return ReturnNew(xmlNewDocText(Doc(), XmlChars(ToXmlUtf8(data))), node); });
}

HRESULT CXmlDocument::createProcessingInstruction(BSTR target, BSTR data, IXMLDOMNode** node) {
    if (!node) return E_POINTER;
    *node = nullptr;
    return XmlCall([&] {
        std::string name = ToXmlUtf8(target);
        if (xmlValidateNCName(XmlChars(name), 0) != 0)
            return SetErrorText(E_INVALIDARG, Utf8ToUtf16("\"" + name + "\" is not a valid target."));
        return ReturnNew(xmlNewDocPI(Doc(), XmlChars(name), XmlChars(ToXmlUtf8(data))), node);
    });
}

HRESULT CXmlDocument::createNode(VARIANT type, BSTR name, BSTR namespaceURI, IXMLDOMNode** node) {
    if (!node) return E_POINTER;
    *node = nullptr;
    return XmlCall([&] {
        LONG kind = 0;
        if (!NodeTypeOf(type, kind)) return SetErrorText(E_INVALIDARG, u"Unknown node type.");
        switch (kind) {
            case NODE_ELEMENT:
                return NewElement(ToXmlUtf8(name), ToXmlUtf8(namespaceURI), node);
            case NODE_TEXT:
                return ReturnNew(xmlNewDocText(Doc(), BAD_CAST ""), node);
            case NODE_CDATA_SECTION:
                return ReturnNew(xmlNewCDataBlock(Doc(), BAD_CAST "", 0), node);
            case NODE_COMMENT:
                return ReturnNew(xmlNewDocComment(Doc(), BAD_CAST ""), node);
            case NODE_PROCESSING_INSTRUCTION: {
                std::string target = ToXmlUtf8(name);
                if (xmlValidateNCName(XmlChars(target), 0) != 0)
                    return SetErrorText(E_INVALIDARG, Utf8ToUtf16("\"" + target + "\" is not a valid target."));
                return ReturnNew(xmlNewDocPI(Doc(), XmlChars(target), BAD_CAST ""), node);
            }
            default:
                return SetErrorText(E_INVALIDARG, u"This node type cannot be created.");
        }
    });
}

HRESULT CXmlDocument::load(VARIANT source, VARIANT_BOOL* loaded) {
    if (loaded) *loaded = VARIANT_FALSE;
    return XmlCall([&] {
        std::string path;
        if (!PathOf(source, path)) return SetErrorText(E_INVALIDARG, u"A document is loaded from a file path.");
        return TakeLoad(XmlParser::ParseFile(path), loaded);
    });
}

HRESULT CXmlDocument::loadXML(BSTR xml, VARIANT_BOOL* loaded) {
    if (loaded) *loaded = VARIANT_FALSE;
    return XmlCall([&] {
        return TakeLoad(XmlParser::ParseText(std::u16string_view(xml ? xml : u"", SysStringLen(xml))), loaded);
    });
}

HRESULT CXmlDocument::get_parseError(IXMLDOMParseError** error) {
    if (!error) return E_POINTER;
    return XmlCall([&] {
        *error = CXmlParseError::Make(lastLoad_).Detach();
        return S_OK;
    });
}

HRESULT CXmlDocument::get_async(VARIANT_BOOL* async) {
    if (!async) return E_POINTER;
    *async = async_;
    return S_OK;
}

HRESULT CXmlDocument::put_async(VARIANT_BOOL async) {
    async_ = async ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT CXmlDocument::save(VARIANT destination) {
    return XmlCall([&] {
        std::string path;
        if (!PathOf(destination, path)) return SetErrorText(E_INVALIDARG, u"A document is saved to a file path.");
        std::string encoding = XmlWriter::DeclaredEncoding(Doc());
        if (!encoding.empty()) {
            xmlCharEncodingHandlerPtr handler = xmlFindCharEncodingHandler(encoding.c_str());
            if (!handler)
                return SetErrorText(E_FAIL, Utf8ToUtf16("The encoding \"" + encoding + "\" is not supported."));
            xmlCharEncCloseFunc(handler);
        }
        return WriteFileAtomically(path, XmlWriter::DocumentBytes(Doc(), encoding));
    });
}

HRESULT CXmlDocument::setProperty(BSTR name, VARIANT value) {
    return XmlCall([&] {
        std::u16string property(name ? name : u"", SysStringLen(name));
        const VARIANT& v = Deref(value);
        if (v.vt != VT_BSTR) return SetErrorText(E_INVALIDARG, u"The property value must be text.");
        std::u16string text(v.bstrVal ? v.bstrVal : u"", SysStringLen(v.bstrVal));
        if (property == u"SelectionLanguage") {
            if (text != u"XPath") return SetErrorText(E_INVALIDARG, u"The selection language is XPath.");
            return S_OK;
        }
        if (property == u"SelectionNamespaces") {
            XPathQuery::Namespaces namespaces;
            if (!XPathQuery::ParseNamespaces(text, namespaces))
                return SetErrorText(E_INVALIDARG, u"Malformed namespace declarations: " + text);
            settings_->namespacesText = text;
            settings_->namespaces = std::move(namespaces);
            return S_OK;
        }
        return SetErrorText(E_INVALIDARG, u"Unknown property: " + property);
    });
}

HRESULT CXmlDocument::getProperty(BSTR name, VARIANT* value) {
    if (!value) return E_POINTER;
    VariantInit(value);
    return XmlCall([&] {
        std::u16string property(name ? name : u"", SysStringLen(name));
        std::u16string text;
        if (property == u"SelectionLanguage")
            text = u"XPath";
        else if (property == u"SelectionNamespaces")
            text = settings_->namespacesText;
        else
            return SetErrorText(E_INVALIDARG, u"Unknown property: " + property);
        value->vt = VT_BSTR;
        value->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return S_OK;
    });
}

HRESULT CXmlDocument::validateWithSchema(VARIANT schema, BSTR* errors) {
    if (!errors) return E_POINTER;
    *errors = nullptr;
    return XmlCall([&] {
        std::vector<std::u16string> found;
        HRESULT hr;
        const VARIANT& v = Deref(schema);
        std::string path;
        if (PathOf(v, path)) {
            hr = XmlSchemaValidator::ValidateWithFile(Doc(), path, found);
        } else if ((v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) && v.punkVal) {
            XmlNodeCore* core = From(v.punkVal);
            if (!core || core->Node()->type != XML_DOCUMENT_NODE)
                return SetErrorText(E_INVALIDARG, u"The schema must be a loaded document.");
            hr = XmlSchemaValidator::ValidateWithDocument(Doc(), core->Holder()->Doc(), found);
        } else {
            return SetErrorText(E_INVALIDARG, u"The schema is a file path or a loaded document.");
        }
        if (FAILED(hr)) return hr;
        std::u16string text;
        for (const auto& line : found) text += (text.empty() ? u"" : u"\r\n") + line;
        if (HRESULT out = ReturnBstr(text, errors); FAILED(out)) return out;
        return hr;
    });
}

}  // namespace tlx
