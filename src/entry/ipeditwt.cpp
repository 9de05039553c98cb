#include "entry/ipeditwt.h"

#include "ui_ipeditwt.h"

#include <QInputMethodEvent>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>

namespace ZCORVANEBASE {

namespace {
// The part of one field in text(): empty stays empty, anything else is read as a decimal number.
QString fieldPart(const QLineEdit* edit)
{
    const QString text = edit->text();
    return text.isEmpty() ? QString() : QString::number(text.toInt(nullptr, 10));
}

// The input method of a Chinese keyboard layout commits the ideographic full stop for the period key.
const QChar ideographicFullStop(0x3002);
} // namespace

class IpEditWt::Private
{
public:
    const std::unique_ptr<Ui::IpEditWt> ui = std::make_unique<Ui::IpEditWt>();
    QList<QLineEdit*> lineEdits; // lineEdit1..lineEdit4: every read and every focus move goes through this list
};

IpEditWt::IpEditWt(QWidget* parent)
    : QWidget(parent)
    , d(new Private)
{
    init();
}

IpEditWt::~IpEditWt() = default;

void IpEditWt::init()
{
    d->ui->setupUi(this);

    // The style sheet selects the frame, the fields and the dots by these properties.
    d->ui->label->setProperty("wtIpEditLab", true);
    d->ui->label_1->setProperty("wtIpEditLab", true);
    d->ui->label_2->setProperty("wtIpEditLab", true);
    d->ui->lineEdit1->setProperty("wtIpEditEdit", true);
    d->ui->lineEdit2->setProperty("wtIpEditEdit", true);
    d->ui->lineEdit3->setProperty("wtIpEditEdit", true);
    d->ui->lineEdit4->setProperty("wtIpEditEdit", true);
    d->ui->wtIpEdit->setProperty("wtIpEdit", true);

    d->lineEdits << d->ui->lineEdit1 << d->ui->lineEdit2 << d->ui->lineEdit3 << d->ui->lineEdit4;

    connectSignalsWithSlots();

    for (QLineEdit* edit : qAsConst(d->lineEdits)) {
        edit->installEventFilter(this);
        // The validator lets 256..999 and a lone sign through as intermediate input; onTextEdited() cuts them back.
        edit->setValidator(new QIntValidator(0, 255, this));
    }

    installEventFilter(this);
    setFocusProxy(d->lineEdits.first());
    retranslate();
}

void IpEditWt::retranslate()
{
    // The form's texts (the dots, the title); the fields' texts are the user's and stay.
    d->ui->retranslateUi(this);
    setAccessibleName(tr("IP address"));
    for (int i = 0; i < d->lineEdits.size(); ++i)
        d->lineEdits.at(i)->setAccessibleName(tr("IP address, field %1 of %2").arg(i + 1).arg(d->lineEdits.size()));
}

void IpEditWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void IpEditWt::connectSignalsWithSlots()
{
    for (QLineEdit* edit : qAsConst(d->lineEdits))
        connect(edit, &QLineEdit::textEdited, this, &IpEditWt::onTextEdited);
}

QString IpEditWt::text()
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(fieldPart(d->lineEdits.at(0)), fieldPart(d->lineEdits.at(1)), fieldPart(d->lineEdits.at(2)),
            fieldPart(d->lineEdits.at(3)));
}

void IpEditWt::setText(const QString& text)
{
    QString address = text;
    if (address.toLower() == QLatin1String("localhost"))
        address = QStringLiteral("127.0.0.1");

    const QStringList parts = address.split(QLatin1Char('.'), Qt::KeepEmptyParts, Qt::CaseSensitive);
    for (int i = 0; i < d->lineEdits.size() && i < parts.size(); ++i)
        d->lineEdits.at(i)->setText(parts.at(i));
}

bool IpEditWt::isValid()
{
    for (const QLineEdit* edit : qAsConst(d->lineEdits)) {
        if (edit->text().isEmpty())
            return false;
    }
    return true;
}

unsigned int IpEditWt::toIPv4Address()
{
    // Unsigned all the way: a negative or oversized field set through setText() wraps instead of invoking
    // undefined shifts.
    quint32 address = 0;
    for (const QLineEdit* edit : qAsConst(d->lineEdits))
        address = (address << 8) + static_cast<quint32>(edit->text().toInt(nullptr, 10));
    return address;
}

void IpEditWt::setFocus()
{
    d->lineEdits.first()->setFocus();
}

void IpEditWt::onTextEdited(const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(sender());
    if (!edit)
        return;

    if (text == QLatin1String("+"))
        edit->clear();

    // The validator accepts these as intermediate input; taking the last character back keeps the field at 255 or
    // below while the user types.
    if (text.endsWith(QLatin1Char('+')) || text.toInt(nullptr, 10) >= 256) {
        edit->setText(text.left(text.size() - 1));
        return;
    }

    emit textEdited(this->text());
}

void IpEditWt::focusField(int index, bool selectAll)
{
    QLineEdit* edit = d->lineEdits.at(index);
    edit->setFocus();
    if (selectAll)
        edit->selectAll();
}

bool IpEditWt::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const int index = edit ? d->lineEdits.indexOf(edit) : -1;
    if (index < 0)
        return QWidget::eventFilter(watched, event);

    const int last = d->lineEdits.size() - 1;
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        bool forward = false;
        bool back = false;
        if (key == Qt::Key_Period)
            forward = index < last;
        else if (key == Qt::Key_Right)
            forward = index < last && edit->cursorPosition() == edit->text().length();
        else if (key == Qt::Key_Backspace || key == Qt::Key_Left)
            back = index > 0 && edit->cursorPosition() == 0;

        if (forward || back) {
            forward ? focusField(index + 1, true) : focusField(index - 1, false);
            event->accept();
            return true;
        }
    } else if (event->type() == QEvent::InputMethod) {
        const auto* imEvent = static_cast<QInputMethodEvent*>(event);
        const QString commit = imEvent->commitString();
        const bool dot = commit == QString(ideographicFullStop) || commit == QLatin1String(".");
        if (dot && index < last && edit->cursorPosition() != 0) {
            focusField(index + 1, true);
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ZCORVANEBASE
