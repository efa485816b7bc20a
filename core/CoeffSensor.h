#pragma once
// The common pattern of the sensor classes, driven by a per-class description.
//
// A concrete class derives from CCoeffSensor<Class> (or CCoeffSensor<Class,
// Base> to extend another sensor class) and describes itself with:
//   static constexpr int kSensorID;               its registry ID
//   static constexpr int kReportWidth;            label width (default 14)
//   static constexpr bool kSilentReport;          true: no report lines at all
//   static std::span<const SCoeffXml<T>> XmlItems();      elements, write order
//   static std::span<const SCoeffLine<T>> ReportLines();  report lines, in order
// and declares `bool operator==(const Class&) const = default;` (or its own).
// Selections (a choice among numbered texts) are CSelection members; a class
// extending another sensor class may reuse the base's tables with a
// using-declaration, and the base's constructors are inherited.
// From that the mechanism reads all-or-nothing into a fresh object, writes,
// copies, compares and reports. A class that departs from the pattern hides
// one of the static steps ReadOwnXML, WriteOwnXML or ReportOwn, or overrides
// the virtual operation itself.

#include <cstring>
#include <span>
#include <string>
#include <type_traits>

#include "core/Range.h"
#include "core/ReportLine.h"
#include "core/Sensor.h"
#include "core/SensorClassOf.h"

// A selection among numbered choices: a bounded int that refuses values
// outside its limits. Two selections are equal when they hold the same value.
class CSelection : public CRange<int> {
  public:
    using CRange<int>::CRange;
    friend bool operator==(const CSelection& a, const CSelection& b) { return a.Get() == b.Get(); }
};

// One item of a sensor's XML, after the common items.
template <class T>
struct SCoeffXml {
    enum class Kind { Double, Int, Text, Comment, OpenGroup, CloseGroup, Selection, Constant };
    Kind kind;
    const char* tag;  // element tag; the text of a comment
    double T::*dbl = nullptr;
    int T::*integer = nullptr;
    CString T::*text = nullptr;
    const char* format = nullptr;  // printf format of a double
    bool optional = false;         // a missing element keeps the default
    int textBuffer = SENSOR_TEXT_BUFFER;
    int groupIndex = -1;  // groups: the index and its attribute
    const char* groupIndexAttr = "index";
    CSelection T::*selection = nullptr;  // read as an integer, refused out of range
    const char* T::*formatOf = nullptr;  // the object holds the printf format
    double constant = 0.0;               // the value of a written-only constant
};

template <class T>
constexpr SCoeffXml<T> XmlDouble(const char* tag, double T::*member, const char* format) {
    return {SCoeffXml<T>::Kind::Double, tag, member, nullptr, nullptr, format};
}
// A double written with the format text that the object holds.
template <class T>
constexpr SCoeffXml<T> XmlDoubleFormatOf(const char* tag, double T::*member,
                                         const char* T::*formatOf) {
    SCoeffXml<T> item{SCoeffXml<T>::Kind::Double, tag, member};
    item.formatOf = formatOf;
    return item;
}
template <class T>
constexpr SCoeffXml<T> XmlOptionalDouble(const char* tag, double T::*member, const char* format) {
    SCoeffXml<T> item = XmlDouble(tag, member, format);
    item.optional = true;
    return item;
}
template <class T>
constexpr SCoeffXml<T> XmlInt(const char* tag, int T::*member, bool optional = false) {
    SCoeffXml<T> item{SCoeffXml<T>::Kind::Int, tag, nullptr, member};
    item.optional = optional;
    return item;
}
// An integer element that must lie within the selection's limits.
template <class T>
constexpr SCoeffXml<T> XmlSelection(const char* tag, CSelection T::*member) {
    SCoeffXml<T> item{SCoeffXml<T>::Kind::Selection, tag};
    item.selection = member;
    return item;
}
template <class T>
constexpr SCoeffXml<T> XmlText(const char* tag, CString T::*member, int textBuffer) {
    SCoeffXml<T> item{SCoeffXml<T>::Kind::Text, tag, nullptr, nullptr, member};
    item.textBuffer = textBuffer;
    return item;
}
// A fixed value that the element carries for other programs: always written
// with the format, never read back.
template <class T>
constexpr SCoeffXml<T> XmlConstant(const char* tag, double value, const char* format) {
    SCoeffXml<T> item{SCoeffXml<T>::Kind::Constant, tag};
    item.format = format;
    item.constant = value;
    return item;
}
template <class T>
constexpr SCoeffXml<T> XmlComment(const char* text) {
    return {SCoeffXml<T>::Kind::Comment, text};
}
// A group element holding the items up to its XmlCloseGroup. Reading needs the
// group; writing skips its items when it cannot be opened.
template <class T>
constexpr SCoeffXml<T> XmlOpenGroup(const char* tag, int index, const char* indexAttr) {
    SCoeffXml<T> item{SCoeffXml<T>::Kind::OpenGroup, tag};
    item.groupIndex = index;
    item.groupIndexAttr = indexAttr;
    return item;
}
template <class T>
constexpr SCoeffXml<T> XmlCloseGroup() {
    return {SCoeffXml<T>::Kind::CloseGroup, ""};
}

// One report line after the common lines.
template <class T>
struct SCoeffLine {
    const char* label;
    double T::*dbl = nullptr;
    CString T::*text = nullptr;
    long floatFlags = 0;  // SF_SCIENTIFIC or SF_FIXED
    int precision = 0;
    bool (*when)(const T&) = nullptr;  // shown only when this holds
    int T::*integer = nullptr;
    CSelection T::*selection = nullptr;  // shows choices[value]
    const char* const* choices = nullptr;
    bool keepFormat = false;  // a double in the stream's current format
};

template <class T>
constexpr SCoeffLine<T> LineSci(const char* label, double T::*member, int precision,
                                bool (*when)(const T&) = nullptr) {
    return {label, member, nullptr, SF_SCIENTIFIC, precision, when};
}
template <class T>
constexpr SCoeffLine<T> LineFixed(const char* label, double T::*member, int precision,
                                  bool (*when)(const T&) = nullptr) {
    return {label, member, nullptr, SF_FIXED, precision, when};
}
template <class T>
constexpr SCoeffLine<T> LineText(const char* label, CString T::*member) {
    return {label, nullptr, member};
}
// A double without a format of its own.
template <class T>
constexpr SCoeffLine<T> LineDouble(const char* label, double T::*member) {
    SCoeffLine<T> line{label, member};
    line.keepFormat = true;
    return line;
}
template <class T>
constexpr SCoeffLine<T> LineInt(const char* label, int T::*member) {
    SCoeffLine<T> line{label};
    line.integer = member;
    return line;
}
// The text of the selection's current value; choices holds one text per value
// from the selection's low limit 0 to its high limit.
template <class T>
constexpr SCoeffLine<T> LineChoice(const char* label, CSelection T::*member,
                                   const char* const* choices, bool (*when)(const T&) = nullptr) {
    SCoeffLine<T> line{label};
    line.selection = member;
    line.choices = choices;
    line.when = when;
    return line;
}

// The steps of the mechanism over a description.
namespace CoeffTable {

// Follows the nesting while the items of a group that could not be opened
// are passed over; true for an item that is passed over.
template <class T>
bool SkippedInGroup(const SCoeffXml<T>& item, int& skipDepth) {
    using Kind = typename SCoeffXml<T>::Kind;
    if (skipDepth == 0) {
        return false;
    }
    skipDepth += item.kind == Kind::OpenGroup ? 1 : (item.kind == Kind::CloseGroup ? -1 : 0);
    return true;
}

// Reads every item into the object, attempting all of them; nonzero when a
// required item failed.
template <class T>
long Read(TDWXML::CInputNode* node, std::type_identity_t<T>& object,
          std::span<const SCoeffXml<T>> items) {
    using Kind = typename SCoeffXml<T>::Kind;
    long combined = 0;
    int skipDepth = 0;  // inside a group that could not be opened
    for (const SCoeffXml<T>& item : items) {
        if (SkippedInGroup(item, skipDepth)) {
            continue;
        }
        long status = 0;
        switch (item.kind) {
            case Kind::Double: {
                double value = 0.0;
                status = node->ReadDouble(item.tag, &value, -1, "index");
                if (status == 0) {
                    object.*item.dbl = value;
                }
                break;
            }
            case Kind::Int: {
                int value = 0;
                status = node->ReadInt(item.tag, &value, -1, "index");
                if (status == 0) {
                    object.*item.integer = value;
                }
                break;
            }
            case Kind::Text: {
                std::string buffer(static_cast<std::size_t>(item.textBuffer), '\0');
                status = node->ReadString(item.tag, buffer.data(), item.textBuffer, -1, "index");
                if (status == 0) {
                    object.*item.text = buffer.c_str();
                }
                break;
            }
            case Kind::Comment:
                break;
            case Kind::Constant: {
                // The value is fixed: what the file holds is looked at (so it
                // counts as known) and never taken, present or not.
                double ignored = 0.0;
                node->ReadDouble(item.tag, &ignored, -1, "index");
                break;
            }
            case Kind::OpenGroup:
                status = node->OpenElement(item.tag, item.groupIndex, item.groupIndexAttr);
                if (status != 0) {
                    skipDepth = 1;
                }
                break;
            case Kind::CloseGroup:
                status = node->CloseElement();
                break;
            case Kind::Selection: {
                int value = 0;
                status = node->ReadInt(item.tag, &value, -1, "index");
                if (status == 0 && !(object.*item.selection).Set(value)) {
                    status = TDWXML::E_FAIL_XML;
                }
                break;
            }
        }
        if (status != 0 && !item.optional) {
            combined |= status;
        }
    }
    return combined;
}

// Writes every item; the status is that of the last write.
template <class T>
long Write(TDWXML::COutputNode* node, const std::type_identity_t<T>& object,
           std::span<const SCoeffXml<T>> items, long status) {
    using Kind = typename SCoeffXml<T>::Kind;
    int skipDepth = 0;
    for (const SCoeffXml<T>& item : items) {
        if (SkippedInGroup(item, skipDepth)) {
            continue;
        }
        switch (item.kind) {
            case Kind::Double:
                status = node->WriteDouble(item.tag, object.*item.dbl,
                                           item.formatOf ? object.*item.formatOf : item.format, -1,
                                           "index");
                break;
            case Kind::Int:
                status = node->WriteInt(item.tag, object.*item.integer, -1, "index");
                break;
            case Kind::Text:
                status = node->WriteString(item.tag, object.*item.text, -1, "index");
                break;
            case Kind::Comment:
                status = node->WriteComment(item.tag);
                break;
            case Kind::OpenGroup:
                status = node->OpenElement(item.tag, item.groupIndex, item.groupIndexAttr);
                if (status != 0) {
                    skipDepth = 1;
                }
                break;
            case Kind::CloseGroup:
                status = node->CloseElement();
                break;
            case Kind::Selection:
                status = node->WriteInt(item.tag, (object.*item.selection).Get(), -1, "index");
                break;
            case Kind::Constant:
                status = node->WriteDouble(item.tag, item.constant, item.format, -1, "index");
                break;
        }
    }
    return status;
}

// The texts that the report line of the selection written as tag shows, one
// per value from 0 to the selection's high limit; empty when tag is no
// selection.
template <class T>
std::span<const char* const> ChoiceTexts(const std::type_identity_t<T>& object,
                                         std::span<const SCoeffXml<T>> items,
                                         std::span<const SCoeffLine<T>> lines, const char* tag) {
    for (const SCoeffXml<T>& item : items) {
        if (item.kind != SCoeffXml<T>::Kind::Selection || std::strcmp(item.tag, tag) != 0) {
            continue;
        }
        for (const SCoeffLine<T>& line : lines) {
            if (line.selection == item.selection) {
                const int count = (object.*item.selection).GetHigh() + 1;
                return {line.choices, static_cast<std::size_t>(count)};
            }
        }
    }
    return {};
}

template <class T>
void Report(std::ostream& os, int indent, int width, const std::type_identity_t<T>& object,
            std::span<const SCoeffLine<T>> lines) {
    for (const SCoeffLine<T>& line : lines) {
        if (line.when && !line.when(object)) {
            continue;
        }
        if (line.text) {
            ReportLine(os, indent, width, line.label, object.*line.text);
        } else if (line.integer) {
            ReportLine(os, indent, width, line.label, object.*line.integer);
        } else if (line.selection) {
            ReportLine(os, indent, width, line.label, line.choices[(object.*line.selection).Get()]);
        } else if (line.keepFormat) {
            ReportLine(os, indent, width, line.label, object.*line.dbl);
        } else {
            SetFloat(os, line.floatFlags, line.precision);
            ReportLine(os, indent, width, line.label, object.*line.dbl);
        }
    }
}

}  // namespace CoeffTable

template <class Derived, class Base = CSensor>
class CCoeffSensor : public Base {
  public:
    using Base::Base;
    static constexpr int kReportWidth = 14;
    static constexpr bool kSilentReport = false;

    int GetSensorID() const override {
        static_assert(kSensorRowNames<Derived, Derived::kSensorID>,
                      "the sensor table gives this ID to another class");
        return Derived::kSensorID;
    }

    // Reads into a fresh default object and takes it only when the common
    // items and every required item were read.
    long ReadXML(TDWXML::CInputNode* node) override {
        Derived fresh;
        const long baseStatus = fresh.ReadBaseXML(node);
        if (baseStatus == TDWXML::E_WRONG_OBJECT) {
            return baseStatus;
        }
        if (baseStatus != 0 || Derived::ReadOwnXML(node, fresh) != 0) {
            return TDWXML::E_FAIL_XML;
        }
        Self() = fresh;
        return TDWXML::S_OK_XML;
    }

    long WriteXML(TDWXML::COutputNode* node) override {
        const long baseStatus = this->WriteBaseXML(node);
        return Derived::WriteOwnXML(node, Self(), baseStatus);
    }

    void Report(std::ostream& os, int indent) const override {
        if constexpr (Derived::kSilentReport) {
            return;
        }
        CSensor::Report(os, indent, Derived::kReportWidth);
        Derived::ReportOwn(os, indent, Self());
    }

    std::span<const char* const> ChoiceTexts(const char* tag) const override {
        return CoeffTable::ChoiceTexts(Self(), Derived::XmlItems(), Derived::ReportLines(), tag);
    }

    void AssignFrom(const CSensor& other) override { Self() = static_cast<const Derived&>(other); }
    bool IsEqualTo(const CSensor& other) const override {
        return Self() == static_cast<const Derived&>(other);
    }

    bool operator==(const CCoeffSensor&) const = default;

    // The default steps, over the class's description.
    static long ReadOwnXML(TDWXML::CInputNode* node, Derived& fresh) {
        return CoeffTable::Read(node, fresh, Derived::XmlItems());
    }
    static long WriteOwnXML(TDWXML::COutputNode* node, const Derived& self, long status) {
        return CoeffTable::Write(node, self, Derived::XmlItems(), status);
    }
    static void ReportOwn(std::ostream& os, int indent, const Derived& self) {
        CoeffTable::Report(os, indent, Derived::kReportWidth, self, Derived::ReportLines());
    }
    // A class without items of its own keeps these.
    static std::span<const SCoeffXml<Derived>> XmlItems() { return {}; }
    static std::span<const SCoeffLine<Derived>> ReportLines() { return {}; }

  private:
    Derived& Self() { return static_cast<Derived&>(*this); }
    const Derived& Self() const { return static_cast<const Derived&>(*this); }
};

// Declares a coefficient with its accessor pair Get<Name>/Set<Name> and its
// member m_<Name>; leaves the class body in private access.
#define TW_SENSOR_VALUE(Type, Name, Default) \
  public:                                    \
    Type Get##Name() const {                 \
        return m_##Name;                     \
    }                                        \
    void Set##Name(const Type& value) {      \
        m_##Name = value;                    \
    }                                        \
                                             \
  private:                                   \
    Type m_##Name = Default;

// Declares a selection with its accessors: Get<Name> returns the range,
// Set<Name> returns 0 and keeps the value when it lies outside [Low, High].
#define TW_SENSOR_SELECTION(Name, Default, Low, High) \
  public:                                             \
    CRange<int> Get##Name() const {                   \
        return m_##Name;                              \
    }                                                 \
    int Set##Name(int value) {                        \
        return m_##Name.Set(value);                   \
    }                                                 \
                                                      \
  private:                                            \
    CSelection m_##Name{Default, Low, High};

// In the class body: declares the class's description (both tables).
#define TW_DECLARE_SENSOR_TABLES(Class)                      \
  public:                                                    \
    static std::span<const SCoeffXml<Class>> XmlItems();     \
    static std::span<const SCoeffLine<Class>> ReportLines(); \
                                                             \
  private:

// In the source: the XML items of a class, in write order. Inside, S names the
// class: TW_SENSOR_XML_ITEMS(CZapsSensor, XmlDouble("M", &S::m_M, "%1.6e"), ...)
#define TW_SENSOR_XML_ITEMS(Class, ...)                    \
    std::span<const SCoeffXml<Class>> Class::XmlItems() {  \
        using S = Class;                                   \
        static const SCoeffXml<S> items[] = {__VA_ARGS__}; \
        return items;                                      \
    }

// In the source: the report lines of a class, in order.
#define TW_SENSOR_REPORT_LINES(Class, ...)                    \
    std::span<const SCoeffLine<Class>> Class::ReportLines() { \
        using S = Class;                                      \
        static const SCoeffLine<S> lines[] = {__VA_ARGS__};   \
        return lines;                                         \
    }
