// The life cycle of declarations as the host drives it, each figure beside a baseline measured in the
// same run: opening a saved 75-field VAT-7 in a new session (against reading its rows with SQLite
// alone), saving a changed one, N saves in one session, one save of many new declarations with its peak
// memory, sessions created and dropped, and the per-person costs of a session, a configuration value
// and a repeated statement.
//
// Figures before the registry was kept parsed, before saves visited only changed items and before
// dropped sessions were freed (Release, medians): open 62.8 ms (329x the SQLite read); save of one
// changed declaration 52 ms; the 100th of N saves in one session 6.1 s; one save of 1 000 new
// declarations 56 ms each, peak 580 MB; 1 000 sessions created and dropped 1.2 GB; a new session
// 0.4 ms, a configuration value 0.64 ms, a repeated statement 0.13 ms.
//
// Before -> after each form definition was read once per process and shared by its declarations, with a
// declaration's script engine made only when its first script runs (Release, this machine shared by other
// builds, medians of three, each beside the same run's baseline): open 2.37 ms (33.5x the SQLite read)
// -> 0.70 ms (9.7x), now mostly the recordset's field reads that pair stored values with fields; save of
// one changed declaration in a new session 5.8 -> 5.2 ms of processor time; one save of 1 000 new
// declarations 2.9 ms each either way, peak 665 -> 474 MB. Of that save's heap peak (438 MB) the script
// engines every new declaration still needs (its defaults and Policz run scripts) are 190 MB, about 190 kB
// each in the script heap, and each declaration's own field objects 7 MB; the parsed definition is one copy.
//
// Before -> after stored values were paired with the fields in one walk over their rows, each field then
// taking its row by bookmark instead of a criteria lookup that walked the rows again (Release, this
// machine shared by other builds, medians of three runs of the old and the new module taken in turn): open
// 0.70 ms (9.8x the SQLite read) -> 0.37 ms (5.4x); what is left of the pairing is making the item of
// each stored row. The INF-D of 1 000 employees calculated, saved and exported (CompanyScaleBench):
// 0.96 -> 0.87 s of processor time, 2.28 -> 1.98 s wall.
//
// A stored position read through Wartosc() from a host script: 2.35 us of processor time a read against
// 0.086 us for a plain script object's property (27x; medians of three). Its profile: the element's row
// found again in the child collection for every read (the collection's own filter applied again, the row
// moved to by bookmark) 21 %, the script bridge's property trap and member function 34 %, the stored
// text turned into a number 9 %.
//
// Before -> after a stored position's read through Wartosc() from a host script was made cheaper: the
// collection reads a bookmark key's digits itself instead of converting its text under the user locale,
// the field keeps its item key with its bookmark, the element keeps its number columns' full names and
// does not convert an amount to the kind it already has, a text argument is lent to the member as the
// caller passed it, and the script bridge makes a member function with one property (the member it
// calls kept in the proxy's record) and finds a proxy's record by a lookup instead of a property read
// (Release, processor time per 1 000 reads, medians of three, each beside the same run's plain script
// property): 2.27 ms against 0.093 ms (24x) -> 1.15 ms against 0.095 ms (12.2x). The top of the profile
// after: the element's row found again through the child collection's Item 17 %, the element's read of
// its row 9 %, the field found by name 4 %; the script bridge's trap, member function and call around
// them 30 %.
//
// Before -> after a save found the items with work below them from the few collections holding pending
// rows (asked of the recordset without filtering it) instead of walking down from every item the
// session had read, and a transaction kept copies only of the rows it changes (Release, processor time,
// the machine shared; first and last 20 of 400 saves in one session): the first 2.3 ms, the last 8.7 ms
// (3.75x) -> 3.3 and 4.0 ms (1.18-1.40x over runs). The top of the profile before: the walk down the
// items 18 %, asking each collection for pending rows by filtering it 8 %, copying every row of the
// declarations' recordset at every save 7 %.
//
// Before -> after the printout lines were brought up to date in place (a line rewritten only when its
// text changed, surplus lines deleted) instead of all deleted and added again at every save: open, change
// one field, Policz and save 4.97 -> 3.9-4.1 ms of processor time. What is left is spread: the form's
// script engine made and freed for each opened declaration 17 %, the stored values' item objects, the
// commit.
//
// Then, after the faster Wartosc() reads, the printout lines read from the collection's rows instead of an item made for every line, an
// item asked for only for a line that changes (Release, processor time, medians of three, load 3-9):
// open, change one field, Policz and save 2.95-3.04 -> 2.61-2.73 ms.
//
// Before -> after one save of 1 000 new declarations held less (Release, the machine shared, medians of
// three runs of the old and the new module): every engine given a form's script text kept a copy of its
// own, and every child row kept its own copy of its column prefix; a transaction kept a whole copy of
// each row its batch wrote, where a row only the batch changed now keeps its flags, its written-field
// marks and database values (moved there when the batch accepts the row) and the key the insert gave it;
// each stored value asked its session for two references, now shared by every holder of a reference to
// the same object; and a saved collection copied its item list to drop the deleted ones. Peak 503 ->
// 365 MB, the save 2.02 -> 1.95 ms each (processor time 2.00 -> 1.92 ms). The top of the heap profile
// after (peak 331 MB in a RelWithDebInfo build): the script heaps of the declarations' engines 148 MB
// (each new declaration's defaults, onupdate code and Policz run its form's scripts, so each keeps a heap
// of about 150 kB), the stored values' item objects with their row cursors 54 MB, their rows' values 34
// MB and texts 28 MB, what the transaction holds to put the rows back 19 MB, each declaration's field
// objects 8 MB.
//
// 400 saves in one session, after the other work above made the first saves cheaper (Release, the old
// and the new module run in turn, three runs each, load about 1): the last 20 saves 3.50-3.77 ms against
// the first 2.40-2.45 ms (1.43-1.57x) -> 3.21-3.43 ms (1.34-1.42x) once each collection keeps a filter
// of the items it holds, so that asking every collection of the session whether it holds an item with
// pending work below it no longer walks their lists. What still grows with the session is that walk
// over every collection (asking each whether it has pending rows) and the items of the declarations'
// collection visited at every save.
//
// Before -> after a save reached the collections with pending rows through a list the session keeps as
// rows change (a row set tells the collection watching it, which puts itself once on its session's list
// and leaves it when a save finds it without pending rows; the collection that made each parent item is
// kept on the child collection) instead of asking every collection of the session and visiting every
// item of the declarations' collection (Release, processor time, the old and the new module run in turn,
// six runs each, load 3-9): 400 saves in one session, the last 20 saves 2.93-3.51 ms (median 3.08)
// against the first 2.30-2.56 ms, 1.18-1.53x (median 1.24x) -> 2.57-3.07 ms (median 2.77) against
// 2.31-2.64 ms, 1.01-1.26x (median 1.10x). Open, change one field, Policz and save 2.8-3.05 ms either way
// (one session with a handful of collections). One save of 1 000 new declarations 2.34-2.73 ms each
// (median 2.44) -> 2.28-2.61 ms (median 2.28), three runs each: the collections of new rows, whose items
// are all pending, do not work out what hangs below them (done at first for every child collection
// saved, it had cost 3.0 ms each). The top of the profile of the last 100 of the 400 saves
// after: the declaration's own save hooks (its form's verify and onsave scripts, the printout lines)
// 35 %, the rows the batches insert 32 %, the commit 18 %, choosing the items with work 3.5 %; what still
// grows with the session is SQLite's: inserting into tables that grow, and the numbering's max() over
// every declaration of the form type. The top of the profile of open, change, Policz and save: the
// form's scripts 52 % (making the declaration's script engine 14 %, freeing the last round's 5 %), the
// commit 13 %, the printout lines 9 %; the save's walk to the changed collections under 1 %.
//
// Before -> after the rows of a save held less (Release, the machine shared, load about 11, three runs of
// the old and the new module taken in turn, medians): a transaction kept each held row in a table keyed by
// the row, now in a list each row knows its place in, with a new row's NULL key as a flag, and a row's
// written fields as a vector of its own, now as bits in the row; a text written into a row was a copy of
// its own in every row, now kept once for every row holding the same text (each declaration wrote its
// form's descriptions into its stored values and printout lines); a new row kept a column of NULLs as its
// database values, now implied; a written row's values took a second allocation beside its marks; every
// stored value made its number columns' keys for itself, and every field kept its bookmark twice. One save
// of 1 000 new declarations: peak 369 -> 296 MB, the save 2.15 -> 1.80 ms each (processor time 2.11 -> 1.77
// ms; the old module lacked other changes landed meanwhile, which take part in the time's difference); the
// other figures of this program unchanged within the machine's noise. The top of the heap profile after
// (peak 283 MB in a RelWithDebInfo build, before the held rows' flag and two-word marks, worth 3 MB more):
// the declarations' script heaps about 165 MB; the item objects of the stored values and printout lines 29
// MB, their rows' own values 22.5 MB and their row cursors 11.5 MB; what the transaction holds to put the
// rows back 11.4 MB; the rows' blocks 9.6 MB and the collections' item lists 8.2 MB; each declaration's
// field objects 6.5 MB.
//
// Open, change one field, Policz and save, before -> after a printout line's collection key was made only
// for a line that changes (Release, processor time, the old and the new module run in turn, three runs
// each, load about 8): 3.24-3.36 -> 3.26-3.29 ms, the same within the machine's drift; the printout lines
// went from 8.6 to 7.0 % of the profile. The top of the profile after: making the declaration's script
// engine 16 % and the form's other scripts (onupdate, Policz, verify) about 25 %, the commit 16 % (SQLite's
// four fdatasync calls of a commit and the journal's unlink; the journal modes that keep the file sync
// five times a commit instead of four, so the commit is left as it is), the batches' statements 10 %,
// closing the last round's session 10 %, the printout lines 7 %.
//
// Before -> after a declaration's script engine took its heap from a per-thread pool of its form's
// pristine heaps and lent it back when idle, keeping only the globals holding primitives its events set
// (the check against the heap's pristine reading looks keys up instead of enumerating the built-ins;
// Release, the module before and after run in turn, three runs each, load 10-13, measured before the
// rows of a save held less as noted above): one save of 1 000 new
// declarations, peak 312 -> 137 MB (run alone), the save 1.88-1.95 ms each (median 1.92) -> 2.18-2.19
// ms (median 2.19) of processor time, the whole run 4.45-4.58 -> 4.39-4.47 s of processor time (the
// declarations are made without a heap each); the heap profile's script heaps 148 MB -> 1.8 MB (peak
// heap 132 MB in a RelWithDebInfo build). What the save still pays for it: each declaration's verify
// takes a pooled heap and its idle engine is later checked and lends it back, about 0.3 ms a check
// (looking up the pristine heap's 1 450 properties, 530 objects, and enumerating its 108 globals). Open,
// change one field, Policz and save 3.28-3.74 ms (median 3.68) -> 2.58-3.15 ms (median 2.79) of processor
// time: the heap is taken from the pool instead of made, and lent instead of freed. 400 saves in one
// session 2.19-2.69 s -> 2.09-2.38 s, the last 20 within 1.01-1.17x of the first either way.
//
// Before -> after the rows and items of a save of many new declarations were made smaller (Release, the
// machine shared, three runs of the old and the new module taken in turn, each run alone, medians): a
// row's written-field marks take one word (a block only past the 63rd column), so a row's own values
// have a header of three words and a transaction's held row four; a row set's lists, its row blocks and
// a collection's item list grow by half of what they hold instead of doubling (a declaration's 74 stored
// values and 69 printout lines had sat in room for 128 and 120); an item's row cursor keeps its bookmark
// as a number; a COM object's inner unknown finds its object from its own address instead of keeping a
// pointer to it, and small members sit in the room their bases leave. One save of 1 000 new
// declarations: peak 121 -> 99 MB, the save 1.80 -> 1.81 ms each of processor time; the other figures of
// this program unchanged within the machine's noise. The top of the heap profile after (heap peak 98.7
// MB): the item objects of the stored values and printout lines 30.1 MB, their rows' own values 20.2 MB,
// their row cursors 8.1 MB, the rows' blocks 6.8 MB, each declaration's field objects 6.5 MB, what the
// transaction holds to put the rows back 5.8 MB, the collections' item lists 5.3 MB and the row sets'
// lists of rows 2.6 MB; SQLite's 2.6 MB and the script heaps' 1.8 MB.
//
// Open, before -> after whether a form's scripts name the host's Session or Konfig was found once for
// the shared definition instead of by a scan of the whole script text at every declaration's load
// (Release, processor time, medians of five rounds each of five repetitions, three builds run in turn:
// this module before, the same without the named items at all, and after; load 25-29): 0.118 ms
// (0.116-0.127; 1.47x the SQLite read's 0.080 ms) -> 0.102 ms (0.102-0.104; 1.24x), the module without
// the named items 0.101 ms (0.100-0.113; 1.25x).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "BenchScale.h"
#include "host/HostTables.h"
#include "host/ServerRegistration.h"
#include "host/script/ScriptEngine.h"
#include "host/session/HostEnvironment.h"
#include "hostapi/Collections.h"
#include "hostapi/Configuration.h"
#include "hostapi/Framework.h"
#include "hostapi/Session.h"
#include "platform/ado/Ado.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/com/ComPtr.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace {

using tlx::Bstr;
using tlx::ComPtr;
using tlx::Variant;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Kilobytes of a line of /proc/self/status ("VmRSS", "VmHWM").
long StatusKilobytes(const char* name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(name, 0) == 0) return std::atol(line.c_str() + std::strlen(name) + 1);
    return 0;
}

// Starts the peak resident size afresh, so VmHWM tells the peak of what follows.
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

// A demo company with the module registered and the host started, for the whole program.
class Company {
public:
    static Company& Get() {
        static Company company;
        return company;
    }
    ~Company() {
        tlx::host::StopHost();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    ComPtr<ISession> NewSession() {
        ComPtr<ISession> session;
        tlx::host::CurrentLogin()->CreateSession(session.Out());
        return session;
    }
    const std::string& File() const { return database_; }
    LONG SavedId() const { return savedId_; }

    // A new VAT-7 for March 2024 in the session's declarations collection, filled as the demo fills it.
    static ComPtr<IDispatch> AddVat7(ICollection* declarations, int seed) {
        ComPtr<IDispatch> item;
        Check(declarations->AddNew(Variant::Missing(), item.Out()), "AddNew");
        Put(item.Get(), u"TypDeklar", Variant::FromLong(1));
        Put(item.Get(), u"Wersja", Variant::FromLong(17));
        Put(item.Get(), u"Rok", Variant::FromLong(2024));
        Put(item.Get(), u"Miesiac", Variant::FromLong(3));
        Put(item.Get(), u"P_1", Variant::FromString(u"5260250274"));
        Put(item.Get(), u"P_6", Variant::FromString(u"1471"));
        Put(item.Get(), u"P_8", Variant::FromLong(1));
        Put(item.Get(), u"P_9", Variant::FromString(u"Firma Demo"));
        // Every position gets its row; these are the ones a user types.
        const std::pair<const char16_t*, double> amounts[] = {{u"P_17", 10000},   {u"P_18", 800},
                                                              {u"P_19", 125000.40}, {u"P_20", 28750.09},
                                                              {u"P_43", 20000},   {u"P_44", 4600},
                                                              {u"P_45", 50000},   {u"P_46", 11500.49}};
        for (const auto& [name, amount] : amounts) Put(item.Get(), name, Variant::FromDouble(amount + seed));
        Call(item.Get(), u"Policz");
        return item;
    }
    static ComPtr<ICollection> Declarations(ISession* session) {
        ComPtr<IDispatch> object;
        Check(session->CreateObject(Bstr(u"TLXDeklaracje.Deklaracje").Get(), Variant::Missing(), object.Out()),
              "Deklaracje");
        return object.As<ICollection>();
    }
    static void Put(IDispatch* object, std::u16string name, const VARIANT& value) {
        LPOLESTR names[] = {name.data()};
        DISPID id = DISPID_UNKNOWN;
        Check(object->GetIDsOfNames(IID_NULL, names, 1, 0, &id), "GetIDsOfNames");
        Variant argument(value);
        DISPID putId = DISPID_PROPERTYPUT;
        DISPPARAMS params{&argument, &putId, 1, 1};
        Check(object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr), "put");
    }
    static void Call(IDispatch* object, std::u16string name) {
        LPOLESTR names[] = {name.data()};
        DISPID id = DISPID_UNKNOWN;
        Check(object->GetIDsOfNames(IID_NULL, names, 1, 0, &id), "GetIDsOfNames");
        DISPPARAMS params{nullptr, nullptr, 0, 0};
        Check(object->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), "call");
    }
    static Variant GetValue(IDispatch* object, std::u16string name) {
        LPOLESTR names[] = {name.data()};
        DISPID id = DISPID_UNKNOWN;
        Check(object->GetIDsOfNames(IID_NULL, names, 1, 0, &id), "GetIDsOfNames");
        DISPPARAMS params{nullptr, nullptr, 0, 0};
        Variant result;
        Check(object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &params, result.Out(), nullptr, nullptr), "get");
        return result;
    }
    static void Check(HRESULT hr, const char* what) {
        if (FAILED(hr)) {
            std::fprintf(stderr, "%s failed: %08X %s\n", what, static_cast<unsigned>(hr),
                         tlx::Utf16ToUtf8(tlx::TakeErrorDescription()).c_str());
            std::abort();
        }
    }

private:
    Company() {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("tlx-bench-" + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        ::setenv("TLX_REGISTRY", (folder_ / "hkcr.reg").c_str(), 1);
        database_ = (folder_ / "firma.db").string();
        std::filesystem::path db = std::filesystem::path(TLX_SOURCE_DIR) / "db";
        std::vector<std::string> scripts = tlx::host::CompanyDatabaseScripts(db / "company");
        scripts.push_back(ReadFile(db / "demo.sql"));
        scripts.push_back(tlx::host::HostDemoSql());
        tlx::ado::CreateDatabaseFile(database_, scripts);
        Check(tlx::host::RegisterServer(TLX_MODULE_PATH), "RegisterServer");
        tlx::host::LoginSettings settings;
        settings.companyDatabase = database_;
        settings.op.today = 45383;  // 2024-04-01
        Check(tlx::host::StartHost(settings), "StartHost");
        ComPtr<ISession> session = NewSession();
        ComPtr<ICollection> declarations = Declarations(session.Get());
        ComPtr<IDispatch> vat7 = AddVat7(declarations.Get(), 0);
        Check(session->SaveChanges(), "SaveChanges");
        savedId_ = GetValue(vat7.Get(), u"ID").lVal;
    }

    std::filesystem::path folder_;
    std::string database_;
    LONG savedId_ = 0;
};

// Opens the saved VAT-7 in a new session and reads one of its positions (which loads its form).
void OpenInNewSession(benchmark::State& state) {
    Company& company = Company::Get();
    Variant key = Variant::FromString(tlx::Utf8ToUtf16(std::to_string(company.SavedId())));
    for (auto _ : state) {
        ComPtr<ISession> session = company.NewSession();
        ComPtr<IDispatch> declaration;
        Company::Check(session->CreateObject(Bstr(u"TLXDeklaracje.Deklaracje").Get(), key, declaration.Out()),
                       "open");
        benchmark::DoNotOptimize(Company::GetValue(declaration.Get(), u"P_19"));
    }
}

// The same rows (the header and its stored values) read with SQLite alone.
void SqliteReadOfItsRows(benchmark::State& state) {
    Company& company = Company::Get();
    sqlite3* db = nullptr;
    sqlite3_open_v2(company.File().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::string id = std::to_string(company.SavedId());
    const std::string queries[] = {"select * from DeklNag where DkN_DkNID=" + id,
                                   "select * from DeklElem where DkE_DkNID=" + id};
    for (auto _ : state) {
        long long sum = 0;
        for (const std::string& query : queries) {
            sqlite3_stmt* statement = nullptr;
            sqlite3_prepare_v2(db, query.c_str(), -1, &statement, nullptr);
            while (sqlite3_step(statement) == SQLITE_ROW)
                for (int i = 0; i < sqlite3_column_count(statement); ++i) sum += sqlite3_column_bytes(statement, i);
            sqlite3_finalize(statement);
        }
        benchmark::DoNotOptimize(sum);
    }
    sqlite3_close(db);
}

// A script reading a stored position of the saved VAT-7 through Wartosc(), 1 000 times an evaluation,
// against the same script reading a plain script object's property.
constexpr char16_t kReadLoops[] =
    u"var plain = { P_19: 125000.40 };\n"
    u"function readPlain(n) { var s = 0; for (var i = 0; i < n; i++) s += plain.P_19; return s; }\n"
    u"function readStored(n) { var s = 0; for (var i = 0; i < n; i++) s += dekl.Wartosc('P_19'); return s; }\n";

void ScriptReadLoop(benchmark::State& state, const char16_t* call) {
    Company& company = Company::Get();
    ComPtr<ISession> session = company.NewSession();
    ComPtr<IDispatch> declaration;
    Company::Check(session->CreateObject(Bstr(u"TLXDeklaracje.Deklaracje").Get(),
                                         Variant::FromString(tlx::Utf8ToUtf16(std::to_string(company.SavedId()))),
                                         declaration.Out()),
                   "open");
    auto engine = ComPtr<IScriptEngine>(tlx::host::CScriptEngine::Make().Get());
    Bstr name(u"dekl"), loops(kReadLoops), code(call);
    Company::Check(engine->AddNamedItem(name.Get(), declaration.Get()), "AddNamedItem");
    Company::Check(engine->AddScriptText(loops.Get()), "AddScriptText");
    for (auto _ : state) {
        Variant result;
        Company::Check(engine->Evaluate(code.Get(), Variant(), result.Out()), "Evaluate");
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}

void WartoscFromScript(benchmark::State& state) { ScriptReadLoop(state, u"readStored(1000)"); }
void PlainScriptProperty(benchmark::State& state) { ScriptReadLoop(state, u"readPlain(1000)"); }

// Opens the saved VAT-7 in a new session, changes one position and saves it.
void SaveChangedInNewSession(benchmark::State& state) {
    Company& company = Company::Get();
    Variant key = Variant::FromString(tlx::Utf8ToUtf16(std::to_string(company.SavedId())));
    int round = 0;
    for (auto _ : state) {
        ComPtr<ISession> session = company.NewSession();
        ComPtr<IDispatch> declaration;
        Company::Check(session->CreateObject(Bstr(u"TLXDeklaracje.Deklaracje").Get(), key, declaration.Out()),
                       "open");
        Company::Put(declaration.Get(), u"P_19", Variant::FromDouble(1000 + (++round % 100)));
        Company::Call(declaration.Get(), u"Policz");
        Company::Check(session->SaveChanges(), "SaveChanges");
    }
}

// Milliseconds of processor time of this thread: a save's own work, without the waits of the
// commit's disk flushes, which a loaded machine makes erratic.
double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The median of a few values.
double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// N declarations added and saved one after another in one session: the processor time of the first
// saves against the last ones (medians of twenty: one save is a few milliseconds, and the machine is shared).
void SavesInOneSession(benchmark::State& state) {
    Company& company = Company::Get();
    const auto saves = static_cast<int>(state.range(0));
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        ComPtr<ISession> session = company.NewSession();
        ComPtr<ICollection> declarations = Company::Declarations(session.Get());
        for (int i = 0; i < saves; ++i) {
            Company::AddVat7(declarations.Get(), i);
            double start = ThreadCpuMs();
            Company::Check(session->SaveChanges(), "SaveChanges");
            times.push_back(ThreadCpuMs() - start);
        }
    }
    constexpr std::size_t kSpan = 20;
    double first = Median({times.begin(), times.begin() + std::min(kSpan, times.size())});
    double last = Median({times.end() - std::min(kSpan, times.size()), times.end()});
    state.counters["first_cpu_ms"] = first;
    state.counters["last_cpu_ms"] = last;
    state.counters["last/first"] = first > 0 ? last / first : 0;
}

// One save of N new declarations: time per declaration and the peak memory of the whole run.
void OneSaveOfManyNew(benchmark::State& state) {
    Company& company = Company::Get();
    const auto count = static_cast<int>(state.range(0));
    double perDeclaration = 0, cpuPerDeclaration = 0;
    long peakMb = 0;
    for (auto _ : state) {
        ResetPeakMemory();
        long before = StatusKilobytes("VmRSS");
        ComPtr<ISession> session = company.NewSession();
        ComPtr<ICollection> declarations = Company::Declarations(session.Get());
        for (int i = 0; i < count; ++i) Company::AddVat7(declarations.Get(), i);
        auto start = std::chrono::steady_clock::now();
        double cpuStart = ThreadCpuMs();
        Company::Check(session->SaveChanges(), "SaveChanges");
        perDeclaration =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / count;
        cpuPerDeclaration = (ThreadCpuMs() - cpuStart) / count;
        peakMb = (StatusKilobytes("VmHWM") - before) / 1024;
    }
    state.counters["save_ms_per_declaration"] = perDeclaration;
    state.counters["save_cpu_ms_per_declaration"] = cpuPerDeclaration;
    state.counters["peak_MB"] = static_cast<double>(peakMb);
}

// N sessions, each opening the saved VAT-7 and reading a position, then dropped: the growth of the
// resident size over the run.
void SessionsDropped(benchmark::State& state) {
    Company& company = Company::Get();
    const auto count = static_cast<int>(state.range(0));
    Variant key = Variant::FromString(tlx::Utf8ToUtf16(std::to_string(company.SavedId())));
    long growthMb = 0;
    for (auto _ : state) {
        long before = StatusKilobytes("VmRSS");
        for (int i = 0; i < count; ++i) {
            ComPtr<ISession> session = company.NewSession();
            ComPtr<IDispatch> declaration;
            Company::Check(session->CreateObject(Bstr(u"TLXDeklaracje.Deklaracje").Get(), key, declaration.Out()),
                           "open");
            benchmark::DoNotOptimize(Company::GetValue(declaration.Get(), u"P_19"));
        }
        growthMb = (StatusKilobytes("VmRSS") - before) / 1024;
    }
    state.counters["growth_MB"] = static_cast<double>(growthMb);
}

// A new session with its company connection.
void NewSession(benchmark::State& state) {
    Company& company = Company::Get();
    for (auto _ : state) {
        ComPtr<ISession> session = company.NewSession();
        Company::Check(session->Prepare(), "Prepare");
    }
}

// One configuration value, then one dated value, from a configuration object kept for the loop.
void ConfigurationValue(benchmark::State& state) {
    ComPtr<IDispatch> object;
    Company::Check(tlx::host::CurrentLogin()->CreateObject(Bstr(u"{A1E6C62D-2AE2-4D6A-B82B-17EF8DCFB6D1}").Get(),
                                                            object.Out()),
                   "Konfiguracja");
    auto configuration = object.As<IKonfiguracja>();
    Bstr key(u"FirmaNIP");
    for (auto _ : state) {
        Bstr value;
        Company::Check(configuration->GetValue(key.Get(), value.Out()), "GetValue");
    }
}

void DatedConfigurationValue(benchmark::State& state) {
    ComPtr<IDispatch> object;
    Company::Check(tlx::host::CurrentLogin()->CreateObject(Bstr(u"{A1E6C62D-2AE2-4D6A-B82B-17EF8DCFB6D1}").Get(),
                                                            object.Out()),
                   "Konfiguracja");
    auto configuration = object.As<IKonfiguracja>();
    Bstr key(u"VAT7_Wliczaj0");
    for (auto _ : state) {
        ComPtr<IParametr> parametr;
        Company::Check(configuration->GetParametr(key.Get(), 45383, parametr.Out()), "GetParametr");
    }
}

// The same text statement (a row by its key) run again and again on a session's connection.
void RepeatedStatement(benchmark::State& state) {
    Company& company = Company::Get();
    ComPtr<ISession> session = company.NewSession();
    ComPtr<Connection> connection;
    Company::Check(session.As<ISession2>()->get_Connection(connection.Out()), "Connection");
    Bstr sql(u"select isnull(dkn_numer, 0), dkn_typdeklar from tlx.deklnag where dkn_dknid = 1");
    for (auto _ : state) {
        ComPtr<Recordset> rows;
        Company::Check(connection->Execute(sql.Get(), nullptr, adCmdText, rows.Out()), "Execute");
    }
}

// The same statement prepared once and stepped with SQLite alone.
void SqliteRepeatedStatement(benchmark::State& state) {
    Company& company = Company::Get();
    sqlite3* db = nullptr;
    sqlite3_open_v2(company.File().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "select ifnull(dkn_numer, 0), dkn_typdeklar from deklnag where dkn_dknid = 1", -1, &statement,
                       nullptr);
    for (auto _ : state) {
        sqlite3_reset(statement);
        while (sqlite3_step(statement) == SQLITE_ROW) benchmark::DoNotOptimize(sqlite3_column_int(statement, 0));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

BENCHMARK(OpenInNewSession)->Unit(benchmark::kMillisecond);
BENCHMARK(SqliteReadOfItsRows)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveChangedInNewSession)->Unit(benchmark::kMillisecond);
BENCHMARK(SavesInOneSession)->Arg(100)->Arg(400)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(OneSaveOfManyNew)->Arg(benchscale::Size(1000, 20))->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(SessionsDropped)->Arg(100)->Arg(5000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(NewSession)->Unit(benchmark::kMicrosecond);
BENCHMARK(WartoscFromScript)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainScriptProperty)->Unit(benchmark::kMicrosecond);
BENCHMARK(ConfigurationValue)->Unit(benchmark::kMicrosecond);
BENCHMARK(DatedConfigurationValue)->Unit(benchmark::kMicrosecond);
BENCHMARK(RepeatedStatement)->Unit(benchmark::kMicrosecond);
BENCHMARK(SqliteRepeatedStatement)->Unit(benchmark::kMicrosecond);

// Keeps the real time per iteration of each benchmark and prints the open's ratio to its baseline.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatios() const {
        Ratio("OpenInNewSession", "SqliteReadOfItsRows", "open / SQLite read of its rows");
        Ratio("RepeatedStatement", "SqliteRepeatedStatement", "repeated statement / SQLite step");
    }

private:
    void Ratio(const char* measured, const char* baseline, const char* label) const {
        auto a = times_.find(measured), b = times_.find(baseline);
        if (a == times_.end() || b == times_.end() || b->second <= 0) return;
        std::printf("%s: %.1f\n", label, a->second / b->second);
    }
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
