#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "mv_deklaracje_tlb.h"

namespace {

struct Member {
    const char* name;
    DISPID id;
};

// A dispatch identifier names one member (a property's get and put share it): two members answering
// the same identifier would make one of them unreachable by dispatch.
void ExpectDistinct(const char* interfaceName, const std::vector<Member>& members) {
    std::map<DISPID, std::string> seen;
    for (const Member& member : members) {
        auto [it, inserted] = seen.emplace(member.id, member.name);
        EXPECT_TRUE(inserted) << interfaceName << ": " << member.name << " and " << it->second
                              << " share the dispatch identifier " << member.id;
    }
}

const std::vector<Member> kIDeklaracja2Members = {
    {"ID", IDeklaracja2::Dispid::ID}, {"Session", IDeklaracja2::Dispid::Session},
    {"State", IDeklaracja2::Dispid::State}, {"ROSaveMode", IDeklaracja2::Dispid::ROSaveMode},
    {"Verify", IDeklaracja2::Dispid::Verify}, {"Stempel", IDeklaracja2::Dispid::Stempel},
    {"Kedu", IDeklaracja2::Dispid::Kedu}, {"Deklaracja", IDeklaracja2::Dispid::Deklaracja},
    {"Podatnik", IDeklaracja2::Dispid::Podatnik}, {"Data", IDeklaracja2::Dispid::Data},
    {"TypDeklar", IDeklaracja2::Dispid::TypDeklar}, {"Rok", IDeklaracja2::Dispid::Rok},
    {"Miesiac", IDeklaracja2::Dispid::Miesiac}, {"Numer", IDeklaracja2::Dispid::Numer},
    {"Wersja", IDeklaracja2::Dispid::Wersja}, {"Zablokowana", IDeklaracja2::Dispid::Zablokowana},
    {"Tekst", IDeklaracja2::Dispid::Tekst}, {"Deklaracje", IDeklaracja2::Dispid::Deklaracje},
    {"DataObowiazywaniaOd", IDeklaracja2::Dispid::DataObowiazywaniaOd},
    {"DataObowiazywaniaDo", IDeklaracja2::Dispid::DataObowiazywaniaDo},
    {"Pracownik", IDeklaracja2::Dispid::Pracownik}, {"This", IDeklaracja2::Dispid::This},
    {"WillAction", IDeklaracja2::Dispid::WillAction},
    {"ActionCompleted", IDeklaracja2::Dispid::ActionCompleted},
    {"ActionFailed", IDeklaracja2::Dispid::ActionFailed}, {"SendMessage", IDeklaracja2::Dispid::SendMessage},
    {"AdviseProgress", IDeklaracja2::Dispid::AdviseProgress},
    {"UnAdviseProgress", IDeklaracja2::Dispid::UnAdviseProgress}, {"DekID", IDeklaracja2::Dispid::DekID},
    {"TypZrodla", IDeklaracja2::Dispid::TypZrodla}, {"PodTypZrodla", IDeklaracja2::Dispid::PodTypZrodla},
    {"DataKur", IDeklaracja2::Dispid::DataKur}, {"Finalna", IDeklaracja2::Dispid::Finalna},
    {"ParentId", IDeklaracja2::Dispid::ParentId}, {"BR_ModulPlace", IDeklaracja2::Dispid::BR_ModulPlace},
    {"Transformata", IDeklaracja2::Dispid::Transformata}, {"ImportRowID", IDeklaracja2::Dispid::ImportRowID},
    {"JestemKlonem", IDeklaracja2::Dispid::JestemKlonem}, {"Recordset", IDeklaracja2::Dispid::Recordset},
    {"ConstNIP", IDeklaracja2::Dispid::ConstNIP}, {"EDekl_RefID", IDeklaracja2::Dispid::EDekl_RefID},
    {"EDekl_Status", IDeklaracja2::Dispid::EDekl_Status},
    {"EDekl_StatusOpis", IDeklaracja2::Dispid::EDekl_StatusOpis},
    {"EDekl_Podmiot", IDeklaracja2::Dispid::EDekl_Podmiot},
    {"EDekl_DokumentID", IDeklaracja2::Dispid::EDekl_DokumentID},
    {"EDekl_DataWplyniecia", IDeklaracja2::Dispid::EDekl_DataWplyniecia},
    {"EDekl_SkrotDokumentu", IDeklaracja2::Dispid::EDekl_SkrotDokumentu},
    {"EDekl_SkrotStruktury", IDeklaracja2::Dispid::EDekl_SkrotStruktury},
    {"EDekl_StrukturaLogiczna", IDeklaracja2::Dispid::EDekl_StrukturaLogiczna},
    {"EDekl_NIP1", IDeklaracja2::Dispid::EDekl_NIP1}, {"EDekl_NIP2", IDeklaracja2::Dispid::EDekl_NIP2},
    {"EDekl_StempelCzasu", IDeklaracja2::Dispid::EDekl_StempelCzasu},
    {"EDekl_SigningTime", IDeklaracja2::Dispid::EDekl_SigningTime},
    {"EDekl_DataWyslania", IDeklaracja2::Dispid::EDekl_DataWyslania},
    {"EDekl_DataOdebraniaUPO", IDeklaracja2::Dispid::EDekl_DataOdebraniaUPO},
    {"EDekl_OperatorWysylajacy", IDeklaracja2::Dispid::EDekl_OperatorWysylajacy},
    {"EDekl_OperatorPobierajacyUPO", IDeklaracja2::Dispid::EDekl_OperatorPobierajacyUPO},
    {"EDekl_DataWyslaniaStr", IDeklaracja2::Dispid::EDekl_DataWyslaniaStr},
    {"EDekl_DataOdebraniaUPOStr", IDeklaracja2::Dispid::EDekl_DataOdebraniaUPOStr},
    {"EDekl_OperatorWysylajacyKod", IDeklaracja2::Dispid::EDekl_OperatorWysylajacyKod},
    {"EDekl_OperatorPobierajacyUPOKod", IDeklaracja2::Dispid::EDekl_OperatorPobierajacyUPOKod},
    {"EDekl_StatusPrzetwarzania", IDeklaracja2::Dispid::EDekl_StatusPrzetwarzania},
    {"WyczyscPolaEDeklaracji", IDeklaracja2::Dispid::WyczyscPolaEDeklaracji},
    {"EDekl_KodUrzedu", IDeklaracja2::Dispid::EDekl_KodUrzedu}, {"Seryjna", IDeklaracja2::Dispid::Seryjna},
    {"RodzajAdresu", IDeklaracja2::Dispid::RodzajAdresu},
    {"Zatwierdzony", IDeklaracja2::Dispid::Zatwierdzony}, {"DekretLink", IDeklaracja2::Dispid::DekretLink},
    {"Write2Log", IDeklaracja2::Dispid::Write2Log}, {"Wartosc", IDeklaracja2::Dispid::Wartosc},
    {"Pole", IDeklaracja2::Dispid::Pole}, {"Policz", IDeklaracja2::Dispid::Policz},
    {"InitializeClone", IDeklaracja2::Dispid::InitializeClone},
    {"ResetScript", IDeklaracja2::Dispid::ResetScript}, {"executeJS", IDeklaracja2::Dispid::executeJS},
    {"round", IDeklaracja2::Dispid::round}, {"ResyncKolekcje", IDeklaracja2::Dispid::ResyncKolekcje},
    {"KwotaCalkowita", IDeklaracja2::Dispid::KwotaCalkowita}, {"Podmiot", IDeklaracja2::Dispid::Podmiot},
    {"DataDok", IDeklaracja2::Dispid::DataDok}, {"Termin", IDeklaracja2::Dispid::Termin},
    {"Opis", IDeklaracja2::Dispid::Opis}, {"FormaPlatnosci", IDeklaracja2::Dispid::FormaPlatnosci},
    {"UsunPracownika", IDeklaracja2::Dispid::UsunPracownika},
    {"PlatnoscDokumentu", IDeklaracja2::Dispid::PlatnoscDokumentu}, {"Symbol", IDeklaracja2::Dispid::Symbol},
    {"DefinicjaDokumentu", IDeklaracja2::Dispid::DefinicjaDokumentu},
    {"NumerPelny", IDeklaracja2::Dispid::NumerPelny}, {"NumerString", IDeklaracja2::Dispid::NumerString},
    {"NumerNr", IDeklaracja2::Dispid::NumerNr}, {"NumerObcy", IDeklaracja2::Dispid::NumerObcy},
    {"PodAdres", IDeklaracja2::Dispid::PodAdres}, {"Kategoria", IDeklaracja2::Dispid::Kategoria},
    {"Stan", IDeklaracja2::Dispid::Stan}, {"KwotaCalkowitaSys", IDeklaracja2::Dispid::KwotaCalkowitaSys},
    {"Waluta", IDeklaracja2::Dispid::Waluta}, {"TypKursuWaluty", IDeklaracja2::Dispid::TypKursuWaluty},
    {"KursL", IDeklaracja2::Dispid::KursL}, {"KursM", IDeklaracja2::Dispid::KursM},
    {"CustomCollection01", IDeklaracja2::Dispid::CustomCollection01},
    {"CustomCollection02", IDeklaracja2::Dispid::CustomCollection02},
    {"CustomCollection03", IDeklaracja2::Dispid::CustomCollection03},
    {"CustomCollection04", IDeklaracja2::Dispid::CustomCollection04},
    {"CustomCollection05", IDeklaracja2::Dispid::CustomCollection05},
    {"CustomCollection06", IDeklaracja2::Dispid::CustomCollection06},
};

const std::vector<Member> kIVatZdMembers = {
    {"ID", IVatZd::Dispid::ID}, {"Session", IVatZd::Dispid::Session}, {"State", IVatZd::Dispid::State},
    {"ROSaveMode", IVatZd::Dispid::ROSaveMode}, {"Verify", IVatZd::Dispid::Verify},
    {"InitializeParent", IVatZd::Dispid::InitializeParent}, {"VaNId", IVatZd::Dispid::VaNId},
    {"TrNId", IVatZd::Dispid::TrNId}, {"Typ", IVatZd::Dispid::Typ}, {"DkNId", IVatZd::Dispid::DkNId},
    {"NazwaKontrahenta1", IVatZd::Dispid::NazwaKontrahenta1},
    {"NazwaKontrahenta2", IVatZd::Dispid::NazwaKontrahenta2},
    {"NazwaKontrahenta3", IVatZd::Dispid::NazwaKontrahenta3}, {"NIP", IVatZd::Dispid::NIP},
    {"Dokument", IVatZd::Dispid::Dokument}, {"DataWystawienia", IVatZd::Dispid::DataWystawienia},
    {"TerminRealizacji", IVatZd::Dispid::TerminRealizacji}, {"RazemNetto", IVatZd::Dispid::RazemNetto},
    {"RazemVAT", IVatZd::Dispid::RazemVAT}, {"RazemBrutto", IVatZd::Dispid::RazemBrutto},
    {"RodzajZakupu", IVatZd::Dispid::RodzajZakupu}, {"Odliczenia", IVatZd::Dispid::Odliczenia},
    {"Flaga", IVatZd::Dispid::Flaga}, {"Stawka", IVatZd::Dispid::Stawka}, {"Netto", IVatZd::Dispid::Netto},
    {"VAT", IVatZd::Dispid::VAT}, {"Brutto", IVatZd::Dispid::Brutto},
    {"SumaKwotZdarzen", IVatZd::Dispid::SumaKwotZdarzen},
    {"SumaKwotRozliczen", IVatZd::Dispid::SumaKwotRozliczen}, {"KorektaNetto", IVatZd::Dispid::KorektaNetto},
    {"KorektaVAT", IVatZd::Dispid::KorektaVAT}, {"RodzajZakupuAsText", IVatZd::Dispid::RodzajZakupuAsText},
    {"OdliczeniaAsText", IVatZd::Dispid::OdliczeniaAsText}, {"StawkaAsText", IVatZd::Dispid::StawkaAsText},
    {"DoRoliczeniaNaDzienObliczenia", IVatZd::Dispid::DoRoliczeniaNaDzienObliczenia},
    {"RoliczonoNaDzienObliczenia", IVatZd::Dispid::RoliczonoNaDzienObliczenia},
};

const std::vector<Member> kIDeklZakladMembers = {
    {"ID", IDeklZaklad::Dispid::ID}, {"Session", IDeklZaklad::Dispid::Session},
    {"State", IDeklZaklad::Dispid::State}, {"ROSaveMode", IDeklZaklad::Dispid::ROSaveMode},
    {"Verify", IDeklZaklad::Dispid::Verify}, {"Stempel", IDeklZaklad::Dispid::Stempel},
    {"NazwaPelna", IDeklZaklad::Dispid::NazwaPelna}, {"NazwaSkrocona", IDeklZaklad::Dispid::NazwaSkrocona},
    {"NIP", IDeklZaklad::Dispid::NIP}, {"REGON", IDeklZaklad::Dispid::REGON},
    {"LiczbaZatrudnionych", IDeklZaklad::Dispid::LiczbaZatrudnionych},
    {"DataRozpDzial", IDeklZaklad::Dispid::DataRozpDzial}, {"Kraj", IDeklZaklad::Dispid::Kraj},
    {"Wojewodztwo", IDeklZaklad::Dispid::Wojewodztwo}, {"Powiat", IDeklZaklad::Dispid::Powiat},
    {"Gmina", IDeklZaklad::Dispid::Gmina}, {"KodGminy", IDeklZaklad::Dispid::KodGminy},
    {"Ulica", IDeklZaklad::Dispid::Ulica}, {"NrDomu", IDeklZaklad::Dispid::NrDomu},
    {"NrLokalu", IDeklZaklad::Dispid::NrLokalu}, {"Miasto", IDeklZaklad::Dispid::Miasto},
    {"KodP", IDeklZaklad::Dispid::KodP}, {"Poczta", IDeklZaklad::Dispid::Poczta},
    {"Nieaktywny", IDeklZaklad::Dispid::Nieaktywny},
    {"UwzgledniajNaCITST", IDeklZaklad::Dispid::UwzgledniajNaCITST},
    {"UwzgledniajNaCITSTA", IDeklZaklad::Dispid::UwzgledniajNaCITSTA},
};

const std::vector<Member> kIDekElementMembers = {
    {"ID", IDekElement::Dispid::ID}, {"Session", IDekElement::Dispid::Session},
    {"State", IDekElement::Dispid::State}, {"ROSaveMode", IDekElement::Dispid::ROSaveMode},
    {"Verify", IDekElement::Dispid::Verify}, {"InitializeParent", IDekElement::Dispid::InitializeParent},
    {"Nazwa", IDekElement::Dispid::Nazwa}, {"Wartosc", IDekElement::Dispid::Wartosc},
    {"Numer", IDekElement::Dispid::Numer}, {"WartoscL", IDekElement::Dispid::WartoscL},
    {"WartoscM", IDekElement::Dispid::WartoscM}, {"WartoscTekst", IDekElement::Dispid::WartoscTekst},
    {"Typ", IDekElement::Dispid::Typ}, {"Opis", IDekElement::Dispid::Opis},
    {"Pusty", IDekElement::Dispid::Pusty}, {"Info", IDekElement::Dispid::Info},
};

const std::vector<Member> kISerwisDeklaracjiMembers = {
    {"Session", ISerwisDeklaracji::Dispid::Session}, {"State", ISerwisDeklaracji::Dispid::State},
    {"ROSaveMode", ISerwisDeklaracji::Dispid::ROSaveMode}, {"Verify", ISerwisDeklaracji::Dispid::Verify},
    {"Firma", ISerwisDeklaracji::Dispid::Firma}, {"ModulPlace", ISerwisDeklaracji::Dispid::ModulPlace},
    {"Program", ISerwisDeklaracji::Dispid::Program},
    {"DefinicjaDokumentu", ISerwisDeklaracji::Dispid::DefinicjaDokumentu},
    {"FormaPlatnosci", ISerwisDeklaracji::Dispid::FormaPlatnosci},
    {"PolaczenieObce", ISerwisDeklaracji::Dispid::PolaczenieObce},
    {"ConnectionString", ISerwisDeklaracji::Dispid::ConnectionString},
    {"TypDeklaracji", ISerwisDeklaracji::Dispid::TypDeklaracji},
    {"WersjaDeklaracji", ISerwisDeklaracji::Dispid::WersjaDeklaracji},
    {"DeklaracjaKwartalna", ISerwisDeklaracji::Dispid::DeklaracjaKwartalna},
    {"Dzis", ISerwisDeklaracji::Dispid::Dzis},
    {"DochodPodatnika", ISerwisDeklaracji::Dispid::DochodPodatnika},
    {"NumerString", ISerwisDeklaracji::Dispid::NumerString},
    {"NumerPelny", ISerwisDeklaracji::Dispid::NumerPelny}, {"DaneCIT2", ISerwisDeklaracji::Dispid::DaneCIT2},
    {"PobierzKwoty", ISerwisDeklaracji::Dispid::PobierzKwoty},
    {"PobierzKwotyEx", ISerwisDeklaracji::Dispid::PobierzKwotyEx},
};

const std::vector<Member> kIFirmaCfgROMembers = {
    {"Session", IFirmaCfgRO::Dispid::Session}, {"State", IFirmaCfgRO::Dispid::State},
    {"ROSaveMode", IFirmaCfgRO::Dispid::ROSaveMode}, {"Verify", IFirmaCfgRO::Dispid::Verify},
    {"NIP", IFirmaCfgRO::Dispid::NIP}, {"RodzajPlatnika", IFirmaCfgRO::Dispid::RodzajPlatnika},
    {"Nazwa", IFirmaCfgRO::Dispid::Nazwa}, {"Kraj", IFirmaCfgRO::Dispid::Kraj},
    {"Wojewodztwo", IFirmaCfgRO::Dispid::Wojewodztwo}, {"Powiat", IFirmaCfgRO::Dispid::Powiat},
    {"Gmina", IFirmaCfgRO::Dispid::Gmina}, {"Ulica", IFirmaCfgRO::Dispid::Ulica},
    {"Nr_domu", IFirmaCfgRO::Dispid::Nr_domu}, {"Nr_Lokalu", IFirmaCfgRO::Dispid::Nr_Lokalu},
    {"Miasto", IFirmaCfgRO::Dispid::Miasto}, {"KodPocztowy", IFirmaCfgRO::Dispid::KodPocztowy},
    {"Poczta", IFirmaCfgRO::Dispid::Poczta}, {"ImieP", IFirmaCfgRO::Dispid::ImieP},
    {"NazwiskoP", IFirmaCfgRO::Dispid::NazwiskoP}, {"UrzadSkarbowy", IFirmaCfgRO::Dispid::UrzadSkarbowy},
    {"TypDzialalnosciPodstawowej", IFirmaCfgRO::Dispid::TypDzialalnosciPodstawowej},
    {"GeneracjaKorekcyjnaVAT7", IFirmaCfgRO::Dispid::GeneracjaKorekcyjnaVAT7},
    {"RejestrDlaGeneracjiKorekcyjnej", IFirmaCfgRO::Dispid::RejestrDlaGeneracjiKorekcyjnej},
    {"UrzadSkarbowyPIT8A", IFirmaCfgRO::Dispid::UrzadSkarbowyPIT8A},
    {"RodzajKsiegowosci", IFirmaCfgRO::Dispid::RodzajKsiegowosci},
    {"TypDokumentuDlaDeklaracji", IFirmaCfgRO::Dispid::TypDokumentuDlaDeklaracji},
    {"FormaPlatnosciDlaDeklaracji", IFirmaCfgRO::Dispid::FormaPlatnosciDlaDeklaracji},
    {"ImiePCIT8", IFirmaCfgRO::Dispid::ImiePCIT8}, {"NazwiskoPCIT8", IFirmaCfgRO::Dispid::NazwiskoPCIT8},
};

const std::vector<Member> kIProgramCfgROMembers = {
    {"Session", IProgramCfgRO::Dispid::Session}, {"State", IProgramCfgRO::Dispid::State},
    {"ROSaveMode", IProgramCfgRO::Dispid::ROSaveMode}, {"Verify", IProgramCfgRO::Dispid::Verify},
    {"WylZak0_VAT7", IProgramCfgRO::Dispid::WylZak0_VAT7},
    {"Grosze_VAT7", IProgramCfgRO::Dispid::Grosze_VAT7},
    {"ZaokPodst_VAT7", IProgramCfgRO::Dispid::ZaokPodst_VAT7},
    {"ZaokPodatek_VAT7", IProgramCfgRO::Dispid::ZaokPodatek_VAT7},
    {"ZaokPodst_PIT5", IProgramCfgRO::Dispid::ZaokPodst_PIT5},
    {"ZaokPodatek_PIT5", IProgramCfgRO::Dispid::ZaokPodatek_PIT5},
    {"StawkaRyczaltowa1", IProgramCfgRO::Dispid::StawkaRyczaltowa1},
    {"StawkaRyczaltowa2", IProgramCfgRO::Dispid::StawkaRyczaltowa2},
    {"StawkaRyczaltowa3", IProgramCfgRO::Dispid::StawkaRyczaltowa3},
    {"Vat7_WliczacNP", IProgramCfgRO::Dispid::Vat7_WliczacNP},
};

const std::vector<Member> kIEDeklaracjaMembers = {
    {"ZapiszXml", IEDeklaracja::Dispid::ZapiszXml}, {"DodajAtrybut", IEDeklaracja::Dispid::DodajAtrybut},
    {"WyslijDeklaracje", IEDeklaracja::Dispid::WyslijDeklaracje},
    {"PobierzUPO", IEDeklaracja::Dispid::PobierzUPO},
    {"UsunCertyfikat", IEDeklaracja::Dispid::UsunCertyfikat},
    {"WyslijDeklaracje_Unsigned", IEDeklaracja::Dispid::WyslijDeklaracje_Unsigned},
    {"SprawdzUstawieniaRegionalne", IEDeklaracja::Dispid::SprawdzUstawieniaRegionalne},
    {"KomunikatBledu", IEDeklaracja::Dispid::KomunikatBledu}, {"Login", IEDeklaracja::Dispid::Login},
    {"AdviseProgress", IEDeklaracja::Dispid::AdviseProgress},
    {"UnAdviseProgress", IEDeklaracja::Dispid::UnAdviseProgress},
    {"EPodpisana", IEDeklaracja::Dispid::EPodpisana}, {"ETrybSeryjny", IEDeklaracja::Dispid::ETrybSeryjny},
    {"EInfo", IEDeklaracja::Dispid::EInfo}, {"EBlad", IEDeklaracja::Dispid::EBlad},
};

const std::vector<Member> kIDRAMembers = {
    {"Deklaracja", IDRA::Dispid::Deklaracja}, {"Przelicz", IDRA::Dispid::Przelicz},
    {"Wartosc", IDRA::Dispid::Wartosc}, {"ExportToXML", IDRA::Dispid::ExportToXML},
    {"ExportToXMLCIV", IDRA::Dispid::ExportToXMLCIV}, {"NaglowekXML", IDRA::Dispid::NaglowekXML},
    {"ToXML", IDRA::Dispid::ToXML}, {"FormatEksportu", IDRA::Dispid::FormatEksportu},
    {"RentowePlatnikaKesz", IDRA::Dispid::RentowePlatnikaKesz}, {"RegisterPrac", IDRA::Dispid::RegisterPrac},
};

const std::vector<Member> kIDRAExtMembers = {
    {"DataWypelnienia", IDRAExt::Dispid::DataWypelnienia}, {"Miesiac", IDRAExt::Dispid::Miesiac},
    {"Rok", IDRAExt::Dispid::Rok}, {"IsEmpty", IDRAExt::Dispid::IsEmpty},
    {"Deklaracja", IDRAExt::Dispid::Deklaracja}, {"DRA", IDRAExt::Dispid::DRA},
    {"GenerujZeroweRCA", IDRAExt::Dispid::GenerujZeroweRCA}, {"Policz", IDRAExt::Dispid::Policz},
    {"Finish", IDRAExt::Dispid::Finish},
};

const std::vector<Member> kIKeduMembers = {
    {"ID", IKedu::Dispid::ID}, {"Session", IKedu::Dispid::Session}, {"State", IKedu::Dispid::State},
    {"ROSaveMode", IKedu::Dispid::ROSaveMode}, {"Verify", IKedu::Dispid::Verify},
    {"Stempel", IKedu::Dispid::Stempel}, {"Nazwa", IKedu::Dispid::Nazwa}, {"Data", IKedu::Dispid::Data},
    {"Opis", IKedu::Dispid::Opis}, {"Zablokowana", IKedu::Dispid::Zablokowana},
    {"Deklaracje", IKedu::Dispid::Deklaracje}, {"Wyslij", IKedu::Dispid::Wyslij},
    {"Zapisz", IKedu::Dispid::Zapisz}, {"WyslijTS", IKedu::Dispid::WyslijTS},
    {"ZestawMieszany", IKedu::Dispid::ZestawMieszany},
};

}  // namespace

TEST(TypeLibrary, DispatchIdentifiersAreDistinctWithinEachInterface) {
    ExpectDistinct("IDeklaracja2", kIDeklaracja2Members);
    ExpectDistinct("IVatZd", kIVatZdMembers);
    ExpectDistinct("IDeklZaklad", kIDeklZakladMembers);
    ExpectDistinct("IDekElement", kIDekElementMembers);
    ExpectDistinct("ISerwisDeklaracji", kISerwisDeklaracjiMembers);
    ExpectDistinct("IFirmaCfgRO", kIFirmaCfgROMembers);
    ExpectDistinct("IProgramCfgRO", kIProgramCfgROMembers);
    ExpectDistinct("IEDeklaracja", kIEDeklaracjaMembers);
    ExpectDistinct("IDRA", kIDRAMembers);
    ExpectDistinct("IDRAExt", kIDRAExtMembers);
    ExpectDistinct("IKedu", kIKeduMembers);
}

TEST(TypeLibrary, DeclarationMembersLeaveTheFieldRangeToTheForm) {
    for (const Member& member : kIDeklaracja2Members) {
        EXPECT_GT(member.id, 0) << member.name;
        EXPECT_LT(member.id, IDeklaracja2::kFirstFieldDispid) << member.name;
    }
}

TEST(TypeLibrary, InterfaceAndClassIdentifiersAreDistinct) {
    std::set<std::u16string> seen;
    auto expectNew = [&](REFGUID guid, const std::string& what) {
        const std::u16string text = tlx::GuidToText(guid);
        EXPECT_TRUE(seen.insert(text).second) << what << " repeats " << std::string(text.begin(), text.end());
    };
    for (const TypeLibInterface& entry : kTypeLibInterfaces)
        expectNew(entry.iid, std::string(entry.name, entry.name + std::char_traits<char16_t>::length(entry.name)));
    expectNew(IGetDekElementInfo::kIid, "IGetDekElementInfo");
    expectNew(IPodatnik::kIid, "IPodatnik");
    expectNew(_IProgressEvents::kIid, "_IProgressEvents");
    for (const CLSID& clsid :
         {CLSID_Deklaracja, CLSID_Deklaracje, CLSID_DekStrona, CLSID_KeduKolekcja, CLSID_Kedu, CLSID_RCA, CLSID_DRA,
          CLSID_IWA, CLSID_RNA, CLSID_RZA, CLSID_RSA, CLSID_DekElement, CLSID_DekWydruk, CLSID_INFD, CLSID_WND,
          CLSID_WNU, CLSID_EDeklaracja, CLSID_DekPdf, CLSID_DekPdfKolekcja, CLSID_WND3, CLSID_SerwisDeklaracji,
          CLSID_FirmaCfgRO, CLSID_ProgramCfgRO, CLSID_ZSWA, CLSID_VatZd, CLSID_Vat27, CLSID_DeklZaklad,
          CLSID_DeklZaklady, CLSID_DekElementInfo, CLSID_TransformHelper, CLSID_VatZdKolekcja, CLSID_Vat27Kolekcja})
        expectNew(clsid, "a class");
    expectNew(LIBID_MV_DEKLARACJELib, "the library");
}
