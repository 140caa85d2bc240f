<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>GpsReceiver</name>
    <message>
        <source>An error has occurred. Error number %1 - %2 - line: %3. Are you sure the PC has a com-port?</source>
        <translation>An error has occurred. Error number %1 - %2 - line: %3. Are you sure the PC has a com-port?</translation>
    </message>
    <message>
        <source> The port is in use by another program; if gpsd holds the receiver, choose the port gpsd.</source>
        <translation> The port is in use by another program; if gpsd holds the receiver, choose the port gpsd.</translation>
    </message>
    <message>
        <source> Only members of the group dialout may use serial ports: run &quot;sudo usermod -a -G dialout $USER&quot;, then log out and in again.</source>
        <translation> Only members of the group dialout may use serial ports: run &quot;sudo usermod -a -G dialout $USER&quot;, then log out and in again.</translation>
    </message>
    <message>
        <source>No serial device number %1 was found</source>
        <translation>No serial device number %1 was found</translation>
    </message>
    <message>
        <source>gpsd on %1 port %2: %3</source>
        <translation>gpsd on %1 port %2: %3</translation>
    </message>
</context>
<context>
    <name>lirvenda::PositionLink</name>
    <message>
        <source>GPS contact established.</source>
        <translation>GPS contact established.</translation>
    </message>
    <message>
        <source>No GPS signals found in com port </source>
        <translation>No GPS signals found in com port </translation>
    </message>
    <message>
        <source>Try to connect once more?</source>
        <translation>Try to connect once more?</translation>
    </message>
    <message>
        <source>Veipunkt fra kartet satt inn som posisjon</source>
        <translation>Waypoint from the map set as the position</translation>
    </message>
    <message>
        <source>Finner ingen ny posisjon</source>
        <translation>No new position found</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Bilde</name>
    <message>
        <source>Hele bildet</source>
        <translation>Whole picture</translation>
    </message>
    <message>
        <source>Zoom inn</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom ut</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>&amp;Avslutt</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Dokumentasjon</source>
        <translation>Documentation</translation>
    </message>
    <message>
        <source>%1 er åpnet i et eget program.</source>
        <translation>%1 has been opened in a program of its own.</translation>
    </message>
    <message>
        <source>Ingen program på denne maskinen kan åpne %1.</source>
        <translation>No program on this computer can open %1.</translation>
    </message>
    <message>
        <source>Denne dokumentasjonen er ikke lenger tilgjengelig. Fila er enten flyttet eller fjernet.</source>
        <translation>This documentation is no longer available. The file has been moved or removed.</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Default</name>
    <message>
        <source>Observers</source>
        <translation>Observers</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Default observers</source>
        <translation>Default observers</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_GPS</name>
    <message>
        <source>Com port</source>
        <translation>Com port</translation>
    </message>
    <message>
        <source>Com speed</source>
        <translation>Com speed</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>&amp;Save settings</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>GPS communication</source>
        <translation>GPS communication</translation>
    </message>
    <message>
        <source>The port must be 1 to 9, gpsd or the path of a device, such as /dev/ttyACM0.</source>
        <translation>The port must be 1 to 9, gpsd or the path of a device, such as /dev/ttyACM0.</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Naturtyper</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Hovedgruppe</source>
        <translation>Main group</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Undergruppe</source>
        <translation>Subgroup</translation>
    </message>
    <message>
        <source>Naturtyper</source>
        <translation>Habitat types</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Ingen naturtype valgt</source>
        <translation>No habitat type selected</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_ObserverEdit</name>
    <message>
        <source>Observers</source>
        <translation>Observers</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Ny obs.</source>
        <translation>&amp;New observer</translation>
    </message>
    <message>
        <source>Edit observer list</source>
        <translation>Edit observer list</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Observers</name>
    <message>
        <source>Navn</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Observatører</source>
        <translation>Observers</translation>
    </message>
    <message>
        <source>&amp;Ny obs.</source>
        <translation>&amp;New observer</translation>
    </message>
    <message>
        <source>&amp;Endre obs.</source>
        <translation>E&amp;dit observer</translation>
    </message>
    <message>
        <source>&amp;Set Default</source>
        <translation>&amp;Set Default</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>Observers</source>
        <translation>Observers</translation>
    </message>
    <message>
        <source>No observer selected.</source>
        <translation>No observer selected.</translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Observers_Modify</name>
    <message>
        <source>Observer data</source>
        <translation>Observer data</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Field periods</source>
        <translation>&amp;Field periods</translation>
    </message>
    <message>
        <source>Observers (append data)</source>
        <translation>Observers (append data)</translation>
    </message>
    <message>
        <source>Observers (edit data)</source>
        <translation>Observers (edit data)</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Postal Code</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telephone</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Birth Year</translation>
    </message>
    <message>
        <source>Initials</source>
        <translation>Initials</translation>
    </message>
    <message>
        <source>Ringing license</source>
        <translation>Ringing licence</translation>
    </message>
    <message>
        <source>Observatøren ble ikke lagret: </source>
        <translation>The observer was not saved: </translation>
    </message>
</context>
<context>
    <name>lirvenda::frm_Referanse_Modify</name>
    <message>
        <source>Referanse</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>&amp;Lagre</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Referanser</source>
        <translation>References</translation>
    </message>
    <message>
        <source>Forfatter</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>År</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Tittel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Jornal/rapport</source>
        <translation>Journal/report</translation>
    </message>
    <message>
        <source>Sider</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Utgiver</source>
        <translation>Publisher</translation>
    </message>
    <message>
        <source>Ny post</source>
        <translation>New record</translation>
    </message>
</context>
</TS>
