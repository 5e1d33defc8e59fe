#pragma once

#include "complete/CompleteReading.h"

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

} // namespace velmora::complete
