<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BackupCommands</name>
    <message>
        <source>Dagboka er lagt tilbake i %1. Start Lirvenda med --folder %1 for å bruke den.</source>
        <translation>The diary has been restored to %1. Start Lirvenda with --folder %1 to use it.</translation>
    </message>
    <message>
        <source>Ny passfrase (tom: ingen egen passfrase):</source>
        <translation>New passphrase (empty: no passphrase of its own):</translation>
    </message>
    <message>
        <source>Ingen ny passfrase ble gitt. Ingenting er endret.</source>
        <translation>No new passphrase was given. Nothing has been changed.</translation>
    </message>
    <message>
        <source>Gjenta den nye passfrasen:</source>
        <translation>Repeat the new passphrase:</translation>
    </message>
    <message>
        <source>De to passfrasene er ulike. Ingenting er endret.</source>
        <translation>The two passphrases differ. Nothing has been changed.</translation>
    </message>
    <message>
        <source>Dagboka har ikke lenger egen passfrase.</source>
        <translation>The diary no longer has a passphrase of its own.</translation>
    </message>
    <message>
        <source>Dagboka har fått ny passfrase. Glemmer du den, er dagboka tapt: ingen kan åpne den uten.</source>
        <translation>The diary has a new passphrase. If you forget it, the diary is lost: nobody can open it without it.</translation>
    </message>
    <message>
        <source>Nøkkelringen kunne ikke oppdateres.</source>
        <translation>The keyring could not be updated.</translation>
    </message>
    <message>
        <source>FIL</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Arkivet (.tar eller .zip); en fil som ikke finnes fra før.</source>
        <translation>The archive (.tar or .zip); a file that does not exist yet.</translation>
    </message>
    <message>
        <source>Lag en sikkerhetskopi av hele dagboka i FIL (.tar eller .zip).</source>
        <translation>Make a backup of the whole diary in FILE (.tar or .zip).</translation>
    </message>
    <message>
        <source>En sikkerhetskopi laget av Lirvenda.</source>
        <translation>A backup made by Lirvenda.</translation>
    </message>
    <message>
        <source>Legg en sikkerhetskopi tilbake i en tom eller ny mappe.</source>
        <translation>Restore a backup into an empty or new folder.</translation>
    </message>
    <message>
        <source>Sett, bytt eller fjern dagbokas egen passfrase.</source>
        <translation>Set, change or remove the diary&apos;s own passphrase.</translation>
    </message>
    <message>
        <source>Husk passfrasen i nøkkelringen.</source>
        <translation>Remember the passphrase in the keyring.</translation>
    </message>
</context>
<context>
    <name>CalcEngine</name>
    <message>
        <source>Kan ikke lagre fila %1: bare .xls og .xlsx kan skrives.</source>
        <translation>Cannot save the file %1: only .xls and .xlsx can be written.</translation>
    </message>
    <message>
        <source> LibreOffice stoppet uventet.</source>
        <translation> LibreOffice stopped unexpectedly.</translation>
    </message>
    <message>
        <source>LibreOffice er installert, men ikke regnearket LibreOffice Calc.</source>
        <translation>LibreOffice is installed, but not its spreadsheet, LibreOffice Calc.</translation>
    </message>
    <message>
        <source>LibreOffice kan ikke brukes fra dette programmet.</source>
        <translation>LibreOffice cannot be used from this program.</translation>
    </message>
    <message>
        <source>Installasjonen av LibreOffice kan være ufullstendig.</source>
        <translation>The LibreOffice installation may be incomplete.</translation>
    </message>
    <message>
        <source>LibreOffice stoppet under oppstarten. %1</source>
        <translation>LibreOffice stopped while starting. %1</translation>
    </message>
    <message>
        <source>LibreOffice svarte ikke innen %1 sekunder etter oppstarten.</source>
        <translation>LibreOffice did not answer within %1 seconds of starting.</translation>
    </message>
    <message>
        <source>Kan ikke åpne malen %1.</source>
        <translation>Cannot open the template %1.</translation>
    </message>
    <message>
        <source>Finnes den, og er den et regneark?</source>
        <translation>Does it exist, and is it a spreadsheet?</translation>
    </message>
    <message>
        <source> Den er ikke et regneark.</source>
        <translation> It is not a spreadsheet.</translation>
    </message>
    <message>
        <source>Kan ikke lagre fila %1: ingen mal er åpnet.</source>
        <translation>Cannot save the file %1: no template is open.</translation>
    </message>
    <message>
        <source>Kan ikke lagre fila %1.</source>
        <translation>Cannot save the file %1.</translation>
    </message>
    <message>
        <source>Er mappa skrivebeskyttet, eller disken full?</source>
        <translation>Is the folder write-protected, or the disk full?</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Ukjent kilde «%1»; kjente kilder: ebird.</source>
        <translation>Unknown source “%1”; known sources: ebird.</translation>
    </message>
    <message>
        <source>Velg observatøren med --observer NUMMER (ObserverID): ingen hovedobservatør er lagret i MainObserver.txt, eller nummeret er ugyldig.</source>
        <translation>Choose the observer with --observer NUMBER (ObserverID): no main observer is stored in MainObserver.txt, or the number is not valid.</translation>
    </message>
    <message>
        <source>Importert: %1</source>
        <translation>Imported: %1</translation>
    </message>
    <message>
        <source>Sikkerhetskopi: %1</source>
        <translation>Backup: %1</translation>
    </message>
    <message>
        <source>Oppgi fila eksporten skal skrives til.</source>
        <translation>Give the file to write the export to.</translation>
    </message>
    <message>
        <source>Året må være et tall fra 1 til 9999, ikke «%1».</source>
        <translation>The year must be a number from 1 to 9999, not “%1”.</translation>
    </message>
    <message>
        <source>Ukjent lisens «%1»; velg en av: %2.</source>
        <translation>Unknown licence “%1”; choose one of: %2.</translation>
    </message>
    <message>
        <source>Ukjent format «%1»; kjente formater: ebird, dwca, csv.</source>
        <translation>Unknown format “%1”; known formats: ebird, dwca, csv.</translation>
    </message>
    <message>
        <source>%1 observasjoner skrevet.</source>
        <translation>%1 observations written.</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Species</translation>
    </message>
    <message>
        <source>Observatør</source>
        <translation>Observer</translation>
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
        <source>Antall</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Dag</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Måned</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>År</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>--%1 tar en operator og et tall, som &quot;&gt;= 5&quot;, ikke «%2».</source>
        <translation>--%1 takes an operator and a number, as &quot;&gt;= 5&quot;, not “%2”.</translation>
    </message>
    <message>
        <source>Velg én av --csv og --json.</source>
        <translation>Choose one of --csv and --json.</translation>
    </message>
    <message>
        <source>Som arkivets rad «%1».</source>
        <translation>As the archive&apos;s row “%1”.</translation>
    </message>
    <message>
        <source>VERDI</source>
        <translation>VALUE</translation>
    </message>
    <message>
        <source>Som arkivets rad «%1:», for eksempel &quot;&gt;= 5&quot;.</source>
        <translation>As the archive&apos;s row “%1:”, for example &quot;&gt;= 5&quot;.</translation>
    </message>
    <message>
        <source>OP TALL</source>
        <translation>OP NUMBER</translation>
    </message>
    <message>
        <source>Søk i arkivet; med --csv eller --json alle treffene med navngitte felt.</source>
        <translation>Search the archive; with --csv or --json every match with named fields.</translation>
    </message>
    <message>
        <source>KILDE</source>
        <translation>SOURCE</translation>
    </message>
    <message>
        <source>Hvor fila kommer fra: ebird (&quot;My eBird Data&quot;).</source>
        <translation>Where the file comes from: ebird (&quot;My eBird Data&quot;).</translation>
    </message>
    <message>
        <source>FIL</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Fila som importeres.</source>
        <translation>The file to import.</translation>
    </message>
    <message>
        <source>Importer observasjoner fra en fil; vis først hva som blir importert.</source>
        <translation>Import observations from a file; first show what will be imported.</translation>
    </message>
    <message>
        <source>Observatøren (ObserverID); standard: hovedobservatøren.</source>
        <translation>The observer (ObserverID); default: the main observer.</translation>
    </message>
    <message>
        <source>Vis bare hva som ville bli importert.</source>
        <translation>Only show what would be imported.</translation>
    </message>
    <message>
        <source>ebird, dwca (Darwin Core-arkiv, .zip) eller csv; uten: til portalen.</source>
        <translation>ebird, dwca (Darwin Core archive, .zip) or csv; without: for the portal.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>Bare observasjonene fra dette året.</source>
        <translation>Only the observations from this year.</translation>
    </message>
    <message>
        <source>ÅR</source>
        <translation>YEAR</translation>
    </message>
    <message>
        <source>dwca: prefikset som gjør occurrenceID unik.</source>
        <translation>dwca: the prefix that makes occurrenceID unique.</translation>
    </message>
    <message>
        <source>PREFIKS</source>
        <translation>PREFIX</translation>
    </message>
    <message>
        <source>dwca: CC0, &quot;CC BY 4.0&quot; eller &quot;CC BY-NC 4.0&quot;.</source>
        <translation>dwca: CC0, &quot;CC BY 4.0&quot; or &quot;CC BY-NC 4.0&quot;.</translation>
    </message>
    <message>
        <source>LISENS</source>
        <translation>LICENCE</translation>
    </message>
    <message>
        <source>Fil og --year gjelder bare sammen med --format.</source>
        <translation>A file and --year apply only together with --format.</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>Listen må være life, year, county, municipality eller locality, ikke «%1».</source>
        <translation>The list must be life, year, county, municipality or locality, not “%1”.</translation>
    </message>
    <message>
        <source>Livslista tar ikke flere ord.</source>
        <translation>The life list takes no more words.</translation>
    </message>
    <message>
        <source>Listen «%1» trenger et ord til.</source>
        <translation>The list “%1” needs one more word.</translation>
    </message>
    <message>
        <source>Året må være et tall fra 1 til 9999, ikke «%1».</source>
        <translation>The year must be a number from 1 to 9999, not “%1”.</translation>
    </message>
    <message>
        <source>Ukjent fylke «%1».</source>
        <translation>Unknown county “%1”.</translation>
    </message>
    <message>
        <source>Ukjent kommune «%1».</source>
        <translation>Unknown municipality “%1”.</translation>
    </message>
    <message>
        <source>Ukjent artsgruppe «%1».</source>
        <translation>Unknown species group “%1”.</translation>
    </message>
    <message>
        <source>Velg enten --csv eller --json.</source>
        <translation>Choose either --csv or --json.</translation>
    </message>
    <message>
        <source>Ingen observasjoner av %1.</source>
        <translation>No observations of %1.</translation>
    </message>
    <message>
        <source>Ankomstdatoer for %1</source>
        <translation>Arrival dates for %1</translation>
    </message>
    <message>
        <source>LISTE</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>life, year, county, municipality eller locality.</source>
        <translation>life, year, county, municipality or locality.</translation>
    </message>
    <message>
        <source>VERDI</source>
        <translation>VALUE</translation>
    </message>
    <message>
        <source>Året, fylkets eller kommunens nummer, eller lokalitetens navn.</source>
        <translation>The year, the county&apos;s or municipality&apos;s number, or the locality&apos;s name.</translation>
    </message>
    <message>
        <source>Skriv artslista: livsliste, årsliste, fylkes-, kommune- eller lokalitetsliste.</source>
        <translation>Write the species list: life list, year list, county, municipality or locality list.</translation>
    </message>
    <message>
        <source>Artsgruppen (Fugler, Pattedyr, Botanikk, Insekter).</source>
        <translation>The species group (Fugler, Pattedyr, Botanikk, Insekter: birds, mammals, plants, insects).</translation>
    </message>
    <message>
        <source>KLASSE</source>
        <translation>CLASS</translation>
    </message>
    <message>
        <source>Bare dette året (fylke, kommune, lokalitet).</source>
        <translation>Only this year (county, municipality, locality).</translation>
    </message>
    <message>
        <source>ÅR</source>
        <translation>YEAR</translation>
    </message>
    <message>
        <source>ARTSNØKKEL</source>
        <translation>SPECIES_KEY</translation>
    </message>
    <message>
        <source>Artens nøkkel, for eksempel 11870.</source>
        <translation>The species&apos; key, for example 11870.</translation>
    </message>
    <message>
        <source>Skriv artens første dato hvert år.</source>
        <translation>Write the species&apos; first date each year.</translation>
    </message>
</context>
<context>
    <name>OfficeProcess</name>
    <message>
        <source>LibreOffice Calc er ikke installert (finner ikke %1).</source>
        <translation>LibreOffice Calc is not installed (cannot find %1).</translation>
    </message>
    <message>
        <source>Kan ikke lage en midlertidig mappe for LibreOffice (%1).</source>
        <translation>Cannot make a temporary folder for LibreOffice (%1).</translation>
    </message>
    <message>
        <source>Kan ikke starte LibreOffice (%1).</source>
        <translation>Cannot start LibreOffice (%1).</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Lirvenda: dagbok over artsobservasjoner.

</source>
        <translation>Lirvenda: a diary of species observations.

</translation>
    </message>
    <message>
        <source>Programmappa (standard: $LIRVENDA_FOLDER eller ~/Lirvenda).</source>
        <translation>The program folder (default: $LIRVENDA_FOLDER or ~/Lirvenda).</translation>
    </message>
    <message>
        <source>Start hovedvinduet uten skjerm, skriv et PNG-bilde av det til FILE og avslutt.</source>
        <translation>Start the main window without a screen, write a PNG picture of it to FILE and quit.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
</context>
<context>
    <name>Subcommands</name>
    <message>
        <source>Lager excel-ark med %1 observasjoner …</source>
        <translation>Making Excel sheets with %1 observations …</translation>
    </message>
    <message>
        <source>%1 av %2 observasjoner skrevet</source>
        <translation>%1 of %2 observations written</translation>
    </message>
    <message>
        <source>Ukjent kommando «%1».</source>
        <translation>Unknown command “%1”.</translation>
    </message>
    <message>
        <source>Året må være et tall fra 1 til 9999, ikke «%1».</source>
        <translation>The year must be a number from 1 to 9999, not “%1”.</translation>
    </message>
    <message>
        <source>Velg én av --csv og --json.</source>
        <translation>Choose one of --csv and --json.</translation>
    </message>
    <message>
        <source>Ingen observasjoner i %1.</source>
        <translation>No observations in %1.</translation>
    </message>
    <message>
        <source>Ingen feil funnet.</source>
        <translation>No errors found.</translation>
    </message>
    <message>
        <source>FEIL: </source>
        <translation>ERROR: </translation>
    </message>
    <message>
        <source>%1 feil funnet i %2.</source>
        <translation>%1 errors found in %2.</translation>
    </message>
    <message>
        <source>FIL</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Fila med --format.</source>
        <translation>The file, with --format.</translation>
    </message>
    <message>
        <source>Lag excel-ark av de urapporterte observasjonene til rapporteringsportalen.</source>
        <translation>Make Excel sheets of the unreported observations for the reporting portal.</translation>
    </message>
    <message>
        <source>ÅR</source>
        <translation>YEAR</translation>
    </message>
    <message>
        <source>Året, for eksempel 2024.</source>
        <translation>The year, for example 2024.</translation>
    </message>
    <message>
        <source>Skriv årsstatistikken for ÅR (UTF-8).</source>
        <translation>Write the year statistics for YEAR (UTF-8).</translation>
    </message>
    <message>
        <source>Sjekk databasen for skader og brutte sammenhenger.</source>
        <translation>Check the database for damage and broken links.</translation>
    </message>
    <message>
        <source>KOMMANDO</source>
        <translation>COMMAND</translation>
    </message>
    <message>
        <source>Kommandoen hjelpen gjelder.</source>
        <translation>The command to show help for.</translation>
    </message>
    <message>
        <source>Vis hjelpen for programmet eller for KOMMANDO, som --help.</source>
        <translation>Show the help for the program or for COMMAND, as --help does.</translation>
    </message>
    <message>
        <source>SKALL</source>
        <translation>SHELL</translation>
    </message>
    <message>
        <source>bash eller zsh.</source>
        <translation>bash or zsh.</translation>
    </message>
    <message>
        <source>Skriv skriptet som fullfører kommandoer og valg i SKALL.</source>
        <translation>Write the script that completes commands and options in SHELL.</translation>
    </message>
    <message>
        <source>Finner ikke programmappa %1.</source>
        <translation>Cannot find the program folder %1.</translation>
    </message>
    <message>
        <source>Finner ingen database (%1) i mappa %2.</source>
        <translation>Cannot find a database (%1) in the folder %2.</translation>
    </message>
    <message>
        <source>Databasen i mappa %1 har databaseoppsett %2, og «%3» trenger oppsett %4 eller nyere. Kommandoen endrer ikke databasen; start Lirvenda med mappa én gang, så blir den oppgradert.</source>
        <translation>The database in the folder %1 has schema version %2, and “%3” needs version %4 or newer. The command does not change the database; start Lirvenda with the folder once, and it will be upgraded.</translation>
    </message>
    <message>
        <source>Vis denne hjelpen.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>%1
Se «%2 --help».</source>
        <translation>%1
See “%2 --help”.</translation>
    </message>
    <message>
        <source>Kommandoer (hver med --folder DIR):
</source>
        <translation>Commands (each with --folder DIR):
</translation>
    </message>
    <message>
        <source>Bruk: %1 %2 [--folder DIR]</source>
        <translation>Usage: %1 %2 [--folder DIR]</translation>
    </message>
</context>
<context>
    <name>TableOutput</name>
    <message>
        <source>Skriv svaret som CSV (UTF-8, en overskriftslinje).</source>
        <translation>Write the answer as CSV (UTF-8, one header line).</translation>
    </message>
    <message>
        <source>Skriv svaret som JSON (UTF-8).</source>
        <translation>Write the answer as JSON (UTF-8).</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>Kan ikke skrive bildet %1</source>
        <translation>Cannot write the picture %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kan ikke starte vinduet (%1).</source>
        <translation>Cannot start the window (%1).</translation>
    </message>
</context>
</TS>
