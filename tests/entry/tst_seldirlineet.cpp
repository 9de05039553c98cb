#include "entry/seldirlineet.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using ZCORVANEBASE::SelDirLineEt;

namespace {
QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

// "n" or "h" for the folder image the action shows, "other" for neither.
QString folderImage(const QAction* action)
{
    const QImage shown = iconImage(action->icon());
    for (const QString& suffix : { QStringLiteral("n"), QStringLiteral("h") }) {
        if (shown == iconImage(QIcon(QStringLiteral(":/images/images/folder_%1.png").arg(suffix))))
            return suffix;
    }
    return QStringLiteral("other");
}
} // namespace

// A directory field in an active window together with another field, so that focus can come and go.
class DirWindow : public QWidget
{
public:
    DirWindow()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(other = new QLineEdit(this));
        layout->addWidget(edit = new SelDirLineEt(this));
        resize(300, 80);
        show();
        QApplication::setActiveWindow(this);
        active = QTest::qWaitForWindowActive(this);
        other->setFocus();
    }
    QAction* folder() const { return edit->actions().value(0); }
    QPoint onText() const { return QPoint(5, edit->height() / 2); }
    QLineEdit* other;
    SelDirLineEt* edit;
    bool active;
};

class tst_SelDirLineEt : public QObject
{
    Q_OBJECT

private slots:
    void clickOnFolderIcon();
    void releaseOnText_data();
    void releaseOnText();
    void toolTipFollowsSetText();
    void iconFollowsPointerAndFocus_data();
    void iconFollowsPointerAndFocus();
};

void tst_SelDirLineEt::clickOnFolderIcon()
{
    DirWindow window;
    QVERIFY(window.active);
    QSignalSpy clicked(window.edit, SIGNAL(signalClicked()));
    QTest::mouseClick(window.edit->findChild<QToolButton*>(), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

void tst_SelDirLineEt::releaseOnText_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
}

void tst_SelDirLineEt::releaseOnText()
{
    QFETCH(int, button);
    DirWindow window;
    QVERIFY(window.active);
    QSignalSpy clicked(window.edit, SIGNAL(signalClicked()));
    QTest::mousePress(window.edit, Qt::MouseButton(button), {}, window.onText());
    QCOMPARE(clicked.count(), 0); // the release reports, not the press
    QTest::mouseRelease(window.edit, Qt::MouseButton(button), {}, window.onText());
    QCOMPARE(clicked.count(), 1);
    QVERIFY(window.edit->hasFocus()); // the field still handles the click
}

void tst_SelDirLineEt::toolTipFollowsSetText()
{
    SelDirLineEt edit;
    const QString path = QStringLiteral("/home/operator/Videos/exports/2026/December/site-42/north-gate/camera-07");
    edit.setText(path);
    QCOMPARE(edit.text(), path);
    QCOMPARE(edit.toolTip(), path);
    QTest::keyClicks(&edit, QStringLiteral("/x"));
    QCOMPARE(edit.text(), path + QStringLiteral("/x"));
    QCOMPARE(edit.toolTip(), path); // typing leaves the tool tip
}

void tst_SelDirLineEt::iconFollowsPointerAndFocus_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("images"); // after each step

    QTest::newRow("hover unfocused") << "enter leave"
                                     << "hn";
    QTest::newRow("focused leave keeps highlight") << "enter click leave blur"
                                                   << "hhhn";
    QTest::newRow("focus out while hovered") << "focus enter blur"
                                             << "nhn";
}

void tst_SelDirLineEt::iconFollowsPointerAndFocus()
{
    QFETCH(QString, steps);
    QFETCH(QString, images);
    const QStringList stepList = steps.split(QLatin1Char(' '));

    DirWindow window;
    QVERIFY(window.active);
    QCOMPARE(folderImage(window.folder()), QStringLiteral("n"));
    for (int i = 0; i < stepList.size(); ++i) {
        const QString& step = stepList.at(i);
        if (step == QLatin1String("enter") || step == QLatin1String("leave")) {
            QEvent event(step == QLatin1String("enter") ? QEvent::Enter : QEvent::Leave);
            QApplication::sendEvent(window.edit, &event);
        } else if (step == QLatin1String("click")) {
            QTest::mouseClick(window.edit, Qt::LeftButton, {}, window.onText());
        } else {
            (step == QLatin1String("focus") ? static_cast<QWidget*>(window.edit) : window.other)->setFocus();
        }
        QVERIFY2(
            folderImage(window.folder()) == images.at(i), qPrintable(QStringLiteral("step %1 (%2)").arg(i).arg(step)));
    }
}

QTEST_MAIN(tst_SelDirLineEt)
#include "tst_seldirlineet.moc"
