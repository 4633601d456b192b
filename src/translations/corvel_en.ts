<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>corvel::LongLine</name>
    <message numerus="yes">
        <source>… [%n more characters not shown: copy the line for all of it]</source>
        <translation>
            <numerusform>… [%n more character not shown: copy the line for all of it]</numerusform>
            <numerusform>… [%n more characters not shown: copy the line for all of it]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[+%n marks]</source>
        <translation>
            <numerusform>[+%n mark]</numerusform>
            <numerusform>[+%n marks]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::NetworkCheck</name>
    <message numerus="yes">
        <source>%n name(s)</source>
        <translation>
            <numerusform>%n name</numerusform>
            <numerusform>%n names</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 from %n host(s)</source>
        <translation>
            <numerusform>%1 from %n host</numerusform>
            <numerusform>%1 from %n hosts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hosts beyond the LAN that wrote: %n</source>
        <translation>
            <numerusform>Hosts beyond the LAN that wrote: %n</numerusform>
            <numerusform>Hosts beyond the LAN that wrote: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n s ago</source>
        <translation>
            <numerusform>%1, %n s ago</numerusform>
            <numerusform>%1, %n s ago</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::Unread</name>
    <message numerus="yes">
        <source>%n unread line(s)</source>
        <translation>
            <numerusform>%n unread line</numerusform>
            <numerusform>%n unread lines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvel::options</name>
    <message numerus="yes">
        <source>%1 (wrote %n s ago)</source>
        <translation>
            <numerusform>%1 (wrote %n s ago)</numerusform>
            <numerusform>%1 (wrote %n s ago)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n host(s)</source>
        <translation>
            <numerusform>%n host</numerusform>
            <numerusform>%n hosts</numerusform>
        </translation>
    </message>
</context>
</TS>
