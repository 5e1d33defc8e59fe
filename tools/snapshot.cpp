// Renders the suite's windows offscreen to PNG files, so they can be looked
// at without a display: velmora-snapshot <folder>.
#include "Fonts.h"
#include "QtPlatform.h"
#include "frmAbout.h"
#include "frmMDI.h"

#include <QApplication>
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

    velmora::shell::frmMDI launcher(platform, {});
    launcher.showMaximized();
    shots.take(launcher, QStringLiteral("launcher"));
    launcher.lblCaption_MouseMove(6);
    shots.take(launcher, QStringLiteral("launcher-hover"));
    launcher.picMain_MouseMove();

    velmora::shell::frmAbout about(platform, &launcher);
    about.show();
    shots.take(about, QStringLiteral("about"));

    return shots.failed() ? 1 : 0;
}
