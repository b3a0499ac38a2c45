<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Form1</name>
    <message>
        <source>Count The Interval Between Two Dates</source>
        <comment>frame title</comment>
        <translation>Odstęp między dwiema datami</translation>
    </message>
    <message>
        <source>First Date</source>
        <comment>label over the first date, short</comment>
        <translation>Od</translation>
    </message>
    <message>
        <source>First Date</source>
        <comment>spoken name of the first date picker</comment>
        <translation>Data początkowa</translation>
    </message>
    <message>
        <source>Last Date</source>
        <comment>label over the last date, short</comment>
        <translation>Do</translation>
    </message>
    <message>
        <source>Last Date</source>
        <comment>spoken name of the last date picker</comment>
        <translation>Data końcowa</translation>
    </message>
    <message>
        <source>Results</source>
        <comment>frame title over the four counts</comment>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Days result</source>
        <comment>spoken name of a result box</comment>
        <translation>Wynik w dniach</translation>
    </message>
    <message>
        <source>Weeks result</source>
        <comment>spoken name of a result box</comment>
        <translation>Wynik w tygodniach</translation>
    </message>
    <message>
        <source>Months result</source>
        <comment>spoken name of a result box</comment>
        <translation>Wynik w miesiącach</translation>
    </message>
    <message>
        <source>Years result</source>
        <comment>spoken name of a result box</comment>
        <translation>Wynik w latach</translation>
    </message>
    <message>
        <source>Calculate</source>
        <comment>button</comment>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Calculate the interval</source>
        <comment>spoken name of the upper button</comment>
        <translation>Oblicz odstęp</translation>
    </message>
    <message>
        <source>Add/Subtract An Interval</source>
        <comment>frame title</comment>
        <translation>Dodaj lub odejmij okres</translation>
    </message>
    <message>
        <source>Base Date</source>
        <comment>label over the date an interval is added to</comment>
        <translation>Data bazowa</translation>
    </message>
    <message>
        <source>Base Date</source>
        <comment>spoken name of the base date picker</comment>
        <translation>Data bazowa</translation>
    </message>
    <message>
        <source>Interval</source>
        <comment>label over the count to add or subtract</comment>
        <translation>Okres</translation>
    </message>
    <message>
        <source>Interval</source>
        <comment>spoken name of the box for the count</comment>
        <translation>Okres</translation>
    </message>
    <message>
        <source>Resulting Date</source>
        <comment>frame title</comment>
        <translation>Data wynikowa</translation>
    </message>
    <message>
        <source>Resulting Date</source>
        <comment>spoken name of the resulting date picker</comment>
        <translation>Data wynikowa</translation>
    </message>
    <message>
        <source>Calculate the resulting date</source>
        <comment>spoken name of the lower button</comment>
        <translation>Oblicz datę wynikową</translation>
    </message>
    <message>
        <source>Interval Type</source>
        <comment>frame title over the units</comment>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>Days</source>
        <comment>the unit to add or subtract</comment>
        <translation>Dni</translation>
    </message>
    <message>
        <source>Weeks</source>
        <comment>the unit to add or subtract</comment>
        <translation>Tygodnie</translation>
    </message>
    <message>
        <source>Months</source>
        <comment>the unit to add or subtract</comment>
        <translation>Miesiące</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>frame title over add and subtract</comment>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>the operation</comment>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Subtract</source>
        <comment>the operation</comment>
        <translation>Odejmij</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>spoken name of the status bar</comment>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>AD %1–%2</source>
        <comment>the years the dates may have</comment>
        <translation>n.e. %1–%2</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Number too big.</source>
        <translation>Za duża liczba.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Wprowadź liczbę.</translation>
    </message>
    <message>
        <source>Read only.</source>
        <translation>Tylko do odczytu.</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message numerus="yes">
        <source>%n day(s).</source>
        <comment>the count of days between two dates</comment>
        <translation>
            <numerusform>%n dzień.</numerusform>
            <numerusform>%n dni.</numerusform>
            <numerusform>%n dni.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s).</source>
        <comment>the count of calendar weeks between two dates</comment>
        <translation>
            <numerusform>%n tydzień.</numerusform>
            <numerusform>%n tygodnie.</numerusform>
            <numerusform>%n tygodni.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s).</source>
        <comment>the count of calendar months between two dates</comment>
        <translation>
            <numerusform>%n miesiąc.</numerusform>
            <numerusform>%n miesiące.</numerusform>
            <numerusform>%n miesięcy.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s).</source>
        <comment>the count of calendar years between two dates</comment>
        <translation>
            <numerusform>%n rok.</numerusform>
            <numerusform>%n lata.</numerusform>
            <numerusform>%n lat.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>CAPS</source>
        <comment>the Caps Lock key, short</comment>
        <translation>CAPS</translation>
    </message>
    <message>
        <source>Caps Lock on</source>
        <translation>Caps Lock włączony</translation>
    </message>
    <message>
        <source>Caps Lock off</source>
        <translation>Caps Lock wyłączony</translation>
    </message>
    <message>
        <source>NUM</source>
        <comment>the Num Lock key, short</comment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock on</source>
        <translation>Num Lock włączony</translation>
    </message>
    <message>
        <source>Num Lock off</source>
        <translation>Num Lock wyłączony</translation>
    </message>
</context>
</TS>
