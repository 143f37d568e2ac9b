// Every statement the module sends, with its appended identifiers filled in, runs on a company (or
// configuration) database created from db/.
#include <gtest/gtest.h>

#include "AdoTestSupport.h"
#include "platform/ado/SqlRoutines.h"

using namespace adotest;

namespace {
constexpr char kDeclaration[] = R"(
INSERT INTO DeklKedu (Dkk_DkkId, Dkk_Nazwa) VALUES (3, 'Paczka');
INSERT INTO DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_Numer, DkN_RokMiesiac, DkN_PraID, DkN_DkkID)
    VALUES (12, 1, 7, 202403, 1, 3);
INSERT INTO DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_ParentID) VALUES (13, 2, 12);
INSERT INTO DeklStr (DkS_DkNID, DkS_Lp, DkS_Tekst) VALUES (12, 1, '<strona/>');
INSERT INTO BnkZdarzenia (BZd_DokumentTyp, BZd_DokumentID, BZd_DataDok, BZd_Termin)
    VALUES (6, 12, '2024-04-20 00:00:00', '2024-04-25 00:00:00');
INSERT INTO PracPitMies (PPM_PPMId, PPM_PraId, PPM_Rok, PPM_Miesiac) VALUES (1, 1, 2024, 3);
INSERT INTO PracPitKwoty (PPK_PPMId, PPK_Numer, PPK_Wartosc) VALUES (1, 101, 'T'), (1, 102, 'FIRMA2');
)";

// The host's routines as a test host registers them: SQL over the demo tables.
void RegisterHostRoutines() {
    auto& routines = tlx::ado::SqlRoutines::Instance();
    routines.RegisterFunction("TLX.DeklNumer", std::string("select 'DEK/' || DkN_Numer from DeklNag where DkN_DkNID = ?1"));
    routines.RegisterFunction("TLX.DeklTermin", std::string("select date(printf('%04d-%02d-25', DkN_RokMiesiac / 100, "
                                                            "DkN_RokMiesiac % 100), '+1 month') || ' 00:00:00' "
                                                            "from DeklNag where DkN_DkNID = ?1"));
    routines.RegisterFunction("TLX.VATZD_JestZapisKorekcyjny",
                              std::string("select count(*) > 0 from VATZD where VaZ_VaZId = ?1 and VaZ_Typ = 2"));
    routines.RegisterProcedure("tlx.ZeroweRcaRza",
                               std::string("select 0 as id, UMW_PraId, 'RCA' as rodzaj from Umowy "
                                           "where UMW_DataOd <= ?2 and (UMW_DataDo is null or UMW_DataDo >= ?1) "
                                           "and ?3 in (0, 1)"));
    routines.RegisterProcedure("TLX.ZPCHR", std::string("select count(*) * 1.0 as Tmp_ET_P from PracEtaty "
                                                        "where PRE_DataOd <= ?2 and PRE_DataDo >= ?1 and ?3 = 1"));
    routines.RegisterProcedure("tlx.DRA", std::string("select count(*) from Wyplaty where WPL_Rok = ?1 and "
                                                      "WPL_Miesiac = ?2 and WPL_PraId = ?3 and ?4 > 0"));
    routines.RegisterProcedure("TLX.SOD3", std::string("select count(*) * 1.0 as Ogolem, 0.0 as Niepelnosprawni "
                                                       "from PracEtaty where PRE_DataOd <= ?2 and ?3 = 1 and ?1 <= ?2"));
    routines.RegisterProcedure("TLX.SOD4", std::string("select count(*) * 1.0 as Ogolem, 0.0 as Niepelnosprawni "
                                                       "from PracEtaty where PRE_DataOd <= ?2 and ?1 <= ?2"));
}

struct StatementCase {
    const char* name;
    const char16_t* sql;
    bool rows;            // yields a recordset
    bool configuration = false;
};

const StatementCase kStatements[] = {
    {"numbering with employee", u"select max(dkn_numer) from tlx.deklnag where dkn_praid=1  and dkn_typdeklar=1", true},
    {"numbering IWA", u"select max(dkn_numer) from tlx.deklnag where dkn_praid is null   and dkn_rokmiesiac between "
                      u"202401 and 202412 and dkn_typdeklar=130", true},
    {"payment date", u"select BZd_DataDok from TLX.BnkZdarzenia where BZD_DokumentTyp = 6 and BZd_DokumentID =12", true},
    {"child declarations", u"select dkn_dknid from TLX.deklnag where dkn_typDeklar not in "
                           u"(25,26,27,28,29,30,36,37,38,39) AND dkn_parentid=12", true},
    {"pages", u"select * from TLX.deklstr where dks_dknid=12 order by dks_lp", true},
    {"stored values", u"select * from TLX.deklelem where dke_dknid=12", true},
    {"printouts", u"select * from TLX.deklwydr where dkw_dknid=12", true},
    {"VAT-UE 1", u"select * from TLX.DeklVUEK where DVU_Typ=1 and DVU_DkNID=12 order by DVU_LP, DVU_ByloJest", true},
    {"VAT-UE 2", u"select * from TLX.DeklVUEK where DVU_Typ=2 and DVU_DkNID=12 order by DVU_LP, DVU_ByloJest", true},
    {"VAT-UE 3", u"select * from TLX.DeklVUEK where DVU_Typ=3 and DVU_DkNID=12 order by DVU_LP, DVU_ByloJest", true},
    {"VAT-UE 11", u"select * from TLX.DeklVUEK where DVU_Typ=11 and DVU_DkNID=12", true},
    {"VAT-UE 12", u"select * from TLX.DeklVUEK where DVU_Typ=12 and DVU_DkNID=12", true},
    {"VAT-UE 13", u"select * from TLX.DeklVUEK where DVU_Typ=13 and DVU_DkNID=12", true},
    {"VAT-27 1", u"select * from TLX.DeklV27 where V27_Typ = 1 AND V27_DkNID=12", true},
    {"VAT-27 2", u"select * from TLX.DeklV27 where V27_Typ = 2 AND V27_DkNID=12", true},
    {"VAT-27K 1", u"select * from TLX.DeklV27K where DVK_Typ = 1 AND DVK_DkNID=12", true},
    {"VAT-27K 2", u"select * from TLX.DeklV27K where DVK_Typ = 2 AND DVK_DkNID=12", true},
    {"VAT-ZD", u"select * from TLX.VATZD where VaZ_Bufor = 0 and VaZ_DkNId=12", true},
    {"sent date", u"SELECT ISNULL(CONVERT(VARCHAR(20), DKN_Edekl_DataWyslania ,120),'') FROM TLX.DeklNag WHERE "
                  u"DkN_DkNID= 12", true},
    {"receipt date", u"SELECT ISNULL(CONVERT(VARCHAR(20), DKN_Edekl_DataOdebraniaUPO ,120),'') FROM TLX.DeklNag "
                     u"WHERE DkN_DkNID= 12", true},
    {"PDF attachments", u"SELECT * FROM TLX.RptObrazy2", true},
    {"document number", u"select TLX.DeklNumer(12)", true},
    {"form type", u"select DkN_TypDeklar from tlx.DeklNag where DkN_DkNID = 12", true},
    {"bank due date", u"select BZd_Termin from tlx.BnkZdarzenia where BZd_DokumentTyp = 6 and BZd_DokumentId = 12", true},
    {"due date", u"select TLX.DeklTermin(12)", true},
    {"accounting kind", u"Select Fir_Wartosc From TLX.Firma Where Fir_Numer=1204", true},
    {"ledger sums", u"SELECT ROUND(KPR_RokMies/100,0) AS Rok, (KPR_RokMies % 100) AS Miesiac,  SUM(KPR_Sprzedaz+"
                    u"KPR_Pozostale) AS Przychod,  SUM(KPR_Towary+KPR_Uboczne+KPR_Wynagrodz+KPR_Inne) AS Koszt,  "
                    u"SUM(KPR_Reklama) AS Reklama, 0 AS ReklamaKoszt, 0 AS Remanent  FROM TLX.ZapisyKPR  WHERE "
                    u"KPR_RokMies>202400 AND KPR_RokMies<=202403 AND KPR_Skreslony=0 AND KPR_Bufor=0 GROUP BY "
                    u"KPR_RokMies", true},
    {"ledger inventory", u"SELECT ROUND(KPR_RokMies/100,0) AS Rok, (KPR_RokMies % 100) AS Miesiac,  KPR_Zaszlosci "
                         u"AS Remanent, KPR_ZakID AS Zaklad FROM TLX.ZapisyKPR WHERE KPR_RokMies>=202400 AND "
                         u"KPR_RokMies<=202403 AND KPR_Zrodlo=4 AND KPR_Skreslony=0 ORDER BY KPR_DataOpe", true},
    {"partner database", u"select PPK_Z_BAZY.PPK_Wartosc as Z_BAZY, PPK_BAZA.PPK_Wartosc as BAZA from "
                         u"TLX.PracPitMies left outer join TLX.PracPitKwoty PPK_Z_BAZY on (PPM_PPMId="
                         u"PPK_Z_BAZY.PPK_PPMId and PPK_Z_BAZY.PPK_Numer=101) left outer join TLX.PracPitKwoty "
                         u"PPK_BAZA   on (PPM_PPMId=PPK_BAZA.PPK_PPMId and PPK_BAZA.PPK_Numer=102) where "
                         u"PPM_PraId=1 and PPM_Rok=2024 and PPM_Miesiac=3 ", true},
    {"VAT-ZD correction", u"select TLX.VATZD_JestZapisKorekcyjny(12)", true},
    {"zero reports", u"declare @dat datetime set @dat  =  DATEADD(day, -1, DATEADD(month, 1, '20240301'))exec "
                     u"tlx.ZeroweRcaRza '20240301', @dat , 1", true},
    {"payroll persons", u"select distinct (case when pra_parentid is null then pra_praid else pra_parentid end) as "
                        u"wpl_praid from tlx.wypelementy join tlx.wyplaty on wpl_wplid = wpe_wplid and wpl_tryb not "
                        u"in (1,2) join tlx.listyplac on lpl_lplid = wpl_lplid join tlx.prackod on wpl_praid = "
                        u"pra_praid where lpl_miesiac = 3 and lpl_rok = 2024", true},
    {"new hires", u"select distinct (case when pra_parentid is null then pra_praid else pra_parentid end) from(select "
                  u"(case when pra_parentid is null then pra_praid else pra_parentid end) as wpl_praidRes, * from "
                  u"tlx.pracetaty join tlx.prackod on pre_praid = pra_praid left outer join tlx.wyplaty on pra_praid "
                  u"= wpl_praid where (Month(pre_zatrudnionyod)=3 and Year(pre_zatrudnionyod)=2024 and "
                  u"Month(PRE_UBZZusOd)=3 and Year(PRE_UBZZusOd)=2024)) a", true},
    {"disabled employees", u"DECLARE @D1 DATETIME \t\t\t\t\t\t\t  DECLARE @D2 DATETIME \t\t\t\t\t\t\t  SET @D1 = "
                           u"CONVERT(datetime,'2024-03-01',120) \t\t\t\t\t\t\t  SET @D2 = CONVERT(datetime,"
                           u"'2024-03-31',120) \t\t\t\t\t\t\t  exec TLX.ZPCHR @D1 , @D2, 1", true},
    {"employee list", u"SELECT distinct (case when pra_parentid is NULL then pra_praid else pra_parentid end) as "
                      u"pra_praid FROM TLX.PracKod", true},
    {"document definition", u"INSERT INTO TLX.DokDefinicje(DDf_Klasa, DDf_Symbol, DDf_Nazwa, DDf_Numeracja, "
                            u"DDf_ImportRowId, DDf_OpeZalId, DDf_TS_Zal, DDf_OpeModId, DDf_TS_Mod, "
                            u"DDf_SeriaOperatora)                                         VALUES(600,'BOWYP','Bilans "
                            u"otwarcia', '@symbol/@rok_kal/@miesiac/@numerS/@rejestr',"
                            u"'6B29FC40-CA47-1067-B31D-00DD010662DA',NULL, GetDate(),NULL,GetDate(),0)", false},
    {"payouts near the month", u"select distinct wpl_wplid from tlx.wypelementy  join tlx.wyplaty on wpl_wplid = "
                               u"wpe_wplid and wpl_tryb not in (1, 2) join tlx.listyplac on lpl_lplid = wpl_lplid "
                               u"join tlx.prackod on wpl_praid = pra_praid where (wpl_praid=1 or pra_parentid=1) and "
                               u"lpl_miesiac+lpl_rok*12 >= 24289 and lpl_miesiac+lpl_rok*12 <= 24293", true},
    {"FEP employees", u"SELECT DISTINCT(PRE_PraId) FROM TLX.PracEtaty WHERE PRE_PraId = 1 AND  PRE_KodFEP != 0 ORDER "
                      u"BY PRE_PraId ASC;", true},
    {"FEP count", u"SELECT DISTINCT(PRE_PraId) FROM TLX.PracEtaty WHERE PRE_KodFEP != 0 AND PRE_PraId = 1", true},
    {"FEP periods", u"SELECT PRE_KodFEP, MIN(PRE_DataOd) AS 'PRE_DataOd', MAX(PRE_DataDo) AS 'PRE_DataDo', "
                    u"PRE_ETAEtatL, PRE_ETAEtatM, PRE_PrawoER, PRE_StNiepelnosp, PRE_UBZTyuId, PRE_FEPOd, PRE_FEPDo, "
                    u"MAX(PRE_ZatrudnionyDo) AS 'PRE_ZatrudnionyDo' FROM TLX.PracEtaty WHERE  PRE_KodFEP != 0  AND "
                    u"(2024 BETWEEN YEAR(PRE_DataOd) AND YEAR(PRE_DataDo)   )  AND (((2024 BETWEEN "
                    u"YEAR(PRE_ZatrudnionyOd) AND YEAR(PRE_ZatrudnionyDo)) OR PRE_ZatrudnionyOd IS NULL)  ) AND "
                    u"(((2024 BETWEEN YEAR(PRE_FEPOd) AND YEAR(PRE_FEPDo)) OR PRE_FEPOd IS NULL OR "
                    u"CONVERT(CHAR(10),PRE_FEPOd,120) = '1899-12-30')  ) AND PRE_PraId = 1 GROUP BY PRE_KodFEP, "
                    u"PRE_ETAEtatL, PRE_ETAEtatM, PRE_UBZTyuId, PRE_PrawoER, PRE_StNiepelnosp, PRE_FEPOd, PRE_FEPDo, "
                    u"PRE_ZatrudnionyDo ORDER BY PRE_DataOd ASC;", true},
    {"FEP group keys", u"SELECT DISTINCT( CAST( CASE WHEN PRE_UBZTyuId = 99999 THEN CAST('0000' AS VARCHAR(4)) WHEN "
                       u"PRE_UBZTyuId = 0 THEN CAST('0000' AS VARCHAR(4)) WHEN PRE_UBZTyuId IS NULL THEN CAST('0000' "
                       u"AS VARCHAR(4)) WHEN PRE_UBZTyuId <= 999 THEN '0' + CONVERT(VARCHAR(4),PRE_UBZTyuId) ELSE "
                       u"CAST(PRE_UBZTyuId AS VARCHAR(4)) END AS VARCHAR(4)) + CONVERT(VARCHAR(1), PRE_PrawoER) +  "
                       u"CONVERT(VARCHAR(1), PRE_StNiepelnosp)) AS TYUB FROM TLX.PracEtaty WHERE PRE_KodFEP != 0 "
                       u"ORDER BY TYUB ASC;", true},
    {"benefit source", u"select TWP_PdzId from tlx.WypElementy join tlx.TypWyplata on wpe_twpid = TWP_TwpId where "
                       u"WPE_WplId = 2 and TWP_PdzId in (311,319,325)", true},
    {"DRA payroll check", u"exec tlx.DRA 2016,3,42,11000", true},
    {"KEDU name check", u"select \tcount(*) from \ttlx.deklkedu where \tdkk_dkkid<>3\tand dkk_nazwa='Paczka'", true},
    {"KEDU declarations", u"select dkn_dknid from tlx.deklnag where dkn_dkkid=3", true},
    {"child ids", u"select dkn_dknid from tlx.deklnag where dkn_parentid=12", true},
    {"page texts", u"select dks_tekst from tlx.deklstr where dks_dknid=12", true},
    {"all persons", u"select pra_praid from tlx.prackod", true},
    {"top persons", u"select pra_praid, pra_nadrzedny from tlx.prackod where pra_parentid is null", true},
    {"linked persons", u"select pra_praid from tlx.prackod where pra_parentid = 2 union select 2", true},
    {"FTE SOD3", u"DECLARE @DataOd DATETIME,@DataDo DATETIME; SET @DataOd= CONVERT(datetime, '2024-03-01', 120); "
                 u"SET @DataDo=CONVERT(datetime, '2024-03-31', 120); exec TLX.SOD3 @DataOd, @DataDo, 1;", true},
    {"FTE SOD4", u"DECLARE @DataOd DATETIME,@DataDo DATETIME; SET @DataOd= CONVERT(datetime, '2024-03-01', 120); "
                 u"SET @DataDo=CONVERT(datetime, '2024-03-31', 120); exec TLX.SOD4 @DataOd, @DataDo;", true},
    {"payout months with subordinates", u"select wpl_rok,wpl_miesiac from tlx.wyplaty join tlx.listyplac on "
                                        u"wpl_lplid=lpl_lplid where wpl_praid in (select pra_praid from tlx.prackod "
                                        u"where pra_praid=2 or pra_parentid=2) and Year(lpl_dataod)=2024 and "
                                        u"Month(lpl_dataod)=3 order by wpl_rok desc,wpl_miesiac desc;", true},
    {"payout months", u"select wpl_rok,wpl_miesiac from tlx.wyplaty join tlx.listyplac on wpl_lplid=lpl_lplid where "
                      u"wpl_praid=1 and Year(lpl_dataod)=2024 and Month(lpl_dataod)=3 order by wpl_rok "
                      u"desc,wpl_miesiac desc;", true},
    {"operator code", u"SELECT Ope_Kod FROM TLX.Operatorzy WHERE Ope_OpeID = 1", true, true},
    {"database name", u"SELECT Baz_Nazwa FROM TLX.Bazy WHERE Baz_BazID=1", true, true},
};

const char16_t* Statement(std::string_view name) {
    for (const StatementCase& statement : kStatements)
        if (name == statement.name) return statement.sql;
    ADD_FAILURE() << "no statement " << name;
    return u"";
}

double Number(const VARIANT& value) {
    switch (value.vt) {
        case VT_I4: return value.lVal;
        case VT_R8: return value.dblVal;
        case VT_CY: return static_cast<double>(value.cyVal.int64) / 10000.0;
        default: return -1;
    }
}

class DdlStatementsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterHostRoutines(); }
    TempDatabase company_{{"db/company", "db/demo.sql"}, kDeclaration};
    TempDatabase config_{{"db/config.sql"}};
};

TEST_F(DdlStatementsTest, EveryStatementRunsOnTheDatabases) {
    auto company = company_.Open();
    auto config = config_.Open();
    for (const StatementCase& statement : kStatements) {
        Connection* connection = statement.configuration ? config.Get() : company.Get();
        tlx::ComPtr<Recordset> rows;
        HRESULT hr = connection->Execute(tlx::Bstr(statement.sql).Get(), nullptr, adCmdText, rows.Out());
        EXPECT_EQ(hr, S_OK) << statement.name << ": " << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
        EXPECT_EQ(static_cast<bool>(rows), statement.rows) << statement.name;
    }
}

TEST_F(DdlStatementsTest, StatementsAnswerWhatTheirCallersRead) {
    auto company = company_.Open();
    auto config = config_.Open();
    EXPECT_EQ(Text(Value(Execute(config.Get(), u"SELECT Ope_Kod FROM TLX.Operatorzy WHERE Ope_OpeID = 1").Get(), 0)),
              u"ADMIN");
    EXPECT_EQ(Value(Execute(company.Get(), u"select max(dkn_numer) from tlx.deklnag where dkn_praid=1  and "
                                           u"dkn_typdeklar=1").Get(), 0).lVal, 7);
    EXPECT_EQ(Text(Value(Execute(company.Get(), u"select TLX.DeklNumer(12)").Get(), 0)), u"DEK/7");
    auto zero = Execute(company.Get(), u"declare @dat datetime set @dat  =  DATEADD(day, -1, DATEADD(month, 1, "
                                       u"'20240301'))exec tlx.ZeroweRcaRza '20240301', @dat , 0");
    EXPECT_EQ(Count(zero.Get()), 3) << "the demo's three contracts running in March";
    auto keys = Execute(company.Get(), Statement("FEP group keys"));
    std::vector<std::u16string> found;
    for (; !AtEnd(keys.Get()); keys->MoveNext()) found.push_back(Text(Value(keys.Get(), u"TYUB")));
    EXPECT_EQ(found, (std::vector<std::u16string>{u"011000", u"011001", u"011002"}))
        << "the demo's special-work employees: 0110, no pension right, no disability; 0110 with a light, then a "
           "moderate disability";
    auto ledger = Execute(company.Get(), Statement("ledger sums"));
    EXPECT_EQ(Count(ledger.Get()), 3);
    EXPECT_DOUBLE_EQ(Number(Value(ledger.Get(), u"Przychod")), 12000);
    auto persons = Execute(company.Get(), Statement("payroll persons"));
    EXPECT_EQ(Count(persons.Get()), 18) << "March pays 19 of the 20 cards (card 12 starts in May), card 3 counted as "
                                          "its parent 2";
}

TEST(DdlDatabases, AreCreatedFromNothing) {
    TempDatabase company({"db/company", "db/demo.sql"});
    TempDatabase config({"db/config.sql"});
    auto tables = Execute(company.Open().Get(), u"select count(*) from TLX.sqlite_master where type = 'table' and name not like 'sqlite%'");
    EXPECT_EQ(Value(tables.Get(), 0).lVal, 41);
    auto operators = Execute(config.Open().Get(), u"select count(*) from tlx.operatorzy");
    EXPECT_EQ(Value(operators.Get(), 0).lVal, 1);
}

}  // namespace
