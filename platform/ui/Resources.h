// The resource table: bitmaps, icons, cursors and strings by numeric id, kept
// per module (the program or one of its libraries), as each executable file
// carries its own resources. A library's artwork belongs to that library: a
// screen finds its own module's picture first, then the program's, so the
// same id in two libraries keeps two pictures. Within one module an id
// registered twice keeps the first image.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/Image.h"

namespace ui {

// A loaded program or library; null for an address outside every module.
using Module = const void*;
Module ModuleOf(const void* address);
Module ProgramModule();

// While one lives, loads made by the window layer on behalf of a screen (the
// pictures of a template) look in the screen's module first.
class ResourceScope {
public:
    explicit ResourceScope(Module module);
    ~ResourceScope();
    ResourceScope(const ResourceScope&) = delete;
    ResourceScope& operator=(const ResourceScope&) = delete;

private:
    Module previous_;
};

namespace resources {
void AddRegistration(Module module, const std::function<void()>& registerAll);
void RegisterBitmap(Module module, int id, const QImage& image);
void RegisterIcon(Module module, int id, const QImage& image);
void RegisterCursor(Module module, int id, Qt::CursorShape shape);
void RegisterCursor(Module module, int id, const QImage& image, int hotX, int hotY);
void RegisterString(Module module, int id, const std::string& text);
bool RegisterBitmapData(Module module, int id, std::string_view bytes);
bool RegisterIconData(Module module, int id, std::string_view bytes);
Bitmap LoadBitmap(Module module, int id);
Icon LoadIcon(Module module, int id);
Cursor LoadCursor(Module module, int id);
std::string LoadString(Module module, int id);
}  // namespace resources

// The calls below name the module they are compiled into: each translation
// unit has its own anchor, which lies in the program or library it is built
// into (internal linkage, so no library's copy can stand in for another's).
namespace {
const char kResourceAnchor = 0;
inline Module ThisModule() { return ModuleOf(&kResourceAnchor); }

inline void RegisterBitmap(int id, const QImage& image) { resources::RegisterBitmap(ThisModule(), id, image); }
inline void RegisterIcon(int id, const QImage& image) { resources::RegisterIcon(ThisModule(), id, image); }
// Cursors by shape or picture; made when first loaded, so that registering
// needs no running application.
inline void RegisterCursor(int id, Qt::CursorShape shape) { resources::RegisterCursor(ThisModule(), id, shape); }
inline void RegisterCursor(int id, const QImage& image, int hotX, int hotY) {
    resources::RegisterCursor(ThisModule(), id, image, hotX, hotY);
}
inline void RegisterString(int id, const std::string& text) { resources::RegisterString(ThisModule(), id, text); }
// Decodes image bytes (PNG, BMP, ...); false when they are no image.
inline bool RegisterBitmapData(int id, std::string_view bytes) {
    return resources::RegisterBitmapData(ThisModule(), id, bytes);
}
inline bool RegisterIconData(int id, std::string_view bytes) {
    return resources::RegisterIconData(ThisModule(), id, bytes);
}

// A null image, an invalid cursor or an empty text when the id is unknown.
inline Bitmap LoadBitmap(int id) { return resources::LoadBitmap(ThisModule(), id); }
inline Icon LoadIcon(int id) { return resources::LoadIcon(ThisModule(), id); }
inline Cursor LoadCursor(int id) { return resources::LoadCursor(ThisModule(), id); }
inline std::string LoadString(int id) { return resources::LoadString(ThisModule(), id); }

// A module's artwork, registered when a screen first loads a resource of that
// module (drawing pictures and text needs the running application, which a
// library being loaded cannot count on):
//   static ui::ResourceRegistration artwork([] { ui::RegisterIcon(3121, ...); });
struct ResourceRegistration {
    explicit ResourceRegistration(const std::function<void()>& registerAll) {
        resources::AddRegistration(ThisModule(), registerAll);
    }
};
}  // namespace

}  // namespace ui
