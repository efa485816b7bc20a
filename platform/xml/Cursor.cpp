#include "platform/xml/Cursor.h"

#include "platform/xml/TextCodec.h"

namespace TDWXML::detail {

bool CCursor::Leave() {
    if (m_path.size() <= m_floor) {
        return false;
    }
    m_path.pop_back();
    return true;
}

std::string CCursor::PathText() const {
    std::string text;
    for (std::size_t i = 1; i < m_path.size(); ++i) {
        text += (i > 1 ? "/" : "") + StepName(m_path[i].node);
    }
    return text;
}

std::string StepName(pugi::xml_node element) {
    std::string step = DecodeText(element.name());
    if (const pugi::xml_attribute index = element.attribute("index")) {
        return step + "[" + DecodeText(index.value()) + "]";
    }
    const bool repeated =
        element.previous_sibling(element.name()) || element.next_sibling(element.name());
    if (repeated && element.first_attribute()) {
        const pugi::xml_attribute first = element.first_attribute();
        step += "[" + DecodeText(first.name()) + "=" + DecodeText(first.value()) + "]";
    }
    return step;
}

CObjectScope::CObjectScope(CCursor* cursor, CCursor::SStep element)
    : m_cursor(cursor), m_depth(cursor->m_path.size()), m_floor(cursor->m_floor) {
    cursor->m_path.push_back(element);
    cursor->m_floor = cursor->m_path.size();
}

CObjectScope::~CObjectScope() {
    m_cursor->m_path.resize(m_depth);
    m_cursor->m_floor = m_floor;
}

}  // namespace TDWXML::detail
