// The VAT-ZD forms over their item lists: the demo company's notice of March 2024 (type 403) verified, with
// its VAT correction as its amount, due with the month's VAT-7; and a purchase-side VAT-ZD of May 2024 (type
// 402) with two unpaid purchase invoices, refused while one item's due date precedes its issue and while its
// base correction exceeds the invoice's net amount, then saved numbered.

var zaw = Session.CreateObject("TLXDeklaracje.Deklaracje", "DkN_TypDeklar = 403 and DkN_RokMiesiac = 202403");
zaw.Verify();
var t = zaw.Termin;
print(zaw.Opis, zaw.KwotaCalkowita, t.getDate() + "." + (t.getMonth() + 1) + "." + t.getFullYear());
var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");
var z = deklaracje.AddNew();
z.TypDeklar = 402; z.Wersja = 1; z.Rok = 2024; z.Miesiac = 5;
function Pozycja(nazwa, nip, dok, wys, termin, netto, kn, kv) {
    var p = z.CustomCollection01.AddNew();
    p.Typ = 2; p.NazwaKontrahenta1 = nazwa; p.NIP = nip; p.Dokument = dok; p.DataWystawienia = wys;
    p.TerminRealizacji = termin; p.Netto = netto; p.KorektaNetto = kn; p.KorektaVAT = kv;
    return p;
}
Pozycja("Dostawca A", "526-025-02-74", "FZ/1/2024", new Date(2024, 0, 10), new Date(2024, 1, 9), 10000, 10000, 2300);
var zla = Pozycja("Dostawca B", "774-000-14-54", "FZ/7/2024", new Date(2024, 0, 20), new Date(2024, 0, 5), 2000, 2000, 460);
try { z.Verify(); print("przyjęto"); } catch (e) { print(e.description); }
zla.TerminRealizacji = new Date(2024, 1, 19);
zla.KorektaNetto = 2500;
try { z.Verify(); print("przyjęto"); } catch (e) { print(e.description); }
zla.KorektaNetto = 2000;
z.Verify();
Session.Save();
var t2 = z.Termin;
print(z.Opis, "nr", z.Numer, z.RazemNetto, z.RazemVat, z.KwotaCalkowita, t2.getDate() + "." + (t2.getMonth() + 1) + "." + t2.getFullYear());
