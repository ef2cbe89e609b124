// The operation and firmware panels on their own: what they hold at start, the OSD box
// that switches its two fields, and the file pickers.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include "firmwareupgradeform.h"
#include "modalhelper.h"
#include "operationform.h"
#include "qtprinters.h"

TEST(OperationFormTest, OnlyRefreshStartsEnabled) {
    OperationForm form;
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_EQ(button->isEnabled(), button->objectName() == "searchPushButton");
    }
    auto* formats = form.findChild<QComboBox*>("dateAndTimeFormatComboBox");
    ASSERT_EQ(formats->count(), 6);
    EXPECT_EQ(formats->itemText(0), "YYYY-MM-DD (1990-10-15)");
    EXPECT_EQ(formats->itemText(5), "DD/MM/YYYY (15/10/1990)");
    EXPECT_EQ(form.findChild<QPushButton*>("setOSDPushButton")->text(), "Clear");
}

TEST(OperationFormTest, EnableOsdSwitchesFormatAndTitleButKeepsThem) {
    OperationForm form;
    auto* enable = form.findChild<QAbstractButton*>("enableOSDCheckBox");
    auto* formats = form.findChild<QComboBox*>("dateAndTimeFormatComboBox");
    auto* title = form.findChild<QLineEdit*>("titleLineEdit");
    enable->setEnabled(true);
    enable->click();
    EXPECT_TRUE(formats->isEnabled());
    EXPECT_TRUE(title->isEnabled());
    formats->setCurrentIndex(3);
    title->setText("Gate 2");
    enable->click();
    EXPECT_FALSE(formats->isEnabled());
    EXPECT_FALSE(title->isEnabled());
    EXPECT_EQ(formats->currentIndex(), 3);
    EXPECT_EQ(title->text(), "Gate 2");
}

TEST(FirmwareUpgradeFormTest, PickersFillTheirFieldOrLeaveIt) {
    QTemporaryDir folder;
    const struct {
        const char* button;
        const char* field;
        const char* filter;
    } rows[] = {
        {"browseFirmwareFileToolButton", "upgradeFileLineEdit", "(*.rom *.pkg)"},
        {"browseMediaFileToolButton", "uploadFileLineEdit", "(*.mp3)"},
    };
    FirmwareUpgradeForm form;
    form.show();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        auto* field = form.findChild<QLineEdit*>(row.field);
        field->setText(folder.filePath("old.bin"));
        const QString chosen = folder.filePath("new.file");
        QFile(chosen).open(QIODevice::WriteOnly);

        QString filters;
        auto pick = answerNextModal<QFileDialog>([&](QFileDialog* dialog) {
            filters = dialog->nameFilters().join(";");
            // Typed, as a user does: selectFile() leaves a focused name field alone.
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(chosen);
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        });
        form.findChild<QToolButton*>(row.button)->click();
        ASSERT_TRUE(pick->answered);
        EXPECT_EQ(pick->title, QCoreApplication::applicationName() + " - Open");
        EXPECT_TRUE(filters.endsWith(row.filter)) << filters.toStdString();
        EXPECT_EQ(field->text(), chosen);

        auto cancel = answerNextModal<QFileDialog>(
            [](QFileDialog* dialog) { QMetaObject::invokeMethod(dialog, "reject"); });
        form.findChild<QToolButton*>(row.button)->click();
        ASSERT_TRUE(cancel->answered);
        EXPECT_EQ(field->text(), chosen);
    }
}
