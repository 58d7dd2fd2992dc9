<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandLineText</name>
    <message>
        <source>unknown argument &quot;%1&quot;; the words the program takes are TEST and DEBUG</source>
        <translation>unbekanntes Argument „%1“; das Programm kennt nur die Wörter TEST und DEBUG</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot be run together; run one at a time</source>
        <translation>--%1 und --%2 können nicht zusammen laufen; bitte einzeln aufrufen</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 braucht %2</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation>Die Version des Programms zeigen und beenden.</translation>
    </message>
    <message>
        <source>Open this database (a database file or a postgresql:// address) for this run only; the settings keep the usual one.</source>
        <translation>Diese Datenbank (eine Datenbankdatei oder eine postgresql://-Adresse) nur für diesen Lauf öffnen; die Einstellungen behalten die übliche.</translation>
    </message>
    <message>
        <source>Write the team&apos;s games and practices to an iCalendar file, without a window, and end.</source>
        <translation>Die Spiele und Trainings der Mannschaft ohne Fenster in eine iCalendar-Datei schreiben und beenden.</translation>
    </message>
    <message>
        <source>--database needs a database file or a postgresql:// address</source>
        <translation>--database braucht eine Datenbankdatei oder eine postgresql://-Adresse</translation>
    </message>
    <message>
        <source>--database %1: %2</source>
        <translation>--database %1: %2</translation>
    </message>
    <message>
        <source>Usage: pitchwise [OPTION…] [TEST] [DEBUG]</source>
        <translation>Aufruf: pitchwise [OPTION…] [TEST] [DEBUG]</translation>
    </message>
    <message>
        <source>Keeps a youth soccer team&apos;s season: players, games, line-ups, practices.</source>
        <translation>Führt die Saison einer Jugendfußballmannschaft: Spieler, Spiele, Aufstellungen, Trainings.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Wörter:</translation>
    </message>
    <message>
        <source>Let errors stop the program with their trace instead of being caught.</source>
        <translation>Fehler halten das Programm mit ihrer Aufrufliste an, statt abgefangen zu werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a team number</source>
        <translation>„%1“ ist keine Mannschaftsnummer</translation>
    </message>
    <message>
        <source>no database is set up; name one with --database FILE|URL</source>
        <translation>keine Datenbank eingerichtet; nennen Sie eine mit --database DATEI|URL</translation>
    </message>
    <message>
        <source>Open the test database beside the usual one (Pitchwise_Test.db beside Pitchwise.db, made when missing); the settings are not changed.</source>
        <translation>Die Testdatenbank neben der üblichen öffnen (Pitchwise_Test.db neben Pitchwise.db, wird bei Bedarf angelegt); die Einstellungen bleiben unverändert.</translation>
    </message>
    <message>
        <source>nothing was imported:
%1</source>
        <translation>nichts wurde importiert:
%1</translation>
    </message>
    <message>
        <source>Write the team&apos;s players with their families&apos; details to a CSV file, without a window, and end.</source>
        <translation>Die Spieler der Mannschaft mit den Angaben ihrer Familien ohne Fenster in eine CSV-Datei schreiben und beenden.</translation>
    </message>
    <message>
        <source>Read players from a CSV file into the team, all or nothing: any row in error stores nothing and every error is listed.</source>
        <translation>Spieler aus einer CSV-Datei in die Mannschaft einlesen, ganz oder gar nicht: Enthält eine Zeile einen Fehler, wird nichts gespeichert, und alle Fehler werden aufgelistet.</translation>
    </message>
    <message>
        <source>Write a complete copy of the database file (never half a file), without a window, and end.</source>
        <translation>Eine vollständige Kopie der Datenbankdatei schreiben (nie eine halbe Datei), ohne Fenster, und beenden.</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Browser Not Found</source>
        <translation>Browser nicht gefunden</translation>
    </message>
    <message>
        <source>Could not find associated Browser</source>
        <translation>Es wurde kein zugeordneter Browser gefunden</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 is a folder that only you can use.</source>
        <translation>Weder %1 noch %2 ist ein Ordner, den nur Sie benutzen können.</translation>
    </message>
    <message>
        <source>Error No. %1 has occurred in %2
at line number: %3
with the following parameters:%4

The error has the following meaning:
%5</source>
        <translation>Fehler Nr. %1 ist aufgetreten in %2
in Zeile: %3
mit folgenden Parametern:%4

Der Fehler bedeutet:
%5</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Dirty</name>
    <message>
        <source>%1 (Dirty)</source>
        <comment>a window title or button caption with unsaved changes</comment>
        <translation>%1 (ungespeichert)</translation>
    </message>
</context>
<context>
    <name>FieldEntry</name>
    <message>
        <source>&quot;%1&quot; is not a time. Type one such as %2.</source>
        <translation>„%1“ ist keine Uhrzeit. Geben Sie eine ein wie %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Type one such as %2.</source>
        <translation>„%1“ ist kein Datum. Geben Sie eines ein wie %2.</translation>
    </message>
</context>
<context>
    <name>Games</name>
    <message>
        <source>Too many season captains to keep. Choose fewer captains.</source>
        <translation>Zu viele Saisonkapitäne. Wählen Sie weniger Kapitäne.</translation>
    </message>
    <message>
        <source>Statistics are kept for a player of a team in one game.</source>
        <translation>Statistiken werden je Spieler einer Mannschaft in einem Spiel geführt.</translation>
    </message>
    <message>
        <source>Check the values. All values must be numeric</source>
        <translation>Prüfen Sie die Werte. Alle Werte müssen Zahlen sein</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Turnier</translation>
    </message>
    <message>
        <source>Game %1 is no longer in the schedule, so its line-up cannot be saved.</source>
        <translation>Spiel %1 steht nicht mehr im Spielplan, daher kann seine Aufstellung nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>in goal</source>
        <translation>im Tor</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>zentral</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>defence</source>
        <translation>in der Abwehr</translation>
    </message>
    <message>
        <source>midfield</source>
        <translation>im Mittelfeld</translation>
    </message>
    <message>
        <source>attack</source>
        <translation>im Angriff</translation>
    </message>
    <message>
        <source>Record: %1 - %2 - %3</source>
        <translation>Bilanz: %1 - %2 - %3</translation>
    </message>
    <message>
        <source>Point Total:%1</source>
        <translation>Punkte:%1</translation>
    </message>
    <message>
        <source>Nobody is available for this game.</source>
        <translation>Für dieses Spiel ist niemand verfügbar.</translation>
    </message>
    <message>
        <source>%1 %2 periods, lowest share %3 → %4</source>
        <translation>%1: %2 Abschnitte, geringster Anteil %3 → %4</translation>
    </message>
    <message>
        <source>only %1 available in period %2</source>
        <translation>nur %1 verfügbar in Abschnitt %2</translation>
    </message>
    <message>
        <source>not everyone can play the minimum periods</source>
        <translation>nicht alle können die Mindestzahl an Abschnitten spielen</translation>
    </message>
    <message>
        <source>the best line-up found in the time allowed</source>
        <translation>die beste in der verfügbaren Zeit gefundene Aufstellung</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Welcome to Pitchwise</source>
        <translation>Willkommen bei Pitchwise</translation>
    </message>
    <message>
        <source>Starting Pitchwise for the first time</source>
        <translation>Pitchwise zum ersten Mal starten</translation>
    </message>
    <message>
        <source>The main window</source>
        <translation>Das Hauptfenster</translation>
    </message>
    <message>
        <source>The team tree</source>
        <translation>Der Mannschaftsbaum</translation>
    </message>
    <message>
        <source>Roster and statistics grids</source>
        <translation>Kader- und Statistiktabellen</translation>
    </message>
    <message>
        <source>Status bar, record and points</source>
        <translation>Statusleiste, Bilanz und Punkte</translation>
    </message>
    <message>
        <source>Toolbar and menus</source>
        <translation>Werkzeugleiste und Menüs</translation>
    </message>
    <message>
        <source>Teams, players and opponents</source>
        <translation>Mannschaften, Spieler und Gegner</translation>
    </message>
    <message>
        <source>Team Information and the New Team Wizard</source>
        <translation>Mannschaftsdaten und Assistent</translation>
    </message>
    <message>
        <source>Player Information and the roster</source>
        <translation>Spielerdaten und der Kader</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Games and statistics</source>
        <translation>Spiele und Statistiken</translation>
    </message>
    <message>
        <source>Line-ups, playing time and captains</source>
        <translation>Aufstellungen, Spielzeit und Kapitäne</translation>
    </message>
    <message>
        <source>Tournaments and brackets</source>
        <translation>Turniere und Turnierbäume</translation>
    </message>
    <message>
        <source>Practices, drills and the calendar</source>
        <translation>Trainings, Übungen und der Kalender</translation>
    </message>
    <message>
        <source>Team notes, e-mail and game notes</source>
        <translation>Notizen, E-Mails und Spielnotizen</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Beiträge</translation>
    </message>
    <message>
        <source>Printing and print preview</source>
        <translation>Drucken und Druckvorschau</translation>
    </message>
    <message>
        <source>Options (Tools &gt; Configuration)</source>
        <translation>Optionen (Extras &gt; Einstellungen)</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Where your data lives</source>
        <translation>Wo Ihre Daten liegen</translation>
    </message>
    <message>
        <source>When something goes wrong</source>
        <translation>Wenn etwas schiefgeht</translation>
    </message>
    <message>
        <source>Player Information</source>
        <translation>Spielerdaten</translation>
    </message>
    <message>
        <source>Team Information</source>
        <translation>Mannschaftsdaten</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>it holds a broken character</source>
        <translation>sie enthält ein defektes Zeichen</translation>
    </message>
    <message>
        <source>it holds a line break, a tab or another control character</source>
        <translation>sie enthält einen Zeilenumbruch, einen Tabulator oder ein anderes Steuerzeichen</translation>
    </message>
    <message>
        <source>it holds an invisible or unknown character</source>
        <translation>sie enthält ein unsichtbares oder unbekanntes Zeichen</translation>
    </message>
    <message>
        <source>it holds angle brackets &lt; &gt; other than the pair around the address</source>
        <translation>sie enthält spitze Klammern &lt; &gt; außer dem Paar um die Adresse</translation>
    </message>
    <message>
        <source>it holds a space inside the address</source>
        <translation>sie enthält ein Leerzeichen innerhalb der Adresse</translation>
    </message>
    <message>
        <source>it holds more than one @</source>
        <translation>sie enthält mehr als ein @</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot; where the address has no place for it</source>
        <translation>sie enthält „%1“ an einer Stelle, wo die Adresse keinen Platz dafür hat</translation>
    </message>
    <message>
        <source>a parenthesis is not closed</source>
        <translation>eine Klammer ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a quotation mark is not closed</source>
        <translation>ein Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>the part before the @ starts or ends with a dot, or has two dots in a row</source>
        <translation>der Teil vor dem @ beginnt oder endet mit einem Punkt oder hat zwei Punkte hintereinander</translation>
    </message>
    <message>
        <source>there is nothing before the @</source>
        <translation>vor dem @ steht nichts</translation>
    </message>
    <message>
        <source>there is no @ in it</source>
        <translation>sie enthält kein @</translation>
    </message>
    <message>
        <source>the address in brackets after the @ is not valid</source>
        <translation>die Adresse in Klammern nach dem @ ist ungültig</translation>
    </message>
    <message>
        <source>there is nothing after the @</source>
        <translation>nach dem @ steht nichts</translation>
    </message>
    <message>
        <source>the part after the @ is not a domain name such as example.org</source>
        <translation>der Teil nach dem @ ist kein Domainname wie example.org</translation>
    </message>
    <message>
        <source>the part after the @ is longer than 253 characters</source>
        <translation>der Teil nach dem @ ist länger als 253 Zeichen</translation>
    </message>
    <message>
        <source>the part before the @ is longer than 64 characters</source>
        <translation>der Teil vor dem @ ist länger als 64 Zeichen</translation>
    </message>
    <message>
        <source>the address is longer than 254 characters</source>
        <translation>die Adresse ist länger als 254 Zeichen</translation>
    </message>
    <message>
        <source>the name is longer than 256 characters</source>
        <translation>der Name ist länger als 256 Zeichen</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>it is too long</source>
        <translation>sie ist zu lang</translation>
    </message>
    <message>
        <source>the &lt; before the address has no &gt; after it</source>
        <translation>nach dem &lt; vor der Adresse folgt kein &gt;</translation>
    </message>
    <message>
        <source>something follows the &gt; after the address</source>
        <translation>nach dem &gt; hinter der Adresse folgt noch etwas</translation>
    </message>
    <message>
        <source>it holds no address</source>
        <translation>sie enthält keine Adresse</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid e-mail address: %2.
Type it as name@example.org or as Name &lt;name@example.org&gt;; several addresses are parted by commas.</source>
        <translation>%1 ist keine gültige E-Mail-Adresse: %2.
Geben Sie sie als name@example.org oder als Name &lt;name@example.org&gt; ein; mehrere Adressen werden durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>Invalid E-mail Address</source>
        <translation>Ungültige E-Mail-Adresse</translation>
    </message>
    <message>
        <source>it holds a space, a line break or another control character</source>
        <translation>sie enthält ein Leerzeichen, einen Zeilenumbruch oder ein anderes Steuerzeichen</translation>
    </message>
    <message>
        <source>only smtp:// and smtps:// servers can send mail</source>
        <translation>nur smtp://- und smtps://-Server können E-Mails senden</translation>
    </message>
    <message>
        <source>it holds more than the server&apos;s name and port</source>
        <translation>sie enthält mehr als den Namen und Port des Servers</translation>
    </message>
    <message>
        <source>the [ before the server&apos;s address has no ] after it</source>
        <translation>nach der [ vor der Serveradresse folgt keine ]</translation>
    </message>
    <message>
        <source>the address in brackets is not an IPv6 address</source>
        <translation>die Adresse in Klammern ist keine IPv6-Adresse</translation>
    </message>
    <message>
        <source>an IPv6 address must stand in brackets, as in [2001:db8::1]:587</source>
        <translation>eine IPv6-Adresse muss in Klammern stehen, wie in [2001:db8::1]:587</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name</source>
        <translation>„%1“ ist kein Servername</translation>
    </message>
    <message>
        <source>the port is not a number from 1 to 65535</source>
        <translation>der Port ist keine Zahl von 1 bis 65535</translation>
    </message>
</context>
<context>
    <name>Messaging</name>
    <message>
        <source>Game Notes</source>
        <translation>Spielnotizen</translation>
    </message>
    <message>
        <source>The notes file for this game could not be made:
%1

Check that the data folder exists and that you may write to it.</source>
        <translation>Die Notizdatei für dieses Spiel konnte nicht angelegt werden:
%1

Prüfen Sie, ob der Datenordner existiert und Sie darin schreiben dürfen.</translation>
    </message>
    <message>
        <source>No program could be started to open the game&apos;s notes:
%1</source>
        <translation>Es konnte kein Programm gestartet werden, um die Notizen zum Spiel zu öffnen:
%1</translation>
    </message>
    <message>
        <source>Email not Sent</source>
        <translation>E-Mail nicht gesendet</translation>
    </message>
    <message>
        <source>The message could not be written to
%1
(%2)</source>
        <translation>Die Nachricht konnte nicht geschrieben werden nach
%1
(%2)</translation>
    </message>
    <message>
        <source>No e-mail server is set. Enter the outgoing mail server under Tools, Configuration and send again.</source>
        <translation>Es ist kein E-Mail-Server eingestellt. Tragen Sie den Postausgangsserver unter Extras, Einstellungen ein und senden Sie erneut.</translation>
    </message>
    <message>
        <source>The team has no e-mail address for its first coach, so the mail has no sender. Enter it in the team profile and send again.</source>
        <translation>Die Mannschaft hat keine E-Mail-Adresse für ihren ersten Trainer, daher hat die E-Mail keinen Absender. Tragen Sie sie in den Mannschaftsdaten ein und senden Sie erneut.</translation>
    </message>
    <message>
        <source>it names more than one address</source>
        <translation>sie nennt mehr als eine Adresse</translation>
    </message>
    <message>
        <source>The first coach&apos;s e-mail address in the team profile is not a valid e-mail address: %1. Correct it there and send again.</source>
        <translation>Die E-Mail-Adresse des ersten Trainers in den Mannschaftsdaten ist keine gültige E-Mail-Adresse: %1. Korrigieren Sie sie dort und senden Sie erneut.</translation>
    </message>
    <message>
        <source>These addresses are not valid e-mail addresses, so nothing was sent to them. Correct them in the player&apos;s or the team&apos;s profile:
%1</source>
        <translation>Diese Adressen sind keine gültigen E-Mail-Adressen, deshalb wurde an sie nichts gesendet. Korrigieren Sie sie in den Spieler- oder Mannschaftsdaten:
%1</translation>
    </message>
    <message>
        <source>Error in Transmission</source>
        <translation>Fehler bei der Übertragung</translation>
    </message>
    <message>
        <source>There was an error sending the this message.
Do you want to see the log file?</source>
        <translation>Beim Senden dieser Nachricht ist ein Fehler aufgetreten.
Möchten Sie die Protokolldatei sehen?</translation>
    </message>
    <message>
        <source>No program could be started to show the log file:
%1</source>
        <translation>Es konnte kein Programm gestartet werden, um die Protokolldatei zu zeigen:
%1</translation>
    </message>
    <message>
        <source>This message is no longer in the list.</source>
        <translation>Diese Nachricht steht nicht mehr in der Liste.</translation>
    </message>
    <message>
        <source>Nobody on this team has an e-mail address, and neither have its coaches.</source>
        <translation>Niemand in dieser Mannschaft hat eine E-Mail-Adresse, und ihre Trainer auch nicht.</translation>
    </message>
    <message>
        <source>The following people do not have E-mail addresses
%1</source>
        <translation>Folgende Personen haben keine E-Mail-Adresse
%1</translation>
    </message>
    <message>
        <source>The team has no address to send game results to. Enter it in the team profile.</source>
        <translation>Die Mannschaft hat keine Adresse, an die Spielergebnisse gesendet werden. Tragen Sie sie in den Mannschaftsdaten ein.</translation>
    </message>
    <message>
        <source>The team&apos;s address for game results is not a valid e-mail address: %1. Correct it in the team profile and send again.</source>
        <translation>Die Adresse der Mannschaft für Spielergebnisse ist keine gültige E-Mail-Adresse: %1. Korrigieren Sie sie in den Mannschaftsdaten und senden Sie erneut.</translation>
    </message>
    <message>
        <source>Pitchwise found no temporary folder of yours to write the message in.</source>
        <translation>Pitchwise hat keinen eigenen temporären Ordner gefunden, um die Nachricht darin zu schreiben.</translation>
    </message>
</context>
<context>
    <name>PlayerFields</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nachname:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Nickname:</source>
        <translation>Spitzname:</translation>
    </message>
    <message>
        <source>Jersey Number:</source>
        <translation>Rückennummer:</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>City, State, Zip</source>
        <translation>Ort, Land, PLZ</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Birth Date:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Alter:</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Alt Phone No.:</source>
        <translation>Telefon 2:</translation>
    </message>
    <message>
        <source>Player Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Front Line</source>
        <translation>Sturm</translation>
    </message>
    <message>
        <source>Half Back</source>
        <translation>Mittelfeld</translation>
    </message>
    <message>
        <source>Full Back</source>
        <translation>Abwehr</translation>
    </message>
    <message>
        <source>Sweeper</source>
        <translation>Libero</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Torwart</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Mutter</translation>
    </message>
    <message>
        <source>Address same as player</source>
        <translation>Adresse wie Spieler</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Vater</translation>
    </message>
    <message>
        <source>May play in goal</source>
        <translation>Darf ins Tor</translation>
    </message>
    <message>
        <source>A field player the coach allows in goal when a line-up is suggested</source>
        <translation>Ein Feldspieler, den der Trainer beim Aufstellungsvorschlag ins Tor lässt</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Standing Attacker</source>
        <translation>Stehender Angreifer</translation>
    </message>
    <message>
        <source>Left Running/Kicking Attacker</source>
        <translation>Angreifer links (läuft/schießt)</translation>
    </message>
    <message>
        <source>Right Running/Kicking Attacker</source>
        <translation>Angreifer rechts (läuft/schießt)</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Fahne</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Hütchen</translation>
    </message>
    <message>
        <source>Stadning Defender</source>
        <translation>Stehender Verteidiger</translation>
    </message>
    <message>
        <source>Left Running/Kicking Defender</source>
        <translation>Verteidiger links (läuft/schießt)</translation>
    </message>
    <message>
        <source>Right Running/Kicking Defender</source>
        <translation>Verteidiger rechts (läuft/schießt)</translation>
    </message>
    <message>
        <source>Soccer Ball</source>
        <translation>Ball</translation>
    </message>
    <message>
        <source>Attackers</source>
        <translation>Angreifer</translation>
    </message>
    <message>
        <source>Defenders</source>
        <translation>Verteidiger</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Tactics</source>
        <translation>Taktik</translation>
    </message>
    <message>
        <source>Techniques</source>
        <translation>Technik</translation>
    </message>
    <message>
        <source>Attacking</source>
        <translation>Angriff</translation>
    </message>
    <message>
        <source>Defending</source>
        <translation>Abwehr</translation>
    </message>
    <message>
        <source>Warmup</source>
        <translation>Aufwärmen</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passspiel</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Umschalten</translation>
    </message>
    <message>
        <source>Conditioning</source>
        <translation>Kondition</translation>
    </message>
    <message>
        <source>Individual (1 v 1)</source>
        <translation>Einzeln (1 gegen 1)</translation>
    </message>
    <message>
        <source>Small Group (2 v 1,2 v 2,3 v 2,3 v 3,etc/)</source>
        <translation>Kleingruppe (2:1, 2:2, 3:2, 3:3 usw.)</translation>
    </message>
    <message>
        <source>Large Group (6 v 4 through 11 v 11)</source>
        <translation>Großgruppe (6:4 bis 11:11)</translation>
    </message>
    <message>
        <source>Fundamental</source>
        <translation>Grundlagen</translation>
    </message>
    <message>
        <source>Match Related</source>
        <translation>Spielbezogen</translation>
    </message>
    <message>
        <source>Match Conditions</source>
        <translation>Wettkampfnah</translation>
    </message>
    <message>
        <source>Missing Data</source>
        <translation>Fehlende Angaben</translation>
    </message>
    <message>
        <source>You must specify which discipline this drill is designed to improve.</source>
        <translation>Sie müssen angeben, welchen Bereich diese Übung verbessern soll.</translation>
    </message>
    <message>
        <source>This is a system drill and is not modifiable.</source>
        <translation>Dies ist eine Systemübung und kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>Teaching Moment</source>
        <translation>Coachingpause</translation>
    </message>
    <message>
        <source>&lt;Empty&gt;</source>
        <translation>&lt;Leer&gt;</translation>
    </message>
    <message>
        <source>All Coaches</source>
        <translation>Alle Trainer</translation>
    </message>
    <message>
        <source>Delete Session</source>
        <translation>Training löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this Training Session from the database?</source>
        <translation>Möchten Sie diese Trainingseinheit wirklich aus der Datenbank löschen?</translation>
    </message>
    <message>
        <source>Clear Agenda</source>
        <translation>Ablauf leeren</translation>
    </message>
    <message>
        <source>Changing this scheduled event will clear the set agenda, Do you want to continue?</source>
        <translation>Wenn Sie diesen Termin ändern, wird der festgelegte Ablauf geleert. Möchten Sie fortfahren?</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printout could not be started: the printer or file cannot be written to.</source>
        <translation>Der Druck konnte nicht gestartet werden: Drucker oder Datei sind nicht beschreibbar.</translation>
    </message>
    <message>
        <source>The next page of the printout could not be started.</source>
        <translation>Die nächste Seite des Ausdrucks konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written. Check that the folder exists and that you may write to it.</source>
        <translation>Die PDF-Datei %1 konnte nicht geschrieben werden. Prüfen Sie, ob der Ordner existiert und Sie darin schreiben dürfen.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Purpose:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Durchführung:</translation>
    </message>
    <message>
        <source>Development:</source>
        <translation>Coachingpunkte:</translation>
    </message>
    <message>
        <source>%1 (continued):</source>
        <translation>%1 (Fortsetzung):</translation>
    </message>
    <message>
        <source>(continued on the next page)</source>
        <translation>(Fortsetzung auf der nächsten Seite)</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>Agenda</source>
        <translation>Ablauf</translation>
    </message>
    <message>
        <source>Team Meeting</source>
        <translation>Besprechung</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Agenda Item</source>
        <translation>Programmpunkt</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Drill/Evolution</source>
        <translation>Übung/Variante</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Opponent Name</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>For information about standings and directions to soccer fields,</source>
        <translation>Für Tabellen und Anfahrtsbeschreibungen zu den Sportplätzen,</translation>
    </message>
    <message>
        <source>go to the web-site: %1</source>
        <translation>besuchen Sie die Website: %1</translation>
    </message>
    <message>
        <source>For General information, go to the web-site: %1</source>
        <translation>Allgemeine Informationen finden Sie auf der Website: %1</translation>
    </message>
    <message>
        <source>Practice Schedule:</source>
        <translation>Trainingsplan:</translation>
    </message>
    <message>
        <source>No Practices Scheduled</source>
        <translation>Keine Trainings geplant</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Parents</source>
        <translation>Eltern</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Coaches</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Alt Phone</source>
        <translation>Telefon 2</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>LEAGUE: _________________________________________________________________ OFFICIAL TEAM ROSTER FOR ____________________________________________________SEASON</source>
        <translation>LIGA: _________________________________________________________________ OFFIZIELLE SPIELERLISTE FÜR SAISON ____________________________________________________</translation>
    </message>
    <message>
        <source>TEAM NAME: ________________________________________________________ CLUB NAME: ______________________________________TEAM NUMBER: ___________________________</source>
        <translation>MANNSCHAFT: ________________________________________________________ VEREIN: ______________________________________MANNSCHAFTSNR.: ___________________________</translation>
    </message>
    <message>
        <source>(  )BOYS TEAM OR (  )GIRLS TEAM:  TEAM AGE DIVISION ______________  TEAM COLORS:  JERSEY __________________  SHORTS ____________ ALTERNATE JERSEY ___________</source>
        <translation>(  )JUNGEN ODER (  )MÄDCHEN:  ALTERSKLASSE ______________  FARBEN:  TRIKOT __________________  HOSE ____________ AUSWEICHTRIKOT ___________</translation>
    </message>
    <message>
        <source>FIRST NAME                    LAST NAME</source>
        <translation>VORNAME                       NACHNAME</translation>
    </message>
    <message>
        <source>JERSEY</source>
        <translation>TRIKOT</translation>
    </message>
    <message>
        <source>NO.</source>
        <translation>NR.</translation>
    </message>
    <message>
        <source>PLAYER&apos;S NAME</source>
        <translation>NAME DES SPIELERS</translation>
    </message>
    <message>
        <source>PHONE</source>
        <translation>TELEFON</translation>
    </message>
    <message>
        <source>STREET NUMBER AND NAME</source>
        <translation>STRASSE UND HAUSNUMMER</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>POST-</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>LEITZAHL</translation>
    </message>
    <message>
        <source>DATE OF</source>
        <translation>GEBURTS-</translation>
    </message>
    <message>
        <source>BIRTH</source>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>AGE</source>
        <translation>ALTER</translation>
    </message>
    <message>
        <source>COACH</source>
        <translation>TRAINER</translation>
    </message>
    <message>
        <source>ASST COACH</source>
        <translation>CO-TRAINER</translation>
    </message>
    <message>
        <source>TEAM ROSTER CLUB APPROVAL</source>
        <translation>FREIGABE DER SPIELERLISTE DURCH DEN VEREIN</translation>
    </message>
    <message>
        <source>TEAM ROSTER APPROVED THROUGH LINE __________</source>
        <translation>SPIELERLISTE FREIGEGEBEN BIS ZEILE __________</translation>
    </message>
    <message>
        <source>HEAD COACH</source>
        <translation>TRAINER</translation>
    </message>
    <message>
        <source>DISTRICT REPRESENTATIVE</source>
        <translation>KREISVERTRETER</translation>
    </message>
    <message>
        <source>Notes for %1 %2</source>
        <translation>Notizen für %1 %2</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The note to print is no longer there.</source>
        <translation>Die zu druckende Notiz ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Message from the Coach</source>
        <translation>Nachricht vom Trainer</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>Betreff: %1</translation>
    </message>
    <message>
        <source>Date Sent: %1</source>
        <translation>Gesendet am: %1</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Geschrieben: %1</translation>
    </message>
    <message>
        <source>On The Field</source>
        <translation>Auf dem Platz</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Torwart</translation>
    </message>
    <message>
        <source>Statistics for %1</source>
        <translation>Statistik für %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schuss</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>Blks/Stls</source>
        <translation>Blk./BG</translation>
    </message>
    <message>
        <source>Asts</source>
        <translation>Vorl.</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Par.</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Vorbei</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Print All Players</source>
        <translation>Alle Spieler drucken</translation>
    </message>
    <message>
        <source>Do you want to print all players? (Yes)
or only for %1 (No)</source>
        <translation>Möchten Sie alle Spieler drucken? (Ja)
oder nur %1 (Nein)</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>QP</source>
        <translation>AG</translation>
    </message>
    <message>
        <source>QA</source>
        <translation>AV</translation>
    </message>
    <message>
        <source>Stats for %1 (Tournament)</source>
        <translation>Statistik für %1 (Turnier)</translation>
    </message>
    <message>
        <source>Stats for %1</source>
        <translation>Statistik für %1</translation>
    </message>
    <message>
        <source>Plyr No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Blocks/Steals</source>
        <translation>Blocks/Ballg.</translation>
    </message>
    <message>
        <source>Shot On Goal</source>
        <translation>Torschüsse</translation>
    </message>
    <message>
        <source>Goals Scored</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Goalie No.</source>
        <translation>TW-Nr.</translation>
    </message>
    <message>
        <source>Shots Missed</source>
        <translation>Schüsse vorbei</translation>
    </message>
    <message>
        <source>Goals Blocked</source>
        <translation>Paraden</translation>
    </message>
    <message>
        <source>Line-up vs. %1</source>
        <translation>Aufstellung gegen %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Abschnitt %1</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Ersatzbank</translation>
    </message>
    <message>
        <source>G</source>
        <comment>in goal</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>D</source>
        <comment>defence</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>M</source>
        <comment>midfield</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>A</source>
        <comment>attack</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>Playing Time Report</source>
        <translation>Spielzeitbericht</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>In Goal</source>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Abwehr</translation>
    </message>
    <message>
        <source>Midfield</source>
        <translation>Mittelfeld</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Angriff</translation>
    </message>
    <message>
        <source>Captain</source>
        <translation>Kapitän</translation>
    </message>
    <message>
        <source>No player has had periods available yet.</source>
        <translation>Bisher hatte noch kein Spieler verfügbare Abschnitte.</translation>
    </message>
    <message>
        <source>Average share %1%; spread %2 pts, from %3% to %4%.</source>
        <translation>Durchschnittlicher Anteil %1%; Spanne %2 Prozentpunkte, von %3% bis %4%.</translation>
    </message>
    <message>
        <source>The team sets no minimum periods per game.</source>
        <translation>Die Mannschaft legt keine Mindestzahl an Abschnitten pro Spiel fest.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Every player played the team&apos;s minimum periods per game (%1, or every period available when fewer) in every game.</source>
        <translation>Jeder Spieler hat in jedem Spiel die Mindestzahl an Abschnitten der Mannschaft gespielt (%1, oder jeden verfügbaren Abschnitt, wenn es weniger waren).</translation>
    </message>
    <message>
        <source>Below the team&apos;s minimum periods per game (%1, or every period available when fewer):</source>
        <translation>Unter der Mindestzahl an Abschnitten pro Spiel (%1, oder jeder verfügbare Abschnitt, wenn es weniger waren):</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>periods and the captain&apos;s mark</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>C</source>
        <comment>captain</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>Game by Game</source>
        <translation>Spiel für Spiel</translation>
    </message>
    <message>
        <source>Game by Game: %1</source>
        <translation>Spiel für Spiel: %1</translation>
    </message>
    <message>
        <source>Game by Game: games without a date</source>
        <translation>Spiel für Spiel: Spiele ohne Datum</translation>
    </message>
    <message>
        <source>Each game: periods played/periods available, then the periods in goal (G), in defence (D), in midfield (M) and in attack (A); C captain; * fewer than the minimum periods (shaded).</source>
        <translation>Jedes Spiel: gespielte/verfügbare Abschnitte, dann die Abschnitte im Tor (T), in der Abwehr (A), im Mittelfeld (M) und im Angriff (S); K Kapitän; * weniger als die Mindestzahl an Abschnitten (schattiert).</translation>
    </message>
</context>
<context>
    <name>RollingBall</name>
    <message>
        <source>Rolling ball</source>
        <translation>Rollender Ball</translation>
    </message>
</context>
<context>
    <name>RosterCsv</name>
    <message>
        <source>a quoted field is not closed before the end of the file</source>
        <translation>ein Feld in Anführungszeichen ist vor dem Dateiende nicht geschlossen</translation>
    </message>
    <message>
        <source>column %1 holds a control character (U+%2)</source>
        <translation>Spalte %1 enthält ein Steuerzeichen (U+%2)</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text. Save it from the spreadsheet program as CSV UTF-8.</source>
        <translation>Die Datei ist kein UTF-8-Text. Speichern Sie sie im Tabellenprogramm als „CSV UTF-8“.</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>Jersey</source>
        <translation>Rückennummer</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Alt. Phone</source>
        <translation>Telefon 2</translation>
    </message>
    <message>
        <source>Mother&apos;s Last Name</source>
        <translation>Nachname Mutter</translation>
    </message>
    <message>
        <source>Mother&apos;s First Name</source>
        <translation>Vorname Mutter</translation>
    </message>
    <message>
        <source>Mother&apos;s Address</source>
        <translation>Adresse Mutter</translation>
    </message>
    <message>
        <source>Mother&apos;s City</source>
        <translation>Ort Mutter</translation>
    </message>
    <message>
        <source>Mother&apos;s State</source>
        <translation>Land Mutter</translation>
    </message>
    <message>
        <source>Mother&apos;s Zip</source>
        <translation>PLZ Mutter</translation>
    </message>
    <message>
        <source>Mother&apos;s Phone</source>
        <translation>Telefon Mutter</translation>
    </message>
    <message>
        <source>Mother&apos;s Alt. Phone</source>
        <translation>Telefon 2 Mutter</translation>
    </message>
    <message>
        <source>Mother&apos;s E-Mail</source>
        <translation>E-Mail Mutter</translation>
    </message>
    <message>
        <source>Mother at Player&apos;s Address</source>
        <translation>Mutter unter Adresse des Spielers</translation>
    </message>
    <message>
        <source>Father&apos;s Last Name</source>
        <translation>Nachname Vater</translation>
    </message>
    <message>
        <source>Father&apos;s First Name</source>
        <translation>Vorname Vater</translation>
    </message>
    <message>
        <source>Father&apos;s Address</source>
        <translation>Adresse Vater</translation>
    </message>
    <message>
        <source>Father&apos;s City</source>
        <translation>Ort Vater</translation>
    </message>
    <message>
        <source>Father&apos;s State</source>
        <translation>Land Vater</translation>
    </message>
    <message>
        <source>Father&apos;s Zip</source>
        <translation>PLZ Vater</translation>
    </message>
    <message>
        <source>Father&apos;s Phone</source>
        <translation>Telefon Vater</translation>
    </message>
    <message>
        <source>Father&apos;s Alt. Phone</source>
        <translation>Telefon 2 Vater</translation>
    </message>
    <message>
        <source>Father&apos;s E-Mail</source>
        <translation>E-Mail Vater</translation>
    </message>
    <message>
        <source>Father at Player&apos;s Address</source>
        <translation>Vater unter Adresse des Spielers</translation>
    </message>
    <message>
        <source>Front Line</source>
        <translation>Sturm</translation>
    </message>
    <message>
        <source>Half Back</source>
        <translation>Mittelfeld</translation>
    </message>
    <message>
        <source>Full Back</source>
        <translation>Abwehr</translation>
    </message>
    <message>
        <source>Sweeper</source>
        <translation>Libero</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Torwart</translation>
    </message>
    <message>
        <source>jersey &quot;%1&quot; is no whole number from 0 to 32767</source>
        <translation>Rückennummer „%1“ ist keine ganze Zahl von 0 bis 32767</translation>
    </message>
    <message>
        <source>unknown position in &quot;%1&quot;</source>
        <translation>unbekannte Position in „%1“</translation>
    </message>
    <message>
        <source>bad date &quot;%1&quot; (write it as 2016-04-30)</source>
        <translation>ungültiges Datum „%1“ (schreiben Sie es als 2016-04-30)</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;, not Yes or No</source>
        <translation>%1 ist „%2“, nicht Ja oder Nein</translation>
    </message>
    <message>
        <source>bad e-mail address in %1: %2</source>
        <translation>ungültige E-Mail-Adresse in %1: %2</translation>
    </message>
    <message>
        <source>%1 roster.csv</source>
        <translation>%1 Kader.csv</translation>
    </message>
    <message>
        <source>missing name: a player needs a last name</source>
        <translation>Name fehlt: ein Spieler braucht einen Nachnamen</translation>
    </message>
    <message>
        <source>jersey %1 is taken by %2, %3 in the team</source>
        <translation>Rückennummer %1 hat in der Mannschaft schon %2, %3</translation>
    </message>
    <message>
        <source>the same player as line %1</source>
        <translation>derselbe Spieler wie in Zeile %1</translation>
    </message>
    <message>
        <source>jersey %1 is taken by line %2 of the file</source>
        <translation>Rückennummer %1 ist schon in Zeile %2 der Datei vergeben</translation>
    </message>
    <message>
        <source>The file holds no rows.</source>
        <translation>Die Datei enthält keine Zeilen.</translation>
    </message>
    <message>
        <source>The first row, which names the columns, cannot be read: %1</source>
        <translation>Die erste Zeile mit den Spaltennamen kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>There is no team %1.</source>
        <translation>Es gibt keine Mannschaft %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>RosterLinesModel</name>
    <message>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Phone No.</source>
        <translation>Telefon-Nr.</translation>
    </message>
    <message>
        <source>Parents</source>
        <translation>Eltern</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Tournament game</source>
        <translation>Turnierspiel</translation>
    </message>
    <message>
        <source>%1 (moved)</source>
        <translation>%1 (verlegt)</translation>
    </message>
    <message>
        <source>Moved from %1 %2</source>
        <translation>Verlegt vom %1 %2</translation>
    </message>
    <message>
        <source>Moved to %1 %2</source>
        <translation>Verlegt auf %1 %2</translation>
    </message>
    <message>
        <source>Team Meeting</source>
        <translation>Besprechung</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Schedule Conflict</source>
        <translation>Terminkonflikt</translation>
    </message>
    <message>
        <source>There is a conflict on %1</source>
        <translation>Am %1 gibt es einen Terminkonflikt</translation>
    </message>
    <message>
        <source>nothing scheduled</source>
        <translation>nichts geplant</translation>
    </message>
    <message>
        <source>schedule conflict</source>
        <translation>Terminkonflikt</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Game %1 is not a season game; tournament games are changed in their bracket.</source>
        <translation>Spiel %1 ist kein Saisonspiel; Turnierspiele werden in ihrem Turnierbaum geändert.</translation>
    </message>
    <message>
        <source>The season already has game %1; no more games can be added.</source>
        <translation>Die Saison hat bereits Spiel %1; es können keine weiteren Spiele hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Team %1 is not in the database.</source>
        <translation>Mannschaft %1 ist nicht in der Datenbank.</translation>
    </message>
    <message>
        <source>Game %1 is not in the schedule.</source>
        <translation>Spiel %1 steht nicht im Spielplan.</translation>
    </message>
    <message>
        <source>Tournament games are changed in their tournament&apos;s bracket.</source>
        <translation>Turnierspiele werden im Turnierbaum ihres Turniers geändert.</translation>
    </message>
    <message>
        <source>No Opponents</source>
        <translation>Keine Gegner</translation>
    </message>
    <message>
        <source>There are no opponents listed. You must first enter the opponent names in the opponents list.</source>
        <translation>Es sind keine Gegner eingetragen. Geben Sie zuerst die Namen der Gegner in der Gegnerliste ein.</translation>
    </message>
    <message>
        <source>Add New Game to Schedule</source>
        <translation>Neues Spiel in den Spielplan</translation>
    </message>
    <message>
        <source>Reschedule Game</source>
        <translation>Spiel verlegen</translation>
    </message>
    <message>
        <source>Delete Game</source>
        <translation>Spiel löschen</translation>
    </message>
    <message>
        <source>Are you sure you would like to delete the game with %1?</source>
        <translation>Möchten Sie das Spiel gegen %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Export Team Calendar</source>
        <translation>Mannschaftskalender exportieren</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)|*.ics|All Files (*.*)|*.*</source>
        <translation>iCalendar-Dateien (*.ics)|*.ics|Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Team</source>
        <translation>&amp;Mannschaft</translation>
    </message>
    <message>
        <source>T&amp;ournament</source>
        <translation>T&amp;urnier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Roster</source>
        <translation>&amp;Kader</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>S&amp;pieler</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close the program and every window it opened</source>
        <translation>Das Programm und alle seine Fenster schließen</translation>
    </message>
    <message>
        <source>&amp;Back Up Now…</source>
        <translation>Jetzt &amp;sichern…</translation>
    </message>
    <message>
        <source>Write a copy of the database to a file you pick</source>
        <translation>Eine Kopie der Datenbank in eine Datei Ihrer Wahl schreiben</translation>
    </message>
    <message>
        <source>&amp;Restore…</source>
        <translation>&amp;Wiederherstellen…</translation>
    </message>
    <message>
        <source>Put a backup in the place of the database</source>
        <translation>Eine Sicherung an die Stelle der Datenbank setzen</translation>
    </message>
    <message>
        <source>&amp;Standings</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>Open the league standings on the team&apos;s web site</source>
        <translation>Die Tabelle der Liga auf der Website der Mannschaft öffnen</translation>
    </message>
    <message>
        <source>Team Standings (Web-Site)</source>
        <translation>Tabelle (Website)</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Change the program&apos;s options, which hold for every team</source>
        <translation>Die Einstellungen des Programms ändern, die für alle Mannschaften gelten</translation>
    </message>
    <message>
        <source>Applications Options</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>Print or preview a report of the team, the game or the player</source>
        <translation>Einen Bericht über die Mannschaft, das Spiel oder den Spieler drucken oder ansehen</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>Open the help at its table of contents</source>
        <translation>Die Hilfe beim Inhaltsverzeichnis öffnen</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Open the help at its index of topics</source>
        <translation>Die Hilfe beim Stichwortverzeichnis öffnen</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Look for a word in the help</source>
        <translation>Ein Wort in der Hilfe suchen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and where it comes from</source>
        <translation>Die Version des Programms zeigen und woher es stammt</translation>
    </message>
    <message>
        <source>&amp;Fee Management</source>
        <translation>&amp;Beitragsverwaltung</translation>
    </message>
    <message>
        <source>Keep track of what each player owes and has paid</source>
        <translation>Festhalten, was jeder Spieler schuldet und bezahlt hat</translation>
    </message>
    <message>
        <source>No Game Chosen</source>
        <translation>Kein Spiel ausgewählt</translation>
    </message>
    <message>
        <source>Select the game that you want to setup.</source>
        <translation>Wählen Sie das Spiel, das Sie einrichten möchten.</translation>
    </message>
    <message>
        <source>No Players</source>
        <translation>Keine Spieler</translation>
    </message>
    <message>
        <source>There are no players to line up.</source>
        <translation>Es gibt keine Spieler zum Aufstellen.</translation>
    </message>
    <message>
        <source>&amp;Captains</source>
        <translation>&amp;Kapitäne</translation>
    </message>
    <message>
        <source>Show who has captained the team in each game</source>
        <translation>Zeigen, wer in jedem Spiel Kapitän war</translation>
    </message>
    <message>
        <source>View Captains</source>
        <translation>Kapitäne anzeigen</translation>
    </message>
    <message>
        <source>Game &amp;Lineup</source>
        <translation>&amp;Aufstellung</translation>
    </message>
    <message>
        <source>View or change the line-up of the selected game</source>
        <translation>Die Aufstellung des gewählten Spiels ansehen oder ändern</translation>
    </message>
    <message>
        <source>View/Modify Line-up for Selected Game</source>
        <translation>Aufstellung des gewählten Spiels ansehen/ändern</translation>
    </message>
    <message>
        <source>&amp;Update Player Stats</source>
        <translation>&amp;Spielerstatistik eintragen</translation>
    </message>
    <message>
        <source>Enter the selected player&apos;s statistics for the selected game</source>
        <translation>Die Statistik des gewählten Spielers für das gewählte Spiel eintragen</translation>
    </message>
    <message>
        <source>Enter Game Statistics</source>
        <translation>Spielstatistik eintragen</translation>
    </message>
    <message>
        <source>Enter the statistics of the selected game, one player at a time</source>
        <translation>Die Statistik des gewählten Spiels eintragen, Spieler für Spieler</translation>
    </message>
    <message>
        <source>Game Lineup</source>
        <translation>Aufstellung</translation>
    </message>
    <message>
        <source>Open this game&apos;s line-up board, once the team has players</source>
        <translation>Die Aufstellungstafel dieses Spiels öffnen, sobald die Mannschaft Spieler hat</translation>
    </message>
    <message>
        <source>Set as Not Yet Played</source>
        <translation>Als nicht gespielt markieren</translation>
    </message>
    <message>
        <source>Clear the game&apos;s result so that it counts as still to be played</source>
        <translation>Das Ergebnis des Spiels löschen, sodass es wieder als noch zu spielen zählt</translation>
    </message>
    <message>
        <source>Game &amp;Notes</source>
        <translation>Spiel&amp;notizen</translation>
    </message>
    <message>
        <source>Open the notes file of the selected game</source>
        <translation>Die Notizdatei des gewählten Spiels öffnen</translation>
    </message>
    <message>
        <source>Notes for Selected Game</source>
        <translation>Notizen zum gewählten Spiel</translation>
    </message>
    <message>
        <source>Send &amp;Results</source>
        <translation>&amp;Ergebnis senden</translation>
    </message>
    <message>
        <source>E-mail the selected game&apos;s result to the league, with a copy to you</source>
        <translation>Das Ergebnis des gewählten Spiels per E-Mail an die Liga senden, mit einer Kopie an Sie</translation>
    </message>
    <message>
        <source>Send Game Results</source>
        <translation>Spielergebnis senden</translation>
    </message>
    <message>
        <source>Send Email to entire team</source>
        <translation>E-Mail an die ganze Mannschaft senden</translation>
    </message>
    <message>
        <source>Keep the team&apos;s notes and messages, and mail one to every family</source>
        <translation>Notizen und Nachrichten der Mannschaft führen und eine an jede Familie senden</translation>
    </message>
    <message>
        <source>&amp;Practice Schedule</source>
        <translation>&amp;Trainingsplan</translation>
    </message>
    <message>
        <source>Open the month calendar of the team&apos;s games and practices</source>
        <translation>Den Monatskalender mit Spielen und Trainings der Mannschaft öffnen</translation>
    </message>
    <message>
        <source>Team Schedule</source>
        <translation>Terminplan der Mannschaft</translation>
    </message>
    <message>
        <source>Practice &amp;Drills</source>
        <translation>Trainings&amp;übungen</translation>
    </message>
    <message>
        <source>Keep the library of drills that practices are planned from</source>
        <translation>Die Übungssammlung pflegen, aus der Trainings geplant werden</translation>
    </message>
    <message>
        <source>Team Statistics</source>
        <translation>Mannschaftsstatistik</translation>
    </message>
    <message>
        <source>Official Roster</source>
        <translation>Offizielle Spielerliste</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Kader</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Spielplan</translation>
    </message>
    <message>
        <source>Stat Sheet</source>
        <translation>Statistikbogen</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>Spielerstatistik</translation>
    </message>
    <message>
        <source>Player Notes</source>
        <translation>Spielernotizen</translation>
    </message>
    <message>
        <source>&amp;Team Stats</source>
        <translation>&amp;Mannschaftsstatistik</translation>
    </message>
    <message>
        <source>Show the team&apos;s statistics on screen as they will print</source>
        <translation>Die Statistik der Mannschaft so am Bildschirm zeigen, wie sie gedruckt wird</translation>
    </message>
    <message>
        <source>&amp;Official Format</source>
        <translation>&amp;Offizielles Format</translation>
    </message>
    <message>
        <source>Show the roster in the league&apos;s official format on screen</source>
        <translation>Den Kader im offiziellen Format der Liga am Bildschirm zeigen</translation>
    </message>
    <message>
        <source>&amp;Handout Format</source>
        <translation>&amp;Elternliste</translation>
    </message>
    <message>
        <source>Show the roster handout for the families on screen</source>
        <translation>Die Kaderliste für die Familien am Bildschirm zeigen</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>&amp;Spielplan</translation>
    </message>
    <message>
        <source>Show the team&apos;s season schedule on screen</source>
        <translation>Den Spielplan der Saison am Bildschirm zeigen</translation>
    </message>
    <message>
        <source>Print the team&apos;s statistics</source>
        <translation>Die Statistik der Mannschaft drucken</translation>
    </message>
    <message>
        <source>Print the roster in the league&apos;s official format</source>
        <translation>Den Kader im offiziellen Format der Liga drucken</translation>
    </message>
    <message>
        <source>Print the roster handout for the families</source>
        <translation>Die Kaderliste für die Familien drucken</translation>
    </message>
    <message>
        <source>Print the team&apos;s season schedule</source>
        <translation>Den Spielplan der Saison drucken</translation>
    </message>
    <message>
        <source>&amp;Stat Sheet</source>
        <translation>S&amp;tatistikbogen</translation>
    </message>
    <message>
        <source>Show a blank statistics sheet for the selected game on screen</source>
        <translation>Einen leeren Statistikbogen für das gewählte Spiel am Bildschirm zeigen</translation>
    </message>
    <message>
        <source>Print a blank statistics sheet for the selected game</source>
        <translation>Einen leeren Statistikbogen für das gewählte Spiel drucken</translation>
    </message>
    <message>
        <source>Player &amp;Stats</source>
        <translation>Spieler&amp;statistik</translation>
    </message>
    <message>
        <source>Show the statistics of the selected player, or of every player, on screen</source>
        <translation>Die Statistik des gewählten Spielers oder aller Spieler am Bildschirm zeigen</translation>
    </message>
    <message>
        <source>Player &amp;Notes</source>
        <translation>Spieler&amp;notizen</translation>
    </message>
    <message>
        <source>Show the notes of the selected player, or of every player, on screen</source>
        <translation>Die Notizen zum gewählten Spieler oder zu allen Spielern am Bildschirm zeigen</translation>
    </message>
    <message>
        <source>Print the statistics of the selected player, or of every player</source>
        <translation>Die Statistik des gewählten Spielers oder aller Spieler drucken</translation>
    </message>
    <message>
        <source>Print the notes of the selected player, or of every player</source>
        <translation>Die Notizen zum gewählten Spieler oder zu allen Spielern drucken</translation>
    </message>
    <message>
        <source>Print or preview the team&apos;s statistics</source>
        <translation>Die Statistik der Mannschaft drucken oder ansehen</translation>
    </message>
    <message>
        <source>Team Stats</source>
        <translation>Mannschaftsstatistik</translation>
    </message>
    <message>
        <source>Print or preview the roster handout for the families</source>
        <translation>Die Kaderliste für die Familien drucken oder ansehen</translation>
    </message>
    <message>
        <source>Print or preview the team&apos;s season schedule</source>
        <translation>Den Spielplan der Saison drucken oder ansehen</translation>
    </message>
    <message>
        <source>Blank Stat Sheet</source>
        <translation>Leerer Statistikbogen</translation>
    </message>
    <message>
        <source>Print or preview a blank statistics sheet for the selected game</source>
        <translation>Einen leeren Statistikbogen für das gewählte Spiel drucken oder ansehen</translation>
    </message>
    <message>
        <source>Print or preview player statistics</source>
        <translation>Spielerstatistik drucken oder ansehen</translation>
    </message>
    <message>
        <source>Print or preview player notes</source>
        <translation>Spielernotizen drucken oder ansehen</translation>
    </message>
    <message>
        <source>&amp;Schedule New Game</source>
        <translation>&amp;Neues Spiel ansetzen</translation>
    </message>
    <message>
        <source>Add a game to the team&apos;s season schedule</source>
        <translation>Ein Spiel in den Spielplan der Saison aufnehmen</translation>
    </message>
    <message>
        <source>Res&amp;chedule Game</source>
        <translation>Spiel verle&amp;gen</translation>
    </message>
    <message>
        <source>Move the selected game to another day, time or field</source>
        <translation>Das gewählte Spiel auf einen anderen Tag, eine andere Zeit oder einen anderen Platz verlegen</translation>
    </message>
    <message>
        <source>&amp;Delete Game</source>
        <translation>Spiel &amp;löschen</translation>
    </message>
    <message>
        <source>Take the selected game off the team&apos;s schedule</source>
        <translation>Das gewählte Spiel aus dem Spielplan der Mannschaft nehmen</translation>
    </message>
    <message>
        <source>Team Calendar…</source>
        <translation>Mannschaftskalender…</translation>
    </message>
    <message>
        <source>Write the team&apos;s games and practices to a calendar file for phones and calendar programs</source>
        <translation>Die Spiele und Trainings der Mannschaft in eine Kalenderdatei für Handys und Kalenderprogramme schreiben</translation>
    </message>
    <message>
        <source>&amp;Opponent List</source>
        <translation>&amp;Gegnerliste</translation>
    </message>
    <message>
        <source>Add, change and remove the teams you play against</source>
        <translation>Die Mannschaften, gegen die Sie spielen, hinzufügen, ändern und entfernen</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Opponents List</source>
        <translation>Gegnerliste</translation>
    </message>
    <message>
        <source>Team &amp;Information</source>
        <translation>Mannschafts&amp;daten</translation>
    </message>
    <message>
        <source>Add a team, or set up the current one: its season, games and contacts</source>
        <translation>Eine Mannschaft hinzufügen oder die aktuelle einrichten: Saison, Spiele und Kontakte</translation>
    </message>
    <message>
        <source>Team Setup</source>
        <translation>Mannschaft einrichten</translation>
    </message>
    <message>
        <source>Show the team&apos;s players with their numbers and contacts in one list</source>
        <translation>Die Spieler der Mannschaft mit Nummern und Kontakten in einer Liste zeigen</translation>
    </message>
    <message>
        <source>View Roster</source>
        <translation>Kader anzeigen</translation>
    </message>
    <message>
        <source>Add, change and remove the team&apos;s players</source>
        <translation>Die Spieler der Mannschaft hinzufügen, ändern und entfernen</translation>
    </message>
    <message>
        <source>Team Roster</source>
        <translation>Kader</translation>
    </message>
    <message>
        <source>Add New Tournament</source>
        <translation>Neues Turnier</translation>
    </message>
    <message>
        <source>Modify Tournament Information</source>
        <translation>Turnierdaten ändern</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Möchten Sie %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Add a tournament the team plays in</source>
        <translation>Ein Turnier hinzufügen, an dem die Mannschaft teilnimmt</translation>
    </message>
    <message>
        <source>&amp;Modify Selected</source>
        <translation>Auswahl &amp;ändern</translation>
    </message>
    <message>
        <source>Change the selected tournament&apos;s name, start date or rounds</source>
        <translation>Name, Startdatum oder Runden des gewählten Turniers ändern</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>Auswahl &amp;löschen</translation>
    </message>
    <message>
        <source>Delete the selected tournament and its bracket</source>
        <translation>Das gewählte Turnier und seinen Turnierbaum löschen</translation>
    </message>
    <message>
        <source>Tournament Bracket</source>
        <translation>Turnierbaum</translation>
    </message>
    <message>
        <source>Open the bracket of the selected tournament</source>
        <translation>Den Turnierbaum des gewählten Turniers öffnen</translation>
    </message>
    <message>
        <source>Open the bracket of this tournament</source>
        <translation>Den Turnierbaum dieses Turniers öffnen</translation>
    </message>
    <message>
        <source>Add another tournament the team plays in</source>
        <translation>Ein weiteres Turnier hinzufügen, an dem die Mannschaft teilnimmt</translation>
    </message>
    <message>
        <source>Modify Selected</source>
        <translation>Auswahl ändern</translation>
    </message>
    <message>
        <source>Change this tournament&apos;s name, start date or rounds</source>
        <translation>Name, Startdatum oder Runden dieses Turniers ändern</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Delete this tournament and its bracket</source>
        <translation>Dieses Turnier und seinen Turnierbaum löschen</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>Look for a newer version of the program and install it</source>
        <translation>Nach einer neueren Version des Programms suchen und sie installieren</translation>
    </message>
    <message>
        <source>Import Roster</source>
        <translation>Kader importieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*</source>
        <translation>CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;Export Roster…</source>
        <translation>Kader e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Write the team&apos;s players with their parents to a CSV file for spreadsheet programs</source>
        <translation>Die Spieler der Mannschaft mit ihren Eltern in eine CSV-Datei für Tabellenprogramme schreiben</translation>
    </message>
    <message>
        <source>&amp;Import Roster…</source>
        <translation>Kader &amp;importieren…</translation>
    </message>
    <message>
        <source>Add or update the team&apos;s players from a CSV file, such as a club&apos;s spreadsheet</source>
        <translation>Spieler der Mannschaft aus einer CSV-Datei hinzufügen oder aktualisieren, etwa aus der Tabelle des Vereins</translation>
    </message>
    <message>
        <source>Playing Time Report</source>
        <translation>Spielzeitbericht</translation>
    </message>
    <message>
        <source>&amp;Playing Time Report</source>
        <translation>S&amp;pielzeitbericht</translation>
    </message>
    <message>
        <source>Show each player&apos;s periods, positions and season share on screen, for the families</source>
        <translation>Abschnitte, Positionen und Saisonanteil jedes Spielers für die Familien am Bildschirm zeigen</translation>
    </message>
    <message>
        <source>Print each player&apos;s periods, positions and season share, for the families</source>
        <translation>Abschnitte, Positionen und Saisonanteil jedes Spielers für die Familien drucken</translation>
    </message>
    <message>
        <source>Print or preview each player&apos;s periods, positions and season share</source>
        <translation>Abschnitte, Positionen und Saisonanteil jedes Spielers drucken oder ansehen</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1

Please choose another place for the data.</source>
        <translation>%1

Bitte wählen Sie einen anderen Ort für die Daten.</translation>
    </message>
    <message>
        <source>E-mail Configuration</source>
        <translation>E-Mail-Einstellungen</translation>
    </message>
    <message>
        <source>E-Mail Configuration</source>
        <translation>E-Mail-Einstellungen</translation>
    </message>
    <message>
        <source>To enable the E-mail option of this program, you will need to supply some information about your E-mail server.
The next few questions will ask the name of your e-mail server and your username and password.
If you are not sure about the server name, username and password, click &apos;NO&apos; below and you can enable this option later. Otherwise, click &apos;YES&apos;</source>
        <translation>Um die E-Mail-Funktion dieses Programms zu nutzen, brauchen Sie einige Angaben zu Ihrem E-Mail-Server.
Die nächsten Fragen betreffen den Namen Ihres E-Mail-Servers sowie Ihren Benutzernamen und Ihr Passwort.
Wenn Sie Servername, Benutzername und Passwort nicht genau wissen, klicken Sie unten auf „Nein“; Sie können die Funktion später einschalten. Andernfalls klicken Sie auf „Ja“</translation>
    </message>
    <message>
        <source>Enter your E-mail server name:</source>
        <translation>Name Ihres E-Mail-Servers:</translation>
    </message>
    <message>
        <source>Enter your User Name:</source>
        <translation>Ihr Benutzername:</translation>
    </message>
    <message>
        <source>Enter your Password:</source>
        <translation>Ihr Passwort:</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>New Install</source>
        <translation>Neuinstallation</translation>
    </message>
    <message>
        <source>It appears as though this is the first time you have started Pitchwise.
You will be asked a few questions to get started.
Do you want to continue?</source>
        <translation>Es sieht so aus, als starten Sie Pitchwise zum ersten Mal.
Sie bekommen ein paar Fragen für den Einstieg.
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Data Path</source>
        <translation>Datenordner</translation>
    </message>
    <message>
        <source>Where would you like to store the data?
Click &apos;OK&apos; to accept.
&apos;Cancel&apos; to browse.</source>
        <translation>Wo möchten Sie die Daten speichern?
Klicken Sie auf „OK“, um zu übernehmen,
auf „Abbrechen“, um einen Ordner zu suchen.</translation>
    </message>
    <message>
        <source>Create DataBase file</source>
        <translation>Datenbankdatei anlegen</translation>
    </message>
    <message>
        <source>Pitchwise Database (*.db)|*.db|All Files (*.*)|*.*</source>
        <translation>Pitchwise-Datenbank (*.db)|*.db|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>The file %1 already exists and is not a Pitchwise database. It will not be replaced.</source>
        <translation>Die Datei %1 existiert bereits und ist keine Pitchwise-Datenbank. Sie wird nicht ersetzt.</translation>
    </message>
    <message>
        <source>A Pitchwise database already exists at
%1

Do you want to use it?</source>
        <translation>Es gibt bereits eine Pitchwise-Datenbank unter
%1

Möchten Sie sie verwenden?</translation>
    </message>
    <message>
        <source>The database could not be created:
%1</source>
        <translation>Die Datenbank konnte nicht angelegt werden:
%1</translation>
    </message>
    <message>
        <source>Database Problem</source>
        <translation>Problem mit der Datenbank</translation>
    </message>
    <message>
        <source>Pitchwise cannot use the database
%1

%2

Click &apos;Yes&apos; to pick another database file, &apos;No&apos; to create a new database, or &apos;Cancel&apos; to quit. The file itself is left as it is.</source>
        <translation>Pitchwise kann diese Datenbank nicht verwenden:
%1

%2

Klicken Sie auf „Ja“, um eine andere Datenbankdatei zu wählen, auf „Nein“, um eine neue Datenbank anzulegen, oder auf „Abbrechen“, um zu beenden. Die Datei selbst bleibt unverändert.</translation>
    </message>
    <message>
        <source>This is a folder, not a database file.</source>
        <translation>Dies ist ein Ordner, keine Datenbankdatei.</translation>
    </message>
    <message>
        <source>This is not a file but a pipe or a device.</source>
        <translation>Dies ist keine Datei, sondern eine Pipe oder ein Gerät.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Database In Use</source>
        <translation>Datenbank in Benutzung</translation>
    </message>
    <message>
        <source>%1
is in use by another program.

Click &apos;Yes&apos; to try again, or &apos;No&apos; for other choices.</source>
        <translation>%1
wird von einem anderen Programm benutzt.

Klicken Sie auf „Ja“, um es erneut zu versuchen, oder auf „Nein“ für andere Möglichkeiten.</translation>
    </message>
    <message>
        <source>Open Pitchwise Database</source>
        <translation>Pitchwise-Datenbank öffnen</translation>
    </message>
    <message>
        <source>Read-Only Database</source>
        <translation>Schreibgeschützte Datenbank</translation>
    </message>
    <message>
        <source>%1
can be read but not changed. You can look at everything; changes cannot be saved.</source>
        <translation>%1
kann gelesen, aber nicht geändert werden. Sie können alles ansehen; Änderungen können nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>StatDialog</name>
    <message>
        <source>Game Statistics</source>
        <translation>Spielstatistik</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>Qtrs Avail.:</source>
        <translation>Abschn. verfügb.:</translation>
    </message>
    <message>
        <source>Qtrs Played:</source>
        <translation>Abschn. gespielt:</translation>
    </message>
    <message>
        <source>Field Play</source>
        <translation>Feldspieler</translation>
    </message>
    <message>
        <source>Shots on Goal:</source>
        <translation>Torschüsse:</translation>
    </message>
    <message>
        <source>Goals Scored:</source>
        <translation>Tore:</translation>
    </message>
    <message>
        <source>Blocks/Steals:</source>
        <translation>Blocks/Ballgewinne:</translation>
    </message>
    <message>
        <source>Assists:</source>
        <translation>Vorlagen:</translation>
    </message>
    <message>
        <source>Goalie Play</source>
        <translation>Torwart</translation>
    </message>
    <message>
        <source>Shots on Goal</source>
        <translation>Torschüsse</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <translation>Paraden:</translation>
    </message>
    <message>
        <source>Missed Shots:</source>
        <translation>Schüsse vorbei:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>A backup cannot take the place of the database it is made of.</source>
        <translation>Eine Sicherung kann nicht die Datenbank ersetzen, aus der sie stammt.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Before deleting a team</source>
        <translation>Vor dem Löschen einer Mannschaft</translation>
    </message>
    <message>
        <source>Before deleting a tournament</source>
        <translation>Vor dem Löschen eines Turniers</translation>
    </message>
    <message>
        <source>Before updating the drill library</source>
        <translation>Vor dem Aktualisieren der Übungssammlung</translation>
    </message>
    <message>
        <source>Before restoring a backup</source>
        <translation>Vor dem Wiederherstellen einer Sicherung</translation>
    </message>
    <message>
        <source>Before bringing the database up to date</source>
        <translation>Vor dem Aktualisieren der Datenbank</translation>
    </message>
    <message>
        <source>This database is kept on the club&apos;s PostgreSQL server. Back it up there with pg_dump.</source>
        <translation>Diese Datenbank liegt auf dem PostgreSQL-Server des Vereins. Sichern Sie sie dort mit pg_dump.</translation>
    </message>
    <message>
        <source>%1 is a database of another program, not a Pitchwise database.</source>
        <translation>%1 ist eine Datenbank eines anderen Programms, keine Pitchwise-Datenbank.</translation>
    </message>
    <message>
        <source>%1 was made by a newer version of Pitchwise (database version %2; this version reads up to %3). Install the newer version to use it.</source>
        <translation>%1 wurde von einer neueren Pitchwise-Version angelegt (Datenbankversion %2; diese Version liest bis %3). Installieren Sie die neuere Version, um sie zu verwenden.</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be used.</source>
        <translation>%1 ist beschädigt und kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is not a database.</source>
        <translation>%1 ist keine Datenbank.</translation>
    </message>
    <message>
        <source>The open database can be read but not changed, so no backup can take its place.</source>
        <translation>Die geöffnete Datenbank kann gelesen, aber nicht geändert werden, daher kann keine Sicherung an ihre Stelle treten.</translation>
    </message>
    <message>
        <source>A save is under way. Restore the backup once it has finished.</source>
        <translation>Gerade wird gespeichert. Stellen Sie die Sicherung wieder her, wenn das Speichern fertig ist.</translation>
    </message>
    <message>
        <source>%1 is the database that is open now.</source>
        <translation>%1 ist die Datenbank, die gerade geöffnet ist.</translation>
    </message>
    <message>
        <source>The connection to the database server was lost, so nothing of this change was saved. Pitchwise connects again when it next reads or saves. (%1)</source>
        <translation>Die Verbindung zum Datenbankserver ist abgebrochen, daher wurde nichts von dieser Änderung gespeichert. Pitchwise verbindet sich erneut, wenn es das nächste Mal liest oder speichert. (%1)</translation>
    </message>
    <message>
        <source>The database is in use by another program, which keeps it locked.</source>
        <translation>Die Datenbank wird von einem anderen Programm benutzt, das sie gesperrt hält.</translation>
    </message>
    <message>
        <source>The number is already taken in the database, perhaps by someone saving at the same time. Nothing was saved: open the window again and repeat the change. (%1)</source>
        <translation>Die Nummer ist in der Datenbank schon vergeben, vielleicht von jemandem, der gleichzeitig speichert. Es wurde nichts gespeichert: Öffnen Sie das Fenster erneut und wiederholen Sie die Änderung. (%1)</translation>
    </message>
    <message>
        <source>The port of the database address is not a number from 1 to 65535.</source>
        <translation>Der Port der Datenbankadresse ist keine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>The database address has an option Pitchwise does not know: %1.</source>
        <translation>Die Datenbankadresse hat eine Option, die Pitchwise nicht kennt: %1.</translation>
    </message>
    <message>
        <source>The value of the option %1 of the database address cannot be passed on: use letters, digits and . / : _ + - only.</source>
        <translation>Der Wert der Option %1 der Datenbankadresse kann nicht weitergegeben werden: Verwenden Sie nur Buchstaben, Ziffern und . / : _ + -.</translation>
    </message>
    <message>
        <source>The database driver %1 is not installed on this computer.</source>
        <translation>Der Datenbanktreiber %1 ist auf diesem Computer nicht installiert.</translation>
    </message>
    <message>
        <source>The server of %1 offers no encrypted (TLS) connection, and the address asks for one (sslmode). Ask the club&apos;s administrator to turn TLS on, or remove sslmode from the address. (%2)</source>
        <translation>Der Server von %1 bietet keine verschlüsselte (TLS-)Verbindung, die Adresse verlangt aber eine (sslmode). Bitten Sie den Administrator des Vereins, TLS einzuschalten, oder entfernen Sie sslmode aus der Adresse. (%2)</translation>
    </message>
    <message>
        <source>Could not open the database %1: %2</source>
        <translation>Die Datenbank %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>Es ist keine Datenbank geöffnet.</translation>
    </message>
    <message>
        <source>The statement failed (%1)</source>
        <translation>Die Anweisung ist fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>The statement could not be prepared (%1)</source>
        <translation>Die Anweisung konnte nicht vorbereitet werden (%1)</translation>
    </message>
    <message>
        <source>A transaction could not be started</source>
        <translation>Eine Transaktion konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The changes could not be saved: part of them failed.</source>
        <translation>Die Änderungen konnten nicht gespeichert werden: Ein Teil davon ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The changes could not be saved</source>
        <translation>Die Änderungen konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The drill library %1 is missing; reinstall Pitchwise.</source>
        <translation>Die Übungssammlung %1 fehlt; installieren Sie Pitchwise neu.</translation>
    </message>
    <message>
        <source>The file %1 already exists.</source>
        <translation>Die Datei %1 existiert bereits.</translation>
    </message>
    <message>
        <source>The database file %1 could not be written.</source>
        <translation>Die Datenbankdatei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 is not a Pitchwise database (it has no %2).</source>
        <translation>%1 ist keine Pitchwise-Datenbank (ihr fehlt %2).</translation>
    </message>
    <message>
        <source>Failed Update</source>
        <translation>Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 in %2 was not updated with %3</source>
        <translation>%1 in %2 wurde nicht mit %3 aktualisiert</translation>
    </message>
    <message>
        <source>No %1 numbers are left in %2.</source>
        <translation>In %2 sind keine %1-Nummern mehr frei.</translation>
    </message>
    <message>
        <source>Database file</source>
        <translation>Datenbankdatei</translation>
    </message>
    <message>
        <source>Enter the database file, or the address of a PostgreSQL database. Pitchwise needs one to start.</source>
        <translation>Geben Sie die Datenbankdatei oder die Adresse einer PostgreSQL-Datenbank ein. Pitchwise braucht eine, um zu starten.</translation>
    </message>
    <message>
        <source>Wrong Password</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>The passwords to not match. Please re-enter them</source>
        <translation>Die Passwörter stimmen nicht überein. Bitte geben Sie sie erneut ein</translation>
    </message>
    <message>
        <source>Server Name</source>
        <translation>Servername</translation>
    </message>
    <message>
        <source>The Server Name is not the address of a mail server: %1.
Type the server&apos;s name, such as mail.example.org, with the port when the club gives one (mail.example.org:587), or smtps://mail.example.org for a connection that is encrypted from the start.</source>
        <translation>Der Servername ist nicht die Adresse eines Mailservers: %1.
Geben Sie den Namen des Servers ein, etwa mail.example.org, mit dem Port, wenn der Verein einen nennt (mail.example.org:587), oder smtps://mail.example.org für eine von Anfang an verschlüsselte Verbindung.</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>The User Name holds a line break, a tab or another control character. Type it again.</source>
        <translation>Der Benutzername enthält einen Zeilenumbruch, einen Tabulator oder ein anderes Steuerzeichen. Geben Sie ihn erneut ein.</translation>
    </message>
    <message>
        <source>The setting %1 could not be saved in %2</source>
        <translation>Die Einstellung %1 konnte nicht in %2 gespeichert werden</translation>
    </message>
    <message>
        <source>%1 could not be written to the disk.</source>
        <translation>%1 konnte nicht auf die Festplatte geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TeamCalendar</name>
    <message>
        <source>Team %1 is not in the database.</source>
        <translation>Mannschaft %1 ist nicht in der Datenbank.</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Mannschaft %1</translation>
    </message>
    <message>
        <source>Wear: %1 (the opponent plays in %2)</source>
        <translation>Trikot: %1 (der Gegner spielt in %2)</translation>
    </message>
    <message>
        <source>Wear: %1 jersey</source>
        <translation>Trikot: %1</translation>
    </message>
    <message>
        <source>Wear: %1 shorts</source>
        <translation>Hose: %1</translation>
    </message>
    <message>
        <source>Wear: %1 jersey, %2 shorts</source>
        <translation>Trikot: %1, Hose: %2</translation>
    </message>
    <message>
        <source>Coach: %1</source>
        <translation>Trainer: %1</translation>
    </message>
    <message>
        <source>Coach&apos;s phone: %1</source>
        <translation>Telefon des Trainers: %1</translation>
    </message>
    <message>
        <source>Coach: %1, %2</source>
        <translation>Trainer: %1, %2</translation>
    </message>
    <message>
        <source>Tournament game, round %1</source>
        <translation>Turnierspiel, Runde %1</translation>
    </message>
    <message>
        <source>%1, round %2</source>
        <translation>%1, Runde %2</translation>
    </message>
    <message>
        <source>%1 game</source>
        <translation>Spiel von %1</translation>
    </message>
    <message>
        <source>%1 vs %2</source>
        <translation>%1 gegen %2</translation>
    </message>
    <message>
        <source>Team Meeting</source>
        <translation>Besprechung</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>The calendar could not be written to %1: %2</source>
        <translation>Der Kalender konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TeamFields</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>League:</source>
        <translation>Liga:</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Mannschaft:</translation>
    </message>
    <message>
        <source>Club Name:</source>
        <translation>Verein:</translation>
    </message>
    <message>
        <source>Standings:</source>
        <translation>Tabelle:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Homepage:</translation>
    </message>
    <message>
        <source>Tournament Play</source>
        <translation>Turniere</translation>
    </message>
    <message>
        <source>Coach must manage fees</source>
        <translation>Trainer verwaltet Beiträge</translation>
    </message>
    <message>
        <source>Team Fee</source>
        <translation>Mannschaftsbeitrag</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>Season:</source>
        <translation>Saison:</translation>
    </message>
    <message>
        <source>Example: Fall 2003</source>
        <translation>Beispiel: Herbst 2003</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Altersklasse</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Alter:</translation>
    </message>
    <message>
        <source>Age Cut-off Date:</source>
        <translation>Stichtag Alter:</translation>
    </message>
    <message>
        <source>Boys</source>
        <translation>Jungen</translation>
    </message>
    <message>
        <source>Girls</source>
        <translation>Mädchen</translation>
    </message>
    <message>
        <source>Co-Ed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Game Data</source>
        <translation>Spieldaten</translation>
    </message>
    <message>
        <source>Periods/Game:</source>
        <translation>Abschnitte/Spiel:</translation>
    </message>
    <message>
        <source>Players on the field:</source>
        <translation>Spieler auf dem Platz:</translation>
    </message>
    <message>
        <source>Minutes/Period:</source>
        <translation>Minuten/Abschnitt:</translation>
    </message>
    <message>
        <source>Min Periods Req.:</source>
        <translation>Mind. Abschnitte:</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Erfassung</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Jersey:</source>
        <translation>Trikot:</translation>
    </message>
    <message>
        <source>Shorts:</source>
        <translation>Hose:</translation>
    </message>
    <message>
        <source>Alternate:</source>
        <translation>Ausweichtrikot:</translation>
    </message>
    <message>
        <source>Play Time Tracking</source>
        <translation>Spielzeit erfassen</translation>
    </message>
    <message>
        <source>Track by Quarter</source>
        <translation>Nach Abschnitten</translation>
    </message>
    <message>
        <source>Track by Time</source>
        <translation>Nach Minuten</translation>
    </message>
    <message>
        <source>Captain Tracking</source>
        <translation>Kapitäne</translation>
    </message>
    <message>
        <source>Different Captains for each game</source>
        <translation>Jedes Spiel eigene Kapitäne</translation>
    </message>
    <message>
        <source>Select captains for the season</source>
        <translation>Kapitäne für die Saison wählen</translation>
    </message>
    <message>
        <source>Coaches</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Zip Code:</source>
        <translation>PLZ:</translation>
    </message>
    <message>
        <source>Mobile Ph:</source>
        <translation>Handy:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Assist. Coach</source>
        <translation>Co-Trainer</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Monday start</source>
        <translation>Montag Beginn</translation>
    </message>
    <message>
        <source>Monday end</source>
        <translation>Montag Ende</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Tuesday start</source>
        <translation>Dienstag Beginn</translation>
    </message>
    <message>
        <source>Tuesday end</source>
        <translation>Dienstag Ende</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Wednesday start</source>
        <translation>Mittwoch Beginn</translation>
    </message>
    <message>
        <source>Wednesday end</source>
        <translation>Mittwoch Ende</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Thursday start</source>
        <translation>Donnerstag Beginn</translation>
    </message>
    <message>
        <source>Thursday end</source>
        <translation>Donnerstag Ende</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Friday start</source>
        <translation>Freitag Beginn</translation>
    </message>
    <message>
        <source>Friday end</source>
        <translation>Freitag Ende</translation>
    </message>
    <message>
        <source>Reporting</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Email address to Send Game Results</source>
        <translation>E-Mail-Adresse für Spielergebnisse</translation>
    </message>
    <message>
        <source>Point Calculations</source>
        <translation>Punktwertung</translation>
    </message>
    <message>
        <source>Win =</source>
        <translation>Sieg =</translation>
    </message>
    <message>
        <source>Tie =</source>
        <translation>Unentschieden =</translation>
    </message>
    <message>
        <source>Loss =</source>
        <translation>Niederlage =</translation>
    </message>
</context>
<context>
    <name>Teams</name>
    <message>
        <source>The team number must be a whole number from 1 to 32767.</source>
        <translation>Die Mannschaftsnummer muss eine ganze Zahl von 1 bis 32767 sein.</translation>
    </message>
    <message>
        <source>The number %1 is already used by %2. Choose another number.</source>
        <translation>Die Nummer %1 hat bereits %2. Wählen Sie eine andere Nummer.</translation>
    </message>
    <message>
        <source>A player needs a team and a number from 1 up.</source>
        <translation>Ein Spieler braucht eine Mannschaft und eine Nummer ab 1.</translation>
    </message>
    <message>
        <source>A team needs a number from 1 up.</source>
        <translation>Eine Mannschaft braucht eine Nummer ab 1.</translation>
    </message>
</context>
<context>
    <name>Tournaments</name>
    <message>
        <source>Tournament %1 is not a tournament number a team can have.</source>
        <translation>Turnier %1 ist keine Turniernummer, die eine Mannschaft haben kann.</translation>
    </message>
    <message>
        <source>Game Time</source>
        <translation>Anstoßzeit</translation>
    </message>
    <message>
        <source>Date: %1<byte value="xd"/>
Time: %2<byte value="xd"/>
Field: %3<byte value="xd"/>
(Double-Click to Modify)</source>
        <translation>Datum: %1<byte value="xd"/>
Zeit: %2<byte value="xd"/>
Platz: %3<byte value="xd"/>
(Doppelklick zum Ändern)</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>This team already has tournament %1, the highest number a tournament can have; no more tournaments can be added.</source>
        <translation>Diese Mannschaft hat bereits Turnier %1, die höchste mögliche Turniernummer; es können keine weiteren Turniere hinzugefügt werden.</translation>
    </message>
    <message>
        <source>You must supply a tournament name.</source>
        <translation>Sie müssen einen Turniernamen angeben.</translation>
    </message>
    <message>
        <source>A tournament has 1 to %1 rounds.</source>
        <translation>Ein Turnier hat 1 bis %1 Runden.</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The transfer library could not start</source>
        <translation>Die Übertragungsbibliothek konnte nicht starten</translation>
    </message>
    <message>
        <source>%1 could not be put in place: %2</source>
        <translation>%1 konnte nicht an seinen Platz gebracht werden: %2</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>The update server &quot;%1&quot; is not an FTP address</source>
        <translation>Der Update-Server „%1“ ist keine FTP-Adresse</translation>
    </message>
    <message>
        <source>The version file has text after its signature</source>
        <translation>Die Versionsdatei hat Text nach ihrer Signatur</translation>
    </message>
    <message>
        <source>The version file&apos;s signature cannot be read</source>
        <translation>Die Signatur der Versionsdatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The version file lists %1 more than once</source>
        <translation>Die Versionsdatei nennt %1 mehr als einmal</translation>
    </message>
    <message>
        <source>The table %1 of the downloaded drills has no DrillID</source>
        <translation>Die Tabelle %1 der heruntergeladenen Übungen hat keine Spalte DrillID</translation>
    </message>
    <message>
        <source>%1 was not found after download</source>
        <translation>%1 wurde nach dem Herunterladen nicht gefunden</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The version file is not signed</source>
        <translation>Die Versionsdatei ist nicht signiert</translation>
    </message>
    <message>
        <source>The version file&apos;s signature does not match the release key</source>
        <translation>Die Signatur der Versionsdatei passt nicht zum Release-Schlüssel</translation>
    </message>
    <message>
        <source>%1: the update was refused</source>
        <translation>%1: das Update wurde abgelehnt</translation>
    </message>
    <message>
        <source>The version file is empty</source>
        <translation>Die Versionsdatei ist leer</translation>
    </message>
    <message>
        <source>The version file holds no version number</source>
        <translation>Die Versionsdatei enthält keine Versionsnummer</translation>
    </message>
    <message>
        <source>The downloaded %1 is not a database</source>
        <translation>Die heruntergeladene Datei %1 ist keine Datenbank</translation>
    </message>
    <message>
        <source>The downloaded %1 holds no drills</source>
        <translation>Die heruntergeladene Datei %1 enthält keine Übungen</translation>
    </message>
    <message>
        <source>The built-in drills were not changed: %1</source>
        <translation>Die mitgelieferten Übungen wurden nicht geändert: %1</translation>
    </message>
    <message>
        <source>No temporary folder of your own: nothing was downloaded</source>
        <translation>Kein eigener temporärer Ordner: Es wurde nichts heruntergeladen</translation>
    </message>
    <message>
        <source>No update server is set</source>
        <translation>Es ist kein Update-Server eingestellt</translation>
    </message>
    <message>
        <source>%1 could not be downloaded: %2</source>
        <translation>%1 konnte nicht heruntergeladen werden: %2</translation>
    </message>
    <message>
        <source>Not downloaded: the version file could not be used</source>
        <translation>Nicht heruntergeladen: Die Versionsdatei war nicht verwendbar</translation>
    </message>
    <message>
        <source>Version %1 is available</source>
        <translation>Version %1 ist verfügbar</translation>
    </message>
    <message>
        <source>New Version Downloaded</source>
        <translation>Neue Version heruntergeladen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1 was refused: the version file lists no SHA-256 sum for it</source>
        <translation>%1 wurde abgelehnt: Die Versionsdatei nennt keine SHA-256-Summe dafür</translation>
    </message>
    <message>
        <source>%1 was refused: its SHA-256 sum does not match the version file</source>
        <translation>%1 wurde abgelehnt: Seine SHA-256-Summe stimmt nicht mit der Versionsdatei überein</translation>
    </message>
    <message>
        <source>Pitchwise is up to date</source>
        <translation>Pitchwise ist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>System Drills Downloaded</source>
        <translation>Systemübungen heruntergeladen</translation>
    </message>
    <message>
        <source>%1 drills were added</source>
        <translation>%1 Übungen wurden hinzugefügt</translation>
    </message>
    <message>
        <source>No file to update</source>
        <translation>Keine Datei zum Aktualisieren</translation>
    </message>
    <message>
        <source>Cancelled: nothing was installed</source>
        <translation>Abgebrochen: Es wurde nichts installiert</translation>
    </message>
    <message>
        <source>Pitchwise closes to finish the update</source>
        <translation>Pitchwise wird geschlossen, um das Update abzuschließen</translation>
    </message>
    <message>
        <source>The update was not completed</source>
        <translation>Das Update wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Fehler beim Herunterladen</translation>
    </message>
    <message>
        <source>Pitchwise update was not completed because some files were not completely downloaded.</source>
        <translation>Das Pitchwise-Update wurde nicht abgeschlossen, weil einige Dateien nicht vollständig heruntergeladen wurden.</translation>
    </message>
    <message>
        <source>Pitchwise update was not completed because %1 was refused: its check failed.</source>
        <translation>Das Pitchwise-Update wurde nicht abgeschlossen, weil %1 abgelehnt wurde: Die Prüfung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>%1 or %2 was not found after download</source>
        <translation>%1 oder %2 wurde nach dem Herunterladen nicht gefunden</translation>
    </message>
    <message>
        <source>%1 changed after its download</source>
        <translation>%1 hat sich nach dem Herunterladen verändert</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>The updater %1 could not be started. Pitchwise was not changed.</source>
        <translation>Das Aktualisierungsprogramm %1 konnte nicht gestartet werden. Pitchwise wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Pitchwise will now close so that the new version can be installed. It starts again by itself when the update is done.</source>
        <translation>Pitchwise wird jetzt geschlossen, damit die neue Version installiert werden kann. Nach dem Update startet es von selbst wieder.</translation>
    </message>
    <message>
        <source>Pitchwise was installed from a system package. Updates come through your package manager.</source>
        <translation>Pitchwise wurde aus einem Systempaket installiert. Updates kommen über Ihre Paketverwaltung.</translation>
    </message>
</context>
<context>
    <name>cfgDialog</name>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Database file</source>
        <translation>&amp;Datenbankdatei</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>D&amp;urchsuchen...</translation>
    </message>
    <message>
        <source>Display Names</source>
        <translation>Namensanzeige</translation>
    </message>
    <message>
        <source>Smith, John</source>
        <translation>Müller, Jonas</translation>
    </message>
    <message>
        <source>Smith, J</source>
        <translation>Müller, J</translation>
    </message>
    <message>
        <source>John S.</source>
        <translation>Jonas M.</translation>
    </message>
    <message>
        <source>Team Logo Icon</source>
        <translation>Mannschaftslogo</translation>
    </message>
    <message>
        <source>&amp;Pick Logo</source>
        <translation>&amp;Logo wählen</translation>
    </message>
    <message>
        <source>Email Server Information</source>
        <translation>E-Mail-Server</translation>
    </message>
    <message>
        <source>&amp;Server Name</source>
        <translation>&amp;Servername</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Benutzername</translation>
    </message>
    <message>
        <source>P&amp;assword</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>&amp;Confirm Password</source>
        <translation>Passwort bes&amp;tätigen</translation>
    </message>
    <message>
        <source>Debug &amp;Email</source>
        <translation>&amp;E-Mail-Fehlersuche</translation>
    </message>
    <message>
        <source>Allow u&amp;nencrypted connection</source>
        <translation>U&amp;nverschlüsselte Verbindung erlauben</translation>
    </message>
    <message>
        <source>Only for a club server that offers no encryption: the password then travels unprotected.</source>
        <translation>Nur für einen Vereinsserver ohne Verschlüsselung: Das Passwort wird dann ungeschützt übertragen.</translation>
    </message>
    <message>
        <source>Keep exported calendar up to date</source>
        <translation>Exportierten Kalender aktuell halten</translation>
    </message>
    <message>
        <source>After every change to a team&apos;s games or practices, its last exported calendar file is written again.</source>
        <translation>Nach jeder Änderung an Spielen oder Trainings einer Mannschaft wird ihre zuletzt exportierte Kalenderdatei neu geschrieben.</translation>
    </message>
    <message>
        <source>Backups to &amp;keep</source>
        <translation>Aufzubewahrende Si&amp;cherungen</translation>
    </message>
    <message>
        <source>How many automatic backups stay in the Backups folder beside the database; the oldest go first.</source>
        <translation>Wie viele automatische Sicherungen im Ordner „Backups“ neben der Datenbank bleiben; die ältesten werden zuerst entfernt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>pw::BracketView</name>
    <message>
        <source>Bracket</source>
        <translation>Turnierbaum</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Round %1, game %2: %3</source>
        <translation>Runde %1, Spiel %2: %3</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Sieger: %1</translation>
    </message>
    <message>
        <source>Round %1, position %2: %3</source>
        <translation>Runde %1, Position %2: %3</translation>
    </message>
</context>
<context>
    <name>pw::CaptainGamesModel</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
</context>
<context>
    <name>pw::CheckUpdates</name>
    <message>
        <source>Check For Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Pitchwise found no temporary folder that only you can use, so nothing can be downloaded.</source>
        <translation>Pitchwise hat keinen temporären Ordner gefunden, den nur Sie benutzen können, daher kann nichts heruntergeladen werden.</translation>
    </message>
    <message>
        <source>Pitchwise found no temporary folder that only you can use, so nothing can be downloaded.

%1</source>
        <translation>Pitchwise hat keinen temporären Ordner gefunden, den nur Sie benutzen können, daher kann nichts heruntergeladen werden.

%1</translation>
    </message>
    <message>
        <source>Pitchwise looks on your club&apos;s update server for a newer version of the program and for the newest built-in drills. Drills you made yourself, and everything else you entered, stay as they are. Press Check to begin.</source>
        <translation>Pitchwise sucht auf dem Update-Server Ihres Vereins nach einer neueren Version des Programms und nach den neuesten mitgelieferten Übungen. Ihre eigenen Übungen und alles andere, was Sie eingegeben haben, bleiben unverändert. Klicken Sie auf „Suchen“, um zu beginnen.</translation>
    </message>
    <message>
        <source>Update steps</source>
        <translation>Update-Schritte</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Download-Fortschritt</translation>
    </message>
    <message>
        <source>Cancel is pending</source>
        <translation>Abbruch läuft</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Check for a new version of Pitchwise</source>
        <translation>Nach einer neuen Version von Pitchwise suchen</translation>
    </message>
    <message>
        <source>Download the new version and its updater</source>
        <translation>Die neue Version und ihr Aktualisierungsprogramm herunterladen</translation>
    </message>
    <message>
        <source>Download the newest built-in drills</source>
        <translation>Die neuesten mitgelieferten Übungen herunterladen</translation>
    </message>
    <message>
        <source>Finish the update</source>
        <translation>Das Update abschließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>pw::DrillBench</name>
    <message>
        <source>The Bench</source>
        <translation>Die Bank</translation>
    </message>
    <message>
        <source>Drop a marker here to take it off the field</source>
        <translation>Legen Sie eine Markierung hier ab, um sie vom Feld zu nehmen</translation>
    </message>
</context>
<context>
    <name>pw::DrillField</name>
    <message>
        <source>column %1, row %2</source>
        <translation>Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>Drill field</source>
        <translation>Übungsfeld</translation>
    </message>
    <message>
        <source>Page Up and Page Down pick a marker, the arrow keys move it, Delete puts it on the bench; the mouse draws lines.</source>
        <translation>Bild auf und Bild ab wählen eine Markierung, die Pfeiltasten bewegen sie, Entf legt sie auf die Bank; mit der Maus zeichnen Sie Linien.</translation>
    </message>
    <message>
        <source>Unknown marker</source>
        <translation>Unbekannte Markierung</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>run</source>
        <translation>Laufweg</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%2 (%1) %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>von %1 nach %2</translation>
    </message>
</context>
<context>
    <name>pw::EditWindow</name>
    <message>
        <source>Save Data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Möchten Sie Ihre Änderungen speichern?</translation>
    </message>
</context>
<context>
    <name>pw::FeeModel</name>
    <message>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Amount Paid</source>
        <translation>Bezahlt</translation>
    </message>
</context>
<context>
    <name>pw::FieldConfig</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Seite:</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No printer is installed on this computer. Use &quot;Save as PDF…&quot; in the preview to keep the printout as a file and print it elsewhere.</source>
        <translation>Auf diesem Computer ist kein Drucker installiert. Verwenden Sie „Als PDF speichern…“ in der Vorschau, um den Ausdruck als Datei zu behalten und woanders zu drucken.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Do you want to see a preview of the printout?</source>
        <translation>Möchten Sie eine Vorschau des Ausdrucks sehen?</translation>
    </message>
</context>
<context>
    <name>pw::FieldView</name>
    <message>
        <source>Field</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Place %1 in period %2</source>
        <translation>%1 in Abschnitt %2 aufstellen</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Captain %1, %2</source>
        <translation>Kapitän %1, %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, locked</source>
        <translation>%1, gesperrt</translation>
    </message>
</context>
<context>
    <name>pw::GameSetup</name>
    <message>
        <source>Period %1</source>
        <translation>Abschnitt %1</translation>
    </message>
    <message>
        <source>1st Period</source>
        <translation>1. Abschnitt</translation>
    </message>
    <message>
        <source>2nd Period</source>
        <translation>2. Abschnitt</translation>
    </message>
    <message>
        <source>3rd Period</source>
        <translation>3. Abschnitt</translation>
    </message>
    <message>
        <source>4th Period</source>
        <translation>4. Abschnitt</translation>
    </message>
    <message>
        <source>Lineup for %1</source>
        <translation>Aufstellung für %1</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>Data has been change, do you want to save it?</source>
        <translation>Die Daten wurden geändert. Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Kader</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Save Setup</source>
        <translation>Aufstellung &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Delete Setup</source>
        <translation>Aufstellung &amp;löschen</translation>
    </message>
    <message>
        <source>Lineup for game %1</source>
        <translation>Aufstellung für Spiel %1</translation>
    </message>
    <message>
        <source>Stat Sheet</source>
        <translation>Statistikbogen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Lineup</source>
        <translation>Aufstellung</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Game &amp;Notes</source>
        <translation>Spiel&amp;notizen</translation>
    </message>
    <message>
        <source>&amp;Captain History</source>
        <translation>&amp;Kapitänsverlauf</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Mark as Captain</source>
        <translation>Als Kapitän markieren</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>NOT available</source>
        <translation>NICHT verfügbar</translation>
    </message>
    <message>
        <source>Play Time History</source>
        <translation>Spielzeitverlauf</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Player Placement</source>
        <translation>Spieler aufstellen</translation>
    </message>
    <message>
        <source>All players have been placed.</source>
        <translation>Alle Spieler wurden aufgestellt.</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>%1 aufstellen</translation>
    </message>
    <message>
        <source>Take off %1</source>
        <translation>%1 herausnehmen</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <source>Unmark as Captain</source>
        <translation>Kapitänsmarkierung entfernen</translation>
    </message>
    <message>
        <source>Play Time History for: %1</source>
        <translation>Spielzeitverlauf für: %1</translation>
    </message>
    <message>
        <source>Suggest Line-up</source>
        <translation>Aufstellung vorschlagen</translation>
    </message>
    <message>
        <source>Re-plan from Period %1</source>
        <translation>Ab Abschnitt %1 neu planen</translation>
    </message>
</context>
<context>
    <name>pw::HelpWindow</name>
    <message>
        <source>Pitchwise Help</source>
        <translation>Pitchwise-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Type the keyword to find:</source>
        <translation>Stichwort &amp;eingeben:</translation>
    </message>
    <message>
        <source>&amp;Words to search for:</source>
        <translation>&amp;Wörter, nach denen gesucht wird:</translation>
    </message>
    <message>
        <source>&amp;List Topics</source>
        <translation>&amp;Auflisten</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>No topics found.</source>
        <translation>Keine Themen gefunden.</translation>
    </message>
</context>
<context>
    <name>pw::LineupBoard</name>
    <message>
        <source>No Period Selected</source>
        <translation>Kein Abschnitt gewählt</translation>
    </message>
    <message>
        <source>Player Not Available</source>
        <translation>Spieler nicht verfügbar</translation>
    </message>
    <message>
        <source>Player already selected</source>
        <translation>Spieler bereits ausgewählt</translation>
    </message>
</context>
<context>
    <name>pw::LineupModel</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Not available in period %1</source>
        <translation>In Abschnitt %1 nicht verfügbar</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>pw::MailRun</name>
    <message>
        <source>sending was cancelled</source>
        <translation>das Senden wurde abgebrochen</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer within %2 seconds</source>
        <translation>der Mailserver %1 hat nicht innerhalb von %2 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>the mailer failed (code %1)</source>
        <translation>das Mailprogramm ist fehlgeschlagen (Code %1)</translation>
    </message>
</context>
<context>
    <name>pw::MainForm</name>
    <message>
        <source>Pitchwise</source>
        <translation>Pitchwise</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Weitere Befehle</translation>
    </message>
    <message>
        <source>Teams and games</source>
        <translation>Mannschaften und Spiele</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Kader</translation>
    </message>
    <message>
        <source>Player games</source>
        <translation>Spiele des Spielers</translation>
    </message>
    <message>
        <source>Team Totals:</source>
        <translation>Mannschaft gesamt:</translation>
    </message>
    <message>
        <source>Opponent:</source>
        <translation>Gegner:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>Score of Selected Game</source>
        <translation>Ergebnis des gewählten Spiels</translation>
    </message>
    <message>
        <source>Record: 0 - 0 - 0</source>
        <translation>Bilanz: 0 - 0 - 0</translation>
    </message>
    <message>
        <source>Win/Loss Record</source>
        <translation>Bilanz (Siege - Niederlagen - Unentschieden)</translation>
    </message>
    <message>
        <source>Point Total: 0</source>
        <translation>Punkte: 0</translation>
    </message>
    <message>
        <source>Point Total for Standings</source>
        <translation>Punkte für die Tabelle</translation>
    </message>
    <message>
        <source>Players: </source>
        <translation>Spieler: </translation>
    </message>
    <message>
        <source>Player Count</source>
        <translation>Anzahl Spieler</translation>
    </message>
    <message>
        <source>Point Values</source>
        <translation>Punktwerte</translation>
    </message>
    <message>
        <source>The points for a win, a tie and a loss of this team (&quot;%1&quot;) are not three whole numbers, so they count as 0. Correct them in the team information.</source>
        <translation>Die Punkte für Sieg, Unentschieden und Niederlage dieser Mannschaft („%1“) sind nicht drei ganze Zahlen, daher zählen sie als 0. Korrigieren Sie sie in den Mannschaftsdaten.</translation>
    </message>
    <message>
        <source>Player Count: %1</source>
        <translation>Anzahl Spieler: %1</translation>
    </message>
    <message>
        <source>Opponent: %1</source>
        <translation>Gegner: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>Player games: %1</source>
        <translation>Spiele des Spielers: %1</translation>
    </message>
    <message>
        <source>No Game Selected</source>
        <translation>Kein Spiel ausgewählt</translation>
    </message>
    <message>
        <source>Select the game in which to add statistics.</source>
        <translation>Wählen Sie das Spiel, für das Sie Statistiken eintragen möchten.</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Ungültige URL</translation>
    </message>
    <message>
        <source>Unable to open Standings page.</source>
        <translation>Die Tabellenseite konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Shots:</source>
        <translation>Schüsse:</translation>
    </message>
    <message>
        <source>Goals:</source>
        <translation>Tore:</translation>
    </message>
    <message>
        <source>Steals:</source>
        <translation>Ballgewinne:</translation>
    </message>
    <message>
        <source>Assists:</source>
        <translation>Vorlagen:</translation>
    </message>
    <message>
        <source>Shots on Goal:</source>
        <translation>Torschüsse:</translation>
    </message>
    <message>
        <source>OverShot:</source>
        <translation>Vorbei:</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <translation>Paraden:</translation>
    </message>
</context>
<context>
    <name>pw::MarkerPaletteItem</name>
    <message>
        <source>Enter places one in the middle of the field; drag it onto the field to place it.</source>
        <translation>Eingabe setzt eine in die Mitte des Felds; ziehen Sie sie auf das Feld, um sie zu platzieren.</translation>
    </message>
</context>
<context>
    <name>pw::NewTeamWiz</name>
    <message>
        <source>General Information</source>
        <translation>Allgemeine Angaben</translation>
    </message>
    <message>
        <source>Session Information</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>Tracking Information</source>
        <translation>Erfassung</translation>
    </message>
    <message>
        <source>Coaches information</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Training Information</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Reporting Information</source>
        <translation>Ergebnismeldung</translation>
    </message>
    <message>
        <source>Fill in the information about the team in general.</source>
        <translation>Füllen Sie die allgemeinen Angaben zur Mannschaft aus.</translation>
    </message>
    <message>
        <source>League:</source>
        <translation>Liga:</translation>
    </message>
    <message>
        <source>(REQUIRED) The name of the association to which your team belongs.</source>
        <translation>(PFLICHT) Der Name des Verbands, zu dem Ihre Mannschaft gehört.</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Mannschaft:</translation>
    </message>
    <message>
        <source>(REQUIRED) The name your team is know by in the association</source>
        <translation>(PFLICHT) Der Name, unter dem Ihre Mannschaft im Verband geführt wird</translation>
    </message>
    <message>
        <source>Club Name:</source>
        <translation>Verein:</translation>
    </message>
    <message>
        <source>(REQUIRED) The name of your team, could be a sponser&apos;s name or one you make up.</source>
        <translation>(PFLICHT) Der Name Ihrer Mannschaft, etwa der eines Sponsors oder ein selbst ausgedachter.</translation>
    </message>
    <message>
        <source>Standings:</source>
        <translation>Tabelle:</translation>
    </message>
    <message>
        <source>The address of a web-site that shows your teams standings.</source>
        <translation>Die Adresse einer Website, die die Tabelle Ihrer Mannschaft zeigt.</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Homepage:</translation>
    </message>
    <message>
        <source>The address of your associations web-site.</source>
        <translation>Die Adresse der Website Ihres Verbands.</translation>
    </message>
    <message>
        <source>Tournament Play:</source>
        <translation>Turniere:</translation>
    </message>
    <message>
        <source>Check if your team will participate in one or more tournaments.</source>
        <translation>Ankreuzen, wenn Ihre Mannschaft an einem oder mehreren Turnieren teilnimmt.</translation>
    </message>
    <message>
        <source>This information is about the current session.</source>
        <translation>Diese Angaben betreffen die aktuelle Saison.</translation>
    </message>
    <message>
        <source>Season/Session:</source>
        <translation>Saison:</translation>
    </message>
    <message>
        <source>(REQUIRED) Although it is not critical, it is required to distinguish this team from another in the same league and with the same name.</source>
        <translation>(PFLICHT) Nicht entscheidend, aber nötig, um diese Mannschaft von einer anderen in derselben Liga mit demselben Namen zu unterscheiden.</translation>
    </message>
    <message>
        <source>All other data is self-explanatory and is required.</source>
        <translation>Alle übrigen Angaben erklären sich selbst und sind Pflicht.</translation>
    </message>
    <message>
        <source>Fill in the information about team colors and how to deal with captains.</source>
        <translation>Füllen Sie die Angaben zu den Mannschaftsfarben und zum Umgang mit Kapitänen aus.</translation>
    </message>
    <message>
        <source>You can decide to have different captains for each game, or 1 set of captains for the entire season.</source>
        <translation>Sie können für jedes Spiel andere Kapitäne haben oder eine Gruppe Kapitäne für die ganze Saison.</translation>
    </message>
    <message>
        <source>Fill in the information about the Head Coach and the assistants</source>
        <translation>Füllen Sie die Angaben zum Trainer und zu den Co-Trainern aus</translation>
    </message>
    <message>
        <source>the Head Coach and Head Coach Phone number is REQUIRED.</source>
        <translation>Name und Telefonnummer des Trainers sind PFLICHT.</translation>
    </message>
    <message>
        <source>If you supply any assistance coaches names, you must specify a phone number for that coach.</source>
        <translation>Wenn Sie Namen von Co-Trainern angeben, müssen Sie für jeden eine Telefonnummer angeben.</translation>
    </message>
    <message>
        <source>This information will be printed on the schedule and other documents that are sent out.</source>
        <translation>Diese Angaben werden auf den Spielplan und andere verschickte Unterlagen gedruckt.</translation>
    </message>
    <message>
        <source>When a check is placed by the day of the week, the textbox to the right is enabled and you can enter a time.</source>
        <translation>Wenn ein Wochentag angekreuzt ist, wird das Feld rechts daneben frei und Sie können eine Uhrzeit eingeben.</translation>
    </message>
    <message>
        <source>Some associations/clubs prefer that game results be E-mailed to a particular person. Enter the E-mail address of the person you need send this information to.</source>
        <translation>Manche Verbände/Vereine möchten die Spielergebnisse per E-Mail an eine bestimmte Person. Geben Sie die E-Mail-Adresse der Person ein, an die Sie diese Angaben senden müssen.</translation>
    </message>
    <message>
        <source>In a point system, points are awarded for each win, tie, and loss. Enter the points your association/club awards for these outcomes.</source>
        <translation>Bei einer Punktwertung gibt es Punkte für jeden Sieg, jedes Unentschieden und jede Niederlage. Geben Sie die Punkte ein, die Ihr Verband/Verein dafür vergibt.</translation>
    </message>
    <message>
        <source>New Team Wizard</source>
        <translation>Assistent für neue Mannschaften</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Missing Data</source>
        <translation>Fehlende Angaben</translation>
    </message>
    <message>
        <source>Critical Data for %1 is missing.</source>
        <translation>Wichtige Angaben für %1 fehlen.</translation>
    </message>
    <message>
        <source>Critical data is missing for: %1</source>
        <translation>Wichtige Angaben fehlen für: %1</translation>
    </message>
    <message>
        <source>Some required fields in the %1 section has not been completed.
Check the information to the left and fill in the missing data.
You will be able to change this information from within Pitchwise.</source>
        <translation>Einige Pflichtfelder im Bereich %1 sind nicht ausgefüllt.
Prüfen Sie die Angaben links und füllen Sie die fehlenden aus.
Sie können diese Angaben später in Pitchwise ändern.</translation>
    </message>
    <message>
        <source>If you cancel now, Pitchwise will not start and at the next startup, you will have to re-enter all information.
Are you sure you want to cancel?</source>
        <translation>Wenn Sie jetzt abbrechen, startet Pitchwise nicht, und beim nächsten Start müssen Sie alle Angaben erneut eingeben.
Möchten Sie wirklich abbrechen?</translation>
    </message>
    <message>
        <source>The new team will not be saved.
Are you sure you want to cancel?</source>
        <translation>Die neue Mannschaft wird nicht gespeichert.
Möchten Sie wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Confirm Cancel</source>
        <translation>Abbrechen bestätigen</translation>
    </message>
</context>
<context>
    <name>pw::NoteListModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Date Sent</source>
        <translation>Gesendet am</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
</context>
<context>
    <name>pw::Notes</name>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>the player&apos;s E-Mail</source>
        <translation>die E-Mail des Spielers</translation>
    </message>
    <message>
        <source>the mother&apos;s E-Mail</source>
        <translation>die E-Mail der Mutter</translation>
    </message>
    <message>
        <source>the father&apos;s E-Mail</source>
        <translation>die E-Mail des Vaters</translation>
    </message>
    <message>
        <source>Coach %1</source>
        <translation>Trainer %1</translation>
    </message>
    <message>
        <source>the coach&apos;s Email</source>
        <translation>die E-Mail des Trainers</translation>
    </message>
    <message>
        <source>the assistant coach&apos;s Email</source>
        <translation>die E-Mail des Co-Trainers</translation>
    </message>
    <message>
        <source>Results of %1 %2 %3 %4</source>
        <translation>Ergebnis von %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>Please respond to this E-mail to verify that you received this information.</source>
        <translation>Bitte antworten Sie auf diese E-Mail, um zu bestätigen, dass Sie diese Angaben erhalten haben.</translation>
    </message>
    <message>
        <source>Game Date:</source>
        <translation>Spieldatum:</translation>
    </message>
    <message>
        <source>Division:</source>
        <translation>Altersklasse:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Mannschaft:</translation>
    </message>
    <message>
        <source>Coach:</source>
        <translation>Trainer:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>Opposing Team:</source>
        <translation>Gegner:</translation>
    </message>
    <message>
        <source>Opposing Coach:</source>
        <translation>Trainer Gegner:</translation>
    </message>
    <message>
        <source>Opposing Team score:</source>
        <translation>Ergebnis Gegner:</translation>
    </message>
    <message>
        <source>Thanks,</source>
        <translation>Danke,</translation>
    </message>
</context>
<context>
    <name>pw::PageView</name>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
</context>
<context>
    <name>pw::PeriodThumb</name>
    <message>
        <source>Period %1</source>
        <translation>Abschnitt %1</translation>
    </message>
    <message>
        <source>Period %1, locked</source>
        <translation>Abschnitt %1, gesperrt</translation>
    </message>
    <message>
        <source>Lock Period</source>
        <translation>Abschnitt sperren</translation>
    </message>
</context>
<context>
    <name>pw::PlayerGamesModel</name>
    <message>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Qtrs</source>
        <translation>Abschn.</translation>
    </message>
    <message>
        <source>Avail</source>
        <translation>Verf.</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>Blks/Stls</source>
        <translation>Blk./BG</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>SOG</source>
        <translation>TS</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>GT</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Paraden</translation>
    </message>
    <message>
        <source>OverShot</source>
        <translation>Vorbei</translation>
    </message>
</context>
<context>
    <name>pw::PlayerInfo</name>
    <message>
        <source>Player Information</source>
        <translation>Spielerdaten</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>Changes have been made, Do you want to save them?</source>
        <translation>Es wurden Änderungen vorgenommen. Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>Player No:</source>
        <translation>Spieler-Nr.:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Spieler hinzufügen</translation>
    </message>
    <message>
        <source>Delete Player</source>
        <translation>Spieler löschen</translation>
    </message>
    <message>
        <source>Import Player</source>
        <translation>Spieler importieren</translation>
    </message>
    <message>
        <source>A jersey number is a whole number from 0 to 32767.</source>
        <translation>Eine Rückennummer ist eine ganze Zahl von 0 bis 32767.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Copy Player to:</source>
        <translation>Spieler kopieren nach:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>More &gt;</source>
        <translation>Mehr &gt;</translation>
    </message>
    <message>
        <source>Items to work on</source>
        <translation>Verbesserungspunkte</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Player Notes</source>
        <translation>Spielernotizen</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>A player needs a last name before it can be saved.</source>
        <translation>Ein Spieler braucht einen Nachnamen, bevor er gespeichert werden kann.</translation>
    </message>
    <message>
        <source>The player&apos;s E-Mail</source>
        <translation>Die E-Mail des Spielers</translation>
    </message>
    <message>
        <source>The mother&apos;s E-Mail</source>
        <translation>Die E-Mail der Mutter</translation>
    </message>
    <message>
        <source>The father&apos;s E-Mail</source>
        <translation>Die E-Mail des Vaters</translation>
    </message>
    <message>
        <source>Update information</source>
        <translation>Angaben übernehmen</translation>
    </message>
    <message>
        <source>Notes have been changed, but not updated. Do you want to update it now?</source>
        <translation>Die Notizen wurden geändert, aber nicht übernommen. Möchten Sie sie jetzt übernehmen?</translation>
    </message>
    <message>
        <source>Enter the new player&apos;s LAST name.</source>
        <translation>Geben Sie den NACHNAMEN des neuen Spielers ein.</translation>
    </message>
    <message>
        <source>Enter the new player&apos;s FIRST name.</source>
        <translation>Geben Sie den VORNAMEN des neuen Spielers ein.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Möchten Sie %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Copy Player</source>
        <translation>Spieler kopieren</translation>
    </message>
    <message>
        <source>%1 has been copied to %2.</source>
        <translation>%1 wurde nach %2 kopiert.</translation>
    </message>
    <message>
        <source>Improvement Item</source>
        <translation>Verbesserungspunkt</translation>
    </message>
    <message>
        <source>Enter the item that needs improvement.</source>
        <translation>Geben Sie ein, was verbessert werden soll.</translation>
    </message>
    <message>
        <source>&lt; Less</source>
        <translation>&lt; Weniger</translation>
    </message>
</context>
<context>
    <name>pw::PracticeCellDelegate</name>
    <message>
        <source>&amp;Techniques</source>
        <translation>&amp;Technik</translation>
    </message>
    <message>
        <source>T&amp;actics</source>
        <translation>T&amp;aktik</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Trainer</translation>
    </message>
</context>
<context>
    <name>pw::PracticeModel</name>
    <message>
        <source>Second group of the %1 slot</source>
        <translation>Zweite Gruppe des Zeitblocks %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Drill/Evolution</source>
        <translation>Übung/Variante</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Agenda Item</source>
        <translation>Programmpunkt</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>pw::ReplanDialog</name>
    <message>
        <source>Re-plan</source>
        <translation>Neu planen</translation>
    </message>
    <message>
        <source>No longer available</source>
        <translation>Nicht mehr verfügbar</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>&amp;No longer available:</source>
        <translation>&amp;Nicht mehr verfügbar:</translation>
    </message>
    <message>
        <source>&amp;From period:</source>
        <translation>&amp;Ab Abschnitt:</translation>
    </message>
</context>
<context>
    <name>pw::RestoreWindow</name>
    <message>
        <source>Pitchwise Database (*.db)|*.db|All Files (*.*)|*.*</source>
        <translation>Pitchwise-Datenbank (*.db)|*.db|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Anlass</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Jetzt sichern</translation>
    </message>
    <message>
        <source>Pitchwise %1.db</source>
        <translation>Pitchwise %1.db</translation>
    </message>
    <message>
        <source>Back Up Database</source>
        <translation>Datenbank sichern</translation>
    </message>
    <message>
        <source>The database was backed up to %1.</source>
        <translation>Die Datenbank wurde nach %1 gesichert.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Automatic backups</source>
        <translation>Automatische Sicherungen</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Choose File…</source>
        <translation>&amp;Datei wählen…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>the backup of %1 (%2)</source>
        <translation>die Sicherung vom %1 (%2)</translation>
    </message>
    <message>
        <source>Restore From Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Replace the open database by %1?

The database as it is now is backed up first; that backup is listed in this window.</source>
        <translation>Die geöffnete Datenbank durch %1 ersetzen?

Die Datenbank wird vorher im jetzigen Zustand gesichert; diese Sicherung steht dann in diesem Fenster.</translation>
    </message>
    <message>
        <source>The database was restored from %1.</source>
        <translation>Die Datenbank wurde aus %1 wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>pw::RosterImportWindow</name>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Not imported</source>
        <translation>Nicht importiert</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Update (no change)</source>
        <translation>Aktualisieren (keine Änderung)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Import Roster</source>
        <translation>Kader importieren</translation>
    </message>
    <message>
        <source>Import the players read from the file before closing?</source>
        <translation>Die aus der Datei gelesenen Spieler vor dem Schließen importieren?</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Field for the column &quot;%1&quot;</source>
        <translation>Feld für die Spalte „%1“</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(nicht importiert)</translation>
    </message>
    <message>
        <source>File Columns</source>
        <translation>Spalten der Datei</translation>
    </message>
    <message>
        <source>Rows as they will be stored</source>
        <translation>Zeilen, wie sie gespeichert werden</translation>
    </message>
    <message>
        <source>Rows as They Will Be Stored</source>
        <translation>Zeilen, wie sie gespeichert werden</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 rows: %2 to add, %3 to update, %4 unchanged, %5 skipped, %6 with errors (not imported).</source>
        <translation>%1 Zeilen: %2 hinzufügen, %3 aktualisieren, %4 unverändert, %5 übersprungen, %6 mit Fehlern (nicht importiert).</translation>
    </message>
    <message>
        <source>Imported: %1 added, %2 updated.</source>
        <translation>Importiert: %1 hinzugefügt, %2 aktualisiert.</translation>
    </message>
    <message>
        <source>Export Roster</source>
        <translation>Kader exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>CSV-Dateien (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Add byte-order mark for spreadsheet programs?</source>
        <translation>Byte-Order-Mark für Tabellenprogramme hinzufügen?</translation>
    </message>
</context>
<context>
    <name>pw::RosterModel</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>Steals</source>
        <translation>Ballg.</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>SOG</source>
        <translation>TS</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Paraden</translation>
    </message>
    <message>
        <source>OverShot</source>
        <translation>Vorbei</translation>
    </message>
    <message>
        <source>Qtrs</source>
        <translation>Abschn.</translation>
    </message>
    <message>
        <source>Avail</source>
        <translation>Verf.</translation>
    </message>
    <message>
        <source>Shares from %1% to %2%; team average %3%</source>
        <translation>Anteile von %1% bis %2%; Mannschaftsschnitt %3%</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Spread %1 pts</source>
        <translation>Spanne %1 Pkt.</translation>
    </message>
    <message>
        <source>%1 points under the team average of %2%</source>
        <translation>%1 Prozentpunkte unter dem Mannschaftsschnitt von %2%</translation>
    </message>
</context>
<context>
    <name>pw::ScheduleModel</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
</context>
<context>
    <name>pw::StatDialog</name>
    <message>
        <source>No Game Selected</source>
        <translation>Kein Spiel ausgewählt</translation>
    </message>
    <message>
        <source>Select the game in which to add statistics.</source>
        <translation>Wählen Sie das Spiel, für das Sie Statistiken eintragen möchten.</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Spielstatistik</translation>
    </message>
    <message>
        <source>Check the values. All values must be numeric</source>
        <translation>Prüfen Sie die Werte. Alle Werte müssen Zahlen sein</translation>
    </message>
</context>
<context>
    <name>pw::TeamFields</name>
    <message>
        <source>Must be born after:</source>
        <translation>Geboren nach:</translation>
    </message>
    <message>
        <source>Season/Session:</source>
        <translation>Saison:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>The coach&apos;s Email</source>
        <translation>Die E-Mail des Trainers</translation>
    </message>
    <message>
        <source>The first assistant coach&apos;s Email</source>
        <translation>Die E-Mail des ersten Co-Trainers</translation>
    </message>
    <message>
        <source>The second assistant coach&apos;s Email</source>
        <translation>Die E-Mail des zweiten Co-Trainers</translation>
    </message>
    <message>
        <source>The Email address to Send Game Results</source>
        <translation>Die E-Mail-Adresse für Spielergebnisse</translation>
    </message>
</context>
<context>
    <name>pw::TeamInfo</name>
    <message>
        <source>Team Information</source>
        <translation>Mannschaftsdaten</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>Changes have been made, Do you want to save them?</source>
        <translation>Es wurden Änderungen vorgenommen. Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Copy Team</source>
        <translation>Mannschaft kopieren</translation>
    </message>
    <message>
        <source>Show Team on Main Screen</source>
        <translation>Im Hauptfenster zeigen</translation>
    </message>
    <message>
        <source>Team ID:</source>
        <translation>Mannschafts-Nr.:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Missing Data</source>
        <translation>Fehlende Angaben</translation>
    </message>
    <message>
        <source>Critical data is missing for: %1</source>
        <translation>Wichtige Angaben fehlen für: %1</translation>
    </message>
    <message>
        <source>Team Fee</source>
        <translation>Mannschaftsbeitrag</translation>
    </message>
    <message>
        <source>The team fee must be an amount, such as 150.00.</source>
        <translation>Der Mannschaftsbeitrag muss ein Betrag sein, etwa 150.00.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?
Its players, opponents, games, statistics, tournaments, practices and notes are deleted with it.</source>
        <translation>Möchten Sie %1 wirklich löschen?
Ihre Spieler, Gegner, Spiele, Statistiken, Turniere, Trainings und Notizen werden mit gelöscht.</translation>
    </message>
    <message>
        <source>Are you sure you want to make a copy of %1?</source>
        <translation>Möchten Sie wirklich eine Kopie von %1 anlegen?</translation>
    </message>
    <message>
        <source>Team Copied</source>
        <translation>Mannschaft kopiert</translation>
    </message>
    <message>
        <source>%1 has been copied.
The team shown is the new team. Make changes as needed.</source>
        <translation>%1 wurde kopiert.
Die angezeigte Mannschaft ist die neue. Ändern Sie, was nötig ist.</translation>
    </message>
</context>
<context>
    <name>pw::Tournament</name>
    <message>
        <source>Tournament</source>
        <translation>Turnier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>Data has not been saved. Do you want to save it before you exit?</source>
        <translation>Die Daten wurden nicht gespeichert. Möchten Sie sie vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Tournament - %1</source>
        <translation>Turnier - %1</translation>
    </message>
    <message>
        <source>&amp;Tournament</source>
        <translation>&amp;Turnier</translation>
    </message>
    <message>
        <source>&amp;Enter Teams</source>
        <translation>Mannschaften &amp;eintragen</translation>
    </message>
    <message>
        <source>&amp;Clear Bracket</source>
        <translation>Turnierbaum &amp;leeren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Winner</source>
        <translation>&amp;Sieger</translation>
    </message>
    <message>
        <source>Clear &amp;field</source>
        <translation>&amp;Feld leeren</translation>
    </message>
    <message>
        <source>Clear &amp;Bracket</source>
        <translation>Turnier&amp;baum leeren</translation>
    </message>
    <message>
        <source>Enter Team</source>
        <translation>Mannschaft eintragen</translation>
    </message>
    <message>
        <source>Enter the name of the team in this position</source>
        <translation>Geben Sie den Namen der Mannschaft auf diesem Platz ein</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Sieger</translation>
    </message>
    <message>
        <source>Clear field</source>
        <translation>Feld leeren</translation>
    </message>
    <message>
        <source>Clear Bracket</source>
        <translation>Turnierbaum leeren</translation>
    </message>
    <message>
        <source>This Bracket contains data.<byte value="xd"/>If you continue, all data will be cleared.<byte value="xd"/>Do you want to continue?</source>
        <translation>Dieser Turnierbaum enthält Daten.<byte value="xd"/>Wenn Sie fortfahren, werden alle Daten gelöscht.<byte value="xd"/>Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Enter Teams</source>
        <translation>Mannschaften eintragen</translation>
    </message>
    <message>
        <source>Game Time</source>
        <translation>Anstoßzeit</translation>
    </message>
    <message>
        <source>Set Tournament Game Schedule</source>
        <translation>Spielzeiten des Turniers festlegen</translation>
    </message>
</context>
<context>
    <name>pw::cfgDialog</name>
    <message>
        <source>Pick Logo</source>
        <translation>Logo wählen</translation>
    </message>
    <message>
        <source>Database file</source>
        <translation>Datenbankdatei</translation>
    </message>
    <message>
        <source>Pitchwise Database (*.db)|*.db|All Files (*.*)|*.*</source>
        <translation>Pitchwise-Datenbank (*.db)|*.db|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Sp&amp;rache:</translation>
    </message>
    <message>
        <source>The language changes at the next start of Pitchwise.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Pitchwise.</translation>
    </message>
</context>
<context>
    <name>pw::dlgDrillMaint</name>
    <message>
        <source>Drill Maintenance</source>
        <translation>Übungen verwalten</translation>
    </message>
    <message>
        <source>Drills</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Drill Name:</source>
        <translation>Name der Übung:</translation>
    </message>
    <message>
        <source>This is a system drill and is not modifiable.</source>
        <translation>Dies ist eine Systemübung und kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>Discipline:</source>
        <translation>Bereich:</translation>
    </message>
    <message>
        <source>Development Stage:</source>
        <translation>Entwicklungsstufe:</translation>
    </message>
    <message>
        <source>Plain line</source>
        <translation>Einfache Linie</translation>
    </message>
    <message>
        <source>Arrow line</source>
        <translation>Pfeillinie</translation>
    </message>
    <message>
        <source>Curved line</source>
        <translation>Kurvenlinie</translation>
    </message>
    <message>
        <source>Pass Line</source>
        <translation>Passlinie</translation>
    </message>
    <message>
        <source>Run Line</source>
        <translation>Laufweg</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>durchgezogen</translation>
    </message>
    <message>
        <source>dashed</source>
        <translation>gestrichelt</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>gepunktet</translation>
    </message>
    <message>
        <source>Clear Pass Lines</source>
        <translation>Passlinien löschen</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Raster zeigen</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Durchführung</translation>
    </message>
    <message>
        <source>Coaching Points</source>
        <translation>Coachingpunkte</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Draw line</source>
        <translation>Linie zeichnen</translation>
    </message>
    <message>
        <source>&amp;Drill</source>
        <translation>Ü&amp;bung</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Add New (Copy Current)</source>
        <translation>Neu (Kopie der aktuellen)</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>SortBy</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Techniques and Tactics</source>
        <translation>Technik und Taktik</translation>
    </message>
    <message>
        <source>New Drill</source>
        <translation>Neue Übung</translation>
    </message>
    <message>
        <source>Enter the name of the new drill.</source>
        <translation>Geben Sie den Namen der neuen Übung ein.</translation>
    </message>
    <message>
        <source>Enter New Drill Name:</source>
        <translation>Name der neuen Übung:</translation>
    </message>
    <message>
        <source>Move marker</source>
        <translation>Markierung verschieben</translation>
    </message>
    <message>
        <source>Place marker</source>
        <translation>Markierung setzen</translation>
    </message>
    <message>
        <source>Bench marker</source>
        <translation>Markierung auf die Bank</translation>
    </message>
    <message>
        <source>Clear pass lines</source>
        <translation>Passlinien löschen</translation>
    </message>
</context>
<context>
    <name>pw::dlgMoney</name>
    <message>
        <source>Fee Management</source>
        <translation>Beitragsverwaltung</translation>
    </message>
    <message>
        <source>Amounts paid</source>
        <translation>Bezahlte Beträge</translation>
    </message>
    <message>
        <source>Team&apos;s Fee:</source>
        <translation>Mannschaftsbeitrag:</translation>
    </message>
    <message>
        <source>Player Fee:</source>
        <translation>Beitrag je Spieler:</translation>
    </message>
    <message>
        <source>Total Paid:</source>
        <translation>Summe bezahlt:</translation>
    </message>
    <message>
        <source>Difference:</source>
        <translation>Differenz:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Amount Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount. Type what the player has paid, for example 25 or 25.50.</source>
        <translation>„%1“ ist kein Betrag. Geben Sie ein, was der Spieler bezahlt hat, zum Beispiel 25 oder 25.50.</translation>
    </message>
</context>
<context>
    <name>pw::dlgPlayerList</name>
    <message>
        <source>Players List</source>
        <translation>Spielerliste</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 has been added.</source>
        <translation>%1 wurde hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>pw::dlgRecur</name>
    <message>
        <source>Recurrence</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Repeat for how many &amp;weeks:</source>
        <translation>Wie viele &amp;Wochen wiederholen:</translation>
    </message>
    <message>
        <source>On these days of each week:</source>
        <translation>An diesen Tagen jeder Woche:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>pw::dlgRoster</name>
    <message>
        <source>Team Roster</source>
        <translation>Kader</translation>
    </message>
</context>
<context>
    <name>pw::dlgSending</name>
    <message>
        <source>Sending Email</source>
        <translation>E-Mail wird gesendet</translation>
    </message>
    <message>
        <source>Starting the mailer…</source>
        <translation>Mailprogramm wird gestartet…</translation>
    </message>
    <message>
        <source>Messages sent</source>
        <translation>Gesendete Nachrichten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Sending to %1 (%2 of %3)</source>
        <translation>Senden an %1 (%2 von %3)</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>View Message</source>
        <translation>Nachricht ansehen</translation>
    </message>
    <message>
        <source>Do you want to verify the Email message before sending it?</source>
        <translation>Möchten Sie die E-Mail vor dem Senden prüfen?</translation>
    </message>
    <message>
        <source>Confirm Send</source>
        <translation>Senden bestätigen</translation>
    </message>
    <message>
        <source>Is the message OK to send?</source>
        <translation>Kann die Nachricht so gesendet werden?</translation>
    </message>
    <message>
        <source>Send Results</source>
        <translation>Ergebnis senden</translation>
    </message>
    <message>
        <source>The game&apos;s results were sent to %1.</source>
        <translation>Das Spielergebnis wurde an %1 gesendet.</translation>
    </message>
</context>
<context>
    <name>pw::dlgTextEditor</name>
    <message>
        <source>The changes could not be written to
%1
(%2)</source>
        <translation>Die Änderungen konnten nicht geschrieben werden nach
%1
(%2)</translation>
    </message>
</context>
<context>
    <name>pw::frmAbout</name>
    <message>
        <source>About Pitchwise</source>
        <translation>Über Pitchwise</translation>
    </message>
    <message>
        <source>Pitchwise</source>
        <translation>Pitchwise</translation>
    </message>
    <message>
        <source>Rosters, schedules, line-ups, statistics and practice plans for the coach of youth soccer teams.</source>
        <translation>Kader, Spielpläne, Aufstellungen, Statistiken und Trainingspläne für Trainer von Jugendfußballmannschaften.</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Qt %1 on %2</source>
        <translation>Qt %1 unter %2</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Datenbank: %1</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Datenordner: %1</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Protokoll: %1</translation>
    </message>
</context>
<context>
    <name>pw::frmCaptain</name>
    <message>
        <source>Team Captains</source>
        <translation>Mannschaftskapitäne</translation>
    </message>
    <message>
        <source>Captain of each game</source>
        <translation>Kapitän jedes Spiels</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Season captain</source>
        <translation>Saisonkapitän</translation>
    </message>
</context>
<context>
    <name>pw::frmGameNotes</name>
    <message>
        <source>Edit Note</source>
        <translation>Notiz bearbeiten</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Send as E-mail to the team&apos;s families and coaches</source>
        <translation>Als E-Mail an die Familien und Trainer der Mannschaft senden</translation>
    </message>
    <message>
        <source>&amp;Subject:</source>
        <translation>&amp;Betreff:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>Missing Subject</source>
        <translation>Betreff fehlt</translation>
    </message>
    <message>
        <source>Please enter a subject for the note.</source>
        <translation>Bitte geben Sie einen Betreff für die Notiz ein.</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this note?</source>
        <translation>Möchten Sie die Änderungen an dieser Notiz speichern?</translation>
    </message>
</context>
<context>
    <name>pw::frmMonthSchedule</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message numerus="yes">
        <source>+%n more</source>
        <translation>
            <numerusform>+%n weiterer</numerusform>
            <numerusform>+%n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Month Schdule</source>
        <translation>Monatsplan</translation>
    </message>
    <message>
        <source>Month calendar</source>
        <translation>Monatskalender</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Monat:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>Tournament game</source>
        <translation>Turnierspiel</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Team Meeting</source>
        <translation>Besprechung</translation>
    </message>
    <message>
        <source>Game Schedule</source>
        <translation>Spielplan</translation>
    </message>
    <message>
        <source>Tournament games are changed in their tournament&apos;s bracket.</source>
        <translation>Turnierspiele werden im Turnierbaum ihres Turniers geändert.</translation>
    </message>
</context>
<context>
    <name>pw::frmNewData</name>
    <message>
        <source>New Data</source>
        <translation>Neue Daten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Game Schedule Information</source>
        <translation>Angaben zum Spiel</translation>
    </message>
    <message>
        <source>Opponent:</source>
        <translation>Gegner:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Field:</source>
        <translation>Platz:</translation>
    </message>
    <message>
        <source>Tournament Information</source>
        <translation>Angaben zum Turnier</translation>
    </message>
    <message>
        <source>From %1 to %2 Teams</source>
        <translation>Von %1 bis %2 Mannschaften</translation>
    </message>
    <message>
        <source>Tournament &amp;Name:</source>
        <translation>Turnier&amp;name:</translation>
    </message>
    <message>
        <source>&amp;Start Date:</source>
        <translation>&amp;Startdatum:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Zeit:</translation>
    </message>
    <message>
        <source>&amp;Field:</source>
        <translation>&amp;Platz:</translation>
    </message>
    <message>
        <source>Reschedule</source>
        <translation>Verlegen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Missing Tournament Name</source>
        <translation>Turniername fehlt</translation>
    </message>
    <message>
        <source>You must supply a tournament name.</source>
        <translation>Sie müssen einen Turniernamen angeben.</translation>
    </message>
    <message>
        <source>Missing Opponent</source>
        <translation>Gegner fehlt</translation>
    </message>
    <message>
        <source>You must supply an opponent.</source>
        <translation>Sie müssen einen Gegner angeben.</translation>
    </message>
</context>
<context>
    <name>pw::frmNoteList</name>
    <message>
        <source>Team Notes and Messages</source>
        <translation>Notizen und Nachrichten der Mannschaft</translation>
    </message>
    <message>
        <source>Notes and messages</source>
        <translation>Notizen und Nachrichten</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Print Selected</source>
        <translation>Auswahl drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Send Selected</source>
        <translation>Auswahl senden</translation>
    </message>
    <message>
        <source>Confirm Delete?</source>
        <translation>Löschen bestätigen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the message %1</source>
        <translation>Möchten Sie die Nachricht %1 wirklich löschen</translation>
    </message>
    <message>
        <source>Message from the Coach</source>
        <translation>Nachricht vom Trainer</translation>
    </message>
</context>
<context>
    <name>pw::frmOppList</name>
    <message>
        <source>Select Opponent</source>
        <translation>Gegner wählen</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>pw::frmOpponent</name>
    <message>
        <source>Opponent Information</source>
        <translation>Gegnerdaten</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>Changes have been made, Do you want to save them?</source>
        <translation>Es wurden Änderungen vorgenommen. Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>Our Team</source>
        <translation>Unsere Mannschaft</translation>
    </message>
    <message>
        <source>Add/Modify</source>
        <translation>Hinzufügen/Ändern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Team Number:</source>
        <translation>Mannschafts-Nr.:</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Mannschaft:</translation>
    </message>
    <message>
        <source>Coach:</source>
        <translation>Trainer:</translation>
    </message>
    <message>
        <source>Coach Phone No.:</source>
        <translation>Telefon Trainer:</translation>
    </message>
    <message>
        <source>Jersey Color</source>
        <translation>Trikotfarbe</translation>
    </message>
    <message>
        <source>Opponents List</source>
        <translation>Gegnerliste</translation>
    </message>
    <message>
        <source>Team Number</source>
        <translation>Mannschafts-Nr.</translation>
    </message>
</context>
<context>
    <name>pw::frmPractice</name>
    <message>
        <source>Training Session Planning</source>
        <translation>Trainingsplanung</translation>
    </message>
    <message>
        <source>Team &amp;Meeting</source>
        <translation>Bes&amp;prechung</translation>
    </message>
    <message>
        <source>Agenda</source>
        <translation>Ablauf</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Über&amp;nehmen</translation>
    </message>
    <message>
        <source>&amp;Drills</source>
        <translation>Ü&amp;bungen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Start Time</source>
        <translation>Be&amp;ginn</translation>
    </message>
    <message>
        <source>&amp;End Time</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>Time Se&amp;gment</source>
        <translation>&amp;Zeitblock</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Training</translation>
    </message>
    <message>
        <source>&amp;Recurrence</source>
        <translation>&amp;Wiederholung</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Pe&amp;view Agenda</source>
        <translation>&amp;Vorschau Ablauf</translation>
    </message>
    <message>
        <source>&amp;Print Agenda</source>
        <translation>Ablauf &amp;drucken</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Split Team</source>
        <translation>Mannschaft teilen</translation>
    </message>
    <message>
        <source>Undo Split</source>
        <translation>Teilung aufheben</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Möchten Sie Ihre Änderungen speichern?</translation>
    </message>
    <message>
        <source>Training Session %1</source>
        <translation>Training %1</translation>
    </message>
</context>
<context>
    <name>pw::frmSchedule</name>
    <message>
        <source>Game Schedule</source>
        <translation>Spielplan</translation>
    </message>
    <message>
        <source>Save Data?</source>
        <translation>Daten speichern?</translation>
    </message>
    <message>
        <source>Data has been changed. Do you want to Save the changes?</source>
        <translation>Die Daten wurden geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Add/Modify</source>
        <translation>Hinzufügen/Ändern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Team Number:</source>
        <translation>Mannschafts-Nr.:</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Mannschaft:</translation>
    </message>
    <message>
        <source>Coach:</source>
        <translation>Trainer:</translation>
    </message>
    <message>
        <source>Game Date:</source>
        <translation>Spieldatum:</translation>
    </message>
    <message>
        <source>Game Time:</source>
        <translation>Anstoßzeit:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Platz</translation>
    </message>
</context>
<context>
    <name>pw::frmSplash</name>
    <message>
        <source>Pitchwise</source>
        <translation>Pitchwise</translation>
    </message>
    <message>
        <source>The season planner for youth soccer coaches</source>
        <translation>Die Saisonplanung für Jugendfußballtrainer</translation>
    </message>
</context>
</TS>
