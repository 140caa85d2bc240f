<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Lager excel-ark med %1 observasjoner …</source>
        <translation>Making a spreadsheet of %1 observations …</translation>
    </message>
    <message>
        <source>Importen sletter alle %1 observasjoner med koblingene til observatørene og legger inn %2 poster fra tabellen Atlas. Databasen kopieres først til en sikkerhetskopi i programmappa. Vil du fortsette?</source>
        <translation>The import deletes all %1 observations with their links to the observers and adds %2 records from the table Atlas. The database is first copied to a backup in the program folder. Do you want to continue?</translation>
    </message>
    <message>
        <source>Ferdig!

%1 poster er importert.</source>
        <translation>Done!

%1 records are imported.</translation>
    </message>
    <message>
        <source>
%1 av dem fikk ikke lokalitet eller art.</source>
        <translation>
%1 of them got no locality or species.</translation>
    </message>
    <message>
        <source>
Sikkerhetskopi: %1</source>
        <translation>
Backup: %1</translation>
    </message>
</context>
<context>
    <name>PickList</name>
    <message>
        <source>&amp;Avbryt</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>PrintListPages</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Printout from Tjernvakt (%1 kl. %2)</source>
        <translation>Printout from Tjernvakt (%1 at %2)</translation>
    </message>
    <message>
        <source>A communication problem with the printer has occurred.</source>
        <translation>A communication problem with the printer has occurred.</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nei</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>lirvenda::CommandPanel</name>
    <message>
        <source>&amp;Observatører</source>
        <translation>&amp;Observers</translation>
    </message>
    <message>
        <source>&amp;Arkiv</source>
        <translation>&amp;Archive</translation>
    </message>
    <message>
        <source>&amp;Statistikk</source>
        <translation>&amp;Statistics</translation>
    </message>
    <message>
        <source>&amp;Kontakt GPS</source>
        <translation>&amp;Connect GPS</translation>
    </message>
    <message>
        <source>Lag Excelark for rapportering</source>
        <translation>Make spreadsheet for reporting</translation>
    </message>
    <message>
        <source>&amp;Om Lirvenda</source>
        <translation>A&amp;bout Lirvenda</translation>
    </message>
    <message>
        <source>&amp;Avslutt</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Grupperegistrering</source>
        <translation>&amp;Group registration</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>&amp;Lister</source>
        <translation>&amp;Lists</translation>
    </message>
    <message>
        <source>Importer fra eBird</source>
        <translation>Import from eBird</translation>
    </message>
    <message>
        <source>&amp;Lokaliteter</source>
        <translation>Locali&amp;ties</translation>
    </message>
    <message>
        <source>Active GPS</source>
        <translation>Active GPS</translation>
    </message>
</context>
<context>
    <name>lirvenda::DetailsPanel</name>
    <message>
        <source>Individ</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>Reir</source>
        <translation>Nest</translation>
    </message>
    <message>
        <source>&amp;Flokk</source>
        <translation>&amp;Flock</translation>
    </message>
    <message>
        <source>Reirplassering</source>
        <translation>Nest site</translation>
    </message>
    <message>
        <source>Tresort</source>
        <translation>Tree species</translation>
    </message>
    <message>
        <source>Ungealder</source>
        <translation>Age of young</translation>
    </message>
    <message>
        <source>Høyde over marka (m)</source>
        <translation>Height above ground (m)</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Eggs</translation>
    </message>
    <message>
        <source>Unger</source>
        <translation>Young</translation>
    </message>
    <message>
        <source>Voksne</source>
        <translation>Adults</translation>
    </message>
    <message>
        <source>Eksponering</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source>Alder</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>N</source>
        <comment>clears the activity</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>Nullstill aktivitet</source>
        <translation>Clear the activity</translation>
    </message>
    <message>
        <source>Foto</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Lyd</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Kommentarer</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Oppgi metall- og fargering</source>
        <translation>Enter metal and colour rings</translation>
    </message>
    <message>
        <source>Oppgi nummeret på formen &apos;NOS CA12345&apos; og eller fargering</source>
        <translation>Enter the number in the form &apos;NOS CA12345&apos; and/or the colour rings</translation>
    </message>
    <message>
        <source>Ringmerking</source>
        <translation>Ringing</translation>
    </message>
    <message>
        <source>Kun to retninger kan velges</source>
        <translation>Only two directions can be chosen</translation>
    </message>
</context>
<context>
    <name>lirvenda::DocumentationPanel</name>
    <message>
        <source>Documentation</source>
        <translation>Documentation</translation>
    </message>
    <message>
        <source>Legg &amp;til…</source>
        <translation>&amp;Add…</translation>
    </message>
    <message>
        <source>Kopier bilder, video eller lyd til registreringen</source>
        <translation>Copy pictures, video or sound to the registration</translation>
    </message>
    <message>
        <source>1 fil</source>
        <translation>1 file</translation>
    </message>
    <message>
        <source>%1 filer</source>
        <translation>%1 files</translation>
    </message>
    <message>
        <source>Legg til dokumentasjon</source>
        <translation>Add documentation</translation>
    </message>
</context>
<context>
    <name>lirvenda::ObserversPanel</name>
    <message>
        <source>Observatører</source>
        <translation>Observers</translation>
    </message>
</context>
<context>
    <name>lirvenda::PlacePanel</name>
    <message>
        <source>Kommune/Naturtype</source>
        <translation>Municipality/Nature type</translation>
    </message>
    <message>
        <source>Lokalitet</source>
        <translation>Locality</translation>
    </message>
    <message>
        <source>Fylke/kom.</source>
        <translation>County/mun.</translation>
    </message>
    <message>
        <source>Naturtype</source>
        <translation>Nature type</translation>
    </message>
    <message>
        <source>Kart</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Lat.</source>
        <translation>Lat.</translation>
    </message>
    <message>
        <source>Lon.</source>
        <translation>Lon.</translation>
    </message>
</context>
<context>
    <name>lirvenda::RecentPanel</name>
    <message>
        <source>Siste observasjoner</source>
        <translation>Latest observations</translation>
    </message>
</context>
<context>
    <name>lirvenda::ReferencePanel</name>
    <message>
        <source>Reference</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Ny</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Legg inn ny referanse</source>
        <translation>Add a new reference</translation>
    </message>
    <message>
        <source>N</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Nullstill referanse</source>
        <translation>Clear the reference</translation>
    </message>
</context>
<context>
    <name>lirvenda::RegisteredSpeciesPanel</name>
    <message>
        <source>Registrerte arter</source>
        <translation>Recorded species</translation>
    </message>
    <message>
        <source>Systematisk liste</source>
        <translation>Systematic list</translation>
    </message>
</context>
<context>
    <name>lirvenda::SpeciesPanel</name>
    <message>
        <source>Art</source>
        <translation>Species</translation>
    </message>
    <message>
        <source>&amp;Species</source>
        <translation>&amp;Species</translation>
    </message>
    <message>
        <source>Antall</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Tid</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Kalender</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>End</translation>
    </message>
    <message>
        <source>&amp;Art</source>
        <translation>&amp;Species</translation>
    </message>
    <message>
        <source>Ugyldig dato.</source>
        <translation>Invalid date.</translation>
    </message>
</context>
<context>
    <name>lirvenda::WorkflowButtons</name>
    <message>
        <source>&amp;Delete registration</source>
        <translation>&amp;Delete registration</translation>
    </message>
    <message>
        <source>&amp;Edit registration</source>
        <translation>&amp;Edit registration</translation>
    </message>
    <message>
        <source>&amp;New registration</source>
        <translation>&amp;New registration</translation>
    </message>
    <message>
        <source>A&amp;vbryt</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Stryk registrering</source>
        <translation>&amp;Delete registration</translation>
    </message>
    <message>
        <source>&amp;Lagre registrering</source>
        <translation>Sa&amp;ve registration</translation>
    </message>
    <message>
        <source>&amp;Ny registrering</source>
        <translation>&amp;New registration</translation>
    </message>
    <message>
        <source>&amp;Lagre endring</source>
        <translation>Sa&amp;ve changes</translation>
    </message>
    <message>
        <source>&amp;Endre registrering</source>
        <translation>&amp;Edit registration</translation>
    </message>
</context>
<context>
    <name>lirvenda::YearStepper</name>
    <message>
        <source>Angi år</source>
        <translation>Year</translation>
    </message>
</context>
<context>
    <name>lirvenda::frmAbout</name>
    <message>
        <source>LirvendaProgrammet</source>
        <translation>The Lirvenda Program</translation>
    </message>
    <message>
        <source>Versjon: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Lirvendaprogrammet er laget for enkel registrering av artsobservasjoner. Registreringene kan enkelt eksporteres til et format som kan overføres til den nasjonale artsdatabanken.</source>
        <translation>The Lirvenda program is made for easy recording of species observations. The records are easily exported to a format that can be sent to the national species database.</translation>
    </message>
    <message>
        <source>Lirvenda-prosjektet</source>
        <translation>The Lirvenda project</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>&amp;Passfrase...</source>
        <translation>&amp;Passphrase...</translation>
    </message>
    <message>
        <source>Sikkerhets&amp;kopier...</source>
        <translation>&amp;Backups...</translation>
    </message>
    <message>
        <source>Om Lirvendaprogrammet</source>
        <translation>About the Lirvenda program</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>System Information Is Unavailable At This Time</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Art1</name>
    <message>
        <source>Artsnavn (norsk eller vitenskapelig)</source>
        <translation>Species name (Norwegian or scientific)</translation>
    </message>
    <message>
        <source>Mulige arter</source>
        <translation>Possible species</translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Valg av art</source>
        <translation>Choose species</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Fauna</name>
    <message>
        <source>Lirvenda  %1 - Versjon: %2</source>
        <translation>Lirvenda  %1 - Version: %2</translation>
    </message>
    <message>
        <source>Du må definere minst en observatør før du kan legge inn gruppeobservasjoner.</source>
        <translation>You must add at least one observer before you can enter group observations.</translation>
    </message>
    <message>
        <source>Ingen observasjon er valgt.</source>
        <translation>No observation is chosen.</translation>
    </message>
    <message>
        <source>Vil du stryke denne registreringen?</source>
        <translation>Do you want to delete this registration?</translation>
    </message>
    <message>
        <source>Observasjonen er strøket.</source>
        <translation>The observation is deleted.</translation>
    </message>
    <message>
        <source>Registreringen lagret</source>
        <translation>Registration saved</translation>
    </message>
    <message>
        <source>%1 Antall %2 %3</source>
        <translation>%1 Count %2 %3</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Frontside</name>
    <message>
        <source>LirvendaProgrammet</source>
        <translation>The Lirvenda Program</translation>
    </message>
    <message>
        <source>Lirvenda-prosjektet</source>
        <translation>The Lirvenda project</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Fylke_Kommune</name>
    <message>
        <source>Fylker/kommuner</source>
        <translation>Counties/municipalities</translation>
    </message>
    <message>
        <source>Mulige fylker/kommuner</source>
        <translation>Possible counties/municipalities</translation>
    </message>
    <message>
        <source>Finner ingen kommuner som passer</source>
        <translation>Found no matching municipalities</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Kalender</name>
    <message>
        <source>&amp;Dagens dato</source>
        <translation>&amp;Today</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Kalender</source>
        <translation>Calendar</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Lokalitet</name>
    <message>
        <source>Lagrede lokaliteter</source>
        <translation>Saved localities</translation>
    </message>
    <message>
        <source>Lokaliteter</source>
        <translation>Localities</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Melding</name>
    <message>
        <source>User message</source>
        <translation>User message</translation>
    </message>
    <message>
        <source>This is the first record</source>
        <translation>This is the first record</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Closes in 1 second</source>
        <translation>Closes in 1 second</translation>
    </message>
    <message>
        <source>Closes in %1 seconds</source>
        <translation>Closes in %1 seconds</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_NonBreeding</name>
    <message>
        <source>Non-breeding distribution</source>
        <translation>Non-breeding distribution</translation>
    </message>
    <message>
        <source>Antall</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Kjønn</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Hunner</source>
        <translation>Females</translation>
    </message>
    <message>
        <source>Hanner</source>
        <translation>Males</translation>
    </message>
    <message>
        <source>Ukjent</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Drakt</source>
        <translation>Plumage</translation>
    </message>
    <message>
        <source>Sommer</source>
        <translation>Summer</translation>
    </message>
    <message>
        <source>Vinter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Eklipse</source>
        <translation>Eclipse</translation>
    </message>
    <message>
        <source>Alder</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Voksne</source>
        <translation>Adults</translation>
    </message>
    <message>
        <source>Subadulte</source>
        <translation>Subadults</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1cy</translation>
    </message>
    <message>
        <source>2K</source>
        <translation>2cy</translation>
    </message>
    <message>
        <source>3K</source>
        <translation>3cy</translation>
    </message>
    <message>
        <source>4K+</source>
        <translation>4cy+</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentation</translation>
    </message>
    <message>
        <source>&amp;Ny</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Archive</source>
        <translation>&amp;Archive</translation>
    </message>
    <message>
        <source>&amp;Avslutt</source>
        <translation>&amp;Close</translation>
    </message>
</context>
</TS>
