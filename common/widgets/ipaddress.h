// IPAddress: an editor for one IPv4 address, four octet boxes separated by dots inside one
// rounded frame. Typing moves on to the next box by itself; the address is one dotted
// string property. Tarnwick's dialogs and Velmora's network pages share it.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;

class IPAddress : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString ip READ getIP WRITE setIP)

public:
    explicit IPAddress(QWidget* parent = nullptr);

    // What the four boxes spell, also while incomplete ("192.168.." or "..."). Each box is
    // read as a decimal number, so a typed "08" gives 8.
    QString getIP() const;

    void focusLastOctet(Qt::FocusReason reason);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    // Shows a dotted quad; any other text, or the address already shown, is ignored.
    void setIP(const QString& ip);
    void clear();
    // Kept for callers that set them; the look is fixed when the widget is built.
    void setBgColor(const QString& bgColor);
    void setBorderColor(const QString& borderColor);
    void setBorderRadius(int borderRadius);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void textChanged(const QString& text);

private:
    QLineEdit* makeOctetBox(int number);
    QString styleSheet() const;

    QLabel* labelDot1;
    QLabel* labelDot2;
    QLabel* labelDot3;
    QLineEdit* txtIP1;
    QLineEdit* txtIP2;
    QLineEdit* txtIP3;
    QLineEdit* txtIP4;
    QString ip;
    QString bgColor = QStringLiteral("#FFFFFF");
    QString borderColor = QStringLiteral("#A6B5B8");
    int borderRadius = 3;
};
