<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>lirvenda::frm_Statistikk</name>
    <message>
        <source>Statistikk for ulike år</source>
        <translation>Statistics by year</translation>
    </message>
    <message>
        <source>Resultater</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Måned</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Registrerte arter</source>
        <translation>Species recorded</translation>
    </message>
    <message>
        <source>Antall arter observert pr. måned</source>
        <translation>Species observed per month</translation>
    </message>
    <message>
        <source>Antall individer pr. måned</source>
        <translation>Individuals per month</translation>
    </message>
    <message>
        <source>Antall individer observert pr. måned for ulike arter</source>
        <translation>Individuals observed per month, by species</translation>
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
        <source>*.TXT-filer (*.TXT *.txt *.Txt)</source>
        <translation>*.TXT files (*.TXT *.txt *.Txt)</translation>
    </message>
    <message>
        <source>Filen %1 kunne ikke skrives.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
    <message>
        <source>Antall</source>
        <translation>Count</translation>
    </message>
</context>
</TS>
