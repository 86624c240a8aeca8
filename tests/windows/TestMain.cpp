#include "tests/windows/TestApp.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    AfxWinInit(::GetModuleHandleA(nullptr));
    return RUN_ALL_TESTS();
}
