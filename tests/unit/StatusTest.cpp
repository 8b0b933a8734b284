#include "core/ContactStatus.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

TEST(StatusTest, MessengerCodesMapToTheirStatus)
{
    struct {
        long nCode;
        ContactStatus status;
        const char* pszName;
    } const table[] = {
        {0x0A, STATUS_BUSY, "Busy"},
        {0x01, STATUS_OFFLINE, "Offline"},
        {0x02, STATUS_ONLINE, "ONLINE"},
        {0x0E, STATUS_BE_RIGHT_BACK, "Be right back"},
        {0x12, STATUS_IDLE, "Idle"},
        {0x22, STATUS_AWAY, "Away"},
        {0x32, STATUS_ON_THE_PHONE, "On the phone"},
        {0x42, STATUS_OUT_TO_LUNCH, "Out to lunch"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(row.status, MapMessengerStatus(row.nCode)) << row.nCode;
        EXPECT_STREQ(row.pszName, StatusNames[row.status]);
    }
    EXPECT_STREQ("Invisible", StatusNames[STATUS_INVISIBLE]);
}

TEST(StatusTest, CodesOutsideTheTableAreUnknown)
{
    for (long nCode :
         {0L, 3L, 9L, 6L, 0x0BL, 0x43L, 0x102L, -1L, -10L, long(INT_MAX), long(INT_MIN)})
        EXPECT_EQ(STATUS_UNKNOWN, MapMessengerStatus(nCode)) << nCode;
    EXPECT_STREQ("Unknown", StatusNames[STATUS_UNKNOWN]);
}

TEST(StatusTest, NamesFillNulPaddedSlotsOfNineteenBytes)
{
    EXPECT_EQ(19u, sizeof(StatusNames[0]));
    for (const char* pszName : StatusNames) {
        size_t length = std::strlen(pszName);
        ASSERT_LT(length, 19u);
        for (size_t i = length; i < 19; ++i)
            EXPECT_EQ('\0', pszName[i]);
    }
}

} // namespace
