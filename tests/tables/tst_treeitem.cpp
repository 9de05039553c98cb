#include "tablelog.h"
#include "tables/treeconfig.h"
#include "tables/treeitem.h"
#include "zcbtest.h"

#include <QTreeWidget>
#include <QtTest>

using namespace ZCORVANEBASE;

class tst_TreeItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }
    void sorting_data();
    void sorting();
    void dataRoles();
    void checkBoxFlags();
    void sharedDevIpFlag();
};

void tst_TreeItem::sorting_data()
{
    QTest::addColumn<QString>("types"); // one digit per item: 1000 + digit
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("sorted");
    // By code point 上 (U+4E0A) < 北 (U+5317) < 广 (U+5E7F); in pinyin bei < guang < shang.
    QTest::newRow("pinyin, not code point") << "000"
                                            << "上海 北京 广州"
                                            << "北京 广州 上海";
    QTest::newRow("type before name") << "10"
                                      << "阿 张"
                                      << "张 阿";
    // Within types: dong < xi (东 U+4E1C < 西 U+897F) but da < zhong (大 U+5927 > 中 U+4E2D).
    QTest::newRow("by type, then names") << "21210"
                                         << "中门 西区 大厅 东区 总部"
                                         << "总部 东区 西区 大厅 中门";
}

void tst_TreeItem::sorting()
{
    QFETCH(QString, types);
    QFETCH(QString, names);
    QFETCH(QString, sorted);
    QTreeWidget tree;
    const QStringList list = names.split(QLatin1Char(' '));
    for (int i = 0; i < list.size(); ++i) {
        auto* item = new TreeItem(1000 + types.at(i).digitValue());
        item->setName(list.at(i));
        tree.addTopLevelItem(item);
    }
    tree.sortItems(0, Qt::AscendingOrder);
    QStringList order;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        order << tree.topLevelItem(i)->text(0);
    QCOMPARE(order.join(QLatin1Char(' ')), sorted);
}

void tst_TreeItem::dataRoles()
{
    TreeItem item(QTreeWidgetItem::UserType);
    QCOMPARE(item.getStatus(), 0);
    item.setId(QStringLiteral("dev-7"), QStringLiteral("org-1"));
    item.setStatus(3);
    item.setOtherKey(QStringLiteral("10.0.0.7"));
    item.setName(QStringLiteral("大门"));
    item.setText(QStringLiteral("大门 10.0.0.7"));
    QStringList roles;
    for (int role = 257; role <= 261; ++role)
        roles << item.data(0, role).toString();
    QCOMPARE(roles, words("dev-7 org-1 3 大门 10.0.0.7"));
    QCOMPARE(item.getName() + '|' + item.text(0) + '|' + item.toolTip(0),
        QStringLiteral("大门|大门 10.0.0.7|大门 10.0.0.7"));
    QCOMPARE(item.getId() + item.getParentId() + item.getOtherKey(), QStringLiteral("dev-7org-110.0.0.7"));
}

void tst_TreeItem::checkBoxFlags()
{
    TreeItem item(1000);
    QCOMPARE(item.flags(), QTreeWidgetItem().flags() & ~Qt::ItemIsUserCheckable);

    item.setFlags(item.flags() | Qt::ItemIsUserCheckable);
    item.setName(QStringLiteral("x"));
    TreeItem copy(item);
    QVERIFY(copy.flags() & Qt::ItemIsUserCheckable);
    QCOMPARE(copy.type(), 1000);
    QCOMPARE(copy.getName(), QStringLiteral("x"));
    TreeItem assigned(1001);
    assigned = item;
    QVERIFY(assigned.flags() & Qt::ItemIsUserCheckable);
    QCOMPARE(assigned.text(0), QStringLiteral("x"));
}

void tst_TreeItem::sharedDevIpFlag()
{
    TreeConfig first;
    TreeConfig second;
    QVERIFY(!second.isDevIpVisible() && !first.isItemCheckable() && !first.displaySaasDevs());
    first.setDevIpVisible(true);
    QVERIFY(second.isDevIpVisible());
    TreeConfig().setDevIpVisible(false);
    QVERIFY(!first.isDevIpVisible());
}

QTEST_MAIN(tst_TreeItem)
#include "tst_treeitem.moc"
