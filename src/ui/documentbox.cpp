#include "ui/documentbox.h"

DocumentBox::DocumentBox(QWidget *parent, const QString &objectName, const QString &initialText, bool editable)
    : QTextEdit(parent)
{
    setObjectName(objectName);
    setReadOnly(!editable);
    setAcceptRichText(editable);
    QFont font = this->font();
    font.setBold(true);
    setCurrentFont(font);
    setPlainText(initialText);
}
