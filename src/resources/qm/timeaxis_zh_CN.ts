<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ZCORVANEBASE::BookmarkBands</name>
    <message>
        <source>%1: %2 to %3</source>
        <translation>%1：%2 至 %3</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>书签</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::ChannelRecordingTimeAxisWt</name>
    <message>
        <source>Recordings</source>
        <translation>录像</translation>
    </message>
    <message>
        <source>Not playing</source>
        <translation>未播放</translation>
    </message>
    <message>
        <source>%1, no recording</source>
        <translation>%1，无录像</translation>
    </message>
    <message>
        <source>%1, alarm recording</source>
        <translation>%1，报警录像</translation>
    </message>
    <message>
        <source>%1, recording</source>
        <translation>%1，录像</translation>
    </message>
    <message>
        <source>Searching for recordings</source>
        <translation>正在搜索录像</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 至 %3</translation>
    </message>
    <message>
        <source>; bookmarks: %1</source>
        <translation>；书签：%1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::HoverReadout</name>
    <message>
        <source>alarm recording</source>
        <translation>报警录像</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>录像</translation>
    </message>
    <message>
        <source>no recording</source>
        <translation>无录像</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::ProgressCursorWt</name>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Downloads the recording from the play position on</source>
        <translation>从播放位置开始下载录像</translation>
    </message>
    <message>
        <source>Play position</source>
        <translation>播放位置</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::RangeSelection</name>
    <message>
        <source>No recording</source>
        <translation>无录像</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::RecordingLabelWt</name>
    <message>
        <source>Label mark %1</source>
        <translation>标签 %1</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::RecordingsTimeAxisBox</name>
    <message>
        <source>Video Wnd No.:%1</source>
        <translation>视频窗口%1</translation>
    </message>
    <message>
        <source>Playback windows</source>
        <translation>回放窗口</translation>
    </message>
    <message>
        <source>Plays this window from the moment picked on the time ruler</source>
        <translation>在时间刻度尺上选取时刻后从该时刻播放此窗口</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::ThumbnailPopup</name>
    <message>
        <source>Recording preview</source>
        <translation>录像预览</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::TimeAxisWt</name>
    <message>
        <source>TimeAxisWt</source>
        <translation>时间轴</translation>
    </message>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>02:00</source>
        <translation>02:00</translation>
    </message>
    <message>
        <source>04:00</source>
        <translation>04:00</translation>
    </message>
    <message>
        <source>06:00</source>
        <translation>06:00</translation>
    </message>
    <message>
        <source>08:00</source>
        <translation>08:00</translation>
    </message>
    <message>
        <source>10:00</source>
        <translation>10:00</translation>
    </message>
    <message>
        <source>12:00</source>
        <translation>12:00</translation>
    </message>
    <message>
        <source>14:00</source>
        <translation>14:00</translation>
    </message>
    <message>
        <source>16:00</source>
        <translation>16:00</translation>
    </message>
    <message>
        <source>18:00</source>
        <translation>18:00</translation>
    </message>
    <message>
        <source>20:00</source>
        <translation>20:00</translation>
    </message>
    <message>
        <source>22:00</source>
        <translation>22:00</translation>
    </message>
    <message>
        <source>24:00</source>
        <translation>24:00</translation>
    </message>
    <message>
        <source>Time ruler</source>
        <translation>时间刻度尺</translation>
    </message>
    <message>
        <source>The visible part of the day. Left and Right pan, Page Up and Page Down pan by a label, Home and End go to the start and the end of the day, plus and minus zoom.</source>
        <translation>当天的可见部分。左右方向键平移，Page Up 和 Page Down 按一个刻度标签平移，Home 和 End 跳到当天的开始和结束，加号和减号缩放。</translation>
    </message>
    <message>
        <source>The visible part of the day. The wheel zooms, a drag pans, a click plays the checked windows from there.</source>
        <translation>当天的可见部分。滚轮缩放，拖动平移，单击从该处播放已勾选的窗口。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
</context>
</TS>
