// What every window of the suite owes a keyboard, a screen reader and a small
// screen, checked over all of them with a reading in each.
#include "kit/CalculatorWindow.h"
#include "kit/WebPages.h"
#include "shell/AboutBox.h"
#include "shell/Calculators.h"
#include "shell/LauncherFrame.h"
#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"
#include "tools/SampleReadings.h"
#include "ui/LinkLabel.h"
#include "ui/Text.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

using velmora::testing::control;

using namespace velmora;

namespace {

bool isInput(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget)
           || qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QTextEdit*>(widget)
           || qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTabBar*>(widget);
}

const ui::LinkLabel* asLink(const QWidget* widget)
{
    const auto* link = qobject_cast<const ui::LinkLabel*>(widget);
    return link && link->isLink() ? link : nullptr;
}

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// The widgets of `window` a user can see, the window itself excluded.
QList<QWidget*> visibleParts(QWidget& window)
{
    QList<QWidget*> parts;
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (widget->isVisibleTo(&window) && !widget->isWindow())
            parts.append(widget);
    return parts;
}

// The window's focusable controls in the order Tab visits them.
QList<QWidget*> tabOrder(QWidget& window)
{
    QList<QWidget*> chain;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain())
        if (window.isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&window))
            chain.append(w);
    return chain;
}

// Every link control of the suite: the launcher's, the About box's and every
// calculator's.
std::vector<kit::LinkControl> everyLinkControl()
{
    std::vector<kit::LinkControl> links(shell::LauncherFrame::kLinkControls.begin(),
                                        shell::LauncherFrame::kLinkControls.end());
    links.insert(links.end(), shell::AboutBox::kLinkControls.begin(), shell::AboutBox::kLinkControls.end());
    for (const kit::Calculator* calculator : shell::calculators())
        links.insert(links.end(), calculator->links.begin(), calculator->links.end());
    return links;
}

class EveryWindow : public ::testing::Test {
protected:
    EveryWindow()
    {
        QAccessible::setActive(true);
        frame.showMaximized();
        QApplication::setActiveWindow(&frame);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
    }

    static QString describe(const QString& view, const QWidget* widget)
    {
        return view + QLatin1Char('/') + widget->objectName() + QLatin1Char(' ')
               + QLatin1String(widget->metaObject()->className());
    }

    velmora::testing::RecordingPlatform platform;
    shell::LauncherFrame frame{platform, shell::calculators()};
};

TEST_F(EveryWindow, NamesEveryInputAndReadsEveryValueAndLinkToAScreenReader)
{
    QStringList faults;
    tools::showEveryWindow(frame, [&](const QString& view, QWidget& window) {
        for (QWidget* widget : visibleParts(window)) {
            const QString name = accessibleName(widget);
            if (isInput(widget) && name.trimmed().isEmpty())
                faults << describe(view, widget) + QStringLiteral(": no name");
            const auto* label = qobject_cast<const QLabel*>(widget);
            const QString shown = label ? label->text().simplified() : QString();
            if (!shown.isEmpty() && !name.simplified().contains(shown))
                faults << describe(view, widget) + QStringLiteral(": named \"%1\", shows \"%2\"").arg(name, shown);
            if (const auto* frame = qobject_cast<const QGroupBox*>(widget);
                frame && !frame->title().isEmpty() && (name.isEmpty() || !frame->title().contains(name)))
                faults << describe(view, widget) + QStringLiteral(": frame \"%1\" named \"%2\"").arg(frame->title(), name);
            if (asLink(widget)) {
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
                const QAccessibleActionInterface* actions = face->actionInterface();
                if (face->role() != QAccessible::Link || !actions
                    || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
                    faults << describe(view, widget) + QStringLiteral(": not a pressable link");
            }
        }
    });
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST_F(EveryWindow, OpensEachWebLinkWhenAssistiveTechnologyPressesIt)
{
    QStringList faults;
    tools::showEveryWindow(frame, [&](const QString& view, QWidget& window) {
        for (QWidget* widget : visibleParts(window)) {
            // The launcher's calculator links open calculators, not pages.
            if (!asLink(widget) || widget->objectName().startsWith(QLatin1String("lblCaption(")))
                continue;
            const qsizetype before = platform.openedAddresses.size();
            QAccessible::queryAccessibleInterface(widget)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
            if (platform.openedAddresses.size() != before + 1)
                faults << describe(view, widget);
        }
    });
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST_F(EveryWindow, HasEveryLinkControlListedForItAndEachOpensItsOwnPage)
{
    QStringList faults;
    QSet<QString> windowsSeen;
    const std::vector<kit::LinkControl> links = everyLinkControl();
    tools::showEveryWindow(frame, [&](const QString& view, QWidget& window) {
        windowsSeen << window.objectName();
        for (const kit::LinkControl& link : links) {
            if (window.objectName() != ui::toQString(link.window))
                continue;
            const QString where = view + QLatin1Char('/') + ui::toQString(link.control);
            auto* label = control<ui::LinkLabel>(&window, ui::toQString(link.control));
            if (!label) {
                faults << where + QStringLiteral(": no such link label");
                continue;
            }
            platform.openedAddresses.clear();
            label->click();
            if (platform.openedAddresses != QStringList{ui::toQString(kit::pageAddress(link.page))})
                faults << where + QStringLiteral(": opened ") + platform.openedAddresses.join(QLatin1Char(' '));
        }
    });
    for (const kit::LinkControl& link : links)
        if (!windowsSeen.contains(ui::toQString(link.window)))
            faults << ui::toQString(link.window) + QStringLiteral(": no such window");
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST_F(EveryWindow, OpensWithTheFocusInTheFirstNameBoxAndLinksLastInTheTabOrder)
{
    const QMap<QString, QString> firstNameBox = {{QStringLiteral("western-entry"), QStringLiteral("txtNameM")},
                                                 {QStringLiteral("chinese-entry"), QStringLiteral("txtMaleName")},
                                                 {QStringLiteral("egyptian-entry"), QStringLiteral("txtName")},
                                                 {QStringLiteral("japanese-entry"), QStringLiteral("txtName")},
                                                 {QStringLiteral("complete-entry"), QStringLiteral("txtName")}};
    QStringList seen;
    tools::showEveryWindow(frame, [&](const QString& view, QWidget& window) {
        if (!qobject_cast<kit::CalculatorWindow*>(&window))
            return;
        if (firstNameBox.contains(view)) {
            seen << view;
            const QWidget* focus = QApplication::focusWidget();
            EXPECT_EQ(focus ? focus->objectName() : QString(), firstNameBox.value(view)) << view.toStdString();
        }
        bool linkSeen = false;
        for (const QWidget* widget : tabOrder(window)) {
            if (asLink(widget))
                linkSeen = true;
            else
                EXPECT_FALSE(linkSeen) << describe(view, widget).toStdString() << " comes after a link";
        }
    });
    EXPECT_EQ(seen.size(), firstNameBox.size());
}

TEST_F(EveryWindow, SavesWithCtrlSAndPrintsWithCtrlPWhereItHasSaveAndPrint)
{
    QStringList pressed;
    tools::showEveryWindow(frame, [&](const QString& view, QWidget& window) {
        if (!view.endsWith(QLatin1String("-report")) && view != QLatin1String("egyptian-result-user"))
            return;
        pressed << view;
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus && window.isAncestorOf(focus)) << view.toStdString();
        const std::size_t dialogs = platform.fileDialogs.size();
        QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(platform.fileDialogs.size(), dialogs + 1) << view.toStdString();
        platform.printDialogAnswers = {true};
        const std::size_t jobs = platform.printed.size();
        QTest::keyClick(focus, Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(platform.printed.size(), jobs + 1) << view.toStdString();
    });
    EXPECT_EQ(pressed.size(), 3);
}

TEST_F(EveryWindow, CanBeSeenAndPressedOnSmallScreensAndInAnUnmaximisedFrame)
{
    // 1280 x 720 less the title bar and panel of a desktop; the frame's own
    // design size, unmaximised.
    for (const QSize size : {QSize(1280, 650), QSize(792, 808)}) {
        frame.showNormal();
        frame.resize(size);
        QApplication::processEvents();
        SCOPED_TRACE(size.width());
        QStringList faults;
        tools::showEveryWindow(frame, [&](const QString& view, QWidget& window) {
            if (&window == &frame) {
                for (QWidget* widget : visibleParts(frame)) {
                    const QRect place(widget->mapTo(&frame, QPoint(0, 0)), widget->size());
                    if ((isInput(widget) || qobject_cast<QLabel*>(widget)) && !frame.rect().contains(place))
                        faults << describe(view, widget) + QStringLiteral(" lies outside the frame");
                }
                return;
            }
            const auto* sub = qobject_cast<const QMdiSubWindow*>(window.parentWidget());
            if (!sub) {
                if (window.width() > size.width() || window.height() > size.height())
                    faults << view + QStringLiteral(" is larger than the screen");
                return;
            }
            const QMdiArea* area = sub->mdiArea();
            const QSize seen = area->viewport()->size();
            const bool across = sub->x() >= 0
                                && sub->geometry().right() < seen.width() + area->horizontalScrollBar()->maximum();
            const bool down = sub->y() >= 0
                              && sub->geometry().bottom() < seen.height() + area->verticalScrollBar()->maximum();
            if (!across || !down)
                faults << view + QStringLiteral(" cannot be scrolled into sight");
            if (sub->width() <= seen.width() && sub->geometry().right() >= seen.width())
                faults << view + QStringLiteral(" opens partly outside the window area");
        });
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    }
}

} // namespace
