#pragma once
// Helpers for the platform and document tests: in-memory documents, a
// scratch folder, and environment variables set for one test.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include "platform/xml/TDWXML.h"
#include "support/XmlFixture.h"

namespace tw_test {

using TDWXML::CInputNode;
using TDWXML::COutputNode;

// Loads the text and hands its root "Root" to the function, expecting both to
// succeed.
inline void ReadFromText(const std::string& text, const std::function<long(CInputNode*)>& read) {
    EXPECT_EQ(ReadWith(text, read), TDWXML::S_OK_XML) << text;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::filesystem::path& path, const std::string& contents) {
    std::ofstream(path, std::ios::binary) << contents;
}

class ScratchFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "tw_test_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }
    std::filesystem::path m_folder;
};

// Sets an environment variable (TZ included) while it lives.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        Set(value);
    }
    ~ScopedEnv() { Set(m_old ? m_old->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void Set(const char* value) {
        value ? setenv(m_name.c_str(), value, 1) : unsetenv(m_name.c_str());
        tzset();
    }
    std::string m_name;
    std::optional<std::string> m_old;
};

}  // namespace tw_test
