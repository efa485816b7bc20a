#include "platform/xml/Cursor.h"

namespace TDWXML::detail {

bool CCursor::Leave() {
    if (m_path.size() <= m_floor) {
        return false;
    }
    m_path.pop_back();
    return true;
}

CObjectScope::CObjectScope(CCursor* cursor, pugi::xml_node element)
    : m_cursor(cursor), m_depth(cursor->m_path.size()), m_floor(cursor->m_floor) {
    cursor->m_path.push_back(element);
    cursor->m_floor = cursor->m_path.size();
}

CObjectScope::~CObjectScope() {
    m_cursor->m_path.resize(m_depth);
    m_cursor->m_floor = m_floor;
}

}  // namespace TDWXML::detail
