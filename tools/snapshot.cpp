// Renders the suite's windows offscreen to PNG files, so they can be looked
// at without a display: velmora-snapshot [options] <folder>, on a screen of
// a chosen size, scale factor and palette.
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
#include <QCommandLineParser>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

// What to render and how: the screen in logical pixels, the scale factor
// from logical to device pixels, the palette and the launcher's state.
struct Options {
    static constexpr double kLargestScale = 4.0;

    QSize screen{1920, 1080};
    double scale = 1.0;
    bool dark = false;
    bool maximised = true;
    QString folder;
};

// A size written as <width>x<height>, each at least 1.
std::optional<QSize> parseSize(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return std::nullopt;
    bool widthOk = false;
    bool heightOk = false;
    const QSize size(parts[0].toInt(&widthOk), parts[1].toInt(&heightOk));
    if (!widthOk || !heightOk || size.isEmpty())
        return std::nullopt;
    return size;
}

// The options from the command line; on a mistake the usage is printed and
// there are none.
std::optional<Options> parseOptions(int argc, char* argv[])
{
    const Options defaults;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders every window of the suite to PNG files in <folder>."));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("The screen's size in logical pixels (default %1x%2).")
                                      .arg(defaults.screen.width())
                                      .arg(defaults.screen.height()),
                                  QStringLiteral("WIDTHxHEIGHT"));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Device pixels per logical pixel, as on a high-density screen "
                                                  "(1 to %1, default %2; 2 for 200%).")
                                       .arg(Options::kLargestScale)
                                       .arg(defaults.scale),
                                   QStringLiteral("FACTOR"));
    const QCommandLineOption dark(QStringLiteral("dark"), QStringLiteral("Use a dark application palette."));
    const QCommandLineOption unmaximised(QStringLiteral("unmaximised"),
                                         QStringLiteral("Show the launcher at its own size, not maximised."));
    parser.addOptions({size, scale, dark, unmaximised});
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where the PNG files go."));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    Options options = defaults;
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (parser.positionalArguments().size() != 1)
        error = QStringLiteral("One folder is needed.");
    if (error.isEmpty() && parser.isSet(size)) {
        const std::optional<QSize> screen = parseSize(parser.value(size));
        if (!screen)
            error = QStringLiteral("The size is written as WIDTHxHEIGHT, for example 1280x720.");
        options.screen = screen.value_or(options.screen);
    }
    if (error.isEmpty() && parser.isSet(scale)) {
        bool number = false;
        options.scale = parser.value(scale).toDouble(&number);
        if (!number || options.scale < 1.0 || options.scale > Options::kLargestScale)
            error = QStringLiteral("The scale factor is a number from 1 to %1, for example 1.5 or 2.")
                        .arg(Options::kLargestScale);
    }
    if (!error.isEmpty()) {
        const QString help = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                       QStringLiteral("velmora-snapshot"));
        std::fputs(qPrintable(error + QLatin1Char('\n') + help), stderr);
        return std::nullopt;
    }
    options.dark = parser.isSet(dark);
    options.maximised = !parser.isSet(unmaximised);
    options.folder = parser.positionalArguments().constFirst();
    return options;
}

// A screen of the given logical size at 96 dpi for Qt's offscreen platform,
// with Qt scaling it by the given factor: the screen has that many more
// device pixels, and windows and pictures are drawn at them.
void useOffscreenScreen(QTemporaryFile& config, const Options& options)
{
    if (!config.open())
        return;
    const QSize device = (QSizeF(options.screen) * options.scale).toSize();
    config.write(QStringLiteral(R"({"screens": [{"name": "Snapshot", "x": 0, "y": 0, "width": %1, "height": %2,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(device.width())
                     .arg(device.height())
                     .toUtf8());
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", QByteArray::number(options.scale));
}

// The Fusion style with a dark palette, as a dark desktop theme gives.
void useDarkPalette()
{
    struct Role {
        QPalette::ColorRole role;
        QColor colour;
    };
    const Role roles[] = {
        {QPalette::Window, QColor(45, 45, 45)},
        {QPalette::WindowText, QColor(238, 238, 238)},
        {QPalette::Base, QColor(30, 30, 30)},
        {QPalette::AlternateBase, QColor(53, 53, 53)},
        {QPalette::Text, QColor(238, 238, 238)},
        {QPalette::PlaceholderText, QColor(160, 160, 160)},
        {QPalette::Button, QColor(60, 60, 60)},
        {QPalette::ButtonText, QColor(238, 238, 238)},
        {QPalette::BrightText, QColor(255, 96, 96)},
        {QPalette::ToolTipBase, QColor(30, 30, 30)},
        {QPalette::ToolTipText, QColor(238, 238, 238)},
        {QPalette::Highlight, QColor(53, 132, 228)},
        {QPalette::HighlightedText, QColor(255, 255, 255)},
        {QPalette::Link, QColor(120, 170, 255)},
        {QPalette::LinkVisited, QColor(190, 150, 255)},
        {QPalette::Light, QColor(90, 90, 90)},
        {QPalette::Midlight, QColor(70, 70, 70)},
        {QPalette::Mid, QColor(40, 40, 40)},
        {QPalette::Dark, QColor(25, 25, 25)},
        {QPalette::Shadow, QColor(0, 0, 0)},
    };
    QPalette palette;
    for (const Role& entry : roles)
        palette.setColor(entry.role, entry.colour);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(palette);
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
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options)
        return 2;
    QTemporaryFile screenConfig;
    useOffscreenScreen(screenConfig, *options);
    QApplication app(argc, argv);
    velmora::ui::installFontSubstitutes();
    if (options->dark)
        useDarkPalette();
    if (!QDir().mkpath(options->folder))
        return 1;
    Snapshots shots{QDir(options->folder)};
    velmora::ui::QtPlatform platform;

    velmora::shell::frmMDI launcher(platform, velmora::shell::calculatorEntryWindows());
    if (options->maximised)
        launcher.showMaximized();
    else
        launcher.show();
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
