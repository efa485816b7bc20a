#pragma once
// Run-time class records: every dynamically creatable class reports its class,
// can be created from that record, and can be found by its class name.

#include <string>
#include <vector>

class CArchive;
class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)();  // null for classes that cannot be created
    const CRuntimeClass* m_pBaseClass;

    // A new default-constructed object of this class, or null when the class
    // is abstract.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;

    // The record registered under that class name, or null.
    static const CRuntimeClass* FromName(const char* className);
    // Every registered record, in no particular order.
    static std::vector<const CRuntimeClass*> AllClasses();
};

// Registers a record when its translation unit is loaded.
struct CRuntimeClassRegistration {
    explicit CRuntimeClassRegistration(const CRuntimeClass* record);
};

class CObject {
  public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const {}
    virtual void Dump() const {}

    bool IsKindOf(const CRuntimeClass* record) const;

    static const CRuntimeClass classCObject;

  protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// In the class body: the class has a record but cannot be created by it.
#define DECLARE_DYNAMIC(class_name)                        \
  public:                                                  \
    static const CRuntimeClass class##class_name;          \
    const CRuntimeClass* GetRuntimeClass() const override; \
                                                           \
  private:

// In the class body: the class can be created from its record.
#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
  public:                             \
    static CObject* CreateObject();   \
                                      \
  private:

#define TW_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)                    \
    const CRuntimeClass class_name::class##class_name = {#class_name, pfnNew,             \
                                                         RUNTIME_CLASS(base_class_name)}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const {                            \
        return RUNTIME_CLASS(class_name);                                                 \
    }                                                                                     \
    static const CRuntimeClassRegistration s_registration##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    TW_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* class_name::CreateObject() {                \
        return new class_name;                           \
    }                                                    \
    TW_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, &class_name::CreateObject)
