// The e-declaration columns (DkN_EDekl_...) of a declaration written straight into its stored row, as
// the office's answers are stored: in one write transaction of their own that runs no form check and
// stores nothing else the session holds, so that nothing but a failure of the database keeps an answer
// from the row. The declarations filed with it receive their copies in the same transaction.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "mv_deklaracje_tlb.h"
#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"

class FilingColumns {
public:
    // The e-declaration columns, their names after "DkN_EDekl_", in the order the declaration clears them.
    static const std::initializer_list<const char16_t*> kAll;

    // Writes the e-declaration columns whose values the declaration's row holds changed (set through its
    // EDekl_ properties) into its stored row, and copies the `copied` columns of that row into the rows
    // of `linked`. The session's copy of the row is read again: it holds no unsaved change afterwards
    // unless it held one of another column before. A failure changes no row.
    static void Store(IDeklaracja2* declaration, const std::vector<LONG>& linked,
                      std::initializer_list<const char16_t*> copied);
};

// The recordset row the declaration is bound to; null for a declaration of another kind.
tlx::ComPtr<Recordset> BoundRow(IDeklaracja2* declaration);
// A time as the database keeps it: "YYYY-MM-DD HH:MM:SS".
std::u16string StoredTimeText(DATE time);
// A value as an SQL value: NULL, a quoted text or time, a whole number.
std::u16string SqlValue(const VARIANT& value);
// The company database's connection of the declaration's session.
tlx::ComPtr<Connection> CompanyConnection(IDeklaracja2* declaration);
// Runs a statement; the number of rows it changed.
LONG ExecuteSql(Connection* connection, const std::u16string& sql);
// The declaration's row read again as the database holds it now, the session's unsaved changes kept.
void ReadBack(IDeklaracja2* declaration);

// A write transaction of the company database, rolled back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(Connection* connection);
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    ~WriteTransaction();
    void Commit();

private:
    Connection* connection_;
    bool committed_ = false;
};
