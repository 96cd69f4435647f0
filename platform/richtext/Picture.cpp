#include "platform/richtext/Picture.h"

#include "platform/richtext/RtfTokens.h"

#include <algorithm>
#include <cstdint>

namespace richtext {

namespace {

constexpr int kTwipsPerPixel = 15;

using namespace rtftokens;

// The end of the group whose '{' stands at `open`: the position after its '}'.
std::size_t GroupEnd(std::string_view in, std::size_t open) {
    const std::size_t end = FindGroupEnd(in, open + 1, 1);
    return end < in.size() ? end + 1 : in.size();
}

void Put16(std::string& out, std::uint16_t v) {
    out += char(v & 0xFF);
    out += char(v >> 8);
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, std::uint16_t(v & 0xFFFF));
    Put16(out, std::uint16_t(v >> 16));
}
std::uint32_t Get32(std::string_view s, std::size_t at) {
    if (at + 4 > s.size()) return 0;
    return std::uint32_t(std::uint8_t(s[at])) | std::uint32_t(std::uint8_t(s[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(s[at + 2])) << 16 | std::uint32_t(std::uint8_t(s[at + 3])) << 24;
}

// A metafile as RTF holds it lacks the header metafile files begin with.
std::string PlaceableMetafile(const std::string& data, int widthTwips, int heightTwips) {
    std::string header;
    Put32(header, 0x9AC6CDD7u);
    Put16(header, 0);
    Put16(header, 0);
    Put16(header, 0);
    Put16(header, std::uint16_t(std::clamp(widthTwips, 1, 32767)));
    Put16(header, std::uint16_t(std::clamp(heightTwips, 1, 32767)));
    Put16(header, 1440);
    Put32(header, 0);
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < header.size(); i += 2)
        sum ^= std::uint16_t(std::uint8_t(header[i]) | std::uint8_t(header[i + 1]) << 8);
    Put16(header, sum);
    return header + data;
}

// A device-independent bitmap as RTF holds it lacks the file header.
std::string BitmapFile(const std::string& dib) {
    const std::uint32_t headerSize = Get32(dib, 0);
    if (headerSize < 12 || headerSize > dib.size()) return {};
    std::uint32_t colours = 0;
    if (headerSize >= 40) {
        const unsigned bits = std::uint8_t(dib[14]) | std::uint8_t(dib[15]) << 8;
        colours = Get32(dib, 32);
        if (colours == 0 && bits <= 8) colours = 1u << bits;
        if (Get32(dib, 16) == 3 && headerSize == 40) colours += 3;  // the bit-field masks
    }
    std::string out = "BM";
    Put32(out, std::uint32_t(14 + dib.size()));
    Put32(out, 0);
    Put32(out, std::uint32_t(14 + headerSize + colours * 4));
    return out + dib;
}

// The picture of the "{\pict" group at `open`.
Picture ReadPicture(std::string_view in, std::size_t open, std::size_t end) {
    Picture picture;
    bool metafile = false;
    long long picw = 0, pich = 0, goalw = 0, goalh = 0, scalex = 100, scaley = 100;
    int high = -1;
    std::size_t pos = open + 1;
    while (pos < end) {
        const char c = in[pos];
        if (c == '{') {  // \*\picprop, \*\blipuid: no data of the picture
            pos = GroupEnd(in, pos);
            continue;
        }
        if (c == '}') break;
        if (c == '\\') {
            ++pos;
            if (pos >= end) break;
            if (!IsLetter(in[pos])) {
                ++pos;
                continue;
            }
            const ControlWord word = ReadControlWord(in, pos);
            if (word.name == "pngblip") picture.type = Picture::Type::Png;
            else if (word.name == "jpegblip") picture.type = Picture::Type::Jpeg;
            else if (word.name == "emfblip") picture.type = Picture::Type::Emf;
            else if (word.name == "wmetafile") picture.type = Picture::Type::Wmf, metafile = true;
            else if (word.name == "dibitmap") picture.type = Picture::Type::Bitmap;
            else if (word.name == "wbitmap" || word.name == "macpict" || word.name == "pmmetafile")
                picture.type = Picture::Type::Other;
            else if (word.name == "picw") picw = word.param;
            else if (word.name == "pich") pich = word.param;
            else if (word.name == "picwgoal") goalw = word.param;
            else if (word.name == "pichgoal") goalh = word.param;
            else if (word.name == "picscalex") scalex = word.param;
            else if (word.name == "picscaley") scaley = word.param;
            else if (word.name == "bin" && word.param > 0) {
                const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(word.param), end - pos);
                picture.data.append(in.substr(pos, count));
                pos += count;
            }
            continue;
        }
        const int value = HexValue(c);
        if (value >= 0) {
            if (high < 0) high = value;
            else {
                picture.data += char(high << 4 | value);
                high = -1;
            }
        }
        ++pos;
    }
    // The size shown: the goal size scaled; else the picture's own, in
    // pixels, or for metafiles in hundredths of a millimetre.
    auto shown = [&](long long goal, long long own, long long scale) {
        long long twips = goal > 0 ? goal
                          : metafile || picture.type == Picture::Type::Emf ? own * 1440 / 2540
                                                                           : own * kTwipsPerPixel;
        if (scale > 0) twips = twips * scale / 100;
        return int(std::clamp<long long>(twips, 0, 31680));  // at most 22 inches
    };
    picture.widthTwips = shown(goalw, picw, scalex);
    picture.heightTwips = shown(goalh, pich, scaley);
    if (picture.type == Picture::Type::Wmf)
        picture.data = PlaceableMetafile(picture.data, picture.widthTwips, picture.heightTwips);
    if (picture.type == Picture::Type::Bitmap) {
        picture.data = BitmapFile(picture.data);
        if (picture.data.empty()) picture.type = Picture::Type::Other;
    }
    return picture;
}

}  // namespace

const char* ExtensionOf(Picture::Type type) {
    switch (type) {
        case Picture::Type::Png: return "png";
        case Picture::Type::Jpeg: return "jpeg";
        case Picture::Type::Emf: return "emf";
        case Picture::Type::Wmf: return "wmf";
        case Picture::Type::Bitmap: return "bmp";
        case Picture::Type::Other: break;
    }
    return "";
}

std::vector<Picture> PicturesOf(std::string_view in) {
    // Every "{\pict" group, in the order written: a \shppict's picture
    // comes before its \nonshppict fallback, an object's \result after its
    // data (read past, \bin data included).
    std::vector<Picture> pictures;
    std::size_t pos = 0;
    while (pos < in.size()) {
        const char c = in[pos];
        if (c == '{' && in.substr(pos + 1, 5) == "\\pict" && (pos + 6 >= in.size() || !IsLetter(in[pos + 6]))) {
            const std::size_t end = GroupEnd(in, pos);
            pictures.push_back(ReadPicture(in, pos, end));
            pos = end;
            continue;
        }
        ++pos;
        if (c == '\\' && pos < in.size()) {
            if (IsLetter(in[pos])) {
                const ControlWord word = ReadControlWord(in, pos);
                if (word.name == "bin") SkipBinary(in, pos, word.param);
            } else {
                ++pos;
            }
        }
    }
    return pictures;
}

}  // namespace richtext
