#include "ui/Controls.h"

#include "ui/Accessibility.h"
#include "ui/LinkLabel.h"
#include "ui/Twips.h"
#include "ui/WrappingButton.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace velmora::ui {
namespace {

template <class W>
W* place(W* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QLatin1String(name));
    // Measuring the content lays its text out: done only when it sizes the control.
    const QSize natural = width > 0 && height > 0 ? QSize() : widget->sizeHint();
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top),
                        width > 0 ? twipsToPixels(width) : natural.width(),
                        height > 0 ? twipsToPixels(height) : natural.height());
    return widget;
}

// Whether a caption has a keyboard shortcut: an "&" before a character other
// than a second "&".
bool hasMnemonic(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return true;
        ++i;
    }
    return false;
}

} // namespace

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height)
{
    auto* label = place(new QLabel(text, parent), name, left, top, width, height);
    label->setWordWrap(width > 0 && height > 0);
    return label;
}

QLabel* addValueLabel(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    QLabel* label = addLabel(parent, name, QString(), left, top, width, height);
    label->setTextFormat(Qt::PlainText);
    return label;
}

LinkLabel* addLinkLabel(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
                        int height)
{
    auto* label = place(new LinkLabel(text, parent), name, left, top, width, height);
    label->setWordWrap(true);
    return label;
}

QLineEdit* addTextBox(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* box = new QLineEdit(parent);
    // Places the caret now. A box whose caret was never placed reports the
    // caret's first move as Tab brings the focus in, ahead of the focus
    // itself, and Orca then takes the focus in silently.
    box->setText(QString());
    return place(box, name, left, top, width, height);
}

QPlainTextEdit* addMultiLineBox(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* box = place(new QPlainTextEdit(parent), name, left, top, width, height);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

QComboBox* addList(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    installAccessibleInterfaces();
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    return place(list, name, left, top, width, height);
}

QGroupBox* addFrame(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height)
{
    installAccessibleInterfaces();
    return place(new QGroupBox(caption, parent), name, left, top, width, height);
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                       int height)
{
    return place(new WrappingButton(caption, parent), name, left, top, width, height);
}

void setColors(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    if (background.isValid()) {
        widget->setAutoFillBackground(true);
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Button, background);
    }
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::ButtonText, text);
    }
    widget->setPalette(palette);
}

void labelInput(QLabel* caption, QWidget* input)
{
    if (hasMnemonic(caption->text()))
        caption->setBuddy(input);
    input->setAccessibleName(spokenCaption(caption->text()));
}

void labelValue(QLabel* caption, QLabel* value)
{
    caption->setBuddy(value);
    value->setAccessibleName(QString());
    value->setAccessibleDescription(spokenCaption(caption->text()));
}

void showText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        line->setCursorPosition(0);
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
        lines->document()->setPlainText(text);
    }
}

} // namespace velmora::ui
