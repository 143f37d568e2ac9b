// Stored ZUS declarations for the KEDU tests: a header row of a type and version, and its page rows.
#pragma once

#include <string>
#include <string_view>

#include "DeclarationFixture.h"
#include "mv_deklaracje/core/Bstr.h"

namespace tlx::test {

class KeduDeclarationTest : public DeclarationTest {
protected:
    // A declaration of March 2024 without pages; answers its identifier.
    LONG Insert(long type, long version = 1) {
        Execute(u"insert into TLX.DeklNag (DkN_TypDeklar, DkN_Wersja, DkN_RokMiesiac) values (" + Number(type) +
                u", " + Number(version) + u", 202403)");
        const LONG id = std::stol(Utf16ToUtf8(Scalar(u"select max(DkN_DkNID) from TLX.DeklNag")));
        // A DRA is filed under its identifier: number 01 of its own month.
        if (type == 120)
            Execute(u"insert into TLX.DeklElem (DkE_DkNID, DkE_Numer, DkE_WartoscL) values (" + Number(id) +
                    u", 1, 1032024)");
        return id;
    }
    // A page row of the declaration, with its page number.
    void Page(LONG id, long number, std::u16string_view text) {
        std::u16string quoted;
        for (char16_t c : text) quoted += c == u'\'' ? std::u16string(u"''") : std::u16string(1, c);
        Execute(u"insert into TLX.DeklStr (DkS_DkNID, DkS_Lp, DkS_Tekst) values (" + Number(id) + u", " +
                Number(number) + u", '" + quoted + u"')");
    }
    static std::u16string Number(long n) { return std::u16string(LongToString(n).View()); }
};

}  // namespace tlx::test
