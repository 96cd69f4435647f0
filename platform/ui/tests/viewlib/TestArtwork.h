// Artwork of the test library: icon 3138 and bitmap 3137 are red here, and a
// dialog whose template shows bitmap 3137 by id.
#pragma once

#include "TestView.h"
#include "platform/ui/Image.h"

constexpr int kLibraryBitmap = 3137, kSharedIcon = 3138, kProgramOnlyIcon = 3139, kLibraryOnlyIcon = 3140;

// Loads from the library's own code.
TESTVIEW_EXPORT ui::Icon LoadIconInLibrary(int id);

class TESTVIEW_EXPORT CTestPictureDialog : public ui::Dialog {
public:
    CTestPictureDialog();
    static constexpr int kPicture = 3141;
};
