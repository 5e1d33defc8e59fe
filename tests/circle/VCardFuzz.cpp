// libFuzzer target for the address-book reader: any bytes read without a
// crash, a hang or a throw; every card is a person or a card not read; and
// the people read, written as vCard 4.0 and read again, are the same people
// with the same kept lines, from a text whose lines are at most 75 octets of
// valid UTF-8 ended by CR LF.
#include "circle/AddressBook.h"
#include "circle/TextEncoding.h"

#include <cstdint>
#include <cstdlib>

namespace circle = velmora::circle;

namespace {

bool wellFormed(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos || end > 75 || text.substr(0, end).find_first_of("\r\n") != std::string_view::npos)
            return false;
        text.remove_prefix(end + 2);
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const circle::AddressBook book = circle::readAddressBook(bytes);
    if (book.problem != circle::FileProblem::None && (!book.people.empty() || !book.notRead.empty()))
        std::abort();
    for (const circle::NotReadCard& card : book.notRead) {
        if (card.place == 0 || card.label().empty())
            std::abort();
    }
    if (book.people.empty())
        return 0;
    const std::string written = circle::writeAddressBook(book.people);
    if (!circle::isValidUtf8(written) || !wellFormed(written))
        std::abort();
    const circle::AddressBook again = circle::readAddressBook(written);
    if (again.problem != circle::FileProblem::None || !again.notRead.empty() || again.people != book.people)
        std::abort();
    return 0;
}
