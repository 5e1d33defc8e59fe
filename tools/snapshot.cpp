// Renders the suite's windows offscreen to PNG files, so they can be looked
// at without a display: velmora-snapshot [options] <folder>, on a screen of
// a chosen size, scale factor and palette.
#include "shell/Calculators.h"
#include "shell/LauncherFrame.h"
#include "tools/SampleReadings.h"
#include "ui/Fonts.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
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
        velmora::tools::useDarkDesktop();
    if (!QDir().mkpath(options->folder))
        return 1;
    Snapshots shots{QDir(options->folder)};
    velmora::ui::QtPlatform platform;

    velmora::shell::LauncherFrame launcher(platform, velmora::shell::calculators());
    if (options->maximised)
        launcher.showMaximized();
    else
        launcher.show();
    launcher.lblCaption_MouseMove(6);
    shots.take(launcher, QStringLiteral("launcher-hover"));
    launcher.picMain_MouseMove();
    // Calculator windows are pictured within the launcher, as they are seen.
    velmora::tools::showEveryWindow(launcher, [&](const QString& name, QWidget& window) {
        shots.take(name == QLatin1String("about") ? window : launcher, name);
    });
    return shots.failed() ? 1 : 0;
}
