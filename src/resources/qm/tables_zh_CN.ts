<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ZCORVANEBASE::EditOperWt</name>
    <message>
        <source>edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::PageEditWt</name>
    <message>
        <source>eachshow</source>
        <translation>每页显示</translation>
    </message>
    <message>
        <source>sum</source>
        <translation>共</translation>
    </message>
    <message>
        <source>records</source>
        <translation>条记录</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>跳转</translation>
    </message>
    <message>
        <source>page</source>
        <translation>页</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>前往</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>首页</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>末页</translation>
    </message>
    <message>
        <source>Page to jump to</source>
        <translation>跳转页码</translation>
    </message>
    <message>
        <source>Records per page</source>
        <translation>每页记录数</translation>
    </message>
</context>
</TS>
