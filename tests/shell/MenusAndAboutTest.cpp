#include "kit/CommonMenus.h"
#include "kit/WebPages.h"
#include "shell/AboutBox.h"
#include "shell/Calculators.h"
#include "shell/LauncherFrame.h"
#include "tests/shell/FakeWindows.h"
#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using velmora::testing::control;

using namespace velmora;
using kit::PageKey;

namespace {

QStringList texts(const QList<QAction*>& actions)
{
    QStringList out;
    for (const QAction* action : actions)
        out.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return out;
}

QAction* item(const QList<QAction*>& bar, const QString& menu, const QString& name)
{
    for (QAction* top : bar)
        if (top->text() == menu && top->menu())
            return top->menu()->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
    return nullptr;
}

// A window with a File menu of its own, as every entry and result window has.
class MenuWindow : public velmora::testing::FakeWindow<"frmZodiacCompatibilityMain", velmora::testing::Role::Entry> {
public:
    explicit MenuWindow(kit::WindowHost& host)
        : FakeWindow(host)
    {
        auto* file = new QMenu(QStringLiteral("&File"), this);
        file->addAction(QStringLiteral("E&xit"));
        setMenuBar(file, {.updateWording = kit::UpdateItemWording::CheckFirst});
    }
};

using ReportWindow = velmora::testing::FakeWindow<"frmZodiacCompatibilitySave", velmora::testing::Role::Report, MenuWindow>;

} // namespace

class Menus : public ::testing::Test {
protected:
    Menus() { frame.show(); }
    QList<QAction*> bar() const { return frame.menuBar()->actions(); }

    velmora::testing::RecordingPlatform platform;
    shell::LauncherFrame frame{platform, shell::calculators()};
};

TEST_F(Menus, TheFrameShowsFileHelpAndAnUnavailableMakeMoneyItem)
{
    EXPECT_EQ(texts(bar()), QStringList({"&File", "&Help", "Make Money &Online"}));
    EXPECT_FALSE(bar().at(2)->isEnabled());
    EXPECT_EQ(texts(bar().at(1)->menu()->actions()),
              QStringList({"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                           "&About Software"}));
    EXPECT_EQ(texts(bar().at(0)->menu()->actions()), (QStringList{"&Complete Reading...", "C&ircle...", "E&xit"}));
}

TEST_F(Menus, HelpItemsOpenTheirPagesEveryTime)
{
    item(bar(), QStringLiteral("&Help"), QStringLiteral("mnuOnlineHelp"))->trigger();
    item(bar(), QStringLiteral("&Help"), QStringLiteral("mnuOnlineHelp"))->trigger();
    item(bar(), QStringLiteral("&Help"), QStringLiteral("mnuVisitUs"))->trigger();
    item(bar(), QStringLiteral("&Help"), QStringLiteral("mnuUpdate"))->trigger();
    EXPECT_EQ(platform.openedAddresses,
              QStringList({"https://velmora.example/suite/ssd.php?page=help-web-page",
                           "https://velmora.example/suite/ssd.php?page=help-web-page",
                           "https://velmora.example/suite/ssd.php?page=home-page",
                           "https://velmora.example/suite/ssd.php?page=download-web-page"}));
}

TEST_F(Menus, TheActiveWindowsBarIsShownAndTheFramesWhileAReportIsActive)
{
    frame.instance<MenuWindow>().showWindow();
    ASSERT_EQ(texts(bar()), QStringList({"&File", "&Help", "Make Money &Online"}));
    EXPECT_EQ(texts(bar().at(1)->menu()->actions()).at(3), "&Check for Software Update");

    frame.instance<ReportWindow>().showWindow();
    EXPECT_EQ(texts(bar().at(1)->menu()->actions()).at(3), "Check for Software &Update");
    EXPECT_EQ(item(bar(), QStringLiteral("&File"), QStringLiteral("mnuExit"))->text(), "E&xit");

    frame.findWindow(ReportWindow::kWindowName)->closeWindow();
    frame.findWindow(MenuWindow::kWindowName)->closeWindow();
    QApplication::processEvents();
    EXPECT_EQ(item(bar(), QStringLiteral("&File"), QStringLiteral("mnuExit"))->text(), "E&xit");
}

TEST_F(Menus, AboutIsModalAndClosesWithEscape)
{
    bool sawAbout = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        sawAbout = modal && modal->objectName() == QLatin1String("frmAbout");
        if (modal)
            QTest::keyClick(modal, Qt::Key_Escape);
    });
    item(bar(), QStringLiteral("&Help"), QStringLiteral("mnuAbout"))->trigger();
    EXPECT_TRUE(sawAbout);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

class AboutBox : public ::testing::Test {
protected:
    AboutBox() { about.show(); }
    velmora::testing::RecordingPlatform platform;
    shell::AboutBox about{platform};
};

TEST_F(AboutBox, ShowsTheProductAndItsOffer)
{
    EXPECT_EQ(about.windowTitle(), "Velmora Suite v1.30");
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(control<QLabel>(&about, "Label2")->text(), "Velmora Suite v1.30");
    EXPECT_EQ(control<QLabel>(&about, "Label3")->text(),
              "Home Business Opportunity. Start your own Internet business and make money online. Get this "
              "software fully branded for your website. ");
    EXPECT_EQ(control<QLabel>(&about, "lblCoBrand")->text(), "Click here for more details.");
    EXPECT_TRUE(control<QPushButton>(&about, "cmdOK")->isDefault());
}

TEST_F(AboutBox, ItsLinksOpenPagesAndLeaveItOpen)
{
    QTest::mouseClick(control(&about, "lblHomePage"), Qt::LeftButton);
    QTest::mouseClick(control(&about, "lblCoBrand"), Qt::LeftButton);
    EXPECT_EQ(platform.openedAddresses,
              QStringList({"https://velmora.example/suite/ssd.php?page=home-page",
                           "https://velmora.example/suite/ssd.php?page=fully-branded"}));
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutBox, EnterPressesOK)
{
    QTest::keyClick(&about, Qt::Key_Return);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(WebPages, AnAddressIsTheSitesPagePrefixAndTheKey)
{
    EXPECT_EQ(kit::pageAddress(PageKey::CoBrand), "https://velmora.example/suite/ssd.php?page=co-brand");
}
