// Makes the DOM document class known to the process when the platform library loads, as the operating
// system's XML service would be: CoCreateInstance finds it by CLSID_DOMDocument or its ProgID. Also
// turns off network access for every entity, schema and document libxml2 would fetch.
#include <libxml/parser.h>
#include <libxml/xmlIO.h>

#include "platform/com/ClassRegistry.h"
#include "platform/xml/XmlDocument.h"

namespace {

struct XmlClassRegistration {
    XmlClassRegistration() {
        xmlInitParser();
        xmlSetExternalEntityLoader(xmlNoNetExternalEntityLoader);
        tlx::ComPtr<IClassFactory> factory;
        if (SUCCEEDED(tlx::ClassFactory<tlx::CXmlDocument>::Get(IID_IClassFactory, factory.OutVoid()))) {
            DWORD cookie = 0;
            tlx::RegisterProcessClass(CLSID_DOMDocument, kDomDocumentProgId, factory.Get(), &cookie);
        }
    }
};

const XmlClassRegistration registration;

}  // namespace
