#include "ipaddress.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegExp>
#include <QRegExpValidator>

namespace {

// A whole dotted quad, as setIP accepts it.
const QRegExp kAddressPattern(
    QStringLiteral("((2[0-4]\\d|25[0-5]|[01]?\\d\\d?)\\.){3}(2[0-4]\\d|25[0-5]|[01]?\\d\\d?)"));
// One octet while it is typed: up to three digits worth 0 to 255.
const QRegExp kOctetPattern(QStringLiteral("(2[0-5]{2}|2[0-4][0-9]|1?[0-9]{1,2})"));

QLabel* makeDot() {
    auto* dot = new QLabel(QStringLiteral("."));
    dot->setAlignment(Qt::AlignCenter);
    return dot;
}

// An octet box's text as a decimal number ("08" -> "8"); an empty box stays empty.
QString octetText(const QLineEdit* box) {
    const QString text = box->text();
    return text.isEmpty() ? text : QString::number(text.toInt(nullptr, 10));
}

}  // namespace

IPAddress::IPAddress(QWidget* parent)
    : QWidget(parent),
      labelDot1(makeDot()),
      labelDot2(makeDot()),
      labelDot3(makeDot()),
      txtIP1(makeOctetBox(1)),
      txtIP2(makeOctetBox(2)),
      txtIP3(makeOctetBox(3)),
      txtIP4(makeOctetBox(4)) {
    auto* validator = new QRegExpValidator(kOctetPattern, this);
    for (QLineEdit* box : {txtIP1, txtIP2, txtIP3, txtIP4})
        box->setValidator(validator);

    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("frameIP"));
    frame->setStyleSheet(styleSheet());

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(frame);

    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(txtIP1);
    row->addWidget(labelDot1);
    row->addWidget(txtIP2);
    row->addWidget(labelDot2);
    row->addWidget(txtIP3);
    row->addWidget(labelDot3);
    row->addWidget(txtIP4);
}

QLineEdit* IPAddress::makeOctetBox(int number) {
    auto* box = new QLineEdit;
    box->setObjectName(QStringLiteral("txtIP%1").arg(number));
    box->setAlignment(Qt::AlignCenter);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(box, &QLineEdit::textChanged, this, &IPAddress::textChanged);
    box->installEventFilter(this);
    return box;
}

QString IPAddress::styleSheet() const {
    return QStringLiteral("QFrame#frameIP{border:1px solid %1;border-radius:%2px;}")
               .arg(borderColor)
               .arg(borderRadius) +
           QStringLiteral("QLabel{min-width:15px;background-color:%1;}").arg(bgColor) +
           QStringLiteral("QLineEdit{background-color:%1;border:none;}").arg(bgColor) +
           QStringLiteral(
               "QLineEdit#txtIP1{border-top-left-radius:%1px;border-bottom-left-radius:%1px;}")
               .arg(borderRadius) +
           QStringLiteral(
               "QLineEdit#txtIP4{border-top-right-radius:%1px;border-bottom-right-radius:%1px;}")
               .arg(borderRadius);
}

QString IPAddress::getIP() const {
    return ip;
}

void IPAddress::focusLastOctet(Qt::FocusReason reason) {
    txtIP4->setFocus(reason);
}

QSize IPAddress::sizeHint() const {
    return QSize(250, 25);
}

QSize IPAddress::minimumSizeHint() const {
    return QSize(30, 20);
}

void IPAddress::setIP(const QString& text) {
    if (!kAddressPattern.exactMatch(text) || text == ip)
        return;
    ip = text;
    const QStringList parts = text.split(QLatin1Char('.'));
    txtIP1->setText(parts.at(0));
    txtIP2->setText(parts.at(1));
    txtIP3->setText(parts.at(2));
    txtIP4->setText(parts.at(3));
}

void IPAddress::clear() {
    for (QLineEdit* box : {txtIP1, txtIP2, txtIP3, txtIP4})
        box->clear();
    txtIP1->setFocus(Qt::OtherFocusReason);
}

void IPAddress::setBgColor(const QString& color) {
    if (bgColor != color)
        bgColor = color;
}

void IPAddress::setBorderColor(const QString& color) {
    if (borderColor != color)
        borderColor = color;
}

void IPAddress::setBorderRadius(int radius) {
    if (borderRadius != radius)
        borderRadius = radius;
}

bool IPAddress::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    const bool ownBox = box == txtIP1 || box == txtIP2 || box == txtIP3 || box == txtIP4;
    if (ownBox && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QLatin1String("."))
            focusNextChild();
        // The box still gets the key afterwards, so it deletes its own last digit.
        if (key->key() == Qt::Key_Backspace && box->text().size() <= 1)
            focusNextPrevChild(false);
    }
    return QWidget::eventFilter(watched, event);
}

void IPAddress::textChanged(const QString& text) {
    const int value = text.toInt();
    if (text.size() == 3 && value >= 100 && value <= 255)
        focusNextChild();
    ip = QStringLiteral("%1.%2.%3.%4")
             .arg(octetText(txtIP1), octetText(txtIP2), octetText(txtIP3), octetText(txtIP4));
}
