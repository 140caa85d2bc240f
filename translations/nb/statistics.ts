<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>lirvenda::frm_Statistikk</name>
    <message>
        <source>Statistikk for ulike år</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resultater</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Måned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registrerte arter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antall arter observert pr. måned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antall individer pr. måned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antall individer observert pr. måned for ulike arter</source>
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
        <source>*.TXT-filer (*.TXT *.txt *.Txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filen %1 kunne ikke skrives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antall</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
