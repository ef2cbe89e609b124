// The audio output against SDL's dummy driver (SDL_AUDIODRIVER=dummy), which plays in
// real time into nowhere.
#include <QtTest>

#include <SDL.h>

#include <vector>

#include "audio_output.h"

namespace {

// A queue this long cannot drain in the time a test step takes (16000 bytes a second).
const std::vector<uint8_t> kSecond(16000, 0);

}  // namespace

class AudioOutputTest : public QObject {
    Q_OBJECT
private slots:
    void startsMutedAndDropsWhileMuted() {
        AudioOutput output;
        QVERIFY(output.isMuted());
        output.enqueue(kSecond.data(), static_cast<int>(kSecond.size()));
        QCOMPARE(output.queuedBytes(), 0u);
    }

    void queuesOnceUnmuted() {
        AudioOutput output;
        output.setMuted(false);
        QVERIFY(!output.isMuted());
        output.enqueue(kSecond.data(), static_cast<int>(kSecond.size()));
        QVERIFY(output.queuedBytes() > 8000);
        output.setMuted(true);
        QVERIFY(output.isMuted());
        const uint32_t before = output.queuedBytes();
        output.enqueue(kSecond.data(), static_cast<int>(kSecond.size()));
        QVERIFY(output.queuedBytes() <= before);
    }

    void clearsTheBacklogPastTwoSeconds() {
        AudioOutput output;
        output.setMuted(false);
        const std::vector<uint8_t> block(32767, 0);
        output.enqueue(block.data(), static_cast<int>(block.size()));
        // Just below the limit: kept (less what SDL has played meanwhile).
        QVERIFY(output.queuedBytes() > 16000);
        output.enqueue(kSecond.data(), static_cast<int>(kSecond.size()));
        QCOMPARE(output.queuedBytes(), 0u);
    }

    void withoutADeviceStaysMutedAndSilent() {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        {
            AudioOutput output;
            QVERIFY(output.isMuted());
            output.setMuted(false);
            QVERIFY(output.isMuted());
            output.enqueue(kSecond.data(), static_cast<int>(kSecond.size()));
            QCOMPARE(output.queuedBytes(), 0u);
        }
        QCOMPARE(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
    }
};

QTEST_GUILESS_MAIN(AudioOutputTest)
#include "test_audio_output.moc"
