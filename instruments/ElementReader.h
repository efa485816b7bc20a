#pragma once
// Reads a model's setting elements one after another and remembers whether a
// required one was missing or unreadable, so a model's ReadXML can list its
// elements plainly and decide once at the end.

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
    // otherwise the range keeps its value.
    template <class Range>
    void Into(const char* tag, Range& range, bool required) {
        range.Set(Int(tag, range.Get(), required));
    }

    bool Failed() const { return m_failed; }

  private:
    TDWXML::CInputNode* m_node;
    bool m_failed = false;
};
