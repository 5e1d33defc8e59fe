#pragma once

#include "chinese/ChineseReading.h"
#include "kit/ReportWindow.h"

#include <string_view>

namespace velmora::chinese {

// The Chinese report: both people's details and profiles and the pair's
// compatibility composed as rich text, with live web links, from the reading
// it is opened with. It saves as a rich text file and prints through the
// print dialog.
class ReportWindow : public kit::ReportWindow {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmChineseZodiacCompatibilitySave";

    ReportWindow(kit::WindowHost& host, const ChineseReadingRecord& reading);

    void cmdSave_Click() override;
    void cmdPrint_Click() override;

protected:
    void composeReport() override;

private:
    void appendPerson(const ChineseReadingRecord& reading, bool isUser);
    void appendField(const QString& label, const QString& value);

    ChineseReadingRecord reading_;
};

} // namespace velmora::chinese
