// ADO record objects over SQLite: the Connection, Recordset, Fields and Field interfaces with the
// enumerations the module and the host pass to them. Recordsets are client-side, static and
// batch-optimistic; every statement runs through the T-SQL rewriter (SqlRewriter.h).
#pragma once

#include "platform/com/Variant.h"

enum CommandTypeEnum : LONG {
    adCmdUnspecified = -1,
    adCmdText = 1,
    adCmdTable = 2,
    adCmdUnknown = 8,
};

enum CursorTypeEnum : LONG {
    adOpenUnspecified = -1,
    adOpenForwardOnly = 0,
    adOpenKeyset = 1,
    adOpenDynamic = 2,
    adOpenStatic = 3,
};

enum LockTypeEnum : LONG {
    adLockUnspecified = -1,
    adLockReadOnly = 1,
    adLockPessimistic = 2,
    adLockOptimistic = 3,
    adLockBatchOptimistic = 4,
};

enum CursorLocationEnum : LONG {
    adUseServer = 2,
    adUseClient = 3,
};

enum ObjectStateEnum : LONG {
    adStateClosed = 0,
    adStateOpen = 1,
};

enum EditModeEnum : LONG {
    adEditNone = 0,
    adEditInProgress = 1,
    adEditAdd = 2,
    adEditDelete = 4,
};

enum RecordStatusEnum : LONG {
    adRecOK = 0,
    adRecNew = 0x1,
    adRecModified = 0x2,
    adRecDeleted = 0x4,
    adRecUnmodified = 0x8,
    adRecDBDeleted = 0x40000,
};

enum AffectEnum : LONG {
    adAffectCurrent = 1,
    adAffectGroup = 2,
    adAffectAll = 3,
};

enum ResyncEnum : LONG {
    adResyncUnderlyingValues = 1,
    adResyncAllValues = 2,
};

enum FilterGroupEnum : LONG {
    adFilterNone = 0,
    adFilterPendingRecords = 1,
};

enum DataTypeEnum : LONG {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBoolean = 11,
    adBigInt = 20,
    adWChar = 130,
    adDBTimeStamp = 135,
    adVarChar = 200,
    adVarWChar = 202,
    adLongVarWChar = 203,
};

// Field attributes given to Fields.Append.
enum FieldAttributeEnum : LONG {
    adFldUnspecified = -1,
    adFldMayBeNull = 0x40,
    adFldIsNullable = 0x20,
};

// The errors a recordset reports on its own (a database failure carries the database's code).
inline constexpr HRESULT adErrNoCurrentRecord = static_cast<HRESULT>(0x800A0BCD);
inline constexpr HRESULT adErrItemNotFound = static_cast<HRESULT>(0x800A0CC1);
inline constexpr HRESULT adErrObjectClosed = static_cast<HRESULT>(0x800A0E78);
inline constexpr HRESULT adErrObjectOpen = static_cast<HRESULT>(0x800A0E79);
inline constexpr HRESULT adErrFeatureNotAvailable = static_cast<HRESULT>(0x800A0CB3);
inline constexpr HRESULT adErrInvalidArgument = static_cast<HRESULT>(0x800A0BB9);
inline constexpr HRESULT adErrDataConversion = static_cast<HRESULT>(0x800A0D5D);
inline constexpr HRESULT adErrDatabase = static_cast<HRESULT>(0x80040E14);
inline constexpr HRESULT adErrIntegrityViolation = static_cast<HRESULT>(0x80040E2F);
// UpdateBatch found a row changed or deleted in the database since it was read (DB_E_CONCURRENCYVIOLATION).
inline constexpr HRESULT adErrConcurrencyViolation = static_cast<HRESULT>(0x80040E38);

struct Recordset;

struct Field : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{6F1A0C41-2B7D-4E55-9A63-0D5B7C1E4A01}");
    using Base = IDispatch;
    virtual HRESULT get_Name(BSTR* name) = 0;
    virtual HRESULT get_Type(DataTypeEnum* type) = 0;
    virtual HRESULT get_DefinedSize(LONG* size) = 0;
    virtual HRESULT get_Value(VARIANT* value) = 0;
    virtual HRESULT put_Value(VARIANT value) = 0;
    // The value as the database holds it (as read, or as last written by UpdateBatch or Resync).
    virtual HRESULT get_UnderlyingValue(VARIANT* value) = 0;

protected:
    ~Field() = default;
};

struct Fields : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{6F1A0C41-2B7D-4E55-9A63-0D5B7C1E4A02}");
    using Base = IDispatch;
    virtual HRESULT get_Count(LONG* count) = 0;
    // By 0-based index (any integer VARIANT) or by name, compared without regard to case.
    virtual HRESULT get_Item(VARIANT index, Field** field) = 0;
    // Declares a column of a recordset built in memory, before its Open().
    virtual HRESULT Append(BSTR name, DataTypeEnum type, LONG definedSize, LONG attributes, VARIANT value) = 0;

protected:
    ~Fields() = default;
};

struct Connection : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{6F1A0C41-2B7D-4E55-9A63-0D5B7C1E4A03}");
    using Base = IDispatch;
    virtual HRESULT get_ConnectionString(BSTR* text) = 0;
    virtual HRESULT put_ConnectionString(BSTR text) = 0;
    virtual HRESULT get_State(LONG* state) = 0;
    // "Data Source=<file>" (other keys are ignored) or a bare file name; empty arguments take the
    // ConnectionString set before.
    virtual HRESULT Open(BSTR connectionString, BSTR user, BSTR password, LONG options) = 0;
    virtual HRESULT Close() = 0;
    // A recordset for a statement that yields rows, null for one that does not.
    virtual HRESULT Execute(BSTR commandText, VARIANT* recordsAffected, LONG options, Recordset** result) = 0;
    virtual HRESULT BeginTrans(LONG* level) = 0;
    virtual HRESULT CommitTrans() = 0;
    virtual HRESULT RollbackTrans() = 0;

protected:
    ~Connection() = default;
};

struct Recordset : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{6F1A0C41-2B7D-4E55-9A63-0D5B7C1E4A04}");
    using Base = IDispatch;
    virtual HRESULT get_Fields(Fields** fields) = 0;
    virtual HRESULT get_BOF(VARIANT_BOOL* bof) = 0;
    virtual HRESULT get_EOF(VARIANT_BOOL* eof) = 0;
    virtual HRESULT MoveFirst() = 0;
    virtual HRESULT MoveLast() = 0;
    virtual HRESULT MoveNext() = 0;
    virtual HRESULT MovePrevious() = 0;
    virtual HRESULT get_RecordCount(LONG* count) = 0;
    virtual HRESULT get_Bookmark(VARIANT* bookmark) = 0;
    virtual HRESULT put_Bookmark(VARIANT bookmark) = 0;
    virtual HRESULT get_EditMode(EditModeEnum* mode) = 0;
    virtual HRESULT get_Status(LONG* status) = 0;
    virtual HRESULT get_State(LONG* state) = 0;
    virtual HRESULT get_Filter(VARIANT* criteria) = 0;
    virtual HRESULT put_Filter(VARIANT criteria) = 0;
    virtual HRESULT get_Sort(BSTR* criteria) = 0;
    virtual HRESULT put_Sort(BSTR criteria) = 0;
    virtual HRESULT get_CursorLocation(CursorLocationEnum* location) = 0;
    virtual HRESULT put_CursorLocation(CursorLocationEnum location) = 0;
    virtual HRESULT get_LockType(LockTypeEnum* lockType) = 0;
    virtual HRESULT put_LockType(LockTypeEnum lockType) = 0;
    virtual HRESULT get_ActiveConnection(VARIANT* connection) = 0;
    virtual HRESULT putref_ActiveConnection(IDispatch* connection) = 0;
    // source: the statement text (or missing for a recordset built with Fields.Append); connection: a
    // Connection object or a connection string.
    virtual HRESULT Open(VARIANT source, VARIANT activeConnection, CursorTypeEnum cursorType, LockTypeEnum lockType,
                         LONG options) = 0;
    virtual HRESULT Close() = 0;
    // fieldList and values: missing, one name and one value, or arrays are not taken.
    virtual HRESULT AddNew(VARIANT fieldList, VARIANT values) = 0;
    virtual HRESULT Update(VARIANT fields, VARIANT values) = 0;
    virtual HRESULT CancelUpdate() = 0;
    virtual HRESULT Delete(AffectEnum affectRecords) = 0;
    virtual HRESULT UpdateBatch(AffectEnum affectRecords) = 0;
    virtual HRESULT CancelBatch(AffectEnum affectRecords) = 0;
    virtual HRESULT Resync(AffectEnum affectRecords, ResyncEnum resyncValues) = 0;

protected:
    ~Recordset() = default;
};

// The classes as their ProgIDs "ADODB.Connection" and "ADODB.Recordset" name them.
inline constexpr CLSID CLSID_Connection = tlx::MakeGuid(u"{00000514-0000-0010-8000-00AA006D2EA4}");
inline constexpr CLSID CLSID_Recordset = tlx::MakeGuid(u"{00000535-0000-0010-8000-00AA006D2EA4}");

namespace tlx::ado {
// Registers the two classes with the process's class registry (once; later calls do nothing).
HRESULT RegisterAdoClasses();
}  // namespace tlx::ado
