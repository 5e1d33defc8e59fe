#pragma once

#include "ReportWindow.h"
#include "WesternReading.h"

#include <QLatin1String>

#include <optional>

namespace velmora::western {

// The Western report: both sign profiles and the pair reading composed as
// rich text, with live web links; it prints, and saves the two people's
// details as a .zcm file to reopen later. It keeps a copy of the reading of
// the result window that opened it, so it shows and saves that reading even
// after the result window has closed.
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
    void appendProfile(const QString& heading, const modZodiacCompatibility::SignProfile& profile,
                       const QString& endOfSection);
    void run(const QColor& color, const QString& text);

    // Empty only for a report made without a result window to read from.
    std::optional<WesternReadingRecord> reading_;
};

} // namespace velmora::western
