#include <gtest/gtest.h>

#include "ModuleClassFixture.h"
#include "hostapi/Login.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/LiveDeclarations.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "platform/text/CodePage.h"

namespace {
class LiveDeclarations : public ModuleClassTest {
protected:
    LONG Insert() { return InsertDeclarationRow(300, 202403); }
};
}  // namespace

// A declaration is found in its own session, the latest copy first, never in another session.
TEST_F(LiveDeclarations, TheSessionsLatestCopyIsFound) {
    const LONG id = Insert();
    EXPECT_FALSE(FindLiveDeclaration(session_.Get(), id));
    tlx::ComPtr<IDeklaracja2> first = OpenDeclaration(session_.Get(), id);
    ASSERT_TRUE(first);
    EXPECT_EQ(FindLiveDeclaration(session_.Get(), id).Get(), first.Get());
    tlx::ComPtr<IDeklaracja2> second = OpenDeclaration(session_.Get(), id);
    EXPECT_EQ(FindLiveDeclaration(session_.Get(), id).Get(), second.Get());
    EXPECT_FALSE(FindLiveDeclaration(session_.Get(), id + 1));
    EXPECT_FALSE(FindLiveDeclaration(session_.Get(), 0));

    tlx::ComPtr<ILogin> login;
    ASSERT_EQ(CreateHostApplication()->GetLogin(login.Out()), S_OK);
    tlx::ComPtr<ISession> other;
    ASSERT_EQ(login->CreateSession(other.Out()), S_OK);
    EXPECT_FALSE(FindLiveDeclaration(other.Get(), id));
}
