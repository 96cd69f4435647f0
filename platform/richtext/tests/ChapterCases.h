// Chapters as the Windows rich edit and office suites write them, each with
// what must hold of it when read, an edit, and what must hold after the edit;
// and, for the printed application, the texts it prints and the pictures it
// shows. One table for the reader and writer, the rich-text field and the
// printed application document.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/richtext/Document.h"
#include "platform/richtext/PlainText.h"
#include "platform/richtext/Picture.h"

namespace chapters {

using namespace richtext;
using ModelRun = richtext::Run;


// The head a Windows rich edit writes on a Chinese system.
inline std::string Chapter(const std::string& body, const std::string& head = "") {
    return "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
           "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
           "{\\colortbl ;\\red255\\green0\\blue0;}\r\n" +
           head + "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n" + body + "}\r\n";
}

inline const std::string kBorders = "\\clbrdrl\\brdrw10\\brdrs\\clbrdrt\\brdrw10\\brdrs";

// A table of two rows, the first with a merged heading over two cells.
inline const std::string kTable =
    "\\trowd\\trgaph108\\trleft-108\\trbrdrl\\brdrs\\brdrw10 \\clmgf" + kBorders + "\\cellx2000\\clmrg" + kBorders +
    "\\cellx5000" + kBorders + "\\cellx8000 \\pard\\intbl\\lang2052\\f0\\fs21 \\'cf\\'ee\\'c4\\'bf\\cell\\cell "
    "\\'bd\\'f0\\'b6\\'ee\\par\\'a3\\'a8\\'cd\\'f2\\'d4\\'aa\\'a3\\'a9\\cell\\row\r\n"
    "\\trowd\\trgaph108\\trleft-108\\cellx2000\\cellx5000\\cellx8000 \\pard\\intbl a\\cell b\\cell c\\cell\\row\r\n"
    "\\pard\\f0\\fs21 \\'ba\\'f3\\par\r\n";

inline const std::string kNumbered =
    "\\pard{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}\r\n"
    "\\fi-360\\li360\\f0\\fs21 \\'b5\\'da\\'d2\\'bb\\par\r\n{\\pntext\\f0 2.\\tab}\\'b5\\'da\\'b6\\'fe\\par\r\n"
    "\\pard\\'bd\\'e1\\'ca\\'f8\\par\r\n";

inline const std::string kBullets =
    "\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}\\fi-360\\li360\\f0\\fs21 "
    "\\'d2\\'bb\\par\r\n";

// A list numbered by the document's list table, as office suites write it.
inline const std::string kListTable =
    "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc39\\levelstartat1{\\leveltext\\'03\\'a3\\'a8\\'00;}"
    "{\\levelnumbers\\'02;}\\f0\\fi-420\\li420}\\listid7}}\r\n"
    "{\\*\\listoverridetable{\\listoverride\\listid7\\listoverridecount0\\ls1}}\r\n";
inline const std::string kListTableBody =
    "{\\listtext\\pard\\plain\\f0 \\'a3\\'a8\\'d2\\'bb\\'a3\\'a9\\tab}\\pard\\fi-420\\li420\\ls1\\ilvl0\\f0\\fs21 "
    "\\'c4\\'bf\\'b1\\'ea\\par\r\n";

inline const std::string kScripts =
    "\\pard\\f0\\fs21 m\\super 2\\nosupersub , H\\sub 2\\nosupersub O, 10\\up6 -6\\up0 , x\\dn4 i\\dn0 .\\par\r\n";

inline const std::string kHidden = "\\pard\\f0\\fs21 \\'bf\\'c9\\'bc\\'fb{\\v \\'d2\\'fe\\'b2\\'d8}\\'bf\\'c9\\'bc\\'fb\\par\r\n";

inline const std::string kUnknownHead = "{\\*\\revtbl {Unknown;}}\r\n{\\*\\userprops {\\propname a}\\proptype30}\r\n";
inline const std::string kUnknownBody =
    "\\pard\\f0\\fs21 a{\\*\\bkmkstart t1}b{\\*\\bkmkend t1}c{\\*\\frobnicate {x}}d\\par\r\n";

inline const std::string kBreaks = "\\pard\\f0\\fs21 PageBreakBefore\\page PageBreakAfter\\sect NextSection\\par\r\n";

inline const std::string kEffects =
    "\\pard\\f0\\fs21 Valid{\\strike Struck}{\\striked1 Twice}{\\highlight1 Marked}{\\cb1 Behind}{\\scaps Small}"
    "\\par\r\n";

// A bullet in a group of its own inside the list text, as office suites write it.
inline const std::string kNestedListText =
    "{\\listtext\\pard\\plain {\\f1 \\'b7}\\tab}\\pard\\fi-360\\li360\\ls1\\ilvl0\\f0\\fs21 \\'d2\\'bb\\par\r\n";

// A cell over two rows.
inline const std::string kVerticalMerge =
    "\\trowd\\trgaph108\\trleft-108\\clvmgf\\clbrdrt\\brdrs\\cellx2000\\cellx4000 \\pard\\intbl\\f0\\fs21 Tall\\cell Top\\cell\\row\r\n"
    "\\trowd\\trgaph108\\trleft-108\\clvmrg\\clbrdrt\\brdrs\\cellx2000\\cellx4000 \\pard\\intbl\\cell Bottom\\cell\\row\r\n"
    "\\pard Below\\par\r\n";

// A footnote with its reference mark, its text in double bytes.
inline const std::string kFootnote =
    "\\pard\\f0\\fs21 Claim{\\super\\chftn}{\\footnote \\pard\\plain \\f0\\fs18 {\\super\\chftn} Source "
    "\\'d7\\'a2\\'ca\\'cd.}Text\\par\r\n";

// An 8 by 8 pixel PNG and JPEG, as hex digits.
inline const std::string kPngHex =
    "89504e470d0a1a0a0000000d49484452000000080000000808020000004b6d29dc000000097048597300000f6100000f6101a83fa7690000002349444154081d\r\n"
    "63fcefca0007f2deffe16c26380b8d41ba040bb2b9c8a6916e144e1d0092410428dab98fd50000000049454e44ae426082\r\n";
inline const std::string kJpegHex =
    "ffd8ffe000104a46494600010101006400640000ffdb00430006040506050406060506070706080a100a0a09090a140e0f0c1017141818171416161a1d251f1a\r\n"
    "1b231c1616202c20232627292a29191f2d302d283025282928ffdb0043010707070a080a130a0a13281a161a2828282828282828282828282828282828282828\r\n"
    "282828282828282828282828282828282828282828282828282828282828ffc00011080008000803012200021101031101ffc4001f0000010501010101010100\r\n"
    "000000000000000102030405060708090a0bffc400b5100002010303020403050504040000017d01020300041105122131410613516107227114328191a10823\r\n"
    "42b1c11552d1f02433627282090a161718191a25262728292a3435363738393a434445464748494a535455565758595a636465666768696a737475767778797a\r\n"
    "838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1\r\n"
    "f2f3f4f5f6f7f8f9faffc4001f0100030101010101010101010000000000000102030405060708090a0bffc400b5110002010204040304070504040001027700\r\n"
    "0102031104052131061241510761711322328108144291a1b1c109233352f0156272d10a162434e125f11718191a262728292a35363738393a43444546474849\r\n"
    "4a535455565758595a636465666768696a737475767778797a82838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4\r\n"
    "c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4f5f6f7f8f9faffda000c03010002110311003f00c4964f331c631ef451457052a50a305082\r\n"
    "b247cce371b5f1d5e588c44b9a72b5dd92d95ba596c8ffd9\r\n";

inline std::string FromHex(const std::string& hex) {
    std::string bytes;
    int high = -1;
    for (char c : hex) {
        const int v = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (v < 0) continue;
        if (high < 0) high = v;
        else bytes += char(high << 4 | v), high = -1;
    }
    return bytes;
}

// Pictures as the Windows rich edit, Word and LibreOffice write them, each
// shown half an inch square: PNG and JPEG, a PNG as \bin bytes, a Word
// picture and one whose own picture is of a kind not shown (its fallback
// is), and an object shown by its picture.
inline std::string Pictures() {
    const std::string goal = "\\picw8\\pich8\\picwgoal720\\pichgoal720 ";
    const std::string png = FromHex(kPngHex);
    return "\\pard\\f0\\fs21 Before{\\pict\\pngblip" + goal + kPngHex + "}JPEG{\\pict\\jpegblip" + goal + kJpegHex +
           "}Binary{\\pict\\pngblip\\picwgoal720\\pichgoal720\\bin" + std::to_string(png.size()) + " " + png + "}"
           "Word{\\*\\shppict{\\pict\\pngblip" + goal + kPngHex + "}}{\\nonshppict{\\pict\\wmetafile8" + goal +
           "0100090000030c0000000000}}Fallback{\\*\\shppict{\\pict\\macpict" + goal + "00}}{\\nonshppict{\\pict\\jpegblip" +
           goal + kJpegHex + "}}Object{\\object\\objemb{\\*\\objclass Paint.Picture}\\objw8\\objh8{\\*\\objdata "
           "01050000020000000e000000}{\\result{\\pict\\pngblip" + goal + kPngHex + "}}}After\\par Second paragraph\\par\r\n";
}

// A table inside a table's cell, as Word writes it: the outer cell has a
// paragraph, the inner table of two rows (a picture in one of its cells) and
// a paragraph after it.
inline const std::string kCellBorders =
    "\\clbrdrl\\brdrw10\\brdrs\\clbrdrt\\brdrw10\\brdrs\\clbrdrr\\brdrw10\\brdrs\\clbrdrb\\brdrw10\\brdrs";
inline const std::string kInnerRow = "{\\*\\nesttableprops\\trowd\\trgaph108\\trleft0\\trkeep " + kCellBorders +
                                     "\\cellx1800" + kCellBorders + "\\cellx3600\\nestrow}{\\nonesttables\\par}\r\n";
inline const std::string kNestedTable =
    "\\trowd\\trgaph108\\trleft-108" + kCellBorders + "\\cellx4500" + kCellBorders + "\\cellx8000 "
    "\\pard\\intbl\\itap1\\f0\\fs21 OuterA1\\par\r\n"
    "\\pard\\intbl\\itap2 Inner11{\\nestcell}\\'c4\\'da\\'b2\\'e3{\\nestcell}\r\n\\pard\\intbl\\itap2 " + kInnerRow +
    "\\pard\\intbl\\itap2 Inner21{\\pict\\pngblip\\picw8\\pich8\\picwgoal720\\pichgoal720 " + kPngHex +
    "}{\\nestcell}Inner22{\\nestcell}\r\n\\pard\\intbl\\itap2 " + kInnerRow +
    "\\pard\\intbl\\itap1 AfterInner\\cell\r\n\\pard\\intbl\\itap1 OuterB1\\cell\r\n"
    "\\pard\\intbl{\\trowd\\trgaph108\\trleft-108" + kCellBorders + "\\cellx4500" + kCellBorders + "\\cellx8000\\row}\r\n"
    "\\pard\\f0\\fs21 Below\\par\r\n";

// The same chapter opened and saved by LibreOffice: the inner rows defined
// only at their ends, the outer row's definition given again before its
// last cell, and an empty cell more than the row defines.
inline const std::string kNestedTableOfLibreOffice = R"rtf({\rtf1\ansi\deff3\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\froman\fprq2\fcharset2 Symbol;}{\f2\fswiss\fprq2\fcharset0 Arial;}{\f3\froman\fprq2\fcharset0 DejaVu Serif;}{\f4\fswiss\fprq2\fcharset0 DejaVu Sans;}{\f5\froman\fprq2\fcharset128 \'91\'76\'91\'cc;}{\f6\fnil\fprq2\fcharset0 WenQuanYi Zen Hei;}{\f7\fswiss\fprq0\fcharset128 DejaVu Sans;}{\f8\fnil\fprq2\fcharset0 DejaVu Sans;}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red0\green255\blue255;\red0\green255\blue0;\red255\green0\blue255;\red255\green0\blue0;\red255\green255\blue0;\red255\green255\blue255;\red0\green0\blue128;\red0\green128\blue128;\red0\green128\blue0;\red128\green0\blue128;\red128\green0\blue0;\red128\green128\blue0;\red128\green128\blue128;\red192\green192\blue192;}
{\stylesheet{\s0\snext0\rtlch\af8\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052 Normal;}
{\s15\sbasedon0\snext16\rtlch\af8\afs28 \ltrch\hich\af4\loch\sb240\sa120\keepn\f4\fs28\dbch\af6 Heading;}
{\s16\sbasedon0\snext16\loch\sl276\slmult1\sb0\sa140 Text Body;}
{\s17\sbasedon16\snext17\rtlch\af7 \ltrch\loch\sl276\slmult1\sb0\sa140 List;}
{\s18\sbasedon0\snext18\rtlch\af7\afs24\ai \ltrch\loch\sb120\sa120\noline\fs24\i Caption;}
{\s19\sbasedon0\snext19\rtlch\af7 \ltrch\loch\noline Index;}
}{\*\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}{\info{\creatim\yr0\mo0\dy0\hr0\min0}{\revtim\yr0\mo0\dy0\hr0\min0}{\printim\yr0\mo0\dy0\hr0\min0}}{\*\userprops}\deftab720
\hyphauto1\viewscale100
{\*\pgdsctbl
{\pgdsc0\pgdscuse451\pgwsxn12240\pghsxn15840\marglsxn1440\margrsxn1440\margtsxn1440\margbsxn1440\pgdscnxt0 Default Page Style;}}
\formshade\paperh15840\paperw12240\margl1440\margr1440\margt1440\margb1440\sectd\sbknone\pgndec\sftnnar\saftnnrlc\sectunlocked1\pgwsxn12240\pghsxn15840\marglsxn1440\margrsxn1440\margtsxn1440\margbsxn1440\ftnbj\ftnstart1\ftnrstcont\ftnnar\aenddoc\aftnrstcont\aftnstart1\aftnnrlc
{\*\ftnsep\chftnsep}\trowd\trql\trleft-217\ltrrow\trpaddft3\trpaddt0\trpaddfl3\trpaddl0\trpaddfb3\trpaddb0\trpaddfr3\trpaddr0\clbrdrt\brdrs\brdrw10\brdrcf1\clbrdrl\brdrs\brdrw10\brdrcf1\clpadft3\clpadt108\clbrdrb\brdrs\brdrw10\brdrcf1\clbrdrr\brdrs\brdrw10\brdrcf1\clpadfr3\clpadr108\cellx4390\clbrdrt\brdrs\brdrw10\brdrcf1\clbrdrl\brdrs\brdrw10\brdrcf1\clpadft3\clpadt108\clbrdrb\brdrs\brdrw10\brdrcf1\clbrdrr\brdrs\brdrw10\brdrcf1\clpadfr3\clpadr108\cellx7890\pgndec\pard\plain \s0\rtlch\af8\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052\intbl\ql\ltrpar{\hich\af5\loch\fs21\f5\loch
OuterA1}
\par \pard\plain \s0\rtlch\af8\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052\intbl\itap2\ql\ltrpar{\hich\af5\loch\fs21\f5\loch
Inner11}\nestcell\pard\plain \s0\rtlch\af8\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052\intbl\itap2\ql\ltrpar{\hich\af5\loch\fs21\f5\loch
Inner12}\nestcell{\*\nesttableprops\trowd\trql\trleft5\ltrrow\trpaddft3\trpaddt0\trpaddfl3\trpaddl0\trpaddfb3\trpaddb0\trpaddfr3\trpaddr0\clbrdrt\brdrs\brdrw10\brdrcf1\clbrdrl\brdrs\brdrw10\brdrcf1\clpadft3\clpadt108\clbrdrb\brdrs\brdrw10\brdrcf1\clbrdrr\brdrs\brdrw10\brdrcf1\clpadfr3\clpadr108\cellx1805\clbrdrt\brdrs\brdrw10\brdrcf1\clbrdrl\brdrs\brdrw10\brdrcf1\clpadft3\clpadt108\clbrdrb\brdrs\brdrw10\brdrcf1\clbrdrr\brdrs\brdrw10\brdrcf1\clpadfr3\clpadr108\cellx3604\nestrow}{\nonesttables\par}\pard\plain \s0\rtlch\af8\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052\intbl\itap2\ql\ltrpar{\hich\af5\loch\fs21\f5\loch
Inner21}\nestcell\pard\plain \s0\rtlch\af8\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052\intbl\itap2\ql\ltrpar{\hich\af5\loch\fs21\f5\loch
Inner22}\nestcell{\*\nesttableprops\trowd\trql\trleft5\ltrrow\trpaddft3\trpaddt0\trpaddfl3\trpaddl0\trpaddfb3\trpaddb0\trpaddfr3\trpaddr0\clbrdrt\brdrs\brdrw10\brdrcf1\clbrdrl\brdrs\brdrw10\brdrcf1\clpadft3\clpadt108\clbrdrb\brdrs\brdrw10\brdrcf1\clbrdrr\brdrs\brdrw10\brdrcf1\clpadfr3\clpadr108\cellx1805\clbrdrt\brdrs\brdrw10\brdrcf1\clbrdrl\brdrs\brdrw10\brdrcf1\clpadft3\clpadt108\clbrdrb\brdrs\brdrw10\brdrcf1\clbrdrr\brdrs\brdrw10\brdrcf1\clpadfr3\clpadr108\cellx3604\nestrow}{\nonesttables\par}\pard\plain \s0\rtlch\af8\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052\intbl\ql\ltrpar{\hich\af5\loch\fs21\f5\loch
AfterInner}\cell\trowd\trql\trleft-217\ltrrow\trpaddft3\trpaddt0\trpaddfl3\trpaddl0\trpaddfb3\trpaddb0\trpaddfr3\trpaddr0\clbrdrt\brdrs\brdrw10\brdrcf1\clbrdrl\brdrs\brdrw10\brdrcf1\clpadft3\clpadt108\clbrdrb\brdrs\brdrw10\brdrcf1\clbrdrr\brdrs\brdrw10\brdrcf1\clpadfr3\clpadr108\cellx4390\clbrdrt\brdrs\brdrw10\brdrcf1\clbrdrl\brdrs\brdrw10\brdrcf1\clpadft3\clpadt108\clbrdrb\brdrs\brdrw10\brdrcf1\clbrdrr\brdrs\brdrw10\brdrcf1\clpadfr3\clpadr108\cellx7890\pard\plain \s0\rtlch\af8\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052\intbl\ql\ltrpar{\hich\af5\loch\fs21\f5\loch
OuterB1}\cell\cell\row\pard\pard\plain \s0\rtlch\af8\afs24\alang1081 \ltrch\lang1033\langfe2052\hich\af3\loch\nowidctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1033\kerning1\dbch\af6\langfe2052\ql\ltrpar{\hich\af5\loch\fs21\f5\loch
Below}
\par })rtf";

inline const std::vector<ModelRun>& Runs(const Document& d, std::size_t p) { return d.paragraphs.at(p).runs; }
inline std::string TextOf(const Paragraph& p) {
    std::string text;
    for (const ModelRun& r : p.runs)
        if (r.kind == ModelRun::Kind::Text) text += r.text;
    return text;
}

// The text's paragraphs and tables: a table in brackets, each row in
// brackets, cells apart by '|', blocks apart by a blank.
inline std::string Shape(const std::vector<Block>& blocks) {
    std::string out;
    for (const Block& b : blocks) {
        if (!out.empty()) out += ' ';
        if (!b.table) {
            out += TextOf(*b.paragraph);
            continue;
        }
        out += '[';
        for (const TableRows::Row& row : b.table->rows) {
            out += '[';
            for (std::size_t c = 0; c < row.cells.size(); ++c) out += (c ? "|" : "") + Shape(row.cells[c]);
            out += ']';
        }
        out += ']';
    }
    return out;
}

// Tables standing inside a table's cell.
inline int TablesInCells(const std::vector<Block>& blocks, bool inCell = false) {
    int count = 0;
    for (const Block& b : blocks)
        if (b.table) {
            count += inCell ? 1 : 0;
            for (const TableRows::Row& row : b.table->rows)
                for (const std::vector<Block>& cell : row.cells) count += TablesInCells(cell, true);
        }
    return count;
}

// The checks of a chapter holding the outer table of kNestedTable.
inline void CheckNestedTable(const Document& d, const std::string& secondInner) {
    EXPECT_EQ(Shape(Blocks(d.paragraphs)),
              "[[OuterA1 [[Inner11|" + secondInner + "][Inner21|Inner22]] AfterInner|OuterB1]] Below");
    ASSERT_EQ(d.paragraphs.size(), 8u);
    const std::vector<int> nesting = {0, 1, 1, 1, 1, 0, 0};
    for (std::size_t i = 0; i < nesting.size(); ++i) {
        EXPECT_TRUE(d.paragraphs[i].format.inTable) << i;
        EXPECT_EQ(d.paragraphs[i].format.nesting, nesting[i]) << i;
    }
    EXPECT_FALSE(d.paragraphs[7].format.inTable);
    // The inner rows and the outer one with their definitions.
    for (std::size_t i : {2, 4}) {
        ASSERT_TRUE(d.paragraphs[i].endsRow) << i;
        ASSERT_EQ(d.paragraphs[i].endsRow->cells.size(), 2u);
        EXPECT_LT(d.paragraphs[i].endsRow->cells[1].rightTwips, 4000);
    }
    ASSERT_TRUE(d.paragraphs[6].endsRow);
    ASSERT_EQ(d.paragraphs[6].endsRow->cells.size(), 2u);
    EXPECT_GT(d.paragraphs[6].endsRow->cells[1].rightTwips, 7000);
    EXPECT_NE(d.paragraphs[6].endsRow->cells[0].otherWords.find("\\clbrdrt"), std::string::npos);
    EXPECT_FALSE(d.paragraphs[0].endsCell || d.paragraphs[0].endsRow || d.paragraphs[5].endsRow);
    EXPECT_TRUE(d.paragraphs[5].endsCell);
    // As plain text the inner rows are lines of their own.
    EXPECT_EQ(PlainText(d), "OuterA1\r\nInner11\t" + secondInner +
                                "\t\r\nInner21\tInner22\t\r\nAfterInner\tOuterB1\t\r\nBelow");
}

struct Case {
    const char* name;
    std::string rtf;
    std::function<void(const Document&)> check;  // holds before and after the edit
    std::function<void(Document&)> edit;
    std::function<void(const Document&)> checkEdit;
    // Printed in the application document: texts each found on a page
    // (blanks ignored), texts each on a page of its own, pieces of the Word
    // document's XML, and the pictures shown.
    std::vector<std::string> printed = {};
    std::vector<std::string> pagesApart = {};
    std::vector<std::string> wordXml = {};
    int pictures = 0;
    int tablesInCells = 0;
};

inline const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"table with merged cells", Chapter(kTable),
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 8u);
             for (int i = 0; i < 7; ++i) EXPECT_TRUE(d.paragraphs[i].format.inTable) << i;
             EXPECT_FALSE(d.paragraphs[7].format.inTable);
             EXPECT_EQ(TextOf(d.paragraphs[0]), "项目");
             EXPECT_TRUE(d.paragraphs[0].endsCell && d.paragraphs[1].endsCell);
             EXPECT_TRUE(d.paragraphs[1].runs.empty());  // the merged cell
             EXPECT_EQ(TextOf(d.paragraphs[2]), "金额");
             EXPECT_FALSE(d.paragraphs[2].endsCell);     // a second paragraph in the cell follows
             EXPECT_EQ(TextOf(d.paragraphs[3]), "（万元）");
             ASSERT_TRUE(d.paragraphs[3].endsRow);
             const TableRow& row = *d.paragraphs[3].endsRow;
             EXPECT_EQ(row.gapTwips, 108);
             EXPECT_EQ(row.leftTwips, -108);
             EXPECT_EQ(row.otherWords, "\\trbrdrl\\brdrs\\brdrw10");
             ASSERT_EQ(row.cells.size(), 3u);
             EXPECT_EQ(row.cells[0], (TableCell{2000, TableCell::Merge::First, TableCell::Merge::None, kBorders}));
             EXPECT_EQ(row.cells[1], (TableCell{5000, TableCell::Merge::Continued, TableCell::Merge::None, kBorders}));
             EXPECT_EQ(row.cells[2], (TableCell{8000, TableCell::Merge::None, TableCell::Merge::None, kBorders}));
             EXPECT_FALSE(d.paragraphs[4].endsRow);
             ASSERT_TRUE(d.paragraphs[6].endsRow);
             EXPECT_EQ(d.paragraphs[6].endsRow->cells.size(), 3u);
             EXPECT_EQ(TextOf(d.paragraphs[7]), "后");
         },
         [](Document& d) { d.paragraphs[4].runs[0].text = "甲"; },
         [](const Document& d) {
             EXPECT_EQ(TextOf(d.paragraphs[4]), "甲");
             EXPECT_EQ(PlainText(d), "项目\t\t金额\r\n（万元）\t\r\n甲\tb\tc\t\r\n后");
         }},
        {"numbered list", Chapter(kNumbered),
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 3u);
             EXPECT_EQ(d.paragraphs[0].listText, "1.");
             EXPECT_EQ(d.paragraphs[1].listText, "2.");
             EXPECT_EQ(d.paragraphs[0].format.listDefinition,
                       "{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}");
             EXPECT_EQ(d.paragraphs[1].format.listDefinition, d.paragraphs[0].format.listDefinition);
             EXPECT_EQ(d.paragraphs[0].format.firstIndentTwips, -360);
             EXPECT_EQ(TextOf(d.paragraphs[1]), "第二");
             EXPECT_TRUE(d.paragraphs[2].format.listDefinition.empty());
             EXPECT_TRUE(d.paragraphs[2].listText.empty());
         },
         [](Document& d) {
             Paragraph third = d.paragraphs[1];
             third.listText = "3.";
             third.runs[0].text = "第三";
             d.paragraphs.insert(d.paragraphs.begin() + 2, third);
         },
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 4u);
             EXPECT_EQ(d.paragraphs[2].listText, "3.");
             EXPECT_EQ(TextOf(d.paragraphs[2]), "第三");
         }},
        {"bullets in the symbol font", Chapter(kBullets),
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 1u);
             EXPECT_EQ(d.paragraphs[0].listText, "·");
             EXPECT_EQ(d.paragraphs[0].listTextFormat.face, "Symbol");
             EXPECT_NE(d.paragraphs[0].format.listDefinition.find("\\pnlvlblt\\pnf1"), std::string::npos);
         },
         [](Document& d) { d.paragraphs[0].runs[0].format.bold = true; },
         [](const Document& d) { EXPECT_TRUE(Runs(d, 0)[0].format.bold); }},
        {"list of the list table", Chapter(kListTableBody, kListTable),
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 1u);
             EXPECT_EQ(d.paragraphs[0].listText, "（一）");
             EXPECT_EQ(d.paragraphs[0].format.listOverride, 1);
             EXPECT_EQ(d.paragraphs[0].format.listLevel, 0);
             ASSERT_EQ(d.headerGroups.size(), 2u);
             EXPECT_EQ(d.headerGroups[0] + "\r\n" + d.headerGroups[1] + "\r\n", kListTable);
         },
         [](Document& d) { d.paragraphs[0].runs[0].text += "和内容"; },
         [](const Document& d) { EXPECT_EQ(TextOf(d.paragraphs[0]), "目标和内容"); }},
        {"raised and lowered text", Chapter(kScripts),
         [](const Document& d) {
             const auto& runs = Runs(d, 0);
             ASSERT_EQ(runs.size(), 9u);
             EXPECT_EQ(runs[1].text, "2");
             EXPECT_EQ(runs[1].format.script, CharFormat::Script::Super);
             EXPECT_EQ(runs[2].format.script, CharFormat::Script::Normal);
             EXPECT_EQ(runs[3].text, "2");
             EXPECT_EQ(runs[3].format.script, CharFormat::Script::Sub);
             EXPECT_EQ(runs[5].text, "-6");
             EXPECT_EQ(runs[5].format.raiseTwips, 60);
             EXPECT_EQ(runs[7].text, "i");
             EXPECT_EQ(runs[7].format.raiseTwips, -40);
             EXPECT_EQ(runs[8].format.raiseTwips, 0);
         },
         [](Document& d) { d.paragraphs[0].runs[1].text = "3"; },
         [](const Document& d) {
             EXPECT_EQ(Runs(d, 0)[1].text, "3");
             EXPECT_EQ(Runs(d, 0)[1].format.script, CharFormat::Script::Super);
         }},
        {"hidden text", Chapter(kHidden),
         [](const Document& d) {
             const auto& runs = Runs(d, 0);
             ASSERT_EQ(runs.size(), 3u);
             EXPECT_EQ(runs[1].text, "隐藏");
             EXPECT_TRUE(runs[1].format.hidden);
             EXPECT_FALSE(runs[0].format.hidden || runs[2].format.hidden);
         },
         [](Document& d) { d.paragraphs[0].runs[2].text = "再见"; },
         [](const Document& d) { EXPECT_TRUE(Runs(d, 0)[1].format.hidden); }},
        {"groups the model does not represent", Chapter(kUnknownBody, kUnknownHead),
         [](const Document& d) {
             ASSERT_EQ(d.headerGroups.size(), 2u);
             EXPECT_EQ(d.headerGroups[0], "{\\*\\revtbl {Unknown;}}");
             EXPECT_EQ(d.headerGroups[1], "{\\*\\userprops {\\propname a}\\proptype30}");
             const auto& runs = Runs(d, 0);
             ASSERT_EQ(runs.size(), 7u);
             EXPECT_EQ(runs[1], (ModelRun{ModelRun::Kind::Group, runs[0].format, "{\\*\\bkmkstart t1}"}));
             EXPECT_EQ(runs[5].text, "{\\*\\frobnicate {x}}");
             EXPECT_EQ(PlainText(d), "abcd");
         },
         [](Document& d) { d.paragraphs[0].runs[0].text = "A"; },
         [](const Document& d) { EXPECT_EQ(PlainText(d), "Abcd"); }},
        {"page and section breaks", Chapter(kBreaks),
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 3u);
             EXPECT_EQ(TextOf(d.paragraphs[0]), "PageBreakBefore");
             EXPECT_EQ(d.paragraphs[0].end, Paragraph::End::Page);
             EXPECT_EQ(TextOf(d.paragraphs[1]), "PageBreakAfter");
             EXPECT_EQ(d.paragraphs[1].end, Paragraph::End::Section);
             EXPECT_EQ(d.paragraphs[2].end, Paragraph::End::Paragraph);
         },
         [](Document& d) { d.paragraphs[1].runs[0].text = "Changed"; },
         [](const Document& d) {
             EXPECT_EQ(PlainText(d), "PageBreakBefore\r\nChanged\r\nNextSection");
             EXPECT_EQ(d.paragraphs[1].end, Paragraph::End::Section);
         },
         {"PageBreakBefore", "PageBreakAfter", "NextSection"},
         {"PageBreakBefore", "PageBreakAfter", "NextSection"},
         {"<w:br w:type=\"page\"/>"}},
        {"struck, doubly struck, highlighted, shaded and small capitals", Chapter(kEffects),
         [](const Document& d) {
             const auto& runs = Runs(d, 0);
             // \highlight and \cb read alike: one run.
             ASSERT_EQ(runs.size(), 5u);
             EXPECT_EQ(runs[0].format, (CharFormat{runs[0].format.face, 210}));
             EXPECT_TRUE(runs[1].format.strike);
             EXPECT_TRUE(runs[2].format.doubleStrike && !runs[2].format.strike);
             EXPECT_EQ(runs[3].text, "MarkedBehind");
             EXPECT_EQ(runs[3].format.background, (Colour{255, 0, 0}));
             EXPECT_TRUE(runs[4].format.smallCaps);
             EXPECT_EQ(runs[4].text, "Small");
         },
         [](Document& d) { d.paragraphs[0].runs[1].text = "Gone"; },
         [](const Document& d) {
             EXPECT_EQ(Runs(d, 0)[1].text, "Gone");
             EXPECT_TRUE(Runs(d, 0)[1].format.strike);
         },
         {"ValidStruckTwiceMarkedBehind"},
         {},
         {"<w:strike/>", "<w:dstrike/>", "<w:smallCaps/>", "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"FF0000\"/>"}},
        {"a bullet in a group of the list text", Chapter(kNestedListText, kListTable),
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 1u);
             EXPECT_EQ(d.paragraphs[0].listText, "·");
             EXPECT_EQ(d.paragraphs[0].listTextFormat.face, "Symbol");
             EXPECT_EQ(TextOf(d.paragraphs[0]), "一");
         },
         [](Document& d) { d.paragraphs[0].runs[0].text = "二"; },
         [](const Document& d) { EXPECT_EQ(d.paragraphs[0].listText, "·"); },
         {"一"},
         {},
         {"w:ascii=\"Symbol\""}},
        {"a cell merged with the one below it", Chapter(kVerticalMerge),
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 5u);
             ASSERT_TRUE(d.paragraphs[1].endsRow && d.paragraphs[3].endsRow);
             EXPECT_EQ(d.paragraphs[1].endsRow->cells.at(0).verticalMerge, TableCell::Merge::First);
             EXPECT_EQ(d.paragraphs[1].endsRow->cells.at(0).otherWords, "\\clbrdrt\\brdrs");
             EXPECT_EQ(d.paragraphs[3].endsRow->cells.at(0).verticalMerge, TableCell::Merge::Continued);
             EXPECT_EQ(d.paragraphs[3].endsRow->cells.at(1).verticalMerge, TableCell::Merge::None);
             EXPECT_EQ(PlainText(d), "Tall\tTop\t\r\n\tBottom\t\r\nBelow");
         },
         [](Document& d) { d.paragraphs[3].runs[0].text = "Low"; },
         [](const Document& d) { EXPECT_EQ(d.paragraphs[3].endsRow->cells.at(0).verticalMerge, TableCell::Merge::Continued); },
         {"Tall", "Top", "Bottom", "Below"},
         {},
         {"<w:vMerge w:val=\"restart\"/>", "<w:vMerge/>"}},
        {"a table inside a table's cell", Chapter(kNestedTable),
         [](const Document& d) {
             CheckNestedTable(d, "内层");
             EXPECT_EQ(d.paragraphs[2].endsRow->otherWords, "\\trkeep");
             EXPECT_EQ(d.paragraphs[2].endsRow->leftTwips, 0);
             EXPECT_EQ(d.paragraphs[6].endsRow->leftTwips, -108);
             ASSERT_EQ(d.paragraphs[3].runs.size(), 2u);
             EXPECT_EQ(PicturesOf(d.paragraphs[3].runs[1].text).at(0).type, Picture::Type::Png);
         },
         [](Document& d) { d.paragraphs[2].runs[0].text = "Changed"; },
         [](const Document& d) { CheckNestedTable(d, "Changed"); },
         {"OuterA1", "Inner11", "内层", "Inner21", "Inner22", "AfterInner", "OuterB1", "Below"},
         {},
         {},
         1,
         1},
        {"a table inside a table's cell saved by LibreOffice", kNestedTableOfLibreOffice,
         [](const Document& d) { CheckNestedTable(d, "Inner12"); },
         [](Document& d) { d.paragraphs[0].runs[0].text = "First"; },
         [](const Document& d) {
             EXPECT_EQ(Shape(Blocks(d.paragraphs)),
                       "[[First [[Inner11|Inner12][Inner21|Inner22]] AfterInner|OuterB1]] Below");
         },
         {"OuterA1", "Inner12", "Inner21", "AfterInner", "OuterB1", "Below"},
         {},
         {},
         0,
         1},
        {"a footnote", Chapter(kFootnote),
         [](const Document& d) {
             const auto& runs = Runs(d, 0);
             ASSERT_EQ(runs.size(), 3u);
             EXPECT_EQ(runs[1].kind, ModelRun::Kind::Group);
             EXPECT_EQ(runs[1].note, "Source 注释.");
             EXPECT_EQ(PlainText(d), "ClaimText");
         },
         [](Document& d) { d.paragraphs[0].runs[2].text = "Said"; },
         [](const Document& d) { EXPECT_EQ(Runs(d, 0)[1].note, "Source 注释."); },
         {"Claim", "Text", "1 Source 注释."},
         {},
         {"<w:footnoteReference w:id=\"1\"/>"}},
        {"pictures", Chapter(Pictures()),
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 2u);
             std::vector<Picture::Type> shown;
             for (const ModelRun& r : d.paragraphs[0].runs)
                 if (r.kind == ModelRun::Kind::Object) {
                     const std::vector<Picture> pictures = PicturesOf(r.text);
                     ASSERT_FALSE(pictures.empty()) << r.text;
                     shown.push_back(pictures.back().type);
                     EXPECT_EQ(pictures.back().widthTwips, 720);
                 }
             using T = Picture::Type;
             EXPECT_EQ(shown, (std::vector<T>{T::Png, T::Jpeg, T::Png, T::Wmf, T::Jpeg, T::Png}));
             EXPECT_EQ(PlainText(d), "BeforeJPEGBinaryWordFallbackObjectAfter\r\nSecond paragraph");
         },
         [](Document& d) { d.paragraphs[1].runs[0].text = "Second"; },
         [](const Document& d) { EXPECT_EQ(PlainText(d), "BeforeJPEGBinaryWordFallbackObjectAfter\r\nSecond"); },
         {"BeforeJPEGBinaryWordFallbackObjectAfter", "Second paragraph"},
         {},
         {"<a:blip r:embed="},
         6},
    };
    return cases;
}

}  // namespace chapters
