#include "ui/documentbox.h"

#include "platform/contrast.h"
#include "richtext/documentfile.h"
#include "richtext/layoutbreaks.h"
#include "richtext/rtfwriter.h"
#include "ui/look.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <optional>

namespace {

struct FormatShortcut
{
    QKeySequence::StandardKey key;
    void (*apply)(QTextCharFormat &, bool);
    bool (*isOn)(const QTextCharFormat &);
};

const FormatShortcut formatShortcuts[] = {
    {QKeySequence::Bold, [](QTextCharFormat &f, bool on) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); },
     [](const QTextCharFormat &f) { return f.fontWeight() >= QFont::Bold; }},
    {QKeySequence::Italic, [](QTextCharFormat &f, bool on) { f.setFontItalic(on); },
     [](const QTextCharFormat &f) { return f.fontItalic(); }},
    {QKeySequence::Underline, [](QTextCharFormat &f, bool on) { f.setFontUnderline(on); },
     [](const QTextCharFormat &f) { return f.fontUnderline(); }},
};

// Where a lifted run keeps the colour its file gave it; an invalid colour
// is a run of no colour of its own that was given one to stand out from its
// own background.
constexpr int writtenColour = QTextFormat::UserProperty + 0x4c57;
// Documents are read at length: normal text's contrast, whatever their size.
constexpr double documentRatio = 4.5;

// Calls change(format) for every run of text and writes back what it returns.
template<typename Change>
void recolour(QTextDocument *document, Change change)
{
    struct Recoloured
    {
        int start;
        int end;
        QTextCharFormat format;
    };
    // Found first, written after: a new format may join a run to its neighbours.
    QList<Recoloured> runs;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment run = fragment.fragment();
            if (std::optional<QTextCharFormat> changed = change(run.charFormat()))
                runs.append({run.position(), run.position() + run.length(), std::move(*changed)});
        }
    }
    if (runs.isEmpty())
        return;
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const Recoloured &run : runs) {
        cursor.setPosition(run.start);
        cursor.setPosition(run.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
    cursor.endEditBlock();
}

// The run as its file gave it.
std::optional<QTextCharFormat> asWrittenFormat(QTextCharFormat format)
{
    if (!format.hasProperty(writtenColour))
        return std::nullopt;
    const QColor written = format.colorProperty(writtenColour);
    if (written.isValid())
        format.setForeground(written);
    else
        format.clearForeground();
    format.clearProperty(writtenColour);
    return format;
}

// The run as it reads on the background: its colour lifted where it does not.
std::optional<QTextCharFormat> liftedFormat(QTextCharFormat format, const QPalette &palette)
{
    const QColor written = format.hasProperty(writtenColour)            ? format.colorProperty(writtenColour)
                           : format.foreground().style() != Qt::NoBrush ? format.foreground().color()
                                                                        : QColor();
    const QColor background =
        format.background().style() != Qt::NoBrush ? format.background().color() : palette.color(QPalette::Base);
    const QColor shown = written.isValid() ? written : palette.color(QPalette::Text);
    const QColor lifted = contrast::lifted(shown, background, documentRatio);
    if (lifted == shown)
        return asWrittenFormat(format);
    format.setProperty(writtenColour, written);
    format.setForeground(lifted);
    return format;
}

} // namespace

DocumentBox::DocumentBox(QWidget *parent, const QString &objectName, const QString &initialText, bool editable)
    : QTextEdit(parent)
{
    setObjectName(objectName);
    setReadOnly(!editable);
    setAcceptRichText(editable);
    // A document to read is still read with the keyboard and a screen reader.
    if (!editable)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::LinksAccessibleByMouse |
                                Qt::LinksAccessibleByKeyboard);
    // Tab leaves the box for the next control, as everywhere else.
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(14);

    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(10);
    font.setBold(true);
    setFont(font);
    setCurrentFont(font);
    setText(initialText);
    document()->setModified(false);
}

richtext::LoadResult DocumentBox::load(const QString &path, const QString &within)
{
    return loadWith([&](QTextDocument *document) { return richtext::loadFile(path, document, within); });
}

richtext::LoadResult DocumentBox::load(const textfiles::FileRead &file)
{
    return loadWith([&](QTextDocument *document) { return richtext::loadRead(file, document); });
}

template<typename Load>
richtext::LoadResult DocumentBox::loadWith(Load load)
{
    // While the document is built it is not laid out at all. The caret goes
    // to the start before the document gets its page back, so nothing needs
    // the end of the text laid out: a long document opens at once, laid out
    // a screen first and the rest a step at a time.
    const QSizeF page = document()->pageSize();
    document()->setPageSize(QSizeF(0, 0));
    const richtext::LoadResult loaded = load(document());
    if (loaded.ok) {
        richtext::addLayoutBreaks(document());
        showColoursForLook();
        setTextCursor(QTextCursor(document()));
    }
    document()->setPageSize(page);
    if (!loaded.ok)
        return loaded;
    // Undo starts from the document as loaded, never from the box before it.
    document()->clearUndoRedoStacks();
    document()->setModified(false);
    moveCaretToStart();
    return loaded;
}

QByteArray DocumentBox::asRtf() const
{
    return richtext::write(*asWritten());
}

void DocumentBox::setUnchanged()
{
    document()->setModified(false);
}

void DocumentBox::setText(const QString &text)
{
    setPlainText(richtext::withLayoutBreaks(text));
    moveCaretToStart();
}

void DocumentBox::moveCaretToStart()
{
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
}

bool DocumentBox::isChanged() const
{
    return document()->isModified();
}

std::unique_ptr<QTextDocument> DocumentBox::asWritten() const
{
    std::unique_ptr<QTextDocument> written(document()->clone());
    recolour(written.get(), asWrittenFormat);
    return written;
}

void DocumentBox::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        showColoursForLook();
}

void DocumentBox::showColoursForLook()
{
    // Only how the text looks changes, so the content counts as changed or
    // unchanged as before; the steps to undo start afresh.
    const bool changed = document()->isModified();
    const bool undoable = document()->isUndoRedoEnabled();
    document()->setUndoRedoEnabled(false);
    const QPalette shown = palette();
    if (look::current() == ColourScheme::Dark)
        recolour(document(), [&shown](const QTextCharFormat &format) { return liftedFormat(format, shown); });
    else
        recolour(document(), asWrittenFormat);
    document()->setUndoRedoEnabled(undoable);
    document()->setModified(changed);
}

// What is pasted or dropped gets its breaks before the box lays it out.
// Anything that needs none goes in untouched.
void DocumentBox::insertFromMimeData(const QMimeData *source)
{
    QMimeData broken;
    if (acceptRichText() && source->hasHtml()) {
        QTextDocument pasted;
        pasted.setDefaultFont(document()->defaultFont());
        pasted.setHtml(source->html());
        if (richtext::addLayoutBreaks(&pasted))
            broken.setHtml(pasted.toHtml());
    } else if (source->hasText()) {
        const QString text = source->text();
        const QString withBreaks = richtext::withLayoutBreaks(text);
        if (withBreaks.size() != text.size())
            broken.setText(withBreaks);
    }
    QTextEdit::insertFromMimeData(broken.formats().isEmpty() ? source : &broken);
}

void DocumentBox::keyPressEvent(QKeyEvent *event)
{
    if (!isReadOnly()) {
        for (const FormatShortcut &shortcut : formatShortcuts) {
            if (event->matches(shortcut.key)) {
                toggleFormat(shortcut.apply, shortcut.isOn);
                return;
            }
        }
    }
    QTextEdit::keyPressEvent(event);
}

void DocumentBox::toggleFormat(void (*apply)(QTextCharFormat &, bool), bool (*isOn)(const QTextCharFormat &))
{
    QTextCharFormat format;
    apply(format, !isOn(currentCharFormat()));
    mergeCurrentCharFormat(format);
}
