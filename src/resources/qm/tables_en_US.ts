<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ZCORVANEBASE::EditOperWt</name>
    <message>
        <source>edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::PageEditWt</name>
    <message>
        <source>eachshow</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>sum</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>Jump to</translation>
    </message>
    <message>
        <source>page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Go to</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>First page</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>Page to jump to</source>
        <translation>Page to jump to</translation>
    </message>
    <message>
        <source>Records per page</source>
        <translation>Records per page</translation>
    </message>
</context>
</TS>
