#pragma once

#include "kit/ReportWindow.h"
#include "western/WesternReading.h"

#include <string_view>

namespace velmora::western {

// The Western report: both sign profiles and the pair reading composed as
// rich text, with live web links; it prints, and saves the two people's
// details as a .zcm file to reopen later. It keeps a copy of the reading it
// is opened with, so it shows and saves that reading even after the result
// window has closed.
class ReportWindow : public kit::ReportWindow {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmZodiacCompatibilitySave";

    ReportWindow(kit::WindowHost& host, const WesternReadingRecord& reading);

    void cmdSave_Click() override;
    void cmdPrint_Click() override;

protected:
    void composeReport() override;

private:
    void appendProfile(const QString& heading, const SignProfile& profile,
                       const QString& endOfSection);
    void run(const QColor& color, const QString& text);

    WesternReadingRecord reading_;
};

} // namespace velmora::western
