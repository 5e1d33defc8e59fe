#pragma once

#include "bloodtype/JapaneseReading.h"
#include "kit/CalculatorWindow.h"
#include "kit/PersonEntry.h"

#include <string_view>

class QComboBox;
class QKeyEvent;
class QPushButton;

namespace velmora::bloodtype {

// The blood-type calculator's entry window: each person's name, sex and
// blood type. Find checks the names, calculates the reading from the
// entries and hands it to the result window, which it shows in its place.
class EntryWindow : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmJapaneseAstrologyCompatibilityMain";

    explicit EntryWindow(kit::WindowHost& host);

    void Form_Load() override;

    void cmdProceed_Click();
    void mnuTesBloodType_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    bool ValidateEntries();

protected:
    // Enter (unless a button has the focus) and Esc press `cmdExit`.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // One person's entries: the name box and the lists of sex and blood type.
    struct Person {
        kit::PersonEntry entry;
        QComboBox* sex = nullptr;
        QComboBox* bloodType = nullptr;
    };

    Person createPerson(const char* frameName, const QString& caption, int top, kit::Person person);
    void createMenus();
    static JapanesePerson entries(const Person& person);

    Person user_;
    Person partner_;
    QPushButton* cmdProceed_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
};

} // namespace velmora::bloodtype
