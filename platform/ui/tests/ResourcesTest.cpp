// Resources per module: a library's artwork belongs to that library, the
// program's is the fallback, and a template's pictures come from the module
// of the dialog that names them. Dialog units follow the template's font size.
#include <gtest/gtest.h>

#include <QLabel>

#include "platform/ui/App.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Resources.h"
#include "viewlib/TestArtwork.h"

using namespace ui;

namespace {

QImage Filled(QColor colour) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

QColor CentreOf(const QImage& image) { return image.isNull() ? QColor() : image.pixelColor(8, 8); }

class ResourcesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        EnsureApplication();
        RegisterIcon(kSharedIcon, Filled(Qt::green));
        RegisterIcon(kProgramOnlyIcon, Filled(Qt::blue));
        RegisterBitmap(kLibraryBitmap, Filled(Qt::green));
    }
};

TEST_F(ResourcesTest, EachModuleFindsItsOwnPictureFirstThenTheProgramsOnly) {
    struct Case {
        const char* what;
        QColor inProgram, inLibrary;
        int id;
    } cases[] = {
        {"same id in both keeps two pictures", Qt::green, Qt::red, kSharedIcon},
        {"the library falls back to the program", Qt::blue, Qt::blue, kProgramOnlyIcon},
        {"the program never sees a library's own", QColor(), Qt::red, kLibraryOnlyIcon},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CentreOf(LoadIcon(c.id).image), c.inProgram);
        EXPECT_EQ(CentreOf(LoadIconInLibrary(c.id).image), c.inLibrary);
    }
}

TEST_F(ResourcesTest, ATemplatePictureComesFromTheDialogsModule) {
    CTestPictureDialog dialog;
    ASSERT_TRUE(dialog.Create());
    auto* label = qobject_cast<QLabel*>(dialog.GetDlgItem(CTestPictureDialog::kPicture)->GetWidget());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(CentreOf(label->pixmap().toImage()), QColor(Qt::red));
    dialog.DestroyWindow();
}

TEST(DialogUnitsTest, BaseUnitsFollowTheTemplateFontSizeWhateverFontDrawsIt) {
    EnsureApplication();
    struct Case {
        int fontSize;
        Rect expected;  // of the rectangle {4, 8, 40, 16} in dialog units
    } cases[] = {
        {9, {6, 12, 66, 36}},
        {12, {8, 16, 88, 48}},
    };
    for (const Case& c : cases) {
        DialogTemplate t{1, "", {0, 0, 100, 50}, {}, WS_POPUP, "No Such Font", c.fontSize};
        Dialog dialog(t);
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(dialog.MapDialogRect({4, 8, 40, 16}), c.expected) << c.fontSize;
        dialog.DestroyWindow();
    }
}

}  // namespace
