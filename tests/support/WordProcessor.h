#pragma once

#include <QByteArray>
#include <QString>

namespace velmora::testing {

// What a word processor makes of a rich text file: AbiWord converts it to
// `format` ("txt" or "html"). Empty when the conversion fails.
QString readWithAbiWord(const QByteArray& rtf, const QString& format = QStringLiteral("txt"));

} // namespace velmora::testing
