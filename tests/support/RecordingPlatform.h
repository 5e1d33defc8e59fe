#pragma once

#include "ui/Platform.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

namespace velmora::testing {

// Every way a write can fail, for tests that try each.
inline constexpr ui::WriteResult kWriteFailures[] = {
    ui::WriteResult::FolderRefuses, ui::WriteResult::DiskFull,      ui::WriteResult::FolderInTheWay,
    ui::WriteResult::FileLocked,    ui::WriteResult::FolderMissing, ui::WriteResult::Failed,
};

// A platform that records what the windows ask of it and answers dialogs
// from a script, so tests never meet a real dialog, printer or browser.
class RecordingPlatform final : public ui::Platform {
public:
    struct Message {
        QString text;
        ui::MessageIcon icon;
        QString caption;
    };
    struct FileDialog {
        ui::FileDialogRequest request;
        bool save;
    };
    struct PrintJob {
        QString text;
        bool throughDialog;
        bool selectionFlag;
    };

    // Scripted answers; an empty script cancels the dialog.
    std::deque<QString> fileDialogAnswers;
    std::deque<bool> printDialogAnswers;
    // How every write ends; anything but Written leaves the files untouched.
    ui::WriteResult writeResult = ui::WriteResult::Written;
    // Whether writes that succeed also go to disk, through the program's own
    // atomic write, which then decides how each write ends.
    bool writeToDisk = false;
    bool printerAvailable = true;
    bool anotherCopyRunning = false;

    std::vector<Message> messages;
    std::vector<FileDialog> fileDialogs;
    std::vector<PrintJob> printed;
    QMap<QString, QByteArray> writtenFiles;
    QStringList openedAddresses;
    int clipboardClears = 0;

    // The texts of the messages shown so far, in order.
    QStringList messageTexts() const;

    void showMessageBox(QWidget* parent, const QString& caption, const QString& text, ui::MessageIcon icon) override;
    std::optional<QString> getSaveFileName(QWidget* parent, const ui::FileDialogRequest& request) override;
    std::optional<QString> getOpenFileName(QWidget* parent, const ui::FileDialogRequest& request) override;
    std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, bool selectionFlag) override;
    std::unique_ptr<QPrinter> defaultPrinter() override;
    void print(const QTextEdit& view, QPrinter& printer) override;
    ui::WriteResult writeFile(const QString& path, const QByteArray& bytes) override;
    void clearClipboard() override;
    void openWebPage(QWidget* owner, const QString& address) override;
    bool isAnotherCopyRunning() override;

private:
    std::optional<QString> answerFileDialog(const ui::FileDialogRequest& request, bool save);
    // Which printer the next print job goes to: the dialog's or the default.
    bool nextJobThroughDialog_ = false;
    bool nextJobSelectionFlag_ = false;
};

} // namespace velmora::testing
