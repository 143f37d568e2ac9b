#include <gtest/gtest.h>

#include <cstdlib>

#include "IncludeRules.h"

namespace tlx::layering {
namespace {

TEST(Layering, EveryIncludeOfTheTreeKeepsTheLayers) {
    const char* source = std::getenv("TLX_SOURCE_DIR");
    ASSERT_NE(source, nullptr) << "TLX_SOURCE_DIR names the source tree";
    for (const Violation& v : CheckTree(source))
        ADD_FAILURE() << v.file << ":" << v.line << ": #include \"" << v.included << "\" breaks: " << v.rule;
}

struct IncludeCase {
    const char* file;
    const char* included;
    bool allowed;
};

TEST(Layering, RulesTellAllowedIncludesFromWrongOnes) {
    const IncludeCase cases[] = {
        {"platform/com/Variant.cpp", "platform/com/Variant.h", true},
        {"platform/com/Variant.cpp", "hostapi/Session.h", false},
        {"platform/ado/Ado.cpp", "mv_deklaracje/core/Bstr.h", false},
        {"hostapi/Session.h", "platform/com/Variant.h", true},
        {"hostapi/Session.h", "host/session/Session.h", false},
        {"host/session/Session.cpp", "hostapi/Session.h", true},
        {"host/session/Session.cpp", "mv_deklaracje/core/Bstr.h", false},
        {"host/objects/Pracownik.cpp", "tlb/DispatchTables.h", false},
        {"mv_deklaracje/core/HostLookups.cpp", "hostapi/Login.h", true},
        {"mv_deklaracje/core/HostLookups.cpp", "host/session/Session.h", false},
        {"mv_deklaracje/core/Bstr.cpp", "mv_deklaracje/deklaracje/Deklaracja.h", false},
        {"mv_deklaracje/forms/FormXml.cpp", "mv_deklaracje/core/ComError.h", true},
        {"mv_deklaracje/forms/FormXml.cpp", "mv_deklaracje/zus/Classes.h", false},
        {"include/TlxBus2.h", "mv_deklaracje/core/Money.h", true},
        {"include/TlxBus2.h", "mv_deklaracje/pfron/Classes.h", false},
        {"mv_deklaracje/zus/Dra.cpp", "mv_deklaracje/zus/Dra.h", true},
        {"mv_deklaracje/zus/Dra.cpp", "mv_deklaracje/forms/FormXml.h", true},
        {"mv_deklaracje/zus/Dra.cpp", "tlb/Kedu.h", true},
        {"mv_deklaracje/zus/Dra.cpp", "mv_deklaracje/kedu/Kedu.h", false},
        {"mv_deklaracje/deklaracje/DekPdf.cpp", "mv_deklaracje/library/Module.h", false},
        {"mv_deklaracje/library/ObjectMap.cpp", "mv_deklaracje/zus/Classes.h", true},
    };
    for (const IncludeCase& c : cases)
        EXPECT_EQ(BrokenRule(c.file, c.included).empty(), c.allowed) << c.file << " including " << c.included;
}

}  // namespace
}  // namespace tlx::layering
