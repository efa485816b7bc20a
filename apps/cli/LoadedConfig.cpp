#include "apps/cli/LoadedConfig.h"

#include <filesystem>

#include "core/Catalogue.h"
#include "legacy/ConFile.h"
#include "platform/MessageBox.h"

namespace {

// The library reports a failure by showing a message; the tool counts them.
class CMessageWatch {
  public:
    CMessageWatch() : m_before(TWMessageCount()) {}
    bool SawMessage() const { return TWMessageCount() != m_before; }

  private:
    long m_before;
};

}  // namespace

SLoadResult LoadConfiguration(const std::string& path) {
    SLoadResult result;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        result.error = "no such file";
        return result;
    }
    if (std::filesystem::is_directory(status)) {
        result.error = "is a directory";
        return result;
    }
    const int ctdID = ReadCTDID(path.c_str());
    if (ctdID < 0) {
        result.error = "not an instrument configuration file";
        return result;
    }
    std::unique_ptr<CCTD> ctd(CreateCTDObject(ctdID));
    if (!ctd) {
        const SCTD_Data* row = GetCTD_Data(ctdID);
        result.error = row ? std::string("the model ") + row->name + " is not supported yet"
                           : "unknown instrument type " + std::to_string(ctdID);
        return result;
    }
    if (!ReadConFile(path.c_str(), ctd.get())) {
        result.error = "the configuration could not be read";
        return result;
    }
    result.ctd = std::move(ctd);
    return result;
}

std::string SaveConfiguration(const std::string& path, CCTD& ctd) {
    const CMessageWatch watch;
    WriteConFile(path.c_str(), &ctd);
    return watch.SawMessage() ? "the configuration could not be written" : "";
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
