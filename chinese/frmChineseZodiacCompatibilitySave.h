#pragma once

#include "ReportWindow.h"

#include <QLatin1String>

namespace velmora::chinese {

struct ChineseReadingRecord;

// The Chinese report: both people's details and profiles and the pair's
// compatibility composed as rich text, with live web links. It saves as a
// rich text file and prints through the print dialog.
class frmChineseZodiacCompatibilitySave : public kit::ReportWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmChineseZodiacCompatibilitySave"};

    explicit frmChineseZodiacCompatibilitySave(kit::Launcher& launcher);

    void cmdSave_Click() override;
    void cmdPrint_Click() override;

protected:
    void composeReport() override;

private:
    void appendPerson(const ChineseReadingRecord& reading, bool isUser);
    void appendField(const QString& label, const QString& value);
};

} // namespace velmora::chinese
