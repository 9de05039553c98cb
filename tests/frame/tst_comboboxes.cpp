// ZComboBox, ComboBox, ZMenu and the focus-frame-free delegate.

#include "frame/combobox.h"
#include "frame/zcombobox.h"
#include "frame/zmenu.h"
#include "tables/nofocusstyleditemdelegate.h"

#include <QListWidget>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTest>

using namespace ZCORVANEBASE;

namespace {
// Counts the focus frames a delegate asks the style to draw.
class FocusCountingStyle : public QProxyStyle
{
public:
    int focusFrames = 0;
    void drawPrimitive(
        PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        if (element == PE_FrameFocusRect)
            ++const_cast<FocusCountingStyle*>(this)->focusFrames;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};
} // namespace

class tst_ComboBoxes : public QObject
{
    Q_OBJECT

private slots:
    void listIsModelAndView();
    void setItemsData_data();
    void setItemsData();
    void menuHasNoShadow();
    void delegateDropsOnlyTheFocusFlag_data();
    void delegateDropsOnlyTheFocusFlag();
};

void tst_ComboBoxes::listIsModelAndView()
{
    ZComboBox plain;
    ComboBox dark;
    for (QComboBox* box : { static_cast<QComboBox*>(&plain), static_cast<QComboBox*>(&dark) }) {
        QListWidget* list = box == &plain ? plain.getListWt() : dark.getListWt();
        QCOMPARE(box->view(), list);
        QCOMPARE(box->model(), list->model());
        QVERIFY(qobject_cast<NoFocusStyledItemDelegate*>(list->itemDelegate()));
    }
}

void tst_ComboBoxes::setItemsData_data()
{
    QTest::addColumn<int>("values");
    QTest::addColumn<int>("expectedWithData");
    QTest::newRow("3 values on 5 items") << 3 << 3;
    QTest::newRow("7 values on 5 items") << 7 << 5;
    QTest::newRow("none") << 0 << 0;
}

void tst_ComboBoxes::setItemsData()
{
    QFETCH(int, values);
    QFETCH(int, expectedWithData);
    ComboBox box;
    for (int i = 0; i < 5; ++i)
        box.addItem(QStringLiteral("item %1").arg(i));
    QList<QVariant> data;
    for (int i = 0; i < values; ++i)
        data << (i + 1) * 100;
    box.setItemsData(data);
    QCOMPARE(box.count(), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(box.itemData(i, Qt::UserRole), i < expectedWithData ? QVariant((i + 1) * 100) : QVariant());
}

void tst_ComboBoxes::menuHasNoShadow()
{
    QMenu reference;
    ZMenu menu;
    ZMenu titled(QStringLiteral("Channel"), nullptr);
    QCOMPARE(titled.title(), QStringLiteral("Channel"));
    for (QMenu* m : { static_cast<QMenu*>(&menu), static_cast<QMenu*>(&titled) }) {
        QVERIFY(m->windowFlags() & Qt::NoDropShadowWindowHint);
        QCOMPARE(m->windowFlags() & ~Qt::NoDropShadowWindowHint, reference.windowFlags() & ~Qt::NoDropShadowWindowHint);
    }
}

void tst_ComboBoxes::delegateDropsOnlyTheFocusFlag_data()
{
    QTest::addColumn<bool>("selected");
    QTest::newRow("plain item") << false;
    QTest::newRow("selected item") << true;
}

void tst_ComboBoxes::delegateDropsOnlyTheFocusFlag()
{
    QFETCH(bool, selected);
    FocusCountingStyle style;
    QListWidget list;
    list.setStyle(&style);
    list.addItem(QStringLiteral("current"));
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.rect = QRect(0, 0, 120, 24);
    option.widget = &list; // the delegate paints with the widget's style
    option.state |= QStyle::State_HasFocus | QStyle::State_Enabled;
    if (selected)
        option.state |= QStyle::State_Selected;
    const QStyleOptionViewItem original = option;
    const QModelIndex index = list.model()->index(0, 0);

    auto render = [&](const QStyledItemDelegate& delegate, QStyle::State state) {
        QImage image(120, 24, QImage::Format_ARGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        QStyleOptionViewItem o = option;
        o.state = state;
        delegate.paint(&painter, o, index);
        return image;
    };
    QStyledItemDelegate standard;
    NoFocusStyledItemDelegate noFocus;
    render(standard, option.state);
    const int standardFrames = style.focusFrames;
    QVERIFY(standardFrames > 0); // the standard delegate does draw one
    style.focusFrames = 0;
    const QImage withFocus = render(noFocus, option.state);
    QCOMPARE(style.focusFrames, 0);
    const QImage withoutFocus = render(noFocus, option.state & ~QStyle::State_HasFocus);
    QCOMPARE(withFocus, withoutFocus);
    QCOMPARE(option.state, original.state);
}

QTEST_MAIN(tst_ComboBoxes)
#include "tst_comboboxes.moc"
