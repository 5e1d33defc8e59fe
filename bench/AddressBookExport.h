#pragma once

#include "bloodtype/Lookups.h"
#include "circle/PersonCard.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// An address book as contacts programs export one, of any size, for the
// circle's benchmarks. Each card has name lines, telephone, e-mail, address,
// note and birthday, in versions 2.1 (quoted-printable), 3.0 (groups) and 4.0
// (a folded note, a birthday without a year), so every path of the reader
// takes its share; seven cards in eight give a blood type.
namespace velmora::bench {

inline std::string digits(std::size_t value, std::size_t width)
{
    std::string text = std::to_string(value);
    return std::string(width > text.size() ? width - text.size() : 0, '0') + text;
}

inline std::string addressBookExport(std::size_t cards)
{
    constexpr std::array<std::string_view, 3> kVersions = {"2.1", "3.0", "4.0"};
    std::string file;
    for (std::size_t i = 0; i < cards; ++i) {
        const std::string id = std::to_string(i);
        const std::string_view version = kVersions[i % kVersions.size()];
        const std::string date = digits(1900 + i % 150, 4) + "-" + digits(1 + i % 12, 2) + "-" + digits(1 + i % 28, 2);
        file += "BEGIN:VCARD\r\nVERSION:" + std::string(version) + "\r\n";
        if (version == "2.1") {
            file += "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller" + id + ";J=C3=B6rg;;;\r\n";
            file += "TEL;CELL;VOICE:+49 30 " + id + "\r\nBDAY:" + date + "\r\n";
        } else if (version == "3.0") {
            file += "N:Berg" + id + ";Anna;;;\r\nFN:Anna Berg" + id + "\r\n";
            file += "item1.TEL;TYPE=cell:+46 8 " + id + "\r\nitem1.X-ABLabel:mobile\r\nBDAY:" + date + "\r\n";
        } else {
            file += "FN:\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99 " + id + "\r\n";
            file += "BDAY:--" + date.substr(5, 2) + date.substr(8, 2) + "\r\n";
            file += "NOTE:Met at the conference in Lisbon\\, later a friend of the family; ask about th\r\n"
                    " e garden\r\n";
        }
        if (i % 8 != 7)
            file += std::string(circle::kBloodTypeProperty) + ":" +
                    std::string(bloodtype::kBloodTypes[i % bloodtype::kBloodTypes.size()]) + "\r\n";
        file += "EMAIL;TYPE=INTERNET:person" + id + "@example.org\r\nADR;TYPE=home:;;Main Street " + id +
                ";Springfield;;12345;Country\r\nEND:VCARD\r\n";
    }
    return file;
}

} // namespace velmora::bench
