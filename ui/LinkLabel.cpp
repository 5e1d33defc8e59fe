#include "ui/LinkLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>

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

// A picture, or no text at all, is left to the label itself.
bool LinkLabel::showsText() const
{
    return pixmap().isNull() && !text().isEmpty();
}

// The text's own direction places it, as in a plain label.
Qt::LayoutDirection LinkLabel::textDirection() const
{
    return text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
}

int LinkLabel::alignmentFlags() const
{
    int flags = QStyle::visualAlignment(textDirection(), alignment()) | Qt::TextExpandTabs;
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    return flags;
}

// The indent a framed label without one set keeps from its frame.
int LinkLabel::indentation() const
{
    return indent() < 0 && frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin()
                                            : indent();
}

// The size the text takes when it may be the given width wide (any width
// when negative), with the margin, the indent and the frame around it.
QSize LinkLabel::sizeForWidth(int width) const
{
    const QFontMetrics metrics = fontMetrics();
    const QMargins frame = contentsMargins();
    const int flags = alignmentFlags();
    int horizontal = 2 * margin();
    int vertical = horizontal;
    // Measured with a whole x where the text is drawn with half of one.
    const int extra =
        indent() < 0 && frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) - 2 * margin() : indent();
    if (extra > 0) {
        if (flags & (Qt::AlignLeft | Qt::AlignRight))
            horizontal += extra;
        if (flags & (Qt::AlignTop | Qt::AlignBottom))
            vertical += extra;
    }
    if (minimumWidth() > 0)
        width = std::max(width, minimumWidth());
    // Centring is left out: it only rounds the size.
    const int measure = flags & ~(Qt::AlignVCenter | Qt::AlignHCenter);
    const bool wraps = width < 0 && (flags & Qt::TextWordWrap);
    if (wraps)
        width = std::min(metrics.averageCharWidth() * 80, maximumWidth());
    else if (width < 0)
        width = 2000;
    width -= horizontal + frame.left() + frame.right();
    QRect bounds = metrics.boundingRect(0, 0, width, 2000, measure, text());
    // A short wrapped text is shown narrower, in a few lines.
    if (wraps && bounds.height() < 4 * metrics.lineSpacing() && bounds.width() > width / 2)
        bounds = metrics.boundingRect(0, 0, width / 2, 2000, measure, text());
    if (wraps && bounds.height() < 2 * metrics.lineSpacing() && bounds.width() > width / 4)
        bounds = metrics.boundingRect(0, 0, width / 4, 2000, measure, text());
    const QSize content(bounds.width() + horizontal + frame.left() + frame.right(),
                        bounds.height() + vertical + frame.top() + frame.bottom());
    return content.expandedTo(minimumSize());
}

QSize LinkLabel::sizeHint() const
{
    if (!showsText())
        return QLabel::sizeHint();
    ensurePolished();
    return sizeForWidth(-1);
}

QSize LinkLabel::minimumSizeHint() const
{
    if (!showsText())
        return QLabel::minimumSizeHint();
    ensurePolished();
    // One line high, as narrow as the longest word when the text wraps.
    return {sizeForWidth(0).width(), std::min(sizeForWidth(QWIDGETSIZE_MAX).height(), sizeForWidth(-1).height())};
}

int LinkLabel::heightForWidth(int width) const
{
    return showsText() ? sizeForWidth(width).height() : QLabel::heightForWidth(width);
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    if (!showsText()) {
        QLabel::paintEvent(event);
    } else {
        QPainter painter(this);
        drawFrame(&painter);
        const int flags = alignmentFlags();
        QRect area = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
        if (const int inset = indentation(); inset > 0) {
            if (flags & Qt::AlignLeft)
                area.setLeft(area.left() + inset);
            if (flags & Qt::AlignRight)
                area.setRight(area.right() - inset);
            if (flags & Qt::AlignTop)
                area.setTop(area.top() + inset);
            if (flags & Qt::AlignBottom)
                area.setBottom(area.bottom() - inset);
        }
        const int direction = textDirection() == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft;
        style()->drawItemText(&painter, area, flags | direction, palette(), isEnabled(), text(), foregroundRole());
    }
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace velmora::ui
