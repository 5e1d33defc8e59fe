#include "complete/ReadingWindow.h"

#include "complete/ReadingDocument.h"
#include "kit/ReadingView.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Platform.h"
#include "ui/RichTextBox.h"
#include "ui/Text.h"
#include "western/SavedReadingFile.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextDocument>

namespace velmora::complete {
namespace {

// The dates every one of the four systems covers.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

constexpr int kFrameWidth = 5220;
constexpr int kFrameHeight = 1560;

// Both person frames lay out their person alike.
constexpr kit::PersonEntryLayout personLayout(const char* caption, const char* name, const char* dateCaption,
                                              const char* day, const char* month, const char* year)
{
    return {{caption, 120, 330, 0, 0},
            "Name",
            {name, 1320, 270, 3720, 345},
            kit::BirthDateLayout{{dateCaption, 120, 750, 0, 0},
                                 "Birth Date",
                                 {{{kit::DatePart::Day, {day, 1320, 720, 735, 315}, {}, nullptr},
                                   {kit::DatePart::Month, {month, 2115, 720, 1455, 315}, {}, nullptr},
                                   {kit::DatePart::Year, {year, 3630, 720, 1095, 315}, {}, nullptr}}}}};
}

constexpr kit::ChoiceLayout bloodTypeLayout(bool isUser)
{
    return {{isUser ? "lblBloodType" : "lblPartnerBloodType", 120, 1200, 0, 0},
            "Blood Type",
            {isUser ? "cboBloodType" : "cboPartnerBloodType", 1320, 1170, 1455, 315},
            "blood type"};
}

// "Not known", the default, then the blood types in their own order.
QStringList bloodTypeChoices()
{
    QStringList choices{ui::toQString(kBloodTypeNotKnown)};
    for (const std::string_view bloodType : bloodtype::kBloodTypes)
        choices.append(ui::toQString(bloodType));
    return choices;
}

constexpr kit::PersonEntryLayout kUserLayout =
    personLayout("lblName", "txtName", "lblBirthDate", "cboDay", "cboMonth", "cboYear");
constexpr kit::PersonEntryLayout kPartnerLayout = personLayout(
    "lblPartnerName", "txtPartnerName", "lblPartnerBirthDate", "cboPartnerDay", "cboPartnerMonth", "cboPartnerYear");

const QString kPdfFilter = QStringLiteral("PDF Document|*.pdf");
const QString kRichTextFilter = QStringLiteral("Rich Text Format|*.rtf");

} // namespace

ReadingWindow::ReadingWindow(kit::WindowHost& host)
    : CalculatorWindow(host, kWindowName, kReadingTitle, 10800, 8460)
{
    user_ = createPerson(kit::Person::User);
    partner_ = createPerson(kit::Person::Partner);

    auto* read = ui::addButton(this, "cmdRead", QStringLiteral("Show Our Complete &Reading"), 3600, 1800, 3600, 420);
    read->setFont(ui::verdana(8.25, true));
    connect(read, &QPushButton::clicked, this, &ReadingWindow::cmdRead_Click);

    view_ = kit::addReadingView(this, "rtbReading", 120, 2340, 10560, 5400, QStringLiteral("Complete reading"),
                                platform());
    view_->setReadOnly(true);
    view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    createButtons();
    createMenus();

    setTabOrder(partner_.entry.chainTabOrder(user_.entry.chainTabOrder(nullptr)), read);
    QWidget* last = view_;
    setTabOrder(read, last);
    for (QWidget* command : readingCommands_) {
        setTabOrder(last, command);
        last = command;
    }
    enableReadingCommands(false);
}

ReadingWindow::Person ReadingWindow::createPerson(kit::Person person)
{
    const bool isUser = person == kit::Person::User;
    QGroupBox* frame =
        ui::addFrame(this, isUser ? "fraDetails" : "fraPartnerDetails",
                     isUser ? QStringLiteral("Your Details") : QStringLiteral("Your Partner's Details"),
                     isUser ? 120 : 5460, 120, kFrameWidth, kFrameHeight);
    Person created{kit::PersonEntry(frame, isUser ? kUserLayout : kPartnerLayout, person, kit::NameForm::Trimmed),
                   nullptr};
    created.entry.nameBox()->setMaxLength(static_cast<int>(kit::kMaxNameLength));
    created.bloodType = created.entry.addChoice(bloodTypeLayout(isUser), bloodTypeChoices());
    return created;
}

void ReadingWindow::createButtons()
{
    using Self = ReadingWindow;
    const struct {
        const char* name;
        const char* caption;
        int left;
        int width;
        void (Self::*handler)();
    } buttons[] = {
        {"cmdPrint", "&Print", 3720, 1260, &Self::cmdPrint_Click},
        {"cmdSave", "Save As P&DF", 5040, 1740, &Self::cmdSave_Click},
        {"cmdSaveRichText", "Save As Rich &Text", 6840, 2280, &Self::cmdSaveRichText_Click},
    };
    for (const auto& button : buttons) {
        QPushButton* created = ui::addButton(this, button.name, QLatin1String(button.caption), button.left, 7860,
                                             button.width, 420);
        connect(created, &QPushButton::clicked, this, button.handler);
        readingCommands_.append(created);
    }
    QPushButton* exit = ui::addButton(this, "cmdExit", QStringLiteral("E&xit"), 9180, 7860, 1500, 420);
    connect(exit, &QPushButton::clicked, this, &CalculatorWindow::closeWindow);
    setTabOrder(readingCommands_.constLast(), exit);
}

void ReadingWindow::createMenus()
{
    using Self = ReadingWindow;
    QMenu* file = createFileMenu();
    readingMenuItems_ = {
        addMenuItem(file, QStringLiteral("&Print..."), "mnuPrint", &Self::cmdPrint_Click),
        addMenuItem(file, QStringLiteral("Save As P&DF..."), "mnuSave", &Self::cmdSave_Click),
        addMenuItem(file, QStringLiteral("Save As Rich &Text..."), "mnuSaveRichText", &Self::cmdSaveRichText_Click),
    };
    file->addSeparator();
    addMenuItem(file, QStringLiteral("E&xit"), "mnuExit", &CalculatorWindow::closeWindow);
    setMenuBar(file);
}

void ReadingWindow::Form_Load()
{
    CalculatorWindow::Form_Load();
    for (const Person* person : {&user_, &partner_})
        person->entry.fillDateLists(kFirstYear, kLastYear);
}

void ReadingWindow::enableReadingCommands(bool enabled)
{
    for (QWidget* command : readingCommands_)
        command->setEnabled(enabled);
    for (QAction* item : readingMenuItems_)
        item->setEnabled(enabled);
}

bool ReadingWindow::ValidateEntries()
{
    return kit::acceptEntries(platform(), this, user_.entry, partner_.entry,
                              {"Please Enter Your Name", "Please Enter Your Partner's Name", ui::MessageIcon::Error});
}

CompletePerson ReadingWindow::entries(const Person& person) const
{
    // The list's first entry is "Not known"; the blood types follow in
    // their own order.
    return {person.entry.details(), person.bloodType->currentIndex() - 1};
}

void ReadingWindow::enterAndRead(const Entries& user, const Entries& partner)
{
    const Entries* missingYear = nullptr;
    for (const auto& [person, entries] : {std::pair{&user_, &user}, std::pair{&partner_, &partner}}) {
        const kit::PersonEntry& entry = person->entry;
        entry.showEntries(ui::toQString(entries->name), ui::toQString(kit::MonthName(entries->month)),
                          QString::number(static_cast<unsigned>(entries->day)),
                          entries->year ? QString::number(static_cast<int>(*entries->year)) : QString());
        person->bloodType->setCurrentIndex(entries->bloodType + 1);
        if (!entries->year && !missingYear) {
            missingYear = entries;
            entry.list(kit::DatePart::Year)->setFocus();
        }
    }
    if (missingYear) {
        // What is shown is no reading of these two.
        reading_.reset();
        view_->clear();
        enableReadingCommands(false);
        platform().showMessage(this,
                               QStringLiteral("Please choose the birth year of %1: it is not known.")
                                   .arg(ui::toQString(missingYear->name)),
                               ui::MessageIcon::Information);
        return;
    }
    cmdRead_Click();
}

void ReadingWindow::cmdRead_Click()
{
    if (!ValidateEntries())
        return;
    reading_ = CalculateCompleteReading(entries(user_), entries(partner_));
    composeReading(*view_->document(), *reading_, Pictures::Shown);
    view_->moveCursor(QTextCursor::Start);
    enableReadingCommands(true);
}

void ReadingWindow::cmdPrint_Click()
{
    if (reading_)
        kit::printReading(platform(), this, *view_);
}

std::optional<QString> ReadingWindow::askFileName(const QString& filter, const QString& extension)
{
    const QString name = ui::toQString(DefaultFileName(reading_->Western.UserName, reading_->Western.PartnerName));
    return platform().getSaveFileName(
        this, {filter, extension, QString(ui::kApplicationTitle), name + QLatin1Char('.') + extension});
}

void ReadingWindow::cmdSave_Click()
{
    if (!reading_)
        return;
    if (const std::optional<QString> path = askFileName(kPdfFilter, QStringLiteral("pdf")))
        platform().saveFile(this, *path, kit::documentAsPdf(*view_->document(), kReadingTitle));
}

// Rich text holds the reading's text; the pictures stay in the PDF.
void ReadingWindow::cmdSaveRichText_Click()
{
    if (!reading_)
        return;
    if (const std::optional<QString> path = askFileName(kRichTextFilter, QStringLiteral("rtf"))) {
        QTextDocument document;
        composeReading(document, *reading_, Pictures::LeftOut);
        platform().saveRichText(this, document, *path);
    }
}

} // namespace velmora::complete
