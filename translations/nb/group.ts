<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>lirvenda::frm_BatchRegistrering</name>
    <message>
        <source>Artsutvalg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velg observerte arter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Systematisk rekkefølge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merk alle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sett inn flere arter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gå videre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hvis du bytter sortering vil du eventuelt miste artene som du har lagt til lista. Vil du fortsette?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingen arter valgt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Detaljer</name>
    <message>
        <source>Grupperegistrering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gå videre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finn art:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kjønn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktivitet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fjern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle antall må være et nummer og større en -1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vil du avbryte? Det du har skrevet inn blir ikke lagret.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registrering av dato, tid, lokalitet og observatører</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lagre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tilbake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokalitet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observatør</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Andre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tid - Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tid - Slutt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ny lokalitet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navn på den nye lokaliteten:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Det ble totalt registrert %1 nye observasjoner.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_VelgArter</name>
    <message>
        <source>Tilleggsarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velg arter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gå videre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
