#include "Console.h"

#include <cstdio>

#include "platform/text/CodePage.h"

const tlx::DispatchTable& DispatchTableOf(ITlxConsole*) {
    static const tlx::DispatchTable table{tlx::DispMethod<&ITlxConsole::WriteLine>(u"WriteLine", 1)};
    return table;
}

HRESULT CTlxConsole::WriteLine(BSTR text) {
    std::string line = tlx::Utf16ToUtf8(std::u16string_view(text ? text : u"", SysStringLen(text)));
    std::fprintf(stdout, "%s\n", line.c_str());
    std::fflush(stdout);
    return S_OK;
}
