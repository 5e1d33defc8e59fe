#pragma once

#include "ui/Platform.h"
#include "ui/SingleInstance.h"

namespace velmora::ui {

// The desktop services of the running program, provided by Qt.
class QtPlatform final : public Platform {
public:
    void showMessageBox(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon) override;
    std::optional<QString> getSaveFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> getOpenFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, bool selectionFlag) override;
    std::unique_ptr<QPrinter> defaultPrinter() override;
    void print(const QTextEdit& view, QPrinter& printer) override;
    WriteResult writeFile(const QString& path, const QByteArray& bytes) override;
    void clearClipboard() override;
    void openWebPage(QWidget* owner, const QString& address) override;
    bool isAnotherCopyRunning() override;

private:
    SingleInstance instance_;
};

// Replaces `path` with `bytes` through a temporary file renamed into place;
// a failure removes the temporary file and names its reason.
WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace velmora::ui
