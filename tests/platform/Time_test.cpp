#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "platform/CTime.h"
#include "platform/DateText.h"
#include "platform/PlatformTestSupport.h"

using tw_test::ScopedEnv;

static constexpr const char* kEastern = "EST5EDT,M3.2.0,M11.1.0";

TEST(Time, BuildsAndShowsLocalTimeAndHonoursSourceDateEpoch) {
    ScopedEnv tz("TZ", kEastern);
    const CTime winter(2024, 1, 15, 10, 20, 30);
    EXPECT_EQ(winter.GetTime(), 1705332030);
    EXPECT_EQ(winter.Format("%Y-%m-%d %H:%M:%S %a %b"), "2024-01-15 10:20:30 Mon Jan");
    EXPECT_EQ(CTime(2024, 7, 4, 0, 0, 0).GetTime(), 1720065600);  // daylight saving time
    EXPECT_EQ(CTime(2024, 7, 4, 0, 0, 0, 0).GetTime(), 1720065600 + 3600);
    EXPECT_EQ(winter.Format(std::string(300, 'x').c_str()).GetLength(), 300);

    // The current time honours a well-formed SOURCE_DATE_EPOCH only.
    {
        ScopedEnv epoch("SOURCE_DATE_EPOCH", "1700000000");
        EXPECT_EQ(CTime::GetCurrentTime().GetTime(), 1700000000);
    }
    for (const char* malformed : {"", "17e8", "1700000000x", " 1", "99999999999999999999"}) {
        ScopedEnv epoch("SOURCE_DATE_EPOCH", malformed);
        EXPECT_GE(CTime::GetCurrentTime().GetTime(), std::time(nullptr) - 5) << malformed;
    }
}

TEST(DateText, AcceptsEveryDocumentedFormAsLocalMidnight) {
    ScopedEnv tz("TZ", kEastern);
    for (const char* text : {"07/04/2024", "7/4/24", "2024-07-04", "04-Jul-2024", "4-JUL-24",
                             "04 july 2024", "Jul 4 2024", "Jul 4, 2024", " 07/04/2024 "}) {
        CTime time;
        EXPECT_EQ(DateStrToTime(text, time), 0) << text;
        EXPECT_EQ(time, CTime(2024, 7, 4, 0, 0, 0)) << text;
    }
    CTime time;
    ASSERT_EQ(DateStrToTime("1-Jan-70", time), 0);
    EXPECT_EQ(TimeToDateStr(time), "01/01/1970");
    ASSERT_EQ(DateStrToTime("02/29/00", time), 0);
    EXPECT_EQ(TimeToDateStr(time), "02/29/2000");
    // 03:00 UTC on New Year's Day is still the evening before on the east coast.
    EXPECT_EQ(TimeToDateStr(CTime(631152000 + 3 * 3600)), "12/31/1989");
}

TEST(DateText, RefusesTextThatIsNotADateAndKeepsTheTime) {
    ScopedEnv tz("TZ", "UTC0");
    for (const char* text :
         {"", "02/30/2024", "13/01/2024", "02/29/1900", "31-Apr-2024", "07/04/2024x",
          "07/04/2024 12:00", "07/04", "7/4/824", "04-Foo-2024", "Jul 4 2024 extra", "0/0/0000"}) {
        CTime time(12345);
        EXPECT_NE(DateStrToTime(text, time), 0) << text;
        EXPECT_EQ(time.GetTime(), 12345) << text;
    }
}
