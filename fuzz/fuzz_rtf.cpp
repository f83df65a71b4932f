#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <cstddef>
#include <cstdint>

namespace {

// QTextDocument needs a GUI application for its fonts: one for the whole run.
void startApplication()
{
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char *argv[] = {name, nullptr};
    static const QGuiApplication *application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(application);
}

// The text and every format the writer keeps, run by run and block by block.
QString signature(const QTextDocument &document)
{
    QString result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        const QTextList *list = block.textList();
        result +=
            QStringLiteral("\n%1 %2 %3 %4 %5 %6 %7 %8 %9|")
                .arg(int(format.alignment() & Qt::AlignHorizontal_Mask))
                .arg(format.leftMargin())
                .arg(format.rightMargin())
                .arg(format.textIndent())
                .arg(format.topMargin())
                .arg(format.bottomMargin())
                .arg(format.headingLevel())
                .arg(int(format.pageBreakPolicy()))
                .arg(list ? QString::number(list->format().style()) + u'/' + QString::number(list->format().indent())
                          : QString());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat run = it.fragment().charFormat();
            const QStringList families = run.fontFamilies().toStringList();
            result += QStringLiteral("{%1%2%3%4 %5 %6 %7 %8 %9 ")
                          .arg(run.fontWeight() >= QFont::DemiBold)
                          .arg(run.fontItalic())
                          .arg(run.fontUnderline())
                          .arg(run.fontStrikeOut())
                          .arg(int(run.verticalAlignment()))
                          .arg(run.fontPointSize())
                          .arg(families.isEmpty() ? document.defaultFont().family() : families.first())
                          .arg(run.foreground().style() == Qt::NoBrush ? QString() : run.foreground().color().name())
                          .arg(run.background().style() == Qt::NoBrush ? QString() : run.background().color().name());
            result += (run.isAnchor() ? run.anchorHref() : QString()) + u'}' + it.fragment().text();
        }
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    startApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    richtext::read(bytes, &document);
    if (!richtext::looksLikeRtf(bytes))
        return 0;
    // Whatever the reader makes, the writer saves so that it reads back the
    // same, with nothing left out.
    QTextDocument again;
    if (richtext::read(richtext::write(document), &again))
        __builtin_trap();
    if (signature(again) != signature(document))
        __builtin_trap();
    return 0;
}
