#pragma once

#include "ReportWindow.h"

#include <QLatin1String>

namespace velmora::western {

// The Western report: both sign profiles and the pair reading composed as
// rich text, with live web links; it prints, and saves the two people's
// details as a .zcm file to reopen later.
class frmZodiacCompatibilitySave : public kit::ReportWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmZodiacCompatibilitySave"};

    explicit frmZodiacCompatibilitySave(kit::Launcher& launcher);

    void cmdSave_Click() override;
    void cmdPrint_Click() override;

protected:
    void composeReport() override;

private:
    void appendProfile(const QString& heading, char suffix, const QString& endOfSection);
    void run(const QColor& color, const QString& text);
};

} // namespace velmora::western
