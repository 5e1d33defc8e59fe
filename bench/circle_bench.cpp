// The circle's address book: a generated export of 1,000 and of 100,000
// cards read into people, and the 1,000 people written again. Each card is
// as a contacts program writes one: name lines, telephone, e-mail, address,
// note and birthday, in versions 2.1 (quoted-printable), 3.0 (groups) and
// 4.0 (a folded note), so every path of the reader takes its share.
#include "circle/AddressBook.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace circle = velmora::circle;

namespace {

std::string number(std::size_t value, std::size_t width)
{
    std::string digits = std::to_string(value);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

std::string exportOf(std::size_t cards)
{
    constexpr std::array<std::string_view, 3> kVersions = {"2.1", "3.0", "4.0"};
    std::string file;
    for (std::size_t i = 0; i < cards; ++i) {
        const std::string id = std::to_string(i);
        const std::string_view version = kVersions[i % kVersions.size()];
        const std::string date = number(1900 + i % 150, 4) + "-" + number(1 + i % 12, 2) + "-" + number(1 + i % 28, 2);
        file += "BEGIN:VCARD\r\nVERSION:" + std::string(version) + "\r\n";
        if (version == "2.1") {
            file += "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller" + id + ";J=C3=B6rg;;;\r\n";
            file += "TEL;CELL;VOICE:+49 30 " + id + "\r\nBDAY:" + date + "\r\n";
        } else if (version == "3.0") {
            file += "N:Berg" + id + ";Anna;;;\r\nFN:Anna Berg" + id + "\r\n";
            file += "item1.TEL;TYPE=cell:+46 8 " + id + "\r\nitem1.X-ABLabel:mobile\r\nBDAY:" + date + "\r\n";
        } else {
            file += "FN:\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99 " + id + "\r\nBDAY:--" + date.substr(5, 2) + date.substr(8, 2) + "\r\n";
            file += "NOTE:Met at the conference in Lisbon\\, later a friend of the family; ask about th\r\n e garden\r\n";
        }
        file += "EMAIL;TYPE=INTERNET:person" + id + "@example.org\r\nADR;TYPE=home:;;Main Street " + id +
                ";Springfield;;12345;Country\r\nEND:VCARD\r\n";
    }
    return file;
}

void BM_ReadAddressBook(benchmark::State& state)
{
    const std::string file = exportOf(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(circle::readAddressBook(file));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
    state.counters["cards"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ReadAddressBook)->Arg(1'000)->Repetitions(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAddressBook)->Arg(100'000)->Repetitions(5)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_WriteAddressBook(benchmark::State& state)
{
    const circle::AddressBook book = circle::readAddressBook(exportOf(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(circle::writeAddressBook(book.people));
}
BENCHMARK(BM_WriteAddressBook)->Arg(1'000)->Repetitions(10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
