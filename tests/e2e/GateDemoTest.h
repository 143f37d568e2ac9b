// The demo company set up to file e-declarations through a tlxgate of its own: its exchange folder and the
// gateway's address in the company's settings, and the test PKI's certificate chosen for signing.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "TlxhostFixture.h"
#include "platform/ado/SqliteDatabase.h"
#include "tests/support/GateProcess.h"
#include "tests/support/TestPki.h"

class GateDemoTest : public TlxhostDemoTest {
protected:
    // The arguments the test's tlxgate starts with.
    virtual std::vector<std::string> GateArguments() const = 0;

    void SetUp() override {
        TlxhostDemoTest::SetUp();
        gate.emplace(TLX_GATE_PROGRAM, pki, folder_ / "gate", GateArguments());
        std::filesystem::create_directories(folder_ / "wymiana");
        tlx::ado::SqliteDatabase company(Path("firma.db"));
        company.Run("UPDATE TLX.Konfiguracja SET Kfg_Wartosc = '" + Path("wymiana") +
                    "' WHERE Kfg_Klucz = 'eDeklaracjeKatalogWymiany'");
        company.Run("UPDATE TLX.Konfiguracja SET Kfg_Wartosc = '" + gate->Url() + "' WHERE Kfg_Klucz = 'WebServiceAddress'");
        setenv("TLX_CERT_SELECT", "Jan Testowy", 1);
    }
    void TearDown() override {
        unsetenv("TLX_CERT_SELECT");
        gate.reset();
        TlxhostDemoTest::TearDown();
    }

    TestPki pki;
    std::optional<GateProcess> gate;
};
