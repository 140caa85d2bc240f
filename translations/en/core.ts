<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ArchiveFile</name>
    <message>
        <source>Kan ikke lage arkivet</source>
        <translation>Cannot create the archive</translation>
    </message>
    <message>
        <source>Kan ikke lese %1 til arkivet</source>
        <translation>Cannot read %1 into the archive</translation>
    </message>
    <message>
        <source>Kan ikke fullføre arkivet</source>
        <translation>Cannot finish the archive</translation>
    </message>
    <message>
        <source>Kan ikke skrive %1 i arkivet</source>
        <translation>Cannot write %1 into the archive</translation>
    </message>
    <message>
        <source>Kan ikke skrive i arkivet</source>
        <translation>Cannot write into the archive</translation>
    </message>
    <message>
        <source>Kan ikke åpne arkivet</source>
        <translation>Cannot open the archive</translation>
    </message>
    <message>
        <source>Arkivet er skadet</source>
        <translation>The archive is damaged</translation>
    </message>
</context>
<context>
    <name>ArchiveSearch</name>
    <message>
        <source>Resultater (Mer enn 100 treff. Kun 100 vises i lista)</source>
        <translation>Results (More than 100 hits. Only 100 are listed)</translation>
    </message>
    <message>
        <source>Resultater (%1 forekomster.)</source>
        <translation>Results (%1 records.)</translation>
    </message>
    <message>
        <source>Antall: </source>
        <translation>Count: </translation>
    </message>
    <message>
        <source> (Dato: </source>
        <translation> (Date: </translation>
    </message>
</context>
<context>
    <name>AtlasImport</name>
    <message>
        <source>Tabellen Atlas er tom. Ingenting er endret.</source>
        <translation>The Atlas table is empty. Nothing has been changed.</translation>
    </message>
    <message>
        <source>Observasjonene knyttes til observatøren med nummer %1, men den finnes ikke i observatørregisteret. Ingenting er endret.</source>
        <translation>The observations are linked to observer number %1, but there is no such observer in the observer register. Nothing has been changed.</translation>
    </message>
</context>
<context>
    <name>AutomaticBackups</name>
    <message>
        <source>Kan ikke lage mappa %1.</source>
        <translation>Cannot create the folder %1.</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Sikkerhetskopien kan ikke lages</source>
        <translation>The backup cannot be made</translation>
    </message>
    <message>
        <source>Sikkerhetskopien av %1 kan ikke lages: %2</source>
        <translation>The backup of %1 cannot be made: %2</translation>
    </message>
    <message>
        <source>Fila %1 finnes fra før og blir ikke overskrevet.</source>
        <translation>The file %1 already exists and is not overwritten.</translation>
    </message>
    <message>
        <source>Kan ikke lage fila %1.</source>
        <translation>Cannot create the file %1.</translation>
    </message>
</context>
<context>
    <name>CalcEngineModule</name>
    <message>
        <source>Programmet mangler fila %1, som lager excel-arkene.</source>
        <translation>The program lacks the file %1, which makes the Excel workbooks.</translation>
    </message>
    <message>
        <source>Excel-arkene lages med LibreOffice Calc, som ikke er installert på denne maskinen (%1).</source>
        <translation>The Excel workbooks are made with LibreOffice Calc, which is not installed on this computer (%1).</translation>
    </message>
    <message>
        <source>Fila %1 er ikke programmets regnearkmodul.</source>
        <translation>The file %1 is not the program&apos;s spreadsheet module.</translation>
    </message>
</context>
<context>
    <name>DarwinCoreArchive</name>
    <message>
        <source>Kan ikke skrive i mappa %1: %2</source>
        <translation>Cannot write in the folder %1: %2</translation>
    </message>
    <message>
        <source>Kan ikke skrive %1.</source>
        <translation>Cannot write %1.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Finner ikke databasefila %1.</source>
        <translation>Cannot find the database file %1.</translation>
    </message>
    <message>
        <source>Kan ikke lese databasefila %1.</source>
        <translation>Cannot read the database file %1.</translation>
    </message>
    <message>
        <source>Databasefila %1 er tom.</source>
        <translation>The database file %1 is empty.</translation>
    </message>
    <message>
        <source>Databasefila %1 finnes allerede.</source>
        <translation>The database file %1 already exists.</translation>
    </message>
    <message>
        <source>Kan ikke åpne databasefila %1</source>
        <translation>Cannot open the database file %1</translation>
    </message>
    <message>
        <source>Kan ikke åpne databasefila %1: den er ikke en Lirvenda-database eller har et annet passord (%2).</source>
        <translation>Cannot open the database file %1: it is not a Lirvenda database or it has another password (%2).</translation>
    </message>
    <message>
        <source>Disken er full. Frigjør plass på disken og prøv igjen.</source>
        <translation>The disk is full. Free some space on the disk and try again.</translation>
    </message>
    <message>
        <source>Databasefila eller mappa den ligger i er skrivebeskyttet.</source>
        <translation>The database file or the folder it is in is read-only.</translation>
    </message>
    <message>
        <source>Databasefila, eller journalfila ved siden av den, kan ikke åpnes. Er mappa skrivebeskyttet?</source>
        <translation>The database file, or the journal file next to it, cannot be opened. Is the folder read-only?</translation>
    </message>
    <message>
        <source>Feil i databasespørring (%1)</source>
        <translation>Error in database query (%1)</translation>
    </message>
    <message>
        <source>Kan ikke binde verdi %1</source>
        <translation>Cannot bind value %1</translation>
    </message>
    <message>
        <source>Databasefeil i %1</source>
        <translation>Database error in %1</translation>
    </message>
    <message>
        <source>Ukjent kolonne %1</source>
        <translation>Unknown column %1</translation>
    </message>
</context>
<context>
    <name>DiaryBackup</name>
    <message>
        <source>Kan ikke lese %1.</source>
        <translation>Cannot read %1.</translation>
    </message>
    <message>
        <source>Sikkerhetskopien holder et navn som peker ut av mappa: %1</source>
        <translation>The backup holds a name that points out of the folder: %1</translation>
    </message>
    <message>
        <source>Kan ikke skrive %1.</source>
        <translation>Cannot write %1.</translation>
    </message>
    <message>
        <source>Sikkerhetskopien er ufullstendig: %1 mangler.</source>
        <translation>The backup is incomplete: %1 is missing.</translation>
    </message>
    <message>
        <source>Sikkerhetskopien er skadet: %1 er ikke slik den var da kopien ble laget.</source>
        <translation>The backup is damaged: %1 is not as it was when the backup was made.</translation>
    </message>
    <message>
        <source>Sikkerhetskopien holder filer som innholdslista ikke nevner: %1.</source>
        <translation>The backup holds files its table of contents does not list: %1.</translation>
    </message>
    <message>
        <source>Databasen %1 i sikkerhetskopien er skadet: %2</source>
        <translation>The database %1 in the backup is damaged: %2</translation>
    </message>
    <message>
        <source>Databasen %1 i sikkerhetskopien holder ikke de radene innholdslista nevner.</source>
        <translation>The database %1 in the backup does not hold the rows its table of contents lists.</translation>
    </message>
    <message>
        <source>Sikkerhetskopien holder ingen %1.</source>
        <translation>The backup holds no %1.</translation>
    </message>
    <message>
        <source>Mappa %1 er ikke tom. En sikkerhetskopi legges bare tilbake i en tom eller ny mappe, aldri over en dagbok. Vil du bytte ut dagboka, så legg kopien tilbake i en ny mappe, avslutt Lirvenda, flytt den gamle mappa bort og gi den nye mappa det gamle navnet.</source>
        <translation>The folder %1 is not empty. A backup is only restored into an empty or new folder, never over a diary. To replace the diary, restore the backup into a new folder, quit Lirvenda, move the old folder away and give the new folder the old name.</translation>
    </message>
    <message>
        <source>Innholdslista (%1) i sikkerhetskopien kan ikke leses.</source>
        <translation>The table of contents (%1) in the backup cannot be read.</translation>
    </message>
    <message>
        <source>Fila %1 finnes fra før og blir ikke overskrevet.</source>
        <translation>The file %1 already exists and is not overwritten.</translation>
    </message>
    <message>
        <source>Kan ikke skrive i mappa %1.</source>
        <translation>Cannot write in the folder %1.</translation>
    </message>
    <message>
        <source>Kan ikke lage fila %1.</source>
        <translation>Cannot create the file %1.</translation>
    </message>
    <message>
        <source>Kan ikke lage mappa %1.</source>
        <translation>Cannot create the folder %1.</translation>
    </message>
    <message>
        <source>Sikkerhetskopien er skadet: %1</source>
        <translation>The backup is damaged: %1</translation>
    </message>
    <message>
        <source>%1 er ikke en sikkerhetskopi fra Lirvenda: innholdslista %2 mangler.</source>
        <translation>%1 is not a Lirvenda backup: the table of contents %2 is missing.</translation>
    </message>
</context>
<context>
    <name>DocumentWalk</name>
    <message>
        <source>%1 - %2 av %3</source>
        <translation>%1 - %2 of %3</translation>
    </message>
</context>
<context>
    <name>DocumentationFiles</name>
    <message>
        <source>Bilder, video og lyd (%1)</source>
        <translation>Pictures, video and sound (%1)</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message>
        <source>Video (%1)</source>
        <translation>Video (%1)</translation>
    </message>
    <message>
        <source>Lyd (%1)</source>
        <translation>Sound (%1)</translation>
    </message>
    <message>
        <source>Alle filer (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Fila %1 finnes ikke eller kan ikke leses, og ble ikke lagt til.</source>
        <translation>The file %1 does not exist or cannot be read, and was not added.</translation>
    </message>
    <message>
        <source>Mappa %1 kunne ikke lages.</source>
        <translation>The folder %1 could not be created.</translation>
    </message>
    <message>
        <source>Fila %1 kunne ikke kopieres til %2: %3</source>
        <translation>The file %1 could not be copied to %2: %3</translation>
    </message>
    <message>
        <source>Dokumentasjonen i %1 kunne ikke flyttes til %2; den ligger der den lå.</source>
        <translation>The documentation in %1 could not be moved to %2; it stays where it was.</translation>
    </message>
</context>
<context>
    <name>EbirdImport</name>
    <message>
        <source>hybrid</source>
        <translation>hybrid</translation>
    </message>
    <message>
        <source>art ikke bestemt (sp.)</source>
        <translation>species not identified (sp.)</translation>
    </message>
    <message>
        <source>en av flere arter (/)</source>
        <translation>one of several species (/)</translation>
    </message>
    <message>
        <source>ikke i artslista</source>
        <translation>not in the species list</translation>
    </message>
    <message>
        <source>1 rad</source>
        <translation>1 row</translation>
    </message>
    <message>
        <source>%1 rader</source>
        <translation>%1 rows</translation>
    </message>
    <message>
        <source>Rader lest: %1</source>
        <translation>Rows read: %1</translation>
    </message>
    <message>
        <source>Rader som importeres: %1</source>
        <translation>Rows to import: %1</translation>
    </message>
    <message>
        <source>Arter funnet: %1</source>
        <translation>Species found: %1</translation>
    </message>
    <message>
        <source>Allerede importert: %1</source>
        <translation>Already imported: %1</translation>
    </message>
    <message>
        <source>Avvist: %1</source>
        <translation>Refused: %1</translation>
    </message>
    <message>
        <source>Hekkekoder uten tilsvarende aktivitet:</source>
        <translation>Breeding codes without a matching activity:</translation>
    </message>
    <message>
        <source>Finner ingen observatør med nummer %1 i observatørregisteret. Ingenting er importert.</source>
        <translation>There is no observer number %1 in the observer register. Nothing has been imported.</translation>
    </message>
    <message>
        <source>ufullstendig rad</source>
        <translation>incomplete row</translation>
    </message>
    <message>
        <source>linje %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>ugyldig dato eller tid</source>
        <translation>invalid date or time</translation>
    </message>
    <message>
        <source>ugyldig antall</source>
        <translation>invalid count</translation>
    </message>
    <message>
        <source>Kan ikke lese %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 er ikke en fil fra eBird: kolonnen «%2» mangler.</source>
        <translation>%1 is not a file from eBird: the column &quot;%2&quot; is missing.</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Kan ikke skrive %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>GroupSave</name>
    <message>
        <source>Ulovlig dato.</source>
        <translation>Invalid date.</translation>
    </message>
    <message>
        <source>Ulovlig tid!</source>
        <translation>Invalid time!</translation>
    </message>
    <message>
        <source>Stopptid er før starttid.</source>
        <translation>The end time is before the start time.</translation>
    </message>
    <message>
        <source>Hoved- og medobservatør kan ikke være samme person.</source>
        <translation>The main observer and the co-observer cannot be the same person.</translation>
    </message>
    <message>
        <source>Du må velge en lokalitet fra lista.</source>
        <translation>You must choose a locality from the list.</translation>
    </message>
    <message>
        <source>Du må velge en hovedobservatør fra lista.</source>
        <translation>You must choose a main observer from the list.</translation>
    </message>
</context>
<context>
    <name>ListTable</name>
    <message>
        <source>Ny</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Species</translation>
    </message>
    <message>
        <source>Vitenskapelig navn</source>
        <translation>Scientific name</translation>
    </message>
    <message>
        <source>Først sett</source>
        <translation>First seen</translation>
    </message>
    <message>
        <source>Lokalitet</source>
        <translation>Locality</translation>
    </message>
    <message>
        <source>Sist sett</source>
        <translation>Last seen</translation>
    </message>
    <message>
        <source>Observasjoner</source>
        <translation>Observations</translation>
    </message>
    <message>
        <source>Individer</source>
        <translation>Individuals</translation>
    </message>
    <message>
        <source>År</source>
        <translation>Year</translation>
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
        <source>ny</source>
        <translation>new</translation>
    </message>
</context>
<context>
    <name>NamedLocalities</name>
    <message>
        <source>Skriv inn et navn på lokaliteten.</source>
        <translation>Type a name for the locality.</translation>
    </message>
    <message>
        <source>Lokaliteten finnes allerede.</source>
        <translation>The locality already exists.</translation>
    </message>
</context>
<context>
    <name>ObservationRecordSet</name>
    <message>
        <source>Ingen observasjon er valgt.</source>
        <translation>No observation is selected.</translation>
    </message>
</context>
<context>
    <name>ObservationValidation</name>
    <message>
        <source>Ulovlig tid</source>
        <translation>Invalid time</translation>
    </message>
    <message>
        <source>Ulovlig tid!</source>
        <translation>Invalid time!</translation>
    </message>
    <message>
        <source>De angitte koordinater stemmer ikke med fylke/kommune. Trykk &apos;Fylke/kom.&apos; for tips</source>
        <translation>The coordinates given do not match the county/municipality. Press &apos;County/mun.&apos; for hints</translation>
    </message>
    <message>
        <source>Du må angi en lokalitet</source>
        <translation>You must give a locality</translation>
    </message>
    <message>
        <source>Du må oppgi en breddegrad</source>
        <translation>You must give a latitude</translation>
    </message>
    <message>
        <source>Du må oppgi en lengdegrad</source>
        <translation>You must give a longitude</translation>
    </message>
    <message>
        <source>Du må oppgi en art</source>
        <translation>You must give a species</translation>
    </message>
    <message>
        <source>Feil i angivelse av antall</source>
        <translation>Error in the count given</translation>
    </message>
    <message>
        <source>Ulovlig dato</source>
        <translation>Invalid date</translation>
    </message>
    <message>
        <source>Stopptid er før starttid.</source>
        <translation>The end time is before the start time.</translation>
    </message>
    <message>
        <source>Det må avkrysses en hovedobservatør. Legg til en observatør med høyre museknapp på observatørlista.</source>
        <translation>A main observer must be ticked. Add an observer with the right mouse button on the observer list.</translation>
    </message>
    <message>
        <source>Kun en hovedobservatør skal avmerkes</source>
        <translation>Only one main observer may be ticked</translation>
    </message>
</context>
<context>
    <name>ObserverRegister</name>
    <message>
        <source>Name and initials must be given!</source>
        <translation>Name and initials must be given!</translation>
    </message>
    <message>
        <source>Initials already used.</source>
        <translation>Initials already used.</translation>
    </message>
    <message>
        <source>Initials are already used by another observer!</source>
        <translation>Initials are already used by another observer!</translation>
    </message>
</context>
<context>
    <name>PortalExport</name>
    <message>
        <source>Fila %1 fra en avbrutt eksport kan ikke slettes.</source>
        <translation>The file %1 from an interrupted export cannot be deleted.</translation>
    </message>
    <message>
        <source>Du har %1 observasjoner som skal rapporteres til &apos;%2&apos;. Vil du generere excel-ark nå?</source>
        <translation>You have %1 observations to report to &apos;%2&apos;. Do you want to make the Excel workbooks now?</translation>
    </message>
    <message>
        <source>Du har pr. %1 ingen observasjoner som skal sendes inn.</source>
        <translation>As of %1 you have no observations to submit.</translation>
    </message>
    <message>
        <source>Du mangler fila lirv_Excelimport.xls. Denne kan du hente fra %1 og kopiere til mappa %2/.</source>
        <translation>You lack the file lirv_Excelimport.xls. You can get it from %1 and copy it to the folder %2/.</translation>
    </message>
    <message>
        <source>Malen %1 kan ikke brukes: %2.</source>
        <translation>The template %1 cannot be used: %2.</translation>
    </message>
    <message>
        <source>Fila %1 finnes fra før.</source>
        <translation>The file %1 already exists.</translation>
    </message>
    <message>
        <source>Observasjonene ble eksportert til en excel-fil som ligger i mappa %1/ og heter %2</source>
        <translation>The observations were exported to an Excel file in the folder %1/ named %2</translation>
    </message>
    <message>
        <source>Det ble eksportert %1 excel-filer. Disse ligger i mappa %2 og alle begynner med navnet %3_ (etterfulgt av et nummer fra %4 til %5).%6</source>
        <translation>%1 Excel files were exported. They are in the folder %2 and all their names begin with %3_ (followed by a number from %4 to %5).%6</translation>
    </message>
    <message>
        <source>
Ingen observasjoner er merket som rapportert, og ingen filer er lagret.</source>
        <translation>
No observations are marked as reported, and no files are saved.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Kan ikke lage programmappa %1.</source>
        <translation>Cannot create the program folder %1.</translation>
    </message>
    <message>
        <source>Programmappa %1 er skrivebeskyttet. Lirvenda lagrer observasjonene sine der og kan ikke starte uten å kunne skrive i den. Gi skrivetilgang til mappa, eller velg en annen med --folder.</source>
        <translation>The program folder %1 is read-only. Lirvenda keeps its observations there and cannot start without writing in it. Give write access to the folder, or choose another one with --folder.</translation>
    </message>
    <message>
        <source>Kan ikke lage databasefila %1.</source>
        <translation>Cannot create the database file %1.</translation>
    </message>
    <message>
        <source>Databasen er ikke åpnet.</source>
        <translation>The database is not open.</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>En ukjent feil oppstod.</source>
        <translation>An unknown error occurred.</translation>
    </message>
</context>
<context>
    <name>RecentObservations</name>
    <message>
        <source>Siste observasjoner av </source>
        <translation>Latest observations of </translation>
    </message>
</context>
<context>
    <name>ReferenceData</name>
    <message>
        <source>Referansedata mangler i programmet: %1</source>
        <translation>Reference data missing in the program: %1</translation>
    </message>
</context>
<context>
    <name>References</name>
    <message>
        <source>Ingen forfattere angitt.</source>
        <translation>No authors given.</translation>
    </message>
    <message>
        <source>År ikke angitt.</source>
        <translation>No year given.</translation>
    </message>
    <message>
        <source>Ingen tittel angitt.</source>
        <translation>No title given.</translation>
    </message>
    <message>
        <source>Ingen journal/rapport angitt.</source>
        <translation>No journal/report given.</translation>
    </message>
</context>
<context>
    <name>RegistrationChoices</name>
    <message>
        <source>Fugler</source>
        <translation>Birds</translation>
    </message>
    <message>
        <source>Pattedyr</source>
        <translation>Mammals</translation>
    </message>
    <message>
        <source>Botanikk</source>
        <translation>Plants</translation>
    </message>
    <message>
        <source>Insekter</source>
        <translation>Insects</translation>
    </message>
    <message>
        <source>I par</source>
        <translation>Pair</translation>
    </message>
    <message>
        <source>Hann</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Hunn</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>Hunnfarget</source>
        <translation>Female-type</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Egg</translation>
    </message>
    <message>
        <source>Pulli</source>
        <translation>Pulli</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1cy</translation>
    </message>
    <message>
        <source>1K+</source>
        <translation>1cy+</translation>
    </message>
    <message>
        <source>2K</source>
        <translation>2cy</translation>
    </message>
    <message>
        <source>2K+</source>
        <translation>2cy+</translation>
    </message>
    <message>
        <source>2K-</source>
        <translation>2cy-</translation>
    </message>
    <message>
        <source>3K</source>
        <translation>3cy</translation>
    </message>
    <message>
        <source>3K+</source>
        <translation>3cy+</translation>
    </message>
    <message>
        <source>3K-</source>
        <translation>3cy-</translation>
    </message>
    <message>
        <source>4K</source>
        <translation>4cy</translation>
    </message>
    <message>
        <source>4K+</source>
        <translation>4cy+</translation>
    </message>
    <message>
        <source>4K-</source>
        <translation>4cy-</translation>
    </message>
    <message>
        <source>5K</source>
        <translation>5cy</translation>
    </message>
    <message>
        <source>5K+</source>
        <translation>5cy+</translation>
    </message>
    <message>
        <source>5K-</source>
        <translation>5cy-</translation>
    </message>
    <message>
        <source>6K</source>
        <translation>6cy</translation>
    </message>
    <message>
        <source>6K+</source>
        <translation>6cy+</translation>
    </message>
    <message>
        <source>6K-</source>
        <translation>6cy-</translation>
    </message>
    <message>
        <source>7K</source>
        <translation>7cy</translation>
    </message>
    <message>
        <source>7K+</source>
        <translation>7cy+</translation>
    </message>
    <message>
        <source>7K-</source>
        <translation>7cy-</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>Adult</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Ø</source>
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>V</source>
        <translation>W</translation>
    </message>
</context>
<context>
    <name>SpeciesLists</name>
    <message>
        <source>Livsliste</source>
        <translation>Life list</translation>
    </message>
    <message>
        <source>Årsliste</source>
        <translation>Year list</translation>
    </message>
    <message>
        <source>Fylkesliste</source>
        <translation>County list</translation>
    </message>
    <message>
        <source>Kommuneliste</source>
        <translation>Municipality list</translation>
    </message>
    <message>
        <source>Lokalitetsliste</source>
        <translation>Locality list</translation>
    </message>
    <message>
        <source>art</source>
        <translation>species</translation>
    </message>
    <message>
        <source>arter</source>
        <translation>species</translation>
    </message>
    <message>
        <source>alle år</source>
        <translation>all years</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
</context>
<context>
    <name>StoreCheck</name>
    <message>
        <source>%1: integritetssjekken er i orden</source>
        <translation>%1: the integrity check is in order</translation>
    </message>
    <message>
        <source>… (%1 i alt)</source>
        <translation>… (%1 in all)</translation>
    </message>
    <message>
        <source>Artsnøkler som ikke finnes i artslista: %1</source>
        <translation>Species keys not in the species list: %1</translation>
    </message>
    <message>
        <source>%1 observasjoner, %2 observatørkoblinger</source>
        <translation>%1 observations, %2 observer links</translation>
    </message>
    <message>
        <source>%1 observatørkoblinger peker på en observasjon som ikke finnes</source>
        <translation>%1 observer links point to an observation that does not exist</translation>
    </message>
    <message>
        <source>%1 observasjoner er uten art</source>
        <translation>%1 observations have no species</translation>
    </message>
    <message>
        <source>%1 observasjoner er uten startdato</source>
        <translation>%1 observations have no start date</translation>
    </message>
    <message>
        <source>Databaseoppsett %1: listene over brukte arter og lokaliteter lages når databasen oppgraderes</source>
        <translation>Database layout %1: the lists of species and localities used are made when the database is upgraded</translation>
    </message>
    <message>
        <source>Lista over registrerte arter avviker fra observasjonene (%1 arter)</source>
        <translation>The list of species recorded differs from the observations (%1 species)</translation>
    </message>
    <message>
        <source>Lista over brukte lokaliteter avviker fra observasjonene (%1 lokaliteter)</source>
        <translation>The list of localities used differs from the observations (%1 localities)</translation>
    </message>
    <message>
        <source>Artene per år avviker fra observasjonene (%1 arter og år)</source>
        <translation>The species seen per year differ from the observations (%1 species and years)</translation>
    </message>
</context>
<context>
    <name>StoreKey</name>
    <message>
        <source>Passfrase for dagboka i %1:</source>
        <translation>Passphrase for the diary in %1:</translation>
    </message>
    <message>
        <source>Feil passfrase. Prøv igjen (forsøk %1 av %2):</source>
        <translation>Wrong passphrase. Try again (attempt %1 of %2):</translation>
    </message>
    <message>
        <source>Feil passfrase: dagboka i %1 blir ikke åpnet. Ingenting er endret. Uten den riktige passfrasen kan ingen lese dagboka.</source>
        <translation>Wrong passphrase: the diary in %1 is not opened. Nothing has been changed. Without the right passphrase no one can read the diary.</translation>
    </message>
    <message>
        <source>Kan ikke legge tilbake %1 fra kopien %2. Flytt kopien på plass for hånd.</source>
        <translation>Cannot restore %1 from the copy %2. Move the copy into place by hand.</translation>
    </message>
    <message>
        <source>Kan ikke lese passfrasefila %1 (LIRVENDA_PASSPHRASE_FILE).</source>
        <translation>Cannot read the passphrase file %1 (LIRVENDA_PASSPHRASE_FILE).</translation>
    </message>
    <message>
        <source>Passfrasen i fila %1 (LIRVENDA_PASSPHRASE_FILE) åpner ikke %2.</source>
        <translation>The passphrase in the file %1 (LIRVENDA_PASSPHRASE_FILE) does not open %2.</translation>
    </message>
</context>
<context>
    <name>TextFiles</name>
    <message>
        <source>Kan ikke skrive fila %1: %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>WorkbookFile</name>
    <message>
        <source>fila er avkuttet</source>
        <translation>the file is truncated</translation>
    </message>
    <message>
        <source>fila er skadet</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>fila kan ikke leses (%1)</source>
        <translation>the file cannot be read (%1)</translation>
    </message>
    <message>
        <source>fila er ikke et excel-ark</source>
        <translation>the file is not an Excel workbook</translation>
    </message>
</context>
</TS>
