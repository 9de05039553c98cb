<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ZCORVANEBASE::IpEditWt</name>
    <message>
        <source>IpEdit</source>
        <translation>IP地址编辑</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>IP address, field %1 of %2</source>
        <translation>IP 地址，第 %1 段，共 %2 段</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::PasswordLineEdit</name>
    <message>
        <source>Hide password</source>
        <translation>隐藏密码</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>显示密码</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::PasswordStrengthBar</name>
    <message>
        <source>Password strength: too short</source>
        <translation>密码强度：太短</translation>
    </message>
    <message>
        <source>Password strength: weak</source>
        <translation>密码强度：弱</translation>
    </message>
    <message>
        <source>Password strength: medium</source>
        <translation>密码强度：中</translation>
    </message>
    <message>
        <source>Password strength: strong</source>
        <translation>密码强度：强</translation>
    </message>
    <message>
        <source>Password strength</source>
        <translation>密码强度</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::PwdStrength</name>
    <message>
        <source>Use at least 8 characters.</source>
        <translation>请至少使用 8 个字符。</translation>
    </message>
    <message>
        <source>This password is on the list of common passwords.</source>
        <translation>该密码属于常见密码。</translation>
    </message>
    <message>
        <source>Avoid repeating a character three or more times in a row ("%1").</source>
        <translation>避免同一字符连续重复三次或以上（“%1”）。</translation>
    </message>
    <message>
        <source>Avoid runs of consecutive letters or digits ("%1").</source>
        <translation>避免连续的字母或数字序列（“%1”）。</translation>
    </message>
    <message>
        <source>Use only letters, digits and keyboard symbols: spaces and other characters make any password weak.</source>
        <translation>只使用字母、数字和键盘符号：空格和其他字符会使密码变弱。</translation>
    </message>
    <message>
        <source>Add a letter.</source>
        <translation>请添加字母。</translation>
    </message>
    <message>
        <source>Add an upper-case letter.</source>
        <translation>请添加大写字母。</translation>
    </message>
    <message>
        <source>Add a lower-case letter.</source>
        <translation>请添加小写字母。</translation>
    </message>
    <message>
        <source>Add a digit.</source>
        <translation>请添加数字。</translation>
    </message>
    <message>
        <source>Add a special character such as ! # or %.</source>
        <translation>请添加特殊字符，如 ! # 或 %。</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::SelDirLineEt</name>
    <message>
        <source>Choose a folder</source>
        <translation>选择文件夹</translation>
    </message>
</context>
</TS>
