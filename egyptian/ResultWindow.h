#pragma once

#include "egyptian/EgyptianReading.h"
#include "kit/CalculatorWindow.h"

#include <string_view>

class QLabel;
class QTabWidget;

namespace velmora::ui {
class RichTextBox;
}

namespace velmora::egyptian {

// The Egyptian result window: each person's sign with its picture and full
// reading on a tab of its own, and the pair's verdict on the third. It keeps
// the reading it is given and composes every view of it; it saves and prints
// the user's reading itself.
class ResultWindow : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmEgyptianAstrologyCompatibilityDisplay";

    explicit ResultWindow(kit::WindowHost& host);

    // Takes `reading` as the window's own and shows it in every view: both
    // signs' pictures, names and readings, the pair's summary and verdict,
    // and the tab captions. A person without a sign keeps the default
    // picture and gets no reading.
    void showReading(const EgyptianReadingRecord& reading);
    const EgyptianReadingRecord& reading() const { return reading_; }

    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdBack_Click();

private:
    // Where one person's sign is shown: the picture, the name under it and
    // the reading beside them.
    struct SignTab {
        QLabel* picture = nullptr;
        QLabel* name = nullptr;
        ui::RichTextBox* reading = nullptr;
    };

    // The tab's page, its caption, and the names and accessible names of its
    // controls.
    struct SignTabNames {
        const char* page;
        QString tabCaption;
        const char* frame;
        const char* picture;
        QString pictureDescription;
        const char* name;
        const char* reading;
        QString readingDescription;
    };

    // The value labels of the pair's tab, one row per person.
    struct SummaryRow {
        QLabel* name = nullptr;
        QLabel* sign = nullptr;
        QLabel* dateOfBirth = nullptr;
    };

    SignTab createSignTab(const SignTabNames& names);
    void createCompatibilityTab();
    void createButtons();
    void createMenus();

    void showPerson(const EgyptianPersonReading& person, const SignTab& tab, const SummaryRow& row,
                    const QString& heading);
    // Appends one person's reading to `box`: the heading, the sign's name,
    // every profile field under its label, the characteristics last.
    static void WriteSignReading(ui::RichTextBox& box, const QString& heading, const QString& sign,
                                 const EgyptianProfile& profile);

    QTabWidget* tabSelect_ = nullptr;
    SignTab user_;
    SignTab partner_;
    SummaryRow userRow_;
    SummaryRow partnerRow_;
    QLabel* lblCompatibility_ = nullptr;
    EgyptianReadingRecord reading_;
};

} // namespace velmora::egyptian
