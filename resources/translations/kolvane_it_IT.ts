<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>Start synchronizing files now.</source>
        <translation>Sincronizza i file ora.</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>Ci sono %1 file da sincronizzare.</translation>
    </message>
</context>
</TS>
