#pragma once

#include "circle/Reasons.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The vCard file as lines and cards: reading a file into its cards' unfolded
// lines, and writing a line folded. What the lines mean is left to the
// person's card (PersonCard.h).
namespace velmora::circle {

// One card as the file holds it, between its BEGIN:VCARD and END:VCARD.
struct CardText {
    std::size_t place = 0;          // 1 for the file's first card
    std::vector<std::string> lines; // unfolded, without empty lines or lines over kMaxLineOctets
    std::optional<NotReadReason> fault; // the first fault in its structure, if any
};

// Splits a file into its cards, within the limits of Limits.h.
//
// Lines end with CR LF or LF; a UTF-8 byte order mark at the start of a line
// is passed over, so files joined end to end read as one. A line that begins
// with a blank or tab continues the line before it (folding): 3.0 and 4.0
// drop the line break and that one blank, 2.1 (a card whose VERSION line says
// 2.1) drops only the line break, as its RFC 822 folding says. A line of a
// quoted-printable value that ends with "=" continues on the next line
// whatever that line begins with (a soft line break: the "=" and the line
// break are dropped).
//
// BEGIN:VCARD and END:VCARD are matched in any case. A BEGIN:VCARD inside a
// card ends that card as not ended and begins the next one, so a card cut off
// costs only itself; lines outside any card and END lines without a card are
// passed over. A file without any BEGIN:VCARD line is not a vCard.
//
// Each card goes to `take` as soon as it ends, so no more than one card's
// lines are held at once. The problem of the whole file is returned; with
// one, the cards already taken are to be let go.
FileProblem splitCards(std::string_view bytes, const std::function<void(CardText&&)>& take);

// The longest line written, in octets, without its CR LF.
inline constexpr std::size_t kFoldOctets = 75;

// Appends `line` ended by CR LF and folded so that no line is longer than
// kFoldOctets: each further line begins with one blank. A fold never splits a
// UTF-8 sequence and never leaves a line ending with "=", which a
// quoted-printable value kept as read would take for a soft line break.
void appendFoldedLine(std::string& out, std::string_view line);

} // namespace velmora::circle
