#pragma once
// The elements of a parsed document as one flat list in document order, each
// linked to its children and holding its name and its text ready to compare
// and read. The readers look up one child per item they read; through the
// list a look-up compares packed names of the siblings instead of calling the
// tree's accessors for each, and the elements looked at are marked by their
// place in the list rather than kept in a set.

#include <pugixml.hpp>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace TDWXML::detail {

struct SIndexedElement {
    pugi::xml_node node;
    const char* name = nullptr;
    // The name's first sixteen bytes, zero-padded.
    std::uint64_t prefix[2] = {0, 0};
    std::uint32_t length = 0;  // of the name
    std::int32_t firstChild = -1;
    std::int32_t nextSibling = -1;
    // The text and character-data children: how many, and the first one.
    std::uint32_t textPieces = 0;
    std::string_view firstText;
};

class CElementIndex {
  public:
    static constexpr std::int32_t kNone = -1;

    // Lists the elements from root on (root first, at 0), expecting about
    // that many. False at the first element that repeats an attribute, which
    // no document may hold.
    bool Build(pugi::xml_node root, std::size_t expected);
    void Clear() { m_elements.clear(); }

    std::size_t Size() const { return m_elements.size(); }
    const SIndexedElement& operator[](std::int32_t element) const {
        return m_elements[static_cast<std::size_t>(element)];
    }
    // The first child of element named name; kNone when there is none.
    std::int32_t FirstChild(std::int32_t element, std::string_view name) const;
    // The value of the attribute on the last element named tag, in document
    // order, that has the attribute; null when none has.
    const char* LastAttribute(const char* tag, const char* attribute) const;

  private:
    std::vector<SIndexedElement> m_elements;
};

}  // namespace TDWXML::detail
