#include "complete/Calculator.h"
#include "complete/ReadingWindow.h"
#include "shell/Calculators.h"
#include "shell/LauncherFrame.h"
#include "tests/support/CalculatorFixture.h"
#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/WordProcessor.h"
#include "ui/RichTextBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>

using velmora::testing::control;

using namespace velmora;

namespace {

using Window = complete::ReadingWindow;

// The text pdftotext reads out of a PDF file, or empty when it cannot.
QString pdfText(const QByteArray& pdf)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                                                QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The launcher with the complete reading opened from its File menu.
class CompleteReadingWindow : public velmora::testing::CalculatorFixture<complete::kCalculator, Window, Window> {
protected:
    // File > Complete Reading... as a user picks it.
    Window& open()
    {
        control<QAction>(control<QMenu>(&frame, QStringLiteral("mnuFile")), QStringLiteral("mnuCompleteReading"))
            ->trigger();
        QApplication::processEvents();
        return *window();
    }

    Window* window() const { return entry(); }

    void enter(const QString& user, const QString& partner)
    {
        control<QLineEdit>(window(), "txtName")->setText(user);
        control<QComboBox>(window(), "cboDay")->setCurrentText(QStringLiteral("5"));
        control<QComboBox>(window(), "cboMonth")->setCurrentText(QStringLiteral("March"));
        control<QComboBox>(window(), "cboYear")->setCurrentText(QStringLiteral("1980"));
        control<QComboBox>(window(), "cboBloodType")->setCurrentText(QStringLiteral("A+"));
        control<QLineEdit>(window(), "txtPartnerName")->setText(partner);
        control<QComboBox>(window(), "cboPartnerDay")->setCurrentText(QStringLiteral("2"));
        control<QComboBox>(window(), "cboPartnerMonth")->setCurrentText(QStringLiteral("August"));
        control<QComboBox>(window(), "cboPartnerYear")->setCurrentText(QStringLiteral("1978"));
    }

    const ui::RichTextBox& view() const { return *control<ui::RichTextBox>(window(), "rtbReading"); }

};

} // namespace

// File > Complete Reading heads the File menu and opens one window in the
// frame, the welcome panel hidden, the focus in the first name box; the
// calculators' closing closes it and brings the welcome panel back.
TEST_F(CompleteReadingWindow, KeepsTheWindowContract)
{
    const QList<QAction*> items = control<QMenu>(&frame, QStringLiteral("mnuFile"))->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items.constFirst()->text(), QStringLiteral("&Complete Reading..."));
    EXPECT_EQ(items.constLast()->objectName(), QStringLiteral("mnuExit"));

    frame.OpenCalculator(3);
    items.constFirst()->trigger();
    QApplication::processEvents();
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isOnScreen());
    EXPECT_EQ(frame.findWindow("frmZodiacCompatibilityMain"), nullptr);
    EXPECT_FALSE(frame.isWelcomePanelVisible());
    EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>(window(), "txtName"));
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Velmora Complete Reading"));

    frame.CloseCalculatorWindows();
    QApplication::processEvents();
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(frame.isWelcomePanelVisible());
}

// The lists cover 1900 to 2050 and the blood types, "Not known" first and
// chosen; reading commands wait for a reading.
TEST_F(CompleteReadingWindow, StartsWithItsListsFilledAndNothingToSave)
{
    open();
    const QComboBox* years = control<QComboBox>(window(), "cboPartnerYear");
    EXPECT_EQ(years->itemText(0), QStringLiteral("1900"));
    EXPECT_EQ(years->itemText(years->count() - 1), QStringLiteral("2050"));
    const QComboBox* bloodTypes = control<QComboBox>(window(), "cboBloodType");
    ASSERT_EQ(bloodTypes->count(), 9);
    EXPECT_EQ(bloodTypes->currentText(), QStringLiteral("Not known"));
    EXPECT_EQ(bloodTypes->itemText(8), QStringLiteral("O-"));
    for (const char* command : {"cmdPrint", "cmdSave", "cmdSaveRichText"})
        EXPECT_FALSE(control<QPushButton>(window(), command)->isEnabled()) << command;
    EXPECT_FALSE(window()->menuBarActions().first()->menu()->actions().first()->isEnabled());
}

// Names are checked first, then the dates, the user's first; nothing is
// read until every entry is accepted.
TEST_F(CompleteReadingWindow, RefusesEntriesWithTheSuitesMessages)
{
    open();
    const struct {
        QString user;
        QString partner;
        const char* userDay;
        const char* partnerDay;
        const char* message;
    } cases[] = {
        {QString(), QStringLiteral("Tom"), "31", "31", "Please Enter Your Name"},
        {QStringLiteral("Anna"), QString(), "31", "31", "Please Enter Your Partner's Name"},
        {QStringLiteral("Anna"), QStringLiteral("Tom"), "31", "31", "Please Enter Your Correct Date Or Month !"},
        {QStringLiteral("Anna"), QStringLiteral("Tom"), "1", "31", "Please Enter Your Partner's Correct Date Or Month !"},
    };
    for (const auto& c : cases) {
        platform.messages.clear();
        control<QLineEdit>(window(), "txtName")->setText(c.user);
        control<QLineEdit>(window(), "txtPartnerName")->setText(c.partner);
        control<QComboBox>(window(), "cboMonth")->setCurrentText(QStringLiteral("April"));
        control<QComboBox>(window(), "cboDay")->setCurrentText(QLatin1String(c.userDay));
        control<QComboBox>(window(), "cboPartnerMonth")->setCurrentText(QStringLiteral("June"));
        control<QComboBox>(window(), "cboPartnerDay")->setCurrentText(QLatin1String(c.partnerDay));
        window()->cmdRead_Click();
        EXPECT_EQ(platform.messageTexts(), QStringList{QLatin1String(c.message)});
        EXPECT_FALSE(window()->reading().has_value());
    }
}

// Saved as PDF under the two names: the text can be read back, names typed
// with markup and "&" included, with every section and the pictures.
TEST_F(CompleteReadingWindow, SavesAReadablePdfWithPictures)
{
    open();
    const QString user = QStringLiteral("<b>Ann</b> & Co");
    enter(user, QStringLiteral("R&B"));
    window()->cmdRead_Click();
    EXPECT_TRUE(view().toPlainText().contains(user));
    platform.fileDialogAnswers.push_back(QStringLiteral("/readings/ours.pdf"));
    window()->cmdSave_Click();

    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(platform.fileDialogs[0].request.suggestedName, QStringLiteral("_b_Ann__b_ & Co and R&B.pdf"));
    EXPECT_EQ(platform.fileDialogs[0].request.defaultExtension, QStringLiteral("pdf"));
    const QByteArray pdf = platform.writtenFiles.value(QStringLiteral("/readings/ours.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.contains("/Subtype /Image")) << "no pictures in the PDF";
    const QString text = pdfText(pdf).simplified();
    for (const QString& expected :
         {user, QStringLiteral("R&B"), QStringLiteral("Summary"), QStringLiteral("Western Zodiac"),
          QStringLiteral("Chinese Zodiac"), QStringLiteral("Egyptian Astrology"), QStringLiteral("Japanese Astrology"),
          QStringLiteral("Pisces"), QStringLiteral("Metal Monkey"), QStringLiteral("Osiris"),
          QStringLiteral("Blood types not given")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << " not in: " << text.left(400).toStdString();
}

// The rich-text file reads back in a word processor with the whole reading.
TEST_F(CompleteReadingWindow, SavesRichTextThatAWordProcessorReads)
{
    open();
    enter(QStringLiteral("Zoë Ångström"), QStringLiteral("Tom"));
    control<QComboBox>(window(), "cboPartnerBloodType")->setCurrentText(QStringLiteral("O-"));
    window()->cmdRead_Click();
    platform.fileDialogAnswers.push_back(QStringLiteral("/readings/ours.rtf"));
    window()->cmdSaveRichText_Click();

    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(platform.fileDialogs[0].request.suggestedName, QStringLiteral("Zoë Ångström and Tom.rtf"));
    const QString text =
        velmora::testing::readWithAbiWord(platform.writtenFiles.value(QStringLiteral("/readings/ours.rtf"))).simplified();
    ASSERT_FALSE(text.isEmpty());
    for (const char* expected : {"Zoë Ångström", "Western Zodiac", "Chinese Zodiac", "Egyptian Astrology",
                                 "Japanese Astrology", "An Average Match", "You Have A Match Of"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_FALSE(text.contains(QChar(QChar::ObjectReplacementCharacter)));
}

// A failed write is told, and a cancelled dialog writes nothing.
TEST_F(CompleteReadingWindow, TellsAFailedSaveAndCancelsSilently)
{
    open();
    enter(QStringLiteral("Anna"), QStringLiteral("Tom"));
    window()->cmdRead_Click();
    window()->cmdSave_Click();
    window()->cmdSaveRichText_Click();
    EXPECT_TRUE(platform.writtenFiles.isEmpty());
    EXPECT_TRUE(platform.messages.empty());

    platform.writeResult = ui::WriteResult::DiskFull;
    for (const auto save : {&Window::cmdSave_Click, &Window::cmdSaveRichText_Click}) {
        platform.messages.clear();
        platform.fileDialogAnswers.push_back(QStringLiteral("/readings/full"));
        (window()->*save)();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text,
                  ui::saveFailedMessage(QStringLiteral("/readings/full"), ui::WriteResult::DiskFull));
        EXPECT_EQ(platform.messages[0].icon, ui::MessageIcon::Error);
    }
    EXPECT_TRUE(platform.writtenFiles.isEmpty());
}

// Print offers the selection when there is one and prints just that.
TEST_F(CompleteReadingWindow, PrintsTheSelectionOrTheWholeReading)
{
    open();
    enter(QStringLiteral("Anna"), QStringLiteral("Tom"));
    window()->cmdRead_Click();
    platform.printDialogAnswers = {true, true};
    window()->cmdPrint_Click();

    auto* view = control<ui::RichTextBox>(window(), "rtbReading");
    QTextCursor selection = view->document()->find(QStringLiteral("Summary"));
    ASSERT_FALSE(selection.isNull());
    view->setTextCursor(selection);
    window()->cmdPrint_Click();

    ASSERT_EQ(platform.printed.size(), 2u);
    EXPECT_FALSE(platform.printed[0].selectionFlag);
    EXPECT_TRUE(platform.printed[0].text.contains(QStringLiteral("Japanese Astrology")));
    EXPECT_TRUE(platform.printed[1].selectionFlag);
    EXPECT_EQ(platform.printed[1].text, QStringLiteral("Summary"));
}
