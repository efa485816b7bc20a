// Numbers in attributes and element text: strict reading, exact round trips,
// printf formats, and independence of the process locale.

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <locale>
#include <string>
#include <type_traits>

#include "platform/xml/TDWXML.h"
#include "platform/xml/XmlTestSupport.h"

using namespace TDWXML;
using namespace xmltest;

namespace {

struct SCase {
    const char* text;
    bool accepted;
    double value;
};

// Reads the text both as the attribute "v" and as the element "E"; a refused
// text leaves the target as it was.
template <class T>
void ExpectParse(const SCase& c) {
    const std::string doc = std::string("<R v='") + c.text + "'><E>" + c.text + "</E></R>";
    ReadFromText(doc, [&](CInputNode* node) {
        T values[2] = {99, 99};
        long statuses[2] = {node->GetAttribute("v", &values[0]), 0};
        if constexpr (std::is_same_v<T, int>) {
            statuses[1] = node->ReadInt("E", &values[1]);
        } else {
            statuses[1] = node->ReadDouble("E", &values[1]);
        }
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(statuses[i] == S_OK_XML, c.accepted) << '"' << c.text << '"';
            if (!(c.accepted && std::isnan(c.value))) {
                EXPECT_EQ(values[i], c.accepted ? static_cast<T>(c.value) : 99) << c.text;
            } else {
                EXPECT_TRUE(std::isnan(static_cast<double>(values[i]))) << c.text;
            }
        }
        return S_OK_XML;
    });
}

// Writes the values as attributes and through WriteDouble without a format,
// and reads them back.
void ExpectExactRoundTrip(const double* values, int count) {
    const std::string text = WriteToText([&](COutputNode* node) {
        for (int i = 0; i < count; ++i) {
            const std::string name = "a" + std::to_string(i);
            EXPECT_EQ(node->SetAttribute(name.c_str(), values[i]), S_OK_XML);
            EXPECT_EQ(node->WriteDouble("D", values[i], nullptr, i), S_OK_XML);
        }
        return S_OK_XML;
    });
    ReadFromText(text, [&](CInputNode* node) {
        for (int i = 0; i < count; ++i) {
            const std::string name = "a" + std::to_string(i);
            double fromAttr = 0;
            double fromText = 0;
            EXPECT_EQ(node->GetAttribute(name.c_str(), &fromAttr), S_OK_XML);
            EXPECT_EQ(node->ReadDouble("D", &fromText, i), S_OK_XML);
            EXPECT_EQ(std::memcmp(&fromAttr, &values[i], sizeof(double)), 0) << values[i];
            EXPECT_EQ(std::memcmp(&fromText, &values[i], sizeof(double)), 0) << values[i];
        }
        return S_OK_XML;
    });
}

// A C++ locale whose numbers use a decimal comma and digit grouping.
struct SCommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

}  // namespace

TEST(XmlNumbers, IntegersMustBeWholeAndInRange) {
    const SCase cases[] = {
        {"12", true, 12},
        {" -7\t", true, -7},
        {"+5", true, 5},
        {"-2147483648", true, -2147483648.0},
        {"2147483647", true, 2147483647.0},
        {"", false, 0},
        {"  ", false, 0},
        {"1.0", false, 0},
        {"12abc", false, 0},
        {"0x10", false, 0},
        {"1 2", false, 0},
        {"2147483648", false, 0},
        {"+-3", false, 0},
        {"--3", false, 0},
        {"1e3", false, 0},
    };
    for (const SCase& c : cases) {
        ExpectParse<int>(c);
    }
}

TEST(XmlNumbers, DoublesAcceptPrintfFormsOnly) {
    const SCase cases[] = {
        {"1.5", true, 1.5},
        {" -2.5e-3 ", true, -2.5e-3},
        {"1.000000E+05", true, 1e5},
        {"+.5", true, 0.5},
        {"5.", true, 5},
        {"42", true, 42},
        {"-0", true, -0.0},
        {"inf", true, std::numeric_limits<double>::infinity()},
        {"-nan", true, std::numeric_limits<double>::quiet_NaN()},
        {"", false, 0},
        {"1,5", false, 0},
        {"1.5x", false, 0},
        {"1e", false, 0},
        {"1e999", false, 0},
        {"0x1p3", false, 0},
        {". 5", false, 0},
        {"++1", false, 0},
    };
    for (const SCase& c : cases) {
        ExpectParse<double>(c);
    }
}

TEST(XmlNumbers, DefaultTextIsShortestAndExact) {
    const double values[] = {0.1,
                             1.0 / 3.0,
                             -1e-7,
                             123456789.125,
                             -0.0,
                             5e-324,
                             std::numeric_limits<double>::max(),
                             2.6e-05,
                             -std::numeric_limits<double>::infinity()};
    ExpectExactRoundTrip(values, static_cast<int>(std::size(values)));

    const std::string text = WriteToText([](COutputNode* node) {
        node->SetAttribute("v", 0.1);
        return node->WriteDouble("D", 2500.0);
    });
    EXPECT_NE(text.find("v=\"0.1\""), std::string::npos) << text;
    EXPECT_NE(text.find("<D>2500</D>"), std::string::npos) << text;
}

TEST(XmlNumbers, FormatsArePrintfFormsForOneDouble) {
    const std::string text = WriteToText([](COutputNode* node) {
        EXPECT_EQ(node->WriteDouble("F", 1.23456, "%.3f"), S_OK_XML);
        EXPECT_EQ(node->WriteDouble("E", -0.000123, "%12.4e"), S_OK_XML);
        EXPECT_EQ(node->WriteDouble("G", 0.5, "x=%g%%"), S_OK_XML);
        EXPECT_EQ(node->WriteDouble("Bad", 1.0, "%d"), E_FAIL_XML);
        EXPECT_EQ(node->WriteDouble("Bad", 1.0, "%s"), E_FAIL_XML);
        EXPECT_EQ(node->WriteDouble("Bad", 1.0, "%f %f"), E_FAIL_XML);
        EXPECT_EQ(node->WriteDouble("Bad", 1.0, "%*f"), E_FAIL_XML);
        EXPECT_EQ(node->WriteDouble("Bad", 1.0, "text"), E_FAIL_XML);
        return S_OK_XML;
    });
    EXPECT_NE(text.find("<F>1.235</F>"), std::string::npos) << text;
    EXPECT_NE(text.find("<E> -1.2300e-04</E>"), std::string::npos) << text;
    EXPECT_NE(text.find("<G>x=0.5%</G>"), std::string::npos) << text;
    EXPECT_EQ(text.find("Bad"), std::string::npos) << text;
    ReadFromText(text, [](CInputNode* node) {
        double value = 0;
        EXPECT_EQ(node->ReadDouble("E", &value), S_OK_XML);  // printf's own padding
        EXPECT_EQ(value, -1.23e-4);
        return S_OK_XML;
    });
}

// A host may run with a locale whose decimal separator is a comma; the
// documents keep the point.
TEST(XmlNumbers, TextDoesNotFollowTheProcessLocale) {
    const std::locale previousCpp =
        std::locale::global(std::locale(std::locale::classic(), new SCommaPunct));
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    bool commaLocale = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8", "de_DE"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            commaLocale = true;
            break;
        }
    }
    const std::string text = WriteToText([](COutputNode* node) {
        node->SetAttribute("v", 1234.5);
        node->WriteDouble("F", 1234.5, "%.2f");
        return node->WriteInt("I", 1234567);
    });
    double attr = 0;
    double formatted = 0;
    int integer = 0;
    ReadFromText(text, [&](CInputNode* node) {
        EXPECT_EQ(node->GetAttribute("v", &attr), S_OK_XML);
        EXPECT_EQ(node->ReadDouble("F", &formatted), S_OK_XML);
        return node->ReadInt("I", &integer);
    });
    std::setlocale(LC_ALL, previousC.c_str());
    std::locale::global(previousCpp);

    EXPECT_NE(text.find("v=\"1234.5\""), std::string::npos) << text;
    EXPECT_NE(text.find("<F>1234.50</F>"), std::string::npos) << text;
    EXPECT_NE(text.find("<I>1234567</I>"), std::string::npos) << text;
    EXPECT_EQ(attr, 1234.5);
    EXPECT_EQ(formatted, 1234.5);
    EXPECT_EQ(integer, 1234567);
    if (!commaLocale) {
        GTEST_SKIP() << "no C locale with a decimal comma is installed; only the C++ locale was "
                        "changed";
    }
}
