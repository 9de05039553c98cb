#include "dialogs/zmessagebox.h"
#include "dialogtestutil.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace ZCORVANEBASE;
using DialogTest::whenModal;

namespace {

const char* const buttonNames[] = { "firstbutton", "secondbutton", "thirdbutton" };

struct Seen
{
    QStringList captions; // visible buttons, left to right
    QList<int> values; // their "msgBoxButton"
    QString title;
    QSize size;
    QImage icon;
    bool closeVisible = false;
};

// Records the next box, then answers it: `how` is "click" (at `position`), "escape", "close button" or "quit".
void answer(Seen* seen, const QString& how, int position = 0)
{
    whenModal([seen, how, position](QWidget* box) {
        for (const char* name : buttonNames) {
            auto* button = box->findChild<QPushButton*>(QLatin1String(name));
            if (button->isVisible()) {
                seen->captions << button->text();
                seen->values << button->property("msgBoxButton").toInt();
            }
        }
        seen->title = box->windowTitle();
        seen->size = box->size();
        seen->icon = box->findChild<QLabel*>(QStringLiteral("iconlabel"))->pixmap(Qt::ReturnByValue).toImage();
        auto* closeBt = box->findChild<QWidget*>(QStringLiteral("closeBt"));
        seen->closeVisible = closeBt->isVisible();
        if (how == QLatin1String("click"))
            QTest::mouseClick(box->findChild<QPushButton*>(QLatin1String(buttonNames[position])), Qt::LeftButton);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else if (how == QLatin1String("close button"))
            QTest::mouseClick(closeBt, Qt::LeftButton);
        else
            emit CorvaneBaseInit::_instance().worker->signalQuitSystem();
    });
}

} // namespace

class tst_ZMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DialogTest::RecordingWorker::install(); }
    void roleVariants_data();
    void roleVariants();
    void closedWithoutButtonReturnsZero_data();
    void closedWithoutButtonReturnsZero();
    void textVariants_data();
    void textVariants();
    void enterPressesFocusedButton_data();
    void enterPressesFocusedButton();
};

void tst_ZMessageBox::roleVariants_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("clickAt");
    QTest::addColumn<QString>("title");
    QTest::newRow("question yes no") << "question" << int(MsgBoxYes | MsgBoxNo) << QStringList { "Yes", "No" }
                                     << QList<int> { 0x80, 0x40 } << 1 << "Information";
    QTest::newRow("warning yes no cancel")
        << "warning" << int(MsgBoxYes | MsgBoxNo | MsgBoxCancel) << QStringList { "Yes", "Cancel", "No" }
        << QList<int> { 0x80, 0x02, 0x40 } << 2 << "Warning";
    QTest::newRow("information four, no dropped")
        << "information" << int(MsgBoxOk | MsgBoxCancel | MsgBoxYes | MsgBoxNo) << QStringList { "Ok", "Yes", "Cancel" }
        << QList<int> { 0x01, 0x80, 0x02 } << 1 << "Information";
    QTest::newRow("critical open save help close, unknown bits")
        << "critical" << int(MsgBoxOpen | MsgBoxSave | MsgBoxHelp | MsgBoxClose | 0x4100)
        << QStringList { "Open", "Save", "Help" } << QList<int> { 0x04, 0x08, 0x10 } << 0 << "Error";
}

void tst_ZMessageBox::roleVariants()
{
    QFETCH(QString, function);
    QFETCH(int, flags);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, values);
    QFETCH(int, clickAt);
    QFETCH(QString, title);

    Seen seen;
    answer(&seen, QStringLiteral("click"), clickAt);
    const auto run = function == QLatin1String("question") ? &ZMessageBox::question
        : function == QLatin1String("warning")             ? &ZMessageBox::warning
        : function == QLatin1String("information")         ? &ZMessageBox::information
                                                           : &ZMessageBox::critical;
    QCOMPARE(int(run(nullptr, QStringLiteral("text"), short(flags), false)), values.at(clickAt));
    QCOMPARE(seen.captions, captions); // translated keys, in the fixed order
    QCOMPARE(seen.values, values);
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.size, QSize(342, 200));
    const QString icon = function == QLatin1String("critical") ? QStringLiteral("error") : function;
    QCOMPARE(seen.icon.convertToFormat(QImage::Format_ARGB32),
        QImage(QStringLiteral(":/images/images/ico_%1.png").arg(icon)).convertToFormat(QImage::Format_ARGB32));
}

void tst_ZMessageBox::closedWithoutButtonReturnsZero_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("hideCloseButton");
    QTest::newRow("escape") << QStringLiteral("escape") << false;
    QTest::newRow("escape, no close button") << QStringLiteral("escape") << true;
    QTest::newRow("close button") << QStringLiteral("close button") << false;
    QTest::newRow("system quit") << QStringLiteral("quit") << false;
}

void tst_ZMessageBox::closedWithoutButtonReturnsZero()
{
    QFETCH(QString, how);
    QFETCH(bool, hideCloseButton);
    Seen seen;
    answer(&seen, how);
    QCOMPARE(int(ZMessageBox::warning(nullptr, QStringLiteral("text"), MsgBoxYes | MsgBoxNo, hideCloseButton)), 0);
    QCOMPARE(seen.closeVisible, !hideCloseButton);
    Seen seenEx;
    answer(&seenEx, how);
    QCOMPARE(ZMessageBox::criticalEx(nullptr, QStringLiteral("t"), QStringLiteral("text"), { "A", "B" }), 0);
}

void tst_ZMessageBox::textVariants_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("clickAt");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QSize>("size");
    QTest::newRow("two, second") << QStringList { "Retry", "Skip" } << 1 << QStringList { "Retry", "Skip" }
                                 << QSize(320, 160);
    QTest::newRow("three, third") << QStringList { "A", "B", "C" } << 2 << QStringList { "A", "B", "C" }
                                  << QSize(380, 190);
    QTest::newRow("four, fourth dropped")
        << QStringList { "A", "B", "C", "D" } << 1 << QStringList { "A", "B", "C" } << QSize(380, 190);
    QTest::newRow("none") << QStringList {} << -1 << QStringList {} << QSize(320, 160);
}

void tst_ZMessageBox::textVariants()
{
    QFETCH(QStringList, texts);
    QFETCH(int, clickAt);
    QFETCH(QStringList, captions);
    QFETCH(QSize, size);
    Seen seen;
    answer(&seen, clickAt < 0 ? QStringLiteral("escape") : QStringLiteral("click"), clickAt);
    QCOMPARE(
        ZMessageBox::warningEx(nullptr, QStringLiteral("Export"), QStringLiteral("text"), texts), qMax(clickAt, 0));
    QCOMPARE(seen.captions, captions);
    QCOMPARE(seen.size, size);
    QCOMPARE(seen.title, QStringLiteral("Export")); // shown as passed
    QCOMPARE(seen.values, (QList<int> { 0, 1, 2 }).mid(0, captions.size()));
}

void tst_ZMessageBox::enterPressesFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("focusAt");
    QTest::addColumn<int>("expected");
    QTest::newRow("return on second") << int(Qt::Key_Return) << 1 << 0x02;
    QTest::newRow("enter on third") << int(Qt::Key_Enter) << 2 << 0x40;
}

void tst_ZMessageBox::enterPressesFocusedButton()
{
    QFETCH(int, key);
    QFETCH(int, focusAt);
    QFETCH(int, expected);
    whenModal([key, focusAt](QWidget* box) {
        QApplication::setActiveWindow(box);
        box->findChild<QPushButton*>(QLatin1String(buttonNames[focusAt]))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key(key)); // to the box itself, as when no child takes the key
    });
    QCOMPARE(int(ZMessageBox::question(nullptr, QStringLiteral("text"), MsgBoxYes | MsgBoxNo | MsgBoxCancel, false)),
        expected);
}

QTEST_MAIN(tst_ZMessageBox)
#include "tst_zmessagebox.moc"
