<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Form1</name>
    <message>
        <source>Count The Interval Between Two Dates</source>
        <comment>frame title</comment>
        <translation>Intervallo tra due date</translation>
    </message>
    <message>
        <source>First Date</source>
        <comment>label over the first date, short</comment>
        <translation>Dal</translation>
    </message>
    <message>
        <source>First Date</source>
        <comment>spoken name of the first date picker</comment>
        <translation>Data iniziale</translation>
    </message>
    <message>
        <source>Last Date</source>
        <comment>label over the last date, short</comment>
        <translation>Al</translation>
    </message>
    <message>
        <source>Last Date</source>
        <comment>spoken name of the last date picker</comment>
        <translation>Data finale</translation>
    </message>
    <message>
        <source>Results</source>
        <comment>frame title over the four counts</comment>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Days result</source>
        <comment>spoken name of a result box</comment>
        <translation>Risultato in giorni</translation>
    </message>
    <message>
        <source>Weeks result</source>
        <comment>spoken name of a result box</comment>
        <translation>Risultato in settimane</translation>
    </message>
    <message>
        <source>Months result</source>
        <comment>spoken name of a result box</comment>
        <translation>Risultato in mesi</translation>
    </message>
    <message>
        <source>Years result</source>
        <comment>spoken name of a result box</comment>
        <translation>Risultato in anni</translation>
    </message>
    <message>
        <source>Calculate</source>
        <comment>button</comment>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Calculate the interval</source>
        <comment>spoken name of the upper button</comment>
        <translation>Calcola l’intervallo</translation>
    </message>
    <message>
        <source>Add/Subtract An Interval</source>
        <comment>frame title</comment>
        <translation>Aggiungi o sottrai un intervallo</translation>
    </message>
    <message>
        <source>Base Date</source>
        <comment>label over the date an interval is added to</comment>
        <translation>Data di partenza</translation>
    </message>
    <message>
        <source>Base Date</source>
        <comment>spoken name of the base date picker</comment>
        <translation>Data di partenza</translation>
    </message>
    <message>
        <source>Interval</source>
        <comment>label over the count to add or subtract</comment>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Interval</source>
        <comment>spoken name of the box for the count</comment>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Resulting Date</source>
        <comment>frame title</comment>
        <translation>Data risultante</translation>
    </message>
    <message>
        <source>Resulting Date</source>
        <comment>spoken name of the resulting date picker</comment>
        <translation>Data risultante</translation>
    </message>
    <message>
        <source>Calculate the resulting date</source>
        <comment>spoken name of the lower button</comment>
        <translation>Calcola la data risultante</translation>
    </message>
    <message>
        <source>Interval Type</source>
        <comment>frame title over the units</comment>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Days</source>
        <comment>the unit to add or subtract</comment>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Weeks</source>
        <comment>the unit to add or subtract</comment>
        <translation>Sett.</translation>
    </message>
    <message>
        <source>Months</source>
        <comment>the unit to add or subtract</comment>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>frame title over add and subtract</comment>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>the operation</comment>
        <translation>Più</translation>
    </message>
    <message>
        <source>Subtract</source>
        <comment>the operation</comment>
        <translation>Meno</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>spoken name of the status bar</comment>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>AD %1–%2</source>
        <comment>the years the dates may have</comment>
        <translation>d.C. %1–%2</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Number too big.</source>
        <translation>Numero troppo grande.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Inserire un numero.</translation>
    </message>
    <message>
        <source>Read only.</source>
        <translation>Sola lettura.</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message numerus="yes">
        <source>%n day(s).</source>
        <comment>the count of days between two dates</comment>
        <translation>
            <numerusform>%n giorno.</numerusform>
            <numerusform>%n giorni.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s).</source>
        <comment>the count of calendar weeks between two dates</comment>
        <translation>
            <numerusform>%n settimana.</numerusform>
            <numerusform>%n settimane.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s).</source>
        <comment>the count of calendar months between two dates</comment>
        <translation>
            <numerusform>%n mese.</numerusform>
            <numerusform>%n mesi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s).</source>
        <comment>the count of calendar years between two dates</comment>
        <translation>
            <numerusform>%n anno.</numerusform>
            <numerusform>%n anni.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>CAPS</source>
        <comment>the Caps Lock key, short</comment>
        <translation>MAIUSC</translation>
    </message>
    <message>
        <source>Caps Lock on</source>
        <translation>Blocco maiuscole attivo</translation>
    </message>
    <message>
        <source>Caps Lock off</source>
        <translation>Blocco maiuscole disattivo</translation>
    </message>
    <message>
        <source>NUM</source>
        <comment>the Num Lock key, short</comment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock on</source>
        <translation>Blocco numerico attivo</translation>
    </message>
    <message>
        <source>Num Lock off</source>
        <translation>Blocco numerico disattivo</translation>
    </message>
</context>
</TS>
