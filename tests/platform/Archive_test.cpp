#include "platform/Archive.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

using namespace std::string_literals;

namespace {

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
    EXPECT_EQ(stream.str(),
              "\xFE\xFF\xFF\xFF\x04\x03\x02\x01\xFD\xFF\xB0\xA0\x7F\0\0\0\0\0\0\xF0\x3F"s);
    std::int32_t i32 = 0;
    std::uint32_t u32 = 0;
    std::int16_t i16 = 0;
    std::uint16_t u16 = 0;
    std::uint8_t u8 = 0;
    double d = 0;
    CArchive(stream, CArchive::load) >> i32 >> u32 >> i16 >> u16 >> u8 >> d;
    EXPECT_TRUE(i32 == -2 && u32 == 0x01020304u && i16 == -3 && u16 == 0xA0B0 && u8 == 0x7F &&
                d == 1.0);
}

TEST(Archive, FailuresRaiseTheirCause) {
    std::stringstream stream("\1\0\0"s);
    CArchive loading(stream, CArchive::load);
    CArchive storing(stream, CArchive::store);
    std::int32_t number = 0;
    EXPECT_EQ(CauseOf([&] { loading << number; }), CArchiveException::readOnly);
    EXPECT_EQ(CauseOf([&] { storing >> number; }), CArchiveException::writeOnly);
    EXPECT_EQ(CauseOf([&] { loading >> number; }), CArchiveException::endOfFile);
    CFailingBuffer refusing;
    std::iostream broken(&refusing);
    CArchive failing(broken, CArchive::store);
    EXPECT_EQ(CauseOf([&] { failing << 1.5; }), CArchiveException::generic);
}
