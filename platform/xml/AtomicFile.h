#pragma once
// Files replaced in one step: the new contents go to a temporary file beside
// the target, which is then renamed over it. A failed save leaves the target
// as it was and no temporary file behind.

#include <string>
#include <string_view>

namespace TDWXML::detail {

// True when a file can be written at path: its folder exists and may be
// written, and path is not itself a folder or another kind of special file.
bool CanReplaceFile(const std::string& path, std::string* why);

bool ReplaceFile(const std::string& path, std::string_view contents, std::string* why);

}  // namespace TDWXML::detail
