// What the PFRON calculations do to the declarations they fill: fields written and read by name, the
// attachments of an earlier run removed, dated configuration values, and the employee's address with
// the voivodeship's code. Shared by the INF-D, the WN-D and the WN-U.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "hostapi/Collections.h"
#include "hostapi/Configuration.h"
#include "hostapi/Payroll.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ComPtr.h"

// The object a host call answered; a missing one raises E_POINTER.
template <class T>
const tlx::ComPtr<T>& Require(const tlx::ComPtr<T>& object) {
    if (!object) RaiseHResult(E_POINTER);
    return object;
}

// A whole-number property of a host object, read through its getter.
template <class T>
long ReadLong(T* object, HRESULT (T::*member)(LONG*)) {
    LONG value = 0;
    CheckHost((object->*member)(&value));
    return value;
}

void PutField(IDeklaracja2* declaration, const OLECHAR* field, const VARIANT& value);
void PutTextField(IDeklaracja2* declaration, const OLECHAR* field, std::u16string_view text);
void PutLongField(IDeklaracja2* declaration, const OLECHAR* field, LONG value);
tlx::Variant ReadField(IDeklaracja2* declaration, const OLECHAR* field);

// A calculation's own session with the declaration of identifier `id` loaded in it, and the
// configuration of the operator's login. A missing object on the way raises E_POINTER.
struct PfronRunSession {
    tlx::ComPtr<ISession> session;
    tlx::ComPtr<IDeklaracja2> declaration;
    tlx::ComPtr<IKonfiguracja> configuration;
};
PfronRunSession OpenPfronRunSession(LONG id);

// Removes every child declaration of `declaration`, whatever its form type.
void RemoveChildDeclarations(IDeklaracja2* declaration);
// Calls `removeFirst` while `count` answers more than 0; a removal that does not lower the count stops
// with E_UNEXPECTED rather than going round for ever.
void RemoveWhileAny(const std::function<LONG()>& count, const std::function<void()>& removeFirst);

// The configuration value of `key` valid on `day`.
tlx::Variant ReadConfigurationValue(IKonfiguracja* configuration, const OLECHAR* key, CDate day);
// A configuration value as money: the host keeps it as text with a decimal point or comma.
CMoney ConfigurationMoney(const VARIANT& value);

// The rows of a query on the session's connection, the first `columns` columns of each as longs.
std::vector<std::vector<LONG>> ReadLongRows(ISession* session, std::u16string_view sql, int columns);

// A text member of a dated record.
std::u16string ReadRecordText(IPracEtat* record, HRESULT (IPracEtat::*member)(BSTR*));

// The top-level employee cards, by identifier: each row its card and whether it has linked cards.
std::vector<std::vector<LONG>> ReadTopCards(ISession* session);
// The cards of a group: its top card `head` first, then the cards linked to it, by identifier.
std::vector<LONG> ReadGroupCards(ISession* session, LONG head);

// The run's collection of declarations in `session`, made in `kept` on first use: every attachment of a
// run is added to it, so that the declarations' rows are read once a run, not at every attachment, and
// the save writes the new rows together.
ICollection* RunDeclarations(ISession* session, tlx::ComPtr<ICollection>& kept);

// A new attachment of form `type` under the declaration `parent` of identifier `parentId`, added to the
// run's `declarations`: in `version` (none for 0), numbered `number`, with the parent's reporting
// period, kind of information and PFRON number.
tlx::ComPtr<IDeklaracja2> NewPfronAttachment(ICollection* declarations, IDeklaracja2* parent, LONG parentId, LONG type,
                                             LONG version, LONG number);

// Writes the employee's names, gender, tax number and PESEL (or, without one, the identity-card or else
// the passport number) into an attachment. An empty gender stops the calculation with the PFRON user
// error naming `employee`.
void WritePfronIdentity(IDeklaracja2* attachment, IPracEtat* record, const CBstr& employee);

// Writes the address fields of `record` into an attachment: GMINA, KODPOCZTOWY, MIASTO,
// MSCEZAMIESZKANIA, NRDOMU, NRLOKALU, ULICA, POCZTA, POWIAT and WOJEWODZTWO (the code of the
// voivodeship named in the address, looked up in the host's list; a name it does not know stops the
// calculation with the PFRON user error naming `employee`).
class PfronAddressWriter {
public:
    explicit PfronAddressWriter(ISession* session);
    void Write(IDeklaracja2* attachment, IPracEtat* record, const CBstr& employee);

private:
    tlx::ComPtr<ISession> session_;
    tlx::ComPtr<ICollection> lookup_;
};
