#include "ui/Controls.h"

#include "ui/LinkLabel.h"
#include "ui/Twips.h"
#include "ui/WrappingButton.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QRegularExpression>

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

// A caption as a screen reader should say it: "Name", not "&Name :-"; a
// doubled "&&" is a written ampersand.
QString spokenCaption(const QString& caption)
{
    static const QRegularExpression trailingMarks(QStringLiteral("\\s*:-?\\s*$"));
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        spoken += caption[i];
    }
    spoken.remove(trailingMarks);
    return spoken.simplified();
}

// A frame as assistive technology sees it: a group named by its own caption,
// as it reads at the time. Without it a frame is a nameless panel, and the
// controls in it borrow the caption of the frame around them.
class AccessibleFrame : public QAccessibleWidget {
public:
    explicit AccessibleFrame(QGroupBox* frame)
        : QAccessibleWidget(frame, QAccessible::Grouping)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return spokenCaption(static_cast<QGroupBox*>(widget())->title());
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* frameAccessibility(const QString& className, QObject* object)
{
    return className == QLatin1String("QGroupBox") ? new AccessibleFrame(static_cast<QGroupBox*>(object)) : nullptr;
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
    return place(new QLineEdit(parent), name, left, top, width, height);
}

QPlainTextEdit* addMultiLineBox(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* box = place(new QPlainTextEdit(parent), name, left, top, width, height);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

QComboBox* addList(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    return place(list, name, left, top, width, height);
}

QGroupBox* addFrame(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height)
{
    static const bool factoryInstalled = (QAccessible::installFactory(frameAccessibility), true);
    Q_UNUSED(factoryInstalled);
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
