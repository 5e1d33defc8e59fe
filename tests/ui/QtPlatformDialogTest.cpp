#include "QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using velmora::ui::FileDialogRequest;
using velmora::ui::QtPlatform;

namespace {

// Acts on the file dialog once it is up, the way a user would.
void whenDialogShows(const std::function<void(QFileDialog&)>& act)
{
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            act(*dialog);
    });
}

} // namespace

TEST(QtPlatformDialogs, ShowTheWindowsFilterAndTitleAndCancelToNothing)
{
    QStringList filters;
    QString title;
    whenDialogShows([&](QFileDialog& dialog) {
        filters = dialog.nameFilters();
        title = dialog.windowTitle();
        dialog.reject();
    });
    QtPlatform platform;
    const auto path = platform.getSaveFileName(
        nullptr, FileDialogRequest{QStringLiteral("Rich Text Format | *.zcm"), QStringLiteral("zcm"),
                                   QStringLiteral("Velmora Suite")});
    EXPECT_FALSE(path.has_value());
    EXPECT_EQ(filters, QStringList{"Rich Text Format (*.zcm)"});
    EXPECT_EQ(title, "Velmora Suite");
}

TEST(QtPlatformDialogs, AddTheDefaultExtensionToANameTypedWithoutOne)
{
    QTemporaryDir dir;
    QStringList filters;
    whenDialogShows([&](QFileDialog& dialog) {
        filters = dialog.nameFilters();
        dialog.setDirectory(dir.path());
        dialog.selectFile(QStringLiteral("pair"));
        static_cast<QDialog&>(dialog).accept();
    });
    QtPlatform platform;
    const auto path = platform.getSaveFileName(
        nullptr, FileDialogRequest{QStringLiteral("Zodiac Compatibility (*.zcm)|*.zcm"), QStringLiteral("zcm"),
                                   QStringLiteral("Select")});
    EXPECT_EQ(filters, QStringList{"Zodiac Compatibility (*.zcm)"});
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, dir.filePath(QStringLiteral("pair.zcm")));
}
