<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>YearCharts</name>
    <message>
        <source>Median</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>År</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Lister</name>
    <message>
        <source>Lister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ankomstdatoer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Årets første</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hele dagboka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artsgruppe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle år</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorter etter navn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dag i året</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arter i året</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arter totalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arter pr. år</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Livslista ved årets slutt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Til skriver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;il fil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Avslutt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lister - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ankomstdatoer for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Årets første %1, %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hele dagboka, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-filer (*.csv *.CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filen %1 kunne ikke skrives.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
