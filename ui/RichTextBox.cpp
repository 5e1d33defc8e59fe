#include "ui/RichTextBox.h"

#include "ui/Fonts.h"
#include "ui/Platform.h"

#include <QMouseEvent>
#include <QTextCursor>

namespace velmora::ui {

RichTextBox::RichTextBox(QWidget* parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    // Tab moves on to the next control, so a keyboard user is never caught
    // in a reading.
    setTabChangesFocus(true);
    // A reading is a document: dark text on light paper whatever the
    // desktop's colours, so that the runs keep the contrast they were
    // coloured for.
    QPalette paper = palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    setPalette(paper);
    setFont(verdana(9.75));
    document()->setDefaultFont(verdana(9.75));
    runFormat_.setForeground(QColor(Qt::black));
    runFormat_.setFontWeight(QFont::Normal);
}

void RichTextBox::setRunColor(const QColor& color)
{
    runFormat_.setForeground(color);
}

void RichTextBox::setEmphasis(bool on)
{
    runFormat_.setFontWeight(on ? QFont::Bold : QFont::Normal);
}

void RichTextBox::appendRun(const QString& text)
{
    // The document starts a paragraph at every CR and every LF, so a CR LF
    // pair is reduced to one paragraph break first.
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(normalised, runFormat_);
}

void RichTextBox::mousePressEvent(QMouseEvent* event)
{
    pressed_ = true;
    emit mouseDown();
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMove();
    QTextEdit::mouseMoveEvent(event);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp();
    if (pressed_) {
        pressed_ = false;
        emit clicked();
    }
    QTextEdit::mouseReleaseEvent(event);
}

void clearClipboardOnUse(RichTextBox& view, Platform& platform)
{
    const auto clear = [&platform] { platform.clearClipboard(); };
    QObject::connect(&view, &QTextEdit::textChanged, &view, clear);
    QObject::connect(&view, &RichTextBox::clicked, &view, clear);
    QObject::connect(&view, &RichTextBox::mouseDown, &view, clear);
    QObject::connect(&view, &RichTextBox::mouseMove, &view, clear);
    QObject::connect(&view, &RichTextBox::mouseUp, &view, clear);
}

} // namespace velmora::ui
