<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChatWindow</name>
    <message>
        <source>Corvel chat</source>
        <translation>Corvel-Chat</translation>
    </message>
    <message>
        <source>Corvel logo</source>
        <translation>Corvel-Logo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Font size in points</source>
        <translation>Schriftgröße in Punkt</translation>
    </message>
    <message>
        <source>Read-only: the stepper beside it changes it</source>
        <translation>Nur lesbar: Die Pfeiltasten daneben ändern den Wert</translation>
    </message>
    <message>
        <source>Font size stepper</source>
        <translation>Schriftgröße ändern</translation>
    </message>
    <message>
        <source>Font size of the transcript and the message field, in points</source>
        <translation>Schriftgröße des Verlaufs und des Nachrichtenfelds in Punkt</translation>
    </message>
    <message>
        <source>Commands and their keys</source>
        <translation>Befehle und ihre Tastenkürzel</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Call, who is online, clear, hide, preferences, clear all data and exit, with their keys</source>
        <translation>Rufen, Wer ist online, Leeren, Ausblenden, Einstellungen, Alle Daten löschen und Beenden, mit ihren Tastenkürzeln</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Read-only log of the conversation, newest line last</source>
        <translation>Nur lesbarer Verlauf des Gesprächs, die neueste Zeile zuletzt</translation>
    </message>
    <message>
        <source>Send preset 1</source>
        <translation>Vorlage 1 senden</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Vorlage 1</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 1 in the preferences</source>
        <translation>Sendet die Nachricht, die in den Einstellungen als Vorlage 1 gespeichert ist</translation>
    </message>
    <message>
        <source>Send preset 2</source>
        <translation>Vorlage 2 senden</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Vorlage 2</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 2 in the preferences</source>
        <translation>Sendet die Nachricht, die in den Einstellungen als Vorlage 2 gespeichert ist</translation>
    </message>
    <message>
        <source>Send preset 3</source>
        <translation>Vorlage 3 senden</translation>
    </message>
    <message>
        <source>Preset 3</source>
        <translation>Vorlage 3</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 3 in the preferences</source>
        <translation>Sendet die Nachricht, die in den Einstellungen als Vorlage 3 gespeichert ist</translation>
    </message>
    <message>
        <source>Send preset 4</source>
        <translation>Vorlage 4 senden</translation>
    </message>
    <message>
        <source>Preset 4</source>
        <translation>Vorlage 4</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 4 in the preferences</source>
        <translation>Sendet die Nachricht, die in den Einstellungen als Vorlage 4 gespeichert ist</translation>
    </message>
    <message>
        <source>Send preset 5</source>
        <translation>Vorlage 5 senden</translation>
    </message>
    <message>
        <source>Preset 5</source>
        <translation>Vorlage 5</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 5 in the preferences</source>
        <translation>Sendet die Nachricht, die in den Einstellungen als Vorlage 5 gespeichert ist</translation>
    </message>
    <message>
        <source>Send preset 6</source>
        <translation>Vorlage 6 senden</translation>
    </message>
    <message>
        <source>Preset 6</source>
        <translation>Vorlage 6</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 6 in the preferences</source>
        <translation>Sendet die Nachricht, die in den Einstellungen als Vorlage 6 gespeichert ist</translation>
    </message>
    <message>
        <source>Send preset 7</source>
        <translation>Vorlage 7 senden</translation>
    </message>
    <message>
        <source>Preset 7</source>
        <translation>Vorlage 7</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 7 in the preferences</source>
        <translation>Sendet die Nachricht, die in den Einstellungen als Vorlage 7 gespeichert ist</translation>
    </message>
    <message>
        <source>Send preset 8</source>
        <translation>Vorlage 8 senden</translation>
    </message>
    <message>
        <source>Preset 8</source>
        <translation>Vorlage 8</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 8 in the preferences</source>
        <translation>Sendet die Nachricht, die in den Einstellungen als Vorlage 8 gespeichert ist</translation>
    </message>
    <message>
        <source>Send preset 9</source>
        <translation>Vorlage 9 senden</translation>
    </message>
    <message>
        <source>Preset 9</source>
        <translation>Vorlage 9</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 9 in the preferences</source>
        <translation>Sendet die Nachricht, die in den Einstellungen als Vorlage 9 gespeichert ist</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Send the message (Return)</source>
        <translation>Nachricht senden (Eingabetaste)</translation>
    </message>
    <message>
        <source>Sends the message to everybody on the network</source>
        <translation>Sendet die Nachricht an alle im Netzwerk</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Rufen</translation>
    </message>
    <message>
        <source>Make everybody&apos;s window flash</source>
        <translation>Die Fenster aller anderen blinken lassen</translation>
    </message>
    <message>
        <source>Call everybody</source>
        <translation>Alle rufen</translation>
    </message>
    <message>
        <source>Makes every other window on the network flash until someone answers</source>
        <translation>Lässt jedes andere Fenster im Netzwerk blinken, bis jemand antwortet</translation>
    </message>
    <message>
        <source>Who?</source>
        <translation>Wer?</translation>
    </message>
    <message>
        <source>Ask who is online</source>
        <translation>Fragen, wer online ist</translation>
    </message>
    <message>
        <source>Who is online</source>
        <translation>Wer ist online</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Empty the transcript</source>
        <translation>Den Verlauf leeren</translation>
    </message>
    <message>
        <source>Clear transcript</source>
        <translation>Verlauf leeren</translation>
    </message>
    <message>
        <source>Empties this window&apos;s transcript only</source>
        <translation>Leert nur den Verlauf dieses Fensters</translation>
    </message>
    <message>
        <source>Call Everybody</source>
        <translation>Alle rufen</translation>
    </message>
    <message>
        <source>Who Is Online?</source>
        <translation>Wer ist online?</translation>
    </message>
    <message>
        <source>Clear Transcript</source>
        <translation>Verlauf leeren</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Clear All Data</source>
        <translation>Alle Daten löschen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>corvel::CommandLine</name>
    <message>
        <source>Chat with the people on the local network.</source>
        <translation>Mit den Menschen im lokalen Netzwerk chatten.</translation>
    </message>
    <message>
        <source>Start a further copy even though one already runs for this user on this display.</source>
        <translation>Eine weitere Instanz starten, obwohl für diesen Benutzer auf dieser Anzeige schon eine läuft.</translation>
    </message>
    <message>
        <source>Usage: corvel [options]</source>
        <translation>Aufruf: corvel [Optionen]</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Check the network without opening a window: where messages go, whether the chat port can be had, and whether a presence query comes back and who answers it. Every running copy shows the query.</source>
        <translation>Das Netzwerk prüfen, ohne ein Fenster zu öffnen: wohin Nachrichten gehen, ob der Chat-Port verfügbar ist und ob eine Anwesenheitsabfrage zurückkommt und wer sie beantwortet. Jede laufende Instanz zeigt die Abfrage an.</translation>
    </message>
    <message>
        <source>Print the usage and the options, and exit.</source>
        <translation>Die Verwendung und die Optionen ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Start with the window hidden and only the tray icon shown, as at log-in. The window shows when no tray comes within ten seconds.</source>
        <translation>Mit ausgeblendetem Fenster starten, nur mit dem Symbol im Systembereich, wie bei der Anmeldung. Das Fenster erscheint, wenn binnen zehn Sekunden kein Systembereich kommt.</translation>
    </message>
</context>
<context>
    <name>corvel::DesktopNotifications</name>
    <message>
        <source>Show Corvel</source>
        <translation>Corvel anzeigen</translation>
    </message>
</context>
<context>
    <name>corvel::DesktopShell</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>corvel::Destinations</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address such as 192.168.2.255</source>
        <translation>„%1“ ist keine IPv4-Adresse wie 192.168.2.255</translation>
    </message>
</context>
<context>
    <name>corvel::LongLine</name>
    <message numerus="yes">
        <source>… [%n more characters not shown: copy the line for all of it]</source>
        <translation>
            <numerusform>… [%n weiteres Zeichen nicht angezeigt: Kopieren Sie die Zeile, um alles zu erhalten]</numerusform>
            <numerusform>… [%n weitere Zeichen nicht angezeigt: Kopieren Sie die Zeile, um alles zu erhalten]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[+%n marks]</source>
        <translation>
            <numerusform>[+%n Kombinationszeichen]</numerusform>
            <numerusform>[+%n Kombinationszeichen]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::NetworkCheck</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Interfaces:</source>
        <translation>Schnittstellen:</translation>
    </message>
    <message>
        <source>(one LAN with %1: not used)</source>
        <translation>(ein LAN mit %1: nicht verwendet)</translation>
    </message>
    <message>
        <source>Destinations: %1</source>
        <translation>Ziele: %1</translation>
    </message>
    <message>
        <source>Verdict: port %1 cannot be had, so nothing can be sent or received</source>
        <translation>Ergebnis: Port %1 ist nicht verfügbar, daher kann nichts gesendet oder empfangen werden</translation>
    </message>
    <message>
        <source>Port %1: bound</source>
        <translation>Port %1: gebunden</translation>
    </message>
    <message>
        <source>Verdict: no network: no interface is up with a carrier, can broadcast and has an IPv4 address</source>
        <translation>Ergebnis: kein Netzwerk: Keine Schnittstelle ist zugleich aktiv, verbunden, broadcastfähig und mit einer IPv4-Adresse versehen</translation>
    </message>
    <message>
        <source>Verdict: the query could not be sent</source>
        <translation>Ergebnis: Die Abfrage konnte nicht gesendet werden</translation>
    </message>
    <message>
        <source>Own query: came back after %1 ms</source>
        <translation>Eigene Abfrage: nach %1 ms zurückgekommen</translation>
    </message>
    <message>
        <source>Own query: did not come back</source>
        <translation>Eigene Abfrage: nicht zurückgekommen</translation>
    </message>
    <message>
        <source>Answered: %1</source>
        <translation>Geantwortet: %1</translation>
    </message>
    <message>
        <source>Verdict: own messages do not come back. A firewall on this computer probably blocks UDP port 54545; allow it with &apos;sudo ufw allow 54545/udp&apos;, or with &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; and &apos;sudo firewall-cmd --reload&apos;</source>
        <translation>Ergebnis: Eigene Nachrichten kommen nicht zurück. Wahrscheinlich blockiert eine Firewall auf diesem Computer den UDP-Port 54545; erlauben Sie ihn mit &apos;sudo ufw allow 54545/udp&apos; oder mit &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; und &apos;sudo firewall-cmd --reload&apos;</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>dieser Computer</translation>
    </message>
    <message>
        <source>Verdict: working; %1 answered</source>
        <translation>Ergebnis: funktioniert; geantwortet haben %1</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s)</source>
        <translation>
            <numerusform>%n Name</numerusform>
            <numerusform>%n Namen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 from %n host(s)</source>
        <translation>
            <numerusform>%1 von %n Host</numerusform>
            <numerusform>%1 von %n Hosts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… und %n weiterer</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Hosts beyond the LAN that wrote: not learned (off)</source>
        <translation>Rechner jenseits des LANs, die schrieben: nicht gemerkt (aus)</translation>
    </message>
    <message numerus="yes">
        <source>Hosts beyond the LAN that wrote: %n</source>
        <translation>
            <numerusform>Rechner jenseits des LANs, die schrieben: %n</numerusform>
            <numerusform>Rechner jenseits des LANs, die schrieben: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n s ago</source>
        <translation>
            <numerusform>%1, vor %n s</numerusform>
            <numerusform>%1, vor %n s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::OwnEcho</name>
    <message>
        <source>Your own messages are not coming back, so nothing from the others arrives either. A firewall on this computer probably blocks UDP port 54545. To allow it: &apos;sudo ufw allow 54545/udp&apos;, or &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; and then &apos;sudo firewall-cmd --reload&apos;.</source>
        <translation>Ihre eigenen Nachrichten kommen nicht zurück, also kommt auch von den anderen nichts an. Wahrscheinlich blockiert eine Firewall auf diesem Computer den UDP-Port 54545. So erlauben Sie ihn: &apos;sudo ufw allow 54545/udp&apos; oder &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; und danach &apos;sudo firewall-cmd --reload&apos;.</translation>
    </message>
    <message>
        <source>Your own messages come back again.</source>
        <translation>Ihre eigenen Nachrichten kommen wieder zurück.</translation>
    </message>
    <message>
        <source>(not confirmed: nothing comes back)</source>
        <translation>(nicht bestätigt: es kommt nichts zurück)</translation>
    </message>
</context>
<context>
    <name>corvel::Stepper</name>
    <message>
        <source>Decrease</source>
        <translation>Verringern</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Erhöhen</translation>
    </message>
</context>
<context>
    <name>corvel::Unread</name>
    <message numerus="yes">
        <source>%n unread line(s)</source>
        <translation>
            <numerusform>%n ungelesene Zeile</numerusform>
            <numerusform>%n ungelesene Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>a call</source>
        <translation>ein Ruf</translation>
    </message>
    <message>
        <source>%1 and a call</source>
        <translation>%1 und ein Ruf</translation>
    </message>
    <message>
        <source>Corvel: %1</source>
        <translation>Corvel: %1</translation>
    </message>
</context>
<context>
    <name>corvel::options</name>
    <message>
        <source>Corvel Preferences</source>
        <translation>Corvel-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>The name that begins every message you send</source>
        <translation>Der Name, mit dem jede Ihrer Nachrichten beginnt</translation>
    </message>
    <message>
        <source>Preset &amp;1:</source>
        <translation>Vorlage &amp;1:</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Vorlage 1</translation>
    </message>
    <message>
        <source>The message that preset button 1 sends</source>
        <translation>Die Nachricht, die der Vorlagenknopf 1 sendet</translation>
    </message>
    <message>
        <source>Preset &amp;2:</source>
        <translation>Vorlage &amp;2:</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Vorlage 2</translation>
    </message>
    <message>
        <source>The message that preset button 2 sends</source>
        <translation>Die Nachricht, die der Vorlagenknopf 2 sendet</translation>
    </message>
    <message>
        <source>Preset &amp;3:</source>
        <translation>Vorlage &amp;3:</translation>
    </message>
    <message>
        <source>Preset 3</source>
        <translation>Vorlage 3</translation>
    </message>
    <message>
        <source>The message that preset button 3 sends</source>
        <translation>Die Nachricht, die der Vorlagenknopf 3 sendet</translation>
    </message>
    <message>
        <source>Preset &amp;4:</source>
        <translation>Vorlage &amp;4:</translation>
    </message>
    <message>
        <source>Preset 4</source>
        <translation>Vorlage 4</translation>
    </message>
    <message>
        <source>The message that preset button 4 sends</source>
        <translation>Die Nachricht, die der Vorlagenknopf 4 sendet</translation>
    </message>
    <message>
        <source>Preset &amp;5:</source>
        <translation>Vorlage &amp;5:</translation>
    </message>
    <message>
        <source>Preset 5</source>
        <translation>Vorlage 5</translation>
    </message>
    <message>
        <source>The message that preset button 5 sends</source>
        <translation>Die Nachricht, die der Vorlagenknopf 5 sendet</translation>
    </message>
    <message>
        <source>Preset &amp;6:</source>
        <translation>Vorlage &amp;6:</translation>
    </message>
    <message>
        <source>Preset 6</source>
        <translation>Vorlage 6</translation>
    </message>
    <message>
        <source>The message that preset button 6 sends</source>
        <translation>Die Nachricht, die der Vorlagenknopf 6 sendet</translation>
    </message>
    <message>
        <source>Preset &amp;7:</source>
        <translation>Vorlage &amp;7:</translation>
    </message>
    <message>
        <source>Preset 7</source>
        <translation>Vorlage 7</translation>
    </message>
    <message>
        <source>The message that preset button 7 sends</source>
        <translation>Die Nachricht, die der Vorlagenknopf 7 sendet</translation>
    </message>
    <message>
        <source>Preset &amp;8:</source>
        <translation>Vorlage &amp;8:</translation>
    </message>
    <message>
        <source>Preset 8</source>
        <translation>Vorlage 8</translation>
    </message>
    <message>
        <source>The message that preset button 8 sends</source>
        <translation>Die Nachricht, die der Vorlagenknopf 8 sendet</translation>
    </message>
    <message>
        <source>Preset &amp;9:</source>
        <translation>Vorlage &amp;9:</translation>
    </message>
    <message>
        <source>Preset 9</source>
        <translation>Vorlage 9</translation>
    </message>
    <message>
        <source>The message that preset button 9 sends</source>
        <translation>Die Nachricht, die der Vorlagenknopf 9 sendet</translation>
    </message>
    <message>
        <source>&amp;OK preset:</source>
        <translation>&amp;OK-Vorlage:</translation>
    </message>
    <message>
        <source>OK preset</source>
        <translation>OK-Vorlage</translation>
    </message>
    <message>
        <source>Sent in place of an empty message in auto-hide mode</source>
        <translation>Wird im automatischen Ausblendmodus anstelle einer leeren Nachricht gesendet</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>&amp;Deckkraft:</translation>
    </message>
    <message>
        <source>Opacity value</source>
        <translation>Wert der Deckkraft</translation>
    </message>
    <message>
        <source>Read-only: the stepper beside it changes it</source>
        <translation>Nur lesbar: Die Pfeiltasten daneben ändern den Wert</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Opacity of the chat window background, from the next start</source>
        <translation>Deckkraft des Chatfenster-Hintergrunds, ab dem nächsten Start</translation>
    </message>
    <message>
        <source>Hide &amp;delay (seconds):</source>
        <translation>Ausblende&amp;verzögerung (Sekunden):</translation>
    </message>
    <message>
        <source>Hide delay value</source>
        <translation>Wert der Ausblendverzögerung</translation>
    </message>
    <message>
        <source>Hide delay in seconds</source>
        <translation>Ausblendverzögerung in Sekunden</translation>
    </message>
    <message>
        <source>Seconds after sending before Corvel hides in auto-hide mode</source>
        <translation>Sekunden nach dem Senden, bis sich Corvel im automatischen Ausblendmodus ausblendet</translation>
    </message>
    <message>
        <source>&amp;Inverted colours (white on black)</source>
        <translation>&amp;Invertierte Farben (weiß auf schwarz)</translation>
    </message>
    <message>
        <source>Inverted colours</source>
        <translation>Invertierte Farben</translation>
    </message>
    <message>
        <source>A black chat window, from the next start</source>
        <translation>Ein schwarzes Chatfenster, ab dem nächsten Start</translation>
    </message>
    <message>
        <source>Auto-&amp;hide after sending</source>
        <translation>Nach dem Senden automatisch &amp;ausblenden</translation>
    </message>
    <message>
        <source>Auto-hide</source>
        <translation>Automatisch ausblenden</translation>
    </message>
    <message>
        <source>Hide Corvel a while after each message you send, and show it when a message arrives</source>
        <translation>Corvel kurz nach jeder gesendeten Nachricht ausblenden und wieder anzeigen, wenn eine Nachricht eintrifft</translation>
    </message>
    <message>
        <source>Auto-&amp;clear the transcript before sending</source>
        <translation>Verlauf vor dem Senden automatisch &amp;leeren</translation>
    </message>
    <message>
        <source>Auto-clear</source>
        <translation>Automatisch leeren</translation>
    </message>
    <message>
        <source>Empty the transcript before each message you send</source>
        <translation>Den Verlauf vor jeder gesendeten Nachricht leeren</translation>
    </message>
    <message>
        <source>Desktop &amp;notifications while Corvel is hidden or in the background</source>
        <translation>Desktop-Be&amp;nachrichtigungen, solange Corvel ausgeblendet oder im Hintergrund ist</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>A desktop notification for each message or call that arrives while you are away</source>
        <translation>Eine Desktop-Benachrichtigung für jede Nachricht und jeden Ruf, die eintreffen, während Sie abwesend sind</translation>
    </message>
    <message>
        <source>&amp;Destinations:</source>
        <translation>&amp;Ziele:</translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>none; for example 10.8.0.5, 192.168.2.255</source>
        <translation>keine; zum Beispiel 10.8.0.5, 192.168.2.255</translation>
    </message>
    <message>
        <source>Extra IPv4 addresses, comma-separated, that every message also goes to: hosts across a VPN, or the broadcast address of another subnet</source>
        <translation>Weitere IPv4-Adressen, durch Kommas getrennt, an die jede Nachricht ebenfalls geht: Rechner hinter einem VPN oder die Broadcast-Adresse eines anderen Subnetzes</translation>
    </message>
    <message>
        <source>Networks:</source>
        <translation>Netzwerke:</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Netzwerke</translation>
    </message>
    <message>
        <source>The interfaces your messages go out on, with their addresses</source>
        <translation>Die Schnittstellen, über die Ihre Nachrichten hinausgehen, mit ihren Adressen</translation>
    </message>
    <message>
        <source>Opacity and inverted colours show from the next start of Corvel.</source>
        <translation>Deckkraft und invertierte Farben wirken ab dem nächsten Start von Corvel.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close without storing the texts (Esc)</source>
        <translation>Schließen, ohne die Texte zu speichern (Esc)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Store the user name, presets and OK preset, and close</source>
        <translation>Benutzername, Vorlagen und OK-Vorlage speichern und schließen</translation>
    </message>
    <message>
        <source>Destinations not applied: %1</source>
        <translation>Ziele nicht übernommen: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Also send to hosts &amp;beyond the LAN that write to this copy</source>
        <translation>Auch an Rechner &amp;jenseits des LANs senden, die an diese Kopie schreiben</translation>
    </message>
    <message>
        <source>Learn senders</source>
        <translation>Absender merken</translation>
    </message>
    <message>
        <source>A host on a private network beyond your LAN that writes to this computer&apos;s address gets your messages until ten minutes after it last wrote</source>
        <translation>Ein Rechner in einem privaten Netz jenseits Ihres LANs, der an die Adresse dieses Computers schreibt, erhält Ihre Nachrichten bis zehn Minuten nach seiner letzten Nachricht</translation>
    </message>
    <message>
        <source>%1 (a destination)</source>
        <translation>%1 (ein Ziel)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (wrote %n s ago)</source>
        <translation>
            <numerusform>%1 (schrieb vor %n s)</numerusform>
            <numerusform>%1 (schrieb vor %n s)</numerusform>
        </translation>
    </message>
    <message>
        <source>Your messages also go to:</source>
        <translation>Ihre Nachrichten gehen auch an:</translation>
    </message>
    <message>
        <source>Beyond the LAN:</source>
        <translation>Jenseits des LANs:</translation>
    </message>
    <message>
        <source>Hosts beyond the LAN</source>
        <translation>Rechner jenseits des LANs</translation>
    </message>
    <message numerus="yes">
        <source>%n host(s)</source>
        <translation>
            <numerusform>%n Rechner</numerusform>
            <numerusform>%n Rechner</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Start Corvel when I log in</source>
        <translation>Corvel bei der Anmeldung &amp;starten</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Start Corvel hidden, with its tray icon, each time you log in</source>
        <translation>Corvel bei jeder Anmeldung ausgeblendet starten, mit seinem Symbol im Systembereich</translation>
    </message>
    <message>
        <source>Your messages go to no host beyond the LAN</source>
        <translation>Ihre Nachrichten gehen an keinen Rechner jenseits des LANs</translation>
    </message>
</context>
</TS>
