#pragma once
// Helpers for the document library tests: objects whose reading and writing
// are given as functions, in-memory documents, and a scratch folder.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "platform/xml/TDWXML.h"

namespace xmltest {

using TDWXML::CInputNode;
using TDWXML::COutputNode;

class CFuncObj : public TDWXML::IDocObj {
  public:
    std::function<long(CInputNode*)> read;
    std::function<long(COutputNode*)> write;
    int readCalls = 0;
    int writeCalls = 0;

    long ReadXML(CInputNode* node) override {
        ++readCalls;
        return read ? read(node) : TDWXML::S_OK_XML;
    }
    long WriteXML(COutputNode* node) override {
        ++writeCalls;
        return write ? write(node) : TDWXML::S_OK_XML;
    }
};

inline CFuncObj Reader(std::function<long(CInputNode*)> read) {
    CFuncObj object;
    object.read = std::move(read);
    return object;
}

inline CFuncObj Writer(std::function<long(COutputNode*)> write) {
    CFuncObj object;
    object.write = std::move(write);
    return object;
}

// The text of a document whose root "R" is written by the function.
inline std::string WriteToText(std::function<long(COutputNode*)> write) {
    TDWXML::CWriteDoc doc;
    EXPECT_EQ(doc.CreateText(), TDWXML::S_OK_XML);
    CFuncObj object = Writer(std::move(write));
    EXPECT_EQ(doc.WriteRoot("R", &object), TDWXML::S_OK_XML);
    return doc.GetText().str();
}

// Loads the text and hands its root "R" to the function; the root's status.
inline long ReadFromText(const std::string& text, std::function<long(CInputNode*)> read) {
    TDWXML::CReadDoc doc;
    const long loaded = doc.LoadText(text.data(), text.size());
    EXPECT_EQ(loaded, TDWXML::S_OK_XML) << doc.GetLastError().reason.GetString();
    if (loaded != TDWXML::S_OK_XML) {
        return loaded;
    }
    CFuncObj object = Reader(std::move(read));
    return doc.ReadRoot("R", &object);
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
        std::string pattern = (std::filesystem::temp_directory_path() / "tw_xml_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    std::filesystem::path m_folder;
};

}  // namespace xmltest
