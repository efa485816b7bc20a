#include "access/LoadedConfig.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "access/ReadWatch.h"
#include "core/Catalogue.h"
#include "legacy/ConFile.h"
#include "xmlfiles/CTDImportExport.h"

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsLegacyPath(const std::string& path) {
    if (path.size() < 4) {
        return false;
    }
    const CString tail(path.substr(path.size() - 4).c_str());
    return tail.CompareNoCase(".con") == 0;
}

// The reason in a line the library logged about a failed save.
std::string SaveFailure(const CLibraryWatch& watch) {
    for (const SLogged& entry : watch.Logged()) {
        const std::size_t at = entry.text.find(" failed: ");
        if (StartsWith(entry.text, "CWriteDoc:") && at != std::string::npos) {
            return entry.text.substr(at + 9);
        }
    }
    if (!watch.Messages().empty()) {
        return watch.Messages().front();
    }
    return "the configuration could not be written";
}

}  // namespace

bool IsWriteProtected(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    // No write permission for anyone marks a file kept as it is, even for
    // the administrator, whom the system would let write it.
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

std::string Located(const std::string& file, const std::string& kind, const SIOResult& why) {
    SIOResult kinded = why;
    if (!kind.empty()) {
        kinded.path = kinded.path.empty() ? kind : kind + ": " + kinded.path;
    }
    return ReasonLine(file, kinded);
}

SLoadResult LoadConfiguration(const std::string& path) {
    SLoadResult loaded;
    loaded.ctd = ReadConfiguration(path == "-" ? "/dev/stdin" : path.c_str(), &loaded.result);
    return loaded;
}

std::string SaveConfiguration(const std::string& path, CCTD& ctd, bool force) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status)) {
        return "is a folder";
    }
    if (IsWriteProtected(path) && !force) {
        return "is write-protected (--force replaces it)";
    }
    CLibraryWatch watch;
    if (IsLegacyPath(path)) {
        WriteConFile(path.c_str(), &ctd);
        return watch.Messages().empty() ? "" : SaveFailure(watch);
    }
    Config2004::CCTDImportExport exporter;
    return exporter.WriteConFileXML(&ctd, path.c_str()) ? "" : SaveFailure(watch);
}

int ParseModel(const std::string& model) {
    if (!model.empty() && model.find_first_not_of("0123456789") == std::string::npos &&
        model.size() <= 2) {
        const int id = std::stoi(model);
        return GetCTD_Data(id) ? id : -1;
    }
    for (int id = 0; id < NUM_CTD_IDS; ++id) {
        if (CString(model.c_str()).CompareNoCase(GetCTD_Data(id)->name) == 0) {
            return id;
        }
    }
    return -1;
}
