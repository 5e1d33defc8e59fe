#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;
class QWidget;

namespace velmora::ui {
class Platform;
class RichTextBox;
}

// What every rich-text reading view does with its reading: keep it from
// being copied out, save it as rich text and print it.
namespace velmora::kit {

// A view of a reading, named and placed in twips within `parent`: the
// clipboard is emptied on every change, click and mouse move over it, every
// move counting, not only drags.
ui::RichTextBox* addReadingView(QWidget* parent, const char* name, int left, int top, int width, int height,
                                const QString& accessibleName, ui::Platform& platform);

// Asks for a file name and saves the view's reading there as rich text; a
// name typed without an extension gets ".rtf". Cancelling ends silently; a
// failed write is told by the platform.
void saveAsRichText(ui::Platform& platform, QWidget* window, const ui::RichTextBox& view);

// The print dialog, offering the selection when there is one; prints the
// selection or the whole reading. Cancelling ends silently.
void printReading(ui::Platform& platform, QWidget* window, const ui::RichTextBox& view);

// The document as a PDF file of A4 pages: text as text, so that it can be
// searched and copied, and pictures at print resolution. The window writes
// it through the platform, as every file.
QByteArray documentAsPdf(const QTextDocument& document, const QString& title);

} // namespace velmora::kit
