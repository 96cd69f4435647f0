#include "platform/ui/Resources.h"

#include <dlfcn.h>
#include <link.h>

#include <QPixmap>
#include <map>
#include <vector>

namespace ui {

namespace {
struct CursorSource {
    Qt::CursorShape shape = Qt::ArrowCursor;
    QImage image;
    int hotX = 0, hotY = 0;
};

struct Table {
    std::map<int, QImage> bitmaps, icons;
    std::map<int, CursorSource> cursors;
    std::map<int, std::string> strings;
    std::vector<std::function<void()>> pending;  // registrations not yet run
};

std::map<Module, Table>& Modules() {
    static std::map<Module, Table> modules;
    return modules;
}

thread_local Module scopedModule = nullptr;

// Runs a module's waiting registrations; they may register more, or load.
void RunPending(Module module) {
    auto it = Modules().find(module);
    if (it == Modules().end() || it->second.pending.empty()) return;
    std::vector<std::function<void()>> pending;
    pending.swap(it->second.pending);
    for (const auto& registerAll : pending) registerAll();
}

// The module itself, then the screen being built, then the program.
template <typename Value>
const Value* Find(Module module, int id, std::map<int, Value> Table::*kind) {
    for (Module candidate : {module, scopedModule, ProgramModule()}) {
        if (!candidate) continue;
        RunPending(candidate);
        auto it = Modules().find(candidate);
        if (it == Modules().end()) continue;
        const auto& values = it->second.*kind;
        if (auto found = values.find(id); found != values.end()) return &found->second;
    }
    return nullptr;
}

QImage Decode(std::string_view bytes) {
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()));
    return image;
}
}  // namespace

Module ModuleOf(const void* address) {
    Dl_info info{};
    link_map* map = nullptr;
    if (!dladdr1(address, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) || !map) return nullptr;
    return map;
}

Module ProgramModule() {
    static const Module program = [] {
        link_map* map = nullptr;
        void* self = dlopen(nullptr, RTLD_NOW);
        if (self && dlinfo(self, RTLD_DI_LINKMAP, &map) != 0) map = nullptr;
        return static_cast<Module>(map);
    }();
    return program;
}

ResourceScope::ResourceScope(Module module) : previous_(scopedModule) { scopedModule = module; }
ResourceScope::~ResourceScope() { scopedModule = previous_; }

namespace resources {

void AddRegistration(Module module, const std::function<void()>& registerAll) {
    Modules()[module].pending.push_back(registerAll);
}

void RegisterBitmap(Module module, int id, const QImage& image) { Modules()[module].bitmaps.emplace(id, image); }
void RegisterIcon(Module module, int id, const QImage& image) {
    Modules()[module].icons.emplace(id, image.convertToFormat(QImage::Format_ARGB32));
}
void RegisterCursor(Module module, int id, Qt::CursorShape shape) {
    Modules()[module].cursors.emplace(id, CursorSource{shape, {}, 0, 0});
}
void RegisterCursor(Module module, int id, const QImage& image, int hotX, int hotY) {
    Modules()[module].cursors.emplace(id, CursorSource{Qt::BitmapCursor, image, hotX, hotY});
}
void RegisterString(Module module, int id, const std::string& text) { Modules()[module].strings.emplace(id, text); }

bool RegisterBitmapData(Module module, int id, std::string_view bytes) {
    QImage image = Decode(bytes);
    if (image.isNull()) return false;
    RegisterBitmap(module, id, image);
    return true;
}

bool RegisterIconData(Module module, int id, std::string_view bytes) {
    QImage image = Decode(bytes);
    if (image.isNull()) return false;
    RegisterIcon(module, id, image);
    return true;
}

Bitmap LoadBitmap(Module module, int id) {
    const QImage* image = Find(module, id, &Table::bitmaps);
    return image ? Bitmap{*image} : Bitmap{};
}

Icon LoadIcon(Module module, int id) {
    const QImage* image = Find(module, id, &Table::icons);
    return image ? Icon{*image} : Icon{};
}

Cursor LoadCursor(Module module, int id) {
    const CursorSource* source = Find(module, id, &Table::cursors);
    if (!source) return Cursor{};
    if (source->image.isNull()) return Cursor{QCursor(source->shape), true};
    return Cursor{QCursor(QPixmap::fromImage(source->image), source->hotX, source->hotY), true};
}

std::string LoadString(Module module, int id) {
    const std::string* text = Find(module, id, &Table::strings);
    return text ? *text : std::string();
}

}  // namespace resources
}  // namespace ui
