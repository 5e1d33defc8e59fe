#pragma once

#include <QByteArray>

class QTextDocument;

namespace velmora::ui {

// Writes a document as rich text: paragraphs, and per run its font, size,
// colour and bold (the reports' emphasis). Every character survives: the
// RTF specials are escaped, Windows-1252 characters become \'hh and all
// others \uN, so any RTF reader gets the text back exactly.
QByteArray toRtf(const QTextDocument& document);

} // namespace velmora::ui
