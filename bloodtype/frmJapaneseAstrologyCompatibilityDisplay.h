#pragma once

#include "CalculatorWindow.h"
#include "JapaneseReading.h"

#include <QLatin1String>

#include <array>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace velmora::bloodtype {

// The blood-type calculator's result window: the pair's match on the
// "Compatibility Characteristics" tab and both personality profiles on the
// "Personality Characteristics" tab. It shows the reading it is given and
// keeps it for as long as it is open.
class frmJapaneseAstrologyCompatibilityDisplay : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmJapaneseAstrologyCompatibilityDisplay"};

    explicit frmJapaneseAstrologyCompatibilityDisplay(kit::Launcher& launcher);

    void Form_Load() override;

    // Keeps `reading` and shows it in every value label and frame caption.
    void ShowReading(const JapaneseReadingRecord& reading);
    const JapaneseReadingRecord& reading() const { return reading_; }

    void SSTab1_Click();
    void cmdBack_Click();
    void mnuFileBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();

protected:
    // Enter (unless a button has the focus) and Esc press `cmdExit`.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A person's frame on the "Personality Characteristics" tab and its
    // value labels, in the order of the profile rows.
    struct ProfileFrame {
        QGroupBox* frame = nullptr;
        std::array<QLabel*, 4> values{};
    };

    QWidget* createPersonalityPanel();
    QWidget* createCompatibilityPanel();
    ProfileFrame createProfileFrame(QWidget* panel, const char* name, int top, bool isUser);
    void createMenus();

    JapaneseReadingRecord reading_;
    ProfileFrame user_;
    ProfileFrame partner_;
    // The value labels of the "Compatibility Characteristics" tab, in the
    // order of its fields.
    std::array<QLabel*, 5> compatibilityValues_{};
    QTabBar* tabs_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
};

} // namespace velmora::bloodtype
