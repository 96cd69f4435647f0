// The data behind the Word handles and the helpers that work on the
// WordprocessingML tree: characters of a paragraph, runs and their formats,
// walking paragraphs and table cells in reading order. Internal to
// platform/office.
#pragma once

#include <libxml/tree.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/office/Package.h"
#include "platform/office/Xml.h"

namespace office::word {

// Character format of a run or a paragraph mark; an unset field inherits.
struct RunFormat {
    std::optional<std::string> font;
    std::optional<double> size;  // points
    std::optional<bool> bold, italic, underline;
    std::optional<std::string> colour;  // "RRGGBB"
    bool operator==(const RunFormat&) const = default;
};

RunFormat ReadRunFormat(xmlNode* rPr);
// Replaces the <w:rPr> of a run (or of a paragraph's <w:pPr>) by the format.
void WriteRunFormat(xmlNode* owner, const RunFormat& format);

// A place in a story: a paragraph and a character offset in it. rowEnd marks
// the stop after the last cell of a row, which character moves pass through.
struct Position {
    xmlNode* para = nullptr;
    int offset = 0;
    bool rowEnd = false;
};

struct DocData {
    Package package;
    std::string mainPart = "word/document.xml";
    xml::DocPtr main;
    std::map<std::string, xml::DocPtr> footers;  // part name -> footer tree
    Position pos;
    xmlNode* selectedRow = nullptr;  // set by SelectRow until the next move
    RunFormat format;                // what typing at the cursor uses
    bool inFooter = false;
    Position mainPos;  // where SeekView returns to
    int seekSection = 0;
    std::string fullName, lastError, templateName;
    std::string title;  // what the document is, names the scratch file before the template does
    bool dirty = false;
    bool handedOver = false;

    xmlNode* Body() const;
    // Paragraph-ending section properties in order, the body's last one last.
    std::vector<xmlNode*> Sections() const;
};

struct AppData {
    std::vector<std::shared_ptr<DocData>> docs;
    std::shared_ptr<DocData> active;
    bool visible = false;
    bool quit = false;
    std::string lastError;
};

// ------------------------------------------------------------- tree helpers

bool IsW(const xmlNode* node, const char* name);
xmlNode* NewW(xmlNode* context, const char* name);
void SetVal(xmlNode* node, const char* attribute, const std::string& value);
// The child of that name, created in the schema's order when missing.
xmlNode* EnsureChild(xmlNode* parent, const char* name);
xmlNode* Ancestor(xmlNode* node, const char* name);
// The body (main story) or the root of a header or footer.
xmlNode* StoryRoot(xmlNode* node);
// The child of the story root that holds the node.
xmlNode* TopBlock(xmlNode* node);

int ParaLength(xmlNode* p);
// Text of a paragraph: line break "\v", page break "\f", tab "\t".
std::string ParaText(xmlNode* p);
// Makes a run boundary at the offset; returns the run the boundary is
// before, or null when it is the end of the paragraph.
xmlNode* SplitAt(xmlNode* p, int offset);
// The run holding the character before the offset (or after it at 0).
xmlNode* RunAt(xmlNode* p, int offset);
// Offsets just after each page-break character of the paragraph.
std::vector<int> PageBreakOffsets(xmlNode* p);
// Removes the character after the offset.
void DeleteCharAt(xmlNode* p, int offset);
// A paragraph copying p's paragraph properties without its section break.
xmlNode* CloneParagraphShell(xmlNode* p);

xmlNode* FirstPara(xmlNode* block);
xmlNode* LastPara(xmlNode* block);
xmlNode* NextPara(xmlNode* p);
xmlNode* PrevPara(xmlNode* p);

// Cells of a row in reading order, skipping continuations of vertical merges.
std::vector<xmlNode*> CellsOf(xmlNode* tr);
xmlNode* NextCell(xmlNode* tc);
xmlNode* PrevCell(xmlNode* tc);
// A copy of the row with every cell emptied to one paragraph that keeps the
// cell's first paragraph format.
xmlNode* EmptyCopyOfRow(xmlNode* tr);
// Grid column where a cell starts and the number it spans.
int GridStart(xmlNode* tc);
int GridSpan(xmlNode* tc);

// ------------------------------------------------------------- files (WordFile.cpp)

bool LoadDocument(const std::string& path, DocData& doc, std::string& error);
void NewDocument(DocData& doc);
bool SaveDocument(DocData& doc, const std::string& path, std::string& error);
// Inserts paragraphs and tables (children of a container in any tree) at
// the cursor: a first paragraph joins the text before the cursor, the cursor
// ends at the start of the text that followed it (WordInsert.cpp).
void InsertBlocksAt(DocData& doc, xmlNode* sourceContainer);
// Reads an RTF or .docx file into blocks and inserts them at the cursor.
bool InsertFileAt(DocData& doc, const std::string& path, std::string& error);
// A new empty footer part for the document; returns its relationship id.
std::string AddFooterPart(DocData& doc, xmlNode* copyFrom, std::string& partName);
// The footer part a relationship id of the main part names.
std::string FooterPartOf(const DocData& doc, const std::string& relId);

}  // namespace office::word
