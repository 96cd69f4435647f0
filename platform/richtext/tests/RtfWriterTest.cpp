#include "platform/richtext/RtfWriter.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/richtext/PlainText.h"
#include "platform/richtext/RtfReader.h"

using namespace richtext;
using namespace std::string_literals;

namespace {

CharFormat Format(const char* face, int sizeTwips, std::optional<Colour> colour = std::nullopt) {
    CharFormat format;
    format.face = face;
    format.sizeTwips = sizeTwips;
    format.colour = colour;
    return format;
}

CharFormat Styled(CharFormat format, bool bold, bool italic, bool underline) {
    format.bold = bold;
    format.italic = italic;
    format.underline = underline;
    return format;
}

const Colour kRed{255, 0, 0};
const Colour kGreen{0, 128, 0};

struct Sample {
    const char* name;
    std::function<Document()> build;
};

const Sample kSamples[] = {
    {"chinese paragraphs with alignments",
     [] {
         Document d;
         d.AddParagraph({Alignment::Centre}).AddText(Format("黑体", 320), "一、研究目标及研究内容");
         d.AddParagraph({Alignment::Right}).AddText(Format("宋体", 210), "单位：某研究所");
         d.AddParagraph({Alignment::Justify}).AddText(Format("仿宋_GB2312", 280), "正文，包含标点「」。");
         return d;
     }},
    {"mixed fonts and styles in one paragraph",
     [] {
         Document d;
         Paragraph& p = d.AddParagraph();
         p.AddText(Format("宋体", 210), "中文");
         p.AddText(Styled(Format("Times New Roman", 240), true, false, false), " Bold");
         p.AddText(Styled(Format("Times New Roman", 240), false, true, false), " italic");
         p.AddText(Styled(Format("Arial", 180), false, false, true), " under");
         p.AddText(Styled(Format("宋体", 210), true, true, true), "全部");
         p.AddText(Format("宋体", 210), "回到普通");
         return d;
     }},
    {"colours, repeated and automatic",
     [] {
         Document d;
         Paragraph& p = d.AddParagraph();
         p.AddText(Format("宋体", 210, kRed), "红");
         p.AddText(Format("宋体", 210, kGreen), "绿");
         p.AddText(Format("宋体", 210), "自动");
         p.AddText(Format("宋体", 210, kRed), "又红");
         d.AddParagraph().AddText(Format("宋体", 210, Colour{0, 0, 0}), "黑色不是自动");
         return d;
     }},
    {"indents",
     [] {
         Document d;
         d.AddParagraph({Alignment::Left, 580, -580}).AddText(Format("仿宋_GB2312", 280), "悬挂缩进");
         d.AddParagraph({Alignment::Left, 0, 420}).AddText(Format("宋体", 210), "首行缩进两字");
         d.AddParagraph({Alignment::Centre, 1440, 0}).AddText(Format("宋体", 210), "左缩进");
         return d;
     }},
    {"tabs, line breaks and empty paragraphs",
     [] {
         Document d;
         Paragraph& p = d.AddParagraph();
         p.AddText(Format("宋体", 210), "姓名\t张三\n职称\t研究员");
         p.AddTab(Format("宋体", 210, kRed));
         d.AddParagraph();
         d.AddParagraph().AddText(Format("宋体", 210), "after an empty one");
         d.AddParagraph({Alignment::Centre});
         return d;
     }},
    {"characters GBK cannot hold and RTF specials",
     [] {
         Document d;
         d.AddParagraph().AddText(Format("Arial", 240), "한국어 😀 € é ¥ \\ { } ; x");
         d.AddParagraph().AddText(Format("Segoe;UI", 240), "face with a semicolon");
         return d;
     }},
    {"an embedded picture between text",
     [] {
         Document d;
         Paragraph& p = d.AddParagraph();
         p.AddText(Format("宋体", 210), "图");
         p.AddObject(Format("宋体", 210), "{\\pict\\wmetafile8\\picw10\\pich10 0100\r\n0900\\bin2 }{}");
         p.AddText(Format("宋体", 210), "说明");
         return d;
     }},
    {"no paragraphs", [] { return Document{}; }},
};

}  // namespace

TEST(RtfWriter, ModelSurvivesWriteAndRead) {
    for (const Sample& sample : kSamples) {
        const Document original = sample.build();
        const std::string rtf = WriteRtf(original);
        EXPECT_EQ(ReadRtf(rtf), original) << sample.name << "\n" << rtf;
        EXPECT_EQ(WriteRtf(ReadRtf(rtf)), rtf) << sample.name;
    }
}

TEST(RtfWriter, WritesTheRichEditForm) {
    Document d;
    Paragraph& p = d.AddParagraph({Alignment::Centre, 0, 420});
    p.AddText(Format("宋体", 210, kRed), "你好");
    p.AddText(Styled(Format("宋体", 210, kRed), true, false, false), "a😀");
    const std::string rtf = WriteRtf(d);
    EXPECT_EQ(rtf,
              "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
              "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\r\n"
              "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
              "\\viewkind4\\uc1\\pard\\qc\\fi420\\fs21\\cf1\\'c4\\'e3\\'ba\\'c3\\b a\\u-10179?\\u-8704?\\par\r\n"
              "}\r\n");
}

TEST(RtfWriter, TextWithoutAFaceIsWrittenInTheDefaultFace) {
    Document d;
    d.AddParagraph().AddText(CharFormat{}, "x");
    const Document back = ReadRtf(WriteRtf(d));
    ASSERT_EQ(back.paragraphs.size(), 1u);
    EXPECT_EQ(back.paragraphs[0].runs[0].format.face, DefaultFace());
}

TEST(RtfWriter, PictureReadFromARichEditIsWrittenBackByteForByte) {
    const std::string picture =
        "{\\pict{\\*\\picprop\\shplid1025{\\sp{\\sn shapeType}{\\sv 75}}}\\picscalex100\\wmetafile8"
        "\\picw1323\\pich1323\\picwgoal750\\pichgoal750 \r\n"
        "010009000003e200000000b900000000000400000003010800050000000b0200000000\r\n"
        "0500000006020000000000\\bin6 \x01{}\\\x00\xff"
        "}"s;  // the \bin data holds braces, a backslash and a zero byte
    const std::string rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
                            "\\viewkind4\\uc1\\pard\\f0\\fs21 \\'cd\\'bc" + picture + "\\par}";
    const std::string written = WriteRtf(ReadRtf(rtf));
    EXPECT_NE(written.find(picture), std::string::npos);
    const Document again = ReadRtf(written);
    ASSERT_EQ(again.paragraphs.size(), 1u);
    ASSERT_EQ(again.paragraphs[0].runs.size(), 2u);
    EXPECT_EQ(again.paragraphs[0].runs[1].text, picture);
    EXPECT_EQ(PlainText(again), "图");
}
