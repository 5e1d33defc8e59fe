#include "ui/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace velmora::ui {
namespace {

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

// A drop-down list as assistive technology sees it: named by what it is and
// what it holds, "Your birth month, January", because a screen reader says a
// list's name but not its entry; the caption is the widget's accessible name
// (given by labelInput or by the window). No label relation is offered, since
// a screen reader would speak the label in place of that name.
//
// Qt tells a change of entry as a change of value. Orca 43 speaks a focused
// list again on a change of value only when the list has a value, and only
// when that value differs from the last value it announced in any control;
// each list's values therefore carry a small fraction of their own, so that
// two lists moved to the same position one after the other are both heard.
class AccessibleList : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleList(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox), ownFraction_(nextFraction())
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        const QString caption = widget()->accessibleName();
        const QString entry = list()->currentText();
        switch (t) {
        case QAccessible::Name:
            if (caption.isEmpty() || entry.isEmpty())
                return caption.isEmpty() ? entry : caption;
            return caption + QStringLiteral(", ") + entry;
        case QAccessible::Value: return entry;
        default: return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        return QAccessibleWidget::relations(match & ~QAccessible::Label);
    }

    // The entries, as a list shows them when it drops down.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& actionName) override
    {
        if (actionName != showMenuAction() && actionName != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    // The value is the entry's position from 0, plus the list's own fraction.
    QVariant currentValue() const override { return list()->currentIndex() + ownFraction_; }
    void setCurrentValue(const QVariant& value) override
    {
        const int index = static_cast<int>(std::floor(value.toDouble()));
        if (index >= 0 && index < list()->count())
            list()->setCurrentIndex(index);
    }
    QVariant maximumValue() const override { return std::max(0, list()->count() - 1) + ownFraction_; }
    QVariant minimumValue() const override { return ownFraction_; }
    QVariant minimumStepSize() const override { return 1; }

private:
    // Fractions from 0.001 to 0.999, in turn.
    static double nextFraction()
    {
        static int lists = 0;
        lists = lists % 999 + 1;
        return lists / 1000.0;
    }

    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }

    double ownFraction_;
};

// The window area and the stack of a tab widget's pages: containers without
// a name of their own, which Qt would give the role of a layered pane that
// screen readers say aloud, nameless, whenever the focus enters them.
class AccessibleContainer : public QAccessibleWidget {
public:
    explicit AccessibleContainer(QWidget* container)
        : QAccessibleWidget(container, QAccessible::Client)
    {
    }
};

QAccessibleInterface* suiteAccessibility(const QString& className, QObject* object)
{
    if (className == QLatin1String("QGroupBox"))
        return new AccessibleFrame(static_cast<QGroupBox*>(object));
    if (className == QLatin1String("QComboBox") && !static_cast<QComboBox*>(object)->isEditable())
        return new AccessibleList(static_cast<QComboBox*>(object));
    if (className == QLatin1String("QMdiArea") || className == QLatin1String("QStackedWidget"))
        return new AccessibleContainer(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = (QAccessible::installFactory(suiteAccessibility), true);
    Q_UNUSED(installed);
}

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

} // namespace velmora::ui
