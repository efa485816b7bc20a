#pragma once
// Faults for the reliability tests: a file-size limit, work done in a child
// process as another user.

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>

namespace tw_test {

// The user who owns the files of the in-place tests when this process is
// root, which may write any folder.
constexpr uid_t kOtherUser = 65534;

// While it lives, a write beyond bytes fails with EFBIG (and no signal), as
// when the disk is full.
class CFileSizeLimit {
  public:
    explicit CFileSizeLimit(long bytes);
    ~CFileSizeLimit();
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

  private:
    long m_previous;
    void (*m_previousHandler)(int);
};

// Runs body in a child process, as the other user when this process is
// root, and returns what it returned: the text of its failures, empty when
// there were none.
std::string InChildAsOtherUser(const std::function<std::string()>& body);

// A folder that its owner cannot write, holding one file that they can: the
// owner is the other user when this process is root.
void MakeClosedFolder(const std::filesystem::path& folder, const std::filesystem::path& file,
                      const std::string& contents);

int CountTemporaries(const std::filesystem::path& folder);

}  // namespace tw_test
