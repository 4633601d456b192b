<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ChatWindow</name>
    <message>
        <source>Corvel chat</source>
        <translation>Discussion Corvel</translation>
    </message>
    <message>
        <source>Corvel logo</source>
        <translation>Logo de Corvel</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Font size in points</source>
        <translation>Taille de police en points</translation>
    </message>
    <message>
        <source>Read-only: the stepper beside it changes it</source>
        <translation>Lecture seule : les flèches à côté modifient la valeur</translation>
    </message>
    <message>
        <source>Font size stepper</source>
        <translation>Réglage de la taille de police</translation>
    </message>
    <message>
        <source>Font size of the transcript and the message field, in points</source>
        <translation>Taille de police de la conversation et du champ de message, en points</translation>
    </message>
    <message>
        <source>Commands and their keys</source>
        <translation>Commandes et leurs raccourcis</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Call, who is online, clear, hide, preferences, clear all data and exit, with their keys</source>
        <translation>Appeler, qui est en ligne, effacer, masquer, préférences, effacer toutes les données et quitter, avec leurs raccourcis</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Conversation</translation>
    </message>
    <message>
        <source>Read-only log of the conversation, newest line last</source>
        <translation>Journal de la conversation en lecture seule, la ligne la plus récente en dernier</translation>
    </message>
    <message>
        <source>Send preset 1</source>
        <translation>Envoyer le modèle 1</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Modèle 1</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 1 in the preferences</source>
        <translation>Envoie le message enregistré comme modèle 1 dans les préférences</translation>
    </message>
    <message>
        <source>Send preset 2</source>
        <translation>Envoyer le modèle 2</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Modèle 2</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 2 in the preferences</source>
        <translation>Envoie le message enregistré comme modèle 2 dans les préférences</translation>
    </message>
    <message>
        <source>Send preset 3</source>
        <translation>Envoyer le modèle 3</translation>
    </message>
    <message>
        <source>Preset 3</source>
        <translation>Modèle 3</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 3 in the preferences</source>
        <translation>Envoie le message enregistré comme modèle 3 dans les préférences</translation>
    </message>
    <message>
        <source>Send preset 4</source>
        <translation>Envoyer le modèle 4</translation>
    </message>
    <message>
        <source>Preset 4</source>
        <translation>Modèle 4</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 4 in the preferences</source>
        <translation>Envoie le message enregistré comme modèle 4 dans les préférences</translation>
    </message>
    <message>
        <source>Send preset 5</source>
        <translation>Envoyer le modèle 5</translation>
    </message>
    <message>
        <source>Preset 5</source>
        <translation>Modèle 5</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 5 in the preferences</source>
        <translation>Envoie le message enregistré comme modèle 5 dans les préférences</translation>
    </message>
    <message>
        <source>Send preset 6</source>
        <translation>Envoyer le modèle 6</translation>
    </message>
    <message>
        <source>Preset 6</source>
        <translation>Modèle 6</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 6 in the preferences</source>
        <translation>Envoie le message enregistré comme modèle 6 dans les préférences</translation>
    </message>
    <message>
        <source>Send preset 7</source>
        <translation>Envoyer le modèle 7</translation>
    </message>
    <message>
        <source>Preset 7</source>
        <translation>Modèle 7</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 7 in the preferences</source>
        <translation>Envoie le message enregistré comme modèle 7 dans les préférences</translation>
    </message>
    <message>
        <source>Send preset 8</source>
        <translation>Envoyer le modèle 8</translation>
    </message>
    <message>
        <source>Preset 8</source>
        <translation>Modèle 8</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 8 in the preferences</source>
        <translation>Envoie le message enregistré comme modèle 8 dans les préférences</translation>
    </message>
    <message>
        <source>Send preset 9</source>
        <translation>Envoyer le modèle 9</translation>
    </message>
    <message>
        <source>Preset 9</source>
        <translation>Modèle 9</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 9 in the preferences</source>
        <translation>Envoie le message enregistré comme modèle 9 dans les préférences</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Send the message (Return)</source>
        <translation>Envoyer le message (Entrée)</translation>
    </message>
    <message>
        <source>Sends the message to everybody on the network</source>
        <translation>Envoie le message à tout le monde sur le réseau</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Appeler</translation>
    </message>
    <message>
        <source>Make everybody&apos;s window flash</source>
        <translation>Faire clignoter la fenêtre de tout le monde</translation>
    </message>
    <message>
        <source>Call everybody</source>
        <translation>Appeler tout le monde</translation>
    </message>
    <message>
        <source>Makes every other window on the network flash until someone answers</source>
        <translation>Fait clignoter toutes les autres fenêtres du réseau jusqu’à ce que quelqu’un réponde</translation>
    </message>
    <message>
        <source>Who?</source>
        <translation>Qui ?</translation>
    </message>
    <message>
        <source>Ask who is online</source>
        <translation>Demander qui est en ligne</translation>
    </message>
    <message>
        <source>Who is online</source>
        <translation>Qui est en ligne</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Empty the transcript</source>
        <translation>Vider la conversation</translation>
    </message>
    <message>
        <source>Clear transcript</source>
        <translation>Effacer la conversation</translation>
    </message>
    <message>
        <source>Empties this window&apos;s transcript only</source>
        <translation>Vide uniquement la conversation de cette fenêtre</translation>
    </message>
    <message>
        <source>Call Everybody</source>
        <translation>Appeler tout le monde</translation>
    </message>
    <message>
        <source>Who Is Online?</source>
        <translation>Qui est en ligne ?</translation>
    </message>
    <message>
        <source>Clear Transcript</source>
        <translation>Effacer la conversation</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Clear All Data</source>
        <translation>Effacer toutes les données</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>corvel::CommandLine</name>
    <message>
        <source>Chat with the people on the local network.</source>
        <translation>Discuter avec les personnes du réseau local.</translation>
    </message>
    <message>
        <source>Start a further copy even though one already runs for this user on this display.</source>
        <translation>Lancer une autre instance même si une instance tourne déjà pour cet utilisateur sur cet écran.</translation>
    </message>
    <message>
        <source>Usage: corvel [options]</source>
        <translation>Utilisation : corvel [options]</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu : %1</translation>
    </message>
    <message>
        <source>Check the network without opening a window: where messages go, whether the chat port can be had, and whether a presence query comes back and who answers it. Every running copy shows the query.</source>
        <translation>Vérifier le réseau sans ouvrir de fenêtre : où vont les messages, si le port de discussion est disponible, et si une demande de présence revient et qui y répond. Chaque instance en cours d’exécution affiche la demande.</translation>
    </message>
    <message>
        <source>Print the usage and the options, and exit.</source>
        <translation>Afficher l’usage et les options, puis quitter.</translation>
    </message>
    <message>
        <source>Start with the window hidden and only the tray icon shown, as at log-in. The window shows when no tray comes within ten seconds.</source>
        <translation>Démarrer avec la fenêtre masquée et seule l’icône de la zone de notification visible, comme à l’ouverture de session. La fenêtre s’affiche si aucune zone de notification n’apparaît dans les dix secondes.</translation>
    </message>
</context>
<context>
    <name>corvel::DesktopNotifications</name>
    <message>
        <source>Show Corvel</source>
        <translation>Afficher Corvel</translation>
    </message>
</context>
<context>
    <name>corvel::DesktopShell</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>corvel::Destinations</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address such as 192.168.2.255</source>
        <translation>« %1 » n’est pas une adresse IPv4 comme 192.168.2.255</translation>
    </message>
</context>
<context>
    <name>corvel::LongLine</name>
    <message numerus="yes">
        <source>… [%n more characters not shown: copy the line for all of it]</source>
        <translation>
            <numerusform>… [%n caractère de plus non affiché : copiez la ligne pour l’avoir en entier]</numerusform>
            <numerusform>… [%n caractères de plus non affichés : copiez la ligne pour l’avoir en entier]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[+%n marks]</source>
        <translation>
            <numerusform>[+%n diacritique]</numerusform>
            <numerusform>[+%n diacritiques]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::NetworkCheck</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Interfaces:</source>
        <translation>Interfaces :</translation>
    </message>
    <message>
        <source>(one LAN with %1: not used)</source>
        <translation>(même réseau local que %1 : non utilisée)</translation>
    </message>
    <message>
        <source>Destinations: %1</source>
        <translation>Destinataires : %1</translation>
    </message>
    <message>
        <source>Verdict: port %1 cannot be had, so nothing can be sent or received</source>
        <translation>Verdict : le port %1 n’est pas disponible, rien ne peut donc être envoyé ni reçu</translation>
    </message>
    <message>
        <source>Port %1: bound</source>
        <translation>Port %1 : lié</translation>
    </message>
    <message>
        <source>Verdict: no network: no interface is up with a carrier, can broadcast and has an IPv4 address</source>
        <translation>Verdict : pas de réseau : aucune interface n’est active avec une liaison, capable de diffuser et dotée d’une adresse IPv4</translation>
    </message>
    <message>
        <source>Verdict: the query could not be sent</source>
        <translation>Verdict : la demande n’a pas pu être envoyée</translation>
    </message>
    <message>
        <source>Own query: came back after %1 ms</source>
        <translation>Propre demande : revenue après %1 ms</translation>
    </message>
    <message>
        <source>Own query: did not come back</source>
        <translation>Propre demande : pas revenue</translation>
    </message>
    <message>
        <source>Answered: %1</source>
        <translation>Réponses : %1</translation>
    </message>
    <message>
        <source>Verdict: own messages do not come back. A firewall on this computer probably blocks UDP port 54545; allow it with &apos;sudo ufw allow 54545/udp&apos;, or with &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; and &apos;sudo firewall-cmd --reload&apos;</source>
        <translation>Verdict : vos propres messages ne reviennent pas. Un pare-feu sur cet ordinateur bloque probablement le port UDP 54545 ; autorisez-le avec &apos;sudo ufw allow 54545/udp&apos;, ou avec &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; puis &apos;sudo firewall-cmd --reload&apos;</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>cet ordinateur</translation>
    </message>
    <message>
        <source>Verdict: working; %1 answered</source>
        <translation>Verdict : fonctionne ; ont répondu : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s)</source>
        <translation>
            <numerusform>%n nom</numerusform>
            <numerusform>%n noms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 from %n host(s)</source>
        <translation>
            <numerusform>%1 de %n hôte</numerusform>
            <numerusform>%1 de %n hôtes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… et %n autre</numerusform>
            <numerusform>… et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Hosts beyond the LAN that wrote: not learned (off)</source>
        <translation>Hôtes au-delà du réseau local qui ont écrit : non retenus (désactivé)</translation>
    </message>
    <message numerus="yes">
        <source>Hosts beyond the LAN that wrote: %n</source>
        <translation>
            <numerusform>Hôtes au-delà du réseau local qui ont écrit : %n</numerusform>
            <numerusform>Hôtes au-delà du réseau local qui ont écrit : %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n s ago</source>
        <translation>
            <numerusform>%1, il y a %n s</numerusform>
            <numerusform>%1, il y a %n s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::OwnEcho</name>
    <message>
        <source>Your own messages are not coming back, so nothing from the others arrives either. A firewall on this computer probably blocks UDP port 54545. To allow it: &apos;sudo ufw allow 54545/udp&apos;, or &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; and then &apos;sudo firewall-cmd --reload&apos;.</source>
        <translation>Vos propres messages ne reviennent pas, donc rien n’arrive non plus des autres. Un pare-feu sur cet ordinateur bloque probablement le port UDP 54545. Pour l’autoriser : &apos;sudo ufw allow 54545/udp&apos;, ou &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; puis &apos;sudo firewall-cmd --reload&apos;.</translation>
    </message>
    <message>
        <source>Your own messages come back again.</source>
        <translation>Vos propres messages reviennent de nouveau.</translation>
    </message>
    <message>
        <source>(not confirmed: nothing comes back)</source>
        <translation>(non confirmé : rien ne revient)</translation>
    </message>
</context>
<context>
    <name>corvel::Stepper</name>
    <message>
        <source>Decrease</source>
        <translation>Diminuer</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Augmenter</translation>
    </message>
</context>
<context>
    <name>corvel::Unread</name>
    <message numerus="yes">
        <source>%n unread line(s)</source>
        <translation>
            <numerusform>%n ligne non lue</numerusform>
            <numerusform>%n lignes non lues</numerusform>
        </translation>
    </message>
    <message>
        <source>a call</source>
        <translation>un appel</translation>
    </message>
    <message>
        <source>%1 and a call</source>
        <translation>%1 et un appel</translation>
    </message>
    <message>
        <source>Corvel: %1</source>
        <translation>Corvel : %1</translation>
    </message>
</context>
<context>
    <name>corvel::options</name>
    <message>
        <source>Corvel Preferences</source>
        <translation>Préférences de Corvel</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d’&amp;utilisateur :</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message>
        <source>The name that begins every message you send</source>
        <translation>Le nom placé au début de chaque message que vous envoyez</translation>
    </message>
    <message>
        <source>Preset &amp;1:</source>
        <translation>Modèle &amp;1 :</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Modèle 1</translation>
    </message>
    <message>
        <source>The message that preset button 1 sends</source>
        <translation>Le message qu’envoie le bouton de modèle 1</translation>
    </message>
    <message>
        <source>Preset &amp;2:</source>
        <translation>Modèle &amp;2 :</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Modèle 2</translation>
    </message>
    <message>
        <source>The message that preset button 2 sends</source>
        <translation>Le message qu’envoie le bouton de modèle 2</translation>
    </message>
    <message>
        <source>Preset &amp;3:</source>
        <translation>Modèle &amp;3 :</translation>
    </message>
    <message>
        <source>Preset 3</source>
        <translation>Modèle 3</translation>
    </message>
    <message>
        <source>The message that preset button 3 sends</source>
        <translation>Le message qu’envoie le bouton de modèle 3</translation>
    </message>
    <message>
        <source>Preset &amp;4:</source>
        <translation>Modèle &amp;4 :</translation>
    </message>
    <message>
        <source>Preset 4</source>
        <translation>Modèle 4</translation>
    </message>
    <message>
        <source>The message that preset button 4 sends</source>
        <translation>Le message qu’envoie le bouton de modèle 4</translation>
    </message>
    <message>
        <source>Preset &amp;5:</source>
        <translation>Modèle &amp;5 :</translation>
    </message>
    <message>
        <source>Preset 5</source>
        <translation>Modèle 5</translation>
    </message>
    <message>
        <source>The message that preset button 5 sends</source>
        <translation>Le message qu’envoie le bouton de modèle 5</translation>
    </message>
    <message>
        <source>Preset &amp;6:</source>
        <translation>Modèle &amp;6 :</translation>
    </message>
    <message>
        <source>Preset 6</source>
        <translation>Modèle 6</translation>
    </message>
    <message>
        <source>The message that preset button 6 sends</source>
        <translation>Le message qu’envoie le bouton de modèle 6</translation>
    </message>
    <message>
        <source>Preset &amp;7:</source>
        <translation>Modèle &amp;7 :</translation>
    </message>
    <message>
        <source>Preset 7</source>
        <translation>Modèle 7</translation>
    </message>
    <message>
        <source>The message that preset button 7 sends</source>
        <translation>Le message qu’envoie le bouton de modèle 7</translation>
    </message>
    <message>
        <source>Preset &amp;8:</source>
        <translation>Modèle &amp;8 :</translation>
    </message>
    <message>
        <source>Preset 8</source>
        <translation>Modèle 8</translation>
    </message>
    <message>
        <source>The message that preset button 8 sends</source>
        <translation>Le message qu’envoie le bouton de modèle 8</translation>
    </message>
    <message>
        <source>Preset &amp;9:</source>
        <translation>Modèle &amp;9 :</translation>
    </message>
    <message>
        <source>Preset 9</source>
        <translation>Modèle 9</translation>
    </message>
    <message>
        <source>The message that preset button 9 sends</source>
        <translation>Le message qu’envoie le bouton de modèle 9</translation>
    </message>
    <message>
        <source>&amp;OK preset:</source>
        <translation>Modèle &amp;OK :</translation>
    </message>
    <message>
        <source>OK preset</source>
        <translation>Modèle OK</translation>
    </message>
    <message>
        <source>Sent in place of an empty message in auto-hide mode</source>
        <translation>Envoyé à la place d’un message vide en mode masquage automatique</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>O&amp;pacité :</translation>
    </message>
    <message>
        <source>Opacity value</source>
        <translation>Valeur de l’opacité</translation>
    </message>
    <message>
        <source>Read-only: the stepper beside it changes it</source>
        <translation>Lecture seule : les flèches à côté modifient la valeur</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Opacity of the chat window background, from the next start</source>
        <translation>Opacité du fond de la fenêtre de discussion, au prochain démarrage</translation>
    </message>
    <message>
        <source>Hide &amp;delay (seconds):</source>
        <translation>&amp;Délai de masquage (secondes) :</translation>
    </message>
    <message>
        <source>Hide delay value</source>
        <translation>Valeur du délai de masquage</translation>
    </message>
    <message>
        <source>Hide delay in seconds</source>
        <translation>Délai de masquage en secondes</translation>
    </message>
    <message>
        <source>Seconds after sending before Corvel hides in auto-hide mode</source>
        <translation>Secondes après l’envoi avant que Corvel ne se masque en mode masquage automatique</translation>
    </message>
    <message>
        <source>&amp;Inverted colours (white on black)</source>
        <translation>Couleurs &amp;inversées (blanc sur noir)</translation>
    </message>
    <message>
        <source>Inverted colours</source>
        <translation>Couleurs inversées</translation>
    </message>
    <message>
        <source>A black chat window, from the next start</source>
        <translation>Une fenêtre de discussion noire, au prochain démarrage</translation>
    </message>
    <message>
        <source>Auto-&amp;hide after sending</source>
        <translation>&amp;Masquer automatiquement après l’envoi</translation>
    </message>
    <message>
        <source>Auto-hide</source>
        <translation>Masquage automatique</translation>
    </message>
    <message>
        <source>Hide Corvel a while after each message you send, and show it when a message arrives</source>
        <translation>Masquer Corvel peu après chaque message envoyé, et l’afficher à l’arrivée d’un message</translation>
    </message>
    <message>
        <source>Auto-&amp;clear the transcript before sending</source>
        <translation>&amp;Effacer automatiquement la conversation avant l’envoi</translation>
    </message>
    <message>
        <source>Auto-clear</source>
        <translation>Effacement automatique</translation>
    </message>
    <message>
        <source>Empty the transcript before each message you send</source>
        <translation>Vider la conversation avant chaque message envoyé</translation>
    </message>
    <message>
        <source>Desktop &amp;notifications while Corvel is hidden or in the background</source>
        <translation>&amp;Notifications du bureau quand Corvel est masqué ou en arrière-plan</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>A desktop notification for each message or call that arrives while you are away</source>
        <translation>Une notification du bureau pour chaque message ou appel reçu pendant votre absence</translation>
    </message>
    <message>
        <source>&amp;Destinations:</source>
        <translation>Des&amp;tinataires :</translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation>Destinataires</translation>
    </message>
    <message>
        <source>none; for example 10.8.0.5, 192.168.2.255</source>
        <translation>aucun ; par exemple 10.8.0.5, 192.168.2.255</translation>
    </message>
    <message>
        <source>Extra IPv4 addresses, comma-separated, that every message also goes to: hosts across a VPN, or the broadcast address of another subnet</source>
        <translation>Adresses IPv4 supplémentaires, séparées par des virgules, auxquelles chaque message est aussi envoyé : des machines derrière un VPN, ou l’adresse de diffusion d’un autre sous-réseau</translation>
    </message>
    <message>
        <source>Networks:</source>
        <translation>Réseaux :</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Réseaux</translation>
    </message>
    <message>
        <source>The interfaces your messages go out on, with their addresses</source>
        <translation>Les interfaces par lesquelles partent vos messages, avec leurs adresses</translation>
    </message>
    <message>
        <source>Opacity and inverted colours show from the next start of Corvel.</source>
        <translation>L’opacité et les couleurs inversées s’appliquent au prochain démarrage de Corvel.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close without storing the texts (Esc)</source>
        <translation>Fermer sans enregistrer les textes (Échap)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Store the user name, presets and OK preset, and close</source>
        <translation>Enregistrer le nom d’utilisateur, les modèles et le modèle OK, puis fermer</translation>
    </message>
    <message>
        <source>Destinations not applied: %1</source>
        <translation>Destinataires non appliqués : %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Also send to hosts &amp;beyond the LAN that write to this copy</source>
        <translation>Envoyer aussi aux hôtes &amp;au-delà du réseau local qui écrivent à cette copie</translation>
    </message>
    <message>
        <source>Learn senders</source>
        <translation>Retenir les expéditeurs</translation>
    </message>
    <message>
        <source>A host on a private network beyond your LAN that writes to this computer&apos;s address gets your messages until ten minutes after it last wrote</source>
        <translation>Un hôte d&apos;un réseau privé au-delà de votre réseau local qui écrit à l&apos;adresse de cet ordinateur reçoit vos messages jusqu&apos;à dix minutes après son dernier envoi</translation>
    </message>
    <message>
        <source>%1 (a destination)</source>
        <translation>%1 (une destination)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (wrote %n s ago)</source>
        <translation>
            <numerusform>%1 (a écrit il y a %n s)</numerusform>
            <numerusform>%1 (a écrit il y a %n s)</numerusform>
        </translation>
    </message>
    <message>
        <source>Your messages also go to:</source>
        <translation>Vos messages vont aussi à :</translation>
    </message>
    <message>
        <source>Beyond the LAN:</source>
        <translation>Au-delà du réseau local :</translation>
    </message>
    <message>
        <source>Hosts beyond the LAN</source>
        <translation>Hôtes au-delà du réseau local</translation>
    </message>
    <message numerus="yes">
        <source>%n host(s)</source>
        <translation>
            <numerusform>%n hôte</numerusform>
            <numerusform>%n hôtes</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Start Corvel when I log in</source>
        <translation>&amp;Lancer Corvel à l’ouverture de session</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Start Corvel hidden, with its tray icon, each time you log in</source>
        <translation>Lancer Corvel masqué, avec son icône dans la zone de notification, à chaque ouverture de session</translation>
    </message>
    <message>
        <source>Your messages go to no host beyond the LAN</source>
        <translation>Vos messages ne vont à aucun hôte au-delà du réseau local</translation>
    </message>
</context>
</TS>
