// The page setting dialog, its settings, and the page and grid the window takes from them.

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGraphicsLineItem>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "BoxItem.h"
#include "LabelerTest.h"
#include "MainWindow.h"
#include "PrinterSetting.h"

namespace {

struct GridLines {
    QList<qreal> vertical;
    QList<qreal> horizontal;
    qreal verticalEnd = 0;
    qreal horizontalEnd = 0;
    bool visible = false;
};

GridLines gridLines(QGraphicsScene* scene) {
    GridLines grid;
    for (QGraphicsItem* item : scene->items(Qt::AscendingOrder)) {
        auto* line = qgraphicsitem_cast<QGraphicsLineItem*>(item);
        if (!line) {
            continue;
        }
        grid.visible = line->isVisible();
        if (line->line().x1() == line->line().x2()) {
            grid.vertical.append(line->line().x1());
            grid.verticalEnd = line->line().y2();
        } else {
            grid.horizontal.append(line->line().y1());
            grid.horizontalEnd = line->line().x2();
        }
    }
    std::sort(grid.vertical.begin(), grid.vertical.end());
    std::sort(grid.horizontal.begin(), grid.horizontal.end());
    return grid;
}

QList<qreal> every36UpTo(int last) {
    QList<qreal> positions;
    for (int at = 0; at <= last; at += 36) {
        positions.append(at);
    }
    return positions;
}

}  // namespace

class PageSettingTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        Settings::instance().setPageSizeMM(QSizeF(101.6, 101.6));
        Settings::instance().setPrintDPI(300);
        dialog = std::make_unique<PrinterSetting>();
    }

    void opensWithTheStoredPage() {
        QCOMPARE(field("widthLineEdit")->text(), QString("101.6"));
        QCOMPARE(field("heightLineEdit")->text(), QString("101.6"));
        QVERIFY(radio("millimeterRadioButton")->isChecked());
        QCOMPARE(quality()->currentText(), QString("300dpi"));
        QCOMPARE(dialog->windowTitle(), QString("Page Setting"));
        QVERIFY(okButton()->isEnabled());
    }

    void unitsShowTheSamePage_data() {
        QTest::addColumn<QSizeF>("stored");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        const QSizeF fourInches(101.6, 101.6);
        QTest::newRow("inch") << fourInches << "inchRadioButton"
                              << "4"
                              << "4";
        QTest::newRow("point") << fourInches << "pointRadioButton"
                               << "288"
                               << "288";
        QTest::newRow("100 mm in inches") << QSizeF(100, 50) << "inchRadioButton"
                                          << "3.93701"
                                          << "1.9685";
        QTest::newRow("100 mm in points") << QSizeF(100, 50) << "pointRadioButton"
                                          << "283.465"
                                          << "141.732";
    }
    void unitsShowTheSamePage() {
        QFETCH(QSizeF, stored);
        QFETCH(QString, unit);
        QFETCH(QString, width);
        QFETCH(QString, height);
        Settings::instance().setPageSizeMM(stored);
        dialog = std::make_unique<PrinterSetting>();
        radio(unit)->click();
        QCOMPARE(field("widthLineEdit")->text(), width);
        QCOMPARE(field("heightLineEdit")->text(), height);
        // Back and forth through the units loses nothing.
        radio("pointRadioButton")->click();
        radio("inchRadioButton")->click();
        radio("millimeterRadioButton")->click();
        QCOMPARE(dialog->pageSizeMM(), stored);
        okButton()->click();
        QCOMPARE(Settings::instance().pageSizeMM(), stored);
    }

    void typedSizesAreTakenInTheShownUnit_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QSizeF>("stored");
        QTest::newRow("inch") << "inchRadioButton"
                              << "2" << QSizeF(50.8, 101.6);
        QTest::newRow("millimetre") << "millimeterRadioButton"
                                    << "62" << QSizeF(62, 101.6);
        QTest::newRow("point") << "pointRadioButton"
                               << "144" << QSizeF(50.8, 101.6);
    }
    void typedSizesAreTakenInTheShownUnit() {
        QFETCH(QString, unit);
        QFETCH(QString, width);
        QFETCH(QSizeF, stored);
        radio(unit)->click();
        type(field("widthLineEdit"), width);
        QVERIFY(okButton()->isEnabled());
        okButton()->click();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const QSizeF saved = Settings::instance().pageSizeMM();
        QVERIFY2(qAbs(saved.width() - stored.width()) < 1e-9 &&
                     qAbs(saved.height() - stored.height()) < 1e-9,
                 qPrintable(QString("%1 x %2").arg(saved.width()).arg(saved.height())));
    }

    void refusesPagesThePrinterCannotTake_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("width");
        QTest::newRow("zero") << "millimeterRadioButton"
                              << "0";
        QTest::newRow("empty") << "millimeterRadioButton"
                               << "";
        QTest::newRow("negative") << "inchRadioButton"
                                  << "-2";
        QTest::newRow("not a number") << "millimeterRadioButton"
                                      << "abc";
        QTest::newRow("not finite") << "millimeterRadioButton"
                                    << "inf";
        QTest::newRow("below a millimetre") << "pointRadioButton"
                                            << "2";
        QTest::newRow("beyond half a metre") << "inchRadioButton"
                                             << "20";
    }
    void refusesPagesThePrinterCannotTake() {
        QFETCH(QString, unit);
        QFETCH(QString, width);
        radio(unit)->click();
        type(field("widthLineEdit"), width);
        QVERIFY(!okButton()->isEnabled());
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(Settings::instance().pageSizeMM(), QSizeF(101.6, 101.6));
        // Correcting the field enables OK again.
        radio("millimeterRadioButton")->click();
        type(field("widthLineEdit"), "50");
        QVERIFY(okButton()->isEnabled());
    }

    void qualityIsStoredAsItsNumber_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("written");
        QTest::newRow("unchanged") << 300 << "300dpi"
                                   << "300dpi" << 300;
        QTest::newRow("chosen") << 300 << "300dpi"
                                << "1200dpi" << 1200;
        QTest::newRow("not offered") << 200 << "72dpi"
                                     << "72dpi" << 72;
    }
    void qualityIsStoredAsItsNumber() {
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(QString, chosen);
        QFETCH(int, written);
        Settings::instance().setPrintDPI(stored);
        dialog = std::make_unique<PrinterSetting>();
        QCOMPARE(quality()->currentText(), shown);
        quality()->setCurrentText(chosen);
        okButton()->click();
        QCOMPARE(Settings::instance().printDPI(), written);
        QCOMPARE(QSettings().value("Printer/PrintDPI").toInt(), written);
        QCOMPARE(QSettings().value("Printer/PageSizeMM").toSizeF(), QSizeF(101.6, 101.6));
    }

    void cancelWritesNothing() {
        type(field("widthLineEdit"), "50");
        quality()->setCurrentText("600dpi");
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(Settings::instance().pageSizeMM(), QSizeF(101.6, 101.6));
        QCOMPARE(Settings::instance().printDPI(), 300);
    }

    void gridCoversWholeCellsOfThePage_data() {
        QTest::addColumn<QSizeF>("pageMM");
        QTest::addColumn<QSize>("points");
        QTest::addColumn<int>("lastVertical");
        QTest::addColumn<int>("lastHorizontal");
        QTest::newRow("square") << QSizeF(101.6, 101.6) << QSize(288, 288) << 288 << 288;
        QTest::newRow("wider than high")
            << QSizeF(300 * 25.4 / 72, 200 * 25.4 / 72) << QSize(300, 200) << 288 << 180;
    }
    void gridCoversWholeCellsOfThePage() {
        QFETCH(QSizeF, pageMM);
        QFETCH(QSize, points);
        QFETCH(int, lastVertical);
        QFETCH(int, lastHorizontal);
        Settings::instance().setPageSizeMM(pageMM);
        MainWindow window;
        QCOMPARE(window.pageSizePoints(), points);
        const GridLines grid = gridLines(window.scene());
        QCOMPARE(grid.vertical, every36UpTo(lastVertical));
        QCOMPARE(grid.horizontal, every36UpTo(lastHorizontal));
        QCOMPARE(grid.verticalEnd, qreal(lastHorizontal));
        QCOMPARE(grid.horizontalEnd, qreal(lastVertical));
    }

    void pageSizeCommandSetsPageAndRebuildsTheGrid_data() {
        QTest::addColumn<bool>("gridShown");
        QTest::newRow("grid shown") << true;
        QTest::newRow("grid hidden") << false;
    }
    void pageSizeCommandSetsPageAndRebuildsTheGrid() {
        QFETCH(bool, gridShown);
        MainWindow window;
        window.findChild<QAction*>("viewShowGridAction")->setChecked(gridShown);
        auto* box = new BoxItem(QRect(18, 18, 90, 30), window.scene());
        box->setBrush(QBrush(Qt::black, Qt::SolidPattern));
        ModalDriver<PrinterSetting> driver([](PrinterSetting* shown) {
            shown->findChild<QRadioButton*>("pointRadioButton")->click();
            QLineEdit* width = shown->findChild<QLineEdit*>("widthLineEdit");
            width->setText("300");
            emit width->textEdited(width->text());
            QLineEdit* height = shown->findChild<QLineEdit*>("heightLineEdit");
            height->setText("200");
            emit height->textEdited(height->text());
            shown->findChild<QComboBox*>("printQualityComboBox")->setCurrentText("600dpi");
            shown->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        window.findChild<QAction*>("filePageSizeAction")->trigger();
        QVERIFY(driver.handled);
        QCOMPARE(window.scene()->sceneRect(), QRectF(0, 0, 300, 200));
        QCOMPARE(window.printer()->resolution(), 600);
        const GridLines grid = gridLines(window.scene());
        QCOMPARE(grid.vertical, every36UpTo(288));
        QCOMPARE(grid.horizontal, every36UpTo(180));
        QCOMPARE(grid.visible, gridShown);
        // The new grid lies under the items, as the first one did.
        QCOMPARE(window.scene()->items(QPointF(36, 30)).value(0), box);
    }

    // Large pages scroll in the view instead of stretching the window beyond the screen.
    void largePagesLeaveTheWindowsMinimumSize() {
        const QSize minimum = MainWindow().minimumSizeHint();
        Settings::instance().setPageSizeMM(QSizeF(500, 500));
        MainWindow window;
        QCOMPARE(window.scene()->sceneRect(), QRectF(0, 0, 1417, 1417));
        QCOMPARE(window.minimumSizeHint(), minimum);
    }

    void rejectedPageSizeChangesNothing() {
        MainWindow window;
        ModalDriver<PrinterSetting> driver([](PrinterSetting* shown) { shown->reject(); });
        window.findChild<QAction*>("filePageSizeAction")->trigger();
        QVERIFY(driver.handled);
        QCOMPARE(window.scene()->sceneRect(), QRectF(0, 0, 288, 288));
        QCOMPARE(gridLines(window.scene()).vertical.size(), 9);
    }

private:
    QLineEdit* field(const char* name) const { return dialog->findChild<QLineEdit*>(name); }
    QRadioButton* radio(const QString& name) const {
        return dialog->findChild<QRadioButton*>(name);
    }
    QComboBox* quality() const { return dialog->findChild<QComboBox*>("printQualityComboBox"); }
    QPushButton* okButton() const {
        return dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
    }
    // As the user types: the whole text replaced by keystrokes.
    static void type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    std::unique_ptr<PrinterSetting> dialog;
};

LABELER_TEST_MAIN(PageSettingTest)
#include "test_page_setting.moc"
