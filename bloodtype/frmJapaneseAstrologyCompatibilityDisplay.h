#pragma once

#include "CalculatorWindow.h"

#include <QLatin1String>

class QKeyEvent;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace velmora::bloodtype {

// The blood-type calculator's result window: the pair's match on the
// "Compatibility Characteristics" tab and both personality profiles on the
// "Personality Characteristics" tab. It holds no data of its own: the entry
// window writes every value into its labels.
class frmJapaneseAstrologyCompatibilityDisplay : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmJapaneseAstrologyCompatibilityDisplay"};

    explicit frmJapaneseAstrologyCompatibilityDisplay(kit::Launcher& launcher);

    void Form_Load() override;

    void SSTab1_Click();
    void cmdBack_Click();
    void mnuFileBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();

protected:
    // Enter (unless a button has the focus) and Esc press `cmdExit`.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* createPersonalityPanel();
    QWidget* createCompatibilityPanel();
    void createProfileFrame(QWidget* panel, const char* name, int top, bool isUser);
    void createMenus();

    QTabBar* tabs_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
};

} // namespace velmora::bloodtype
