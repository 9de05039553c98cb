<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>ZCORVANEBASE::BookmarkBands</name>
    <message>
        <source>%1: %2 to %3</source>
        <translation>%1：%2 至 %3</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>書籤</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::ChannelRecordingTimeAxisWt</name>
    <message>
        <source>Recordings</source>
        <translation>錄像</translation>
    </message>
    <message>
        <source>Not playing</source>
        <translation>未播放</translation>
    </message>
    <message>
        <source>%1, no recording</source>
        <translation>%1，無錄像</translation>
    </message>
    <message>
        <source>%1, alarm recording</source>
        <translation>%1，報警錄像</translation>
    </message>
    <message>
        <source>%1, recording</source>
        <translation>%1，錄像</translation>
    </message>
    <message>
        <source>Searching for recordings</source>
        <translation>正在搜尋錄像</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 至 %3</translation>
    </message>
    <message>
        <source>; bookmarks: %1</source>
        <translation>；書籤：%1</translation>
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
        <translation>報警錄像</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>錄像</translation>
    </message>
    <message>
        <source>no recording</source>
        <translation>無錄像</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::ProgressCursorWt</name>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Downloads the recording from the play position on</source>
        <translation>從播放位置開始下載錄像</translation>
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
        <translation>無錄像</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::RecordingLabelWt</name>
    <message>
        <source>Label mark %1</source>
        <translation>標籤 %1</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::RecordingsTimeAxisBox</name>
    <message>
        <source>Video Wnd No.:%1</source>
        <translation>視頻窗口%1</translation>
    </message>
    <message>
        <source>Playback windows</source>
        <translation>回放窗口</translation>
    </message>
    <message>
        <source>Plays this window from the moment picked on the time ruler</source>
        <translation>在時間刻度尺上選取時刻後從該時刻播放此窗口</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::ThumbnailPopup</name>
    <message>
        <source>Recording preview</source>
        <translation>錄像預覽</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::TimeAxisWt</name>
    <message>
        <source>TimeAxisWt</source>
        <translation>時間軸</translation>
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
        <translation>時間刻度尺</translation>
    </message>
    <message>
        <source>The visible part of the day. Left and Right pan, Page Up and Page Down pan by a label, Home and End go to the start and the end of the day, plus and minus zoom.</source>
        <translation>當天的可見部分。左右方向鍵平移，Page Up 和 Page Down 按一個刻度標籤平移，Home 和 End 跳到當天的開始和結束，加號和減號縮放。</translation>
    </message>
    <message>
        <source>The visible part of the day. The wheel zooms, a drag pans, a click plays the checked windows from there.</source>
        <translation>當天的可見部分。滾輪縮放，拖曳平移，按一下從該處播放已勾選的窗口。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
</context>
</TS>
