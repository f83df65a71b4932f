#include "ui/documentbox.h"

#include "richtext/documentfile.h"
#include "richtext/layoutbreaks.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextCursor>

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

richtext::LoadResult DocumentBox::load(const QString &path)
{
    // While the document is built it is not laid out at all. The caret goes
    // to the start before the document gets its page back, so nothing needs
    // the end of the text laid out: a long document opens at once, laid out
    // a screen first and the rest a step at a time.
    const QSizeF page = document()->pageSize();
    document()->setPageSize(QSizeF(0, 0));
    const richtext::LoadResult loaded = richtext::loadFile(path, document());
    if (loaded.ok) {
        richtext::addLayoutBreaks(document());
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

textfiles::WriteResult DocumentBox::save(const QString &path, const textfiles::WriteOptions &options)
{
    const textfiles::WriteResult result = richtext::saveFile(path, *document(), options);
    if (result.ok)
        document()->setModified(false);
    return result;
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
