// The shipped files taken into a new database in-process (read, parse,
// check, both tables in one transaction) against inserting the same rows'
// fields as bare text into two plain tables, as the sqlite3 shell's .import
// does. benchmarks/import_vs_sqlite.sh times the same as whole processes.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>

#include "io/csv_records.h"
#include "io/file_io.h"
#include "platform/store/bundled_data.h"

namespace {

std::string FreshPath(const char* name) {
    const auto path = std::filesystem::temp_directory_path() / (name + std::to_string(::getpid()) + ".db");
    std::filesystem::remove(path);
    return path.string();
}

void ShippedFilesImport(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const std::string path = FreshPath("n3bundled-");
        state.ResumeTiming();
        const n3::BundledData data = n3::ReadBundledData(N3_DATA_DIR);
        auto store = n3::DrawStore::Open(path);
        benchmark::DoNotOptimize(n3::ImportDrawsAndResults(store, data.draws, data.results, false));
    }
    std::filesystem::remove(FreshPath("n3bundled-"));
}
BENCHMARK(ShippedFilesImport)->Unit(benchmark::kMillisecond);

// Every field of every row as text, one table per file and one transaction
// per file, as each .import command of the sqlite3 shell does.
void BareSqliteImport(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const std::string path = FreshPath("n3bare-");
        state.ResumeTiming();
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        int table = 0;
        for (const char* file : {"/numbers3-history.csv", "/numbers3-results.csv"}) {
            sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
            const n3::FileReadResult bytes = n3::ReadWholeFile(std::string(N3_DATA_DIR) + file);
            n3::CsvReader reader(bytes.bytes);
            n3::CsvRecord record;
            reader.Next(record);
            const std::size_t columns = record.fields.size();
            std::string create = "CREATE TABLE t" + std::to_string(table) + " (";
            std::string insert = "INSERT INTO t" + std::to_string(table) + " VALUES (";
            for (std::size_t c = 0; c < columns; ++c) {
                create += (c ? ", c" : "c") + std::to_string(c);
                insert += c ? ", ?" : "?";
            }
            sqlite3_exec(db, (create + ")").c_str(), nullptr, nullptr, nullptr);
            sqlite3_stmt* put = nullptr;
            sqlite3_prepare_v2(db, (insert + ")").c_str(), -1, &put, nullptr);
            while (reader.Next(record)) {
                for (std::size_t c = 0; c < columns && c < record.fields.size(); ++c)
                    sqlite3_bind_text(put, int(c + 1), record.fields[c].c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_step(put);
                sqlite3_reset(put);
            }
            sqlite3_finalize(put);
            sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
            ++table;
        }
        sqlite3_close(db);
    }
    std::filesystem::remove(FreshPath("n3bare-"));
}
BENCHMARK(BareSqliteImport)->Unit(benchmark::kMillisecond);

}  // namespace
