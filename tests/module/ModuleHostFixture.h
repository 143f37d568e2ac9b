// A fixture for module tests that need the host: a fresh company database in a temporary folder
// (db/company.sql and the host's tables), the host started on it, and one session.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "host/Database.h"
#include "host/HostTables.h"
#include "host/session/HostEnvironment.h"
#include "hostapi/Session.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/com/ErrorInfo.h"

class ModuleHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("tlx-module-test-" + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        database_ = (folder_ / "firma.db").string();
        const char* source = std::getenv("TLX_SOURCE_DIR");
        ASSERT_NE(source, nullptr) << "TLX_SOURCE_DIR names the source tree";
        std::ifstream ddl(std::filesystem::path(source) / "db" / "company.sql", std::ios::binary);
        std::stringstream text;
        text << ddl.rdbuf();
        tlx::ado::CreateDatabaseFile(database_, {text.str(), tlx::host::HostTablesSql()});
        tlx::host::LoginSettings settings;
        settings.companyDatabase = database_;
        settings.op.today = operatorToday_;
        ASSERT_EQ(tlx::host::StartHost(settings), S_OK);
        ASSERT_EQ(tlx::host::CurrentLogin()->CreateSession(session_.Out()), S_OK);
    }
    void TearDown() override {
        session_.Reset();
        tlx::host::StopHost();
        tlx::TakeErrorDescription();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Runs a statement on the session's company database.
    void Execute(std::u16string_view sql) {
        tlx::ComPtr<Connection> connection;
        ASSERT_EQ(session_.As<ISession2>()->get_Connection(connection.Out()), S_OK);
        tlx::host::ExecuteSql(connection.Get(), sql);
    }

    // The session as the dispatch object the module's helpers take.
    tlx::ComPtr<IDispatch> SessionObject() const { return session_.As<IDispatch>(); }

    // The operator's working date; a test's constructor may choose another before SetUp.
    DATE operatorToday_ = 45000;  // 2023-03-15
    std::filesystem::path folder_;
    std::string database_;
    tlx::ComPtr<ISession> session_;
};
