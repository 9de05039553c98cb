#include "entry/passwordstrengthbar.h"

#include "entry/passwordlineedit.h"
#include "frame/constants.h"
#include "frame/hostaccess_p.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace ZCORVANEBASE {

namespace {
constexpr int segmentCount = 3;
constexpr int segmentGap = 3;
constexpr int minimumSegmentWidth = 4;
constexpr int minimumBarHeight = 2;
constexpr QSize preferredSize(160, 6);
// The empty track and the grades, chosen to read on the library's dark backgrounds: grey while too short (not a
// grade yet, only "keep typing"), then red, amber and green.
const char* const trackColor = "#26344a";
const char* const tooShortColor = "#8d9bb0";
const char* const mediumColor = "#e8a33d";
} // namespace

class PasswordStrengthBar::Private
{
public:
    QPointer<PasswordLineEdit> edit; // forgotten when the field is destroyed
    QString password;
    QStringList weakList;
    bool weakListKnown = false; // set once the host's list was asked for, or a list was given
    PwdStrengthDetails details;
};

PasswordStrengthBar::PasswordStrengthBar(QWidget* parent)
    : QWidget(parent)
    , d(new Private)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grade();
}

PasswordStrengthBar::~PasswordStrengthBar() = default;

void PasswordStrengthBar::setPasswordLineEdit(PasswordLineEdit* edit)
{
    if (d->edit)
        disconnect(d->edit, nullptr, this, nullptr);
    d->edit = edit;
    if (!edit)
        return;
    connect(edit, &QLineEdit::textChanged, this, &PasswordStrengthBar::setPassword);
    setPassword(edit->text());
}

PasswordLineEdit* PasswordStrengthBar::passwordLineEdit() const
{
    return d->edit;
}

void PasswordStrengthBar::setPassword(const QString& pwd)
{
    d->password = pwd;
    grade();
}

void PasswordStrengthBar::setWeakPwdList(const QStringList& weakList)
{
    d->weakList = weakList;
    d->weakListKnown = true;
    grade();
}

QStringList PasswordStrengthBar::weakPwdList()
{
    if (!d->weakListKnown) {
        // Asked once: the host reads its list afresh on every call.
        if (auto* worker = hostWorker("getWeakPwdList")) {
            d->weakList = worker->getWeakPwdList();
            d->weakListKnown = true;
        }
    }
    return d->weakList;
}

PwdStrength PasswordStrengthBar::strength() const
{
    return d->details.strength;
}

QStringList PasswordStrengthBar::hints() const
{
    return d->details.hints;
}

QColor PasswordStrengthBar::gradeColor(PwdStrength strength)
{
    switch (strength) {
    case PwdTooShort:
        return QColor(QLatin1String(tooShortColor));
    case PwdWeak:
        return QColor(colorAlarm);
    case PwdMedium:
        return QColor(QLatin1String(mediumColor));
    case PwdStrong:
        return QColor(colorRecording);
    }
    return QColor(QLatin1String(trackColor));
}

void PasswordStrengthBar::grade()
{
    const PwdStrength before = d->details.strength;
    // An empty text needs no list (and asks no host).
    d->details = checkPwdStrengthDetailed(d->password, d->password.isEmpty() ? QStringList() : weakPwdList());
    retranslate();
    update();
    if (d->details.strength != before)
        emit signalStrengthChanged(before, d->details.strength);
}

void PasswordStrengthBar::retranslate()
{
    QString grade;
    switch (d->details.strength) {
    case PwdTooShort:
        grade = tr("Password strength: too short");
        break;
    case PwdWeak:
        grade = tr("Password strength: weak");
        break;
    case PwdMedium:
        grade = tr("Password strength: medium");
        break;
    case PwdStrong:
        grade = tr("Password strength: strong");
        break;
    }
    const QString tip = (QStringList(grade) + d->details.hints).join(QLatin1Char('\n'));
    setToolTip(tip);
    setAccessibleName(tr("Password strength"));
    setAccessibleDescription(tip);
}

void PasswordStrengthBar::changeEvent(QEvent* event)
{
    // The hints are translated when they are made: make them again.
    if (event->type() == QEvent::LanguageChange)
        grade();
    QWidget::changeEvent(event);
}

QSize PasswordStrengthBar::sizeHint() const
{
    return preferredSize;
}

QSize PasswordStrengthBar::minimumSizeHint() const
{
    return QSize(segmentCount * minimumSegmentWidth + (segmentCount - 1) * segmentGap, minimumBarHeight);
}

void PasswordStrengthBar::paintEvent(QPaintEvent*)
{
    int filled = 0;
    if (!d->password.isEmpty())
        filled = d->details.strength == PwdMedium ? 2 : d->details.strength == PwdStrong ? 3 : 1;
    const QColor fill = gradeColor(d->details.strength);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal segmentWidth = qreal(width() - (segmentCount - 1) * segmentGap) / segmentCount;
    const qreal radius = height() / 2.0;
    for (int i = 0; i < segmentCount; ++i) {
        const QRectF segment(i * (segmentWidth + segmentGap), 0, segmentWidth, height());
        painter.setBrush(i < filled ? fill : QColor(QLatin1String(trackColor)));
        painter.drawRoundedRect(segment, radius, radius);
    }
}

} // namespace ZCORVANEBASE
