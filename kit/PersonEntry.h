#pragma once

#include "kit/BirthDate.h"
#include "kit/BirthDateEntry.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace velmora::ui {
class Platform;
enum class MessageIcon;
}

namespace velmora::kit {

// A control's name and place in twips within its frame; a width and height
// of 0 size a caption to its text.
struct ControlPlace {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

enum class DatePart { Day, Month, Year };

// Where an entry window puts one person's birth-date lists and what it
// calls them.
struct BirthDateLayout {
    // The caption of the birth date; it names the first list unless each list
    // has a caption of its own.
    ControlPlace caption;
    const char* captionText;
    struct DateList {
        DatePart part;
        ControlPlace list;
        // A caption above the list, naming it; no name for none.
        ControlPlace caption;
        const char* captionText;
    };
    // The three lists, left to right, which is also their tab order.
    std::array<DateList, 3> lists;
};

// Where an entry window puts one person's controls and what it calls them:
// the name box and, where the window takes one, the birth date.
struct PersonEntryLayout {
    ControlPlace nameCaption;
    const char* nameCaptionText;
    ControlPlace nameBox;
    std::optional<BirthDateLayout> birthDate;
};

// A list of choices beside the name and date: its caption, the list, and
// what the list holds, as screen readers say it after whose it is ("sex",
// "blood type").
struct ChoiceLayout {
    ControlPlace caption;
    const char* captionText;
    ControlPlace list;
    const char* holds;
};

// Whether the window keeps a name as typed or without the blanks around it.
enum class NameForm { AsTyped, Trimmed };

// One person's inputs in an entry window's frame: the name box, the
// birth-date lists where the window takes a date, and any further lists of
// choices. Made with their names, places, captions and accessible names,
// tabbed through in order, checked, and read out as the person's entries.
class PersonEntry {
public:
    PersonEntry() = default;
    PersonEntry(QWidget* frame, const PersonEntryLayout& layout, Person person, NameForm nameForm);

    // A list of choices after the other inputs, holding `items` with the
    // first selected.
    QComboBox* addChoice(const ChoiceLayout& layout, const QStringList& items);
    // Keeps the name box to capital letters and blanks; any other character
    // typed is refused with `message`.
    void filterNameKeys(ui::Platform& platform, QWidget* window, const QString& message) const;

    // Fills the date lists with the months, the days and the years from
    // `firstYear` to `lastYear`, selecting `defaultYear` where the list has
    // it and the first entry of every other list.
    void fillDateLists(int firstYear, int lastYear, const QString& defaultYear = {}) const;

    QLineEdit* nameBox() const { return name_; }
    // A date list; null where the window takes no date.
    QComboBox* list(DatePart part) const { return lists_[static_cast<std::size_t>(part)]; }
    // Every input in tab order: the name box, the date lists, the choices.
    const QList<QWidget*>& inputs() const { return inputs_; }
    const QList<QLabel*>& captions() const { return captions_; }
    // Chains the inputs into the tab order after `previous`; gives the last.
    QWidget* chainTabOrder(QWidget* previous) const;

    bool hasName() const;
    // The name in the window's form.
    std::u16string name() const;
    // A refused date is told to the user and gives false; without date lists
    // there is nothing to refuse.
    bool acceptDate(ui::Platform& platform, QWidget* window) const;
    // The name and the birth date chosen; only for a window that takes one.
    BirthDetails details() const;
    // Shows entries read back from a file: the name as it is, each list
    // moved to the entry equal to the text where it has one.
    void showEntries(const QString& name, const QString& month, const QString& day, const QString& year) const;

private:
    QWidget* frame_ = nullptr;
    Person person_ = Person::User;
    NameForm nameForm_ = NameForm::AsTyped;
    QLineEdit* name_ = nullptr;
    std::array<QComboBox*, 3> lists_{}; // by DatePart
    QList<QWidget*> inputs_;
    QList<QLabel*> captions_;
};

// What an entry window says when a name is missing, and with which icon.
struct NameMessages {
    const char* user;
    const char* partner;
    ui::MessageIcon icon;
};

// The entry windows' check of both people: the first empty name is told and
// gets the focus; then the birth dates, the user's first. True when all pass.
bool acceptEntries(ui::Platform& platform, QWidget* window, const PersonEntry& user, const PersonEntry& partner,
                   const NameMessages& messages);

} // namespace velmora::kit
