<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>lirvenda::frm_BatchRegistrering</name>
    <message>
        <source>Artsutvalg</source>
        <translation>Species selection</translation>
    </message>
    <message>
        <source>Velg observerte arter</source>
        <translation>Choose the species observed</translation>
    </message>
    <message>
        <source>Systematisk rekkefølge</source>
        <translation>Systematic order</translation>
    </message>
    <message>
        <source>Merk alle</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>&amp;Sett inn flere arter</source>
        <translation>&amp;Add more species</translation>
    </message>
    <message>
        <source>&amp;Gå videre</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Hvis du bytter sortering vil du eventuelt miste artene som du har lagt til lista. Vil du fortsette?</source>
        <translation>If you change the order you may lose the species you have added to the list. Do you want to go on?</translation>
    </message>
    <message>
        <source>Ingen arter valgt.</source>
        <translation>No species selected.</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Detaljer</name>
    <message>
        <source>Grupperegistrering</source>
        <translation>Group registration</translation>
    </message>
    <message>
        <source>&amp;Gå videre</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Finn art:</source>
        <translation>Find species:</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Species</translation>
    </message>
    <message>
        <source>Antall</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Alder</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Kjønn</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Aktivitet</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Fjern</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Alle antall må være et nummer og større en -1</source>
        <translation>Every count must be a number greater than -1</translation>
    </message>
    <message>
        <source>Vil du avbryte? Det du har skrevet inn blir ikke lagret.</source>
        <translation>Do you want to cancel? What you have entered will not be saved.</translation>
    </message>
    <message>
        <source>Registrering av dato, tid, lokalitet og observatører</source>
        <translation>Date, time, locality and observers</translation>
    </message>
    <message>
        <source>&amp;Lagre</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Tilbake</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>Lokalitet</source>
        <translation>Locality</translation>
    </message>
    <message>
        <source>Ny</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Observatør</source>
        <translation>Observer</translation>
    </message>
    <message>
        <source>Andre</source>
        <translation>Others</translation>
    </message>
    <message>
        <source>Tid - Start</source>
        <translation>Time - Start</translation>
    </message>
    <message>
        <source>Tid - Slutt</source>
        <translation>Time - End</translation>
    </message>
    <message>
        <source>Tid</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Ny lokalitet</source>
        <translation>New locality</translation>
    </message>
    <message>
        <source>Navn på den nye lokaliteten:</source>
        <translation>Name of the new locality:</translation>
    </message>
    <message>
        <source>Det ble totalt registrert %1 nye observasjoner.</source>
        <translation>%1 new observations were recorded in all.</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_VelgArter</name>
    <message>
        <source>Tilleggsarter</source>
        <translation>Additional species</translation>
    </message>
    <message>
        <source>Velg arter</source>
        <translation>Choose species</translation>
    </message>
    <message>
        <source>&amp;Gå videre</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
</TS>
