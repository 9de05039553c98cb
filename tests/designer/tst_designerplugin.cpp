// The Designer plugin as Designer sees it: loaded from the built module, each widget created through it without a
// host worker, its include file naming the header that declares it, and its DOM XML giving a usable first geometry.
// The form designerform.ui, built by uic into this test, shows that forms holding the widgets compile and load.

#include "ui_designerform.h"

#include "tables/editoperwt.h"
#include "timeaxis/recordingstimeaxisbox.h"

#include "frame/corvanebaseinit.h"

#include <QFile>
#include <QPluginLoader>
#include <QXmlStreamReader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

using namespace ZCORVANEBASE;

namespace {

struct DomWidget
{
    QString className;
    QString objectName;
    QSize size;
};

// The first widget of a DOM XML with its geometry; an empty class name when the text does not parse.
DomWidget parseDomXml(const QString& xml)
{
    DomWidget widget;
    QXmlStreamReader reader(xml);
    QString property;
    QString field;
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("ui"))
        return widget;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (reader.name() == QLatin1String("widget") && widget.className.isEmpty()) {
                widget.className = reader.attributes().value(QLatin1String("class")).toString();
                widget.objectName = reader.attributes().value(QLatin1String("name")).toString();
            } else if (reader.name() == QLatin1String("property")) {
                property = reader.attributes().value(QLatin1String("name")).toString();
            } else if (property == QLatin1String("geometry")) {
                field = reader.name().toString();
            }
        } else if (reader.isCharacters() && !reader.isWhitespace() && property == QLatin1String("geometry")) {
            if (field == QLatin1String("width"))
                widget.size.setWidth(reader.text().toInt());
            else if (field == QLatin1String("height"))
                widget.size.setHeight(reader.text().toInt());
        } else if (reader.isEndElement() && reader.name() == QLatin1String("property")) {
            property.clear();
        }
    }
    if (reader.hasError())
        widget.className.clear();
    return widget;
}

// Every widget a form may hold, one row each.
const char* const widgetNames[] = { "ZWidget", "ZPushButton", "ZLabel", "ZCheckBox", "ZLineEdit", "Slider", "ZComboBox",
    "ComboBox", "TimeAxisWt", "RecordingsTimeAxisBox", "CalendarWt", "DatetimeSpanSelWt", "TimeSpaceLineEt", "IpEditWt",
    "PasswordLineEdit", "SelDirLineEt", "ZTableWidget", "TableWidget", "PageEditWt", "EditOperWt", "AutomaticHideWt" };

} // namespace

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void offersEveryWidgetOnce();
    void widget_data();
    void widget();
    void formBuiltByUic();

private:
    QDesignerCustomWidgetInterface* find(const QString& name) const;
    QPluginLoader loader; // never unloaded, as in Designer: the widgets' code stays until the application ends
    QDesignerCustomWidgetCollectionInterface* collection = nullptr;
};

void tst_DesignerPlugin::initTestCase()
{
    // Designer runs no host: every widget must manage with the library's fallbacks.
    QVERIFY(CorvaneBaseInit::_instance().worker.isNull());
    loader.setFileName(QStringLiteral(ZCB_DESIGNER_PLUGIN));
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    QVERIFY(collection);
}

QDesignerCustomWidgetInterface* tst_DesignerPlugin::find(const QString& name) const
{
    for (QDesignerCustomWidgetInterface* widget : collection->customWidgets()) {
        if (widget->name() == name)
            return widget;
    }
    return nullptr;
}

void tst_DesignerPlugin::offersEveryWidgetOnce()
{
    QStringList offered;
    for (QDesignerCustomWidgetInterface* widget : collection->customWidgets())
        offered << widget->name();
    QStringList expected;
    for (const char* name : widgetNames)
        expected << QStringLiteral("ZCORVANEBASE::%1").arg(QLatin1String(name));
    offered.sort();
    expected.sort();
    QCOMPARE(offered, expected);
}

void tst_DesignerPlugin::widget_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("container");
    const QStringList containers { QStringLiteral("ZWidget"), QStringLiteral("AutomaticHideWt") };
    for (const char* name : widgetNames)
        QTest::newRow(name) << QStringLiteral("ZCORVANEBASE::%1").arg(QLatin1String(name))
                            << containers.contains(QLatin1String(name));
}

void tst_DesignerPlugin::widget()
{
    QFETCH(QString, name);
    QFETCH(bool, container);
    QDesignerCustomWidgetInterface* plugin = find(name);
    QVERIFY2(plugin, qPrintable(name + QStringLiteral(" is not offered")));
    QCOMPARE(plugin->group(), QStringLiteral("ZCorvaneBase"));
    QCOMPARE(plugin->isContainer(), container);
    QVERIFY(!plugin->toolTip().isEmpty());
    QVERIFY(!plugin->whatsThis().isEmpty());
    QVERIFY(!plugin->icon().pixmap(22, 22).isNull());
    plugin->initialize(nullptr);
    QVERIFY(plugin->isInitialized());

    // The include file is the installed public header that declares the class ("frame/zpushbutton.h").
    const QString shortName = name.section(QStringLiteral("::"), -1);
    const QString include = plugin->includeFile();
    QVERIFY2(!include.startsWith(QLatin1Char('<')) && !include.endsWith(QLatin1String("_p.h")), qPrintable(include));
    QFile header(QStringLiteral(ZCB_SOURCE_DIR "/") + include);
    QVERIFY2(header.open(QIODevice::ReadOnly), qPrintable(include));
    QVERIFY2(QString::fromUtf8(header.readAll())
                 .contains(QStringLiteral("class ZCORVANEBASE_EXPORT %1 : public").arg(shortName)),
        qPrintable(include + QStringLiteral(" does not declare ") + shortName));

    const DomWidget dom = parseDomXml(plugin->domXml());
    QCOMPARE(dom.className, name);
    QVERIFY(!dom.objectName.isEmpty());
    QVERIFY(dom.size.isValid());

    // Created the way Designer creates it: on a form, with no host worker.
    QWidget form;
    QWidget* widget = plugin->createWidget(&form);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), &form);
    QVERIFY2(!widget->isWindow(), "a widget on a form must not open a window of its own");
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), name);

    // The first geometry fits the widget: inside its size limits and not below its minimum size hint.
    widget->resize(dom.size);
    QCOMPARE(widget->size(), dom.size);
    const QSize hint = widget->minimumSizeHint();
    if (hint.isValid())
        QVERIFY2(dom.size.width() >= hint.width() && dom.size.height() >= hint.height(),
            qPrintable(QStringLiteral("%1x%2 is below the minimum size hint %3x%4")
                           .arg(dom.size.width())
                           .arg(dom.size.height())
                           .arg(hint.width())
                           .arg(hint.height())));
    form.resize(dom.size);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!widget->grab().isNull());
}

void tst_DesignerPlugin::formBuiltByUic()
{
    QWidget form;
    ::Ui::DesignerForm ui; // the form's own Ui, not the library's ZCORVANEBASE::Ui
    ui.setupUi(&form);
    QCOMPARE(form.objectName(), QStringLiteral("DesignerForm"));
    // uic called the library's own setText through the typed pointer: the whole text is kept and shown as tool tip.
    const QString labelText = QStringLiteral("Recordings of the north gate camera");
    QCOMPARE(ui.zLabel->text(), labelText);
    QCOMPARE(ui.zLabel->toolTip(), labelText);
    QCOMPARE(ui.zCheckBox->toolTip(), QStringLiteral("Alarm recordings only"));
    QCOMPARE(ui.zLabel->parentWidget(), ui.zWidget);
    QCOMPARE(ui.slider->orientation(), Qt::Horizontal);
    QCOMPARE(ui.slider->maximum(), 24);
    QCOMPARE(ui.passwordLineEdit->echoMode(), QLineEdit::Password);
    QCOMPARE(ui.ipEditWt->text(), QStringLiteral("..."));
    QCOMPARE(ui.pageEditWt->getPageSize(), 50);
    QVERIFY(ui.timeSpaceLineEt->getStartTime().isValid());
    QCOMPARE(ui.tableWidget->getCurSelRow(), -1);
    // The parent-only constructor gives the box its 64 default rows: taller than a box of four.
    ZCORVANEBASE::RecordingsTimeAxisBox fourRows(4, false, nullptr);
    QVERIFY(ui.recordingsBox->minimumSizeHint().height() > 10 * fourRows.minimumSizeHint().height());
    QVERIFY(ui.editOperWt->getKey().isEmpty());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
}

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_designerplugin.moc"
