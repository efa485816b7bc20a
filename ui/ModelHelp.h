#pragma once
// The help of the configuration dialogs: one HTML page per instrument model,
// written from the tables that build its dialog (each control's label, what
// it means, its range or choices and its effect on the channels, and the
// common buttons), and the index of the pages.

#include <string>

#include "platform/CString.h"

// The help context of the model's dialog, and the file name of its page.
int HelpContextOf(int ctdID);
CString HelpPageOf(int ctdID);

// Opens the model's page (Help... of its dialog).
void ShowModelHelp(int ctdID);

// The page of the model's dialog; empty for a model without one.
std::string ModelHelpPage(int ctdID);
// The page that lists the models' pages ("index.html").
std::string HelpIndexPage();
