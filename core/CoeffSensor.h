#pragma once
// The common pattern of the sensor classes, driven by a per-class description.
//
// A concrete class derives from CCoeffSensor<Class> (or CCoeffSensor<Class,
// Base> to extend another sensor class) and describes itself with:
//   static constexpr int kSensorID;               its registry ID
//   static constexpr int kReportWidth;            label width (default 14)
//   static constexpr bool kSilentReport;          true: no report lines at all
//   static std::span<const SCoeffField<T>> FieldTable();  its fields, write order
// and declares `bool operator==(const Class&) const = default;` (or its own).
// One field record says everything about an item: its XML element and write
// format, and, when the report shows it, its label, number format, condition
// and line position. Selections (a choice among numbered texts) are
// CSelection members that carry their texts; a class extending another sensor
// class may reuse the base's table with a using-declaration, and the base's
// constructors are inherited.
// From that the mechanism reads all-or-nothing into a fresh object, writes,
// copies, compares, reports and lists its fields. A class that departs from
// the pattern hides one of the static steps ReadOwnXML, WriteOwnXML or
// ReportOwn, or overrides the virtual operation itself.

#include <algorithm>
#include <cassert>
#include <climits>
#include <cmath>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "core/Range.h"
#include "core/ReportLine.h"
#include "core/Sensor.h"
#include "core/SensorClassOf.h"
#include "core/SensorField.h"
#include "platform/xml/NumberText.h"

// A selection among numbered texts: a bounded int from 0 to the last text
// that refuses values outside. Two selections are equal when they hold the
// same value.
class CSelection : public CRange<int> {
  public:
    template <std::size_t N>
    constexpr CSelection(int initial, const char* const (&choices)[N])
        : CRange<int>(initial, 0, static_cast<int>(N) - 1), m_choices(choices) {
        assert(initial >= 0 && initial < static_cast<int>(N));
    }
    std::span<const char* const> Choices() const { return m_choices; }
    // The text of the current value; the limits keep the value within the
    // texts.
    const char* Text() const {
        assert(Get() >= 0 && static_cast<std::size_t>(Get()) < m_choices.size());
        return m_choices[static_cast<std::size_t>(Get())];
    }
    friend bool operator==(const CSelection& a, const CSelection& b) { return a.Get() == b.Get(); }

  private:
    std::span<const char* const> m_choices;
};

// One field of a sensor: its XML item and, when the report shows it, its
// report line.
template <class T>
struct SCoeffField {
    using EKind = SSensorField::EKind;
    EKind kind;
    const char* tag;  // element tag; the text of a comment
    double T::*dbl = nullptr;
    int T::*integer = nullptr;
    CString T::*text = nullptr;
    CSelection T::*selection = nullptr;  // read as an integer, refused out of range
    const char* format = nullptr;        // printf format of a double
    const char* T::*formatOf = nullptr;  // the object holds the printf format
    double constant = 0.0;               // the value of a written-only constant
    bool optional = false;               // a missing element keeps the default
    int textBuffer = SENSOR_TEXT_BUFFER;
    int groupIndex = -1;  // groups: the index and its attribute
    const char* groupIndexAttr = "index";

    const char* label = nullptr;        // the report's label
    const char* dialogLabel = nullptr;  // a dialog's, when it differs
    bool reported = false;
    long floatFlags = 0;  // SF_SCIENTIFIC or SF_FIXED; 0: the stream's format
    int precision = 0;
    int line = 0;                      // the line's place in the report; 0 everywhere: field order
    bool (*when)(const T&) = nullptr;  // shown only when this holds

    constexpr SCoeffField Optional() const {
        SCoeffField field = *this;
        field.optional = true;
        return field;
    }
    // A report line with its number format.
    constexpr SCoeffField Sci(const char* lineLabel, int digits,
                              bool (*shownWhen)(const T&) = nullptr) const {
        return Reported(lineLabel, SF_SCIENTIFIC, digits, shownWhen);
    }
    constexpr SCoeffField Fixed(const char* lineLabel, int decimals,
                                bool (*shownWhen)(const T&) = nullptr) const {
        return Reported(lineLabel, SF_FIXED, decimals, shownWhen);
    }
    // A report line: an integer, a text, a choice's text, or a double in the
    // stream's current format.
    constexpr SCoeffField Shown(const char* lineLabel,
                                bool (*shownWhen)(const T&) = nullptr) const {
        return Reported(lineLabel, 0, 0, shownWhen);
    }
    // The place of the report line when the report lists the fields in
    // another order than the element.
    constexpr SCoeffField Line(int place) const {
        SCoeffField field = *this;
        field.line = place;
        return field;
    }
    // The label a dialog shows, when it is not the report's.
    constexpr SCoeffField Labelled(const char* fieldLabel) const {
        SCoeffField field = *this;
        field.dialogLabel = fieldLabel;
        return field;
    }

  private:
    constexpr SCoeffField Reported(const char* lineLabel, long flags, int digits,
                                   bool (*shownWhen)(const T&)) const {
        SCoeffField field = *this;
        field.label = lineLabel;
        field.reported = true;
        field.floatFlags = flags;
        field.precision = digits;
        field.when = shownWhen;
        return field;
    }
};

// The field makers, named inside the TW_SENSOR_FIELDS macro.
namespace SensorFields {

template <class T>
constexpr SCoeffField<T> Coeff(const char* tag, double T::*member, const char* format) {
    SCoeffField<T> field{SSensorField::EKind::Double, tag};
    field.dbl = member;
    field.format = format;
    return field;
}
// A double written with the format text that the object holds.
template <class T>
constexpr SCoeffField<T> CoeffFormatOf(const char* tag, double T::*member,
                                       const char* T::*formatOf) {
    SCoeffField<T> field{SSensorField::EKind::Double, tag};
    field.dbl = member;
    field.formatOf = formatOf;
    return field;
}
template <class T>
constexpr SCoeffField<T> Int(const char* tag, int T::*member) {
    SCoeffField<T> field{SSensorField::EKind::Integer, tag};
    field.integer = member;
    return field;
}
template <class T>
constexpr SCoeffField<T> Flag(const char* tag, int T::*member) {
    SCoeffField<T> field = Int(tag, member);
    field.kind = SSensorField::EKind::Flag;
    return field;
}
// An integer element that must lie within the selection's limits.
template <class T>
constexpr SCoeffField<T> Choice(const char* tag, CSelection T::*member) {
    SCoeffField<T> field{SSensorField::EKind::Choice, tag};
    field.selection = member;
    return field;
}
template <class T>
constexpr SCoeffField<T> Text(const char* tag, CString T::*member, int textBuffer) {
    SCoeffField<T> field{SSensorField::EKind::Text, tag};
    field.text = member;
    field.textBuffer = textBuffer;
    return field;
}
// A fixed value that the element carries for other programs: always written
// with the format, never read back.
template <class T>
constexpr SCoeffField<T> Constant(const char* tag, double value, const char* format) {
    SCoeffField<T> field{SSensorField::EKind::Constant, tag};
    field.format = format;
    field.constant = value;
    return field;
}
template <class T>
constexpr SCoeffField<T> Comment(const char* text) {
    return {SSensorField::EKind::Comment, text};
}
// A group element holding the fields up to its EndGroup. Reading needs the
// group; writing skips its fields when it cannot be opened.
template <class T>
constexpr SCoeffField<T> Group(const char* tag, int index, const char* indexAttr) {
    SCoeffField<T> field{SSensorField::EKind::OpenGroup, tag};
    field.groupIndex = index;
    field.groupIndexAttr = indexAttr;
    return field;
}
template <class T>
constexpr SCoeffField<T> EndGroup() {
    return {SSensorField::EKind::CloseGroup, ""};
}

}  // namespace SensorFields

// The steps of the mechanism over a description.
namespace CoeffTable {

using EKind = SSensorField::EKind;

// Follows the nesting while the fields of a group that could not be opened
// are passed over; true for a field that is passed over.
template <class T>
bool SkippedInGroup(const SCoeffField<T>& field, int& skipDepth) {
    if (skipDepth == 0) {
        return false;
    }
    skipDepth += field.kind == EKind::OpenGroup ? 1 : (field.kind == EKind::CloseGroup ? -1 : 0);
    return true;
}

// Reads every field into the object, attempting all of them; the status of
// the first required field that failed, 0 when none did.
template <class T>
long Read(TDWXML::CInputNode* node, std::type_identity_t<T>& object,
          std::span<const SCoeffField<T>> fields) {
    long combined = 0;
    int skipDepth = 0;  // inside a group that could not be opened
    for (const SCoeffField<T>& field : fields) {
        if (SkippedInGroup(field, skipDepth)) {
            continue;
        }
        long status = 0;
        switch (field.kind) {
            case EKind::Double: {
                double value = 0.0;
                status = node->ReadDouble(field.tag, &value, -1, "index");
                if (status == 0) {
                    object.*field.dbl = value;
                }
                break;
            }
            case EKind::Integer:
            case EKind::Flag: {
                int value = 0;
                status = node->ReadInt(field.tag, &value, -1, "index");
                if (status == 0) {
                    object.*field.integer = value;
                }
                break;
            }
            case EKind::Text: {
                std::string buffer(static_cast<std::size_t>(field.textBuffer), '\0');
                status = node->ReadString(field.tag, buffer.data(), field.textBuffer, -1, "index");
                if (status == 0) {
                    object.*field.text = buffer.c_str();
                }
                break;
            }
            case EKind::Comment:
                break;
            case EKind::Constant: {
                // The value is fixed: what the file holds is looked at (so it
                // counts as known) and never taken, present or not.
                double ignored = 0.0;
                node->ReadDouble(field.tag, &ignored, -1, "index");
                break;
            }
            case EKind::OpenGroup:
                status = node->OpenElement(field.tag, field.groupIndex, field.groupIndexAttr);
                if (status != 0) {
                    skipDepth = 1;
                }
                break;
            case EKind::CloseGroup:
                status = node->CloseElement();
                break;
            case EKind::Choice: {
                int value = 0;
                status = node->ReadInt(field.tag, &value, -1, "index");
                if (status == 0 && !(object.*field.selection).Set(value)) {
                    status = TDWXML::E_FAIL_XML;
                }
                break;
            }
        }
        if (status != 0 && !field.optional && combined == 0) {
            combined = status;
        }
    }
    return combined;
}

template <class T>
const char* FormatOf(const std::type_identity_t<T>& object, const SCoeffField<T>& field) {
    return field.formatOf ? object.*field.formatOf : field.format;
}

// Writes every field; the status is that of the last write.
template <class T>
long Write(TDWXML::COutputNode* node, const std::type_identity_t<T>& object,
           std::span<const SCoeffField<T>> fields, long status) {
    int skipDepth = 0;
    for (const SCoeffField<T>& field : fields) {
        if (SkippedInGroup(field, skipDepth)) {
            continue;
        }
        switch (field.kind) {
            case EKind::Double:
                status = node->WriteDouble(field.tag, object.*field.dbl, FormatOf(object, field),
                                           -1, "index");
                break;
            case EKind::Integer:
            case EKind::Flag:
                status = node->WriteInt(field.tag, object.*field.integer, -1, "index");
                break;
            case EKind::Text:
                status = node->WriteString(field.tag, object.*field.text, -1, "index");
                break;
            case EKind::Comment:
                status = node->WriteComment(field.tag);
                break;
            case EKind::OpenGroup:
                status = node->OpenElement(field.tag, field.groupIndex, field.groupIndexAttr);
                if (status != 0) {
                    skipDepth = 1;
                }
                break;
            case EKind::CloseGroup:
                status = node->CloseElement();
                break;
            case EKind::Choice:
                status = node->WriteInt(field.tag, (object.*field.selection).Get(), -1, "index");
                break;
            case EKind::Constant:
                status = node->WriteDouble(field.tag, field.constant, field.format, -1, "index");
                break;
        }
    }
    return status;
}

// The report lines of the fields, in their report order.
template <class T>
void Report(std::ostream& os, int indent, int width, const std::type_identity_t<T>& object,
            std::span<const SCoeffField<T>> fields) {
    std::vector<const SCoeffField<T>*> lines;
    for (const SCoeffField<T>& field : fields) {
        if (field.reported) {
            lines.push_back(&field);
        }
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto* a, const auto* b) { return a->line < b->line; });
    for (const SCoeffField<T>* field : lines) {
        if (field->when && !field->when(object)) {
            continue;
        }
        switch (field->kind) {
            case EKind::Text:
                ReportLine(os, indent, width, field->label, object.*field->text);
                break;
            case EKind::Integer:
            case EKind::Flag:
                ReportLine(os, indent, width, field->label, object.*field->integer);
                break;
            case EKind::Choice:
                ReportLine(os, indent, width, field->label, (object.*field->selection).Text());
                break;
            default:
                assert(field->kind == EKind::Double);
                if (field->floatFlags != 0) {
                    SetFloat(os, field->floatFlags, field->precision);
                }
                ReportLine(os, indent, width, field->label, object.*field->dbl);
        }
    }
}

// The fields as every tier sees them, keys given.
template <class T>
std::vector<SSensorField> Describe(const std::type_identity_t<T>& object,
                                   std::span<const SCoeffField<T>> fields) {
    std::vector<SSensorField> described;
    described.reserve(fields.size());
    for (const SCoeffField<T>& field : fields) {
        SSensorField& out = described.emplace_back();
        out.kind = field.kind;
        out.tag = field.tag;
        out.label = field.label;
        out.dialogLabel = field.dialogLabel;
        if (field.kind == EKind::Choice) {
            out.choices = (object.*field.selection).Choices();
        }
        if (field.kind == EKind::OpenGroup) {
            out.groupIndex = field.groupIndex;
            out.groupIndexAttr = field.groupIndexAttr;
        }
    }
    AssignFieldKeys(described);
    return described;
}

// The text the field's element carries.
template <class T>
CString GetText(const std::type_identity_t<T>& object, const SCoeffField<T>& field) {
    switch (field.kind) {
        case EKind::Double: {
            const char* format = FormatOf(object, field);
            return format ? TDWXML::detail::FormatWithPrintf(format, object.*field.dbl)
                          : TDWXML::detail::FormatDouble(object.*field.dbl);
        }
        case EKind::Constant:
            return TDWXML::detail::FormatWithPrintf(field.format, field.constant);
        case EKind::Integer:
        case EKind::Flag:
            return std::to_string(object.*field.integer);
        case EKind::Choice:
            return std::to_string((object.*field.selection).Get());
        case EKind::Text:
            return object.*field.text;
        default:
            return {};
    }
}

// Takes the text as a read of the element would; false, with the object
// unchanged, when the field does not take it (not a number, a choice out of
// range, no value at all). A constant keeps its value.
template <class T>
bool SetText(std::type_identity_t<T>& object, const SCoeffField<T>& field, const CString& text) {
    double number = 0.0;
    int integer = 0;
    switch (field.kind) {
        case EKind::Double:
            if (!TDWXML::detail::ParseDouble(text.str(), &number)) {
                return false;
            }
            object.*field.dbl = number;
            return true;
        case EKind::Integer:
        case EKind::Flag:
            if (!TDWXML::detail::ParseInt(text.str(), &integer)) {
                return false;
            }
            object.*field.integer = integer;
            return true;
        case EKind::Choice:
            return TDWXML::detail::ParseInt(text.str(), &integer) &&
                   (object.*field.selection).Set(integer);
        case EKind::Text:
            // As much as a read takes.
            object.*field.text = text.str().substr(
                0, std::min(text.str().size(), static_cast<std::size_t>(field.textBuffer - 1)));
            return true;
        case EKind::Constant:
            return true;
        default:
            return false;
    }
}

// The value as a number: a double, an integer, a choice's number; 0 for a
// text.
template <class T>
double GetValue(const std::type_identity_t<T>& object, const SCoeffField<T>& field) {
    switch (field.kind) {
        case EKind::Double:
            return object.*field.dbl;
        case EKind::Integer:
        case EKind::Flag:
            return object.*field.integer;
        case EKind::Choice:
            return (object.*field.selection).Get();
        case EKind::Constant:
            return field.constant;
        default:
            return 0.0;
    }
}

// Takes a number, an integer field its whole part (limited to the range of
// int); false when the field holds no number or a choice refuses it.
template <class T>
bool SetValue(std::type_identity_t<T>& object, const SCoeffField<T>& field, double value) {
    const auto whole = [value] {
        if (std::isnan(value)) {
            return 0;
        }
        return static_cast<int>(
            std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
    };
    switch (field.kind) {
        case EKind::Double:
            object.*field.dbl = value;
            return true;
        case EKind::Integer:
        case EKind::Flag:
            object.*field.integer = whole();
            return true;
        case EKind::Choice:
            return (object.*field.selection).Set(whole());
        default:
            return false;
    }
}

}  // namespace CoeffTable

// In a class body: the field operations of CSensor on the object over its
// table (an expression giving the span of its fields).
#define TW_SENSOR_FIELD_ACCESS(Object, Table)                            \
  public:                                                                \
    std::vector<SSensorField> Fields() const override {                  \
        return CoeffTable::Describe(Object, Table);                      \
    }                                                                    \
    CString GetFieldText(std::size_t field) const override {             \
        return CoeffTable::GetText(Object, (Table)[field]);              \
    }                                                                    \
    bool SetFieldText(std::size_t field, const CString& text) override { \
        return CoeffTable::SetText(Object, (Table)[field], text);        \
    }                                                                    \
    double GetFieldValue(std::size_t field) const override {             \
        return CoeffTable::GetValue(Object, (Table)[field]);             \
    }                                                                    \
    bool SetFieldValue(std::size_t field, double value) override {       \
        return CoeffTable::SetValue(Object, (Table)[field], value);      \
    }                                                                    \
                                                                         \
  private:

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
    // items and every required field were read.
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

    TW_SENSOR_FIELD_ACCESS(Self(), Derived::FieldTable())

  public:
    void AssignFrom(const CSensor& other) override { Self() = static_cast<const Derived&>(other); }
    bool IsEqualTo(const CSensor& other) const override {
        return Self() == static_cast<const Derived&>(other);
    }

    bool operator==(const CCoeffSensor&) const = default;

    // The default steps, over the class's description.
    static long ReadOwnXML(TDWXML::CInputNode* node, Derived& fresh) {
        return CoeffTable::Read(node, fresh, Derived::FieldTable());
    }
    static long WriteOwnXML(TDWXML::COutputNode* node, const Derived& self, long status) {
        return CoeffTable::Write(node, self, Derived::FieldTable(), status);
    }
    static void ReportOwn(std::ostream& os, int indent, const Derived& self) {
        CoeffTable::Report(os, indent, Derived::kReportWidth, self, Derived::FieldTable());
    }
    // A class without fields of its own keeps this.
    static std::span<const SCoeffField<Derived>> FieldTable() { return {}; }

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

// Declares a selection among the texts Choices (an array, one text per value
// from 0) with its accessors: Get<Name> returns the range, Set<Name> returns
// 0 and keeps the value when it has no text.
#define TW_SENSOR_SELECTION(Name, Default, Choices) \
  public:                                           \
    CRange<int> Get##Name() const {                 \
        return m_##Name;                            \
    }                                               \
    int Set##Name(int value) {                      \
        return m_##Name.Set(value);                 \
    }                                               \
                                                    \
  private:                                          \
    CSelection m_##Name{Default, Choices};

// In the class body: declares the class's fields.
#define TW_DECLARE_SENSOR_FIELDS(Class)                      \
  public:                                                    \
    static std::span<const SCoeffField<Class>> FieldTable(); \
                                                             \
  private:

// In the source: the fields of a class, in write order. Inside, S names the
// class: TW_SENSOR_FIELDS(CZapsSensor, Coeff("M", &S::m_M, "%1.6e").Fixed("M", 6), ...)
#define TW_SENSOR_FIELDS(Class, ...)                          \
    std::span<const SCoeffField<Class>> Class::FieldTable() { \
        using S = Class;                                      \
        using namespace SensorFields;                         \
        static const SCoeffField<S> fields[] = {__VA_ARGS__}; \
        return fields;                                        \
    }
