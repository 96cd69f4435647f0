// The resource table: bitmaps, icons, cursors and strings by numeric id.
// Each library registers its own artwork (made in code or from image bytes)
// when it is loaded; screens load them by the ids of their templates. The
// table is shared by the whole process, as an application's resource chain
// is: an id registered twice keeps the first image.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/Image.h"

namespace ui {

void RegisterBitmap(int id, const QImage& image);
void RegisterIcon(int id, const QImage& image);
// Cursors by shape or picture; made when first loaded, so that registering
// needs no running application.
void RegisterCursor(int id, Qt::CursorShape shape);
void RegisterCursor(int id, const QImage& image, int hotX, int hotY);
void RegisterString(int id, const std::string& text);
// Decodes image bytes (PNG, BMP, ...); false when they are no image.
bool RegisterBitmapData(int id, std::string_view bytes);
bool RegisterIconData(int id, std::string_view bytes);

// A null image, an invalid cursor or an empty text when the id is unknown.
Bitmap LoadBitmap(int id);
Icon LoadIcon(int id);
Cursor LoadCursor(int id);
std::string LoadString(int id);

// Registers a library's resources when the library is loaded:
//   static ui::ResourceRegistration artwork([] { ui::RegisterIcon(3121, ...); });
struct ResourceRegistration {
    explicit ResourceRegistration(const std::function<void()>& registerAll) { registerAll(); }
};

}  // namespace ui
