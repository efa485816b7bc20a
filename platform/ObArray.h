#pragma once
// Ordered arrays of object pointers. They do not own their elements; owners
// delete them. An index outside the array raises CInvalidArgException.

#include <vector>

#include "platform/Exceptions.h"
#include "platform/Object.h"

class CObArray : public CObject {
  public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }
    // Grows with null elements or shrinks (without deleting anything).
    void SetSize(int size);

    CObject* GetAt(int index) const;
    void SetAt(int index, CObject* element);
    CObject*& ElementAt(int index);
    int Add(CObject* element);  // the new element's index
    // Inserts count copies of element before index (index == size appends).
    void InsertAt(int index, CObject* element, int count = 1);
    void RemoveAt(int index, int count = 1);
    void RemoveAll() { m_items.clear(); }

    CObject* operator[](int index) const { return GetAt(index); }
    CObject*& operator[](int index) { return ElementAt(index); }

  private:
    void CheckIndex(int index) const;
    std::vector<CObject*> m_items;
};

template <class Base, class T>
class CTypedPtrArray;

template <class T>
class CTypedPtrArray<CObArray, T> : public CObArray {
  public:
    T GetAt(int index) const { return static_cast<T>(CObArray::GetAt(index)); }
    void SetAt(int index, T element) { CObArray::SetAt(index, element); }
    T& ElementAt(int index) { return reinterpret_cast<T&>(CObArray::ElementAt(index)); }
    int Add(T element) { return CObArray::Add(element); }
    void InsertAt(int index, T element, int count = 1) {
        CObArray::InsertAt(index, element, count);
    }
    T operator[](int index) const { return GetAt(index); }
    T& operator[](int index) { return ElementAt(index); }
};
