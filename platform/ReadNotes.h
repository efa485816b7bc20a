#pragma once
// What the library notes while it reads one document, gathered for the
// result of the read: the items a model refused and why, the items it looked
// for in vain, the place of each failure it logged, the values it replaced by
// defaults and the elements no reader looked at. The entries still reach the
// log as before.

#include <string>
#include <vector>

#include "platform/Diagnostics.h"
#include "platform/IOResult.h"

// Gathers while it lives; one at a time.
class CReadNotes {
  public:
    CReadNotes();
    ~CReadNotes();
    CReadNotes(const CReadNotes&) = delete;
    CReadNotes& operator=(const CReadNotes&) = delete;

    // Sets the result's place and message to why the document was refused:
    // the first refusal a model noted; else the items missed inside the
    // element where the first failure was logged (the first, and how many
    // more); else that failure. False, result untouched, when nothing was
    // noted.
    bool Explain(SIOResult* result) const;

    // Adds the warnings of a read that succeeded: values replaced by
    // defaults, items missing whose defaults are kept, elements not known
    // (but for the element written for people only, named by place and tag).
    void AddWarnings(SIOResult* result, const std::string& ignoredPlace = {},
                     const std::string& ignoredTag = {}) const;

  private:
    struct SNote {
        std::string place;
        std::string what;
    };
    std::vector<SNote> m_failures;  // entries logged at a place
    std::vector<std::string> m_defaults;
    std::vector<SNote> m_misses;
    std::vector<SNote> m_unread;
    std::vector<SNote> m_refusals;
    CDiagnostics::Sink m_previousSink;
    CDiagnostics::ReadObserver m_previousObserver;
};

// A place and a text as one line: "PLACE: TEXT", or TEXT alone.
std::string AtPlace(const std::string& place, const std::string& text);

// The text with each line end as a blank: a message as one line.
std::string OneLine(std::string text);
