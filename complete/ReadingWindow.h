#pragma once

#include "complete/CompleteReading.h"
#include "kit/CalculatorWindow.h"
#include "kit/PersonEntry.h"

#include <string_view>

#include <optional>

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
