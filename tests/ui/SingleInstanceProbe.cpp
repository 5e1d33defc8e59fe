// Asks the single-instance lock the question a starting copy asks, from a
// process of its own: "hold" takes the lock and keeps it until killed,
// "check" prints "running" when another process holds it, else "first".
#include "ui/SingleInstance.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QThread>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return 2;
    velmora::ui::SingleInstance instance(args.at(1));
    QTextStream out(stdout);
    const bool running = instance.anotherCopyRunning();
    if (args.at(2) == QLatin1String("check")) {
        out << (running ? "running" : "first") << Qt::endl;
        return 0;
    }
    out << (running ? "running" : "locked") << Qt::endl;
    for (;;)
        QThread::sleep(1);
}
