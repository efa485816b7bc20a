#include "platform/FileNames.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

int LastSeparator(const CString& path) {
    return std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
}

}  // namespace

CString ExtractFileName(const CString& path) {
    return path.Mid(LastSeparator(path) + 1);
}

CString ExtractDirectory(const CString& path) {
    return path.Left(LastSeparator(path) + 1);
}

CString ExtractExtension(const CString& path) {
    const CString name = ExtractFileName(path);
    const int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot);
}

bool IsFile(const CString& path) {
    struct stat info {};
    return !path.IsEmpty() && stat(path.GetString(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsReadOnly(const CString& path) {
    struct stat info {};
    if (path.IsEmpty() || stat(path.GetString(), &info) != 0) {
        return false;
    }
    // A file without any write permission counts as read-only even for a
    // process that could override the permissions.
    const bool noWriteBits = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return noWriteBits || access(path.GetString(), W_OK) != 0;
}

bool GetOrCreateFolder(const CString& path) {
    if (path.IsEmpty()) {
        return false;
    }
    const std::filesystem::path folder(path.str());
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}
