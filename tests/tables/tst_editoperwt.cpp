#include "tablelog.h"
#include "tables/editoperwt.h"
#include "tables/tablewidget.h"
#include "zcbtest.h"

#include <QPushButton>
#include <QtTest>

using namespace ZCORVANEBASE;

namespace {
// A cell that restyles itself: the base constructor must not reach this override.
class StyledCell : public TableOperWt
{
public:
    void setWtStyle(WidgetStyle style) override
    {
        applied << style;
        TableOperWt::setWtStyle(style);
    }
    QList<WidgetStyle> applied;
};
} // namespace

class tst_EditOperWt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }
    void bareCell();
    void clicksReportTheCurrentKey_data();
    void clicksReportTheCurrentKey();
    void hiddenEditButtonLeavesDeleteCentred();
    void cellsInATable();
    void toolTips_data();
    void toolTips();
};

void tst_EditOperWt::bareCell()
{
    StyledCell cell;
    QVERIFY(cell.getKey().isEmpty());
    QVERIFY(cell.applied.isEmpty());
    QCOMPARE(cell.getCurStyle(), WidgetStyleNormal);
    cell.setWtStyle(WidgetStyleHover);
    QCOMPARE(cell.applied, QList<WidgetStyle>({ WidgetStyleHover }));
    QCOMPARE(cell.getCurStyle(), WidgetStyleHover);
}

void tst_EditOperWt::clicksReportTheCurrentKey_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("edit") << "editBt"
                          << "edit:A edit:B";
    QTest::newRow("delete") << "deleteBt"
                            << "delete:A delete:B";
}

void tst_EditOperWt::clicksReportTheCurrentKey()
{
    QFETCH(QString, button);
    QFETCH(QString, expected);
    EditOperWt cell(QStringLiteral("A"));
    QCOMPARE(cell.objectName(), QStringLiteral("ZCORVANEBASE__EditOperWt"));
    QStringList reports;
    connect(&cell, &EditOperWt::signalEditBtClicked, [&reports](const QString& key) { reports << "edit:" + key; });
    connect(&cell, &EditOperWt::signalDeleteBtClicked, [&reports](const QString& key) { reports << "delete:" + key; });
    QTest::mouseClick(cell.findChild<QPushButton*>(button), Qt::LeftButton);
    cell.setKey(QStringLiteral("B"));
    QTest::mouseClick(cell.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(reports.join(QLatin1Char(' ')), expected);
}

void tst_EditOperWt::hiddenEditButtonLeavesDeleteCentred()
{
    EditOperWt cell(QStringLiteral("k"));
    cell.resize(300, 36);
    cell.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cell));
    auto* edit = cell.findChild<QPushButton*>(QStringLiteral("editBt"));
    auto* remove = cell.findChild<QPushButton*>(QStringLiteral("deleteBt"));
    QVERIFY(edit->property("EditBtn").toBool() && remove->property("DeleteBtn").toBool());
    QCOMPARE(remove->x() - edit->geometry().right() - 1, 12);
    QVERIFY(qAbs((edit->x() + remove->geometry().right()) / 2 - 150) <= 1);

    cell.setEditBtVisible(false);
    QTRY_VERIFY(qAbs(remove->geometry().center().x() - 150) <= 1);
    QVERIFY(edit->isHidden() && remove->isVisible());
}

void tst_EditOperWt::cellsInATable()
{
    TableWidget table;
    table.setColumnCount(2);
    QStringList clicked;
    for (int row = 0; row < 30; ++row) {
        const QString key = QStringLiteral("dev%1").arg(row);
        table.insertBack({ key, QString() }, key, {}); // the cell sits over an empty item
        auto* cell = new EditOperWt(key);
        connect(cell, &EditOperWt::signalDeleteBtClicked, [&clicked](const QString& key) { clicked << key; });
        table.setCellWidget(row, 1, cell);
    }
    table.resize(400, 300);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    table.removeRow(0);
    auto* cell = qobject_cast<EditOperWt*>(table.cellWidget(3, 1));
    QCOMPARE(table.getRowIndexByCellWt(cell, 1), 3);
    QTest::mouseMove(cell, QPoint(2, cell->height() / 2)); // the mouse on a cell still hovers its row
    QCOMPARE(table.getHoverRow(), 3);
    QTest::mouseClick(cell->findChild<QPushButton*>(QStringLiteral("deleteBt")), Qt::LeftButton);
    QCOMPARE(clicked, words("dev4"));
    QCOMPARE(table.getRowIndexByKeyValue(clicked.first()), 3);
}

void tst_EditOperWt::toolTips_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("en_US") << int(ZCORVANEDLL::ClientLanguageEnUS) << "Edit Delete";
    QTest::newRow("zh_CN") << int(ZCORVANEDLL::ClientLanguageZhCN) << "编辑 删除";
    QTest::newRow("zh_HK") << int(ZCORVANEDLL::ClientLanguageZhHK) << "編輯 刪除";
}

void tst_EditOperWt::toolTips()
{
    QFETCH(int, language);
    QFETCH(QString, expected);
    ZcbTest::installCatalogue(ZCORVANEDLL::ClientLanguage(language));
    EditOperWt cell(QStringLiteral("k"));
    QCOMPARE(cell.findChild<QPushButton*>(QStringLiteral("editBt"))->toolTip() + QLatin1Char(' ')
            + cell.findChild<QPushButton*>(QStringLiteral("deleteBt"))->toolTip(),
        expected);
}

QTEST_MAIN(tst_EditOperWt)
#include "tst_editoperwt.moc"
