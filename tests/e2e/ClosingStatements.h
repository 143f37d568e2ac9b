// What the payer's and taxpayer's forms write after their positions: each variant's closing elements, in
// their order, holding the statements printed on the paper form. Written out here by hand, as the tests
// expect them in the documents and as the project's schemas must describe them.
#pragma once

#include <string>

namespace closing {

inline std::string Element(const std::string& name, const std::string& text) {
    return "<" + name + ">" + text + "</" + name + ">";
}

// The statement of the amounts to pay in positions `from` to `to`, citing the enforcement act as published
// in `journal`.
inline std::string AmountsToPay(int from, int to, const std::string& journal) {
    return "W przypadku niewpłacenia w obowiązującym terminie kwot z poz. od " + std::to_string(from) + " do " +
           std::to_string(to) +
           " lub wpłacenia ich w niepełnej wysokości niniejsza deklaracja stanowi podstawę do wystawienia tytułu "
           "wykonawczego, zgodnie z przepisami ustawy z dnia 17 czerwca 1966 r. o postępowaniu egzekucyjnym w "
           "administracji (" + journal + ").";
}

inline const std::string kJournal2005 = "Dz.U. z 2005 r. Nr 229, poz.1954, z późn. zm.";
inline const std::string kJournal2012 = "Dz. U. z 2012 r. poz. 1015, z późn. zm.";
inline const std::string kJournal2014 = "Dz. U. z 2014 r. poz. 1619, z późn. zm.";

inline const std::string kPayersDuties =
    "Za uchybienie obowiązkom płatnika grozi odpowiedzialność przewidziana w Kodeksie karnym skarbowym.";
inline const std::string kPayersDeclaration =
    "Oświadczam, że są mi znane przepisy Kodeksu karnego skarbowego o odpowiedzialności za uchybienie obowiązkom "
    "płatnika.";
inline const std::string kRounding =
    "Kwoty podatku i wynagrodzenia przysługującego płatnikom z tytułu terminowego wpłacenia podatku dochodowego, "
    "zgodnie z art. 63 Ordynacji podatkowej, zaokrągla się do pełnych złotych.";
inline const std::string kUntruth =
    "Za podanie nieprawdy lub zatajenie prawdy grozi odpowiedzialność przewidziana w Kodeksie karnym skarbowym.";
inline const std::string kPayersDutiesBilingual =
    "Za uchybienie obowiązkom płatnika/podmiotu grozi odpowiedzialność przewidziana w Kodeksie karnym skarbowym. "
    "[The infringement of tax remitter/entity duties shall be subject to the sanctions provided for the Fiscal Penal "
    "Code].";

// The closing elements of the PIT-4R in `version` (3 to 6).
inline std::string Pit4r(int version) {
    switch (version) {
    case 3:
        return Element("Pouczenie", AmountsToPay(167, 178, kJournal2005)) + Element("Oswiadczenie", kPayersDeclaration);
    case 4:
        return Element("Pouczenie1", AmountsToPay(157, 168, kJournal2012)) + Element("Pouczenie2", kPayersDuties);
    case 5:
        return Element("Pouczenie1", AmountsToPay(157, 168, kJournal2012)) + Element("Pouczenie2", kPayersDuties) +
               Element("Objasnienie", kRounding);
    default:
        return Element("Pouczenie1", AmountsToPay(157, 168, kJournal2014)) + Element("Pouczenie2", kPayersDuties) +
               Element("Objasnienie", kRounding);
    }
}

inline std::string Pit8ar6() {
    return Element("Pouczenie1", AmountsToPay(201, 212, kJournal2014)) + Element("Pouczenie2", kPayersDuties);
}

inline const std::string kEtd2011 = "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/";
inline const std::string kEtd2016 = "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/";

// What a document writes from the end of its positions to its end.
inline std::string Tail(const std::string& document) {
    const std::size_t at = document.rfind("</PozycjeSzczegolowe>");
    if (at == std::string::npos) return "(no PozycjeSzczegolowe)";
    const std::size_t end = document.find_last_not_of("\r\n");
    return document.substr(at, end + 1 - at);
}

// `document` with its closing elements replaced by the bare flag other variants close with.
inline std::string WithFlagClosing(const std::string& document) {
    const std::size_t at = document.rfind("</PozycjeSzczegolowe>") + std::string("</PozycjeSzczegolowe>").size();
    const std::size_t end = document.rfind("</Deklaracja>");
    return document.substr(0, at) + "<Pouczenie>1</Pouczenie>" + document.substr(end);
}

// `document` with every mention of `what` replaced by `with`.
inline std::string ReplacedAll(std::string document, const std::string& what, const std::string& with) {
    for (std::size_t at = document.find(what); at != std::string::npos; at = document.find(what, at + with.size()))
        document.replace(at, what.size(), with);
    return document;
}

}  // namespace closing
