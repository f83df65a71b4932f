#include "progress/exportwindow.h"

#include "platform/environment.h"
#include "platform/messageservice.h"
#include "platform/printer.h"
#include "platform/savelocation.h"
#include "ui/controls.h"
#include "ui/windowaccessibility.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

ExportWindow::ExportWindow(const Environment &environment, QWidget *parent)
    : QWidget(parent, Qt::Window), m_environment(environment)
{
    setObjectName(QStringLiteral("frmexport"));
    setWindowTitle(tr("Clearwind"));
    accessibility::presentAsFrame(this);
    // A window of its own takes its parent's icon only when told; the look is the application's.
    if (parent)
        setWindowIcon(parent->windowIcon());

    m_report = new QTextEdit(this);
    m_report->setObjectName(QStringLiteral("txtexport"));
    m_report->setAccessibleName(tr("Report"));
    m_report->setReadOnly(true);
    m_report->setAcceptRichText(false);
    QPushButton *saveButton = controls::button(this, QStringLiteral("cmdsavepdf"), tr("Save as PDF..."));
    QPushButton *printButton = controls::button(this, QStringLiteral("cmdprint"), tr("Print"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(printButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_report);
    layout->addLayout(buttons);
    resize(560, 300);

    connect(printButton, &QPushButton::clicked, this, &ExportWindow::printReport);
    connect(saveButton, &QPushButton::clicked, this, &ExportWindow::saveReportAsPdf);
}

void ExportWindow::showReport(const QString &text)
{
    m_report->setPlainText(text);
    show();
    raise();
    activateWindow();
}

void ExportWindow::printReport()
{
    printing::printOrSay(m_environment, *m_report->document(), this);
}

void ExportWindow::saveReportAsPdf()
{
    const QString path =
        askWhereToSave(m_environment, {tr("Save as PDF"), tr("Clearwind report.pdf"), tr("PDF files (*.pdf)"), "pdf"});
    if (path.isEmpty())
        return;
    const PrintResult saved = printing::saveAsPdf(*m_report->document(), path);
    if (!saved.ok)
        m_environment.messages->reportNotSaved(tr("The report could not be saved in %1: %2"), path, saved.error, this);
}
