<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <source> Start at Login could not be changed: %1</source>
        <translation> Start bei Anmeldung konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source> List refreshed</source>
        <translation> Liste aktualisiert</translation>
    </message>
    <message>
        <source> The user name or password was not accepted</source>
        <translation> Benutzername oder Passwort wurde nicht akzeptiert</translation>
    </message>
    <message>
        <source>&lt;&lt; Hide Hosts</source>
        <translation>&lt;&lt; Hosts ausblenden</translation>
    </message>
    <message>
        <source>View Hosts in Group &gt;&gt;</source>
        <translation>Hosts der Gruppe anzeigen &gt;&gt;</translation>
    </message>
    <message>
        <source> The notification setting could not be saved: %1</source>
        <translation> Die Benachrichtigungseinstellung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source> Update successful</source>
        <translation> Aktualisierung erfolgreich</translation>
    </message>
    <message>
        <source> Update failed</source>
        <translation> Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>USER NAME HERE</source>
        <translation>BENUTZERNAME</translation>
    </message>
    <message>
        <source>Current IP</source>
        <translation>Aktuelle IP</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Letzte Aktualisierung</translation>
    </message>
    <message>
        <source>Refresh List</source>
        <translation>Liste aktualisieren</translation>
    </message>
    <message>
        <source>Manage Hosts</source>
        <translation>Hosts verwalten</translation>
    </message>
    <message>
        <source>Update Groups</source>
        <translation>Gruppen aktualisieren</translation>
    </message>
    <message>
        <source> Status: Running</source>
        <translation> Status: Läuft</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Hosts in Group:</source>
        <translation>Hosts in Gruppe:</translation>
    </message>
    <message>
        <source>GROUP NAME HERE</source>
        <translation>GRUPPENNAME</translation>
    </message>
    <message>
        <source>Hosts in Group</source>
        <translation>Hosts in Gruppe</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Check for new IP</source>
        <translation>Auf neue IP prüfen</translation>
    </message>
    <message>
        <source>Update Groups/Hosts</source>
        <translation>Gruppen/Hosts aktualisieren</translation>
    </message>
    <message>
        <source>Modify Hosts/Groups</source>
        <translation>Hosts/Gruppen bearbeiten</translation>
    </message>
    <message>
        <source>Update History...</source>
        <translation>Aktualisierungsverlauf...</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Program Settings</source>
        <translation>&amp;Programmeinstellungen</translation>
    </message>
    <message>
        <source>Enable Auto Updates</source>
        <translation>Automatische Aktualisierung ein</translation>
    </message>
    <message>
        <source>Disable Auto Updates</source>
        <translation>Automatische Aktualisierung aus</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Bei Anmeldung starten</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>Check for product update...</source>
        <translation>Nach Programmaktualisierung suchen...</translation>
    </message>
    <message>
        <source>About Lumeris...</source>
        <translation>Über Lumeris...</translation>
    </message>
    <message>
        <source>&amp;Show Veltaro</source>
        <translation>Veltaro &amp;anzeigen</translation>
    </message>
    <message>
        <source>Check &amp;News</source>
        <translation>&amp;Neuigkeiten abrufen</translation>
    </message>
    <message>
        <source>Manage &amp;Hosts</source>
        <translation>&amp;Hosts verwalten</translation>
    </message>
    <message>
        <source>Update &amp;Groups/Hosts</source>
        <translation>&amp;Gruppen/Hosts aktualisieren</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A value as a screen reader says it: what it is, then the value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>TrayNotices</name>
    <message>
        <source>Your address changed to %1.</source>
        <translation>Ihre Adresse ist jetzt %1.</translation>
    </message>
    <message>
        <source>Your address changed to %1; updating 1 group.</source>
        <translation>Ihre Adresse ist jetzt %1; 1 Gruppe wird aktualisiert.</translation>
    </message>
    <message>
        <source>Your address changed to %1; updating %2 groups.</source>
        <translation>Ihre Adresse ist jetzt %1; %2 Gruppen werden aktualisiert.</translation>
    </message>
    <message>
        <source>The service could not be reached: %1</source>
        <translation>Der Dienst war nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>Update of %1 failed: %2</source>
        <translation>Aktualisierung von %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Updates succeed again.</source>
        <translation>Aktualisierungen gelingen wieder.</translation>
    </message>
</context>
</TS>
