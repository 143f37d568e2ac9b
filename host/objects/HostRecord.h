// The base of the host's own record objects (tax office, currency, payment form, document definition,
// employee, accounting entry): a row of a host table bound by a host collection. A record remembers its
// row's bookmark and reads and writes that row whatever row the shared recordset stands on since.
#pragma once

#include <string>

#include "host/Database.h"
#include "host/HostError.h"
#include "host/session/HostSession.h"
#include "hostapi/SessionDispatch.h"
#include "hostapi/Framework.h"

namespace tlx::host {

// What a host table looks like to its record class and its collection class.
struct HostTable {
    const char16_t* table;      // in schema TLX
    const char16_t* prefix;     // column prefix with its underscore ("Urz_")
    const char16_t* idColumn;   // full name ("Urz_UrzID")
    const char16_t* itemClass;  // the record class's ProgID
};

// `More`: further interfaces of the record (a second dual interface as Dispatch<J>); the record's
// IDispatch is I's.
template <class Derived, class I, class... More>
class HostRecord : public ComObject<Derived, Dispatch<I>, More..., IInitializeSession, IInitializeRS, IIdentity, ISaveable,
                                    ISessionHolder> {
public:
    ULONG HoldsOnSession() override { return (session_ ? 1 : 0) + OtherHoldsOnSession(); }

    // Reference rows are written by their collection's save; the record keeps only its save mode.
    HRESULT get_ROSaveMode(LONG* mode) override {
        if (!mode) return E_POINTER;
        *mode = roSaveMode_;
        return S_OK;
    }
    HRESULT put_ROSaveMode(LONG mode) override {
        roSaveMode_ = mode;
        return S_OK;
    }
    HRESULT Save(LONG) override { return S_OK; }

    HRESULT Initialize(ISession* session, LONG* state) override {
        if (!session || !state) return E_POINTER;
        session_ = ComPtr<ISession>(session);
        *state = hostStateBusinessObject;
        return S_OK;
    }
    HRESULT BindRecordset(Recordset* recordset, LONG, BSTR prefix) override {
        return Boundary([&] {
            recordset_ = ComPtr<Recordset>(Require(recordset));
            prefix_ = SysStringLen(prefix) ? std::u16string(prefix, SysStringLen(prefix))
                                           : std::u16string(Derived::kTable.prefix);
            hasRow_ = !AtEnd(recordset);
            if (hasRow_) {
                Variant bookmark;
                Check(recordset->get_Bookmark(bookmark.Out()));
                bookmark_ = bookmark;
            }
        });
    }
    HRESULT GetRecordset(Recordset** recordset) override { return recordset_.CopyTo(recordset); }
    HRESULT get_ID(LONG* id) override {
        return Boundary([&] { *Require(id) = ReadNumber(std::u16string(Derived::kTable.idColumn).substr(prefix_.size())); });
    }

protected:
    // References on the session kept by what the record owns alone (a record class with such parts says so).
    virtual ULONG OtherHoldsOnSession() { return 0; }
    // The record's own row, current in the shared recordset.
    Recordset* Row() {
        if (!recordset_ || !hasRow_) Fail(E_POINTER, u"Rekord nie jest związany z wierszem");
        Check(recordset_->put_Bookmark(bookmark_));
        return recordset_.Get();
    }
    // Columns by their names without the prefix; a column the table lacks reads as empty or 0.
    std::u16string ReadString(std::u16string_view column) {
        std::u16string name = prefix_ + std::u16string(column);
        Recordset* row = Row();
        return FindField(row, name) ? ReadText(row, name) : std::u16string();
    }
    LONG ReadNumber(std::u16string_view column) {
        std::u16string name = prefix_ + std::u16string(column);
        Recordset* row = Row();
        return FindField(row, name) ? ReadLong(row, name) : 0;
    }
    Variant ReadValue(std::u16string_view column) {
        std::u16string name = prefix_ + std::u16string(column);
        Recordset* row = Row();
        return FindField(row, name) ? ReadField(row, name) : Variant();
    }
    void Write(std::u16string_view column, const VARIANT& value) { WriteField(Row(), prefix_ + std::u16string(column), value); }
    HRESULT GetString(std::u16string_view column, BSTR* out) {
        return Boundary([&] { *Require(out) = Bstr(ReadString(column)).Detach(); });
    }
    HRESULT GetNumber(std::u16string_view column, LONG* out) {
        return Boundary([&] { *Require(out) = ReadNumber(column); });
    }

    ComPtr<ISession> session_;
    ComPtr<Recordset> recordset_;
    std::u16string prefix_;
    Variant bookmark_;
    bool hasRow_ = false;
    LONG roSaveMode_ = 0;
};

}  // namespace tlx::host
