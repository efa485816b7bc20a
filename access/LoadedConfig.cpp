#include "access/LoadedConfig.h"

#include <sys/stat.h>
#include <unistd.h>

#include <optional>

#include "access/ConfigItems.h"
#include "core/Catalogue.h"
#include "legacy/ConFile.h"
#include "platform/xml/AtomicFile.h"
#include "platform/xml/NumberText.h"
#include "xmlfiles/CTDImportExport.h"

namespace {

bool IsLegacyPath(const std::string& path) {
    if (path.size() < 4) {
        return false;
    }
    const CString tail(path.substr(path.size() - 4).c_str());
    return tail.CompareNoCase(".con") == 0;
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
    const long nonFinite = TDWXML::detail::NonFiniteNumbersRead();
    loaded.ctd = ReadConfiguration(path == "-" ? "/dev/stdin" : path.c_str(), &loaded.result);
    // Only a read that met a number that is not finite can have stored one.
    if (loaded.ctd && TDWXML::detail::NonFiniteNumbersRead() != nonFinite) {
        for (std::string& warning : NonFiniteWarnings(*loaded.ctd)) {
            loaded.result.warnings.push_back(std::move(warning));
        }
    }
    return loaded;
}

SIOResult SaveWithForce(const std::string& path, bool force,
                        const std::function<SIOResult()>& save) {
    if (IsWriteProtected(path) && !force) {
        return SIOResult::Failure("is write-protected (--force replaces it)", EACCES);
    }
    std::optional<TDWXML::detail::CInPlaceSaveScope> inPlace;
    if (force) {
        inPlace.emplace();
    }
    SIOResult result = save();
    if (!result && !force && TDWXML::detail::SavesInPlace(path)) {
        result.message += " (--force writes it in place, where a run killed meanwhile cuts it)";
    }
    return result;
}

SIOResult SaveConfiguration(const std::string& path, CCTD& ctd, bool force) {
    return SaveWithForce(path, force, [&] {
        return IsLegacyPath(path)
                   ? WriteConFileResult(path.c_str(), &ctd)
                   : Config2004::CCTDImportExport().WriteConFileXMLResult(&ctd, path.c_str());
    });
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
