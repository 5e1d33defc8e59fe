#include "tests/support/RecordingPlatform.h"

#include "ui/Printing.h"
#include "ui/QtPlatform.h"
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <QPrinter>
#include <QTextDocument>

namespace velmora::testing {

void RecordingPlatform::showMessageBox(QWidget*, const QString& caption, const QString& text, ui::MessageIcon icon)
{
    messages.push_back({text, icon, caption});
}

QStringList RecordingPlatform::messageTexts() const
{
    QStringList texts;
    for (const Message& message : messages)
        texts.append(message.text);
    return texts;
}

std::optional<QString> RecordingPlatform::answerFileDialog(const ui::FileDialogRequest& request, bool save)
{
    fileDialogs.push_back({request, save});
    if (fileDialogAnswers.empty())
        return std::nullopt;
    QString answer = fileDialogAnswers.front();
    fileDialogAnswers.pop_front();
    return answer;
}

std::optional<QString> RecordingPlatform::getSaveFileName(QWidget*, const ui::FileDialogRequest& request)
{
    return answerFileDialog(request, true);
}

std::optional<QString> RecordingPlatform::getOpenFileName(QWidget*, const ui::FileDialogRequest& request)
{
    return answerFileDialog(request, false);
}

std::unique_ptr<QPrinter> RecordingPlatform::choosePrinter(QWidget*, bool selectionFlag)
{
    const bool accepted = !printDialogAnswers.empty() && printDialogAnswers.front();
    if (!printDialogAnswers.empty())
        printDialogAnswers.pop_front();
    nextJobThroughDialog_ = true;
    nextJobSelectionFlag_ = selectionFlag;
    if (!accepted)
        return nullptr;
    return std::make_unique<QPrinter>();
}

std::unique_ptr<QPrinter> RecordingPlatform::defaultPrinter()
{
    nextJobThroughDialog_ = false;
    nextJobSelectionFlag_ = false;
    if (!printerAvailable)
        return nullptr;
    return std::make_unique<QPrinter>();
}

void RecordingPlatform::print(const QTextEdit& view, QPrinter&)
{
    printed.push_back({ui::printableDocument(view)->toPlainText(), nextJobThroughDialog_, nextJobSelectionFlag_});
}

ui::WriteResult RecordingPlatform::writeFile(const QString& path, const QByteArray& bytes)
{
    ui::WriteResult result = writeResult;
    if (result == ui::WriteResult::Written && writeToDisk)
        result = ui::writeFileAtomically(path, bytes);
    if (result == ui::WriteResult::Written)
        writtenFiles.insert(path, bytes);
    return result;
}

void RecordingPlatform::clearClipboard()
{
    ++clipboardClears;
}

void RecordingPlatform::openWebPage(QWidget*, const QString& address)
{
    openedAddresses.append(address);
}

bool RecordingPlatform::isAnotherCopyRunning()
{
    return anotherCopyRunning;
}

} // namespace velmora::testing
