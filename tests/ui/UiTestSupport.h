#pragma once
// Helpers for the dialog tests: the examples of the source tree copied into a
// scratch folder, message boxes recorded and answered from a script, report
// requests recorded instead of starting a viewer, and the temporary and
// settings folders kept inside the scratch folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "legacy/ConFile.h"
#include "platform/CString.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/PlatformTestSupport.h"
#include "platform/ReportViewer.h"

namespace tw_test {

// A file of the source tree, named from its top. The compiler names this
// header relative to the folder it compiled in, which is the test program's.
inline std::filesystem::path SourcePath(const std::string& name) {
    std::filesystem::path header(__FILE__);
    if (header.is_relative()) {
        header = std::filesystem::canonical("/proc/self/exe").parent_path() / header;
    }
    return header.parent_path().parent_path().parent_path() / name;
}
inline std::filesystem::path ExamplePath(const std::string& name) {
    return SourcePath("examples/" + name);
}

// Compares text with the committed file of that name beside the dialog
// tests; TW_UPDATE_EXPECTED=1 writes the file instead, whose difference is
// then read before it is committed.
inline void ExpectCommitted(const std::string& name, const std::string& text) {
    const std::filesystem::path file = SourcePath("tests/ui/" + name);
    if (std::getenv("TW_UPDATE_EXPECTED") != nullptr) {
        WriteFile(file, text);
    }
    EXPECT_EQ(ReadFile(file), text) << file;
}

// A message box as shown: its caption, text and flags.
struct SShownMessage {
    std::string caption;
    std::string text;
    unsigned flags = 0;
};

// The instrument stored in the file, read into an object of its model.
inline std::unique_ptr<CCTD> Stored(const CString& path) {
    std::unique_ptr<CCTD> ctd(CreateCTDObject(ReadCTDID(path)));
    EXPECT_TRUE(ctd && ReadConFile(path, ctd.get())) << path;
    return ctd;
}

// A scratch folder that is also the temporary folder and the settings
// folder, with message boxes recorded and answered in order (a question
// without an answer fails the test and is answered Cancel), and report
// requests recorded.
class CUiTest : public ScratchFolder {
  protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        m_tmpdir.emplace("TMPDIR", m_folder.c_str());
        m_appdata.emplace("LOCALAPPDATA", m_folder.c_str());
        m_wasConsole = s_bErrorToConsole;
        s_bErrorToConsole = false;
        m_oldBox =
            SetMessageBoxHandler([this](const char* text, const char* caption, unsigned flags) {
                shown.push_back({caption, text, flags});
                const unsigned buttons = flags & 0x000Fu;
                if (buttons == MB_OK) {
                    return static_cast<int>(IDOK);
                }
                if (answers.empty()) {
                    ADD_FAILURE() << "unanswered question: " << caption << " | " << text;
                    return static_cast<int>(IDCANCEL);
                }
                const int answer = answers.front();
                answers.pop_front();
                return answer;
            });
        m_oldViewer = SetReportViewerHandler([this](const SReportRequest& request) {
            reports.push_back(request);
            return true;
        });
    }
    void TearDown() override {
        SetReportViewerHandler(m_oldViewer);
        SetMessageBoxHandler(m_oldBox);
        s_bErrorToConsole = m_wasConsole;
        m_appdata.reset();
        m_tmpdir.reset();
        EXPECT_TRUE(answers.empty()) << "questions not asked: " << answers.size();
        ScratchFolder::TearDown();
    }

    // The path of a file in the scratch folder.
    CString Path(const std::string& name) const { return CString((m_folder / name).string()); }
    // Copies an example into the scratch folder; its new path.
    CString CopyExample(const std::string& name) const {
        std::filesystem::copy_file(ExamplePath(name), m_folder / name,
                                   std::filesystem::copy_options::overwrite_existing);
        return Path(name);
    }
    // The captions of the messages shown, in order.
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const SShownMessage& message : shown) {
            captions.push_back(message.caption);
        }
        return captions;
    }

    std::vector<SShownMessage> shown;
    std::deque<int> answers;  // the buttons chosen for questions, in order
    std::vector<SReportRequest> reports;

  private:
    std::optional<ScopedEnv> m_tmpdir;
    std::optional<ScopedEnv> m_appdata;
    bool m_wasConsole = false;
    MessageBoxHandler m_oldBox;
    ReportViewerHandler m_oldViewer;
};

}  // namespace tw_test
