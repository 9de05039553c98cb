#pragma once

// The Qt Designer plugin of the library: one collection that offers each widget a form may hold. Every widget goes
// through the same small factory, described by one row of the table in the .cpp.

#include <QList>
#include <QObject>
#include <QSize>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace ZCORVANEBASE {
namespace Designer {

// What Designer needs to know about one widget class.
struct WidgetDescription
{
    QString className; // with the namespace, as the meta-object names it: "ZCORVANEBASE::ZPushButton"
    QString includeFile; // as installed under include/ZCorvaneBase: "frame/zpushbutton.h"
    QString toolTip;
    QString whatsThis;
    QSize size; // the geometry a widget dropped on a form starts with
    bool container = false;
    QString extraProperties; // further <property> elements of the widget's DOM XML
    QWidget* (*create)(QWidget* parent) = nullptr;
};

// The factory Designer calls for one widget class.
class WidgetPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    WidgetPlugin(const WidgetDescription& description, QObject* parent);

    QString name() const override { return description.className; }
    QString group() const override;
    QString toolTip() const override { return description.toolTip; }
    QString whatsThis() const override { return description.whatsThis; }
    QString includeFile() const override { return description.includeFile; }
    QIcon icon() const override;
    bool isContainer() const override { return description.container; }
    QWidget* createWidget(QWidget* parent) override { return description.create(parent); }
    bool isInitialized() const override { return initialized; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    QString shortName() const; // the class name without the namespace
    WidgetDescription description;
    bool initialized;
};

// The plugin Designer loads: the collection of every widget above.
class WidgetCollection : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit WidgetCollection(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets; }

private:
    QList<QDesignerCustomWidgetInterface*> widgets;
};

} // namespace Designer
} // namespace ZCORVANEBASE
