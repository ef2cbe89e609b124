// Claims the id given as its argument, says "primary" or "second" on standard output and,
// as first instance, writes every received message there as one line until it is killed.
#include <QCoreApplication>
#include <cstdio>

#include "singleinstance.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: singleinstance_holder ID\n");
        return 2;
    }
    SingleInstance instance(QString::fromUtf8(argv[1]));
    std::printf("%s\n", instance.isRunning() ? "second" : "primary");
    std::fflush(stdout);
    if (instance.isRunning())
        return 0;
    QObject::connect(&instance, &SingleInstance::messageReceived, [](const QString& message) {
        std::printf("%s\n", message.toUtf8().constData());
        std::fflush(stdout);
    });
    return application.exec();
}
