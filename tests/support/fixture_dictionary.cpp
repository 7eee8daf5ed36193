#include "support/fixture_dictionary.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "dictionary/dictionary_loader.h"

namespace sillabor::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sillabor-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void MakeFullDisk(const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    if (mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0) return;
    if (!std::filesystem::is_character_file("/dev/full")) throw std::runtime_error("/dev/full is no device");
    std::filesystem::create_symlink("/dev/full", path);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

namespace {

void PutInt32(std::string& out, int32_t value) {
    auto u = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

}  // namespace

std::string PreparedFileBytes(const std::vector<std::string>& words) {
    // Longer words first; then by sorted letters; then the word itself.
    struct Record {
        std::string key;
        std::string word;
    };
    std::vector<Record> records;
    for (const std::string& w : words) {
        std::string letters = w;
        std::sort(letters.begin(), letters.end());
        records.push_back({std::string(1, static_cast<char>(80 - w.size())) + letters, w});
    }
    std::sort(records.begin(), records.end(), [](const Record& a, const Record& b) {
        return a.key != b.key ? a.key < b.key : a.word < b.word;
    });
    int32_t classes = 0;
    std::string text;
    for (size_t i = 0; i < records.size(); ++i) {
        if (i == 0 || records[i].key != records[i - 1].key) ++classes;
        text += records[i].word;
        text.push_back('\0');
    }
    std::string out;
    PutInt32(out, static_cast<int32_t>(records.size()));
    PutInt32(out, classes);
    PutInt32(out, static_cast<int32_t>(text.size()));
    return out + text;
}

void WritePreparedDictionary(const std::filesystem::path& root, const std::string& name,
                             const std::vector<std::string>& words) {
    WriteFile(root / "Dizionari" / name / ("j_r_" + name), PreparedFileBytes(words));
}

Fixture::Fixture() : app(std::make_unique<App>(folder.path())) {
    app->out.SetSink(&sink);
    app->random.SeedFrom(12345);
}

DictionaryJob Fixture::Job() { return app->Job(&buildOptions); }

int Fixture::Scan() {
    DictionaryJob job = Job();
    return ScanDictionaries(job, app->Get<DizioGame>().dictionaries);
}

int Fixture::RunAsIs(int game, int option) { return RunAsIs(SearchJob{game, option, {}}); }

int Fixture::RunAsIs(const SearchJob& job) {
    GameContext ctx = app->Context();
    return job.run ? job.run(ctx) : app->FindGame(job.game)->Run(ctx, job.option);
}

void Fixture::LoadDefault(const std::vector<std::string>& words) {
    WritePreparedDictionary(folder.path(), "Default", words);
    DictionaryJob job = Job();
    if (Scan() != 0 || LoadDictionary(job) != 0)
        throw std::runtime_error("fixture dictionary did not load");
    sink.Reset();
}

}  // namespace sillabor::test
