#pragma once
// Reads a model's setting elements one after another and remembers whether a
// required one was missing or unreadable, so a model's ReadXML can list its
// elements plainly and decide once at the end.

#include "platform/Diagnostics.h"
#include "platform/xml/TDWXML.h"

class CElementReader {
  public:
    explicit CElementReader(TDWXML::CInputNode* node) : m_node(node) {}

    // The element's value, or fallback when it is missing or unreadable (which
    // fails the read when the element is required).
    int Int(const char* tag, int fallback, bool required) {
        int value = fallback;
        if (m_node->ReadInt(tag, &value, -1, "index") != 0) {
            m_failed = m_failed || required;
            return fallback;
        }
        return value;
    }
    // A bounded setting: the element's value when it lies in the range,
    // otherwise the range keeps its value (a warning in the diagnostics log).
    template <class Range>
    void Into(const char* tag, Range& range, bool required) {
        const int value = Int(tag, range.Get(), required);
        if (!range.Set(value)) {
            const CString place = m_node->GetPath();
            CString text;
            text.Format("%s%s%s: %d is outside %d..%d; %d is kept", place.GetString(),
                        place.IsEmpty() ? "" : "/", tag, value, range.GetLow(), range.GetHigh(),
                        range.Get());
            CDiagnostics::Log(text, kWarningLevel);
        }
    }

    bool Failed() const { return m_failed; }

  private:
    static constexpr int kWarningLevel = 1;

    TDWXML::CInputNode* m_node;
    bool m_failed = false;
};
