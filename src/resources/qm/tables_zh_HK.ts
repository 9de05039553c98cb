<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>ZCORVANEBASE::EditOperWt</name>
    <message>
        <source>edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>刪除</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::PageEditWt</name>
    <message>
        <source>eachshow</source>
        <translation>每頁顯示</translation>
    </message>
    <message>
        <source>sum</source>
        <translation>共</translation>
    </message>
    <message>
        <source>records</source>
        <translation>條記錄</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>跳轉</translation>
    </message>
    <message>
        <source>page</source>
        <translation>頁</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>前往</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>末頁</translation>
    </message>
    <message>
        <source>Page to jump to</source>
        <translation>跳轉頁碼</translation>
    </message>
    <message>
        <source>Records per page</source>
        <translation>每頁記錄數</translation>
    </message>
</context>
</TS>
