#include "circle/AddressBook.h"

#include "circle/PersonCard.h"
#include "circle/VCard.h"

#include <exception>

namespace velmora::circle {
namespace {

std::u16string ascii(std::string_view text)
{
    return {text.begin(), text.end()};
}

AddressBook readCards(std::string_view bytes)
{
    AddressBook book;
    book.problem = splitCards(bytes, [&book](CardText&& card) {
        std::variant<Person, NotReadCard> read = readPersonCard(card);
        if (auto* person = std::get_if<Person>(&read))
            book.people.push_back(std::move(*person));
        else
            book.notRead.push_back(std::move(std::get<NotReadCard>(read)));
    });
    if (book.problem != FileProblem::None) {
        book.people = {};
        book.notRead = {};
    }
    return book;
}

} // namespace

std::u16string NotReadCard::label() const
{
    return name.empty() ? ascii("card " + std::to_string(place)) : name;
}

std::string AddressBook::summary() const
{
    return std::to_string(people.size()) + " people read, " + std::to_string(notRead.size()) + " not read";
}

AddressBook readAddressBook(std::string_view bytes) noexcept
{
    try {
        return readCards(bytes);
    } catch (const std::exception&) {
        // Within the limits only memory can run out; what was read is let go.
        AddressBook refused;
        refused.problem = FileProblem::OutOfMemory;
        return refused;
    }
}

std::string writeAddressBook(std::span<const Person> people)
{
    std::string out;
    for (const Person& person : people)
        appendPersonCard(out, person);
    return out;
}

} // namespace velmora::circle
