// Saves under faults: killed at any moment, a save leaves the old or the new
// contents whole; a file whose folder cannot be written is written in place
// only when that is allowed, and a failed write there leaves it whole; a
// rewritten file keeps its owner. (A full disk and a file-size limit, for
// every writer: the tool's write_errors test.)

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

#include "platform/PlatformTestSupport.h"
#include "platform/xml/AtomicFile.h"
#include "reliability/FaultSupport.h"

using namespace TDWXML::detail;
using namespace tw_test;

namespace fs = std::filesystem;

namespace {

class Saves : public ScratchFolder {
  protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        // The other user of the in-place tests must reach the folder.
        fs::permissions(m_folder, fs::perms::owner_all | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read |
                                      fs::perms::others_exec);
    }
};

std::string Expect(bool holds, const std::string& what) {
    return holds ? "" : what + "; ";
}

// What a save in a folder that cannot be written does, in the child that
// owns the file: refused unless allowed, then stopped by a file-size limit
// before a byte changes, else written whole whether longer or shorter.
std::string InPlaceSaves(const fs::path& folder, const fs::path& path, const std::string& old) {
    std::string failures;
    const SIOResult refused = ReplaceFile(path, "new");
    failures += Expect(!refused && refused.message.find("its folder " + folder.string()) == 0,
                       "refused naming the folder, not: " + refused.message);
    failures += Expect(ReadFile(path) == old, "a refused save changed the file");

    const CInPlaceSaveScope allowed;
    {
        const CFileSizeLimit limit(static_cast<long>(old.size()) + 100);
        const SIOResult tooLarge = ReplaceFile(path, old + std::string(4096, 'n'));
        failures += Expect(!tooLarge && tooLarge.sysError == EFBIG, "EFBIG: " + tooLarge.message);
        failures += Expect(ReadFile(path) == old, "a failed in-place save changed the file");
    }
    for (const std::string& contents : {old + old, std::string("short")}) {
        const SIOResult written = ReplaceFile(path, contents);
        failures += Expect(written && ReadFile(path) == contents, "in place: " + written.message);
    }
    return failures;
}

}  // namespace

TEST_F(Saves, AKilledSaveLeavesTheOldOrTheNewContentsWhole) {
    const fs::path path = m_folder / "cast.xmlcon";
    const std::string first(1 << 20, 'a');
    const std::string second((1 << 20) + 4096, 'b');
    WriteFile(path, first);
    std::mt19937 random(21);
    int mixed = 0;
    for (int run = 0; run < 25; ++run) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0;; ++i) {
                ReplaceFile(path, i % 2 ? first : second);
            }
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const std::string now = ReadFile(path);
        mixed += now != first && now != second;
    }
    EXPECT_EQ(mixed, 0);
    // The next save sweeps what the killed ones left.
    ASSERT_TRUE(ReplaceFile(path, first));
    EXPECT_EQ(CountTemporaries(m_folder), 0);
}

TEST_F(Saves, AFolderThatCannotBeWrittenIsSavedInPlaceOnlyWhenAllowed) {
    const fs::path closed = m_folder / "closed";
    MakeClosedFolder(closed, closed / "cast.con", "old contents");
    EXPECT_EQ(InChildAsOtherUser(
                  [&] { return InPlaceSaves(closed, closed / "cast.con", "old contents"); }),
              "");
}

TEST_F(Saves, ARewriteKeepsOwnerGroupAndMode) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root may give a file to another user";
    }
    const fs::path path = m_folder / "cast.xmlcon";
    WriteFile(path, "old");
    ASSERT_EQ(::chown(path.c_str(), kOtherUser, kOtherUser), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(ReplaceFile(path, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kOtherUser);
    EXPECT_EQ(info.st_gid, kOtherUser);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}
