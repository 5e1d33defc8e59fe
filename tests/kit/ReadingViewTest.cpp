// What every rich-text reading view does with its reading: guards it from
// copying, saves it as rich text and prints it, the selection if there is one.
#include "kit/ReadingView.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/RichTextBox.h"
#include "ui/RtfWriter.h"

#include <QTest>
#include <QTextCursor>
#include <QWidget>
#include <gtest/gtest.h>

using namespace velmora;

namespace {

class ReadingView : public ::testing::Test {
protected:
    ReadingView()
    {
        view->appendRun(QStringLiteral("Your sign is Leo.\r\nYour partner's sign is Aries."));
        window.resize(600, 400);
        window.show();
        platform.clipboardClears = 0;
    }

    void selectFirstWord() const
    {
        QTextCursor cursor(view->document());
        cursor.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
        view->setTextCursor(cursor);
    }

    velmora::testing::RecordingPlatform platform;
    QWidget window;
    ui::RichTextBox* view =
        kit::addReadingView(&window, "RTB", 0, 0, 6000, 4000, QStringLiteral("Your reading"), platform);
};

TEST_F(ReadingView, EmptiesTheClipboardOnEveryClickMoveAndChange)
{
    EXPECT_EQ(view->objectName(), "RTB");
    EXPECT_EQ(view->accessibleName(), "Your reading");
    QWidget* surface = view->viewport();
    QTest::mouseMove(surface, {20, 10});
    EXPECT_GE(platform.clipboardClears, 1) << "a move over the view counts";
    const int afterMove = platform.clipboardClears;
    QTest::mousePress(surface, Qt::LeftButton, {}, {20, 10});
    QTest::mouseRelease(surface, Qt::LeftButton, {}, {60, 10});
    EXPECT_GE(platform.clipboardClears, afterMove + 2);
    const int afterClick = platform.clipboardClears;
    view->appendRun(QStringLiteral(" More."));
    EXPECT_GT(platform.clipboardClears, afterClick);
}

TEST_F(ReadingView, SavesTheReadingAsRichTextWhereTheUserSays)
{
    platform.fileDialogAnswers = {QStringLiteral("/home/ann/reading.rtf")};
    kit::saveAsRichText(platform, &window, *view);

    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_TRUE(platform.fileDialogs[0].save);
    EXPECT_EQ(platform.fileDialogs[0].request.filter, "Rich Text Format | *.rtf ");
    EXPECT_EQ(platform.fileDialogs[0].request.defaultExtension, "rtf");
    EXPECT_EQ(platform.fileDialogs[0].request.title, "Velmora Suite");
    ASSERT_TRUE(platform.writtenFiles.contains(QStringLiteral("/home/ann/reading.rtf")));
    EXPECT_EQ(platform.writtenFiles.value(QStringLiteral("/home/ann/reading.rtf")), ui::toRtf(*view->document()));
}

TEST_F(ReadingView, SaysNothingAndWritesNothingWhenSaveIsCancelled)
{
    kit::saveAsRichText(platform, &window, *view);
    EXPECT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_TRUE(platform.writtenFiles.isEmpty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ReadingView, SaysWhyASaveFailed)
{
    platform.fileDialogAnswers = {QStringLiteral("/full/reading.rtf")};
    platform.writeResult = ui::WriteResult::DiskFull;
    kit::saveAsRichText(platform, &window, *view);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("/full/reading.rtf")));
    EXPECT_EQ(platform.messages[0].icon, ui::MessageIcon::Error);
}

TEST_F(ReadingView, PrintsTheSelectionWhenThereIsOneAndAllOfItOtherwise)
{
    platform.printDialogAnswers = {true, true};
    kit::printReading(platform, &window, *view);
    selectFirstWord();
    kit::printReading(platform, &window, *view);

    ASSERT_EQ(platform.printed.size(), 2u);
    EXPECT_FALSE(platform.printed[0].selectionFlag);
    EXPECT_EQ(platform.printed[0].text, view->toPlainText());
    EXPECT_TRUE(platform.printed[1].throughDialog);
    EXPECT_TRUE(platform.printed[1].selectionFlag);
    EXPECT_EQ(platform.printed[1].text, "Your ");
}

TEST_F(ReadingView, PrintsNothingWhenThePrintDialogIsCancelled)
{
    platform.printDialogAnswers = {false};
    kit::printReading(platform, &window, *view);
    EXPECT_TRUE(platform.printed.empty());
    EXPECT_TRUE(platform.messages.empty());
}

} // namespace
