#pragma once

#include "Launcher.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QMdiArea;
class QMenu;

namespace velmora::ui {
class LinkLabel;
}

namespace velmora::shell {

// Shows a calculator's entry window; empty for a calculator not in the suite.
using EntryWindowOpener = std::function<void(kit::Launcher&)>;
// Indexed by calculator: 0 Chinese, 1 Egyptian, 2 Japanese, 3 Western.
using CalculatorOpeners = std::array<EntryWindowOpener, 4>;

// The launcher frame: banner, calculator buttons, the welcome panel with its
// links, the offer band, and the area in which every calculator window opens.
class frmMDI : public QMainWindow, public kit::Launcher {
    Q_OBJECT
public:
    frmMDI(ui::Platform& platform, CalculatorOpeners openers);

    ui::Platform& platform() override { return platform_; }
    void setWelcomePanelVisible(bool visible) override;
    bool isWelcomePanelVisible() const override;
    void showAboutBox(QWidget* parent) override;

    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();
    void cmdMdiExit_Click();

    void OpenCalculator(int k);
    // File > Complete Reading: the complete reading's window, in place of
    // any calculator's.
    void mnuCompleteReading_Click();
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
    CalculatorOpeners openers_;
    QMdiArea* mdiArea_ = nullptr;
    QWidget* picMain_ = nullptr;
    std::array<ui::LinkLabel*, 7> lblCaption_{};
    QList<QAction*> ownMenuBar_;
    // Context of the menu bar's connections; it goes before the frame's
    // children do, so tearing down never updates a half-destroyed frame.
    std::unique_ptr<QObject> menuUpdates_ = std::make_unique<QObject>();
};

} // namespace velmora::shell
