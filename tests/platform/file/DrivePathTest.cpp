// Drive-letter paths mapped to the folders of their variables.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/file/DrivePath.h"

namespace {

class DrivePathTest : public ::testing::Test {
protected:
    void TearDown() override {
        unsetenv("TLX_DRIVE_Z");
        unsetenv("TLX_DRIVE_C");
    }
};

TEST_F(DrivePathTest, ADrivePathLandsUnderItsVariablesFolder) {
    setenv("TLX_DRIVE_Z", "/srv/zus", 1);
    setenv("TLX_DRIVE_C", "/srv/c/", 1);
    EXPECT_EQ(tlx::NativePath(u"Z:/TEMP001.KDU"), "/srv/zus/TEMP001.KDU");
    EXPECT_EQ(tlx::NativePath(u"z:\\Kadry\\Łódź.kdu"), "/srv/zus/Kadry/Łódź.kdu");
    EXPECT_EQ(tlx::NativePath(u"C:\\a.xml"), "/srv/c/a.xml") << "one separator between folder and name";
}

TEST_F(DrivePathTest, OtherPathsStayAndAnUnsetDriveIsRefused) {
    EXPECT_EQ(tlx::NativePath(u"/tmp/a\\b.xml"), "/tmp/a\\b.xml");
    EXPECT_EQ(tlx::NativePath(u"Z:TEMP001.KDU"), "Z:TEMP001.KDU") << "no separator after the colon";
    EXPECT_EQ(tlx::NativePath(u"1:/x"), "1:/x");
    EXPECT_EQ(tlx::NativePath(u"Z:/TEMP001.KDU"), std::nullopt);
    setenv("TLX_DRIVE_Z", "", 1);
    EXPECT_EQ(tlx::NativePath(u"Z:/TEMP001.KDU"), std::nullopt) << "an empty variable names no folder";
    EXPECT_EQ(tlx::DriveVariableOf(u"q:\\x"), "TLX_DRIVE_Q");
}

}  // namespace
