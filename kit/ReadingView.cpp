#include "kit/ReadingView.h"

#include "ui/Platform.h"
#include "ui/RichTextBox.h"
#include "ui/Twips.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

namespace velmora::kit {

ui::RichTextBox* addReadingView(QWidget* parent, const char* name, int left, int top, int width, int height,
                                const QString& accessibleName, ui::Platform& platform)
{
    auto* view = new ui::RichTextBox(parent);
    view->setObjectName(QLatin1String(name));
    view->setGeometry(ui::twipsRect(left, top, width, height));
    view->setAccessibleName(accessibleName);
    view->viewport()->setMouseTracking(true);
    ui::clearClipboardOnUse(*view, platform);
    return view;
}

void saveAsRichText(ui::Platform& platform, QWidget* window, const ui::RichTextBox& view)
{
    const std::optional<QString> path = platform.getSaveFileName(
        window, {QStringLiteral("Rich Text Format | *.rtf "), QStringLiteral("rtf"), QString(ui::kApplicationTitle)});
    if (path)
        platform.saveRichText(window, *view.document(), *path);
}

void printReading(ui::Platform& platform, QWidget* window, const ui::RichTextBox& view)
{
    if (const std::unique_ptr<QPrinter> printer = platform.choosePrinter(window, view.textCursor().hasSelection()))
        platform.print(view, *printer);
}

QByteArray documentAsPdf(const QTextDocument& document, const QString& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(ui::kApplicationTitle);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        document.print(&writer);
    }
    return bytes;
}

} // namespace velmora::kit
