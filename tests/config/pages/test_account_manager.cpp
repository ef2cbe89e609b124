// The user account page and its form against camsim: the list, add, modify and delete of
// one account, the duplicate and built-in administrator rules, and refusals.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "AccountManager.h"
#include "InputUserDialog.h"
#include "modalhelper.h"
#include "page_camera.h"

namespace {

constexpr int kWireUsers = 14;

struct Entry {
    QString name, password;
    int group;
    bool enabled;
};

// Fills the open account form and presses OK.
void fillForm(QWidget* form, const Entry& entry) {
    if (!entry.name.isNull()) {
        form->findChild<QLineEdit*>("usernameLineEdit")->setText(entry.name);
    }
    form->findChild<QLineEdit*>("passwordLineEdit")->setText(entry.password);
    form->findChild<QLineEdit*>("confirmPasswordLineEdit")->setText(entry.password);
    auto* group = form->findChild<QComboBox*>("userGroupComboBox");
    if (group->isEnabled()) {
        group->setCurrentIndex(entry.group);
        form->findChild<QCheckBox*>("userStatusCheckBox")->setChecked(entry.enabled);
    }
    form->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
}

// The time a slow machine still needs to send a write and hear the camera's answer.
constexpr int kWriteLimitMs = 60000;

// Closes the message box that comes up next, which the handle then names; the watch ends with
// the handle.
std::shared_ptr<ModalAnswer> closeNextMessage() {
    return answerNextModal<QMessageBox>([](QMessageBox* box) { box->accept(); }, kWriteLimitMs);
}

// Answers the message box that comes up and keeps its text.
void answerMessage(QString* text, QMessageBox::StandardButton button) {
    whenModal([text, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        *text = box->text();
        box->button(button)->click();
    });
}

}  // namespace

class AccountManagerTest : public QObject {
    Q_OBJECT

    // faults: camsim's fault knobs of the camera, as JSON members.
    void open(const std::string& faults = "") {
        camera.reset(new PageCamera(
            R"("accounts": [{"name": "guest", "password": "g", "level": 2, "enabled": false}], )"
            R"("faults": {)" +
            faults + "}"));
        page.reset(new AccountManager(camera->session().data()));
        settle();
        table = page->findChild<QTableWidget*>("tableWidget");
    }

    QList<QStringList> rows() const {
        QList<QStringList> all;
        for (int index = 0; index < table->rowCount(); ++index) {
            all << row(index);
        }
        return all;
    }

    QStringList row(int index) const {
        return {table->item(index, 0)->text(), table->item(index, 1)->text(),
                table->item(index, 2)->text()};
    }

    void press(const char* button) { page->findChild<QPushButton*>(button)->click(); }

private slots:
    void cleanup() {
        page.reset();
        camera.reset();
    }

    void theCamerasAccountsAreListed() {
        open();
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(row(0), QStringList({"admin", "管理员", "启用"}));
        QCOMPARE(row(1), QStringList({"guest", "查看者", "禁用"}));
        QVERIFY(!page->findChild<QPushButton*>("deletePushButton")->isEnabled());
        QVERIFY(!page->findChild<QPushButton*>("modifyPushButton")->isEnabled());
        table->selectRow(1);
        QVERIFY(page->findChild<QPushButton*>("deletePushButton")->isEnabled());
        QVERIFY(page->findChild<QPushButton*>("modifyPushButton")->isEnabled());
    }

    void anAddedAccountReachesTheCameraAndTheTable() {
        open();
        whenModal([](QWidget* form) {
            // A new account starts as an enabled administrator.
            QCOMPARE(form->findChild<QComboBox*>("userGroupComboBox")->currentIndex(), 0);
            QVERIFY(form->findChild<QCheckBox*>("userStatusCheckBox")->isChecked());
            fillForm(form, {"Guest", "s3", 1, true});  // names are case-sensitive
        });
        press("addPushButton");
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(row(2), QStringList({"Guest", "操作员", "启用"}));
        const auto writes = camera->blockWrites(kWireUsers);
        QCOMPARE(writes.size(), size_t(1));
        QCOMPARE(writes[0].substr(0, 8), std::string("00000000"));  // action add
        QCOMPARE(writes[0].substr(8, 10), camsim::hex("Guest"));
        QCOMPARE(camera->session()->userList().size(), 3);
    }

    void duplicatesAreRefusedBeforeTheCamera_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("listed name") << "guest";
        QTest::newRow("a group name shown in the table") << "管理员";
    }
    void duplicatesAreRefusedBeforeTheCamera() {
        QFETCH(QString, name);
        open();
        QString message;
        whenModal([&](QWidget* form) {
            answerMessage(&message, QMessageBox::Ok);
            fillForm(form, {name, "pw", 2, true});
        });
        press("addPushButton");
        QCOMPARE(message, QString("不能重复添加账户 %1 ！").arg(name));
        QCOMPARE(table->rowCount(), 2);
        QVERIFY(camera->blockWrites(kWireUsers).empty());
    }

    void theFormStaysOpenUntilItIsComplete() {
        InputUserDialog form;
        auto* name = form.findChild<QLineEdit*>("usernameLineEdit");
        auto* password = form.findChild<QLineEdit*>("passwordLineEdit");
        auto* confirmation = form.findChild<QLineEdit*>("confirmPasswordLineEdit");
        form.show();
        form.accept();
        QVERIFY(form.isVisible());
        name->setText("anna");
        password->setText("a");
        confirmation->setText("b");
        form.accept();
        QVERIFY(form.isVisible());
        confirmation->setText("a");
        form.accept();
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    // Longer texts would be cut or refused by the camera's 32-byte fields.
    void namesThatDoNotFitTheCameraAreRefusedInTheForm() {
        InputUserDialog form;
        form.show();
        form.findChild<QLineEdit*>("usernameLineEdit")->setText(QString(16, QChar(0x7528)));
        form.findChild<QLineEdit*>("passwordLineEdit")->setText("pw");
        form.findChild<QLineEdit*>("confirmPasswordLineEdit")->setText("pw");
        QString message;
        answerMessage(&message, QMessageBox::Ok);
        form.accept();
        QVERIFY(form.isVisible());
        QVERIFY(message.contains("31"));
    }

    void modifyChangesTheRowOnceTheCameraTookIt() {
        open();
        table->selectRow(1);
        whenModal([](QWidget* form) {
            QCOMPARE(form->findChild<QLineEdit*>("usernameLineEdit")->text(), QString("guest"));
            QCOMPARE(form->findChild<QComboBox*>("userGroupComboBox")->currentIndex(), 2);
            fillForm(form, {QString(), "new", 1, true});
        });
        press("modifyPushButton");
        QCOMPARE(row(1), QStringList({"guest", "操作员", "启用"}));
        QCOMPARE(camera->blockWrites(kWireUsers).at(0).substr(0, 8), std::string("01000000"));
    }

    // The camera finds the account to modify by its name: another name in the form would
    // overwrite that other account instead.
    void modifyKeepsTheAccountsName() {
        open();
        table->selectRow(1);
        bool nameReadOnly = false;
        whenModal([&nameReadOnly](QWidget* form) {
            nameReadOnly = form->findChild<QLineEdit*>("usernameLineEdit")->isReadOnly();
            fillForm(form, {"admin", "taken", 2, false});
        });
        press("modifyPushButton");
        QVERIFY(nameReadOnly);
        QCOMPARE(row(0), QStringList({"admin", "管理员", "启用"}));
        QCOMPARE(table->item(1, 0)->text(), QString("guest"));
        QCOMPARE(table->item(1, 0)->data(Qt::UserRole).toString(), QString("taken"));
        QCOMPARE(camera->blockWrites(kWireUsers).at(0).substr(8, 12), camsim::hex("guest") + "00");
        const QList<UserAccount> accounts = camera->session()->userList();
        QCOMPARE(accounts.size(), 2);
        QCOMPARE(accounts[0].name, QString("admin"));
        QCOMPARE(accounts[0].level, 0);
        QVERIFY(accounts[0].enabled);
    }

    void theAdministratorCanOnlyGetANewPassword() {
        open();
        table->selectRow(0);
        whenModal([](QWidget* form) {
            QVERIFY(form->findChild<QLineEdit*>("usernameLineEdit")->isReadOnly());
            QVERIFY(!form->findChild<QComboBox*>("userGroupComboBox")->isEnabled());
            QVERIFY(!form->findChild<QCheckBox*>("userStatusCheckBox")->isEnabled());
            fillForm(form, {QString(), "better", 0, true});
        });
        press("modifyPushButton");
        QCOMPARE(row(0), QStringList({"admin", "管理员", "启用"}));
        QCOMPARE(table->item(0, 0)->data(Qt::UserRole).toString(), QString("better"));
    }

    // The administrator's group cannot be chosen in the form, so it goes back as it came,
    // also a group this program has no name for.
    void theAdministratorsGroupIsSentBackAsItCame() {
        const UserAccount admin{"Admin", "pw", 7, true};
        whenModal([](QWidget* form) {
            form->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        });
        bool accepted = false;
        const UserAccount entered = InputUserDialog::getUser(nullptr, &admin, &accepted);
        QVERIFY(accepted);
        QCOMPARE(entered.level, 7);
        QVERIFY(entered.enabled);
    }

    void deleteAsksFirst() {
        open();
        table->selectRow(1);
        QString question;
        answerMessage(&question, QMessageBox::No);
        press("deletePushButton");
        QCOMPARE(question, QString("您确定要删除用户 guest 吗？"));
        QCOMPARE(table->rowCount(), 2);
        QVERIFY(camera->blockWrites(kWireUsers).empty());

        answerMessage(&question, QMessageBox::Yes);
        press("deletePushButton");
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(camera->session()->userList().size(), 1);
    }

    void theBuiltInAdministratorIsNeverDeleted() {
        open();
        table->selectRow(0);
        QString message;
        answerMessage(&message, QMessageBox::Ok);
        press("deletePushButton");
        QCOMPARE(message, QString("内置管理员账户不能删除！"));
        QCOMPARE(table->rowCount(), 2);
        QVERIFY(camera->blockWrites(kWireUsers).empty());
    }

    void aRefusedChangeLeavesTheTable() {
        open();
        // Someone else removed guest meanwhile: the camera refuses to modify or delete it.
        UserAccount guest{"guest", "", 2, false};
        QVERIFY(camera->session()->deleteUser(guest, nullptr));
        table->selectRow(1);
        std::shared_ptr<ModalAnswer> refusal;
        whenModal([&refusal](QWidget* form) {
            fillForm(form, {QString(), "x", 1, true});
            refusal = closeNextMessage();
        });
        press("modifyPushButton");
        QVERIFY(refusal != nullptr);
        QCOMPARE(refusal->title, QString("保存失败"));
        QCOMPARE(row(1), QStringList({"guest", "查看者", "禁用"}));
        refusal.reset();
        whenModal([&refusal](QWidget* question) {
            qobject_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click();
            refusal = closeNextMessage();
        });
        press("deletePushButton");
        QVERIFY(refusal != nullptr);
        QCOMPARE(refusal->title, QString("保存失败"));
        QCOMPARE(table->rowCount(), 2);
    }

    // A camera that refuses every write of its account record: each change shows the refusal
    // over the page and leaves the table as it was.
    void aRefusedWriteIsShownAndLeavesTheTable_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("add") << "addPushButton";
        QTest::newRow("modify") << "modifyPushButton";
        QTest::newRow("delete") << "deletePushButton";
    }
    void aRefusedWriteIsShownAndLeavesTheTable() {
        QFETCH(QString, button);
        open(R"("http_write_status": {"command:14": 500})");
        const QList<QStringList> before = rows();
        table->selectRow(1);
        std::shared_ptr<ModalAnswer> refusal;
        whenModal([&refusal](QWidget* first) {
            if (auto* question = qobject_cast<QMessageBox*>(first)) {
                question->button(QMessageBox::Yes)->click();
            } else {
                fillForm(first, {"tester", "x", 1, true});
            }
            refusal = closeNextMessage();
        });
        press(qPrintable(button));
        QVERIFY(refusal != nullptr);
        QCOMPARE(refusal->title, QString("保存失败"));
        QCOMPARE(camera->blockWrites(kWireUsers).size(), size_t(1));
        QCOMPARE(rows(), before);
        QCOMPARE(camera->session()->userList().size(), 2);
    }

private:
    QScopedPointer<PageCamera> camera;
    QScopedPointer<AccountManager> page;
    QTableWidget* table = nullptr;
};

QTEST_MAIN(AccountManagerTest)
#include "test_account_manager.moc"
