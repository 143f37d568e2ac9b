// What a send's document is built from, noted while it is built: the declaration sent, each attachment
// or child declaration whose values went in, each with the version stamp and reference number it was
// read with, and, as text, the side-list rows that became groups of the document. The send claims these
// rows and no other, refuses when the database no longer holds them as they were read, and passes the
// office's answer on only to the attachments among them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "mv_deklaracje_tlb.h"
#include "platform/ado/Ado.h"

class FiledRows {
public:
    // How the rows read compare with the database.
    enum class Comparison {
        Same,
        Changed,  // another user saved or removed one of them since it was read
        Filed,    // the declaration sent has a reference number it was not read with: it was filed since
    };

    // The first declaration added is the one sent; a declaration already noted, or one never stored, is
    // not noted again.
    void AddDeclaration(IDeklaracja2* declaration);
    // The rows of one side list of a noted declaration as the document used them: those of TLX.`table`
    // that `condition` selects in the database (its "WHERE" clause).
    void AddList(std::u16string table, std::u16string condition, Recordset* rows);

    LONG SentId() const { return declarations_.empty() ? 0 : declarations_.front().id; }
    std::vector<LONG> Ids() const;
    // The noted declaration of that form type and number (an attachment), or nothing.
    std::optional<LONG> Find(LONG type, LONG number) const;
    // The noted declarations of that form type.
    std::vector<LONG> OfType(LONG type) const;

    // Run inside the claim's write transaction, so that no save comes between the comparison and the claim.
    Comparison Compare(Connection* connection) const;

private:
    struct Declaration {
        LONG id = 0;
        LONG type = 0;
        LONG number = 0;
        std::u16string stamp;      // DkN_TS_Mod as read, "YYYY-MM-DD hh:mm:ss", empty for none
        std::u16string reference;  // DkN_EDekl_RefID as read
    };
    struct List {
        std::u16string table, condition;
        std::vector<std::u16string> rows;  // each row's values as one text, sorted
    };

    std::vector<Declaration> declarations_;
    std::vector<List> lists_;
};
