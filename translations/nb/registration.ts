<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Lager excel-ark med %1 observasjoner …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importen sletter alle %1 observasjoner med koblingene til observatørene og legger inn %2 poster fra tabellen Atlas. Databasen kopieres først til en sikkerhetskopi i programmappa. Vil du fortsette?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferdig!

%1 poster er importert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
%1 av dem fikk ikke lokalitet eller art.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Sikkerhetskopi: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PickList</name>
    <message>
        <source>&amp;Avbryt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintListPages</name>
    <message>
        <source>Page %1</source>
        <translation>Side %1</translation>
    </message>
    <message>
        <source>Printout from Tjernvakt (%1 kl. %2)</source>
        <translation>Utskrift fra Tjernvakt (%1 kl. %2)</translation>
    </message>
    <message>
        <source>A communication problem with the printer has occurred.</source>
        <translation>Det oppstod et problem i kommunikasjonen med skriveren.</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::CommandPanel</name>
    <message>
        <source>&amp;Observatører</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arkiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistikk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kontakt GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lag Excelark for rapportering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Om Lirvenda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Avslutt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grupperegistrering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importer fra eBird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lokaliteter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active GPS</source>
        <translation>Aktiv GPS</translation>
    </message>
</context>
<context>
    <name>lirvenda::DetailsPanel</name>
    <message>
        <source>Individ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flokk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reirplassering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tresort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ungealder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Høyde over marka (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voksne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eksponering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Kjønn</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivitet</translation>
    </message>
    <message>
        <source>N</source>
        <comment>clears the activity</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nullstill aktivitet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lyd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kommentarer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oppgi metall- og fargering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oppgi nummeret på formen &apos;NOS CA12345&apos; og eller fargering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ringmerking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kun to retninger kan velges</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::DocumentationPanel</name>
    <message>
        <source>Documentation</source>
        <translation>Dokumentasjon</translation>
    </message>
    <message>
        <source>Legg &amp;til…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopier bilder, video eller lyd til registreringen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 fil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 filer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legg til dokumentasjon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::ObserversPanel</name>
    <message>
        <source>Observatører</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::PlacePanel</name>
    <message>
        <source>Kommune/Naturtype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokalitet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fylke/kom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naturtype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lon.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::RecentPanel</name>
    <message>
        <source>Siste observasjoner</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::ReferencePanel</name>
    <message>
        <source>Reference</source>
        <translation>Referanse</translation>
    </message>
    <message>
        <source>Ny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legg inn ny referanse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nullstill referanse</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::RegisteredSpeciesPanel</name>
    <message>
        <source>Registrerte arter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Systematisk liste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::SpeciesPanel</name>
    <message>
        <source>Art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Species</source>
        <translation>&amp;Art</translation>
    </message>
    <message>
        <source>Antall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kalender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>&amp;Art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ugyldig dato.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::WorkflowButtons</name>
    <message>
        <source>&amp;Delete registration</source>
        <translation>&amp;Stryk registrering</translation>
    </message>
    <message>
        <source>&amp;Edit registration</source>
        <translation>&amp;Endre registrering</translation>
    </message>
    <message>
        <source>&amp;New registration</source>
        <translation>&amp;Ny registrering</translation>
    </message>
    <message>
        <source>A&amp;vbryt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stryk registrering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lagre registrering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ny registrering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lagre endring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Endre registrering</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::YearStepper</name>
    <message>
        <source>Angi år</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frmAbout</name>
    <message>
        <source>LirvendaProgrammet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versjon: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lirvendaprogrammet er laget for enkel registrering av artsobservasjoner. Registreringene kan enkelt eksporteres til et format som kan overføres til den nasjonale artsdatabanken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lirvenda-prosjektet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformasjon...</translation>
    </message>
    <message>
        <source>&amp;Passfrase...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikkerhets&amp;kopier...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Om Lirvendaprogrammet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformasjon er ikke tilgjengelig nå</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Art1</name>
    <message>
        <source>Artsnavn (norsk eller vitenskapelig)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mulige arter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valg av art</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Fauna</name>
    <message>
        <source>Lirvenda  %1 - Versjon: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Du må definere minst en observatør før du kan legge inn gruppeobservasjoner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingen observasjon er valgt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vil du stryke denne registreringen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observasjonen er strøket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registreringen lagret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Antall %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Frontside</name>
    <message>
        <source>LirvendaProgrammet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lirvenda-prosjektet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Fylke_Kommune</name>
    <message>
        <source>Fylker/kommuner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mulige fylker/kommuner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finner ingen kommuner som passer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Kalender</name>
    <message>
        <source>&amp;Dagens dato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kalender</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Lokalitet</name>
    <message>
        <source>Lagrede lokaliteter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokaliteter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Melding</name>
    <message>
        <source>User message</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>This is the first record</source>
        <translation>Dette er den første posten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Closes in 1 second</source>
        <translation>Lukkes om 1 sekund</translation>
    </message>
    <message>
        <source>Closes in %1 seconds</source>
        <translation>Lukkes om %1 sekunder</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_NonBreeding</name>
    <message>
        <source>Non-breeding distribution</source>
        <translation>Fordeling utenom hekketiden</translation>
    </message>
    <message>
        <source>Antall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maksimum</translation>
    </message>
    <message>
        <source>Kjønn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hunner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hanner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukjent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drakt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sommer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vinter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eklipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voksne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subadulte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4K+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Dokumentasjon</translation>
    </message>
    <message>
        <source>&amp;Ny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Endre</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>&amp;Archive</source>
        <translation>A&amp;rkiv</translation>
    </message>
    <message>
        <source>&amp;Avslutt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
