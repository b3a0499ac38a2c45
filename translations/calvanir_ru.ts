<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Form1</name>
    <message>
        <source>Count The Interval Between Two Dates</source>
        <comment>frame title</comment>
        <translation>Интервал между двумя датами</translation>
    </message>
    <message>
        <source>First Date</source>
        <comment>label over the first date, short</comment>
        <translation>С</translation>
    </message>
    <message>
        <source>First Date</source>
        <comment>spoken name of the first date picker</comment>
        <translation>Начальная дата</translation>
    </message>
    <message>
        <source>Last Date</source>
        <comment>label over the last date, short</comment>
        <translation>По</translation>
    </message>
    <message>
        <source>Last Date</source>
        <comment>spoken name of the last date picker</comment>
        <translation>Конечная дата</translation>
    </message>
    <message>
        <source>Results</source>
        <comment>frame title over the four counts</comment>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Days result</source>
        <comment>spoken name of a result box</comment>
        <translation>Результат в днях</translation>
    </message>
    <message>
        <source>Weeks result</source>
        <comment>spoken name of a result box</comment>
        <translation>Результат в неделях</translation>
    </message>
    <message>
        <source>Months result</source>
        <comment>spoken name of a result box</comment>
        <translation>Результат в месяцах</translation>
    </message>
    <message>
        <source>Years result</source>
        <comment>spoken name of a result box</comment>
        <translation>Результат в годах</translation>
    </message>
    <message>
        <source>Calculate</source>
        <comment>button</comment>
        <translation>Вычислить</translation>
    </message>
    <message>
        <source>Calculate the interval</source>
        <comment>spoken name of the upper button</comment>
        <translation>Вычислить интервал</translation>
    </message>
    <message>
        <source>Add/Subtract An Interval</source>
        <comment>frame title</comment>
        <translation>Прибавить или вычесть интервал</translation>
    </message>
    <message>
        <source>Base Date</source>
        <comment>label over the date an interval is added to</comment>
        <translation>Исходная дата</translation>
    </message>
    <message>
        <source>Base Date</source>
        <comment>spoken name of the base date picker</comment>
        <translation>Исходная дата</translation>
    </message>
    <message>
        <source>Interval</source>
        <comment>label over the count to add or subtract</comment>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Interval</source>
        <comment>spoken name of the box for the count</comment>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Resulting Date</source>
        <comment>frame title</comment>
        <translation>Итоговая дата</translation>
    </message>
    <message>
        <source>Resulting Date</source>
        <comment>spoken name of the resulting date picker</comment>
        <translation>Итоговая дата</translation>
    </message>
    <message>
        <source>Calculate the resulting date</source>
        <comment>spoken name of the lower button</comment>
        <translation>Вычислить итоговую дату</translation>
    </message>
    <message>
        <source>Interval Type</source>
        <comment>frame title over the units</comment>
        <translation>Единица</translation>
    </message>
    <message>
        <source>Days</source>
        <comment>the unit to add or subtract</comment>
        <translation>Дни</translation>
    </message>
    <message>
        <source>Weeks</source>
        <comment>the unit to add or subtract</comment>
        <translation>Недели</translation>
    </message>
    <message>
        <source>Months</source>
        <comment>the unit to add or subtract</comment>
        <translation>Месяцы</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>frame title over add and subtract</comment>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>the operation</comment>
        <translation>Плюс</translation>
    </message>
    <message>
        <source>Subtract</source>
        <comment>the operation</comment>
        <translation>Минус</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>spoken name of the status bar</comment>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>AD %1–%2</source>
        <comment>the years the dates may have</comment>
        <translation>н. э. %1–%2</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Number too big.</source>
        <translation>Слишком большое число.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Введите число.</translation>
    </message>
    <message>
        <source>Read only.</source>
        <translation>Только для чтения.</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message numerus="yes">
        <source>%n day(s).</source>
        <comment>the count of days between two dates</comment>
        <translation>
            <numerusform>%n день.</numerusform>
            <numerusform>%n дня.</numerusform>
            <numerusform>%n дней.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s).</source>
        <comment>the count of calendar weeks between two dates</comment>
        <translation>
            <numerusform>%n неделя.</numerusform>
            <numerusform>%n недели.</numerusform>
            <numerusform>%n недель.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s).</source>
        <comment>the count of calendar months between two dates</comment>
        <translation>
            <numerusform>%n месяц.</numerusform>
            <numerusform>%n месяца.</numerusform>
            <numerusform>%n месяцев.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s).</source>
        <comment>the count of calendar years between two dates</comment>
        <translation>
            <numerusform>%n год.</numerusform>
            <numerusform>%n года.</numerusform>
            <numerusform>%n лет.</numerusform>
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
        <translation>Caps Lock включён</translation>
    </message>
    <message>
        <source>Caps Lock off</source>
        <translation>Caps Lock выключен</translation>
    </message>
    <message>
        <source>NUM</source>
        <comment>the Num Lock key, short</comment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock on</source>
        <translation>Num Lock включён</translation>
    </message>
    <message>
        <source>Num Lock off</source>
        <translation>Num Lock выключен</translation>
    </message>
</context>
</TS>
