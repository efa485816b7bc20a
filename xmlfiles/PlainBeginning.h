#pragma once

#include <cstddef>
#include <string_view>

namespace Config2004 {

// Whether bytes begin with nothing a streaming XML parse could refuse before
// the root element opens, and the root opens within the first `within`
// bytes: an optional declaration as the library writes it, blanks, and the
// start tag of rootTag with attributes of plain ASCII names and values,
// distinct. Such a beginning, streamed, only ever shows the root opening, so
// the pre-reader need not stream it.
bool BeginsPlainly(std::string_view bytes, std::string_view rootTag, std::size_t within);

}  // namespace Config2004
