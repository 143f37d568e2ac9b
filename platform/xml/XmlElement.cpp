#include "platform/xml/XmlElement.h"

#include <string>

#include "platform/com/ErrorInfo.h"
#include "platform/com/Locale.h"
#include "platform/com/VariantConversion.h"
#include "platform/xml/XmlText.h"

namespace tlx {

namespace {

std::string AttributeName(xmlAttrPtr attr) {
    std::string name;
    if (attr->ns && attr->ns->prefix) name = std::string(reinterpret_cast<const char*>(attr->ns->prefix)) + ":";
    return name + reinterpret_cast<const char*>(attr->name);
}

// The text of an attribute value passed as a VARIANT: numbers as the C locale writes them.
bool ValueText(const VARIANT& value, std::string& text) {
    const VARIANT* v = &value;
    if (v->vt == (VT_BYREF | VT_VARIANT) && v->pvarVal) v = v->pvarVal;
    switch (v->vt) {
        case VT_BSTR: text = ToXmlUtf8(v->bstrVal); return true;
        case VT_BOOL: text = v->boolVal ? "true" : "false"; return true;
        case VT_EMPTY:
        case VT_NULL: text.clear(); return true;
        default: break;
    }
    Variant converted;
    if (FAILED(VariantChangeTypeEx(&converted, v, LANG_ENGLISH_US, 0, VT_BSTR))) return false;
    text = ToXmlUtf8(converted.bstrVal);
    return true;
}

xmlNsPtr OwnDeclaration(xmlNodePtr element, const xmlChar* prefix) {
    for (xmlNsPtr ns = element->nsDef; ns; ns = ns->next)
        if (xmlStrEqual(ns->prefix, prefix)) return ns;
    return nullptr;
}

}  // namespace

xmlAttrPtr CXmlElement::FindAttribute(const std::string& name) const {
    for (xmlAttrPtr attr = Node()->properties; attr; attr = attr->next)
        if (AttributeName(attr) == name) return attr;
    return nullptr;
}

HRESULT CXmlElement::getAttribute(BSTR name, VARIANT* value) {
    if (!value) return E_POINTER;
    VariantInit(value);
    return XmlCall([&] {
        std::string wanted = ToXmlUtf8(name);
        const xmlChar* found = nullptr;
        xmlChar* owned = nullptr;
        if (wanted == "xmlns" || wanted.rfind("xmlns:", 0) == 0) {
            std::string prefix = wanted.size() > 6 ? wanted.substr(6) : std::string();
            if (xmlNsPtr ns = OwnDeclaration(Node(), prefix.empty() ? nullptr : XmlChars(prefix)))
                found = ns->href ? ns->href : BAD_CAST "";
        } else if (xmlAttrPtr attr = FindAttribute(wanted)) {
            owned = xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(attr));
            found = owned ? owned : BAD_CAST "";
        }
        if (!found) {
            value->vt = VT_NULL;
            return S_FALSE;
        }
        std::u16string text = FromXmlUtf8(found);
        xmlFree(owned);
        value->vt = VT_BSTR;
        value->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        if (!value->bstrVal) {
            value->vt = VT_EMPTY;
            return E_OUTOFMEMORY;
        }
        return S_OK;
    });
}

void CXmlElement::DeclareNamespace(const std::string& prefix, const std::string& uri) {
    const xmlChar* p = prefix.empty() ? nullptr : XmlChars(prefix);
    xmlNsPtr ns = xmlNewNs(Node(), XmlChars(uri), p);
    if (!ns) throw std::bad_alloc();
    if (prefix.empty()) return;
    // Attributes set as "p:name" before p was declared join the namespace now.
    std::string start = prefix + ":";
    for (xmlAttrPtr attr = Node()->properties; attr; attr = attr->next) {
        std::string name = reinterpret_cast<const char*>(attr->name);
        if (attr->ns || name.rfind(start, 0) != 0) continue;
        std::string local = name.substr(start.size());
        attr->ns = ns;
        xmlNodeSetName(reinterpret_cast<xmlNodePtr>(attr), XmlChars(local));
    }
}

HRESULT CXmlElement::setAttribute(BSTR name, VARIANT value) {
    return XmlCall([&] {
        std::string qualified = ToXmlUtf8(name);
        std::string text;
        if (qualified.empty()) return SetErrorText(E_INVALIDARG, u"An attribute needs a name.");
        if (!ValueText(value, text))
            return SetErrorText(DISP_E_TYPEMISMATCH, u"The attribute value cannot be turned into text.");
        if (qualified == "xmlns" || qualified.rfind("xmlns:", 0) == 0) {
            std::string prefix = qualified.size() > 6 ? qualified.substr(6) : std::string();
            xmlNsPtr own = OwnDeclaration(Node(), prefix.empty() ? nullptr : XmlChars(prefix));
            if (own) {
                if (xmlStrEqual(own->href, XmlChars(text))) return S_OK;
                return SetErrorText(E_FAIL, u"A namespace declared on an element cannot be changed.");
            }
            xmlNsPtr current = Node()->ns;
            bool changesOwnNamespace = prefix.empty() && (current ? !current->prefix && !xmlStrEqual(current->href, XmlChars(text))
                                                                  : !text.empty());
            if (changesOwnNamespace)
                return SetErrorText(E_FAIL, u"A default namespace would change the element's own namespace.");
            DeclareNamespace(prefix, text);
            return S_OK;
        }
        if (!xmlSetProp(Node(), XmlChars(qualified), XmlChars(text))) throw std::bad_alloc();
        return S_OK;
    });
}

}  // namespace tlx
