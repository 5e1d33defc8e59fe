#include "frmCompleteReading.h"

#include "Controls.h"
#include "Fonts.h"
#include "Platform.h"
#include "ReadingDocument.h"
#include "ReadingView.h"
#include "RichTextBox.h"
#include "Text.h"
#include "modCheckForUniqueUser.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextDocument>

namespace velmora::complete {
namespace {

namespace mjc = bloodtype::modJapaneseCompatibility;

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
            {dateCaption, 120, 750, 0, 0},
            "Birth Date",
            {{{kit::DatePart::Day, {day, 1320, 720, 735, 315}, {}, nullptr},
              {kit::DatePart::Month, {month, 2115, 720, 1455, 315}, {}, nullptr},
              {kit::DatePart::Year, {year, 3630, 720, 1095, 315}, {}, nullptr}}}};
}

constexpr kit::PersonEntryLayout kUserLayout =
    personLayout("lblName", "txtName", "lblBirthDate", "cboDay", "cboMonth", "cboYear");
constexpr kit::PersonEntryLayout kPartnerLayout = personLayout(
    "lblPartnerName", "txtPartnerName", "lblPartnerBirthDate", "cboPartnerDay", "cboPartnerMonth", "cboPartnerYear");

const QString kPdfFilter = QStringLiteral("PDF Document|*.pdf");
const QString kRichTextFilter = QStringLiteral("Rich Text Format|*.rtf");

} // namespace

frmCompleteReading::frmCompleteReading(kit::Launcher& launcher)
    : CalculatorWindow(launcher, kWindowName, kReadingTitle, 10800, 8460)
{
    user_ = createPerson(kit::Person::User);
    partner_ = createPerson(kit::Person::Partner);

    auto* read = ui::addButton(this, "cmdRead", QStringLiteral("Show Our Complete &Reading"), 3600, 1800, 3600, 420);
    read->setFont(ui::verdana(8.25, true));
    connect(read, &QPushButton::clicked, this, &frmCompleteReading::cmdRead_Click);

    view_ = kit::addReadingView(this, "rtbReading", 120, 2340, 10560, 5400, QStringLiteral("Complete reading"),
                                platform());
    view_->setReadOnly(true);
    view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    createButtons();
    createMenus();

    QWidget* last = user_.entry.chainTabOrder(nullptr);
    setTabOrder(last, user_.bloodType);
    last = partner_.entry.chainTabOrder(user_.bloodType);
    setTabOrder(last, partner_.bloodType);
    setTabOrder(partner_.bloodType, read);
    last = view_;
    setTabOrder(read, last);
    for (QWidget* command : readingCommands_) {
        setTabOrder(last, command);
        last = command;
    }
    enableReadingCommands(false);
}

frmCompleteReading::Person frmCompleteReading::createPerson(kit::Person person)
{
    const bool isUser = person == kit::Person::User;
    QGroupBox* frame =
        ui::addFrame(this, isUser ? "fraDetails" : "fraPartnerDetails",
                     isUser ? QStringLiteral("Your Details") : QStringLiteral("Your Partner's Details"),
                     isUser ? 120 : 5460, 120, kFrameWidth, kFrameHeight);
    Person created{kit::PersonEntry(frame, isUser ? kUserLayout : kPartnerLayout, person), nullptr};
    created.entry.nameBox()->setMaxLength(static_cast<int>(western::modCheckForUniqueUser::kMaxNameLength));

    QLabel* caption = ui::addLabel(frame, isUser ? "lblBloodType" : "lblPartnerBloodType",
                                   QStringLiteral("Blood Type"), 120, 1200);
    created.bloodType =
        ui::addList(frame, isUser ? "cboBloodType" : "cboPartnerBloodType", 1320, 1170, 1455, 315);
    ui::labelInput(caption, created.bloodType);
    created.bloodType->setAccessibleName(isUser ? QStringLiteral("Your blood type")
                                                : QStringLiteral("Your partner's blood type"));
    ui::setColors(created.bloodType, Qt::white, Qt::black);
    return created;
}

void frmCompleteReading::createButtons()
{
    using Self = frmCompleteReading;
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

void frmCompleteReading::createMenus()
{
    using Self = frmCompleteReading;
    QMenu* file = createFileMenu();
    readingMenuItems_ = {
        addMenuItem(file, QStringLiteral("&Print..."), "mnuPrint", &Self::cmdPrint_Click),
        addMenuItem(file, QStringLiteral("Save As P&DF..."), "mnuSave", &Self::cmdSave_Click),
        addMenuItem(file, QStringLiteral("Save As Rich &Text..."), "mnuSaveRichText", &Self::cmdSaveRichText_Click),
    };
    file->addSeparator();
    addMenuItem<CalculatorWindow>(file, QStringLiteral("E&xit"), "mnuExit", &CalculatorWindow::closeWindow);
    setMenuBar(file, kit::UpdateItemWording::Standard);
}

void frmCompleteReading::Form_Load()
{
    CalculatorWindow::Form_Load();
    for (const Person* person : {&user_, &partner_}) {
        person->entry.fillDateLists(kFirstYear, kLastYear);
        person->bloodType->addItem(ui::toQString(kBloodTypeNotKnown));
        for (const std::string_view bloodType : mjc::kBloodTypes)
            person->bloodType->addItem(ui::toQString(bloodType));
        person->bloodType->setCurrentIndex(0);
    }
}

void frmCompleteReading::enableReadingCommands(bool enabled)
{
    for (QWidget* command : readingCommands_)
        command->setEnabled(enabled);
    for (QAction* item : readingMenuItems_)
        item->setEnabled(enabled);
}

bool frmCompleteReading::ValidateEntries()
{
    if (!user_.entry.hasName()) {
        platform().showMessage(this, QStringLiteral("Please Enter Your Name"), ui::MessageIcon::Error);
        user_.entry.nameBox()->setFocus();
        return false;
    }
    if (!partner_.entry.hasName()) {
        platform().showMessage(this, QStringLiteral("Please Enter Your Partner's Name"), ui::MessageIcon::Error);
        partner_.entry.nameBox()->setFocus();
        return false;
    }
    return user_.entry.acceptDate(platform(), this) && partner_.entry.acceptDate(platform(), this);
}

CompletePerson frmCompleteReading::entries(const Person& person) const
{
    // The list's first entry is "Not known"; the blood types follow in
    // their own order.
    return {person.entry.details(), person.bloodType->currentIndex() - 1};
}

void frmCompleteReading::cmdRead_Click()
{
    if (!ValidateEntries())
        return;
    reading_ = CalculateCompleteReading(entries(user_), entries(partner_));
    composeReading(*view_->document(), *reading_, Pictures::Shown);
    view_->moveCursor(QTextCursor::Start);
    enableReadingCommands(true);
}

void frmCompleteReading::cmdPrint_Click()
{
    if (reading_)
        kit::printReading(platform(), this, *view_);
}

std::optional<QString> frmCompleteReading::askFileName(const QString& filter, const QString& extension)
{
    const QString name = ui::toQString(DefaultFileName(reading_->Western.UserName, reading_->Western.PartnerName));
    return platform().getSaveFileName(
        this, {filter, extension, QString(ui::kApplicationTitle), name + QLatin1Char('.') + extension});
}

void frmCompleteReading::cmdSave_Click()
{
    if (!reading_)
        return;
    if (const std::optional<QString> path = askFileName(kPdfFilter, QStringLiteral("pdf")))
        platform().saveFile(this, *path, readingAsPdf(*view_->document(), kReadingTitle));
}

// Rich text holds the reading's text; the pictures stay in the PDF.
void frmCompleteReading::cmdSaveRichText_Click()
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
