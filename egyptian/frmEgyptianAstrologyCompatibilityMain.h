#pragma once

#include "CalculatorWindow.h"
#include "PersonEntry.h"

#include <QLatin1String>

class QKeyEvent;
class QLineEdit;

namespace velmora::egyptian {

// The Egyptian entry window: two names (letters only, in capitals) and two
// birth dates. A calculation checks them, works out the reading and hands it
// to a fresh result window.
class frmEgyptianAstrologyCompatibilityMain : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmEgyptianAstrologyCompatibilityMain"};

    explicit frmEgyptianAstrologyCompatibilityMain(kit::Launcher& launcher);

    void Form_Load() override;

    void Command1_Click();
    bool ValidateEntries();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    kit::PersonEntry createPerson(QWidget* parent, const char* frameName, const QString& caption, int left,
                                  const kit::PersonEntryLayout& layout, kit::Person person);
    void createMenus();
    // True when the key was handled here and must not reach the box.
    bool txtName_KeyPress(QLineEdit& box, const QKeyEvent& key);

    kit::PersonEntry user_;
    kit::PersonEntry partner_;
};

} // namespace velmora::egyptian
