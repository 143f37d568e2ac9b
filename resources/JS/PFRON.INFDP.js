// PFRON INF-D-P: załącznik wylicza usługa TLXDeklaracje.INFD; formularz nie liczy niczego sam.

function OnLoad()
{
}

function OnCalculate()
{
}

function OnVerify()
{
}

function OnSaveIt()
{
}
