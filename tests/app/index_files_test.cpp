// The cache files made in the background after a load, for the indexes that
// Trova, Metagr and Curio keep on disk only: afterwards the files are there
// and the indexes are not in memory, a later search takes the files and
// prints what a search that built its indexes prints, and a file that does
// not fit the words is made again while one that fits is left alone.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "app/run_game.h"
#include "app/search_session.h"
#include "curio/curio_game.h"
#include "curio/curio_reports.h"
#include "dictionary/index_cache.h"
#include "metagr/metagr_game.h"
#include "support/fixture_dictionary.h"
#include "trova/trova_game.h"

namespace sillabor {
namespace {

const std::vector<std::string> kWords = {"mare", "more", "male", "sale", "sole", "mole", "rosa",
                                         "rose", "amare", "ramo", "roma", "ora", "are", "ore"};
const std::vector<std::string> kFiles = {"tabella-parole", "tabella-code", "finali", "metagrammi", "cambi", "scarti"};

struct IndexFilesTest : ::testing::Test {
    test::Fixture f;

    std::filesystem::path File(const std::string& kind) const { return IndexCachePath(f.app->dict, kind); }
    bool Fits(const std::string& kind) const {
        return IndexCacheFile::Open(File(kind), FingerprintOf(f.app->dict)) != nullptr;
    }
    // Each file's inode: a file written again (to a temporary name, then
    // renamed) gets a new one.
    std::map<std::string, ino_t> Inodes() const {
        std::map<std::string, ino_t> inodes;
        for (const std::string& kind : kFiles) {
            struct stat info {};
            inodes[kind] = ::stat(File(kind).c_str(), &info) == 0 ? info.st_ino : 0;
        }
        return inodes;
    }
    void RemoveFiles() const {
        for (const std::string& kind : kFiles) std::filesystem::remove(File(kind));
    }

    // What the window does after a load, up to the end of the background work.
    void PrepareInBackground() {
        SearchSession session(*f.app);
        session.PrepareIndexes();
        while (session.PreparingIndexes()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    // A search of each game that reads the files, its lines joined.
    std::string Searches() {
        f.sink.Reset();
        const auto run = [this](const SearchJob& job) {
            f.app->random.SeedFrom(1);
            EXPECT_EQ(RunGame(*f.app, job), 0);
        };
        for (const int game : {kTrovaCambi, kTrovaAntipodiIniziali}) {
            TrovaRequest request;
            request.game = game;
            run(f.app->Get<TrovaGame>().Job(request));
        }
        run(f.app->Get<MetagrGame>().Job({"sale", "more", true, true, 3}));
        for (const int report : {kCurioEveryChange, kCurioEveryRemoval})
            run(SearchJob{f.app->Get<CurioGame>().Id(), report, {}});
        return f.sink.TakeJoined();
    }
};

TEST_F(IndexFilesTest, TheFilesAreMadeAndTheIndexesAreNotKept) {
    f.LoadDefault(kWords);
    PrepareInBackground();
    for (const std::string& kind : kFiles) EXPECT_TRUE(Fits(kind)) << kind;
    const TrovaState& trova = f.app->Get<TrovaGame>().state;
    EXPECT_EQ(trova.words.Find("mare"), 0);
    EXPECT_EQ(trova.tails.Find("are"), 0);
    EXPECT_EQ(trova.endings.Ending("re", 2).end, 0);
    // A ladder that found its groups in memory would not write their file.
    std::filesystem::remove(File("metagrammi"));
    Searches();
    EXPECT_TRUE(Fits("metagrammi"));
}

TEST_F(IndexFilesTest, ALaterSearchTakesTheFilesAndPrintsWhatABuildPrints) {
    f.LoadDefault(kWords);
    const std::string built = Searches();
    ASSERT_NE(built.find(" 4 more"), std::string::npos);
    RemoveFiles();
    f.LoadDefault(kWords);  // a new dictionary: nothing in memory fits it
    PrepareInBackground();
    const auto made = Inodes();
    EXPECT_EQ(Searches(), built);
    EXPECT_EQ(Inodes(), made);  // read, none written again
}

TEST_F(IndexFilesTest, AFileThatDoesNotFitIsMadeAgainAndAFittingOneIsLeft) {
    f.LoadDefault(kWords);
    PrepareInBackground();
    WordsFingerprint other = FingerprintOf(f.app->dict);
    other.words += 1;
    const std::string header(72, 'x');
    test::WriteFile(File("tabella-parole"), test::ReadFile(File("tabella-parole")).substr(0, 100));  // cut short
    test::WriteFile(File("finali"), header);                                                           // not one
    ASSERT_TRUE(WriteIndexCacheFile(File("metagrammi"), other, {}));                                  // other words
    ASSERT_TRUE(WriteIndexCacheFile(File("cambi"), FingerprintOf(f.app->dict), {}, 1));               // other layout
    std::filesystem::remove(File("scarti"));
    const auto before = Inodes();
    f.LoadDefault(kWords);
    PrepareInBackground();
    for (const std::string& kind : kFiles) EXPECT_TRUE(Fits(kind)) << kind;
    const auto after = Inodes();
    EXPECT_EQ(after.at("tabella-code"), before.at("tabella-code"));
    for (const char* kind : {"tabella-parole", "finali", "metagrammi", "cambi", "scarti"})
        EXPECT_NE(after.at(kind), before.at(kind)) << kind;
}

}  // namespace
}  // namespace sillabor
