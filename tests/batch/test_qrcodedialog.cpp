// The QR code dialog on the real widgets: the device code decodes to its text, the image
// fills 400 x 400, an empty text gives no code and no saving, and Save As names its file.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include "modalhelper.h"
#include "qrcodedialog.h"
#include "qtprinters.h"

namespace {

// What zbarimg reads from image: scanners need a light margin, which the dialog's frame
// gives on screen, so the image is framed in white first.
QString decode(const QImage& image) {
    QTemporaryDir folder;
    QImage framed(image.width() + 80, image.height() + 80, QImage::Format_RGB32);
    framed.fill(Qt::white);
    QPainter(&framed).drawImage(40, 40, image);
    const QString path = folder.filePath("code.png");
    framed.save(path, "PNG");
    QProcess zbar;
    zbar.start("zbarimg", {"--quiet", "--raw", path});
    if (!zbar.waitForFinished(10000))
        return QString();
    return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
}

QPixmap shownCode(QrcodeDialog& dialog) {
    return dialog.findChild<QLabel*>("qrLabel")->pixmap(Qt::ReturnByValue);
}

// Chooses name in the next file dialog (or cancels it when name is empty).
std::shared_ptr<ModalAnswer> chooseFile(const QString& name) {
    return answerNextModal<QFileDialog>([name](QFileDialog* dialog) {
        if (name.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed, as a user does: selectFile() leaves a focused name field alone.
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
}

}  // namespace

TEST(QrcodeDialogTest, DeviceCodeDecodesToTheText) {
    const struct {
        const char* text;
        int modulePixels;  // 0: fractional
    } cases[] = {
        {"001A2B3C4D5E", 16},  // a MAC without colons fits version 2: 25 x 25 modules
        {"a text much longer than version two holds at level Q in eight-bit mode", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QrcodeDialog dialog(c.text);
        const QImage image = shownCode(dialog).toImage();
        ASSERT_EQ(image.size(), QSize(400, 400));
        EXPECT_EQ(decode(image), c.text);
        // No quiet zone: the corner finder pattern reaches the image's corner.
        EXPECT_EQ(image.pixelColor(0, 0), Qt::black);
        if (c.modulePixels != 0) {
            EXPECT_EQ(image.pixelColor(6 * c.modulePixels - 1, 0), Qt::black);
            EXPECT_EQ(image.pixelColor(7 * c.modulePixels, 0), Qt::white);
        }
    }
}

TEST(QrcodeDialogTest, ShowsTheAppCodeAndTexts) {
    QrcodeDialog dialog("001A2B3C4D5E");
    EXPECT_EQ(dialog.windowTitle(), "QR Code");
    const QPixmap app = dialog.findChild<QLabel*>("qrLabel_2")->pixmap(Qt::ReturnByValue);
    EXPECT_EQ(app.size(), QSize(400, 400));
    EXPECT_FALSE(decode(app.toImage()).isEmpty());
    EXPECT_EQ(dialog.findChild<QLabel*>("label_2")->text(), "Device QR code");
}

TEST(QrcodeDialogTest, EmptyTextGivesNoCodeAndNoSaving) {
    QrcodeDialog dialog("");
    EXPECT_TRUE(shownCode(dialog).isNull());
    EXPECT_FALSE(dialog.findChild<QPushButton*>("qrcodeSaveAsPushButton")->isEnabled());
    EXPECT_TRUE(QrcodeDialog::makeQRCode("").isNull());
}

TEST(QrcodeDialogTest, SaveAsFollowsThePngNamingRule) {
    QTemporaryDir folder;
    const struct {
        const char* chosen;
        const char* written;  // "" when nothing is written
    } cases[] = {
        {"plain", "plain.png"},
        {"upper.PNG", "upper.PNG"},
        {"mixed.Png", "mixed.Png"},
        {"other.jpg", "other.jpg.png"},
        {"", ""},  // cancelled
    };
    QrcodeDialog dialog("001A2B3C4D5E");
    dialog.show();
    auto* saveAs = dialog.findChild<QPushButton*>("qrcodeSaveAsPushButton");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        const QStringList before = QDir(folder.path()).entryList(QDir::Files);
        const QString chosen = *c.chosen ? folder.filePath(c.chosen) : QString();
        auto answer = chooseFile(chosen);
        saveAs->click();
        ASSERT_TRUE(answer->answered);
        const QStringList after = QDir(folder.path()).entryList(QDir::Files);
        if (*c.written == 0) {
            EXPECT_EQ(after, before);
            continue;
        }
        ASSERT_TRUE(QFile::exists(folder.filePath(c.written)));
        EXPECT_EQ(after.size(), before.size() + 1);
        QImage saved(folder.filePath(c.written), "PNG");
        EXPECT_EQ(decode(saved), "001A2B3C4D5E");
    }
}
