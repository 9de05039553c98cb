#pragma once

// The data the benchmarks feed the library: a day of recordings as a busy camera leaves them, the rows of a large
// table, and an application style sheet of the size a client ships.

#include "timeaxis/timeaxismodel.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QStringList>
#include <QVector>

namespace BenchData {

using ZCORVANEBASE::ActivitySample;
using ZCORVANEBASE::RecordingTimeInfo;
using Recordings = QVector<RecordingTimeInfo>;

// The benchmarks' day, in local time as the host delivers it.
inline QDateTime dayBegin()
{
    return QDateTime(QDate(2024, 3, 5), QTime(0, 0));
}

// `count` recordings over the day in ascending order of begin: segments of about 86,400 / count seconds at
// millisecond resolution, most touching or overlapping the next, some leaving a gap, one in ten an alarm recording.
inline Recordings dayOfRecordings(int count, quint32 seed = 1)
{
    QRandomGenerator random(seed);
    Recordings recordings;
    recordings.reserve(count);
    const QDateTime begin = dayBegin();
    const double stepMSecs = 86400000.0 / count;
    for (int i = 0; i < count; ++i) {
        const qint64 from = qint64(i * stepMSecs);
        const qint64 length = qint64(stepMSecs * (0.6 + 0.7 * random.generateDouble()));
        RecordingTimeInfo recording;
        recording.beginDatetime = begin.addMSecs(from);
        recording.endDatetime = begin.addMSecs(from + length);
        recording.fileName = QStringLiteral("ch01_%1.mp4").arg(i);
        recording.isAlarm = random.bounded(10) == 0;
        recordings.append(recording);
    }
    return recordings;
}

// One activity sample a minute over the day, as a motion detector reports them: a low hum (levels 0 to 5), with
// bursts that rise at once and fade over a few minutes.
inline QVector<ActivitySample> dayOfActivity(quint32 seed = 1)
{
    QRandomGenerator random(seed);
    QVector<ActivitySample> samples;
    samples.reserve(1440);
    int level = 0;
    for (int minute = 0; minute < 1440; ++minute) {
        level = random.bounded(20) == 0 ? 40 + random.bounded(61) : qMax(0, level - random.bounded(25));
        samples.append({ dayBegin().addSecs(minute * 60), 60, level == 0 ? random.bounded(6) : level });
    }
    return samples;
}

// The five values of table row `row`; column 0 is a number.
inline QStringList tableRow(int row)
{
    return QStringList { QString::number(row), QStringLiteral("Camera %1").arg(row % 997),
        QStringLiteral("192.168.%1.%2").arg(row / 250 % 256).arg(row % 250 + 1), QStringLiteral("Online"),
        QStringLiteral("2024-03-05 %1:%2:%3")
            .arg(row / 3600 % 24, 2, 10, QLatin1Char('0'))
            .arg(row / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(row % 60, 2, 10, QLatin1Char('0')) };
}

// An application style sheet of `rules` rules in the mix a client's sheet has: property selectors for the dynamic
// properties the library sets, object names, pseudo-states and sub-controls, type selectors.
inline QString applicationStyleSheet(int rules = 600)
{
    static const char* const types[]
        = { "QPushButton", "QLabel", "QCheckBox", "QLineEdit", "QComboBox", "QWidget", "QTableWidget", "QScrollBar" };
    QString sheet = QStringLiteral("QWidget{font-family:microsoft yahei;font-size:12px;}\n"
                                   "QCheckBox{color:#ccd3dd;spacing:6px;}\n"
                                   "QCheckBox::indicator{width:14px;height:14px;}\n"
                                   "QLabel{color:#ccd3dd;}\n");
    for (int i = 4; i < rules; ++i) {
        const QString type = QLatin1String(types[i % 8]);
        switch (i % 6) {
        case 0:
            sheet += QStringLiteral("%1[common_bt_style%2=\"true\"]{background:#1b2a40;color:#ccd3dd;border:1px solid "
                                    "#2d4466;border-radius:2px;}\n")
                         .arg(type)
                         .arg(i);
            break;
        case 1:
            sheet += QStringLiteral(
                "%1#widget_%2{background-color:#0e1622;font-family:microsoft yahei;font-size:12px;}\n")
                         .arg(type)
                         .arg(i);
            break;
        case 2:
            sheet
                += QStringLiteral("%1[widget_top%2=true]:hover{color:#ffffff;background:#213147;}\n").arg(type).arg(i);
            break;
        case 3:
            sheet += QStringLiteral("QCheckBox[row_style%1=true]::indicator{width:14px;height:14px;}\n").arg(i);
            break;
        case 4:
            sheet += QStringLiteral("%1[panel%2=\"true\"] QLabel{color:#8a99b0;font-size:13px;}\n").arg(type).arg(i);
            break;
        default:
            sheet += QStringLiteral("QScrollBar#bar_%1::handle:vertical{background:#2d4466;min-height:20px;}\n").arg(i);
            break;
        }
    }
    return sheet;
}

} // namespace BenchData
