#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

TEST(MessageBox, GoesToStandardErrorUnlessAHandlerShowsIt) {
    std::ostringstream captured;
    std::streambuf* const oldBuffer = std::cerr.rdbuf(captured.rdbuf());
    const bool wasConsole = s_bErrorToConsole;
    const MessageBoxHandler oldHandler = SetMessageBoxHandler({});

    const long countBefore = TWMessageCount();
    s_bErrorToConsole = false;
    EXPECT_EQ(TWMessageBox("Cannot read cast1.con", "Read error"), IDOK);
    EXPECT_EQ(TWMessageBox("Save?", "Question", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(TWMessageBox("Save?", "Question", MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(TWMessageBox("Go on?", "Question", MB_OKCANCEL), IDOK);

    int calls = 0;
    SetMessageBoxHandler([&](const char* text, const char* caption, unsigned flags) {
        ++calls;
        EXPECT_STREQ(text, "Replace?");
        EXPECT_STREQ(caption, "File exists");
        EXPECT_EQ(flags, MB_YESNO | MB_ICONQUESTION);
        return IDNO;
    });
    EXPECT_EQ(TWMessageBox("Replace?", "File exists", MB_YESNO | MB_ICONQUESTION), IDNO);
    s_bErrorToConsole = true;
    EXPECT_EQ(TWMessageBox("Forced", "Console", MB_YESNO), IDYES);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(TWMessageCount() - countBefore, 6);

    std::cerr.rdbuf(oldBuffer);
    SetMessageBoxHandler(oldHandler);
    s_bErrorToConsole = wasConsole;
    EXPECT_EQ(captured.str(), "Cannot read cast1.con\nSave?\nSave?\nGo on?\nForced\n");
}
