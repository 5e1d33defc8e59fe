#pragma once

#include "CalculatorWindow.h"

#include <QLatin1String>

namespace velmora::ui {
class RichTextBox;
}

namespace velmora::chinese {

// The Chinese report: both people's details and profiles and the pair's
// compatibility composed as rich text, with live web links. It saves as a
// rich text file and prints through the print dialog.
class frmChineseZodiacCompatibilitySave : public shell::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmChineseZodiacCompatibilitySave"};

    explicit frmChineseZodiacCompatibilitySave(shell::Launcher& launcher);

    void Form_Load() override;

    void cmdSave_Click();
    void cmdPrint_Click();

protected:
    void Form_Unload() override;

private:
    void composeReport();
    void appendPerson(bool isUser);
    void appendField(const QString& label, const QString& value);

    ui::RichTextBox* RTB = nullptr;
};

} // namespace velmora::chinese
