#pragma once

#include <QString>

class QObject;
class QPagedPaintDevice;
class QTextDocument;
struct Environment;

struct PrintResult
{
    bool ok = false;
    QString error;
};

// The system's default printer.
class Printer
{
public:
    virtual ~Printer() = default;

    // Prints the document at once, without a dialog. Fails when there is no
    // default printer or the printer does not take the job.
    virtual PrintResult print(const QTextDocument &document) = 0;
};

namespace printing {

// Lays the document out on the device's pages, inside its margins, and paints
// every page. False when the device cannot be painted on.
bool paintPages(const QTextDocument &document, QPagedPaintDevice &device);

// Puts the margins and the title on a device before its pages are painted.
void preparePages(QPagedPaintDevice &device);

// The pages as they would come from the printer, as one PDF file.
PrintResult saveAsPdf(const QTextDocument &document, const QString &path);

// Prints on the default printer; on failure the user reads "Error printing"
// with the printer's reason under it, over the window that asked when one is
// given. True when the document went to the printer.
bool printOrSay(const Environment &environment, const QTextDocument &document, QObject *window = nullptr);

} // namespace printing
