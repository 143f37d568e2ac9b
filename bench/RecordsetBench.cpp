// Reading 100 000 rows through an ADO recordset against a plain SQLite step loop over the same
// statement; the program ends by printing how many times slower the recordset is.
//
// Release, medians, the machine shared with other builds (CPU time, as the wall time varied with the load):
//   before the rows were kept as SQLite answered them: 54.6 ms against 14.7 ms, 3.71x (every value made a
//   VARIANT when the statement ran, copied again at every Field.Value, and freed with the rows);
//   after: 28.0 ms against 14.7 ms, 1.90x (the step loop itself, keeping the values, making the read
//   fields' VARIANTs, and the memory for 100 000 rows).
// Before -> after a row set's large blocks were kept by the thread for its next row sets (the allocator
// handed the freed rows back to the kernel at every read, and the next read took fresh zeroed pages: page
// faults were a tenth of the read), the old and the new module run in turn, medians of three, load 5-8:
//   34.3-35.1 ms against 17.5-18.1 ms (1.91-2.01x) -> 29.0-29.9 ms against 17.2-18.7 ms (1.60-1.73x).
//   What is left: SQLite's step (30 %), taking each value from the statement (14 %), making the read
//   fields' VARIANTs with their texts (10 %), and the cache misses of walking 100 000 rows kept apart
//   from SQLite's pages.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include <unistd.h>

#include "platform/ado/AdoConnection.h"
#include "platform/ado/AdoRecordset.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/text/CodePage.h"

namespace {
constexpr int kRows = 100000;
constexpr char kQuery[] = "select DkE_DkEID, DkE_Numer, DkE_WartoscM, DkE_WartoscTekst from DeklElem";

// A file removed when the program ends.
struct TemporaryFile {
    std::string path;
    ~TemporaryFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

// A database with kRows stored values, built once for the program.
const std::string& DatabaseFile() {
    static const TemporaryFile file{[] {
        std::string path =
            (std::filesystem::temp_directory_path() / ("tlxbench-" + std::to_string(::getpid()) + ".db")).string();
        std::string script =
            "CREATE TABLE DeklElem (DkE_DkEID INTEGER PRIMARY KEY, DkE_DkNID INT NOT NULL, DkE_Numer INT, "
            "DkE_WartoscM MONEY, DkE_WartoscTekst VARCHAR(1024));"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
            std::to_string(kRows) +
            ") INSERT INTO DeklElem (DkE_DkNID, DkE_Numer, DkE_WartoscM, DkE_WartoscTekst) "
            "SELECT 1, i, i * 1.25, 'pole ' || i FROM n;";
        tlx::ado::CreateDatabaseFile(path, {script});
        return path;
    }()};
    return file.path;
}

void RecordsetRead(benchmark::State& state) {
    auto connection = tlx::ado::CConnection::Make();
    tlx::Bstr text(tlx::Utf8ToUtf16(DatabaseFile()));
    connection->Open(text.Get(), nullptr, nullptr, 0);
    tlx::Bstr sql(tlx::Utf8ToUtf16(kQuery));
    for (auto _ : state) {
        tlx::ComPtr<Recordset> rows;
        connection->Execute(sql.Get(), nullptr, adCmdText, rows.Out());
        tlx::ComPtr<Fields> fields;
        rows->get_Fields(fields.Out());
        tlx::ComPtr<Field> columns[4];
        for (LONG i = 0; i < 4; ++i) fields->get_Item(tlx::Variant::FromLong(i), columns[i].Out());
        long long sum = 0;
        VARIANT_BOOL eof = VARIANT_FALSE;
        for (rows->get_EOF(&eof); !eof; rows->MoveNext(), rows->get_EOF(&eof)) {
            for (auto& column : columns) {
                tlx::Variant value;
                column->get_Value(value.Out());
                sum += value.vt;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void SqliteStepLoop(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(DatabaseFile().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, kQuery, -1, &statement, nullptr);
        long long sum = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            sum += sqlite3_column_int(statement, 0) + sqlite3_column_int(statement, 1);
            sum += static_cast<long long>(sqlite3_column_double(statement, 2));
            sum += sqlite3_column_bytes(statement, 3);
            benchmark::DoNotOptimize(sqlite3_column_text(statement, 3));
        }
        sqlite3_finalize(statement);
        benchmark::DoNotOptimize(sum);
    }
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * kRows);
}

BENCHMARK(RecordsetRead)->Unit(benchmark::kMillisecond);
BENCHMARK(SqliteStepLoop)->Unit(benchmark::kMillisecond);

// Keeps the real time per iteration of each benchmark for the closing ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // With repetitions the median stands for the benchmark; with --benchmark_report_aggregates_only
        // it is the only run reported.
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatio() const {
        auto recordset = times_.find("RecordsetRead");
        auto sqlite = times_.find("SqliteStepLoop");
        if (recordset == times_.end() || sqlite == times_.end() || sqlite->second <= 0) return;
        std::printf("recordset / SQLite step loop: %.2f\n", recordset->second / sqlite->second);
    }

private:
    std::map<std::string, double> times_;
};
}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}
