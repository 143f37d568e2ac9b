// The gateway transport's settings read from the environment.
#include <gtest/gtest.h>

#include "host/objects/edeklaracje/SoapTransport.h"

namespace {

TEST(SoapTransport, ATimeOutSettingOtherThanOneToThreeThousandSixHundredSecondsIsTheDefault) {
    const struct {
        const char* setting;
        long seconds;
    } rows[] = {
        {nullptr, 120}, {"", 120},   {"1", 1},     {"45", 45},   {"3600", 3600}, {"0", 120},
        {"3601", 120},  {"-5", 120}, {"+5", 120}, {" 5", 120}, {"5s", 120},    {"1.5", 120},
        {"abc", 120},   {"99999999999999999999", 120},
    };
    for (const auto& row : rows)
        EXPECT_EQ(tlx::host::SoapTransport::TimeoutSeconds(row.setting), row.seconds)
            << (row.setting ? row.setting : "(unset)");
}

}  // namespace
