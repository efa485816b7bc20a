// Every writer of the library hands up why a file could not be written, in
// the system's words, and leaves the file that was there; WriteConFile still
// shows its own message.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "legacy/ConFile.h"
#include "platform/MessageBox.h"
#include "platform/PlatformTestSupport.h"
#include "reliability/FaultSupport.h"
#include "xmlfiles/CTDImportExport.h"
#include "xmlfiles/SensorHeaderInsert.h"
#include "xmlfiles/SensorImportExport.h"

using namespace tw_test;
using Config2004::CCommandLineIniOptions;

namespace fs = std::filesystem;

namespace {

constexpr int kVantrel64V2 = 11;

struct SWriter {
    const char* name;
    const char* file;
    std::function<SIOResult(CCTD&, const std::string&)> write;
};

const std::vector<SWriter>& Writers() {
    static const std::vector<SWriter> writers = {
        {"WriteConFileResult .xmlcon", "cast.xmlcon",
         [](CCTD& ctd, const std::string& path) { return WriteConFileResult(path.c_str(), &ctd); }},
        {"WriteConFileResult .con", "cast.con",
         [](CCTD& ctd, const std::string& path) { return WriteConFileResult(path.c_str(), &ctd); }},
        {"WriteConFileXMLResult", "cast.xmlcon",
         [](CCTD& ctd, const std::string& path) {
             return Config2004::CCTDImportExport().WriteConFileXMLResult(&ctd, path.c_str());
         }},
        {"ExportSensorResult", "sensor.xml",
         [](CCTD& ctd, const std::string& path) {
             return Config2004::CSensorImportExport().ExportSensorResult(&ctd.GetSensor(1),
                                                                         path.c_str());
         }},
        {"WriteSensorsXMLResult", "header.xml",
         [](CCTD& ctd, const std::string& path) {
             return Config2004::CSensorHeaderInsert().WriteSensorsXMLResult(
                 &ctd, path.c_str(), CCommandLineIniOptions());
         }},
    };
    return writers;
}

}  // namespace

TEST_F(ScratchFolder, WritersHandUpTheSystemsReason) {
    const ScopedEnv settings("LOCALAPPDATA", m_folder.c_str());
    const std::unique_ptr<CCTD> ctd(CreateCTDObject(kVantrel64V2));
    ASSERT_TRUE(ctd);
    for (const SWriter& writer : Writers()) {
        const fs::path path = m_folder / writer.file;
        WriteFile(path, "old");
        const CFileSizeLimit limit(64);
        const SIOResult result = writer.write(*ctd, path.string());
        EXPECT_FALSE(result) << writer.name;
        EXPECT_EQ(result.sysError, EFBIG) << writer.name;
        EXPECT_EQ(result.message, std::strerror(EFBIG)) << writer.name;
        EXPECT_EQ(ReadFile(path), "old") << writer.name;
    }
    EXPECT_EQ(CountTemporaries(m_folder), 0);
}

TEST_F(ScratchFolder, WriteConFileShowsItsOwnMessage) {
    const std::unique_ptr<CCTD> ctd(CreateCTDObject(kVantrel64V2));
    std::vector<std::string> shown;
    const MessageBoxHandler previous =
        SetMessageBoxHandler([&](const char* text, const char*, unsigned) {
            shown.push_back(text);
            return IDOK;
        });
    const std::string path = (m_folder / "cast.con").string();
    {
        const CFileSizeLimit limit(64);
        WriteConFile(path.c_str(), ctd.get());
    }
    SetMessageBoxHandler(previous);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Could not open " + path + "\nin ::WriteConFile().");
}
