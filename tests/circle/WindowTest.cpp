// The circle's window as a user meets it: opening an address book, the
// people typed in, changed and removed, the ranking and the picture, saving,
// printing, and a pair's complete reading.
#include "circle/AddressBook.h"
#include "circle/Calculator.h"
#include "circle/CircleWindow.h"
#include "circle/HeatMap.h"
#include "circle/Limits.h"
#include "circle/RankingModel.h"
#include "complete/ReadingWindow.h"
#include "tests/support/CalculatorFixture.h"
#include "tests/support/Person.h"
#include "tests/support/WindowsShown.h"
#include "ui/RichTextBox.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using velmora::testing::control;

using namespace velmora;
using namespace std::chrono;

namespace {

using Window = circle::CircleWindow;

// Three people address books commonly write, and two cards the circle cannot
// read.
constexpr std::string_view kAddressBook = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna Lindqvist\r\nBDAY:1980-03-05\r\n"
                                          "TEL;TYPE=CELL:+46 70 123 45 67\r\nEND:VCARD\r\n"
                                          "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Tomas Brandt\r\nBDAY:19780802\r\n"
                                          "X-VELMORA-BLOOD-TYPE:O-\r\nEND:VCARD\r\n"
                                          "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Chen;Mei Lin\r\nBDAY:--0115\r\nEND:VCARD\r\n"
                                          "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Nobody Knows\r\nEND:VCARD\r\n"
                                          "BEGIN:VCARD\r\nVERSION:3.0\r\nBDAY:1985-02-30\r\nEND:VCARD\r\n";

class CircleWindowTest : public velmora::testing::CalculatorFixture<circle::kCalculator, Window, Window> {
protected:
    Window* window() const { return entry(); }

    template <class T = QWidget>
    T* part(const char* name) const
    {
        return control<T>(window(), QLatin1String(name));
    }

    QString write(const char* name, std::string_view bytes)
    {
        const QString path = folder.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    void open(const QString& path)
    {
        platform.fileDialogAnswers.push_back(path);
        window()->cmdOpen_Click();
    }

    // Types a person into the form and presses Add.
    void add(const QString& name, int day, const QString& month, const QString& year, const QString& bloodType)
    {
        part<QLineEdit>("txtName")->setText(name);
        part<QComboBox>("cboDay")->setCurrentText(QString::number(day));
        part<QComboBox>("cboMonth")->setCurrentText(month);
        part<QComboBox>("cboYear")->setCurrentText(year);
        part<QComboBox>("cboBloodType")->setCurrentText(bloodType);
        window()->cmdAdd_Click();
    }

    QStringList listed(const char* list) const
    {
        QStringList lines;
        for (int row = 0; row < part<QListWidget>(list)->count(); ++row)
            lines.append(part<QListWidget>(list)->item(row)->text());
        return lines;
    }

    // The ranking as shown: a row of texts each, top to bottom.
    QList<QStringList> ranking() const
    {
        const QAbstractItemModel* model = part<QTableView>("tblRanking")->model();
        QList<QStringList> rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells.append(model->index(row, column).data().toString());
            rows.append(cells);
        }
        return rows;
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(CircleWindowTest, OpensFromTheFileMenuBelowTheCompleteReadingUnderTheCalculatorsContract)
{
    QStringList items;
    for (const QAction* item : control<QMenu>(&frame, QStringLiteral("mnuFile"))->actions())
        items.append(item->text());
    EXPECT_EQ(items, (QStringList{"&Complete Reading...", "C&ircle...", "E&xit"}));
    ASSERT_TRUE(onScreen(window()));
    EXPECT_EQ(window()->windowTitle(), "Velmora Circle");
    EXPECT_FALSE(frame.isWelcomePanelVisible());
    // The first input on view: the name box waits on the People page behind.
    EXPECT_EQ(QApplication::focusWidget(), part("cmdOpen"));

    frame.lblCaption_Click(0);
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(frame.isWelcomePanelVisible());
}

TEST_F(CircleWindowTest, ReadsAnAddressBookAndSaysWhatItCouldNotRead)
{
    open(write("friends.vcf", kAddressBook));
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(part<QLabel>("lblRead")->text(), "3 people read, 2 not read");
    EXPECT_EQ(listed("lstNotRead"), (QStringList{"Nobody Knows: no birthday", "card 5: impossible date"}));
    EXPECT_EQ(listed("lstPeople"), (QStringList{"Anna Lindqvist, 5 March 1980, blood type not known",
                                               "Tomas Brandt, 2 August 1978, O-",
                                               "Mei Lin Chen, 15 January, blood type not known"}));
    EXPECT_EQ(part<QComboBox>("cboYou")->currentText(), "Anna Lindqvist");
    const QList<QStringList> rows = ranking();
    ASSERT_EQ(rows.size(), 2);
    // Mei Lin's year is not given: the Chinese column says so, the others rate.
    const QStringList mei = rows[0][0] == "Mei Lin Chen" ? rows[0] : rows[1];
    EXPECT_EQ(mei[circle::RankingModel::Chinese], "Birth years not given");
    EXPECT_EQ(mei[circle::RankingModel::Japanese], "Blood types not given");
    EXPECT_TRUE(mei[circle::RankingModel::Western].contains(QStringLiteral("Match"))) << mei.join('|').toStdString();
}

TEST_F(CircleWindowTest, RefusesFilesItCannotReadAndKeepsTheCircle)
{
    add(QStringLiteral("Kept"), 1, QStringLiteral("May"), QStringLiteral("1990"), QStringLiteral("A+"));
    QFile large(folder.filePath(QStringLiteral("large.vcf")));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    ASSERT_TRUE(large.resize(static_cast<qint64>(circle::kMaxFileOctets) + 1));
    large.close();
    const struct {
        QString path;
        const char* message;
    } refusals[] = {
        {large.fileName(), "The file is larger than 32 MiB."},
        {write("photo.vcf", std::string_view("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), "The file is not a vCard address book."},
        {folder.filePath(QStringLiteral("missing.vcf")), nullptr},
    };
    for (const auto& refusal : refusals) {
        platform.messages.clear();
        open(refusal.path);
        ASSERT_EQ(platform.messages.size(), 1u) << refusal.path.toStdString();
        if (refusal.message) {
            EXPECT_EQ(messages().first(), refusal.message);
        }
        EXPECT_EQ(platform.messages[0].icon, ui::MessageIcon::Error);
        EXPECT_EQ(listed("lstPeople"), QStringList{"Kept, 1 May 1990, A+"});
    }
}

TEST_F(CircleWindowTest, PeopleAreAddedChangedAndRemovedInTheWindow)
{
    add(QStringLiteral("Ann"), 29, QStringLiteral("February"), QStringLiteral("Not known"), QStringLiteral("Not known"));
    add(QStringLiteral("Bo"), 31, QStringLiteral("April"), QStringLiteral("1990"), QStringLiteral("B+"));
    EXPECT_EQ(messages(), QStringList{"Please choose a day that the month has."});
    add(QStringLiteral("   "), 1, QStringLiteral("April"), QStringLiteral("1990"), QStringLiteral("B+"));
    EXPECT_EQ(messages().last(), "Please enter the person's name.");
    add(QStringLiteral("Bo"), 30, QStringLiteral("April"), QStringLiteral("1990"), QStringLiteral("B+"));
    EXPECT_EQ(listed("lstPeople"),
              (QStringList{"Ann, 29 February, blood type not known", "Bo, 30 April 1990, B+"}));
    EXPECT_EQ(ranking().size(), 1);
    // The form is ready for the next person, and no one is chosen to change.
    EXPECT_EQ(QApplication::focusWidget(), part("txtName"));
    EXPECT_EQ((QStringList{part<QLineEdit>("txtName")->text(), part<QComboBox>("cboDay")->currentText(),
                           part<QComboBox>("cboMonth")->currentText(), part<QComboBox>("cboYear")->currentText(),
                           part<QComboBox>("cboBloodType")->currentText()}),
              (QStringList{"", "1", "January", "Not known", "Not known"}));
    EXPECT_EQ(part<QListWidget>("lstPeople")->currentRow(), -1);
    window()->cmdChange_Click();
    window()->cmdRemove_Click();
    EXPECT_EQ(messages().mid(messages().size() - 2),
              (QStringList{"Please choose the person to change in the circle's list.",
                           "Please choose the person to remove in the circle's list."}));
    EXPECT_EQ(listed("lstPeople").size(), 2);

    part<QListWidget>("lstPeople")->setCurrentRow(0);
    EXPECT_EQ(part<QLineEdit>("txtName")->text(), "Ann") << "choosing a person shows them in the form";
    part<QLineEdit>("txtName")->setText(QStringLiteral("Anne"));
    part<QComboBox>("cboYear")->setCurrentText(QStringLiteral("1996"));
    window()->cmdChange_Click();
    EXPECT_EQ(listed("lstPeople").first(), "Anne, 29 February 1996, blood type not known");

    part<QListWidget>("lstPeople")->setCurrentRow(1);
    window()->cmdRemove_Click();
    EXPECT_EQ(listed("lstPeople"), QStringList{"Anne, 29 February 1996, blood type not known"});
    EXPECT_TRUE(ranking().isEmpty());
    EXPECT_TRUE(part("cmdSaveAs")->isEnabled());

    part<QListWidget>("lstPeople")->setCurrentRow(0);
    window()->cmdRemove_Click();
    EXPECT_TRUE(listed("lstPeople").isEmpty());
    for (const char* command : {"cmdSaveAs", "cmdPrint", "cmdSavePdf"})
        EXPECT_FALSE(part(command)->isEnabled()) << command << ": there is no one to save or print";
}

TEST_F(CircleWindowTest, TheRankingSortsByEveryColumnFromTheKeyboard)
{
    open(write("friends.vcf", kAddressBook));
    add(QStringLiteral("Zoe"), 1, QStringLiteral("June"), QStringLiteral("1985"), QStringLiteral("O-"));
    auto* sortBy = part<QComboBox>("cboSortBy");
    EXPECT_EQ(sortBy->currentText(), "Overall");
    const auto column = [this](int index) {
        QStringList cells;
        for (const QStringList& row : ranking())
            cells.append(row[index]);
        return cells;
    };
    const auto scores = [&] {
        QList<int> values;
        const QAbstractItemModel* model = part<QTableView>("tblRanking")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            values.append(model->index(row, circle::RankingModel::Overall).data(circle::RankingModel::ScoreRole).toInt());
        return values;
    };
    const QList<int> best = scores();
    EXPECT_TRUE(std::is_sorted(best.rbegin(), best.rend())) << "best first";
    sortBy->setCurrentText(QStringLiteral("Name"));
    EXPECT_EQ(column(circle::RankingModel::Name), (QStringList{"Mei Lin Chen", "Tomas Brandt", "Zoe"}));
    part<QComboBox>("cboYou")->setCurrentText(QStringLiteral("Zoe"));
    EXPECT_EQ(column(circle::RankingModel::Name), (QStringList{"Anna Lindqvist", "Mei Lin Chen", "Tomas Brandt"}));
}

TEST_F(CircleWindowTest, SavesTheCircleAsVCardThatReadsBackWithEverythingItRead)
{
    open(write("friends.vcf", kAddressBook));
    add(QStringLiteral("Zoë"), 1, QStringLiteral("June"), QStringLiteral("Not known"), QStringLiteral("AB-"));
    platform.writeToDisk = true;
    const QString saved = folder.filePath(QStringLiteral("saved.vcf"));
    platform.fileDialogAnswers.push_back(saved);
    window()->cmdSaveAs_Click();
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("VERSION:4.0"));
    EXPECT_TRUE(bytes.contains("TEL;TYPE=CELL:+46 70 123 45 67")) << "what the suite does not use is kept";
    const circle::AddressBook back = circle::readAddressBook(std::string_view(bytes.constData(), bytes.size()));
    EXPECT_EQ(back.people, window()->people());
}

TEST_F(CircleWindowTest, SavesTheRankingAndThePictureAsSearchablePdf)
{
    open(write("friends.vcf", kAddressBook));
    platform.writeToDisk = true;
    const QString pdf = folder.filePath(QStringLiteral("circle.pdf"));
    platform.fileDialogAnswers.push_back(pdf);
    window()->cmdSavePdf_Click();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString read = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    for (const char* expected : {"Velmora Circle", "You are Anna Lindqvist.", "Ranking", "Tomas Brandt",
                                 "Birth years not given", "Picture: Overall", "Your best match"})
        EXPECT_TRUE(read.contains(QLatin1String(expected))) << expected;
}

TEST_F(CircleWindowTest, APairOfThePictureOpensItsCompleteReadingAndTheCircleComesBack)
{
    open(write("friends.vcf", kAddressBook));
    auto* picture = part<circle::HeatMap>("picCircle");
    emit picture->cellActivated(1, 0);
    auto* reading = find<complete::ReadingWindow>();
    ASSERT_NE(reading, nullptr);
    EXPECT_TRUE(onScreen(reading));
    EXPECT_FALSE(onScreen(window()));
    EXPECT_EQ(control<QLineEdit>(reading, QStringLiteral("txtName"))->text(), "Tomas Brandt");
    EXPECT_EQ(control<QComboBox>(reading, QStringLiteral("cboBloodType"))->currentText(), "O-");
    ASSERT_TRUE(reading->reading().has_value()) << "filled in and shown";
    EXPECT_EQ(reading->reading()->Western.UserSign, "Leo");

    reading->closeWindow();
    EXPECT_TRUE(onScreen(window())) << "the circle comes back as it was";
    EXPECT_FALSE(frame.isWelcomePanelVisible());
    EXPECT_EQ(listed("lstPeople").size(), 3);

    // A birth year the book does not give is left to the user to choose.
    emit picture->cellActivated(0, 2);
    reading = find<complete::ReadingWindow>();
    ASSERT_NE(reading, nullptr);
    EXPECT_FALSE(reading->reading().has_value());
    EXPECT_EQ(messages().last(), "Please choose the birth year of Mei Lin Chen: it is not known.");
}

// For sampled pairs, every rating the circle gives is what that calculator's
// own window shows for the two people.
TEST_F(CircleWindowTest, EveryRatingIsWhatItsCalculatorsWindowShows)
{
    const std::vector<velmora::testing::Person> people = {
        {"Anna", 1980y / March / 20, "A+"}, {"Tom", 1980y / March / 21, "O-"}, {"Mei", 1985y / February / 19, "B+"},
        {"Dev", 1990y / January / 25, "AB-"}, {"Kai", 1900y / January / 1, "O+"},
        // Amon Ra, whom Dev's Mut names as very highly compatible, but not
        // the other way round.
        {"Ra", 1950y / January / 8, "A-"}};
    for (const auto& person : people)
        add(person.name, static_cast<int>(static_cast<unsigned>(person.birthDate.day())),
            ui::toQString(kit::MonthName(person.birthDate.month())),
            QString::number(static_cast<int>(person.birthDate.year())), person.bloodType);
    // The circle's texts first: showing the calculators closes the circle.
    const circle::CircleRatings ratings(window()->people());
    struct Sample {
        std::size_t user, partner;
        std::array<std::vector<std::string>, 4> lines;
    };
    std::vector<Sample> samples;
    for (const auto& [user, partner] : {std::pair<std::size_t, std::size_t>{0, 1}, {1, 0}, {2, 3}, {3, 4}, {4, 2}, {3, 5}, {5, 3}}) {
        Sample sample{user, partner, {}};
        for (std::size_t s = 0; s < circle::kSystems.size(); ++s)
            sample.lines[s] = ratings.ratingLines(circle::kSystems[s], user, partner);
        samples.push_back(sample);
    }
    velmora::testing::WhatTheWindowsShow windows(frame);
    for (const Sample& sample : samples) {
        const auto& u = people[sample.user];
        const auto& p = people[sample.partner];
        SCOPED_TRACE(u.name.toStdString() + " with " + p.name.toStdString());
        EXPECT_EQ(sample.lines[0], windows.western(u, p).pairLines);
        EXPECT_EQ(sample.lines[1], windows.chinese(u, p).pairLines);
        EXPECT_EQ(sample.lines[2], windows.egyptian(u, p).pairLines);
        EXPECT_EQ(sample.lines[3], windows.japanese(u, p).pairLines);
    }
}
