// The Designer plugin as Designer sees it: loaded from the built module, each widget created through it without a
// host worker, its include file naming the header that declares it, and its DOM XML giving a usable first geometry.
// The form designerform.ui, built by uic into this test, shows that forms holding the widgets compile and load.

#include "ui_designerform.h"

#include "tables/editoperwt.h"
#include "timeaxis/recordingstimeaxisbox.h"

#include "frame/corvanebaseinit.h"

#include <QPluginLoader>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

using namespace ZCORVANEBASE;

namespace {

// The class and object name of the first widget of a DOM XML, then the width and height of its geometry; nothing
// when the text is not a well-formed <ui> document of that shape.
QStringList parseDomXml(const QString& xml)
{
    static const QRegularExpression shape(
        R"re(^\s*<ui[^>]*>\s*<widget class="([^"]+)" name="([^"]+)">.*?<property name="geometry">.*?<width>(\d+)</width>\s*<height>(\d+)</height>)re",
        QRegularExpression::DotMatchesEverythingOption);
    QXmlStreamReader reader(xml); // well formed
    while (!reader.atEnd())
        reader.readNext();
    const QRegularExpressionMatch match = shape.match(xml);
    return match.hasMatch() && !reader.hasError() ? match.capturedTexts().mid(1) : QStringList();
}

// Every widget a form may hold, one row each.
const QStringList widgetNames { "ZWidget", "ZPushButton", "ZLabel", "ZCheckBox", "ZLineEdit", "Slider", "ZComboBox",
    "ComboBox", "TimeAxisWt", "RecordingsTimeAxisBox", "CalendarWt", "DatetimeSpanSelWt", "TimeSpaceLineEt", "IpEditWt",
    "PasswordLineEdit", "PasswordStrengthBar", "SelDirLineEt", "ZTableWidget", "TableWidget", "PageEditWt",
    "EditOperWt", "AutomaticHideWt" };

} // namespace

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT

    QPluginLoader loader; // never unloaded, as in Designer: the widgets' code stays until the application ends
    QList<QDesignerCustomWidgetInterface*> plugins;

private slots:
    void initTestCase()
    {
        // Designer runs no host: every widget must manage with the library's fallbacks.
        QVERIFY(CorvaneBaseInit::_instance().worker.isNull());
        loader.setFileName(ZCB_DESIGNER_PLUGIN);
        QVERIFY2(loader.load(), qPrintable(loader.errorString()));
        auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
        QVERIFY(collection);
        plugins = collection->customWidgets();
    }

    void offersEveryWidgetOnce()
    {
        QStringList offered, expected;
        for (QDesignerCustomWidgetInterface* plugin : plugins)
            offered << plugin->name();
        for (const QString& name : widgetNames)
            expected << "ZCORVANEBASE::" + name;
        offered.sort();
        expected.sort();
        QCOMPARE(offered, expected);
    }

    void widget_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : widgetNames)
            QTest::newRow(qPrintable(name)) << "ZCORVANEBASE::" + name;
    }

    void widget()
    {
        QFETCH(QString, name);
        const auto it
            = std::find_if(plugins.begin(), plugins.end(), [&](auto* plugin) { return plugin->name() == name; });
        QVERIFY2(it != plugins.end(), qPrintable(name + " is not offered"));
        QDesignerCustomWidgetInterface* plugin = *it;
        QCOMPARE(plugin->isContainer(), name.endsWith("::ZWidget") || name.endsWith("::AutomaticHideWt"));
        QVERIFY(!plugin->icon().pixmap(22, 22).isNull());
        plugin->initialize(nullptr);
        QVERIFY(plugin->isInitialized());

        // The include file is the installed public header that declares the class, named with the package's folder
        // ("ZCorvaneBase/frame/zpushbutton.h").
        const QString include = plugin->includeFile();
        QFile header(ZCB_SOURCE_DIR "/" + include.section(QLatin1Char('/'), 1));
        QVERIFY2(include.startsWith(QLatin1String("ZCorvaneBase/")) && !include.endsWith("_p.h")
                && header.open(QIODevice::ReadOnly),
            qPrintable(include));
        const QByteArray declaration = "class ZCORVANEBASE_EXPORT " + name.section("::", -1).toUtf8() + " : public";
        QVERIFY2(header.readAll().contains(declaration), qPrintable(include + " does not declare " + name));

        const QStringList dom = parseDomXml(plugin->domXml());
        QVERIFY2(dom.size() == 4 && dom[0] == name && !dom[1].isEmpty(), qPrintable(plugin->domXml()));
        const QSize size(dom[2].toInt(), dom[3].toInt());
        QVERIFY(size.isValid());

        // Created the way Designer creates it: on a form, with no host worker.
        QWidget form;
        QWidget* widget = plugin->createWidget(&form);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget(), &form);
        QVERIFY2(!widget->isWindow(), "a widget on a form must not open a window of its own");
        QCOMPARE(widget->metaObject()->className(), name);

        // The first geometry fits the widget: inside its size limits and not below its minimum size hint.
        widget->resize(size);
        QCOMPARE(widget->size(), size);
        if (widget->minimumSizeHint().isValid())
            QCOMPARE(size.expandedTo(widget->minimumSizeHint()), size);
        form.resize(size);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(!widget->grab().isNull());
    }

    void formBuiltByUic()
    {
        QWidget form;
        ::Ui::DesignerForm ui; // the form's own Ui, not the library's ZCORVANEBASE::Ui
        ui.setupUi(&form);
        // uic called the library's own setText through the typed pointer: the whole text is kept and shown as tool tip.
        QCOMPARE(ui.zLabel->text(), "Recordings of the north gate camera");
        QCOMPARE(ui.zLabel->toolTip(), ui.zLabel->text());
        QCOMPARE(ui.zCheckBox->toolTip(), "Alarm recordings only");
        // The parent-only constructors uic calls: the box gets its 64 default rows (taller than a box of four), the
        // edit bar no key.
        RecordingsTimeAxisBox fourRows(4, false, nullptr);
        QVERIFY(ui.recordingsBox->minimumSizeHint().height() > 10 * fourRows.minimumSizeHint().height());
        QVERIFY(ui.editOperWt->getKey().isEmpty());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
};

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_designerplugin.moc"
