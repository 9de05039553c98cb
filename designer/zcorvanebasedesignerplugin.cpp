#include "zcorvanebasedesignerplugin.h"

#include "zcorvanebase.h"

#include <QIcon>

namespace ZCORVANEBASE {
namespace Designer {

namespace {

template <class W> QWidget* create(QWidget* parent)
{
    return new W(parent);
}

// Four rows (the box is then 107 pixels high) show the box on a form; the host's code decides the real count.
QWidget* createRecordingsBox(QWidget* parent)
{
    return new RecordingsTimeAxisBox(4, false, parent);
}

// A cell on a form has no record yet: its key is empty until the host sets one.
QWidget* createEditOper(QWidget* parent)
{
    return new EditOperWt(QString(), parent);
}

// The selector is a popup of its own; on a form it sits inside the form, as a host embeds it.
QWidget* createSpanSel(QWidget* parent)
{
    auto* selector = new DatetimeSpanSelWt(parent);
    selector->setWindowFlags(Qt::Widget);
    return selector;
}

const QString horizontal = QStringLiteral("<property name=\"orientation\"><enum>Qt::Horizontal</enum></property>");

// One row per widget, in the order of the widget box. Sizes are at least each widget's minimum size hint, and the
// fixed size of widgets that have one.
QList<WidgetDescription> descriptions()
{
    return {
        { QStringLiteral("ZCORVANEBASE::ZWidget"), QStringLiteral("ZCorvaneBase/frame/zwidget.h"),
            QStringLiteral("Panel with a styled background and a delayed single-click signal"),
            QStringLiteral("The base of the library's composite widgets. It fills its background, carries a "
                           "per-instance identifier and reports a click 200 ms after release as signalWtClicked(), "
                           "unless a double click cancels it."),
            QSize(200, 120), true, QString(), &create<ZWidget> },
        { QStringLiteral("ZCORVANEBASE::ZPushButton"), QStringLiteral("ZCorvaneBase/frame/zpushbutton.h"),
            QStringLiteral("Push button with state images, clicked by the mouse only"),
            QStringLiteral("Swaps its normal, hover, pressed, disabled and checked images itself (setIcons(), "
                           "setCheckedIcons()). Return, Enter and Space go to the parent instead of clicking it."),
            QSize(90, 30), false, QString(), &create<ZPushButton> },
        { QStringLiteral("ZCORVANEBASE::ZLabel"), QStringLiteral("ZCorvaneBase/frame/zlabel.h"),
            QStringLiteral("Label that elides its text and shows it whole as tool tip"),
            QStringLiteral("Elides its text at the right to the space it has and shows the whole text as its tool "
                           "tip; with setMaxWidth() it grows up to that width before eliding."),
            QSize(120, 20), false, QString(), &create<ZLabel> },
        { QStringLiteral("ZCORVANEBASE::ZCheckBox"), QStringLiteral("ZCorvaneBase/frame/zcheckbox.h"),
            QStringLiteral("Check box that elides its text"),
            QStringLiteral("Elides its text to its width less the indicator's room and shows the whole text as its "
                           "tool tip."),
            QSize(120, 20), false, QString(), &create<ZCheckBox> },
        { QStringLiteral("ZCORVANEBASE::ZLineEdit"), QStringLiteral("ZCorvaneBase/frame/zlineedit.h"),
            QStringLiteral("Line edit limited in UTF-8 bytes, reporting focus changes"),
            QStringLiteral("Keeps its text within a number of UTF-8 bytes (setMaxByteLength(), 4096 by default), "
                           "reports focus changes through signalFocusEvent(bool) and shows no built-in context menu."),
            QSize(160, 30), false, QString(), &create<ZLineEdit> },
        { QStringLiteral("ZCORVANEBASE::Slider"), QStringLiteral("ZCorvaneBase/frame/slider.h"),
            QStringLiteral("Slider that reports moves as differences"),
            QStringLiteral("Reports each user move as the difference from the previous value through "
                           "signalZoomChanged(int); setValue() moves it silently."),
            QSize(160, 22), false, horizontal, &create<Slider> },
        { QStringLiteral("ZCORVANEBASE::ZComboBox"), QStringLiteral("ZCorvaneBase/frame/zcombobox.h"),
            QStringLiteral("Combo box whose model and popup are one list widget"),
            QStringLiteral("Its model and popup view are one QListWidget that the owner reaches through "
                           "getListWt(), drawn without the focus frame."),
            QSize(140, 30), false, QString(), &create<ZComboBox> },
        { QStringLiteral("ZCORVANEBASE::ComboBox"), QStringLiteral("ZCorvaneBase/frame/combobox.h"),
            QStringLiteral("Combo box with the dark framed popup"),
            QStringLiteral("Its popup is a framed QListWidget (getListWt()) marked \"common_comboBox_listWt_style1\" "
                           "for the application style sheet; setItemsData() sets the items' user data."),
            QSize(140, 30), false, QString(), &create<ComboBox> },
        { QStringLiteral("ZCORVANEBASE::TimeAxisWt"), QStringLiteral("ZCorvaneBase/timeaxis/timeaxiswt.h"),
            QStringLiteral("Playback time ruler over one day"),
            QStringLiteral("Thirteen time labels over the visible part of a day. The wheel zooms, a drag pans and a "
                           "click picks a moment for every checked row; the host aligns the recording box with "
                           "signalMinTimePosX() and signalMaxTimePosX()."),
            QSize(800, 54), false, QString(), &create<TimeAxisWt> },
        { QStringLiteral("ZCORVANEBASE::RecordingsTimeAxisBox"),
            QStringLiteral("ZCorvaneBase/timeaxis/recordingstimeaxisbox.h"),
            QStringLiteral("Recording bars, one per playback window"),
            QStringLiteral("One row per playback window: a check box and a bar painting the recorded intervals with "
                           "the play cursor. Give it the ruler with setTimeAxisWt(); the host feeds searches and "
                           "progress and answers signalAppointPlaybackTime()."),
            QSize(800, 107), false, QString(), &createRecordingsBox },
        { QStringLiteral("ZCORVANEBASE::CalendarWt"), QStringLiteral("ZCorvaneBase/datetime/calendarwt.h"),
            QStringLiteral("Date and time picker with month grid"),
            QStringLiteral("Year and month navigation, a six-week day grid and a date-time editor; setRange() limits "
                           "it and signalDateTimeChanged() reports every change."),
            QSize(337, 501), false, QString(), &create<CalendarWt> },
        { QStringLiteral("ZCORVANEBASE::DatetimeSpanSelWt"),
            QStringLiteral("ZCorvaneBase/datetime/datetimespanselwt.h"),
            QStringLiteral("Start and end date-time picker"),
            QStringLiteral("Two calendars side by side that keep the span between a minimum and a maximum number of "
                           "seconds and report the pair once per change through signalDatetimeSpanSelChanged()."),
            QSize(439, 248), false, QString(), &createSpanSel },
        { QStringLiteral("ZCORVANEBASE::TimeSpaceLineEt"), QStringLiteral("ZCorvaneBase/datetime/timespacelineet.h"),
            QStringLiteral("Line showing a start/end span, with a calendar icon"),
            QStringLiteral("Shows a start/end pair as one line; a click emits signalClicked() so that the host opens "
                           "its picker and writes the result back with setDateTimeSpace()."),
            QSize(280, 30), false, QString(), &create<TimeSpaceLineEt> },
        { QStringLiteral("ZCORVANEBASE::IpEditWt"), QStringLiteral("ZCorvaneBase/entry/ipeditwt.h"),
            QStringLiteral("IPv4 address editor"),
            QStringLiteral("Four numeric fields that read as one dotted address; the focus moves the way an address "
                           "is typed and textEdited() reports every user edit."),
            QSize(220, 30), false, QString(), &create<IpEditWt> },
        { QStringLiteral("ZCORVANEBASE::PasswordLineEdit"), QStringLiteral("ZCorvaneBase/entry/passwordlineedit.h"),
            QStringLiteral("Password field with show/hide eye"),
            QStringLiteral("Refuses whitespace, copy, cut, paste and the context menu, and carries an eye button that "
                           "switches between hidden and plain echo. Grade the text with checkPwdStrength()."),
            QSize(200, 30), false, QString(), &create<PasswordLineEdit> },
        { QStringLiteral("ZCORVANEBASE::PasswordStrengthBar"),
            QStringLiteral("ZCorvaneBase/entry/passwordstrengthbar.h"),
            QStringLiteral("Password strength bar with hints"),
            QStringLiteral("Grades the text of the PasswordLineEdit it is bound to (setPasswordLineEdit()) in three "
                           "coloured segments and lists what would make it stronger in its tool tip."),
            QSize(200, 6), false, QString(), &create<PasswordStrengthBar> },
        { QStringLiteral("ZCORVANEBASE::SelDirLineEt"), QStringLiteral("ZCorvaneBase/entry/seldirlineet.h"),
            QStringLiteral("Folder field with a folder icon"),
            QStringLiteral("Shows a chosen folder (also as tool tip); any click emits signalClicked() so that the "
                           "host offers a folder chooser and writes the result back with setText()."),
            QSize(260, 30), false, QString(), &create<SelDirLineEt> },
        { QStringLiteral("ZCORVANEBASE::ZTableWidget"), QStringLiteral("ZCorvaneBase/tables/ztablewidget.h"),
            QStringLiteral("Row table that tracks hover and selection"),
            QStringLiteral("Whole-row single selection, no editing, no grid; reports the row under the mouse and the "
                           "selected row as (previous, current) pairs and answers questions about a check-box "
                           "column."),
            QSize(400, 200), false, QString(), &create<ZTableWidget> },
        { QStringLiteral("ZCORVANEBASE::TableWidget"), QStringLiteral("ZCorvaneBase/tables/tablewidget.h"),
            QStringLiteral("Row table filled from string lists, with row keys"),
            QStringLiteral("A ZTableWidget filled from string lists, one hidden key per row, numeric columns that sort "
                           "as numbers and the hovered row painted in the client type's colours."),
            QSize(400, 200), false, QString(), &create<TableWidget> },
        { QStringLiteral("ZCORVANEBASE::PageEditWt"), QStringLiteral("ZCorvaneBase/tables/pageeditwt.h"),
            QStringLiteral("Paging bar for a table loaded page by page"),
            QStringLiteral("Page size, total, current page over page count, first/previous/next/last and a jump "
                           "field; signalGotoPage() tells the host which page to load, updateTotalCnt() reports the "
                           "total back."),
            QSize(760, 40), false, QString(), &create<PageEditWt> },
        { QStringLiteral("ZCORVANEBASE::EditOperWt"), QStringLiteral("ZCorvaneBase/tables/editoperwt.h"),
            QStringLiteral("Operation cell with edit and delete buttons"),
            QStringLiteral("A table cell widget with an edit and a delete button that report the key of their row; "
                           "the key is set with setKey()."),
            QSize(80, 30), false, QString(), &createEditOper },
        { QStringLiteral("ZCORVANEBASE::AutomaticHideWt"), QStringLiteral("ZCorvaneBase/dialogs/automatichidewt.h"),
            QStringLiteral("Panel type for automatically hiding panels"),
            QStringLiteral("Behaves exactly like a ZWidget; its own class name lets qobject_cast, inherits() and "
                           "style-sheet type selectors tell a module's auto-hide panels apart."),
            QSize(200, 120), true, QString(), &create<AutomaticHideWt> },
    };
}

} // namespace

WidgetPlugin::WidgetPlugin(const WidgetDescription& description, QObject* parent)
    : QObject(parent)
    , description(description)
    , initialized(false)
{
}

QString WidgetPlugin::group() const
{
    return QStringLiteral("ZCorvaneBase");
}

QIcon WidgetPlugin::icon() const
{
    return QIcon(QStringLiteral(":/zcorvanebase/designer/icons/%1.png").arg(shortName().toLower()));
}

void WidgetPlugin::initialize(QDesignerFormEditorInterface*)
{
    initialized = true;
}

QString WidgetPlugin::shortName() const
{
    return description.className.section(QStringLiteral("::"), -1);
}

QString WidgetPlugin::domXml() const
{
    // The object name Designer gives the first instance: the class name in lower camel case ("zPushButton").
    QString objectName = shortName();
    objectName[0] = objectName.at(0).toLower();
    return QStringLiteral("<ui language=\"c++\" displayname=\"%1\">\n"
                          " <widget class=\"%2\" name=\"%3\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%4</width><height>%5</height></rect>\n"
                          "  </property>%6\n"
                          " </widget>\n"
                          "</ui>\n")
        .arg(shortName(), description.className, objectName)
        .arg(description.size.width())
        .arg(description.size.height())
        .arg(description.extraProperties);
}

WidgetCollection::WidgetCollection(QObject* parent)
    : QObject(parent)
{
    for (const WidgetDescription& description : descriptions())
        widgets.append(new WidgetPlugin(description, this));
}

} // namespace Designer
} // namespace ZCORVANEBASE
