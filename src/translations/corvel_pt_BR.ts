<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ChatWindow</name>
    <message>
        <source>Corvel chat</source>
        <translation>Bate-papo do Corvel</translation>
    </message>
    <message>
        <source>Corvel logo</source>
        <translation>Logotipo do Corvel</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>Font size in points</source>
        <translation>Tamanho da fonte em pontos</translation>
    </message>
    <message>
        <source>Read-only: the stepper beside it changes it</source>
        <translation>Somente leitura: as setas ao lado alteram o valor</translation>
    </message>
    <message>
        <source>Font size stepper</source>
        <translation>Ajuste do tamanho da fonte</translation>
    </message>
    <message>
        <source>Font size of the transcript and the message field, in points</source>
        <translation>Tamanho da fonte da conversa e do campo de mensagem, em pontos</translation>
    </message>
    <message>
        <source>Commands and their keys</source>
        <translation>Comandos e seus atalhos</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Call, who is online, clear, hide, preferences, clear all data and exit, with their keys</source>
        <translation>Chamar, quem está on-line, limpar, ocultar, preferências, limpar todos os dados e sair, com seus atalhos</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Conversa</translation>
    </message>
    <message>
        <source>Read-only log of the conversation, newest line last</source>
        <translation>Registro da conversa somente leitura, com a linha mais recente no fim</translation>
    </message>
    <message>
        <source>Send preset 1</source>
        <translation>Enviar o modelo 1</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Modelo 1</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 1 in the preferences</source>
        <translation>Envia a mensagem salva como modelo 1 nas preferências</translation>
    </message>
    <message>
        <source>Send preset 2</source>
        <translation>Enviar o modelo 2</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Modelo 2</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 2 in the preferences</source>
        <translation>Envia a mensagem salva como modelo 2 nas preferências</translation>
    </message>
    <message>
        <source>Send preset 3</source>
        <translation>Enviar o modelo 3</translation>
    </message>
    <message>
        <source>Preset 3</source>
        <translation>Modelo 3</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 3 in the preferences</source>
        <translation>Envia a mensagem salva como modelo 3 nas preferências</translation>
    </message>
    <message>
        <source>Send preset 4</source>
        <translation>Enviar o modelo 4</translation>
    </message>
    <message>
        <source>Preset 4</source>
        <translation>Modelo 4</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 4 in the preferences</source>
        <translation>Envia a mensagem salva como modelo 4 nas preferências</translation>
    </message>
    <message>
        <source>Send preset 5</source>
        <translation>Enviar o modelo 5</translation>
    </message>
    <message>
        <source>Preset 5</source>
        <translation>Modelo 5</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 5 in the preferences</source>
        <translation>Envia a mensagem salva como modelo 5 nas preferências</translation>
    </message>
    <message>
        <source>Send preset 6</source>
        <translation>Enviar o modelo 6</translation>
    </message>
    <message>
        <source>Preset 6</source>
        <translation>Modelo 6</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 6 in the preferences</source>
        <translation>Envia a mensagem salva como modelo 6 nas preferências</translation>
    </message>
    <message>
        <source>Send preset 7</source>
        <translation>Enviar o modelo 7</translation>
    </message>
    <message>
        <source>Preset 7</source>
        <translation>Modelo 7</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 7 in the preferences</source>
        <translation>Envia a mensagem salva como modelo 7 nas preferências</translation>
    </message>
    <message>
        <source>Send preset 8</source>
        <translation>Enviar o modelo 8</translation>
    </message>
    <message>
        <source>Preset 8</source>
        <translation>Modelo 8</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 8 in the preferences</source>
        <translation>Envia a mensagem salva como modelo 8 nas preferências</translation>
    </message>
    <message>
        <source>Send preset 9</source>
        <translation>Enviar o modelo 9</translation>
    </message>
    <message>
        <source>Preset 9</source>
        <translation>Modelo 9</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 9 in the preferences</source>
        <translation>Envia a mensagem salva como modelo 9 nas preferências</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Send the message (Return)</source>
        <translation>Enviar a mensagem (Enter)</translation>
    </message>
    <message>
        <source>Sends the message to everybody on the network</source>
        <translation>Envia a mensagem para todos na rede</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Chamar</translation>
    </message>
    <message>
        <source>Make everybody&apos;s window flash</source>
        <translation>Fazer a janela de todos piscar</translation>
    </message>
    <message>
        <source>Call everybody</source>
        <translation>Chamar todos</translation>
    </message>
    <message>
        <source>Makes every other window on the network flash until someone answers</source>
        <translation>Faz todas as outras janelas da rede piscarem até que alguém responda</translation>
    </message>
    <message>
        <source>Who?</source>
        <translation>Quem?</translation>
    </message>
    <message>
        <source>Ask who is online</source>
        <translation>Perguntar quem está on-line</translation>
    </message>
    <message>
        <source>Who is online</source>
        <translation>Quem está on-line</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Empty the transcript</source>
        <translation>Esvaziar a conversa</translation>
    </message>
    <message>
        <source>Clear transcript</source>
        <translation>Limpar a conversa</translation>
    </message>
    <message>
        <source>Empties this window&apos;s transcript only</source>
        <translation>Esvazia somente a conversa desta janela</translation>
    </message>
    <message>
        <source>Call Everybody</source>
        <translation>Chamar todos</translation>
    </message>
    <message>
        <source>Who Is Online?</source>
        <translation>Quem está on-line?</translation>
    </message>
    <message>
        <source>Clear Transcript</source>
        <translation>Limpar a conversa</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferências…</translation>
    </message>
    <message>
        <source>Clear All Data</source>
        <translation>Limpar todos os dados</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>corvel::CommandLine</name>
    <message>
        <source>Chat with the people on the local network.</source>
        <translation>Converse com as pessoas da rede local.</translation>
    </message>
    <message>
        <source>Start a further copy even though one already runs for this user on this display.</source>
        <translation>Iniciar outra instância mesmo que já haja uma em execução para este usuário nesta tela.</translation>
    </message>
    <message>
        <source>Usage: corvel [options]</source>
        <translation>Uso: corvel [opções]</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Check the network without opening a window: where messages go, whether the chat port can be had, and whether a presence query comes back and who answers it. Every running copy shows the query.</source>
        <translation>Verificar a rede sem abrir nenhuma janela: para onde vão as mensagens, se a porta do bate-papo está disponível e se uma consulta de presença volta e quem a responde. Todas as cópias em execução mostram a consulta.</translation>
    </message>
    <message>
        <source>Print the usage and the options, and exit.</source>
        <translation>Mostrar o uso e as opções, e sair.</translation>
    </message>
    <message>
        <source>Start with the window hidden and only the tray icon shown, as at log-in. The window shows when no tray comes within ten seconds.</source>
        <translation>Iniciar com a janela oculta e apenas o ícone da bandeja visível, como ao entrar na sessão. A janela aparece se nenhuma bandeja surgir em dez segundos.</translation>
    </message>
</context>
<context>
    <name>corvel::DesktopNotifications</name>
    <message>
        <source>Show Corvel</source>
        <translation>Mostrar o Corvel</translation>
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
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>corvel::Destinations</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address such as 192.168.2.255</source>
        <translation>&quot;%1&quot; não é um endereço IPv4 como 192.168.2.255</translation>
    </message>
</context>
<context>
    <name>corvel::LongLine</name>
    <message numerus="yes">
        <source>… [%n more characters not shown: copy the line for all of it]</source>
        <translation>
            <numerusform>… [mais %n caractere não exibido: copie a linha para obtê-la inteira]</numerusform>
            <numerusform>… [mais %n caracteres não exibidos: copie a linha para obtê-la inteira]</numerusform>
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
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Interfaces:</source>
        <translation>Interfaces:</translation>
    </message>
    <message>
        <source>(one LAN with %1: not used)</source>
        <translation>(mesma rede local que %1: não usada)</translation>
    </message>
    <message>
        <source>Destinations: %1</source>
        <translation>Destinos: %1</translation>
    </message>
    <message>
        <source>Verdict: port %1 cannot be had, so nothing can be sent or received</source>
        <translation>Resultado: a porta %1 não está disponível, então nada pode ser enviado nem recebido</translation>
    </message>
    <message>
        <source>Port %1: bound</source>
        <translation>Porta %1: vinculada</translation>
    </message>
    <message>
        <source>Verdict: no network: no interface is up with a carrier, can broadcast and has an IPv4 address</source>
        <translation>Resultado: sem rede: nenhuma interface está ativa com conexão, permite broadcast e tem um endereço IPv4</translation>
    </message>
    <message>
        <source>Verdict: the query could not be sent</source>
        <translation>Resultado: não foi possível enviar a consulta</translation>
    </message>
    <message>
        <source>Own query: came back after %1 ms</source>
        <translation>Consulta própria: voltou após %1 ms</translation>
    </message>
    <message>
        <source>Own query: did not come back</source>
        <translation>Consulta própria: não voltou</translation>
    </message>
    <message>
        <source>Answered: %1</source>
        <translation>Respostas: %1</translation>
    </message>
    <message>
        <source>Verdict: own messages do not come back. A firewall on this computer probably blocks UDP port 54545; allow it with &apos;sudo ufw allow 54545/udp&apos;, or with &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; and &apos;sudo firewall-cmd --reload&apos;</source>
        <translation>Resultado: as próprias mensagens não voltam. Provavelmente um firewall neste computador bloqueia a porta UDP 54545; libere-a com &apos;sudo ufw allow 54545/udp&apos;, ou com &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; e &apos;sudo firewall-cmd --reload&apos;</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>este computador</translation>
    </message>
    <message>
        <source>Verdict: working; %1 answered</source>
        <translation>Resultado: funcionando; responderam %1</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s)</source>
        <translation>
            <numerusform>%n nome</numerusform>
            <numerusform>%n nomes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 from %n host(s)</source>
        <translation>
            <numerusform>%1 de %n host</numerusform>
            <numerusform>%1 de %n hosts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e mais %n</numerusform>
            <numerusform>… e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Hosts beyond the LAN that wrote: not learned (off)</source>
        <translation>Computadores além da LAN que escreveram: não lembrados (desligado)</translation>
    </message>
    <message numerus="yes">
        <source>Hosts beyond the LAN that wrote: %n</source>
        <translation>
            <numerusform>Computadores além da LAN que escreveram: %n</numerusform>
            <numerusform>Computadores além da LAN que escreveram: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n s ago</source>
        <translation>
            <numerusform>%1, há %n s</numerusform>
            <numerusform>%1, há %n s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::OwnEcho</name>
    <message>
        <source>Your own messages are not coming back, so nothing from the others arrives either. A firewall on this computer probably blocks UDP port 54545. To allow it: &apos;sudo ufw allow 54545/udp&apos;, or &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; and then &apos;sudo firewall-cmd --reload&apos;.</source>
        <translation>Suas próprias mensagens não estão voltando, então nada dos outros chega também. Provavelmente um firewall neste computador bloqueia a porta UDP 54545. Para liberá-la: &apos;sudo ufw allow 54545/udp&apos;, ou &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; e depois &apos;sudo firewall-cmd --reload&apos;.</translation>
    </message>
    <message>
        <source>Your own messages come back again.</source>
        <translation>Suas próprias mensagens voltaram a chegar.</translation>
    </message>
    <message>
        <source>(not confirmed: nothing comes back)</source>
        <translation>(não confirmada: nada volta)</translation>
    </message>
</context>
<context>
    <name>corvel::Stepper</name>
    <message>
        <source>Decrease</source>
        <translation>Diminuir</translation>
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
            <numerusform>%n linha não lida</numerusform>
            <numerusform>%n linhas não lidas</numerusform>
        </translation>
    </message>
    <message>
        <source>a call</source>
        <translation>uma chamada</translation>
    </message>
    <message>
        <source>%1 and a call</source>
        <translation>%1 e uma chamada</translation>
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
        <translation>Preferências do Corvel</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome de &amp;usuário:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>The name that begins every message you send</source>
        <translation>O nome que inicia cada mensagem que você envia</translation>
    </message>
    <message>
        <source>Preset &amp;1:</source>
        <translation>Modelo &amp;1:</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Modelo 1</translation>
    </message>
    <message>
        <source>The message that preset button 1 sends</source>
        <translation>A mensagem que o botão de modelo 1 envia</translation>
    </message>
    <message>
        <source>Preset &amp;2:</source>
        <translation>Modelo &amp;2:</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Modelo 2</translation>
    </message>
    <message>
        <source>The message that preset button 2 sends</source>
        <translation>A mensagem que o botão de modelo 2 envia</translation>
    </message>
    <message>
        <source>Preset &amp;3:</source>
        <translation>Modelo &amp;3:</translation>
    </message>
    <message>
        <source>Preset 3</source>
        <translation>Modelo 3</translation>
    </message>
    <message>
        <source>The message that preset button 3 sends</source>
        <translation>A mensagem que o botão de modelo 3 envia</translation>
    </message>
    <message>
        <source>Preset &amp;4:</source>
        <translation>Modelo &amp;4:</translation>
    </message>
    <message>
        <source>Preset 4</source>
        <translation>Modelo 4</translation>
    </message>
    <message>
        <source>The message that preset button 4 sends</source>
        <translation>A mensagem que o botão de modelo 4 envia</translation>
    </message>
    <message>
        <source>Preset &amp;5:</source>
        <translation>Modelo &amp;5:</translation>
    </message>
    <message>
        <source>Preset 5</source>
        <translation>Modelo 5</translation>
    </message>
    <message>
        <source>The message that preset button 5 sends</source>
        <translation>A mensagem que o botão de modelo 5 envia</translation>
    </message>
    <message>
        <source>Preset &amp;6:</source>
        <translation>Modelo &amp;6:</translation>
    </message>
    <message>
        <source>Preset 6</source>
        <translation>Modelo 6</translation>
    </message>
    <message>
        <source>The message that preset button 6 sends</source>
        <translation>A mensagem que o botão de modelo 6 envia</translation>
    </message>
    <message>
        <source>Preset &amp;7:</source>
        <translation>Modelo &amp;7:</translation>
    </message>
    <message>
        <source>Preset 7</source>
        <translation>Modelo 7</translation>
    </message>
    <message>
        <source>The message that preset button 7 sends</source>
        <translation>A mensagem que o botão de modelo 7 envia</translation>
    </message>
    <message>
        <source>Preset &amp;8:</source>
        <translation>Modelo &amp;8:</translation>
    </message>
    <message>
        <source>Preset 8</source>
        <translation>Modelo 8</translation>
    </message>
    <message>
        <source>The message that preset button 8 sends</source>
        <translation>A mensagem que o botão de modelo 8 envia</translation>
    </message>
    <message>
        <source>Preset &amp;9:</source>
        <translation>Modelo &amp;9:</translation>
    </message>
    <message>
        <source>Preset 9</source>
        <translation>Modelo 9</translation>
    </message>
    <message>
        <source>The message that preset button 9 sends</source>
        <translation>A mensagem que o botão de modelo 9 envia</translation>
    </message>
    <message>
        <source>&amp;OK preset:</source>
        <translation>Modelo &amp;OK:</translation>
    </message>
    <message>
        <source>OK preset</source>
        <translation>Modelo OK</translation>
    </message>
    <message>
        <source>Sent in place of an empty message in auto-hide mode</source>
        <translation>Enviado no lugar de uma mensagem vazia no modo de ocultação automática</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>O&amp;pacidade:</translation>
    </message>
    <message>
        <source>Opacity value</source>
        <translation>Valor da opacidade</translation>
    </message>
    <message>
        <source>Read-only: the stepper beside it changes it</source>
        <translation>Somente leitura: as setas ao lado alteram o valor</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Opacity of the chat window background, from the next start</source>
        <translation>Opacidade do fundo da janela de bate-papo, a partir da próxima inicialização</translation>
    </message>
    <message>
        <source>Hide &amp;delay (seconds):</source>
        <translation>A&amp;traso para ocultar (segundos):</translation>
    </message>
    <message>
        <source>Hide delay value</source>
        <translation>Valor do atraso para ocultar</translation>
    </message>
    <message>
        <source>Hide delay in seconds</source>
        <translation>Atraso para ocultar em segundos</translation>
    </message>
    <message>
        <source>Seconds after sending before Corvel hides in auto-hide mode</source>
        <translation>Segundos após o envio até o Corvel se ocultar no modo de ocultação automática</translation>
    </message>
    <message>
        <source>&amp;Inverted colours (white on black)</source>
        <translation>Cores &amp;invertidas (branco sobre preto)</translation>
    </message>
    <message>
        <source>Inverted colours</source>
        <translation>Cores invertidas</translation>
    </message>
    <message>
        <source>A black chat window, from the next start</source>
        <translation>Uma janela de bate-papo preta, a partir da próxima inicialização</translation>
    </message>
    <message>
        <source>Auto-&amp;hide after sending</source>
        <translation>Ocultar automaticamente após &amp;enviar</translation>
    </message>
    <message>
        <source>Auto-hide</source>
        <translation>Ocultação automática</translation>
    </message>
    <message>
        <source>Hide Corvel a while after each message you send, and show it when a message arrives</source>
        <translation>Ocultar o Corvel pouco depois de cada mensagem enviada e mostrá-lo quando chegar uma mensagem</translation>
    </message>
    <message>
        <source>Auto-&amp;clear the transcript before sending</source>
        <translation>&amp;Limpar automaticamente a conversa antes de enviar</translation>
    </message>
    <message>
        <source>Auto-clear</source>
        <translation>Limpeza automática</translation>
    </message>
    <message>
        <source>Empty the transcript before each message you send</source>
        <translation>Esvaziar a conversa antes de cada mensagem enviada</translation>
    </message>
    <message>
        <source>Desktop &amp;notifications while Corvel is hidden or in the background</source>
        <translation>&amp;Notificações da área de trabalho enquanto o Corvel estiver oculto ou em segundo plano</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>A desktop notification for each message or call that arrives while you are away</source>
        <translation>Uma notificação da área de trabalho para cada mensagem ou chamada que chegar enquanto você estiver ausente</translation>
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
        <translation>nenhum; por exemplo 10.8.0.5, 192.168.2.255</translation>
    </message>
    <message>
        <source>Extra IPv4 addresses, comma-separated, that every message also goes to: hosts across a VPN, or the broadcast address of another subnet</source>
        <translation>Endereços IPv4 adicionais, separados por vírgulas, para os quais cada mensagem também vai: computadores do outro lado de uma VPN ou o endereço de broadcast de outra sub-rede</translation>
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
        <translation>As interfaces pelas quais suas mensagens saem, com seus endereços</translation>
    </message>
    <message>
        <source>Opacity and inverted colours show from the next start of Corvel.</source>
        <translation>A opacidade e as cores invertidas valem a partir da próxima inicialização do Corvel.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close without storing the texts (Esc)</source>
        <translation>Fechar sem salvar os textos (Esc)</translation>
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
        <translation>Salvar o nome de usuário, os modelos e o modelo OK, e fechar</translation>
    </message>
    <message>
        <source>Destinations not applied: %1</source>
        <translation>Destinos não aplicados: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Also send to hosts &amp;beyond the LAN that write to this copy</source>
        <translation>Enviar também aos computadores &amp;além da LAN que escrevem para esta cópia</translation>
    </message>
    <message>
        <source>Learn senders</source>
        <translation>Lembrar remetentes</translation>
    </message>
    <message>
        <source>A host on a private network beyond your LAN that writes to this computer&apos;s address gets your messages until ten minutes after it last wrote</source>
        <translation>Um computador de uma rede privada além da sua LAN que escreve para o endereço deste computador recebe suas mensagens até dez minutos depois do último envio dele</translation>
    </message>
    <message>
        <source>%1 (a destination)</source>
        <translation>%1 (um destino)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (wrote %n s ago)</source>
        <translation>
            <numerusform>%1 (escreveu há %n s)</numerusform>
            <numerusform>%1 (escreveu há %n s)</numerusform>
        </translation>
    </message>
    <message>
        <source>Your messages also go to:</source>
        <translation>Suas mensagens também vão para:</translation>
    </message>
    <message>
        <source>Beyond the LAN:</source>
        <translation>Além da LAN:</translation>
    </message>
    <message>
        <source>Hosts beyond the LAN</source>
        <translation>Computadores além da LAN</translation>
    </message>
    <message numerus="yes">
        <source>%n host(s)</source>
        <translation>
            <numerusform>%n computador</numerusform>
            <numerusform>%n computadores</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Start Corvel when I log in</source>
        <translation>Iniciar o Corvel ao entrar na &amp;sessão</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Iniciar ao entrar na sessão</translation>
    </message>
    <message>
        <source>Start Corvel hidden, with its tray icon, each time you log in</source>
        <translation>Iniciar o Corvel oculto, com seu ícone na bandeja, sempre que você entrar na sessão</translation>
    </message>
    <message>
        <source>Your messages go to no host beyond the LAN</source>
        <translation>Suas mensagens não vão para nenhum computador além da LAN</translation>
    </message>
</context>
</TS>
