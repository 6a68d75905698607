<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Synchroniser les fichiers maintenant.</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>%1 fichier(s) à synchroniser.</translation>
    </message>
</context>
</TS>
