// The arming task store: regions, tasks and the rows of the owner's task table.
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

#include "ShieldTaskManager.h"

namespace {

ShieldTask task(int region, QTime begin, QTime end, int dayMask, int repeat = 1) {
    ShieldTask result;
    result.region = region;
    result.begin = begin;
    result.end = end;
    result.dayMask = dayMask;
    result.repeat = repeat;
    result.tone = 11;
    return result;
}

QStringList rowTexts(const QAbstractItemModel* model, int row) {
    QStringList texts;
    for (int column = 0; column < model->columnCount(); ++column) {
        texts << model->index(row, column).data().toString();
    }
    return texts;
}

}  // namespace

class ShieldTaskManagerTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        model = new QStandardItemModel(0, 6, &view);
        view.setModel(model);
        store = new ShieldTaskManager(&view);
        store->setTableView(&view);
    }
    void cleanup() { delete store; }

    void aTaskBecomesARowOfSixCells_data() {
        QTest::addColumn<int>("dayMask");
        QTest::addColumn<QString>("dayText");
        QTest::newRow("weekdays") << 62 << "周一到周五";
        QTest::newRow("weekdays and saturday") << 126 << "周一到周六";
        QTest::newRow("weekend") << 65 << "周六、周日";
        QTest::newRow("sunday") << 1 << "周日";
        QTest::newRow("every day") << 127 << "每天";
        QTest::newRow("monday alone has no name") << 2 << "";
    }
    void aTaskBecomesARowOfSixCells() {
        QFETCH(int, dayMask);
        QFETCH(QString, dayText);
        store->addTask(task(1, QTime(8, 0), QTime(17, 30, 5), dayMask, 2));
        QCOMPARE(rowTexts(model, 0),
                 QStringList({"粉色区域", "08:00:00", "17:30:05", dayText, "2", "预留"}));
        QCOMPARE(store->taskCount(), 1);
        QCOMPARE(store->tasks().first().dayMask, dayMask);
    }

    void aNarrowTableGetsOnlyItsFirstCells() {
        QStandardItemModel narrow(0, 3);
        view.setModel(&narrow);
        store->addTask(task(3, QTime(1, 0), QTime(2, 0), 127));
        QCOMPARE(rowTexts(&narrow, 0), QStringList({"绿色区域", "01:00:00", "02:00:00"}));
        QCOMPARE(store->taskCount(), 1);
        view.setModel(model);
    }

    void setRegionOverwritesOrAppends() {
        const QPolygonF first(QVector<QPointF>{{0, 0}, {10, 10}});
        const QPolygonF second(QVector<QPointF>{{50, 50}, {60, 60}});
        store->setRegion(0, first, Qt::blue, Qt::red);
        store->setRegion(3, second, Qt::green, Qt::red);
        QCOMPARE(store->regions().size(), 2);  // no gap is filled
        QCOMPARE(store->regions().at(1).polygon, second);
        store->setRegion(0, second, Qt::yellow, Qt::black);
        QCOMPARE(store->regions().size(), 2);
        QCOMPARE(store->regions().at(0).polygon, second);
        QCOMPARE(store->regions().at(0).defaultColour, QColor(Qt::yellow));
        QCOMPARE(store->regions().at(0).alarmColour, QColor(Qt::black));
    }

    void removeSelectedTaskTakesOnlyTheCurrentRow() {
        for (int hour = 1; hour <= 3; ++hour) {
            store->addTask(task(0, QTime(hour, 0), QTime(hour, 30), 127));
        }
        view.setSelectionMode(QAbstractItemView::MultiSelection);
        view.selectionModel()->select(model->index(0, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view.selectionModel()->setCurrentIndex(
            model->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        store->removeSelectedTask();
        QCOMPARE(store->taskCount(), 2);
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(store->tasks().at(1).begin, QTime(3, 0));
        QCOMPARE(model->index(1, 1).data().toString(), QString("03:00:00"));
    }

    void removeWithoutSelectionDoesNothing() {
        store->addTask(task(0, QTime(1, 0), QTime(2, 0), 127));
        store->removeSelectedTask();
        QCOMPARE(store->taskCount(), 1);
        QCOMPARE(model->rowCount(), 1);
    }

    void clearLeavesTheVocabulariesWhole() {
        store->setRegion(0, QPolygonF(QVector<QPointF>{{1, 1}}), Qt::blue, Qt::red);
        store->addTask(task(0, QTime(1, 0), QTime(2, 0), 62));
        for (int round = 0; round < 2; ++round) {
            store->clear();
            QVERIFY(store->regions().isEmpty());
            QCOMPARE(store->taskCount(), 0);
            QCOMPARE(model->rowCount(), 0);
            QCOMPARE(store->toneTypes(), QList<int>({11}));
            QCOMPARE(store->dayLabels().size(), 5);
        }
    }

private:
    QTableView view;
    QStandardItemModel* model = nullptr;
    ShieldTaskManager* store = nullptr;
};

QTEST_MAIN(ShieldTaskManagerTest)
#include "test_shield_task_manager.moc"
