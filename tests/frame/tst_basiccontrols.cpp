// The thin controls: ZWidget's delayed click, ZPushButton's state images, ZLabel/ZCheckBox elision, ZLineEdit's byte
// limit and focus reports, Slider's deltas.

#include "frame/slider.h"
#include "frame/zcheckbox.h"
#include "frame/zlabel.h"
#include "frame/zlineedit.h"
#include "frame/zpushbutton.h"
#include "frame/zwidget.h"
#include "zcbtest.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace ZCORVANEBASE;

// Whether setCheckedIcons() and a disabled image were given, whether the button starts checked, the steps (events and
// the mouse from the user, "toggle", "disable" and "enable" from code), and the image after each step ("+": checked).
using ButtonRow = std::tuple<bool, bool, bool, QStringList, QStringList>;
// The width of the text, the label's maximum width, how much wider than the text the label starts, its width then
// (-1: the text's own, -2: as it started) and whether the text is elided.
using LabelRow = std::tuple<int, int, int, int, bool>;
Q_DECLARE_METATYPE(ButtonRow)
Q_DECLARE_METATYPE(LabelRow)

// A text at least `pixels` wide in `font`.
static QString textOfWidth(const QFont& font, int pixels)
{
    QString text = QStringLiteral("Cam");
    while (QFontMetrics(font).horizontalAdvance(text) < pixels)
        text += QStringLiteral("era");
    return text;
}

class tst_BasicControls : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    // ZPushButton's seven state images, each a solid blue of its own; the icon shown is named by the blue it paints.
    const QStringList images { "n", "h", "p", "d", "cn", "ch", "cp" };
    QString image(const QString& name) const { return dir.filePath(name + QStringLiteral(".png")); }

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
        QTEST(int(clicked.count()), "expectedReports");
        QTest::mouseClick(&widget, Qt::LeftButton); // idle again: the next click reports
        QVERIFY(clicked.wait(1000));
    }

    void buttonImages_data()
    {
        QTest::addColumn<ButtonRow>("row");
        // A click toggles first, then shows the hover image of the new state.
        QTest::newRow("own checked images") << ButtonRow { true, true, false,
            { "enter", "leave", "click", "leave", "enter", "toggle", "toggle", "click", "press" },
            { "h", "n", "ch+", "cn+", "ch+", "n", "cn+", "h", "p" } };
        QTest::newRow("checked, pressed") << ButtonRow { true, true, true, { "press" }, { "cp+" } };
        // Without checked images of its own the button looks the same checked and unchecked.
        QTest::newRow("no checked images") << ButtonRow { false, true, false, { "toggle", "enter" }, { "n+", "h+" } };
        // Disabling shows the disabled image and unchecks; images stay put while disabled.
        QTest::newRow("disabled") << ButtonRow { true, true, true, { "disable", "enter", "enable" },
            { "d", "d", "n" } };
        // Without a disabled image the checked state and its image stay.
        QTest::newRow("disabled, no disabled image")
            << ButtonRow { true, false, true, { "disable", "enter", "enable" }, { "cn+", "cn+", "cn+" } };
    }
    void buttonImages()
    {
        QFETCH(ButtonRow, row);
        const auto [checkedImages, disabledImage, checked, steps, expected] = row;
        for (int i = 0; i < images.size(); ++i) {
            QImage img(8, 8, QImage::Format_RGB32);
            img.fill(qRgb(0, 0, (i + 1) * 10));
            QVERIFY(img.save(image(images[i])));
        }
        ZPushButton button;
        button.setCheckable(true);
        button.setIcons(image("n"), image("h"), image("p"), disabledImage ? image("d") : QString());
        if (checkedImages)
            button.setCheckedIcons(image("cn"), image("ch"), image("cp"));
        button.setChecked(checked);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        ZcbTest::parkPointer(); // the steps send their own enter and leave events
        QStringList shown;
        for (const QString& step : steps) {
            if (step == "enter" || step == "leave")
                ZcbTest::sendEvent(&button, step == "enter" ? QEvent::Enter : QEvent::Leave);
            else if (step == "press" || step == "click")
                step == "press" ? QTest::mousePress(&button, Qt::LeftButton)
                                : QTest::mouseClick(&button, Qt::LeftButton);
            else
                step == "toggle" ? button.toggle() : button.setEnabled(step == "enable");
            const int blue = button.icon().pixmap(8, 8).toImage().pixelColor(4, 4).blue();
            shown << images.value(blue % 10 ? -1 : blue / 10 - 1, "?") + (button.isChecked() ? "+" : "");
        }
        QCOMPARE(shown, expected);
    }

    // Buttons are clicked with the mouse only.
    void buttonKeysDoNotClick()
    {
        ZPushButton button;
        button.setFocusPolicy(Qt::StrongFocus);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        button.setFocus();
        QSignalSpy clicked(&button, SIGNAL(clicked()));
        for (Qt::Key key : { Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter })
            QTest::keyClick(&button, key);
        QCOMPARE(clicked.count(), 0);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    void labelWidth_data()
    {
        QTest::addColumn<LabelRow>("row");
        QTest::newRow("max 100, fits the label") << LabelRow { 40, 100, 10, -2, false };
        QTest::newRow("max 100, grows to the text") << LabelRow { 80, 100, -30, -1, false };
        QTest::newRow("max 100, capped and elided") << LabelRow { 150, 100, -100, 100, true };
        QTest::newRow("no max, narrower") << LabelRow { 120, -1, 10, -2, false };
        QTest::newRow("no max, exactly as wide") << LabelRow { 120, -1, 0, -2, true }; // only narrower is whole
        QTest::newRow("no max, wider") << LabelRow { 120, -1, -30, -2, true };
    }
    void labelWidth()
    {
        QFETCH(LabelRow, row);
        const auto [textWidth, maxWidth, labelOffset, expectedWidth, elided] = row;
        ZLabel label;
        const QString text = textOfWidth(label.font(), textWidth);
        const int own = QFontMetrics(label.font()).horizontalAdvance(text);
        label.setMaxWidth(maxWidth);
        label.resize(own + labelOffset, 20);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        label.setText(text);
        QCOMPARE(label.width(), expectedWidth == -1 ? own : expectedWidth == -2 ? own + labelOffset : expectedWidth);
        QCOMPARE(label.text() + label.toolTip(), text + text);
        QCOMPARE(label.QLabel::text().endsWith(QChar(0x2026)), elided);
        if (maxWidth < 0) { // widening shows the whole text again
            label.resize(own + 40, 20);
            QTRY_COMPARE(label.QLabel::text(), text);
        }
        // A check box keeps 25 pixels for its indicator: in a box 125 pixels wide, 80 pixels of text fit, 100 do not.
        for (int width : { 80, 100 }) {
            ZCheckBox box;
            const QString boxText = textOfWidth(box.font(), width);
            box.resize(125 + QFontMetrics(box.font()).horizontalAdvance(boxText) - width, 20); // exactly `width`
            box.setText(boxText);
            QCOMPARE(box.QAbstractButton::text().endsWith(QChar(0x2026)), width == 100);
            QCOMPARE(box.text(), boxText);
        }
    }

    void lineEditByteLimit_data()
    {
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("typed: fourth CJK character") << false << QStringLiteral("中文字体") << QStringLiteral("中文字");
        QTest::newRow("typed: mixed") << false << QStringLiteral("ab中文字") << QStringLiteral("ab中文");
        QTest::newRow("pasted: 20 ASCII bytes") << true << "01234567890123456789" << QStringLiteral("0123456789");
        QTest::newRow("pasted: 30 CJK bytes")
            << true << QStringLiteral("录像回放时间轴日期选") << QStringLiteral("录像回");
    }
    // Also: the edit reports gaining and losing the focus.
    void lineEditByteLimit()
    {
        QFETCH(bool, paste);
        QFETCH(QString, input);
        QWidget window;
        auto* edit = new ZLineEdit(&window);
        edit->setMaxByteLength(10);
        if (paste) {
            QGuiApplication::clipboard()->setText(input);
            edit->paste();
        } else {
            for (const QChar ch : input) { // as an input method commits it, one character at a time
                QInputMethodEvent commit;
                commit.setCommitString(ch);
                QCoreApplication::sendEvent(edit, &commit);
            }
        }
        QTEST(edit->text(), "expected");
        auto* other = new QLineEdit(&window);
        other->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QSignalSpy focus(edit, SIGNAL(signalFocusEvent(bool)));
        edit->setFocus();
        other->setFocus();
        QTRY_COMPARE(focus, QList<QVariantList>({ { true }, { false } }));
    }

    void sliderDeltas()
    {
        Slider slider;
        slider.setRange(0, 10);
        slider.setPageStep(4);
        QSignalSpy zoom(&slider, SIGNAL(signalZoomChanged(int)));
        slider.setValue(50); // programmatic and clamped to 10: silent
        slider.setValue(5);
        slider.setSliderDown(true); // a drag to 8 and back to 6
        slider.setSliderPosition(8);
        slider.setSliderPosition(6);
        slider.setSliderDown(false);
        slider.triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(zoom, QList<QVariantList>({ { 3 }, { -2 }, { 4 } }));
    }
};

QTEST_MAIN(tst_BasicControls)
#include "tst_basiccontrols.moc"
