<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>ArchiveFile</name>
    <message>
        <source>Kan ikke lage arkivet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke lese %1 til arkivet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke fullføre arkivet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke skrive %1 i arkivet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke skrive i arkivet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke åpne arkivet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arkivet er skadet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArchiveSearch</name>
    <message>
        <source>Resultater (Mer enn 100 treff. Kun 100 vises i lista)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resultater (%1 forekomster.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antall: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (Dato: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AtlasImport</name>
    <message>
        <source>Tabellen Atlas er tom. Ingenting er endret.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observasjonene knyttes til observatøren med nummer %1, men den finnes ikke i observatørregisteret. Ingenting er endret.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutomaticBackups</name>
    <message>
        <source>Kan ikke lage mappa %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Sikkerhetskopien kan ikke lages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikkerhetskopien av %1 kan ikke lages: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fila %1 finnes fra før og blir ikke overskrevet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke lage fila %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalcEngineModule</name>
    <message>
        <source>Programmet mangler fila %1, som lager excel-arkene.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel-arkene lages med LibreOffice Calc, som ikke er installert på denne maskinen (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fila %1 er ikke programmets regnearkmodul.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DarwinCoreArchive</name>
    <message>
        <source>Kan ikke skrive i mappa %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke skrive %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Finner ikke databasefila %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke lese databasefila %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databasefila %1 er tom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databasefila %1 finnes allerede.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke åpne databasefila %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke åpne databasefila %1: den er ikke en Lirvenda-database eller har et annet passord (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disken er full. Frigjør plass på disken og prøv igjen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databasefila eller mappa den ligger i er skrivebeskyttet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databasefila, eller journalfila ved siden av den, kan ikke åpnes. Er mappa skrivebeskyttet?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feil i databasespørring (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke binde verdi %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databasefeil i %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukjent kolonne %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiaryBackup</name>
    <message>
        <source>Kan ikke lese %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikkerhetskopien holder et navn som peker ut av mappa: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke skrive %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikkerhetskopien er ufullstendig: %1 mangler.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikkerhetskopien er skadet: %1 er ikke slik den var da kopien ble laget.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikkerhetskopien holder filer som innholdslista ikke nevner: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databasen %1 i sikkerhetskopien er skadet: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databasen %1 i sikkerhetskopien holder ikke de radene innholdslista nevner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikkerhetskopien holder ingen %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mappa %1 er ikke tom. En sikkerhetskopi legges bare tilbake i en tom eller ny mappe, aldri over en dagbok. Vil du bytte ut dagboka, så legg kopien tilbake i en ny mappe, avslutt Lirvenda, flytt den gamle mappa bort og gi den nye mappa det gamle navnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Innholdslista (%1) i sikkerhetskopien kan ikke leses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fila %1 finnes fra før og blir ikke overskrevet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke skrive i mappa %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke lage fila %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke lage mappa %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikkerhetskopien er skadet: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 er ikke en sikkerhetskopi fra Lirvenda: innholdslista %2 mangler.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentWalk</name>
    <message>
        <source>%1 - %2 av %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentationFiles</name>
    <message>
        <source>Bilder, video og lyd (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lyd (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle filer (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fila %1 finnes ikke eller kan ikke leses, og ble ikke lagt til.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mappa %1 kunne ikke lages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fila %1 kunne ikke kopieres til %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dokumentasjonen i %1 kunne ikke flyttes til %2; den ligger der den lå.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EbirdImport</name>
    <message>
        <source>hybrid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>art ikke bestemt (sp.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en av flere arter (/)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ikke i artslista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 rad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rader lest: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rader som importeres: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arter funnet: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allerede importert: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avvist: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hekkekoder uten tilsvarende aktivitet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finner ingen observatør med nummer %1 i observatørregisteret. Ingenting er importert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ufullstendig rad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linje %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ugyldig dato eller tid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ugyldig antall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke lese %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 er ikke en fil fra eBird: kolonnen «%2» mangler.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Kan ikke skrive %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupSave</name>
    <message>
        <source>Ulovlig dato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ulovlig tid!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopptid er før starttid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hoved- og medobservatør kan ikke være samme person.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Du må velge en lokalitet fra lista.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Du må velge en hovedobservatør fra lista.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListTable</name>
    <message>
        <source>Ny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitenskapelig navn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Først sett</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokalitet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sist sett</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observasjoner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>År</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dag i året</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arter i året</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arter totalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ny</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NamedLocalities</name>
    <message>
        <source>Skriv inn et navn på lokaliteten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokaliteten finnes allerede.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObservationRecordSet</name>
    <message>
        <source>Ingen observasjon er valgt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObservationValidation</name>
    <message>
        <source>Ulovlig tid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ulovlig tid!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De angitte koordinater stemmer ikke med fylke/kommune. Trykk &apos;Fylke/kom.&apos; for tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Du må angi en lokalitet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Du må oppgi en breddegrad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Du må oppgi en lengdegrad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Du må oppgi en art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feil i angivelse av antall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ulovlig dato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopptid er før starttid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Det må avkrysses en hovedobservatør. Legg til en observatør med høyre museknapp på observatørlista.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kun en hovedobservatør skal avmerkes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObserverRegister</name>
    <message>
        <source>Name and initials must be given!</source>
        <translation>Navn og initialer må oppgis!</translation>
    </message>
    <message>
        <source>Initials already used.</source>
        <translation>Initialene er allerede brukt.</translation>
    </message>
    <message>
        <source>Initials are already used by another observer!</source>
        <translation>Initialene er allerede brukt av en annen observatør!</translation>
    </message>
</context>
<context>
    <name>PortalExport</name>
    <message>
        <source>Fila %1 fra en avbrutt eksport kan ikke slettes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Du har %1 observasjoner som skal rapporteres til &apos;%2&apos;. Vil du generere excel-ark nå?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Du har pr. %1 ingen observasjoner som skal sendes inn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Du mangler fila lirv_Excelimport.xls. Denne kan du hente fra %1 og kopiere til mappa %2/.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malen %1 kan ikke brukes: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fila %1 finnes fra før.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observasjonene ble eksportert til en excel-fil som ligger i mappa %1/ og heter %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Det ble eksportert %1 excel-filer. Disse ligger i mappa %2 og alle begynner med navnet %3_ (etterfulgt av et nummer fra %4 til %5).%6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Ingen observasjoner er merket som rapportert, og ingen filer er lagret.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Kan ikke lage programmappa %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmappa %1 er skrivebeskyttet. Lirvenda lagrer observasjonene sine der og kan ikke starte uten å kunne skrive i den. Gi skrivetilgang til mappa, eller velg en annen med --folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke lage databasefila %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databasen er ikke åpnet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>En ukjent feil oppstod.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecentObservations</name>
    <message>
        <source>Siste observasjoner av </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReferenceData</name>
    <message>
        <source>Referansedata mangler i programmet: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>References</name>
    <message>
        <source>Ingen forfattere angitt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>År ikke angitt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingen tittel angitt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingen journal/rapport angitt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegistrationChoices</name>
    <message>
        <source>Fugler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattedyr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botanikk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insekter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I par</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hann</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hunn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hunnfarget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1K+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2K+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2K-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3K+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3K-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4K+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4K-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5K+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5K-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6K+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6K-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7K+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7K-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>Voksen</translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ø</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpeciesLists</name>
    <message>
        <source>Livsliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Årsliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fylkesliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kommuneliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokalitetsliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle år</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreCheck</name>
    <message>
        <source>%1: integritetssjekken er i orden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… (%1 i alt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artsnøkler som ikke finnes i artslista: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 observasjoner, %2 observatørkoblinger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 observatørkoblinger peker på en observasjon som ikke finnes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 observasjoner er uten art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 observasjoner er uten startdato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databaseoppsett %1: listene over brukte arter og lokaliteter lages når databasen oppgraderes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lista over registrerte arter avviker fra observasjonene (%1 arter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lista over brukte lokaliteter avviker fra observasjonene (%1 lokaliteter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artene per år avviker fra observasjonene (%1 arter og år)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreKey</name>
    <message>
        <source>Passfrase for dagboka i %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feil passfrase. Prøv igjen (forsøk %1 av %2):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feil passfrase: dagboka i %1 blir ikke åpnet. Ingenting er endret. Uten den riktige passfrasen kan ingen lese dagboka.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke legge tilbake %1 fra kopien %2. Flytt kopien på plass for hånd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan ikke lese passfrasefila %1 (LIRVENDA_PASSPHRASE_FILE).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passfrasen i fila %1 (LIRVENDA_PASSPHRASE_FILE) åpner ikke %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFiles</name>
    <message>
        <source>Kan ikke skrive fila %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkbookFile</name>
    <message>
        <source>fila er avkuttet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fila er skadet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fila kan ikke leses (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fila er ikke et excel-ark</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
