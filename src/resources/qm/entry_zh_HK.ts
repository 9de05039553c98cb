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
    <message>
        <source>IP address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>IP address, field %1 of %2</source>
        <translation>IP 位址，第 %1 段，共 %2 段</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::PasswordLineEdit</name>
    <message>
        <source>Hide password</source>
        <translation>隱藏密碼</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>顯示密碼</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::PasswordStrengthBar</name>
    <message>
        <source>Password strength: too short</source>
        <translation>密碼強度：太短</translation>
    </message>
    <message>
        <source>Password strength: weak</source>
        <translation>密碼強度：弱</translation>
    </message>
    <message>
        <source>Password strength: medium</source>
        <translation>密碼強度：中</translation>
    </message>
    <message>
        <source>Password strength: strong</source>
        <translation>密碼強度：強</translation>
    </message>
    <message>
        <source>Password strength</source>
        <translation>密碼強度</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::PwdStrength</name>
    <message>
        <source>Use at least 8 characters.</source>
        <translation>請至少使用 8 個字元。</translation>
    </message>
    <message>
        <source>This password is on the list of common passwords.</source>
        <translation>該密碼屬於常見密碼。</translation>
    </message>
    <message>
        <source>Avoid repeating a character three or more times in a row ("%1").</source>
        <translation>避免同一字元連續重複三次或以上（「%1」）。</translation>
    </message>
    <message>
        <source>Avoid runs of consecutive letters or digits ("%1").</source>
        <translation>避免連續的字母或數字序列（「%1」）。</translation>
    </message>
    <message>
        <source>Use only letters, digits and keyboard symbols: spaces and other characters make any password weak.</source>
        <translation>只使用字母、數字和鍵盤符號：空格和其他字元會使密碼變弱。</translation>
    </message>
    <message>
        <source>Add a letter.</source>
        <translation>請加入字母。</translation>
    </message>
    <message>
        <source>Add an upper-case letter.</source>
        <translation>請加入大寫字母。</translation>
    </message>
    <message>
        <source>Add a lower-case letter.</source>
        <translation>請加入小寫字母。</translation>
    </message>
    <message>
        <source>Add a digit.</source>
        <translation>請加入數字。</translation>
    </message>
    <message>
        <source>Add a special character such as ! # or %.</source>
        <translation>請加入特殊字元，如 ! # 或 %。</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::SelDirLineEt</name>
    <message>
        <source>Choose a folder</source>
        <translation>選擇資料夾</translation>
    </message>
</context>
</TS>
