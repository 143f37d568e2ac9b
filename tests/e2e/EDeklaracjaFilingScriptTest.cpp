// The demo company's e-declarations filed end to end by host scripts through tlxhost: sent signed to tlxgate
// (the local stand-in for the tax office's gateway, over HTTPS with a throw-away PKI), then their official
// receipts fetched, the first time while the service is still processing: a VAT-7, the VAT-7 with the
// month's VAT-ZD notice, a VAT-UE with its attachments, a quarterly VAT-27 and a quarterly VAT-7K.
#include <cstdlib>
#include <regex>

#include "GateDemoTest.h"

namespace {

constexpr char kRefId[] = "5f2b8c0d9e1a4b7c8d6e3f2a1b0c9d8e";

class EDeklaracjaFilingScript : public GateDemoTest {
protected:
    std::vector<std::string> GateArguments() const override { return {"--processing", "1", "--refid", kRefId}; }

    // The output with the times of the send and of the receipt named instead.
    static std::string Stable(const std::string& output) {
        return std::regex_replace(output, std::regex(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})"), "RRRR-MM-DD GG:MM:SS");
    }

    // The document kept in the exchange folder as filed (the one file there that is not a receipt).
    std::string Filed() const {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_ / "wymiana"))
            if (entry.is_regular_file() && entry.path().filename().string().find(kRefId) == std::string::npos)
                return Read(entry.path().string());
        return "";
    }
};

TEST_F(EDeklaracjaFilingScript, TheDemoVat7IsSentAndItsReceiptFetchedOnceTheServiceHasIssuedIt) {
    ASSERT_EQ(RunScript(Source("scripts/edeklaracja-vat7.js")), 0) << err_ << out_;
    EXPECT_EQ(Stable(out_), Source("golden/edeklaracja-vat7.out"));
    // What the service received verifies against the CA and is the file kept in the exchange folder.
    const std::string verify = "openssl cms -verify -cades -binary -inform DER -in '" + (folder_ / "gate" / kRefId).string() +
                               ".p7s' -CAfile '" + pki.CaCert().string() + "' -out '" + Path("tresc.xml") + "' 2>/dev/null";
    ASSERT_EQ(std::system(verify.c_str()), 0);
    std::string filed, receipt;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_ / "wymiana")) {
        const std::string name = entry.path().filename().string();
        if (name.find(kRefId) != std::string::npos) receipt = Read(entry.path().string());
        else if (entry.is_regular_file()) filed = Read(entry.path().string());
    }
    EXPECT_EQ(Read(Path("tresc.xml")), filed);
    EXPECT_EQ(receipt, gate->Received(".upo.xml")) << "the receipt is kept as the service issued it";
}

// A VAT-UE with two VAT-UE/A and one VAT-UE/C: the service receives the attachments' positions as the
// VAT-UE's groups in their order, and the attachments take the VAT-UE's status and receipt.
TEST_F(EDeklaracjaFilingScript, TheDemoVatUeIsSentWithItsAttachmentsWhichTakeItsStatusAndReceipt) {
    ASSERT_EQ(RunScript(Source("scripts/edeklaracja-vatue.js")), 0) << err_ << out_;
    EXPECT_EQ(Stable(out_), Source("golden/edeklaracja-vatue.out"));
    const std::string filed = Filed();
    const auto from = filed.find("<PozycjeSzczegolowe>");
    ASSERT_NE(from, std::string::npos) << filed;
    EXPECT_EQ(filed.substr(from, filed.find("</PozycjeSzczegolowe>") - from),
              "<PozycjeSzczegolowe>"
              "<Grupa1><P_Da>DE</P_Da><P_Db>123456789</P_Db><P_Dc>15000</P_Dc><P_Dd>1</P_Dd></Grupa1>"
              "<Grupa1><P_Da>FR</P_Da><P_Db>12345678901</P_Db><P_Dc>2501</P_Dc><P_Dd>2</P_Dd></Grupa1>"
              "<Grupa1><P_Da>CZ</P_Da><P_Db>12345678</P_Db><P_Dc>300</P_Dc><P_Dd>1</P_Dd></Grupa1>"
              "<Grupa3><P_Ua>AT</P_Ua><P_Ub>U12345678</P_Ub><P_Uc>7000</P_Uc></Grupa3>");
}

// The demo VAT-7 declaring the demo's VAT-ZD notice: the service receives the notice's rows and totals
// in the VAT-7's attachment part, and the notice takes the VAT-7's status and receipt.
TEST_F(EDeklaracjaFilingScript, TheDemoVat7IsSentWithTheDemosVatZdNoticeWhichTakesItsStatusAndReceipt) {
    ASSERT_EQ(RunScript(Source("scripts/edeklaracja-vat7-vatzd.js")), 0) << err_ << out_;
    EXPECT_EQ(Stable(out_), Source("golden/edeklaracja-vat7-vatzd.out"));
    const std::string filed = Filed();
    const auto from = filed.find("<P_B ");
    ASSERT_NE(from, std::string::npos) << filed;
    EXPECT_EQ(filed.substr(from, filed.find("</PozycjeSzczegolowe></Wniosek_VAT-ZD>") - from),
              "<P_B typ=\"G\"><P_BB>Hurtownia Beta Sp. z o.o.</P_BB><P_BC>5260250274</P_BC><P_BD1>FV/118/2023</P_BD1>"
              "<P_BD2>2023-09-12</P_BD2><P_BE>2023-10-12</P_BE><P_BF>2000.5</P_BF><P_BG>460.12</P_BG></P_B>"
              "<P_B typ=\"G\"><P_BB>Hurtownia Beta Sp. z o.o.</P_BB><P_BC>5260250274</P_BC><P_BD1>FV/118/2023</P_BD1>"
              "<P_BD2>2023-09-12</P_BD2><P_BE>2023-11-12</P_BE><P_BF>2000</P_BF><P_BG>460</P_BG></P_B>"
              "<P_10>4001</P_10><P_11>920</P_11>");
}

// A quarterly VAT-27 with rows in both lists: the service receives the quarterly form with the goods
// rows before their total and the service row before its own.
TEST_F(EDeklaracjaFilingScript, TheDemoQuarterlyVat27IsSentWithItsRowsAsGroups) {
    ASSERT_EQ(RunScript(Source("scripts/edeklaracja-vat27.js")), 0) << err_ << out_;
    EXPECT_EQ(Stable(out_), Source("golden/edeklaracja-vat27.out"));
    const std::string filed = Filed();
    EXPECT_NE(filed.find("<Deklaracja xmlns=\"http://crd.gov.pl/wzor/2015/09/04/2566/\""), std::string::npos) << filed;
    EXPECT_NE(filed.find("<Rok>2024</Rok><Kwartal>1</Kwartal>"), std::string::npos) << filed;
    const auto from = filed.find("<PozycjeSzczegolowe>");
    ASSERT_NE(from, std::string::npos) << filed;
    EXPECT_EQ(filed.substr(from, filed.find("</PozycjeSzczegolowe>") - from),
              "<PozycjeSzczegolowe>"
              "<Grupa_C typ=\"G\"><P_C2>Hurtownia Beta Sp. z o.o.</P_C2><P_C3>5260250274</P_C3><P_C4>12500.5</P_C4></Grupa_C>"
              "<Grupa_C typ=\"G\"><P_C2>Stalex S.A.</P_C2><P_C3>7740001454</P_C3><P_C4>3000</P_C4></Grupa_C>"
              "<P_11>15500.50</P_11>"
              "<Grupa_D typ=\"G\"><P_D2>Emisje Sp. z o.o.</P_D2><P_D3>1132853869</P_D3><P_D4>999.99</P_D4></Grupa_D>"
              "<P_12>999.99</P_12>");
}

// A quarterly VAT-7K: the service receives the quarterly form naming the quarter, with the quarter's
// amounts in whole złoty, the tax to pay 86250.09 - 34500.49 = 51749.60 rounded to 51750.
TEST_F(EDeklaracjaFilingScript, TheDemoQuarterlyVat7KIsSentAsTheQuarterlyForm) {
    ASSERT_EQ(RunScript(Source("scripts/edeklaracja-vat7k.js")), 0) << err_ << out_;
    EXPECT_EQ(Stable(out_), Source("golden/edeklaracja-vat7k.out"));
    const std::string filed = Filed();
    EXPECT_NE(filed.find("<Deklaracja xmlns=\"http://crd.gov.pl/wzor/2016/08/05/3413/\""), std::string::npos) << filed;
    EXPECT_NE(filed.find("kodSystemowy=\"VAT-7K (11)\""), std::string::npos) << filed;
    EXPECT_NE(filed.find("<Rok>2024</Rok><Kwartal>1</Kwartal>"), std::string::npos) << filed;
    EXPECT_NE(filed.find("<P_19>375000</P_19><P_20>86250</P_20>"), std::string::npos) << filed;
    EXPECT_NE(filed.find("<P_45>150000</P_45><P_46>34500</P_46>"), std::string::npos) << filed;
    EXPECT_NE(filed.find("<P_54>51750</P_54>"), std::string::npos) << filed;
}

}  // namespace
