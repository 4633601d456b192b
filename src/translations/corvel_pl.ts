<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ChatWindow</name>
    <message>
        <source>Corvel chat</source>
        <translation>Czat Corvel</translation>
    </message>
    <message>
        <source>Corvel logo</source>
        <translation>Logo Corvel</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Rozmiar czcionki</translation>
    </message>
    <message>
        <source>Font size in points</source>
        <translation>Rozmiar czcionki w punktach</translation>
    </message>
    <message>
        <source>Read-only: the stepper beside it changes it</source>
        <translation>Tylko do odczytu: wartość zmieniają strzałki obok</translation>
    </message>
    <message>
        <source>Font size stepper</source>
        <translation>Regulacja rozmiaru czcionki</translation>
    </message>
    <message>
        <source>Font size of the transcript and the message field, in points</source>
        <translation>Rozmiar czcionki rozmowy i pola wiadomości w punktach</translation>
    </message>
    <message>
        <source>Commands and their keys</source>
        <translation>Polecenia i ich skróty klawiszowe</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Call, who is online, clear, hide, preferences, clear all data and exit, with their keys</source>
        <translation>Wezwij, kto jest dostępny, wyczyść, ukryj, preferencje, usuń wszystkie dane i zakończ, wraz ze skrótami klawiszowymi</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Rozmowa</translation>
    </message>
    <message>
        <source>Read-only log of the conversation, newest line last</source>
        <translation>Zapis rozmowy tylko do odczytu, najnowszy wiersz na końcu</translation>
    </message>
    <message>
        <source>Send preset 1</source>
        <translation>Wyślij szablon 1</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Szablon 1</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 1 in the preferences</source>
        <translation>Wysyła wiadomość zapisaną w preferencjach jako szablon 1</translation>
    </message>
    <message>
        <source>Send preset 2</source>
        <translation>Wyślij szablon 2</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Szablon 2</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 2 in the preferences</source>
        <translation>Wysyła wiadomość zapisaną w preferencjach jako szablon 2</translation>
    </message>
    <message>
        <source>Send preset 3</source>
        <translation>Wyślij szablon 3</translation>
    </message>
    <message>
        <source>Preset 3</source>
        <translation>Szablon 3</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 3 in the preferences</source>
        <translation>Wysyła wiadomość zapisaną w preferencjach jako szablon 3</translation>
    </message>
    <message>
        <source>Send preset 4</source>
        <translation>Wyślij szablon 4</translation>
    </message>
    <message>
        <source>Preset 4</source>
        <translation>Szablon 4</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 4 in the preferences</source>
        <translation>Wysyła wiadomość zapisaną w preferencjach jako szablon 4</translation>
    </message>
    <message>
        <source>Send preset 5</source>
        <translation>Wyślij szablon 5</translation>
    </message>
    <message>
        <source>Preset 5</source>
        <translation>Szablon 5</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 5 in the preferences</source>
        <translation>Wysyła wiadomość zapisaną w preferencjach jako szablon 5</translation>
    </message>
    <message>
        <source>Send preset 6</source>
        <translation>Wyślij szablon 6</translation>
    </message>
    <message>
        <source>Preset 6</source>
        <translation>Szablon 6</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 6 in the preferences</source>
        <translation>Wysyła wiadomość zapisaną w preferencjach jako szablon 6</translation>
    </message>
    <message>
        <source>Send preset 7</source>
        <translation>Wyślij szablon 7</translation>
    </message>
    <message>
        <source>Preset 7</source>
        <translation>Szablon 7</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 7 in the preferences</source>
        <translation>Wysyła wiadomość zapisaną w preferencjach jako szablon 7</translation>
    </message>
    <message>
        <source>Send preset 8</source>
        <translation>Wyślij szablon 8</translation>
    </message>
    <message>
        <source>Preset 8</source>
        <translation>Szablon 8</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 8 in the preferences</source>
        <translation>Wysyła wiadomość zapisaną w preferencjach jako szablon 8</translation>
    </message>
    <message>
        <source>Send preset 9</source>
        <translation>Wyślij szablon 9</translation>
    </message>
    <message>
        <source>Preset 9</source>
        <translation>Szablon 9</translation>
    </message>
    <message>
        <source>Sends the message stored as preset 9 in the preferences</source>
        <translation>Wysyła wiadomość zapisaną w preferencjach jako szablon 9</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Wiadomość</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Send the message (Return)</source>
        <translation>Wyślij wiadomość (Enter)</translation>
    </message>
    <message>
        <source>Sends the message to everybody on the network</source>
        <translation>Wysyła wiadomość do wszystkich w sieci</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Wezwij</translation>
    </message>
    <message>
        <source>Make everybody&apos;s window flash</source>
        <translation>Sprawia, że okna wszystkich migają</translation>
    </message>
    <message>
        <source>Call everybody</source>
        <translation>Wezwij wszystkich</translation>
    </message>
    <message>
        <source>Makes every other window on the network flash until someone answers</source>
        <translation>Sprawia, że wszystkie inne okna w sieci migają, dopóki ktoś nie odpowie</translation>
    </message>
    <message>
        <source>Who?</source>
        <translation>Kto?</translation>
    </message>
    <message>
        <source>Ask who is online</source>
        <translation>Zapytaj, kto jest dostępny</translation>
    </message>
    <message>
        <source>Who is online</source>
        <translation>Kto jest dostępny</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Empty the transcript</source>
        <translation>Opróżnia rozmowę</translation>
    </message>
    <message>
        <source>Clear transcript</source>
        <translation>Wyczyść rozmowę</translation>
    </message>
    <message>
        <source>Empties this window&apos;s transcript only</source>
        <translation>Opróżnia tylko rozmowę w tym oknie</translation>
    </message>
    <message>
        <source>Call Everybody</source>
        <translation>Wezwij wszystkich</translation>
    </message>
    <message>
        <source>Who Is Online?</source>
        <translation>Kto jest dostępny?</translation>
    </message>
    <message>
        <source>Clear Transcript</source>
        <translation>Wyczyść rozmowę</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencje…</translation>
    </message>
    <message>
        <source>Clear All Data</source>
        <translation>Usuń wszystkie dane</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>corvel::CommandLine</name>
    <message>
        <source>Chat with the people on the local network.</source>
        <translation>Rozmawiaj z osobami w sieci lokalnej.</translation>
    </message>
    <message>
        <source>Start a further copy even though one already runs for this user on this display.</source>
        <translation>Uruchom kolejną kopię, nawet jeśli jedna już działa dla tego użytkownika na tym ekranie.</translation>
    </message>
    <message>
        <source>Usage: corvel [options]</source>
        <translation>Użycie: corvel [opcje]</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Nieoczekiwany argument: %1</translation>
    </message>
    <message>
        <source>Check the network without opening a window: where messages go, whether the chat port can be had, and whether a presence query comes back and who answers it. Every running copy shows the query.</source>
        <translation>Sprawdź sieć bez otwierania okna: dokąd trafiają wiadomości, czy port czatu jest dostępny oraz czy zapytanie o obecność wraca i kto na nie odpowiada. Każda uruchomiona kopia pokaże zapytanie.</translation>
    </message>
    <message>
        <source>Print the usage and the options, and exit.</source>
        <translation>Wypisz sposób użycia i opcje, a następnie zakończ.</translation>
    </message>
    <message>
        <source>Start with the window hidden and only the tray icon shown, as at log-in. The window shows when no tray comes within ten seconds.</source>
        <translation>Uruchom z ukrytym oknem i tylko z ikoną w zasobniku, jak po zalogowaniu. Okno pojawi się, jeśli zasobnik nie pojawi się w ciągu dziesięciu sekund.</translation>
    </message>
</context>
<context>
    <name>corvel::DesktopNotifications</name>
    <message>
        <source>Show Corvel</source>
        <translation>Pokaż Corvel</translation>
    </message>
</context>
<context>
    <name>corvel::DesktopShell</name>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>corvel::Destinations</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address such as 192.168.2.255</source>
        <translation>„%1” nie jest adresem IPv4, takim jak 192.168.2.255</translation>
    </message>
</context>
<context>
    <name>corvel::LongLine</name>
    <message numerus="yes">
        <source>… [%n more characters not shown: copy the line for all of it]</source>
        <translation>
            <numerusform>… [nie pokazano jeszcze %n znaku: skopiuj wiersz, aby mieć całość]</numerusform>
            <numerusform>… [nie pokazano jeszcze %n znaków: skopiuj wiersz, aby mieć całość]</numerusform>
            <numerusform>… [nie pokazano jeszcze %n znaków: skopiuj wiersz, aby mieć całość]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[+%n marks]</source>
        <translation>
            <numerusform>[+%n znak diakrytyczny]</numerusform>
            <numerusform>[+%n znaki diakrytyczne]</numerusform>
            <numerusform>[+%n znaków diakrytycznych]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::NetworkCheck</name>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Interfaces:</source>
        <translation>Interfejsy:</translation>
    </message>
    <message>
        <source>(one LAN with %1: not used)</source>
        <translation>(ta sama sieć lokalna co %1: nieużywany)</translation>
    </message>
    <message>
        <source>Destinations: %1</source>
        <translation>Adresy docelowe: %1</translation>
    </message>
    <message>
        <source>Verdict: port %1 cannot be had, so nothing can be sent or received</source>
        <translation>Wynik: port %1 jest niedostępny, więc nie można niczego wysłać ani odebrać</translation>
    </message>
    <message>
        <source>Port %1: bound</source>
        <translation>Port %1: powiązany</translation>
    </message>
    <message>
        <source>Verdict: no network: no interface is up with a carrier, can broadcast and has an IPv4 address</source>
        <translation>Wynik: brak sieci: nie ma interfejsu, który byłby włączony, miał połączenie, obsługiwał rozgłaszanie i miał adres IPv4</translation>
    </message>
    <message>
        <source>Verdict: the query could not be sent</source>
        <translation>Wynik: nie udało się wysłać zapytania</translation>
    </message>
    <message>
        <source>Own query: came back after %1 ms</source>
        <translation>Własne zapytanie: wróciło po %1 ms</translation>
    </message>
    <message>
        <source>Own query: did not come back</source>
        <translation>Własne zapytanie: nie wróciło</translation>
    </message>
    <message>
        <source>Answered: %1</source>
        <translation>Odpowiedzi: %1</translation>
    </message>
    <message>
        <source>Verdict: own messages do not come back. A firewall on this computer probably blocks UDP port 54545; allow it with &apos;sudo ufw allow 54545/udp&apos;, or with &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; and &apos;sudo firewall-cmd --reload&apos;</source>
        <translation>Wynik: własne wiadomości nie wracają. Zapora na tym komputerze prawdopodobnie blokuje port UDP 54545; zezwól na niego poleceniem &apos;sudo ufw allow 54545/udp&apos; albo poleceniami &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; i &apos;sudo firewall-cmd --reload&apos;</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>ten komputer</translation>
    </message>
    <message>
        <source>Verdict: working; %1 answered</source>
        <translation>Wynik: działa; odpowiedzi: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s)</source>
        <translation>
            <numerusform>%n nazwa</numerusform>
            <numerusform>%n nazwy</numerusform>
            <numerusform>%n nazw</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 from %n host(s)</source>
        <translation>
            <numerusform>%1 z %n hosta</numerusform>
            <numerusform>%1 z %n hostów</numerusform>
            <numerusform>%1 z %n hostów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… i jeszcze %n</numerusform>
            <numerusform>… i jeszcze %n</numerusform>
            <numerusform>… i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Hosts beyond the LAN that wrote: not learned (off)</source>
        <translation>Komputery poza siecią LAN, które pisały: nie zapamiętywane (wyłączone)</translation>
    </message>
    <message numerus="yes">
        <source>Hosts beyond the LAN that wrote: %n</source>
        <translation>
            <numerusform>Komputery poza siecią LAN, które pisały: %n</numerusform>
            <numerusform>Komputery poza siecią LAN, które pisały: %n</numerusform>
            <numerusform>Komputery poza siecią LAN, które pisały: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n s ago</source>
        <translation>
            <numerusform>%1, %n s temu</numerusform>
            <numerusform>%1, %n s temu</numerusform>
            <numerusform>%1, %n s temu</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::OwnEcho</name>
    <message>
        <source>Your own messages are not coming back, so nothing from the others arrives either. A firewall on this computer probably blocks UDP port 54545. To allow it: &apos;sudo ufw allow 54545/udp&apos;, or &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos; and then &apos;sudo firewall-cmd --reload&apos;.</source>
        <translation>Twoje własne wiadomości nie wracają, więc nic nie dociera też od innych. Zapora na tym komputerze prawdopodobnie blokuje port UDP 54545. Aby na niego zezwolić: &apos;sudo ufw allow 54545/udp&apos; albo &apos;sudo firewall-cmd --permanent --add-port=54545/udp&apos;, a następnie &apos;sudo firewall-cmd --reload&apos;.</translation>
    </message>
    <message>
        <source>Your own messages come back again.</source>
        <translation>Twoje własne wiadomości znów wracają.</translation>
    </message>
    <message>
        <source>(not confirmed: nothing comes back)</source>
        <translation>(niepotwierdzone: nic nie wraca)</translation>
    </message>
</context>
<context>
    <name>corvel::Stepper</name>
    <message>
        <source>Decrease</source>
        <translation>Zmniejsz</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Zwiększ</translation>
    </message>
</context>
<context>
    <name>corvel::Unread</name>
    <message numerus="yes">
        <source>%n unread line(s)</source>
        <translation>
            <numerusform>%n nieprzeczytany wiersz</numerusform>
            <numerusform>%n nieprzeczytane wiersze</numerusform>
            <numerusform>%n nieprzeczytanych wierszy</numerusform>
        </translation>
    </message>
    <message>
        <source>a call</source>
        <translation>wezwanie</translation>
    </message>
    <message>
        <source>%1 and a call</source>
        <translation>%1 i wezwanie</translation>
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
        <translation>Preferencje Corvel</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nazwa &amp;użytkownika:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>The name that begins every message you send</source>
        <translation>Nazwa, od której zaczyna się każda wysłana wiadomość</translation>
    </message>
    <message>
        <source>Preset &amp;1:</source>
        <translation>Szablon &amp;1:</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Szablon 1</translation>
    </message>
    <message>
        <source>The message that preset button 1 sends</source>
        <translation>Wiadomość wysyłana przez przycisk szablonu 1</translation>
    </message>
    <message>
        <source>Preset &amp;2:</source>
        <translation>Szablon &amp;2:</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Szablon 2</translation>
    </message>
    <message>
        <source>The message that preset button 2 sends</source>
        <translation>Wiadomość wysyłana przez przycisk szablonu 2</translation>
    </message>
    <message>
        <source>Preset &amp;3:</source>
        <translation>Szablon &amp;3:</translation>
    </message>
    <message>
        <source>Preset 3</source>
        <translation>Szablon 3</translation>
    </message>
    <message>
        <source>The message that preset button 3 sends</source>
        <translation>Wiadomość wysyłana przez przycisk szablonu 3</translation>
    </message>
    <message>
        <source>Preset &amp;4:</source>
        <translation>Szablon &amp;4:</translation>
    </message>
    <message>
        <source>Preset 4</source>
        <translation>Szablon 4</translation>
    </message>
    <message>
        <source>The message that preset button 4 sends</source>
        <translation>Wiadomość wysyłana przez przycisk szablonu 4</translation>
    </message>
    <message>
        <source>Preset &amp;5:</source>
        <translation>Szablon &amp;5:</translation>
    </message>
    <message>
        <source>Preset 5</source>
        <translation>Szablon 5</translation>
    </message>
    <message>
        <source>The message that preset button 5 sends</source>
        <translation>Wiadomość wysyłana przez przycisk szablonu 5</translation>
    </message>
    <message>
        <source>Preset &amp;6:</source>
        <translation>Szablon &amp;6:</translation>
    </message>
    <message>
        <source>Preset 6</source>
        <translation>Szablon 6</translation>
    </message>
    <message>
        <source>The message that preset button 6 sends</source>
        <translation>Wiadomość wysyłana przez przycisk szablonu 6</translation>
    </message>
    <message>
        <source>Preset &amp;7:</source>
        <translation>Szablon &amp;7:</translation>
    </message>
    <message>
        <source>Preset 7</source>
        <translation>Szablon 7</translation>
    </message>
    <message>
        <source>The message that preset button 7 sends</source>
        <translation>Wiadomość wysyłana przez przycisk szablonu 7</translation>
    </message>
    <message>
        <source>Preset &amp;8:</source>
        <translation>Szablon &amp;8:</translation>
    </message>
    <message>
        <source>Preset 8</source>
        <translation>Szablon 8</translation>
    </message>
    <message>
        <source>The message that preset button 8 sends</source>
        <translation>Wiadomość wysyłana przez przycisk szablonu 8</translation>
    </message>
    <message>
        <source>Preset &amp;9:</source>
        <translation>Szablon &amp;9:</translation>
    </message>
    <message>
        <source>Preset 9</source>
        <translation>Szablon 9</translation>
    </message>
    <message>
        <source>The message that preset button 9 sends</source>
        <translation>Wiadomość wysyłana przez przycisk szablonu 9</translation>
    </message>
    <message>
        <source>&amp;OK preset:</source>
        <translation>Szablon &amp;OK:</translation>
    </message>
    <message>
        <source>OK preset</source>
        <translation>Szablon OK</translation>
    </message>
    <message>
        <source>Sent in place of an empty message in auto-hide mode</source>
        <translation>Wysyłany zamiast pustej wiadomości w trybie automatycznego ukrywania</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>&amp;Krycie:</translation>
    </message>
    <message>
        <source>Opacity value</source>
        <translation>Wartość krycia</translation>
    </message>
    <message>
        <source>Read-only: the stepper beside it changes it</source>
        <translation>Tylko do odczytu: wartość zmieniają strzałki obok</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Krycie</translation>
    </message>
    <message>
        <source>Opacity of the chat window background, from the next start</source>
        <translation>Krycie tła okna czatu, od następnego uruchomienia</translation>
    </message>
    <message>
        <source>Hide &amp;delay (seconds):</source>
        <translation>O&amp;późnienie ukrycia (sekundy):</translation>
    </message>
    <message>
        <source>Hide delay value</source>
        <translation>Wartość opóźnienia ukrycia</translation>
    </message>
    <message>
        <source>Hide delay in seconds</source>
        <translation>Opóźnienie ukrycia w sekundach</translation>
    </message>
    <message>
        <source>Seconds after sending before Corvel hides in auto-hide mode</source>
        <translation>Liczba sekund od wysłania do ukrycia Corvel w trybie automatycznego ukrywania</translation>
    </message>
    <message>
        <source>&amp;Inverted colours (white on black)</source>
        <translation>Od&amp;wrócone kolory (biały na czarnym)</translation>
    </message>
    <message>
        <source>Inverted colours</source>
        <translation>Odwrócone kolory</translation>
    </message>
    <message>
        <source>A black chat window, from the next start</source>
        <translation>Czarne okno czatu, od następnego uruchomienia</translation>
    </message>
    <message>
        <source>Auto-&amp;hide after sending</source>
        <translation>Automatycznie ukrywaj po wy&amp;słaniu</translation>
    </message>
    <message>
        <source>Auto-hide</source>
        <translation>Automatyczne ukrywanie</translation>
    </message>
    <message>
        <source>Hide Corvel a while after each message you send, and show it when a message arrives</source>
        <translation>Ukrywa Corvel chwilę po każdej wysłanej wiadomości i pokazuje go, gdy nadejdzie wiadomość</translation>
    </message>
    <message>
        <source>Auto-&amp;clear the transcript before sending</source>
        <translation>Automatycznie &amp;czyść rozmowę przed wysłaniem</translation>
    </message>
    <message>
        <source>Auto-clear</source>
        <translation>Automatyczne czyszczenie</translation>
    </message>
    <message>
        <source>Empty the transcript before each message you send</source>
        <translation>Opróżnia rozmowę przed każdą wysłaną wiadomością</translation>
    </message>
    <message>
        <source>Desktop &amp;notifications while Corvel is hidden or in the background</source>
        <translation>Powiadomienia pulpitu, gdy Corvel jest ukryty lub w &amp;tle</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Powiadomienia</translation>
    </message>
    <message>
        <source>A desktop notification for each message or call that arrives while you are away</source>
        <translation>Powiadomienie pulpitu o każdej wiadomości lub wezwaniu, które nadejdą podczas nieobecności</translation>
    </message>
    <message>
        <source>&amp;Destinations:</source>
        <translation>&amp;Adresy docelowe:</translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation>Adresy docelowe</translation>
    </message>
    <message>
        <source>none; for example 10.8.0.5, 192.168.2.255</source>
        <translation>brak; na przykład 10.8.0.5, 192.168.2.255</translation>
    </message>
    <message>
        <source>Extra IPv4 addresses, comma-separated, that every message also goes to: hosts across a VPN, or the broadcast address of another subnet</source>
        <translation>Dodatkowe adresy IPv4 oddzielone przecinkami, na które trafia też każda wiadomość: komputery za siecią VPN lub adres rozgłoszeniowy innej podsieci</translation>
    </message>
    <message>
        <source>Networks:</source>
        <translation>Sieci:</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Sieci</translation>
    </message>
    <message>
        <source>The interfaces your messages go out on, with their addresses</source>
        <translation>Interfejsy, przez które wychodzą wiadomości, wraz z adresami</translation>
    </message>
    <message>
        <source>Opacity and inverted colours show from the next start of Corvel.</source>
        <translation>Krycie i odwrócone kolory zadziałają od następnego uruchomienia Corvel.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close without storing the texts (Esc)</source>
        <translation>Zamknij bez zapisywania tekstów (Esc)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Zastosuj</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Store the user name, presets and OK preset, and close</source>
        <translation>Zapisz nazwę użytkownika, szablony i szablon OK, a następnie zamknij</translation>
    </message>
    <message>
        <source>Destinations not applied: %1</source>
        <translation>Nie zastosowano adresów docelowych: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Also send to hosts &amp;beyond the LAN that write to this copy</source>
        <translation>Wysyłaj też do komputerów &amp;poza siecią LAN, które piszą do tej kopii</translation>
    </message>
    <message>
        <source>Learn senders</source>
        <translation>Zapamiętuj nadawców</translation>
    </message>
    <message>
        <source>A host on a private network beyond your LAN that writes to this computer&apos;s address gets your messages until ten minutes after it last wrote</source>
        <translation>Komputer w sieci prywatnej poza Twoją siecią LAN, który pisze na adres tego komputera, dostaje Twoje wiadomości do dziesięciu minut po swojej ostatniej</translation>
    </message>
    <message>
        <source>%1 (a destination)</source>
        <translation>%1 (cel)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (wrote %n s ago)</source>
        <translation>
            <numerusform>%1 (pisał %n s temu)</numerusform>
            <numerusform>%1 (pisał %n s temu)</numerusform>
            <numerusform>%1 (pisał %n s temu)</numerusform>
        </translation>
    </message>
    <message>
        <source>Your messages also go to:</source>
        <translation>Twoje wiadomości trafiają też do:</translation>
    </message>
    <message>
        <source>Beyond the LAN:</source>
        <translation>Poza siecią LAN:</translation>
    </message>
    <message>
        <source>Hosts beyond the LAN</source>
        <translation>Komputery poza siecią LAN</translation>
    </message>
    <message numerus="yes">
        <source>%n host(s)</source>
        <translation>
            <numerusform>%n komputer</numerusform>
            <numerusform>%n komputery</numerusform>
            <numerusform>%n komputerów</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Start Corvel when I log in</source>
        <translation>U&amp;ruchamiaj Corvel po zalogowaniu</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Start Corvel hidden, with its tray icon, each time you log in</source>
        <translation>Uruchamiaj Corvel ukryty, z ikoną w zasobniku, przy każdym logowaniu</translation>
    </message>
    <message>
        <source>Your messages go to no host beyond the LAN</source>
        <translation>Twoje wiadomości nie trafiają do żadnego komputera poza siecią LAN</translation>
    </message>
</context>
</TS>
