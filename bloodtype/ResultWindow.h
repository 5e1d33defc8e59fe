#pragma once

#include "bloodtype/JapaneseReading.h"
#include "kit/CalculatorWindow.h"

#include <string_view>

#include <array>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTabWidget;

namespace velmora::bloodtype {

// The blood-type calculator's result window: the pair's match on the
// "Compatibility Characteristics" tab and both personality profiles on the
// "Personality Characteristics" tab. It shows the reading it is given and
// keeps it for as long as it is open.
class ResultWindow : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmJapaneseAstrologyCompatibilityDisplay";

    explicit ResultWindow(kit::WindowHost& host);

    void Form_Load() override;

    // Keeps `reading` and shows it in every value label and frame caption.
    void showReading(const JapaneseReadingRecord& reading);
    const JapaneseReadingRecord& reading() const { return reading_; }

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

    void createPersonalityPanel(QWidget* panel);
    void createCompatibilityPanel(QWidget* panel);
    ProfileFrame createProfileFrame(QWidget* panel, const char* name, int top, bool isUser);
    void createMenus();

    JapaneseReadingRecord reading_;
    ProfileFrame user_;
    ProfileFrame partner_;
    // The value labels of the "Compatibility Characteristics" tab, in the
    // order of its fields.
    std::array<QLabel*, 5> compatibilityValues_{};
    QTabWidget* tabs_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
};

} // namespace velmora::bloodtype
