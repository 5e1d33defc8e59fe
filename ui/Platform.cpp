#include "ui/Platform.h"

#include "ui/RtfWriter.h"

#include <QDir>
#include <QPrinter>

namespace velmora::ui {
namespace {

QString reasonText(WriteResult result)
{
    switch (result) {
    case WriteResult::FolderRefuses: return QStringLiteral("the folder does not allow new files");
    case WriteResult::DiskFull: return QStringLiteral("there is not enough space on the disk");
    case WriteResult::FolderInTheWay: return QStringLiteral("a folder of that name is in the way");
    case WriteResult::FileLocked: return QStringLiteral("the file is read-only or in use by another program");
    case WriteResult::FolderMissing: return QStringLiteral("the folder does not exist");
    case WriteResult::Written:
    case WriteResult::Failed: break;
    }
    return QStringLiteral("the system refused to write it");
}

} // namespace

QString saveFailedMessage(const QString& path, WriteResult result)
{
    return QStringLiteral("The file %1 could not be saved: %2.")
        .arg(QDir::toNativeSeparators(path), reasonText(result));
}

void Platform::showMessage(QWidget* parent, const QString& text, MessageIcon icon)
{
    showMessageBox(parent, kApplicationTitle, text, icon);
}

bool Platform::saveFile(QWidget* parent, const QString& path, const QByteArray& bytes)
{
    const WriteResult result = writeFile(path, bytes);
    if (result == WriteResult::Written)
        return true;
    showMessage(parent, saveFailedMessage(path, result), MessageIcon::Error);
    return false;
}

bool Platform::saveRichText(QWidget* parent, const QTextDocument& document, const QString& path)
{
    return saveFile(parent, path, toRtf(document));
}

void Platform::printOnDefaultPrinter(QWidget* parent, const QTextEdit& view)
{
    if (const std::unique_ptr<QPrinter> printer = defaultPrinter())
        print(view, *printer);
    else
        showMessage(parent, kNoPrinterMessage, MessageIcon::Error);
}

} // namespace velmora::ui
