<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>BackupCommands</name>
    <message>
        <source>Dagboka er lagt tilbake i %1. Start Lirvenda med --folder %1 for å bruke den.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ny passfrase (tom: ingen egen passfrase):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingen ny passfrase ble gitt. Ingenting er endret.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gjenta den nye passfrasen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De to passfrasene er ulike. Ingenting er endret.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dagboka har ikke lenger egen passfrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dagboka har fått ny passfrase. Glemmer du den, er dagboka tapt: ingen kan åpne den uten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nøkkelringen kunne ikke oppdateres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FIL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arkivet (.tar eller .zip); en fil som ikke finnes fra før.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lag en sikkerhetskopi av hele dagboka i FIL (.tar eller .zip).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En sikkerhetskopi laget av Lirvenda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legg en sikkerhetskopi tilbake i en tom eller ny mappe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sett, bytt eller fjern dagbokas egen passfrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Husk passfrasen i nøkkelringen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalcEngine</name>
    <message>
        <source>Kan ikke lagre fila %1: bare .xls og .xlsx kan skrives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> LibreOffice stoppet uventet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice er installert, men ikke regnearket LibreOffice Calc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice kan ikke brukes fra dette programmet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installasjonen av LibreOffice kan være ufullstendig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice stoppet under oppstarten. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice svarte ikke innen %1 sekunder etter oppstarten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke åpne malen %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finnes den, og er den et regneark?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Den er ikke et regneark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke lagre fila %1: ingen mal er åpnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke lagre fila %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er mappa skrivebeskyttet, eller disken full?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Ukjent kilde «%1»; kjente kilder: ebird.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velg observatøren med --observer NUMMER (ObserverID): ingen hovedobservatør er lagret i MainObserver.txt, eller nummeret er ugyldig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importert: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikkerhetskopi: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oppgi fila eksporten skal skrives til.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Året må være et tall fra 1 til 9999, ikke «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukjent lisens «%1»; velg en av: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukjent format «%1»; kjente formater: ebird, dwca, csv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 observasjoner skrevet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observatør</source>
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
        <source>Antall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Måned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>År</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 tar en operator og et tall, som &quot;&gt;= 5&quot;, ikke «%2».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velg én av --csv og --json.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Som arkivets rad «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VERDI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Som arkivets rad «%1:», for eksempel &quot;&gt;= 5&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OP TALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Søk i arkivet; med --csv eller --json alle treffene med navngitte felt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KILDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hvor fila kommer fra: ebird (&quot;My eBird Data&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FIL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fila som importeres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importer observasjoner fra en fil; vis først hva som blir importert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observatøren (ObserverID); standard: hovedobservatøren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vis bare hva som ville bli importert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ebird, dwca (Darwin Core-arkiv, .zip) eller csv; uten: til portalen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bare observasjonene fra dette året.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ÅR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dwca: prefikset som gjør occurrenceID unik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PREFIKS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dwca: CC0, &quot;CC BY 4.0&quot; eller &quot;CC BY-NC 4.0&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LISENS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fil og --year gjelder bare sammen med --format.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>Listen må være life, year, county, municipality eller locality, ikke «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Livslista tar ikke flere ord.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen «%1» trenger et ord til.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Året må være et tall fra 1 til 9999, ikke «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukjent fylke «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukjent kommune «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukjent artsgruppe «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velg enten --csv eller --json.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingen observasjoner av %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ankomstdatoer for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LISTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>life, year, county, municipality eller locality.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VERDI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Året, fylkets eller kommunens nummer, eller lokalitetens navn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skriv artslista: livsliste, årsliste, fylkes-, kommune- eller lokalitetsliste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artsgruppen (Fugler, Pattedyr, Botanikk, Insekter).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KLASSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bare dette året (fylke, kommune, lokalitet).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ÅR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARTSNØKKEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artens nøkkel, for eksempel 11870.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skriv artens første dato hvert år.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OfficeProcess</name>
    <message>
        <source>LibreOffice Calc er ikke installert (finner ikke %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke lage en midlertidig mappe for LibreOffice (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke starte LibreOffice (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Lirvenda: dagbok over artsobservasjoner.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmappa (standard: $LIRVENDA_FOLDER eller ~/Lirvenda).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start hovedvinduet uten skjerm, skriv et PNG-bilde av det til FILE og avslutt.</source>
        <translation>Start hovedvinduet uten skjerm, skriv et PNG-bilde av det til FIL og avslutt.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FIL</translation>
    </message>
</context>
<context>
    <name>Subcommands</name>
    <message>
        <source>Lager excel-ark med %1 observasjoner …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 av %2 observasjoner skrevet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukjent kommando «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Året må være et tall fra 1 til 9999, ikke «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velg én av --csv og --json.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingen observasjoner i %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingen feil funnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEIL: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 feil funnet i %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FIL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fila med --format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lag excel-ark av de urapporterte observasjonene til rapporteringsportalen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ÅR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Året, for eksempel 2024.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skriv årsstatistikken for ÅR (UTF-8).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sjekk databasen for skader og brutte sammenhenger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KOMMANDO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kommandoen hjelpen gjelder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vis hjelpen for programmet eller for KOMMANDO, som --help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SKALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bash eller zsh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skriv skriptet som fullfører kommandoer og valg i SKALL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finner ikke programmappa %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finner ingen database (%1) i mappa %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databasen i mappa %1 har databaseoppsett %2, og «%3» trenger oppsett %4 eller nyere. Kommandoen endrer ikke databasen; start Lirvenda med mappa én gang, så blir den oppgradert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vis denne hjelpen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Se «%2 --help».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kommandoer (hver med --folder DIR):
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bruk: %1 %2 [--folder DIR]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableOutput</name>
    <message>
        <source>Skriv svaret som CSV (UTF-8, en overskriftslinje).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skriv svaret som JSON (UTF-8).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>Kan ikke skrive bildet %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kan ikke starte vinduet (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
