<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ZCORVANEBASE::IpEditWt</name>
    <message>
        <source>IpEdit</source>
        <translation>IpEdit</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
</context>
</TS>
