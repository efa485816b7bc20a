#pragma once
// The position of an input or output node: the path of elements from the
// element the node was made on down to the current one.

#include <pugixml.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/xml/ElementIndex.h"
#include "platform/xml/TDWXML.h"

namespace TDWXML::detail {

class CCursor {
  public:
    // An element and its place in the document's element index.
    struct SStep {
        pugi::xml_node node;
        std::int32_t element;
    };

    explicit CCursor(SStep start) : m_path{start} {}

    pugi::xml_node Current() const { return m_path.back().node; }
    std::int32_t CurrentElement() const { return m_path.back().element; }
    void Enter(SStep step) { m_path.push_back(step); }
    // Leaves the element last entered; false when that would leave an element
    // the current object did not open itself.
    bool Leave();
    // The elements below the one the cursor was made on, down to the current
    // one, joined by '/' ("Instrument/SensorArray/Sensor[3]"); see StepName.
    std::string PathText() const;

  private:
    friend class CObjectScope;
    std::vector<SStep> m_path;
    std::size_t m_floor = 1;
};

// An element as a step of a path: its tag, with "[N]" for the value of an
// "index" attribute, or "[name=value]" of its first attribute when a sibling
// has the same tag ("Coefficients[equation=1]").
std::string StepName(pugi::xml_node element);

// Enters an element for the object that reads or writes it, and returns to
// the same position afterwards, whatever the object opened or closed. While
// the scope lasts the object cannot close the element it was given.
class CObjectScope {
  public:
    CObjectScope(CCursor* cursor, CCursor::SStep element);
    ~CObjectScope();
    CObjectScope(const CObjectScope&) = delete;
    CObjectScope& operator=(const CObjectScope&) = delete;

  private:
    CCursor* m_cursor;
    std::size_t m_depth;
    std::size_t m_floor;
};

}  // namespace TDWXML::detail

namespace TDWXML::detail {

// The children of one element that have one tag, by the number their index
// attribute holds: the first such child for each number, in the order of the
// numbers. Built at the first look-up by number in that element, so that
// reading n numbered children costs one pass over them rather than n.
struct SNumberedChildren {
    std::int32_t parent = CElementIndex::kNone;
    std::string tag;
    std::string indexAttr;
    std::vector<std::pair<int, std::int32_t>> children;
};

// The lists of numbered children last built. A reader of numbered children
// calls readers that look up numbered children of their own (the sensors of
// an array, each with numbered coefficient sets); with a list for each, the
// outer one is not built again after every inner reader.
struct SNumberedLists {
    static constexpr std::size_t kLists = 4;
    std::array<SNumberedChildren, kLists> lists;
    std::size_t next = 0;  // the list replaced next: the one built longest ago
};

}  // namespace TDWXML::detail

struct TDWXML::CInputNode::State {
    explicit State(const detail::CElementIndex& index)
        : elements(index), cursor({index[0].node, 0}) {}
    const detail::CElementIndex& elements;  // of the document, which outlives the node
    detail::CCursor cursor;
    detail::SNumberedLists numbered;
    // The diagnostics place in force before this node began to read.
    std::function<std::string()> previousPlace;
    // While someone watches reads: which elements were looked up, by their
    // place in the index, so that those never looked at can be noted when
    // the node is done.
    bool tracking = false;
    // A byte each rather than a bit: set on every look-up, read once each.
    std::vector<unsigned char> visited;
};
