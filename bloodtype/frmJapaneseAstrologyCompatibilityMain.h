#pragma once

#include "CalculatorWindow.h"
#include "JapaneseReading.h"

#include <QLatin1String>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace velmora::bloodtype {

// The blood-type calculator's entry window: each person's name, sex and
// blood type. Find checks the names, calculates the reading from the
// entries and hands it to the result window, which it shows in its place.
class frmJapaneseAstrologyCompatibilityMain : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmJapaneseAstrologyCompatibilityMain"};

    explicit frmJapaneseAstrologyCompatibilityMain(kit::Launcher& launcher);

    void Form_Load() override;

    void cmdProceed_Click();
    void mnuTesBloodType_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    bool ValidateEntries();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter (unless a button has the focus) and Esc press `cmdExit`.
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct PersonControls {
        QLineEdit* name;
        QComboBox* sex;
        QComboBox* bloodType;
    };

    PersonControls createPerson(const char* frameName, const QString& caption, int top, const char* mark);
    void createMenus();
    // Each returns true when it took the key away from the box.
    bool txtName_KeyPress(const QKeyEvent& event);
    bool txtPartnerName_KeyPress(const QKeyEvent& event);
    bool filterNameKey(QLineEdit& box, const QKeyEvent& event);
    static JapanesePerson person(const PersonControls& controls);

    PersonControls user_{};
    PersonControls partner_{};
    QPushButton* cmdProceed_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
};

} // namespace velmora::bloodtype
