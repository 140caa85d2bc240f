<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>YearCharts</name>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>År</source>
        <translation>Year</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Lister</name>
    <message>
        <source>Lister</source>
        <translation>Lists</translation>
    </message>
    <message>
        <source>Ankomstdatoer</source>
        <translation>Arrival dates</translation>
    </message>
    <message>
        <source>Årets første</source>
        <translation>First of the year</translation>
    </message>
    <message>
        <source>Hele dagboka</source>
        <translation>Whole diary</translation>
    </message>
    <message>
        <source>Artsgruppe</source>
        <translation>Species group</translation>
    </message>
    <message>
        <source>Alle år</source>
        <translation>All years</translation>
    </message>
    <message>
        <source>Sorter etter navn</source>
        <translation>Sort by name</translation>
    </message>
    <message>
        <source>Dag i året</source>
        <translation>Day of year</translation>
    </message>
    <message>
        <source>Arter i året</source>
        <translation>Species in year</translation>
    </message>
    <message>
        <source>Arter totalt</source>
        <translation>Species in all</translation>
    </message>
    <message>
        <source>Arter pr. år</source>
        <translation>Species per year</translation>
    </message>
    <message>
        <source>Livslista ved årets slutt</source>
        <translation>Life list at year end</translation>
    </message>
    <message>
        <source>&amp;Til skriver</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>T&amp;il fil</source>
        <translation>To &amp;file</translation>
    </message>
    <message>
        <source>&amp;Avslutt</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Lister - </source>
        <translation>Lists - </translation>
    </message>
    <message>
        <source>Ankomstdatoer for </source>
        <translation>Arrival dates for </translation>
    </message>
    <message>
        <source>Årets første %1, %2: %3</source>
        <translation>First of the year %1, %2: %3</translation>
    </message>
    <message>
        <source>Hele dagboka, </source>
        <translation>Whole diary, </translation>
    </message>
    <message>
        <source>CSV-filer (*.csv *.CSV)</source>
        <translation>CSV files (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>Filen %1 kunne ikke skrives.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
</context>
</TS>
