#include "kit/CalculatorWindow.h"

#include "kit/WebPages.h"
#include "kit/WindowHost.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QShortcut>

namespace velmora::kit {
namespace {

// The window's part of the frame's tab chain, in order.
QList<QWidget*> tabChainOf(const QWidget& window)
{
    QList<QWidget*> chain;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (window.isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
            chain.append(w);
    }
    return chain;
}

} // namespace

CalculatorWindow::CalculatorWindow(WindowHost& host, std::string_view name, const QString& caption,
                                   int widthTwips, int heightTwips)
    : host_(host)
{
    setObjectName(ui::toQString(name));
    setWindowTitle(caption);
    setFixedSize(ui::twipsSize(widthTwips, heightTwips));
    setFont(ui::verdana(8.25));
}

void CalculatorWindow::Form_Load()
{
    placeOnScreen();
    connectLinkLabels(*this, host_.linkControlsOf(objectName().toStdString()), platform());
    putLinksLastInTabOrder();
    addSaveAndPrintKeys();
}

// Ctrl+S and Ctrl+P press the window's Save and Print buttons, where it has them.
void CalculatorWindow::addSaveAndPrintKeys()
{
    const struct {
        const char* button;
        QKeySequence::StandardKey key;
    } keys[] = {{"cmdSave", QKeySequence::Save}, {"cmdPrint", QKeySequence::Print}};
    for (const auto& [name, key] : keys) {
        auto* button = findChild<QAbstractButton*>(QLatin1String(name));
        if (!button)
            continue;
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled())
                button->click();
        });
    }
}

void CalculatorWindow::putLinksLastInTabOrder()
{
    const QList<QWidget*> chain = tabChainOf(*this);
    QList<QWidget*> links;
    QWidget* last = nullptr;
    for (QWidget* widget : chain) {
        if (qobject_cast<ui::LinkLabel*>(widget))
            links.append(widget);
        else
            last = widget;
    }
    if (!last)
        return;
    for (QWidget* link : links) {
        setTabOrder(last, link);
        last = link;
    }
}

void CalculatorWindow::buildPageOnScreen(QWidget* page, const std::function<void()>& build)
{
    build();
    for (QWidget* part : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        part->show();
    putLinksLastInTabOrder();
}

QWidget* CalculatorWindow::firstInput() const
{
    const QList<QWidget*> chain = tabChainOf(*this);
    // Inputs on a page of tabs that is not shown are passed over.
    const auto canTakeFocus = [this](const QWidget* widget) {
        return widget->isEnabled() && widget->isVisibleTo(this);
    };
    for (QWidget* widget : chain) {
        if (const auto* box = qobject_cast<QLineEdit*>(widget); box && !box->isReadOnly() && canTakeFocus(box))
            return widget;
    }
    for (QWidget* widget : chain) {
        if (canTakeFocus(widget) && !qobject_cast<ui::LinkLabel*>(widget))
            return widget;
    }
    return nullptr;
}

void CalculatorWindow::Form_Unload() {}

bool CalculatorWindow::showsReadingOf(std::string_view) const
{
    return false;
}

void CalculatorWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    CalculatorWindow* opener = returnsTo_.empty() ? nullptr : host_.findWindow(returnsTo_);
    if (opener && opener != this)
        opener->showWindow();
    else if (restoresWelcomePanel_)
        host_.setWelcomePanelVisible(true);
    host_.forget(*this);
    event->accept();
}

void CalculatorWindow::handOverTo(CalculatorWindow& result)
{
    result.showWindow();
    hideWindow();
    host_.setWelcomePanelVisible(false);
}

void CalculatorWindow::returnTo(CalculatorWindow& entry)
{
    entry.showWindow();
    closeWindow();
    host_.setWelcomePanelVisible(false);
}

QMenu* CalculatorWindow::createFileMenu()
{
    return new QMenu(QStringLiteral("&File"), this);
}

QAction* CalculatorWindow::addMenuItem(QMenu* menu, const QString& text, const char* name)
{
    QAction* item = menu->addAction(text);
    item->setObjectName(QLatin1String(name));
    return item;
}

void CalculatorWindow::setMenuBar(QMenu* fileMenu, const HelpMenu& help)
{
    menuBar_ = commonMenuBar(*this, *fileMenu, help, host_);
}

ui::Platform& CalculatorWindow::platform() const
{
    return host_.platform();
}

QMdiSubWindow* CalculatorWindow::subWindow() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void CalculatorWindow::placeOnScreen()
{
    QMdiSubWindow* frame = subWindow();
    if (!frame)
        return;
    const int areaWidth = host_.windowAreaSize().width();
    frame->move(std::max(0, (areaWidth - frame->width()) / 2), 0);
}

void CalculatorWindow::showWindow()
{
    QMdiSubWindow* frame = subWindow();
    if (!frame)
        return;
    frame->show();
    frame->raise();
    if (QMdiArea* area = frame->mdiArea())
        area->setActiveSubWindow(frame);
    QWidget* focus = lastFocus_ && lastFocus_->isVisibleTo(this) ? lastFocus_.data() : firstInput();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

void CalculatorWindow::hideWindow()
{
    if (QWidget* focus = QApplication::focusWidget(); focus && isAncestorOf(focus))
        lastFocus_ = focus;
    if (QMdiSubWindow* frame = subWindow())
        frame->hide();
}

void CalculatorWindow::closeWindow()
{
    if (QMdiSubWindow* frame = subWindow())
        frame->close();
}

bool CalculatorWindow::isOnScreen() const
{
    const QMdiSubWindow* frame = subWindow();
    return frame && frame->isVisible();
}

} // namespace velmora::kit
