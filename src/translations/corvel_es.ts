<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ChatWindow</name>
    <message>
        <source>Corvel chat</source>
        <translation>Chat de Corvel</translation>
    </message>
    <message>
        <source>Corvel logo</source>
        <translation>Logotipo de Corvel</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>Font size in points</source>
        <translation>Tamaño de letra en puntos</translation>
    </message>
    <message>
        <source>Read-only: the stepper beside it changes it</source>
        <translation>Solo lectura: las flechas de al lado cambian el valor</translation>
    </message>
    <message>
        <source>Font size stepper</source>
        <translation>Ajuste del tamaño de letra</translation>
    </message>
    <message>
        <source>Font size of the transcript and the message field, in points</source>
        <translation>Tamaño de letra de la conversación y del campo de mensaje, en puntos</translation>
    </message>
    <message>
        <source>Commands and their keys</source>
        <translation>Órdenes y sus atajos de teclado</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Call, who is online, clear, hide, preferences, clear all data and exit, with their keys</source>
        <translation>Llamar, quién está conectado, borrar, ocultar, preferencias, borrar todos los datos y salir, con sus atajos de teclado</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Conversación</translation>
    </message>
    <message>
        <source>Read-only log of the conversation, newest line last</source>
        <translation>Registro de la conversación de solo lectura, con la línea más reciente al final</translation>
    </message>
    <message>
        <source>Send preset 1</source>
        <translation>Enviar la plantilla 1</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Plantilla 1</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 1 in the preferences</source>
        <translation>Envía el mensaje guardado como plantilla 1 en las preferencias</translation>
    </message>
    <message>
        <source>Send preset 2</source>
        <translation>Enviar la plantilla 2</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Plantilla 2</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 2 in the preferences</source>
        <translation>Envía el mensaje guardado como plantilla 2 en las preferencias</translation>
    </message>
    <message>
        <source>Send preset 3</source>
        <translation>Enviar la plantilla 3</translation>
    </message>
    <message>
        <source>Preset 3</source>
        <translation>Plantilla 3</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 3 in the preferences</source>
        <translation>Envía el mensaje guardado como plantilla 3 en las preferencias</translation>
    </message>
    <message>
        <source>Send preset 4</source>
        <translation>Enviar la plantilla 4</translation>
    </message>
    <message>
        <source>Preset 4</source>
        <translation>Plantilla 4</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 4 in the preferences</source>
        <translation>Envía el mensaje guardado como plantilla 4 en las preferencias</translation>
    </message>
    <message>
        <source>Send preset 5</source>
        <translation>Enviar la plantilla 5</translation>
    </message>
    <message>
        <source>Preset 5</source>
        <translation>Plantilla 5</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 5 in the preferences</source>
        <translation>Envía el mensaje guardado como plantilla 5 en las preferencias</translation>
    </message>
    <message>
        <source>Send preset 6</source>
        <translation>Enviar la plantilla 6</translation>
    </message>
    <message>
        <source>Preset 6</source>
        <translation>Plantilla 6</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 6 in the preferences</source>
        <translation>Envía el mensaje guardado como plantilla 6 en las preferencias</translation>
    </message>
    <message>
        <source>Send preset 7</source>
        <translation>Enviar la plantilla 7</translation>
    </message>
    <message>
        <source>Preset 7</source>
        <translation>Plantilla 7</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 7 in the preferences</source>
        <translation>Envía el mensaje guardado como plantilla 7 en las preferencias</translation>
    </message>
    <message>
        <source>Send preset 8</source>
        <translation>Enviar la plantilla 8</translation>
    </message>
    <message>
        <source>Preset 8</source>
        <translation>Plantilla 8</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 8 in the preferences</source>
        <translation>Envía el mensaje guardado como plantilla 8 en las preferencias</translation>
    </message>
    <message>
        <source>Send preset 9</source>
        <translation>Enviar la plantilla 9</translation>
    </message>
    <message>
        <source>Preset 9</source>
        <translation>Plantilla 9</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 9 in the preferences</source>
        <translation>Envía el mensaje guardado como plantilla 9 en las preferencias</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Send the message (Return)</source>
        <translation>Enviar el mensaje (Intro)</translation>
    </message>
    <message>
        <source>Sends the message to everybody on the network</source>
        <translation>Envía el mensaje a todos en la red</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Llamar</translation>
    </message>
    <message>
        <source>Make everybody&apos;s window flash</source>
        <translation>Hacer parpadear la ventana de todos</translation>
    </message>
    <message>
        <source>Call everybody</source>
        <translation>Llamar a todos</translation>
    </message>
    <message>
        <source>Makes every other window on the network flash until someone answers</source>
        <translation>Hace parpadear las demás ventanas de la red hasta que alguien responda</translation>
    </message>
    <message>
        <source>Who?</source>
        <translation>¿Quién?</translation>
    </message>
    <message>
        <source>Ask who is online</source>
        <translation>Preguntar quién está conectado</translation>
    </message>
    <message>
        <source>Who is online</source>
        <translation>Quién está conectado</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Empty the transcript</source>
        <translation>Vaciar la conversación</translation>
    </message>
    <message>
        <source>Clear transcript</source>
        <translation>Borrar la conversación</translation>
    </message>
    <message>
        <source>Empties this window&apos;s transcript only</source>
        <translation>Vacía solo la conversación de esta ventana</translation>
    </message>
    <message>
        <source>Call Everybody</source>
        <translation>Llamar a todos</translation>
    </message>
    <message>
        <source>Who Is Online?</source>
        <translation>¿Quién está conectado?</translation>
    </message>
    <message>
        <source>Clear Transcript</source>
        <translation>Borrar la conversación</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Clear All Data</source>
        <translation>Borrar todos los datos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>corvel::CommandLine</name>
    <message>
        <source>Chat with the people on the local network.</source>
        <translation>Chatear con las personas de la red local.</translation>
    </message>
    <message>
        <source>Start a further copy even though one already runs for this user on this display.</source>
        <translation>Iniciar otra instancia aunque ya haya una en ejecución para este usuario en esta pantalla.</translation>
    </message>
    <message>
        <source>Usage: corvel [options]</source>
        <translation>Uso: corvel [opciones]</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Check the network without opening a window: where messages go, whether the chat port can be had, and whether a presence query comes back and who answers it. Every running copy shows the query.</source>
        <translation>Comprobar la red sin abrir ninguna ventana: adónde van los mensajes, si el puerto del chat está disponible y si una consulta de presencia vuelve y quién la responde. Todas las copias en ejecución muestran la consulta.</translation>
    </message>
    <message>
        <source>Print the usage and the options, and exit.</source>
        <translation>Mostrar el uso y las opciones, y salir.</translation>
    </message>
    <message>
        <source>Start with the window hidden and only the tray icon shown, as at log-in. The window shows when no tray comes within ten seconds.</source>
        <translation>Iniciar con la ventana oculta y solo el icono de la bandeja visible, como al iniciar sesión. La ventana aparece si no llega ninguna bandeja en diez segundos.</translation>
    </message>
</context>
<context>
    <name>corvel::DesktopNotifications</name>
    <message>
        <source>Show Corvel</source>
        <translation>Mostrar Corvel</translation>
    </message>
</context>
<context>
    <name>corvel::DesktopShell</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>corvel::Destinations</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address such as 192.168.2.255</source>
        <translation>«%1» no es una dirección IPv4 como 192.168.2.255</translation>
    </message>
</context>
<context>
    <name>corvel::LongLine</name>
    <message numerus="yes">
        <source>… [%n more characters not shown: copy the line for all of it]</source>
        <translation>
            <numerusform>… [%n carácter más sin mostrar: copie la línea para obtenerla entera]</numerusform>
            <numerusform>… [%n caracteres más sin mostrar: copie la línea para obtenerla entera]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[+%n marks]</source>
        <translation>
            <numerusform>[+%n diacrítico]</numerusform>
            <numerusform>[+%n diacríticos]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::NetworkCheck</name>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Interfaces:</source>
        <translation>Interfaces:</translation>
    </message>
    <message>
        <source>(one LAN with %1: not used)</source>
        <translation>(misma red local que %1: no se usa)</translation>
    </message>
    <message>
        <source>Destinations: %1</source>
        <translation>Destinos: %1</translation>
    </message>
    <message>
        <source>Verdict: port %1 cannot be had, so nothing can be sent or received</source>
        <translation>Resultado: el puerto %1 no está disponible, así que no se puede enviar ni recibir nada</translation>
    </message>
    <message>
        <source>Port %1: bound</source>
        <translation>Puerto %1: vinculado</translation>
    </message>
    <message>
        <source>Verdict: no network: no interface is up with a carrier, can broadcast and has an IPv4 address</source>
        <translation>Resultado: sin red: ninguna interfaz está activa con enlace, admite difusión y tiene una dirección IPv4</translation>
    </message>
    <message>
        <source>Verdict: the query could not be sent</source>
        <translation>Resultado: no se pudo enviar la consulta</translation>
    </message>
    <message>
        <source>Own query: came back after %1 ms</source>
        <translation>Consulta propia: volvió tras %1 ms</translation>
    </message>
    <message>
        <source>Own query: did not come back</source>
        <translation>Consulta propia: no volvió</translation>
    </message>
    <message>
        <source>Answered: %1</source>
        <translation>Respuestas: %1</translation>
    </message>
    <message>
        <source>Verdict: own messages do not come back. A firewall on this computer probably blocks UDP port 54545; allow it with &apos;sudo ufw allow 54545/udp&apos;, or with &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; and &apos;sudo firewall-cmd --reload&apos;</source>
        <translation>Resultado: los mensajes propios no vuelven. Probablemente un cortafuegos de este equipo bloquea el puerto UDP 54545; permítalo con &apos;sudo ufw allow 54545/udp&apos;, o con &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; y &apos;sudo firewall-cmd --reload&apos;</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>este equipo</translation>
    </message>
    <message>
        <source>Verdict: working; %1 answered</source>
        <translation>Resultado: funciona; respondieron %1</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s)</source>
        <translation>
            <numerusform>%n nombre</numerusform>
            <numerusform>%n nombres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 from %n host(s)</source>
        <translation>
            <numerusform>%1 de %n equipo</numerusform>
            <numerusform>%1 de %n equipos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… y %n más</numerusform>
            <numerusform>… y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Hosts beyond the LAN that wrote: not learned (off)</source>
        <translation>Equipos más allá de la LAN que escribieron: no se recuerdan (desactivado)</translation>
    </message>
    <message numerus="yes">
        <source>Hosts beyond the LAN that wrote: %n</source>
        <translation>
            <numerusform>Equipos más allá de la LAN que escribieron: %n</numerusform>
            <numerusform>Equipos más allá de la LAN que escribieron: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n s ago</source>
        <translation>
            <numerusform>%1, hace %n s</numerusform>
            <numerusform>%1, hace %n s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::OwnEcho</name>
    <message>
        <source>Your own messages are not coming back, so nothing from the others arrives either. A firewall on this computer probably blocks UDP port 54545. To allow it: &apos;sudo ufw allow 54545/udp&apos;, or &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; and then &apos;sudo firewall-cmd --reload&apos;.</source>
        <translation>Sus propios mensajes no vuelven, así que tampoco llega nada de los demás. Probablemente un cortafuegos de este equipo bloquea el puerto UDP 54545. Para permitirlo: &apos;sudo ufw allow 54545/udp&apos;, o &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; y después &apos;sudo firewall-cmd --reload&apos;.</translation>
    </message>
    <message>
        <source>Your own messages come back again.</source>
        <translation>Sus propios mensajes vuelven de nuevo.</translation>
    </message>
    <message>
        <source>(not confirmed: nothing comes back)</source>
        <translation>(sin confirmar: no vuelve nada)</translation>
    </message>
</context>
<context>
    <name>corvel::Stepper</name>
    <message>
        <source>Decrease</source>
        <translation>Disminuir</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
</context>
<context>
    <name>corvel::Unread</name>
    <message numerus="yes">
        <source>%n unread line(s)</source>
        <translation>
            <numerusform>%n línea sin leer</numerusform>
            <numerusform>%n líneas sin leer</numerusform>
        </translation>
    </message>
    <message>
        <source>a call</source>
        <translation>una llamada</translation>
    </message>
    <message>
        <source>%1 and a call</source>
        <translation>%1 y una llamada</translation>
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
        <translation>Preferencias de Corvel</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>The name that begins every message you send</source>
        <translation>El nombre con el que empieza cada mensaje que envía</translation>
    </message>
    <message>
        <source>Preset &amp;1:</source>
        <translation>Plantilla &amp;1:</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Plantilla 1</translation>
    </message>
    <message>
        <source>The message that preset button 1 sends</source>
        <translation>El mensaje que envía el botón de plantilla 1</translation>
    </message>
    <message>
        <source>Preset &amp;2:</source>
        <translation>Plantilla &amp;2:</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Plantilla 2</translation>
    </message>
    <message>
        <source>The message that preset button 2 sends</source>
        <translation>El mensaje que envía el botón de plantilla 2</translation>
    </message>
    <message>
        <source>Preset &amp;3:</source>
        <translation>Plantilla &amp;3:</translation>
    </message>
    <message>
        <source>Preset 3</source>
        <translation>Plantilla 3</translation>
    </message>
    <message>
        <source>The message that preset button 3 sends</source>
        <translation>El mensaje que envía el botón de plantilla 3</translation>
    </message>
    <message>
        <source>Preset &amp;4:</source>
        <translation>Plantilla &amp;4:</translation>
    </message>
    <message>
        <source>Preset 4</source>
        <translation>Plantilla 4</translation>
    </message>
    <message>
        <source>The message that preset button 4 sends</source>
        <translation>El mensaje que envía el botón de plantilla 4</translation>
    </message>
    <message>
        <source>Preset &amp;5:</source>
        <translation>Plantilla &amp;5:</translation>
    </message>
    <message>
        <source>Preset 5</source>
        <translation>Plantilla 5</translation>
    </message>
    <message>
        <source>The message that preset button 5 sends</source>
        <translation>El mensaje que envía el botón de plantilla 5</translation>
    </message>
    <message>
        <source>Preset &amp;6:</source>
        <translation>Plantilla &amp;6:</translation>
    </message>
    <message>
        <source>Preset 6</source>
        <translation>Plantilla 6</translation>
    </message>
    <message>
        <source>The message that preset button 6 sends</source>
        <translation>El mensaje que envía el botón de plantilla 6</translation>
    </message>
    <message>
        <source>Preset &amp;7:</source>
        <translation>Plantilla &amp;7:</translation>
    </message>
    <message>
        <source>Preset 7</source>
        <translation>Plantilla 7</translation>
    </message>
    <message>
        <source>The message that preset button 7 sends</source>
        <translation>El mensaje que envía el botón de plantilla 7</translation>
    </message>
    <message>
        <source>Preset &amp;8:</source>
        <translation>Plantilla &amp;8:</translation>
    </message>
    <message>
        <source>Preset 8</source>
        <translation>Plantilla 8</translation>
    </message>
    <message>
        <source>The message that preset button 8 sends</source>
        <translation>El mensaje que envía el botón de plantilla 8</translation>
    </message>
    <message>
        <source>Preset &amp;9:</source>
        <translation>Plantilla &amp;9:</translation>
    </message>
    <message>
        <source>Preset 9</source>
        <translation>Plantilla 9</translation>
    </message>
    <message>
        <source>The message that preset button 9 sends</source>
        <translation>El mensaje que envía el botón de plantilla 9</translation>
    </message>
    <message>
        <source>&amp;OK preset:</source>
        <translation>Plantilla &amp;OK:</translation>
    </message>
    <message>
        <source>OK preset</source>
        <translation>Plantilla OK</translation>
    </message>
    <message>
        <source>Sent in place of an empty message in auto-hide mode</source>
        <translation>Se envía en lugar de un mensaje vacío en el modo de ocultación automática</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>O&amp;pacidad:</translation>
    </message>
    <message>
        <source>Opacity value</source>
        <translation>Valor de la opacidad</translation>
    </message>
    <message>
        <source>Read-only: the stepper beside it changes it</source>
        <translation>Solo lectura: las flechas de al lado cambian el valor</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Opacity of the chat window background, from the next start</source>
        <translation>Opacidad del fondo de la ventana de chat, a partir del próximo inicio</translation>
    </message>
    <message>
        <source>Hide &amp;delay (seconds):</source>
        <translation>&amp;Retardo de ocultación (segundos):</translation>
    </message>
    <message>
        <source>Hide delay value</source>
        <translation>Valor del retardo de ocultación</translation>
    </message>
    <message>
        <source>Hide delay in seconds</source>
        <translation>Retardo de ocultación en segundos</translation>
    </message>
    <message>
        <source>Seconds after sending before Corvel hides in auto-hide mode</source>
        <translation>Segundos tras el envío antes de que Corvel se oculte en el modo de ocultación automática</translation>
    </message>
    <message>
        <source>&amp;Inverted colours (white on black)</source>
        <translation>Colores &amp;invertidos (blanco sobre negro)</translation>
    </message>
    <message>
        <source>Inverted colours</source>
        <translation>Colores invertidos</translation>
    </message>
    <message>
        <source>A black chat window, from the next start</source>
        <translation>Una ventana de chat negra, a partir del próximo inicio</translation>
    </message>
    <message>
        <source>Auto-&amp;hide after sending</source>
        <translation>Ocultar automáticamente &amp;tras enviar</translation>
    </message>
    <message>
        <source>Auto-hide</source>
        <translation>Ocultación automática</translation>
    </message>
    <message>
        <source>Hide Corvel a while after each message you send, and show it when a message arrives</source>
        <translation>Ocultar Corvel poco después de cada mensaje enviado y mostrarlo cuando llegue un mensaje</translation>
    </message>
    <message>
        <source>Auto-&amp;clear the transcript before sending</source>
        <translation>&amp;Borrar automáticamente la conversación antes de enviar</translation>
    </message>
    <message>
        <source>Auto-clear</source>
        <translation>Borrado automático</translation>
    </message>
    <message>
        <source>Empty the transcript before each message you send</source>
        <translation>Vaciar la conversación antes de cada mensaje enviado</translation>
    </message>
    <message>
        <source>Desktop &amp;notifications while Corvel is hidden or in the background</source>
        <translation>&amp;Notificaciones del escritorio mientras Corvel esté oculto o en segundo plano</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>A desktop notification for each message or call that arrives while you are away</source>
        <translation>Una notificación del escritorio por cada mensaje o llamada que llegue durante su ausencia</translation>
    </message>
    <message>
        <source>&amp;Destinations:</source>
        <translation>&amp;Destinos:</translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation>Destinos</translation>
    </message>
    <message>
        <source>none; for example 10.8.0.5, 192.168.2.255</source>
        <translation>ninguno; por ejemplo 10.8.0.5, 192.168.2.255</translation>
    </message>
    <message>
        <source>Extra IPv4 addresses, comma-separated, that every message also goes to: hosts across a VPN, or the broadcast address of another subnet</source>
        <translation>Direcciones IPv4 adicionales, separadas por comas, a las que también va cada mensaje: equipos al otro lado de una VPN o la dirección de difusión de otra subred</translation>
    </message>
    <message>
        <source>Networks:</source>
        <translation>Redes:</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Redes</translation>
    </message>
    <message>
        <source>The interfaces your messages go out on, with their addresses</source>
        <translation>Las interfaces por las que salen sus mensajes, con sus direcciones</translation>
    </message>
    <message>
        <source>Opacity and inverted colours show from the next start of Corvel.</source>
        <translation>La opacidad y los colores invertidos se aplican a partir del próximo inicio de Corvel.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close without storing the texts (Esc)</source>
        <translation>Cerrar sin guardar los textos (Esc)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Store the user name, presets and OK preset, and close</source>
        <translation>Guardar el nombre de usuario, las plantillas y la plantilla OK, y cerrar</translation>
    </message>
    <message>
        <source>Destinations not applied: %1</source>
        <translation>Destinos no aplicados: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Also send to hosts &amp;beyond the LAN that write to this copy</source>
        <translation>Enviar también a los equipos &amp;más allá de la LAN que escriben a esta copia</translation>
    </message>
    <message>
        <source>Learn senders</source>
        <translation>Recordar remitentes</translation>
    </message>
    <message>
        <source>A host on a private network beyond your LAN that writes to this computer&apos;s address gets your messages until ten minutes after it last wrote</source>
        <translation>Un equipo de una red privada más allá de su LAN que escribe a la dirección de este ordenador recibe sus mensajes hasta diez minutos después de su último envío</translation>
    </message>
    <message>
        <source>%1 (a destination)</source>
        <translation>%1 (un destino)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (wrote %n s ago)</source>
        <translation>
            <numerusform>%1 (escribió hace %n s)</numerusform>
            <numerusform>%1 (escribió hace %n s)</numerusform>
        </translation>
    </message>
    <message>
        <source>Your messages also go to:</source>
        <translation>Sus mensajes también van a:</translation>
    </message>
    <message>
        <source>Beyond the LAN:</source>
        <translation>Más allá de la LAN:</translation>
    </message>
    <message>
        <source>Hosts beyond the LAN</source>
        <translation>Equipos más allá de la LAN</translation>
    </message>
    <message numerus="yes">
        <source>%n host(s)</source>
        <translation>
            <numerusform>%n equipo</numerusform>
            <numerusform>%n equipos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Start Corvel when I log in</source>
        <translation>Iniciar Corvel al iniciar &amp;sesión</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>Start Corvel hidden, with its tray icon, each time you log in</source>
        <translation>Iniciar Corvel oculto, con su icono en la bandeja, cada vez que inicie sesión</translation>
    </message>
    <message>
        <source>Your messages go to no host beyond the LAN</source>
        <translation>Sus mensajes no van a ningún equipo más allá de la LAN</translation>
    </message>
</context>
</TS>
