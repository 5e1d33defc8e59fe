#include "CalculatorWindow.h"

#include "Fonts.h"
#include "Launcher.h"
#include "Platform.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace velmora::shell {

CalculatorWindow::CalculatorWindow(Launcher& launcher, const QString& name, const QString& caption, int widthTwips,
                                   int heightTwips)
    : launcher_(launcher)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(ui::twipsSize(widthTwips, heightTwips));
    setFont(ui::verdana(8.25));
}

QList<QAction*> CalculatorWindow::menuBarActions() const
{
    return {};
}

void CalculatorWindow::Form_Load()
{
    placeOnScreen();
}

void CalculatorWindow::Form_Unload() {}

void CalculatorWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    launcher_.forget(*this);
    event->accept();
}

ui::Platform& CalculatorWindow::platform() const
{
    return launcher_.platform();
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
    const int screenWidth = platform().screenWidthTwips();
    const int windowWidth = ui::pixelsToTwips(frame->width());
    frame->move(ui::twipsToPixels((screenWidth - windowWidth) / 2), 0);
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
}

void CalculatorWindow::hideWindow()
{
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

} // namespace velmora::shell
