// The tables page: a device list of a few thousand generated records, loaded page by page as the paging strip
// asks, with a check column, hover colours of the host's client type and edit/delete cells that report their
// record's key; beside it a device tree whose Chinese names sort by node type, then in pinyin order.

#include "gallerypage.h"
#include "gallerypagewidget.h"

#include "tables/editoperwt.h"
#include "tables/pageeditwt.h"
#include "tables/tablewidget.h"
#include "tables/treeconfig.h"
#include "tables/treeitem.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace ZCORVANEBASE;

namespace {

struct Device
{
    QString id;
    QString name;
    QString ip;
    int channels;
    bool online;
};

// The tree's node types: areas first, then recorders, then cameras.
enum NodeType
{
    AreaNode = QTreeWidgetItem::UserType + 1,
    RecorderNode = QTreeWidgetItem::UserType + 2,
    CameraNode = QTreeWidgetItem::UserType + 3,
};

const int deviceCount = 3217;

enum Column
{
    CheckColumn,
    NameColumn,
    IpColumn,
    ChannelsColumn,
    StatusColumn,
    OperationColumn
};

QVector<Device> generateDevices()
{
    const QStringList areas { QStringLiteral("总部"), QStringLiteral("北京"), QStringLiteral("上海"),
        QStringLiteral("广州"), QStringLiteral("深圳"), QStringLiteral("成都"), QStringLiteral("武汉") };
    const QStringList places { QStringLiteral("大门"), QStringLiteral("东门"), QStringLiteral("西门"),
        QStringLiteral("停车场"), QStringLiteral("仓库"), QStringLiteral("前台"), QStringLiteral("走廊"),
        QStringLiteral("机房"), QStringLiteral("电梯厅") };
    const int channelChoices[] = { 1, 4, 8, 16, 32, 64 };
    QVector<Device> devices;
    devices.reserve(deviceCount);
    for (int i = 0; i < deviceCount; ++i) {
        Device device;
        device.id = QStringLiteral("dev-%1").arg(i + 1, 5, 10, QLatin1Char('0'));
        device.name = QStringLiteral("%1%2 %3")
                          .arg(areas.at(i % areas.size()), places.at((i / areas.size()) % places.size()))
                          .arg(i / (areas.size() * places.size()) + 1);
        device.ip = QStringLiteral("10.%1.%2.%3").arg(i % 7 + 1).arg(i / 250 % 250).arg(i % 250 + 2);
        device.channels = channelChoices[(i * 7) % 6];
        device.online = (i * 13) % 10 != 0;
        devices << device;
    }
    return devices;
}

class TablesPage : public GalleryPageWidget
{
public:
    TablesPage(const GalleryOptions& options, QWidget* parent)
        : GalleryPageWidget(QStringLiteral("tablesPage"), parent)
        , devices(generateDevices())
    {
        grid->addWidget(deviceList(), 0, 0, 2, 1);
        QWidget* treeBox = deviceTree();
        grid->addWidget(treeBox, 0, 1);
        grid->addWidget(log, 1, 1);
        // The paging strip needs the width; the tree and the log do with less.
        treeBox->setMaximumWidth(330);
        log->setMaximumWidth(330);
        grid->setColumnStretch(0, 1);
        grid->setRowStretch(0, 3);
        grid->setRowStretch(1, 2);

        pageEdit->updateTotalCnt(devices.size());
        loadPage(1, pageEdit->getPageSize());
        if (options.screenshot)
            QTimer::singleShot(100, this, [this] { showActivity(); });
    }

private:
    // For the screenshot: a few checked rows, a selected one and the mouse resting on another.
    void showActivity()
    {
        for (int row : { 1, 3, 4 })
            table->item(row, CheckColumn)->setCheckState(Qt::Checked);
        table->selectRow(2);
        const QPoint pos = table->visualItemRect(table->item(5, NameColumn)).center();
        QMouseEvent move(
            QEvent::MouseMove, pos, table->viewport()->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(table->viewport(), &move);
    }

    QWidget* deviceList()
    {
        QGroupBox* box = group(QStringLiteral("Devices, loaded page by page"));
        auto* layout = new QVBoxLayout(box);
        layout->setSpacing(8);

        auto* tools = new QHBoxLayout;
        selectAll = new QCheckBox(QStringLiteral("Check the whole page"), box);
        selectAll->setObjectName(QStringLiteral("gallerySelectAll"));
        auto* removeChecked = new QPushButton(QStringLiteral("Remove checked"), box);
        removeChecked->setObjectName(QStringLiteral("galleryRemoveChecked"));
        removeChecked->setProperty("common_bt_style2", true);
        checkState = new QLabel(box);
        checkState->setObjectName(QStringLiteral("galleryCheckState"));
        tools->addWidget(selectAll);
        tools->addWidget(removeChecked);
        tools->addWidget(checkState, 1);
        layout->addLayout(tools);

        table = new TableWidget(box);
        table->setObjectName(QStringLiteral("galleryDeviceTable"));
        table->setAccessibleName(QStringLiteral("Devices"));
        table->setHeaderViewColumnName({ QString(), QStringLiteral("Name"), QStringLiteral("IP address"),
            QStringLiteral("Channels"), QStringLiteral("Status"), QStringLiteral("Operation") });
        table->verticalHeader()->hide();
        table->verticalHeader()->setDefaultSectionSize(36);
        QHeaderView* header = table->horizontalHeader();
        header->setSectionResizeMode(QHeaderView::Stretch);
        header->setSectionResizeMode(CheckColumn, QHeaderView::Fixed);
        header->setSectionResizeMode(OperationColumn, QHeaderView::Fixed);
        header->resizeSection(CheckColumn, 40);
        header->resizeSection(OperationColumn, 110);
        layout->addWidget(table, 1);

        pageEdit = new PageEditWt(box);
        pageEdit->setObjectName(QStringLiteral("galleryPageEdit"));
        layout->addWidget(pageEdit);

        QObject::connect(pageEdit, &PageEditWt::signalGotoPage, [this](int page, int size) { loadPage(page, size); });
        QObject::connect(pageEdit, &PageEditWt::signalPageSizeChanged, [this](int size) {
            pageEdit->updateTotalCnt(devices.size());
            loadPage(1, size);
        });
        QObject::connect(table, &ZTableWidget::signalHoverRowChanged, [this](int preRow, int curRow) {
            setCellStyle(preRow, WidgetStyleNormal);
            setCellStyle(curRow, WidgetStyleHover);
        });
        QObject::connect(table, &ZTableWidget::signalSelRowChanged, [this](int, int curRow) {
            if (curRow >= 0)
                note(QStringLiteral("Selected row %1: %2")
                         .arg(curRow)
                         .arg(table->getRowValues(curRow)
                                  .filter(QRegularExpression(QStringLiteral("\\S")))
                                  .join(QStringLiteral(" | "))));
        });
        QObject::connect(table, &QTableWidget::itemChanged, [this](QTableWidgetItem* item) {
            if (item->column() == CheckColumn)
                showCheckState();
        });
        QObject::connect(selectAll, &QCheckBox::clicked, [this](bool checked) {
            for (int row = 0; row < table->rowCount(); ++row)
                table->item(row, CheckColumn)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        });
        QObject::connect(removeChecked, &QPushButton::clicked, [this] { removeCheckedDevices(); });
        return box;
    }

    void loadPage(int page, int size)
    {
        table->removeAllRows();
        const int first = (page - 1) * size;
        const int last = qMin(first + size, devices.size());
        const QSet<int> intColumns { ChannelsColumn };
        for (int i = first; i < last; ++i) {
            const Device& device = devices.at(i);
            table->insertBack({ QString(), device.name, device.ip, QString::number(device.channels),
                                  device.online ? QStringLiteral("Online") : QStringLiteral("Offline"), QString() },
                device.id, intColumns);
            const int row = table->rowCount() - 1;
            table->item(row, CheckColumn)->setCheckState(Qt::Unchecked);
            table->setTextColor(
                row, StatusColumn, QColor(device.online ? QStringLiteral("#00cf8b") : QStringLiteral("#6d7a8f")));
            auto* cell = new EditOperWt(device.id);
            QObject::connect(cell, &EditOperWt::signalEditBtClicked, [this](const QString& key) { editDevice(key); });
            QObject::connect(
                cell, &EditOperWt::signalDeleteBtClicked, [this](const QString& key) { deleteDevice(key); });
            table->setCellWidget(row, OperationColumn, cell);
        }
        selectAll->setChecked(false);
        showCheckState();
        note(QStringLiteral("Loaded page %1 (%2 records per page): records %3 to %4 of %5")
                 .arg(page)
                 .arg(size)
                 .arg(first + 1)
                 .arg(last)
                 .arg(devices.size()));
    }

    void setCellStyle(int row, WidgetStyle style)
    {
        if (auto* cell = qobject_cast<TableOperWt*>(table->cellWidget(row, OperationColumn)))
            cell->setWtStyle(style);
    }

    void showCheckState()
    {
        const int checked = table->getCheckedRows(CheckColumn).size();
        if (table->isNoRowChecked(CheckColumn))
            checkState->setText(QStringLiteral("No row checked"));
        else if (table->isAllRowsChecked(CheckColumn))
            checkState->setText(QStringLiteral("All %1 rows checked").arg(checked));
        else
            checkState->setText(QStringLiteral("%1 of %2 rows checked").arg(checked).arg(table->rowCount()));
    }

    int deviceIndex(const QString& id) const
    {
        for (int i = 0; i < devices.size(); ++i) {
            if (devices.at(i).id == id)
                return i;
        }
        return -1;
    }

    void editDevice(const QString& key)
    {
        const int row = table->getRowIndexByKeyValue(key);
        table->selectAndScrollTopToRow(row);
        note(QStringLiteral("Edit %1, row %2").arg(key).arg(row));
    }

    void deleteDevice(const QString& key)
    {
        const int index = deviceIndex(key);
        if (index < 0)
            return;
        note(QStringLiteral("Delete %1 (%2)").arg(key, devices.at(index).name));
        devices.remove(index);
        reloadAfterRemoval();
    }

    void removeCheckedDevices()
    {
        const QList<int> rows = table->getCheckedRows(CheckColumn);
        if (rows.isEmpty())
            return;
        for (int row : rows) {
            const int index = deviceIndex(table->item(row, CheckColumn)->data(Qt::UserRole).toString());
            if (index >= 0)
                devices.remove(index);
        }
        table->removeCheckedRows(CheckColumn);
        note(QStringLiteral("Removed %1 checked device(s)").arg(rows.size()));
        reloadAfterRemoval();
    }

    // The host reports the new total; the strip keeps the page or moves back to the last one.
    void reloadAfterRemoval()
    {
        pageEdit->updateTotalCnt(devices.size());
        loadPage(pageEdit->getCurPageIndex(), pageEdit->getPageSize());
    }

    QWidget* deviceTree()
    {
        QGroupBox* box = group(QStringLiteral("Device tree, sorted by type, then pinyin"));
        auto* layout = new QVBoxLayout(box);
        auto* showIp = new QCheckBox(QStringLiteral("Show device IP addresses"), box);
        showIp->setObjectName(QStringLiteral("galleryShowIp"));
        tree = new QTreeWidget(box);
        tree->setObjectName(QStringLiteral("galleryDeviceTree"));
        tree->setAccessibleName(QStringLiteral("Device tree"));
        tree->setHeaderHidden(true);
        layout->addWidget(showIp);
        layout->addWidget(tree, 1);

        struct Node
        {
            int type;
            const char* name;
            const char* ip;
            bool online;
        };
        const QStringList areas { QStringLiteral("总部"), QStringLiteral("上海分公司"), QStringLiteral("北京分公司"),
            QStringLiteral("广州分公司") };
        const Node nodes[] = {
            { CameraNode, "正门", "10.1.0.21", true },
            { AreaNode, "研发楼", nullptr, true },
            { CameraNode, "停车场", "10.1.0.22", true },
            { RecorderNode, "中心录像机", "10.1.0.2", true },
            { CameraNode, "仓库", "10.1.0.23", false },
            { AreaNode, "办公楼", nullptr, true },
            { CameraNode, "东门", "10.1.0.24", true },
            { RecorderNode, "备份录像机", "10.1.0.3", false },
            { CameraNode, "阿里巴巴路口", "10.1.0.25", true },
            { CameraNode, "走廊", "10.1.0.26", true },
        };
        int serial = 0;
        for (const QString& areaName : areas) {
            auto* area = new TreeItem(AreaNode);
            area->setId(QStringLiteral("area-%1").arg(++serial), QString());
            area->setName(areaName);
            tree->addTopLevelItem(area);
            for (const Node& node : nodes) {
                auto* item = new TreeItem(node.type);
                item->setId(QStringLiteral("node-%1").arg(++serial), area->getId());
                item->setName(QString::fromUtf8(node.name));
                item->setStatus(node.online ? 1 : 0);
                if (node.ip)
                    item->setOtherKey(QString::fromLatin1(node.ip));
                if (!node.online)
                    item->setForeground(0, QColor(QStringLiteral("#6d7a8f")));
                area->addChild(item);
            }
        }
        tree->setSortingEnabled(true);
        tree->sortByColumn(0, Qt::AscendingOrder);
        tree->expandAll();

        showIp->setChecked(TreeConfig().isDevIpVisible());
        QObject::connect(showIp, &QCheckBox::toggled, [this](bool visible) {
            TreeConfig().setDevIpVisible(visible);
            showDeviceIps();
        });
        QObject::connect(tree, &QTreeWidget::currentItemChanged, [this](QTreeWidgetItem* current) {
            if (auto* item = dynamic_cast<TreeItem*>(current))
                note(QStringLiteral("Tree: %1 \"%2\" in %3, status %4, other key \"%5\"")
                         .arg(item->getId(), item->getName(), item->getParentId())
                         .arg(item->getStatus())
                         .arg(item->getOtherKey()));
        });
        return box;
    }

    // The IP switch is shared by every TreeConfig of the process; the names stay, only the texts change.
    void showDeviceIps()
    {
        const bool visible = TreeConfig().isDevIpVisible();
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* area = tree->topLevelItem(i);
            for (int j = 0; j < area->childCount(); ++j) {
                auto* item = dynamic_cast<TreeItem*>(area->child(j));
                if (!item || item->getOtherKey().isEmpty())
                    continue;
                item->setText(
                    visible ? QStringLiteral("%1  %2").arg(item->getName(), item->getOtherKey()) : item->getName());
            }
        }
    }

    QVector<Device> devices;
    TableWidget* table = nullptr;
    PageEditWt* pageEdit = nullptr;
    QCheckBox* selectAll = nullptr;
    QLabel* checkState = nullptr;
    QTreeWidget* tree = nullptr;
};

} // namespace

static GalleryPageRegistrar tablesPage(QStringLiteral("tables"), 60, QStringLiteral("Tables and trees"),
    [](const GalleryOptions& options, QWidget* parent) -> QWidget* { return new TablesPage(options, parent); });
