#include "platform/ObArray.h"

#include <cstddef>
#include <string>

namespace {

[[noreturn]] void Refuse(const char* operation, int value) {
    throw CInvalidArgException(std::string("CObArray::") + operation + ": " +
                               std::to_string(value) + " is out of range");
}

}  // namespace

void CObArray::CheckIndex(int index) const {
    if (index < 0 || index >= GetSize()) {
        Refuse("index", index);
    }
}

void CObArray::SetSize(int size) {
    if (size < 0) {
        Refuse("SetSize", size);
    }
    m_items.resize(static_cast<std::size_t>(size), nullptr);
}

CObject* CObArray::GetAt(int index) const {
    CheckIndex(index);
    return m_items[static_cast<std::size_t>(index)];
}

void CObArray::SetAt(int index, CObject* element) {
    CheckIndex(index);
    m_items[static_cast<std::size_t>(index)] = element;
}

CObject*& CObArray::ElementAt(int index) {
    CheckIndex(index);
    return m_items[static_cast<std::size_t>(index)];
}

int CObArray::Add(CObject* element) {
    m_items.push_back(element);
    return GetUpperBound();
}

void CObArray::InsertAt(int index, CObject* element, int count) {
    if (index < 0 || index > GetSize()) {
        Refuse("InsertAt", index);
    }
    if (count < 0) {
        Refuse("InsertAt count", count);
    }
    m_items.insert(m_items.begin() + index, static_cast<std::size_t>(count), element);
}

void CObArray::RemoveAt(int index, int count) {
    CheckIndex(index);
    if (count < 0 || count > GetSize() - index) {
        Refuse("RemoveAt count", count);
    }
    m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
}
