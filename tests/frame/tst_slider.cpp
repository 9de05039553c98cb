// Slider: user moves are reported as differences, programmatic moves silently.

#include "frame/slider.h"

#include <QSignalSpy>
#include <QTest>

using namespace ZCORVANEBASE;

class tst_Slider : public QObject
{
    Q_OBJECT

private slots:
    void userMovesReportDeltas();
    void programmaticMovesAreSilent_data();
    void programmaticMovesAreSilent();
    void keyStepsReportEachStep();
};

void tst_Slider::userMovesReportDeltas()
{
    Slider slider;
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(0, 10);
    slider.setValue(5);
    QSignalSpy zoom(&slider, SIGNAL(signalZoomChanged(int)));
    // A drag: the handle is down and the position tracks the pointer.
    slider.setSliderDown(true);
    slider.setSliderPosition(8);
    slider.setSliderPosition(6);
    slider.setSliderDown(false);
    QCOMPARE(zoom.count(), 2);
    QCOMPARE(zoom.at(0).at(0).toInt(), 3);
    QCOMPARE(zoom.at(1).at(0).toInt(), -2);
}

void tst_Slider::programmaticMovesAreSilent_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("inside the range") << 7;
    QTest::newRow("above the range") << 50; // clamped to 10: still no report
    QTest::newRow("below the range") << -5;
}

void tst_Slider::programmaticMovesAreSilent()
{
    QFETCH(int, value);
    Slider slider;
    slider.setRange(0, 10);
    QSignalSpy zoom(&slider, SIGNAL(signalZoomChanged(int)));
    slider.setValue(value);
    QCOMPARE(zoom.count(), 0);
    // The next user step is measured from where the slider really is.
    slider.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    if (slider.value() != qBound(0, value, 10)) {
        QCOMPARE(zoom.count(), 1);
        QCOMPARE(zoom.at(0).at(0).toInt(), 1);
    }
}

void tst_Slider::keyStepsReportEachStep()
{
    Slider slider;
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(0, 10);
    slider.setPageStep(4);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    QSignalSpy zoom(&slider, SIGNAL(signalZoomChanged(int)));
    QTest::keyClick(&slider, Qt::Key_Right);
    QTest::keyClick(&slider, Qt::Key_PageUp);
    QTest::keyClick(&slider, Qt::Key_End);
    QCOMPARE(zoom.count(), 3);
    QCOMPARE(zoom.at(0).at(0).toInt(), 1);
    QCOMPARE(zoom.at(1).at(0).toInt(), 4);
    QCOMPARE(zoom.at(2).at(0).toInt(), 5);
}

QTEST_MAIN(tst_Slider)
#include "tst_slider.moc"
