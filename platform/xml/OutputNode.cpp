// Writing through a node: appending child elements (with their index
// attribute), attributes, element text, numbers and comments.

#include <string>
#include <string_view>

#include "platform/xml/NumberText.h"
#include "platform/xml/TDWXML.h"
#include "platform/xml/TextCodec.h"
#include "platform/xml/TextWriter.h"

namespace TDWXML {

namespace {

using detail::NameText;

// The name as the document holds it; empty when it is not a name.
std::string_view Name(const char* bytes, std::string* storage) {
    const char* name = NameText(bytes, storage);
    return name ? std::string_view(name) : std::string_view();
}

// A child's tag and its index attribute, checked before anything is written:
// empty tag when they are unusable.
struct SChild {
    std::string tagStorage;
    std::string attrStorage;
    std::string_view tag;
    std::string_view indexAttr;
    std::string_view index;
    char number[16];

    SChild(const char* tagBytes, int indexValue, const char* indexAttrBytes) {
        tag = Name(tagBytes, &tagStorage);
        if (indexValue < -1) {
            tag = {};
        } else if (indexValue >= 0) {
            indexAttr = Name(indexAttrBytes, &attrStorage);
            index = detail::FormatInt(indexValue, number);
            if (indexAttr.empty()) {
                tag = {};
            }
        }
    }
};

bool Open(detail::CTextWriter& writer, const SChild& child) {
    if (child.tag.empty()) {
        return false;
    }
    writer.Open(child.tag);
    if (!child.indexAttr.empty()) {
        writer.SetAttribute(child.indexAttr, child.index);
    }
    return true;
}

long WriteLeaf(detail::CTextWriter& writer, const char* tag, std::string_view text, int index,
               const char* indexAttr) {
    const SChild child(tag, index, indexAttr);
    if (child.tag.empty()) {
        return E_FAIL_XML;
    }
    writer.Leaf(child.tag, child.indexAttr, child.index, text);
    return S_OK_XML;
}

long SetAttributeText(detail::CTextWriter& writer, const char* name, std::string_view text) {
    std::string storage;
    const std::string_view attrName = Name(name, &storage);
    if (attrName.empty()) {
        return E_FAIL_XML;
    }
    writer.SetAttribute(attrName, text);
    return S_OK_XML;
}

}  // namespace

COutputNode::COutputNode(std::unique_ptr<State> state) : m_state(std::move(state)) {}
COutputNode::~COutputNode() = default;

long COutputNode::WriteObject(const char* tag, IDocObj* object, int index, const char* indexAttr) {
    if (object == nullptr || !Open(*m_state->writer, SChild(tag, index, indexAttr))) {
        return E_FAIL_XML;
    }
    // The object writes inside the child and cannot close it; what it leaves
    // open is closed with it.
    struct SScope {
        State* state;
        std::size_t floor;
        explicit SScope(State* s) : state(s), floor(s->floor) { s->floor = s->writer->Depth(); }
        ~SScope() {
            while (state->writer->Depth() >= state->floor) {
                state->writer->Close();
            }
            state->floor = floor;
        }
    } scope(m_state.get());
    return object->WriteXML(this);
}

long COutputNode::SetAttribute(const char* name, const char* value) {
    if (value == nullptr) {
        return E_FAIL_XML;
    }
    return SetAttributeText(*m_state->writer, name, value);
}

long COutputNode::SetAttribute(const char* name, int value) {
    char number[16];
    return SetAttributeText(*m_state->writer, name, detail::FormatInt(value, number));
}

long COutputNode::SetAttribute(const char* name, double value) {
    char number[detail::kShortestDoubleSize];
    return SetAttributeText(*m_state->writer, name, detail::FormatDouble(value, number));
}

long COutputNode::OpenElement(const char* tag, int index, const char* indexAttr) {
    return Open(*m_state->writer, SChild(tag, index, indexAttr)) ? S_OK_XML : E_FAIL_XML;
}

long COutputNode::CloseElement() {
    if (m_state->writer->Depth() <= m_state->floor) {
        return E_FAIL_XML;
    }
    m_state->writer->Close();
    return S_OK_XML;
}

long COutputNode::WriteString(const char* tag, const char* text, int index, const char* indexAttr) {
    if (text == nullptr) {
        return E_FAIL_XML;
    }
    return WriteLeaf(*m_state->writer, tag, text, index, indexAttr);
}

long COutputNode::WriteInt(const char* tag, int value, int index, const char* indexAttr) {
    char number[16];
    return WriteLeaf(*m_state->writer, tag, detail::FormatInt(value, number), index, indexAttr);
}

long COutputNode::WriteDouble(const char* tag, double value, const char* format, int index,
                              const char* indexAttr) {
    detail::SPrintedNumber number;
    const std::string_view text = detail::PrintDouble(format, value, &number);
    if (text.data() == nullptr) {
        return E_FAIL_XML;
    }
    return WriteLeaf(*m_state->writer, tag, text, index, indexAttr);
}

long COutputNode::WriteComment(const char* text) {
    if (text == nullptr) {
        return E_FAIL_XML;
    }
    m_state->writer->Comment(text);
    return S_OK_XML;
}

}  // namespace TDWXML
