#include "platform/ui/Resources.h"

#include <map>

namespace ui {

namespace {
struct Table {
    std::map<int, QImage> bitmaps, icons;
    std::map<int, QCursor> cursors;
    std::map<int, std::string> strings;
};

Table& Resources() {
    static Table table;
    return table;
}

QImage Decode(std::string_view bytes) {
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()));
    return image;
}
}  // namespace

void RegisterBitmap(int id, const QImage& image) { Resources().bitmaps.emplace(id, image); }
void RegisterIcon(int id, const QImage& image) {
    Resources().icons.emplace(id, image.convertToFormat(QImage::Format_ARGB32));
}
void RegisterCursor(int id, const QCursor& cursor) { Resources().cursors.emplace(id, cursor); }
void RegisterString(int id, const std::string& text) { Resources().strings.emplace(id, text); }

bool RegisterBitmapData(int id, std::string_view bytes) {
    QImage image = Decode(bytes);
    if (image.isNull()) return false;
    RegisterBitmap(id, image);
    return true;
}

bool RegisterIconData(int id, std::string_view bytes) {
    QImage image = Decode(bytes);
    if (image.isNull()) return false;
    RegisterIcon(id, image);
    return true;
}

Bitmap LoadBitmap(int id) {
    auto& t = Resources().bitmaps;
    auto it = t.find(id);
    return it == t.end() ? Bitmap{} : Bitmap{it->second};
}

Icon LoadIcon(int id) {
    auto& t = Resources().icons;
    auto it = t.find(id);
    return it == t.end() ? Icon{} : Icon{it->second};
}

Cursor LoadCursor(int id) {
    auto& t = Resources().cursors;
    auto it = t.find(id);
    return it == t.end() ? Cursor{} : Cursor{it->second, true};
}

std::string LoadString(int id) {
    auto& t = Resources().strings;
    auto it = t.find(id);
    return it == t.end() ? std::string() : it->second;
}

}  // namespace ui
