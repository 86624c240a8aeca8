#include "tests/windows/Support.h"

namespace {

class MainDropTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ::CreateDirectoryA((m_files / "plain").c_str(), nullptr);
        ::CreateDirectoryA((m_files / "v1.2").c_str(), nullptr);
        ::CreateDirectoryA((m_files / "v1.2\\inner").c_str(), nullptr);
        WriteFileBytes(m_files / "plain\\report.txt", "x");
        WriteFileBytes(m_files / "plain\\nodot", "x");
        WriteFileBytes(m_files / "plain\\second.txt", "x");
    }

    std::string Drop(const std::vector<std::string>& paths)
    {
        ::SendMessageA(MainWindow(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
        EXPECT_EQ(Main().m_strBaseFolder, ItemText(MainWindow(), IDC_BASE_FOLDER).c_str());
        return ItemText(MainWindow(), IDC_BASE_FOLDER);
    }

    TempDir m_files;
};

TEST_F(MainDropTest, BaseFolderFollowsTheDottedPathRule)
{
    // The scratch folder's own path must hold no dot for the rows below.
    ASSERT_EQ(std::string::npos, m_files.Path().find('.'));
    EXPECT_EQ(m_files / "plain", Drop({m_files / "plain\\report.txt"}));
    EXPECT_EQ(m_files / "plain", Drop({m_files / "plain"}));
    EXPECT_EQ(m_files.Path(), Drop({m_files / "v1.2"}));               // a dot in its own name
    EXPECT_EQ(m_files / "v1.2", Drop({m_files / "v1.2\\inner"}));      // a dot above it
    EXPECT_EQ(m_files / "plain\\nodot", Drop({m_files / "plain\\nodot"}));  // no dot at all: the file itself
    EXPECT_EQ(m_files / "plain\\gone.txt", Drop({m_files / "plain\\gone.txt"}));  // not found: whole path
}

TEST_F(MainDropTest, OnlyTheFirstItemCounts)
{
    EXPECT_EQ(m_files / "plain", Drop({m_files / "plain\\second.txt", m_files / "v1.2\\inner"}));
}

TEST_F(MainDropTest, TheFoundNameIsCutAsTheFileSystemSpellsIt)
{
    // The dropped text in other letter case still loses exactly the found name.
    EXPECT_EQ(m_files / "PLAIN", Drop({m_files / "PLAIN\\REPORT.TXT"}));
}

TEST_F(MainDropTest, AFileAtADriveRootGivesTheBareDrive)
{
    const std::string rootFile = "C:\\fenlow-root-drop.txt";
    WriteFileBytes(rootFile, "x");
    EXPECT_EQ("C:", Drop({rootFile}));
    ::DeleteFileA(rootFile.c_str());
}

TEST_F(MainDropTest, ADropIsNotAnError)
{
    MessageBoxWatcher boxes;
    Drop({m_files / "plain\\report.txt"});
    PumpPending();
    EXPECT_TRUE(boxes.Boxes().empty());
}

}  // namespace
