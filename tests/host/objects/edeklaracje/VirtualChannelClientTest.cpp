// The host's virtual-channel client against a far end the test plays on the channel's socket: a
// command and its reply as whole frames, a reply announcing a negative length, a far end that closed,
// and no far end at all.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>

#include "host/objects/edeklaracje/ChannelFrames.h"
#include "host/objects/edeklaracje/VirtualChannelClient.h"
#include "platform/com/Bstr.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace {

constexpr char16_t kChannel[] = u"{DB94ACDF-5FA3-45F7-AB4B-0CAE3ABCD43A}";

class VirtualChannelClient : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("tlx-kanal-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        setenv("TLX_VIRTUAL_CHANNEL_DIR", folder.c_str(), 1);
        client = tlx::host::CVirtualChannelClient::Make();
    }
    void TearDown() override {
        client.Reset();  // closes the channel, so that the far end's loop ends
        if (farEnd.joinable()) farEnd.join();
        if (listener >= 0) ::close(listener);
        unsetenv("TLX_VIRTUAL_CHANNEL_DIR");
        std::filesystem::remove_all(folder);
    }

    // Listens on the channel's socket; the far end serves one connection with `serve`.
    void Listen(std::function<void(int connection)> serve) {
        const std::string path = tlx::host::ChannelSocketPath(kChannel).string();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.c_str(), path.size());
        listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(::listen(listener, 1), 0);
        farEnd = std::thread([this, serve] {
            const int connection = ::accept(listener, nullptr, nullptr);
            serve(connection);
            ::close(connection);
        });
    }
    std::pair<HRESULT, std::u16string> Execute(const std::u16string& command) {
        tlx::Bstr reply;
        const HRESULT hr = client->Execute(tlx::Bstr(command).Get(), 0, reply.Out());
        return {hr, FAILED(hr) ? tlx::TakeErrorDescription() : std::u16string(reply.View())};
    }

    std::filesystem::path folder;
    int listener = -1;
    std::thread farEnd;
    tlx::ComPtr<tlx::host::CVirtualChannelClient> client;
};

TEST_F(VirtualChannelClient, ACommandAndItsReplyTravelAsWholeFrames) {
    Listen([](int connection) {
        std::u16string command;
        std::string why;
        while (tlx::host::ReadFrame(connection, command, why)) tlx::host::WriteFrame(connection, u"ok#" + command);
    });
    ASSERT_EQ(client->Connect(tlx::Bstr(kChannel).Get()), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    const std::u16string split = u"put#" + std::u16string(1, u'\xD83D');  // half a pair stays as it is
    EXPECT_EQ(Execute(split), (std::pair<HRESULT, std::u16string>{S_OK, u"ok#" + split}));
    EXPECT_EQ(Execute(u"get#0"), (std::pair<HRESULT, std::u16string>{S_OK, u"ok#get#0"}));
}

TEST_F(VirtualChannelClient, ANegativeLengthOrAClosedFarEndFailsTheCall) {
    Listen([](int connection) {
        std::u16string command;
        std::string why;
        tlx::host::ReadFrame(connection, command, why);
        const unsigned char negative[4] = {0xFF, 0xFF, 0xFF, 0xFF};
        ::send(connection, negative, sizeof negative, MSG_NOSIGNAL);
    });
    ASSERT_EQ(client->Connect(tlx::Bstr(kChannel).Get()), S_OK);
    EXPECT_EQ(Execute(u"sign#"), (std::pair<HRESULT, std::u16string>{
                                     E_FAIL, u"Błąd kanału wirtualnego: kanał wirtualny zapowiedział tekst o długości -1"}));
    EXPECT_EQ(Execute(u"sign#"), (std::pair<HRESULT, std::u16string>{E_UNEXPECTED, u"Kanał wirtualny nie jest połączony"}))
        << "a broken channel is closed";
}

TEST_F(VirtualChannelClient, WithoutAFarEndNothingConnects) {
    EXPECT_EQ(client->Connect(tlx::Bstr(kChannel).Get()), E_FAIL);
    EXPECT_NE(tlx::TakeErrorDescription().find(u"Nie można połączyć się z kanałem wirtualnym "), std::u16string::npos);
}

}  // namespace
