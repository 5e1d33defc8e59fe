#pragma once

#include "ui/ProductInfo.h"

#include <QLatin1String>
#include <QString>

#include <memory>
#include <optional>

class QByteArray;
class QPrinter;
class QTextDocument;
class QTextEdit;
class QWidget;

namespace velmora::ui {

// The caption of every message box and the title of every file dialog.
inline constexpr QLatin1String kApplicationTitle{VELMORA_PRODUCT_NAME};

// Message box icons, numbered as the program's messages name them.
enum class MessageIcon { None = 0, Error = 16, Information = 64 };

// How a file write ended: written, or the one reason a user can act on.
enum class WriteResult {
    Written,
    FolderRefuses,  // the folder does not allow new files
    DiskFull,       // no space left on the disk
    FolderInTheWay, // a folder of that name stands where the file would go
    FileLocked,     // the existing file is read-only or in use
    FolderMissing,  // the folder does not exist
    Failed,         // any other failure
};

// The message for a save that failed: the file and the reason in plain words.
QString saveFailedMessage(const QString& path, WriteResult result);
// The message for Print when there is no printer to print to.
inline constexpr QLatin1String kNoPrinterMessage{"The report could not be printed: no printer is available."};

// What a window asks of a file dialog: one filter entry, the extension added
// to a name typed without one, the dialog's title, and the file name it
// offers (none when empty).
struct FileDialogRequest {
    QString filter;
    QString defaultExtension;
    QString title;
    QString suggestedName = {};
};

// Every service a window needs from the desktop. The program uses QtPlatform;
// tests use a recording fake, so no test ever waits on a real dialog.
class Platform {
public:
    virtual ~Platform() = default;

    // Modal box with one OK button, captioned with the application title.
    void showMessage(QWidget* parent, const QString& text, MessageIcon icon);
    // The box itself, with the caption it is given.
    virtual void showMessageBox(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> getSaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QString> getOpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    // The print dialog; `selectionFlag` offers "print selection". Nothing on cancel.
    virtual std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, bool selectionFlag) = 0;
    // The default printer, or nothing when no printer is available.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;
    // Prints the view's selection, or all of it when nothing is selected.
    virtual void print(const QTextEdit& view, QPrinter& printer) = 0;
    // Replaces `path` with `bytes` atomically. On any failure an existing
    // file is left as it was and no temporary file remains.
    virtual WriteResult writeFile(const QString& path, const QByteArray& bytes) = 0;
    virtual void clearClipboard() = 0;
    // Opens an address in the default browser; failures are silent.
    virtual void openWebPage(QWidget* owner, const QString& address) = 0;
    // True when another copy of the program holds the single-instance lock.
    virtual bool isAnotherCopyRunning() = 0;

    // Writes the file; when that fails, says why in an error box over
    // `parent`. True when the file was written.
    bool saveFile(QWidget* parent, const QString& path, const QByteArray& bytes);
    // The same for the document as rich text.
    bool saveRichText(QWidget* parent, const QTextDocument& document, const QString& path);
    // Prints the view on the default printer, or says that there is none.
    void printOnDefaultPrinter(QWidget* parent, const QTextEdit& view);
};

} // namespace velmora::ui
