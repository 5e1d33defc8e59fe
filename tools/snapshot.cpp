// Renders the suite's windows offscreen to PNG files, so they can be looked
// at without a display: velmora-snapshot <folder>.
#include "Calculators.h"
#include "Fonts.h"
#include "QtPlatform.h"
#include "frmAbout.h"
#include "frmChineseZodiacCompatibilityDisplay.h"
#include "frmChineseZodiacCompatibilityMain.h"
#include "frmEgyptianAstrologyCompatibilityDisplay.h"
#include "frmEgyptianAstrologyCompatibilityMain.h"
#include "frmJapaneseAstrologyCompatibilityDisplay.h"
#include "frmJapaneseAstrologyCompatibilityMain.h"
#include "frmMDI.h"
#include "frmZodiacCompatibilityDisplay.h"
#include "frmZodiacCompatibilityMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QDir>
#include <QTemporaryFile>
#include <QTextStream>

#include <cstdio>

namespace {

// A 1920 x 1080 screen at 96 dpi for Qt's offscreen platform.
void useOffscreenScreen(QTemporaryFile& config)
{
    if (!config.open())
        return;
    config.write(R"({"screens": [{"name": "Snapshot", "x": 0, "y": 0, "width": 1920, "height": 1080,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
}

class Snapshots {
public:
    explicit Snapshots(QDir folder) : folder_(std::move(folder)) {}

    void take(QWidget& window, const QString& name)
    {
        QApplication::processEvents();
        const QString path = folder_.filePath(name + QStringLiteral(".png"));
        if (!window.grab().save(path))
            failed_ = true;
        QTextStream(stdout) << path << Qt::endl;
    }

    bool failed() const { return failed_; }

private:
    QDir folder_;
    bool failed_ = false;
};

template <class T>
T* child(QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

void enterPerson(QWidget& window, char suffix, const QString& name, const QString& month, const QString& day,
                 const QString& year)
{
    const auto control = [suffix](const char* base) { return QByteArray(base) + suffix; };
    child<QLineEdit>(window, control("txtName"))->setText(name);
    child<QComboBox>(window, control("cboMonth"))->setCurrentText(month);
    child<QComboBox>(window, control("cboDate"))->setCurrentText(day);
    child<QComboBox>(window, control("cboYear"))->setCurrentText(year);
}

void westernReading(velmora::shell::frmMDI& launcher, Snapshots& shots)
{
    using namespace velmora::western;
    launcher.OpenCalculator(3);
    auto& entry = launcher.instance<frmZodiacCompatibilityMain>();
    enterPerson(entry, 'M', QStringLiteral("Anna Lindqvist"), QStringLiteral("March"), QStringLiteral("5"),
                QStringLiteral("1980"));
    enterPerson(entry, 'F', QStringLiteral("Tomas Brandt"), QStringLiteral("August"), QStringLiteral("2"),
                QStringLiteral("1978"));
    shots.take(launcher, QStringLiteral("western-entry"));
    entry.cmdSunSign_Click();
    auto& result = launcher.instance<frmZodiacCompatibilityDisplay>();
    auto* tabs = child<QTabBar>(result, "TS");
    const char* const tabNames[] = {"western-result-compatibility", "western-result-user", "western-result-partner"};
    for (int tab = 0; tab < 3; ++tab) {
        tabs->setCurrentIndex(tab);
        shots.take(launcher, QLatin1String(tabNames[tab]));
    }
    tabs->setCurrentIndex(0);
    result.cmdSave_Click();
    shots.take(launcher, QStringLiteral("western-report"));
    launcher.CloseCalculatorWindows();
}

void chineseReading(velmora::shell::frmMDI& launcher, Snapshots& shots)
{
    using namespace velmora::chinese;
    launcher.OpenCalculator(0);
    auto& entry = launcher.instance<frmChineseZodiacCompatibilityMain>();
    const auto enter = [&entry](const char* who, const char* dayList, const QString& name, const QString& day,
                                const QString& month, const QString& year) {
        const QByteArray person(who);
        child<QLineEdit>(entry, ("txt" + person + "Name").constData())->setText(name);
        child<QComboBox>(entry, dayList)->setCurrentText(day);
        child<QComboBox>(entry, ("cbo" + person + "Month").constData())->setCurrentText(month);
        child<QComboBox>(entry, ("cbo" + person + "Year").constData())->setCurrentText(year);
    };
    enter("Male", "CboMaleDate", QStringLiteral("Mei Lin Chen"), QStringLiteral("15"), QStringLiteral("January"),
          QStringLiteral("1980"));
    enter("Female", "cboFemaleDate", QStringLiteral("David Okafor"), QStringLiteral("20"), QStringLiteral("February"),
          QStringLiteral("1985"));
    shots.take(launcher, QStringLiteral("chinese-entry"));
    entry.cmdProceed_Click();
    auto& result = launcher.instance<frmChineseZodiacCompatibilityDisplay>();
    auto* tabs = child<QTabWidget>(result, "SSTab");
    const char* const tabNames[] = {"chinese-result-compatibility", "chinese-result-user", "chinese-result-partner"};
    for (int tab = 0; tab < 3; ++tab) {
        tabs->setCurrentIndex(tab);
        shots.take(launcher, QLatin1String(tabNames[tab]));
    }
    tabs->setCurrentIndex(0);
    result.cmdPrint_Click();
    shots.take(launcher, QStringLiteral("chinese-report"));
    launcher.CloseCalculatorWindows();
}

void egyptianReading(velmora::shell::frmMDI& launcher, Snapshots& shots)
{
    using namespace velmora::egyptian;
    launcher.OpenCalculator(1);
    auto& entry = launcher.instance<frmEgyptianAstrologyCompatibilityMain>();
    child<QLineEdit>(entry, "txtName")->setText(QStringLiteral("NADIA FARES"));
    child<QComboBox>(entry, "cmbDate")->setCurrentText(QStringLiteral("15"));
    child<QComboBox>(entry, "cmbMonth")->setCurrentText(QStringLiteral("May"));
    child<QComboBox>(entry, "cmbYear")->setCurrentText(QStringLiteral("1984"));
    child<QLineEdit>(entry, "txtPartnerName")->setText(QStringLiteral("OMAR HADDAD"));
    child<QComboBox>(entry, "cmbPartnerDate")->setCurrentText(QStringLiteral("20"));
    child<QComboBox>(entry, "cmbPartnerMonth")->setCurrentText(QStringLiteral("October"));
    child<QComboBox>(entry, "cmbPartnerYear")->setCurrentText(QStringLiteral("1981"));
    shots.take(launcher, QStringLiteral("egyptian-entry"));
    entry.Command1_Click();
    auto& result = launcher.instance<frmEgyptianAstrologyCompatibilityDisplay>();
    const char* const tabNames[] = {"egyptian-result-user", "egyptian-result-partner", "egyptian-result-compatibility"};
    for (int tab = 0; tab < 3; ++tab) {
        result.tabSelect->setCurrentIndex(tab);
        shots.take(launcher, QLatin1String(tabNames[tab]));
    }
    launcher.CloseCalculatorWindows();
}

void japaneseReading(velmora::shell::frmMDI& launcher, Snapshots& shots)
{
    using namespace velmora::bloodtype;
    launcher.OpenCalculator(2);
    auto& entry = launcher.instance<frmJapaneseAstrologyCompatibilityMain>();
    child<QLineEdit>(entry, "txtName")->setText(QStringLiteral("HANA MORI"));
    child<QComboBox>(entry, "cboSex")->setCurrentText(QStringLiteral("Female"));
    child<QComboBox>(entry, "cboBloodType")->setCurrentText(QStringLiteral("B-"));
    child<QLineEdit>(entry, "txtPartnerName")->setText(QStringLiteral("KENJI ARAI"));
    child<QComboBox>(entry, "cboPartnerBloodType")->setCurrentText(QStringLiteral("AB+"));
    shots.take(launcher, QStringLiteral("japanese-entry"));
    entry.cmdProceed_Click();
    auto& result = launcher.instance<frmJapaneseAstrologyCompatibilityDisplay>();
    shots.take(launcher, QStringLiteral("japanese-result-compatibility"));
    child<QTabBar>(result, "SSTab1")->setCurrentIndex(0);
    shots.take(launcher, QStringLiteral("japanese-result-personality"));
    launcher.CloseCalculatorWindows();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: velmora-snapshot <folder>\n", stderr);
        return 2;
    }
    QTemporaryFile screenConfig;
    useOffscreenScreen(screenConfig);
    QApplication app(argc, argv);
    velmora::ui::installFontSubstitutes();
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder))
        return 1;
    Snapshots shots{QDir(folder)};
    velmora::ui::QtPlatform platform;

    velmora::shell::frmMDI launcher(platform, velmora::shell::calculatorEntryWindows());
    launcher.showMaximized();
    shots.take(launcher, QStringLiteral("launcher"));
    launcher.lblCaption_MouseMove(6);
    shots.take(launcher, QStringLiteral("launcher-hover"));
    launcher.picMain_MouseMove();

    westernReading(launcher, shots);
    chineseReading(launcher, shots);
    egyptianReading(launcher, shots);
    japaneseReading(launcher, shots);

    velmora::shell::frmAbout about(platform, &launcher);
    about.show();
    shots.take(about, QStringLiteral("about"));

    return shots.failed() ? 1 : 0;
}
