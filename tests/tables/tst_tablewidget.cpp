#include "tablelog.h"
#include "tables/tablewidget.h"
#include "zcbtest.h"

#include <QRandomGenerator>
#include <QVBoxLayout>
#include <QtTest>

using namespace ZCORVANEBASE;

class tst_TableWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }
    void cleanup() { ZcbTest::installFakeWorker(); }
    void integerColumnsSortNumerically_data();
    void integerColumnsSortNumerically();
    void rowsAreCentredAndKeyed();
    void sortedTableKeepsRowsWhole();
    void duplicateKeysFindTheUpperRow();
    void keyLookupFollowsEveryChange();
    void hoverColoursFollowClientType_data();
    void hoverColoursFollowClientType();
};

void tst_TableWidget::integerColumnsSortNumerically_data()
{
    QTest::addColumn<QSet<int>>("intColumns");
    QTest::addColumn<QStringList>("sorted");
    QTest::addColumn<int>("rowOf10");
    QTest::newRow("integer column") << QSet<int>({ 1 }) << words("0 2 9 10") << 3; // "abc" counts as 0
    QTest::newRow("text column") << QSet<int>() << words("10 2 9 abc") << 0;
}

void tst_TableWidget::integerColumnsSortNumerically()
{
    QFETCH(QSet<int>, intColumns);
    QFETCH(QStringList, sorted);
    QFETCH(int, rowOf10);
    TableWidget table;
    table.setHeaderViewColumnName(words("name count"));
    for (const QString& value : words("9 10 2 abc"))
        table.insertBack({ QStringLiteral("n"), value }, QStringLiteral("k") + value, intColumns);
    table.sortItems(1, Qt::AscendingOrder);
    QStringList column;
    for (int row = 0; row < table.rowCount(); ++row)
        column << table.item(row, 1)->text();
    QCOMPARE(column, sorted);
    QCOMPARE(table.getRowIndexByKeyValue(QStringLiteral("k10")), rowOf10); // keys travel with their rows
}

void tst_TableWidget::rowsAreCentredAndKeyed()
{
    TableLog log;
    TableWidget table;
    table.setHeaderViewColumnName(words("a b c"));
    log.attach(&table);
    table.insertBack(words("x 7"), QStringLiteral("key-x"), { 1 });
    table.insertRowByIndex(0, words("y"), QStringLiteral("key-y"), {});
    table.insertRowByIndex(3, words("z"), QStringLiteral("key-z"), {}); // past the end: ignored
    QCOMPARE(log.take(), words("add(1) add(2)"));
    QCOMPARE(table.item(1, 1)->textAlignment(), int(Qt::AlignCenter));
    QCOMPARE(table.item(1, 1)->data(Qt::DisplayRole).type(), QVariant::Int);
    QVERIFY(!table.item(1, 1)->data(Qt::UserRole).isValid()); // the key rides on column 0 only
    QCOMPARE(table.getRowValues(1), words("x 7")); // no item in column 2: a shorter list
    QCOMPARE(table.getRowValues(2), QStringList());

    table.setRowKeyValue(1, QStringLiteral("key-w"));
    QCOMPARE(table.getRowIndexByKeyValue(QStringLiteral("key-w")), 1);
    QCOMPARE(table.getRowIndexByKeyValue(QStringLiteral("key-x")), -1);
    QCOMPARE(table.getRowIndexByKeyValue(QStringLiteral("key-z")), -1);
}

void tst_TableWidget::sortedTableKeepsRowsWhole()
{
    TableWidget table;
    table.setHeaderViewColumnName(words("name order"));
    table.setSortingEnabled(true);
    table.sortByColumn(1, Qt::AscendingOrder);
    table.insertBack(words("c 3"), QStringLiteral("kc"), { 1 });
    table.insertBack(words("a 1"), QStringLiteral("ka"), { 1 });
    table.insertRowByIndex(0, words("b 2"), QStringLiteral("kb"), { 1 });
    QCOMPARE(table.getRowValues(0) + table.getRowValues(1) + table.getRowValues(2), words("a 1 b 2 c 3"));
    QCOMPARE(table.getRowIndexByKeyValue(QStringLiteral("kc")), 2);
}

void tst_TableWidget::duplicateKeysFindTheUpperRow()
{
    TableWidget table;
    table.setColumnCount(1);
    for (const QString& key : words("x dup y dup"))
        table.insertBack({ key }, key, {});
    QCOMPARE(table.getRowIndexByKeyValue(QStringLiteral("dup")), 1);
    table.removeRow(1);
    QCOMPARE(table.getRowIndexByKeyValue(QStringLiteral("dup")), 2);
    table.insertRowByIndex(0, words("dup"), QStringLiteral("dup"), {});
    QCOMPARE(table.getRowIndexByKeyValue(QStringLiteral("dup")), 0);
    table.setRowKeyValue(0, QStringLiteral("other"));
    QCOMPARE(table.getRowIndexByKeyValue(QStringLiteral("dup")), 3);
    QCOMPARE(table.getRowIndexByKeyValue(QStringLiteral("DUP")), -1); // exact match only
}

// Every way a table can change under the key lookup, at random, checked against a plain scan after each step.
void tst_TableWidget::keyLookupFollowsEveryChange()
{
    TableWidget table;
    table.setColumnCount(2);
    QRandomGenerator random(20261205);
    const auto someRow = [&random, &table] { return table.rowCount() ? random.bounded(table.rowCount()) : 0; };
    QStringList probes = words("missing");
    for (int i = 0; i < 12; ++i)
        probes << QStringLiteral("k%1").arg(i);
    probes << QString();

    for (int step = 0; step < 1500; ++step) {
        const int op = random.bounded(14);
        const QString key = QStringLiteral("k%1").arg(random.bounded(12));
        const QString value = QString::number(random.bounded(100));
        QTableWidgetItem* first = table.item(someRow(), 0);
        switch (op) {
        case 0:
        case 1:
        case 2:
            table.insertBack({ key, value }, key, { 1 });
            break;
        case 3:
            table.insertRowByIndex(someRow(), { key, value }, key, { 1 });
            break;
        case 4:
            table.removeRow(someRow());
            break;
        case 5:
            table.setRowKeyValue(someRow(), key);
            break;
        case 6:
            if (first)
                first->setData(Qt::UserRole, key);
            break;
        case 7:
            delete table.takeItem(someRow(), 0);
            break;
        case 8:
            if (table.rowCount())
                table.setItem(someRow(), 0, new QTableWidgetItem(key)); // an item without a key
            break;
        case 9:
            table.sortItems(random.bounded(2), random.bounded(2) ? Qt::AscendingOrder : Qt::DescendingOrder);
            break;
        case 10:
            if (random.bounded(20) == 0)
                table.removeAllRows();
            break;
        case 11:
            table.insertRow(someRow()); // a row without items
            break;
        case 12:
            if (table.rowCount() > 3)
                table.model()->removeRows(table.rowCount() - 3, 3);
            break;
        default:
            if (first)
                first->setText(value); // not the key
            break;
        }
        // Several rounds, so that lookups run both by scanning and from a rebuilt index.
        for (int round = 0; round < 3; ++round) {
            for (const QString& probe : qAsConst(probes)) {
                int expected = -1;
                for (int row = table.rowCount() - 1; row >= 0; --row) {
                    if (table.item(row, 0) && table.item(row, 0)->data(Qt::UserRole).toString() == probe)
                        expected = row;
                }
                if (table.getRowIndexByKeyValue(probe) != expected)
                    QFAIL(qPrintable(QStringLiteral("step %1 (op %2), key \"%3\"").arg(step).arg(op).arg(probe)));
            }
        }
    }
}

void tst_TableWidget::hoverColoursFollowClientType_data()
{
    QTest::addColumn<int>("clientType"); // -1: no host worker installed
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("hovered");
    QTest::newRow("type 1") << 1 << "#172133"
                            << "#222e44";
    QTest::newRow("type 0") << 0 << "#0b121e"
                            << "#213147";
    QTest::newRow("type 2") << 2 << "#0b121e"
                            << "#213147";
    QTest::newRow("type 3") << 3 << ""
                            << "";
    QTest::newRow("no worker") << -1 << "#0b121e"
                               << "#213147";
}

void tst_TableWidget::hoverColoursFollowClientType()
{
    QFETCH(int, clientType);
    QFETCH(QString, left);
    QFETCH(QString, hovered);
    if (clientType < 0)
        ZcbTest::removeWorker();
    else
        ZcbTest::installFakeWorker()->clientType = clientType;
    QWidget frame;
    auto* table = new TableWidget(&frame);
    (new QVBoxLayout(&frame))->addWidget(table);
    frame.layout()->setContentsMargins(30, 30, 30, 30);
    table->setColumnCount(3);
    for (int row = 0; row < 5; ++row)
        table->insertBack(words("a b c"), QString(), {});
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const auto background = [table](int row, int column) {
        const QBrush brush = table->item(row, column)->background();
        return brush.style() == Qt::NoBrush ? QString() : brush.color().name();
    };
    const auto moveTo = [table](int row) {
        QTest::mouseMove(table->viewport(), table->visualItemRect(table->item(row, 1)).center());
    };

    moveTo(2);
    QCOMPARE(background(2, 0) + background(2, 2), hovered + hovered);
    QCOMPARE(background(1, 0), QString());
    moveTo(3);
    QCOMPARE(background(2, 1), left);
    QCOMPARE(background(3, 1), hovered);
    QTest::mouseMove(&frame, QPoint(5, 5));
    QCOMPARE(background(3, 1), left);
}

QTEST_MAIN(tst_TableWidget)
#include "tst_tablewidget.moc"
