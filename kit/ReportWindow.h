#pragma once

#include "kit/CalculatorWindow.h"

namespace velmora::ui {
class RichTextBox;
}

namespace velmora::kit {

// A calculator's report window: the reading composed as rich text in a view
// with live web links and guarded from copying, Save and Print buttons, two
// site links above and the branded-edition offer below. It has no menu bar.
// It shows the reading of the result window that opened it, and closes when
// a new result window comes with a new reading; closing it brings its
// result window back if that is still open.
class ReportWindow : public CalculatorWindow {
    Q_OBJECT
public:
    // `offerLabel` names the offer's label, which differs between calculators;
    // `resultWindow` names the window the report belongs to.
    ReportWindow(WindowHost& host, std::string_view name, const QString& caption, const char* offerLabel,
                 const QString& reportName, std::string_view resultWindow);

    // Places the window, attaches link detection and composes the report.
    void Form_Load() override;
    bool showsReadingOf(std::string_view window) const override;

    virtual void cmdSave_Click() = 0;
    virtual void cmdPrint_Click() = 0;

protected:
    // Detaches link detection; closing then brings the result window back.
    void Form_Unload() override;
    virtual void composeReport() = 0;

    ui::RichTextBox* RTB = nullptr;

private:
    std::string_view resultWindow_;
};

} // namespace velmora::kit
