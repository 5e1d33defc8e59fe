#include "LinkLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace velmora::ui {
namespace {

// A link label as assistive technology sees it: a link named by its text,
// focusable, with the press action that a click performs. Labels that only
// take the pointer (the launcher's headings and banner strip) stay plain
// static text.
class AccessibleLinkLabel : public QAccessibleWidget {
public:
    explicit AccessibleLinkLabel(LinkLabel* label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            label()->click();
    }

private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* linkLabelAccessibility(const QString& className, QObject* object)
{
    if (className != QLatin1String("velmora::ui::LinkLabel"))
        return nullptr;
    auto* label = static_cast<LinkLabel*>(object);
    return label->isLink() ? new AccessibleLinkLabel(label) : nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent, bool isLink)
    : QLabel(text, parent), isLink_(isLink)
{
    static const bool factoryInstalled = (QAccessible::installFactory(linkLabelAccessibility), true);
    Q_UNUSED(factoryInstalled);
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
    if (isLink) {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
    }
}

void LinkLabel::click()
{
    emit clicked();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered();
    event->accept();
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool released = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (released)
        click();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        click();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace velmora::ui
