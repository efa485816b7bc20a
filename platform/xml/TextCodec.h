#pragma once
// The mapping between configuration byte strings and the UTF-8 text that the
// XML documents hold.
//
// A byte string is read as ISO-8859-1: bytes 0x20..0xFF become the characters
// U+0020..U+00FF, tab and line feed stay as they are, and the other control
// bytes, which XML cannot carry, become the private characters U+E000 plus the
// byte. Decoding reverses this; characters that no byte stands for become
// '?', and a byte that does not start valid UTF-8 is taken as ISO-8859-1 so
// that text from a document with a mislabelled encoding keeps its letters.

#include <string>
#include <string_view>

namespace TDWXML::detail {

std::string EncodeText(std::string_view bytes);
// The encoded text without a copy for plain ASCII bytes: a view of bytes
// itself, or of the encoded text kept in storage.
std::string_view EncodeView(std::string_view bytes, std::string* storage);
std::string DecodeText(std::string_view utf8);
// The decoded text without a copy when the document's bytes stand for
// themselves (plain ASCII, the usual case): a view of utf8 itself, or of the
// decoded text kept in storage.
std::string_view DecodeView(std::string_view utf8, std::string* storage);

// Encodes an element or attribute name; false when the bytes are not a name
// that XML allows (empty, starting with a digit, holding blanks or markup
// characters).
bool EncodeName(const char* bytes, std::string* utf8);
// The same without a copy for ASCII names, which stand for themselves: the
// name as the document holds it (bytes itself, or the encoded name kept in
// storage), or null when the bytes are not a name.
const char* NameText(const char* bytes, std::string* storage);
// The name to look for among a document's names: the same as NameText, except
// that plain ASCII bytes are taken as they are without being checked, since a
// name that XML does not allow then matches none the document holds. The view
// ends at a terminator; its data is null when the bytes cannot be a name.
std::string_view LookupName(const char* bytes, std::string* storage);

}  // namespace TDWXML::detail
