<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ZCORVANEBASE::CalendarMonthWidget</name>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Alarm recordings</source>
        <translation>Alarm recordings</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Recordings</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::CalendarWt</name>
    <message>
        <source>yyyy-MM-dd hh:mm:ss</source>
        <translation>yyyy-MM-dd hh:mm:ss</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Tues</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Previous year</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Next year</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::DatetimeSpanSelWt</name>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>end</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Yesterday</translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation>Last 24 hours</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Last 7 days</translation>
    </message>
</context>
<context>
    <name>ZCORVANEBASE::TimeSpaceLineEt</name>
    <message>
        <source> To </source>
        <translation> To </translation>
    </message>
    <message>
        <source>Choose time span</source>
        <translation>Choose time span</translation>
    </message>
    <message>
        <source>Time span</source>
        <translation>Time span</translation>
    </message>
</context>
</TS>
