#pragma once
// Reads a model's setting elements one after another and remembers whether a
// required one was missing or unreadable, so a model's ReadXML can list its
// elements plainly and decide once at the end.

#include <type_traits>

#include "core/Range.h"
#include "platform/Diagnostics.h"
#include "platform/xml/TDWXML.h"

class CElementReader {
  public:
    explicit CElementReader(TDWXML::CInputNode* node) : m_node(node) {}

    // The element's value, or fallback when it is missing or unreadable (which
    // fails the read when the element is required).
    int Int(const char* tag, int fallback, bool required) { return Value(tag, fallback, required); }
    double Double(const char* tag, double fallback, bool required) {
        return Value(tag, fallback, required);
    }
    // A bounded setting: the element's value when it lies in the range,
    // otherwise the range keeps its value.
    template <class T>
    void Into(const char* tag, CRange<T>& range, bool required) {
        range.Set(Value(tag, range.Get(), required));
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

        bool Failed() const {
            return m_failed;
        }

      private:
        template <class T>
        T Value(const char* tag, T fallback, bool required) {
            T value = fallback;
            long status = 0;
            if constexpr (std::is_same_v<T, int>) {
                status = m_node->ReadInt(tag, &value, -1, "index");
            } else {
                status = m_node->ReadDouble(tag, &value, -1, "index");
            }
            if (status != 0) {
                m_failed = m_failed || required;
                return fallback;
            }
            return value;
        }
        static constexpr int kWarningLevel = 1;

        TDWXML::CInputNode* m_node;
        bool m_failed = false;
    };
