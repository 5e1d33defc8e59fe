#pragma once

#include "complete/CompleteReading.h"
#include "kit/CalculatorWindow.h"
#include "kit/PersonEntry.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

class QComboBox;
class QPushButton;

namespace velmora::ui {
class RichTextBox;
}

namespace velmora::complete {

// Both people entered once (name, birth date and blood type) and read by all
// four systems in one view, which prints and saves as PDF or rich text.
class ReadingWindow : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmCompleteReading";

    explicit ReadingWindow(kit::WindowHost& host);

    void Form_Load() override;

    // Two people as another window hands them over: a birthday, with the year
    // where it is known, and a blood type (kNoBloodType for not known).
    struct Entries {
        std::u16string name;
        std::chrono::month month;
        std::chrono::day day;
        std::optional<std::chrono::year> year;
        int bloodType = kNoBloodType;
    };
    // Fills in both people and shows their reading. A year that is not known
    // is left for the user to choose: the window says so and puts the focus
    // on that year's list, and reads nothing yet.
    void enterAndRead(const Entries& user, const Entries& partner);

    // Checks the entries and shows the reading of them.
    void cmdRead_Click();
    void cmdPrint_Click();
    // Save as PDF.
    void cmdSave_Click();
    void cmdSaveRichText_Click();

    // The reading shown, if any.
    const std::optional<CompleteReadingRecord>& reading() const { return reading_; }

private:
    struct Person {
        kit::PersonEntry entry;
        QComboBox* bloodType = nullptr;
    };
    Person createPerson(kit::Person person);
    bool ValidateEntries();
    CompletePerson entries(const Person& person) const;
    // The save dialog for one kind of file, offering the name of both people.
    std::optional<QString> askFileName(const QString& filter, const QString& extension);
    void createButtons();
    void createMenus();
    void enableReadingCommands(bool enabled);

    Person user_;
    Person partner_;
    ui::RichTextBox* view_ = nullptr;
    QList<QWidget*> readingCommands_;
    QList<QAction*> readingMenuItems_;
    std::optional<CompleteReadingRecord> reading_;
};

} // namespace velmora::complete
