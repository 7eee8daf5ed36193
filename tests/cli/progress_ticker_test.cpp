#include "cli/progress_ticker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <sstream>

#include "cli/stream_sink.h"
#include "support/collecting_sink.h"

namespace sillabor::cli {
namespace {

using namespace std::chrono_literals;

// What a terminal shows after these bytes: "\r" returns to the start of the
// line and overwrites it; trailing blanks are invisible.
std::vector<std::string> Screen(const std::string& bytes) {
    std::vector<std::string> rows;
    std::string row;
    size_t column = 0;
    auto finish = [&] {
        row.erase(row.find_last_not_of(' ') + 1);
        rows.push_back(row);
        row.clear();
        column = 0;
    };
    for (char c : bytes) {
        if (c == '\r') {
            column = 0;
        } else if (c == '\n') {
            finish();
        } else {
            if (column < row.size())
                row[column] = c;
            else
                row += c;
            ++column;
        }
    }
    finish();
    return rows;
}

bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 400 && !done(); ++i) std::this_thread::sleep_for(5ms);
    return done();
}

TEST(ProgressTickerTest, PrintedLinesStayWholeAndTheLineLeavesNothingBehind) {
    std::ostringstream terminal;  // stderr, which gets the lines too
    StreamSink lines(terminal);
    std::atomic<int> draws{0};
    // A longer text first: the shorter ones after it must cover it.
    ProgressTicker ticker(lines, terminal, [&draws] { return draws++ == 0 ? "Trovati 1000 in 0.01 sec" : "Trovati 7"; }, 2ms);
    ticker.Start();
    ASSERT_TRUE(WaitFor([&draws] { return draws >= 2; }));
    ticker.WriteLine("uno");
    ASSERT_TRUE(WaitFor([&draws] { return draws >= 4; }));
    ticker.WriteLine("due");
    ticker.Stop();
    const int drawn = draws;
    std::this_thread::sleep_for(10ms);

    EXPECT_EQ(draws, drawn) << "no drawing after Stop";
    EXPECT_NE(terminal.str().find("Trovati 7"), std::string::npos);
    EXPECT_EQ(Screen(terminal.str()), (std::vector<std::string>{"uno", "due", ""}));
}

TEST(ProgressTickerTest, ShowsNothingForAQuickSearchAndStaysPutForLinesGoingElsewhere) {
    std::ostringstream terminal;
    test::CollectingSink file;  // stdout redirected to a file
    ProgressTicker quick(file, terminal, [] { return "Trovati 1"; }, 1s);
    quick.Start();
    quick.WriteLine("riga");
    quick.Stop();
    EXPECT_EQ(terminal.str(), "");

    std::atomic<int> draws{0};
    ProgressTicker ticker(file, terminal, [&draws] {
        ++draws;
        return "Trovati 2";
    }, 2ms);
    ticker.SetLinesShareTerminal(false);
    ticker.Start();
    ASSERT_TRUE(WaitFor([&draws] { return draws >= 1; }));
    ticker.WriteLine("riga");
    ASSERT_TRUE(WaitFor([&draws] { return draws >= 3; }));
    ticker.Stop();
    const std::string erase = "\r         \r";  // as wide as "Trovati 2"
    const std::string shown = terminal.str();
    EXPECT_EQ(shown.find(erase), shown.size() - erase.size()) << "erased only at the end";
    EXPECT_EQ(file.Lines(), (std::vector<std::string>{"riga", "riga"}));
}

}  // namespace
}  // namespace sillabor::cli
