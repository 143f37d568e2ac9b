// Signing on the user's machine over the remote-desktop channel, with the signing component scripted
// by the test: the commands a signing sends, the result read back in pieces, the failures of the
// component and of the channel, and the send of a remote operator's VAT-7.
#include <gtest/gtest.h>

#include "EDeklaracjaSupport.h"
#include "ModuleClassFixture.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/edeklaracje/VirtualChannelSigning.h"

namespace {

using edtest::CScriptedChannel;

constexpr char16_t kChannel[] = u"{DB94ACDF-5FA3-45F7-AB4B-0CAE3ABCD43A}";
constexpr char16_t kUnknown[] = u"Nieznany błąd po stronie klienta";

class VirtualChannel : public ::testing::Test {
protected:
    void SetUp() override {
        channel = CScriptedChannel::Make();
        standIn.emplace(CLSID_VirtualChannelClient, kProgIdVirtualChannelClient,
                        static_cast<IVirtualChannelClient*>(channel.Get()));
    }
    void TearDown() override {
        // The process's client is let go, so that the next test starts without one.
        channel->failure = E_FAIL;
        try {
            VirtualChannelSigning::SendOverVirtualChannel(u"clear#");
        } catch (...) {
        }
        standIn.reset();
    }

    // The failure text of a signing, or "" when it signed.
    std::u16string Failure(VirtualChannelSigning& signing, std::u16string_view document, bool serial = false) {
        try {
            signing.SignOverVirtualChannel(document, serial);
        } catch (const VirtualChannelSigning::Failure& failure) {
            return failure.text;
        }
        return u"";
    }
    // The lengths of the pieces the "put#" commands carried.
    std::vector<std::size_t> Pieces() const {
        std::vector<std::size_t> lengths;
        for (const auto& command : channel->commands)
            if (command.starts_with(u"put#")) lengths.push_back(command.size() - 4);
        return lengths;
    }

    tlx::ComPtr<CScriptedChannel> channel;
    std::optional<edtest::StandIn> standIn;
};

TEST_F(VirtualChannel, TheDocumentGoesInPiecesAndTheResultComesBack) {
    channel->reply = edtest::SignsAs(u"QUJD");
    struct Row {
        std::size_t length;
        std::vector<std::size_t> pieces;
    };
    for (const Row& row : {Row{0, {0}}, Row{1590, {1590, 0}}, Row{3180, {1590, 1590, 0}}, Row{3181, {1590, 1590, 1}}}) {
        SCOPED_TRACE(row.length);
        channel->commands.clear();
        VirtualChannelSigning signing;
        EXPECT_EQ(signing.SignOverVirtualChannel(std::u16string(row.length, u'ż'), false), "QUJD");
        EXPECT_EQ(Pieces(), row.pieces);
        EXPECT_EQ(channel->commands.front(), u"clearc#");
        EXPECT_EQ(channel->commands.at(1), u"clear#");
        EXPECT_EQ(channel->commands.back(), u"get#0");
    }
    EXPECT_EQ(standIn->Created(), 1) << "one client for the process";
    EXPECT_EQ(channel->channels, std::vector<std::u16string>{kChannel});

    // The same object forgets the certificate only before its first signing; in a series it says so.
    VirtualChannelSigning signing;
    signing.SignOverVirtualChannel(u"<a/>", false);
    channel->commands.clear();
    signing.SignOverVirtualChannel(u"<a/>", true);
    EXPECT_EQ(channel->commands, (std::vector<std::u16string>{u"clear#", u"put#<a/>", u"sign#s", u"get#0"}));
}

TEST_F(VirtualChannel, TheResultIsReadFromTheOffsetsItReached) {
    const std::u16string result = std::u16string(60, u'A') + std::u16string(40, u'B');
    channel->reply = edtest::SignsAs(result, 60);
    VirtualChannelSigning signing;
    EXPECT_EQ(signing.SignOverVirtualChannel(u"<a/>", false), tlx::Utf16ToUtf8(result));
    EXPECT_EQ(std::vector<std::u16string>(channel->commands.end() - 2, channel->commands.end()),
              (std::vector<std::u16string>{u"get#0", u"get#60"}));
}

TEST_F(VirtualChannel, WhatTheComponentAnswersWronglyEndsTheSigning) {
    struct Row {
        const char* name;
        std::function<std::u16string(const std::u16string&)> reply;
        std::u16string failure;
    };
    auto answering = [](std::u16string sign, std::u16string get) {
        return [sign, get](const std::u16string& command) {
            return command.starts_with(u"sign#") ? sign : command.starts_with(u"get#") ? get : std::u16string(u"ok#");
        };
    };
    const Row rows[] = {
        {"an empty result", answering(u"ok#0", u"ok#QUJD"), kUnknown},
        {"no number", answering(u"ok#abc", u"ok#QUJD"), kUnknown},
        {"the component's error", answering(u"err#x", u"ok#"), u"Błąd po stronie klienta: x"},
        {"ok in capitals", answering(u"OK#4", u"ok#QUJD"), kUnknown},
        {"an empty piece", answering(u"ok#4", u"ok#"), kUnknown},
        {"a result that is no Base64", answering(u"ok#4", u"ok#<a>"), kUnknown},
        {"neither ok nor err", answering(u"ok#4", u"tak"), kUnknown},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        channel->reply = row.reply;
        channel->commands.clear();
        VirtualChannelSigning signing;
        EXPECT_EQ(Failure(signing, u"<a/>"), row.failure);
    }
    channel->reply = rows[0].reply;
    VirtualChannelSigning signing;
    Failure(signing, u"<a/>");
    EXPECT_EQ(channel->commands.back(), u"sign#") << "nothing is read of an empty result";
}

TEST_F(VirtualChannel, AFailedCallLetsTheClientGoAndTheNextCommandConnectsANewOne) {
    channel->reply = edtest::SignsAs(u"QUJD");
    VirtualChannelSigning signing;
    channel->failure = E_FAIL;
    channel->failureText = u"Kanał został zamknięty";
    EXPECT_EQ(Failure(signing, u"<a/>"), u"Kanał został zamknięty");
    EXPECT_EQ(standIn->Created(), 1);
    EXPECT_EQ(signing.SignOverVirtualChannel(u"<a/>", false), "QUJD");
    EXPECT_EQ(standIn->Created(), 2);
    EXPECT_EQ(channel->channels.size(), 2u);

    // A failed call without an error description is a COM error of its own.
    channel->failure = E_FAIL;
    channel->failureText.clear();
    EXPECT_THROW(VirtualChannelSigning::SendOverVirtualChannel(u"clear#"), ComError);
}

TEST_F(VirtualChannel, WithoutTheComponentNothingConnects) {
    standIn.emplace(CLSID_VirtualChannelClient, kProgIdVirtualChannelClient, nullptr);
    VirtualChannelSigning signing;
    EXPECT_EQ(Failure(signing, u"<a/>"),
              u"Błąd połączenia kanału wirtualnego, spawdź czy zainstalowano komponent do lokalnego podpisywania "
              u"dokumentów.");
}

}  // namespace
