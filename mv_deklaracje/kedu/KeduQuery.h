// Queries of the KEDU writers on a host session of their own, so that they neither wait for nor disturb
// the caller's session: one read-only, forward-only recordset, closed after every query.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "hostapi/Session.h"
#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"

class KeduQuery {
public:
    // Opens the session through the host application's login; a failure raises its HRESULT, a missing
    // object E_POINTER.
    KeduQuery();

    // The first column of every row the query returns, as text, in the order returned. A NULL value has
    // no text and fails its conversion with DISP_E_TYPEMISMATCH.
    std::vector<std::u16string> FirstColumn(std::u16string_view sql);

    // The stored page text of declaration `declarationId`: its page rows joined in the order of their page
    // numbers, so that a block split between two pages reads whole; the empty text without rows.
    std::u16string PageText(long declarationId);

private:
    // The session owns the connection: it is kept while the queries run.
    tlx::ComPtr<ISession> session_;
    tlx::ComPtr<Connection> connection_;
    tlx::ComPtr<Recordset> rows_;
};
