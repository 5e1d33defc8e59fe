// Writes the program's manual page (section 1) in roff. The name, synopsis,
// options and exit codes come from the command-line table that --help prints,
// so the page and --help cannot disagree; the build passes the release date,
// the package description and the online help's address.

#include "shell/CommandLineHelp.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

namespace {

using namespace velmora::shell::command_line;

// Prose as roff shows it: backslashes escaped, and a line that would open with
// a control character ("." or "'") guarded.
std::string prose(std::string_view text)
{
    std::string escaped = text.starts_with('.') || text.starts_with('\'') ? "\\&" : "";
    for (const char c : text)
        escaped += c == '\\' ? std::string("\\e") : std::string(1, c);
    return escaped;
}

// Something typed on the command line: its dashes as minus signs, which roff
// neither hyphenates nor turns into typographic hyphens.
std::string typed(std::string_view text)
{
    std::string spelled;
    for (const char c : text)
        spelled += c == '-' ? std::string("\\-") : std::string(1, c);
    return spelled;
}

// "show the version and exit" becomes "Show the version and exit."
std::string sentence(std::string_view meaning)
{
    std::string text(meaning);
    text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
    return text + ".";
}

std::string manualPage(std::string_view releaseDate, std::string_view description, std::string_view helpPage)
{
    const std::string program = typed(kProgram);
    const std::string product(kProductName);
    const std::string purpose(kPurpose);
    std::string title(kProgram);
    std::transform(title.begin(), title.end(), title.begin(), [](unsigned char c) { return std::toupper(c); });

    std::string page = ".TH " + title + " 1 " + std::string(releaseDate) + " \"" + product + " " VELMORA_VERSION
                       "\" \"User Commands\"\n";
    page += ".SH NAME\n" + program + " \\- " + purpose + "\n";
    page += ".SH SYNOPSIS\n.B " + program + "\n" +
            optionSynopsis([](std::string_view name) { return "\\fB" + typed(name) + "\\fR"; }) + "\n";

    page += ".SH DESCRIPTION\n.B " + program + "\nstarts " + product + ", " + purpose + ".\n";
    page += ".PP\n" + prose(description) + "\n";
    page += ".PP\nOne copy runs at a time for each user: a second copy says that the suite is already running, "
            "and ends. The suite works offline; its links open the publisher's web pages in the default web "
            "browser.\n";

    page += ".SH OPTIONS\n";
    for (const Option& option : kOptions)
        page += ".TP\n.B " + typed(option.name) + "\n" + sentence(option.meaning) + "\n";
    page += ".PP\nWithout an option the suite starts. Any other argument, or more than one, is refused: the "
            "program writes the usage to standard error and ends.\n";

    page += ".SH EXIT STATUS\n";
    std::string options;
    for (const Option& option : kOptions)
        options += (options.empty() ? "" : " or ") + typed(option.name);
    page += ".TP\n.B " + std::to_string(kSuccess) + "\nAfter " + options +
            ", when the suite is closed, and when another copy is already running.\n";
    page += ".TP\n.B " + std::to_string(kUsageError) + "\nAn unknown argument, or more than one.\n";

    page += ".SH FILES\n" + product +
            " keeps no settings and writes no file of its own accord: it saves readings, reports and circles "
            "only where the user chooses in a save dialog.\n";
    page += ".TP\n.I $XDG_RUNTIME_DIR/" + program + ".lock\n"
            "Held while the suite runs, so that a second copy started by the same user finds the first; "
            "removed when the suite ends. Answering an option takes no lock.\n";

    page += ".SH SEE ALSO\nThe online help, which F1 opens in the suite:\n.br\n" + prose(helpPage) + "\n";
    return page;
}

// Writes beside the target and renames, so a failed run leaves no half page.
bool writeFile(const std::filesystem::path& path, const std::string& text)
{
    const std::filesystem::path partial = path.string() + ".part";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file << text;
        if (!file.flush())
            return false;
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    return !error;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::cerr << "usage: " << argv[0] << " <page> <release date> <description> <help page address>\n";
        return 2;
    }
    const std::filesystem::path path = argv[1];
    if (!writeFile(path, manualPage(argv[2], argv[3], argv[4]))) {
        std::cerr << argv[0] << ": cannot write " << path << "\n";
        return 1;
    }
    return 0;
}
