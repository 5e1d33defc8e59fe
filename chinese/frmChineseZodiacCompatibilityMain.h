#pragma once

#include "CalculatorWindow.h"

#include <QLatin1String>

class QComboBox;
class QGroupBox;
class QLineEdit;

namespace velmora::chinese {

struct PersonEntry;

// The Chinese calculator's entry window: two names and two full birth dates,
// checked, turned into the reading of both people's Chinese years and shown
// in the result window in place of this one.
class frmChineseZodiacCompatibilityMain : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmChineseZodiacCompatibilityMain"};

    explicit frmChineseZodiacCompatibilityMain(kit::Launcher& launcher);

    void Form_Load() override;

    void cmdProceed_Click();
    bool ValidateEntries();

protected:

private:
    struct PersonControls {
        QLineEdit* name;
        QComboBox* day;
        QComboBox* month;
        QComboBox* year;
    };

    PersonControls createPerson(QGroupBox* frame, const char* who, bool isUser);
    void createMenus();
    static PersonEntry entryOf(const PersonControls& person);

    PersonControls user_{};
    PersonControls partner_{};
};

} // namespace velmora::chinese
