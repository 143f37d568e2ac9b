// The party of every authored form (Podmiot and PodAdres of a declaration), read by a host script on the
// demo company: the company for what the company files, the declaration's employee card for what is about
// a person, the return's person for an attachment of a return, and none for the few forms listed below.
#include "TlxhostFixture.h"

#include <cstdlib>
#include <filesystem>
#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

enum class Party { Company, Employee, Return, None };

// Every form type of the module and whose party its declarations answer. A definition of a type not
// listed here fails the test: a new form says which party it has.
const std::map<int, Party> kParties = {
    {1, Party::Company},    {3, Party::Company},    {4, Party::Company},    {6, Party::Company},
    {8, Party::Company},    {11, Party::Company},   {13, Party::Company},   {14, Party::Company},
    {17, Party::Company},   {18, Party::Company},   {19, Party::Company},   {22, Party::Company},
    {23, Party::Company},   {28, Party::Company},   {29, Party::Company},   {30, Party::Company},
    {33, Party::Company},   {34, Party::Company},   {38, Party::Company},   {120, Party::Company},
    {121, Party::Company},  {122, Party::Company},  {123, Party::Company},  {124, Party::Company},
    {125, Party::Company},  {130, Party::Company},  {300, Party::Company},  {310, Party::Company},
    {320, Party::Company},  {402, Party::Company},  {403, Party::Company},  {404, Party::Company},
    {5, Party::Employee},   {9, Party::Employee},   {10, Party::Employee},  {15, Party::Employee},
    {16, Party::Employee},  {20, Party::Employee},  {21, Party::Employee},  {24, Party::Employee},
    {35, Party::Employee},  {100, Party::Employee}, {101, Party::Employee}, {102, Party::Employee},
    {103, Party::Employee}, {104, Party::Employee}, {105, Party::Employee}, {106, Party::Employee},
    {25, Party::Return},    {26, Party::Return},    {27, Party::Return},    {36, Party::Return},
    {37, Party::Return},    {39, Party::Return},
    // The PFRON attachments of one disabled person: the calculation that makes them links no card.
    {301, Party::None},     {311, Party::None},     {321, Party::None},
};

// The authored definitions: resources/XML/<type>/<version>.xml of the checkout.
std::vector<std::pair<int, int>> AuthoredDefinitions() {
    const char* root = std::getenv("TLX_SOURCE_DIR");
    std::vector<std::pair<int, int>> found;
    for (const auto& folder : std::filesystem::directory_iterator(std::string(root ? root : ".") + "/resources/XML")) {
        const std::string type = folder.path().filename().string();
        if (!folder.is_directory() || type.find_first_not_of("0123456789") != std::string::npos) continue;
        for (const auto& file : std::filesystem::directory_iterator(folder.path())) {
            const std::string version = file.path().stem().string();
            if (file.path().extension() == ".xml" && version.find_first_not_of("0123456789") == std::string::npos)
                found.emplace_back(std::stoi(type), std::stoi(version));
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

// The demo company's address settings, and card 5's (Katarzyna Wójcik, Kraków).
constexpr const char* kCompany =
    "Marszałkowska 10/5, 00-001 Warszawa, Warszawa, Warszawa, Warszawa, mazowieckie, Polska";
constexpr const char* kCard5 = "Floriańska 15/, 30-001 Kraków, Kraków, Kraków, Kraków, małopolskie, Polska";

class PodmiotScript : public TlxhostDemoTest {
protected:
    // Prints "type/version: <party> | <PodAdres>" for each of `formularze`, or "brak" for a declaration
    // without a party; the party is its address, after "karta <id>: " for an employee card.
    // Employee forms are made on card 5, attachments on a PIT-36 of card 5.
    static constexpr const char* kScript = R"js(
function Adres(a) {
    if (a == null) return 'brak';
    return a.Ulica + ' ' + a.NrDomu + '/' + a.NrLokalu + ', ' + a.KodPocztowy + ' ' + a.Miasto + ', ' + a.Poczta +
           ', ' + a.Gmina + ', ' + a.Powiat + ', ' + a.Wojewodztwo + ', ' + a.Kraj;
}
function Nowa(sesja, typ, wersja) {
    var d = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
    d.TypDeklar = typ; d.Wersja = wersja; d.Rok = 2024;
    return d;
}
var karta = Session.CreateObject('TLX.Pracownicy').Item('5');
var zeznanie = Nowa(Session, 15, 23);
zeznanie.Pracownik = karta;
zeznanie.Policz();
Session.Save();
for (var i = 0; i < formularze.length; i++) {
    var f = formularze[i];
    var sesja = Session.Login.CreateSession();
    var d = Nowa(sesja, f[0], f[1]);
    if (f[2] == 'pracownik') d.Pracownik = sesja.CreateObject('TLX.Pracownicy').Item('5');
    if (f[2] == 'zeznanie') d.ParentId = zeznanie.ID;
    var podmiot = d.Podmiot;
    var kto = podmiot == null ? '' : (f[2] == '' ? '' : 'karta ' + podmiot.ID + ': ') + Adres(podmiot.Adres);
    print(f[0] + '/' + f[1] + ': ' + (podmiot == null ? 'brak' : kto + ' | ' + Adres(d.PodAdres)));
}
)js";

    static const char* Kind(Party party) {
        return party == Party::Employee ? "pracownik" : party == Party::Return ? "zeznanie" : "";
    }
};

TEST_F(PodmiotScript, EveryAuthoredFormAnswersItsParty) {
    const auto definitions = AuthoredDefinitions();
    ASSERT_GT(definitions.size(), 70u);
    std::ostringstream forms;
    std::vector<std::string> expected;
    forms << "var formularze = [";
    for (const auto& [type, version] : definitions) {
        auto party = kParties.find(type);
        ASSERT_NE(party, kParties.end()) << "form " << type << "/" << version << " says no party";
        forms << "[" << type << ", " << version << ", '" << Kind(party->second) << "'],";
        std::string line = std::to_string(type) + "/" + std::to_string(version) + ": ";
        if (party->second == Party::None)
            line += "brak";
        else if (party->second == Party::Company)
            line += std::string(kCompany) + " | " + kCompany;
        else
            line += std::string("karta 5: ") + kCard5 + " | " + kCard5;
        expected.push_back(line);
    }
    forms << "];\n";
    ASSERT_EQ(RunScript(forms.str() + kScript), 0) << err_ << out_;
    std::istringstream printed(out_);
    std::string line;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_TRUE(std::getline(printed, line)) << out_;
        const auto& [type, version] = definitions[i];
        const Party party = kParties.at(type);
        EXPECT_EQ(line, expected[i]) << "form " << type << "/" << version << " gives its party with podmiot=\""
                                     << (party == Party::Company    ? "PodmiotFirma()"
                                         : party == Party::Employee ? "PodmiotPracownik()"
                                                                    : "PodmiotZeznania()")
                                     << "\" in its definition's parametry";
    }
    EXPECT_FALSE(std::getline(printed, line)) << line;
}

TEST_F(PodmiotScript, FormsWithoutTheirPersonAnswerNoParty) {
    ASSERT_EQ(RunScript(std::string("var formularze = [[5, 23, ''], [100, 1, ''], [25, 14, '']];\n") + kScript), 0)
        << err_;
    EXPECT_EQ(out_, "5/23: brak\n100/1: brak\n25/14: brak\n");
}

}  // namespace
