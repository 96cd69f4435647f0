#include "platform/richtext/PlainText.h"

#include <gtest/gtest.h>

using namespace richtext;
// Inside a test body plain `Run` names the fixture's own Run().
using ModelRun = richtext::Run;

TEST(PlainText, TwoParagraphsAreJoinedByCrLfWithNoneAfterTheLast) {
    Document d;
    d.AddParagraph().AddText(CharFormat{}, "第一段");
    d.AddParagraph({Alignment::Centre}).AddText(CharFormat{}, "第二段");
    EXPECT_EQ(PlainText(d), "第一段\r\n第二段");
}

TEST(PlainText, OfRtfAsARichEditShowsIt) {
    struct Case { const char* rtf; const char* text; } cases[] = {
        {R"({\rtf1\ansi abc\par})", "abc"},                  // the final \par adds no empty paragraph
        {R"({\rtf1\ansi abc\par\par})", "abc\r\n"},
        {R"({\rtf1\ansi abc\par def})", "abc\r\ndef"},
        {R"({\rtf1\ansi})", ""},
        {R"({\rtf1\ansi \par})", ""},
        {R"({\rtf1\ansi a\tab b\line c\par})", "a\tb\r\nc"},
        {"{\\rtf1\\ansi a\tb\r\nc\\\r\nd}", "a\tbc\r\nd"},  // a literal tab; backslash-newline is \par
        {R"({\rtf1\ansi x{\pict\wmetafile8 0102}y\par})", "xy"},
        {R"({\rtf1\ansi a\cell b\cell\row c})", "a\tb\t\r\nc"},
        {R"({\rtf1\ansi \ldblquote q\rdblquote\emdash\bullet})", "“q”—•"},
    };
    for (const auto& c : cases) EXPECT_EQ(PlainTextOfRtf(c.rtf), c.text) << c.rtf;
}

TEST(Paragraph, AddTextSplitsTabsAndLineBreaksAndJoinsLikeText) {
    CharFormat plain;
    CharFormat bold;
    bold.bold = true;
    Paragraph p;
    p.AddText(plain, "a\tb\r\nc");
    p.AddText(plain, "d\re\n");
    p.AddText(bold, "f");
    p.AddText(bold, "");
    const std::vector<ModelRun> expected = {
        {ModelRun::Kind::Text, plain, "a"},      {ModelRun::Kind::Tab, plain, ""},
        {ModelRun::Kind::Text, plain, "b"},      {ModelRun::Kind::LineBreak, plain, ""},
        {ModelRun::Kind::Text, plain, "cd"},     {ModelRun::Kind::LineBreak, plain, ""},
        {ModelRun::Kind::Text, plain, "e"},      {ModelRun::Kind::LineBreak, plain, ""},
        {ModelRun::Kind::Text, bold, "f"},
    };
    EXPECT_EQ(p.runs, expected);
}
