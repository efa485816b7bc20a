#include "legacy/ConMessages.h"

namespace ConMessages {

void Show(const CString& text, const char* caption, unsigned flags, Route route) {
    if (route == Route::AlwaysBox) {
        TWMessageBoxInBox(text, caption, flags);
    } else {
        TWMessageBox(text, caption, flags);
    }
}

}  // namespace ConMessages
