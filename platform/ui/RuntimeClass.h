// Runtime classes: one record per view or dialog class with its name, its
// factory and its base, so that the main program can create a view from a
// library's exported record and ask a window for its class.
#pragma once

#include <string_view>

namespace ui {

class Object;

struct RuntimeClass {
    const char* m_lpszClassName;
    Object* (*m_pfnCreateObject)();  // null for classes that cannot be created
    const RuntimeClass* m_pBaseClass;

    // A new object of the class, or null when the class has no factory.
    Object* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    bool IsDerivedFrom(const RuntimeClass* base) const;
    // The record registered under this class name by a loaded library, or null.
    static const RuntimeClass* FromName(std::string_view name);
};

// Keeps a record findable by name while its library is loaded.
class RuntimeClassRegistrar {
public:
    explicit RuntimeClassRegistrar(const RuntimeClass* record);
    ~RuntimeClassRegistrar();
    RuntimeClassRegistrar(const RuntimeClassRegistrar&) = delete;
    RuntimeClassRegistrar& operator=(const RuntimeClassRegistrar&) = delete;

private:
    const RuntimeClass* record_;
};

class Object {
public:
    virtual ~Object() = default;
    static const RuntimeClass classObject;
    static const RuntimeClass* ThisRuntimeClass() { return &classObject; }
    virtual const RuntimeClass* GetRuntimeClass() const { return &classObject; }
    bool IsKindOf(const RuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }
};

}  // namespace ui

#define RUNTIME_CLASS(C) (C::ThisRuntimeClass())

#define DECLARE_DYNAMIC(C)                                                        \
public:                                                                           \
    static const ::ui::RuntimeClass class##C;                                     \
    static const ::ui::RuntimeClass* ThisRuntimeClass() { return &class##C; }     \
    const ::ui::RuntimeClass* GetRuntimeClass() const override { return &class##C; }

#define DECLARE_DYNCREATE(C) \
    DECLARE_DYNAMIC(C)       \
    static ::ui::Object* CreateObject();

#define IMPLEMENT_DYNAMIC(C, Base) \
    const ::ui::RuntimeClass C::class##C{#C, nullptr, RUNTIME_CLASS(Base)};

#define IMPLEMENT_DYNCREATE(C, Base)                                             \
    ::ui::Object* C::CreateObject() { return new C; }                            \
    const ::ui::RuntimeClass C::class##C{#C, &C::CreateObject, RUNTIME_CLASS(Base)}; \
    static const ::ui::RuntimeClassRegistrar registrar_##C(&C::class##C);
