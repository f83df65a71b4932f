#pragma once

#include <QTextEdit>

// A box that shows an advice document. Only the personal reasons are typed
// into; the other boxes are for reading.
class DocumentBox : public QTextEdit
{
    Q_OBJECT
public:
    DocumentBox(QWidget *parent, const QString &objectName, const QString &initialText, bool editable = false);
};
