#include "PersonEntry.h"

#include "Controls.h"
#include "Platform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <utility>

namespace velmora::kit {
namespace {

QString accessibleName(Person person, DatePart part)
{
    const QString owner = person == Person::User ? QStringLiteral("Your") : QStringLiteral("Your partner's");
    switch (part) {
    case DatePart::Day: return owner + QStringLiteral(" birth day of the month");
    case DatePart::Month: return owner + QStringLiteral(" birth month");
    case DatePart::Year: break;
    }
    return owner + QStringLiteral(" birth year");
}

QLabel* addCaption(QWidget* frame, const ControlPlace& place, const char* text)
{
    return ui::addLabel(frame, place.name, QLatin1String(text), place.left, place.top, place.width, place.height);
}

} // namespace

PersonEntry::PersonEntry(QWidget* frame, const PersonEntryLayout& layout, Person person)
    : person_(person)
{
    QLabel* nameCaption = addCaption(frame, layout.nameCaption, layout.nameCaptionText);
    const ControlPlace& box = layout.nameBox;
    name_ = ui::addTextBox(frame, box.name, box.left, box.top, box.width, box.height);
    ui::labelInput(nameCaption, name_);
    name_->setAccessibleName(person == Person::User ? QStringLiteral("Your name")
                                                    : QStringLiteral("Your partner's name"));
    tabOrder_[0] = name_;

    QLabel* dateCaption = addCaption(frame, layout.dateCaption, layout.dateCaptionText);
    for (std::size_t i = 0; i < layout.lists.size(); ++i) {
        const PersonEntryLayout::DateList& entry = layout.lists[i];
        const ControlPlace& place = entry.list;
        QComboBox* list = ui::addList(frame, place.name, place.left, place.top, place.width, place.height);
        QLabel* caption = entry.caption.name ? addCaption(frame, entry.caption, entry.captionText)
                          : i == 0          ? dateCaption
                                            : nullptr;
        if (caption)
            ui::labelInput(caption, list);
        list->setAccessibleName(accessibleName(person, entry.part));
        lists_[static_cast<std::size_t>(entry.part)] = list;
        tabOrder_[i + 1] = list;
    }
    for (QWidget* input : tabOrder_)
        ui::setColors(input, Qt::white, Qt::black);
    chainTabOrder(nullptr);
}

void PersonEntry::fillDateLists(int firstYear, int lastYear, const QString& defaultYear) const
{
    FillBirthDateLists(list(DatePart::Month), list(DatePart::Day), list(DatePart::Year), firstYear, lastYear);
    if (!defaultYear.isEmpty())
        SelectListEntry(list(DatePart::Year), defaultYear);
}

QList<QWidget*> PersonEntry::inputs() const
{
    return {tabOrder_.begin(), tabOrder_.end()};
}

QWidget* PersonEntry::chainTabOrder(QWidget* previous) const
{
    for (QWidget* input : tabOrder_) {
        if (previous)
            QWidget::setTabOrder(previous, input);
        previous = input;
    }
    return previous;
}

bool PersonEntry::hasName() const
{
    return !name_->text().isEmpty();
}

bool PersonEntry::acceptDate(ui::Platform& platform, QWidget* window) const
{
    return AcceptBirthDate(platform, window, person_, list(DatePart::Month), list(DatePart::Day),
                           list(DatePart::Year));
}

BirthDetails PersonEntry::details() const
{
    const std::chrono::year_month_day date{
        std::chrono::year(list(DatePart::Year)->currentText().toInt()),
        std::chrono::month(static_cast<unsigned>(list(DatePart::Month)->currentIndex() + 1)),
        std::chrono::day(static_cast<unsigned>(list(DatePart::Day)->currentIndex() + 1))};
    return {name_->text().trimmed().toStdU16String(), date};
}

void PersonEntry::showEntries(const QString& name, const QString& month, const QString& day,
                              const QString& year) const
{
    name_->setText(name);
    SelectListEntry(list(DatePart::Month), month);
    SelectListEntry(list(DatePart::Day), day);
    SelectListEntry(list(DatePart::Year), year);
}

bool AcceptEntries(ui::Platform& platform, QWidget* window, const PersonEntry& user, const PersonEntry& partner,
                   const NameMessages& messages)
{
    for (const auto& [person, message] : {std::pair{&user, messages.user}, std::pair{&partner, messages.partner}}) {
        if (!person->hasName()) {
            platform.showMessage(window, QLatin1String(message), messages.icon);
            person->nameBox()->setFocus();
            return false;
        }
    }
    return user.acceptDate(platform, window) && partner.acceptDate(platform, window);
}

} // namespace velmora::kit
