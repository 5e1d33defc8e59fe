#include "ui/QtPlatform.h"

#include "ui/Printing.h"
#include "ui/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QScreen>
#include <QTextDocument>
#include <QUrl>

#include <cerrno>

namespace velmora::ui {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// A name typed without an extension gets the default one: the dialog's
// filter says what kind of file is saved, so its extension is meant.
QString withDefaultExtension(const QString& path, const QString& extension)
{
    if (path.isEmpty() || extension.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + extension;
}

// The windows give a filter as "description|pattern"; Qt wants
// "description (pattern)".
QString qtFilter(const QString& filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    const QString description = filter.left(bar).trimmed();
    const QString pattern = filter.mid(bar + 1).trimmed();
    if (description.contains(QLatin1Char('(') + pattern + QLatin1Char(')')))
        return description;
    return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title, QString(), qtFilter(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return withDefaultExtension(dialog.selectedFiles().constFirst(), request.defaultExtension);
}

// Why a write failed: what stands at the path and around it first, since
// Qt does not say; then the system's error code of the failed call.
WriteResult writeFailure(const QString& path, int error)
{
    const QFileInfo target(path);
    if (target.isDir())
        return WriteResult::FolderInTheWay;
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return WriteResult::FolderMissing;
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT: return WriteResult::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS: return target.exists() && !target.isWritable() ? WriteResult::FileLocked : WriteResult::FolderRefuses;
    case ETXTBSY:
    case EBUSY: return WriteResult::FileLocked;
    default: break;
    }
    if (target.exists() && !target.isWritable())
        return WriteResult::FileLocked;
    return WriteResult::Failed;
}

} // namespace

void QtPlatform::showMessageBox(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon)
{
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> QtPlatform::getSaveFileName(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtPlatform::getOpenFileName(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::unique_ptr<QPrinter> QtPlatform::choosePrinter(QWidget* parent, bool selectionFlag)
{
    auto printer = std::make_unique<QPrinter>();
    QPrintDialog dialog(printer.get(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selectionFlag);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (selectionFlag)
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

std::unique_ptr<QPrinter> QtPlatform::defaultPrinter()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(printer);
}

void QtPlatform::print(const QTextEdit& view, QPrinter& printer)
{
    // Laid out on the printer's own page, so the document prints as it is,
    // without the page numbers added to documents of no page size.
    const std::unique_ptr<QTextDocument> document = printableDocument(view);
    document->documentLayout()->setPaintDevice(&printer);
    document->setPageSize(printer.pageLayout().paintRectPixels(printer.resolution()).size());
    document->print(&printer);
}

WriteResult QtPlatform::writeFile(const QString& path, const QByteArray& bytes)
{
    return writeFileAtomically(path, bytes);
}

void QtPlatform::clearClipboard()
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

void QtPlatform::openWebPage(QWidget*, const QString& address)
{
    QUrl url = QUrl::fromUserInput(address);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

bool QtPlatform::isAnotherCopyRunning()
{
    return instance_.anotherCopyRunning();
}

WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk) shows in write()'s count
    // instead of being lost in a flush that reports success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(path, errno);
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        file.cancelWriting();
        return writeFailure(path, error);
    }
    if (!file.commit())
        return writeFailure(path, errno);
    return WriteResult::Written;
}

} // namespace velmora::ui
