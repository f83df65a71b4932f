#pragma once

#include "richtext/documentfile.h"

#include <QTextEdit>

#include <memory>

// A box that shows an advice document, set like a page: comfortable margins,
// a scroll bar only when the document needs one, shown from its top. Only the
// personal reasons are typed into; the other boxes are for reading.
class DocumentBox : public QTextEdit
{
    Q_OBJECT
public:
    DocumentBox(QWidget *parent, const QString &objectName, const QString &initialText, bool editable = false);

    // Replaces the whole content with the file's, shown from its top. A file
    // that cannot be loaded leaves the content as it was. Here, in setText()
    // and in what is pasted, words and paragraphs too long to lay out quickly
    // get breaks (see richtext/layoutbreaks.h).
    // WITHIN: the folder of the user's files, for a file of theirs.
    richtext::LoadResult load(const QString &path, const QString &within = QString());
    // The same with what reading the file found (richtext::documentReadRules()).
    richtext::LoadResult load(const textfiles::FileRead &file);
    // The whole content as RTF, with the colours its file gave it.
    QByteArray asRtf() const;
    // What asRtf() gave is stored: the content counts as unchanged.
    void setUnchanged();
    // Replaces the whole content with plain text, caret at the start.
    void setText(const QString &text);
    void moveCaretToStart();
    // Whether the content differs from what was last loaded or saved.
    bool isChanged() const;
    // The content with the colours its file gave it, for saving and printing:
    // the box may show them lifted to read on a dark background.
    std::unique_ptr<QTextDocument> asWritten() const;

protected:
    void changeEvent(QEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    template<typename Load>
    richtext::LoadResult loadWith(Load load);
    // Lifts the document's own text colours that would not read on the box's
    // background, or gives them back, as the look asks.
    void showColoursForLook();
    void toggleFormat(void (*apply)(QTextCharFormat &, bool), bool (*isOn)(const QTextCharFormat &));
};
