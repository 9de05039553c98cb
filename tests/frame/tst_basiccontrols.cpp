// The thin controls: ZWidget's delayed click, ZLabel/ZCheckBox elision, ZLineEdit's byte limit, Slider's deltas.

#include "frame/slider.h"
#include "frame/zcheckbox.h"
#include "frame/zlabel.h"
#include "frame/zlineedit.h"
#include "frame/zwidget.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>

using namespace ZCORVANEBASE;

namespace {
// A text at least `pixels` wide in `font`.
QString textOfWidth(const QFont& font, int pixels)
{
    QString text = QStringLiteral("Cam");
    while (QFontMetrics(font).horizontalAdvance(text) < pixels)
        text += QStringLiteral("era");
    return text;
}
const QChar ellipsis(0x2026);
} // namespace

class tst_BasicControls : public QObject
{
    Q_OBJECT

private slots:
    void clickReports_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<int>("expectedReports");
        QTest::newRow("single click") << false << 1;
        QTest::newRow("double click") << true << 0;
    }

    void clickReports()
    {
        QFETCH(bool, doubleClick);
        QFETCH(int, expectedReports);
        ZWidget widget;
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QSignalSpy clicked(&widget, SIGNAL(signalWtClicked()));
        QTest::mouseClick(&widget, Qt::LeftButton);
        if (doubleClick) { // what a real double click delivers: press, release, double-click, release
            QTest::mouseDClick(&widget, Qt::LeftButton);
            QTest::mouseRelease(&widget, Qt::LeftButton);
        }
        QCOMPARE(clicked.count(), 0); // deferred by 200 ms
        QTest::qWait(350);
        QCOMPARE(clicked.count(), expectedReports);
        QTest::mouseClick(&widget, Qt::LeftButton); // idle again: the next click reports
        QVERIFY(clicked.wait(1000));
    }

    void labelWidth_data()
    {
        QTest::addColumn<int>("textWidth");
        QTest::addColumn<int>("maxWidth");
        QTest::addColumn<int>("labelOffset"); // the label starts this much wider than the text
        QTest::addColumn<int>("expectedWidth"); // -1: the text's own width
        QTest::addColumn<bool>("elided");
        QTest::newRow("max 100, fits the label") << 40 << 100 << 10 << -2 << false;
        QTest::newRow("max 100, grows to the text") << 80 << 100 << -30 << -1 << false;
        QTest::newRow("max 100, capped and elided") << 150 << 100 << -100 << 100 << true;
        QTest::newRow("no max, narrower") << 120 << -1 << 10 << -2 << false;
        QTest::newRow("no max, exactly as wide") << 120 << -1 << 0 << -2 << true; // only narrower is shown whole
        QTest::newRow("no max, wider") << 120 << -1 << -30 << -2 << true;
    }

    void labelWidth()
    {
        QFETCH(int, textWidth);
        QFETCH(int, maxWidth);
        QFETCH(int, labelOffset);
        QFETCH(int, expectedWidth);
        QFETCH(bool, elided);
        ZLabel label;
        const QString text = textOfWidth(label.font(), textWidth);
        const int own = QFontMetrics(label.font()).horizontalAdvance(text);
        label.setMaxWidth(maxWidth);
        label.resize(own + labelOffset, 20);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        label.setText(text);
        QCOMPARE(label.width(), expectedWidth == -1 ? own : expectedWidth == -2 ? own + labelOffset : expectedWidth);
        QCOMPARE(label.text(), text);
        QCOMPARE(label.toolTip(), text);
        QCOMPARE(label.QLabel::text().endsWith(ellipsis), elided);
        if (maxWidth < 0) { // widening shows the whole text again
            label.resize(own + 40, 20);
            QTRY_COMPARE(label.QLabel::text(), text);
        }
    }

    // A 125-pixel box leaves 100 pixels for the text: 80 fit, 100 do not.
    void checkBoxReservesIndicator()
    {
        for (int textWidth : { 80, 100 }) {
            ZCheckBox box;
            const QString text = textOfWidth(box.font(), textWidth);
            // The text is exactly `textWidth` against the room the box gives it.
            box.resize(125 + QFontMetrics(box.font()).horizontalAdvance(text) - textWidth, 20);
            box.setText(text);
            QCOMPARE(box.QAbstractButton::text().endsWith(ellipsis), textWidth == 100);
            QCOMPARE(box.text(), text);
        }
    }

    void lineEditByteLimit_data()
    {
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("typed: fourth CJK character") << false << QStringLiteral("中文字体") << QStringLiteral("中文字");
        QTest::newRow("typed: mixed") << false << QStringLiteral("ab中文字") << QStringLiteral("ab中文");
        QTest::newRow("pasted: 20 ASCII bytes")
            << true << QStringLiteral("01234567890123456789") << QStringLiteral("0123456789");
        QTest::newRow("pasted: 30 CJK bytes")
            << true << QStringLiteral("录像回放时间轴日期选") << QStringLiteral("录像回");
    }

    void lineEditByteLimit()
    {
        QFETCH(bool, paste);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        ZLineEdit edit;
        edit.setMaxByteLength(10);
        if (paste) {
            QGuiApplication::clipboard()->setText(input);
            edit.paste();
        } else {
            for (const QChar ch : input) { // as an input method commits it, one character at a time
                QInputMethodEvent commit;
                commit.setCommitString(ch);
                QCoreApplication::sendEvent(&edit, &commit);
            }
        }
        QCOMPARE(edit.text(), expected);
    }

    void lineEditFocusReports()
    {
        QWidget window;
        auto* edit = new ZLineEdit(&window);
        auto* other = new QLineEdit(&window);
        other->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QSignalSpy focus(edit, SIGNAL(signalFocusEvent(bool)));
        edit->setFocus();
        other->setFocus();
        QTRY_COMPARE(focus.count(), 2);
        QCOMPARE(focus.at(0).at(0).toBool(), true);
        QCOMPARE(focus.at(1).at(0).toBool(), false);
        QCOMPARE(edit->contextMenuPolicy(), Qt::CustomContextMenu);
    }

    void sliderDeltas()
    {
        Slider slider;
        slider.setRange(0, 10);
        slider.setPageStep(4);
        QSignalSpy zoom(&slider, SIGNAL(signalZoomChanged(int)));
        slider.setValue(50); // programmatic and clamped to 10: silent
        slider.setValue(5);
        QCOMPARE(zoom.count(), 0);
        slider.setSliderDown(true); // a drag to 8 and back to 6
        slider.setSliderPosition(8);
        slider.setSliderPosition(6);
        slider.setSliderDown(false);
        slider.triggerAction(QAbstractSlider::SliderPageStepAdd);
        QList<int> deltas;
        for (const QList<QVariant>& args : zoom)
            deltas << args.at(0).toInt();
        QCOMPARE(deltas, (QList<int> { 3, -2, 4 }));
    }
};

QTEST_MAIN(tst_BasicControls)
#include "tst_basiccontrols.moc"
