#include "platform/MessageBox.h"

#include <iostream>
#include <utility>

bool s_bErrorToConsole = false;

namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

long s_messageCount = 0;

}  // namespace

int TWMessageBox(const char* text, const char* caption, unsigned flags) {
    ++s_messageCount;
    const MessageBoxHandler& handler = Handler();
    if (s_bErrorToConsole || !handler) {
        std::cerr << (text ? text : "") << '\n' << std::flush;
        const unsigned buttons = flags & 0x000Fu;
        return (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? IDYES : IDOK;
    }
    return handler(text ? text : "", caption ? caption : "", flags);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

long TWMessageCount() {
    return s_messageCount;
}
