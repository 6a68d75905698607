<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Jetzt Dateien synchronisieren.</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>%1 Datei(en) müssen synchronisiert werden.</translation>
    </message>
</context>
</TS>
