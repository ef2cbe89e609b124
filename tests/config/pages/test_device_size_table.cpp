// The storage usage table: size texts, usage percent, bar colour bands, df lines.
#include <QProgressBar>
#include <QStorageInfo>
#include <QtTest>

#include "DeviceSizeTable.h"

namespace {

constexpr qlonglong GiB = 1073741824LL;

QStringList rowTexts(const QTableWidget& table, int row) {
    QStringList texts;
    for (int column = 0; column < 4; ++column) {
        texts << table.item(row, column)->text();
    }
    return texts;
}

QProgressBar* bar(const QTableWidget& table, int row) {
    return qobject_cast<QProgressBar*>(table.cellWidget(row, 4));
}

}  // namespace

class DeviceSizeTableTest : public QObject {
    Q_OBJECT

private slots:
    void formIsReadOnlyWithFiveColumns() {
        DeviceSizeTable table;
        QCOMPARE(table.columnCount(), 5);
        QCOMPARE(table.horizontalHeaderItem(4)->text(), QString("Used Percentage"));
        QCOMPARE(table.columnWidth(0), 100);
        QCOMPARE(table.editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(table.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(table.rowCount(), 0);
    }

    void addPathShowsSizesAndTheBandOfItsUsage_data() {
        QTest::addColumn<qlonglong>("total");
        QTest::addColumn<qlonglong>("free");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("colours");
        const QString first =
            "QProgressBar{color:#0a0a0a;}QProgressBar::chunk{background:#64b8ff;}";
        const QString second =
            "QProgressBar{color:#ffffff;}QProgressBar::chunk{background:#18bd9b;}";
        const QString third =
            "QProgressBar{color:#ffffff;}QProgressBar::chunk{background:#ff6b6b;}";
        QTest::newRow("card two thirds full")
            << 30 * GiB << 10 * GiB << QStringList({"/media/sdcard", "20.0G", "10.0G", "30.0G"})
            << 66 << second;
        QTest::newRow("49 %") << 100 * GiB << 51 * GiB
                              << QStringList({"/media/sdcard", "49.0G", "51.0G", "100.0G"}) << 49
                              << first;
        QTest::newRow("50 % is the second band")
            << 100 * GiB << 50 * GiB << QStringList({"/media/sdcard", "50.0G", "50.0G", "100.0G"})
            << 50 << second;
        QTest::newRow("90 % is the third band")
            << 100 * GiB << 10 * GiB << QStringList({"/media/sdcard", "90.0G", "10.0G", "100.0G"})
            << 90 << third;
        QTest::newRow("empty") << GiB << GiB
                               << QStringList({"/media/sdcard", "0.0G", "1.0G", "1.0G"}) << 0
                               << first;
        QTest::newRow("full") << GiB << 0LL
                              << QStringList({"/media/sdcard", "1.0G", "0.0G", "1.0G"}) << 100
                              << third;
        // A card whose size the camera does not know must not divide by zero.
        QTest::newRow("unknown size")
            << 0LL << 0LL << QStringList({"/media/sdcard", "0.0G", "0.0G", "0.0G"}) << 0 << first;
        QTest::newRow("free above total")
            << GiB << 2 * GiB << QStringList({"/media/sdcard", "-1.0G", "2.0G", "1.0G"}) << 0
            << first;
    }
    void addPathShowsSizesAndTheBandOfItsUsage() {
        QFETCH(qlonglong, total);
        QFETCH(qlonglong, free);
        QFETCH(QStringList, texts);
        QFETCH(int, percent);
        QFETCH(QString, colours);
        DeviceSizeTable table;
        table.addPath("/media/sdcard", total, free);
        QCOMPARE(rowTexts(table, 0), texts);
        QCOMPARE(bar(table, 0)->value(), percent);
        QVERIFY(bar(table, 0)->styleSheet().startsWith("QProgressBar{background:#ffffff;"));
        QVERIFY2(bar(table, 0)->styleSheet().endsWith(colours),
                 qPrintable(bar(table, 0)->styleSheet()));
        QCOMPARE(table.item(0, 1)->textAlignment(), int(Qt::AlignCenter));
    }

    void addPathAlwaysAppends() {
        DeviceSizeTable table;
        table.addPath("/media/sdcard", GiB, GiB);
        table.addPath("/media/sdcard", GiB, GiB);
        QCOMPARE(table.rowCount(), 2);
    }

    void checkSizeReadsADfLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("percent");
        const QString line = "/dev/mmcblk0p1   29.7G  1.2G   28.5G   5% /media/sdcard";
        QTest::newRow("own name") << line << ""
                                  << QStringList({"/dev/mmcblk0p1", "1.2G", "28.5G", "29.7G"}) << 5;
        QTest::newRow("given name")
            << line << "SD" << QStringList({"SD", "1.2G", "28.5G", "29.7G"}) << 5;
        QTest::newRow("three parts") << "/dev/sda1 10G 4G"
                                     << "" << QStringList({"/dev/sda1", "4G", "", "10G"}) << 0;
        QTest::newRow("no number") << "a b c d x%"
                                   << "" << QStringList({"a", "c", "d", "b"}) << 0;
    }
    void checkSizeReadsADfLine() {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(QStringList, texts);
        QFETCH(int, percent);
        DeviceSizeTable table;
        QVERIFY(QMetaObject::invokeMethod(&table, "checkSize", Q_ARG(QString, line),
                                          Q_ARG(QString, name)));
        QCOMPARE(rowTexts(table, 0), texts);
        QCOMPARE(bar(table, 0)->value(), percent);
    }

    void aNewColourRebuildsFromLocalVolumes() {
        DeviceSizeTable table;
        table.addPath("/media/sdcard", GiB, GiB);
        table.setChunkColor2(table.getChunkColor2());
        QCOMPARE(table.rowCount(), 1);  // an equal colour changes nothing

        table.setChunkColor2(Qt::darkGreen);
        QCOMPARE(table.property("chunkColor2").value<QColor>(), QColor(Qt::darkGreen));
        QStringList writable;
        for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
            if (!volume.isReadOnly()) {
                writable << volume.rootPath();
            }
        }
        QCOMPARE(table.rowCount(), writable.size());
        for (int row = 0; row < table.rowCount(); ++row) {
            QCOMPARE(table.item(row, 0)->text(), writable.at(row));
        }
    }
};

QTEST_MAIN(DeviceSizeTableTest)
#include "test_device_size_table.moc"
