<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>错误</translation>
    </message>
    <message>
        <source>save file failed</source>
        <translation>保存文件失败</translation>
    </message>
    <message>
        <source>query none</source>
        <translation>查询结果为空</translation>
    </message>
    <message>
        <source>query error</source>
        <translation>查询失败</translation>
    </message>
    <message>
        <source>DB error</source>
        <translation>数据库操作失败</translation>
    </message>
    <message>
        <source>improper error</source>
        <translation>不合法操作</translation>
    </message>
    <message>
        <source>ptz ctrl error</source>
        <translation>云台控制失败</translation>
    </message>
    <message>
        <source>corvane error</source>
        <translation>电视墙错误</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>磁盘满</translation>
    </message>
</context>
</TS>
