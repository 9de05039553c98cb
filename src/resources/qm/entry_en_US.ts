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
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>IP address, field %1 of %2</source>
        <translation>IP address, field %1 of %2</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::PasswordLineEdit</name>
    <message>
        <source>Hide password</source>
        <translation>Hide password</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Show password</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::PasswordStrengthBar</name>
    <message>
        <source>Password strength: too short</source>
        <translation>Password strength: too short</translation>
    </message>
    <message>
        <source>Password strength: weak</source>
        <translation>Password strength: weak</translation>
    </message>
    <message>
        <source>Password strength: medium</source>
        <translation>Password strength: medium</translation>
    </message>
    <message>
        <source>Password strength: strong</source>
        <translation>Password strength: strong</translation>
    </message>
    <message>
        <source>Password strength</source>
        <translation>Password strength</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::PwdStrength</name>
    <message>
        <source>Use at least 8 characters.</source>
        <translation>Use at least 8 characters.</translation>
    </message>
    <message>
        <source>This password is on the list of common passwords.</source>
        <translation>This password is on the list of common passwords.</translation>
    </message>
    <message>
        <source>Avoid repeating a character three or more times in a row ("%1").</source>
        <translation>Avoid repeating a character three or more times in a row ("%1").</translation>
    </message>
    <message>
        <source>Avoid runs of consecutive letters or digits ("%1").</source>
        <translation>Avoid runs of consecutive letters or digits ("%1").</translation>
    </message>
    <message>
        <source>Use only letters, digits and keyboard symbols: spaces and other characters make any password weak.</source>
        <translation>Use only letters, digits and keyboard symbols: spaces and other characters make any password weak.</translation>
    </message>
    <message>
        <source>Add a letter.</source>
        <translation>Add a letter.</translation>
    </message>
    <message>
        <source>Add an upper-case letter.</source>
        <translation>Add an upper-case letter.</translation>
    </message>
    <message>
        <source>Add a lower-case letter.</source>
        <translation>Add a lower-case letter.</translation>
    </message>
    <message>
        <source>Add a digit.</source>
        <translation>Add a digit.</translation>
    </message>
    <message>
        <source>Add a special character such as ! # or %.</source>
        <translation>Add a special character such as ! # or %.</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::SelDirLineEt</name>
    <message>
        <source>Choose a folder</source>
        <translation>Choose a folder</translation>
    </message>
</context>
</TS>
