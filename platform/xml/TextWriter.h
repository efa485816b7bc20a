#pragma once
// A document written straight as text, element by element, in the style of
// pugixml's indented output (two blanks a level, "<tag />" for an empty
// element, a leaf's text on its own line with its tags), without building a
// tree first. Names come in as the document holds them (UTF-8, already
// checked); texts, attribute values and comments come in as configuration
// bytes, which the writer encodes (TextCodec.h) and escapes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xml/TDWXML.h"

namespace TDWXML::detail {

class CTextWriter {
  public:
    // A document holding only the declaration.
    CTextWriter();

    // Opens a child of the current element (or the root when none is open)
    // and makes it the current one.
    void Open(std::string_view name);
    // Closes the current element.
    void Close();
    // How many elements are open.
    std::size_t Depth() const { return m_open.size(); }

    // Sets an attribute of the current element, replacing the value of one of
    // that name in place; new ones follow those already there.
    void SetAttribute(std::string_view name, std::string_view value);
    // A child of the current element holding only the text (no text: an
    // empty element), with one attribute first when attrName is not empty.
    void Leaf(std::string_view name, std::string_view attrName, std::string_view attrValue,
              std::string_view text);
    // A comment in the current element; a "--" inside it, or a '-' at its
    // end, gets a blank after the '-', since a comment cannot hold them.
    void Comment(std::string_view text);

    // The whole text, with the elements still open closed.
    std::string Text() const;
    // The same, taken out of the writer, which then holds nothing.
    std::string TakeText();

  private:
    // An open element; its name is the one in the text at nameStart.
    struct SOpen {
        std::size_t nameStart;
        std::size_t nameLength;
        std::size_t attributesEnd;  // where the start tag's '>' goes
        bool hasChildren = false;
    };

    // Ends the current element's start tag before its first child, and
    // begins the child's line.
    void BeginChild();
    // Closes the element that was open at depth in text, which holds its
    // start tag.
    static void CloseIn(std::string& text, const SOpen& element, std::size_t depth);

    std::string m_text;
    std::vector<SOpen> m_open;
};

}  // namespace TDWXML::detail

// The node's place in the document: the writer, and how many elements are
// open around the object now writing (it may not close those).
struct TDWXML::COutputNode::State {
    explicit State(detail::CTextWriter* w) : writer(w), floor(w->Depth()) {}
    detail::CTextWriter* writer;
    std::size_t floor;
};
