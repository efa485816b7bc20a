#include "platform/Archive.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) {
        bytes += static_cast<char>(v);
    }
    return bytes;
}

CArchiveException::Cause CauseOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return CArchiveException::none;
}

// A stream buffer that refuses every write.
class CFailingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

}  // namespace

TEST(Archive, NumbersAreLittleEndianAndLoadBack) {
    std::stringstream stream;
    CArchive(stream, CArchive::store)
        << std::int32_t{-2} << std::uint32_t{0x01020304u} << std::int16_t{-3}
        << std::uint16_t{0xA0B0} << std::uint8_t{0x7F} << 1.0;
    EXPECT_EQ(stream.str(), Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0xFD, 0xFF, 0xB0,
                                   0xA0, 0x7F, 0,    0,    0,    0,    0,    0,    0xF0, 0x3F}));
    std::int32_t i32 = 0;
    std::uint32_t u32 = 0;
    std::int16_t i16 = 0;
    std::uint16_t u16 = 0;
    std::uint8_t u8 = 0;
    double d = 0;
    CArchive(stream, CArchive::load) >> i32 >> u32 >> i16 >> u16 >> u8 >> d;
    EXPECT_EQ(i32, -2);
    EXPECT_EQ(u32, 0x01020304u);
    EXPECT_EQ(i16, -3);
    EXPECT_EQ(u16, 0xA0B0);
    EXPECT_EQ(u8, 0x7F);
    EXPECT_EQ(d, 1.0);
}

TEST(Archive, StringLengthPrefixWidensAtEachLimit) {
    const std::pair<int, std::string> cases[] = {
        {0, Bytes({0})},
        {0xFE, Bytes({0xFE})},
        {0xFF, Bytes({0xFF, 0xFF, 0x00})},
        {0xFFFE, Bytes({0xFF, 0xFE, 0xFF})},
        {0xFFFF, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
    };
    for (const auto& [length, prefix] : cases) {
        SCOPED_TRACE(length);
        std::string text(static_cast<std::size_t>(length), 'a');
        if (length > 0) {
            text.back() = '\0';  // bytes are kept as they are
        }
        std::stringstream stream;
        CArchive(stream, CArchive::store) << CString(text);
        EXPECT_EQ(stream.str(), prefix + text);
        CString loaded("old");
        CArchive(stream, CArchive::load) >> loaded;
        EXPECT_EQ(loaded.str(), text);
    }
}

TEST(Archive, FailuresRaiseTheirCause) {
    std::stringstream stream(Bytes({1, 0, 0}));
    CArchive loading(stream, CArchive::load);
    CArchive storing(stream, CArchive::store);
    std::int32_t number = 0;
    CString text;
    EXPECT_EQ(CauseOf([&] { loading << number; }), CArchiveException::readOnly);
    EXPECT_EQ(CauseOf([&] { storing >> text; }), CArchiveException::writeOnly);
    EXPECT_EQ(CauseOf([&] { loading >> number; }), CArchiveException::endOfFile);

    // Strings cut inside their bytes or their length, and a damaged huge length.
    for (const std::string& cut : {Bytes({5, 'a', 'b'}), Bytes({0xFF, 0x00}),
                                   Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})}) {
        std::stringstream in(cut);
        CArchive ar(in, CArchive::load);
        EXPECT_EQ(CauseOf([&] { ar >> text; }), CArchiveException::endOfFile);
    }

    CFailingBuffer refusing;
    std::iostream broken(&refusing);
    CArchive failing(broken, CArchive::store);
    EXPECT_EQ(CauseOf([&] { failing << 1.5; }), CArchiveException::generic);
    EXPECT_NE(
        std::string(CArchiveException(CArchiveException::endOfFile).what()).find("end of file"),
        std::string::npos);
}
