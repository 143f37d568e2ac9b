// PFRON WN-U: skrypt formularza wypełnia dane pracodawcy z ustawień firmy i przelicza wniosek usługą
// TLXDeklaracje.WNU, która tworzy załączniki INF-U-P.

function OnLoad()
{
    CcTrace('OnLoad');
    UpdateInfo();
    SaveContext();
}

function UpdateInfo()
{
}

function OnCalculate()
{
    PrzeliczPfron('TLXDeklaracje.WNU');
    SaveContext();
}

function OnVerify()
{
}

function OnSaveIt()
{
}
