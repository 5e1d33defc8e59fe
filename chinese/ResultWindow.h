#pragma once

#include "chinese/ChineseReading.h"
#include "kit/CalculatorWindow.h"
#include "kit/PagesOnDemand.h"

#include <string_view>

class QLabel;
class QTabWidget;

namespace velmora::ui {
class RichTextBox;
}

namespace velmora::chinese {

// The Chinese result window: the pair's compatibility on the first tab and
// each person's animal, element and profile on the other two. The entry
// window hands it a reading on every Proceed; it keeps the reading for the
// report it opens.
class ResultWindow : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmChineseZodiacCompatibilityDisplay";

    explicit ResultWindow(kit::WindowHost& host);

    void Form_Load() override;

    // Shows the reading: the compatibility page at once, each person's page
    // when it is next on screen; nothing is kept from an earlier reading.
    void showReading(const ChineseReadingRecord& reading);
    const ChineseReadingRecord& reading() const;

    void cmdBack_Click();
    void cmdPrint_Click();
    void cmdExit_Click();

private:
    void createCompatibilityTab(QWidget* page);
    void createPersonTab(QWidget* page, bool isUser);
    void createMenus();
    void showPerson(bool isUser, const ChineseReadingRecord& reading);
    void showPicture(bool isUser, const AnimalProfile& profile);

    QTabWidget* SSTab = nullptr;
    QLabel* lblChineseCompatibilityNumber = nullptr;
    QLabel* lblChinesePercentage = nullptr;
    QLabel* lblChineseRating = nullptr;
    QLabel* lblMatchingDescription = nullptr;
    ui::RichTextBox* txtMatchingDescription = nullptr;
    ChineseReadingRecord reading_;
    kit::PagesOnDemand personPages_;
};

} // namespace velmora::chinese
