#include "ui/savefiledialog.h"

#include <QDir>
#include <QFileDialog>

QString askWithSaveFileDialog(const SaveQuestion &question, QWidget *parent)
{
    QFileDialog dialog(parent, question.title, QDir::home().filePath(question.suggestedName), question.filter);
    dialog.setObjectName(QStringLiteral("dlgsaveas"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(question.suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
