#include "circle/VCard.h"

#include "circle/ContentLine.h"
#include "circle/Limits.h"

#include <algorithm>

namespace velmora::circle {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isControl(char c) noexcept
{
    const auto octet = static_cast<unsigned char>(c);
    return (octet < 0x20 && c != '\t') || octet == 0x7F;
}

bool isFoldBlank(char c) noexcept
{
    return c == ' ' || c == '\t';
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) noexcept
{
    return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The file's lines as written, each without its line break and without a
// byte order mark before it. Each line end is searched for once.
class PhysicalLines {
public:
    explicit PhysicalLines(std::string_view bytes) : rest_(bytes) { find(); }

    std::optional<std::string_view> peek() const noexcept
    {
        if (rest_.empty())
            return std::nullopt;
        return line_;
    }

    void advance() noexcept
    {
        rest_.remove_prefix(std::min(length_ + 1, rest_.size()));
        find();
    }

private:
    void find() noexcept
    {
        length_ = std::min(rest_.find('\n'), rest_.size());
        line_ = rest_.substr(0, length_);
        if (!line_.empty() && line_.back() == '\r')
            line_.remove_suffix(1);
        if (line_.substr(0, kByteOrderMark.size()) == kByteOrderMark)
            line_.remove_prefix(kByteOrderMark.size());
    }

    std::string_view rest_;
    std::string_view line_;  // the line at the front of rest_
    std::size_t length_ = 0; // its length with a CR and mark, without the LF
};

// One unfolded line and what was found in it on the way.
struct LogicalLine {
    std::string text;      // empty when the line is too long
    bool tooLong = false;  // longer than kMaxLineOctets: its text was not kept
    bool binary = false;   // holds a control character other than tab
};

// Joins folded lines and soft line breaks into logical lines. Each octet of
// the file is looked at a bounded number of times, however the lines fold.
class Unfolder {
public:
    explicit Unfolder(std::string_view bytes) : lines_(bytes) {}

    // The next logical line; false at the end of the file. `keepFoldBlank`:
    // 2.1's folding, which keeps the blank that begins a continuation.
    bool next(LogicalLine& line, bool keepFoldBlank)
    {
        const auto first = lines_.peek();
        if (!first)
            return false;
        lines_.advance();
        line = LogicalLine{};
        head_ = HeadScan{};
        append(line, *first);
        while (const auto following = lines_.peek()) {
            const bool softBreak = last_ == '=' && isQuotedPrintable(line);
            const bool fold = !softBreak && !following->empty() && isFoldBlank(following->front());
            if (!softBreak && !fold)
                break;
            lines_.advance();
            if (softBreak && !line.tooLong)
                line.text.pop_back();
            append(line, fold && !keepFoldBlank ? following->substr(1) : *following);
        }
        return true;
    }

private:
    // Where the line's name and parameters end, found once over the octets
    // appended since the last look.
    struct HeadScan {
        std::size_t scanned = 0;
        bool quoted = false;
        std::optional<bool> quotedPrintable; // known once the colon is found
    };

    void append(LogicalLine& line, std::string_view piece)
    {
        line.binary = line.binary || std::any_of(piece.begin(), piece.end(), isControl);
        if (!line.tooLong && line.text.size() + piece.size() > kMaxLineOctets) {
            line.tooLong = true;
            line.text = std::string();
        }
        if (!line.tooLong)
            line.text.append(piece);
        if (!piece.empty())
            last_ = piece.back();
        else if (!line.tooLong)
            last_ = line.text.empty() ? '\0' : line.text.back();
        else
            last_ = '\0';
    }

    bool isQuotedPrintable(const LogicalLine& line)
    {
        if (head_.quotedPrintable)
            return *head_.quotedPrintable;
        const std::string_view text = line.text;
        for (; head_.scanned < text.size(); ++head_.scanned) {
            const char c = text[head_.scanned];
            if (c == '"')
                head_.quoted = !head_.quoted;
            else if (c == ':' && !head_.quoted) {
                head_.quotedPrintable = headIsQuotedPrintable(text.substr(0, head_.scanned));
                return *head_.quotedPrintable;
            }
        }
        return false;
    }

    PhysicalLines lines_;
    HeadScan head_;
    char last_ = '\0';
};

enum class Marker { None, Begin, End };

// BEGIN:VCARD or END:VCARD, in any case, with blanks around VCARD.
Marker markerOf(std::string_view line) noexcept
{
    constexpr std::string_view kBegin = "BEGIN:";
    constexpr std::string_view kEnd = "END:";
    if (startsWithIgnoringCase(line, kBegin) && equalsIgnoringCase(trimBlanks(line.substr(kBegin.size())), "VCARD"))
        return Marker::Begin;
    if (startsWithIgnoringCase(line, kEnd) && equalsIgnoringCase(trimBlanks(line.substr(kEnd.size())), "VCARD"))
        return Marker::End;
    return Marker::None;
}

bool isVersion21(std::string_view line) noexcept
{
    constexpr std::string_view kVersion = "VERSION:";
    return startsWithIgnoringCase(line, kVersion) && trimBlanks(line.substr(kVersion.size())) == "2.1";
}

void noteFault(CardText& card, NotReadReason reason)
{
    if (!card.fault)
        card.fault = reason;
}

bool isContinuationOctet(char c) noexcept
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where to end a line of at most `room` octets of `rest`: before a UTF-8
// sequence begins and not after an "=", else before a sequence begins.
std::size_t foldPoint(std::string_view rest, std::size_t room) noexcept
{
    for (std::size_t cut = room; cut > 0; --cut) {
        if (!isContinuationOctet(rest[cut]) && rest[cut - 1] != '=')
            return cut;
    }
    for (std::size_t cut = room; cut > 0; --cut) {
        if (!isContinuationOctet(rest[cut]))
            return cut;
    }
    return room;
}

} // namespace

FileProblem splitCards(std::string_view bytes, const std::function<void(CardText&&)>& take)
{
    if (bytes.size() > kMaxFileOctets)
        return FileProblem::TooLarge;
    std::optional<CardText> open;
    bool version21 = false;
    std::size_t places = 0;
    Unfolder unfolder(bytes);
    LogicalLine line;
    while (unfolder.next(line, open && version21)) {
        const Marker marker = line.tooLong ? Marker::None : markerOf(line.text);
        if (marker == Marker::Begin) {
            if (open) {
                noteFault(*open, NotReadReason::NoEnd);
                take(std::move(*open));
            }
            if (++places > kMaxCards)
                return FileProblem::TooManyCards;
            open = CardText{places, {}, std::nullopt};
            version21 = false;
            continue;
        }
        if (!open)
            continue; // outside any card, a stray END among them
        if (marker == Marker::End) {
            take(std::move(*open));
            open.reset();
            continue;
        }
        if (line.binary)
            noteFault(*open, NotReadReason::BinaryData);
        if (line.tooLong) {
            noteFault(*open, NotReadReason::LineTooLong);
            continue;
        }
        if (line.text.empty())
            continue;
        version21 = version21 || isVersion21(line.text);
        open->lines.push_back(std::move(line.text));
    }
    if (open) {
        noteFault(*open, NotReadReason::NoEnd);
        take(std::move(*open));
    }
    return places == 0 ? FileProblem::NotAVCard : FileProblem::None;
}

void appendFoldedLine(std::string& out, std::string_view line)
{
    std::size_t room = kFoldOctets;
    while (line.size() > room) {
        const std::size_t cut = foldPoint(line, room);
        out.append(line.substr(0, cut));
        out.append("\r\n ");
        line.remove_prefix(cut);
        room = kFoldOctets - 1; // after the blank that begins the line
    }
    out.append(line);
    out.append("\r\n");
}

} // namespace velmora::circle
