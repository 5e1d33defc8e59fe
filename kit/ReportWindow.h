#pragma once

#include "CalculatorWindow.h"

namespace velmora::ui {
class RichTextBox;
}

namespace velmora::kit {

// A calculator's report window: the reading composed as rich text in a view
// with live web links and guarded from copying, Save and Print buttons, two
// site links above and the branded-edition offer below. It has no menu bar.
class ReportWindow : public CalculatorWindow {
    Q_OBJECT
public:
    // `offerLabel` names the offer's label, which differs between calculators.
    ReportWindow(Launcher& launcher, const QString& name, const QString& caption, const char* offerLabel,
                 const QString& reportName);

    // Places the window, attaches link detection and composes the report.
    void Form_Load() override;

    virtual void cmdSave_Click() = 0;
    virtual void cmdPrint_Click() = 0;

protected:
    // Detaches link detection; a report that brings its result window back
    // does so after this.
    void Form_Unload() override;
    virtual void composeReport() = 0;

    ui::RichTextBox* RTB = nullptr;
};

} // namespace velmora::kit
