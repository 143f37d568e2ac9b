// Reads of a long calculation that share one read transaction per connection. While a SharedReads lives
// on a thread, each connection that thread prepares a statement on keeps one read of its files open, so
// that SQLite does not take and drop the file's shared lock, and look at the file again, around every
// one of the calculation's many small statements. Only reads are shared: a statement that writes first
// lets go of every read the thread keeps, and none is kept again while that write's transaction is open,
// so a writer of this process never waits for the thread's own reads, and the write lock is taken only
// while rows are written. A connection going back to the pool, or closing, lets its read go. Writers of
// other processes wait for a reader to end: a kept read is let go and taken anew at the first statement
// after it has been kept a tenth of a second, so that they never wait for the whole calculation.
#pragma once

struct sqlite3;

namespace tlx::ado {

class SqliteDatabase;

class SharedReads {
public:
    SharedReads();
    ~SharedReads();
    SharedReads(const SharedReads&) = delete;
    SharedReads& operator=(const SharedReads&) = delete;

    // Whether a SharedReads lives on this thread.
    static bool Open();
    // How many connections keep a read for this thread now.
    static int Kept();

    // Called by the connections: before a statement is prepared (the connection keeps its read), before
    // a statement that writes runs (every read is let go), and when a connection is given back or closed.
    static void BeforeStatement(SqliteDatabase& database);
    static void BeforeWrite(sqlite3* writer);
    static void Forget(SqliteDatabase& database);
};

}  // namespace tlx::ado
