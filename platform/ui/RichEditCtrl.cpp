#include "platform/ui/RichEditCtrl.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextList>
#include <QPainter>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/richtext/Picture.h"
#include "platform/richtext/PlainText.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"
#include "platform/text/Text.h"
#include "platform/ui/Image.h"

namespace ui {

IMPLEMENT_DYNAMIC(RichEditCtrl, Control)
namespace {
const bool registeredRichEditCtrl = (RegisterControlKind(Kind::RichEdit, [] { return std::make_unique<RichEditCtrl>(); }), true);
}  // namespace

namespace {

constexpr double kTwipsPerPixel = 15.0;
// The RTF group an embedded picture or object was read from.
constexpr int kRawRtfProperty = QTextFormat::UserProperty + 1;
const QChar kLineBreak = QChar::LineSeparator;
// Character properties the editor does not show as such: \super and \sub
// are shown by the vertical alignment, \up and \dn kept here (and shown
// raised or lowered), hidden text kept here and shown with a dotted line.
constexpr int kRaiseProperty = QTextFormat::UserProperty + 2;
constexpr int kHiddenProperty = QTextFormat::UserProperty + 3;
// The number or bullet of a list paragraph, shown as the text it was read as.
constexpr int kListMarkerProperty = QTextFormat::UserProperty + 4;
// Block properties: the list definition a paragraph was read with.
constexpr int kListDefinitionProperty = QTextFormat::UserProperty + 5;
constexpr int kListOverrideProperty = QTextFormat::UserProperty + 6;
constexpr int kListLevelProperty = QTextFormat::UserProperty + 7;
// An empty block the editor needs around a table, not a paragraph of the text.
constexpr int kFillerProperty = QTextFormat::UserProperty + 8;
// A table's row definitions as read (std::vector<richtext::TableRow>).
constexpr int kRowsProperty = QTextFormat::UserProperty + 9;
// An object run that is a kept group, shown as nothing.
constexpr int kGroupProperty = QTextFormat::UserProperty + 10;
// Character properties: text struck through twice (shown struck through).
constexpr int kDoubleStrikeProperty = QTextFormat::UserProperty + 11;
// Block property: what ends the paragraph (richtext::Paragraph::End), a page
// or section break shown as a paragraph end that breaks the page in print.
constexpr int kParagraphEndProperty = QTextFormat::UserProperty + 12;
// The text of a footnote kept as a group, shown by its mark.
constexpr int kNoteProperty = QTextFormat::UserProperty + 13;
// Properties of the editor's document: the head groups and the font table
// the content was read with.
constexpr const char* kHeadGroupsName = "richtextHeadGroups";
constexpr const char* kFontsName = "richtextFonts";
constexpr const char* kSymbolFontsName = "richtextSymbolFonts";

// What the field keeps of the RTF it read (pictures, kept groups, head
// groups, list definitions) is bytes in the code page of the text, \bin
// data among them: held as bytes, never as text, so it is written back byte
// for byte.
QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), qsizetype(s.size())); }

std::string FromBytes(const QVariant& v) {
    const QByteArray bytes = v.toByteArray();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

QVariantList ToBytesList(const std::vector<std::string>& list) {
    QVariantList out;
    for (const std::string& s : list) out.append(Bytes(s));
    return out;
}

std::vector<std::string> FromBytesList(const QVariant& list) {
    std::vector<std::string> out;
    for (const QVariant& s : list.toList()) out.push_back(FromBytes(s));
    return out;
}

// ---- embedded pictures ----

// What is shown for an embedded picture or object: the first of its
// pictures the editor can draw, at its size; else a grey box of the size of
// its first picture.
QImage ShownImage(const std::string& raw) {
    const std::vector<richtext::Picture> pictures = richtext::PicturesOf(raw);
    QImage image;
    QSize size;
    for (const richtext::Picture& picture : pictures) {
        const QSize goal(int(picture.widthTwips / kTwipsPerPixel), int(picture.heightTwips / kTwipsPerPixel));
        if (size.isEmpty()) size = goal;
        if (picture.type == richtext::Picture::Type::Png || picture.type == richtext::Picture::Type::Jpeg ||
            picture.type == richtext::Picture::Type::Bitmap)
            image.loadFromData(reinterpret_cast<const uchar*>(picture.data.data()), int(picture.data.size()));
        if (!image.isNull()) {
            if (!goal.isEmpty()) image = image.scaled(goal);
            return image;
        }
    }
    image = QImage(size.isEmpty() ? QSize(48, 48) : size, QImage::Format_RGB32);
    image.fill(QColor(200, 200, 200));
    return image;
}

// A picture that came without RTF (pasted): written as a PNG picture group.
std::string PictureRtf(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return text::Format("{\\pict\\pngblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d ", image.width(), image.height(),
                        int(image.width() * kTwipsPerPixel), int(image.height() * kTwipsPerPixel)) +
           png.toHex().toStdString() + "}";
}

// ---- formats between Qt and the model ----

QString Face(const QTextCharFormat& f) {
    const QStringList families = f.fontFamilies().toStringList();
    return families.isEmpty() ? QString() : families.first();
}

// What a character format leaves out is the model's default (automatic
// colour), not the control's default format.
richtext::CharFormat ModelFormat(const QTextCharFormat& f) {
    richtext::CharFormat m;
    if (!Face(f).isEmpty()) m.face = Face(f).toStdString();
    if (f.hasProperty(QTextFormat::FontPointSize)) m.sizeTwips = int(std::lround(f.fontPointSize() * 20));
    if (f.hasProperty(QTextFormat::ForegroundBrush)) {
        const QColor c = f.foreground().color();
        m.colour = richtext::Colour{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
    }
    if (f.hasProperty(QTextFormat::FontWeight)) m.bold = f.fontWeight() >= QFont::Bold;
    if (f.hasProperty(QTextFormat::FontItalic)) m.italic = f.fontItalic();
    if (f.hasProperty(QTextFormat::TextUnderlineStyle) || f.hasProperty(QTextFormat::FontUnderline))
        m.underline = f.fontUnderline();
    m.raiseTwips = f.intProperty(kRaiseProperty);
    if (m.raiseTwips == 0) {
        if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) m.script = richtext::CharFormat::Script::Super;
        if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) m.script = richtext::CharFormat::Script::Sub;
    }
    m.hidden = f.boolProperty(kHiddenProperty);
    m.doubleStrike = f.boolProperty(kDoubleStrikeProperty);
    m.strike = f.fontStrikeOut() && !m.doubleStrike;
    m.smallCaps = f.fontCapitalization() == QFont::SmallCaps;
    if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush) {
        const QColor c = f.background().color();
        m.background = richtext::Colour{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
    }
    return m;
}

QTextCharFormat QtFormat(const richtext::CharFormat& m) {
    QTextCharFormat f;
    if (!m.face.empty()) f.setFontFamilies({QString::fromStdString(m.face)});
    f.setFontPointSize(m.sizeTwips / 20.0);
    if (m.colour) f.setForeground(QColor(m.colour->red, m.colour->green, m.colour->blue));
    f.setFontWeight(m.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(m.italic);
    f.setFontUnderline(m.underline);
    // Raised text keeps its size; the editor can show it raised only as
    // superscript does (\super and \up together are not kept apart).
    if (m.raiseTwips != 0) {
        f.setProperty(kRaiseProperty, m.raiseTwips);
        f.setVerticalAlignment(m.raiseTwips > 0 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
    } else if (m.script == richtext::CharFormat::Script::Super) {
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    } else if (m.script == richtext::CharFormat::Script::Sub) {
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    }
    if (m.hidden) {
        f.setProperty(kHiddenProperty, true);
        if (!m.underline) f.setUnderlineStyle(QTextCharFormat::DotLine);
    }
    f.setFontStrikeOut(m.strike || m.doubleStrike);
    if (m.doubleStrike) f.setProperty(kDoubleStrikeProperty, true);
    if (m.smallCaps) f.setFontCapitalization(QFont::SmallCaps);
    if (m.background) f.setBackground(QColor(m.background->red, m.background->green, m.background->blue));
    return f;
}

richtext::ParagraphFormat ModelParagraph(const QTextBlockFormat& f) {
    richtext::ParagraphFormat p;
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter) p.alignment = richtext::Alignment::Centre;
    else if (a & Qt::AlignRight) p.alignment = richtext::Alignment::Right;
    else if (a & Qt::AlignJustify) p.alignment = richtext::Alignment::Justify;
    p.leftIndentTwips = int(std::lround(f.leftMargin() * kTwipsPerPixel));
    p.firstIndentTwips = int(std::lround(f.textIndent() * kTwipsPerPixel));
    p.listDefinition = FromBytes(f.property(kListDefinitionProperty));
    p.listOverride = f.intProperty(kListOverrideProperty);
    p.listLevel = f.intProperty(kListLevelProperty);
    return p;
}

QTextBlockFormat QtParagraph(const richtext::ParagraphFormat& p) {
    QTextBlockFormat f;
    switch (p.alignment) {
    case richtext::Alignment::Centre: f.setAlignment(Qt::AlignHCenter); break;
    case richtext::Alignment::Right: f.setAlignment(Qt::AlignRight); break;
    case richtext::Alignment::Justify: f.setAlignment(Qt::AlignJustify); break;
    default: f.setAlignment(Qt::AlignLeft); break;
    }
    f.setLeftMargin(p.leftIndentTwips / kTwipsPerPixel);
    f.setTextIndent(p.firstIndentTwips / kTwipsPerPixel);
    if (!p.listDefinition.empty()) f.setProperty(kListDefinitionProperty, Bytes(p.listDefinition));
    // The tab after a list's number reaches the text's indent, as the
    // Windows control shows a hanging list.
    if ((!p.listDefinition.empty() || p.listOverride != 0) && p.firstIndentTwips < 0 && p.leftIndentTwips > 0)
        f.setTabPositions({QTextOption::Tab(p.leftIndentTwips / kTwipsPerPixel, QTextOption::LeftTab)});
    if (p.listOverride != 0) {
        f.setProperty(kListOverrideProperty, p.listOverride);
        f.setProperty(kListLevelProperty, p.listLevel);
    }
    return f;
}

// The model's format of the default character format (what text without
// formats of its own shows).
richtext::CharFormat ModelOfDefault(const CharFormat& d, bool has) {
    richtext::CharFormat m;
    if (!has) return m;
    if (d.dwMask & CFM_FACE) m.face = d.szFaceName;
    if (d.dwMask & CFM_SIZE) m.sizeTwips = int(d.yHeight);
    if ((d.dwMask & CFM_COLOR) && !(d.dwEffects & CFE_AUTOCOLOR))
        m.colour = richtext::Colour{std::uint8_t(GetRValue(d.crTextColor)), std::uint8_t(GetGValue(d.crTextColor)),
                                    std::uint8_t(GetBValue(d.crTextColor))};
    m.bold = (d.dwMask & CFM_BOLD) && (d.dwEffects & CFE_BOLD);
    m.italic = (d.dwMask & CFM_ITALIC) && (d.dwEffects & CFE_ITALIC);
    m.underline = (d.dwMask & CFM_UNDERLINE) && (d.dwEffects & CFE_UNDERLINE);
    return m;
}

CharFormat FromModel(const richtext::CharFormat& m) {
    CharFormat f;
    f.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET;
    f.dwEffects = (m.bold ? CFE_BOLD : 0) | (m.italic ? CFE_ITALIC : 0) | (m.underline ? CFE_UNDERLINE : 0);
    if (m.colour) f.crTextColor = RGB(m.colour->red, m.colour->green, m.colour->blue);
    else f.dwEffects |= CFE_AUTOCOLOR;
    f.yHeight = m.sizeTwips;
    f.szFaceName = m.face;
    return f;
}

// Members of `b` that differ from `a` leave the mask.
void Narrow(CharFormat& a, const CharFormat& b) {
    const DWORD effects[] = {CFM_BOLD, CFM_ITALIC, CFM_UNDERLINE};
    for (DWORD bit : effects)
        if ((a.dwEffects & bit) != (b.dwEffects & bit)) a.dwMask &= ~bit;
    if ((a.dwEffects & CFE_AUTOCOLOR) != (b.dwEffects & CFE_AUTOCOLOR) || a.crTextColor != b.crTextColor)
        a.dwMask &= ~CFM_COLOR;
    if (a.yHeight != b.yHeight) a.dwMask &= ~CFM_SIZE;
    if (a.szFaceName != b.szFaceName) a.dwMask &= ~CFM_FACE;
}

// The editor of the control: it copies the selection as RTF beside HTML
// and plain text, and pastes RTF before anything else, so that what the
// model keeps (pictures as their bytes, kept groups, tables inside cells)
// is kept when copied and pasted.
class RichTextEdit : public QTextEdit {
public:
    using QTextEdit::QTextEdit;

protected:
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

// The names RTF goes by on the clipboard.
const char* const kRtfMimeTypes[] = {"text/rtf", "application/rtf"};

bool HasRtf(const QMimeData* data) {
    return std::any_of(std::begin(kRtfMimeTypes), std::end(kRtfMimeTypes),
                       [data](const char* type) { return data->hasFormat(type); });
}

}  // namespace

// ---- the control ----

Kind RichEditCtrl::KindForStyle(DWORD) const { return Kind::RichEdit; }

void RichEditCtrl::Build(const ControlTemplate& entry, QWidget* parent) {
    SetDlgCtrlID(entry.id);
    SetStyle(entry.style);
    auto* editor = new detail::Bridged<RichTextEdit>(parent);
    editor->setTabChangesFocus(!(entry.style & ES_WANTRETURN));
    editor->setReadOnly(entry.style & ES_READONLY);
    editor->setVerticalScrollBarPolicy((entry.style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    editor->setHorizontalScrollBarPolicy((entry.style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    if (!(entry.style & WS_BORDER)) editor->setFrameShape(QFrame::NoFrame);
    Attach(editor, false);
    if (!entry.text.empty()) SetWindowText(entry.text);
    QObject::connect(editor, &QTextEdit::cursorPositionChanged, [editor] {
        if (auto* self = Driver<RichEditCtrl>(editor)) self->OnSelectionMoved();
    });
    QObject::connect(editor, &QTextEdit::selectionChanged, [editor] {
        if (auto* self = Driver<RichEditCtrl>(editor)) self->OnSelectionMoved();
    });
    QObject::connect(editor, &QTextEdit::textChanged, [editor] {
        if (auto* self = Driver<RichEditCtrl>(editor)) self->OnTextChanged();
    });
}

void RichEditCtrl::OnTextChanged() {
    QTextEdit* editor = Editor();
    if (editor && limit_ > 0 && !changingFromCode_) {
        // Take back what was typed beyond the limit, just before the caret.
        const int excess = editor->document()->characterCount() - 1 - limit_;
        if (excess > 0) {
            CodeChange change(*this);
            QTextCursor cursor = editor->textCursor();
            cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, excess);
            cursor.removeSelectedText();
        }
    }
    Notify(EN_CHANGE, ENM_CHANGE);
}

QTextEdit* RichEditCtrl::Editor() const { return qobject_cast<QTextEdit*>(GetWidget()); }

void RichEditCtrl::Notify(int code, DWORD maskBit) {
    if (eventMask_ & maskBit) NotifyParent(code);
}

void RichEditCtrl::OnSelectionMoved() {
    long start = 0, end = 0;
    GetSel(start, end);
    if (start == lastStart_ && end == lastEnd_) return;
    lastStart_ = start;
    lastEnd_ = end;
    Notify(EN_SELCHANGE, ENM_SELCHANGE);
}

DWORD RichEditCtrl::SetEventMask(DWORD mask) {
    const DWORD previous = eventMask_;
    eventMask_ = mask;
    return previous;
}

// ---- content ----

void RichEditCtrl::SetWindowText(const std::string& text) {
    // The new text keeps the paragraph format of the last paragraph, as the
    // final paragraph mark of a rich edit does when its text is replaced.
    richtext::ParagraphFormat paragraphFormat;
    if (QTextEdit* editor = Editor()) paragraphFormat = ModelParagraph(editor->document()->lastBlock().blockFormat());
    richtext::Document doc;
    const richtext::CharFormat format = ModelOfDefault(default_, hasDefault_);
    for (const std::string& line : text::Split(text::ReplaceAll(text, "\r\n", "\n"), "\n")) {
        richtext::Paragraph& p = doc.paragraphs.emplace_back();
        p.format = paragraphFormat;
        if (!line.empty()) p.runs.push_back({richtext::Run::Kind::Text, format, line});
    }
    SetDocument(doc);
}

std::string RichEditCtrl::GetWindowText() const {
    // As the model gives it: the cells of a table row on one line, list
    // numbers and kept groups not counted as text.
    return richtext::PlainText(GetDocument());
}

long RichEditCtrl::GetTextLength() const {
    QTextEdit* editor = Editor();
    return editor ? long(editor->document()->characterCount() - 1) : 0;
}

namespace {

using RowDefinitions = std::vector<richtext::TableRow>;

// A paragraph of a list the editor numbers itself (pasted HTML <ol>, <ul>):
// its number or bullet as list text, hanging before the text as the Windows
// control shows a list, so that it is saved and read back.
void ListOfEditor(const QTextBlock& b, richtext::Paragraph& p) {
    const QTextList* list = b.textList();
    if (!list) return;
    QString marker;
    switch (list->format().style()) {
    case QTextListFormat::ListDisc: marker = QString(QChar(0x25CF)); break;
    case QTextListFormat::ListCircle: marker = QString(QChar(0x25CB)); break;
    case QTextListFormat::ListSquare: marker = QString(QChar(0x25A0)); break;
    default: marker = list->itemText(b).trimmed(); break;
    }
    if (marker.isEmpty()) marker = QString(QChar(0x25CF));
    p.listText = marker.toStdString();
    // The numbering the Windows control makes of it.
    const char* numbering = nullptr;
    switch (list->format().style()) {
    case QTextListFormat::ListDecimal: numbering = "\\pndec"; break;
    case QTextListFormat::ListLowerAlpha: numbering = "\\pnlcltr"; break;
    case QTextListFormat::ListUpperAlpha: numbering = "\\pnucltr"; break;
    case QTextListFormat::ListLowerRoman: numbering = "\\pnlcrm"; break;
    case QTextListFormat::ListUpperRoman: numbering = "\\pnucrm"; break;
    default: break;
    }
    if (numbering)
        p.format.listDefinition = std::string("{\\*\\pn\\pnlvlbody\\pnindent0\\pnstart1") + numbering + "{\\pntxta.}}";
    p.listTextFormat = p.runs.empty() ? richtext::CharFormat{} : p.runs.front().format;
    if (p.format.leftIndentTwips == 0 && p.format.firstIndentTwips == 0) {
        p.format.leftIndentTwips = 360 * std::max(list->format().indent(), 1);
        p.format.firstIndentTwips = -360;
    }
}

// One block of the editor as a paragraph of the model.
richtext::Paragraph ParagraphOfBlock(const QTextBlock& b, QTextDocument* document) {
    richtext::Paragraph p;
    p.format = ModelParagraph(b.blockFormat());
    p.end = richtext::Paragraph::End(b.blockFormat().intProperty(kParagraphEndProperty));
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat qf = fragment.charFormat();
        const richtext::CharFormat format = ModelFormat(qf);
        if (qf.isImageFormat()) {
            const QTextImageFormat image = qf.toImageFormat();
            std::string raw = FromBytes(image.property(kRawRtfProperty));
            if (raw.empty()) {
                const QVariant shown = document->resource(QTextDocument::ImageResource, QUrl(image.name()));
                if (shown.canConvert<QImage>()) raw = PictureRtf(shown.value<QImage>());
            }
            const auto kind = image.boolProperty(kGroupProperty) ? richtext::Run::Kind::Group : richtext::Run::Kind::Object;
            const std::string note = image.stringProperty(kNoteProperty).toStdString();
            for (int i = 0; i < fragment.length() && !raw.empty(); ++i) p.runs.push_back({kind, format, raw, note});
            continue;
        }
        if (qf.boolProperty(kListMarkerProperty)) {
            // The number or bullet and the tab after it.
            if (p.listText.empty()) p.listTextFormat = format;
            p.listText += fragment.text().toStdString();
            continue;
        }
        QString run;
        auto flush = [&] {
            if (run.isEmpty()) return;
            // Runs are joined the way the model's own AddText would.
            if (!p.runs.empty() && p.runs.back().kind == richtext::Run::Kind::Text && p.runs.back().format == format)
                p.runs.back().text += run.toStdString();
            else p.runs.push_back({richtext::Run::Kind::Text, format, run.toStdString()});
            run.clear();
        };
        for (QChar ch : fragment.text()) {
            if (ch == '\t' || ch == kLineBreak) {
                flush();
                p.runs.push_back({ch == '\t' ? richtext::Run::Kind::Tab : richtext::Run::Kind::LineBreak, format, {}});
            } else if (ch != QChar::ObjectReplacementCharacter && ch.unicode() >= 0x20) {
                run += ch;
            }
        }
        flush();
    }
    while (!p.listText.empty() && (p.listText.back() == '\t' || p.listText.back() == ' ')) p.listText.pop_back();
    if (p.listText.empty()) ListOfEditor(b, p);
    return p;
}

// The definition of a table row the editor holds without one read: its
// column widths and merged cells.
richtext::TableRow RowOfTable(const QTextTable* table, int row) {
    richtext::TableRow definition;
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    int right = definition.leftTwips;
    for (int c = 0; c < table->columns(); ++c) {
        const double pixels = c < widths.size() && widths[c].type() == QTextLength::FixedLength ? widths[c].rawValue() : 120;
        right += int(std::lround(pixels * kTwipsPerPixel));
        richtext::TableCell cell{right};
        const QTextTableCell shown = table->cellAt(row, c);
        if (shown.column() != c) cell.merge = richtext::TableCell::Merge::Continued;
        else if (shown.columnSpan() > 1) cell.merge = richtext::TableCell::Merge::First;
        if (shown.row() != row) cell.verticalMerge = richtext::TableCell::Merge::Continued;
        else if (shown.rowSpan() > 1) cell.verticalMerge = richtext::TableCell::Merge::First;
        definition.cells.push_back(cell);
    }
    return definition;
}

// A block of a table cell `level` tables deep as a paragraph of the model;
// an empty block the editor keeps around a table is none.
void AppendParagraph(const QTextBlock& b, richtext::Document& doc, QTextDocument* document, int level) {
    if (!b.isValid() || (b.blockFormat().boolProperty(kFillerProperty) && b.length() <= 1)) return;
    richtext::Paragraph& p = doc.paragraphs.emplace_back(ParagraphOfBlock(b, document));
    p.format.inTable = true;
    p.format.nesting = level;
}

// A table `level` tables deep (0: a table of the text) as paragraphs of the
// model; the tables inside its cells as paragraphs a level deeper.
void AppendTable(const QTextTable* table, richtext::Document& doc, QTextDocument* document, int level) {
    const QVariant stored = table->format().property(kRowsProperty);
    const RowDefinitions read = stored.canConvert<RowDefinitions>() ? stored.value<RowDefinitions>() : RowDefinitions{};
    for (int r = 0; r < table->rows(); ++r) {
        richtext::TableRow definition = RowOfTable(table, r);
        if (r < int(read.size()) && int(read[r].cells.size()) <= table->columns()) {
            // The row as read, unless the editor's merges differ from it.
            bool alike = true;
            using Merge = richtext::TableCell::Merge;
            for (std::size_t c = 0; c < read[r].cells.size(); ++c)
                alike = alike &&
                        (read[r].cells[c].merge == Merge::Continued) == (definition.cells[c].merge == Merge::Continued) &&
                        (read[r].cells[c].verticalMerge == Merge::Continued) ==
                            (definition.cells[c].verticalMerge == Merge::Continued);
            if (alike) {
                // Cells the definition lacked but the row fills keep the editor's widths.
                int used = table->columns();
                while (used > int(read[r].cells.size()) && table->cellAt(r, used - 1).firstPosition() ==
                                                                 table->cellAt(r, used - 1).lastPosition())
                    --used;
                richtext::TableRow widened = read[r];
                for (int c = int(widened.cells.size()); c < used; ++c) widened.cells.push_back(definition.cells[c]);
                definition = std::move(widened);
            }
        }
        for (int c = 0; c < int(definition.cells.size()); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            const std::size_t first = doc.paragraphs.size();
            if (cell.row() == r && cell.column() == c)
                for (auto it = cell.begin(); !it.atEnd(); ++it) {
                    const QTextFrame* inner = it.currentFrame();
                    const auto* innerTable = qobject_cast<const QTextTable*>(inner);
                    if (innerTable && level < richtext::kMaxTableNesting) {
                        AppendTable(innerTable, doc, document, level + 1);
                    } else if (inner) {
                        // Another frame in the cell (pasted): its paragraphs in the cell, one after the other.
                        for (QTextBlock b = inner->firstCursorPosition().block();
                             b.isValid() && b.position() < inner->lastPosition(); b = b.next())
                            AppendParagraph(b, doc, document, level);
                    } else {
                        AppendParagraph(it.currentBlock(), doc, document, level);
                    }
                }
            // An empty or merged-away cell, or one ended by a table inside it,
            // ends with an empty paragraph.
            if (doc.paragraphs.size() == first || doc.paragraphs.back().format.nesting != level) {
                richtext::Paragraph& end = doc.paragraphs.emplace_back();
                end.format.inTable = true;
                end.format.nesting = level;
            }
            doc.paragraphs.back().endsCell = true;
        }
        if (doc.paragraphs.empty() || !doc.paragraphs.back().format.inTable) continue;
        doc.paragraphs.back().endsRow = definition;
    }
}

// The editor's document, or a piece of it, as the model; pictures shown
// without the RTF they came from are found among the resources of
// `resources` (the editor's document).
richtext::Document DocumentOf(QTextDocument* document, QTextDocument* resources) {
    richtext::Document doc;
    doc.headerGroups = FromBytesList(document->property(kHeadGroupsName));
    doc.fonts = FromBytesList(document->property(kFontsName));
    for (const QVariant& font : document->property(kSymbolFontsName).toList()) doc.symbolFonts.push_back(font.toInt());
    for (auto it = document->rootFrame()->begin(); !it.atEnd(); ++it) {
        if (const auto* table = qobject_cast<const QTextTable*>(it.currentFrame())) {
            AppendTable(table, doc, resources, 0);
            continue;
        }
        const QTextBlock b = it.currentBlock();
        if (!b.isValid()) continue;
        if (b.blockFormat().boolProperty(kFillerProperty) && b.length() <= 1) continue;
        doc.paragraphs.push_back(ParagraphOfBlock(b, resources));
    }
    return doc;
}

}  // namespace

richtext::Document RichEditCtrl::GetDocument() const {
    QTextEdit* editor = Editor();
    return editor ? DocumentOf(editor->document(), editor->document()) : richtext::Document{};
}

namespace {

// The mark a footnote is shown by: its number raised, as Word marks it; its
// text shows as the mark's tool tip.
QImage NoteMark(int number, const QTextCharFormat& format) {
    QFont font = format.font();
    font.setPointSizeF(std::max(format.fontPointSize(), 6.0) * 0.7);
    const QString mark = QString::number(number);
    const QFontMetrics metrics(font);
    QImage image(std::max(metrics.horizontalAdvance(mark) + 2, 4), metrics.height() * 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 200));
    painter.drawText(QRect(0, 0, image.width(), metrics.height()), Qt::AlignCenter, mark);
    return image;
}

// How the content is shown: the format of empty paragraphs, the document
// that keeps the pictures shown (the editor's), and the notes shown so far,
// numbered in order.
struct Shown {
    QTextCharFormat emptyChars;
    QTextDocument* resources = nullptr;
    int notes = 0;
};

void InsertRuns(QTextCursor& cursor, const richtext::Paragraph& p, Shown& shown) {
    if (!p.listText.empty()) {
        QTextCharFormat marker = QtFormat(p.listTextFormat);
        marker.setProperty(kListMarkerProperty, true);
        cursor.insertText(QString::fromStdString(p.listText) + "\t", marker);
    }
    for (const richtext::Run& r : p.runs) {
        const QTextCharFormat f = QtFormat(r.format);
        switch (r.kind) {
        case richtext::Run::Kind::Text: cursor.insertText(QString::fromStdString(r.text), f); break;
        case richtext::Run::Kind::Tab: cursor.insertText("\t", f); break;
        case richtext::Run::Kind::LineBreak: cursor.insertText(QString(kLineBreak), f); break;
        case richtext::Run::Kind::Object:
        case richtext::Run::Kind::Group: {
            const bool group = r.kind == richtext::Run::Kind::Group;
            const bool note = group && !r.note.empty();
            QImage image = note ? NoteMark(++shown.notes, f) : group ? QImage(1, 1, QImage::Format_ARGB32) : ShownImage(r.text);
            if (group && !note) image.fill(Qt::transparent);
            static int pictures = 0;  // every picture named apart, pasted ones too
            const QString name = QString("rtfobject:%1").arg(++pictures);
            shown.resources->addResource(QTextDocument::ImageResource, QUrl(name), image);
            QTextImageFormat picture;
            picture.merge(f);
            picture.setName(name);
            picture.setWidth(group && !note ? 0 : image.width());
            picture.setHeight(group && !note ? 0 : image.height());
            picture.setProperty(kRawRtfProperty, Bytes(r.text));
            if (note) {
                picture.setProperty(kNoteProperty, QString::fromStdString(r.note));
                picture.setToolTip(QString::fromStdString(r.note));
            }
            if (group) picture.setProperty(kGroupProperty, true);
            cursor.insertImage(picture);
            break;
        }
        }
    }
}

// Sets the block at the cursor to the paragraph's format and writes its runs.
void FillBlock(QTextCursor& cursor, const richtext::Paragraph& p, Shown& shown) {
    QTextBlockFormat block = QtParagraph(p.format);
    if (p.end != richtext::Paragraph::End::Paragraph) {
        block.setProperty(kParagraphEndProperty, int(p.end));
        block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
    }
    cursor.setBlockFormat(block);
    cursor.setBlockCharFormat(p.runs.empty() ? shown.emptyChars : QtFormat(p.runs.front().format));
    InsertRuns(cursor, p, shown);
}

void InsertBlocks(QTextCursor& cursor, const std::vector<richtext::Block>& blocks, Shown& shown);

void InsertTable(QTextCursor& cursor, const richtext::TableRows& model, Shown& shown) {
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setAlignment(Qt::AlignLeft);
    QList<QTextLength> widths;
    RowDefinitions definitions;
    for (const auto& row : model.rows) definitions.push_back(row.definition);
    const richtext::TableRow& first = definitions.front();
    int left = first.leftTwips;
    for (int c = 0; c < model.columns; ++c) {
        const int right = c < int(first.cells.size()) ? first.cells[c].rightTwips : left + 1800;
        widths.append(QTextLength(QTextLength::FixedLength, std::max(right - left, 150) / kTwipsPerPixel));
        left = right;
    }
    format.setColumnWidthConstraints(widths);
    format.setProperty(kRowsProperty, QVariant::fromValue(definitions));
    QTextTable* table = cursor.insertTable(int(model.rows.size()), model.columns, format);
    for (int r = 0; r < int(model.rows.size()); ++r) {
        for (int c = 0; c < int(model.rows[r].cells.size()) && c < model.columns; ++c) {
            QTextCursor at = table->cellAt(r, c).firstCursorPosition();
            InsertBlocks(at, model.rows[r].cells[c], shown);
        }
        // Merged cells as read: a first cell and those merged into it.
        const auto& cells = definitions[r].cells;
        for (int c = 0; c < int(cells.size()); ++c) {
            if (cells[c].merge != richtext::TableCell::Merge::First) continue;
            int span = 1;
            while (c + span < int(cells.size()) && cells[c + span].merge == richtext::TableCell::Merge::Continued) ++span;
            if (span > 1 && c + span <= model.columns) table->mergeCells(r, c, 1, span);
        }
    }
    // Cells merged with those below them, as read.
    for (int r = 0; r < int(model.rows.size()); ++r) {
        const auto& cells = definitions[r].cells;
        for (int c = 0; c < int(cells.size()) && c < model.columns; ++c) {
            if (cells[c].verticalMerge != richtext::TableCell::Merge::First || table->cellAt(r, c).columnSpan() > 1)
                continue;
            int span = 1;
            while (r + span < int(model.rows.size()) && c < int(definitions[r + span].cells.size()) &&
                   definitions[r + span].cells[c].verticalMerge == richtext::TableCell::Merge::Continued &&
                   table->cellAt(r + span, c).columnSpan() == 1)
                ++span;
            if (span > 1) table->mergeCells(r, c, span, 1);
        }
    }
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

// Writes paragraphs and tables from the cursor on, the block it stands in
// (the first of the text or of a cell) being still to fill.
void InsertBlocks(QTextCursor& cursor, const std::vector<richtext::Block>& blocks, Shown& shown) {
    bool blockFree = true;  // the block at the cursor is still to fill
    for (const richtext::Block& block : blocks) {
        if (block.table) {
            // The editor keeps a block before a table at the start and one
            // after every table: they are no paragraphs of the text.
            QTextBlockFormat filler;
            filler.setProperty(kFillerProperty, true);
            if (!blockFree) cursor.insertBlock();
            cursor.setBlockFormat(filler);
            InsertTable(cursor, *block.table, shown);
            cursor.setBlockFormat(filler);
            blockFree = true;
            continue;
        }
        if (!blockFree) cursor.insertBlock();
        FillBlock(cursor, *block.paragraph, shown);
        blockFree = false;
    }
}

// Fills an empty document with the model; its pictures are kept among the
// resources of `resources`.
void FillDocument(QTextDocument* doc, const richtext::Document& document, const QTextCharFormat& emptyChars,
                  QTextDocument* resources) {
    doc->setProperty(kHeadGroupsName, ToBytesList(document.headerGroups));
    doc->setProperty(kFontsName, ToBytesList(document.fonts));
    QVariantList symbolFonts;
    for (int font : document.symbolFonts) symbolFonts.append(font);
    doc->setProperty(kSymbolFontsName, symbolFonts);
    QTextCursor cursor(doc);
    Shown shown{emptyChars, resources};
    InsertBlocks(cursor, richtext::Blocks(document.paragraphs), shown);
}

}  // namespace

QMimeData* RichTextEdit::createMimeDataFromSelection() const {
    // The editor's own data lists only its own formats: copied into data
    // that takes more.
    const std::unique_ptr<QMimeData> own(QTextEdit::createMimeDataFromSelection());
    auto* data = new QMimeData;
    for (const QString& format : own->formats()) data->setData(format, own->data(format));
    QTextDocument selected;
    for (const char* name : {kHeadGroupsName, kFontsName, kSymbolFontsName})
        selected.setProperty(name, document()->property(name));
    QTextCursor(&selected).insertFragment(textCursor().selection());
    const QByteArray rtf = Bytes(richtext::WriteRtf(DocumentOf(&selected, document())));
    for (const char* type : kRtfMimeTypes) data->setData(type, rtf);
    return data;
}

bool RichTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return HasRtf(source) || QTextEdit::canInsertFromMimeData(source);
}

void RichTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!HasRtf(source)) return QTextEdit::insertFromMimeData(source);
    QByteArray rtf;
    for (const char* type : kRtfMimeTypes)
        if (rtf.isEmpty()) rtf = source->data(type);
    QTextDocument pasted;
    FillDocument(&pasted, richtext::ReadRtf(std::string_view(rtf.constData(), std::size_t(rtf.size()))),
                 currentCharFormat(), document());
    QTextCursor cursor = textCursor();
    cursor.insertFragment(QTextDocumentFragment(&pasted));
    setTextCursor(cursor);
    ensureCursorVisible();
}

void RichEditCtrl::SetDocument(const richtext::Document& document) {
    QTextEdit* editor = Editor();
    if (!editor) return;
    CodeChange change(*this);
    ++replacements_;
    QTextDocument* doc = editor->document();
    doc->clear();
    FillDocument(doc, document, QtFormat(ModelOfDefault(default_, hasDefault_)), doc);
    doc->clearUndoRedoStacks();
    ApplyDefaultToEmpty();
    editor->moveCursor(QTextCursor::Start);
}

// ---- selection ----

void RichEditCtrl::SetSel(long start, long end) {
    QTextEdit* editor = Editor();
    if (!editor) return;
    const long size = GetTextLength();
    if (start < 0) {  // a negative start only removes the selection
        QTextCursor c = editor->textCursor();
        c.clearSelection();
        editor->setTextCursor(c);
        return;
    }
    QTextCursor c = editor->textCursor();
    c.setPosition(int(std::min(start, size)));
    c.setPosition(int(end < 0 ? size : std::min(end, size)), QTextCursor::KeepAnchor);
    editor->setTextCursor(c);
}

void RichEditCtrl::GetSel(long& start, long& end) const {
    start = end = 0;
    if (QTextEdit* editor = Editor()) {
        start = editor->textCursor().selectionStart();
        end = editor->textCursor().selectionEnd();
    }
}

std::string RichEditCtrl::GetSelText() const {
    QTextEdit* editor = Editor();
    if (!editor) return {};
    QString s = editor->textCursor().selectedText();
    s.replace(QChar::ParagraphSeparator, "\r\n").replace(kLineBreak, "\r\n");
    s.remove(QChar::ObjectReplacementCharacter);
    return s.toStdString();
}

void RichEditCtrl::ReplaceSel(const std::string& text, BOOL) {
    if (QTextEdit* editor = Editor())
        editor->textCursor().insertText(QString::fromStdString(text::ReplaceAll(text, "\r\n", "\n")));
}

BOOL RichEditCtrl::SetReadOnly(BOOL readOnly) {
    QTextEdit* editor = Editor();
    if (!editor) return FALSE;
    editor->setReadOnly(readOnly);
    ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0);
    return TRUE;
}

bool RichEditCtrl::IsReadOnly() const { return Editor() && Editor()->isReadOnly(); }

// ---- formats ----

QTextCharFormat RichEditCtrl::ToQt(const CharFormat& cf) const {
    QTextCharFormat f;
    if (cf.dwMask & CFM_FACE) f.setFontFamilies({QString::fromStdString(cf.szFaceName)});
    if ((cf.dwMask & CFM_SIZE) && cf.yHeight > 0) f.setFontPointSize(cf.yHeight / 20.0);
    if (cf.dwMask & CFM_COLOR) {
        if (cf.dwEffects & CFE_AUTOCOLOR) f.setForeground(QColor(Qt::black));
        else f.setForeground(ToQColor(cf.crTextColor));
    }
    if (cf.dwMask & CFM_BOLD) f.setFontWeight((cf.dwEffects & CFE_BOLD) ? QFont::Bold : QFont::Normal);
    if (cf.dwMask & CFM_ITALIC) f.setFontItalic(cf.dwEffects & CFE_ITALIC);
    if (cf.dwMask & CFM_UNDERLINE) f.setFontUnderline(cf.dwEffects & CFE_UNDERLINE);
    return f;
}

BOOL RichEditCtrl::SetDefaultCharFormat(const CharFormat& format) {
    default_ = format;
    hasDefault_ = true;
    ApplyDefaultToEmpty();
    return TRUE;
}

DWORD RichEditCtrl::GetDefaultCharFormat(CharFormat& format) const {
    format = FromModel(ModelOfDefault(default_, hasDefault_));
    return format.dwMask;
}

void RichEditCtrl::ApplyDefaultToEmpty() {
    QTextEdit* editor = Editor();
    if (!editor || !hasDefault_ || GetTextLength() > 0) return;
    const QTextCharFormat f = QtFormat(ModelOfDefault(default_, hasDefault_));
    QTextCursor c(editor->document());
    c.setBlockCharFormat(f);
    editor->setCurrentCharFormat(f);
}

DWORD RichEditCtrl::GetSelectionCharFormat(CharFormat& format) const {
    QTextEdit* editor = Editor();
    if (!editor) return 0;
    const QTextCursor cursor = editor->textCursor();
    if (!cursor.hasSelection()) {
        format = FromModel(ModelFormat(editor->currentCharFormat()));
        return format.dwMask;
    }
    bool first = true;
    const int from = cursor.selectionStart(), to = cursor.selectionEnd();
    for (QTextBlock b = editor->document()->findBlock(from); b.isValid() && b.position() < to; b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            if (fr.position() + fr.length() <= from || fr.position() >= to) continue;
            const CharFormat here = FromModel(ModelFormat(fr.charFormat()));
            if (first) format = here;
            else Narrow(format, here);
            first = false;
        }
    if (first) format = FromModel(ModelFormat(cursor.charFormat()));  // only paragraph ends
    return format.dwMask;
}

BOOL RichEditCtrl::SetSelectionCharFormat(const CharFormat& format) {
    QTextEdit* editor = Editor();
    if (!editor) return FALSE;
    QTextCursor cursor = editor->textCursor();
    if (cursor.hasSelection()) cursor.mergeCharFormat(ToQt(format));
    else editor->mergeCurrentCharFormat(ToQt(format));
    return TRUE;
}

BOOL RichEditCtrl::SetWordCharFormat(const CharFormat& format) {
    QTextEdit* editor = Editor();
    if (!editor) return FALSE;
    QTextCursor word = editor->textCursor();
    word.clearSelection();
    word.select(QTextCursor::WordUnderCursor);
    if (!word.hasSelection()) return SetSelectionCharFormat(format);
    word.mergeCharFormat(ToQt(format));
    return TRUE;
}

DWORD RichEditCtrl::GetParaFormat(ParaFormat& format) const {
    QTextEdit* editor = Editor();
    if (!editor) return 0;
    const QTextCursor c = editor->textCursor();
    const richtext::ParagraphFormat p =
        ModelParagraph(editor->document()->findBlock(c.selectionStart()).blockFormat());
    format.dwMask = PFM_ALIGNMENT | PFM_STARTINDENT | PFM_OFFSET | PFM_RIGHTINDENT;
    switch (p.alignment) {
    case richtext::Alignment::Centre: format.wAlignment = PFA_CENTER; break;
    case richtext::Alignment::Right: format.wAlignment = PFA_RIGHT; break;
    case richtext::Alignment::Justify: format.wAlignment = PFA_JUSTIFY; break;
    default: format.wAlignment = PFA_LEFT; break;
    }
    // First line at left + first; the others at left, i.e. -first from it.
    format.dxStartIndent = p.leftIndentTwips + p.firstIndentTwips;
    format.dxOffset = -p.firstIndentTwips;
    format.dxRightIndent = 0;
    return format.dwMask;
}

BOOL RichEditCtrl::SetParaFormat(const ParaFormat& format) {
    QTextEdit* editor = Editor();
    if (!editor) return FALSE;
    const QTextCursor sel = editor->textCursor();
    QTextDocument* doc = editor->document();
    QTextCursor edit(doc);
    edit.beginEditBlock();
    const QTextBlock last = doc->findBlock(sel.selectionEnd());
    for (QTextBlock b = doc->findBlock(sel.selectionStart()); b.isValid(); b = b.next()) {
        QTextBlockFormat f = b.blockFormat();
        if (format.dwMask & PFM_ALIGNMENT) {
            switch (format.wAlignment) {
            case PFA_CENTER: f.setAlignment(Qt::AlignHCenter); break;
            case PFA_RIGHT: f.setAlignment(Qt::AlignRight); break;
            case PFA_JUSTIFY: f.setAlignment(Qt::AlignJustify); break;
            default: f.setAlignment(Qt::AlignLeft); break;
            }
        }
        if (format.dwMask & (PFM_STARTINDENT | PFM_OFFSET)) {
            const richtext::ParagraphFormat now = ModelParagraph(f);
            const long start = (format.dwMask & PFM_STARTINDENT) ? format.dxStartIndent
                                                                 : now.leftIndentTwips + now.firstIndentTwips;
            const long offset = (format.dwMask & PFM_OFFSET) ? format.dxOffset : -now.firstIndentTwips;
            f.setLeftMargin((start + offset) / kTwipsPerPixel);
            f.setTextIndent(-offset / kTwipsPerPixel);
        }
        edit.setPosition(b.position());
        edit.setBlockFormat(f);
        if (b == last) break;
    }
    edit.endEditBlock();
    return TRUE;
}

// ---- editing commands ----

BOOL RichEditCtrl::CanUndo() const { return Editor() && Editor()->document()->isUndoAvailable(); }

BOOL RichEditCtrl::Undo() {
    if (!CanUndo()) return FALSE;
    Editor()->undo();
    return TRUE;
}

void RichEditCtrl::EmptyUndoBuffer() {
    if (QTextEdit* editor = Editor()) editor->document()->clearUndoRedoStacks();
}

void RichEditCtrl::Cut() {
    if (QTextEdit* editor = Editor()) editor->cut();
}

void RichEditCtrl::Copy() {
    if (QTextEdit* editor = Editor()) editor->copy();
}

void RichEditCtrl::Paste() {
    if (QTextEdit* editor = Editor()) editor->paste();
}

BOOL RichEditCtrl::CanPaste() const {
    QTextEdit* editor = Editor();
    if (!editor || editor->isReadOnly()) return FALSE;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && (data->hasText() || data->hasHtml() || data->hasImage() || HasRtf(data));
}

void RichEditCtrl::Clear() {
    QTextEdit* editor = Editor();
    if (!editor || editor->isReadOnly()) return;
    editor->textCursor().removeSelectedText();
}

}  // namespace ui
