// The stylesheets one e-declaration object has read and parsed, each kept by its transformation's name
// with the text it was parsed from: a build handed the same text again reuses the parsed sheet, a changed
// text is parsed afresh. A transformation only reads its stylesheet (it works on copies), so one parsed
// sheet serves every build of the object.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/com/ComPtr.h"
#include "platform/res/Resources.h"
#include "platform/xml/XmlDom.h"

class TransformSheets {
public:
    using Parse = std::function<tlx::ComPtr<IXMLDOMDocument2>(std::u16string_view text)>;

    // The module's stylesheet resource `name` as text (empty when there is none), converted again only
    // when the resource's bytes changed.
    std::u16string_view ResourceText(HMODULE resources, std::u16string_view name);
    // The sheet parsed from `text` for transformation `name`; `parse` runs when no sheet of that text is
    // kept, and what it raises passes on with nothing kept.
    tlx::ComPtr<IXMLDOMDocument2> Sheet(std::u16string_view name, std::u16string_view text, const Parse& parse);

private:
    struct Resource {
        std::string bytes;
        std::u16string text;
    };
    struct Parsed {
        std::u16string text;
        tlx::ComPtr<IXMLDOMDocument2> sheet;
    };

    std::map<std::u16string, Resource, std::less<>> resources_;
    std::map<std::u16string, Parsed, std::less<>> sheets_;
};
