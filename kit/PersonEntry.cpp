#include "kit/PersonEntry.h"

#include "kit/NameKeyFilter.h"
#include "ui/Controls.h"
#include "ui/Platform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <utility>

namespace velmora::kit {
namespace {

QString owner(Person person)
{
    return person == Person::User ? QStringLiteral("Your") : QStringLiteral("Your partner's");
}

const char* dateListHolds(DatePart part)
{
    switch (part) {
    case DatePart::Day: return "birth day of the month";
    case DatePart::Month: return "birth month";
    case DatePart::Year: break;
    }
    return "birth year";
}

QLabel* addCaption(QWidget* frame, const ControlPlace& place, const char* text)
{
    return ui::addLabel(frame, place.name, QLatin1String(text), place.left, place.top, place.width, place.height);
}

QComboBox* addList(QWidget* frame, const ControlPlace& place)
{
    return ui::addList(frame, place.name, place.left, place.top, place.width, place.height);
}

} // namespace

PersonEntry::PersonEntry(QWidget* frame, const PersonEntryLayout& layout, Person person, NameForm nameForm)
    : frame_(frame), person_(person), nameForm_(nameForm)
{
    QLabel* nameCaption = addCaption(frame, layout.nameCaption, layout.nameCaptionText);
    captions_.append(nameCaption);
    const ControlPlace& box = layout.nameBox;
    name_ = ui::addTextBox(frame, box.name, box.left, box.top, box.width, box.height);
    ui::labelInput(nameCaption, name_);
    name_->setAccessibleName(owner(person) + QStringLiteral(" name"));
    ui::setColors(name_, Qt::white, Qt::black);
    inputs_.append(name_);

    if (!layout.birthDate)
        return;
    const BirthDateLayout& date = *layout.birthDate;
    QLabel* dateCaption = addCaption(frame, date.caption, date.captionText);
    captions_.append(dateCaption);
    for (std::size_t i = 0; i < date.lists.size(); ++i) {
        const BirthDateLayout::DateList& entry = date.lists[i];
        QComboBox* list = addList(frame, entry.list);
        QLabel* caption = entry.caption.name ? addCaption(frame, entry.caption, entry.captionText)
                          : i == 0          ? dateCaption
                                            : nullptr;
        if (caption && caption != dateCaption)
            captions_.append(caption);
        if (caption)
            ui::labelInput(caption, list);
        list->setAccessibleName(owner(person) + QLatin1Char(' ') + QLatin1String(dateListHolds(entry.part)));
        ui::setColors(list, Qt::white, Qt::black);
        lists_[static_cast<std::size_t>(entry.part)] = list;
        inputs_.append(list);
    }
    chainTabOrder(nullptr);
}

QComboBox* PersonEntry::addChoice(const ChoiceLayout& layout, const QStringList& items)
{
    QLabel* caption = addCaption(frame_, layout.caption, layout.captionText);
    captions_.append(caption);
    QComboBox* list = addList(frame_, layout.list);
    ui::labelInput(caption, list);
    list->setAccessibleName(owner(person_) + QLatin1Char(' ') + QLatin1String(layout.holds));
    ui::setColors(list, Qt::white, Qt::black);
    list->addItems(items);
    list->setCurrentIndex(0);
    QWidget::setTabOrder(inputs_.constLast(), list);
    inputs_.append(list);
    return list;
}

void PersonEntry::filterNameKeys(ui::Platform& platform, QWidget* window, const QString& message) const
{
    new NameKeyFilter(*name_, platform, window, message);
}

void PersonEntry::fillDateLists(int firstYear, int lastYear, const QString& defaultYear) const
{
    fillBirthDateLists(list(DatePart::Month), list(DatePart::Day), list(DatePart::Year), firstYear, lastYear);
    if (!defaultYear.isEmpty())
        selectListEntry(list(DatePart::Year), defaultYear);
}

QWidget* PersonEntry::chainTabOrder(QWidget* previous) const
{
    for (QWidget* input : inputs_) {
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

std::u16string PersonEntry::name() const
{
    const QString text = nameForm_ == NameForm::Trimmed ? name_->text().trimmed() : name_->text();
    return text.toStdU16String();
}

bool PersonEntry::acceptDate(ui::Platform& platform, QWidget* window) const
{
    if (!list(DatePart::Year))
        return true;
    return acceptBirthDate(platform, window, person_, list(DatePart::Month), list(DatePart::Day),
                           list(DatePart::Year));
}

BirthDetails PersonEntry::details() const
{
    const std::chrono::year_month_day date{
        std::chrono::year(list(DatePart::Year)->currentText().toInt()),
        std::chrono::month(static_cast<unsigned>(list(DatePart::Month)->currentIndex() + 1)),
        std::chrono::day(static_cast<unsigned>(list(DatePart::Day)->currentIndex() + 1))};
    return {name(), date};
}

void PersonEntry::showEntries(const QString& name, const QString& month, const QString& day,
                              const QString& year) const
{
    name_->setText(name);
    selectListEntry(list(DatePart::Month), month);
    selectListEntry(list(DatePart::Day), day);
    selectListEntry(list(DatePart::Year), year);
}

bool acceptEntries(ui::Platform& platform, QWidget* window, const PersonEntry& user, const PersonEntry& partner,
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
