<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>lirvenda::frm_Arkiv</name>
    <message>
        <source>Search variables</source>
        <translation>Søkevariabler</translation>
    </message>
    <message>
        <source>Number, day, month and year</source>
        <translation>Antall, dag, måned og år</translation>
    </message>
    <message>
        <source>Treff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>ObservasjonsArkiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingen valgt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Ingen valgt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observatører</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kjønn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktivitet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokalitet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kommune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antall:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Måned:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>År:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naturtype</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
