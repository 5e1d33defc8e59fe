#pragma once

#include "CalculatorWindow.h"

#include <QLatin1String>

class QLabel;
class QTabWidget;

namespace velmora::ui {
class RichTextBox;
}

namespace velmora::egyptian {

// The Egyptian result window: each person's sign with its picture and full
// reading on a tab of its own, and the pair's verdict on the third. The entry
// window's calculation fills its controls; the window itself saves and prints
// the user's reading.
class frmEgyptianAstrologyCompatibilityDisplay : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmEgyptianAstrologyCompatibilityDisplay"};

    explicit frmEgyptianAstrologyCompatibilityDisplay(kit::Launcher& launcher);


    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdBack_Click();

    // Picture `number` of the sign pictures (1 Amon Ra ... 12 Thoth, the sign
    // numbers), drawn at `size`; a null pixmap for any other number.
    static QPixmap IMGList(int number, QSize size);

    // The controls a calculation fills. Tab 0 holds the user's sign, tab 1
    // the partner's, tab 2 the pair's summary and verdict.
    QTabWidget* tabSelect = nullptr;
    QLabel* picGod = nullptr;
    QLabel* lblGodName = nullptr;
    ui::RichTextBox* RTB = nullptr;
    QLabel* picPartnerGod = nullptr;
    QLabel* lblPartnerGodName = nullptr;
    ui::RichTextBox* PartnerRTB = nullptr;
    QLabel* lblYourName = nullptr;
    QLabel* lblYourEgyptianSign = nullptr;
    QLabel* lblYourDateOfBirth = nullptr;
    QLabel* lblYourPartnerName = nullptr;
    QLabel* lblYourPartnerEgyptianSign = nullptr;
    QLabel* lblYourPartnerDateOfBirth = nullptr;
    QLabel* lblCompatibility = nullptr;

protected:

private:
    struct SignTab {
        QLabel* picture;
        QLabel* name;
        ui::RichTextBox* reading;
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

    SignTab createSignTab(const SignTabNames& names);
    void createCompatibilityTab();
    void createButtons();
    void createMenus();

};

} // namespace velmora::egyptian
