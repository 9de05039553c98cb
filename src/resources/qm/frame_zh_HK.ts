<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>ZCORVANEBASE::DictDef</name>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>save file failed</source>
        <translation>保存檔失敗</translation>
    </message>
    <message>
        <source>query none</source>
        <translation>查詢結果為空</translation>
    </message>
    <message>
        <source>query error</source>
        <translation>查詢失敗</translation>
    </message>
    <message>
        <source>DB error</source>
        <translation>資料庫操作失敗</translation>
    </message>
    <message>
        <source>improper error</source>
        <translation>不合法操作</translation>
    </message>
    <message>
        <source>ptz ctrl error</source>
        <translation>雲臺控制失敗</translation>
    </message>
    <message>
        <source>corvane error</source>
        <translation>電視牆錯誤</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>磁片滿</translation>
    </message>
</context>
</TS>
