// PFRON INF-D: skrypt formularza wypełnia dane pracodawcy z ustawień firmy i przelicza deklarację przez
// usługę TLXDeklaracje.INFD, która tworzy załączniki INF-D-P.

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
    // Formularze w wersjach 1 i 2 wymagają okresu już przy zapisie przed przeliczeniem: PrzeliczPfron
    // wpisuje go przed zapisem.
    PrzeliczPfron('TLXDeklaracje.INFD');
    SaveContext();
}

function OnVerify()
{
}

function OnSaveIt()
{
}
