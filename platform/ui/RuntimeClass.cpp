#include "platform/ui/RuntimeClass.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace ui {

const RuntimeClass Object::classObject{"CObject", nullptr, nullptr};

namespace {
std::vector<const RuntimeClass*>& Registry() {
    static std::vector<const RuntimeClass*> records;
    return records;
}
}  // namespace

bool RuntimeClass::IsDerivedFrom(const RuntimeClass* base) const {
    for (const RuntimeClass* c = this; c; c = c->m_pBaseClass)
        if (c == base) return true;
    return false;
}

const RuntimeClass* RuntimeClass::FromName(std::string_view name) {
    for (const RuntimeClass* c : Registry())
        if (name == c->m_lpszClassName) return c;
    return nullptr;
}

RuntimeClassRegistrar::RuntimeClassRegistrar(const RuntimeClass* record) : record_(record) {
    Registry().push_back(record);
}

RuntimeClassRegistrar::~RuntimeClassRegistrar() {
    auto& records = Registry();
    records.erase(std::remove(records.begin(), records.end(), record_), records.end());
}

}  // namespace ui
