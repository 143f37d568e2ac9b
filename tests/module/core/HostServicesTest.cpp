#include "ModuleClassFixture.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/VariantHelpers.h"

namespace {
// The answer of ExecuteScalarSql as a HRESULT with the value it left.
HRESULT ScalarOf(IDispatch* host, const char16_t* sql, tlx::Variant& value, bool config = false) {
    return ComBoundary([&] { ExecuteScalarSql(value.Out(), host, sql, config); });
}
}  // namespace

class HostServices : public ModuleClassTest {};

TEST_F(HostServices, ScalarQueryAnswersTheFirstRowsOnlyValue) {
    tlx::Variant value;
    ASSERT_EQ(ScalarOf(SessionObject().Get(), u"SELECT 40 + 2", value), S_OK);
    EXPECT_EQ(value.vt == VT_I4 || value.vt == VT_I8 || value.vt == VT_R8, true);
    EXPECT_EQ(VariantToLong(value), 42);
    ASSERT_EQ(ScalarOf(SessionObject().Get(), u"SELECT NULL", value), S_OK);
    EXPECT_EQ(value.vt, VT_NULL) << "a NULL column is a value, not an error";
}

TEST_F(HostServices, ScalarQueryRefusesMissingRowsAndWideRows) {
    tlx::Variant value = tlx::Variant::FromLong(7);
    EXPECT_EQ(ScalarOf(SessionObject().Get(), u"SELECT DkN_DkNID FROM TLX.DeklNag WHERE DkN_DkNID = -1", value),
              kHostNoRow);
    EXPECT_EQ(value.vt, VT_EMPTY) << "nothing is left behind after a failure";
    EXPECT_EQ(ScalarOf(SessionObject().Get(), u"SELECT 1, 2", value), E_INVALIDARG);
    EXPECT_EQ(ScalarOf(SessionObject().Get(), u"UPDATE TLX.DeklNag SET DkN_Numer = 1 WHERE 1 = 0", value),
              E_INVALIDARG)
        << "a statement without rows gives no recordset";
}

TEST_F(HostServices, ScalarQueryPassesTheDatabasesError) {
    tlx::Variant value;
    HRESULT hr = ScalarOf(SessionObject().Get(), u"SELECT Nothing FROM TLX.NoSuchTable", value);
    EXPECT_TRUE(FAILED(hr));
    EXPECT_NE(tlx::TakeErrorDescription().find(u"NoSuchTable"), std::u16string::npos);
}

TEST_F(HostServices, HostErrorTextsAreCutBeforeTheirDetails) {
    CBstr text = GetHostErrorText(kHostMissingRecord, CBstr(u"domyślny"));
    EXPECT_FALSE(text.IsEmpty());
    EXPECT_EQ(text.Find(u'|'), -1);
    EXPECT_EQ(GetHostErrorText(static_cast<HRESULT>(0x8005FFFE), CBstr(u"domyślny")), u"domyślny");
}
