#pragma once

#include "kit/Calculator.h"
#include "kit/WindowHost.h"

#include <QList>
#include <QMainWindow>

#include <array>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

class QMdiArea;
class QMenu;

namespace velmora::ui {
class LinkLabel;
}

namespace velmora::shell {

// The launcher frame: banner, a button for each calculator offered by one,
// the welcome panel with its links, the offer band, the area in which every
// calculator window opens, and a File menu item for each calculator offered
// by one.
class LauncherFrame : public QMainWindow, public kit::WindowHost {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmMDI";
    static constexpr auto kLinkControls = std::to_array<kit::LinkControl>({
        {kWindowName, "lblOrbenlyBanner", kit::PageKey::HomePage},
        {kWindowName, "Picture6", kit::PageKey::HomePage},
        {kWindowName, "Label7", kit::PageKey::FullyBranded},
    });

    LauncherFrame(ui::Platform& platform, std::span<const kit::Calculator* const> calculators);

    ui::Platform& platform() override { return platform_; }
    void setWelcomePanelVisible(bool visible) override;
    bool isWelcomePanelVisible() const override;
    void showAboutBox(QWidget* parent) override;

    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();
    void cmdMdiExit_Click();

    // Opens the calculator of button k, in place of any calculator's windows.
    void OpenCalculator(int k);
    // Opens `calculator` in place of any calculator's windows.
    void open(const kit::Calculator& calculator);
    // Closes every window of every calculator, each calculator's in its own
    // order, the calculators in the order the launcher offers them.
    void CloseCalculatorWindows();

protected:
    QMdiSubWindow* adopt(kit::CalculatorWindow& window) override;
    QSize windowAreaSize() const override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* createTopBanner();
    QWidget* createButtonBand();
    QWidget* createWelcomePanel();
    QWidget* createOfferBand();
    void createMenus();
    void createShortcuts();
    void updateMenus();

    ui::Platform& platform_;
    // The calculators offered by buttons, left to right.
    std::vector<const kit::Calculator*> buttons_;
    QMdiArea* mdiArea_ = nullptr;
    QWidget* picMain_ = nullptr;
    QList<ui::LinkLabel*> lblCaption_;
    QList<QAction*> ownMenuBar_;
    // Context of the menu bar's connections; it goes before the frame's
    // children do, so tearing down never updates a half-destroyed frame.
    std::unique_ptr<QObject> menuUpdates_ = std::make_unique<QObject>();
};

} // namespace velmora::shell
