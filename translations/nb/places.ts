<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>GpsReceiver</name>
    <message>
        <source>An error has occurred. Error number %1 - %2 - line: %3. Are you sure the PC has a com-port?</source>
        <translation>Det har oppstått en feil. Feilnummer %1 - %2 - linje: %3. Er du sikker på at PC-en har en COM-port?</translation>
    </message>
    <message>
        <source> The port is in use by another program; if gpsd holds the receiver, choose the port gpsd.</source>
        <translation> Porten brukes av et annet program; holder gpsd mottakeren, velg porten gpsd.</translation>
    </message>
    <message>
        <source> Only members of the group dialout may use serial ports: run &quot;sudo usermod -a -G dialout $USER&quot;, then log out and in again.</source>
        <translation> Bare medlemmer av gruppa dialout kan bruke serieporter: kjør &quot;sudo usermod -a -G dialout $USER&quot;, og logg så ut og inn igjen.</translation>
    </message>
    <message>
        <source>No serial device number %1 was found</source>
        <translation>Fant ingen serieenhet nummer %1</translation>
    </message>
    <message>
        <source>gpsd on %1 port %2: %3</source>
        <translation>gpsd på %1 port %2: %3</translation>
    </message>
</context>
<context>
    <name>lirvenda::PositionLink</name>
    <message>
        <source>GPS contact established.</source>
        <translation>Kontakt med GPS-en er opprettet.</translation>
    </message>
    <message>
        <source>No GPS signals found in com port </source>
        <translation>Fant ingen GPS-signaler på port </translation>
    </message>
    <message>
        <source>Try to connect once more?</source>
        <translation>Prøve å koble til en gang til?</translation>
    </message>
    <message>
        <source>Veipunkt fra kartet satt inn som posisjon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finner ingen ny posisjon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Bilde</name>
    <message>
        <source>Hele bildet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom inn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom ut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Avslutt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dokumentasjon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 er åpnet i et eget program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingen program på denne maskinen kan åpne %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denne dokumentasjonen er ikke lenger tilgjengelig. Fila er enten flyttet eller fjernet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Default</name>
    <message>
        <source>Observers</source>
        <translation>Observatører</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>Default observers</source>
        <translation>Standardobservatører</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_GPS</name>
    <message>
        <source>Com port</source>
        <translation>COM-port</translation>
    </message>
    <message>
        <source>Com speed</source>
        <translation>Hastighet</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>&amp;Lagre innstillinger</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>GPS communication</source>
        <translation>GPS-kommunikasjon</translation>
    </message>
    <message>
        <source>The port must be 1 to 9, gpsd or the path of a device, such as /dev/ttyACM0.</source>
        <translation>Porten må være 1 til 9, gpsd eller stien til en enhet, for eksempel /dev/ttyACM0.</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Naturtyper</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hovedgruppe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undergruppe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naturtyper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nullstill</translation>
    </message>
    <message>
        <source>Ingen naturtype valgt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_ObserverEdit</name>
    <message>
        <source>Observers</source>
        <translation>Observatører</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>&amp;Ny obs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit observer list</source>
        <translation>Rediger observatørlista</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Observers</name>
    <message>
        <source>Navn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nullstill</translation>
    </message>
    <message>
        <source>Observatører</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ny obs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Endre obs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set Default</source>
        <translation>&amp;Sett som standard</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>Observers</source>
        <translation>Observatører</translation>
    </message>
    <message>
        <source>No observer selected.</source>
        <translation>Ingen observatør er valgt.</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Observers_Modify</name>
    <message>
        <source>Observer data</source>
        <translation>Observatørdata</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>&amp;Field periods</source>
        <translation>&amp;Feltperioder</translation>
    </message>
    <message>
        <source>Observers (append data)</source>
        <translation>Observatører (legg til)</translation>
    </message>
    <message>
        <source>Observers (edit data)</source>
        <translation>Observatører (endre)</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Fornavn</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Etternavn</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Postnummer</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Fødselsår</translation>
    </message>
    <message>
        <source>Initials</source>
        <translation>Initialer</translation>
    </message>
    <message>
        <source>Ringing license</source>
        <translation>Ringmerkerlisens</translation>
    </message>
    <message>
        <source>Observatøren ble ikke lagret: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Referanse_Modify</name>
    <message>
        <source>Referanse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lagre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Referanser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forfatter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>År</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tittel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jornal/rapport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utgiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ny post</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
