#include "TestArtwork.h"

#include "platform/ui/Resources.h"

namespace {
QImage Filled(QColor colour) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

const ui::ResourceRegistration artwork([] {
    ui::RegisterBitmap(kLibraryBitmap, Filled(Qt::red));
    ui::RegisterIcon(kSharedIcon, Filled(Qt::red));
    ui::RegisterIcon(kLibraryOnlyIcon, Filled(Qt::red));
});

const ui::DialogTemplate& PictureTemplate() {
    static const ui::DialogTemplate t{3142, "图片", {0, 0, 100, 60}, {
        {ui::Kind::Picture, CTestPictureDialog::kPicture, "#3137", {5, 5, 20, 20}, SS_BITMAP},
    }};
    return t;
}
}  // namespace

ui::Icon LoadIconInLibrary(int id) { return ui::LoadIcon(id); }

CTestPictureDialog::CTestPictureDialog() : ui::Dialog(PictureTemplate()) {}
