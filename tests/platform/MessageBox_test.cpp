#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <utility>

// Without a handler, or for a console host, the text goes to standard error
// and the answer is the affirmative one.
TEST(MessageBox, GoesToStandardErrorUnlessAHandlerShowsIt) {
    std::ostringstream captured;
    std::streambuf* const oldBuffer = std::cerr.rdbuf(captured.rdbuf());
    const bool wasConsole = std::exchange(s_bErrorToConsole, false);
    const MessageBoxHandler oldHandler = SetMessageBoxHandler({});
    const long countBefore = TWMessageCount();
    EXPECT_EQ(TWMessageBox("Cannot read cast1.con", "Read error"), IDOK);
    EXPECT_EQ(TWMessageBox("Save?", "Question", MB_YESNOCANCEL), IDYES);
    std::string shown;
    SetMessageBoxHandler([&](const char* text, const char* caption, unsigned flags) {
        shown += std::string(text) + "|" + caption + "|" + std::to_string(flags);
        return IDNO;
    });
    EXPECT_EQ(TWMessageBox("Replace?", "File exists", MB_YESNO), IDNO);
    s_bErrorToConsole = true;
    EXPECT_EQ(TWMessageBox("Go on?", "Console", MB_OKCANCEL), IDOK);
    EXPECT_EQ(TWMessageCount() - countBefore, 4);
    std::cerr.rdbuf(oldBuffer);
    SetMessageBoxHandler(oldHandler);
    s_bErrorToConsole = wasConsole;
    EXPECT_EQ(shown, "Replace?|File exists|" + std::to_string(MB_YESNO));
    EXPECT_EQ(captured.str(), "Cannot read cast1.con\nSave?\nGo on?\n");
}
