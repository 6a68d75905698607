<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>Start synchronizing files now.</source>
        <translation>立即同步文件。</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>有 %1 个文件需要同步。</translation>
    </message>
</context>
</TS>
