#pragma once
// Files replaced in one step: the new contents go to a temporary file beside
// the target, which is then renamed over it and the folder synced. A failed
// save leaves the target as it was and no temporary file behind; temporary
// files that a killed program left beside the same target are swept away
// before this process first saves it. Whatever happens, the target holds
// either its old contents or its new contents, whole.
//
// A symbolic link is followed: the file it leads to is replaced, not the link.
// The new file keeps the old one's permission bits, and its owner and group
// where the process may set them.
//
// A file that may be written in a folder that may not (so no file can be made
// beside it) can only be written in place, which no longer replaces it in one
// step; such a save is refused unless a CInPlaceSaveScope allows it. Then
// room for the new contents is made before a byte changes, so a full disk or
// a failed write leaves the old contents whole (they are written back), but a
// program killed during the write can leave the file cut or mixed.
//
// Every failure says why in the system's words where a system call failed
// (message: its error text, sysError: its errno).

#include <sys/stat.h>

#include <string>
#include <string_view>

#include "platform/IOResult.h"

namespace TDWXML::detail {

// While one lives, saves on this thread may write a file in place.
class CInPlaceSaveScope {
  public:
    CInPlaceSaveScope();
    ~CInPlaceSaveScope();
    CInPlaceSaveScope(const CInPlaceSaveScope&) = delete;
    CInPlaceSaveScope& operator=(const CInPlaceSaveScope&) = delete;

  private:
    bool m_previous;
};

// One replacement of a file, in two steps: Begin finds the file a path leads
// to and makes the temporary file beside it, so that a target that cannot be
// replaced is known before its contents are made; Commit puts the contents
// in place. A replacement begun and never committed removes its temporary
// file when it ends.
class CFileReplacement {
  public:
    CFileReplacement() = default;
    ~CFileReplacement();
    CFileReplacement(const CFileReplacement&) = delete;
    CFileReplacement& operator=(const CFileReplacement&) = delete;

    // Fails when path is a folder or another kind of special file, or when
    // no file can be written there (its folder is missing or closed and, out
    // of a CInPlaceSaveScope, the file cannot be written in place).
    SIOResult Begin(const std::string& path);
    SIOResult Commit(std::string_view contents);
    // Gives up the replacement begun: the target stays as it was.
    void Abandon();

  private:
    std::string m_target;  // the file the path leads to
    bool m_targetExists = false;
    struct stat m_targetInfo {};
    std::string m_temporary;
    int m_fd = -1;
    bool m_inPlace = false;
};

// True when path names an existing file that can only be written in place.
bool SavesInPlace(const std::string& path);

SIOResult ReplaceFile(const std::string& path, std::string_view contents);

}  // namespace TDWXML::detail
