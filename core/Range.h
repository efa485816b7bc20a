#pragma once
// CRange<T>: a bounded setting (int or double) that knows its limits and its
// initial value and refuses values outside [low, high].

#include <cstdint>
#include <type_traits>

#include "platform/Archive.h"
#include "platform/Object.h"

template <class T>
class CRange : public CObject {
  public:
    CRange(T initialValue, T low, T high)
        : m_value(initialValue), m_low(low), m_high(high), m_initialValue(initialValue) {}
    CRange(const CRange&) = default;
    CRange& operator=(const CRange&) = default;

    T Get() const { return m_value; }
    T GetLow() const { return m_low; }
    T GetHigh() const { return m_high; }
    T GetInitialValue() const { return m_initialValue; }

    // 1 and the value taken when low <= value <= high; 0 otherwise. Written
    // with both comparisons true so that a NaN is refused.
    int Set(T value) {
        if (value >= m_low && m_high >= value) {
            m_value = value;
            return 1;
        }
        return 0;
    }

    // value, low, high, initial value; loading takes them as they are.
    void Serialize(CArchive& ar) override {
        using Stored = std::conditional_t<std::is_same_v<T, int>, std::int32_t, double>;
        if (ar.IsStoring()) {
            ar << static_cast<Stored>(m_value) << static_cast<Stored>(m_low)
               << static_cast<Stored>(m_high) << static_cast<Stored>(m_initialValue);
        } else {
            Stored value{}, low{}, high{}, initial{};
            ar >> value >> low >> high >> initial;
            m_value = value;
            m_low = low;
            m_high = high;
            m_initialValue = initial;
        }
    }

    const CRuntimeClass* GetRuntimeClass() const override { return &classRecord; }
    static inline const CRuntimeClass classRecord = {
        std::is_same_v<T, int> ? "CRange<int>" : "CRange<double>", nullptr, &CObject::classCObject};

    friend bool operator==(const CRange& a, const CRange& b) {
        return a.m_value == b.m_value && a.m_low == b.m_low && a.m_high == b.m_high &&
               a.m_initialValue == b.m_initialValue;
    }

  private:
    T m_value;
    T m_low;
    T m_high;
    T m_initialValue;
};
