#pragma once
// Where in a document's own bytes a parser's offset lies. The parser counts
// in the UTF-8 text it made of the document; line and column are counted in
// characters of the document as it was stored.

#include <pugixml.hpp>

#include <cstddef>
#include <string_view>

namespace TDWXML::detail {

struct SSourcePosition {
    int line = 1;    // from 1
    int column = 1;  // from 1, in characters
};

SSourcePosition LocateOffset(std::string_view source, pugi::xml_encoding encoding,
                             std::ptrdiff_t utf8Offset);

}  // namespace TDWXML::detail
