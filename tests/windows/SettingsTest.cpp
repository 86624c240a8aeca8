#include "tests/windows/Support.h"

namespace {

const char kOptionKey[] = "Software\\Orvane\\Fenlow\\Option";

class SettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteSettings();
        m_previousName = theApp.m_strAppName;
        theApp.m_strAppName = "Fenlow";
        theApp.SetRegistryKey("Orvane");
    }
    void TearDown() override
    {
        DeleteSettings();
        theApp.m_strAppName = m_previousName;
    }

    static DWORD ValueCount()
    {
        HKEY key;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, kOptionKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return 0xFFFFFFFF;
        DWORD values = 0;
        ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                           nullptr, nullptr);
        ::RegCloseKey(key);
        return values;
    }

    static void StoreRaw(const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kOptionKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                                   &key, nullptr));
        ::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        ::RegCloseKey(key);
    }

    CString m_previousName;
};

TEST_F(SettingsTest, ReadingAnAbsentValueGivesTheDefaultAndCreatesOnlyTheKeyPath)
{
    EXPECT_EQ(0u, theApp.GetProfileInt("Option", "ClassType", 0));
    EXPECT_EQ(0u, theApp.GetProfileInt("Option", "AutoSave", 0));
    EXPECT_EQ(0u, ValueCount());  // the key exists, and holds no value
}

TEST_F(SettingsTest, WritesAreFourByteIntegersReadBackAsStored)
{
    const int values[] = {0, 1, 2, -1, 7, 0x7FFFFFFF};
    for (int value : values) {
        SCOPED_TRACE(value);
        ASSERT_TRUE(theApp.WriteProfileInt("Option", "ClassType", value));
        DWORD stored = 0;
        ASSERT_TRUE(GetSetting("ClassType", &stored));  // REG_DWORD
        EXPECT_EQ(static_cast<DWORD>(value), stored);
        EXPECT_EQ(value, static_cast<int>(theApp.GetProfileInt("Option", "ClassType", 0)));
    }
}

TEST_F(SettingsTest, TheProfileNameIsTheApplicationNameWhenTheKeyIsSet)
{
    EXPECT_EQ(theApp.m_strProfileName, "Fenlow");
    EXPECT_EQ(theApp.m_strRegistryKey, "Orvane");
}

struct ForeignValue {
    const char* what;
    DWORD type;
    std::string bytes;
};

class ForeignTypeTest : public SettingsTest, public testing::WithParamInterface<ForeignValue> {};

// Only a REG_DWORD is a setting: any other type or size reads as absent.
TEST_P(ForeignTypeTest, ReadsAsTheDefault)
{
    const ForeignValue& value = GetParam();
    StoreRaw("ClassType", value.type, value.bytes.data(), static_cast<DWORD>(value.bytes.size()));
    EXPECT_EQ(0u, theApp.GetProfileInt("Option", "ClassType", 0)) << value.what;
}

INSTANTIATE_TEST_SUITE_P(Types, ForeignTypeTest,
                         testing::Values(ForeignValue{"REG_SZ", REG_SZ, std::string("2\0", 2)},
                                         ForeignValue{"REG_BINARY of 2 bytes", REG_BINARY, std::string("\x02\x00", 2)},
                                         ForeignValue{"REG_BINARY of 8 bytes", REG_BINARY, std::string("\x02\0\0\0\0\0\0\0", 8)},
                                         ForeignValue{"REG_QWORD", REG_QWORD, std::string("\x01\0\0\0\0\0\0\0", 8)}));

TEST_F(SettingsTest, WithoutARegistryKeyNothingIsStored)
{
    theApp.m_strRegistryKey.Empty();
    EXPECT_FALSE(theApp.WriteProfileInt("Option", "ClassType", 2));
    EXPECT_EQ(5u, theApp.GetProfileInt("Option", "ClassType", 5));
    theApp.SetRegistryKey("Orvane");
}

}  // namespace
