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
    <name>CliClient</name>
    <message>
        <source>could not add to &quot;%1&quot;</source>
        <translation>konnte nicht an &quot;%1&quot; anfügen</translation>
    </message>
    <message>
        <source>another Veltaro is using &quot;%1&quot;; try again once it has ended</source>
        <translation>ein anderes Veltaro verwendet &quot;%1&quot;; versuchen Sie es erneut, sobald es beendet ist</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be locked (&quot;%2&quot;)</source>
        <translation>&quot;%1&quot; kann nicht gesperrt werden (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file; name a settings file with --config</source>
        <translation>&quot;%1&quot; ist keine reguläre Datei; geben Sie mit --config eine Einstellungsdatei an</translation>
    </message>
    <message>
        <source>no user name or password in &quot;%1&quot;; set them with &quot;veltaro-cli account&quot;</source>
        <translation>kein Benutzername oder Passwort in &quot;%1&quot;; legen Sie sie mit &quot;veltaro-cli account&quot; fest</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>Try &quot;veltaro-cli --help&quot;.</source>
        <translation>Hilfe gibt &quot;veltaro-cli --help&quot;.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>one group name</source>
        <translation>genau einen Gruppennamen</translation>
    </message>
    <message>
        <source>a number of minutes</source>
        <translation>eine Anzahl Minuten</translation>
    </message>
    <message>
        <source>&quot;on&quot; or &quot;off&quot;</source>
        <translation>&quot;on&quot; oder &quot;off&quot;</translation>
    </message>
    <message>
        <source>&quot;auto&quot; or an IPv4 address such as 203.0.113.7</source>
        <translation>&quot;auto&quot; oder eine IPv4-Adresse wie 203.0.113.7</translation>
    </message>
    <message>
        <source>a group name holds no &quot;:&quot; and is not empty</source>
        <translation>ein Gruppenname enthält kein &quot;:&quot; und ist nicht leer</translation>
    </message>
    <message>
        <source>interval needs a whole number of minutes above 0, not &quot;%1&quot;</source>
        <translation>interval braucht eine ganze Zahl von Minuten über 0, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>auto-update needs &quot;on&quot; or &quot;off&quot;, not &quot;%1&quot;</source>
        <translation>auto-update braucht &quot;on&quot; oder &quot;off&quot;, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>address needs &quot;auto&quot; or an IPv4 address such as 203.0.113.7, not &quot;%1&quot;</source>
        <translation>address braucht &quot;auto&quot; oder eine IPv4-Adresse wie 203.0.113.7, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--config needs a file name</source>
        <translation>--config braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--last needs a number of lines above 0</source>
        <translation>--last braucht eine Zeilenzahl über 0</translation>
    </message>
    <message>
        <source>--timeout-seconds needs a number from 1 to 3600</source>
        <translation>--timeout-seconds braucht eine Zahl von 1 bis 3600</translation>
    </message>
    <message>
        <source>--minute-ms needs a number from 1 to 60000</source>
        <translation>--minute-ms braucht eine Zahl von 1 bis 60000</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 nimmt keine Argumente</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Usage: veltaro-cli [--config FILE] [--server HOST:PORT] COMMAND

Keeps the checked groups of a dynamic-DNS account pointed at this machine&apos;s address.

Commands:
  update              check the address, fetch the host list and update every checked group
  run                 stay in the foreground and update every interval, like the desktop program
  status              show the account, the address, the interval and the groups
  check GROUP         update GROUP from now on
  uncheck GROUP       stop updating GROUP
  account             set the user name and password (asked on the terminal, or two lines on
                      standard input)
  interval MINUTES    update every MINUTES minutes (15 at the least)
  auto-update on|off  switch the automatic updates of run and the desktop program on or off
  address auto        learn the address from the server
  address A.B.C.D     send this fixed IPv4 address instead
  history             print the update history, oldest first (--last N: the newest N lines)

Options:
  --config FILE        the settings file (default: the desktop program&apos;s)
  --server HOST:PORT   the command server (default: the built-in one)
  -h, --help           show this text
  --version            show the program&apos;s version

Exit status:
  0  done
  1  an update failed, or the server refused the account
  2  usage or settings error
  3  the server could not be reached, or did not answer in time
</source>
        <translation>Aufruf: veltaro-cli [--config DATEI] [--server HOST:PORT] BEFEHL

Hält die markierten Gruppen eines Dynamic-DNS-Kontos auf die Adresse dieses Rechners gerichtet.

Befehle:
  update              Adresse prüfen, Hostliste abrufen und jede markierte Gruppe aktualisieren
  run                 im Vordergrund bleiben und in jedem Intervall aktualisieren, wie das
                      Desktop-Programm
  status              Konto, Adresse, Intervall und Gruppen anzeigen
  check GRUPPE        GRUPPE ab jetzt aktualisieren
  uncheck GRUPPE      GRUPPE nicht mehr aktualisieren
  account             Benutzername und Passwort festlegen (am Terminal abgefragt, oder zwei Zeilen
                      auf der Standardeingabe)
  interval MINUTEN    alle MINUTEN Minuten aktualisieren (mindestens 15)
  auto-update on|off  automatische Aktualisierung von run und dem Desktop-Programm ein- oder
                      ausschalten
  address auto        die Adresse vom Server erfragen
  address A.B.C.D     stattdessen diese feste IPv4-Adresse senden
  history             den Aktualisierungsverlauf ausgeben, älteste Zeile zuerst (--last N: die neuesten
                      N Zeilen)

Optionen:
  --config DATEI       die Einstellungsdatei (Vorgabe: die des Desktop-Programms)
  --server HOST:PORT   der Befehlsserver (Vorgabe: der eingebaute)
  -h, --help           diesen Text anzeigen
  --version            die Version des Programms anzeigen

Rückgabewert:
  0  erledigt
  1  eine Aktualisierung ist fehlgeschlagen, oder der Server hat das Konto abgelehnt
  2  Fehler im Aufruf oder in den Einstellungen
  3  der Server war nicht erreichbar oder hat nicht rechtzeitig geantwortet
</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>no IP address to send</source>
        <translation>keine IP-Adresse zum Senden</translation>
    </message>
    <message>
        <source>%1: not in this account</source>
        <translation>%1: nicht in diesem Konto</translation>
    </message>
    <message>
        <source>No group is checked: nothing to update</source>
        <translation>Keine Gruppe ist markiert: nichts zu aktualisieren</translation>
    </message>
    <message>
        <source>%1 holds characters that the settings file cannot keep: %2</source>
        <translation>%1 enthält Zeichen, die die Einstellungsdatei nicht aufnehmen kann: %2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which the server and the settings file read as &quot;%3&quot;</source>
        <translation>%1 enthält &quot;%2&quot;, was der Server und die Einstellungsdatei als &quot;%3&quot; lesen</translation>
    </message>
    <message>
        <source>the fixed address &quot;%1&quot; is no IPv4 address; set one with &quot;veltaro-cli address A.B.C.D&quot;, or &quot;veltaro-cli address auto&quot; to learn it from the server</source>
        <translation>die feste Adresse &quot;%1&quot; ist keine IPv4-Adresse; legen Sie eine mit &quot;veltaro-cli address A.B.C.D&quot; fest, oder erfragen Sie sie mit &quot;veltaro-cli address auto&quot; vom Server</translation>
    </message>
    <message>
        <source>Account: </source>
        <translation>Konto: </translation>
    </message>
    <message>
        <source>(not known yet)</source>
        <translation>(noch nicht bekannt)</translation>
    </message>
    <message>
        <source>IP address: %1%2</source>
        <translation>IP-Adresse: %1%2</translation>
    </message>
    <message>
        <source> (fixed)</source>
        <translation> (fest)</translation>
    </message>
    <message>
        <source>Update interval: %1 minutes</source>
        <translation>Aktualisierungsintervall: %1 Minuten</translation>
    </message>
    <message>
        <source>Update interval: none set (run updates every %1 minutes)</source>
        <translation>Aktualisierungsintervall: keines festgelegt (run aktualisiert alle %1 Minuten)</translation>
    </message>
    <message>
        <source>Automatic updates: </source>
        <translation>Automatische Aktualisierung: </translation>
    </message>
    <message>
        <source>Groups:</source>
        <translation>Gruppen:</translation>
    </message>
    <message>
        <source> (not in the account)</source>
        <translation> (nicht im Konto)</translation>
    </message>
    <message>
        <source>the group name</source>
        <translation>der Gruppenname</translation>
    </message>
    <message>
        <source>%1 was checked already</source>
        <translation>%1 war bereits markiert</translation>
    </message>
    <message>
        <source>%1 was not checked already</source>
        <translation>%1 war ohnehin nicht markiert</translation>
    </message>
    <message>
        <source>%1 is checked</source>
        <translation>%1 ist jetzt markiert</translation>
    </message>
    <message>
        <source>%1 is no longer checked</source>
        <translation>%1 ist nicht mehr markiert</translation>
    </message>
    <message>
        <source>the user name</source>
        <translation>der Benutzername</translation>
    </message>
    <message>
        <source>the password</source>
        <translation>das Passwort</translation>
    </message>
    <message>
        <source>The account of %1 is saved</source>
        <translation>Das Konto von %1 ist gespeichert</translation>
    </message>
    <message>
        <source>%1 minutes is the shortest interval</source>
        <translation>%1 Minuten sind das kürzeste Intervall</translation>
    </message>
    <message>
        <source>Updates every %1 minutes</source>
        <translation>Aktualisierung alle %1 Minuten</translation>
    </message>
    <message>
        <source>Automatic updates are </source>
        <translation>Automatische Aktualisierung: </translation>
    </message>
    <message>
        <source>The fixed address %1 is sent; no IP check</source>
        <translation>Die feste Adresse %1 wird gesendet; keine IP-Prüfung</translation>
    </message>
    <message>
        <source>The address is learned from the server</source>
        <translation>Die Adresse wird vom Server erfragt</translation>
    </message>
    <message>
        <source>the settings hold no update interval (%1); updating every %2 minutes</source>
        <translation>die Einstellungen enthalten kein Aktualisierungsintervall (%1); Aktualisierung alle %2 Minuten</translation>
    </message>
    <message>
        <source>updates every %1 minutes</source>
        <translation>Aktualisierung alle %1 Minuten</translation>
    </message>
    <message>
        <source>automatic updates are off</source>
        <translation>automatische Aktualisierung ist aus</translation>
    </message>
    <message>
        <source>Started for %1; %2</source>
        <translation>Gestartet für %1; %2</translation>
    </message>
    <message>
        <source>Stopped: the server refused the account; set it again with &quot;veltaro-cli account&quot;</source>
        <translation>Beendet: Der Server hat das Konto abgelehnt; legen Sie es mit &quot;veltaro-cli account&quot; neu fest</translation>
    </message>
    <message>
        <source>Stopped; settings saved</source>
        <translation>Beendet; Einstellungen gespeichert</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Beendet</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>the user name</source>
        <translation>der Benutzername</translation>
    </message>
    <message>
        <source>the IP address</source>
        <translation>die IP-Adresse</translation>
    </message>
    <message>
        <source>the password</source>
        <translation>das Passwort</translation>
    </message>
    <message>
        <source>the list of checked groups</source>
        <translation>die Liste der markierten Gruppen</translation>
    </message>
    <message>
        <source> Lines of &quot;%1&quot; longer than %2 characters were cut.</source>
        <translation> Zeilen von &quot;%1&quot;, die länger als %2 Zeichen waren, wurden gekürzt.</translation>
    </message>
    <message>
        <source>The settings are not saved: &quot;%1&quot; is read-only.</source>
        <translation>Die Einstellungen werden nicht gespeichert: &quot;%1&quot; ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 holds a line break</source>
        <translation>%1 enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>the existing file cannot be read, so it was not replaced</source>
        <translation>die vorhandene Datei kann nicht gelesen werden und wurde daher nicht ersetzt</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2. The previous settings file is unchanged.</source>
        <translation>Die Einstellungen konnten nicht in &quot;%1&quot; gespeichert werden: %2. Die bisherige Einstellungsdatei ist unverändert.</translation>
    </message>
    <message>
        <source> &quot;%1&quot; cannot be read, so its settings are not used; it is kept as it is.</source>
        <translation> &quot;%1&quot; kann nicht gelesen werden; die Einstellungen darin werden nicht verwendet, und die Datei bleibt, wie sie ist.</translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <source>IP address: </source>
        <translation>IP-Adresse: </translation>
    </message>
    <message>
        <source>List refreshed</source>
        <translation>Liste aktualisiert</translation>
    </message>
    <message>
        <source>The user name or password was not accepted</source>
        <translation>Benutzername oder Passwort wurden nicht akzeptiert</translation>
    </message>
    <message>
        <source>No update(s) available at this time.</source>
        <translation>Derzeit sind keine Updates verfügbar.</translation>
    </message>
    <message>
        <source>There is a newer version available: </source>
        <translation>Eine neuere Version ist verfügbar: </translation>
    </message>
    <message>
        <source>News: </source>
        <translation>Neuigkeiten: </translation>
    </message>
    <message>
        <source>News (%1): %2</source>
        <translation>Neuigkeiten (%1): %2</translation>
    </message>
    <message>
        <source>%1: updated to %2</source>
        <translation>%1: auf %2 aktualisiert</translation>
    </message>
    <message>
        <source>%1: update failed: %2</source>
        <translation>%1: Aktualisierung fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Using the fixed IP address %1; no IP check</source>
        <translation>Feste IP-Adresse %1 wird verwendet; keine IP-Prüfung</translation>
    </message>
</context>
<context>
    <name>DesktopWindows</name>
    <message>
        <source>You have selected to use a staticly defined 
IP address.  To update this please go to 

&apos;Settings&apos; &gt;&gt; &apos;Preferences&apos;

on your main control toolbar.</source>
        <translation>Sie haben eine fest eingestellte IP-Adresse 
gewählt.  Um sie zu ändern, öffnen Sie 

&apos;Einstellungen&apos; &gt;&gt; &apos;Programmeinstellungen&apos;

in der Menüleiste des Hauptfensters.</translation>
    </message>
    <message>
        <source>Static Address</source>
        <translation>Feste Adresse</translation>
    </message>
    <message>
        <source>No update(s) available at this time.</source>
        <translation>Derzeit sind keine Updates verfügbar.</translation>
    </message>
    <message>
        <source>Check for update...</source>
        <translation>Nach Programmaktualisierung suchen...</translation>
    </message>
    <message>
        <source>There is a newer version available.  Would you like to upgrade?</source>
        <translation>Eine neuere Version ist verfügbar.  Möchten Sie sie installieren?</translation>
    </message>
    <message>
        <source>Version Upgrade:</source>
        <translation>Neue Version:</translation>
    </message>
</context>
<context>
    <name>FailureReasons</name>
    <message>
        <source>the server did not answer</source>
        <translation>der Server hat nicht geantwortet</translation>
    </message>
    <message>
        <source>Connection failed: the server closed the connection without replying.</source>
        <translation>Verbindung fehlgeschlagen: Der Server hat die Verbindung ohne Antwort geschlossen.</translation>
    </message>
    <message>
        <source>Connection failed: %1</source>
        <translation>Verbindung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the connection failed before a reply</source>
        <translation>die Verbindung brach vor einer Antwort ab</translation>
    </message>
    <message>
        <source>IP check: the server sent an unexpected reply</source>
        <translation>IP-Prüfung: Der Server hat eine unerwartete Antwort gesendet</translation>
    </message>
    <message>
        <source>the user name or password was not accepted</source>
        <translation>Benutzername oder Passwort wurden nicht akzeptiert</translation>
    </message>
    <message>
        <source>the group is not in this account</source>
        <translation>die Gruppe gehört nicht zu diesem Konto</translation>
    </message>
    <message>
        <source>the server answered &quot;%1&quot;</source>
        <translation>der Server antwortete &quot;%1&quot;</translation>
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
        <translation> Benutzername oder Passwort wurden nicht akzeptiert</translation>
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
        <source>Current IP</source>
        <translation>Aktuelle IP</translation>
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
        <translation>Online-Support</translation>
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
        <translation>Der Benutzername darf kein &quot;:&quot; enthalten. Die Einstellungen sind noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>The user name cannot hold %1: the settings file keeps Latin letters, digits and signs only. The settings are not saved yet.</source>
        <translation>Der Benutzername darf %1 nicht enthalten: Die Einstellungsdatei nimmt nur lateinische Buchstaben, Ziffern und Zeichen auf. Die Einstellungen sind noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>The password cannot hold &quot;:&quot;. The settings are not saved yet.</source>
        <translation>Das Passwort darf kein &quot;:&quot; enthalten. Die Einstellungen sind noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>The password cannot hold %1: the settings file keeps Latin letters, digits and signs only. The settings are not saved yet.</source>
        <translation>Das Passwort darf %1 nicht enthalten: Die Einstellungsdatei nimmt nur lateinische Buchstaben, Ziffern und Zeichen auf. Die Einstellungen sind noch nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>RegistryLoginStart</name>
    <message>
        <source>the registry refused the change (error %1)</source>
        <translation>die Registry hat die Änderung abgelehnt (Fehler %1)</translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>--server needs HOST:PORT, not &quot;%1&quot;</source>
        <translation>--server braucht HOST:PORT, nicht &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ServerExchange</name>
    <message>
        <source>Timeout expired...connection failed.</source>
        <translation>Zeit abgelaufen...Verbindung fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>SocketErrors</name>
    <message>
        <source>Connection refused</source>
        <translation>Verbindung verweigert</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Rechner nicht gefunden</translation>
    </message>
    <message>
        <source>Socket operation timed out</source>
        <translation>Zeitüberschreitung beim Netzwerkzugriff</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The settings in &quot;%1&quot; cannot be locked (&quot;%2&quot;), so Veltaro does not start.</source>
        <translation>Die Einstellungen in &quot;%1&quot; können nicht gesperrt werden (&quot;%2&quot;), daher startet Veltaro nicht.</translation>
    </message>
    <message>
        <source>veltaro-cli is running with the settings in &quot;%1&quot;. Stop it first, for the service with &quot;systemctl --user stop veltaro-cli&quot;.</source>
        <translation>veltaro-cli läuft mit den Einstellungen in &quot;%1&quot;. Beenden Sie es zuerst, den Dienst mit &quot;systemctl --user stop veltaro-cli&quot;.</translation>
    </message>
    <message>
        <source>Another Veltaro is running with the settings in &quot;%1&quot; and did not answer.</source>
        <translation>Ein anderes Veltaro läuft mit den Einstellungen in &quot;%1&quot; und hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>A later start cannot bring this window to the front: %1.</source>
        <translation>Ein späterer Start kann dieses Fenster nicht nach vorn holen: %1.</translation>
    </message>
    <message>
        <source>this user has no private runtime folder</source>
        <translation>dieser Benutzer hat keinen privaten Laufzeitordner</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be listened on</source>
        <translation>auf &quot;%1&quot; kann nicht gelauscht werden</translation>
    </message>
    <message>
        <source>Usage: veltaro [--server HOST:PORT] | --version | --help

Keeps the checked groups of a dynamic-DNS account pointed at this machine&apos;s address, from a
window and a tray icon. The settings are in DNS.conf; veltaro-cli changes them without a desktop.
--server names another command server than the built-in one.</source>
        <translation>Aufruf: veltaro [--server HOST:PORT] | --version | --help

Hält die markierten Gruppen eines Dynamic-DNS-Kontos auf die Adresse dieses Rechners gerichtet,
mit einem Fenster und einem Symbol im Infobereich. Die Einstellungen stehen in DNS.conf;
veltaro-cli ändert sie ohne Desktop.
--server nennt einen anderen Befehlsserver als den eingebauten.</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>User name: </source>
        <translation>Benutzername: </translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Passwort: </translation>
    </message>
    <message>
        <source>the user name and the password must not be empty nor hold &quot;:&quot;</source>
        <translation>Benutzername und Passwort dürfen weder leer sein noch &quot;:&quot; enthalten</translation>
    </message>
</context>
<context>
    <name>TerminationSignals</name>
    <message>
        <source>second signal, ending at once</source>
        <translation>zweites Signal, sofortiges Ende</translation>
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
<context>
    <name>UpdateClient</name>
    <message>
        <source>Checking for new IP...</source>
        <translation>Suche nach neuer IP...</translation>
    </message>
    <message>
        <source>Refreshing hosts...</source>
        <translation>Hosts werden abgerufen...</translation>
    </message>
    <message>
        <source>Checking version info...</source>
        <translation>Versionsinformationen werden geprüft...</translation>
    </message>
    <message>
        <source>Checking news...</source>
        <translation>Neuigkeiten werden abgerufen...</translation>
    </message>
    <message>
        <source>Updating selected groups...</source>
        <translation>Ausgewählte Gruppen werden aktualisiert...</translation>
    </message>
    <message>
        <source> Using the fixed address %1</source>
        <translation> Feste Adresse %1 wird verwendet</translation>
    </message>
    <message>
        <source>IP check failed: the server sent an unexpected reply.</source>
        <translation>IP-Prüfung fehlgeschlagen: Der Server hat eine unerwartete Antwort gesendet.</translation>
    </message>
    <message>
        <source> IP is current.</source>
        <translation> IP ist aktuell.</translation>
    </message>
    <message>
        <source> New IP found: %1</source>
        <translation> Neue IP gefunden: %1</translation>
    </message>
    <message>
        <source> Version check failed: unexpected reply from the server.</source>
        <translation> Versionsprüfung fehlgeschlagen: unerwartete Antwort vom Server.</translation>
    </message>
    <message>
        <source>No version update available.</source>
        <translation>Keine neue Version verfügbar.</translation>
    </message>
    <message>
        <source>New version available.</source>
        <translation>Neue Version verfügbar.</translation>
    </message>
    <message>
        <source> No news at this time.</source>
        <translation> Derzeit keine Neuigkeiten.</translation>
    </message>
</context>
<context>
    <name>UpdateHistory</name>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>erfolgreich</translation>
    </message>
    <message>
        <source>new address</source>
        <translation>neue Adresse</translation>
    </message>
</context>
<context>
    <name>UpdateScheduler</name>
    <message>
        <source>Auto Updates Disabled</source>
        <translation>Automatische Aktualisierung ausgeschaltet</translation>
    </message>
    <message>
        <source> The host list has not arrived: asking for it before updating</source>
        <translation> Die Hostliste ist noch nicht da: sie wird vor der Aktualisierung angefordert</translation>
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
        <translation>Die Webseite ist weg: Der Browser, der sie zeigte, wurde beendet.</translation>
    </message>
</context>
</TS>
