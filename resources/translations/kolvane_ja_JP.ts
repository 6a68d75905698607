<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>今すぐファイルを同期します。</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>同期するファイルが %1 個あります。</translation>
    </message>
</context>
</TS>
