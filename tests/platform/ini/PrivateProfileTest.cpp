#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/ini/PrivateProfile.h"
#include "platform/vb/Error.h"

namespace {

namespace fs = std::filesystem;

class PrivateProfile : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ostrel-ini-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        mFolder = pattern;
    }
    void TearDown() override { fs::remove_all(mFolder); }

    static std::string Read(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    static void Write(const fs::path& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }
    size_t EntriesInFolder() const { return std::distance(fs::directory_iterator(mFolder), {}); }

    fs::path mFolder;
};

TEST_F(PrivateProfile, CreatesTheFileThenEditsItInPlaceWithNothingLeftBeside) {
    const fs::path file = mFolder / "vbaddin.ini";
    ini::WritePrivateProfileString("Add-Ins32", "VBOSTREL.Connect", "0", file);
    ini::WritePrivateProfileString("add-ins32", "Other.Connect", "1", file);
    ini::WritePrivateProfileString("Add-Ins32", "vbostrel.connect", "1", file);
    EXPECT_EQ(Read(file), "[Add-Ins32]\nVBOSTREL.Connect=1\nOther.Connect=1\n");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(PrivateProfile, KeepsPermissionsAndSymbolicLinks) {
    const fs::path real = mFolder / "real.ini";
    const fs::path link = mFolder / "link.ini";
    Write(real, "[S]\r\nk=1\r\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, link);

    ini::WritePrivateProfileString("S", "k", "2", link);

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(real), "[S]\r\nk=2\r\n");
    EXPECT_EQ(fs::status(real).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(PrivateProfile, FailuresRaiseAndChangeNothing) {
    const fs::path file = mFolder / "a.ini";
    Write(file, "[S]\nk=1\n");
    const struct {
        fs::path file;
        const char* key;
        int32_t number;
    } cases[] = {
        {mFolder / "missing" / "a.ini", "k", vb::kPathNotFound},
        {mFolder, "k", vb::kPathFileAccess},
        {file, "", vb::kInvalidProcedureCall},
    };
    for (const auto& c : cases) {
        try {
            ini::WritePrivateProfileString("S", c.key, "2", c.file);
            ADD_FAILURE() << c.file;
        } catch (const vb::Error& error) {
            EXPECT_EQ(error.Number(), c.number) << c.file;
        }
    }
    EXPECT_EQ(Read(file), "[S]\nk=1\n");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

}  // namespace
