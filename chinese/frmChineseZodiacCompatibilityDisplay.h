#pragma once

#include "CalculatorWindow.h"

#include <QLatin1String>

class QLabel;
class QTabWidget;

namespace velmora::ui {
class RichTextBox;
}

namespace velmora::chinese {

struct ChineseReadingRecord;

// The Chinese result window: the pair's compatibility on the first tab and
// each person's animal, element and profile on the other two. The entry
// window fills it on every Proceed; the report window reads its
// compatibility controls.
class frmChineseZodiacCompatibilityDisplay : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmChineseZodiacCompatibilityDisplay"};

    explicit frmChineseZodiacCompatibilityDisplay(kit::Launcher& launcher);

    void Form_Load() override;

    // Fills every control from the reading, the pictures last (the partner's
    // first); nothing else is kept from an earlier reading.
    void ShowReading(const ChineseReadingRecord& reading);

    void cmdBack_Click();
    void cmdPrint_Click();
    void cmdExit_Click();

    // The texts the report reads: the number, percentage and rating labels
    // and the description box.
    QString compatibilityNumberText() const;
    QString percentageText() const;
    QString ratingText() const;
    QString matchingDescriptionText() const;

protected:

private:
    QWidget* createCompatibilityTab();
    QWidget* createPersonTab(bool isUser);
    void createMenus();
    void showPerson(bool isUser, const ChineseReadingRecord& reading);
    void showPicture(bool isUser);

    QTabWidget* SSTab = nullptr;
    QLabel* lblChineseCompatibilityNumber = nullptr;
    QLabel* lblChinesePercentage = nullptr;
    QLabel* lblChineseRating = nullptr;
    QLabel* lblMatchingDescription = nullptr;
    ui::RichTextBox* txtMatchingDescription = nullptr;
};

} // namespace velmora::chinese
