// QrcodeDialog: the companion app's download code beside a code made from one device's
// text (its MAC without colons), which the user can save as a PNG file.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <memory>

namespace Ui {
class QrcodeDialog;
}

class QrcodeDialog : public QDialog {
    Q_OBJECT
public:
    explicit QrcodeDialog(const QString& text, QWidget* parent = nullptr);
    ~QrcodeDialog() override;

    // The code of text drawn edge to edge on 400 x 400 pixels; a null pixmap when the
    // encoder makes no symbol (an empty text, for one).
    static QPixmap makeQRCode(const QString& text);

    // The name a chosen file is saved under: ".png" is appended unless it ends so already
    // (in any case).
    static QString pngFileName(const QString& chosen);

protected slots:
    void save();

private:
    std::unique_ptr<Ui::QrcodeDialog> ui;
    QString text;
    QPixmap pixmap;
};
