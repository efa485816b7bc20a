#include "legacy/ConMessages.h"

#include "platform/ReadNotes.h"

namespace ConMessages {

void Show(const CString& text, const char* caption, unsigned flags, Route route,
          const char* detail) {
    TWMessageBox(text, caption, flags,
                 route == Route::AlwaysBox ? MessageRoute::alwaysBox : MessageRoute::asHostAsks,
                 detail);
}

void SMessage::ShowWith(const std::string& detail) const {
    if (!text.IsEmpty()) {
        Show(text, caption, flags, route, detail.c_str());
    }
}

int Refuse(SIOResult* result, SMessage* message, const CString& text, const char* caption,
           unsigned flags, Route route, const std::string& more, int line) {
    *result = SIOResult::Failure(OneLine(text.str()) + (more.empty() ? "" : " " + more));
    result->line = line;
    *message = SMessage{text, caption, flags, route};
    return 0;
}

}  // namespace ConMessages
