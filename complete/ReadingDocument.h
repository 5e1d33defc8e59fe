#pragma once

#include "complete/CompleteReading.h"

#include <QByteArray>
#include <QString>

class QTextDocument;

// The complete reading as a document: what the window shows, prints and
// saves.
namespace velmora::complete {

// The title of the reading and of its window.
inline const QString kReadingTitle = QStringLiteral("Velmora Complete Reading");

enum class Pictures { Shown, LeftOut };

// Replaces the document's content with the reading: both names and dates,
// the summary table, then a section per system with the pair's description
// and, side by side, each person's sign, its picture and their facts.
// Names are written as typed, never read as markup.
void composeReading(QTextDocument& document, const CompleteReadingRecord& reading, Pictures pictures);

// The document as a PDF file of A4 pages: text as text, so that it can be
// searched and copied, and the pictures at print resolution.
QByteArray readingAsPdf(const QTextDocument& document, const QString& title);

} // namespace velmora::complete
