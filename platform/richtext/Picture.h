// The pictures of an embedded picture or object kept as RTF: what a screen
// or a Word document shows of it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace richtext {

struct Picture {
    enum class Type { Png, Jpeg, Emf, Wmf, Bitmap, Other };
    Type type = Type::Other;
    // The bytes of the picture as a file of its type: a Windows metafile
    // with the placeable header files have, a bitmap with its file header.
    std::string data;
    // The size it is shown at, in twips (its goal size scaled).
    int widthTwips = 0;
    int heightTwips = 0;
};

// The file extension of a type ("png"); "" for Other.
const char* ExtensionOf(Picture::Type type);

// Every picture of a kept group, in the order to try them: a "{\pict ...}"
// group itself; of "{\*\shppict ...}{\nonshppict ...}" the picture and then
// its fallback; of an "{\object ...}" the picture of its result. Data given
// as hex digits or as \binN bytes.
std::vector<Picture> PicturesOf(std::string_view rawRtf);

}  // namespace richtext
