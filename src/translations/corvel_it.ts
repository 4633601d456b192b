<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ChatWindow</name>
    <message>
        <source>Corvel chat</source>
        <translation>Chat di Corvel</translation>
    </message>
    <message>
        <source>Corvel logo</source>
        <translation>Logo di Corvel</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Dimensione del carattere</translation>
    </message>
    <message>
        <source>Font size in points</source>
        <translation>Dimensione del carattere in punti</translation>
    </message>
    <message>
        <source>Read-only: the stepper beside it changes it</source>
        <translation>Sola lettura: le frecce accanto cambiano il valore</translation>
    </message>
    <message>
        <source>Font size stepper</source>
        <translation>Regolazione della dimensione del carattere</translation>
    </message>
    <message>
        <source>Font size of the transcript and the message field, in points</source>
        <translation>Dimensione del carattere della conversazione e del campo del messaggio, in punti</translation>
    </message>
    <message>
        <source>Commands and their keys</source>
        <translation>Comandi e relative scorciatoie</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Call, who is online, clear, hide, preferences, clear all data and exit, with their keys</source>
        <translation>Chiama, chi è in linea, pulisci, nascondi, preferenze, cancella tutti i dati ed esci, con le relative scorciatoie</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Conversazione</translation>
    </message>
    <message>
        <source>Read-only log of the conversation, newest line last</source>
        <translation>Registro della conversazione in sola lettura, con la riga più recente in fondo</translation>
    </message>
    <message>
        <source>Send preset 1</source>
        <translation>Invia il modello 1</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Modello 1</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 1 in the preferences</source>
        <translation>Invia il messaggio salvato come modello 1 nelle preferenze</translation>
    </message>
    <message>
        <source>Send preset 2</source>
        <translation>Invia il modello 2</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Modello 2</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 2 in the preferences</source>
        <translation>Invia il messaggio salvato come modello 2 nelle preferenze</translation>
    </message>
    <message>
        <source>Send preset 3</source>
        <translation>Invia il modello 3</translation>
    </message>
    <message>
        <source>Preset 3</source>
        <translation>Modello 3</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 3 in the preferences</source>
        <translation>Invia il messaggio salvato come modello 3 nelle preferenze</translation>
    </message>
    <message>
        <source>Send preset 4</source>
        <translation>Invia il modello 4</translation>
    </message>
    <message>
        <source>Preset 4</source>
        <translation>Modello 4</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 4 in the preferences</source>
        <translation>Invia il messaggio salvato come modello 4 nelle preferenze</translation>
    </message>
    <message>
        <source>Send preset 5</source>
        <translation>Invia il modello 5</translation>
    </message>
    <message>
        <source>Preset 5</source>
        <translation>Modello 5</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 5 in the preferences</source>
        <translation>Invia il messaggio salvato come modello 5 nelle preferenze</translation>
    </message>
    <message>
        <source>Send preset 6</source>
        <translation>Invia il modello 6</translation>
    </message>
    <message>
        <source>Preset 6</source>
        <translation>Modello 6</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 6 in the preferences</source>
        <translation>Invia il messaggio salvato come modello 6 nelle preferenze</translation>
    </message>
    <message>
        <source>Send preset 7</source>
        <translation>Invia il modello 7</translation>
    </message>
    <message>
        <source>Preset 7</source>
        <translation>Modello 7</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 7 in the preferences</source>
        <translation>Invia il messaggio salvato come modello 7 nelle preferenze</translation>
    </message>
    <message>
        <source>Send preset 8</source>
        <translation>Invia il modello 8</translation>
    </message>
    <message>
        <source>Preset 8</source>
        <translation>Modello 8</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 8 in the preferences</source>
        <translation>Invia il messaggio salvato come modello 8 nelle preferenze</translation>
    </message>
    <message>
        <source>Send preset 9</source>
        <translation>Invia il modello 9</translation>
    </message>
    <message>
        <source>Preset 9</source>
        <translation>Modello 9</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 9 in the preferences</source>
        <translation>Invia il messaggio salvato come modello 9 nelle preferenze</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Send the message (Return)</source>
        <translation>Invia il messaggio (Invio)</translation>
    </message>
    <message>
        <source>Sends the message to everybody on the network</source>
        <translation>Invia il messaggio a tutti sulla rete</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Chiama</translation>
    </message>
    <message>
        <source>Make everybody&apos;s window flash</source>
        <translation>Fa lampeggiare la finestra di tutti</translation>
    </message>
    <message>
        <source>Call everybody</source>
        <translation>Chiama tutti</translation>
    </message>
    <message>
        <source>Makes every other window on the network flash until someone answers</source>
        <translation>Fa lampeggiare tutte le altre finestre della rete finché qualcuno non risponde</translation>
    </message>
    <message>
        <source>Who?</source>
        <translation>Chi?</translation>
    </message>
    <message>
        <source>Ask who is online</source>
        <translation>Chiedi chi è in linea</translation>
    </message>
    <message>
        <source>Who is online</source>
        <translation>Chi è in linea</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>Empty the transcript</source>
        <translation>Svuota la conversazione</translation>
    </message>
    <message>
        <source>Clear transcript</source>
        <translation>Pulisci la conversazione</translation>
    </message>
    <message>
        <source>Empties this window&apos;s transcript only</source>
        <translation>Svuota solo la conversazione di questa finestra</translation>
    </message>
    <message>
        <source>Call Everybody</source>
        <translation>Chiama tutti</translation>
    </message>
    <message>
        <source>Who Is Online?</source>
        <translation>Chi è in linea?</translation>
    </message>
    <message>
        <source>Clear Transcript</source>
        <translation>Pulisci la conversazione</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferenze…</translation>
    </message>
    <message>
        <source>Clear All Data</source>
        <translation>Cancella tutti i dati</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>corvel::CommandLine</name>
    <message>
        <source>Chat with the people on the local network.</source>
        <translation>Chatta con le persone della rete locale.</translation>
    </message>
    <message>
        <source>Start a further copy even though one already runs for this user on this display.</source>
        <translation>Avvia un’altra istanza anche se ne è già in esecuzione una per questo utente su questo schermo.</translation>
    </message>
    <message>
        <source>Usage: corvel [options]</source>
        <translation>Uso: corvel [opzioni]</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argomento inatteso: %1</translation>
    </message>
    <message>
        <source>Check the network without opening a window: where messages go, whether the chat port can be had, and whether a presence query comes back and who answers it. Every running copy shows the query.</source>
        <translation>Verifica la rete senza aprire finestre: dove vanno i messaggi, se la porta della chat è disponibile e se una richiesta di presenza torna indietro e chi risponde. Ogni copia in esecuzione mostra la richiesta.</translation>
    </message>
    <message>
        <source>Print the usage and the options, and exit.</source>
        <translation>Stampa l’uso e le opzioni, ed esci.</translation>
    </message>
    <message>
        <source>Start with the window hidden and only the tray icon shown, as at log-in. The window shows when no tray comes within ten seconds.</source>
        <translation>Avvia con la finestra nascosta e solo l’icona nell’area di notifica, come all’accesso. La finestra appare se nessuna area di notifica arriva entro dieci secondi.</translation>
    </message>
</context>
<context>
    <name>corvel::DesktopNotifications</name>
    <message>
        <source>Show Corvel</source>
        <translation>Mostra Corvel</translation>
    </message>
</context>
<context>
    <name>corvel::DesktopShell</name>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>corvel::Destinations</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address such as 192.168.2.255</source>
        <translation>«%1» non è un indirizzo IPv4 come 192.168.2.255</translation>
    </message>
</context>
<context>
    <name>corvel::LongLine</name>
    <message numerus="yes">
        <source>… [%n more characters not shown: copy the line for all of it]</source>
        <translation>
            <numerusform>… [ancora %n carattere non mostrato: copia la riga per averla intera]</numerusform>
            <numerusform>… [ancora %n caratteri non mostrati: copia la riga per averla intera]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[+%n marks]</source>
        <translation>
            <numerusform>[+%n diacritico]</numerusform>
            <numerusform>[+%n diacritici]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::NetworkCheck</name>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Interfaces:</source>
        <translation>Interfacce:</translation>
    </message>
    <message>
        <source>(one LAN with %1: not used)</source>
        <translation>(stessa rete locale di %1: non usata)</translation>
    </message>
    <message>
        <source>Destinations: %1</source>
        <translation>Destinazioni: %1</translation>
    </message>
    <message>
        <source>Verdict: port %1 cannot be had, so nothing can be sent or received</source>
        <translation>Esito: la porta %1 non è disponibile, quindi non si può inviare né ricevere nulla</translation>
    </message>
    <message>
        <source>Port %1: bound</source>
        <translation>Porta %1: associata</translation>
    </message>
    <message>
        <source>Verdict: no network: no interface is up with a carrier, can broadcast and has an IPv4 address</source>
        <translation>Esito: nessuna rete: nessuna interfaccia è attiva con collegamento, può trasmettere in broadcast e ha un indirizzo IPv4</translation>
    </message>
    <message>
        <source>Verdict: the query could not be sent</source>
        <translation>Esito: non è stato possibile inviare la richiesta</translation>
    </message>
    <message>
        <source>Own query: came back after %1 ms</source>
        <translation>Richiesta propria: tornata dopo %1 ms</translation>
    </message>
    <message>
        <source>Own query: did not come back</source>
        <translation>Richiesta propria: non tornata</translation>
    </message>
    <message>
        <source>Answered: %1</source>
        <translation>Risposte: %1</translation>
    </message>
    <message>
        <source>Verdict: own messages do not come back. A firewall on this computer probably blocks UDP port 54545; allow it with &apos;sudo ufw allow 54545/udp&apos;, or with &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; and &apos;sudo firewall-cmd --reload&apos;</source>
        <translation>Esito: i propri messaggi non tornano. Probabilmente un firewall su questo computer blocca la porta UDP 54545; consentila con &apos;sudo ufw allow 54545/udp&apos;, oppure con &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; e &apos;sudo firewall-cmd --reload&apos;</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>questo computer</translation>
    </message>
    <message>
        <source>Verdict: working; %1 answered</source>
        <translation>Esito: funziona; hanno risposto %1</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s)</source>
        <translation>
            <numerusform>%n nome</numerusform>
            <numerusform>%n nomi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 from %n host(s)</source>
        <translation>
            <numerusform>%1 da %n host</numerusform>
            <numerusform>%1 da %n host</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e %n altro</numerusform>
            <numerusform>… e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Hosts beyond the LAN that wrote: not learned (off)</source>
        <translation>Host oltre la LAN che hanno scritto: non ricordati (disattivato)</translation>
    </message>
    <message numerus="yes">
        <source>Hosts beyond the LAN that wrote: %n</source>
        <translation>
            <numerusform>Host oltre la LAN che hanno scritto: %n</numerusform>
            <numerusform>Host oltre la LAN che hanno scritto: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n s ago</source>
        <translation>
            <numerusform>%1, %n s fa</numerusform>
            <numerusform>%1, %n s fa</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::OwnEcho</name>
    <message>
        <source>Your own messages are not coming back, so nothing from the others arrives either. A firewall on this computer probably blocks UDP port 54545. To allow it: &apos;sudo ufw allow 54545/udp&apos;, or &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; and then &apos;sudo firewall-cmd --reload&apos;.</source>
        <translation>I tuoi messaggi non tornano indietro, quindi non arriva nulla nemmeno dagli altri. Probabilmente un firewall su questo computer blocca la porta UDP 54545. Per consentirla: &apos;sudo ufw allow 54545/udp&apos;, oppure &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; e poi &apos;sudo firewall-cmd --reload&apos;.</translation>
    </message>
    <message>
        <source>Your own messages come back again.</source>
        <translation>I tuoi messaggi tornano di nuovo indietro.</translation>
    </message>
    <message>
        <source>(not confirmed: nothing comes back)</source>
        <translation>(non confermato: non torna nulla)</translation>
    </message>
</context>
<context>
    <name>corvel::Stepper</name>
    <message>
        <source>Decrease</source>
        <translation>Diminuisci</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Aumenta</translation>
    </message>
</context>
<context>
    <name>corvel::Unread</name>
    <message numerus="yes">
        <source>%n unread line(s)</source>
        <translation>
            <numerusform>%n riga non letta</numerusform>
            <numerusform>%n righe non lette</numerusform>
        </translation>
    </message>
    <message>
        <source>a call</source>
        <translation>una chiamata</translation>
    </message>
    <message>
        <source>%1 and a call</source>
        <translation>%1 e una chiamata</translation>
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
        <translation>Preferenze di Corvel</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>The name that begins every message you send</source>
        <translation>Il nome con cui inizia ogni messaggio che invii</translation>
    </message>
    <message>
        <source>Preset &amp;1:</source>
        <translation>Modello &amp;1:</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Modello 1</translation>
    </message>
    <message>
        <source>The message that preset button 1 sends</source>
        <translation>Il messaggio che invia il pulsante del modello 1</translation>
    </message>
    <message>
        <source>Preset &amp;2:</source>
        <translation>Modello &amp;2:</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Modello 2</translation>
    </message>
    <message>
        <source>The message that preset button 2 sends</source>
        <translation>Il messaggio che invia il pulsante del modello 2</translation>
    </message>
    <message>
        <source>Preset &amp;3:</source>
        <translation>Modello &amp;3:</translation>
    </message>
    <message>
        <source>Preset 3</source>
        <translation>Modello 3</translation>
    </message>
    <message>
        <source>The message that preset button 3 sends</source>
        <translation>Il messaggio che invia il pulsante del modello 3</translation>
    </message>
    <message>
        <source>Preset &amp;4:</source>
        <translation>Modello &amp;4:</translation>
    </message>
    <message>
        <source>Preset 4</source>
        <translation>Modello 4</translation>
    </message>
    <message>
        <source>The message that preset button 4 sends</source>
        <translation>Il messaggio che invia il pulsante del modello 4</translation>
    </message>
    <message>
        <source>Preset &amp;5:</source>
        <translation>Modello &amp;5:</translation>
    </message>
    <message>
        <source>Preset 5</source>
        <translation>Modello 5</translation>
    </message>
    <message>
        <source>The message that preset button 5 sends</source>
        <translation>Il messaggio che invia il pulsante del modello 5</translation>
    </message>
    <message>
        <source>Preset &amp;6:</source>
        <translation>Modello &amp;6:</translation>
    </message>
    <message>
        <source>Preset 6</source>
        <translation>Modello 6</translation>
    </message>
    <message>
        <source>The message that preset button 6 sends</source>
        <translation>Il messaggio che invia il pulsante del modello 6</translation>
    </message>
    <message>
        <source>Preset &amp;7:</source>
        <translation>Modello &amp;7:</translation>
    </message>
    <message>
        <source>Preset 7</source>
        <translation>Modello 7</translation>
    </message>
    <message>
        <source>The message that preset button 7 sends</source>
        <translation>Il messaggio che invia il pulsante del modello 7</translation>
    </message>
    <message>
        <source>Preset &amp;8:</source>
        <translation>Modello &amp;8:</translation>
    </message>
    <message>
        <source>Preset 8</source>
        <translation>Modello 8</translation>
    </message>
    <message>
        <source>The message that preset button 8 sends</source>
        <translation>Il messaggio che invia il pulsante del modello 8</translation>
    </message>
    <message>
        <source>Preset &amp;9:</source>
        <translation>Modello &amp;9:</translation>
    </message>
    <message>
        <source>Preset 9</source>
        <translation>Modello 9</translation>
    </message>
    <message>
        <source>The message that preset button 9 sends</source>
        <translation>Il messaggio che invia il pulsante del modello 9</translation>
    </message>
    <message>
        <source>&amp;OK preset:</source>
        <translation>Modello &amp;OK:</translation>
    </message>
    <message>
        <source>OK preset</source>
        <translation>Modello OK</translation>
    </message>
    <message>
        <source>Sent in place of an empty message in auto-hide mode</source>
        <translation>Inviato al posto di un messaggio vuoto in modalità di occultamento automatico</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>O&amp;pacità:</translation>
    </message>
    <message>
        <source>Opacity value</source>
        <translation>Valore dell’opacità</translation>
    </message>
    <message>
        <source>Read-only: the stepper beside it changes it</source>
        <translation>Sola lettura: le frecce accanto cambiano il valore</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Opacity of the chat window background, from the next start</source>
        <translation>Opacità dello sfondo della finestra di chat, dal prossimo avvio</translation>
    </message>
    <message>
        <source>Hide &amp;delay (seconds):</source>
        <translation>&amp;Ritardo prima di nascondere (secondi):</translation>
    </message>
    <message>
        <source>Hide delay value</source>
        <translation>Valore del ritardo prima di nascondere</translation>
    </message>
    <message>
        <source>Hide delay in seconds</source>
        <translation>Ritardo prima di nascondere in secondi</translation>
    </message>
    <message>
        <source>Seconds after sending before Corvel hides in auto-hide mode</source>
        <translation>Secondi dopo l’invio prima che Corvel si nasconda in modalità di occultamento automatico</translation>
    </message>
    <message>
        <source>&amp;Inverted colours (white on black)</source>
        <translation>Colori &amp;invertiti (bianco su nero)</translation>
    </message>
    <message>
        <source>Inverted colours</source>
        <translation>Colori invertiti</translation>
    </message>
    <message>
        <source>A black chat window, from the next start</source>
        <translation>Una finestra di chat nera, dal prossimo avvio</translation>
    </message>
    <message>
        <source>Auto-&amp;hide after sending</source>
        <translation>Nascondi automaticamente dopo l’in&amp;vio</translation>
    </message>
    <message>
        <source>Auto-hide</source>
        <translation>Occultamento automatico</translation>
    </message>
    <message>
        <source>Hide Corvel a while after each message you send, and show it when a message arrives</source>
        <translation>Nasconde Corvel poco dopo ogni messaggio inviato e lo mostra quando arriva un messaggio</translation>
    </message>
    <message>
        <source>Auto-&amp;clear the transcript before sending</source>
        <translation>&amp;Svuota automaticamente la conversazione prima dell’invio</translation>
    </message>
    <message>
        <source>Auto-clear</source>
        <translation>Svuotamento automatico</translation>
    </message>
    <message>
        <source>Empty the transcript before each message you send</source>
        <translation>Svuota la conversazione prima di ogni messaggio inviato</translation>
    </message>
    <message>
        <source>Desktop &amp;notifications while Corvel is hidden or in the background</source>
        <translation>&amp;Notifiche del desktop mentre Corvel è nascosto o in secondo piano</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifiche</translation>
    </message>
    <message>
        <source>A desktop notification for each message or call that arrives while you are away</source>
        <translation>Una notifica del desktop per ogni messaggio o chiamata che arriva mentre sei assente</translation>
    </message>
    <message>
        <source>&amp;Destinations:</source>
        <translation>&amp;Destinazioni:</translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation>Destinazioni</translation>
    </message>
    <message>
        <source>none; for example 10.8.0.5, 192.168.2.255</source>
        <translation>nessuna; per esempio 10.8.0.5, 192.168.2.255</translation>
    </message>
    <message>
        <source>Extra IPv4 addresses, comma-separated, that every message also goes to: hosts across a VPN, or the broadcast address of another subnet</source>
        <translation>Indirizzi IPv4 aggiuntivi, separati da virgole, a cui va anche ogni messaggio: computer oltre una VPN o l’indirizzo di broadcast di un’altra sottorete</translation>
    </message>
    <message>
        <source>Networks:</source>
        <translation>Reti:</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Reti</translation>
    </message>
    <message>
        <source>The interfaces your messages go out on, with their addresses</source>
        <translation>Le interfacce da cui escono i tuoi messaggi, con i loro indirizzi</translation>
    </message>
    <message>
        <source>Opacity and inverted colours show from the next start of Corvel.</source>
        <translation>L’opacità e i colori invertiti si applicano dal prossimo avvio di Corvel.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close without storing the texts (Esc)</source>
        <translation>Chiudi senza salvare i testi (Esc)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Applica</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Store the user name, presets and OK preset, and close</source>
        <translation>Salva il nome utente, i modelli e il modello OK, e chiudi</translation>
    </message>
    <message>
        <source>Destinations not applied: %1</source>
        <translation>Destinazioni non applicate: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Also send to hosts &amp;beyond the LAN that write to this copy</source>
        <translation>Invia anche agli host &amp;oltre la LAN che scrivono a questa copia</translation>
    </message>
    <message>
        <source>Learn senders</source>
        <translation>Ricorda i mittenti</translation>
    </message>
    <message>
        <source>A host on a private network beyond your LAN that writes to this computer&apos;s address gets your messages until ten minutes after it last wrote</source>
        <translation>Un host di una rete privata oltre la tua LAN che scrive all&apos;indirizzo di questo computer riceve i tuoi messaggi fino a dieci minuti dopo il suo ultimo invio</translation>
    </message>
    <message>
        <source>%1 (a destination)</source>
        <translation>%1 (una destinazione)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (wrote %n s ago)</source>
        <translation>
            <numerusform>%1 (ha scritto %n s fa)</numerusform>
            <numerusform>%1 (ha scritto %n s fa)</numerusform>
        </translation>
    </message>
    <message>
        <source>Your messages also go to:</source>
        <translation>I tuoi messaggi vanno anche a:</translation>
    </message>
    <message>
        <source>Beyond the LAN:</source>
        <translation>Oltre la LAN:</translation>
    </message>
    <message>
        <source>Hosts beyond the LAN</source>
        <translation>Host oltre la LAN</translation>
    </message>
    <message numerus="yes">
        <source>%n host(s)</source>
        <translation>
            <numerusform>%n host</numerusform>
            <numerusform>%n host</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Start Corvel when I log in</source>
        <translation>Avvia Corvel all’a&amp;ccesso</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Avvia all’accesso</translation>
    </message>
    <message>
        <source>Start Corvel hidden, with its tray icon, each time you log in</source>
        <translation>Avvia Corvel nascosto, con la sua icona nell’area di notifica, a ogni accesso</translation>
    </message>
    <message>
        <source>Your messages go to no host beyond the LAN</source>
        <translation>I tuoi messaggi non vanno a nessun host oltre la LAN</translation>
    </message>
</context>
</TS>
