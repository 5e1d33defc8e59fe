#pragma once

#include "CalculatorWindow.h"

#include <QLatin1String>

namespace velmora::ui {
class RichTextBox;
}

namespace velmora::western {

// The Western report: both sign profiles and the pair reading composed as
// rich text, with live web links; it prints, and saves the two people's
// details as a .zcm file to reopen later.
class frmZodiacCompatibilitySave : public shell::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmZodiacCompatibilitySave"};

    explicit frmZodiacCompatibilitySave(shell::Launcher& launcher);

    void Form_Load() override;

    void cmdSave_Click();
    void cmdPrint_Click();

protected:
    void Form_Unload() override;

private:
    void composeReport();
    void appendProfile(const QString& heading, char suffix, const QString& endOfSection);
    void run(const QColor& color, const QString& text);

    ui::RichTextBox* RTB = nullptr;
};

} // namespace velmora::western
