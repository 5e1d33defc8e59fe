#pragma once

#include "BirthDate.h"
#include "BirthDateEntry.h"

#include <QList>
#include <QString>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace velmora::ui {
class Platform;
enum class MessageIcon;
}

namespace velmora::kit {

// A control's name and place in twips within its frame.
struct ControlPlace {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

enum class DatePart { Day, Month, Year };

// Where an entry window puts one person's controls and what it calls them.
struct PersonEntryLayout {
    ControlPlace nameCaption;
    const char* nameCaptionText;
    ControlPlace nameBox;
    // The caption of the birth date; it names the first list unless each list
    // has a caption of its own.
    ControlPlace dateCaption;
    const char* dateCaptionText;
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

// One person's name box and birth-date lists in an entry window's frame: made
// with their names, places and accessible names, tabbed through in order,
// filled with their ranges, checked, and read out as the person's entries.
class PersonEntry {
public:
    PersonEntry() = default;
    PersonEntry(QWidget* frame, const PersonEntryLayout& layout, Person person);

    // Fills the lists with the months, the days and the years from
    // `firstYear` to `lastYear`, selecting `defaultYear` where the list has
    // it and the first entry of every other list.
    void fillDateLists(int firstYear, int lastYear, const QString& defaultYear = {}) const;

    QLineEdit* nameBox() const { return name_; }
    QComboBox* list(DatePart part) const { return lists_[static_cast<std::size_t>(part)]; }
    // The name box and the three lists, in tab order.
    QList<QWidget*> inputs() const;
    // Chains the inputs into the tab order after `previous`; gives the last.
    QWidget* chainTabOrder(QWidget* previous) const;

    bool hasName() const;
    // A refused date is told to the user and gives false.
    bool acceptDate(ui::Platform& platform, QWidget* window) const;
    BirthDetails details() const;
    // Shows entries read back from a file: the name as it is, each list
    // moved to the entry equal to the text where it has one.
    void showEntries(const QString& name, const QString& month, const QString& day, const QString& year) const;

private:
    Person person_ = Person::User;
    QLineEdit* name_ = nullptr;
    std::array<QComboBox*, 3> lists_{}; // by DatePart
    std::array<QWidget*, 4> tabOrder_{};
};

// What an entry window says when a name is missing, and with which icon.
struct NameMessages {
    const char* user;
    const char* partner;
    ui::MessageIcon icon;
};

// The entry windows' check of both people: the first empty name is told and
// gets the focus; then the birth dates, the user's first. True when all pass.
bool AcceptEntries(ui::Platform& platform, QWidget* window, const PersonEntry& user, const PersonEntry& partner,
                   const NameMessages& messages);

} // namespace velmora::kit
