#pragma once
// For code that works on a document's elements itself rather than through the
// nodes (the calibration form, the configuration items of the tool and the
// Python module): the same text and number rules the nodes apply, so that what
// such code shows and accepts is what a write and a read of the document give.
//
// Texts: EncodeText turns configuration bytes into the text a document holds,
// DecodeText turns it back (TextCodec.h has the mapping). Numbers: ParseInt
// and ParseDouble read a number as the nodes read one, whole text and "C"
// locale (NumberText.h). StepName names an element as one step of a path, as
// the diagnostics and the reasons of a failed read do (Cursor.h).

#include <pugixml.hpp>

#include "platform/xml/Cursor.h"
#include "platform/xml/NumberText.h"
#include "platform/xml/TextCodec.h"

namespace TDWXML {

using detail::DecodeText;
using detail::EncodeText;
using detail::ParseDouble;
using detail::ParseInt;
using detail::StepName;

// Whether the element has an element among its children (text, comments
// and attributes aside).
bool HasChildElements(pugi::xml_node element);

}  // namespace TDWXML
