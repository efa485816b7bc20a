#pragma once
// The framework's exceptions: the only ones the library raises.

#include <stdexcept>

// An index outside an array, or another argument a framework call refuses.
class CInvalidArgException : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// A failed archive operation; m_cause says why.
class CArchiveException : public std::runtime_error {
  public:
    enum Cause { none, generic, readOnly, writeOnly, endOfFile, badSchema, badClass };
    explicit CArchiveException(Cause cause);
    Cause m_cause;
};
