// The leak checker's canaries: each test leaks on purpose in code that Qt calls (a Qt Test
// function, a slot called by the event loop, a pool task). The sanitizer pass expects every
// one of them to be reported; one that passes means that a suppression hides the kit's own
// leaks again.
#include <QThreadPool>
#include <QTimer>
#include <QtTest>

namespace {

// The last block leaked, volatile so that the compiler keeps the allocation; cleared so
// that nothing points at the block any more.
char* volatile lastLeaked = nullptr;

Q_NEVER_INLINE void leakBlock() {
    lastLeaked = new char[64];
    lastLeaked = nullptr;
}

}  // namespace

class LeakCanary : public QObject {
    Q_OBJECT
private slots:
    void leakInTestFunction() { leakBlock(); }

    void leakInEventLoopSlot() {
        bool called = false;
        QTimer::singleShot(0, this, [&called] {
            leakBlock();
            called = true;
        });
        QTRY_VERIFY(called);
    }

    void leakInPoolTask() {
        QThreadPool pool;
        pool.start([] { leakBlock(); });
        QVERIFY(pool.waitForDone(10000));
    }
};

QTEST_GUILESS_MAIN(LeakCanary)
#include "leak_canary.moc"
