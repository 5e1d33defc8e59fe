#include "complete/ReadingDocument.h"

#include "kit/Pictures.h"
#include "ui/Fonts.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

namespace velmora::complete {
namespace {

const QColor kHeading(0, 0, 128);
const QColor kCaption(128, 0, 0);
const QColor kHeaderFill(230, 230, 245);

// A picture's place in the reading, in points of the document's layout.
constexpr int kPictureSize = 72;
// Drawn at three times that, so that the picture stays sharp on paper.
constexpr qreal kPictureRatio = 3;

QTextCharFormat runFormat(double points, bool bold, const QColor& color = Qt::black)
{
    QTextCharFormat format;
    format.setFont(ui::verdana(points, bold));
    format.setForeground(color);
    return format;
}

// The run formats, each made once: the font is resolved on first use.
enum class Run { Plain, Bold, Caption, Heading, Sign, Title };

const QTextCharFormat& runOf(Run run)
{
    static const std::array<QTextCharFormat, 6> formats = {
        runFormat(9.75, false),         runFormat(9.75, true),           runFormat(9.75, true, kCaption),
        runFormat(13, true, kHeading), runFormat(11.25, true, kHeading), runFormat(15.75, true, kHeading)};
    return formats[static_cast<std::size_t>(run)];
}

void newParagraph(QTextCursor& cursor, double spaceAbove = 0)
{
    QTextBlockFormat block;
    block.setTopMargin(spaceAbove);
    cursor.insertBlock(block);
}

// "Caption: value" with the caption emphasised.
void writeCaptioned(QTextCursor& cursor, const QString& caption, const QString& value)
{
    cursor.insertText(caption + QStringLiteral(": "), runOf(Run::Caption));
    cursor.insertText(value, runOf(Run::Plain));
}

QTextTableFormat tableFormat()
{
    QTextTableFormat format;
    format.setBorder(0.5);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(4);
    format.setCellSpacing(0);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    return format;
}

void writePeople(QTextCursor& cursor, const CompleteReadingRecord& reading)
{
    const western::WesternReadingRecord& people = reading.Western;
    const struct {
        const char* nameCaption;
        const std::u16string& name;
        const char* dateCaption;
        std::chrono::year_month_day date;
    } rows[] = {{"Your Name", people.UserName, "Your Date Of Birth", people.UserBirthDate},
                {"Your Partner's Name", people.PartnerName, "Your Partner's Date Of Birth", people.PartnerBirthDate}};
    for (const auto& row : rows) {
        newParagraph(cursor, 4);
        writeCaptioned(cursor, QLatin1String(row.nameCaption), ui::toQString(row.name));
        newParagraph(cursor);
        writeCaptioned(cursor, QLatin1String(row.dateCaption), ui::toQString(kit::DateText(row.date, kit::DateStyle::MonthDayYear)));
    }
}

void writeHeading(QTextCursor& cursor, const QString& heading)
{
    newParagraph(cursor, 14);
    cursor.insertText(heading, runOf(Run::Heading));
}

void writeSummary(QTextCursor& cursor, const CompleteReadingRecord& reading)
{
    const std::array<SummaryRow, 4> rows = SummaryRows(reading);
    QTextTable* table = cursor.insertTable(static_cast<int>(rows.size()) + 1, 4, tableFormat());
    const QString header[] = {QString(), ui::toQString(reading.Western.UserName),
                              ui::toQString(reading.Western.PartnerName), QStringLiteral("Compatibility")};
    for (int column = 0; column < 4; ++column) {
        QTextTableCell cell = table->cellAt(0, column);
        QTextCharFormat fill = cell.format();
        fill.setBackground(kHeaderFill);
        cell.setFormat(fill);
        cell.firstCursorPosition().insertText(header[column], runOf(Run::Bold));
    }
    for (int row = 1; row <= static_cast<int>(rows.size()); ++row) {
        const SummaryRow& summary = rows[static_cast<std::size_t>(row - 1)];
        table->cellAt(row, 0).firstCursorPosition().insertText(ui::toQString(summary.system), runOf(Run::Bold));
        table->cellAt(row, 1).firstCursorPosition().insertText(ui::toQString(summary.userSign), runOf(Run::Plain));
        table->cellAt(row, 2).firstCursorPosition().insertText(ui::toQString(summary.partnerSign), runOf(Run::Plain));
        QTextCursor rating = table->cellAt(row, 3).firstCursorPosition();
        for (std::size_t line = 0; line < summary.pairLines.size(); ++line) {
            if (line > 0)
                rating.insertBlock();
            rating.insertText(ui::toQString(summary.pairLines[line]), runOf(Run::Plain));
        }
    }
    cursor.movePosition(QTextCursor::End);
}

void insertPicture(QTextCursor& cursor, std::string_view resource)
{
    const QString path = ui::toQString(resource);
    const QUrl name(QStringLiteral("qrc") + path);
    QTextDocument& document = *cursor.document();
    if (document.resource(QTextDocument::ImageResource, name).isNull()) {
        const QPixmap drawn = kit::pictures::render(path, {kPictureSize, kPictureSize}, kPictureRatio);
        if (drawn.isNull())
            return;
        document.addResource(QTextDocument::ImageResource, name, drawn.toImage());
    }
    QTextImageFormat image;
    image.setName(name.toString());
    image.setWidth(kPictureSize);
    image.setHeight(kPictureSize);
    cursor.insertImage(image);
    cursor.insertBlock();
}

void writePerson(QTextCursor cursor, const std::u16string& name, const PersonSection& person, Pictures pictures)
{
    cursor.insertText(ui::toQString(name), runOf(Run::Bold));
    cursor.insertBlock();
    cursor.insertText(ui::toQString(person.sign), runOf(Run::Sign));
    cursor.insertBlock();
    if (pictures == Pictures::Shown && !person.picture.empty())
        insertPicture(cursor, person.picture);
    for (const kit::Fact& fact : person.facts) {
        cursor.insertBlock();
        writeCaptioned(cursor, ui::toQString(fact.caption), ui::toQString(fact.value));
    }
}

void writeSection(QTextCursor& cursor, const SystemSection& section, const CompleteReadingRecord& reading,
                  Pictures pictures)
{
    writeHeading(cursor, ui::toQString(section.heading));
    if (!section.pairDescription.empty()) {
        newParagraph(cursor, 4);
        cursor.insertText(ui::toQString(section.pairDescription), runOf(Run::Plain));
    }
    newParagraph(cursor, 6);
    QTextTableFormat format = tableFormat();
    format.setColumnWidthConstraints(
        {QTextLength(QTextLength::PercentageLength, 50), QTextLength(QTextLength::PercentageLength, 50)});
    QTextTable* table = cursor.insertTable(1, 2, format);
    writePerson(table->cellAt(0, 0).firstCursorPosition(), reading.Western.UserName, section.user, pictures);
    writePerson(table->cellAt(0, 1).firstCursorPosition(), reading.Western.PartnerName, section.partner, pictures);
    cursor.movePosition(QTextCursor::End);
}

} // namespace

void composeReading(QTextDocument& document, const CompleteReadingRecord& reading, Pictures pictures)
{
    document.setUndoRedoEnabled(false);
    document.clear();
    document.setDefaultFont(ui::verdana(9.75));
    QTextCursor cursor(&document);
    // One edit: the document is laid out once, when it is complete.
    cursor.beginEditBlock();
    cursor.insertText(kReadingTitle, runOf(Run::Title));
    writePeople(cursor, reading);
    writeHeading(cursor, QStringLiteral("Summary"));
    newParagraph(cursor, 6);
    writeSummary(cursor, reading);
    for (const SystemSection& section : Sections(reading))
        writeSection(cursor, section, reading, pictures);
    cursor.endEditBlock();
}

} // namespace velmora::complete
