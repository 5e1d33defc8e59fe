#include "ui/QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using velmora::ui::FileDialogRequest;
using velmora::ui::QtPlatform;

namespace {

// Acts on the dialog once it is up, the way a user would.
template <class Dialog = QFileDialog, class Act>
void whenDialogShows(Act act)
{
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
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

TEST(QtPlatformMessages, CaptionEveryBoxWithTheProductName)
{
    QString caption;
    QString text;
    whenDialogShows<QMessageBox>([&](QMessageBox& box) {
        caption = box.windowTitle();
        text = box.text();
        box.accept();
    });
    QtPlatform platform;
    platform.showMessage(nullptr, QStringLiteral("Please Enter Your Name"), velmora::ui::MessageIcon::Error);
    EXPECT_EQ(caption, "Velmora Suite");
    EXPECT_EQ(text, "Please Enter Your Name");
}
