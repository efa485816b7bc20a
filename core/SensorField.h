#pragma once
// One item of a sensor's calibration as every tier sees it: the XML element
// (or comment, or group) the sensor writes after its common items, its kind,
// its label and, for a selection, its choice texts. A sensor lists its items
// in write order (CSensor::Fields) and gets and sets a value by its position
// there.

#include <span>
#include <string>
#include <string_view>

struct SSensorField {
    enum class EKind {
        Double,
        Integer,
        Flag,    // an integer that switches something on (nonzero) or off
        Choice,  // an integer that selects one of the choice texts
        Text,
        Constant,  // a value written for other programs, never read
        Comment,
        OpenGroup,
        CloseGroup,
    };

    EKind kind = EKind::Comment;
    const char* tag = "";                       // element tag; the text of a comment
    const char* label = nullptr;                // the report's label
    const char* dialogLabel = nullptr;          // a dialog's own label, when it differs
    std::span<const char* const> choices = {};  // one per value, from 0
    int groupIndex = -1;                        // groups: the index and its attribute
    const char* groupIndexAttr = nullptr;
    // The name of a value among the sensor's fields: its tag, or, for a tag
    // that occurs in more than one group, the group's step and the tag
    // ("Coefficients[equation=0].CPcor"). A group's key is its step.
    std::string key;
    bool inGroup = false;

    bool IsValue() const { return kind <= EKind::Constant; }
    // The label a dialog shows: its own, the report's, or the tag.
    const char* Label() const { return dialogLabel ? dialogLabel : label ? label : tag; }
};

// The position of the value field with that key; -1 when there is none.
inline int FindField(std::span<const SSensorField> fields, std::string_view key) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].IsValue() && fields[i].key == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
