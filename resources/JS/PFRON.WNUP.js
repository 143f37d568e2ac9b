// PFRON INF-U-P: załącznik wylicza usługa TLXDeklaracje.WNU; przeliczenie formularza zeruje pola, których
// wniosek nie wypełnia. Dni NORMS... wypełnia usługa: zostają.

function OnLoad()
{
    CcTrace('OnLoad');
    UpdateInfo();
}

function UpdateInfo()
{
}

function OnCalculate()
{
    var pola = ['KWDOFNALEZNA', 'KWDOFZPFRON', 'KWPOMINNE', 'KWUSTALONA', 'KWPOMNSKLADKIZUS'];
    for (var i = 0; i < pola.length; ++i)
        dokument[pola[i]] = 0;
}

function OnVerify()
{
}

function OnSaveIt()
{
}
