#include "tables/treeconfig.h"
#include "tables/treeitem.h"
#include "words.h"

#include <QTreeWidget>
#include <QtTest>

using namespace ZCORVANEBASE;

class tst_TreeItem : public QObject
{
    Q_OBJECT

private slots:
    // Items sort by type, then by name in pinyin order; copies sort like their sources.
    void sorting_data()
    {
        QTest::addColumn<QString>("items"); // type digit (type 1000 + digit) and name
        QTest::addColumn<QStringList>("sorted");
        // By code point 上 (U+4E0A) < 北 (U+5317) < 广 (U+5E7F); in pinyin bei < guang < shang.
        QTest::newRow("pinyin, not code point") << "0上海 0北京 0广州" << words("北京 广州 上海");
        // Within types: dong < xi (东 U+4E1C < 西 U+897F) but da < zhong (大 U+5927 > 中 U+4E2D).
        QTest::newRow("by type, then names") << "2中门 1西区 2大厅 1东区 0总部" << words("总部 东区 西区 大厅 中门");
    }
    void sorting()
    {
        QFETCH(QString, items);
        QFETCH(QStringList, sorted);
        QTreeWidget tree;
        for (const QString& item : items.split(QLatin1Char(' '))) {
            TreeItem source(1000 + item.at(0).digitValue());
            source.setName(item.mid(1));
            tree.addTopLevelItem(new TreeItem(source));
        }
        tree.sortItems(0, Qt::AscendingOrder);
        QStringList order;
        for (int i = 0; i < tree.topLevelItemCount(); ++i)
            order << tree.topLevelItem(i)->text(0);
        QCOMPARE(order, sorted);
    }

    void devIpFlagIsSharedByEveryConfig()
    {
        TreeConfig config;
        TreeConfig().setDevIpVisible(true);
        QVERIFY(config.isDevIpVisible());
        config.setDevIpVisible(false);
        QVERIFY(!TreeConfig().isDevIpVisible());
    }
};

QTEST_MAIN(tst_TreeItem)
#include "tst_treeitem.moc"
