<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ZCORVANEBASE::DictDef</name>
    <message>
        <source>info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>save file failed</source>
        <translation>Failed to save file</translation>
    </message>
    <message>
        <source>query none</source>
        <translation>Search result is empty</translation>
    </message>
    <message>
        <source>query error</source>
        <translation>Search failed</translation>
    </message>
    <message>
        <source>DB error</source>
        <translation>Database Error</translation>
    </message>
    <message>
        <source>improper error</source>
        <translation>Invalid Operation</translation>
    </message>
    <message>
        <source>ptz ctrl error</source>
        <translation>PTZ Control Error</translation>
    </message>
    <message>
        <source>corvane error</source>
        <translation>Video Wall Error</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>Disk Full</translation>
    </message>
</context>
</TS>
