<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>ZCORVANEBASE::IpEditWt</name>
    <message>
        <source>IpEdit</source>
        <translation>IP位址編輯</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
</context>
</TS>
