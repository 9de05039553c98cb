// ZLabel and ZCheckBox: elision to the available width, growth up to a maximum width, full text kept.

#include "frame/zcheckbox.h"
#include "frame/zlabel.h"

#include <QTest>

using namespace ZCORVANEBASE;

namespace {
// A text of at least `pixels` width in `font`, built from a repeated syllable.
QString textOfWidth(const QFont& font, int pixels)
{
    const QFontMetrics metrics(font);
    QString text = QStringLiteral("Cam");
    while (metrics.horizontalAdvance(text) < pixels)
        text += QStringLiteral("era");
    return text;
}
const QChar ellipsis(0x2026);
} // namespace

class tst_ElidingControls : public QObject
{
    Q_OBJECT

private slots:
    void labelWithMaxWidth_data();
    void labelWithMaxWidth();
    void labelWithoutMaxWidth_data();
    void labelWithoutMaxWidth();
    void checkBoxReservesIndicator_data();
    void checkBoxReservesIndicator();
};

void tst_ElidingControls::labelWithMaxWidth_data()
{
    QTest::addColumn<int>("textWidth");
    QTest::addColumn<int>("labelOffset"); // the label starts this much wider than the text
    QTest::addColumn<int>("expectedOffset"); // expected width minus the text width; 999: capped at 100
    QTest::addColumn<bool>("elided");
    QTest::newRow("fits the label") << 40 << 10 << 10 << false;
    QTest::newRow("grows to the text") << 80 << -30 << 0 << false;
    QTest::newRow("capped and elided") << 150 << -100 << 999 << true;
}

void tst_ElidingControls::labelWithMaxWidth()
{
    QFETCH(int, textWidth);
    QFETCH(int, labelOffset);
    QFETCH(int, expectedOffset);
    QFETCH(bool, elided);
    ZLabel label;
    const QString text = textOfWidth(label.font(), textWidth);
    const int ownWidth = QFontMetrics(label.font()).horizontalAdvance(text);
    QVERIFY(elided ? ownWidth > 100 : ownWidth <= 100);
    label.setMaxWidth(100);
    label.resize(ownWidth + labelOffset, 20);
    label.setText(text);
    QCOMPARE(label.width(), expectedOffset == 999 ? 100 : ownWidth + expectedOffset);
    QCOMPARE(label.text(), text);
    QCOMPARE(label.toolTip(), text);
    QCOMPARE(label.QLabel::text().endsWith(ellipsis), elided);
    QCOMPARE(label.QLabel::text() == text, !elided);
}

void tst_ElidingControls::labelWithoutMaxWidth_data()
{
    QTest::addColumn<int>("extra"); // text width minus label width
    QTest::addColumn<bool>("elided");
    QTest::newRow("narrower") << -10 << false;
    QTest::newRow("exactly as wide") << 0 << true; // only a strictly narrower text is shown whole
    QTest::newRow("wider") << 30 << true;
}

void tst_ElidingControls::labelWithoutMaxWidth()
{
    QFETCH(int, extra);
    QFETCH(bool, elided);
    ZLabel label;
    const QString text = textOfWidth(label.font(), 120);
    const int textWidth = QFontMetrics(label.font()).horizontalAdvance(text);
    label.resize(textWidth - extra, 20);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    label.setText(text);
    QCOMPARE(label.QLabel::text().endsWith(ellipsis), elided);
    QCOMPARE(label.text(), text);
    // Widening re-runs the elision.
    label.resize(textWidth + 40, 20);
    QCOMPARE(label.QLabel::text(), text);
}

void tst_ElidingControls::checkBoxReservesIndicator_data()
{
    QTest::addColumn<int>("textWidth");
    QTest::addColumn<bool>("elided");
    QTest::newRow("narrower than width - 25") << 80 << false;
    QTest::newRow("100 px in 125 px") << 100 << true;
    QTest::newRow("wider") << 140 << true;
}

void tst_ElidingControls::checkBoxReservesIndicator()
{
    QFETCH(int, textWidth);
    QFETCH(bool, elided);
    ZCheckBox box;
    const QString text = textOfWidth(box.font(), textWidth);
    const int ownWidth = QFontMetrics(box.font()).horizontalAdvance(text);
    // Size the box so the text is exactly `textWidth` against the 100-pixel room of a 125-pixel box.
    box.resize(125 + ownWidth - textWidth, 20);
    box.setText(text);
    QCOMPARE(box.QAbstractButton::text().endsWith(ellipsis), elided);
    QCOMPARE(box.text(), text);
    QCOMPARE(box.toolTip(), text);
    if (elided)
        QVERIFY(QFontMetrics(box.font()).horizontalAdvance(box.QAbstractButton::text()) <= box.width() - 25);
}

QTEST_MAIN(tst_ElidingControls)
#include "tst_elidingcontrols.moc"
