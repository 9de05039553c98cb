<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ZCORVANEBASE::BookmarkBands</name>
    <message>
        <source>%1: %2 to %3</source>
        <translation>%1: %2 to %3</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Bookmarks</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::ChannelRecordingTimeAxisWt</name>
    <message>
        <source>Recordings</source>
        <translation>Recordings</translation>
    </message>
    <message>
        <source>Not playing</source>
        <translation>Not playing</translation>
    </message>
    <message>
        <source>%1, no recording</source>
        <translation>%1, no recording</translation>
    </message>
    <message>
        <source>%1, alarm recording</source>
        <translation>%1, alarm recording</translation>
    </message>
    <message>
        <source>%1, recording</source>
        <translation>%1, recording</translation>
    </message>
    <message>
        <source>Searching for recordings</source>
        <translation>Searching for recordings</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 to %3</translation>
    </message>
    <message>
        <source>; bookmarks: %1</source>
        <translation>; bookmarks: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::HoverReadout</name>
    <message>
        <source>alarm recording</source>
        <translation>alarm recording</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>recording</translation>
    </message>
    <message>
        <source>no recording</source>
        <translation>no recording</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::ProgressCursorWt</name>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Downloads the recording from the play position on</source>
        <translation>Downloads the recording from the play position on</translation>
    </message>
    <message>
        <source>Play position</source>
        <translation>Play position</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::RangeSelection</name>
    <message>
        <source>No recording</source>
        <translation>No recording</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::RecordingLabelWt</name>
    <message>
        <source>Label mark %1</source>
        <translation>Label mark %1</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::RecordingsTimeAxisBox</name>
    <message>
        <source>Video Wnd No.:%1</source>
        <translation>Video %1</translation>
    </message>
    <message>
        <source>Playback windows</source>
        <translation>Playback windows</translation>
    </message>
    <message>
        <source>Plays this window from the moment picked on the time ruler</source>
        <translation>Plays this window from the moment picked on the time ruler</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::ThumbnailPopup</name>
    <message>
        <source>Recording preview</source>
        <translation>Recording preview</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::TimeAxisWt</name>
    <message>
        <source>TimeAxisWt</source>
        <translation>Time Axis</translation>
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
        <translation>Time ruler</translation>
    </message>
    <message>
        <source>The visible part of the day. Left and Right pan, Page Up and Page Down pan by a label, Home and End go to the start and the end of the day, plus and minus zoom.</source>
        <translation>The visible part of the day. Left and Right pan, Page Up and Page Down pan by a label, Home and End go to the start and the end of the day, plus and minus zoom.</translation>
    </message>
    <message>
        <source>The visible part of the day. The wheel zooms, a drag pans, a click plays the checked windows from there.</source>
        <translation>The visible part of the day. The wheel zooms, a drag pans, a click plays the checked windows from there.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
</context>
</TS>
