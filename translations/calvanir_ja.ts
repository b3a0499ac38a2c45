<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Form1</name>
    <message>
        <source>Count The Interval Between Two Dates</source>
        <comment>frame title</comment>
        <translation>2つの日付の間隔</translation>
    </message>
    <message>
        <source>First Date</source>
        <comment>label over the first date, short</comment>
        <translation>開始日</translation>
    </message>
    <message>
        <source>First Date</source>
        <comment>spoken name of the first date picker</comment>
        <translation>開始日</translation>
    </message>
    <message>
        <source>Last Date</source>
        <comment>label over the last date, short</comment>
        <translation>終了日</translation>
    </message>
    <message>
        <source>Last Date</source>
        <comment>spoken name of the last date picker</comment>
        <translation>終了日</translation>
    </message>
    <message>
        <source>Results</source>
        <comment>frame title over the four counts</comment>
        <translation>結果</translation>
    </message>
    <message>
        <source>Days result</source>
        <comment>spoken name of a result box</comment>
        <translation>日数の結果</translation>
    </message>
    <message>
        <source>Weeks result</source>
        <comment>spoken name of a result box</comment>
        <translation>週数の結果</translation>
    </message>
    <message>
        <source>Months result</source>
        <comment>spoken name of a result box</comment>
        <translation>月数の結果</translation>
    </message>
    <message>
        <source>Years result</source>
        <comment>spoken name of a result box</comment>
        <translation>年数の結果</translation>
    </message>
    <message>
        <source>Calculate</source>
        <comment>button</comment>
        <translation>計算</translation>
    </message>
    <message>
        <source>Calculate the interval</source>
        <comment>spoken name of the upper button</comment>
        <translation>間隔を計算</translation>
    </message>
    <message>
        <source>Add/Subtract An Interval</source>
        <comment>frame title</comment>
        <translation>期間の加算/減算</translation>
    </message>
    <message>
        <source>Base Date</source>
        <comment>label over the date an interval is added to</comment>
        <translation>基準日</translation>
    </message>
    <message>
        <source>Base Date</source>
        <comment>spoken name of the base date picker</comment>
        <translation>基準日</translation>
    </message>
    <message>
        <source>Interval</source>
        <comment>label over the count to add or subtract</comment>
        <translation>期間</translation>
    </message>
    <message>
        <source>Interval</source>
        <comment>spoken name of the box for the count</comment>
        <translation>期間</translation>
    </message>
    <message>
        <source>Resulting Date</source>
        <comment>frame title</comment>
        <translation>結果の日付</translation>
    </message>
    <message>
        <source>Resulting Date</source>
        <comment>spoken name of the resulting date picker</comment>
        <translation>結果の日付</translation>
    </message>
    <message>
        <source>Calculate the resulting date</source>
        <comment>spoken name of the lower button</comment>
        <translation>結果の日付を計算</translation>
    </message>
    <message>
        <source>Interval Type</source>
        <comment>frame title over the units</comment>
        <translation>単位</translation>
    </message>
    <message>
        <source>Days</source>
        <comment>the unit to add or subtract</comment>
        <translation>日</translation>
    </message>
    <message>
        <source>Weeks</source>
        <comment>the unit to add or subtract</comment>
        <translation>週</translation>
    </message>
    <message>
        <source>Months</source>
        <comment>the unit to add or subtract</comment>
        <translation>月</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>frame title over add and subtract</comment>
        <translation>演算</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>the operation</comment>
        <translation>加算</translation>
    </message>
    <message>
        <source>Subtract</source>
        <comment>the operation</comment>
        <translation>減算</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>spoken name of the status bar</comment>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>AD %1–%2</source>
        <comment>the years the dates may have</comment>
        <translation>西暦 %1–%2</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Number too big.</source>
        <translation>数値が大きすぎます。</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>数値を入力してください。</translation>
    </message>
    <message>
        <source>Read only.</source>
        <translation>読み取り専用です。</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message numerus="yes">
        <source>%n day(s).</source>
        <comment>the count of days between two dates</comment>
        <translation>
            <numerusform>%n 日。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s).</source>
        <comment>the count of calendar weeks between two dates</comment>
        <translation>
            <numerusform>%n 週。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s).</source>
        <comment>the count of calendar months between two dates</comment>
        <translation>
            <numerusform>%n か月。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s).</source>
        <comment>the count of calendar years between two dates</comment>
        <translation>
            <numerusform>%n 年。</numerusform>
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
        <translation>Caps Lock オン</translation>
    </message>
    <message>
        <source>Caps Lock off</source>
        <translation>Caps Lock オフ</translation>
    </message>
    <message>
        <source>NUM</source>
        <comment>the Num Lock key, short</comment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock on</source>
        <translation>Num Lock オン</translation>
    </message>
    <message>
        <source>Num Lock off</source>
        <translation>Num Lock オフ</translation>
    </message>
</context>
</TS>
