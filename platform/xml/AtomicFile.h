#pragma once
// Files replaced in one step: the new contents go to a temporary file beside
// the target, which is then renamed over it and the folder synced. A failed
// save leaves the target as it was and no temporary file behind; temporary
// files that a killed program left beside the same target are swept away
// before this process first saves it. Whatever happens, the target holds either its old
// contents or its new contents, whole.
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

// Whether a file can be written at path: its folder exists and may be
// written (or, in a CInPlaceSaveScope, the file itself may), and path is not
// itself a folder or another kind of special file.
SIOResult CheckReplaceable(const std::string& path);

// True when path names an existing file that can only be written in place.
bool SavesInPlace(const std::string& path);

SIOResult ReplaceFile(const std::string& path, std::string_view contents);

}  // namespace TDWXML::detail
