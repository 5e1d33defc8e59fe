#pragma once

#include "CalculatorWindow.h"

#include <QLatin1String>

class QComboBox;
class QLineEdit;
class QMenu;

namespace velmora::western {

// The Western calculator's entry window: two names and two birth dates,
// checked, turned into sun signs and handed to the result window. It also
// reopens a saved reading.
class frmZodiacCompatibilityMain : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmZodiacCompatibilityMain"};

    explicit frmZodiacCompatibilityMain(kit::Launcher& launcher);

    void Form_Load() override;

    void cmdSunSign_Click();
    void cmdOpen_Click();
    bool ValidateEntries();

protected:

private:
    struct PersonControls {
        QLineEdit* name;
        QComboBox* month;
        QComboBox* day;
        QComboBox* year;
    };

    PersonControls createPerson(QWidget* frame, char suffix);
    void createMenus();

    PersonControls user_{};
    PersonControls partner_{};
};

} // namespace velmora::western
