<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Sincronizar ficheiros agora.</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>Existem %1 ficheiro(s) para sincronizar.</translation>
    </message>
</context>
</TS>
