#pragma once

#include <QWidget>

struct Environment;
class QTextEdit;

// frmexport: a window of its own beside the main window, where the user reads
// the progress report, prints it or keeps it as a PDF file.
class ExportWindow : public QWidget
{
    Q_OBJECT
public:
    ExportWindow(const Environment &environment, QWidget *parent);

    // Replaces the report and brings the window to the front.
    void showReport(const QString &text);

public slots:
    void printReport();
    void saveReportAsPdf();

private:
    const Environment &m_environment;
    QTextEdit *m_report;
};
