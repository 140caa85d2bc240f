<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>AutomaticBackupRunner</name>
    <message>
        <source>Den automatiske sikkerhetskopien av dagboka ble ikke laget:
%1

Lirvenda fortsetter som vanlig.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::SearchExports</name>
    <message>
        <source>Til &amp;fil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;eBird …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Darwin Core …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle treffene (ikke bare de som vises) som CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle treffene i eBirds importformat (Record Format)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle treffene som Darwin Core-arkiv (.zip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-filer (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 observasjoner skrevet til %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_DarwinCore</name>
    <message>
        <source>Datasett</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Velg fil …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eksporter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Darwin Core-arkiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settes foran observasjonens ID, så occurrenceID blir unik i verden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefiks for occurrenceID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fil (.zip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip-arkiv (*.zip)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_EbirdImport</name>
    <message>
        <source>Fil og observatør</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Velg fil …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hva importen gjør</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Importer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lukk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importer fra eBird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velg fila «My eBird Data» (CSV) som eBird lar deg laste ned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observatør</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velg fila fra eBird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-filer (*.csv *.CSV);;Alle filer (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velg en observatør. Observatørene legges inn under «Observatører».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferdig!

%1 observasjoner er importert.
Sikkerhetskopi: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_NyPassfrase</name>
    <message>
        <source>Med egen passfrase kan bare den som kan passfrasen lese dagboka. Glemmer du passfrasen, er hele dagboka tapt: ingen kan åpne den, heller ikke med en sikkerhetskopi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ny passfrase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gjenta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Husk i nøkkelringen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fjern passfrasen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passfrase for dagboka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skriv den nye passfrasen i begge feltene.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De to passfrasene er ulike. Skriv den samme i begge feltene.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fjerne dagbokas egen passfrase? Da kan alle som har fila og programmet, lese dagboka.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dagboka har ikke lenger egen passfrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dagboka har fått ny passfrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nøkkelringen kunne ikke oppdateres. Lirvenda spør etter passfrasen når den starter.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Passfrase</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lirvenda</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Sikkerhetskopier</name>
    <message>
        <source>Lirvenda lager selv en sikkerhetskopi av hele dagboka første gang programmet startes hver dag, og tar vare på de %1 siste daglige og %2 ukentlige kopiene. Legg dem gjerne på en annen disk eller i en synkronisert mappe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mappe:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velg...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LIRVENDA_BACKUP_DIR er satt og bestemmer mappa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikkerhetskopier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mappe for sikkerhetskopier</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
