#include "tables/editoperwt.h"
#include "tables/tablewidget.h"
#include "words.h"
#include "zcbtest.h"

#include <QPushButton>
#include <QtTest>

using namespace ZCORVANEBASE;

class tst_EditOperWt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }

    // In a table: the row a cell sits on is found after rows above it go, the mouse over a cell hovers its row,
    // and a click reports the key the cell has at the time.
    void cellsInATable()
    {
        TableWidget table;
        table.setColumnCount(2);
        table.setColumnWidth(1, 300);
        for (int row = 0; row < 30; ++row) {
            // The cell sits over an empty item: a cell without an item would hover no row.
            table.insertBack({ QString(), QString() }, QStringLiteral("dev%1").arg(row), {});
            table.setCellWidget(row, 1, new EditOperWt(QStringLiteral("dev%1").arg(row)));
        }
        table.resize(500, 300);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.removeRow(0);
        auto* cell = qobject_cast<EditOperWt*>(table.cellWidget(3, 1));
        auto* edit = cell->findChild<QPushButton*>(QStringLiteral("editBt"));
        auto* remove = cell->findChild<QPushButton*>(QStringLiteral("deleteBt"));
        QCOMPARE(table.getRowIndexByCellWt(cell, 1), 3); // before the view lays the cells out again
        QCOMPARE(table.getRowIndexByCellWt(cell, 0), -1);
        QTest::mouseMove(cell, QPoint(2, cell->height() / 2));
        QCOMPARE(table.getHoverRow(), 3);

        // A click reports the key the cell has at the time.
        QSignalSpy edits(cell, &EditOperWt::signalEditBtClicked);
        QSignalSpy deletes(cell, &EditOperWt::signalDeleteBtClicked);
        QTest::mouseClick(edit, Qt::LeftButton);
        cell->setKey(QStringLiteral("renamed"));
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(QList<int>({ edits.count(), deletes.count() }), QList<int>({ 1, 1 }));
        QCOMPARE(edits.at(0).at(0).toString() + QLatin1Char('|') + deletes.at(0).at(0).toString(), "dev4|renamed");

        // The buttons sit centred 12 pixels apart; without the edit button the delete button is centred alone.
        QCOMPARE(cell->width(), 300);
        QCOMPARE(remove->x() - edit->geometry().right() - 1, 12);
        QVERIFY(qAbs((edit->x() + remove->geometry().right()) / 2 - 150) <= 1);
        cell->setEditBtVisible(false);
        QTRY_VERIFY(qAbs(remove->geometry().center().x() - 150) <= 1);
    }
};

QTEST_MAIN(tst_EditOperWt)
#include "tst_editoperwt.moc"
