<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Form1</name>
    <message>
        <source>Count The Interval Between Two Dates</source>
        <comment>frame title</comment>
        <translation>Écart entre deux dates</translation>
    </message>
    <message>
        <source>First Date</source>
        <comment>label over the first date, short</comment>
        <translation>Début</translation>
    </message>
    <message>
        <source>First Date</source>
        <comment>spoken name of the first date picker</comment>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Last Date</source>
        <comment>label over the last date, short</comment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Last Date</source>
        <comment>spoken name of the last date picker</comment>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Results</source>
        <comment>frame title over the four counts</comment>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Days result</source>
        <comment>spoken name of a result box</comment>
        <translation>Résultat en jours</translation>
    </message>
    <message>
        <source>Weeks result</source>
        <comment>spoken name of a result box</comment>
        <translation>Résultat en semaines</translation>
    </message>
    <message>
        <source>Months result</source>
        <comment>spoken name of a result box</comment>
        <translation>Résultat en mois</translation>
    </message>
    <message>
        <source>Years result</source>
        <comment>spoken name of a result box</comment>
        <translation>Résultat en années</translation>
    </message>
    <message>
        <source>Calculate</source>
        <comment>button</comment>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Calculate the interval</source>
        <comment>spoken name of the upper button</comment>
        <translation>Calculer l’écart</translation>
    </message>
    <message>
        <source>Add/Subtract An Interval</source>
        <comment>frame title</comment>
        <translation>Ajouter ou retirer une durée</translation>
    </message>
    <message>
        <source>Base Date</source>
        <comment>label over the date an interval is added to</comment>
        <translation>Date de départ</translation>
    </message>
    <message>
        <source>Base Date</source>
        <comment>spoken name of the base date picker</comment>
        <translation>Date de départ</translation>
    </message>
    <message>
        <source>Interval</source>
        <comment>label over the count to add or subtract</comment>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Interval</source>
        <comment>spoken name of the box for the count</comment>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Resulting Date</source>
        <comment>frame title</comment>
        <translation>Date obtenue</translation>
    </message>
    <message>
        <source>Resulting Date</source>
        <comment>spoken name of the resulting date picker</comment>
        <translation>Date obtenue</translation>
    </message>
    <message>
        <source>Calculate the resulting date</source>
        <comment>spoken name of the lower button</comment>
        <translation>Calculer la date obtenue</translation>
    </message>
    <message>
        <source>Interval Type</source>
        <comment>frame title over the units</comment>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Days</source>
        <comment>the unit to add or subtract</comment>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Weeks</source>
        <comment>the unit to add or subtract</comment>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Months</source>
        <comment>the unit to add or subtract</comment>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>frame title over add and subtract</comment>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>the operation</comment>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Subtract</source>
        <comment>the operation</comment>
        <translation>Moins</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>spoken name of the status bar</comment>
        <translation>Barre d’état</translation>
    </message>
    <message>
        <source>AD %1–%2</source>
        <comment>the years the dates may have</comment>
        <translation>apr. J.-C. %1–%2</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Number too big.</source>
        <translation>Nombre trop grand.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>Read only.</source>
        <translation>Lecture seule.</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message numerus="yes">
        <source>%n day(s).</source>
        <comment>the count of days between two dates</comment>
        <translation>
            <numerusform>%n jour.</numerusform>
            <numerusform>%n jours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s).</source>
        <comment>the count of calendar weeks between two dates</comment>
        <translation>
            <numerusform>%n semaine.</numerusform>
            <numerusform>%n semaines.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s).</source>
        <comment>the count of calendar months between two dates</comment>
        <translation>
            <numerusform>%n mois.</numerusform>
            <numerusform>%n mois.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s).</source>
        <comment>the count of calendar years between two dates</comment>
        <translation>
            <numerusform>%n an.</numerusform>
            <numerusform>%n ans.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>CAPS</source>
        <comment>the Caps Lock key, short</comment>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>Caps Lock on</source>
        <translation>Verrouillage majuscules activé</translation>
    </message>
    <message>
        <source>Caps Lock off</source>
        <translation>Verrouillage majuscules désactivé</translation>
    </message>
    <message>
        <source>NUM</source>
        <comment>the Num Lock key, short</comment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock on</source>
        <translation>Verrouillage numérique activé</translation>
    </message>
    <message>
        <source>Num Lock off</source>
        <translation>Verrouillage numérique désactivé</translation>
    </message>
</context>
</TS>
