#include "entry/passwordstrengthbar.h"

#include "entry/passwordlineedit.h"
#include "frame/hostaccess_p.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace ZCORVANEBASE {

namespace {
const int segmentCount = 3;
const int segmentGap = 3;
const char trackColor[] = "#26344a";
} // namespace

PasswordStrengthBar::PasswordStrengthBar(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grade();
}

PasswordStrengthBar::~PasswordStrengthBar() = default;

void PasswordStrengthBar::setPasswordLineEdit(PasswordLineEdit* edit)
{
    if (m_edit)
        disconnect(m_edit, nullptr, this, nullptr);
    m_edit = edit;
    if (!edit)
        return;
    connect(edit, &QLineEdit::textChanged, this, &PasswordStrengthBar::setPassword);
    setPassword(edit->text());
}

PasswordLineEdit* PasswordStrengthBar::passwordLineEdit() const
{
    return m_edit;
}

void PasswordStrengthBar::setPassword(const QString& pwd)
{
    m_password = pwd;
    grade();
}

void PasswordStrengthBar::setWeakPwdList(const QStringList& weakList)
{
    m_weakList = weakList;
    m_weakListKnown = true;
    grade();
}

QStringList PasswordStrengthBar::weakPwdList()
{
    if (!m_weakListKnown) {
        // Asked once: the host reads its list afresh on every call.
        if (auto* worker = hostWorker("getWeakPwdList")) {
            m_weakList = worker->getWeakPwdList();
            m_weakListKnown = true;
        }
    }
    return m_weakList;
}

PwdStrength PasswordStrengthBar::strength() const
{
    return m_details.strength;
}

QStringList PasswordStrengthBar::hints() const
{
    return m_details.hints;
}

QColor PasswordStrengthBar::gradeColor(PwdStrength strength)
{
    switch (strength) {
    case PwdTooShort:
        return QColor(QStringLiteral("#8d9bb0"));
    case PwdWeak:
        return QColor(QStringLiteral("#dc4d4d"));
    case PwdMedium:
        return QColor(QStringLiteral("#e8a33d"));
    case PwdStrong:
        return QColor(QStringLiteral("#00cf8b"));
    }
    return QColor(trackColor);
}

void PasswordStrengthBar::grade()
{
    const PwdStrength before = m_details.strength;
    // An empty text needs no list (and asks no host).
    m_details = checkPwdStrengthDetailed(m_password, m_password.isEmpty() ? QStringList() : weakPwdList());
    retranslate();
    update();
    if (m_details.strength != before)
        emit signalStrengthChanged(before, m_details.strength);
}

void PasswordStrengthBar::retranslate()
{
    QString grade;
    switch (m_details.strength) {
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
    const QString tip = (QStringList(grade) + m_details.hints).join(QLatin1Char('\n'));
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
    return QSize(160, 6);
}

QSize PasswordStrengthBar::minimumSizeHint() const
{
    return QSize(segmentCount * 4 + (segmentCount - 1) * segmentGap, 2);
}

void PasswordStrengthBar::paintEvent(QPaintEvent*)
{
    int filled = 0;
    if (!m_password.isEmpty())
        filled = m_details.strength == PwdMedium ? 2 : m_details.strength == PwdStrong ? 3 : 1;
    const QColor fill = gradeColor(m_details.strength);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal segmentWidth = qreal(width() - (segmentCount - 1) * segmentGap) / segmentCount;
    const qreal radius = height() / 2.0;
    for (int i = 0; i < segmentCount; ++i) {
        const QRectF segment(i * (segmentWidth + segmentGap), 0, segmentWidth, height());
        painter.setBrush(i < filled ? fill : QColor(trackColor));
        painter.drawRoundedRect(segment, radius, radius);
    }
}

} // namespace ZCORVANEBASE
