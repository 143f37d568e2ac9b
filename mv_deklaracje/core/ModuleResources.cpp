#include "mv_deklaracje/core/ModuleResources.h"

#include <dlfcn.h>

#include "platform/text/CodePage.h"

std::u16string ModuleFilePath() {
    Dl_info info{};
    if (!::dladdr(reinterpret_cast<void*>(&ModuleFilePath), &info) || !info.dli_fname) return {};
    return tlx::Utf8ToUtf16(info.dli_fname);
}
