// The KEDU package: its record (date, name, uniqueness, lock, its declarations) and its file on both
// routes, to a file here, to the fixed transfer file and to the user's machine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "KeduDeclarationFixture.h"
#include "hostapi/Files.h"
#include "tests/support/StandIn.h"
#include "tlb/Kedu.h"

namespace tlx::test {
namespace {

namespace fs = std::filesystem;

constexpr HRESULT kDateRequired = static_cast<HRESULT>(0x80040200);   // 512
constexpr HRESULT kNameRequired = static_cast<HRESULT>(0x80040201);   // 513
constexpr HRESULT kNameTaken = static_cast<HRESULT>(0x80040202);      // 514
constexpr HRESULT kPackageLocked = static_cast<HRESULT>(0x80040207);  // 519
constexpr HRESULT kMixed = static_cast<HRESULT>(0x80040208);          // 520
constexpr HRESULT kEmpty = static_cast<HRESULT>(0x80040209);          // 521
constexpr HRESULT kTwoGenerations = static_cast<HRESULT>(0x8004020A); // 522
constexpr HRESULT kCycle = static_cast<HRESULT>(0x8004020B);          // 523
constexpr HRESULT kNoKeduElement = static_cast<HRESULT>(0x8004020C);  // 524

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class KeduPackageTest : public KeduDeclarationTest {
protected:
    void TearDown() override {
        unsetenv("TLX_DRIVE_Z");
        unsetenv("TLX_CLIENT_ROOT");
        KeduDeclarationTest::TearDown();
    }
    // A package stored by SQL; answers it read through the package collection.
    ComPtr<IKedu> Package(std::u16string_view name) {
        Execute(u"insert into TLX.DeklKedu (Dkk_Nazwa, Dkk_Data) values ('" + std::u16string(name) + u"', 45000)");
        const std::u16string id(Scalar(u"select max(Dkk_DkkId) from TLX.DeklKedu"));
        ComPtr<ICollection> packages = Create(u"TLXDeklaracje.KeduKolekcja").As<ICollection>();
        ComPtr<IDispatch> item;
        EXPECT_EQ(packages->Item(Variant::FromString(id), item.Out()), S_OK);
        return item.As<IKedu>();
    }
    LONG Attach(LONG declaration, IKedu* package) {
        LONG id = 0;
        package->get_ID(&id);
        Execute(u"update TLX.DeklNag set DkN_DkkID=" + Number(id) + u" where DkN_DkNID=" + Number(declaration));
        return declaration;
    }
    // A ZUS declaration of that form whose page text carries `marker` in its payer block.
    LONG Marked(long type, long version, std::u16string_view form, std::u16string_view marker) {
        const LONG id = Insert(type, version);
        Page(id, 1, u"<" + std::u16string(form) + u">\r\n<DIPL>\r\n" + std::u16string(marker) + u"\r\n</DIPL>\r\n</" +
                        std::u16string(form) + u">\r\n");
        return id;
    }
    void Parent(LONG child, LONG parent) {
        Execute(u"update TLX.DeklNag set DkN_ParentID=" + Number(parent) + u" where DkN_DkNID=" + Number(child));
    }
    LONG Route(IKedu* package) {
        LONG route = -1;
        EXPECT_EQ(package->ZestawMieszany(&route), S_OK);
        return route;
    }
    HRESULT Save(IKedu* package, const fs::path& target) {
        LONG done = 0;
        return package->Zapisz(0, Bstr(Utf8ToUtf16(target.string())).Get(), 1, &done);
    }
    std::u16string Expected(std::initializer_list<LONG> bodies) {
        ComPtr<IKeduDocuments> documents;
        EXPECT_EQ(CreateKeduDocuments(session_.Get(), documents.Out()), S_OK);
        Bstr header;
        documents->NaglowekXML(header.Out());
        std::u16string text(header.View());
        for (LONG id : bodies) {
            Bstr body;
            documents->ToXML(id, body.Out());
            text += body.View();
        }
        return text + u"</KEDU>\r\n";
    }
};

TEST_F(KeduPackageTest, ANewPackageIsDatedTodayAndNeedsADateAndAName) {
    ComPtr<ICollection> packages = Create(u"TLXDeklaracje.KeduKolekcja").As<ICollection>();
    ComPtr<IDispatch> item;
    ASSERT_EQ(packages->AddNew(Variant::Missing(), item.Out()), S_OK);
    ComPtr<IKedu> package = item.As<IKedu>();
    DATE today = 0;
    ASSERT_EQ(package->get_Data(&today), S_OK);
    EXPECT_GT(today, 40000);
    EXPECT_EQ(package->Verify(), kNameRequired);
    EXPECT_EQ(package->put_Data(0), S_OK);
    EXPECT_EQ(package->Verify(), kDateRequired) << "the date is checked before the name";
    EXPECT_EQ(package->put_Data(45000.75), S_OK);
    DATE day = 0;
    package->get_Data(&day);
    EXPECT_EQ(day, 45000);
    EXPECT_EQ(package->put_Nazwa(Bstr(u"   ").Get()), S_OK);
    EXPECT_EQ(package->Verify(), S_OK) << "a name of blanks is a name";
    EXPECT_EQ(SaveCollection(packages.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklKedu where Dkk_Nazwa='   '"), u"1");
}

TEST_F(KeduPackageTest, NamesAreUniqueWithoutRegardToCasePolishLettersIncluded) {
    Package(u"MARZEC");
    Package(u"ŁÓDŹ 03");
    Package(u"Kadry ''A''");
    struct Case {
        const char16_t* name;
        HRESULT saved;
    } cases[] = {
        {u"Marzec", kNameTaken}, {u"Łódź 03", kNameTaken}, {u"Kadry 'a'", kNameTaken},
        {u"Kadry 'B'", S_OK},    {u"Kwiecień", S_OK},
    };
    for (const Case& c : cases) {
        ComPtr<ICollection> packages = Create(u"TLXDeklaracje.KeduKolekcja").As<ICollection>();
        ComPtr<IDispatch> item;
        ASSERT_EQ(packages->AddNew(Variant::Missing(), item.Out()), S_OK);
        item.As<IKedu>()->put_Nazwa(Bstr(c.name).Get());
        EXPECT_EQ(SaveCollection(packages.Get()), c.saved) << Utf16ToUtf8(c.name);
    }
    // Saved again under its own name, a package is not its own rival.
    ComPtr<IKedu> own = Package(u"Czerwiec");
    own->put_Opis(Bstr(u"opis").Get());
    ComPtr<ICollection> packages = Create(u"TLXDeklaracje.KeduKolekcja").As<ICollection>();
    ComPtr<IDispatch> item;
    ASSERT_EQ(packages->Item(Variant::FromString(Scalar(u"select max(Dkk_DkkId) from TLX.DeklKedu")), item.Out()), S_OK);
    item.As<IKedu>()->put_Opis(Bstr(u"opis").Get());
    EXPECT_EQ(SaveCollection(packages.Get()), S_OK) << Utf16ToUtf8(LastError());
}

TEST_F(KeduPackageTest, TheLockReachesEveryDeclarationAndRefusesNewOnes) {
    ComPtr<ICollection> packages = Create(u"TLXDeklaracje.KeduKolekcja").As<ICollection>();
    ComPtr<IDispatch> item;
    ASSERT_EQ(packages->AddNew(Variant::Missing(), item.Out()), S_OK);
    ComPtr<IKedu> package = item.As<IKedu>();
    package->put_Nazwa(Bstr(u"ZUS 08/2024").Get());
    ComPtr<IDispatch> before;
    ASSERT_EQ(package->get_Deklaracje(before.Out()), S_OK);
    ASSERT_EQ(SaveCollection(packages.Get()), S_OK) << Utf16ToUtf8(LastError());
    const LONG first = Attach(Insert(dekZUS_IWA), package.Get());
    const LONG second = Attach(Insert(dekZUS_DRA, 2), package.Get());
    Execute(u"update TLX.DeklNag set DkN_Zablokowana=1 where DkN_DkNID=" + Number(second));

    // Built before the package had its identifier, the list is built again now that it has one.
    ComPtr<IDispatch> listed;
    ASSERT_EQ(package->get_Deklaracje(listed.Out()), S_OK);
    LONG count = 0;
    listed.As<ICollection>()->get_Count(&count);
    EXPECT_EQ(count, 2);

    ASSERT_EQ(package->put_Zablokowana(1), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(session_.As<ISession2>()->Save(), S_OK) << Utf16ToUtf8(LastError());
    ComPtr<ISession> other = NewSession();
    for (LONG id : {first, second}) {
        ComPtr<IDispatch> seen;
        ASSERT_EQ(Declarations(other.Get())->Item(Variant::FromString(Number(id)), seen.Out()), S_OK);
        LONG locked = 0;
        seen.As<IDeklaracja>()->get_Zablokowana(&locked);
        EXPECT_EQ(locked, 1) << id;
    }
    EXPECT_EQ(Scalar(u"select Dkk_Zablokowana from TLX.DeklKedu"), u"1");

    ComPtr<IDispatch> declaration;
    ASSERT_EQ(Declarations()->Item(Variant::FromString(Number(Insert(dekZUS_IWA))), declaration.Out()), S_OK);
    EXPECT_EQ(declaration.As<IDeklaracja>()->put_Kedu(package.Get()), kPackageLocked);
    EXPECT_EQ(declaration.As<IDeklaracja>()->put_Kedu(nullptr), S_OK) << "detaching is always allowed";

    ASSERT_EQ(package->put_Zablokowana(0), S_OK);
    for (LONG id : {first, second}) {
        ComPtr<IDispatch> held;
        ASSERT_EQ(listed.As<ICollection>()->Item(Variant::FromString(Number(id)), held.Out()), S_OK);
        LONG locked = 1;
        held.As<IDeklaracja>()->get_Zablokowana(&locked);
        EXPECT_EQ(locked, 0) << id;
    }
}

// Two sessions read one package; the first locks it and saves, the second then attaches a declaration
// through its own, earlier reading of the package: the save is refused and the declaration stays out.
TEST_F(KeduPackageTest, APackageLockedByAnotherSessionRefusesTheDeclarationAttachedLater) {
    const LONG id = [&] {
        LONG value = 0;
        Package(u"Grudzień")->get_ID(&value);
        return value;
    }();
    auto read = [&](ISession* session, ComPtr<ICollection>& packages) {
        packages = Create(session, u"TLXDeklaracje.KeduKolekcja").As<ICollection>();
        ComPtr<IDispatch> item;
        EXPECT_EQ(packages->Item(Variant::FromString(Number(id)), item.Out()), S_OK);
        return item.As<IKedu>();
    };
    ComPtr<ISession> other = NewSession();
    ComPtr<ICollection> firstPackages, otherPackages;
    ComPtr<IKedu> locking = read(session_.Get(), firstPackages);
    ComPtr<IKedu> attaching = read(other.Get(), otherPackages);
    const LONG declaration = Insert(dekZUS_IWA);
    ComPtr<ICollection> declarations = Declarations(other.Get());
    ComPtr<IDispatch> item;
    ASSERT_EQ(declarations->Item(Variant::FromString(Number(declaration)), item.Out()), S_OK);

    ASSERT_EQ(locking->put_Zablokowana(1), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(SaveCollection(firstPackages.Get()), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(item.As<IDeklaracja>()->put_Kedu(attaching.Get()), S_OK) << "the second session read it unlocked";
    EXPECT_EQ(SaveCollection(declarations.Get()), kPackageLocked);
    EXPECT_EQ(LastError(), u"Nie można przypinać deklaracji do zablokowanego pliku KEDU.");
    EXPECT_EQ(Scalar(u"select DkN_DkkID from TLX.DeklNag where DkN_DkNID=" + Number(declaration)), u"NULL");

    // The same declaration goes into a package that is not locked.
    ComPtr<ICollection> openPackages = Create(other.Get(), u"TLXDeklaracje.KeduKolekcja").As<ICollection>();
    ComPtr<IDispatch> open;
    ASSERT_EQ(openPackages->AddNew(Variant::Missing(), open.Out()), S_OK);
    open.As<IKedu>()->put_Nazwa(Bstr(u"Styczeń").Get());
    ASSERT_EQ(SaveCollection(openPackages.Get()), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(item.As<IDeklaracja>()->put_Kedu(open.As<IKedu>().Get()), S_OK);
    EXPECT_EQ(SaveCollection(declarations.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklNag d join TLX.DeklKedu k on k.Dkk_DkkId = d.DkN_DkkID "
                     u"where k.Dkk_Nazwa = 'Styczeń' and d.DkN_DkNID=" + Number(declaration)),
              u"1");
}

// The other way round: a package is locked in one session while another session attaches a declaration
// and saves first. The lock would miss that declaration: its save is refused, and a package read again
// locks it with the rest.
TEST_F(KeduPackageTest, ALockThatMissesADeclarationAttachedMeanwhileIsRefused) {
    LONG id = 0;
    Package(u"Luty")->get_ID(&id);
    auto read = [&](ISession* session, ComPtr<ICollection>& packages) {
        packages = Create(session, u"TLXDeklaracje.KeduKolekcja").As<ICollection>();
        ComPtr<IDispatch> item;
        EXPECT_EQ(packages->Item(Variant::FromString(Number(id)), item.Out()), S_OK);
        return item.As<IKedu>();
    };
    const LONG first = Insert(dekZUS_IWA);
    Execute(u"update TLX.DeklNag set DkN_DkkID=" + Number(id) + u" where DkN_DkNID=" + Number(first));
    ComPtr<ICollection> lockingPackages, otherPackages;
    ComPtr<IKedu> locking = read(session_.Get(), lockingPackages);
    ASSERT_EQ(locking->put_Zablokowana(1), S_OK) << Utf16ToUtf8(LastError());

    ComPtr<ISession> other = NewSession();
    ComPtr<IKedu> attaching = read(other.Get(), otherPackages);
    const LONG later = Insert(dekZUS_IWA);
    ComPtr<ICollection> declarations = Declarations(other.Get());
    ComPtr<IDispatch> item;
    ASSERT_EQ(declarations->Item(Variant::FromString(Number(later)), item.Out()), S_OK);
    ASSERT_EQ(item.As<IDeklaracja>()->put_Kedu(attaching.Get()), S_OK);
    ASSERT_EQ(SaveCollection(declarations.Get()), S_OK) << Utf16ToUtf8(LastError());

    EXPECT_EQ(session_.As<ISession2>()->Save(), adErrConcurrencyViolation);
    EXPECT_NE(LastError().find(u"odczytaj plik KEDU ponownie"), std::u16string::npos);
    EXPECT_EQ(Scalar(u"select ifnull(Dkk_Zablokowana, 0) from TLX.DeklKedu where Dkk_DkkId=" + Number(id)), u"0");

    ComPtr<ISession> again = NewSession();
    ComPtr<ICollection> freshPackages;
    ASSERT_EQ(read(again.Get(), freshPackages)->put_Zablokowana(1), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(again.As<ISession2>()->Save(), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklNag where DkN_Zablokowana=1 and DkN_DkkID=" + Number(id)), u"2");
}

TEST_F(KeduPackageTest, AnXmlPackageIsOneDocumentOfItsTopDeclarations) {
    ComPtr<IKedu> package = Package(u"Sierpień");
    EXPECT_EQ(Route(package.Get()), expKEDU) << "an empty package takes the component's route";
    const fs::path target = folder_ / "sierpien.xml";
    EXPECT_EQ(Save(package.Get(), target), kEmpty);
    EXPECT_FALSE(fs::exists(target));

    const LONG zwua = Attach(Insert(dekZUS_ZWUA), package.Get());
    const LONG zua = Attach(Insert(dekZUS_ZUA), package.Get());
    EXPECT_EQ(Route(package.Get()), expXML);
    ASSERT_EQ(Save(package.Get(), target), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Utf8ToUtf16(ReadBytes(target)), Expected({zwua, zua}));
    const fs::path missing = folder_ / "brak" / "sierpien.xml";
    EXPECT_EQ(Save(package.Get(), missing), E_UNEXPECTED);
    EXPECT_NE(LastError().find(Utf8ToUtf16(missing.string())), std::u16string::npos) << "the path is named";

    // A DRA of the component's route makes the package mixed: refused, the file kept as it was.
    const std::string kept = ReadBytes(target);
    const LONG dra = Attach(Insert(dekZUS_DRA, 2), package.Get());
    EXPECT_EQ(Route(package.Get()), expMieszany);
    EXPECT_EQ(Save(package.Get(), target), kMixed);
    EXPECT_EQ(package->WyslijTS(Bstr(u"C:\\Kadry\\marzec.kdu").Get()), kMixed);
    EXPECT_EQ(ReadBytes(target), kept);

    // DRAs of both schema generations cannot share a root.
    Execute(u"update TLX.DeklNag set DkN_Wersja=3 where DkN_DkNID=" + Number(dra));
    Attach(Insert(dekZUS_DRA, 4), package.Get());
    EXPECT_EQ(Save(package.Get(), target), kTwoGenerations);
    EXPECT_EQ(ReadBytes(target), kept);
    LONG done = 0;
    EXPECT_EQ(package->Zapisz(0, Bstr(u"x").Get(), 1, nullptr), E_POINTER);
    EXPECT_EQ(package->Zapisz(0, Bstr(Utf8ToUtf16((folder_ / "brak" / "x.xml").string())).Get(), 1, &done),
              kTwoGenerations);
}

// A declaration of the XML route whose form has no KEDU element (an RGA report on its own) would be
// left out of the file: the package is refused and nothing is written.
TEST_F(KeduPackageTest, AnXmlDeclarationWithoutAKeduElementIsRefused) {
    ComPtr<IKedu> package = Package(u"RGA");
    Attach(Insert(dekZUS_ZUA), package.Get());
    Attach(Insert(dekZUS_RGA), package.Get());
    EXPECT_EQ(Route(package.Get()), expXML);
    const fs::path target = folder_ / "rga.xml";
    EXPECT_EQ(Save(package.Get(), target), kNoKeduElement);
    EXPECT_FALSE(fs::exists(target));
}

// A ZCNA stored with a member's twelve-digit PESEL, beside a sound ZUA: the package is refused naming the
// member, and nothing is written.
TEST_F(KeduPackageTest, AStoredPeselThatIsNotElevenDigitsRefusesThePackage) {
    ComPtr<IKedu> package = Package(u"PESEL");
    Attach(Insert(dekZUS_ZUA), package.Get());
    const LONG zcna = Attach(Insert(dekZUS_ZCNA), package.Get());
    Page(zcna, 1, u"<ZUSZCNA>\r\n<DOCRA>\r\n1\r\n01082024\r\n820303123401\r\n\r\n\r\n\r\nKOWALSKA\r\nMARIA\r\n"
                  u"</DOCRA>\r\n</ZUSZCNA>\r\n");
    const fs::path target = folder_ / "pesel.xml";
    EXPECT_EQ(Save(package.Get(), target), static_cast<HRESULT>(0x80050000 + 30114));
    EXPECT_EQ(LastError(), u"Członek rodziny 1 (KOWALSKA MARIA): IV/A/p3 (PESEL) musi być numerem PESEL z 11 cyfr, a "
                           u"jest \"820303123401\".");
    EXPECT_FALSE(fs::exists(target));
}

// A DRA with a report its KEDU XML set cannot carry takes the component's road in a package too, so
// that the report reaches the file; beside an XML declaration the package is mixed and refused.
TEST_F(KeduPackageTest, ADraWithAReportXmlCannotCarryTakesTheComponentsRoad) {
    ComPtr<IKedu> package = Package(u"DRA z RGA");
    const LONG dra = Attach(Marked(dekZUS_DRA, 4, u"ZUSDRA", u"dra"), package.Get());
    Parent(Marked(dekZUS_RCA, 1, u"ZUSRCA", u"rca"), dra);
    Parent(Marked(dekZUS_RGA, 1, u"ZUSRGA", u"rga"), dra);
    EXPECT_EQ(Route(package.Get()), expKEDU);
    const fs::path target = folder_ / "rga.kdu";
    ASSERT_EQ(Save(package.Get(), target), S_OK) << Utf16ToUtf8(LastError());
    const std::string file = ReadBytes(target);
    EXPECT_TRUE(file.starts_with("<TLXKEDU wersja=\"2\"")) << file.substr(0, 100);
    EXPECT_LT(file.find("\r\ndra\r\n"), file.find("\r\nrca\r\n"));
    EXPECT_LT(file.find("\r\nrca\r\n"), file.find("\r\nrga\r\n"));
    EXPECT_NE(file.find("\r\nrga\r\n"), std::string::npos);

    Attach(Insert(dekZUS_ZUA), package.Get());
    EXPECT_EQ(Route(package.Get()), expMieszany);
    EXPECT_EQ(Save(package.Get(), target), kMixed);
}

TEST_F(KeduPackageTest, APackageTakesTheRootOfItsDras) {
    ComPtr<IKedu> package = Package(u"DRA 3");
    Attach(Insert(dekZUS_DRA, 3), package.Get());
    Attach(Insert(dekZUS_ZUA), package.Get());
    const fs::path target = folder_ / "dra3.xml";
    ASSERT_EQ(Save(package.Get(), target), S_OK) << Utf16ToUtf8(LastError());
    const std::u16string file = Utf8ToUtf16(ReadBytes(target));
    EXPECT_NE(file.find(u"xmlns=\"http://www.zus.pl/2009/KEDU_3\""), std::u16string::npos);
    EXPECT_LT(file.find(u"<ZUSDRA"), file.find(u"<ZUSZUA"));
    EXPECT_TRUE(file.ends_with(u"</ZUSZUA></KEDU>\r\n"));
}

TEST_F(KeduPackageTest, AKeduPackageIsTheComponentsFileWithChildrenAfterTheirParent) {
    ComPtr<IKedu> package = Package(u"DRA 2");
    const LONG dra = Attach(Marked(dekZUS_DRA, 2, u"ZUSDRA", u"dra"), package.Get());
    for (const char16_t* report : {u"rca1", u"rca2", u"rca3"}) Parent(Marked(121, 1, u"ZUSRCA", report), dra);
    // A report attached beside its DRA is written once, as the DRA's child.
    Attach(Insert(121), package.Get());
    Parent(std::stol(Utf16ToUtf8(Scalar(u"select max(DkN_DkNID) from TLX.DeklNag"))), dra);
    Attach(Marked(dekZUS_DRA, 2, u"ZUSDRA", u"next"), package.Get());
    EXPECT_EQ(Route(package.Get()), expKEDU);
    const fs::path target = folder_ / "dra.kdu";
    ASSERT_EQ(Save(package.Get(), target), S_OK) << Utf16ToUtf8(LastError());
    const std::string file = ReadBytes(target);
    EXPECT_TRUE(file.starts_with("<TLXKEDU wersja=\"2\" typ=\"0\" wersjaDeklaracji=\"1\">\r\n<ZUSDRA>\r\n<DIPL>\r\ndra\r\n"));
    EXPECT_TRUE(file.ends_with("</ZUSDRA>\r\n</TLXKEDU>\r\n"));
    const auto at = [&](const char* marker) { return file.find(std::string("\r\n") + marker + "\r\n"); };
    EXPECT_LT(at("dra"), at("rca1"));
    EXPECT_LT(at("rca1"), at("rca2"));
    EXPECT_LT(at("rca2"), at("rca3"));
    EXPECT_LT(at("rca3"), at("next"));
    std::size_t reports = 0;
    for (std::size_t at = file.find("<ZUSRCA>"); at != std::string::npos; at = file.find("<ZUSRCA>", at + 1)) ++reports;
    EXPECT_EQ(reports, 4u);

    // A parent link back into a declaration's ancestry is refused, and nothing is written.
    Parent(dra, std::stol(Utf16ToUtf8(Scalar(u"select min(DkN_DkNID) from TLX.DeklNag where DkN_ParentID=" +
                                             Number(dra)))));
    fs::remove(target);
    EXPECT_EQ(Save(package.Get(), target), kCycle);
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(KeduPackageTest, DocumentsAreWrittenInRowOrderAcrossBatches) {
    ComPtr<IKedu> package = Package(u"Duży");
    constexpr int kDeclarations = 120;
    for (int i = 0; i < kDeclarations; ++i)
        Attach(Marked(dekZUS_DRA, 2, u"ZUSDRA", u"n" + Number(i)), package.Get());
    const fs::path target = folder_ / "duzy.kdu";
    ASSERT_EQ(Save(package.Get(), target), S_OK) << Utf16ToUtf8(LastError());
    const std::string file = ReadBytes(target);
    std::size_t last = 0;
    for (int i = 0; i < kDeclarations; ++i) {
        const std::size_t at = file.find("\r\nn" + std::to_string(i) + "\r\n");
        ASSERT_NE(at, std::string::npos) << i;
        EXPECT_GT(at, last) << i;
        last = at;
    }
}

TEST_F(KeduPackageTest, WyslijWritesTheTransferFileOfDriveZOrFails) {
    ComPtr<IKedu> package = Package(u"Wrzesień");
    const LONG zwua = Attach(Insert(dekZUS_ZWUA), package.Get());
    EXPECT_TRUE(FAILED(package->Wyslij(0)));
    EXPECT_NE(LastError().find(u"TLX_DRIVE_Z"), std::u16string::npos);
    const fs::path drive = folder_ / "z";
    fs::create_directories(drive);
    setenv("TLX_DRIVE_Z", drive.c_str(), 1);
    ASSERT_EQ(package->Wyslij(0), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Utf8ToUtf16(ReadBytes(drive / "TEMP001.KDU")), Expected({zwua}));
    // A failing save is the send's failure.
    fs::remove_all(drive);
    EXPECT_EQ(package->Wyslij(0), E_UNEXPECTED);
}

class KeduPackageDeliveryTest : public KeduPackageTest {
protected:
    void Deliver(bool xml) {
        const fs::path client = folder_ / "klient";
        setenv("TLX_CLIENT_ROOT", client.c_str(), 1);
        ComPtr<IKedu> package = Package(u"Październik");
        const LONG id = xml ? Attach(Insert(dekZUS_ZWUA), package.Get())
                            : Attach(Marked(dekZUS_DRA, 2, u"ZUSDRA", u"dra"), package.Get());
        ASSERT_EQ(package->WyslijTS(Bstr(u"C:\\Kadry\\marzec.kdu").Get()), S_OK) << Utf16ToUtf8(LastError());
        ASSERT_EQ(package->WyslijTS(Bstr(u"/home/jan/marzec.kdu").Get()), S_OK) << Utf16ToUtf8(LastError());
        const std::string expected =
            xml ? Utf16ToUtf8(Expected({id}))
                : "<TLXKEDU wersja=\"2\">\r\n<ZUSDRA>\r\n<DIPL>\r\ndra\r\n</DIPL>\r\n</ZUSDRA>\r\n</TLXKEDU>\r\n";
        EXPECT_EQ(ReadBytes(client / "C" / "Kadry" / "marzec.kdu"), expected);
        EXPECT_EQ(ReadBytes(client / "home" / "jan" / "marzec.kdu"), expected);
        EXPECT_FALSE(fs::exists(fs::temp_directory_path() / "marzec.kdu")) << "no copy left behind";
        for (const char16_t* bad : {u"", u"\\", u"C:\\Kadry\\.."})
            EXPECT_EQ(package->WyslijTS(Bstr(bad).Get()), E_INVALIDARG) << Utf16ToUtf8(bad);
    }
};

TEST_F(KeduPackageDeliveryTest, ThroughTheTransferChannel) {
    Deliver(true);
    Deliver(false);
}

// Without the host's transfer component the channel cannot be opened: E_FAIL, and nothing is sent.
TEST_F(KeduPackageDeliveryTest, WithoutATransferComponentTheChannelFails) {
    const fs::path client = folder_ / "klient";
    setenv("TLX_CLIENT_ROOT", client.c_str(), 1);
    ComPtr<IKedu> package = Package(u"Listopad");
    Attach(Insert(dekZUS_ZWUA), package.Get());
    StandIn none(CLSID_CRemoteFileTransfer, u"TLX.RemoteFileTransfer", nullptr);
    EXPECT_EQ(package->WyslijTS(Bstr(u"C:\\Kadry\\listopad.kdu").Get()), E_FAIL);
    EXPECT_EQ(LastError(), u"Nie można utworzyć komponentu przesyłania plików na komputer użytkownika.");
    EXPECT_FALSE(fs::exists(client));
}

class KeduPackageCopyTest : public KeduPackageDeliveryTest {
protected:
    LONG RemoteSession() const override { return 1; }
};

TEST_F(KeduPackageCopyTest, ThroughTheFileCopy) {
    Deliver(true);
    Deliver(false);
}

// A DRA goes into a package's file by neither route under an identifier its own form refuses.
TEST_F(KeduPackageTest, APackageRefusesADraFiledUnderAnotherMonthsIdentifier) {
    for (long version : {2, 4}) {
        SCOPED_TRACE(version);
        ComPtr<IKedu> package = Package(u"Pakiet " + Number(version));
        const LONG dra = Attach(Marked(dekZUS_DRA, version, u"ZUSDRA", u"dra"), package.Get());
        Execute(u"update TLX.DeklElem set DkE_WartoscL = 1052024 where DkE_DkNID = " + Number(dra));
        const fs::path target = folder_ / ("pakiet" + std::to_string(version) + ".kdu");
        EXPECT_EQ(Save(package.Get(), target), static_cast<HRESULT>(0x800575A2));
        EXPECT_EQ(LastError(), u"Deklaracja ZUS DRA: pole DADRAIDENT (identyfikator deklaracji) wskazuje okres 05/2024, "
                               u"a deklaracja jest za okres 03/2024.");
        EXPECT_FALSE(fs::exists(target));
    }
}

}  // namespace
}  // namespace tlx::test
