#include "ui/Printing.h"
#include "ui/QtPlatform.h"
#include "ui/RichTextBox.h"

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using velmora::ui::RichTextBox;

namespace {

void select(RichTextBox& view, int from, int to)
{
    QTextCursor cursor(view.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
}

QString printToPdfAndRead(const RichTextBox& view)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    velmora::ui::QtPlatform platform;
    platform.print(view, printer);

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    pdftotext.waitForFinished(20000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

} // namespace

TEST(Printing, PrintsEverythingWithoutASelectionAndOnlyTheSelectionWithOne)
{
    RichTextBox view;
    view.appendRun(QStringLiteral("Your Sun Sign Details\r\nElement: Fire"));
    EXPECT_EQ(velmora::ui::printableDocument(view)->toPlainText(), "Your Sun Sign Details\nElement: Fire");

    select(view, 22, 29);
    EXPECT_EQ(velmora::ui::printableDocument(view)->toPlainText(), "Element");
}

TEST(Printing, TheDesktopPrinterPutsTheTextOnPaper)
{
    RichTextBox view;
    view.appendRun(QStringLiteral("Your Partner's Sun Sign Details\r\nQuality: Cardinal"));
    EXPECT_EQ(printToPdfAndRead(view), "Your Partner's Sun Sign Details Quality: Cardinal");

    select(view, 32, 49);
    EXPECT_EQ(printToPdfAndRead(view), "Quality: Cardinal");
}
