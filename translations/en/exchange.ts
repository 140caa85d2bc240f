<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AutomaticBackupRunner</name>
    <message>
        <source>Den automatiske sikkerhetskopien av dagboka ble ikke laget:
%1

Lirvenda fortsetter som vanlig.</source>
        <translation>The automatic backup of the diary was not made:
%1

Lirvenda carries on as usual.</translation>
    </message>
</context>
<context>
    <name>lirvenda::SearchExports</name>
    <message>
        <source>Til &amp;fil</source>
        <translation>To &amp;file</translation>
    </message>
    <message>
        <source>&amp;eBird …</source>
        <translation>&amp;eBird …</translation>
    </message>
    <message>
        <source>&amp;Darwin Core …</source>
        <translation>&amp;Darwin Core …</translation>
    </message>
    <message>
        <source>Alle treffene (ikke bare de som vises) som CSV</source>
        <translation>All results (not just those shown) as CSV</translation>
    </message>
    <message>
        <source>Alle treffene i eBirds importformat (Record Format)</source>
        <translation>All results in eBird&apos;s import format (Record Format)</translation>
    </message>
    <message>
        <source>Alle treffene som Darwin Core-arkiv (.zip)</source>
        <translation>All results as a Darwin Core archive (.zip)</translation>
    </message>
    <message>
        <source>CSV-filer (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>%1 observasjoner skrevet til %2.</source>
        <translation>%1 observations written to %2.</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_DarwinCore</name>
    <message>
        <source>Datasett</source>
        <translation>Dataset</translation>
    </message>
    <message>
        <source>&amp;Velg fil …</source>
        <translation>Choose &amp;file …</translation>
    </message>
    <message>
        <source>&amp;Eksporter</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Darwin Core-arkiv</source>
        <translation>Darwin Core archive</translation>
    </message>
    <message>
        <source>Settes foran observasjonens ID, så occurrenceID blir unik i verden.</source>
        <translation>Put before the observation&apos;s ID, so that occurrenceID is unique in the world.</translation>
    </message>
    <message>
        <source>Prefiks for occurrenceID</source>
        <translation>Prefix for occurrenceID</translation>
    </message>
    <message>
        <source>Lisens</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Fil (.zip)</source>
        <translation>File (.zip)</translation>
    </message>
    <message>
        <source>Zip-arkiv (*.zip)</source>
        <translation>Zip archives (*.zip)</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_EbirdImport</name>
    <message>
        <source>Fil og observatør</source>
        <translation>File and observer</translation>
    </message>
    <message>
        <source>&amp;Velg fil …</source>
        <translation>Choose &amp;file …</translation>
    </message>
    <message>
        <source>Hva importen gjør</source>
        <translation>What the import does</translation>
    </message>
    <message>
        <source>&amp;Importer</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>&amp;Lukk</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Importer fra eBird</source>
        <translation>Import from eBird</translation>
    </message>
    <message>
        <source>Velg fila «My eBird Data» (CSV) som eBird lar deg laste ned.</source>
        <translation>Choose the “My eBird Data” file (CSV) that eBird lets you download.</translation>
    </message>
    <message>
        <source>Fil</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Observatør</source>
        <translation>Observer</translation>
    </message>
    <message>
        <source>Velg fila fra eBird</source>
        <translation>Choose the file from eBird</translation>
    </message>
    <message>
        <source>CSV-filer (*.csv *.CSV);;Alle filer (*)</source>
        <translation>CSV files (*.csv *.CSV);;All files (*)</translation>
    </message>
    <message>
        <source>Velg en observatør. Observatørene legges inn under «Observatører».</source>
        <translation>Choose an observer. Observers are added under “Observers”.</translation>
    </message>
    <message>
        <source>Ferdig!

%1 observasjoner er importert.
Sikkerhetskopi: %2</source>
        <translation>Done!

%1 observations imported.
Backup: %2</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_NyPassfrase</name>
    <message>
        <source>Med egen passfrase kan bare den som kan passfrasen lese dagboka. Glemmer du passfrasen, er hele dagboka tapt: ingen kan åpne den, heller ikke med en sikkerhetskopi.</source>
        <translation>With a passphrase of its own, only those who know the passphrase can read the diary. If you forget the passphrase, the whole diary is lost: nobody can open it, not even from a backup.</translation>
    </message>
    <message>
        <source>Ny passfrase:</source>
        <translation>New passphrase:</translation>
    </message>
    <message>
        <source>Gjenta:</source>
        <translation>Repeat:</translation>
    </message>
    <message>
        <source>Husk i nøkkelringen</source>
        <translation>Remember in the keyring</translation>
    </message>
    <message>
        <source>Lagre</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Fjern passfrasen</source>
        <translation>Remove the passphrase</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Passfrase for dagboka</source>
        <translation>Passphrase for the diary</translation>
    </message>
    <message>
        <source>Skriv den nye passfrasen i begge feltene.</source>
        <translation>Type the new passphrase in both boxes.</translation>
    </message>
    <message>
        <source>De to passfrasene er ulike. Skriv den samme i begge feltene.</source>
        <translation>The two passphrases differ. Type the same one in both boxes.</translation>
    </message>
    <message>
        <source>Fjerne dagbokas egen passfrase? Da kan alle som har fila og programmet, lese dagboka.</source>
        <translation>Remove the diary&apos;s own passphrase? Then anyone who has the file and the program can read the diary.</translation>
    </message>
    <message>
        <source>Dagboka har ikke lenger egen passfrase.</source>
        <translation>The diary no longer has a passphrase of its own.</translation>
    </message>
    <message>
        <source>Dagboka har fått ny passfrase.</source>
        <translation>The diary has a new passphrase.</translation>
    </message>
    <message>
        <source>Nøkkelringen kunne ikke oppdateres. Lirvenda spør etter passfrasen når den starter.</source>
        <translation>The keyring could not be updated. Lirvenda will ask for the passphrase when it starts.</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Passfrase</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Lirvenda</source>
        <translation>Lirvenda</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Sikkerhetskopier</name>
    <message>
        <source>Lirvenda lager selv en sikkerhetskopi av hele dagboka første gang programmet startes hver dag, og tar vare på de %1 siste daglige og %2 ukentlige kopiene. Legg dem gjerne på en annen disk eller i en synkronisert mappe.</source>
        <translation>Lirvenda makes a backup of the whole diary the first time the program starts each day, and keeps the last %1 daily and %2 weekly copies. Consider keeping them on another disk or in a synchronised folder.</translation>
    </message>
    <message>
        <source>Mappe:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Velg...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>LIRVENDA_BACKUP_DIR er satt og bestemmer mappa.</source>
        <translation>LIRVENDA_BACKUP_DIR is set and decides the folder.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sikkerhetskopier</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Mappe for sikkerhetskopier</source>
        <translation>Folder for backups</translation>
    </message>
</context>
</TS>
