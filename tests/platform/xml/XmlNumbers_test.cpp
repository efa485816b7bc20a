// Numbers in attributes and element text: strict reading, exact round trips,
// printf formats, and independence of the process locale.

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <locale>
#include <random>
#include <string>
#include <vector>

#include "platform/PlatformTestSupport.h"
#include "platform/xml/NumberText.h"

using namespace TDWXML;
using namespace tw_test;

namespace {

// A C++ locale whose numbers use a decimal comma and digit grouping.
struct SCommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

}  // namespace

TEST(XmlNumbers, IntegersMustBeWholeAndInRange) {
    const std::pair<const char*, int> accepted[] = {
        {"12", 12}, {" -7\t", -7}, {"+5", 5}, {"-2147483648", INT_MIN}, {"2147483647", INT_MAX}};
    for (const auto& [text, expected] : accepted) {
        int value = 99;
        EXPECT_TRUE(detail::ParseInt(text, &value) && value == expected) << text;
    }
    for (const char* text :
         {"", "  ", "1.0", "12abc", "0x10", "1 2", "2147483648", "+-3", "--3", "1e3"}) {
        int value = 99;
        EXPECT_FALSE(detail::ParseInt(text, &value)) << text;
    }
}

TEST(XmlNumbers, DoublesAcceptPrintfFormsOnly) {
    const std::pair<const char*, double> accepted[] = {
        {"1.5", 1.5}, {" -2.5e-3 ", -2.5e-3}, {"1.000000E+05", 1e5}, {"+.5", 0.5},
        {"5.", 5},    {"-0", -0.0},           {"inf", HUGE_VAL}};
    for (const auto& [text, expected] : accepted) {
        double value = 99;
        EXPECT_TRUE(detail::ParseDouble(text, &value) && value == expected) << text;
    }
    double value = 99;
    EXPECT_TRUE(detail::ParseDouble("-nan", &value) && std::isnan(value));
    for (const char* text : {"", "1,5", "1.5x", "1e", "1e999", "0x1p3", ". 5", "++1"}) {
        EXPECT_FALSE(detail::ParseDouble(text, &value)) << text;
    }
}

TEST(XmlNumbers, DefaultTextIsShortestAndExact) {
    const double big = std::numeric_limits<double>::max();
    for (const double v :
         {0.1, 1.0 / 3.0, -1e-7, 123456789.125, -0.0, 5e-324, 2.6e-05, big, -HUGE_VAL}) {
        double back = 0;
        EXPECT_TRUE(detail::ParseDouble(detail::FormatDouble(v), &back)) << v;
        EXPECT_EQ(std::memcmp(&back, &v, sizeof v), 0) << v;
    }
    EXPECT_EQ(detail::FormatDouble(0.1) + " " + detail::FormatDouble(2500.0), "0.1 2500");
}

TEST(XmlNumbers, FormatsArePrintfFormsForOneDouble) {
    const std::string text = WriteWith([](COutputNode* node) {
        EXPECT_EQ(node->WriteDouble("F", 1.23456, "%.3f"), S_OK_XML);
        EXPECT_EQ(node->WriteDouble("E", -0.000123, "%12.4e"), S_OK_XML);
        EXPECT_EQ(node->WriteDouble("G", 0.5, "x=%g%%"), S_OK_XML);
        for (const char* bad : {"%d", "%s", "%f %f", "%*f", "text"}) {
            EXPECT_EQ(node->WriteDouble("Bad", 1.0, bad), E_FAIL_XML) << bad;
        }
        return S_OK_XML;
    });
    EXPECT_NE(text.find("<F>1.235</F>\n  <E> -1.2300e-04</E>\n  <G>x=0.5%</G>\n</Root>"),
              std::string::npos)
        << text;
}

// The forms printed without printf give printf's text exactly, ties and
// extremes included.
TEST(XmlNumbers, PrintedFormsAreThoseOfPrintf) {
    std::vector<double> values = {
        0.0,        -0.0,       0.125,    0.375,     2.5,
        -2.5,       1e22,       1e-300,   5e-324,    std::numeric_limits<double>::max(),
        123456.789, -9.9999995, HUGE_VAL, -HUGE_VAL, std::nan("")};
    std::mt19937_64 random(24);
    for (int i = 0; i < 3000; ++i) {
        const std::uint64_t bits = random();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        values.push_back(i % 2 ? value : static_cast<double>(bits % 2000000) / 1000.0 - 1000.0);
    }
    for (const char* format : {"%1.8e", "%1.8f", "%1.3f", "% 6.4le", "% 7.5le", "% 6.4lf", "%f",
                               "%.0e", "%.0f", "%-12.3e|", "%+-14.2f", "%+ e", "%12.4e", "%.f"}) {
        for (const double value : values) {
            char expected[512];
            std::snprintf(expected, sizeof expected, format, value);
            ASSERT_EQ(detail::FormatWithPrintf(format, value), expected) << format << " " << value;
        }
    }
}

// A host may run with a locale whose decimal separator is a comma; the
// documents keep the point.
TEST(XmlNumbers, TextDoesNotFollowTheProcessLocale) {
    const std::locale previousCpp =
        std::locale::global(std::locale(std::locale::classic(), new SCommaPunct));
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    bool commaLocale = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8", "de_DE"}) {
        commaLocale = commaLocale || std::setlocale(LC_ALL, name) != nullptr;
    }
    const std::string text = WriteWith([](COutputNode* node) {
        node->SetAttribute("v", 1234.5);
        node->WriteDouble("D", 0.25);
        node->WriteDouble("F", 1234.5, "%.2f");
        return node->WriteInt("I", 1234567);
    });
    ReadFromText(text, [&](CInputNode* node) {
        double numbers[2] = {};
        int integer = 0;
        EXPECT_EQ(node->GetAttribute("v", &numbers[0]) | node->ReadDouble("F", &numbers[1]) |
                      node->ReadInt("I", &integer),
                  S_OK_XML);
        EXPECT_TRUE(numbers[0] == 1234.5 && numbers[1] == 1234.5 && integer == 1234567);
        return S_OK_XML;
    });
    std::setlocale(LC_ALL, previousC.c_str());
    std::locale::global(previousCpp);
    EXPECT_NE(text.find("<Root v=\"1234.5\">\n  <D>0.25</D>\n  <F>1234.50</F>\n  <I>1234567</I>"),
              std::string::npos)
        << text;
    if (!commaLocale) {
        GTEST_SKIP() << "no C locale with a decimal comma is installed; only the C++ locale was "
                        "changed";
    }
}
