#pragma once
// Files replaced in one step: the new contents go to a temporary file beside
// the target, which is then renamed over it and the folder synced. A failed
// save leaves the target as it was and no temporary file behind; temporary
// files that a killed program left beside the same target are swept away
// before the next save.
//
// A symbolic link is followed: the file it leads to is replaced, not the link.
// The new file keeps the old one's permission bits. A file that may be
// written in a folder that may not (so no file can be made beside it) is
// written in place instead: its contents are then replaced but not in one
// step.

#include <string>
#include <string_view>

namespace TDWXML::detail {

// True when a file can be written at path: its folder exists and may be
// written (or the file itself may), and path is not itself a folder or
// another kind of special file. *why says why not.
bool CanReplaceFile(const std::string& path, std::string* why);

bool ReplaceFile(const std::string& path, std::string_view contents, std::string* why);

}  // namespace TDWXML::detail
