#include "host/Database.h"

#include "host/HostError.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/AsciiCase.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

std::u16string ConnectionText(const std::string& path) { return u"Data Source=" + Utf8ToUtf16(path); }

ComPtr<Connection> OpenConnection(BSTR connectionText) {
    Check(ado::RegisterAdoClasses());
    ComPtr<Connection> connection;
    Check(CoCreateInstance(CLSID_Connection, nullptr, CLSCTX_ALL, IidOf<Connection>(), connection.OutVoid()));
    Check(connection->Open(connectionText, nullptr, nullptr, -1));
    return connection;
}

ComPtr<Connection> OpenConnection(const std::string& path) { return OpenConnection(Bstr(ConnectionText(path)).Get()); }

ComPtr<Recordset> OpenRecordset(Connection* connection, std::u16string_view sql) {
    Check(ado::RegisterAdoClasses());
    ComPtr<Recordset> recordset;
    Check(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IidOf<Recordset>(), recordset.OutVoid()));
    Check(recordset->put_CursorLocation(adUseClient));
    Check(recordset->Open(Variant::FromString(sql), Variant::FromDispatch(Require(connection)), adOpenStatic,
                          adLockBatchOptimistic, adCmdText));
    return recordset;
}

void ExecuteSql(Connection* connection, std::u16string_view sql) {
    ComPtr<Recordset> ignored;
    Bstr text(sql);
    Check(Require(connection)->Execute(text.Get(), nullptr, adCmdText, ignored.Out()));
}

bool AtEnd(Recordset* recordset) {
    VARIANT_BOOL bof = VARIANT_FALSE, eof = VARIANT_FALSE;
    Check(recordset->get_BOF(&bof));
    Check(recordset->get_EOF(&eof));
    return bof || eof;
}

void ForEachField(Recordset* recordset, const std::function<void(Field* field, std::u16string_view name)>& visit) {
    ComPtr<Fields> fields;
    Check(Require(recordset)->get_Fields(fields.Out()));
    LONG count = 0;
    Check(fields->get_Count(&count));
    for (LONG i = 0; i < count; ++i) {
        ComPtr<Field> field;
        Check(fields->get_Item(Variant::FromLong(i), field.Out()));
        Bstr name;
        Check(field->get_Name(name.Out()));
        visit(field.Get(), name.View());
    }
}

ComPtr<Field> FindField(Recordset* recordset, std::u16string_view name) {
    ComPtr<Fields> fields;
    Check(Require(recordset)->get_Fields(fields.Out()));
    ComPtr<Field> found;
    // Fields.Item by name compares without regard to case; a missing column is no failure here.
    if (FAILED(fields->get_Item(Variant::FromString(name), found.Out()))) {
        TakeErrorDescription();
        return nullptr;
    }
    return found;
}

Variant ReadField(Recordset* recordset, std::u16string_view name) {
    ComPtr<Field> field = FindField(recordset, name);
    if (!field) Fail(adErrItemNotFound, u"Brak kolumny " + std::u16string(name));
    Variant value;
    Check(field->get_Value(value.Out()));
    return value;
}

void WriteField(Recordset* recordset, std::u16string_view name, const VARIANT& value) {
    ComPtr<Field> field = FindField(recordset, name);
    if (!field) Fail(adErrItemNotFound, u"Brak kolumny " + std::u16string(name));
    Check(field->put_Value(value));
}

std::u16string ReadText(Recordset* recordset, std::u16string_view name) {
    Variant value = ReadField(recordset, name);
    if (value.vt == VT_NULL || value.vt == VT_EMPTY) return {};
    if (value.vt == VT_BSTR) return std::u16string(value.bstrVal ? value.bstrVal : u"", SysStringLen(value.bstrVal));
    Variant text;
    Check(VariantChangeType(&text, &value, 0, VT_BSTR));
    return std::u16string(text.bstrVal ? text.bstrVal : u"", SysStringLen(text.bstrVal));
}

LONG ReadLong(Recordset* recordset, std::u16string_view name) {
    ComPtr<Field> field = FindField(recordset, name);
    if (!field) Fail(adErrItemNotFound, u"Brak kolumny " + std::u16string(name));
    return ReadLong(field.Get());
}

LONG ReadLong(Field* field) {
    Variant value;
    Check(field->get_Value(value.Out()));
    if (value.vt == VT_NULL || value.vt == VT_EMPTY) return 0;
    if (value.vt == VT_I4) return value.lVal;
    Variant number;
    Check(VariantChangeType(&number, &value, 0, VT_I4));
    return number.lVal;
}

std::u16string QuoteSql(std::u16string_view text) {
    std::u16string quoted = u"'";
    for (char16_t c : text) {
        quoted.push_back(c);
        if (c == u'\'') quoted.push_back(u'\'');
    }
    quoted.push_back(u'\'');
    return quoted;
}

}  // namespace tlx::host
