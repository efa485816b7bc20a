// Reading through a cursor: finding child elements by tag and index, and
// reading attributes and element text as bytes or numbers.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Diagnostics.h"
#include "platform/xml/Cursor.h"
#include "platform/xml/NumberText.h"
#include "platform/xml/TDWXML.h"
#include "platform/xml/TextCodec.h"

namespace TDWXML {

namespace {

using detail::CElementIndex;
using Step = detail::CCursor::SStep;

// The children of parent named name whose attribute attrName reads as a
// number: the first one for each number, in the order of the numbers.
void NumberChildren(const CElementIndex& elements, std::int32_t parent, std::string_view name,
                    const char* attrName, std::vector<std::pair<int, std::int32_t>>* children) {
    children->clear();
    for (std::int32_t child = elements.FirstChild(parent, name); child != CElementIndex::kNone;
         child = elements[child].nextSibling) {
        const detail::SIndexedElement& entry = elements[child];
        if (std::string_view(entry.name, entry.length) != name) {
            continue;
        }
        const pugi::xml_attribute attr = entry.node.attribute(attrName);
        int number = 0;
        if (attr && detail::ParseInt(attr.value(), &number)) {
            children->emplace_back(number, child);
        }
    }
    const auto byNumber = [](const auto& a, const auto& b) { return a.first < b.first; };
    // Documents number their children in order; sorting would still copy.
    if (!std::is_sorted(children->begin(), children->end(), byNumber)) {
        std::stable_sort(children->begin(), children->end(), byNumber);
    }
    const auto sameNumber = [](const auto& a, const auto& b) { return a.first == b.first; };
    children->erase(std::unique(children->begin(), children->end(), sameNumber), children->end());
}

// The child of parent named name whose attribute attrName reads as index.
std::int32_t NumberedChild(detail::SNumberedLists* lists, const CElementIndex& elements,
                           std::int32_t parent, std::string_view name, const char* attrName,
                           int index) {
    const auto built =
        std::find_if(lists->lists.begin(), lists->lists.end(), [&](const auto& list) {
            return list.parent == parent && list.tag == name && list.indexAttr == attrName;
        });
    detail::SNumberedChildren* numbered = nullptr;
    if (built != lists->lists.end()) {
        numbered = &*built;
    } else {
        numbered = &lists->lists[lists->next];
        lists->next = (lists->next + 1) % lists->lists.size();
        numbered->parent = CElementIndex::kNone;
        numbered->tag = name;
        numbered->indexAttr = attrName;
        NumberChildren(elements, parent, name, attrName, &numbered->children);
        numbered->parent = parent;
    }
    const auto& children = numbered->children;
    const auto found = std::lower_bound(children.begin(), children.end(), index,
                                        [](const auto& entry, int n) { return entry.first < n; });
    return found != children.end() && found->first == index ? found->second : CElementIndex::kNone;
}

// The child of the state's current element named tag: the first one for
// index -1, else the first whose attribute indexAttr reads as the number
// index; remembered as looked at. An empty node when there is none or the
// arguments are unusable.
template <class State>
Step Child(State& state, const char* tag, int index, const char* indexAttr) {
    std::string nameStorage;
    const std::string_view name = detail::LookupName(tag, &nameStorage);
    if (name.data() == nullptr || index < -1) {
        return {pugi::xml_node(), CElementIndex::kNone};
    }
    const std::int32_t parent = state.cursor.CurrentElement();
    std::int32_t child = CElementIndex::kNone;
    if (index == -1) {
        child = state.elements.FirstChild(parent, name);
    } else {
        std::string attrStorage;
        const std::string_view attrName = detail::LookupName(indexAttr, &attrStorage);
        if (attrName.data() == nullptr) {
            return {pugi::xml_node(), CElementIndex::kNone};
        }
        child =
            NumberedChild(&state.numbered, state.elements, parent, name, attrName.data(), index);
    }
    if (child == CElementIndex::kNone) {
        return {pugi::xml_node(), CElementIndex::kNone};
    }
    if (state.tracking) {
        state.visited[static_cast<std::size_t>(child)] = 1;
    }
    return {state.elements[child].node, child};
}

// The element's own text: its text and character-data children joined, as a
// view of the document's bytes when it is one piece that needs no decoding,
// else of storage.
std::string_view ElementText(const detail::SIndexedElement& element, std::string* storage) {
    if (element.textPieces <= 1) {
        return detail::DecodeView(element.firstText, storage);
    }
    std::string joined;
    for (pugi::xml_node child = element.node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            joined += child.value();
        }
    }
    *storage = detail::DecodeText(joined);
    return *storage;
}

// The text of the child, false when there is no child.
template <class State>
bool ChildText(const State& state, const Step& child, std::string* storage,
               std::string_view* text) {
    if (!child.node) {
        return false;
    }
    *text = ElementText(state.elements[child.element], storage);
    return true;
}

// The attribute's text as the document holds it; false when the element has
// no such attribute.
bool RawAttribute(pugi::xml_node element, const char* name, std::string_view* raw) {
    std::string attrStorage;
    const std::string_view attrName = detail::LookupName(name, &attrStorage);
    if (attrName.data() == nullptr) {
        return false;
    }
    const pugi::xml_attribute attr = element.attribute(attrName.data());
    if (!attr) {
        return false;
    }
    *raw = attr.value();
    return true;
}

// The attribute's decoded text (a view as for ElementText); false when the
// element has no such attribute.
bool AttributeText(pugi::xml_node element, const char* name, std::string* storage,
                   std::string_view* text) {
    std::string_view raw;
    if (!RawAttribute(element, name, &raw)) {
        return false;
    }
    *text = detail::DecodeView(raw, storage);
    return true;
}

long CopyOut(std::string_view text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return E_FAIL_XML;
    }
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size) - 1);
    // An empty element's text is an empty view that may point nowhere.
    if (count > 0) {
        std::memcpy(buffer, text.data(), count);
    }
    buffer[count] = '\0';
    return S_OK_XML;
}

// The path of elements from below the node's start down to one of them, as
// a place ("Instrument/SensorArray/Sensor[3]").
std::string PlaceOf(const std::vector<pugi::xml_node>& path) {
    std::string place;
    for (const pugi::xml_node& element : path) {
        if (!place.empty()) {
            place += '/';
        }
        place += detail::StepName(element);
    }
    return place;
}

// Notes the elements below element that no one looked at, the outermost of
// each such part; path leads to element. Places are spelled out only for the
// elements noted, which are few.
template <class State>
void NoteUnread(const State& state, std::int32_t element, std::vector<pugi::xml_node>* path) {
    const CElementIndex& elements = state.elements;
    for (std::int32_t child = elements[element].firstChild; child != CElementIndex::kNone;
         child = elements[child].nextSibling) {
        if (!state.visited[static_cast<std::size_t>(child)]) {
            CDiagnostics::NoteRead(CDiagnostics::ReadNote::unread, PlaceOf(*path),
                                   detail::StepName(elements[child].node));
        } else if (elements[child].firstChild != CElementIndex::kNone) {
            path->push_back(elements[child].node);
            NoteUnread(state, child, path);
            path->pop_back();
        }
    }
}

bool ParseNumber(std::string_view text, int* value) {
    return detail::ParseInt(text, value);
}

bool ParseNumber(std::string_view text, double* value) {
    return detail::ParseDouble(text, value);
}

// Numbers are ASCII, and ASCII text reads the same decoded: text that reads as
// a number as the document holds it needs no decoding. Other text is decoded
// (into *text) and read again.
template <class T>
bool ParseDocumentNumber(std::string_view raw, std::string* storage, std::string_view* text,
                         T* value) {
    if (ParseNumber(raw, value)) {
        return true;
    }
    *text = detail::DecodeView(raw, storage);
    return ParseNumber(*text, value);
}

// The name of a child looked for, as a path step.
std::string ChildName(const char* tag, int index) {
    std::string name = tag ? tag : "";
    if (index >= 0) {
        name += "[" + std::to_string(index) + "]";
    }
    return name;
}

}  // namespace

CInputNode::CInputNode(std::unique_ptr<State> state) : m_state(std::move(state)) {
    m_state->previousPlace =
        CDiagnostics::SetPlaceSource([this] { return m_state->cursor.PathText(); });
    m_state->tracking = CDiagnostics::WatchesReads();
    if (m_state->tracking) {
        m_state->visited.assign(m_state->elements.Size(), 0);
    }
}

CInputNode::~CInputNode() {
    CDiagnostics::SetPlaceSource(std::move(m_state->previousPlace));
    if (m_state->tracking) {
        try {
            std::vector<pugi::xml_node> path;
            NoteUnread(*m_state, m_state->cursor.CurrentElement(), &path);
        } catch (...) {
            // The notes explain; they never disturb the reader.
        }
    }
}

void CInputNode::NoteMissingChild(const char* tag, int index) const {
    CDiagnostics::NoteRead(CDiagnostics::ReadNote::missing, m_state->cursor.PathText(),
                           ChildName(tag, index) + " is missing");
}

void CInputNode::NoteMissingAttribute(const char* name) const {
    CDiagnostics::NoteRead(CDiagnostics::ReadNote::missing, m_state->cursor.PathText(),
                           std::string("attribute ") + (name ? name : "") + " is missing");
}

void CInputNode::NoteNotANumber(const char* item, const std::string& text) const {
    CDiagnostics::NoteRead(CDiagnostics::ReadNote::missing, m_state->cursor.PathText(),
                           std::string(item ? item : "") + " is not a number: '" + text + "'");
}

long CInputNode::ReadObject(const char* tag, IDocObj* object, int index, const char* indexAttr) {
    if (object == nullptr) {
        return E_FAIL_XML;
    }
    const Step child = Child(*m_state, tag, index, indexAttr);
    if (!child.node) {
        NoteMissingChild(tag, index);
        return E_FAIL_XML;
    }
    detail::CObjectScope scope(&m_state->cursor, child);
    return object->ReadXML(this);
}

long CInputNode::GetAttribute(const char* name, char* buffer, int size) {
    std::string storage;
    std::string_view text;
    if (buffer == nullptr || size <= 0) {
        return E_FAIL_XML;
    }
    if (!AttributeText(m_state->cursor.Current(), name, &storage, &text)) {
        NoteMissingAttribute(name);
        return E_FAIL_XML;
    }
    return CopyOut(text, buffer, size);
}

long CInputNode::GetAttribute(const char* name, int* value) {
    return AttributeNumber(name, value);
}

long CInputNode::GetAttribute(const char* name, double* value) {
    return AttributeNumber(name, value);
}

template <class T>
long CInputNode::AttributeNumber(const char* name, T* value) {
    std::string storage;
    std::string_view text;
    std::string_view raw;
    if (value == nullptr) {
        return E_FAIL_XML;
    }
    if (!RawAttribute(m_state->cursor.Current(), name, &raw)) {
        NoteMissingAttribute(name);
        return E_FAIL_XML;
    }
    if (!ParseDocumentNumber(raw, &storage, &text, value)) {
        NoteNotANumber((std::string("attribute ") + name).c_str(), std::string(text));
        return E_FAIL_XML;
    }
    return S_OK_XML;
}

long CInputNode::OpenElement(const char* tag, int index, const char* indexAttr) {
    const Step child = Child(*m_state, tag, index, indexAttr);
    if (!child.node) {
        NoteMissingChild(tag, index);
        return E_FAIL_XML;
    }
    m_state->cursor.Enter(child);
    return S_OK_XML;
}

long CInputNode::CloseElement() {
    return m_state->cursor.Leave() ? S_OK_XML : E_FAIL_XML;
}

long CInputNode::ReadString(const char* tag, char* buffer, int size, int index,
                            const char* indexAttr) {
    std::string storage;
    std::string_view text;
    if (buffer == nullptr || size <= 0) {
        return E_FAIL_XML;
    }
    if (!ChildText(*m_state, Child(*m_state, tag, index, indexAttr), &storage, &text)) {
        NoteMissingChild(tag, index);
        return E_FAIL_XML;
    }
    return CopyOut(text, buffer, size);
}

long CInputNode::ReadInt(const char* tag, int* value, int index, const char* indexAttr) {
    return ChildNumber(tag, value, index, indexAttr);
}

long CInputNode::ReadDouble(const char* tag, double* value, int index, const char* indexAttr) {
    return ChildNumber(tag, value, index, indexAttr);
}

template <class T>
long CInputNode::ChildNumber(const char* tag, T* value, int index, const char* indexAttr) {
    std::string storage;
    std::string_view text;
    if (value == nullptr) {
        return E_FAIL_XML;
    }
    const Step child = Child(*m_state, tag, index, indexAttr);
    if (!child.node) {
        NoteMissingChild(tag, index);
        return E_FAIL_XML;
    }
    const detail::SIndexedElement& element = m_state->elements[child.element];
    bool parsed = false;
    if (element.textPieces <= 1) {
        parsed = ParseDocumentNumber(element.firstText, &storage, &text, value);
    } else {
        text = ElementText(element, &storage);
        parsed = ParseNumber(text, value);
    }
    if (!parsed) {
        NoteNotANumber(ChildName(tag, index).c_str(), std::string(text));
        return E_FAIL_XML;
    }
    return S_OK_XML;
}

CString CInputNode::GetTag() const {
    return CString(detail::DecodeText(m_state->cursor.Current().name()));
}

CString CInputNode::GetPath() const {
    return CString(m_state->cursor.PathText());
}

}  // namespace TDWXML
