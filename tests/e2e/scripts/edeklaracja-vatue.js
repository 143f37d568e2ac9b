// The demo company's VAT-UE of March 2024 filed as an e-declaration with its attachments: two VAT-UE/A
// (intra-Community supplies) and one VAT-UE/C (services), each a declaration of its own numbered in the
// month. The VAT-UE is sent signed through the tax office's gateway and its official receipt fetched;
// what the VAT-UE stored is then read back with what each attachment received from it.

function Odczyt(deklaracja) {
    return Session.Login.CreateSession().CreateObject("TLXDeklaracje.Deklaracje", String(deklaracja.ID));
}

var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");
var firma = Session.CreateObject("TLX.FirmaCfgRO");

// A new declaration of the month with the fields given.
function Nowa(typ, wersja, numer, pola) {
    var d = deklaracje.AddNew();
    d.TypDeklar = typ;
    d.Wersja = wersja;
    d.Rok = 2024;
    d.Miesiac = 3;
    if (numer) d.Numer = numer;
    for (var pole in pola) d[pole] = pola[pole];
    return d;
}

var a1 = Nowa(13, 3, 1, {P_Da1: "DE", P_Db1: "123 456-789", P_Dc1: 15000.40, P_Dd1: 1,
                         P_Da2: "FR", P_Db2: "12345678901", P_Dc2: 2500.50, P_Dd2: 2});
var a2 = Nowa(13, 3, 2, {P_Da1: "CZ", P_Db1: "12345678", P_Dc1: 300});
var c1 = Nowa(23, 2, 1, {P_Ua1: "AT", P_Ub1: "U12345678", P_Uc1: 7000});
var vatue = Nowa(11, 3, 0, {P_1: firma.NIP, P_6: firma.UrzadSkarbowy.Kod, P_8: firma.RodzajPlatnika == "1" ? 2 : 1,
                            P_9: firma.Nazwa, ZalacznikVATUEA: 2, ZalacznikVATUEB: 0, ZalacznikVATUEC: 1});
vatue.Policz();
Session.Save();
print("Zapisano", vatue.Opis, "nr", vatue.Numer, "z załącznikami:", a1.Opis, "nr", a1.Numer + ",", a2.Opis, "nr",
      a2.Numer + ",", c1.Opis, "nr", c1.Numer);

var e = new ActiveXObject("TLX.EDeklaracja");
e.Login = Session.Login;
e.AdviseProgress(Postep);

print("Wysyłka podpisanej deklaracji:");
e.WyslijDeklaracje(vatue, "");
for (var proba = 1; proba <= 2; proba++) {
    print("Pobranie UPO, próba " + proba + ":");
    e.PobierzUPO(vatue);
}

var stan = Odczyt(vatue);
print("VAT-UE:", stan.EDekl_Status, stan.EDekl_StatusOpis);
print("  numer referencyjny:", stan.EDekl_RefID, "struktura logiczna:", stan.EDekl_StrukturaLogiczna);
// What an attachment takes from its VAT-UE: the sending data when it is sent, the receipt data when the
// receipt comes (the times of day excepted: a declaration's date members answer whole days).
var kolumny = ["EDekl_RefID", "EDekl_Status", "EDekl_StatusOpis", "EDekl_KodUrzedu", "EDekl_DataWplyniecia",
               "EDekl_OperatorWysylajacyKod", "EDekl_OperatorPobierajacyUPOKod"];
var zalaczniki = [a1, a2, c1];
for (var i = 0; i < zalaczniki.length; i++) {
    var z = Odczyt(zalaczniki[i]);
    var rozne = [];
    for (var k = 0; k < kolumny.length; k++)
        if (String(z[kolumny[k]]) != String(stan[kolumny[k]])) rozne.push(kolumny[k]);
    print(z.Opis, "nr", z.Numer + ":", z.EDekl_Status, z.EDekl_StatusOpis + ";",
          rozne.length == 0 ? "dane wysyłki i UPO jak w VAT-UE" : "inne niż w VAT-UE: " + rozne.join(", "));
}
