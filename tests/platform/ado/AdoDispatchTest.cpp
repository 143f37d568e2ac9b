// Scripts reach recordsets, fields and connections through IDispatch by name.
#include <gtest/gtest.h>

#include "AdoTestSupport.h"

using namespace adotest;

namespace {
// Calls a member by name the way the script bridge does; arguments in their natural order.
HRESULT Call(IDispatch* object, const char16_t* name, WORD flags, std::vector<tlx::Variant> args,
             tlx::Variant* result = nullptr) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id); FAILED(hr)) return hr;
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    if (flags == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &put;
        params.cNamedArgs = 1;
    }
    EXCEPINFO exception{};
    tlx::Variant ignored;
    HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result ? result->Out() : ignored.Out(),
                                &exception, nullptr);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr;
}

tlx::Variant Get(IDispatch* object, const char16_t* name, std::vector<tlx::Variant> args = {}) {
    tlx::Variant result;
    EXPECT_EQ(Call(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, std::move(args), &result), S_OK)
        << tlx::Utf16ToUtf8(name);
    return result;
}

IDispatch* FieldOf(IDispatch* recordset, const char16_t* name, tlx::Variant& holder) {
    tlx::Variant fields = Get(recordset, u"Fields");
    holder = Get(fields.pdispVal, u"Item", {tlx::Variant::FromString(name)});
    return holder.pdispVal;
}

TEST(AdoDispatch, ARecordsetIsWorkedThroughByName) {
    TempDatabase db({"db/company"}, "INSERT INTO DeklNag (DkN_DkNID, DkN_TypDeklar) VALUES (12, 1);");
    auto connection = db.Open();
    tlx::Variant rows;
    ASSERT_EQ(Call(connection.Get(), u"Execute", DISPATCH_METHOD,
                   {tlx::Variant::FromString(u"select count(*) as ile from TLX.DeklNag")}, &rows),
              S_OK);
    ASSERT_EQ(rows.vt, VT_DISPATCH);
    tlx::Variant holder;
    EXPECT_EQ(Get(FieldOf(rows.pdispVal, u"ILE", holder), u"Value").lVal, 1);

    auto batch = OpenBatch(connection.Get(), u"select * from TLX.DeklStr");
    IDispatch* script = batch.Get();
    ASSERT_EQ(Call(script, u"addnew", DISPATCH_METHOD, {}), S_OK) << "optional arguments may be left out";
    EXPECT_EQ(Get(script, u"EditMode").lVal, adEditAdd);
    tlx::Variant tekst;
    ASSERT_EQ(Call(FieldOf(script, u"DkS_Tekst", tekst), u"Value", DISPATCH_PROPERTYPUT,
                   {tlx::Variant::FromString(u"<strona/>")}),
              S_OK);
    tlx::Variant dekl;
    ASSERT_EQ(Call(FieldOf(script, u"DkS_DkNID", dekl), u"Value", DISPATCH_PROPERTYPUT, {tlx::Variant::FromLong(12)}),
              S_OK);
    EXPECT_EQ(Get(script, u"Status").lVal, adRecNew);
    EXPECT_EQ(Get(script, u"RecordCount").lVal, 1);
    ASSERT_EQ(Call(script, u"UpdateBatch", DISPATCH_METHOD, {}), S_OK);
    EXPECT_EQ(Get(script, u"Status").lVal, adRecUnmodified);
    ASSERT_EQ(Call(script, u"Filter", DISPATCH_PROPERTYPUT, {tlx::Variant::FromString(u"DkS_DkNID = 13")}), S_OK);
    EXPECT_EQ(Get(script, u"RecordCount").lVal, 0);
    EXPECT_NE(Get(script, u"EOF").boolVal, VARIANT_FALSE);
    ASSERT_EQ(Call(script, u"Filter", DISPATCH_PROPERTYPUT, {tlx::Variant::FromLong(adFilterNone)}), S_OK);

    // Emptying a list the way the scripts do: delete from the first row until nothing is left.
    Call(script, u"MoveFirst", DISPATCH_METHOD, {});
    while (Get(script, u"RecordCount").lVal > 0) {
        ASSERT_EQ(Call(script, u"Delete", DISPATCH_METHOD, {}), S_OK);
        Call(script, u"MoveNext", DISPATCH_METHOD, {});
    }
    ASSERT_EQ(Call(script, u"UpdateBatch", DISPATCH_METHOD, {}), S_OK);
    EXPECT_EQ(Value(Execute(connection.Get(), u"select count(*) from TLX.DeklStr").Get(), 0).lVal, 0);

    tlx::Variant result;
    EXPECT_EQ(Call(script, u"NoSuchMember", DISPATCH_METHOD, {}, &result), DISP_E_UNKNOWNNAME);
}

}  // namespace
