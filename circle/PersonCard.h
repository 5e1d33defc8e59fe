#pragma once

#include "circle/AddressBook.h"
#include "circle/VCard.h"

#include <string>
#include <string_view>
#include <variant>

// One card and one person: what the suite reads of a card, and the card it
// writes for a person.
namespace velmora::circle {

// The extension property that holds a person's blood type: one of
// bloodtype::kBloodTypes.
inline constexpr std::string_view kBloodTypeProperty = "X-VELMORA-BLOOD-TYPE";

// The person of a card, or why it gives none.
//
// The name is the first FN whose text is not blank, else the given, further
// and family names of the first N that gives any (blanks between them; the
// honorific prefixes and suffixes left out). The birthday is the first BDAY
// that is a date the calculators take; the blood type the first
// X-VELMORA-BLOOD-TYPE that names one of the eight. Those lines and VERSION
// are used; every other line, N included, is kept.
//
// A card's reason is the first fault of its structure, else the first fault
// of its lines in order (a line without a colon, text that does not decode),
// else its birthday's problem (the first BDAY's, or none at all), else its
// name's.
std::variant<Person, NotReadCard> readPersonCard(const CardText& card);

// Appends the person's card as writeAddressBook describes it.
void appendPersonCard(std::string& out, const Person& person);

} // namespace velmora::circle
