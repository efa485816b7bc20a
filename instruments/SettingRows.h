#pragma once
// The settings of an instrument model as rows, as the sensors describe their
// fields: each row is one item of the model's document (an element with its
// tag and where its value lives, or a comment), whether a read needs it, and
// what a value the setting refuses does to the read. A model lists its rows
// in document order (a static Settings()); the rows write the document, read
// it into a fresh instrument and tell the dialogs and the tests each setting's
// limits. Only the checks that tie the settings to the sensor array stay with
// the model.
//
// A row's value is one of: an int member (taken as read), a bounded member
// (CRange: a value outside its limits is refused), a double or text member,
// or a pair of accessors (a setter that returns 0 refuses). A checked row is
// written from its value and read for the model's checks only.

#include <cassert>
#include <cstring>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "core/CTD.h"
#include "core/Range.h"
#include "platform/Diagnostics.h"
#include "platform/xml/TDWXML.h"

template <class M>
struct SSettingRow {
    enum class Kind { Int, Double, Text, Comment };

    Kind kind = Kind::Int;
    const char* tag = "";  // the element's tag; a comment's text
    int M::*integer = nullptr;
    double M::*dbl = nullptr;
    CRange<int> M::*intRange = nullptr;
    CRange<double> M::*doubleRange = nullptr;
    CString M::*text = nullptr;
    int (M::*getInt)() const = nullptr;
    int (M::*setInt)(int) = nullptr;
    void (M::*putInt)(int) = nullptr;  // a setter that takes every value
    double (M::*getDouble)() const = nullptr;
    int (M::*setDouble)(double) = nullptr;
    CString (*commentOf)(const M&) = nullptr;  // a comment that follows the settings
    const char* format = nullptr;              // a double's printf format; null: the library's
    bool required = true;
    // A value the setting refuses fails the read; otherwise the default stays
    // (a bounded member notes it in the log).
    bool refuseFails = false;
    bool checked = false;
    double missing = 0.0;  // what a checked row gives when its element is missing
    // The limits of an accessor pair, which a read keeps to and the dialogs
    // show; a bounded member has its own.
    bool bounded = false;
    double low = 0.0;
    double high = 0.0;

    // --- Rows ---
    static constexpr SSettingRow Flag(const char* tag, int M::*member) {
        SSettingRow row{Kind::Int, tag};
        row.integer = member;
        return row;
    }
    static constexpr SSettingRow Bounded(const char* tag, CRange<int> M::*member) {
        SSettingRow row{Kind::Int, tag};
        row.intRange = member;
        return row;
    }
    static constexpr SSettingRow Bounded(const char* tag, CRange<double> M::*member,
                                         const char* format = nullptr) {
        SSettingRow row{Kind::Double, tag};
        row.doubleRange = member;
        row.format = format;
        return row;
    }
    static constexpr SSettingRow Number(const char* tag, double M::*member) {
        SSettingRow row{Kind::Double, tag};
        row.dbl = member;
        return row;
    }
    static constexpr SSettingRow Text(const char* tag, CString M::*member) {
        SSettingRow row{Kind::Text, tag};
        row.text = member;
        return row;
    }
    static constexpr SSettingRow Access(const char* tag, int (M::*get)() const,
                                        int (M::*set)(int)) {
        SSettingRow row{Kind::Int, tag};
        row.getInt = get;
        row.setInt = set;
        return row;
    }
    static constexpr SSettingRow Access(const char* tag, int (M::*get)() const,
                                        void (M::*set)(int)) {
        SSettingRow row{Kind::Int, tag};
        row.getInt = get;
        row.putInt = set;
        return row;
    }
    static constexpr SSettingRow Access(const char* tag, double (M::*get)() const,
                                        int (M::*set)(double)) {
        SSettingRow row{Kind::Double, tag};
        row.getDouble = get;
        row.setDouble = set;
        return row;
    }
    static constexpr SSettingRow Comment(const char* text) { return {Kind::Comment, text}; }
    static constexpr SSettingRow CommentOf(CString (*comment)(const M&)) {
        SSettingRow row{Kind::Comment, ""};
        row.commentOf = comment;
        return row;
    }

    // --- Modifiers ---
    constexpr SSettingRow Optional() const {
        SSettingRow row = *this;
        row.required = false;
        return row;
    }
    constexpr SSettingRow Required() const {
        SSettingRow row = *this;
        row.required = true;
        return row;
    }
    // Written from the setting; what a read finds is only kept for the
    // model's checks (CSettingsRead::Int), missing when the element is not
    // there.
    constexpr SSettingRow Checked(double missingValue = -1) const {
        SSettingRow row = *this;
        row.checked = true;
        row.missing = missingValue;
        return row;
    }
    constexpr SSettingRow RefuseFails() const {
        SSettingRow row = *this;
        row.refuseFails = true;
        return row;
    }
    constexpr SSettingRow Limits(double lowest, double highest) const {
        SSettingRow row = *this;
        row.bounded = true;
        row.low = lowest;
        row.high = highest;
        return row;
    }

    bool IsElement() const { return kind != Kind::Comment; }
};

namespace SettingRows {

// The comments and elements of the rows, in order; the statuses of the
// element writes or-ed together (most models return the sensor array's).
template <class M>
long Write(TDWXML::COutputNode* node, const M& model, std::span<const SSettingRow<M>> rows) {
    using Kind = typename SSettingRow<M>::Kind;
    long status = 0;
    for (const SSettingRow<M>& row : rows) {
        switch (row.kind) {
            case Kind::Comment:
                node->WriteComment(row.commentOf ? row.commentOf(model) : CString(row.tag));
                break;
            case Kind::Text:
                status |= node->WriteString(row.tag, model.*row.text);
                break;
            case Kind::Double:
                status |= node->WriteDouble(row.tag,
                                            row.dbl           ? model.*row.dbl
                                            : row.doubleRange ? (model.*row.doubleRange).Get()
                                                              : (model.*row.getDouble)(),
                                            row.format);
                break;
            case Kind::Int:
                status |= node->WriteInt(row.tag, row.integer    ? model.*row.integer
                                                  : row.intRange ? (model.*row.intRange).Get()
                                                                 : (model.*row.getInt)());
                break;
        }
    }
    return status;
}

// A model's document: its settings, then its sensor array, whose status is
// the result.
template <class M>
long WriteXML(TDWXML::COutputNode* node, M& model) {
    Write<M>(node, model, M::Settings());
    return model.WriteSensorArrayXML(node);
}

// The setting elements of the rows with the instrument's limits.
// The elements of rows that a group element holds are named "group/tag".
template <class M>
std::vector<SSettingElement> Elements(const M& model, std::span<const SSettingRow<M>> rows,
                                      const std::string& group = {}) {
    std::vector<SSettingElement> elements;
    for (const SSettingRow<M>& row : rows) {
        if (!row.IsElement()) {
            continue;
        }
        SSettingElement& element =
            elements.emplace_back(SSettingElement{(group.empty() ? "" : group + "/") + row.tag,
                                                  row.required, row.bounded, row.low, row.high});
        if (row.intRange) {
            const CRange<int>& range = model.*row.intRange;
            element.bounded = true;
            element.low = range.GetLow();
            element.high = range.GetHigh();
        } else if (row.doubleRange) {
            const CRange<double>& range = model.*row.doubleRange;
            element.bounded = true;
            element.low = range.GetLow();
            element.high = range.GetHigh();
        }
    }
    return elements;
}

}  // namespace SettingRows

// Reads the rows' elements into a fresh instrument, each one attempted, and
// remembers whether a required one was missing or unreadable or a value was
// refused where that fails the read, and what the checked rows found.
template <class M>
class CSettingsRead {
  public:
    CSettingsRead(TDWXML::CInputNode* node, M& model, std::span<const SSettingRow<M>> rows)
        : m_rows(rows), m_values(rows.size(), 0.0), m_found(rows.size(), false) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].IsElement()) {
                ReadRow(node, model, i);
            }
        }
    }

    bool Failed() const { return m_failed; }
    // What the element of that checked row held, or its missing value.
    int Int(const char* tag) const { return static_cast<int>(m_values[IndexOf(tag)]); }
    bool Found(const char* tag) const { return m_found[IndexOf(tag)]; }
    // How many of the elements were missing or unreadable.
    int Missing() const {
        int missing = 0;
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            missing += m_rows[i].IsElement() && !m_found[i] ? 1 : 0;
        }
        return missing;
    }

  private:
    static constexpr int kWarningLevel = 1;
    static constexpr int kTextBuffer = 256;

    // A tag the rows do not hold is a fault of the model.
    std::size_t IndexOf(const char* tag) const {
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            if (m_rows[i].IsElement() && std::strcmp(m_rows[i].tag, tag) == 0) {
                return i;
            }
        }
        assert(!"no row of that tag");
        return 0;
    }

    void ReadRow(TDWXML::CInputNode* node, M& model, std::size_t i) {
        using Kind = typename SSettingRow<M>::Kind;
        const SSettingRow<M>& row = m_rows[i];
        long status = 0;
        int integer = 0;
        double number = 0.0;
        std::string buffer;
        switch (row.kind) {
            case Kind::Int:
                status = node->ReadInt(row.tag, &integer, -1, "index");
                number = integer;
                break;
            case Kind::Double:
                status = node->ReadDouble(row.tag, &number, -1, "index");
                break;
            case Kind::Text:
                buffer.assign(kTextBuffer, '\0');
                status = node->ReadString(row.tag, buffer.data(), kTextBuffer, -1, "index");
                break;
            case Kind::Comment:
                return;
        }
        m_found[i] = status == 0;
        m_values[i] = m_found[i] ? number : row.missing;
        if (!m_found[i]) {
            m_failed = m_failed || row.required;
            return;
        }
        if (row.checked) {
            return;
        }
        const bool inLimits = !row.bounded || (number >= row.low && number <= row.high);
        const bool taken = inLimits && Take(node, model, row, integer, number, buffer);
        m_failed = m_failed || (!taken && row.refuseFails);
    }

    // Stores a value read; false when the setting refuses it.
    static bool Take(TDWXML::CInputNode* node, M& model, const SSettingRow<M>& row, int integer,
                     double number, const std::string& text) {
        if (row.integer) {
            model.*row.integer = integer;
        } else if (row.dbl) {
            model.*row.dbl = number;
        } else if (row.text) {
            model.*row.text = text.c_str();
        } else if (row.intRange) {
            return Into(node, row.tag, model.*row.intRange, integer, row.refuseFails);
        } else if (row.doubleRange) {
            return Into(node, row.tag, model.*row.doubleRange, number, row.refuseFails);
        } else if (row.setInt) {
            return (model.*row.setInt)(integer) != 0;
        } else if (row.putInt) {
            (model.*row.putInt)(integer);
        } else if (row.setDouble) {
            return (model.*row.setDouble)(number) != 0;
        }
        return true;
    }

    // A value outside the range's limits leaves the default, which the log
    // tells unless the refusal fails the read anyway.
    template <class T>
    static bool Into(TDWXML::CInputNode* node, const char* tag, CRange<T>& range, T value,
                     bool refuseFails) {
        if (range.Set(value)) {
            return true;
        }
        if (!refuseFails) {
            const CString place = node->GetPath();
            const char* format = std::is_same_v<T, int>
                                     ? "%s%s%s: %d is outside %d..%d; %d is kept"
                                     : "%s%s%s: %g is outside %g..%g; %g is kept";
            CString text;
            text.Format(format, place.GetString(), place.IsEmpty() ? "" : "/", tag, value,
                        range.GetLow(), range.GetHigh(), range.Get());
            CDiagnostics::Log(text, kWarningLevel);
        }
        return false;
    }

    std::span<const SSettingRow<M>> m_rows;
    std::vector<double> m_values;
    std::vector<bool> m_found;
    bool m_failed = false;
};

// In the public part of a model's class body: its rows, the document they
// write, the read (the rows and the model's own checks) and the elements.
#define DECLARE_SETTING_ROWS(Model)                                 \
    static std::span<const SSettingRow<Model>> Settings();          \
    long ReadXML(TDWXML::CInputNode* node) override;                \
    long WriteXML(TDWXML::COutputNode* node) override {             \
        return SettingRows::WriteXML<Model>(node, *this);           \
    }                                                               \
    std::vector<SSettingElement> SettingElements() const override { \
        return SettingRows::Elements<Model>(*this, Settings());     \
    }
