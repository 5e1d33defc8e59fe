#include "tests/support/WordProcessor.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace velmora::testing {

QString readWithAbiWord(const QByteArray& rtf, const QString& format)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.rtf"));
    const QString out = dir.filePath(QStringLiteral("reading.") + format);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return {};
    file.close();
    QProcess abiword;
    abiword.start(QStringLiteral("abiword"), {QStringLiteral("--to=") + format, path, QStringLiteral("-o"), out});
    if (!abiword.waitForFinished(60000))
        return {};
    QFile converted(out);
    if (!converted.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(converted.readAll()).trimmed();
}

} // namespace velmora::testing
