var log = (typeof log == 'undefined' ? '' : log) + 'TOOLS;';

// What the evaluation tests read back: the bound field's name, or "(brak)".
function NazwaPola()
{
    return (pole == null) ? '(brak)' : pole.Nazwa;
}

// A field's onupdate: records which field it ran for and what the event inside it saw.
function Zmieniono()
{
    log += 'onupdate ' + NazwaPola() + ';';
    log += 'zdarzenie ' + dokument.Zdarzenie + ';';
    log += 'po zdarzeniu ' + NazwaPola() + ';';
}

function Zdarzenie()
{
    return NazwaPola();
}
