#pragma once

#include "circle/Birthday.h"
#include "circle/Reasons.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The circle's people as an address book holds them: reading a vCard file
// (2.1, 3.0 or 4.0) into people and cards not read, and writing people as
// vCard 4.0. The card forms, limits and choices are described in
// docs/vcard.md.
namespace velmora::circle {

struct Person {
    // As the card gives it (FN, else N), without the blanks and line breaks
    // around it.
    std::u16string name;
    Birthday birthday;
    // A position in bloodtype::kBloodTypes (0 = "A+"
    // ... 7 = "O-"); nothing when not known.
    std::optional<int> bloodType;
    // Every line of the card the suite does not use, in the card's order, as
    // read: unfolded, with its group, name, parameters and value, in UTF-8.
    // A line of 8-bit text in a declared single-byte character set is kept
    // in UTF-8, without its CHARSET parameter.
    std::vector<std::string> keptProperties;

    friend bool operator==(const Person&, const Person&) = default;
};

// A card that gave no person.
struct NotReadCard {
    std::u16string name; // empty where the card has none that could be read
    std::size_t place = 0; // 1 for the file's first card
    NotReadReason reason = NotReadReason::NoBirthday;

    // The name, else the place: "card 7".
    std::u16string label() const;

    friend bool operator==(const NotReadCard&, const NotReadCard&) = default;
};

struct AddressBook {
    FileProblem problem = FileProblem::None; // with a problem, nothing else was read
    std::vector<Person> people;
    std::vector<NotReadCard> notRead; // in the file's order

    // "N people read, M not read", plain numbers.
    std::string summary() const;
};

// Reads a whole file. Never throws: a file that cannot be read at all gets a
// problem, a card that gives no person a NotReadCard with its reason.
AddressBook readAddressBook(std::string_view bytes) noexcept;

// The people as vCard 4.0, one card each, lines ended by CR LF and folded at
// 75 octets: BEGIN, VERSION:4.0, FN, BDAY (19850412 or --0412),
// X-VELMORA-BLOOD-TYPE where known, the kept lines as read, END. Reading the
// text gives the same people back, for people as the reader gives them or
// the window takes them: a name that is not blank nor longer than the entry
// windows take, a birthday the calculators take, kept lines as read. A
// name's control characters other than tab and line breaks cannot stand in
// a vCard and are left out.
std::string writeAddressBook(std::span<const Person> people);

} // namespace velmora::circle
