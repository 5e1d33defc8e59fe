// Renders the suite's windows offscreen to PNG files, so they can be looked
// at without a display: velmora-snapshot <folder>.
#include "Calculators.h"
#include "Fonts.h"
#include "QtPlatform.h"
#include "frmAbout.h"
#include "frmMDI.h"
#include "frmZodiacCompatibilityDisplay.h"
#include "frmZodiacCompatibilityMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
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

    velmora::shell::frmAbout about(platform, &launcher);
    about.show();
    shots.take(about, QStringLiteral("about"));

    return shots.failed() ? 1 : 0;
}
