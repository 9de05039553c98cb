// Lists and menus: ZComboBox, ComboBox, the focus-frame-free delegate, ZMenu and its CustomAction entries (size,
// colours on hover, leave and release, the flag image).

#include "frame/combobox.h"
#include "frame/customaction.h"
#include "frame/zcombobox.h"
#include "frame/zmenu.h"
#include "frame/zwidget.h"
#include "tables/nofocusstyleditemdelegate.h"

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
        QFETCH(QColor, background);
        QFETCH(QString, textColour);
        QFETCH(QColor, iconColour);
        QWidget owner;
        CustomAction action(&owner, QStringLiteral("Snapshot"), icon(1), icon(2), QString());
        QWidget* entry = action.defaultWidget();
        QVERIFY(qobject_cast<ZWidget*>(entry)); // clicks are reported late, so a double click can cancel them
        entry->show();
        QVERIFY(QTest::qWaitForWindowExposed(entry));
        QCOMPARE(entry->height(), 24);
        QVERIFY(entry->width() >= 134);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(entry, &enter); // start hovered
        if (event == QLatin1String("leave")) {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(entry, &leave);
        } else if (event == QLatin1String("release")) {
            QTest::mouseClick(entry, Qt::LeftButton, {}, QPoint(100, 12));
        }
        const QImage pixels = entry->grab().toImage();
        QCOMPARE(pixels.pixelColor(133, 1), background);
        // The icon sits 10 pixels from the left, vertically centred.
        QCOMPARE(pixels.pixelColor(18, 12), iconColour);
        auto* text = entry->findChildren<QLabel*>().last();
        QVERIFY(text->styleSheet().contains(QStringLiteral("color:") + textColour));
        QVERIFY(text->styleSheet().contains(QLatin1String("font-size:13px")));
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
        QWidget* entry = action.defaultWidget();
        entry->resize(entryWidth, 24);
        const QImage pixels = entry->grab().toImage();
        const QRect expected(topLeft, flagSize);
        QCOMPARE(pixels.pixelColor(expected.topLeft()), QColor(Qt::red));
        QCOMPARE(pixels.pixelColor(expected.bottomRight()), QColor(Qt::red));
        QVERIFY(pixels.pixelColor(expected.topLeft() - QPoint(1, 0)) != QColor(Qt::red));
        QVERIFY(pixels.pixelColor(expected.bottomRight() + QPoint(1, 0)) != QColor(Qt::red));
        QVERIFY(pixels.pixelColor(expected.topLeft() - QPoint(0, 1)) != QColor(Qt::red));
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
        const QList<QLabel*> labels = entry->findChildren<QLabel*>();
        const QLabel* textLabel = *std::find_if(
            labels.cbegin(), labels.cend(), [](const QLabel* label) { return !label->text().isEmpty(); });
        const int flagLeft = entry->width() - flag.width() - 10;
        QVERIFY2(textLabel->geometry().right() < flagLeft,
            qPrintable(QStringLiteral("text to %1, flag from %2").arg(textLabel->geometry().right()).arg(flagLeft)));
        QVERIFY(textLabel->width() >= textLabel->sizeHint().width()); // the whole text, not cut
    }

    // Under a host style sheet that makes the popup's rows 28 pixels high, the rows lie 28 pixels apart (they once
    // kept the spacing of the plain rows and overlapped).
    void popupRowsDoNotOverlap_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("ZComboBox") << false;
        QTest::newRow("ComboBox") << true;
    }

    void popupRowsDoNotOverlap()
    {
        QFETCH(bool, dark);
        const QString previousSheet = qApp->styleSheet();
        // A font rule for every widget, as hosts write: it reaches the list only when the popup is first polished.
        qApp->setStyleSheet(QStringLiteral("QWidget { font-size: 13px; } QListWidget::item { height: 28px; }"));
        QScopedPointer<QComboBox> box(dark ? static_cast<QComboBox*>(new ComboBox) : new ZComboBox);
        box->addItems(
            { QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma"), QStringLiteral("Delta") });
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.data()));
        box->showPopup();
        QAbstractItemView* view = box->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        QCOMPARE(view->visualRect(box->model()->index(1, 0)), QRect(0, 28, view->viewport()->width(), 28));
        QVERIFY(view->viewport()->height() >= 4 * 28);
        box->hidePopup();
        qApp->setStyleSheet(previousSheet);
    }

    void listIsModelAndView()
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

    void setItemsData_data()
    {
        QTest::addColumn<int>("values");
        QTest::addColumn<int>("expectedWithData");
        QTest::newRow("3 values on 5 items") << 3 << 3;
        QTest::newRow("7 values on 5 items") << 7 << 5;
        QTest::newRow("none") << 0 << 0;
    }

    void setItemsData()
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

    void menuHasNoShadow()
    {
        QMenu reference;
        ZMenu menu;
        ZMenu titled(QStringLiteral("Channel"), nullptr);
        QCOMPARE(titled.title(), QStringLiteral("Channel"));
        for (QMenu* m : { static_cast<QMenu*>(&menu), static_cast<QMenu*>(&titled) }) {
            QVERIFY(m->windowFlags() & Qt::NoDropShadowWindowHint);
            QCOMPARE(
                m->windowFlags() & ~Qt::NoDropShadowWindowHint, reference.windowFlags() & ~Qt::NoDropShadowWindowHint);
        }
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

private:
    QString icon(int n) const { return dir.filePath(QStringLiteral("icon%1.png").arg(n)); }
    QTemporaryDir dir;
};

QTEST_MAIN(tst_ComboBoxes)
#include "tst_comboboxes.moc"
