#include "legacy/ConMessages.h"

namespace ConMessages {

void Show(const CString& text, const char* caption, unsigned flags, Route route) {
    const bool console = s_bErrorToConsole;
    if (route == Route::AlwaysBox) {
        s_bErrorToConsole = false;
    }
    TWMessageBox(text, caption, flags);
    s_bErrorToConsole = console;
}

}  // namespace ConMessages
