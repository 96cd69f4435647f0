// The pictures of kept groups: their type, bytes and shown size, from hex
// digits or \bin data, a Word picture with its fallback, an object by its
// result.
#include <gtest/gtest.h>

#include "platform/richtext/Picture.h"

using namespace richtext;
using namespace std::string_literals;

TEST(Picture, EachPictureOfAGroupWithItsBytesAndShownSize) {
    const std::vector<Picture> word = PicturesOf(
        "{\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn a}{\\sv 1}}}\\emfblip\\picw2540\\pich1270\\picwgoal1440\\pichgoal720 "
        "01 0aFF}}{\\nonshppict{\\pict\\wmetafile8\\picw2540\\pich1270\\picscalex50\\picscaley200 0102}}");
    ASSERT_EQ(word.size(), 2u);
    EXPECT_EQ(word[0].type, Picture::Type::Emf);
    EXPECT_EQ(word[0].data, "\x01\x0a\xff"s);
    EXPECT_EQ(word[0].widthTwips, 1440);
    EXPECT_EQ(word[0].heightTwips, 720);
    // A metafile's own size is in hundredths of a millimetre; its file gets the placeable header.
    EXPECT_EQ(word[1].type, Picture::Type::Wmf);
    EXPECT_EQ(word[1].widthTwips, 720);
    EXPECT_EQ(word[1].heightTwips, 1440);
    ASSERT_EQ(word[1].data.size(), 22u + 2u);
    EXPECT_EQ(word[1].data.substr(0, 4), "\xd7\xcd\xc6\x9a"s);
    EXPECT_EQ(word[1].data.substr(22), "\x01\x02"s);

    // \bin data holding braces and backslashes; an object shown by its result.
    const std::vector<Picture> object = PicturesOf(
        "{\\object\\objemb{\\*\\objdata \\bin4 {\\p}}{\\result{\\pict\\jpegblip\\picw4\\pich2\\bin3 }\\{}}}");
    ASSERT_EQ(object.size(), 1u);
    EXPECT_EQ(object[0].type, Picture::Type::Jpeg);
    EXPECT_EQ(object[0].data, "}\\{");
    EXPECT_EQ(object[0].widthTwips, 60);  // 4 pixels
    EXPECT_EQ(object[0].heightTwips, 30);

    EXPECT_TRUE(PicturesOf("{\\*\\bkmkstart a}").empty());
}
