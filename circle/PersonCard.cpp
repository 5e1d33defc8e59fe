#include "circle/PersonCard.h"

#include "bloodtype/Lookups.h"
#include "circle/ContentLine.h"
#include "circle/Limits.h"
#include "circle/TextEncoding.h"
#include "kit/BirthDate.h"

#include <array>

namespace velmora::circle {
namespace {

using bloodtype::kBloodTypes;
// The longest name the entry windows take, in UTF-16 code units: a pair
// opened from the circle in the Complete Reading fills them in.
using kit::kMaxNameLength;

// An FN of that length, escaped in UTF-8 (at most three octets a code unit),
// still fits in a line, so a written card reads back.
static_assert(3 * kMaxNameLength + 16 < kMaxLineOctets);

template <typename T>
using OrReason = std::variant<T, NotReadReason>;

// Text with its line breaks (CR LF, CR, LF) as LF, and without any other
// control character than tab. Whether it had any is `droppedControl`.
struct TextWithLineFeeds {
    std::string text;
    bool droppedControl = false;
};

TextWithLineFeeds withLineFeeds(std::string_view text)
{
    TextWithLineFeeds out;
    out.text.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto octet = static_cast<unsigned char>(c);
        if (c == '\r') {
            out.text += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\t' || c == '\n' || (octet >= 0x20 && octet != 0x7F)) {
            out.text += c;
        } else {
            out.droppedControl = true;
        }
    }
    return out;
}

// The octets of a value, its transfer encoding undone.
OrReason<std::string> transferDecoded(const ContentLine& line)
{
    switch (line.encoding()) {
    case Encoding::Plain:
        return std::string(line.value);
    case Encoding::QuotedPrintable:
        if (auto decoded = decodeQuotedPrintable(line.value))
            return std::move(*decoded);
        return NotReadReason::BrokenQuotedPrintable;
    case Encoding::Other:
        break;
    }
    return NotReadReason::UnknownEncoding;
}

// Octets as UTF-8 by the line's CHARSET (UTF-8 without one). ASCII is the
// same in every character set a card may name.
OrReason<std::string> inUtf8(std::string bytes, std::optional<std::string_view> charset)
{
    if (isAscii(bytes))
        return bytes;
    switch (charset ? charsetNamed(*charset) : Charset::Utf8) {
    case Charset::Utf8:
        if (isValidUtf8(bytes))
            return bytes;
        return NotReadReason::InvalidUtf8;
    case Charset::Windows1252:
        return windows1252ToUtf8(bytes);
    case Charset::Unknown:
        break;
    }
    return NotReadReason::UnknownCharset;
}

// The value of a line the suite reads, as UTF-8 with LF line breaks, still
// escaped. Any control character other than tab and line breaks is binary
// data, also where quoted-printable hid it.
OrReason<std::string> decodedValue(const ContentLine& line)
{
    OrReason<std::string> octets = transferDecoded(line);
    if (const auto* reason = std::get_if<NotReadReason>(&octets))
        return *reason;
    OrReason<std::string> text = inUtf8(std::move(std::get<std::string>(octets)), line.parameter("CHARSET"));
    if (const auto* reason = std::get_if<NotReadReason>(&text))
        return *reason;
    TextWithLineFeeds clean = withLineFeeds(std::get<std::string>(text));
    if (clean.droppedControl)
        return NotReadReason::BinaryData;
    return std::move(clean.text);
}

// Without blanks and line breaks around it.
std::string_view trimName(std::string_view text) noexcept
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// FN: the text, unescaped; empty when blank.
OrReason<std::string> nameOfFormattedName(const ContentLine& line)
{
    OrReason<std::string> value = decodedValue(line);
    if (const auto* reason = std::get_if<NotReadReason>(&value))
        return *reason;
    return std::string(trimName(unescapeText(std::get<std::string>(value))));
}

// N (family; given; further; prefixes; suffixes): the given, further and
// family names in that order, each component's values too, joined by
// blanks; empty ones left out.
OrReason<std::string> nameOfStructuredName(const ContentLine& line)
{
    constexpr std::array<std::size_t, 3> kNameOrder = {1, 2, 0};
    OrReason<std::string> value = decodedValue(line);
    if (const auto* reason = std::get_if<NotReadReason>(&value))
        return *reason;
    const std::vector<std::string_view> components = splitEscaped(std::get<std::string>(value), ';');
    std::string name;
    for (const std::size_t index : kNameOrder) {
        if (index >= components.size())
            continue;
        for (const std::string_view part : splitEscaped(components[index], ',')) {
            const std::string text = unescapeText(part);
            const std::string_view trimmed = trimName(text);
            if (trimmed.empty())
                continue;
            if (!name.empty())
                name += ' ';
            name += trimmed;
        }
    }
    return name;
}

OrReason<Birthday> birthdayOf(const ContentLine& line)
{
    if (const auto type = line.parameter("VALUE"); type && equalsIgnoringCase(*type, "text"))
        return NotReadReason::BirthdayNotADate;
    OrReason<std::string> value = decodedValue(line);
    if (const auto* reason = std::get_if<NotReadReason>(&value))
        return *reason;
    return readBirthday(trimBlanks(std::get<std::string>(value)), line.parameter("X-APPLE-OMIT-YEAR"));
}

// A position in kBloodTypes, or -1 for a value that names none.
OrReason<int> bloodTypeOf(const ContentLine& line)
{
    OrReason<std::string> value = decodedValue(line);
    if (const auto* reason = std::get_if<NotReadReason>(&value))
        return *reason;
    const std::string_view text = trimBlanks(std::get<std::string>(value));
    for (std::size_t i = 0; i < kBloodTypes.size(); ++i) {
        if (equalsIgnoringCase(text, kBloodTypes[i]))
            return static_cast<int>(i);
    }
    return -1;
}

// A line kept as read, as UTF-8 that reads back as the same line. Its value
// is not decoded, but it must be decodable where it says how: valid
// quoted-printable, and 8-bit text valid UTF-8 or in a known single-byte
// character set, which is then written in UTF-8 and its CHARSET dropped.
OrReason<std::string> keptLine(std::string_view text, const ContentLine& line)
{
    const bool quotedPrintable = line.encoding() == Encoding::QuotedPrintable;
    if (quotedPrintable && !decodeQuotedPrintable(line.value))
        return NotReadReason::BrokenQuotedPrintable;
    if (isAscii(text))
        return std::string(text);
    const auto charset = line.parameter("CHARSET");
    const Charset declared = charset && !quotedPrintable ? charsetNamed(*charset) : Charset::Utf8;
    if (declared == Charset::Unknown)
        return NotReadReason::UnknownCharset;
    if (declared == Charset::Utf8)
        return isValidUtf8(text) ? OrReason<std::string>(std::string(text)) : NotReadReason::InvalidUtf8;
    // The group and name as written, the parameters but CHARSET, the value.
    const std::size_t headEnd =
        static_cast<std::size_t>((line.parameters.empty() ? line.value.data() : line.parameters.front().raw.data()) -
                                 text.data()) - 1;
    std::string rebuilt(text.substr(0, headEnd));
    for (const Parameter& parameter : line.parameters) {
        if (!equalsIgnoringCase(parameter.name, "CHARSET")) {
            rebuilt += ';';
            rebuilt += parameter.raw;
        }
    }
    rebuilt += ':';
    rebuilt += line.value;
    std::string utf8 = windows1252ToUtf8(rebuilt);
    if (utf8.size() > kMaxLineOctets)
        return NotReadReason::LineTooLong;
    return utf8;
}

// What the lines of one card give, gathered in the card's order.
class CardReader {
public:
    explicit CardReader(const CardText& card) : fault_(card.fault) {}

    void read(std::string_view text)
    {
        const std::optional<ContentLine> line = parseContentLine(text);
        if (!line) {
            noteFault(NotReadReason::DamagedLine);
            return;
        }
        if (line->isNamed("VERSION"))
            return;
        if (line->isNamed("FN") && !nameSettled_ && readFormattedName(*line))
            return;
        if (line->isNamed("BDAY") && !birthday_ && readBirthday(*line))
            return;
        if (line->isNamed(kBloodTypeProperty) && !bloodType_ && readBloodType(*line))
            return;
        if (line->isNamed("N"))
            structuredNames_.push_back(text);
        keep(text, *line);
    }

    std::variant<Person, NotReadCard> result(std::size_t place)
    {
        if (!nameSettled_)
            nameFromStructuredNames();
        const std::optional<NotReadReason> reason = finalReason();
        if (!reason)
            return Person{std::move(name_), *birthday_, bloodType_, std::move(kept_)};
        NotReadCard notRead{{}, place, *reason};
        if (*reason != NotReadReason::NameTooLong)
            notRead.name = std::move(name_);
        return notRead;
    }

private:
    void noteFault(NotReadReason reason)
    {
        if (!fault_)
            fault_ = reason;
    }

    // True when the line is used: a name, or a fault that ends the search.
    bool readFormattedName(const ContentLine& line)
    {
        return takeName(nameOfFormattedName(line));
    }

    bool takeName(OrReason<std::string> name)
    {
        if (const auto* reason = std::get_if<NotReadReason>(&name)) {
            noteFault(*reason);
            nameSettled_ = true;
            return true;
        }
        const std::string& text = std::get<std::string>(name);
        if (text.empty())
            return false;
        name_ = utf8ToUtf16(text);
        nameSettled_ = true;
        return true;
    }

    void nameFromStructuredNames()
    {
        for (const std::string_view text : structuredNames_) {
            if (takeName(nameOfStructuredName(*parseContentLine(text))))
                return;
        }
    }

    // True when the line gives the birthday; a BDAY that does not is kept.
    bool readBirthday(const ContentLine& line)
    {
        OrReason<Birthday> birthday = birthdayOf(line);
        if (const auto* found = std::get_if<Birthday>(&birthday)) {
            birthday_ = *found;
            return true;
        }
        if (!birthdayProblem_)
            birthdayProblem_ = std::get<NotReadReason>(birthday);
        return false;
    }

    // True when the line gives the blood type; one that does not, or that
    // does not decode, is kept as read.
    bool readBloodType(const ContentLine& line)
    {
        const OrReason<int> position = bloodTypeOf(line);
        const int* found = std::get_if<int>(&position);
        if (!found || *found < 0)
            return false;
        bloodType_ = *found;
        return true;
    }

    void keep(std::string_view text, const ContentLine& line)
    {
        OrReason<std::string> kept = keptLine(text, line);
        if (const auto* reason = std::get_if<NotReadReason>(&kept))
            noteFault(*reason);
        else
            kept_.push_back(std::move(std::get<std::string>(kept)));
    }

    std::optional<NotReadReason> finalReason() const
    {
        if (fault_)
            return fault_;
        if (!birthday_)
            return birthdayProblem_.value_or(NotReadReason::NoBirthday);
        if (name_.empty())
            return NotReadReason::NoName;
        if (name_.size() > kMaxNameLength)
            return NotReadReason::NameTooLong;
        return std::nullopt;
    }

    std::u16string name_;
    std::optional<Birthday> birthday_;
    std::optional<int> bloodType_;
    std::vector<std::string> kept_;
    std::optional<NotReadReason> fault_;
    std::optional<NotReadReason> birthdayProblem_;
    bool nameSettled_ = false;
    std::vector<std::string_view> structuredNames_;
};

void appendProperty(std::string& out, std::string_view name, std::string_view value)
{
    std::string line(name);
    line += ':';
    line += value;
    appendFoldedLine(out, line);
}

} // namespace

std::variant<Person, NotReadCard> readPersonCard(const CardText& card)
{
    CardReader reader(card);
    for (const std::string& line : card.lines)
        reader.read(line);
    return reader.result(card.place);
}

void appendPersonCard(std::string& out, const Person& person)
{
    appendFoldedLine(out, "BEGIN:VCARD");
    appendFoldedLine(out, "VERSION:4.0");
    appendProperty(out, "FN", escapeText(withLineFeeds(utf16ToUtf8(person.name)).text));
    appendProperty(out, "BDAY", birthdayText(person.birthday));
    if (person.bloodType && *person.bloodType >= 0 && *person.bloodType < static_cast<int>(kBloodTypes.size()))
        appendProperty(out, kBloodTypeProperty, kBloodTypes[static_cast<std::size_t>(*person.bloodType)]);
    for (const std::string& line : person.keptProperties)
        appendFoldedLine(out, line);
    appendFoldedLine(out, "END:VCARD");
}

} // namespace velmora::circle
