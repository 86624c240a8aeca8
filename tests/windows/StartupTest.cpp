#include "tests/windows/TestApp.h"

#include <gtest/gtest.h>

TEST(Startup, Smoke)
{
    ASSERT_TRUE(theApp.InitInstance());
    ASSERT_NE(nullptr, AfxGetMainWnd());
    char caption[64];
    ::GetWindowTextA(AfxGetMainWnd()->m_hWnd, caption, 64);
    EXPECT_STREQ("Fenlow by Orvane", caption);
}
