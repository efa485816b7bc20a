// Writing through a cursor: appending child elements (with their index
// attribute), attributes, element text, numbers and comments.

#include <string>
#include <string_view>

#include "platform/xml/Cursor.h"
#include "platform/xml/NumberText.h"
#include "platform/xml/TDWXML.h"
#include "platform/xml/TextCodec.h"

namespace TDWXML {

namespace {

// Sets the attribute, replacing the value of one already there in place.
bool SetAttributeText(pugi::xml_node element, const char* name, std::string_view utf8) {
    std::string nameStorage;
    const char* attrName = detail::NameText(name, &nameStorage);
    if (attrName == nullptr) {
        return false;
    }
    pugi::xml_attribute attr = element.attribute(attrName);
    if (!attr) {
        attr = element.append_attribute(attrName);
    }
    return attr && attr.set_value(utf8.data(), utf8.size());
}

// Appends the child named tag; for index >= 0 its first attribute is
// indexAttr holding the index. Empty when the arguments are unusable or
// memory ran out.
pugi::xml_node AppendChild(pugi::xml_node parent, const char* tag, int index,
                           const char* indexAttr) {
    std::string nameStorage;
    std::string attrStorage;
    const char* name = detail::NameText(tag, &nameStorage);
    if (name == nullptr || index < -1 ||
        (index >= 0 && detail::NameText(indexAttr, &attrStorage) == nullptr)) {
        return {};
    }
    pugi::xml_node child = parent.append_child(name);
    char number[16];
    if (child && index >= 0 &&
        !SetAttributeText(child, indexAttr, detail::FormatInt(index, number))) {
        parent.remove_child(child);
        return {};
    }
    return child;
}

long WriteText(pugi::xml_node parent, const char* tag, std::string_view utf8, int index,
               const char* indexAttr) {
    pugi::xml_node child = AppendChild(parent, tag, index, indexAttr);
    if (!child) {
        return E_FAIL_XML;
    }
    // An empty text leaves an empty element, which reads back as empty text.
    if (!utf8.empty() &&
        !child.append_child(pugi::node_pcdata).set_value(utf8.data(), utf8.size())) {
        parent.remove_child(child);
        return E_FAIL_XML;
    }
    return S_OK_XML;
}

// "--" cannot stand inside a comment, nor can '-' end one.
std::string CommentText(const char* text) {
    std::string out;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '-' && !out.empty() && out.back() == '-') {
            out.push_back(' ');
        }
        out.push_back(*p);
    }
    if (!out.empty() && out.back() == '-') {
        out.push_back(' ');
    }
    return out;
}

}  // namespace

COutputNode::COutputNode(std::unique_ptr<State> state) : m_state(std::move(state)) {}
COutputNode::~COutputNode() = default;

long COutputNode::WriteObject(const char* tag, IDocObj* object, int index, const char* indexAttr) {
    if (object == nullptr) {
        return E_FAIL_XML;
    }
    const pugi::xml_node child = AppendChild(m_state->cursor.Current(), tag, index, indexAttr);
    if (!child) {
        return E_FAIL_XML;
    }
    detail::CObjectScope scope(&m_state->cursor, child);
    return object->WriteXML(this);
}

long COutputNode::SetAttribute(const char* name, const char* value) {
    if (value == nullptr) {
        return E_FAIL_XML;
    }
    std::string storage;
    return SetAttributeText(m_state->cursor.Current(), name, detail::EncodeView(value, &storage))
               ? S_OK_XML
               : E_FAIL_XML;
}

long COutputNode::SetAttribute(const char* name, int value) {
    char number[16];
    return SetAttributeText(m_state->cursor.Current(), name, detail::FormatInt(value, number))
               ? S_OK_XML
               : E_FAIL_XML;
}

long COutputNode::SetAttribute(const char* name, double value) {
    return SetAttributeText(m_state->cursor.Current(), name, detail::FormatDouble(value))
               ? S_OK_XML
               : E_FAIL_XML;
}

long COutputNode::OpenElement(const char* tag, int index, const char* indexAttr) {
    const pugi::xml_node child = AppendChild(m_state->cursor.Current(), tag, index, indexAttr);
    if (!child) {
        return E_FAIL_XML;
    }
    m_state->cursor.Enter(child);
    return S_OK_XML;
}

long COutputNode::CloseElement() {
    return m_state->cursor.Leave() ? S_OK_XML : E_FAIL_XML;
}

long COutputNode::WriteString(const char* tag, const char* text, int index, const char* indexAttr) {
    if (text == nullptr) {
        return E_FAIL_XML;
    }
    std::string storage;
    return WriteText(m_state->cursor.Current(), tag, detail::EncodeView(text, &storage), index,
                     indexAttr);
}

long COutputNode::WriteInt(const char* tag, int value, int index, const char* indexAttr) {
    char number[16];
    return WriteText(m_state->cursor.Current(), tag, detail::FormatInt(value, number), index,
                     indexAttr);
}

long COutputNode::WriteDouble(const char* tag, double value, const char* format, int index,
                              const char* indexAttr) {
    std::string printed;
    std::string storage;
    std::string_view text;
    if (format == nullptr) {
        printed = detail::FormatDouble(value);
        text = printed;
    } else if (detail::IsDoubleFormat(format)) {
        // A format's own text may hold any bytes.
        printed = detail::FormatWithPrintf(format, value);
        text = detail::EncodeView(printed, &storage);
    } else {
        return E_FAIL_XML;
    }
    return WriteText(m_state->cursor.Current(), tag, text, index, indexAttr);
}

long COutputNode::WriteComment(const char* text) {
    if (text == nullptr) {
        return E_FAIL_XML;
    }
    pugi::xml_node parent = m_state->cursor.Current();
    pugi::xml_node comment = parent.append_child(pugi::node_comment);
    if (!comment) {
        return E_FAIL_XML;
    }
    if (!comment.set_value(detail::EncodeText(CommentText(text)).c_str())) {
        parent.remove_child(comment);
        return E_FAIL_XML;
    }
    return S_OK_XML;
}

}  // namespace TDWXML
