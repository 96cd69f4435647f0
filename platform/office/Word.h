// A Word-like object model over .docx files: the application, documents
// added from a template, and a Selection that fills them by typing and
// moving, as the system drives Word: fonts and paragraph formats at the
// cursor, moves by character, paragraph ("line"), table cell and story,
// jumps to the next table or page, rows inserted and merged, cell borders,
// breaks, files (RTF or .docx) inserted at the cursor, section footers.
//
// Moves work on the document model: a "line" is a paragraph; moving right by
// cell from the last cell of a table adds a row; a "page" starts after an
// explicit page or section break. Cells the system types into are empty in
// our templates, so the cursor lands at the start of a cell.
//
//   auto word = office::word::Application::Create();
//   if (!word) { /* "Word服务程序启动失败！" */ }
//   word->Documents().Add(folder + "\\模板\\未获资助通知.doc");
//   auto sel = word->Selection();
//   sel.GoToNext(office::word::wdGoToTable);
//   sel.MoveRight(office::word::wdCell, 3);
//   sel.MoveRight(office::word::wdCell);      // a new row from the last cell
//   sel.TypeText("1");
//   word->SetVisible(true);                     // handed to the desktop when released
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace office::word {

// Constants of the automation interface, by their values.
enum : int {
    wdCharacter = 1,
    wdLine = 5,
    wdStory = 6,
    wdCell = 12,
    wdMove = 0,
    wdGoToPage = 1,
    wdGoToTable = 2,
    wdSectionBreakNextPage = 2,
    wdPageBreak = 7,
    wdSeekMainDocument = 0,
    wdSeekCurrentPageFooter = 10,
    wdAlignParagraphLeft = 0,
    wdAlignParagraphCenter = 1,
    wdAlignParagraphRight = 2,
    wdAlignParagraphJustify = 3,
    wdBorderTop = -1,
    wdBorderLeft = -2,
    wdBorderBottom = -3,
    wdBorderRight = -4,
    wdLineStyleNone = 0,
    wdLineStyleSingle = 1,
    wdLineStyleDouble = 7,
    wdLineWidth050pt = 4,
    wdLineWidth150pt = 12,
    wdFormatDocument = 0,
    wdDoNotSaveChanges = 0,
};

struct AppData;
struct DocData;

// Character format at the selection: with a collapsed selection it applies
// to what is typed next (and to an empty paragraph's mark), with a selected
// row to all of the row's text.
class Font {
public:
    void SetName(std::string_view name) const;
    std::string Name() const;
    void SetSize(double points) const;
    double Size() const;
    void SetBold(bool on) const;
    bool Bold() const;

private:
    friend class Selection;
    explicit Font(std::shared_ptr<AppData> app) : app_(std::move(app)) {}
    std::shared_ptr<AppData> app_;
};

// Paragraph format of the paragraphs of the selection.
class Paragraphs {
public:
    // wdAlignParagraphLeft/Center/Right/Justify; other values are ignored.
    void SetAlignment(int alignment) const;
    int Alignment() const;
    // Points; negative hangs.
    void SetFirstLineIndent(double points) const;
    double FirstLineIndent() const;

private:
    friend class Selection;
    explicit Paragraphs(std::shared_ptr<AppData> app) : app_(std::move(app)) {}
    std::shared_ptr<AppData> app_;
};

// One edge of the selected table cells. Invalid for an index that is not an
// edge (wdBorderTop, wdBorderLeft, wdBorderBottom, wdBorderRight) or outside
// a table; setting then does nothing and returns false.
class Border {
public:
    bool IsValid() const { return app_ != nullptr; }
    bool SetLineStyle(int style) const;  // wdLineStyleNone, wdLineStyleSingle, ...
    int LineStyle() const;
    bool SetLineWidth(int width) const;  // eighths of a point: wdLineWidth150pt = 12
    int LineWidth() const;

private:
    friend class Borders;
    Border(std::shared_ptr<AppData> app, int edge) : app_(std::move(app)), edge_(edge) {}
    Border() = default;
    std::shared_ptr<AppData> app_;
    int edge_ = 0;
};

class Borders {
public:
    Border Item(int index) const;

private:
    friend class Selection;
    explicit Borders(std::shared_ptr<AppData> app) : app_(std::move(app)) {}
    std::shared_ptr<AppData> app_;
};

class Cells {
public:
    // Merges the cells of the selected row into one; false without one.
    bool Merge() const;

private:
    friend class Selection;
    explicit Cells(std::shared_ptr<AppData> app) : app_(std::move(app)) {}
    std::shared_ptr<AppData> app_;
};

// The footer the selection is in (after SeekView = wdSeekCurrentPageFooter).
class HeaderFooter {
public:
    // False copies the previous section's footer into this section and
    // unlinks it, so later typing changes this section only; true links it
    // again. False when the selection is not in a footer.
    bool SetLinkToPrevious(bool link) const;
    bool LinkToPrevious() const;

private:
    friend class Selection;
    explicit HeaderFooter(std::shared_ptr<AppData> app) : app_(std::move(app)) {}
    std::shared_ptr<AppData> app_;
};

class Selection {
public:
    // "\n" is a line break; "\r\n" or "\r" ends a paragraph; "\t" a tab.
    void TypeText(std::string_view text) const;
    // Ends the paragraph at the cursor; the new one keeps its formats.
    void TypeParagraph() const;
    void TypeBackspace() const;
    // wdPageBreak or wdSectionBreakNextPage; false for other types or where
    // the break cannot go (a section break in a table or footer).
    bool InsertBreak(int type = wdPageBreak) const;
    // Inserts an RTF file (with its formats) or a .docx (a ".doc" name is read
    // as ".docx") at the cursor, also inside a table cell; the cursor ends
    // after the inserted paragraphs. False with the document's LastError when
    // the file cannot be read.
    bool InsertFile(std::string_view path) const;

    // Moves return how many units were moved.
    int MoveRight(int unit = wdCharacter, int count = 1, int extend = wdMove) const;
    int MoveLeft(int unit = wdCharacter, int count = 1, int extend = wdMove) const;
    int MoveDown(int unit = wdLine, int count = 1, int extend = wdMove) const;
    int MoveUp(int unit = wdLine, int count = 1, int extend = wdMove) const;
    // wdLine: start or end of the paragraph; wdStory: of the story.
    int HomeKey(int unit = wdLine, int extend = wdMove) const;
    int EndKey(int unit = wdLine, int extend = wdMove) const;
    // wdGoToTable: the first cell of the next (previous) table; wdGoToPage:
    // the start of the next (previous) page. False when there is none.
    bool GoToNext(int what) const;
    bool GoToPrevious(int what) const;

    // Inserts empty rows shaped like the cursor's row above it; the cursor
    // goes to the first cell of the first new row.
    bool InsertRowsAbove(int count) const;
    bool SelectRow() const;
    word::Cells Cells() const { return word::Cells(app_); }
    word::Borders Borders() const { return word::Borders(app_); }
    word::Font Font() const { return word::Font(app_); }
    word::Paragraphs Paragraphs() const { return word::Paragraphs(app_); }
    word::HeaderFooter HeaderFooter() const { return word::HeaderFooter(app_); }

    // Whether the cursor is in a table, and the text of its paragraph.
    bool InTable() const;
    std::string ParagraphText() const;

private:
    friend class Application;
    explicit Selection(std::shared_ptr<AppData> app) : app_(std::move(app)) {}
    std::shared_ptr<AppData> app_;
};

class View {
public:
    // wdSeekCurrentPageFooter moves the selection into the footer of its
    // section (creating an empty one when the document has none);
    // wdSeekMainDocument returns to where it was.
    void SetSeekView(int view) const;
    int SeekView() const;
    // From a section's footer to the next section's footer; false at the last.
    bool NextHeaderFooter() const;

private:
    friend class Pane;
    explicit View(std::shared_ptr<AppData> app) : app_(std::move(app)) {}
    std::shared_ptr<AppData> app_;
};

class Pane {
public:
    word::View View() const { return word::View(app_); }

private:
    friend class Window;
    explicit Pane(std::shared_ptr<AppData> app) : app_(std::move(app)) {}
    std::shared_ptr<AppData> app_;
};

class Window {
public:
    Pane ActivePane() const { return Pane(app_); }

private:
    friend class Application;
    explicit Window(std::shared_ptr<AppData> app) : app_(std::move(app)) {}
    std::shared_ptr<AppData> app_;
};

// Read access to a document's content as Word's object model gives it.
class Document {
public:
    Document() = default;
    bool IsValid() const { return doc_ != nullptr; }

    // Writes the document as .docx (a ".doc" path is stored as ".docx");
    // replaces an existing file. False with LastError on failure.
    bool SaveAs(std::string_view path, int fileFormat = wdFormatDocument) const;
    std::string FullName() const;
    bool Saved() const;
    // What the document is ("五年指南"): the name it is handed to the desktop
    // under, with the date (ScratchPath).
    void SetTitle(const std::string& title) const;
    std::string LastError() const;

    // The main text: paragraphs end with "\r", line breaks are "\v", page
    // breaks "\f", tabs "\t"; a table cell's text ends with "\a" and a row
    // with "\r\a".
    std::string Text() const;
    int TableCount() const;  // tables of the main text, not nested ones
    int RowCount(int table) const;
    // Paragraphs of one cell joined by "\r"; 1-based, cells counted as Word
    // counts them in the row.
    std::string CellText(int table, int row, int column) const;
    int SectionCount() const;
    // Text of the footer in force in a section (1-based), paragraphs joined by "\r".
    std::string FooterText(int section) const;
    bool FooterLinkedToPrevious(int section) const;

private:
    friend class Documents;
    friend class Application;
    explicit Document(std::shared_ptr<DocData> doc) : doc_(std::move(doc)) {}
    std::shared_ptr<DocData> doc_;
};

class Documents {
public:
    // A new document from the template (a ".doc" name is read as ".docx"),
    // or an empty one; it becomes the active document and the selection
    // starts at its beginning. Invalid when the template cannot be read;
    // the application's LastError says why.
    Document Add(std::string_view templatePath = {}, bool newTemplate = false, int documentType = 0,
                 bool visible = true) const;
    int Count() const;
    Document Item(int index) const;
    // Closes the document without saving (Word's Document.Close with
    // wdDoNotSaveChanges): the application lets it go, nothing is handed
    // over, and its memory is freed with the last Document naming it. The
    // last document still open becomes the active one. False when it is not
    // open in this application.
    bool Close(const Document& document) const;

private:
    friend class Application;
    explicit Documents(std::shared_ptr<AppData> app) : app_(std::move(app)) {}
    std::shared_ptr<AppData> app_;
};

class Application {
public:
    // Starts the server "word.Application"; null when it cannot be started.
    static std::unique_ptr<Application> Create();
    // Releasing a visible application hands every open document to the
    // desktop: one the system did not save is written to a scratch file under
    // the program folder's "output" and opened with the default program.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    word::Documents Documents() const { return word::Documents(app_); }
    word::Selection Selection() const { return word::Selection(app_); }
    word::Window ActiveWindow() const { return word::Window(app_); }
    Document ActiveDocument() const;
    void SetVisible(bool visible);
    bool Visible() const;
    // Closes every document without saving; nothing is handed over.
    void Quit(int saveChanges = wdDoNotSaveChanges, int originalFormat = 0, bool routeDocument = false);
    std::string LastError() const;

private:
    Application();
    std::shared_ptr<AppData> app_;
};

// Paper sizes of generated documents (portrait; B sizes as office suites in
// China offer them, JIS).
enum class PaperSize { A4, A3, B4, B5 };

// Writes a .docx whose body is the given WordprocessingML (the children of
// <w:body> before the section properties, prefix "w"), with a page of the
// given size, the system's default fonts and, when footerXml is not empty, a
// footer made of those paragraphs. For the template generator.
bool WriteDocx(const std::string& path, const std::string& bodyXml, const std::string& footerXml,
               std::string& error, PaperSize paper = PaperSize::A4, bool landscape = false);

// The width between the margins that WriteDocx gives a page, in twips.
int TextWidthTwips(PaperSize paper, bool landscape);

}  // namespace office::word
