#include <dlfcn.h>
#include <gtest/gtest.h>

#include <fstream>

#include "RecordColumnCases.h"
#include "hostapi/Files.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ErrorInfo.h"

namespace {

constexpr ColumnCase kDekPdfColumns[] = {
    {u"ZrodloID", u"RPO2_ZrodloID", ColumnKind::Long},
    {u"RpWID", u"RPO2_RpWID", ColumnKind::Long},
    {u"RpFID", u"RPO2_RpFID", ColumnKind::Long},
    {u"Rozmiar", u"RPO2_Rozmiar", ColumnKind::Long},
    {u"DokumentTyp", u"RPO2_DokumentTyp", ColumnKind::Long},
    {u"DokumentID", u"RPO2_DokumentID", ColumnKind::Long},
};

class DekPdfRecord : public ModuleClassTest {
protected:
    void SetUp() override {
        ModuleClassTest::SetUp();
        Execute(u"INSERT INTO TLX.RptObrazy2 (RPO2_RPO2ID, RPO2_DokumentTyp) VALUES (5, 6)");
        Execute(u"INSERT INTO TLX.RptObrazy2 (RPO2_RPO2ID, RPO2_ZrodloID) VALUES (6, 77)");
        rows_ = Rows(u"select * from TLX.RptObrazy2");
        record_ = Create(u"TLX.DekPdf");
        ASSERT_EQ(record_.As<IInitializeRS>()->BindRecordset(rows_.Get(), 1, tlx::Bstr(u"").Get()), S_OK);
    }
    tlx::ComPtr<Recordset> rows_;
    tlx::ComPtr<IDispatch> record_;
};

// The host's sibling library, loaded for one test.
class SysLibrary {
public:
    SysLibrary() : handle_(::dlopen(TLX_SYS_LIBRARY, RTLD_NOW | RTLD_LOCAL)) {}
    ~SysLibrary() {
        if (handle_) ::dlclose(handle_);
    }
    bool Loaded() const { return handle_ != nullptr; }

private:
    void* handle_;
};

}  // namespace

TEST_F(DekPdfRecord, EveryPropertyIsItsOwnColumnWithDefaultsForNull) {
    EXPECT_EQ(AsText(Get(record_.Get(), u"ID")), u"5");
    CheckColumnCases(record_.Get(), rows_.Get(), kDekPdfColumns);
    ASSERT_EQ(Put(record_.Get(), u"Rozmiar", tlx::Variant::FromLong(0)), S_OK);
    EXPECT_EQ(AsText(Get(record_.Get(), u"Rozmiar")), u"0");
    EXPECT_EQ(Call(record_.Get(), u"PobierzWartosc", {}), S_OK);
    tlx::ComPtr<IDispatch> bare;
    ASSERT_EQ(CoCreateInstance(CLSID_DekPdf, nullptr, CLSCTX_ALL, IID_IDispatch, bare.OutVoid()), S_OK);
    EXPECT_EQ(bare.As<IDekPdf>()->PobierzWartosc(), S_OK) << "bound or not";
}

TEST_F(DekPdfRecord, AFileIsStoredInTheBoundRowThroughTheSiblingLibrary) {
    SysLibrary library;
    ASSERT_TRUE(library.Loaded()) << ::dlerror();
    std::filesystem::path file = folder_ / "zalacznik.pdf";
    std::ofstream(file, std::ios::binary) << std::string(1234, 'x');

    EXPECT_EQ(Call(record_.Get(), u"DodajPlik", {tlx::Variant::FromString(tlx::Bstr(file.u16string()).View())}), S_OK);
    EXPECT_EQ(AsText(ColumnValue(rows_.Get(), u"RPO2_Rozmiar")), u"1234");
    EXPECT_EQ(AsText(ColumnValue(rows_.Get(), u"RPO2_Nazwa")), u"zalacznik.pdf");
    EXPECT_EQ(Scalar(u"select RPO2_Rozmiar from TLX.RptObrazy2 where RPO2_RPO2ID = 5"), u"NULL")
        << "the row is not saved";
}

TEST_F(DekPdfRecord, AFailedStoreIsReportedNotAnsweredAsSuccess) {
    SysLibrary library;
    ASSERT_TRUE(library.Loaded()) << ::dlerror();
    HRESULT hr = Call(record_.Get(), u"DodajPlik", {tlx::Variant::FromString(u"/nie/ma/takiego/pliku.pdf")});
    EXPECT_EQ(hr, static_cast<HRESULT>(0x80070002)) << "the library's own failure";
    auto dekPdf = record_.As<IDekPdf>();
    EXPECT_EQ(dekPdf->DodajPlik(tlx::Bstr(u"/nie/ma/takiego/pliku.pdf").Get()), static_cast<HRESULT>(0x80070002));
    EXPECT_EQ(LastError(), u"Nie można odczytać pliku /nie/ma/takiego/pliku.pdf");

    tlx::ComPtr<IDispatch> unbound;
    ASSERT_EQ(CoCreateInstance(CLSID_DekPdf, nullptr, CLSCTX_ALL, IID_IDispatch, unbound.OutVoid()), S_OK);
    EXPECT_EQ(unbound.As<IDekPdf>()->DodajPlik(tlx::Bstr(u"/tmp/x").Get()), E_POINTER)
        << "the library gets no recordset and says so";
}

TEST_F(DekPdfRecord, AMissingLibraryIsAnError) {
    if (void* real = ::dlopen(kSysLibraryName, RTLD_NOW | RTLD_NOLOAD)) {
        ::dlclose(real);
        GTEST_SKIP() << "the sibling library is loaded in this process";
    }
    if (void* found = ::dlopen(kSysLibraryName, RTLD_NOW)) {
        ::dlclose(found);
        GTEST_SKIP() << "the sibling library is installed";
    }
    EXPECT_EQ(record_.As<IDekPdf>()->DodajPlik(tlx::Bstr(u"/tmp/x").Get()), static_cast<HRESULT>(0x8007007E));
    EXPECT_EQ(LastError(), u"Nie można załadować biblioteki libtlx_sys.so.");
}

TEST_F(DekPdfRecord, TheCollectionListsEveryRow) {
    tlx::ComPtr<IDispatch> list = Create(u"TLX.DekPdfKolekcja");
    ASSERT_TRUE(list);
    EXPECT_EQ(AsText(Get(list.Get(), u"Count")), u"2");
    tlx::ComPtr<IDispatch> item;
    ASSERT_EQ(list.As<ICollection>()->Item(tlx::Variant::FromString(u"6"), item.Out()), S_OK);
    ASSERT_TRUE(item.As<IDekPdf>()) << "each item a DekPdf";
    EXPECT_EQ(AsText(Get(item.Get(), u"ZrodloID")), u"77");
}
