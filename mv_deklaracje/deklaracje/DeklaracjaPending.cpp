// What hangs on a declaration's row when the row is deleted or saved: the children removed with a
// deleted declaration, and the test whether a child collection holds changes not stored yet.
#include <algorithm>
#include <vector>

#include "mv_deklaracje/deklaracje/Deklaracja.h"

namespace {

tlx::ComPtr<Recordset> RowsOf(ICollection* collection) {
    tlx::ComPtr<IAdoCollection> rows = tlx::ComPtr<ICollection>(collection).As<IAdoCollection>();
    if (!rows) RaiseHResult(E_POINTER);
    tlx::ComPtr<Recordset> recordset;
    CheckHost(rows->get_Recordset(recordset.Out()));
    if (!recordset) RaiseHResult(E_POINTER);
    return recordset;
}

// Rows added, changed or deleted and not stored yet. The pending-rows filter stays on the recordset;
// the collection puts its own back before its next walk.
bool HasPendingRows(ICollection* collection) {
    tlx::ComPtr<Recordset> rows = RowsOf(collection);
    LONG count = 0;
    CheckHost(rows->get_RecordCount(&count));
    if (count == -1) return false;
    CheckHost(rows->put_Filter(tlx::Variant::FromLong(adFilterPendingRecords)));
    CheckHost(rows->get_RecordCount(&count));
    return count > 0;
}

}  // namespace

// The rows of a deleted declaration go with its row when it is saved (RemoveRowsOfDeletedDeclaration);
// nothing is touched before that, so a deletion taken back leaves the declaration whole.
void CDeklaracja::OnDelete2() {}

namespace {

// The tables whose rows hang on a declaration, by the column that holds its identifier.
constexpr const OLECHAR* kRowsOfDeclaration[][2] = {
    {u"DeklStr", u"DkS_DkNID"},   {u"DeklElem", u"DkE_DkNID"}, {u"DeklWydr", u"DkW_DkNID"},
    {u"DeklVUEK", u"DVU_DkNID"},  {u"DeklV27", u"V27_DkNID"},  {u"DeklV27K", u"DVK_DkNID"},
    {u"VATZD", u"VaZ_DkNId"},
};

std::vector<LONG> ChildIdentifiers(Connection* connection, LONG parent) {
    tlx::ComPtr<Recordset> rows;
    CBstr sql = CBstr(u"select DkN_DkNID from TLX.DeklNag where DkN_ParentID = ") + LongToString(parent);
    CheckHost(connection->Execute(tlx::Bstr(sql.View()).Get(), nullptr, adCmdText, rows.Out()));
    if (!rows) RaiseHResult(E_POINTER);
    std::vector<LONG> ids;
    for (VARIANT_BOOL eof = VARIANT_FALSE; CheckHost(rows->get_EOF(&eof)), !eof; CheckHost(rows->MoveNext())) {
        tlx::ComPtr<Fields> fields;
        CheckHost(rows->get_Fields(fields.Out()));
        tlx::ComPtr<Field> field;
        CheckHost(fields->get_Item(tlx::Variant::FromLong(0), field.Out()));
        tlx::Variant value;
        CheckHost(field->get_Value(value.Out()));
        ids.push_back(VariantToLong(value));
    }
    return ids;
}

void Run(Connection* connection, const CBstr& sql) {
    tlx::Variant affected;
    tlx::ComPtr<Recordset> none;
    CheckHost(connection->Execute(tlx::Bstr(sql.View()).Get(), affected.Out(), adCmdText, none.Out()));
}

}  // namespace

// Run when the deleted row is saved, inside the save's transaction: the pending changes of the child
// collections built so far are dropped (their rows are going), then the stored values, pages, printout
// lines and side-list rows of the declaration and of its child declarations (to any depth) are deleted,
// and the child declarations' own rows; the declaration's row goes with the batch.
void CDeklaracja::RemoveRowsOfDeletedDeclaration() {
    for (const auto& collection : children_)
        if (collection) CheckHost(RowsOf(collection.Get())->CancelBatch(adAffectAll));
    for (const auto& list : subLists_)
        if (list) CheckHost(RowsOf(list.Get())->CancelBatch(adAffectAll));
    tlx::ComPtr<ISession2> session = GetSession().As<ISession2>();
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<Connection> connection;
    CheckHost(session->get_Connection(connection.Out()));
    if (!connection) RaiseHResult(E_POINTER);
    LONG root = ReadIdentifier();
    if (root == 0) return;
    std::vector<LONG> tree{root};
    for (std::size_t i = 0; i < tree.size(); ++i)
        for (LONG child : ChildIdentifiers(connection.Get(), tree[i]))
            if (std::find(tree.begin(), tree.end(), child) == tree.end()) tree.push_back(child);
    for (LONG id : tree) {
        for (const auto& [table, column] : kRowsOfDeclaration)
            Run(connection.Get(), CBstr(u"delete from TLX.") + std::u16string_view(table) + std::u16string_view(u" where ") +
                                      std::u16string_view(column) + std::u16string_view(u" = ") + LongToString(id));
        if (id != root) Run(connection.Get(), CBstr(u"delete from TLX.DeklNag where DkN_DkNID = ") + LongToString(id));
    }
}

// Whether a built page, stored-value, printout or side-list collection holds changes not stored yet.
bool CDeklaracja::ChildrenHavePendingChanges() {
    for (Child which : {Child::Pages, Child::Elements, Child::Printouts})
        if (const auto& collection = children_[static_cast<int>(which)]; collection && HasPendingRows(collection.Get()))
            return true;
    for (const auto& list : subLists_)
        if (list && HasPendingRows(list.Get())) return true;
    return false;
}

// A row being added, edited or deleted (also one whose edit is done but not stored), or a built child collection or side list holding changes.
HRESULT CDeklaracja::HasUnsavedChanges(VARIANT_BOOL* pending) {
    return ComBoundary([&] {
        EditModeEnum editMode{};
        LONG status = 0;
        CheckHost(BoundRecordset()->get_EditMode(&editMode));
        CheckHost(BoundRecordset()->get_Status(&status));
        const bool rowPending = editMode != adEditNone || (status & (adRecNew | adRecModified | adRecDeleted)) != 0;
        *RequireOut(pending) = rowPending || ChildrenHavePendingChanges() ? VARIANT_TRUE : VARIANT_FALSE;
    });
}
