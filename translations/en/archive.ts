<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>lirvenda::frm_Arkiv</name>
    <message>
        <source>Search variables</source>
        <translation>Search variables</translation>
    </message>
    <message>
        <source>Number, day, month and year</source>
        <translation>Number, day, month and year</translation>
    </message>
    <message>
        <source>Treff</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>ObservasjonsArkiv</source>
        <translation>Observation Archive</translation>
    </message>
    <message>
        <source>Ingen valgt</source>
        <translation>None chosen</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Species</translation>
    </message>
    <message>
        <source>- Ingen valgt</source>
        <translation>- None chosen</translation>
    </message>
    <message>
        <source>Observatører</source>
        <translation>Observers</translation>
    </message>
    <message>
        <source>Kjønn</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Alder</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Aktivitet</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Lokalitet</source>
        <translation>Locality</translation>
    </message>
    <message>
        <source>Kommune</source>
        <translation>Municipality</translation>
    </message>
    <message>
        <source>Antall:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>Dag:</source>
        <translation>Day:</translation>
    </message>
    <message>
        <source>Måned:</source>
        <translation>Month:</translation>
    </message>
    <message>
        <source>År:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Naturtype</source>
        <translation>Habitat type</translation>
    </message>
</context>
</TS>
