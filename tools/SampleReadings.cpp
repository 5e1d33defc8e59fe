#include "SampleReadings.h"

#include "frmAbout.h"
#include "frmChineseZodiacCompatibilityDisplay.h"
#include "frmChineseZodiacCompatibilityMain.h"
#include "frmChineseZodiacCompatibilitySave.h"
#include "frmCompleteReading.h"
#include "frmEgyptianAstrologyCompatibilityDisplay.h"
#include "frmEgyptianAstrologyCompatibilityMain.h"
#include "frmJapaneseAstrologyCompatibilityDisplay.h"
#include "frmJapaneseAstrologyCompatibilityMain.h"
#include "frmMDI.h"
#include "frmZodiacCompatibilityDisplay.h"
#include "frmZodiacCompatibilityMain.h"
#include "frmZodiacCompatibilitySave.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>

namespace velmora::tools {
namespace {

template <class T>
T* child(QWidget& window, const QByteArray& name)
{
    return window.findChild<T*>(QLatin1String(name));
}

// Types into a name box and picks list entries, by control name.
void fill(QWidget& window, std::initializer_list<std::pair<const char*, const char*>> entries)
{
    for (const auto& [name, value] : entries) {
        if (auto* box = child<QLineEdit>(window, name))
            box->setText(QLatin1String(value));
        else
            child<QComboBox>(window, name)->setCurrentText(QLatin1String(value));
    }
}

void show(const WindowVisitor& visit, const char* name, QWidget& window)
{
    QApplication::processEvents();
    visit(QLatin1String(name), window);
}

void westernReading(shell::frmMDI& launcher, const WindowVisitor& visit)
{
    using namespace western;
    launcher.OpenCalculator(3);
    auto& entry = launcher.instance<frmZodiacCompatibilityMain>();
    fill(entry, {{"txtNameM", "Anna Lindqvist"}, {"cboMonthM", "March"}, {"cboDateM", "5"}, {"cboYearM", "1980"},
                 {"txtNameF", "Tomas Brandt"}, {"cboMonthF", "August"}, {"cboDateF", "2"}, {"cboYearF", "1978"}});
    show(visit, "western-entry", entry);
    entry.cmdSunSign_Click();
    auto& result = launcher.instance<frmZodiacCompatibilityDisplay>();
    auto* tabs = child<QTabBar>(result, "TS");
    const char* const tabNames[] = {"western-result-compatibility", "western-result-user", "western-result-partner"};
    for (int tab = 0; tab < 3; ++tab) {
        tabs->setCurrentIndex(tab);
        show(visit, tabNames[tab], result);
    }
    tabs->setCurrentIndex(0);
    result.cmdSave_Click();
    show(visit, "western-report", launcher.instance<frmZodiacCompatibilitySave>());
    launcher.CloseCalculatorWindows();
}

void chineseReading(shell::frmMDI& launcher, const WindowVisitor& visit)
{
    using namespace chinese;
    launcher.OpenCalculator(0);
    auto& entry = launcher.instance<frmChineseZodiacCompatibilityMain>();
    fill(entry, {{"txtMaleName", "Mei Lin Chen"}, {"CboMaleDate", "15"}, {"cboMaleMonth", "January"},
                 {"cboMaleYear", "1980"}, {"txtFemaleName", "David Okafor"}, {"cboFemaleDate", "20"},
                 {"cboFemaleMonth", "February"}, {"cboFemaleYear", "1985"}});
    show(visit, "chinese-entry", entry);
    entry.cmdProceed_Click();
    auto& result = launcher.instance<frmChineseZodiacCompatibilityDisplay>();
    auto* tabs = child<QTabWidget>(result, "SSTab");
    const char* const tabNames[] = {"chinese-result-compatibility", "chinese-result-user", "chinese-result-partner"};
    for (int tab = 0; tab < 3; ++tab) {
        tabs->setCurrentIndex(tab);
        show(visit, tabNames[tab], result);
    }
    tabs->setCurrentIndex(0);
    result.cmdPrint_Click();
    show(visit, "chinese-report", launcher.instance<frmChineseZodiacCompatibilitySave>());
    launcher.CloseCalculatorWindows();
}

void egyptianReading(shell::frmMDI& launcher, const WindowVisitor& visit)
{
    using namespace egyptian;
    launcher.OpenCalculator(1);
    auto& entry = launcher.instance<frmEgyptianAstrologyCompatibilityMain>();
    fill(entry, {{"txtName", "NADIA FARES"}, {"cmbDate", "15"}, {"cmbMonth", "May"}, {"cmbYear", "1984"},
                 {"txtPartnerName", "OMAR HADDAD"}, {"cmbPartnerDate", "20"}, {"cmbPartnerMonth", "October"},
                 {"cmbPartnerYear", "1981"}});
    show(visit, "egyptian-entry", entry);
    entry.Command1_Click();
    auto& result = launcher.instance<frmEgyptianAstrologyCompatibilityDisplay>();
    auto* tabs = child<QTabWidget>(result, "tabSelect");
    const char* const tabNames[] = {"egyptian-result-user", "egyptian-result-partner", "egyptian-result-compatibility"};
    for (int tab = 0; tab < 3; ++tab) {
        tabs->setCurrentIndex(tab);
        show(visit, tabNames[tab], result);
    }
    launcher.CloseCalculatorWindows();
}

void japaneseReading(shell::frmMDI& launcher, const WindowVisitor& visit)
{
    using namespace bloodtype;
    launcher.OpenCalculator(2);
    auto& entry = launcher.instance<frmJapaneseAstrologyCompatibilityMain>();
    fill(entry, {{"txtName", "HANA MORI"}, {"cboSex", "Female"}, {"cboBloodType", "B-"},
                 {"txtPartnerName", "KENJI ARAI"}, {"cboPartnerBloodType", "AB+"}});
    show(visit, "japanese-entry", entry);
    entry.cmdProceed_Click();
    auto& result = launcher.instance<frmJapaneseAstrologyCompatibilityDisplay>();
    show(visit, "japanese-result-compatibility", result);
    child<QTabBar>(result, "SSTab1")->setCurrentIndex(0);
    show(visit, "japanese-result-personality", result);
    launcher.CloseCalculatorWindows();
}

void completeReading(shell::frmMDI& launcher, const WindowVisitor& visit)
{
    launcher.mnuCompleteReading_Click();
    auto& window = launcher.instance<complete::frmCompleteReading>();
    fill(window, {{"txtName", "Anna Lindqvist"}, {"cboDay", "5"}, {"cboMonth", "March"}, {"cboYear", "1980"},
                  {"cboBloodType", "A+"}, {"txtPartnerName", "Tomas Brandt"}, {"cboPartnerDay", "2"},
                  {"cboPartnerMonth", "August"}, {"cboPartnerYear", "1978"}, {"cboPartnerBloodType", "O-"}});
    show(visit, "complete-entry", window);
    window.cmdRead_Click();
    show(visit, "complete-reading", window);
    launcher.CloseCalculatorWindows();
}

QPalette darkPalette()
{
    QPalette palette;
    const struct {
        QPalette::ColorRole role;
        QColor color;
    } roles[] = {
        {QPalette::Window, QColor(0x35, 0x35, 0x35)},    {QPalette::WindowText, Qt::white},
        {QPalette::Base, QColor(0x2a, 0x2a, 0x2a)},      {QPalette::AlternateBase, QColor(0x42, 0x42, 0x42)},
        {QPalette::Text, Qt::white},                     {QPalette::Button, QColor(0x35, 0x35, 0x35)},
        {QPalette::ButtonText, Qt::white},               {QPalette::BrightText, QColor(0xff, 0x7b, 0x63)},
        {QPalette::Light, QColor(0x50, 0x50, 0x50)},     {QPalette::Midlight, QColor(0x42, 0x42, 0x42)},
        {QPalette::Mid, QColor(0x2c, 0x2c, 0x2c)},       {QPalette::Dark, QColor(0x23, 0x23, 0x23)},
        {QPalette::Shadow, QColor(0x14, 0x14, 0x14)},    {QPalette::Highlight, QColor(0x15, 0x53, 0x9e)},
        {QPalette::HighlightedText, Qt::white},          {QPalette::Link, QColor(0x99, 0xc1, 0xf1)},
        {QPalette::LinkVisited, QColor(0xc0, 0x61, 0xcb)}, {QPalette::ToolTipBase, QColor(0x35, 0x35, 0x35)},
        {QPalette::ToolTipText, Qt::white},              {QPalette::PlaceholderText, QColor(0xa0, 0xa0, 0xa0)},
    };
    for (const auto& entry : roles)
        palette.setColor(entry.role, entry.color);
    for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, text, QColor(0x8a, 0x8a, 0x8a));
    return palette;
}

} // namespace

void useDarkDesktop()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());
}

void showEveryWindow(shell::frmMDI& launcher, const WindowVisitor& visit)
{
    show(visit, "launcher", launcher);
    westernReading(launcher, visit);
    chineseReading(launcher, visit);
    egyptianReading(launcher, visit);
    japaneseReading(launcher, visit);
    completeReading(launcher, visit);
    shell::frmAbout about(launcher.platform(), &launcher);
    about.show();
    show(visit, "about", about);
}

} // namespace velmora::tools
