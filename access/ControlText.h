#pragma once
// Control characters in a configuration's text (bytes 0x00 to 0x1F, 0x7F and
// the C1 block 0x80 to 0x9F of Latin-1): none may be set by a user, and those
// a file holds are shown escaped, as ls -b shows them in file names.

#include <string>
#include <string_view>

bool IsControlByte(unsigned char byte);
bool HasControl(std::string_view text);

// \a \b \t \n \v \f \r by name, a backslash doubled, any other control byte
// as \ and three octal digits; keep names the bytes left as they are (a
// report's line ends).
std::string EscapeControls(std::string_view text, std::string_view keep = {});
