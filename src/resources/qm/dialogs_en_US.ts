<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>ZCorvaneBase.Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::CommonDialog</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::MessageBox</name>
    <message>
        <source>Widget</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::ZMessageBox</name>
    <message>
        <source>ZCorvaneBase.Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>ZCorvaneBase.Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>ZCorvaneBase.Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>ZCorvaneBase.Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ZCorvaneBase.Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ZCorvaneBase.Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ZCorvaneBase.Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ZCorvaneBase.No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>ZCorvaneBase.Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>ZCorvaneBase.information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>ZCorvaneBase.Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Hide details</source>
        <translation>Hide details</translation>
    </message>
    <message>
        <source>Show details</source>
        <translation>Show details</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Do not ask again</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
</TS>
