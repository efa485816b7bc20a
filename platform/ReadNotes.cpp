#include "platform/ReadNotes.h"

#include <utility>

namespace {

// The level of entries that report a value replaced by its default.
constexpr int kWarningLevel = 1;

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

CReadNotes::CReadNotes() {
    m_previousSink = CDiagnostics::SetSink([this](const std::string& text, int level) {
        if (level == kWarningLevel) {
            m_defaults.push_back(text);
        } else if (std::string place = CDiagnostics::CurrentPlace(); !place.empty()) {
            m_failures.push_back({std::move(place), text});
        }
        if (m_previousSink) {
            m_previousSink(text, level);
        } else {
            CDiagnostics::LogToFile(text, level);
        }
    });
    m_previousObserver = CDiagnostics::SetReadObserver(
        [this](CDiagnostics::ReadNote kind, const std::string& place, const std::string& what) {
            switch (kind) {
                case CDiagnostics::ReadNote::missing:
                    m_misses.push_back({place, what});
                    break;
                case CDiagnostics::ReadNote::unread:
                    m_unread.push_back({place, what});
                    break;
                case CDiagnostics::ReadNote::refused:
                    m_refusals.push_back({place, what});
                    break;
            }
            if (m_previousObserver) {
                m_previousObserver(kind, place, what);
            }
        });
}

CReadNotes::~CReadNotes() {
    CDiagnostics::SetSink(std::move(m_previousSink));
    CDiagnostics::SetReadObserver(std::move(m_previousObserver));
}

bool CReadNotes::Explain(SIOResult* result) const {
    if (!m_refusals.empty()) {
        result->path = m_refusals.front().place;
        result->message = m_refusals.front().what;
        return true;
    }
    const std::string failedAt = m_failures.empty() ? std::string() : m_failures.front().place;
    std::vector<const SNote*> misses;
    for (const SNote& miss : m_misses) {
        if (StartsWith(miss.place, failedAt)) {
            misses.push_back(&miss);
        }
    }
    if (!misses.empty()) {
        result->path = misses.front()->place;
        result->message = misses.front()->what;
        if (misses.size() > 1) {
            result->message +=
                " (and " + std::to_string(misses.size() - 1) + " more missing or unreadable)";
        }
        return true;
    }
    if (!m_failures.empty()) {
        result->path = failedAt;
        result->message = m_failures.front().what;
        return true;
    }
    return false;
}

void CReadNotes::AddWarnings(SIOResult* result, const std::string& ignoredPlace,
                             const std::string& ignoredTag) const {
    for (const std::string& text : m_defaults) {
        result->warnings.push_back(text);
    }
    for (const SNote& miss : m_misses) {
        result->warnings.push_back(AtPlace(miss.place, miss.what + "; the default is kept"));
    }
    for (const SNote& unread : m_unread) {
        if (!(unread.place == ignoredPlace && unread.what == ignoredTag)) {
            result->warnings.push_back(
                AtPlace(unread.place, unread.what + " is not known; ignored"));
        }
    }
}

std::string AtPlace(const std::string& place, const std::string& text) {
    return place.empty() ? text : place + ": " + text;
}

std::string OneLine(std::string text) {
    for (char& ch : text) {
        if (ch == '\n' || ch == '\r') {
            ch = ' ';
        }
    }
    return text;
}
