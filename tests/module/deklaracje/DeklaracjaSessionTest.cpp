// A declaration opened in a session of its own: the session goes once nothing holds it or the
// declaration any longer, and a new session finds the declaration as it was stored.
#include <gtest/gtest.h>

#include "DeclarationFixture.h"
#include "host/session/HostEnvironment.h"
#include "platform/com/VariantConversion.h"

namespace tlx::test {
namespace {

LONG Number(const Variant& value) {
    Variant number;
    return SUCCEEDED(VariantChangeType(&number, &value, 0, VT_I4)) ? number.lVal : -1;
}

class DeklaracjaSessionTest : public DeclarationTest {
protected:
    void SetUp() override {
        DeclarationTest::SetUp();
        UseTestForms();
        ComPtr<ICollection> declarations = Declarations();
        ComPtr<IDispatch> item;
        ASSERT_EQ(declarations->AddNew(Variant::Missing(), item.Out()), S_OK) << Utf16ToUtf8(LastError());
        Put(item.Get(), u"TypDeklar", Variant::FromLong(900));
        Put(item.Get(), u"Wersja", Variant::FromLong(1));
        Put(item.Get(), u"Rok", Variant::FromLong(2016));
        Put(item.Get(), u"Miesiac", Variant::FromLong(1));
        Put(item.Get(), u"Liczba", Variant::FromLong(5));
        Put(item.Get(), u"DoZaplaty", Variant::FromDouble(1));
        ASSERT_EQ(SaveCollection(declarations.Get()), S_OK) << Utf16ToUtf8(LastError());
        Variant id = Get(item.Get(), u"ID"), number;
        ASSERT_EQ(VariantChangeType(&number, &id, 0, VT_I4), S_OK);
        id_ = number.lVal;
    }

    LONG id_ = 0;
};

TEST_F(DeklaracjaSessionTest, ADroppedSessionGoesWithTheDeclarationItOpened) {
    const std::size_t before = host::LiveSessionCount();
    for (int round = 0; round < 3; ++round) {
        ComPtr<ISession> session = NewSession();
        ComPtr<IDispatch> declaration =
            Create(session.Get(), u"TLXDeklaracje.Deklaracje", Variant::FromString(Utf8ToUtf16(std::to_string(id_))));
        EXPECT_EQ(Number(Get(declaration.Get(), u"Liczba")), 5);
        session.Reset();
        EXPECT_EQ(Number(Get(declaration.Get(), u"Rok")), 2016) << "the declaration keeps its session";
    }
    ComPtr<ISession> last = NewSession();
    EXPECT_EQ(host::LiveSessionCount(), before + 1) << "only the newest session is left";
}

}  // namespace
}  // namespace tlx::test
