// Reading through a cursor: finding child elements by tag and index, and
// reading attributes and element text as bytes or numbers.

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/Diagnostics.h"
#include "platform/xml/Cursor.h"
#include "platform/xml/NumberText.h"
#include "platform/xml/TDWXML.h"
#include "platform/xml/TextCodec.h"

namespace TDWXML {

namespace {

// The child of parent named tag: the first one for index -1, else the first
// whose attribute indexAttr reads as the number index. Empty when there is
// none or the arguments are unusable.
pugi::xml_node FindChild(pugi::xml_node parent, const char* tag, int index, const char* indexAttr) {
    std::string nameStorage;
    const char* name = detail::NameText(tag, &nameStorage);
    if (name == nullptr || index < -1) {
        return {};
    }
    if (index == -1) {
        return parent.child(name);
    }
    std::string attrStorage;
    const char* attrName = detail::NameText(indexAttr, &attrStorage);
    if (attrName == nullptr) {
        return {};
    }
    for (pugi::xml_node child = parent.child(name); child; child = child.next_sibling(name)) {
        const pugi::xml_attribute attr = child.attribute(attrName);
        int number = 0;
        if (attr && detail::ParseInt(attr.value(), &number) && number == index) {
            return child;
        }
    }
    return {};
}

// The element's own text: its text and character-data children joined.
std::string ElementText(pugi::xml_node element) {
    std::string text;
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            text += child.value();
        }
    }
    return detail::DecodeText(text);
}

long CopyOut(const std::string& text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return E_FAIL_XML;
    }
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return S_OK_XML;
}

bool AttributeText(pugi::xml_node element, const char* name, std::string* text) {
    std::string attrStorage;
    const char* attrName = detail::NameText(name, &attrStorage);
    if (attrName == nullptr) {
        return false;
    }
    const pugi::xml_attribute attr = element.attribute(attrName);
    if (!attr) {
        return false;
    }
    *text = detail::DecodeText(attr.value());
    return true;
}

// The child of the state's current element, remembered as looked at.
template <class State>
pugi::xml_node Child(State& state, const char* tag, int index, const char* indexAttr) {
    const pugi::xml_node child = FindChild(state.cursor.Current(), tag, index, indexAttr);
    if (child && state.tracking) {
        state.visited.insert(child.internal_object());
    }
    return child;
}

// Notes the elements below element that no one looked at, the outermost of
// each such part.
template <class State>
void NoteUnread(const State& state, pugi::xml_node element, const std::string& place) {
    for (pugi::xml_node child : element.children()) {
        if (child.type() != pugi::node_element) {
            continue;
        }
        const std::string step = detail::StepName(child);
        if (state.visited.count(child.internal_object()) == 0) {
            CDiagnostics::NoteRead(CDiagnostics::ReadNote::unread, place, step);
        } else {
            NoteUnread(state, child, place.empty() ? step : place + "/" + step);
        }
    }
}

bool ChildText(pugi::xml_node child, std::string* text) {
    if (!child) {
        return false;
    }
    *text = ElementText(child);
    return true;
}

bool ParseNumber(const std::string& text, int* value) {
    return detail::ParseInt(text, value);
}

bool ParseNumber(const std::string& text, double* value) {
    return detail::ParseDouble(text, value);
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
}

CInputNode::~CInputNode() {
    CDiagnostics::SetPlaceSource(std::move(m_state->previousPlace));
    if (m_state->tracking) {
        try {
            NoteUnread(*m_state, m_state->cursor.Current(), std::string());
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
    const pugi::xml_node child = Child(*m_state, tag, index, indexAttr);
    if (!child) {
        NoteMissingChild(tag, index);
        return E_FAIL_XML;
    }
    detail::CObjectScope scope(&m_state->cursor, child);
    return object->ReadXML(this);
}

long CInputNode::GetAttribute(const char* name, char* buffer, int size) {
    std::string text;
    if (buffer == nullptr || size <= 0) {
        return E_FAIL_XML;
    }
    if (!AttributeText(m_state->cursor.Current(), name, &text)) {
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
    std::string text;
    if (value == nullptr) {
        return E_FAIL_XML;
    }
    if (!AttributeText(m_state->cursor.Current(), name, &text)) {
        NoteMissingAttribute(name);
        return E_FAIL_XML;
    }
    if (!ParseNumber(text, value)) {
        NoteNotANumber((std::string("attribute ") + name).c_str(), text);
        return E_FAIL_XML;
    }
    return S_OK_XML;
}

long CInputNode::OpenElement(const char* tag, int index, const char* indexAttr) {
    const pugi::xml_node child = Child(*m_state, tag, index, indexAttr);
    if (!child) {
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
    std::string text;
    if (buffer == nullptr || size <= 0) {
        return E_FAIL_XML;
    }
    if (!ChildText(Child(*m_state, tag, index, indexAttr), &text)) {
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
    std::string text;
    if (value == nullptr) {
        return E_FAIL_XML;
    }
    if (!ChildText(Child(*m_state, tag, index, indexAttr), &text)) {
        NoteMissingChild(tag, index);
        return E_FAIL_XML;
    }
    if (!ParseNumber(text, value)) {
        NoteNotANumber(ChildName(tag, index).c_str(), text);
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
