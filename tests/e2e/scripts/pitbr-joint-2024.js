// The owner's PIT-36 of 2024 filed jointly with her husband, with the research and development relief of both on
// PIT/BR attachments: the husband's added first, then two of hers. The return's PIT/BR action numbers the
// taxpayer's first and marks each person's first attachment, so that the return's document carries her PIT/BR
// (with her second one's rows) before his. Written as its official document into the folder `folder` names.

var sesja = Sesja();
var pit = Nowa(sesja, 15, 23, '11');
pit.P_6 = 2; pit.P_2 = '80010112340'; pit.P_21 = 'Kowalski'; pit.P_22 = 'Jan'; pit.P_23 = '1980-01-01';
pit.P_28 = 55992; pit.P_29 = 3000; pit.P_31 = 1836;
pit.P_36 = 2000; pit.P_46 = 4000; pit.P_47 = 7676.52;
pit.Policz();
sesja.Save();
var id = pit.ID;

Zalacznik(id, 25, 14, 1, {P_8: '5260250274', P_9: 'Działalność z księgi firmy'});
var jego = Zalacznik(id, 39, 1, 1, {UzupelniamDaneMalzonka: 1, P_Da1: 'ekspertyzy', P_Db1: 1000, P_Dc1: 1000});
var jej1 = Zalacznik(id, 39, 1, 2, {P_Da1: 'wynagrodzenia pracowników', P_Db1: 8000, P_Dc1: 5000});
var jej2 = Zalacznik(id, 39, 1, 3, {P_Da1: 'materiały i surowce', P_Db1: 2000, P_Dc1: 2000});
var okno = Sesja();
var d = Otworz(okno, id);
d.executeJS('przeliczPoZamknieciuPITBR');
okno.Save();
var lista = [['jego', jego], ['jej pierwszy', jej1], ['jej drugi', jej2]];
for (var i = 0; i < lista.length; i++) {
    var z = Otworz(Sesja(), lista[i][1].ID);
    print('PIT/BR ' + lista[i][0] + ': nr ' + z.Numer + ', pierwszy ' + z.Pierwszy + ', małżonka ' + z.UzupelniamDaneMalzonka);
}
var gotowy = Gotowy(id);
print('Zeznanie: PIT/BR ' + gotowy.LiczbaPITBR + ' | 70: ' + Kwota(gotowy.P_70) + ', 71: ' + Kwota(gotowy.P_71) + ', 72: ' +
      Kwota(gotowy.P_72) + ', 73: ' + Kwota(gotowy.P_73) + ', 50: ' + Kwota(gotowy.P_50) + ', 52: ' + gotowy.P_52 +
      ', 53: ' + Kwota(gotowy.P_53) + ', 57: ' + gotowy.P_57 + ', 60: ' + gotowy.P_60);
ZapiszEDeklaracje(gotowy, 'PIT-36_23_BR.xml');
print('e-deklaracja w pliku PIT-36_23_BR.xml');
