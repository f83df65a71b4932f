#include "platform/systemprinter.h"
#include "platform/platformtexts.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace {

// Qt hands the finished job to CUPS without looking at the answer, so the
// answer is read here: a printer that does not accept jobs refuses it. CUPS
// is asked through the library Qt's printing has loaded by then, so the
// program does not load it, and all it pulls in, at every start.
PrintResult cupsAnswer()
{
    QLibrary cups(QStringLiteral("cups"), 2);
    const auto lastError = reinterpret_cast<decltype(&cupsLastError)>(cups.resolve("cupsLastError"));
    const auto lastErrorString = reinterpret_cast<decltype(&cupsLastErrorString)>(cups.resolve("cupsLastErrorString"));
    if (!lastError || !lastErrorString)
        return {false, cups.errorString()};
    const ipp_status_t status = lastError();
    if (status >= IPP_STATUS_OK && status < IPP_STATUS_REDIRECTION_OTHER_SITE)
        return {true, QString()};
    return {false, QString::fromUtf8(lastErrorString())};
}

} // namespace

PrintResult SystemPrinter::print(const QTextDocument &document)
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull())
        return {false, PlatformTexts::tr("There is no default printer.")};
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Clearwind"));
    printing::preparePages(printer);
    if (!printing::paintPages(document, printer))
        return {false, PlatformTexts::tr("The printer %1 cannot be reached.")
                           .arg(target.printerName())};
    return cupsAnswer();
}
