// The IPv4 editor on the real widget: typing, focus moves, backspace, setIP and clear.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "ipaddress.h"
#include "qtprinters.h"

namespace {

class IPAddressTest : public testing::Test {
protected:
    void SetUp() override {
        editor.show();
        QApplication::setActiveWindow(&editor);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
        box(1)->setFocus();
    }

    QLineEdit* box(int number) {
        return editor.findChild<QLineEdit*>(QStringLiteral("txtIP%1").arg(number));
    }
    QString focusedBox() const {
        QWidget* focused = editor.focusWidget();
        return focused != nullptr ? focused->objectName() : QString();
    }
    // Types into whichever box has the focus, one key at a time, as a user does.
    void type(const QString& keys) {
        for (QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
    void backspace() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace); }

    IPAddress editor;
};

}  // namespace

TEST_F(IPAddressTest, TypingFillsTheBoxesAndMovesOn) {
    struct Case {
        const char* keys;
        const char* address;
        const char* focus;
    };
    const Case cases[] = {
        {"192", "192...", "txtIP2"},               // three digits worth 100-255 move on
        {"99", "99...", "txtIP1"},                 // two digits stay
        {"256", "25...", "txtIP1"},                // the third digit is refused
        {"10.", "10...", "txtIP2"},                // a dot moves on and is not inserted
        {".", "...", "txtIP2"},                    // also from an empty box
        {"1921681.77", "192.168.1.77", "txtIP4"},  // no dot after a full box
        {"abc", "...", "txtIP1"},                  // no letters
        {"10.0.08.09", "10.0.8.9", "txtIP4"},      // a leading zero is read as decimal
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        for (int number = 1; number <= 4; ++number)
            box(number)->clear();
        box(1)->setFocus();
        type(QString::fromLatin1(c.keys));
        EXPECT_EQ(editor.getIP(), c.address);
        EXPECT_EQ(focusedBox(), c.focus);
    }
}

TEST_F(IPAddressTest, BackspaceMovesBackFromShortBoxes) {
    type("10.20.");
    ASSERT_EQ(focusedBox(), "txtIP3");
    backspace();  // empty third box: back to the second, which keeps its text
    EXPECT_EQ(focusedBox(), "txtIP2");
    EXPECT_EQ(box(2)->text(), "20");

    box(3)->setFocus();
    type("7");
    backspace();  // a single digit: deleted, and the focus goes back
    EXPECT_EQ(box(3)->text(), "");
    EXPECT_EQ(focusedBox(), "txtIP2");

    // Moving back selects the box's text, as a tab does: the next key replaces it.
    type("3");
    EXPECT_EQ(editor.getIP(), "10.3..");
    backspace();  // one digit left: deleted, back to the first box
    EXPECT_EQ(focusedBox(), "txtIP1");
    EXPECT_EQ(editor.getIP(), "10...");
}

TEST_F(IPAddressTest, SetIPTakesOnlyWholeAddresses) {
    editor.setIP("10.0.0.1");
    EXPECT_EQ(editor.getIP(), "10.0.0.1");
    EXPECT_EQ(editor.property("ip").toString(), "10.0.0.1");
    EXPECT_EQ(box(4)->text(), "1");

    box(4)->setText("9");  // the user edits; setIP with the old address must still show it
    editor.setIP("10.0.0.1");
    EXPECT_EQ(box(4)->text(), "1");

    for (const char* bad : {"10.0.0", "10.0.0.256", "a.b.c.d", "10.0.0.1 ", ""}) {
        SCOPED_TRACE(bad);
        editor.setIP(bad);
        EXPECT_EQ(editor.getIP(), "10.0.0.1");
    }
    editor.setProperty("ip", "172.16.5.200");
    EXPECT_EQ(editor.getIP(), "172.16.5.200");
}

TEST_F(IPAddressTest, ClearEmptiesAndFocusesTheFirstBox) {
    editor.setIP("192.168.1.77");
    box(3)->setFocus();
    editor.clear();
    EXPECT_EQ(editor.getIP(), "...");
    EXPECT_EQ(focusedBox(), "txtIP1");
}

TEST_F(IPAddressTest, FocusLastOctet) {
    editor.focusLastOctet(Qt::OtherFocusReason);
    EXPECT_EQ(focusedBox(), "txtIP4");
}

TEST_F(IPAddressTest, ColoursAreFixedAtConstruction) {
    auto* frame = editor.findChild<QWidget*>("frameIP");
    ASSERT_NE(frame, nullptr);
    const QString before = frame->styleSheet();
    EXPECT_TRUE(before.contains("border:1px solid #A6B5B8;border-radius:3px;"));
    editor.setBgColor("#000000");
    editor.setBorderRadius(9);
    EXPECT_EQ(frame->styleSheet(), before);
}
