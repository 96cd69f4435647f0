#include "platform/ui/Resources.h"

#include <QPixmap>
#include <map>

namespace ui {

namespace {
struct Table {
    std::map<int, QImage> bitmaps, icons;
    struct CursorSource {
        Qt::CursorShape shape = Qt::ArrowCursor;
        QImage image;
        int hotX = 0, hotY = 0;
    };
    std::map<int, CursorSource> cursors;
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
void RegisterCursor(int id, Qt::CursorShape shape) { Resources().cursors.emplace(id, Table::CursorSource{shape, {}, 0, 0}); }
void RegisterCursor(int id, const QImage& image, int hotX, int hotY) {
    Resources().cursors.emplace(id, Table::CursorSource{Qt::BitmapCursor, image, hotX, hotY});
}
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
    if (it == t.end()) return Cursor{};
    const auto& source = it->second;
    if (source.image.isNull()) return Cursor{QCursor(source.shape), true};
    return Cursor{QCursor(QPixmap::fromImage(source.image), source.hotX, source.hotY), true};
}

std::string LoadString(int id) {
    auto& t = Resources().strings;
    auto it = t.find(id);
    return it == t.end() ? std::string() : it->second;
}

}  // namespace ui
