// Lists and menus: ZComboBox, ComboBox, the focus-frame-free delegate, ZMenu and its CustomAction entries (colours on
// hover, leave and release, the flag image).

#include "frame/combobox.h"
#include "frame/customaction.h"
#include "frame/zcombobox.h"
#include "frame/zmenu.h"
#include "frame/zwidget.h"
#include "tables/nofocusstyleditemdelegate.h"
#include "zcbtest.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProxyStyle>
#include <QTemporaryDir>
#include <QTest>

using namespace ZCORVANEBASE;

namespace {
// Counts the focus frames a delegate asks the style to draw.
class FocusCountingStyle : public QProxyStyle
{
public:
    mutable int focusFrames = 0;
    void drawPrimitive(
        PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        focusFrames += element == PE_FrameFocusRect;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};
} // namespace

class tst_ComboBoxes : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString icon(int n) const { return dir.filePath(QStringLiteral("icon%1.png").arg(n)); }

private slots:
    void initTestCase()
    {
        for (int n = 1; n <= 2; ++n) {
            QImage image(16, 16, QImage::Format_RGB32);
            image.fill(n == 1 ? Qt::yellow : Qt::magenta);
            QVERIFY(image.save(icon(n)));
        }
    }

    void hoverAndLeave_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QString>("textColour");
        QTest::addColumn<QColor>("iconColour");
        QTest::newRow("hover") << "enter" << QColor("#266baf") << "#ffffff" << QColor(Qt::yellow);
        QTest::newRow("leave") << "leave" << QColor("#131d2d") << "#ccd3dd" << QColor(Qt::magenta);
        QTest::newRow("release") << "release" << QColor("#131d2d") << "#ccd3dd" << QColor(Qt::yellow);
    }
    void hoverAndLeave()
    {
        QFETCH(QString, event);
        QFETCH(QString, textColour);
        QWidget owner;
        CustomAction action(&owner, QStringLiteral("Snapshot"), icon(1), icon(2), QString());
        QWidget* entry = action.defaultWidget();
        QVERIFY(qobject_cast<ZWidget*>(entry)); // clicks are reported late, so a double click can cancel them
        entry->show();
        QVERIFY(QTest::qWaitForWindowExposed(entry));
        ZcbTest::sendEvent(entry, QEvent::Enter); // start hovered
        if (event == QLatin1String("leave"))
            ZcbTest::sendEvent(entry, QEvent::Leave);
        else if (event == QLatin1String("release"))
            QTest::mouseClick(entry, Qt::LeftButton, {}, QPoint(100, 12));
        const QImage pixels = entry->grab().toImage();
        QTEST(pixels.pixelColor(133, 1), "background");
        QTEST(pixels.pixelColor(18, 12), "iconColour"); // 10 pixels from the left, vertically centred
        QVERIFY(entry->findChildren<QLabel*>().last()->styleSheet().contains(QStringLiteral("color:") + textColour));
    }

    void flagImagePosition_data()
    {
        QTest::addColumn<QSize>("flagSize");
        QTest::addColumn<int>("entryWidth");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<int>("ratio"); // the flag's device pixel ratio
        QTest::newRow("12x8 on 134") << QSize(12, 8) << 134 << QPoint(112, 8) << 1;
        QTest::newRow("20x9 on 200") << QSize(20, 9) << 200 << QPoint(170, 7) << 1; // (24 - 9) / 2 = 7
        QTest::newRow("12x8 made for ratio 2") << QSize(12, 8) << 134 << QPoint(112, 8) << 2; // placed by logical size
    }
    void flagImagePosition()
    {
        QFETCH(QSize, flagSize);
        QFETCH(int, entryWidth);
        QFETCH(QPoint, topLeft);
        QFETCH(int, ratio);
        QWidget owner;
        CustomAction action(&owner, QString(), icon(1), icon(2), QString());
        QPixmap flag(flagSize * ratio);
        flag.setDevicePixelRatio(ratio);
        flag.fill(Qt::red);
        action.addFlagImage(flag);
        action.defaultWidget()->resize(entryWidth, 24);
        const QImage pixels = action.defaultWidget()->grab().toImage();
        const QRect expected(topLeft, flagSize);
        const auto red = [&pixels](const QPoint& p) { return pixels.pixelColor(p) == QColor(Qt::red); };
        QVERIFY(red(expected.topLeft()) && red(expected.bottomRight()));
        QVERIFY(!red(expected.topLeft() - QPoint(1, 0)) && !red(expected.topLeft() - QPoint(0, 1)));
        QVERIFY(!red(expected.bottomRight() + QPoint(1, 0)));
    }

    // A menu entry's text keeps clear of its flag: the entry (and so the menu) widens, and the text ends before it.
    void flagKeepsClearOfText()
    {
        ZMenu menu;
        QPixmap flag(30, 14);
        flag.fill(Qt::red);
        auto* flagged
            = new CustomAction(&menu, QStringLiteral("Alarm recordings of the week"), icon(1), icon(2), QString());
        flagged->addFlagImage(flag);
        menu.addAction(flagged);
        menu.popup(QPoint(50, 50));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QWidget* entry = flagged->defaultWidget();
        const QLabel* textLabel = entry->findChildren<QLabel*>().last();
        QCOMPARE(textLabel->text(), QStringLiteral("Alarm recordings of the week"));
        QVERIFY(textLabel->geometry().right() < entry->width() - flag.width() - 10);
        QVERIFY(textLabel->width() >= textLabel->sizeHint().width()); // the whole text, not cut
    }

    // The popup list is the one the owner reaches, painted without focus frames. Under a host style sheet that makes
    // the popup's rows 28 pixels high, the rows lie 28 pixels apart (they once kept the spacing of the plain rows and
    // overlapped).
    void popupList_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("ZComboBox") << false;
        QTest::newRow("ComboBox") << true;
    }
    void popupList()
    {
        QFETCH(bool, dark);
        const QString previousSheet = qApp->styleSheet();
        // A font rule for every widget, as hosts write: it reaches the list only when the popup is first polished.
        qApp->setStyleSheet(QStringLiteral("QWidget { font-size: 13px; } QListWidget::item { height: 28px; }"));
        ZComboBox plain;
        ComboBox darkBox;
        QComboBox* box = dark ? static_cast<QComboBox*>(&darkBox) : &plain;
        QListWidget* list = dark ? darkBox.getListWt() : plain.getListWt();
        QVERIFY(qobject_cast<NoFocusStyledItemDelegate*>(list->itemDelegate()));
        list->addItems({ QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma"), "Delta" });
        QCOMPARE(box->count(), 4);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        box->showPopup();
        QCOMPARE(box->view(), list);
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        QCOMPARE(list->visualRect(box->model()->index(1, 0)), QRect(0, 28, list->viewport()->width(), 28));
        QVERIFY(list->viewport()->height() >= 4 * 28);
        box->hidePopup();
        qApp->setStyleSheet(previousSheet);
    }

    // User data goes on as many items as there are values, no further on either side.
    void setItemsData()
    {
        ComboBox box;
        box.addItems({ "a", "b", "c", "d", "e" });
        box.setItemsData({ 1, 2, 3 });
        QCOMPARE(
            QVariantList({ box.itemData(2, Qt::UserRole), box.itemData(3, Qt::UserRole) }), QVariantList({ 3, {} }));
        box.setItemsData({ 1, 2, 3, 4, 5, 6, 7 });
        QCOMPARE(box.count(), 5);
        QCOMPARE(box.itemData(4, Qt::UserRole), QVariant(5));
    }

    void menuHasNoShadow()
    {
        const Qt::WindowFlags usual = QMenu().windowFlags() & ~Qt::NoDropShadowWindowHint;
        ZMenu menu, titled(QStringLiteral("Channel"), nullptr);
        for (QMenu* m : { static_cast<QMenu*>(&menu), static_cast<QMenu*>(&titled) })
            QCOMPARE(m->windowFlags(), usual | Qt::NoDropShadowWindowHint);
    }

    void delegateDropsOnlyTheFocusFlag_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::newRow("plain item") << false;
        QTest::newRow("selected item") << true;
    }
    // A focused item looks exactly as the standard delegate paints it without the focus, selected or not.
    void delegateDropsOnlyTheFocusFlag()
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
        const auto render = [&](const QStyledItemDelegate& delegate, QStyle::State state) {
            QImage image(120, 24, QImage::Format_ARGB32);
            image.fill(Qt::black);
            QPainter painter(&image);
            QStyleOptionViewItem o = option;
            o.state = state;
            delegate.paint(&painter, o, list.model()->index(0, 0));
            return image;
        };
        const QStyledItemDelegate standard;
        render(standard, option.state);
        QVERIFY(style.focusFrames > 0); // the standard delegate does draw one
        style.focusFrames = 0;
        const QImage painted = render(NoFocusStyledItemDelegate(), option.state);
        QCOMPARE(style.focusFrames, 0);
        QCOMPARE(painted, render(standard, option.state & ~QStyle::State_HasFocus));
    }
};

QTEST_MAIN(tst_ComboBoxes)
#include "tst_comboboxes.moc"
