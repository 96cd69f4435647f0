#include "main/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

#include "platform/ui/App.h"
#include "platform/ui/Resources.h"

namespace artwork {
namespace {

const QColor kDeepBlue(31, 78, 140);
const QColor kPaleBlue(232, 241, 250);

QFont ChineseFont(int pixelSize, bool bold = false) {
    QFont font;
    font.setFamilies({"WenQuanYi Zen Hei", "Noto Sans CJK SC", "宋体"});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void FillGradient(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// Soft rising curves behind the titles.
void DrawWaves(QPainter& p, const QRect& r, int count) {
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < count; ++i) {
        QPainterPath path;
        const int base = r.bottom() - r.height() / 6 - i * r.height() / 18;
        path.moveTo(r.left(), base);
        path.cubicTo(r.left() + r.width() / 3, base - r.height() / 5, r.left() + 2 * r.width() / 3,
                     base + r.height() / 8, r.right(), base - r.height() / 6);
        path.lineTo(r.right(), r.bottom());
        path.lineTo(r.left(), r.bottom());
        path.closeSubpath();
        p.fillPath(path, QColor(255, 255, 255, 40 + 15 * i));
    }
}

QImage StartPicture() {
    QImage image(1206, 800, QImage::Format_RGB32);
    QPainter p(&image);
    FillGradient(p, image.rect(), QColor(222, 236, 250), QColor(120, 165, 215));
    DrawWaves(p, image.rect(), 4);
    p.setPen(kDeepBlue);
    p.setFont(ChineseFont(72, true));
    p.drawText(QRect(0, 250, 1206, 100), Qt::AlignCenter, "Tessaly");
    p.setFont(ChineseFont(34));
    p.drawText(QRect(0, 360, 1206, 60), Qt::AlignCenter, "科研基金项目管理系统");
    p.setFont(ChineseFont(18));
    p.setPen(QColor(60, 90, 130));
    p.drawText(QRect(0, 430, 1206, 40), Qt::AlignCenter, "指南 · 申请 · 评审 · 计划 · 验收 · 成果转化");
    return image;
}

QImage LoginBackground() {
    QImage image(497, 302, QImage::Format_RGB32);
    QPainter p(&image);
    FillGradient(p, image.rect(), QColor(70, 125, 190), kPaleBlue);
    DrawWaves(p, QRect(0, 0, 497, 150), 3);
    p.setPen(Qt::white);
    p.setFont(ChineseFont(30, true));
    p.drawText(QRect(0, 22, 497, 44), Qt::AlignCenter, "Tessaly");
    p.setFont(ChineseFont(18));
    p.drawText(QRect(0, 68, 497, 30), Qt::AlignCenter, "科研基金项目管理系统");
    return image;
}

QImage ButtonFace(const QString& label, QSize size, bool pressed) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, pressed ? QColor(40, 90, 160) : QColor(90, 150, 220));
    g.setColorAt(1, pressed ? QColor(70, 125, 190) : QColor(40, 95, 170));
    p.setBrush(g);
    p.setPen(QColor(30, 70, 130));
    p.drawRoundedRect(r, 4, 4);
    p.setPen(Qt::white);
    p.setFont(ChineseFont(size.height() * 6 / 11, true));
    p.drawText(image.rect().translated(pressed ? 1 : 0, pressed ? 1 : 0), Qt::AlignCenter, label);
    return image;
}

// A 32 x 32 icon: a rounded tile of one colour with a character on it.
QImage TileIcon(const QColor& colour, const QString& glyph) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, colour.lighter(135));
    g.setColorAt(1, colour);
    p.setBrush(g);
    p.setPen(colour.darker(140));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    p.setPen(Qt::white);
    p.setFont(ChineseFont(18, true));
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, glyph);
    return image;
}

// A group's picture: a folder of the colour with the group's character on it.
QImage FolderIcon(const QColor& colour, const QString& glyph) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath folder;
    folder.moveTo(1.5, 5.5);
    folder.lineTo(12, 5.5);
    folder.lineTo(15, 8.5);
    folder.lineTo(30.5, 8.5);
    folder.lineTo(30.5, 28.5);
    folder.lineTo(1.5, 28.5);
    folder.closeSubpath();
    p.setBrush(colour);
    p.setPen(colour.darker(140));
    p.drawPath(folder);
    p.setPen(Qt::white);
    p.setFont(ChineseFont(16, true));
    p.drawText(QRect(0, 8, 32, 21), Qt::AlignCenter, glyph);
    return image;
}

// The pictures belong to the program, whichever of its files draws them: the
// frame library (MainFrameStart.h) registers its share into the program's
// table too, where the program's screens and the module libraries find them.
void RegisterBitmap(int id, const QImage& image) { ui::resources::RegisterBitmap(ui::ProgramModule(), id, image); }
void RegisterIcon(int id, const QImage& image) { ui::resources::RegisterIcon(ui::ProgramModule(), id, image); }

struct Spec {
    int id;
    QColor colour;
    const char* glyph;
};

}  // namespace

void RegisterLoginArtwork() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    ui::EnsureApplication();  // text is drawn with the application's fonts

    RegisterBitmap(kLoginBackground, LoginBackground());
    const QSize wide(80, 28), small(16, 16);
    RegisterBitmap(195, ButtonFace("登录", wide, false));
    RegisterBitmap(198, ButtonFace("登录", wide, true));
    RegisterBitmap(197, ButtonFace("×", small, false));
    RegisterBitmap(196, ButtonFace("×", small, true));
    RegisterBitmap(202, ButtonFace("设置", wide, false));
    RegisterBitmap(201, ButtonFace("设置", wide, true));
    RegisterIcon(kApplicationIcon, TileIcon(kDeepBlue, "T"));
}

void RegisterMainArtwork() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    RegisterLoginArtwork();

    RegisterBitmap(kStartPicture, StartPicture());
    const std::array<Spec, 12> icons{{
        {184, QColor(46, 125, 50), "五"},   {185, QColor(0, 131, 143), "年"},  {186, QColor(21, 101, 192), "申"},
        {187, QColor(94, 53, 177), "计"},   {188, QColor(239, 108, 0), "报"},  {189, QColor(198, 40, 40), "审"},
        {190, QColor(173, 20, 87), "批"},   {191, QColor(0, 105, 92), "进"},   {209, QColor(85, 139, 47), "发"},
        {211, QColor(69, 90, 100), "函"},   {212, QColor(121, 85, 72), "会"},  {kAchievementIcon, QColor(2, 119, 189), "转"},
    }};
    for (const Spec& icon : icons) RegisterIcon(icon.id, TileIcon(icon.colour, icon.glyph));
    const std::array<Spec, 3> groups{{
        {kGuideGroupIcon, kDeepBlue, "指"}, {kDeclareGroupIcon, kDeepBlue, "申"}, {kManageGroupIcon, kDeepBlue, "管"},
    }};
    for (const Spec& group : groups) RegisterIcon(group.id, FolderIcon(group.colour, group.glyph));
}

}  // namespace artwork
