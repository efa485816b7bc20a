#include "access/LoadedConfig.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "access/ReadWatch.h"
#include "core/Catalogue.h"
#include "legacy/ConFile.h"
#include "platform/QDParser.h"
#include "xmlfiles/CTDImportExport.h"

namespace {

using TWUtility::CQDParser;
using TWUtility::CQDParserException;

constexpr const char* kRootTag = Config2004::CCTDImportExport::kRootTag;

// Reads a whole file through the library's streaming parser and keeps the
// root's tag and whether an "Instrument" element with a "Type" was seen.
class CShapeCheck : public TWUtility::CQDParserEventHandler, public TWUtility::CQDParserDataSource {
  public:
    explicit CShapeCheck(std::FILE* file) : m_file(file) {}
    void StartElement(CString tag, TWUtility::CXMLAttributeList& attributes) override {
        if (m_depth++ == 0) {
            m_root = tag.str();
        }
        if (tag == "Instrument") {
            for (int i = 0; i < attributes.Size(); ++i) {
                m_typed = m_typed || attributes.GetAt(i)->GetName() == "Type";
            }
        }
    }
    void EndElement(CString) override { --m_depth; }
    void StartDocument() override {}
    void EndDocument() override {}
    void CharacterData(CString) override {}
    int Read() override { return std::fgetc(m_file); }

    std::string m_root;
    bool m_typed = false;

  private:
    std::FILE* m_file;
    int m_depth = 0;
};

bool LooksLikeXml(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char ch = 0;
    while (in.get(ch)) {
        if (ch == '<') {
            return true;
        }
        if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n' && ch != '\xEF' && ch != '\xBB' &&
            ch != '\xBF') {
            return false;
        }
    }
    return false;
}

// Why a file is not recognised as a configuration file at all.
std::string WhyNotRecognised(const std::string& path) {
    if (::access(path.c_str(), R_OK) != 0) {
        return std::strerror(errno);
    }
    if (!LooksLikeXml(path)) {
        return "neither an .xmlcon document nor a legacy .con configuration file";
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        return std::strerror(errno);
    }
    CShapeCheck check(file);
    std::string why;
    try {
        CQDParser::Parse(check, check);
    } catch (const CQDParserException& error) {
        why = std::to_string(error.GetLine()) + ":" + std::to_string(error.GetColumn()) + ": " +
              error.what();
    } catch (const std::exception& error) {
        why = error.what();
    }
    std::fclose(file);
    if (!why.empty()) {
        return why;
    }
    if (check.m_root != kRootTag) {
        return "not an instrument configuration: the root element is <" + check.m_root +
               ">, not <" + kRootTag + ">";
    }
    if (!check.m_typed) {
        return "Instrument: attribute Type is missing";
    }
    return std::string("the root element <") + kRootTag +
           "> must come within the first 1000 characters";
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

// The items the reader missed inside the element where the first failure was
// logged, else the first failure itself.
std::string WhyNotRead(const CLibraryWatch& watch, const CCTD& model) {
    std::string failedAt;
    std::string failure;
    for (const SLogged& entry : watch.Logged()) {
        if (entry.level != 1 && !entry.place.empty()) {
            failedAt = entry.place;
            failure = entry.text;
            break;
        }
    }
    std::vector<const SMiss*> misses;
    for (const SMiss& miss : watch.Misses()) {
        if (StartsWith(miss.place, failedAt)) {
            misses.push_back(&miss);
        }
    }
    if (!misses.empty()) {
        std::string why = AtPlace(misses.front()->place, misses.front()->what);
        if (misses.size() > 1) {
            why += " (and " + std::to_string(misses.size() - 1) + " more missing or unreadable)";
        }
        return why;
    }
    if (!failure.empty()) {
        return AtPlace(failedAt, failure);
    }
    for (const std::string& warning : watch.Warnings()) {
        return warning;
    }
    return "Instrument: the " + model.GetCTD_Name().str() +
           " refuses these settings with this SensorArray";
}

namespace {

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

SReason SplitReason(const std::string& why) {
    SReason reason;
    reason.what = why;
    int line = 0;
    int column = 0;
    int consumed = 0;
    if (std::sscanf(why.c_str(), "%9d:%9d: %n", &line, &column, &consumed) == 2 && consumed > 0 &&
        line > 0 && column > 0) {
        reason = {line, column, why.substr(static_cast<std::size_t>(consumed))};
    }
    return reason;
}

std::string Located(const std::string& file, const std::string& kind, const std::string& why) {
    const SReason reason = SplitReason(why);
    std::string text = file;
    if (reason.line > 0) {
        text += ":" + std::to_string(reason.line) + ":" + std::to_string(reason.column);
    }
    return text + ": " + (kind.empty() ? "" : kind + ": ") + reason.what;
}

SLoadResult LoadConfiguration(const std::string& path) {
    SLoadResult result;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        result.error = "no such file";
        result.sysError = ec ? ec.value() : ENOENT;
        return result;
    }
    if (std::filesystem::is_directory(status)) {
        result.error = "is a folder";
        return result;
    }
    CLibraryWatch watch;
    const int ctdID = ReadCTDID(path.c_str());
    if (ctdID < 0) {
        result.error = WhyNotRecognised(path);
        return result;
    }
    std::unique_ptr<CCTD> ctd(CreateCTDObject(ctdID));
    if (!ctd) {
        const SCTD_Data* row = GetCTD_Data(ctdID);
        result.error =
            row ? std::string("the model ") + row->name + " is not supported yet"
                : "Instrument: Type " + std::to_string(ctdID) + " names no instrument model";
        return result;
    }
    if (!ReadConFile(path.c_str(), ctd.get())) {
        result.error = WhyNotRead(watch, *ctd);
        return result;
    }
    result.warnings = watch.Warnings();
    for (const SMiss& miss : watch.Misses()) {
        result.warnings.push_back(AtPlace(miss.place, miss.what + "; the default is kept"));
    }
    for (const SMiss& unread : watch.Unread()) {
        // The model's name is written for people and never read back.
        if (!(unread.place == "Instrument" && unread.what == "Name")) {
            result.warnings.push_back(
                AtPlace(unread.place, unread.what + " is not known; ignored"));
        }
    }
    result.ctd = std::move(ctd);
    return result;
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
