<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Application Title</source>
        <translation>Programmtitel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>App Description</source>
        <translation>Programmbeschreibung</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Warnung: ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>About Quorvin Tech&apos;s Lumeris Client</source>
        <translation>Über den Lumeris Client von Quorvin Tech</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>  This software allows dynamic ip users to have a domain name pointed to their computer.</source>
        <translation>  Mit diesem Programm können Nutzer mit dynamischer IP-Adresse einen Domainnamen auf ihren Computer zeigen lassen.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties.</source>
        <translation>Warnung: Dieses Programm ist durch Urheberrecht und internationale Verträge geschützt.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Program started</source>
        <translation>Programm gestartet</translation>
    </message>
    <message>
        <source>Program ended</source>
        <translation>Programm beendet</translation>
    </message>
    <message>
        <source>New address</source>
        <translation>Neue Adresse</translation>
    </message>
    <message>
        <source>Update History</source>
        <translation>Aktualisierungsverlauf</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Update events</source>
        <translation>Aktualisierungsereignisse</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Account Info</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Create a new Account</source>
        <translation>Neues Konto anlegen</translation>
    </message>
    <message>
        <source>Update Timer</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Update every (minutes)</source>
        <translation>Aktualisierungsintervall in Minuten</translation>
    </message>
    <message>
        <source>Update every:</source>
        <translation>Aktualisieren alle:</translation>
    </message>
    <message>
        <source>minute(s)</source>
        <translation>Minute(n)</translation>
    </message>
    <message>
        <source>IP Addressing</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Use Static IP:</source>
        <translation>Feste IP verwenden:</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Feste IP-Adresse</translation>
    </message>
    <message>
        <source>Program Settings</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>Enable Automatic Updates</source>
        <translation>Automatische Aktualisierung einschalten</translation>
    </message>
    <message>
        <source>Minimize on Startup</source>
        <translation>Beim Start minimieren</translation>
    </message>
    <message>
        <source>Save and &amp;Close</source>
        <translation>Speichern und &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Signup Now!</source>
        <translation>Jetzt &amp;registrieren!</translation>
    </message>
    <message>
        <source>Do you want to save these settings?</source>
        <translation>Möchten Sie diese Einstellungen speichern?</translation>
    </message>
    <message>
        <source>Save Settings:</source>
        <translation>Einstellungen speichern:</translation>
    </message>
    <message>
        <source>The user name cannot hold &quot;:&quot;. The settings are not saved yet.</source>
        <translation>Der Benutzername darf kein „:“ enthalten. Die Einstellungen sind noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>The user name cannot hold %1: the settings file keeps Latin letters, digits and signs only. The settings are not saved yet.</source>
        <translation>Der Benutzername darf %1 nicht enthalten: Die Einstellungsdatei nimmt nur lateinische Buchstaben, Ziffern und Zeichen auf. Die Einstellungen sind noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>The password cannot hold &quot;:&quot;. The settings are not saved yet.</source>
        <translation>Das Passwort darf kein „:“ enthalten. Die Einstellungen sind noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>The password cannot hold %1: the settings file keeps Latin letters, digits and signs only. The settings are not saved yet.</source>
        <translation>Das Passwort darf %1 nicht enthalten: Die Einstellungsdatei nimmt nur lateinische Buchstaben, Ziffern und Zeichen auf. Die Einstellungen sind noch nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>WebWindow</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Download complete. The file was saved as %1</source>
        <translation>Download abgeschlossen. Die Datei wurde gespeichert als %1</translation>
    </message>
    <message>
        <source>The download of %1 failed.</source>
        <translation>Der Download von %1 ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The web page cannot be shown: veltaro-web, which shows it, is neither beside Veltaro nor installed.</source>
        <translation>Die Webseite kann nicht angezeigt werden: veltaro-web, das sie anzeigt, liegt weder neben Veltaro noch ist es installiert.</translation>
    </message>
    <message>
        <source>The web page is gone: its browser has stopped.</source>
        <translation>Die Webseite ist weg: Ihr Browser wurde beendet.</translation>
    </message>
</context>
</TS>
