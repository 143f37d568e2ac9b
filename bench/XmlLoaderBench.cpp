// The cost of reading a form definition the way the loader does: parse the text, select the field
// blocks, each field and its parameters, and read two attributes per field.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/com/ClassRegistry.h"
#include "platform/com/ComPtr.h"
#include "platform/xml/XmlDom.h"

namespace {

std::u16string Definition(int fields) {
    std::u16string text = u"<?xml version=\"1.0\" encoding=\"windows-1250\"?><deklaracja><parametry><typ>1</typ>"
                          u"<wersja>17</wersja></parametry><pola>";
    for (int i = 0; i < fields; ++i) {
        std::u16string n;
        for (char c : std::to_string(i)) n.push_back(static_cast<char16_t>(c));
        text += u"<Pole" + n + u"><parametry typ=\"c\" lp=\"" + n + u"\" opis=\"Pole numer " + n + u"\"/></Pole" + n + u">";
    }
    return text + u"</pola></deklaracja>";
}

void LoadDefinition(benchmark::State& state) {
    const tlx::Bstr text(Definition(static_cast<int>(state.range(0))));
    const tlx::Bstr fieldsPath(u"/deklaracja/pola"), any(u"*"), parametry(u"parametry"), lp(u"lp"), typ(u"typ");
    for (auto _ : state) {
        tlx::ComPtr<IXMLDOMDocument2> doc;
        CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument2, doc.OutVoid());
        VARIANT_BOOL ok;
        doc->loadXML(text.Get(), &ok);
        tlx::ComPtr<IXMLDOMNode> block;
        doc->selectSingleNode(fieldsPath.Get(), block.Out());
        tlx::ComPtr<IXMLDOMNodeList> fields;
        block->selectNodes(any.Get(), fields.Out());
        tlx::ComPtr<IXMLDOMNode> field;
        while (fields->nextNode(field.Out()) == S_OK) {
            tlx::ComPtr<IXMLDOMNode> node;
            field->selectSingleNode(parametry.Get(), node.Out());
            auto element = node.As<IXMLDOMElement>();
            tlx::Variant a, b;
            element->getAttribute(lp.Get(), a.Out());
            element->getAttribute(typ.Get(), b.Out());
            benchmark::DoNotOptimize(a.vt + b.vt);
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(LoadDefinition)->Arg(100)->Arg(500);

}  // namespace
